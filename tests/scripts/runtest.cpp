#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

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
