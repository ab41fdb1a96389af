#include "tscriptfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The run command's runtime root: a root the user names is never emptied,
// the default one is made fresh only when the run command made it and no
// program runs on it.
class MkRootTest : public QObject
{
    Q_OBJECT
private slots:
    void rootsTheRunCommandDidNotMakeAreKept_data()
    {
        QTest::addColumn<bool>("given");  // DVR_ROOT names the root
        QTest::addColumn<bool>("marked"); // the run command made it before
        QTest::addColumn<bool>("kept");   // the file in it survives
        // Who holds the root: a shared lock on its folder as a program
        // takes; the program itself once up, without the control channel
        // (a folder in the FIFO's way); or as soon as it wrote anything.
        QTest::addColumn<QString>("used");
        QTest::newRow("given") << true << false << true << "";
        QTest::newRow("given, even with the marker") << true << true << true << "";
        QTest::newRow("default made before") << false << true << false << "";
        QTest::newRow("default made by someone else") << false << false << true << "";
        QTest::newRow("default made before, a program's lock on it") << false << true << true << "lock";
        QTest::newRow("default made before, a program without the control channel")
            << false << true << true << "program";
        QTest::newRow("default made before, a program starting") << false << true << true << "starting";
    }

    void rootsTheRunCommandDidNotMakeAreKept()
    {
        QFETCH(bool, given);
        QFETCH(bool, marked);
        QFETCH(bool, kept);
        QFETCH(QString, used);
        QTemporaryDir tmp;
        const QString root = tmp.path() + "/root";
        QVERIFY(QDir().mkpath(root + "/dvr"));
        QFile f(root + "/dvr/mine.conf");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        f.close();
        if (marked) {
            QFile m(root + "/.made-by-run-script");
            QVERIFY(m.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir().mkpath(root + "/tmp/dal.ctl"));
        const int lock = ::open(QFile::encodeName(root).constData(), O_RDONLY);
        QVERIFY(lock >= 0 && (used != "lock" || ::flock(lock, LOCK_SH) == 0));
        // Every path in the root, so that the first thing a program writes shows.
        const auto all = [&root] {
            QStringList out;
            for (QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                 QDirIterator::Subdirectories);
                 it.hasNext();)
                out << it.next();
            return out;
        };
        const QStringList before = all();
        qputenv("DVR_ROOT", QFile::encodeName(root)); // the program's; the script's own is set below
        QProcess program;
        QProcessEnvironment programEnv = QProcessEnvironment::systemEnvironment();
        programEnv.insert("QT_QPA_PLATFORM", "offscreen"); // also where no display is
        program.setProcessEnvironment(programEnv);
        program.setProcessChannelMode(QProcess::MergedChannels);
        if (used == "program" || used == "starting")
            program.start(DVRUI_PATH, QStringList());
        QByteArray said;
        while (used == "program" && !said.contains("no control channel") && program.waitForReadyRead(30000))
            said += program.readAll();
        QVERIFY2(used != "program" || said.contains("no control channel"), said.constData());
        while (used == "starting" && all() == before)
            QVERIFY2(program.state() != QProcess::NotRunning && !program.waitForFinished(5), program.readAll());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DVR_ROOT");
        if (given)
            env.insert("DVR_ROOT", "root"); // relative to the caller's folder
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(tmp.path());
        p.start("bash", {DVR_SCRIPTS_DIR "/mkroot.sh", given ? "elsewhere" : "root"});
        QVERIFY(p.waitForFinished(30000));
        ::close(lock);
        program.terminate();
        QVERIFY(program.state() == QProcess::NotRunning || program.waitForFinished(30000));
        QCOMPARE(f.exists(), kept);
        if (!used.isEmpty()) { // one line says why, nothing is made
            QCOMPARE(p.exitCode(), 1);
            QCOMPARE(p.readAllStandardError().count('\n'), 1);
            QVERIFY(p.readAllStandardOutput().isEmpty() && !QFileInfo::exists(root + "/data"));
            return;
        }
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput().trimmed(), root.toLocal8Bit());
        // The marker stays with a root the run command made: the next run
        // makes it afresh again.
        QCOMPARE(QFileInfo::exists(root + "/.made-by-run-script"), marked);
        for (const char* sub : {"dvr", "tmp", "data", "backup", "var/volatile", "dev", "etc", "app"})
            QVERIFY(QFileInfo(root + "/" + sub).isDir());
        QVERIFY(!QFileInfo::exists(tmp.path() + "/elsewhere"));
    }

    // Each line of the root script names the root escaped, on one line,
    // whatever its path holds.
    void rootNamedEscaped_data()
    {
        QTest::addColumn<QString>("said");
        QTest::newRow("cannot be made") << "cannot be made";
        QTest::newRow("used by a program") << "is used by a running program";
        QTest::newRow("not made by the run command") << "was not made by the run command";
        QTest::newRow("being made afresh") << "is being made afresh: waiting";
    }
    void rootNamedEscaped()
    {
        QFETCH(QString, said);
        QTemporaryDir tmp;
        const QString root = tmp.path() + "/r\x1b[31m\nline";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DVR_ROOT");
        if (said == "cannot be made") { // the move fails, and no folder is there
            QVERIFY(writeScript(tmp.path() + "/bin/mv", "exit 1\n"));
            env.insert("PATH", tmp.path() + "/bin:" + env.value("PATH"));
        }
        QVERIFY(said == "cannot be made" || QDir().mkpath(root));
        QFile marker(root + "/.made-by-run-script");
        QVERIFY(!said.startsWith("is used") || marker.open(QIODevice::WriteOnly));
        // Held as a program holds it, or alone as a run command making it.
        const int lock = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(said.startsWith("cannot") || ::flock(lock, said.endsWith("waiting") ? LOCK_EX : LOCK_SH) == 0);
        if (said.endsWith("waiting"))
            env.insert("DVR_ROOT", root);
        QProcess p;
        p.setProcessEnvironment(env);
        p.setReadChannel(QProcess::StandardError);
        p.start("bash", {DVR_SCRIPTS_DIR "/mkroot.sh", root});
        QByteArray err;
        while (!err.contains('\n') && p.waitForReadyRead(30000))
            err += p.readAllStandardError();
        ::close(lock);
        QVERIFY(p.state() == QProcess::NotRunning || p.waitForFinished(30000));
        err += p.readAllStandardError();
        QVERIFY2(err.count('\n') == 1 && err.contains(said.toLatin1()) && !err.contains('\x1b'), err.constData());
    }
};

QTEST_GUILESS_MAIN(MkRootTest)
#include "mkroottest.moc"
