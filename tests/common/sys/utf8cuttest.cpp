#include "utf8cut.h"

#include <QtTest>
#include <cstring>

namespace {
// "é" is two bytes, "한" three, "😀" four.
const QString e2 = QString::fromUtf8("\xc3\xa9");
const QString k3 = QString::fromUtf8("\xed\x95\x9c");
const QString s4 = QString::fromUtf8("\xf0\x9f\x98\x80");
}

class Utf8CutTest : public QObject
{
    Q_OBJECT
private slots:
    // A text into a field of size bytes (and as bytes of at most size - 1):
    // a text that does not fit keeps its whole characters only.
    void q2Utf8Whole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("fits") << QString::fromUtf8("한글") << 7 << QByteArray("\xed\x95\x9c\xea\xb8\x80");
        QTest::newRow("fits exactly") << QString("abc") << 4 << QByteArray("abc");
        QTest::newRow("second syllable would split") << QString::fromUtf8("한글") << 6 << QByteArray("\xed\x95\x9c");
        QTest::newRow("first one would split") << QString::fromUtf8("한") << 3 << QByteArray();
        QTest::newRow("two-byte at the end") << QString(30, 'a') + e2 << 32 << QByteArray(30, 'a');
        QTest::newRow("ASCII cut") << QString(40, 'b') << 16 << QByteArray(15, 'b');
        QTest::newRow("size one") << QString("abc") << 1 << QByteArray();
        QTest::newRow("size one, a character") << e2 << 1 << QByteArray();
        QTest::newRow("empty") << QString() << 8 << QByteArray();
        // The cut inside each kind of character, after each of its bytes.
        QTest::newRow("2-byte, after byte 1") << "ab" + e2 + "c" << 4 << QByteArray("ab");
        QTest::newRow("2-byte, ends at the cut") << "ab" + e2 + "c" << 5 << QByteArray("ab\xc3\xa9");
        QTest::newRow("3-byte, after byte 1") << "a" + k3 + "c" << 3 << QByteArray("a");
        QTest::newRow("3-byte, after byte 2") << "a" + k3 + "c" << 4 << QByteArray("a");
        QTest::newRow("3-byte, ends at the cut") << "a" + k3 + "c" << 5 << QByteArray("a\xed\x95\x9c");
        QTest::newRow("4-byte, after byte 1") << "a" + s4 + "c" << 3 << QByteArray("a");
        QTest::newRow("4-byte, after byte 2") << "a" + s4 + "c" << 4 << QByteArray("a");
        QTest::newRow("4-byte, after byte 3") << "a" + s4 + "c" << 5 << QByteArray("a");
        QTest::newRow("4-byte, ends at the cut") << "a" + s4 + "c" << 6 << QByteArray("a\xf0\x9f\x98\x80");
        QTest::newRow("4-byte alone, fits exactly") << s4 << 5 << QByteArray("\xf0\x9f\x98\x80");
        QTest::newRow("4-byte alone, one short") << s4 << 4 << QByteArray();
    }
    void q2Utf8Whole()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QByteArray, kept);
        char buf[48];
        std::memset(buf, 0x55, sizeof buf);
        ::q2Utf8Whole(buf, text, size);
        QCOMPARE(QByteArray(buf, kept.size()), kept);
        // Zero bytes to the end of the field and nothing written beyond it.
        QCOMPARE(QByteArray(buf + kept.size(), size - kept.size()), QByteArray(size - kept.size(), '\0'));
        QCOMPARE(QByteArray(buf + size, int(sizeof buf) - size), QByteArray(int(sizeof buf) - size, 0x55));
        char none[4] = {1, 2, 3, 4};
        ::q2Utf8Whole(none, text, 0);
        ::q2Utf8Whole(none, text, -1);
        ::q2Utf8Whole(nullptr, text, 4);
        QCOMPARE(QByteArray(none, 4), QByteArray("\x01\x02\x03\x04", 4));
        // The same cut as bytes of their own.
        QCOMPARE(::q2Utf8Whole(text, size - 1), kept);
    }

    // The rule on bytes as they come from files and fields, which need not be
    // UTF-8: never more than max, never less than max for bytes that are not.
    void wholeLen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("kept");
        QTest::newRow("fits") << QByteArray("abc") << 8 << 3;
        QTest::newRow("fits exactly") << QByteArray("abc") << 3 << 3;
        QTest::newRow("ASCII cut") << QByteArray("abcdef") << 4 << 4;
        QTest::newRow("3-byte split") << QByteArray("ab\xed\x95\x9c") << 4 << 2;
        QTest::newRow("4-byte split after 3") << QByteArray("\xf0\x9f\x98\x80z") << 3 << 0;
        QTest::newRow("lead byte at the cut") << QByteArray("ab\xc3\xa9") << 2 << 2;
        QTest::newRow("stray continuation bytes") << QByteArray("\x80\x80\x80\x80\x80\x80") << 4 << 4;
        QTest::newRow("ASCII before stray bytes") << QByteArray("a\x80\x80\x80") << 3 << 3;
        QTest::newRow("field of one byte") << QByteArray("\xc3\xa9") << 1 << 0;
        QTest::newRow("no room") << QByteArray("abc") << 0 << 0;
        QTest::newRow("negative room") << QByteArray("abc") << -2 << 0;
        QTest::newRow("empty") << QByteArray() << 4 << 0;
    }
    void wholeLen()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, max);
        QTEST(::utf8WholeLen(bytes.constData(), bytes.size(), max), "kept");
        QCOMPARE(::utf8WholeLen(nullptr, 4, 4), 0);
    }
};

QTEST_APPLESS_MAIN(Utf8CutTest)
#include "utf8cuttest.moc"
