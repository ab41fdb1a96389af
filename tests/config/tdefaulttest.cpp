#include "tdefault.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

class TDefaultTest : public QObject
{
    Q_OBJECT
private slots:
    void missingFileGivesFactoryValues()
    {
        TTestRoot root;
        TDefault def("/dvr/default.conf");
        PropDefault rec;
        std::memset(&rec, 0x55, sizeof rec);
        QCOMPARE(def.load(&rec), 0);
        QCOMPARE(def.getOem(), 0);
        QCOMPARE(QByteArray(rec.oem), QByteArray("qz"));
        QCOMPARE(QByteArray(rec.tzone), QByteArray("GMT+09:00 Seoul"));
        QCOMPARE(rec.autolock, 10);
        // Bytes after a text's terminator are zero.
        QCOMPARE(rec.oem[31], '\0');
        // Nothing reads or writes the file back.
        QVERIFY(!QFile::exists(root.file("/dvr/default.conf")));
    }
    void oemVariant_data()
    {
        QTest::addColumn<QByteArray>("oem");
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("result");
        QTest::newRow("feto") << QByteArray("feto") << 10 << 0;
        QTest::newRow("lumo") << QByteArray("lumo") << 5 << 0;
        QTest::newRow("capitals") << QByteArray("FETO") << 0 << -1;
        QTest::newRow("prefix") << QByteArray("fet") << 0 << -1;
    }
    void oemVariant()
    {
        QFETCH(QByteArray, oem);
        QFETCH(int, variant);
        QFETCH(int, result);
        TTestRoot root;
        QVERIFY(root.write("/dvr/default.conf", "[DEFAULT]\noem=" + oem + "\n"));
        TDefault def("/dvr/default.conf");
        PropDefault rec;
        QCOMPARE(def.load(&rec), 0);
        QCOMPARE(def.getOem(), variant);
        QCOMPARE(def.checkOem(), result);
        QCOMPARE(QByteArray(rec.lang), QByteArray("English"));
    }
    void overlongTextsAreCut()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/default.conf",
                           "[DEFAULT]\nname=ABCDEFGHIJ\nlang=" + QByteArray(50, 'x') + "\n"));
        TDefault def("/dvr/default.conf");
        PropDefault rec;
        def.load(&rec);
        QCOMPARE(QByteArray(rec.name), QByteArray("ABCDEFG"));
        QCOMPARE(QByteArray(rec.lang), QByteArray(31, 'x'));
        // A cut never splits a UTF-8 character: "DVR1 " and a 3-byte Hangul
        // syllable are 8 bytes, so the syllable goes whole.
        QVERIFY(root.write("/tmp/cut.conf", "[DEFAULT]\nname=DVR1 \xed\x95\x9c\n"));
        TDefault cut("/tmp/cut.conf");
        cut.load(&rec);
        QCOMPARE(QByteArray(rec.name), QByteArray("DVR1 "));
    }
    // The factory file is UTF-8 like every text of the configuration: a unit
    // name or zone name outside ASCII reaches the record byte for byte.
    void utf8TextsKeepTheirBytes()
    {
        TTestRoot root;
        const QByteArray name("DVR \xc3\xa9");                        // "DVR e-acute", 6 bytes
        const QByteArray zone("GMT+09:00 \xec\x84\x9c\xec\x9a\xb8"); // Seoul in Hangul
        QVERIFY(root.write("/dvr/default.conf", "[DEFAULT]\nname=" + name + "\ntzone=" + zone + "\n"));
        TDefault def("/dvr/default.conf");
        PropDefault rec;
        def.load(&rec);
        QCOMPARE(QByteArray(rec.name), name);
        QCOMPARE(QByteArray(rec.tzone), zone);
    }
    void nonNumericIntegerGivesZero()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/default.conf", "[DEFAULT]\nautolock=never\ndur=7\n"));
        TDefault def("/dvr/default.conf");
        PropDefault rec;
        def.load(&rec);
        QCOMPARE(rec.autolock, 0);
        QCOMPARE(rec.dur, 7);
    }
    void sectionRoundTrip()
    {
        TTestRoot root;
        PropDefault a;
        TDefault::setDefaults(&a);
        qstrncpy(a.oem, "orva", sizeof a.oem);
        qstrncpy(a.ip, "192.0.2.7", sizeof a.ip);
        a.dvr_id = 42;
        a.cqual = -3;
        {
            QSettings s(root.file("/tmp/model.conf"), QSettings::IniFormat);
            TDefault::write(&s, &a);
        }
        QSettings s(root.file("/tmp/model.conf"), QSettings::IniFormat);
        PropDefault b;
        TDefault::read(&s, &b);
        QCOMPARE(std::memcmp(&a, &b, sizeof a), 0);
    }
    void sectionFallbacksAreFactoryValues()
    {
        TTestRoot root;
        QVERIFY(root.write("/dvr/default.conf", "[DEFAULT]\nautolock=99\noem=feto\n"));
        QVERIFY(root.write("/tmp/model.conf", "[DEFAULT]\ndur=9\n"));
        TDefault def("/dvr/default.conf");
        PropDefault unit;
        def.load(&unit);
        QSettings s(root.file("/tmp/model.conf"), QSettings::IniFormat);
        PropDefault rec;
        TDefault::read(&s, &rec);
        QCOMPARE(rec.dur, 9);
        QCOMPARE(rec.autolock, 10); // the table's value, not the unit file's
        QCOMPARE(QByteArray(rec.oem), QByteArray("qz"));
    }
};

QTEST_GUILESS_MAIN(TDefaultTest)
#include "tdefaulttest.moc"
