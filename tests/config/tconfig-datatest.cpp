// The option lists: display texts, values by position and positions by value,
// at both ends of every list, for lists that follow the device counts, the
// capabilities and the OEM variant, and the fatal answer to ids that name no
// list (checked in a child process, since it ends the program).
#include "fakedvr.h"
#include "tconfigunit.h"
#include "tselfchild.h"

#include <QProcess>
#include <QtTest>
#include <cstdlib>
#include <sys/resource.h>

using namespace TestUnit;

namespace {

// UI texts as "<id>", so every item shows where it came from.
QString fakeText(int id)
{
    return QStringLiteral("<%1>").arg(id);
}

const char kFatalEnv[] = "DVR_TCONFIG_FATAL";

} // namespace

class TConfigDataTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TConfig::setTextHook(&fakeText);
        // Started by fatalIds as a child process: make the call that must end it.
        const QString call = qEnvironmentVariable(kFatalEnv);
        if (!call.isEmpty())
            runFatalCall(call);
    }
    void cleanupTestCase() { TConfig::setTextHook(nullptr); }

    void fixedLists_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");

        QTest::newRow("0 date format") << 0 << 3 << "<37>" << "<39>";
        QTest::newRow("2 output") << 2 << 2 << "Composite" << "VGA";
        QTest::newRow("7 dwell") << 7 << 60 << "1 <50>" << "60 <50>";
        QTest::newRow("16 post") << 16 << 56 << "5 <50>" << "60 <50>";
        QTest::newRow("26 preset") << 26 << 33 << "<46>" << "<209>32";
        QTest::newRow("27 ptz addr") << 27 << 256 << "0" << "255";
        QTest::newRow("31 control id") << 31 << 101 << "<56>" << "99";
        QTest::newRow("36 ddns period") << 36 << 9 << "5 <52>" << "1 <43>";
        QTest::newRow("43 temperature") << 43 << 13 << QString::fromUtf8("10°C (50°F)")
                                        << QString::fromUtf8("70°C (158°F)");
        QTest::newRow("52 ptz dwell, no blank") << 52 << 5 << "2<50>" << "6<50>";
        QTest::newRow("61 overlay time") << 61 << 12 << "10 <50>" << "120 <50>";
    }
    void fixedLists()
    {
        QFETCH(int, idx);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        Unit u;
        u.start();
        const QStringList list = TConfig::getdata(idx, 0);
        QCOMPARE(list.size(), count);
        QCOMPARE(list.first(), first);
        QCOMPARE(list.last(), last);
        // A new list at every call, equal for equal state.
        QCOMPARE(TConfig::getdata(idx, 7), list);
    }
    void valueByPosition_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("pos");
        QTest::addColumn<qlonglong>("value");

        QTest::newRow("2 last") << 2 << 1 << 1LL;
        QTest::newRow("2 beyond") << 2 << 2 << 0LL;
        QTest::newRow("15 low") << 15 << 3 << 0LL;
        QTest::newRow("15 beyond") << 15 << 9 << 0LL;
        QTest::newRow("18 no recording") << 18 << 4 << -1LL;
        QTest::newRow("18 beyond") << 18 << 5 << 0LL;
        QTest::newRow("18 negative") << 18 << -1 << 0LL;
        QTest::newRow("22 off") << 22 << 0 << -1LL;
        QTest::newRow("23 beyond") << 23 << 6 << 0LL;
        QTest::newRow("24 off") << 24 << 0 << -1LL;
        QTest::newRow("24 negative") << 24 << -3 << -1LL;
        QTest::newRow("24 huge, no overflow") << 24 << 2147483647 << 128849018820LL;
        QTest::newRow("25 beyond") << 25 << 11 << 5LL;
        QTest::newRow("25 negative") << 25 << -1 << 5LL;
        QTest::newRow("30 beyond") << 30 << 3 << 2LL;
        QTest::newRow("31 all") << 31 << 0 << -1LL;
        QTest::newRow("31 id 99") << 31 << 100 << 99LL;
        QTest::newRow("36 beyond") << 36 << 9 << 300LL;
        QTest::newRow("38 beyond") << 38 << 4 << 10LL;
        QTest::newRow("39 beyond") << 39 << 13 << 0LL;
        QTest::newRow("41 negative") << 41 << -100 << 2LL;
        QTest::newRow("43 beyond") << 43 << 13 << 10LL;
        QTest::newRow("47 beyond") << 47 << 5 << 600LL;
        QTest::newRow("52 beyond") << 52 << 1000000 << 2LL;
    }
    void valueByPosition()
    {
        QFETCH(int, idx);
        QFETCH(int, pos);
        QFETCH(qlonglong, value);
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(qlonglong(cfg.getvaluefromindex(idx, pos)), value);
    }
    void positionByValue_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<qlonglong>("value");
        QTest::addColumn<int>("pos");

        QTest::newRow("23 an hour is not listed") << 23 << 3600LL << 0;
        QTest::newRow("23 minus one") << 23 << -1LL << 0;
        QTest::newRow("29 a position") << 29 << 2LL << 0;
        QTest::newRow("29 beyond 32 bits") << 29 << (4294967296LL + 9600) << 0;
        QTest::newRow("39 three months") << 39 << 7776000LL << 12;
        QTest::newRow("43 72") << 43 << 72LL << 0;
        QTest::newRow("52 7") << 52 << 7LL << 0;
    }
    void positionByValue()
    {
        QFETCH(int, idx);
        QFETCH(qlonglong, value);
        QFETCH(int, pos);
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(cfg.getindexfromvalue(idx, intptr_t(value)), pos);
    }
    void everyListBuilds()
    {
        // Every list with a value table maps each of its positions to a value
        // whose reverse lookup (where one exists) finds the position again.
        Unit u;
        TConfig& cfg = u.start();
        const int both[] = {23, 30, 36, 38, 39, 41, 42, 43, 52};
        for (int idx : both) {
            const int n = TConfig::getdata(idx, 0).size();
            QVERIFY(n > 0);
            for (int pos = 0; pos < n; ++pos) {
                const intptr_t v = cfg.getvaluefromindex(idx, pos);
                QVERIFY2(cfg.getindexfromvalue(idx, v) == pos,
                         qPrintable(QStringLiteral("list %1 pos %2").arg(idx).arg(pos)));
            }
        }
        for (int idx = 0; idx <= 62; ++idx) {
            if (idx != 37)
                TConfig::getdata(idx, -1);
        }
    }
    void channelLists_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("shown");
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("negative") << -3 << 0;
        QTest::newRow("more than the tables") << 64 << 20;
    }
    void channelLists()
    {
        QFETCH(int, videos);
        QFETCH(int, shown);
        Unit u;
        TConfig& cfg = u.start();
        section<PropDevices>(cfg, 0, 0).videos = videos;
        // Lists follow the edit copy, not the live copy.
        section<PropDevices>(cfg, 0, 1).videos = 8;

        const QStringList seq = TConfig::getdata(9, 0);
        QCOMPARE(seq.size(), shown + 1);
        QCOMPARE(seq.first(), QStringLiteral("X"));
        const QStringList ch = TConfig::getdata(20, 0);
        QCOMPARE(ch.size(), shown);
        const QStringList audio = TConfig::getdata(22, 0);
        QCOMPARE(audio.size(), shown + 1);
        QCOMPARE(audio.first(), QStringLiteral("<142>"));
        const QStringList pos = TConfig::getdata(58, 0);
        QCOMPARE(pos.size(), shown + 1);
        QCOMPARE(pos.first(), QStringLiteral("<53>"));
        if (shown) {
            QCOMPARE(seq.last(), QString::number(shown));
            QCOMPARE(ch.first(), QStringLiteral("<400> 1"));
            QCOMPARE(ch.last(), QStringLiteral("<400> %1").arg(shown));
            QCOMPARE(audio.last(), ch.last());
            QCOMPARE(pos.last(), QString::number(shown));
        }
    }
    void audioChannelLookup()
    {
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(TConfig::getdata(22, 0).size(), 17);
        QCOMPARE(cfg.getindexfromvalue(22, 0), 1);
        QCOMPARE(cfg.getindexfromvalue(22, 3), 4);
        QCOMPARE(cfg.getindexfromvalue(22, 4), 0);
        QCOMPARE(cfg.getindexfromvalue(22, 5), 0);
        QCOMPARE(cfg.getindexfromvalue(22, -1), 0);
        // More audio inputs than channels: no position beyond the list.
        section<PropDevices>(cfg, 0, 0).audios = 20;
        section<PropDevices>(cfg, 0, 0).videos = 2;
        QCOMPARE(cfg.getindexfromvalue(22, 1), 2);
        QCOMPARE(cfg.getindexfromvalue(22, 2), 0);
    }
    void alarmOutputs_data()
    {
        QTest::addColumn<int>("relays");
        QTest::addColumn<int>("alarmouts");
        QTest::addColumn<QStringList>("items");
        const QString off = QStringLiteral("<53>");
        const QString buzzer = QStringLiteral("<66>");
        QTest::newRow("2 relays of 4 outputs")
            << 2 << 7
            << QStringList{off, buzzer, "<377>1(R)", "<377>2(R)", "<377>3", "<377>4"};
        QTest::newRow("only the fixed outputs") << 0 << 3 << QStringList{off, buzzer};
        QTest::newRow("count below the fixed outputs") << 2 << 1 << QStringList{off, buzzer};
        QTest::newRow("more relays than outputs")
            << 9 << 5 << QStringList{off, buzzer, "<377>1(R)", "<377>2(R)"};
        QTest::newRow("negative relays") << -4 << 4 << QStringList{off, buzzer, "<377>1"};
    }
    void alarmOutputs()
    {
        QFETCH(int, relays);
        QFETCH(int, alarmouts);
        QFETCH(QStringList, items);
        Unit u;
        TConfig& cfg = u.start();
        section<PropDevices>(cfg, 0, 0).relaycnt = relays;
        section<PropDevices>(cfg, 0, 0).alarmouts = alarmouts;
        QCOMPARE(TConfig::getdata(44, 0), items);
    }
    void cameraSignal()
    {
        Unit u;
        TConfig& cfg = u.start();
        QCOMPARE(TConfig::getdata(19, 0), QStringList{"NTSC"});
        section<PropDevices>(cfg, 0, 0).ntsc = 0;
        QCOMPARE(TConfig::getdata(19, 0), QStringList{"PAL"});
    }
    void capabilityLists()
    {
        Unit u;
        u.start();
        QCOMPARE(TConfig::getdata(6, 0),
                 QStringList({"800x600 (60Hz)", "1024x768 (60Hz)", "1280x1024 (60Hz)",
                              "1366x768 (60Hz)", "1920x1080 (60Hz)"}));
        FakeCaps::vout.resHz[0] = 59.94; // truncated
        QCOMPARE(TConfig::getdata(6, 0).first(), QStringLiteral("800x600 (59Hz)"));
        QCOMPARE(TConfig::getdata(11, 0), QStringList({"352x240", "704x240", "704x480"}));
        QCOMPARE(TConfig::getdata(14, 0),
                 QStringList({"30.0", "15.0", "10.0", "7.5", "5.0", "3.0", "2.0", "1.0"}));
        // Fresh capabilities at every call.
        FakeCaps::avc.num_rridx = 1;
        QCOMPARE(TConfig::getdata(11, 0), QStringList({"352x240"}));
        FakeCaps::avc.num_fidx = 0;
        QCOMPARE(TConfig::getdata(14, 0), QStringList());
        FakeCaps::vout.numRes = -1;
        QCOMPARE(TConfig::getdata(6, 0), QStringList());
        // List 5 is chosen by param alone.
        QCOMPARE(TConfig::getdata(5, 0), QStringList{"None"});
        QCOMPARE(TConfig::getdata(5, 1), QStringList{"HDMI"});
        QCOMPARE(TConfig::getdata(5, 2), QStringList{"VGA"});
        QCOMPARE(TConfig::getdata(5, -1), QStringList{"VGA"});
    }
    void capabilityListsBounded()
    {
        // Counts beyond the tables of the records list each table once and no more.
        Unit u;
        u.start();
        FakeCaps::vout.numRes = 1000;
        FakeCaps::vout.resHz[3] = 1e300; // not a rate an int holds
        FakeCaps::avc.num_rridx = 9;
        FakeCaps::avc.num_fidx = 61;
        FakeCaps::avc.num_nridx = 100;
        FakeCaps::avc.num_vridx = 100;
        QCOMPARE(TConfig::getdata(6, 0).size(), 20);
        QCOMPARE(TConfig::getdata(6, 0).at(3), QStringLiteral("1366x768 (0Hz)"));
        QCOMPARE(TConfig::getdata(11, 0).size(), 8);
        QCOMPARE(TConfig::getdata(14, 0).size(), 60);
        QCOMPARE(TConfig::getdata(12, 7).size(), 7);
        QCOMPARE(TConfig::getdata(13, 7).size(), 1);
        QCOMPARE(TConfig::getdata(12, 8).size(), 7); // row 8 does not exist: row 0
    }
    void networkResolutionRows_data()
    {
        QTest::addColumn<int>("param");
        QTest::addColumn<QStringList>("main");
        QTest::addColumn<QStringList>("sub");
        const QStringList row0{"352x240", "704x240"};
        const QStringList row1{"352x240", "704x288"};
        QTest::newRow("row 0") << 0 << row0 << QStringList{"704x480"};
        QTest::newRow("row 1") << 1 << row1 << QStringList{"704x576"};
        QTest::newRow("negative: row 0") << -1 << row0 << QStringList{"704x480"};
        QTest::newRow("num_vridx: row 0") << 2 << row0 << QStringList{"704x480"};
    }
    void networkResolutionRows()
    {
        QFETCH(int, param);
        QFETCH(QStringList, main);
        QFETCH(QStringList, sub);
        Unit u;
        u.start();
        QCOMPARE(TConfig::getdata(12, param), main);
        QCOMPARE(TConfig::getdata(13, param), sub);
        FakeCaps::avc.num_nridx = 1;
        QCOMPARE(TConfig::getdata(12, param), QStringList());
        QCOMPARE(TConfig::getdata(13, param).size(), 1);
        FakeCaps::avc.num_nridx = 0;
        QCOMPARE(TConfig::getdata(13, param), QStringList());
    }
    void frameRateByAddress()
    {
        Unit u;
        TConfig& cfg = u.start();
        auto fps = [&cfg](int pos) {
            return *reinterpret_cast<const double*>(cfg.getvaluefromindex(14, pos));
        };
        QCOMPARE(fps(0), 30.0);
        QCOMPARE(fps(3), 7.5);
        QCOMPARE(fps(7), 1.0);
        QCOMPARE(fps(8), 30.0);
        QCOMPARE(fps(-1), 30.0);
        FakeCaps::avc.fidx2fps[3] = 6.25; // refreshed at each call
        QCOMPARE(fps(3), 6.25);
        FakeCaps::avc.num_fidx = 500;
        QCOMPARE(fps(59), 0.0);
        QCOMPARE(fps(60), 30.0);
    }
    void oemLists_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<QStringList>("ddns");
        QTest::addColumn<int>("searchModes");
        QTest::addColumn<int>("searchEvents");
        QTest::addColumn<int>("netRes");
        const QStringList general{"<46>", "DVRDNS", "DynDNS", "NO-IP", "Dynamic DNS", "DVRDNS Plus",
                                  "ddns.dvrhub.net"};
        QTest::newRow("no defaults object") << -1 << general << 5 << 6 << 2;
        QTest::newRow("0") << 0 << general << 5 << 6 << 2;
        QTest::newRow("2") << 2 << QStringList{"<46>", "TAVO"} << 2 << 5 << 2;
        QTest::newRow("3") << 3 << QStringList{"ddns.zebnet.com"} << 5 << 6 << 2;
        QTest::newRow("5") << 5 << QStringList{"<46>", "DDNS"} << 5 << 6 << 1;
        QTest::newRow("8") << 8 << QStringList{"<46>", "ddns.ocam.net", "DynDNS", "NO-IP", "Dynamic DNS"}
                           << 5 << 6 << 2;
    }
    void oemLists()
    {
        QFETCH(int, oem);
        QFETCH(QStringList, ddns);
        QFETCH(int, searchModes);
        QFETCH(int, searchEvents);
        QFETCH(int, netRes);
        Unit u;
        TConfig& cfg = u.start();
        TOemScope scope(oem);
        QCOMPARE(TConfig::getdata(35, 0), ddns);
        QCOMPARE(TConfig::getdata(45, 0).size(), searchModes);
        QCOMPARE(TConfig::getdata(46, 0).size(), searchEvents);
        const QStringList res = TConfig::getdata(12, 0);
        QCOMPARE(res.size(), netRes);
        if (oem == 5)
            QCOMPARE(res.first(), QStringLiteral("1280x720"));

        // The stored service text finds its position again; unknown texts give 0.
        for (int i = 0; i < ddns.size(); ++i) {
            const QByteArray name = ddns.at(i).toLatin1();
            QCOMPARE(cfg.getindexfromvalue(35, reinterpret_cast<intptr_t>(name.constData())), i);
        }
        QCOMPARE(cfg.getindexfromvalue(35, reinterpret_cast<intptr_t>("dyndns")), 0);
        QCOMPARE(cfg.getindexfromvalue(35, 0), 0);
        // Every service name fits the DDNS record's type field.
        for (const QString& s : ddns)
            QVERIFY(s.toUtf8().size() < int(sizeof(PropNetddns::type)));
    }
    void ptzDrivers()
    {
        Unit u;
        TConfig& cfg = u.start();
        PropPtzdrv& drv = section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 0);
        drv.cnt = 3;
        qstrncpy(drv.driver[0], "NONE", 32);
        qstrncpy(drv.driver[1], "PELCO-D", 32);
        qstrncpy(drv.driver[2], "PELCO-P", 32);
        QCOMPARE(TConfig::getdata(51, 0), QStringList({"<46>", "PELCO-D", "PELCO-P"}));
        auto name = [&cfg](int pos) {
            return QByteArray(reinterpret_cast<const char*>(cfg.getvaluefromindex(51, pos)));
        };
        QCOMPARE(name(1), QByteArray("PELCO-D"));
        QCOMPARE(name(2), QByteArray("PELCO-P"));
        QCOMPARE(name(5), QByteArray("NONE"));
        QCOMPARE(name(3), QByteArray("NONE"));
        QCOMPARE(name(-1), QByteArray("NONE"));
        QCOMPARE(cfg.getindexfromvalue(51, reinterpret_cast<intptr_t>("PELCO-P")), 2);
        QCOMPARE(cfg.getindexfromvalue(51, reinterpret_cast<intptr_t>("NONE")), 0);
        QCOMPARE(cfg.getindexfromvalue(51, reinterpret_cast<intptr_t>("pelco-p")), 0);
        // The live copy's table does not count.
        section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 1).cnt = 0;
        QCOMPARE(TConfig::getdata(51, 0).size(), 3);
        drv.cnt = 0;
        QCOMPARE(TConfig::getdata(51, 0), QStringList());
        QCOMPARE(cfg.getindexfromvalue(51, reinterpret_cast<intptr_t>("PELCO-P")), 0);
    }
    void ptzDriversBounded()
    {
        Unit u;
        TConfig& cfg = u.start();
        PropPtzdrv& drv = section<PropPtzdrv>(cfg, IDX_PROP_PTZDRV, 0);
        drv.cnt = 1000;
        // A name without its terminator is read up to the field's width.
        std::memset(drv.driver[19], 'A', sizeof drv.driver[19]);
        const QStringList list = TConfig::getdata(51, 0);
        QCOMPARE(list.size(), 20);
        QCOMPARE(list.last(), QString(32, QLatin1Char('A')));
        QCOMPARE(qintptr(cfg.getvaluefromindex(51, 20)), qintptr(drv.driver[0]));
        QCOMPARE(qintptr(cfg.getvaluefromindex(51, 19)), qintptr(drv.driver[19]));
        drv.cnt = -7;
        QCOMPARE(TConfig::getdata(51, 0), QStringList());
        QCOMPARE(qintptr(cfg.getvaluefromindex(51, 3)), qintptr(drv.driver[0]));
    }
    void timezones()
    {
        Unit u;
        TConfig& cfg = u.start();
        PropTimezone& tz = section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 1);
        tz.cnt = 3;
        qstrncpy(tz.zone[0].local, "GMT-05:00 New York", 44);
        qstrncpy(tz.zone[1].local, "GMT+00:00 London", 44);
        qstrncpy(tz.zone[2].local, "GMT+09:00 Seoul", 44);
        // The edit copy's table does not count.
        section<PropTimezone>(cfg, IDX_PROP_TIMEZONE, 0).cnt = 0;
        QCOMPARE(TConfig::getdata(53, 0),
                 QStringList({"GMT-05:00 New York", "GMT+00:00 London", "GMT+09:00 Seoul"}));
        QCOMPARE(cfg.getindexfromvalue(53, reinterpret_cast<intptr_t>("GMT+09:00 Seoul")), 2);
        QCOMPARE(cfg.getindexfromvalue(53, reinterpret_cast<intptr_t>("GMT+01:00 Paris")), 0);
        tz.cnt = 500;
        QCOMPARE(TConfig::getdata(53, 0).size(), 80);
        tz.cnt = -1;
        QCOMPARE(TConfig::getdata(53, 0), QStringList());
    }
    void withoutConfigurationObject()
    {
        Unit u;
        TConfig& cfg = u.start();
        g_cfg = nullptr;
        QCOMPARE(TConfig::getdata(51, 0), QStringList());
        QCOMPARE(TConfig::getdata(53, 0), QStringList());
        QCOMPARE(TConfig::getdata(9, 0), QStringList{"X"});
        QCOMPARE(TConfig::getdata(44, 0).size(), 2);
        QCOMPARE(qintptr(cfg.getvaluefromindex(51, 0)), qintptr(0));
        QCOMPARE(cfg.getindexfromvalue(51, reinterpret_cast<intptr_t>("x")), 0);
        QCOMPARE(cfg.getindexfromvalue(22, 1), 0);
        // The catalogue hook missing: catalogue items are empty, literals stay.
        TConfig::setTextHook(nullptr);
        QCOMPARE(TConfig::getdata(7, 0).first(), QStringLiteral("1 "));
        QCOMPARE(TConfig::getdata(2, 0).first(), QStringLiteral("Composite"));
        TConfig::setTextHook(&fakeText);
    }
    void fatalIds_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("message");
        QTest::newRow("getdata 37") << "data:37" << "TConfig::getdata idx:37";
        QTest::newRow("getdata -1") << "data:-1" << "TConfig::getdata idx:-1";
        QTest::newRow("value 0") << "value:0" << "TConfig::getvaluefromindex idx:0 vidx:0i";
        QTest::newRow("value 29") << "value:29" << "TConfig::getvaluefromindex idx:29 vidx:0i";
        QTest::newRow("index 21") << "index:21" << "TConfig::getindexfromvalue idx:21";
    }
    void fatalIds()
    {
        QFETCH(QString, call);
        QFETCH(QString, message);
        QProcess child;
        // QtTest reports the fatal message in its own log on standard output.
        child.setProcessChannelMode(QProcess::MergedChannels);
        // The child is expected to abort; no sanitizer report or core for it.
        startSelf(child, {QStringLiteral("fixedLists")},
                  {{QString::fromLatin1(kFatalEnv), call},
                   {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("handle_abort=0:detect_leaks=0")}});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        const QString err = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(err.contains(message), qPrintable(err));
    }

private:
    void runFatalCall(const QString& call)
    {
        // The abort is expected: leave no core file behind.
        const rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        Unit u;
        TConfig& cfg = u.start();
        const int idx = call.section(QLatin1Char(':'), 1).toInt();
        if (call.startsWith(QLatin1String("data")))
            TConfig::getdata(idx, 0);
        else if (call.startsWith(QLatin1String("value")))
            cfg.getvaluefromindex(idx, 0);
        else
            cfg.getindexfromvalue(idx, 0);
        qWarning("the call returned");
        std::exit(0);
    }
};

QTEST_GUILESS_MAIN(TConfigDataTest)
#include "tconfig-datatest.moc"
