#include "tnettext.h"

#include <QtTest>

class TNetTextTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("expected"); // dhcp ip mask gate dns port webport
        QTest::newRow("every field")
            << QByteArray("dhcp:1 ip:10.1.2.3 nm:255.255.255.0 gw:10.1.2.1 dns:10.1.2.9 port:8100 webport:8200") << true
            << QByteArray("1 10.1.2.3 255.255.255.0 10.1.2.1 10.1.2.9 8100 8200");
        QTest::newRow("nothing: defaults") << QByteArray("") << true
                                           << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        QTest::newRow("webport before port: each its own key")
            << QByteArray("webport:8080 port:9000") << true << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 9000 8080");
        QTest::newRow("webport alone is no service port")
            << QByteArray("webport:8080") << true << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 8080");
        QTest::newRow("service port below range") << QByteArray("port:7999") << true
                                                  << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        QTest::newRow("web port equal to service port")
            << QByteArray("port:8000 webport:8000") << true << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        QTest::newRow("web port neither 80 nor in range")
            << QByteArray("port:8001 webport:81") << true << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8001 80");
        QTest::newRow("over-long port digits") << QByteArray("port:000008500") << true
                                               << QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        QTest::newRow("label inside a word is no key") << QByteArray("xip:1.1.1.1 ip:2.2.2.2") << true
                                                       << QByteArray("0 2.2.2.2 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        QTest::newRow("leading zeros normalised") << QByteArray("gw:010.001.0.1") << true
                                                  << QByteArray("0 0.0.0.0 0.0.0.0 10.1.0.1 0.0.0.0 8000 80");
        QTest::newRow("address byte above 255") << QByteArray("ip:10.1.2.256") << false << QByteArray();
        QTest::newRow("address of three numbers") << QByteArray("nm:255.255.0") << false << QByteArray();
        QTest::newRow("address byte of four digits") << QByteArray("dns:0010.1.1.1") << false << QByteArray();
        QTest::newRow("address not a number") << QByteArray("ip:host.lan") << false << QByteArray();
        QTest::newRow("dhcp too large") << QByteArray("dhcp:99999") << false << QByteArray();
        QTest::newRow("dhcp not a number") << QByteArray("dhcp:on") << false << QByteArray();
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(QByteArray, expected);
        TNetText::Settings s;
        s.port = -1;
        QCOMPARE(TNetText::parse(text, &s), ok);
        if (!ok) {
            QCOMPARE(s.port, -1); // out untouched
            return;
        }
        const QByteArray got = QByteArray::number(s.dhcp) + ' ' + s.ip + ' ' + s.mask + ' ' + s.gate + ' ' + s.dns
                               + ' ' + QByteArray::number(s.port) + ' ' + QByteArray::number(s.webport);
        QCOMPARE(got, expected);
    }
};

QTEST_GUILESS_MAIN(TNetTextTest)
#include "tnettexttest.moc"
