#include "tnetfixture.h"

class TDvrApiNetaddrTest : public QObject
{
    Q_OBJECT
private slots:
    void addrSetdevice_data()
    {
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<int>("dnsauto");
        QTest::addColumn<QByteArray>("ip");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<QStringList>("calls");
        const QString app = "DalSetAppInfo(\"dvr-1\",0x01020304)", rest = "/255.255.0.0 gw 192.0.2.1 dns 192.0.2.53)";
        QTest::newRow("fixed: no dns choice") << 0 << 1 << QByteArray("192.0.2.5") << false
                                              << QStringList{"DalNetSetEth0(dhcp:0 dns:0 192.0.2.5" + rest, app};
        QTest::newRow("dhcp with its dns") << 1 << 1 << QByteArray("192.0.2.5") << false
                                           << QStringList{"DalNetSetEth0(dhcp:1 dns:1 192.0.2.5" + rest, app};
        // A fixed address that is not four numbers 0..255 leaves the
        // interface as it is; the name still goes.
        QTest::newRow("numbers above 255 refused") << 0 << 0 << QByteArray("300.1.2.259") << false
                                                   << QStringList{app};
        QTest::newRow("not a dotted quad refused") << 0 << 0 << QByteArray("host.lan") << false << QStringList{app};
        QTest::newRow("negative number refused") << 0 << 0 << QByteArray("-1.2.3.4") << false << QStringList{app};
        QTest::newRow("five numbers refused") << 0 << 0 << QByteArray("1.2.3.4.5") << false << QStringList{app};
        QTest::newRow("three numbers refused") << 0 << 0 << QByteArray("1.2.3") << false << QStringList{app};
        QTest::newRow("255 taken") << 0 << 0 << QByteArray("255.0.0.255") << false
                                   << QStringList{"DalNetSetEth0(dhcp:0 dns:0 255.0.0.255" + rest, app};
        // Under DHCP the stored address is not used: it goes as 0.0.0.0.
        QTest::newRow("dhcp: a bad text as zeros") << 1 << 0 << QByteArray("300.1.2.259") << false
                                                   << QStringList{"DalNetSetEth0(dhcp:1 dns:0 0.0.0.0" + rest, app};
        QTest::newRow("skip network") << 0 << 0 << QByteArray("192.0.2.5") << true << QStringList{app};
    }

    void addrSetdevice()
    {
        QFETCH(int, dhcp);
        QFETCH(int, dnsauto);
        QFETCH(QByteArray, ip);
        QFETCH(bool, skip);
        TNetFixture fx;
        auto* a = fx.live<PropNetaddr>(IDX_PROP_NETADDR);
        *a = {0, int16_t(dhcp), "dvr-1", {}, {}, {}, "255.255.0.0", "192.0.2.1", "192.0.2.53", dnsauto};
        qstrcpy(a->ip, ip.constData());
        fx.live<PropDevices>(IDX_PROP_DEVICES)->version = 1234;
        g_api.m_skipNetwork = skip;
        QCOMPARE(g_api.addrSetdevice(), 0);
        g_api.m_skipNetwork = 0;
        QTEST(journal(), "calls");
    }

    // The address in force reaches the texts of the reply; a failed read
    // leaves them. The configuration keeps the stored address either way:
    // reading the interface is not a change of settings.
    void checkIp()
    {
        TNetFixture fx;
        const Eth0Info eth = {1, 1, {198, 51, 100, 20}, {}, {}, {}, {}, {}};
        dalTestSetEth0(&eth);
        qstrcpy(g_api.m_eth0Text[0], "0.0.0.0");
        for (bool fails : {true, false}) {
            qstrcpy(fx.live<PropNetaddr>(IDX_PROP_NETADDR)->ip, "192.0.2.99");
            qstrcpy(static_cast<PropNetaddr*>(fx.cfg->getsection(IDX_PROP_NETADDR, 0))->ip, "192.0.2.99");
            fails ? dalTestFail("DalNetGetEth0", -1) : dalTestClearFails();
            g_api.checkIp();
            QCOMPARE(QByteArray(g_api.m_eth0Text[0]), fails ? "0.0.0.0" : "198.51.100.20");
            QCOMPARE(QByteArray(fx.live<PropNetaddr>(IDX_PROP_NETADDR)->ip), QByteArray("192.0.2.99"));
            QCOMPARE(fx.cfg->ismodified(), 0);
        }
    }

    // The network service set a new address: the windows hear of it on
    // their thread, with the texts already read again; the live copy keeps
    // the address the operator stored (a lease is no setting).
    void settingsChangedOnGuiThread()
    {
        QObject receiver; // outlives the layer's threads (the fixture)
        TNetFixture fx;
        const Eth0Info eth = {1, 1, {198, 51, 100, 20}, {255, 255, 255, 0}, {198, 51, 100, 1}, {}, {}, {}};
        dalTestSetEth0(&eth);
        QThread* emittedIn = nullptr;
        QByteArray text, live;
        const QByteArray stored = fx.live<PropNetaddr>(IDX_PROP_NETADDR)->ip;
        connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver,
                [&](int type) {
                    if (type != SIG_NET_DHCP)
                        return;
                    emittedIn = QThread::currentThread();
                    text = g_api.m_eth0Text[0];
                    live = fx.live<PropNetaddr>(IDX_PROP_NETADDR)->ip;
                },
                Qt::DirectConnection);
        QCOMPARE(dalTestNet(CBT_NET_SET, nullptr, 0, 0, nullptr), 0);
        QTRY_VERIFY(emittedIn);
        QCOMPARE(emittedIn, QThread::currentThread());
        QCOMPARE(text, QByteArray("198.51.100.20"));
        QCOMPARE(live, stored);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNetaddrTest)
#include "tdvrapi-netaddrtest.moc"
