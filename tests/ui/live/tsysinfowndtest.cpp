// The system information window, with the main window's side played here.
#include "livetestenv.h"
#include "tbutton.h"
#include "tsysinfownd.h"
#include "wndid.h"

#include <QtTest>

namespace {

struct Rig
{
    Rig(int disks, int version, bool standIn = false) : fx(standIn ? "8" : "16")
    {
        PropDevices* dev = static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0));
        dev->storage = disks;
        dev->version = version;
        wnd = new TSysInfoWnd(nullptr, ID_WND_SYSINFO, g_res->getSize(4));
        QObject::connect(wnd, &TSysInfoWnd::sg_request, wnd, [this, standIn](int code) {
            requests << code;
            if (code == 0) {
                g_api.checkIp();
                g_api.getNetInfo();
                wnd->setUsers(&g_api.m_netInfo);
            } else if (code == 1) {
                if (standIn)
                    g_api.checkStorage();
                wnd->setHddInfo(standIn ? &g_api.m_storage : &storage);
            } else if (static_cast<PropSmart*>(fx.cfg->getsection(IDX_PROP_SMART, 0))->on) {
                g_api.checkSmart();
                wnd->setTemperature(&g_api.m_smart);
            }
        });
    }
    ~Rig() { delete wnd; }
    void disk(int i, const QString& text, int usedMB, int totalMB) // entry -1: the summary
    {
        DiskEntry& d = storage.disk[qMax(0, i)];
        qstrncpy(i < 0 ? storage.summary : d.text, qPrintable(text), 64);
        (i < 0 ? storage.usedMB : d.usedMB) = usedMB;
        (i < 0 ? storage.totalMB : d.totalMB) = totalMB;
    }
    QString field(int row) const { return wnd->fieldText(row); }

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

    // Version; disks in GB (one decimal, truncated): the summary, or each disk
    // with its temperature on two-disk units; network state; oldest recording.
    // Rows without types: the stand-in's disks (the second unread by the
    // S.M.A.R.T. check), the checks on.
    void fields_data()
    {
        using S = QStringList;
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("disks");
        QTest::addColumn<S>("types");          // summary, or disks 0 and 1
        QTest::addColumn<QList<int>>("sizes"); // used and total MB per entry
        QTest::addColumn<int>("clients");
        QTest::addColumn<S>("fields");         // version, HDD 1, HDD 2 (empty: no row), oldest
        QTest::newRow("in use") << 1234 << 1 << S{"HDD"} << QList<int>{120000, 476940} << 2
                                << S{"1.2.3.4", "117.1/465.7 GB", "", "2024/03/09 07:05:00"};
        QTest::newRow("not formatted") << 3010 << 1 << S{"Not Format"} << QList<int>{0, 476940} << 0
                                       << S{"3.0.1.0", "Not Format465.7 GB", "", ""};
        QTest::newRow("other text") << 12345 << 1 << S{"No HDD"} << QList<int>{5, 5} << 0
                                    << S{"12.3.4.5", "No HDD", "", ""};
        QTest::newRow("two disks") << 0 << 2 << S{"HDD", "Not Format"} << QList<int>{512, 1536, 0, 976762} << 0
                                   << S{"0.0.0.0", "0.5/1.5 GB", "Not Format953.8 GB", ""};
        QTest::newRow("no terminator in 64 bytes") << 1 << 1 << S{QString(80, 'x')}
                                                   << QList<int>{0x78787878, 0x78787878} << 0
                                                   << S{"0.0.0.1", QString(64, 'x'), "", ""};
        const QString deg = QChar(0xB0);
        QTest::newRow("stand-in, two disks") << 1 << 2 << S{} << QList<int>{} << 0
            << S{"0.0.0.1", "111.7/456.3 GB(41" + deg + "C/105" + deg + "F)", "Not Format931.3 GB", ""};
        QTest::newRow("stand-in, one disk row") << 1 << 1 << S{} << QList<int>{} << 0 << S{"0.0.0.1", "111.7/456.3 GB", "", ""};
    }
    void fields()
    {
        QFETCH(int, version);
        QFETCH(int, disks);
        QFETCH(QStringList, types);
        QFETCH(QList<int>, sizes);
        QFETCH(int, clients);
        QFETCH(QStringList, fields);
        Rig rig(disks, version, types.isEmpty());
        if (types.isEmpty()) {
            static_cast<PropSmart*>(rig.fx.cfg->getsection(IDX_PROP_SMART, 0))->on = 1;
            for (int i = 0; i < 2; ++i) {
                DalTestDisk d = {1, 1 - i, 1 - i, 0, 500000000000ull << i, 120000000000ull, "ST", {0, 5, 0, 41, 0, 0, 9}};
                dalTestSetDisk(i, &d);
            }
            g_api.m_sdCheck.formatted[0] = 1; // as its mount reported
            TConfig::setTextHook([](int id) { return g_str->text(id); }); // the facade's texts, as main installs
        } else {
            rig.disk(disks == 2 ? 0 : -1, types[0], sizes[0], sizes[1]);
            rig.disk(1, types.value(1, "Disk entry not shown"), sizes.value(2), sizes.value(3));
        }
        if (types.value(0).size() > 64) // a device field without its terminator
            memset(rig.storage.summary, 'x', sizeof rig.storage.summary);
        NetClientRec rec = {clients, clients / 2, 0, clients / 2, {}, {{1, 0, {10, 0, 0, 5}}, {3, 0, {10, 0, 0, 6}}}};
        dalTestSetClients(&rec);
        const Eth0Info eth = {0, 0, {192, 168, 1, 77}, {255, 255, 255, 0}, {192, 168, 1, 1}, {8, 8, 8, 8}, {}, {}};
        dalTestSetEth0(&eth);
        const int oldest[6] = {2024, 3, 9, 7, 5, 0};
        std::copy(oldest, oldest + (fields[3].isEmpty() ? 0 : 6), g_api.m_storage.oldest);
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(QStringList({rig.field(TSysInfoWnd::ROW_VERSION), rig.field(TSysInfoWnd::ROW_HDD1),
                              rig.field(TSysInfoWnd::ROW_HDD2), rig.field(TSysInfoWnd::ROW_OLDEST)}), fields);
        QCOMPARE(rig.wnd->hasRow(TSysInfoWnd::ROW_HDD2), disks == 2);
        QCOMPARE(rig.wnd->clients(), QStringList({"10.0.0.5(Watch)", "10.0.0.6(Setup)"}).mid(0, clients));
        QCOMPARE(QStringList({rig.field(TSysInfoWnd::ROW_WATCH), rig.field(TSysInfoWnd::ROW_SEARCH),
                              rig.field(TSysInfoWnd::ROW_SETUP), rig.field(TSysInfoWnd::ROW_IP)}),
                 QStringLiteral("%1 0 %1 192.168.1.77").arg(clients / 2).split(' '));
        QVERIFY(rig.field(TSysInfoWnd::ROW_MAC).contains(QRegularExpression("^[0-9A-F]{2}(:[0-9A-F]{2}){5}$")));
        if (clients == 2 || types.isEmpty()) {
            const QString name = clients == 2 ? QStringLiteral("clients") : QStringLiteral("standin-%1disk").arg(disks);
            QVERIFY(rig.wnd->grab().save(vkeytest::grabPath(QStringLiteral("sysinfo-%1.png").arg(name))));
        }
        // A client count beyond the table is read no further than the table.
        NetClientInfo many = g_api.m_netInfo;
        many.count = 1000;
        rig.wnd->setUsers(&many);
        QCOMPARE(rig.wnd->clients().size(), int(NetClientInfo::MAX_CLIENTS));
        // Return is not this window's key; Enter presses OK: it closes.
        vkeytest::key(rig.wnd, Qt::Key_Return);
        QVERIFY(rig.wnd->isVisible());
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        QTRY_VERIFY(!rig.wnd->isVisible());
        QCOMPARE(rig.requests, QList<int>({0, 1, 2})); // in this order, once, nothing on closing
    }

    // At a screen scale other than 1 the background image is drawn scaled
    // to the window: its frame runs along every edge.
    void backgroundScaled_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("one and a half") << 1.5;
        QTest::newRow("three quarters") << 0.75;
    }
    void backgroundScaled()
    {
        QFETCH(double, scale);
        struct Scale {
            explicit Scale(double f) { g_res->setScale(f); }
            ~Scale() { g_res->setScale(1.0); }
        } scaled(scale);
        Rig rig(1, 1234);
        QCOMPARE(rig.wnd->size(), QSize(g_res->scale(380), g_res->scale(300)));
        QVERIFY(livetest::popup(rig.wnd));
        const QImage img = rig.wnd->grab().toImage().convertToFormat(QImage::Format_RGB32);
        img.save(vkeytest::grabPath(QStringLiteral("sysinfo-scale-%1.png").arg(scale)));
        const QImage want = g_res->getImage(125)
                                ->scaled(rig.wnd->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        const int w = img.width(), h = img.height();
        const QPoint edges[] = {{2, h / 2}, {w - 3, h / 2}, {w / 2, h - 3}, {w - 12, h - 3}, {w - 3, h - 12}, {w - 12, 2}};
        for (const QPoint& p : edges)
            QVERIFY2(img.pixel(p) == want.pixel(p), qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }
};

QTEST_MAIN(TSysInfoWndTest)
#include "tsysinfowndtest.moc"
