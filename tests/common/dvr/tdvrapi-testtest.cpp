// The board test's device side: its bring-up as the stand-in's journal
// shows it, its reduced callbacks delivered from the stand-in's threads,
// and the backup-device and serial-port answers.
#include "dvrkeys.h"
#include "tlivefixture.h"

#include "tsignallog.h"
#include <QThread>
#include <atomic>
#include <cstring>

Q_DECLARE_METATYPE(QVector<int>)

namespace {
// The journal lines, oldest first.
QStringList journal()
{
    QStringList out;
    char line[512];
    for (int i = 0; dalTestJournalLine(i, line, sizeof line) == 0; ++i)
        out << QString::fromUtf8(line);
    return out;
}

// The index of the first line at or after from that starts with head; -1.
int lineOf(const QStringList& lines, const QString& head, int from = 0)
{
    for (int i = qMax(0, from); i < lines.size(); ++i)
        if (lines[i].startsWith(head))
            return i;
    return -1;
}

// Runs the board test's bring-up with the given arguments.
void bringUp(const QStringList& args)
{
    QVector<QByteArray> bytes;
    for (const QString& a : args)
        bytes << a.toUtf8();
    QVector<char*> argv;
    for (QByteArray& b : bytes)
        argv << b.data();
    argv << nullptr;
    // Ticks only when a test steps them: a tick of its own could come
    // between an event and the marker that follows it.
    dalTestSetManualTicks(1);
    g_api.dvrTestInit(args.size(), argv.data());
}

// The notification codes seen on spy, in order.
QVector<int> codes(const TSignalLog& spy)
{
    QVector<int> out;
    for (const QList<QVariant>& args : spy)
        out << args.at(0).toInt();
    return out;
}

// One event of a family through the stand-in's own threads.
enum Family { IO, ENC, NET, BACKUP, SERIAL };

void inject(int family, int type, int from, int data, const char* text)
{
    switch (family) {
    case IO: dalTestIo(type, from, data); break;
    case ENC: dalTestEnc(type, from, data, text); break;
    case NET: dalTestNet(type, text, text ? int(qstrlen(text)) + 1 : 0, data, nullptr); break;
    case BACKUP: dalTestBackup(type, data, nullptr, 0, text); break;
    default: {
        const int32_t rec[4] = {0, from, 0, data};
        dalTestSerial(type, rec);
        break;
    }
    }
}

// An event of the family that is always announced: what arrives before
// its notification was caused by the events injected earlier.
void injectMarker(int family)
{
    switch (family) {
    case IO: dalTestIo(CBT_IO_TIME, 0, 1); break;
    case ENC: dalTestEnc(CBT_ENC_SD_FORMAT, 0, 0, "mark"); break;
    case NET: dalTestNet(CBT_NET_SET, nullptr, 0, 0, nullptr); break;
    case BACKUP: dalTestBackup(CBT_BACKUP_SCAN_BD, 0, nullptr, 0, nullptr); break;
    default: inject(SERIAL, CBT_VELOR_TEST, 7, 7, nullptr); break;
    }
}

int markerCode(int family)
{
    const int codes[] = {SIG_IO_TIME, SIG_MSG_FORMAT, SIG_NET_DHCP, SIG_BD_DETECT, SIG_VELOR_TEST};
    return codes[family];
}
}

class TDvrApiBoardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QVector<int>>(); }

    // The order of the bring-up, the FPGA image of the 20-channel board and
    // the network's test form chosen by "-daemon".
    void bringUpOrder_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("fpgaOption"); // m_fpga before the bring-up
        QTest::addColumn<QString>("fpgaLine");      // empty: no FPGA load
        QTest::addColumn<bool>("fixedAddress");
        const QString image = "DalCmd(\"fpgaconf\",\"/dvr/fpga.bin\",128)";
        QTest::newRow("16 channels, no option") << "16" << QStringList{"dvrui"} << QByteArray() << QString() << false;
        QTest::newRow("20-channel Kea board loads the default image")
            << "20" << QStringList{"dvrui"} << QByteArray() << image << false;
        QTest::newRow("the image of the option") << "20pal" << QStringList{"dvrui", "--fpga", "/dvr/other.bin"}
                                                 << QByteArray("/dvr/other.bin")
                                                 << "DalCmd(\"fpgaconf\",\"/dvr/other.bin\",128)" << false;
        QTest::newRow("-daemon after the name: fixed address")
            << "16" << QStringList{"dvrui", "-x", "--daemonize"} << QByteArray() << QString() << true;
        QTest::newRow("the program name is not examined")
            << "20" << QStringList{"/dvr/dvrui-daemon"} << QByteArray() << image << false;
    }

    void bringUpOrder()
    {
        QFETCH(QString, profile);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, fpgaOption);
        QFETCH(QString, fpgaLine);
        QFETCH(bool, fixedAddress);
        TLiveFixture fx(profile.toLatin1().constData());
        qstrncpy(g_api.m_fpga, fpgaOption.constData(), sizeof g_api.m_fpga);
        dalTestJournalClear();
        bringUp(args);
        const QStringList lines = journal();

        // The steps in their order; each found after the one before.
        const QStringList steps{"DalInit()",
                                "DalGetCaps(",
                                "DalVoutSetCaps(0,0)",
                                "DalVoutSetViw(0,0,0,0,0)",
                                "DalIoSetCb(ptr,ptr)",
                                "DalEncrSetCb(ptr,ptr,ptr)",
                                "DalNetSetCb(ptr,ptr)",
                                "DalBackupSetCb(ptr,ptr)",
                                "DalIoSetRmc(-1,128)",
                                "DalVinSetCb(ptr,ptr)",
                                "DalSerialTestSetCb(ptr,ptr)",
                                "DalIoSetSensor(0,1,0)",
                                "DalStart()",
                                "DalEncrMountSd()",
                                "DalNetGetEth0(ptr)",
                                "DalSetAppInfo(",
                                "DalVoutSetLayout(2,"};
        int at = -1;
        for (const QString& step : steps) {
            const int next = lineOf(lines, step, at + 1);
            QVERIFY2(next > at, qPrintable(step + " missing or out of order in\n" + lines.join('\n')));
            at = next;
        }
        // The FPGA image comes between the capabilities and the outputs.
        const int fpga = lineOf(lines, "DalCmd(\"fpgaconf\"");
        if (fpgaLine.isEmpty()) {
            QCOMPARE(fpga, -1);
        } else {
            QCOMPARE(lines.value(fpga), fpgaLine);
            QVERIFY(fpga > lineOf(lines, "DalGetCaps(") && fpga < lineOf(lines, "DalVoutSetCaps(0,0)"));
        }
        // The fixed test address is set only in the daemon's form, after the start.
        const int eth = lineOf(lines, "DalNetSetEth0(dhcp:0 dns:0 192.168.251.100", lineOf(lines, "DalStart()"));
        QCOMPARE(eth >= 0, fixedAddress);

        DalTestState st;
        dalTestGetState(&st);
        QCOMPARE(st.running, 1);
        QVERIFY(st.ioRegistered && st.encRegistered && st.vinRegistered);
        const int sensors = fx.live<PropDevices>(IDX_PROP_DEVICES)->sensors;
        QCOMPARE(st.sensorConfigured, sensors >= 32 ? ~0u : (1u << sensors) - 1);
        DalTestIoOut io;
        dalTestGetIoOut(&io);
        QCOMPARE(io.rmcId, -1);
        // The MAC text the dialog shows is the device's.
        QString mac;
        g_api.getEthAddr(mac);
        QCOMPARE(QString::fromLatin1(g_api.m_netInfo.mac), mac);
        QCOMPARE(g_api.m_voutCaps, &g_api.m_voutCapsRec);
        QCOMPARE(g_api.m_numLayout, g_api.m_voutCapsRec.numLayout);
    }

    // The name and the firmware version as the device layer takes them.
    void appInfo()
    {
        TLiveFixture fx;
        qstrcpy(fx.live<PropNetaddr>(IDX_PROP_NETADDR)->name, "bench-7");
        fx.live<PropDevices>(IDX_PROP_DEVICES)->version = 1203;
        dalTestJournalClear();
        bringUp({"dvrui"});
        QCOMPARE(journal().filter("DalSetAppInfo(").value(0), QString("DalSetAppInfo(\"bench-7\",0x01020003)"));
    }

    // Each test callback takes its own codes only: the notifications that
    // reach the GUI thread before a marker event of the same family.
    void callbacksTakeOwnCodes_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("data");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("front key") << int(IO) << int(CBT_IO_KEY) << 1 << int(KEY_MENU) << QVector<int>{SIG_IO_KEY};
        QTest::newRow("remote key") << int(IO) << int(CBT_IO_RMCKEY) << 2 << int(KEY_PLAY)
                                    << QVector<int>{SIG_IO_RMCKEY};
        QTest::newRow("sensor") << int(IO) << int(CBT_IO_SENSOR) << 3 << 1 << QVector<int>{SIG_IO_SENSOR};
        QTest::newRow("jog: ignored") << int(IO) << int(CBT_IO_JOG) << 1 << 1 << QVector<int>{};
        QTest::newRow("shuttle: ignored") << int(IO) << int(CBT_IO_SHUTTLE) << 1 << 3 << QVector<int>{};
        QTest::newRow("remote id: ignored") << int(IO) << int(CBT_IO_RMCID) << 1 << 5 << QVector<int>{};
        QTest::newRow("layout key: only named") << int(IO) << int(CBT_IO_KEY) << 1 << int(KEY_KR22)
                                                << QVector<int>{SIG_IO_KEY};
        QTest::newRow("disk mounted") << int(ENC) << int(CBT_ENC_SD_MOUNT) << 0 << 0 << QVector<int>{SIG_SD_INFO};
        QTest::newRow("format text") << int(ENC) << int(CBT_ENC_SD_FORMAT) << 0 << 0 << QVector<int>{SIG_MSG_FORMAT};
        QTest::newRow("disk check text") << int(ENC) << int(CBT_ENC_SD_CHECK) << 0 << 0
                                         << QVector<int>{SIG_MSG_FORMAT};
        QTest::newRow("database check text") << int(ENC) << int(CBT_ENC_DB_CHECK) << 0 << 0
                                             << QVector<int>{SIG_MSG_FORMAT};
        QTest::newRow("database rebuild text") << int(ENC) << int(CBT_ENC_DB_REBUILD) << 0 << 0
                                               << QVector<int>{SIG_MSG_FORMAT};
        QTest::newRow("recording state: ignored") << int(ENC) << int(CBT_ENC_CH_STATE) << 1 << 1 << QVector<int>{};
        QTest::newRow("disk write error: no log") << int(ENC) << int(CBT_ENC_WRITE_ERR) << 0 << 0 << QVector<int>{};
        QTest::newRow("S.M.A.R.T.: no alarm") << int(ENC) << int(CBT_ENC_SMART) << 0 << 1 << QVector<int>{};
        QTest::newRow("address set") << int(NET) << int(CBT_NET_SET) << 0 << 0 << QVector<int>{SIG_NET_DHCP};
        QTest::newRow("cable: no log") << int(NET) << int(CBT_NET_LINK) << 0 << 1 << QVector<int>{};
        QTest::newRow("remote login: no log") << int(NET) << int(CBT_NET_LOGIN) << 0 << 0 << QVector<int>{};
        QTest::newRow("firmware start: ignored") << int(NET) << int(CBT_NET_FU_START) << 0 << 0 << QVector<int>{};
        QTest::newRow("device scan") << int(BACKUP) << int(CBT_BACKUP_SCAN_BD) << 0 << 0
                                     << QVector<int>{SIG_BD_DETECT};
        QTest::newRow("device mounted: ignored") << int(BACKUP) << int(CBT_BACKUP_MOUNT) << 0 << 1 << QVector<int>{};
        QTest::newRow("copy ended: ignored") << int(BACKUP) << int(CBT_BACKUP_COPY_END) << 0 << 0 << QVector<int>{};
        QTest::newRow("serial ports") << int(SERIAL) << int(CBT_VELOR_TEST) << 1 << 0
                                      << QVector<int>{SIG_VELOR_TEST};
        QTest::newRow("other serial code") << int(SERIAL) << int(CBT_VELOR_TEST + 1) << 1 << 1 << QVector<int>{};
    }

    void callbacksTakeOwnCodes()
    {
        QFETCH(int, family);
        QFETCH(int, type);
        QFETCH(int, from);
        QFETCH(int, data);
        QFETCH(QVector<int>, expected);
        TLiveFixture fx;
        bringUp({"dvrui"});
        // What the bring-up announced (the disk mount) is heard first.
        dalTestFlush();
        QCoreApplication::processEvents();
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        injectMarker(family);
        QTRY_VERIFY(codes(out).contains(markerCode(family)));
        out.clear();
        const int logs = g_api.lastLogs(nullptr, 0);

        inject(family, type, from, data, "text");
        injectMarker(family);
        const int marker = markerCode(family);
        QTRY_COMPARE(codes(out).count(marker), 1 + expected.count(marker));
        QVector<int> seen = codes(out);
        seen.resize(seen.lastIndexOf(marker));
        QCOMPARE(seen, expected);
        // The layer's text reaches the dialog as the second text.
        if (expected == QVector<int>{SIG_MSG_FORMAT})
            QCOMPARE(out.at(0).at(5).toString(), QString("text"));
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs);
        QCOMPARE(g_api.m_panic.load(), 0);
        DalTestIoOut io;
        dalTestGetIoOut(&io);
        QCOMPARE(io.relays, 0u);
        QCOMPARE(io.buzzer, 0);
    }

    // Keys arrive with their state and Qt key; the panic key is only named.
    void keysAreNamedOnly_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("qtKey");
        QTest::newRow("remote panic press") << int(CBT_IO_RMCKEY) << 1 << int(KEY_PANIC) << int(SIG_IO_RMCKEY)
                                            << int(Qt::Key_F9);
        QTest::newRow("front panic press") << int(CBT_IO_KEY) << 1 << int(KEY_PANIC) << int(SIG_IO_KEY)
                                           << int(Qt::Key_F9);
        QTest::newRow("remote menu release") << int(CBT_IO_RMCKEY) << 2 << int(KEY_MENU) << int(SIG_IO_RMCKEY)
                                             << int(Qt::Key_Menu);
        QTest::newRow("front fast backward keeps its key") << int(CBT_IO_KEY) << 1 << int(KEY_FB) << int(SIG_IO_KEY)
                                                           << int(Qt::Key_F24);
        QTest::newRow("unknown code") << int(CBT_IO_KEY) << 1 << 0x7f7f7f7f << int(SIG_IO_KEY) << 0;
    }

    void keysAreNamedOnly()
    {
        QFETCH(int, type);
        QFETCH(int, state);
        QFETCH(int, code);
        QFETCH(int, signal);
        QFETCH(int, qtKey);
        TLiveFixture fx;
        bringUp({"dvrui"});
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        const int logs = g_api.lastLogs(nullptr, 0);
        dalTestIo(type, state, code);
        QTRY_VERIFY(codes(out).contains(signal));
        const QList<QVariant> args = out.at(codes(out).indexOf(signal));
        QCOMPARE(args.at(1).toInt(), state);
        QCOMPARE(args.at(2).toInt(), qtKey);
        QVERIFY(!codes(out).contains(SIG_IO_PANIC));
        QCOMPARE(g_api.m_panic.load(), 0);
        QCOMPARE(g_api.lastLogs(nullptr, 0), logs);
    }

    // Whether the scan found a medium a backup can go to, and the asking
    // window and request carried back.
    void backupDeviceScan_data()
    {
        QTest::addColumn<bool>("usb");
        QTest::addColumn<qulonglong>("usbSize");
        QTest::addColumn<bool>("disc");
        QTest::addColumn<bool>("listFails");
        QTest::addColumn<int>("usable");
        QTest::newRow("nothing") << false << 0ull << false << false << 0;
        QTest::newRow("stick with room") << true << 8000000000ull << false << false << 1;
        QTest::newRow("stick of size 0") << true << 0ull << false << false << 0;
        QTest::newRow("disc, no stick") << false << 0ull << true << false << 1;
        QTest::newRow("disc beside a stick of size 0") << true << 0ull << true << false << 1;
        QTest::newRow("list not read: nothing usable") << true << 8000000000ull << true << true << 0;
    }

    void backupDeviceScan()
    {
        QFETCH(bool, usb);
        QFETCH(qulonglong, usbSize);
        QFETCH(bool, disc);
        QFETCH(bool, listFails);
        QFETCH(int, usable);
        TLiveFixture fx;
        bringUp({"dvrui"});
        dalTestBackupMedia(0, usb, usbSize, 0);
        dalTestBackupMedia(1, disc, disc ? 4700000000ull : 0, 0);
        if (listFails)
            dalTestFail("DalBackupGetBd", -1);
        g_api.m_bdWin = 12;
        g_api.m_bdAct = 34;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        QString text;
        QCOMPARE(g_api.testScanBd(&text), &text);
        QCOMPARE(text, QString("Please wait"));
        QTRY_VERIFY(codes(out).contains(SIG_BD_DETECT));
        const QList<QVariant> args = out.at(codes(out).indexOf(SIG_BD_DETECT));
        QCOMPARE(args.at(1).toInt(), 12);
        QCOMPARE(args.at(2).toInt(), 34);
        QCOMPARE(args.at(3).toInt(), usable);
        // The dialog reads the list the scan read.
        if (!listFails) {
            const BdList list = g_api.bdList();
            QCOMPARE(list.bd[0].state, usb ? 1 : 0);
            QCOMPARE(qulonglong(list.bd[0].size), usbSize);
            QCOMPARE(list.bd[1].state, disc ? 2 : 1);
        }
    }

    // The record configuration: continuous recording on every channel of
    // the unit, nothing else.
    void recordConfiguration_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("channels");
        QTest::newRow("4") << "4" << 4;
        QTest::newRow("16") << "16" << 16;
        QTest::newRow("20") << "20" << 20;
    }

    void recordConfiguration()
    {
        QFETCH(QString, profile);
        QFETCH(int, channels);
        TLiveFixture fx(profile.toLatin1().constData());
        bringUp({"dvrui"});
        EncCfg cfg[DAL_MAX_CH];
        std::memset(cfg, 0x5a, sizeof cfg);
        QCOMPARE(dalTestEncCfg(nullptr, cfg), 0);
        for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
            EncCfg want;
            std::memset(&want, 0, sizeof want);
            if (ch < channels) {
                want.contOn = 1;
                want.contQual = 3;
                want.contFps = 2;
            }
            QVERIFY2(std::memcmp(&cfg[ch], &want, sizeof want) == 0, qPrintable(QString("channel %1").arg(ch)));
        }
    }

    // The RS-485 test command goes round the serial test loops; the two
    // ports' results come back from the layer's thread.
    void serialPortTest_data()
    {
        QTest::addColumn<bool>("uart1");
        QTest::addColumn<bool>("uart2");
        QTest::newRow("both loops closed") << true << true;
        QTest::newRow("port 1 open") << false << true;
        QTest::newRow("port 2 open") << true << false;
    }

    void serialPortTest()
    {
        QFETCH(bool, uart1);
        QFETCH(bool, uart2);
        QObject receiver; // outlives the layer's threads (the fixture)
        TLiveFixture fx;
        bringUp({"dvrui"});
        QCOMPARE(dalTestSerialLoop(1, uart1), 0);
        QCOMPARE(dalTestSerialLoop(2, uart2), 0);
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        std::atomic<Qt::HANDLE> emittedOn{nullptr}; // written on the layer's thread
        const Qt::HANDLE gui = QThread::currentThreadId();
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver,
                [&, gui](int type) {
                    if (type == SIG_VELOR_TEST && QThread::currentThreadId() != gui)
                        emittedOn = QThread::currentThreadId();
                },
                Qt::DirectConnection);
        QVERIFY(g_api.testPtz() >= 0);
        QTRY_VERIFY(codes(out).contains(SIG_VELOR_TEST));
        const QList<QVariant> args = out.at(codes(out).indexOf(SIG_VELOR_TEST));
        QCOMPARE(args.at(1).toInt(), uart1 ? 1 : 0);
        QCOMPARE(args.at(2).toInt(), uart2 ? 1 : 0);
        // The queued copy may arrive before the direct one has run.
        QTRY_VERIFY(emittedOn.load());
    }

    // The serial callback with no context or no record does nothing.
    void serialCallbackGuards()
    {
        TLiveFixture fx;
        TSignalLog out(&g_api, &TDVRAPI::sg_dvrNotify);
        const int32_t rec[4] = {0, 1, 0, 1};
        QCOMPARE(TDVRAPI::cbVelorTestThunk(nullptr, CBT_VELOR_TEST, rec), 0);
        QCOMPARE(TDVRAPI::cbVelorTestThunk(&g_api, CBT_VELOR_TEST, nullptr), 0);
        QCOMPARE(TDVRAPI::cbBackupBdThunk(nullptr, CBT_BACKUP_SCAN_BD, 0, nullptr), 0);
        QCOMPARE(CbTestIo(nullptr, CBT_IO_KEY, 1, KEY_MENU), 0);
        QCOMPARE(CbTestEncNotify(nullptr, CBT_ENC_SD_MOUNT, 0, 0, nullptr), 0);
        QCOMPARE(CbTestNet(nullptr, CBT_NET_SET, nullptr, 0, nullptr, 0), 0);
        QCOMPARE(CbTestEncCfg(&g_api, nullptr, nullptr), 0);
        QCoreApplication::processEvents();
        QCOMPARE(out.count(), 0);
    }

    // An address change: the texts the dialog reads are those of the
    // address in force by the time it hears of the change.
    void addressChange()
    {
        QObject receiver; // outlives the layer's threads (the fixture)
        TLiveFixture fx;
        bringUp({"dvrui"});
        const Eth0Info eth = {1, 1, {198, 51, 100, 20}, {255, 255, 255, 0}, {198, 51, 100, 1}, {198, 51, 100, 53},
                              {}, {}};
        dalTestSetEth0(&eth);
        QStringList seen;
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver, [&](int type) {
            if (type == SIG_NET_DHCP)
                seen << QString::fromLatin1(g_api.m_eth0Text[0]) << QString::fromLatin1(g_api.m_eth0Text[2]);
        });
        // The network callback answers the layer at once.
        QCOMPARE(dalTestNet(CBT_NET_SET, nullptr, 0, 0, nullptr), 0);
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen.mid(seen.size() - 2), (QStringList{"198.51.100.20", "198.51.100.1"}));
    }
};

QTEST_MAIN(TDvrApiBoardTest)
#include "tdvrapi-testtest.moc"
