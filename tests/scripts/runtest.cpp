#include <QFile>
#include <QProcess>
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
};

QTEST_GUILESS_MAIN(RunTest)
#include "runtest.moc"
