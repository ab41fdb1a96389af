#include "tnettext.h"

#include <QtTest>

class TNetTextTest : public QObject
{
    Q_OBJECT
private slots:
    // The settings as "dhcp ip mask gate dns port webport"; empty: refused.
    void parse_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, const char* text, const char* tail) {
            QTest::newRow(name) << QByteArray(text) << QByteArray(tail);
        };
        row("every field", "dhcp:1 ip:192.0.2.3 nm:255.255.255.0 gw:192.0.2.1 dns:192.0.2.9 port:8100 webport:8200",
            "1 192.0.2.3 255.255.255.0 192.0.2.1 192.0.2.9 8100 8200");
        row("nothing: defaults", "", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        row("webport before port", "webport:8080 port:9000", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 9000 8080");
        row("webport is no service port", "webport:8080", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 8080");
        row("service port below range", "port:7999", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        row("web port equal to service port", "port:8000 webport:8000", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        row("web port neither 80 nor in range", "port:8001 webport:81", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8001 80");
        row("over-long port digits", "port:000008500", "0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        row("label inside a word", "xip:1.1.1.1 ip:2.2.2.2", "0 2.2.2.2 0.0.0.0 0.0.0.0 0.0.0.0 8000 80");
        row("leading zeros", "gw:010.001.0.1", "0 0.0.0.0 0.0.0.0 10.1.0.1 0.0.0.0 8000 80");
        row("address byte above 255", "ip:192.0.2.256", "");
        row("address of three numbers", "nm:255.255.0", "");
        row("address byte of four digits", "dns:0010.1.1.1", "");
        row("address not a number", "ip:host.lan", "");
        row("dhcp too large", "dhcp:99999", "");
        row("dhcp not a number", "dhcp:on", "");
    }

    void parse()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        TNetText::Settings s;
        s.port = -1;
        const bool ok = TNetText::parse(text, &s);
        QCOMPARE(ok, !expected.isEmpty());
        const QByteArray got = QByteArray::number(s.dhcp) + ' ' + s.ip + ' ' + s.mask + ' ' + s.gate + ' ' + s.dns
                               + ' ' + QByteArray::number(s.port) + ' ' + QByteArray::number(s.webport);
        QCOMPARE(got, ok ? expected : QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 -1 80")); // refused: untouched
    }

    // Over the settings in force, a label the text leaves out keeps its
    // value; a named one follows the same rules.
    void parseOver_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, const char* text, const char* tail) {
            QTest::newRow(name) << QByteArray(text) << QByteArray(tail);
        };
        row("only a port", "port:8200", "1 192.0.2.7 255.255.255.0 192.0.2.1 192.0.2.53 8200 8080");
        row("nothing named", "", "1 192.0.2.7 255.255.255.0 192.0.2.1 192.0.2.53 8100 8080");
        row("address, DHCP off", "dhcp:0 ip:10.0.0.5", "0 10.0.0.5 255.255.255.0 192.0.2.1 192.0.2.53 8100 8080");
        row("port out of range", "port:7000", "1 192.0.2.7 255.255.255.0 192.0.2.1 192.0.2.53 8000 8080");
        row("port onto the web port", "port:8080", "1 192.0.2.7 255.255.255.0 192.0.2.1 192.0.2.53 8080 80");
        row("refused text", "ip:1.2.3", "");
    }

    void parseOver()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        TNetText::Settings base;
        base.dhcp = 1;
        base.ip = "192.0.2.7";
        base.mask = "255.255.255.0";
        base.gate = "192.0.2.1";
        base.dns = "192.0.2.53";
        base.port = 8100;
        base.webport = 8080;
        TNetText::Settings s;
        const bool ok = TNetText::parseOver(text, base, &s);
        QCOMPARE(ok, !expected.isEmpty());
        const QByteArray got = QByteArray::number(s.dhcp) + ' ' + s.ip + ' ' + s.mask + ' ' + s.gate + ' ' + s.dns
                               + ' ' + QByteArray::number(s.port) + ' ' + QByteArray::number(s.webport);
        QCOMPARE(got, ok ? expected : QByteArray("0 0.0.0.0 0.0.0.0 0.0.0.0 0.0.0.0 8000 80")); // refused: untouched
    }
};

QTEST_GUILESS_MAIN(TNetTextTest)
#include "tnettexttest.moc"
