#include <QDir>
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
        QTest::addColumn<bool>("used");   // a running program holds the lock on its tmp folder
        QTest::newRow("given") << true << false << true << false;
        QTest::newRow("given, even with the marker") << true << true << true << false;
        QTest::newRow("default made before") << false << true << false << false;
        QTest::newRow("default made by someone else") << false << false << true << false;
        QTest::newRow("default made before, a program on it") << false << true << true << true;
    }

    void rootsTheRunCommandDidNotMakeAreKept()
    {
        QFETCH(bool, given);
        QFETCH(bool, marked);
        QFETCH(bool, kept);
        QFETCH(bool, used);
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
        QVERIFY(QDir().mkpath(root + "/tmp"));
        const int lock = ::open(QFile::encodeName(root + "/tmp").constData(), O_RDONLY);
        QVERIFY(lock >= 0 && (!used || ::flock(lock, LOCK_EX) == 0));
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
        QCOMPARE(f.exists(), kept);
        if (used) { // one line says why, nothing is made
            QCOMPARE(p.exitCode(), 1);
            QCOMPARE(p.readAllStandardError().count('\n'), 1);
            QVERIFY(p.readAllStandardOutput().isEmpty() && !QFileInfo::exists(root + "/data"));
            return;
        }
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput().trimmed(), root.toLocal8Bit());
        for (const char* sub : {"dvr", "tmp", "data", "backup", "var/volatile", "dev", "etc", "app"})
            QVERIFY(QFileInfo(root + "/" + sub).isDir());
        QVERIFY(!QFileInfo::exists(tmp.path() + "/elsewhere"));
    }
};

QTEST_GUILESS_MAIN(MkRootTest)
#include "mkroottest.moc"
