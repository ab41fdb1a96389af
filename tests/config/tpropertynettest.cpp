#include "fakedvr.h"

#include <QtTest>
#include <memory>

using Prop = std::unique_ptr<TProperty>;

namespace {

QList<int> netFields(const TProperty& p, int c)
{
    const RecordEntry& e = p.m_netcontrol.entry[c];
    return {p.m_netcontrol.mainOn[c], e.mode, e.cridx, e.cqual, e.cfidx,
            p.m_netcontrol.subOn[c], e.eridx, e.equal, e.efidx};
}

} // namespace

// Network sections: NETADDR, NETPORT, NETEMAIL, NETCONTROL and NETDDNS.
class TPropertyNetTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TFakeDvr::install(); }
    void cleanup() { TFakeDvr::uninstall(); }

    void netaddrDefaultsAndRoundTrip()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices()));
        const PropNetaddr& a = p->m_netaddr;
        QCOMPARE(int(a.dhcp), 1);
        QCOMPARE(QByteArray(a.name), QByteArray("DVR 1"));
        QCOMPARE(QByteArray(a.mask), QByteArray("255.255.255.0"));
        QCOMPARE(QByteArray(a.dns), QByteArray(p->m_default.dns));
        QCOMPARE(a.pppid[0], '\0');
        qstrncpy(p->m_netaddr.ppppw, "secret", 64);
        qstrncpy(p->m_netaddr.ip, "10.0.0.7", 32);
        p->m_netaddr.dhcp = 0;
        p->m_netaddr.type = 1;
        p->save(IDX_PROP_NETADDR);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniValue(ini, "NETADDR", "ppppw"), QByteArray("secret")); // kept in plain
        QCOMPARE(iniKeyCount(ini, "NETADDR"), 10);
        Prop q(propertyWithRecords(root, ini, testDevices()));
        QCOMPARE(std::memcmp(&q->m_netaddr, &p->m_netaddr, sizeof(PropNetaddr)), 0);
    }
    void netport_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QList<int>>("ports"); // watch search setup web
        QTest::newRow("defaults") << QByteArray() << QList<int>{8000, 8000, 8000, 80};
        QTest::newRow("watch 7999") << QByteArray("watch=7999") << QList<int>{8000, 8000, 8000, 80};
        QTest::newRow("setup 10000") << QByteArray("setup=10000") << QList<int>{8000, 8000, 8000, 80};
        QTest::newRow("service 9999") << QByteArray("setup=9999") << QList<int>{8000, 8000, 9999, 80};
        QTest::newRow("web 80") << QByteArray("web=80") << QList<int>{8000, 8000, 8000, 80};
        QTest::newRow("web 8080") << QByteArray("web=8080") << QList<int>{8000, 8000, 8000, 8080};
        // 73616 narrows to 16 bits as 8080.
        QTest::newRow("narrowed first") << QByteArray("watch=73616") << QList<int>{8080, 8000, 8000, 80};
        QTest::newRow("not a number") << QByteArray("web=http") << QList<int>{8000, 8000, 8000, 80};
    }
    void netport()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QList<int>, ports);
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[NETPORT]\n" + keys + "\nupnp=1\n", testDevices()));
        const PropNetport& n = p->m_netport;
        QCOMPARE((QList<int>{n.watch, n.search, n.setup, n.web}), ports);
        QCOMPARE(n.upnp, 1);
    }
    void netemail_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("dur");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("motion"); // flags of inputs 0..5 of a 4-camera unit
        QTest::newRow("defaults") << QByteArray() << 0 << 25 << QByteArray("000000");
        QTest::newRow("dur 3") << QByteArray("dur=3") << 3 << 25 << QByteArray("000000");
        QTest::newRow("dur 4") << QByteArray("dur=4") << 0 << 25 << QByteArray("000000");
        QTest::newRow("port 0") << QByteArray("port=0") << 0 << 0 << QByteArray("000000");
        QTest::newRow("motion 1011") << QByteArray("motion=101111") << 0 << 25 << QByteArray("101100");
        QTest::newRow("only 1 counts") << QByteArray("motion=2") << 0 << 25 << QByteArray("000000");
    }
    void netemail()
    {
        QFETCH(QByteArray, keys);
        QFETCH(int, dur);
        QFETCH(int, port);
        QFETCH(QByteArray, motion);
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[NETEMAIL]\n" + keys + "\n", testDevices(4)));
        // Inputs beyond the count keep what the record held before the load.
        p->m_netemail.evt[1][5] = 1;
        p->load(IDX_PROP_NETEMAIL);
        QCOMPARE(p->m_netemail.dur, dur);
        QCOMPARE(p->m_netemail.port, port);
        QByteArray got;
        for (int i = 0; i < 6; ++i)
            got += char('0' + p->m_netemail.evt[1][i]);
        QCOMPARE(got, motion);
        // A missing "sensor" key turns every sensor off.
        QCOMPARE(int(p->m_netemail.evt[0][0]), 0);
    }
    void netemailRoundTrip()
    {
        TTestRoot root;
        PropDevices dev = testDevices(4, 4, 2);
        dev.txtin = 0;
        Prop p(propertyWithRecords(root, QByteArray(), dev));
        PropNetemail& m = p->m_netemail;
        m.on = 1;
        m.sslOn = 1;
        qstrncpy(m.server, "smtp.example.org", 64);
        qstrncpy(m.pw, "mailpw", 64);
        m.evt[0][1] = 1;
        m.evt[2][3] = 1;
        m.evt[5][0] = 1;
        p->save(IDX_PROP_NETEMAIL);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniValue(ini, "NETEMAIL", "sensor"), QByteArray("01"));
        QCOMPARE(iniValue(ini, "NETEMAIL", "vloss"), QByteArray("0001"));
        // A unit without text inputs writes an empty text.
        QVERIFY(groupText(ini, "NETEMAIL").contains("\ntxtin=\n"));
        QCOMPARE(iniKeyCount(ini, "NETEMAIL"), 17);
        Prop q(propertyWithRecords(root, ini, dev));
        QCOMPARE(std::memcmp(&q->m_netemail, &p->m_netemail, sizeof(PropNetemail)), 0);
    }
    void netcontrolText_data()
    {
        // Fake encoder: 3 network resolutions, 8 frame-rate steps. Factory
        // defaults: efidx 5, equal 0.
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("numFidx");
        QTest::addColumn<QList<int>>("expect"); // mainOn mode cridx cqual cfidx subOn eridx equal efidx
        QTest::newRow("missing key") << QByteArray() << 8 << QList<int>{1, 1, 0, 0, 5, 0, 0, 0, 5};
        QTest::newRow("missing key, few steps") << QByteArray() << 4 << QList<int>{1, 1, 0, 0, 3, 0, 0, 0, 5};
        QTest::newRow("checks") << QByteArray("01 07 02 03 00 05 09 02") << 6
                                << QList<int>{1, 1, 0, 2, 3, 0, 0, 0, 2};
        QTest::newRow("steps beyond list") << QByteArray("01 00 00 09 01 00 00 09") << 8
                                           << QList<int>{1, 1, 0, 0, 3, 1, 0, 0, 5};
        QTest::newRow("short text") << QByteArray("00 01") << 8 << QList<int>{0, 1, 1, 0, 5, 0, 0, 0, 5};
    }
    void netcontrolText()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, numFidx);
        QFETCH(QList<int>, expect);
        TTestRoot root;
        TFakeDvr::avc().num_fidx = numFidx;
        const QByteArray ini = text.isEmpty() ? QByteArray() : "[NETCONTROL]\ndata02=" + text + "\n";
        Prop p(propertyWithRecords(root, ini, testDevices(4)));
        QCOMPARE(netFields(*p, 2), expect);
    }
    void netcontrolChannelsInUse()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices(4)));
        p->defNetcontrol();
        p->m_netcontrol.entry[2].audio = 1;
        p->m_netcontrol.entry[2].postdur = 7;
        p->m_netcontrol.mainOn[9] = 0;
        p->m_netcontrol.entry[9].cqual = 2;
        p->save(IDX_PROP_NETCONTROL);
        const QByteArray ini = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(ini, "NETCONTROL"), 4);
        // A load leaves channels 4..19 and the fields not in the file as they were.
        const PropNetcontrol before = p->m_netcontrol;
        p->m_netcontrol.entry[0].cqual = 3;
        p->load(IDX_PROP_NETCONTROL);
        QCOMPARE(std::memcmp(&p->m_netcontrol, &before, sizeof before), 0);
    }
    void netcontrolGoldenText()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, QByteArray(), testDevices(2)));
        p->m_netcontrol.subOn[1] = 1;
        p->m_netcontrol.entry[1].cridx = 2;
        p->m_netcontrol.entry[1].equal = 3;
        p->save(IDX_PROP_NETCONTROL);
        QCOMPARE(groupText(root.read("/tmp/t.conf"), "NETCONTROL"),
                 QByteArray("[NETCONTROL]\ndata00=01 00 00 05 00 00 00 05\n"
                            "data01=01 02 00 05 01 00 03 05\n"));
    }
    void netcontrolVariant5()
    {
        TTestRoot root;
        TOemScope oem(5);
        Prop p(propertyWithRecords(root, "[NETCONTROL]\ndata00=01 02 01 01 00 00 00 00\n", testDevices(4)));
        QCOMPARE(int(p->m_netcontrol.entry[0].cridx), 0);
        QCOMPARE(int(p->m_netcontrol.entry[0].cqual), 1);
    }
    void ddnsDefaults_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("server");
        QTest::newRow("generic") << -1 << QByteArray("None") << QByteArray();
        QTest::newRow("2") << 2 << QByteArray("TAVO") << QByteArray();
        QTest::newRow("3") << 3 << QByteArray("ddns.zebnet.com") << QByteArray("ddns.zebnet.com");
        QTest::newRow("5") << 5 << QByteArray("DDNS") << QByteArray();
    }
    void ddnsDefaults()
    {
        QFETCH(int, variant);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, server);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, "[DEFAULT]\ndur=4\nserverport=3000\nszserverip=1.2.3.4\n",
                                   testDevices()));
        p->setDefault(IDX_PROP_NETDDNS);
        QCOMPARE(QByteArray(p->m_netddns.type), type);
        QCOMPARE(QByteArray(p->m_netddns.server), server);
        // The constructor wrote the factory defaults record over the file's.
        QCOMPARE(p->m_netddns.dur, 3);
        QCOMPARE(p->m_netddns.serverport, 0);
        QCOMPARE(p->m_netddns.domain[0], '\0');
    }
    void ddnsLoad_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QByteArray>("storedType");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("domain");
        QTest::newRow("generic keeps") << 0 << QByteArray("DynDNS") << QByteArray("DynDNS") << QByteArray("cam.example.net");
        QTest::newRow("5 resets other") << 5 << QByteArray("DynDNS") << QByteArray("DDNS") << QByteArray();
        QTest::newRow("5 resets lower case") << 5 << QByteArray("ddns") << QByteArray("DDNS") << QByteArray();
        QTest::newRow("3 forces host") << 3 << QByteArray("DynDNS") << QByteArray("ddns.zebnet.com")
                                       << QByteArray("cam.example.net");
    }
    void ddnsLoad()
    {
        QFETCH(int, variant);
        QFETCH(QByteArray, storedType);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, domain);
        TTestRoot root;
        TOemScope oem(variant);
        Prop p(propertyWithRecords(root, "[NETDDNS]\ntype=" + storedType +
                                             "\ndomain=cam.example.net\nserver=srv\npw=ddnspw\n"
                                             "serverport=77\n",
                                   testDevices()));
        QCOMPARE(QByteArray(p->m_netddns.type), type);
        QCOMPARE(QByteArray(p->m_netddns.domain), domain);
        if (variant == 3)
            QCOMPARE(QByteArray(p->m_netddns.server), QByteArray("ddns.zebnet.com"));
        if (domain.isEmpty()) {
            QCOMPARE(p->m_netddns.serverport, 0);
            QCOMPARE(p->m_netddns.pw[0], '\0');
        } else {
            QCOMPARE(p->m_netddns.serverport, 77);
        }
    }
    void ddnsResetKeepsMac()
    {
        TTestRoot root;
        Prop p(propertyWithRecords(root, "[NETDDNS]\nmac=00:11:22:33:44:55\nid=me\n", testDevices()));
        QCOMPARE(QByteArray(p->m_netddns.mac), QByteArray("00:11:22:33:44:55"));
        p->setDefault(IDX_PROP_NETDDNS);
        QCOMPARE(QByteArray(p->m_netddns.mac), QByteArray("00:11:22:33:44:55"));
        QCOMPARE(p->m_netddns.id[0], '\0');
        p->save(IDX_PROP_NETDDNS);
        QCOMPARE(iniKeyCount(root.read("/tmp/t.conf"), "NETDDNS"), 9);
    }
    // Texts of the defaults record that fill their field without a terminator
    // are copied within that field, never from the fields behind it.
    void defaultsCopiedWithinTheirFields()
    {
        TTestRoot root;
        root.write(QStringLiteral("/tmp/t.conf"), QByteArray());
        PropDefault def;
        TDefault::setDefaults(&def);
        std::memset(def.name, 'n', sizeof def.name);
        std::memset(def.szserverip, 's', sizeof def.szserverip);
        const PropDevices dev = testDevices();
        TProperty p(QStringLiteral("/tmp/t.conf"), &dev, &def);
        QCOMPARE(QByteArray(p.m_netddns.serverip), QByteArray(31, 's'));
        QCOMPARE(QByteArray(p.m_netaddr.name), QByteArray(7, 'n'));
    }
    void craftedCountsStayInTables()
    {
        TTestRoot root;
        TFakeDvr::avc().num_nridx = 900;
        TFakeDvr::avc().num_fidx = 900;
        QByteArray ini = "[DEVICES]\nvideos=1000\nsensors=1000\ntxtin=1000\n[NETEMAIL]\nsensor=" +
                         QByteArray(60, '1') + "\n[NETCONTROL]\n";
        for (int c = 0; c < 25; ++c)
            ini += "data" + QByteArray::number(c).rightJustified(2, '0') + "=01 99 00 99 00 00 00 99\n";
        Prop p(propertyFromText(root, ini));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(int(p->m_netemail.evt[0][i]), 1);
        QCOMPARE(int(p->m_netemail.evt[1][0]), 0);
        // Indexes beyond the capability tables fall back.
        QCOMPARE(int(p->m_netcontrol.entry[19].cridx), 0);
        QCOMPARE(int(p->m_netcontrol.entry[19].cfidx), 3);
        p->save(-1);
        const QByteArray out = root.read("/tmp/t.conf");
        QCOMPARE(iniKeyCount(out, "NETCONTROL"), 20);
        QCOMPARE(iniValue(out, "NETEMAIL", "txtin").size(), 20);
    }
};

QTEST_GUILESS_MAIN(TPropertyNetTest)
#include "tpropertynettest.moc"
