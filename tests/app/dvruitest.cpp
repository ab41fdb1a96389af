// The whole program as a child process against the device-layer stand-in,
// in a fresh runtime root: start-up, a stop request, the clean shutdown and
// the log records it leaves in flash.
#include "logrecord.h"
#include "tlog.h"
#include "ttestroot.h"

#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace {

// Starts the program in the root with the start-up's debug lines on.
void start(QProcess& p, const TTestRoot& root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DVR_ROOT"), root.path());
    env.insert(QStringLiteral("DAL_PROFILE"), QStringLiteral("16"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("dvr.*.debug=false\ndvr.app.debug=true"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral(DVRUI_PATH), QStringList());
}

bool waitForLine(QProcess& p, QByteArray* seen, const QByteArray& line, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!seen->contains(line) && t.elapsed() < ms && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        *seen += p.readAllStandardError();
    }
    *seen += p.readAllStandardError();
    return seen->contains(line);
}

QVector<int> logCodes(const TTestRoot& root, const char* unitPath)
{
    QVector<int> codes;
    if (!QFile::exists(root.file(QString::fromLatin1(unitPath))))
        return codes;
    TLog log(unitPath);
    for (int i = 0; i < log.count(); ++i) {
        LogRecord r;
        if (log.log_read(i, &r))
            codes << r.code;
    }
    return codes;
}

} // namespace

class DvruiTest : public QObject
{
    Q_OBJECT
private slots:
    // SIGTERM (what Ctrl-C's SIGINT does too) ends the program through its
    // shutdown: the shutdown entry is the last record of the log in flash,
    // and the process ends with the event loop's 0.
    void startAndStop_data()
    {
        QTest::addColumn<int>("sig");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void startAndStop()
    {
        QFETCH(int, sig);
        TTestRoot root;
        QVERIFY(root.write(QStringLiteral("/dvr/board_ok.txt"), QByteArray("ok", 3)));
        QProcess p;
        start(p, root);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, "TMain::sl_init end", 30000), err.constData());
        QCOMPARE(::kill(pid_t(p.processId()), sig), 0);
        QVERIFY(p.waitForFinished(30000));
        err += p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, err.constData());

        // The log reached flash with the shutdown as its last entry.
        const QVector<int> codes = logCodes(root, "/dvr/SYSTEM.log");
        QVERIFY2(!codes.isEmpty(), err.constData());
        QCOMPARE(codes.last(), int(LOG_SYSTEM_SHUTDOWN));
        QCOMPARE(codes.count(int(LOG_SYSTEM_SHUTDOWN)), 1);
        // The device was brought up (its start record) and stopped cleanly:
        // no alive time is left for the next start to take as a crash.
        QCOMPARE(codes.count(int(LOG_SYSTEM_START)), 1);
        QVERIFY(codes.indexOf(int(LOG_SYSTEM_START)) < codes.indexOf(int(LOG_SYSTEM_SHUTDOWN)));
        QVERIFY(!codes.contains(int(LOG_ABNORMAL_RESET)));
        QSettings quick(root.file(QStringLiteral("/dvr/quickOpt.conf")), QSettings::IniFormat);
        QCOMPARE(quick.value(QStringLiteral("QUICKOPTION/timeAlive"), -1).toInt(), 0);
    }

    // Without the factory-test marker no main window is made: the black
    // background, a word that the board test does not run here, and 0.
    void factoryBranch()
    {
        TTestRoot root;
        QProcess p;
        start(p, root);
        QVERIFY(p.waitForStarted(10000));
        QVERIFY(p.waitForFinished(30000));
        const QByteArray err = p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY2(err.contains("no factory-test marker"), err.constData());
        QVERIFY(!err.contains("TMain::TMain"));
        QVERIFY(logCodes(root, "/dvr/SYSTEM.log").isEmpty());
    }
};

QTEST_GUILESS_MAIN(DvruiTest)
#include "dvruitest.moc"
