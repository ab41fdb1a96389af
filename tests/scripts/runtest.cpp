#include "tscriptfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

// A checkout of the run command beside the real one: its own run and root
// scripts, the dependency step a no-op, a build that counts itself and
// lasts until the row lets it end, and a program that only stays.
struct Checkout
{
    // name: put in the checkout's folder name, so in its root's path.
    explicit Checkout(const QString& name = QString()) : dir(QDir::tempPath() + "/run" + name + "-XXXXXX") {}
    QTemporaryDir dir;

    bool make() const
    {
        const QString scripts = dir.filePath(QStringLiteral("scripts"));
        return QDir().mkpath(scripts) && QDir().mkpath(dir.filePath(QStringLiteral("build/app")))
               && QFile::copy(QStringLiteral(DVR_SCRIPTS_DIR "/run.sh"), scripts + "/run.sh")
               && QFile::copy(QStringLiteral(DVR_SCRIPTS_DIR "/mkroot.sh"), scripts + "/mkroot.sh")
               && writeScript(scripts + "/deps.sh", "")
               && writeScript(scripts + "/build.sh", "here=$(dirname \"$0\")/..\necho $$ >> \"$here/builds\"\n"
                                                     "while [ ! -e \"$here/built\" ]; do sleep 0.02; done\n")
               && writeScript(dir.filePath(QStringLiteral("build/app/dvrui")),
                              "touch \"$(dirname \"$0\")/../../program\"\nexec sleep 60\n");
    }
    QString root() const { return dir.filePath(QStringLiteral("build/run-root")); }
    void start(QProcess& p, const QString& script = QStringLiteral("run.sh")) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DVR_ROOT"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral("bash"), {dir.filePath("scripts/" + script), root()});
    }
    int builds() const
    {
        QFile f(dir.filePath(QStringLiteral("builds")));
        return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : 0;
    }
    bool programRuns() const { return QFile::exists(dir.filePath(QStringLiteral("program"))); }
    bool letBuildEnd() const
    {
        QFile f(dir.filePath(QStringLiteral("built")));
        return f.open(QIODevice::WriteOnly);
    }
};

// Waits until the row says it is time, letting events run (a process's
// end among them); false when ms passed first.
bool until(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

bool ended(const QProcess& p) { return p.state() == QProcess::NotRunning; }

} // namespace

// The run command's environment for the program: its own debug lines are
// off unless the user's logging rules ask for them.
class RunTest : public QObject
{
    Q_OBJECT
private slots:
    void loggingRules_data()
    {
        QTest::addColumn<QString>("given"); // empty: not set
        QTest::addColumn<QString>("rules");
        QTest::newRow("not set: the program's debug lines off") << "" << "dvr.*.debug=false";
        QTest::newRow("the user's rules kept") << "dvr.*.debug=true" << "dvr.*.debug=true";
        QTest::newRow("some categories on") << "dvr.api.debug=true" << "dvr.api.debug=true";
    }

    void loggingRules()
    {
        QFETCH(QString, given);
        QFETCH(QString, rules);
        QFile script(QStringLiteral(DVR_SCRIPTS_DIR "/run.sh"));
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = script.readAll().split('\n');
        int rulesAt = -1;
        int execAt = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith("export QT_LOGGING_RULES="))
                rulesAt = i;
            else if (lines.at(i).startsWith("exec "))
                execAt = i;
        }
        // The rules are in the environment the program is started with.
        QVERIFY(rulesAt >= 0 && execAt > rulesAt);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        if (!given.isEmpty())
            env.insert(QStringLiteral("QT_LOGGING_RULES"), given);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromUtf8(lines.at(rulesAt))
                                                                 + QStringLiteral("; printf %s \"$QT_LOGGING_RULES\"")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), rules);
    }

    // Two run commands started a few milliseconds apart: one makes the root
    // and builds, the other says so in one line and ends with 1 before it
    // builds. Over a sweep of the time between them.
    void runCommandsAtOnce()
    {
        Checkout c;
        QVERIFY(c.make());
        for (int ms = 0; ms < 20; ++ms) {
            QFile::remove(c.dir.filePath(QStringLiteral("built")));
            QFile::remove(c.dir.filePath(QStringLiteral("builds")));
            QFile::remove(c.dir.filePath(QStringLiteral("program")));
            QProcess first, second;
            c.start(first);
            QThread::msleep(ulong(ms));
            c.start(second);
            QVERIFY(until([&] { return ended(first) || ended(second) || c.builds() > 1; }, 10000));
            QVERIFY2(c.builds() <= 1, qPrintable(QStringLiteral("%1 ms apart: both build").arg(ms)));
            QProcess& loser = ended(first) ? first : second;
            QProcess& winner = &loser == &first ? second : first;
            const QByteArray said = loser.readAllStandardError();
            QVERIFY2(loser.exitCode() == 1 && said.count('\n') == 1 && said.contains("is used by a running program"),
                     qPrintable(QString::number(ms) + ": " + said));
            QCOMPARE(QDir(c.dir.filePath("build")).entryList({"run-root.*"}, QDir::AllEntries), QStringList());
            QVERIFY(until([&] { return ended(winner) || c.builds() > 0; }, 10000) && c.letBuildEnd());
            QVERIFY(until([&] { return ended(winner) || c.programRuns(); }, 10000) && c.programRuns());
            QCOMPARE(c.builds(), 1);
            winner.kill();
            QVERIFY(winner.waitForFinished(10000));
        }
    }

    // While the run command builds, the root it made afresh is held alone:
    // a second run command, or the root script, refuses it in one line and
    // ends with 1, the root as it was; a program started on it waits and
    // then runs in the whole root (its factory-test marker written, so not
    // the board test).
    void duringTheBuild_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("name"); // in the root's path
        QTest::newRow("a second run command") << "run.sh" << "";
        QTest::newRow("the root script") << "mkroot.sh" << "";
        QTest::newRow("the root script, an ESC and a newline in the path") << "mkroot.sh" << "\x1b[31m\nline";
        QTest::newRow("a program started by hand") << "dvrui" << "";
    }
    void duringTheBuild()
    {
        QFETCH(QString, who);
        QFETCH(QString, name);
        Checkout c(name);
        QVERIFY(c.make());
        QProcess run;
        c.start(run);
        QVERIFY(until([&] { return ended(run) || c.builds() > 0; }, 10000) && c.builds() == 1);
        QFile mine(c.root() + "/dvr/mine.conf");
        QVERIFY(mine.open(QIODevice::WriteOnly) && mine.write("x") == 1);
        mine.close();
        QProcess other;
        QByteArray said;
        if (who == "dvrui") {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("DVR_ROOT"), c.root());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("dvr.*.debug=false\ndvr.app.debug=true"));
            other.setProcessEnvironment(env);
            other.start(QStringLiteral(DVRUI_PATH), QStringList());
            QVERIFY(until([&] { return ended(other) || (said += other.readAllStandardError()).contains("waiting"); },
                          10000));
            QVERIFY2(said.contains("is being made afresh: waiting"), said.constData());
            QVERIFY(c.letBuildEnd());
            QVERIFY(until([&] { return ended(other) || (said += other.readAllStandardError()).contains("sl_init end"); },
                          30000));
            other.terminate();
            QVERIFY(other.waitForFinished(30000));
            QVERIFY2(said.contains("TMain::sl_init end") && !said.contains("no factory-test marker"), said.constData());
        } else {
            c.start(other, who);
            QVERIFY(other.waitForFinished(10000));
            said = other.readAllStandardError();
            QVERIFY2(other.exitCode() == 1 && said.count('\n') == 1 && !said.contains('\x1b'), said.constData());
            QVERIFY(mine.exists());
            QCOMPARE(c.builds(), 1);
            QVERIFY(c.letBuildEnd());
        }
        QVERIFY(until([&] { return ended(run) || c.programRuns(); }, 10000) && c.programRuns());
        run.kill();
        QVERIFY(run.waitForFinished(10000));
        // The run command names the root in one line, no control byte raw.
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(!out.contains('\x1b')
                     && out.split('\n').filter(QRegularExpression("^Runtime root: .*/build/run-root'?$")).size() == 1,
                 qPrintable(out));
    }

    // The scripts' builds run as many jobs as CMAKE_BUILD_PARALLEL_LEVEL
    // says, one per core without it. A cmake that only tells what it was
    // given stands first on PATH: the build script runs whole, the fuzz
    // script (which installs packages and builds in the source tree) by
    // its build line.
    void buildJobs_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("level"); // empty: not set
        for (const char* script : {"build.sh", "fuzz.sh"}) {
            QTest::newRow(qPrintable(QString("%1, not set").arg(script))) << script << "";
            QTest::newRow(qPrintable(QString("%1, at 3").arg(script))) << script << "3";
        }
    }

    void buildJobs()
    {
        QFETCH(QString, script);
        QFETCH(QString, level);
        const QString path = QStringLiteral(DVR_SCRIPTS_DIR "/") + script;
        QTemporaryDir bin;
        QString run = "\"" + path + "\" \"" + bin.filePath(QStringLiteral("build")) + "\"";
        if (script == "fuzz.sh") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            run.clear();
            for (const QByteArray& line : file.readAll().split('\n'))
                if (line.startsWith("cmake --build \"$dir\"") && !line.contains("help"))
                    run = "dir=d targets=t; " + QString::fromUtf8(line);
            QVERIFY(!run.isEmpty());
        }
        QFile stub(bin.filePath(QStringLiteral("cmake")));
        QVERIFY(stub.open(QIODevice::WriteOnly) && stub.write("#!/bin/sh\necho \"$@\"\n") > 0);
        stub.close();
        QVERIFY(stub.setPermissions(stub.permissions() | QFileDevice::ExeOwner));
        QProcess nproc;
        nproc.start(QStringLiteral("nproc"), QStringList());
        QVERIFY(nproc.waitForFinished(10000));
        const QString cores = QString::fromLatin1(nproc.readAllStandardOutput()).trimmed();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), bin.path() + ':' + env.value(QStringLiteral("PATH")));
        env.remove(QStringLiteral("CMAKE_BUILD_PARALLEL_LEVEL"));
        if (!level.isEmpty())
            env.insert(QStringLiteral("CMAKE_BUILD_PARALLEL_LEVEL"), level);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), run});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        const QString given = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        // The job options are words of their own; the line's folder is a
        // temporary name that may hold any letters ("run-jwmKNa").
        QVERIFY2(given.endsWith(" --parallel " + (level.isEmpty() ? cores : level))
                     && given.split(' ').filter(QRegularExpression("^(-j|--jobs)")).isEmpty(),
                 qPrintable(given));
    }
};

QTEST_GUILESS_MAIN(RunTest)
#include "runtest.moc"
