#include "textutil.h"

#include <QImage>
#include <QPainter>
#include <QTextCodec>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

class TextUtilTest : public QObject
{
    Q_OBJECT
private slots:
    void fToStr()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const struct { int n; double value; const char* text; } rows[] = {
            {1, 12.34, "12.3"}, {1, 3.0, "3"}, {1, -0.5, "-0.5"}, {1, -2.0, "-2"}, {1, -0.04, "0"},
            {2, 0.0625, "0.06"}, {2, 0.5, "0.50"}, {0, 2.7, "2"},
            // Products that do not fit 32 bits saturate instead of overflowing.
            {1, 1e12, "214748364.7"}, {1, -1e12, "-214748364.7"}, {2, 5e9, "21474836.47"},
            {1, inf, "214748364.7"}, {1, -inf, "-214748364.7"}, {1, std::nan(""), "0"},
            {1, 214748364.5, "214748364.5"},
            // Decimal counts outside 0..9 would make 10^n zero or overflow it.
            {-3, 2.5, "2"}, {12, 1.5, "1.500000000"}};
        for (const auto& r : rows)
            QVERIFY2(::fToStr(r.n, r.value) == QLatin1String(r.text),
                     qPrintable(QString("%1 %2: %3").arg(r.n).arg(r.value).arg(::fToStr(r.n, r.value))));
    }

    void q2Utf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("kept");
        const QString forty = QString(38, QLatin1Char('a')) + QString::fromUtf8("\xc3\xa9"); // 40 bytes
        QTest::newRow("cut at size-1") << forty << 32 << QByteArray(31, 'a');
        QTest::newRow("short") << QString("abc") << 32 << QByteArray("abc");
        QTest::newRow("exactly size-1") << QString(15, QLatin1Char('x')) << 16 << QByteArray(15, 'x');
        QTest::newRow("size one") << QString("abc") << 1 << QByteArray();
        QTest::newRow("empty") << QString() << 16 << QByteArray();
        // The cut falls inside the second Hangul syllable (3 bytes each).
        QTest::newRow("inside a character") << QString::fromUtf8("한글") << 5
                                            << QByteArray("\xed\x95\x9c\xea");
    }

    void q2Utf8()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QByteArray, kept);
        char buf[48];
        std::memset(buf, 0x55, sizeof buf);
        ::q2Utf8(buf, text, size);
        QCOMPARE(QByteArray(buf, kept.size()), kept);
        // Zero bytes to the end of the array and nothing written beyond it.
        QCOMPARE(QByteArray(buf + kept.size(), size - kept.size()), QByteArray(size - kept.size(), '\0'));
        QCOMPARE(QByteArray(buf + size, int(sizeof buf) - size), QByteArray(int(sizeof buf) - size, 0x55));
    }

    void q2Utf8NullDestination()
    {
        char buf[8];
        std::memset(buf, 0x55, sizeof buf);
        ::q2Utf8(nullptr, "abc", 8);
        ::q2Utf8(buf, "abc", 0);
        ::q2Utf8(buf, "abc", -4);
        QCOMPARE(QByteArray(buf, 8), QByteArray(8, 0x55));
        // A null source is an empty text: the field is cleared.
        ::local2Utf8(buf, nullptr, 8);
        QCOMPARE(QByteArray(buf, 8), QByteArray(8, '\0'));
    }

    void q2Utf8Buf()
    {
        const QPair<QString, QByteArray> rows[] = {
            {QString(300, 'z'), QByteArray(255, 'z')}, {QString(255, 'z'), QByteArray(255, 'z')},
            {QString::fromUtf8("Kamera 1 é"), QByteArray("Kamera 1 \xc3\xa9")}, {QString(), QByteArray()}};
        for (const auto& r : rows) {
            // The result is owned by the caller: it stays valid after the text is gone.
            QByteArray owned;
            {
                QString copy = r.first;
                owned = ::q2Utf8Buf(copy);
                copy.fill(QLatin1Char('#'));
            }
            QCOMPARE(owned, r.second);
            QCOMPARE(int(std::strlen(owned.constData())), r.second.size());
        }
    }

    void utf82Q()
    {
        QVERIFY(::utf82Q(nullptr).isEmpty());
        const QPair<const char*, QString> rows[] = {
            {"", QString()}, {"DVR 1", "DVR 1"}, {"\xed\x95\x9c\xea\xb8\x80", QString::fromUtf8("한글")}};
        for (const auto& r : rows)
            QCOMPARE(::utf82Q(r.first), r.second);
        // A cut sequence gives a replacement character, whatever its length.
        const QString cut = ::utf82Q("ab\xed\x95");
        QVERIFY(cut.startsWith("ab") && cut.contains(QChar::ReplacementCharacter));
    }

    void localConversionsFollowLocaleCodec()
    {
        QTextCodec* euckr = QTextCodec::codecForName("EUC-KR");
        if (!euckr)
            QSKIP("no EUC-KR codec in this Qt build");
        QTextCodec* old = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(euckr);
        const QByteArray eucHangul("\xc7\xd1\xb1\xdb");   // 한글 in EUC-KR
        const QByteArray utf8Hangul("\xed\x95\x9c\xea\xb8\x80");
        QCOMPARE(::local2Q(eucHangul.constData()), QString::fromUtf8("한글"));
        QCOMPARE(::local2Q(""), QString());
        QCOMPARE(::local2Q(nullptr), QString());

        char buf[16];
        auto fresh = [&buf] { std::memset(buf, 0x55, sizeof buf); return buf; };
        ::q2Local(fresh(), QString::fromUtf8("한글"), sizeof buf);
        QCOMPARE(QByteArray(buf), eucHangul);
        QCOMPARE(buf[15], '\0');
        ::local2Utf8(fresh(), eucHangul.constData(), sizeof buf);
        QCOMPARE(QByteArray(buf), utf8Hangul);
        // Cut at n-1 = 4 bytes of UTF-8: the first syllable and one byte.
        ::local2Utf8(fresh(), eucHangul.constData(), 5);
        QCOMPARE(QByteArray(buf), utf8Hangul.left(4));
        QCOMPARE(buf[5], char(0x55));
        ::localRecode(fresh(), eucHangul.constData(), sizeof buf);
        QCOMPARE(QByteArray(buf), eucHangul);

        const QByteArray cut = ::q2LocalBuf(QString(200, QChar(0xD55C)));   // 한 x 200
        QCOMPARE(cut.size(), 255);
        QCOMPARE(cut.left(4), QByteArray("\xc7\xd1\xc7\xd1"));
        QTextCodec::setCodecForLocale(old);
    }

    void drawFitText()
    {
        // Text, and the box width: text width + extra, or a share of it in
        // percent when non-zero (-1: a zero-width box).
        const struct { QString text; int extra, percent; } rows[] = {
            {"Motion Detection", 1, 0}, {"Motion Detection", 0, 0}, {QString::fromUtf8("Überschreiben"), 0, 50},
            {"Setup", 0, -1}, {"Configuration File export", 0, 1}, {QString(), 0, 0}};
        QFont font("DejaVu Sans");
        font.setPixelSize(20);
        QImage device(1, 1, QImage::Format_RGB32);
        for (const auto& r : rows) {
            const QString text = r.text;
            const int extra = r.extra, percent = r.percent;
            const int textWidth = QFontMetrics(font, &device).horizontalAdvance(text);
            const int boxWidth = percent < 0 ? 0 : percent > 0 ? textWidth * percent / 100 : textWidth + extra;
            const QRect box(5, 5, boxWidth, 30);
            // Expected widths come from the font's own metrics.
            int stretch = 0;   // 0: drawn unchanged
            if (textWidth > 0 && textWidth >= boxWidth) {
                stretch = 90 * boxWidth / textWidth;
                if (stretch < 1 || stretch > 4000)
                    stretch = 0;
            }
            QFont wantFont = font;
            if (stretch)
                wantFont.setStretch(stretch);
            auto draw = [&](const QFont& f, bool fit) {
                QImage img(400, 40, QImage::Format_RGB32);
                img.fill(Qt::white);
                QPainter p(&img);
                p.setFont(f);
                if (fit) {
                    const QFont before = p.font();
                    ::drawFitText(&p, box, Qt::AlignLeft | Qt::AlignVCenter, text);
                    if (p.font() != before)
                        return QImage();   // the painter's font must come back unchanged
                } else {
                    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
                }
                return img;
            };
            const QImage got = draw(font, true);
            QVERIFY2(got == draw(wantFont, false), qPrintable(text));
            if (stretch) {
                // The compressed text is visibly narrower than the plain one.
                QVERIFY(got != draw(font, false));
                QVERIFY(QFontMetrics(wantFont, &device).horizontalAdvance(text) < textWidth);
            }
        }
    }
};

QTEST_MAIN(TextUtilTest)
#include "textutiltest.moc"
