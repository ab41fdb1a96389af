#include "tnetfixture.h"

class TDvrApiDdnsTest : public QObject
{
    Q_OBJECT
private slots:
    // The record of each service kind from the live NETDDNS section (server
    // "srv.example.org", serverip "ip.example.org", domain "cam.example.org",
    // id "user", pw "secret", period position 3).
    void records_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<int>("panic");
        QTest::addColumn<QByteArray>("record"); // kind server port interval | text1 | text2 | text3, or word 268
        auto row = [](const char* type, const char* record, int panic = 0) {
            QTest::newRow(panic ? "DDNS in panic" : type) << QByteArray(type) << panic << QByteArray(record);
        };
        row("Dynamic DNS", "6 srv.example.org 0 3600|||");
        row("ddns.zebnet.com", "6 srv.example.org 0 3600|word 1");
        row("ddns.ocam.net", "6 srv.example.org 0 3600|word 1");
        row("DynDNS", "2  0 3600|cam.example.org|user|secret");
        row("NO-IP", "7 cam.example.org 0 3600|user|secret|");
        row("DDNS", "8 ip.example.org 3000 240|word 4|001c2d000001|8016");
        row("DDNS", "8 ip.example.org 3000 240|word 8|001c2d000001|8016", 1);
        row("VELOR", "9  0 3600|1.0.2.0||");
        row("TAVO", "10 ddns.dvrhub.net 8245 3600|||");
        // The branded URL service is the port-4000 record, the upper-case
        // host service the port-7100 one; the fixed-host services are plain
        // server records, the short-name host services flagged ones.
        row("DVRDNS", "1 dvrdns.dvrhub.net 4000 3600|||");
        row("ddns.hcview.com", "11 ddns.hcview.com 7100 3600|||");
        row("DVRDNS Plus", "6 srv.example.org 0 3600|||");
        row("ddns.nvcam.com", "6 srv.example.org 0 3600|||");
        row("ddns.dvrhub.net", "6 srv.example.org 0 3600|word 1");
        row("None", "");
    }

    void records()
    {
        QFETCH(QByteArray, type);
        QFETCH(int, panic);
        QFETCH(QByteArray, record);
        TNetFixture fx;
        *fx.live<PropNetddns>(IDX_PROP_NETDDNS) = {"", 3, "ip.example.org", 0, "cam.example.org", "srv.example.org",
                                                    "user", "secret", ""};
        qstrcpy(fx.live<PropNetddns>(IDX_PROP_NETDDNS)->type, type.constData());
        fx.live<PropDevices>(IDX_PROP_DEVICES)->version = 1020;
        fx.live<PropNetport>(IDX_PROP_NETPORT)->watch = 8016;
        g_api.m_panic = panic;
        QCOMPARE(g_api.ddnsSetdevice(), record.isEmpty() ? -1 : 0);
        g_api.m_panic = 0;
        DalTestNet net;
        dalTestGetNet(&net);
        const DdnsSet& s = net.ddns;
        const char* raw = reinterpret_cast<const char*>(&s);
        int32_t word268, port528;
        std::memcpy(&word268, raw + 268, 4);
        std::memcpy(&port528, raw + 528, 4);
        QByteArray got = QByteArray::number(s.kind) + ' ' + s.server + ' ' + QByteArray::number(s.port) + ' '
                         + QByteArray::number(s.interval) + '|';
        if (s.kind == 8)
            got += "word " + QByteArray::number(word268) + '|' + QByteArray(raw + 272) + '|' + QByteArray::number(port528);
        else if (word268 == 1)
            got += "word 1";
        else
            got += QByteArray(s.text1) + '|' + s.text2 + '|' + s.text3;
        QCOMPARE(net.ddnsSets ? got : QByteArray(), record);
    }

    void upnpStatus_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("success"); // bits of the four ports
        QTest::addColumn<QString>("text");
        const QString date = " [2026/11/30 07:08:09]";
        QTest::newRow("mapped") << 0 << 0xf << "Success [203.0.113.7]" + date;
        QTest::newRow("first failing port") << 1 << 0x9 << "Failed  [Port 8001]" + date;
        QTest::newRow("no failing port: the address") << 1 << 0xb << "Failed  [IP 203.0.113.7]" + date;
    }

    void upnpStatus()
    {
        QFETCH(int, result);
        QFETCH(int, success);
        TNetFixture fx;
        UpnpResult u = {result, {8000, 8001, 0, 80}, {}, 2026, 11, 30, 7, 8, 9, "203.0.113.7"};
        for (int i = 0; i < 4; ++i)
            u.success[i] = (success >> i) & 1;
        dalTestSetUpnpResult(&u);
        QString text;
        g_api.checkUpnp(text);
        QTEST(text, "text");
    }
};

QTEST_GUILESS_MAIN(TDvrApiDdnsTest)
#include "tdvrapi-ddnstest.moc"
