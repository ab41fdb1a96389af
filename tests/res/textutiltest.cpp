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
    void fToStr_data();
    void fToStr();
    void q2Utf8_data();
    void q2Utf8();
    void q2Utf8NullDestination();
    void q2Utf8Buf_data();
    void q2Utf8Buf();
    void utf82Q_data();
    void utf82Q();
    void localConversionsFollowLocaleCodec();
    void drawFitText_data();
    void drawFitText();
};

void TextUtilTest::fToStr_data()
{
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<int>("n");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one decimal") << 1 << 12.34 << QString("12.3");
    QTest::newRow("whole") << 1 << 3.0 << QString("3");
    QTest::newRow("negative half") << 1 << -0.5 << QString("-0.5");
    QTest::newRow("negative one and a half") << 1 << -1.5 << QString("-1.5");
    QTest::newRow("negative whole") << 1 << -2.0 << QString("-2");
    QTest::newRow("fraction below a decimal") << 1 << 2.04 << QString("2");
    QTest::newRow("small negative cut to zero") << 1 << -0.04 << QString("0");
    QTest::newRow("two decimals") << 2 << 0.25 << QString("0.25");
    QTest::newRow("leading zero kept") << 2 << 0.0625 << QString("0.06");
    QTest::newRow("trailing zero kept") << 2 << 0.5 << QString("0.50");
    QTest::newRow("negative two decimals") << 2 << -0.25 << QString("-0.25");
    QTest::newRow("no decimals") << 0 << 2.7 << QString("2");
    QTest::newRow("zero") << 1 << 0.0 << QString("0");
    // Values whose scaled product does not fit 32 bits saturate instead of
    // overflowing the integer conversion.
    QTest::newRow("huge") << 1 << 1e12 << QString("214748364.7");
    QTest::newRow("huge negative") << 1 << -1e12 << QString("-214748364.7");
    QTest::newRow("huge two decimals") << 2 << 5e9 << QString("21474836.47");
    QTest::newRow("infinity") << 1 << inf << QString("214748364.7");
    QTest::newRow("minus infinity") << 1 << -inf << QString("-214748364.7");
    QTest::newRow("nan") << 1 << std::nan("") << QString("0");
    QTest::newRow("largest exact") << 1 << 214748364.5 << QString("214748364.5");
    // Decimal counts outside 0..9 would make 10^n zero or overflow it.
    QTest::newRow("negative count") << -3 << 2.5 << QString("2");
    QTest::newRow("count above nine") << 12 << 1.5 << QString("1.500000000");
}

void TextUtilTest::fToStr()
{
    QFETCH(int, n);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::fToStr(n, value), text);
}

void TextUtilTest::q2Utf8_data()
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

void TextUtilTest::q2Utf8()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QByteArray, kept);
    char buf[48];
    std::memset(buf, 0x55, sizeof buf);
    ::q2Utf8(buf, text, size);
    QCOMPARE(QByteArray(buf, kept.size()), kept);
    // Zero bytes from the end of the text to the end of the array...
    for (int i = kept.size(); i < size; ++i)
        QVERIFY2(buf[i] == 0, qPrintable(QString("byte %1").arg(i)));
    // ...and nothing written beyond it.
    for (int i = size; i < int(sizeof buf); ++i)
        QVERIFY2(buf[i] == 0x55, qPrintable(QString("byte %1").arg(i)));
}

void TextUtilTest::q2Utf8NullDestination()
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

void TextUtilTest::q2Utf8Buf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("300 bytes") << QString(300, QLatin1Char('z')) << QByteArray(255, 'z');
    QTest::newRow("255 bytes") << QString(255, QLatin1Char('z')) << QByteArray(255, 'z');
    QTest::newRow("short") << QString::fromUtf8("Kamera 1 é") << QByteArray("Kamera 1 \xc3\xa9");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TextUtilTest::q2Utf8Buf()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    // The result is owned by the caller: it stays valid after the text is gone.
    QByteArray owned;
    {
        QString copy = text;
        owned = ::q2Utf8Buf(copy);
        copy.fill(QLatin1Char('#'));
    }
    QCOMPARE(owned, bytes);
    QCOMPARE(int(std::strlen(owned.constData())), bytes.size());
}

void TextUtilTest::utf82Q_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("isNull");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QByteArray() << true << QString();
    QTest::newRow("empty") << QByteArray("") << false << QString();
    QTest::newRow("ascii") << QByteArray("DVR 1") << false << QString("DVR 1");
    QTest::newRow("hangul") << QByteArray("\xed\x95\x9c\xea\xb8\x80") << false << QString::fromUtf8("한글");
    QTest::newRow("cut character") << QByteArray("ab\xed\x95") << false
                                   << QString("ab") + QChar(QChar::ReplacementCharacter);
}

void TextUtilTest::utf82Q()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, isNull);
    QFETCH(QString, text);
    const QString got = ::utf82Q(isNull ? nullptr : bytes.constData());
    QCOMPARE(got.isEmpty(), text.isEmpty());
    // One replacement character for a cut sequence, whatever its length.
    QCOMPARE(got.left(2), text.left(2));
    QCOMPARE(got.contains(QChar::ReplacementCharacter), text.contains(QChar::ReplacementCharacter));
    if (!text.contains(QChar::ReplacementCharacter))
        QCOMPARE(got, text);
}

void TextUtilTest::localConversionsFollowLocaleCodec()
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
    std::memset(buf, 0x55, sizeof buf);
    ::q2Local(buf, QString::fromUtf8("한글"), sizeof buf);
    QCOMPARE(QByteArray(buf), eucHangul);
    QCOMPARE(buf[15], '\0');

    std::memset(buf, 0x55, sizeof buf);
    ::local2Utf8(buf, eucHangul.constData(), sizeof buf);
    QCOMPARE(QByteArray(buf), utf8Hangul);

    // Cut at n-1 = 4 bytes of UTF-8: the first syllable and one byte.
    std::memset(buf, 0x55, sizeof buf);
    ::local2Utf8(buf, eucHangul.constData(), 5);
    QCOMPARE(QByteArray(buf), utf8Hangul.left(4));
    QCOMPARE(buf[5], char(0x55));

    std::memset(buf, 0x55, sizeof buf);
    ::localRecode(buf, eucHangul.constData(), sizeof buf);
    QCOMPARE(QByteArray(buf), eucHangul);

    QString longText;
    for (int i = 0; i < 200; ++i)
        longText += QString::fromUtf8("한");
    const QByteArray cut = ::q2LocalBuf(longText);
    QCOMPARE(cut.size(), 255);
    QCOMPARE(cut.left(4), QByteArray("\xc7\xd1\xc7\xd1"));

    QTextCodec::setCodecForLocale(old);
}

void TextUtilTest::drawFitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("extra");     // box width = text width + extra
    QTest::addColumn<int>("percent");   // or, when non-zero, this share of it
    QTest::newRow("one pixel wider") << QString("Motion Detection") << 1 << 0;
    QTest::newRow("exactly as wide") << QString("Motion Detection") << 0 << 0;
    QTest::newRow("three quarters") << QString("Network Cable Disconnected") << 0 << 75;
    QTest::newRow("half") << QString::fromUtf8("Überschreiben") << 0 << 50;
    QTest::newRow("zero width box") << QString("Setup") << 0 << -1;
    QTest::newRow("far too wide") << QString("Configuration File export") << 0 << 1;
    QTest::newRow("empty text") << QString() << 0 << 0;
}

void TextUtilTest::drawFitText()
{
    QFETCH(QString, text);
    QFETCH(int, extra);
    QFETCH(int, percent);

    QFont font("DejaVu Sans");
    font.setPixelSize(20);
    QImage got(400, 40, QImage::Format_RGB32);
    got.fill(Qt::white);
    QPainter p(&got);
    p.setFont(font);
    const QFont before = p.font();
    // Expected widths come from the font's own metrics on this device.
    const int textWidth = p.fontMetrics().horizontalAdvance(text);
    int boxWidth = textWidth + extra;
    if (percent > 0)
        boxWidth = textWidth * percent / 100;
    else if (percent < 0)
        boxWidth = 0;
    const QRect box(5, 5, boxWidth, 30);
    ::drawFitText(&p, box, Qt::AlignLeft | Qt::AlignVCenter, text);
    QCOMPARE(p.font(), before);
    p.end();

    int stretch = 0;   // 0: drawn unchanged
    if (textWidth > 0 && textWidth >= boxWidth) {
        stretch = 90 * boxWidth / textWidth;
        if (stretch < 1 || stretch > 4000)
            stretch = 0;
    }
    QImage want(got.size(), got.format());
    want.fill(Qt::white);
    QPainter q(&want);
    QFont wantFont = font;
    if (stretch)
        wantFont.setStretch(stretch);
    q.setFont(wantFont);
    q.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
    q.end();
    QCOMPARE(got, want);

    if (stretch) {
        // The compressed text is visibly narrower than the plain one.
        QImage plain(got.size(), got.format());
        plain.fill(Qt::white);
        QPainter r(&plain);
        r.setFont(font);
        r.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        r.end();
        QVERIFY(got != plain);
        QVERIFY(QFontMetrics(wantFont).horizontalAdvance(text) < textWidth);
    }
}

QTEST_MAIN(TextUtilTest)
#include "textutiltest.moc"
