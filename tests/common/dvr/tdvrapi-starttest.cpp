#include "tcategorylines.h"
#include "tdvrfixture.h"
#include "../../dal/tstderrcapture.h"
#include "tlog.h"
#include "tpath.h"
#include "tquickopt.h"

#include <QProcess>
#include <QSettings>
#include <cstring>

namespace {

int journalAt(const char* text)
{
    return dalTestJournalFind(text);
}

// Journal positions of the texts, in the order given; -1 where absent.
QList<int> positions(const QByteArrayList& texts)
{
    QList<int> out;
    for (const QByteArray& t : texts)
        out << journalAt(t.constData());
    return out;
}

bool ascending(const QList<int>& pos)
{
    for (int i = 0; i < pos.size(); ++i)
        if (pos[i] < 0 || (i > 0 && pos[i] <= pos[i - 1]))
            return false;
    return true;
}

// The records of the system log in RAM, oldest first.
QList<LogRecord> logRecords()
{
    TLog log("/tmp/SYSTEM.log");
    QList<LogRecord> out;
    for (int i = 0; i < log.count(); ++i) {
        LogRecord r;
        if (log.log_read(log.startIndex() + i, &r))
            out << r;
    }
    return out;
}

} // namespace

class TDvrApiStartTest : public QObject
{
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("dsp");
        QTest::addColumn<QByteArray>("fpga");
        QTest::addColumn<int>("wdt");
        QTest::newRow("none") << QStringList{"dvrui"} << QByteArray() << QByteArray() << 1;
        QTest::newRow("dsp and fpga take the next argument")
            << QStringList{"dvrui", "--dsp", "a.bin", "--fpga", "/dvr/f.bin"} << QByteArray("a.bin")
            << QByteArray("/dvr/f.bin") << 1;
        QTest::newRow("an option that begins with one")
            << QStringList{"dvrui", "--dspx", "b", "-disablewdtnow"} << QByteArray("b") << QByteArray() << 0;
        QTest::newRow("last argument takes nothing") << QStringList{"dvrui", "--dsp"} << QByteArray()
                                                     << QByteArray() << 1;
        QTest::newRow("cut to 31 characters")
            << QStringList{"dvrui", "--fpga", QString(40, QLatin1Char('f'))} << QByteArray()
            << QByteArray(31, 'f') << 1;
    }

    void options()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, dsp);
        QFETCH(QByteArray, fpga);
        QFETCH(int, wdt);
        TDvrFixture fx;
        g_api.takeOptions(args);
        QCOMPARE(QByteArray(g_api.m_dsp), dsp);
        QCOMPARE(QByteArray(g_api.m_fpga), fpga);
        QCOMPARE(g_api.m_wdtOn, wdt);
    }

    // The device comes up in its fixed order: watchdog armed with 30 s
    // before anything else, the callbacks in the order Io, Encr, Dec, Net,
    // Backup, Nese, Vin, Pos, then the start of the layer; the watchdog is
    // kicked between the steps after it, and the layer runs.
    void bringUpOrder()
    {
        TDvrFixture fx;
        QCOMPARE(g_api.coreInit(), 0);
        QCOMPARE(g_api.m_numLayout, g_api.m_voutCapsRec.numLayout);
        QSignalSpy notes(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(g_api.dvrinit(), 0);

        QVERIFY(ascending(positions({"DalInit()", "DalIoSetWdt(1,-1)", "DalIoSetWdt(1,30)", "DalIoSetCb(",
                                     "DalEncrSetCb(", "DalDecSetCb(", "DalNetSetCb(", "DalBackupSetCb(",
                                     "DalNeseSetCb(", "DalVinSetCb(", "DalPosSetCb(", "DalStart()",
                                     "DalEncrMountSd()", "DalEncrStart()"})));
        DalTestState st;
        dalTestGetState(&st);
        QVERIFY(st.running);
        DalTestIoOut io;
        dalTestGetIoOut(&io);
        QVERIFY(io.wdtArmed);
        QCOMPARE(io.wdtSeconds, 30);
        QVERIFY(io.wdtKicks >= 3);
        QVERIFY(!notes.isEmpty());
        QCOMPARE(notes.first().at(0).toInt(), int(SIG_STATE_START));
        QCOMPARE(g_api.m_thumbNum, 12);
        QVERIFY(g_api.m_numvid > 0);

        // "-disablewdt": the watchdog is never armed, kicked or disarmed.
        g_api.unregisterCallbacks();
        dalTestReset();
        g_api.init();
        g_api.takeOptions({"dvrui", "-disablewdt"});
        g_api.coreInit();
        g_api.dvrinit();
        g_api.dvrfinish();
        QCOMPARE(journalAt("DalIoSetWdt"), -1);
        QCOMPARE(journalAt("DalIoClearWdt"), -1);
    }

    // The remote-setup package is unpacked into /tmp at the start when the
    // unit has one; without it the start runs no tar (nothing reaches the
    // standard error) and says so once through the facade's category.
    void remoteSetupPackage_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("package there") << true;
        QTest::newRow("no package") << false;
    }
    void remoteSetupPackage()
    {
        QFETCH(bool, present);
        TDvrFixture fx;
        if (present) {
            // A package as the firmware carries it, made with the system's tar.
            QVERIFY(fx.root.write(QStringLiteral("/backup/pkg/rs.dll"), "client"));
            QProcess tar;
            tar.start(QStringLiteral("tar"), {QStringLiteral("-czf"), fx.root.file(QStringLiteral("/dvr/rs.dll.tgz")),
                                              QStringLiteral("-C"), fx.root.file(QStringLiteral("/backup/pkg")),
                                              QStringLiteral("rs.dll")});
            QVERIFY(tar.waitForFinished() && tar.exitCode() == 0);
        }
        QCOMPARE(g_api.coreInit(), 0);
        TCategoryLines caught("dvr.api", QStringLiteral("rs.dll"));
        TStderrCapture err;
        g_api.dvrinit();
        err.restore();
        caught.restore();
        const QStringList lines = caught.lines();
        QCOMPARE(fx.root.read(QStringLiteral("/tmp/rs.dll")), present ? QByteArray("client") : QByteArray());
        QCOMPARE(lines.size(), present ? 0 : 1);
        QVERIFY2(!err.text().contains("tar"), err.text().constData());
    }

    void restartRecords_data()
    {
        QTest::addColumn<int>("alive");
        QTest::addColumn<bool>("logLost"); // this run's log cannot reach flash
        QTest::newRow("clean stop") << 0 << false;
        QTest::newRow("after a crash") << 1700000000 << false;
        QTest::newRow("log not copied at the stop") << 0 << true;
    }

    // A stored alive time means the last run did not stop cleanly: the
    // abnormal-reset record comes first, stamped with that time; the start
    // record always follows. A clean stop clears the alive time again.
    void restartRecords()
    {
        QFETCH(int, alive);
        QFETCH(bool, logLost);
        TDvrFixture fx;
        g_api.m_quickOpt->setTimeAlive(alive);
        g_api.m_quickOpt->save();
        g_api.coreInit();
        g_api.dvrinit();

        // The disks' mount events may follow; the start's own records lead.
        const QList<LogRecord> recs = logRecords();
        QVERIFY(recs.size() >= (alive ? 2 : 1));
        const LogRecord& first = recs.first();
        QCOMPARE(first.code, quint16(alive ? LOG_ABNORMAL_RESET : LOG_SYSTEM_START));
        if (alive) {
            QCOMPARE(recs.at(1).code, quint16(LOG_SYSTEM_START));
            const QDateTime when = QDateTime::fromSecsSinceEpoch(alive);
            QCOMPARE(QDateTime(QDate(first.year, first.month, first.day),
                               QTime(first.hour, first.minute, first.second)),
                     when);
        }
        for (int i = alive ? 1 : 0; i < recs.size(); ++i)
            QVERIFY(recs.at(i).code != LOG_ABNORMAL_RESET);

        g_api.dvrfinish();
        QVERIFY(ascending(positions({"DalDecStop()", "DalEncrStop()", "DalStop()", "DalExit()"})));
        DalTestState st;
        dalTestGetState(&st);
        QVERIFY(!st.initialised);
        TQuickOpt stored(QStringLiteral("/dvr/quickOpt.conf"));
        stored.load();
        QCOMPARE(stored.timeAlive(), 0);

        // The next run: its stop cannot copy the log to flash (a folder
        // where the copy goes). The start after it tells the operator.
        g_api.unregisterCallbacks();
        dalTestReset();
        g_api.init();
        g_api.coreInit();
        g_api.dvrinit();
        if (logLost)
            QVERIFY(QDir().mkpath(fx.root.file("/dvr/SYSTEM.log.tmp")));
        g_api.dvrfinish();
        QVERIFY(QDir().rmpath(fx.root.file("/dvr/SYSTEM.log.tmp")) || !logLost);
        g_api.unregisterCallbacks();
        dalTestReset();
        g_api.init();
        g_api.coreInit();
        g_api.dvrinit();
        int resets = 0;
        for (const LogRecord& r : logRecords())
            resets += r.code == LOG_ABNORMAL_RESET;
        QCOMPARE(resets, (alive ? 1 : 0) + (logLost ? 1 : 0));
        g_api.dvrfinish();
    }

    // With a firmware upgrade due the watchdog stays armed across the stop.
    void finishKeepsWatchdogForUpgrade_data()
    {
        QTest::addColumn<int>("upgrade");
        QTest::newRow("normal stop") << 0;
        QTest::newRow("upgrade due") << 1;
    }

    void finishKeepsWatchdogForUpgrade()
    {
        QFETCH(int, upgrade);
        TDvrFixture fx;
        g_api.coreInit();
        g_api.dvrinit();
        g_api.m_fUpgrade = upgrade;
        dalTestJournalClear();
        g_api.dvrfinish();
        QCOMPARE(journalAt("DalIoSetWdt(0,") >= 0, upgrade == 0);
    }

    // The device's PTZ-driver and time-zone lists replace differing stored
    // ones; equal lists leave their groups in the file as they are.
    void deviceListsSaved_data()
    {
        QTest::addColumn<bool>("stale");
        QTest::newRow("equal lists") << false;
        QTest::newRow("stale lists") << true;
    }

    void deviceListsSaved()
    {
        QFETCH(bool, stale);
        TDvrFixture fx;
        g_api.coreInit();
        g_api.dvrinit(); // the stored lists now follow the device
        g_api.unregisterCallbacks();
        DalExit();

        auto* drv = fx.live<PropPtzdrv>(IDX_PROP_PTZDRV);
        auto* tz = fx.live<PropTimezone>(IDX_PROP_TIMEZONE);
        const int drivers = drv->cnt;
        const QByteArray zone0(tz->zone[0].local);
        QVERIFY(drivers > 0 && tz->cnt > 0 && !zone0.isEmpty());
        if (stale) {
            drv->cnt = 1;
            qstrncpy(tz->zone[0].local, "Nowhere", sizeof tz->zone[0].local);
        }
        // A marker key in each group shows whether the group was rewritten.
        const QString file = TPath::map(fx.cfg->tmpPath());
        {
            QSettings ini(file, QSettings::IniFormat);
            ini.setValue(QStringLiteral("PTZDRV/marker"), 1);
            ini.setValue(QStringLiteral("TIMEZONE/marker"), 1);
        }
        g_api.coreInit();
        g_api.dvrinit();
        QCOMPARE(drv->cnt, drivers);
        QCOMPARE(QByteArray(tz->zone[0].local), zone0);
        QSettings ini(file, QSettings::IniFormat);
        QCOMPARE(ini.contains(QStringLiteral("PTZDRV/marker")), !stale);
        QCOMPARE(ini.contains(QStringLiteral("TIMEZONE/marker")), !stale);
    }

    // The unit's MAC address reaches the network state and the DDNS section.
    void macAddress()
    {
        TDvrFixture fx;
        g_api.coreInit();
        char mac[32] = "00:1a:2b:3c:4d:fe";
        QCOMPARE(DalCmd("set-ethaddr", mac, int(sizeof mac)), 0);
        g_api.dvrinit();
        QCOMPARE(QByteArray(g_api.m_netInfo.mac), QByteArray("00:1a:2b:3c:4d:fe"));
        QCOMPARE(QByteArray(fx.live<PropNetddns>(IDX_PROP_NETDDNS)->mac), QByteArray("00:1a:2b:3c:4d:fe"));
    }
};

QTEST_MAIN(TDvrApiStartTest)
#include "tdvrapi-starttest.moc"
