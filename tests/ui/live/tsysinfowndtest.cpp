// The system information window with the main window's side played here:
// its three requests on every show, the values handed back, its keys.
#include "livetestenv.h"
#include "tbutton.h"
#include "tsysinfownd.h"
#include "wndid.h"

#include <QtTest>

namespace {

struct Rig
{
    Rig(int disks, int version)
    {
        PropDevices* dev = static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0));
        dev->storage = disks;
        dev->version = version;
        wnd = new TSysInfoWnd(nullptr, ID_WND_SYSINFO, g_res->getSize(4));
        QObject::connect(wnd, &TSysInfoWnd::sg_request, wnd, [this](int code) {
            requests << code;
            if (code == 0) {
                g_api.checkIp();
                g_api.getNetInfo();
                wnd->setUsers(&g_api.m_netInfo);
            } else if (code == 1) {
                wnd->setHddInfo(&storage);
            }
        });
    }
    ~Rig() { delete wnd; }
    // Entry -1 is the summary.
    void disk(int i, const QString& text, int usedMB, int totalMB)
    {
        DiskEntry& d = storage.disk[qMax(0, i)];
        qstrncpy(i < 0 ? storage.summary : d.text, qPrintable(text), 64);
        (i < 0 ? storage.usedMB : d.usedMB) = usedMB;
        (i < 0 ? storage.totalMB : d.totalMB) = totalMB;
    }

    TDvrFixture fx;
    StorageInfo storage = {};
    QList<int> requests;
    TSysInfoWnd* wnd;
};

} // namespace

class TSysInfoWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // The version word as four digits; disk fields in GB with one decimal,
    // truncated: the summary on a unit with one disk row, each disk on a
    // two-disk unit.
    void fields_data()
    {
        using S = QStringList;
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<int>("disks");
        QTest::addColumn<S>("types");            // summary, or disks 0 and 1
        QTest::addColumn<QList<int>>("sizes");   // used and total MB per entry
        QTest::addColumn<S>("fields");           // HDD 1, HDD 2 (empty: no row)
        QTest::newRow("in use") << 1234 << "1.2.3.4" << 1 << S{"HDD"} << QList<int>{120000, 476940}
                                << S{"117.1/465.7 GB", ""};
        QTest::newRow("not formatted") << 3010 << "3.0.1.0" << 1 << S{"Not Format"} << QList<int>{0, 476940}
                                       << S{"Not Format465.7 GB", ""};
        QTest::newRow("four disks, whole GB") << 205 << "0.2.0.5" << 4 << S{"HDD"} << QList<int>{0, 2048} << S{"0/2 GB", ""};
        QTest::newRow("other text") << 12345 << "12.3.4.5" << 1 << S{"No HDD"} << QList<int>{5, 5} << S{"No HDD", ""};
        QTest::newRow("two disks") << 0 << "0.0.0.0" << 2 << S{"HDD", "Not Format"} << QList<int>{512, 1536, 0, 976762}
                                   << S{"0.5/1.5 GB", "Not Format953.8 GB"};
        QTest::newRow("no terminator in 64 bytes") << 1 << "0.0.0.1" << 1 << S{QString(80, 'x')}
                                                   << QList<int>{0x78787878, 0x78787878} << S{QString(64, 'x'), ""};
    }
    void fields()
    {
        QFETCH(int, version);
        QFETCH(int, disks);
        QFETCH(QStringList, types);
        QFETCH(QList<int>, sizes);
        QFETCH(QStringList, fields);
        Rig rig(disks, version);
        rig.disk(disks == 2 ? 0 : -1, types[0], sizes[0], sizes[1]);
        if (disks == 2)
            rig.disk(1, types[1], sizes[2], sizes[3]);
        else
            rig.disk(0, "Disk entry not shown", 1, 1);
        if (types[0].size() > 64) // a device field without its terminator
            memset(rig.storage.summary, 'x', sizeof rig.storage.summary);
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(rig.requests, QList<int>({0, 1, 2}));
        QTEST(rig.wnd->fieldText(TSysInfoWnd::ROW_VERSION), "versionText");
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD1), fields[0]);
        QCOMPARE(rig.wnd->hasRow(TSysInfoWnd::ROW_HDD2), !fields[1].isEmpty());
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD2), fields[1]);
        rig.wnd->setHddInfo(nullptr); // no answer keeps the fields
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_HDD1), fields[0]);
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("sysinfo-%1.png").arg(tag))));
        // Return is not this window's key; Enter presses OK, which closes
        // without asking again.
        vkeytest::key(rig.wnd, Qt::Key_Return);
        QVERIFY(rig.wnd->isVisible());
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        QTRY_VERIFY(!rig.wnd->isVisible());
        QCOMPARE(rig.requests, QList<int>({0, 1, 2}));
    }

    // The network state the stand-in reports and the oldest recording.
    void users_data()
    {
        QTest::addColumn<int>("clients");
        QTest::addColumn<QList<int>>("oldest"); // year, month, day, hour, minute, second
        QTest::addColumn<QString>("oldestText");
        QTest::newRow("two clients") << 2 << QList<int>{2024, 3, 9, 7, 5, 0} << "2024/03/09 07:05:00";
        QTest::newRow("no client, no recording") << 0 << QList<int>{0, 0, 0, 0, 0, 0} << "";
    }
    void users()
    {
        QFETCH(int, clients);
        QFETCH(QList<int>, oldest);
        Rig rig(1, 1000);
        NetClientRec rec = {};
        rec.count = clients;
        rec.watch = rec.setup = clients / 2;
        for (int i = 0; i < clients; ++i)
            rec.client[i] = NetClientEntry{i % 2 ? 3 : 1, 0, {10, 0, 0, uint8_t(5 + i)}};
        dalTestSetClients(&rec);
        const Eth0Info eth = {0, 0, {192, 168, 1, 77}, {255, 255, 255, 0}, {192, 168, 1, 1}, {8, 8, 8, 8}, {}, {}};
        dalTestSetEth0(&eth);
        std::copy(oldest.begin(), oldest.end(), g_api.m_storage.oldest);
        livetest::popup(rig.wnd);
        const QStringList list = clients ? QStringList{"10.0.0.5(Watch)", "10.0.0.6(Setup)"} : QStringList{};
        QCOMPARE(rig.wnd->clients(), list);
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_IP), QStringLiteral("192.168.1.77"));
        const QString counts = QStringLiteral("%1 0 %1").arg(clients / 2);
        QCOMPARE(QStringList({rig.wnd->fieldText(TSysInfoWnd::ROW_WATCH), rig.wnd->fieldText(TSysInfoWnd::ROW_SEARCH),
                              rig.wnd->fieldText(TSysInfoWnd::ROW_SETUP)}).join(' '), counts);
        QCOMPARE(rig.wnd->fieldText(TSysInfoWnd::ROW_MAC), QString::fromLatin1(g_api.m_netInfo.mac).toUpper());
        QVERIFY(rig.wnd->fieldText(TSysInfoWnd::ROW_MAC).contains(QRegularExpression("^[0-9A-F]{2}(:[0-9A-F]{2}){5}$")));
        QTEST(rig.wnd->fieldText(TSysInfoWnd::ROW_OLDEST), "oldestText");
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("sysinfo-users-%1.png").arg(clients))));
        // A count beyond the client table is read no further than the table.
        NetClientInfo many = g_api.m_netInfo;
        many.count = 1000;
        rig.wnd->setUsers(&many);
        QCOMPARE(rig.wnd->clients().size(), int(NetClientInfo::MAX_CLIENTS));
        memset(g_api.m_storage.oldest, 0, sizeof g_api.m_storage.oldest);
    }
};

QTEST_MAIN(TSysInfoWndTest)
#include "tsysinfowndtest.moc"
