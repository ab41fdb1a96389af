#include "tnetfixture.h"
#include "tcategorylines.h"
#include "tmessages.h"
#include "tsignallog.h"
#include "tproperty.h"
#include "tdvrth.h"
#include "trunner.h"
#include "tflashfile.h"
#include "tfilesizelimit.h"
#include <memory>
#include <thread>
#include <atomic>

namespace {
// What one packet did: its reply, the notifications, the device calls and
// whether the edit copy changed.
struct Outcome {
    QByteArray reply;
    QList<QList<QVariant>> notes;
    QStringList calls;
    bool changed = false;
    bool operator==(const Outcome& o) const
    {
        return reply == o.reply && notes == o.notes && calls == o.calls && changed == o.changed;
    }
};

// The apply thread's part of a remote apply: it ends at once.
void applyAtOnce(QObject* ctx)
{
    QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, ctx, [](int t) {
        if (t == SIG_NET_SETUP)
            g_api.setApplying(0);
    }, Qt::DirectConnection);
}

// The output's capabilities as the start takes them, while it lives.
struct OutputCaps {
    OutputCaps()
    {
        g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
        g_api.m_voutCaps = &g_api.m_voutCapsRec;
        g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
    }
    ~OutputCaps()
    {
        g_api.setLayoutHook(nullptr);
        g_api.m_voutCaps = nullptr;
        g_api.m_numLayout = 0;
    }
};

// stopping: the program has begun to stop before the packet comes.
Outcome run(int cmd, const QByteArray& payload, int len, bool stopping = false)
{
    TNetFixture fx;
    OutputCaps caps;
    if (stopping)
        g_api.beginStop();
    dalTestJournalClear();
    g_api.m_layout = g_api.m_sw = 0; // what a layout switch left
    TRunner::copyFile(fx.cfg->tmpPath(), "/tmp/rs.conf"); // the client leaves the unit's own configuration
    QObject ctx;
    applyAtOnce(&ctx);
    TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
    const QByteArray before = editCopy(fx.cfg);
    Outcome o;
    o.reply = sendPacket(cmd, payload, len);
    o.notes = spy;
    o.calls = journal();
    o.changed = editCopy(fx.cfg) != before;
    return o;
}

QByteArray netport(int port)
{
    return QByteArray::fromHex(QByteArray::number(port, 16).rightJustified(4, '0').repeated(4)) + be32(1);
}
}

class TDvrApiNetpackTest : public QObject
{
    Q_OBJECT
private slots:
    // Each command with its exact payload, the same with trailing bytes,
    // one byte short, and announcing more than arrived.
    void lengths_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("canBeShort");
        auto row = [](const char* name, int cmd, const QByteArray& p, bool canBeShort = true) {
            QTest::newRow(name) << cmd << p << canBeShort;
        };
        row("caps", DNPC_RS_CAPS, QByteArray(), false);
        row("config ok", DNPC_RS_APP_OK, TPayload().text("/tmp/rs.conf").bytes);
        row("config cancel", DNPC_RS_APP_CANCEL, QByteArray(), false);
        row("config apply", DNPC_RS_APP_APPLY, TPayload().u32(10).text("/tmp/rs.conf").bytes);
        row("preview alpha", DNPC_RS_APP_RUN, TPayload().u32(Act_PrvOsdAlpha).u32(5).u32(0).bytes);
        row("preview colours", DNPC_RS_APP_RUN, TPayload().u32(Act_PrvColor).u32(0).u32(0).raw(QByteArray(80, 9)).bytes);
        row("info", DNPC_RS_APP_INFO, be32(Act_InfoDhcp));
        row("upnp test", DNPC_RS_APP_TEST, TPayload().u32(Act_TestUpnp).u32(1).u32(2).raw(netport(8100)).bytes);
        row("layout", DNPC_RS_USER_MIN, QByteArray(), false);
        row("layout switch", DNPC_RS_USER_LAYOUT, be32(2) + be32(0));
        row("colour get", DNPC_UC_COLOR_GET, QByteArray(), false);
        row("colour set", DNPC_UC_COLOR_SET, TPayload().u32(2).u32(50).u32(60).u32(70).u32(80).bytes);
        row("colour apply", DNPC_UC_COLOR_APPLY, be32(1));
        row("panic", DNPC_UC_PANIC_RECORD, be32(1));
        row("alarm names", DNPC_UC_ALARM_GETNAME, QByteArray(), false);
        row("web code", DNPC_CAPS_WEBCODE, QByteArray(), false);
        row("network", DNPC_CAPS_NETWORK, TPayload().text("ip:192.0.2.5 port:8100").bytes, false);
    }

    void lengths()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        QFETCH(bool, canBeShort);
        const Outcome nothing;
        const Outcome exact = run(cmd, payload, -1);
        QVERIFY(!(exact == nothing));
        QVERIFY(run(cmd, payload + QByteArray(16, '\x7f'), -1) == exact);
        QVERIFY(run(cmd, payload, payload.size() + 1) == nothing);
        if (canBeShort)
            QVERIFY(run(cmd, payload.chopped(1), -1) == nothing);
    }

    // Once the program stops, a command that would change the configuration
    // is refused as a failed one is: no answer, no notification, no device
    // call, the edit copy as it was. Every other command is served as ever.
    void stopRefusesChanges_data() { lengths_data(); }
    void stopRefusesChanges()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        static const QSet<int> changes = {DNPC_RS_APP_OK,   DNPC_RS_APP_CANCEL, DNPC_RS_APP_APPLY,   DNPC_RS_APP_RUN,
                                          DNPC_RS_APP_TEST, DNPC_UC_COLOR_SET,  DNPC_UC_COLOR_APPLY, DNPC_CAPS_NETWORK};
        const Outcome stopped = run(cmd, payload, -1, true);
        QVERIFY(changes.contains(cmd) ? stopped == Outcome() : stopped == run(cmd, payload, -1));
    }

    // The client starts from a fresh copy of the live configuration, over
    // the one an earlier client left. A copy that fails (a full RAM folder)
    // is answered as a failed command, and the earlier copy is gone: the
    // client can take no stale file for the unit's configuration.
    void capsReply_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("copy made") << false;
        QTest::newRow("RAM folder full") << true;
    }
    void capsReply()
    {
        QFETCH(bool, full);
        TNetFixture fx;
        const QByteArray live = fx.root.read(fx.cfg->tmpPath());
        QVERIFY(live.size() > 4096);
        QVERIFY(fx.root.write("/tmp/rs_SDR16.conf", "[DEVICES]\nmodel=SDR16\n"));
        QByteArray reply;
        {
            std::unique_ptr<TFileSizeLimit> limit(full ? new TFileSizeLimit(live.size() / 2) : nullptr);
            reply = sendPacket(DNPC_RS_CAPS, QByteArray());
        }
        QCOMPARE(reply, full ? QByteArray()
                             : QByteArray("dll:/tmp/rs.dll conf:/tmp/rs_SDR16.conf img:/dvr/img_res.png"
                                          " log:/dvr/SYSTEM.log", 81));
        QCOMPARE(QFileInfo::exists(fx.root.file("/tmp/rs_SDR16.conf")), !full);
        if (!full)
            QCOMPARE(fx.root.read("/tmp/rs_SDR16.conf"), live);
        QCOMPARE(fx.root.read(fx.cfg->tmpPath()), live);
    }

    // A remote apply naming a file the program keeps for itself is refused
    // and the file stays; the live configuration survives the next save,
    // commit and start.
    void remoteApplyKeepsConfiguration_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("path"); // @L the live RAM file
        QTest::addColumn<QString>("link"); // a link made at path to @L first
        QTest::addColumn<bool>("applied");
        QTest::newRow("ok naming the live file") << int(DNPC_RS_APP_OK) << "@L" << "" << false;
        QTest::newRow("apply naming the live file") << int(DNPC_RS_APP_APPLY) << "@L" << "" << false;
        QTest::newRow("ok through a dot") << int(DNPC_RS_APP_OK) << "/tmp/./SDR16.conf" << "" << false;
        QTest::newRow("ok through a link") << int(DNPC_RS_APP_OK) << "/tmp/x.conf" << "@L" << false;
        QTest::newRow("ok naming the log") << int(DNPC_RS_APP_OK) << "/tmp/SYSTEM.log" << "" << false;
        QTest::newRow("ok of the client's copy") << int(DNPC_RS_APP_OK) << "/tmp/rs_SDR16.conf" << "" << true;
        QTest::newRow("apply of the client's copy") << int(DNPC_RS_APP_APPLY) << "/tmp/rs_SDR16.conf" << "" << true;
    }

    void remoteApplyKeepsConfiguration()
    {
        QFETCH(int, cmd);
        QFETCH(QString, path);
        QFETCH(QString, link);
        QFETCH(bool, applied);
        TNetFixture fx;
        g_api.writeLog(LOG_SETUP_START, nullptr, nullptr); // the RAM log exists
        QTRY_VERIFY(QFileInfo::exists(fx.root.file("/tmp/SYSTEM.log")));
        fx.live<PropNetport>(IDX_PROP_NETPORT)->web = 8123;
        QCOMPARE(fx.cfg->save(-1), 0);
        QCOMPARE(fx.cfg->commitfile(), 0);
        sendPacket(DNPC_RS_CAPS, QByteArray());
        path.replace("@L", fx.cfg->tmpPath());
        if (!link.isEmpty())
            QVERIFY(QFile::link(fx.root.file(fx.cfg->tmpPath()), fx.root.file(path)));
        const QByteArray ram = fx.root.read(fx.cfg->tmpPath());
        QObject ctx;
        applyAtOnce(&ctx);
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        sendPacket(cmd, (cmd == DNPC_RS_APP_APPLY ? be32(10) : QByteArray()) + path.toUtf8() + '\0');
        QCOMPARE(codes(spy).contains(SIG_NET_SETUP), applied);
        QCOMPARE(QFileInfo::exists(fx.root.file(path)), !applied);
        QCOMPARE(fx.root.read(fx.cfg->tmpPath()), ram);
        QVERIFY(QFileInfo::exists(fx.root.file("/tmp/SYSTEM.log")));

        // What the tile swap does next: one section saved and committed.
        QCOMPARE(fx.cfg->save(IDX_PROP_DISPLAY), 0);
        QCOMPARE(fx.cfg->commitfile(), 0);
        // The next start reads every setting back.
        const QString model = fx.cfg->confPath();
        g_cfg = nullptr;
        delete fx.cfg;
        fx.cfg = nullptr;
        QVERIFY(TRunner::removeFile("/tmp/SDR16.conf"));
        PropDefault def;
        TDefault::setDefaults(&def);
        fx.cfg = new TConfig(model, &fx.dev, &def);
        g_cfg = fx.cfg;
        QCOMPARE(int(fx.live<PropNetport>(IDX_PROP_NETPORT)->web), 8123);
    }

    void infoReplies_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("address") << int(Act_InfoDhcp) << field("192.0.2.7", 64) + field("255.255.255.0", 64)
                                                             + field("192.0.2.1", 64) + field("192.0.2.53", 64);
        QByteArray upnp, ddns;
        for (int w : {1, 8000, 8001, 0, 80, 1, 0, 0, 1, 2026, 11, 30, 13, 5, 9})
            upnp += be32(quint32(w));
        for (int w : {0, 2026, 12, 1, 8, 0, 0})
            ddns += be32(quint32(w));
        QTest::newRow("upnp") << int(Act_InfoUpnp) << upnp + field("203.0.113.7", 256);
        QTest::newRow("ddns") << int(Act_InfoDdns) << ddns + field("xyz", 520);
        QTest::newRow("clients") << int(Act_InfoNetClient)
                                 << field("00:1c:2d:00:00:01", 128) + be32(1) + be32(0) + be32(1) + be32(2)
                                        + field("198.51.100.7(Watch)", 64) + field("198.51.100.8(Else)", 49 * 64);
        QByteArray map(128, '\0');
        for (int i = 0; i < 128; ++i)
            map[i] = char(i * 3);
        QTest::newRow("motion map") << int(Act_InfoMotion) << map;
        QTest::newRow("pos ports") << int(Act_InfoPos) << be32(0) + be32(0) + be32(1) + QByteArray(20, '\0');
        QTest::newRow("unknown kind") << 99 << QByteArray();
    }

    void infoReplies()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, block);
        TNetFixture fx;
        const Eth0Info eth = {1, 1, {192, 0, 2, 7}, {255, 255, 255, 0}, {192, 0, 2, 1}, {192, 0, 2, 53}, {}, {}};
        const UpnpResult upnp = {1, {8000, 8001, 0, 80}, {1, 0, 0, 1}, 2026, 11, 30, 13, 5, 9, "203.0.113.7"};
        const DdnsResult ddns = {0, 2026, 12, 1, 8, 0, 0, {'x', 'y', 'z'}};
        NetClientRec clients = {2, 1, 0, 1, {}, {{1, 0, {198, 51, 100, 7}}, {7, 0, {198, 51, 100, 8}}}};
        dalTestSetEth0(&eth);
        dalTestSetUpnpResult(&upnp);
        dalTestSetDdnsResult(&ddns);
        dalTestSetClients(&clients);
        dalTestPosPresent(2, 1);
        unsigned char map[128];
        for (int i = 0; i < 128; ++i)
            map[i] = uchar(i * 3);
        dalTestVin(CBT_VIN_MDINFO, 1, 1, map);
        dalTestFlush(); // the network family has a thread of its own
        QCOMPARE(sendPacket(DNPC_RS_APP_INFO, be32(quint32(type))).toHex(), (be32(quint32(type)) + block).toHex());
    }

    // The S.M.A.R.T. block: read afresh, then the seven tables of 16 disks
    // big-endian; a disk of bad health is not read.
    void smartInfoReply_data()
    {
        QTest::addColumn<bool>("healthy");
        QTest::newRow("healthy disk") << true;
        QTest::newRow("disk of bad health") << false;
    }
    void smartInfoReply()
    {
        QFETCH(bool, healthy);
        TNetFixture fx;
        DalTestDisk d;
        QCOMPARE(dalTestGetDisk(1, &d), 0);
        d.health = healthy;
        d.smart = SmartRec{0, 11, 2, 47, 3, 1, 900};
        QCOMPARE(dalTestSetDisk(1, &d), 0);
        g_api.checkStorage();
        std::memset(&g_api.m_smart, 0, sizeof g_api.m_smart); // not read yet
        const QByteArray reply = sendPacket(DNPC_RS_APP_INFO, be32(Act_InfoSmart));
        QCOMPARE(reply.size(), 4 + 448);
        QCOMPARE(reply.left(4), be32(Act_InfoSmart));
        // Table t, disk 1: valid, tests, errors, temperature, bad sectors, result, hours.
        const QList<int> want = healthy ? QList<int>{1, 11, 2, 47, 3, 1, 900} : QList<int>{0, 0, 0, 0, 0, 0, 0};
        QList<int> got;
        for (int t = 0; t < 7; ++t)
            got << int(qFromBigEndian<quint32>(reply.constData() + 4 + t * 64 + 4));
        QCOMPARE(got, want);
        QByteArray block;
        const auto* words = reinterpret_cast<const quint32*>(&g_api.m_smart);
        for (int i = 0; i < 112; ++i)
            block += be32(words[i]);
        QCOMPARE(reply.mid(4).toHex(), block.toHex());
    }

    // A remote client's information request answers from its own reading
    // on the network thread: the records the windows read are rewritten
    // only on their thread (the address texts, queued), or not at all.
    void infoLeavesWindowRecords_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("followsOnGuiThread");
        QTest::newRow("camera") << int(Act_InfoCamera) << false;
        QTest::newRow("address") << int(Act_InfoDhcp) << true;
        QTest::newRow("upnp") << int(Act_InfoUpnp) << false;
        QTest::newRow("ddns") << int(Act_InfoDdns) << false;
        QTest::newRow("clients") << int(Act_InfoNetClient) << false;
        QTest::newRow("pos ports") << int(Act_InfoPos) << false;
    }

    void infoLeavesWindowRecords()
    {
        QFETCH(int, type);
        QFETCH(bool, followsOnGuiThread);
        TNetFixture fx;
        const Eth0Info eth = {1, 1, {192, 0, 2, 7}, {255, 255, 255, 0}, {192, 0, 2, 1}, {192, 0, 2, 53}, {}, {}};
        dalTestSetEth0(&eth);
        dalTestPosPresent(2, 1);
        dalTestFlush();
        // Each record as a window left it.
        const QVector<QPair<void*, int>> records{{&g_api.m_vinState, int(sizeof g_api.m_vinState)},
                                                 {g_api.m_eth0Text, int(sizeof g_api.m_eth0Text)},
                                                 {&g_api.m_upnpResult, int(sizeof g_api.m_upnpResult)},
                                                 {&g_api.m_ddnsResult, int(sizeof g_api.m_ddnsResult)},
                                                 {&g_api.m_netInfo, int(sizeof g_api.m_netInfo)},
                                                 {g_api.m_posScan, int(sizeof g_api.m_posScan)}};
        for (const auto& r : records)
            std::memset(r.first, 0x5a, size_t(r.second));
        auto untouched = [](const QPair<void*, int>& r) {
            return QByteArray(static_cast<const char*>(r.first), r.second) == QByteArray(r.second, 0x5a);
        };

        const QByteArray payload = be32(quint32(type));
        NetpackReply reply;
        dalTestNetPacket(DNPC_RS_APP_INFO, quint32(payload.size()), payload.constData(), payload.size(), &reply);
        QVERIFY(reply.len > 4); // answered
        for (const auto& r : records)
            QVERIFY(untouched(r));
        QCoreApplication::processEvents();
        QCOMPARE(QByteArray(g_api.m_eth0Text[0], int(qstrnlen(g_api.m_eth0Text[0], 64))),
                 followsOnGuiThread ? QByteArray("192.0.2.7") : QByteArray(64, 0x5a));
    }

    void colours_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("calls"); // then the edit entry of the channel set or of channel 0
        const auto set = [](int ch) { return TPayload().u32(quint32(ch)).u32(0x10a).u32(30).u32(40).u32(20).bytes; };
        const QString csc = "DalVinSetCSC(%1,0,%2) DalVinSetCSC(%1,3,%3) DalVinSetCSC(%1,1,%4) DalVinSetCSC(%1,2,%5) ";
        QTest::newRow("get") << 2 << int(DNPC_UC_COLOR_GET) << QByteArray() << QByteArray::fromHex("01010304020102040503")
                             << "01020304";
        QTest::newRow("get without cameras") << 0 << int(DNPC_UC_COLOR_GET) << QByteArray() << QByteArray() << "01020304";
        QTest::newRow("set, low 8 bits") << 16 << int(DNPC_UC_COLOR_SET) << set(3) << QByteArray::fromHex("03010a1e2814")
                                         << csc.arg(3).arg(10).arg(20).arg(30).arg(40) + "0a141e28";
        QTest::newRow("set beyond the cameras") << 16 << int(DNPC_UC_COLOR_SET) << set(16) << QByteArray() << "04050607";
        QTest::newRow("undo the preview") << 1 << int(DNPC_UC_COLOR_APPLY) << be32(0) << QByteArray()
                                          << csc.arg(0).arg(50).arg(51).arg(52).arg(53) + "32333435";
    }

    void colours()
    {
        QFETCH(int, cameras);
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        TNetFixture fx;
        fx.edit<PropDevices>(IDX_PROP_DEVICES)->videos = cameras;
        auto* edit = fx.edit<PropColor>(IDX_PROP_COLOR);
        for (int ch = 0; ch < PROP_MAX_CH; ++ch) {
            edit->data[ch] = {uint8_t(ch + 1), uint8_t(ch + 2), uint8_t(ch + 3), uint8_t(ch + 4)};
            fx.live<PropColor>(IDX_PROP_COLOR)->data[ch] = {50, 51, 52, 53};
        }
        QFETCH(QByteArray, reply);
        QCOMPARE(sendPacket(cmd, payload).toHex(), reply.toHex());
        const QByteArray entry(reinterpret_cast<const char*>(&edit->data[cmd == DNPC_UC_COLOR_SET ? 3 : 0]), 4);
        QTEST(journal().join(' ') + (journal().isEmpty() ? "" : " ") + entry.toHex(), "calls");
    }

    void alarmNames()
    {
        TNetFixture fx;
        const char* names[] = {"Door", "", "Gate", "Window"};
        for (int i = 0; i < 4; ++i)
            qstrcpy(fx.live<PropAlarm>(IDX_PROP_ALARM)->out[i].name, names[i]);
        QCOMPARE(sendPacket(DNPC_UC_ALARM_GETNAME, "any"), be32(4) + QByteArray::fromHex("04000406") + "DoorGateWindow");
    }

    void resultPoll()
    {
        TNetFixture fx;
        const QByteArray test = TPayload().u32(Act_TestUpnp).u32(0).u32(0).raw(netport(8000)).bytes;
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray());
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, test), be32(1));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray(1, '\0'));
        dalTestNese(CBT_NESE_EMAIL_FAIL, nullptr, 0, "x"); // another service's result
        dalTestFlush(); // delivered on another thread than the packets
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray(1, '\0'));
        const UpnpResult r = {0, {8000}, {1}, 2026, 11, 30, 1, 2, 3, "203.0.113.7"};
        dalTestSetUpnpResult(&r);
        dalTestNese(CBT_NESE_UPNP_OK, nullptr, 0, nullptr);
        dalTestFlush();
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray("Success [203.0.113.7] [2026/11/30 01:02:03]", 44));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray());
    }

    void remotePaths_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("setup"); // rs_type of SIG_NET_SETUP, -1 none
        QTest::newRow("ok from /tmp") << int(DNPC_RS_APP_OK) << "/tmp/rs.conf" << "/tmp/rs.conf" << 1;
        QTest::newRow("apply from /tmp") << int(DNPC_RS_APP_APPLY) << "/tmp/rs.conf" << "/tmp/rs.conf" << 10;
        QTest::newRow("dot-dot out of /tmp") << int(DNPC_RS_APP_OK) << "/tmp/../dvr/rs.conf" << "/dvr/rs.conf" << -1;
        QTest::newRow("outside /tmp") << int(DNPC_RS_APP_APPLY) << "/dvr/rs.conf" << "/dvr/rs.conf" << -1;
        QTest::newRow("refused reload") << int(DNPC_RS_APP_APPLY) << "/tmp/rs.conf" << "/tmp/rs.conf" << -1;
    }

    void remotePaths()
    {
        QFETCH(int, cmd);
        QFETCH(QString, path);
        QFETCH(QString, file);
        QFETCH(int, setup);
        TNetFixture fx;
        if (QTest::currentDataTag() != QByteArray("refused reload"))
            TRunner::copyFile(fx.cfg->tmpPath(), file);
        else
            fx.root.write(file, "[DEVICES]\nmodel=OTHER\nvideos=4\n");
        QObject ctx;
        applyAtOnce(&ctx);
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        sendPacket(cmd, (cmd == DNPC_RS_APP_APPLY ? be32(10) : QByteArray()) + path.toUtf8() + '\0');
        QCOMPARE(spy.isEmpty() ? -1 : spy.first().at(3).toInt(), setup);
        QCOMPARE(QFile::exists(fx.root.file(file)), setup < 0);
        QCOMPARE(g_api.m_applying, 0);
    }

    // A client's path or text in the facade's debug line: one line, its
    // control bytes and the bytes that are not UTF-8 as \xNN.
    void remoteTextShown_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("path") << int(DNPC_RS_APP_OK) << QByteArray("/tmp/\x1b[31m\x07x\ny\x7f\xff.conf")
                              << "DNPC_RS_APP.. refused path:/tmp/\\x1b[31m\\x07x\\x0ay\\x7f\\xff.conf";
        QTest::newRow("network text") << int(DNPC_CAPS_NETWORK) << QByteArray("ip:\x1b[31m\x07\n\x7f\xff")
                                      << "DNPC_CAPS_NETWORK.. refused:ip:\\x1b[31m\\x07\\x0a\\x7f\\xff";
    }
    void remoteTextShown()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        TNetFixture fx;
        TCategoryLines caught("dvr.api", QStringLiteral("refused"));
        TMessages::install();
        sendPacket(cmd, text + '\0');
        caught.restore();
        QCOMPARE(caught.lines(), QStringList{line});
    }

    void netEvents_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("gigabit");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("notes");
        QTest::addColumn<int>("log");
        const QList<int> started{SIG_FU_START, SIG_STATE_START};
        QTest::newRow("link up") << int(CBT_NET_LINK) << 1 << false << 0 << QList<int>{SIG_NET_CLIENT} << 0x7004;
        QTest::newRow("link down") << int(CBT_NET_LINK) << 0 << false << 0 << QList<int>{SIG_NET_CLIENT} << 0x7005;
        QTest::newRow("login") << int(CBT_NET_LOGIN) << 0 << false << 0 << QList<int>() << 0x3000;
        QTest::newRow("logout") << int(CBT_NET_LOGOUT) << 0 << false << 0 << QList<int>() << 0x3001;
        QTest::newRow("upgrade stopped") << int(CBT_NET_FU_STOP) << 0 << false << 0 << QList<int>{SIG_STATE_UPDATE, SIG_FU_FAIL} << 0;
        QTest::newRow("settings changed") << int(CBT_NET_SET) << 0 << false << 0 << QList<int>{SIG_NET_DHCP} << 0;
        QTest::newRow("upgrade without version") << int(CBT_NET_FU_START) << 0 << true << 0 << started << 0;
        QTest::newRow("upgrade to 1019 on gigabit") << int(CBT_NET_FU_START) << 1019 << true << -1
                                                    << QList<int>{SIG_STATE_START, SIG_STATE_END} << 0;
        QTest::newRow("upgrade to 1019") << int(CBT_NET_FU_START) << 1019 << false << 0 << started << 0;
        QTest::newRow("upgrade to 1020 on gigabit") << int(CBT_NET_FU_START) << 1020 << true << 0 << started << 0;
    }

    void netEvents()
    {
        QFETCH(int, type);
        QFETCH(int, value);
        QFETCH(bool, gigabit);
        QFETCH(int, log);
        TNetFixture fx;
        dalTestSetGigabit(gigabit);
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const int logs = g_api.lastLogs(nullptr, 0);
        QTEST(dalTestNet(type, nullptr, 0, value, nullptr), "result");
        QCoreApplication::processEvents();
        QTEST(codes(spy), "notes");
        if (type == CBT_NET_LINK)
            QCOMPARE(spy.first().at(1).toInt(), value);
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs + (log ? 1 : 0));
        LogRecord r;
        g_api.lastLogs(&r, 1);
        if (log)
            QCOMPARE(QByteArray::number(r.code) + QByteArray(r.contents), QByteArray::number(log) + QByteArray(log < 0x7000 ? "(Remote)" : ""));
    }

    void firmwareEnd_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("valid");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("accepted");
        QTest::addColumn<bool>("removed");
        const QByteArray tmp = "fname:/tmp/fw.bin size:10 ver:1.0.3.0";
        QTest::newRow("valid") << tmp << 1 << "/tmp/fw.bin" << 1 << false;
        QTest::newRow("valid without a name") << QByteArray("fname: size:10 ver:1") << 1 << "/tmp/fw.bin" << 0 << false;
        QTest::newRow("invalid in /tmp") << tmp << 0 << "/tmp/fw.bin" << 0 << true;
        QTest::newRow("valid, control character in the name") << QByteArray("fname:/tmp/fw\x01.bin size:10 ver:1.0.3.0") << 1
                                                              << "/tmp/fw\x01.bin" << 0 << false;
        QTest::newRow("invalid elsewhere") << QByteArray("fname:/dvr/fw.bin size:1 ver:1") << 0 << "/dvr/fw.bin" << 0 << false;
        QTest::newRow("invalid leaving /tmp") << QByteArray("fname:/tmp/../dvr/fw.bin size:1 ver:1") << 0 << "/dvr/fw.bin"
                                              << 0 << false;
        // Only the upload's own file goes, never another file of /tmp.
        QTest::newRow("invalid naming the log") << QByteArray("fname:/tmp/SYSTEM.log size:1 ver:1") << 0
                                                << "/tmp/SYSTEM.log" << 0 << false;
        QTest::newRow("invalid naming the configuration") << QByteArray("fname:/tmp/SDR16.conf size:1 ver:1") << 0
                                                          << "/tmp/SDR16.conf" << 0 << false;
        QTest::newRow("invalid naming a hidden file") << QByteArray("fname:/tmp/.keep size:1 ver:1") << 0
                                                      << "/tmp/.keep" << 0 << false;
        QTest::newRow("invalid, no upload running") << tmp << 0 << "/tmp/fw.bin" << 0 << false;
        QTest::newRow("invalid, file from before") << tmp << 0 << "/tmp/fw.bin" << 0 << false;
    }

    void firmwareEnd()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, valid);
        QFETCH(QString, file);
        QFETCH(int, accepted);
        QFETCH(bool, removed);
        TNetFixture fx;
        const QByteArray tag = QTest::currentDataTag();
        if (tag != "invalid, no upload running")
            QCOMPARE(dalTestNet(CBT_NET_FU_START, nullptr, 0, 0, nullptr), 0);
        QVERIFY(fx.root.write(file, "image"));
        if (tag == "invalid, file from before") {
            QFile old(fx.root.file(file));
            QVERIFY(old.open(QIODevice::ReadWrite));
            QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        }
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        // The text arrives without its terminator: its size bounds it.
        QCOMPARE(dalTestNet(CBT_NET_FU_END, text.constData(), text.size(), valid, nullptr), 0);
        QCoreApplication::processEvents();
        QCOMPARE(codes(spy), accepted ? QList<int>{SIG_FU_END} : (QList<int>{SIG_STATE_END, SIG_FU_END}));
        QCOMPARE(spy.last().at(1).toInt(), accepted);
        QCOMPARE(g_api.m_fUpgrade.load(), accepted);
        QCOMPARE(g_api.m_dvrTh->m_result, valid);
        QCOMPARE(QFile::exists(fx.root.file(file)), !removed);
        if (accepted)
            QCOMPARE(spy.last().mid(4), (QList<QVariant>{"/tmp/fw.bin", "1.0.3.0"}));
    }

    // A preview transparency from the client is taken within the levels the
    // file keeps (1..7); any other is refused: the edit copy keeps its level
    // and the notification previews that one.
    void previewAlphaRange_data()
    {
        QTest::addColumn<quint32>("sent");
        QTest::addColumn<int>("stored"); // the edit copy held 4
        QTest::newRow("in range") << quint32(5) << 5;
        QTest::newRow("lowest") << quint32(1) << 1;
        QTest::newRow("highest") << quint32(7) << 7;
        QTest::newRow("zero") << quint32(0) << 4;
        QTest::newRow("eight") << quint32(8) << 4;
        QTest::newRow("too high") << quint32(1000) << 4;
        QTest::newRow("negative") << quint32(-3) << 4;
        QTest::newRow("most negative") << quint32(0x80000000u) << 4;
        QTest::newRow("largest") << quint32(0x7fffffffu) << 4;
    }

    void previewAlphaRange()
    {
        QFETCH(quint32, sent);
        QFETCH(int, stored);
        TNetFixture fx;
        fx.edit<PropOsd>(IDX_PROP_OSD)->alpha = 4;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        sendPacket(DNPC_RS_APP_RUN, TPayload().u32(Act_PrvOsdAlpha).u32(sent).u32(0).bytes);
        QCOMPARE(fx.edit<PropOsd>(IDX_PROP_OSD)->alpha, stored);
        QTRY_COMPARE(codes(spy), QList<int>{SIG_NET_RS_SET});
        QCOMPARE(spy.first().at(1).toInt(), stored);
        // What the output is given stays within its eight levels.
        dalTestJournalClear();
        QCOMPARE(TDVRAPI::AlphaFill(0, 0, 8, 8, int(sent)), 0);
        const int level = qBound(0, int(sent), 7);
        QVERIFY2(journal().join(' ').contains(QString("SetAlpha(0,0,8,8,%1)").arg(7 - level)), qPrintable(journal().join(' ')));
    }

    // A remote layout request: a layout the output lists goes to the layout
    // thread when the window runs one (and is shown here without it); any
    // other id is refused; the facade's layout follows the device's only.
    void remoteLayoutRequests_data()
    {
        QTest::addColumn<int>("layout"); // -100: the second layout the output lists
        QTest::addColumn<bool>("hooked");
        QTest::addColumn<bool>("deviceRefuses");
        QTest::addColumn<bool>("shown");
        QTest::newRow("listed, no layout thread") << -100 << false << false << true;
        QTest::newRow("listed, to the layout thread") << -100 << true << false << true;
        QTest::newRow("listed, refused by the device") << -100 << false << true << false;
        QTest::newRow("unlisted 77") << 77 << false << false << false;
        QTest::newRow("unlisted 77, layout thread") << 77 << true << false << false;
        QTest::newRow("largest id") << 0x7fffffff << false << false << false;
        QTest::newRow("negative id") << -1 << false << false << false;
    }

    void remoteLayoutRequests()
    {
        QFETCH(int, layout);
        QFETCH(bool, hooked);
        QFETCH(bool, deviceRefuses);
        QFETCH(bool, shown);
        TNetFixture fx;
        OutputCaps caps;
        g_api.m_layout = g_api.m_sw = 0;
        g_api.dispLayout(g_api.layoutAt(0), 0);
        QVERIFY(g_api.m_numLayout >= 2);
        const int before = g_api.m_layout;
        if (layout == -100)
            layout = g_api.layoutAt(1);
        QVERIFY(layout != before);
        // The layout thread of a window: it switches later, on its own thread.
        QVector<QPair<int, int>> handed;
        if (hooked)
            g_api.setLayoutHook([&handed](int l, int p) { handed.append({l, p}); });
        if (deviceRefuses)
            dalTestFail("DalVoutSetLayout", -1);
        dalTestJournalClear();
        sendPacket(DNPC_RS_USER_LAYOUT, be32(quint32(layout)) + be32(0));
        g_api.setLayoutHook(nullptr);
        dalTestClearFails();
        QCOMPARE(handed.size(), hooked && shown ? 1 : 0);
        if (hooked && shown) {
            // Nothing switched on the network thread: the handed target is
            // shown by the layout thread's work.
            QCOMPARE(journal().filter("DalVoutSetLayout").size(), 0);
            QCOMPARE(g_api.m_layout, before);
            g_api.dispLayout(handed.first().first, handed.first().second);
        }
        DalTestVout vout;
        QCOMPARE(dalTestVoutGet(0, &vout), 0);
        QCOMPARE(g_api.m_layout, shown ? layout : before);
        QCOMPARE(int(vout.layout), g_api.m_layout);
        if (!shown && !deviceRefuses)
            QVERIFY(journal().filter("DalVoutSetLayout").isEmpty());
    }

    // A remote apply hands its page to the GUI thread and returns: the
    // device layer's events queued behind the packet are all delivered,
    // also while no apply thread answers. An apply that comes while an
    // earlier run has not ended waits for it, and the events still flow.
    void remoteApplyDoesNotHoldEvents_data()
    {
        QTest::addColumn<bool>("applyRunning"); // an earlier apply has not ended
        QTest::newRow("apply") << false;
        QTest::newRow("apply while another runs") << true;
    }

    void remoteApplyDoesNotHoldEvents()
    {
        QFETCH(bool, applyRunning);
        // Connected before the layer's threads start emitting, and gone
        // after they stopped (the fixture's end).
        std::atomic<int> motion{0}, setup{0};
        QObject direct;
        QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &direct, [&](int type, int, int, int rs) {
            if (type == SIG_VIN_MOTION)
                ++motion;
            else if (type == SIG_NET_SETUP && rs == 10)
                ++setup;
        }, Qt::DirectConnection);
        TNetFixture fx;
        QVERIFY(TRunner::copyFile(fx.cfg->tmpPath(), "/tmp/rs.conf"));
        g_api.setApplying(applyRunning);
        std::thread client([] { sendPacket(DNPC_RS_APP_APPLY, TPayload().u32(10).text("/tmp/rs.conf").bytes); });
        if (!applyRunning)
            QTRY_COMPARE(setup.load(), 1);
        // 400 motion changes behind the packet as a camera sends them, each a
        // change of its channel's state: every one is delivered while the
        // apply is still to be done.
        for (int i = 0; i < 400; ++i) {
            dalTestVin(CBT_VIN_MOTION, i % 16, (i / 16 + 1) % 2, nullptr);
            if (i % 16 == 15)
                QVERIFY2(QTest::qWaitFor([&] { return motion.load() == i + 1; }, 3000), qPrintable(QString::number(motion)));
        }
        if (applyRunning) {
            QCOMPARE(setup.load(), 0);
            g_api.setApplying(0); // the earlier run ends
            QTRY_COMPARE(setup.load(), 1);
        }
        client.join();
        dalTestFlush();
        QCoreApplication::processEvents();
        QCOMPARE(motion.load(), 400);
        // The apply thread's part is still to come: the flag stays set.
        QCOMPARE(g_api.applying(), 1);
        QVERIFY(!QFile::exists(fx.root.file("/tmp/rs.conf")));
    }

    // Network settings from a client over the settings in force (address
    // 192.0.2.7 by DHCP, ports 8100 and 80): what the text leaves out stays,
    // the flash file is written only for a change, and a change that does
    // not reach it is told.
    void networkText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("flashFails");
        QTest::addColumn<QByteArray>("settings"); // "dhcp ip port web"
        QTest::addColumn<bool>("committed");
        QTest::addColumn<bool>("told");
        QTest::newRow("only a port") << QByteArray("port:8200") << false << QByteArray("1 192.0.2.7 8200 80") << true << false;
        QTest::newRow("only the address") << QByteArray("dhcp:0 ip:192.0.2.9") << false << QByteArray("0 192.0.2.9 8100 80")
                                          << true << false;
        QTest::newRow("the settings in force") << QByteArray("dhcp:1 ip:192.0.2.7 port:8100 webport:80") << false
                                               << QByteArray("1 192.0.2.7 8100 80") << false << false;
        QTest::newRow("nothing named") << QByteArray("x") << false << QByteArray("1 192.0.2.7 8100 80") << false << false;
        QTest::newRow("change, flash refuses") << QByteArray("port:8300") << true << QByteArray("1 192.0.2.7 8300 80") << false
                                               << true;
    }

    void networkText()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, flashFails);
        QFETCH(QByteArray, settings);
        QFETCH(bool, committed);
        QFETCH(bool, told);
        TNetFixture fx;
        for (int live = 0; live < 2; ++live) {
            auto* a = static_cast<PropNetaddr*>(fx.cfg->getsection(IDX_PROP_NETADDR, live));
            a->dhcp = 1;
            a->dnsauto = 0;
            qstrcpy(a->ip, "192.0.2.7");
            auto* port = static_cast<PropNetport*>(fx.cfg->getsection(IDX_PROP_NETPORT, live));
            port->watch = port->search = port->setup = 8100;
            port->web = 80;
        }
        QCOMPARE(fx.cfg->save(-1), 0);
        QCOMPARE(fx.cfg->commitfile(), 0);
        const QByteArray flash = fx.root.read(fx.cfg->confPath());
        QVERIFY(QFile::remove(fx.root.file("/dvr/config.tmp")));
        if (flashFails)
            TFlashFile::setFaultHook([](TFlashFile::Step step, const QString&) { return step == TFlashFile::StepRename ? EIO : 0; });
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        sendPacket(DNPC_CAPS_NETWORK, TPayload().text(text).bytes);
        TFlashFile::setFaultHook(nullptr);
        const auto* a = fx.live<PropNetaddr>(IDX_PROP_NETADDR);
        const auto* port = fx.live<PropNetport>(IDX_PROP_NETPORT);
        QCOMPARE(QByteArray::number(a->dhcp) + ' ' + a->ip + ' ' + QByteArray::number(port->watch) + ' '
                     + QByteArray::number(port->web),
                 settings);
        QCOMPARE(fx.root.read(fx.cfg->confPath()) != flash, committed);
        QCOMPARE(QFile::exists(fx.root.file("/dvr/config.tmp")), committed);
        QCOMPARE(codes(spy).contains(SIG_STATE_START), told);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNetpackTest)
#include "tdvrapi-netpacktest.moc"
