#include "thangulcomposer.h"
#include "tvkeylayout.h"

#include <QtTest>

// Keys are the two-set keyboard's ASCII characters; '\b' stands for the
// backspace key of the on-screen keyboard (the caller deletes from the line
// when the composition is empty, as the keyboard does).
namespace {

void run(THangulComposer& h, const QByteArray& keys, int max)
{
    for (const char c : keys) {
        if (c == '\b') {
            if (!h.backspace()) {
                QString t = h.text();
                t.chop(1);
                h.reset(t);
            }
        } else {
            h.key(c, max);
        }
    }
}

} // namespace

class THangulComposerTest : public QObject
{
    Q_OBJECT
private slots:
    void compose_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("preedit");

        QTest::newRow("one syllable in progress") << "" << QByteArray("gks") << "" << QString::fromUtf8("한");
        QTest::newRow("after existing text") << "ab" << QByteArray("gks") << "ab" << QString::fromUtf8("한");
        QTest::newRow("next syllable takes the final") << "" << QByteArray("gksk") << QString::fromUtf8("하")
                                                       << QString::fromUtf8("나");
        QTest::newRow("backspace removes the final") << "" << QByteArray("gks\b") << ""
                                                      << QString::fromUtf8("하");
        QTest::newRow("backspace to nothing then deletes text") << "x" << QByteArray("g\b\b") << "" << "";
        QTest::newRow("space commits and stays") << "" << QByteArray("gks ") << QString::fromUtf8("한 ") << "";
        QTest::newRow("punctuation commits and stays") << "" << QByteArray("gks.") << QString::fromUtf8("한.")
                                                       << "";
        QTest::newRow("composition goes on after a sign") << "" << QByteArray("gk,gk") << QString::fromUtf8("하,")
                                                          << QString::fromUtf8("하");
        QTest::newRow("double consonant key") << "" << QByteArray("Qk") << "" << QString::fromUtf8("빠");
        QTest::newRow("grave") << "" << QByteArray("gk`") << QString::fromUtf8("하`") << "";
    }

    void compose()
    {
        QFETCH(QString, start);
        QFETCH(QByteArray, keys);
        QFETCH(QString, committed);
        QFETCH(QString, preedit);
        THangulComposer h;
        QVERIFY(h.isValid());
        h.reset(start);
        run(h, keys, -1);
        QCOMPARE(h.committed(), committed);
        QCOMPARE(h.preedit(), preedit);
        QCOMPARE(h.text(), committed + preedit);
    }

    void maxLength_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<int>("max");
        QTest::addColumn<QString>("text");

        // The syllable in progress may still grow in place at the limit...
        QTest::newRow("final fits") << "a" << QByteArray("gks") << 2 << QString::fromUtf8("a한");
        // ...but a key that starts another character is refused, and what was
        // shown becomes committed text.
        QTest::newRow("next syllable refused") << "a" << QByteArray("gksk") << 2 << QString::fromUtf8("a한");
        QTest::newRow("refused then backspace deletes a whole char")
            << "a" << QByteArray("gksk\b") << 2 << QString("a");
        QTest::newRow("sign at the limit") << "" << QByteArray("gk.") << 1 << QString::fromUtf8("하");
        QTest::newRow("full line takes nothing") << "abc" << QByteArray("gk") << 3 << QString("abc");
        QTest::newRow("after refusal room again") << "a" << QByteArray("gksk\bgk") << 2 << QString::fromUtf8("a하");
    }

    void maxLength()
    {
        QFETCH(QString, start);
        QFETCH(QByteArray, keys);
        QFETCH(int, max);
        QFETCH(QString, text);
        THangulComposer h;
        h.reset(start);
        run(h, keys, max);
        QCOMPARE(h.text(), text);
        QVERIFY(h.text().length() <= max);
    }

    void koreanTable_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("label");
        QTest::addColumn<char>("key");
        QTest::newRow("ssang bieup") << 0 << 1 << QString::fromUtf8("ㅃ") << 'Q';
        QTest::newRow("blank") << 0 << 7 << " " << ' ';
        QTest::newRow("backslash") << 0 << 13 << "\\" << '\\';
        QTest::newRow("backspace") << 1 << 0 << "<-" << '\0';
        QTest::newRow("bieup") << 1 << 1 << QString::fromUtf8("ㅂ") << 'q';
        QTest::newRow("past row 2") << 1 << 13 << "" << '\0';
        QTest::newRow("shift") << 2 << 0 << "Shift" << '\0';
        QTest::newRow("space") << 3 << 0 << "Space" << ' ';
        QTest::newRow("past row 4") << 3 << 11 << "" << '\0';
        QTest::newRow("row outside") << 4 << 0 << "" << '\0';
        QTest::newRow("column outside") << 0 << 14 << "" << '\0';
        QTest::newRow("negative") << -1 << 0 << "" << '\0';
    }

    void koreanTable()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, label);
        QFETCH(char, key);
        QCOMPARE(QString::fromUtf8(TVKeyLayout::label(TVKeyLayout::Korean, row, col)), label);
        QCOMPARE(TVKeyLayout::koreanKey(row, col), key);
    }

};

QTEST_GUILESS_MAIN(THangulComposerTest)
#include "thangulcomposertest.moc"
