#include "tvkeytext.h"

#include <QtTest>

class TVKeyTextTest : public QObject
{
    Q_OBJECT
private slots:
    void number_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("port") << "8000" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "80.0" << false;
        QTest::newRow("only dot") << "." << false;
        QTest::newRow("int max") << "2147483647" << true;
        QTest::newRow("past int") << "2147483648" << false;
        QTest::newRow("huge") << "99999999999" << false;
    }

    void number()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(TVKeyText::isNumber(text), valid);
    }

    void ipv4_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("lan") << "192.168.0.1" << true;
        QTest::newRow("lowest") << "0.0.0.0" << true;
        QTest::newRow("highest") << "255.255.255.255" << true;
        QTest::newRow("leading zero") << "010.001.0.1" << true;
        QTest::newRow("three parts") << "192.168.0" << false;
        QTest::newRow("three parts and dot") << "192.168.0." << false;
        QTest::newRow("256") << "192.168.0.256" << false;
        QTest::newRow("first 256") << "256.0.0.0" << false;
        QTest::newRow("empty part") << "192.168..1" << false;
        QTest::newRow("five parts") << "1.2.3.4.5" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dots only") << "..." << false;
        QTest::newRow("sign") << "+1.2.3.4" << false;
        QTest::newRow("minus") << "1.2.3.-4" << false;
        QTest::newRow("blank") << "1.2. 3.4" << false;
        QTest::newRow("long part") << "1.2.3.0004" << false;
        QTest::newRow("letters") << "1.2.3.a" << false;
    }

    void ipv4()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(TVKeyText::isIPv4(text), valid);
    }

    void dot_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dot");
        QTest::newRow("first part full") << "192" << true;
        QTest::newRow("first part short") << "19" << false;
        QTest::newRow("third part full") << "192.168.100" << true;
        QTest::newRow("fourth part full") << "192.168.100.100" << false;
        QTest::newRow("just a dot") << "192." << false;
        QTest::newRow("empty") << "" << false;
    }

    void dot()
    {
        QFETCH(QString, text);
        QFETCH(bool, dot);
        QCOMPARE(TVKeyText::needsDot(text), dot);
    }

    void colon_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("colon");
        QTest::newRow("first pair") << "00" << true;
        QTest::newRow("one digit") << "0" << false;
        QTest::newRow("fifth pair") << "00:11:22:33:44" << true;
        QTest::newRow("sixth pair") << "00:11:22:33:44:55" << false;
        QTest::newRow("after colon") << "00:" << false;
    }

    void colon()
    {
        QFETCH(QString, text);
        QFETCH(bool, colon);
        QCOMPARE(TVKeyText::needsColon(text), colon);
    }

};

QTEST_GUILESS_MAIN(TVKeyTextTest)
#include "tvkeytexttest.moc"
