#include "textutil.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QTextCodec>

#include <climits>
#include <cmath>

namespace {

const int kBufLimit = 255;

void boundedCopy(char* dst, const QByteArray& bytes, int n)
{
    if (!dst || n <= 0)
        return;
    // strncpy semantics: the text, zero bytes to the end, last byte zero.
    qstrncpy(dst, bytes.constData(), static_cast<uint>(n));
}

QTextCodec* localCodec()
{
    return QTextCodec::codecForLocale();
}

} // namespace

void drawFitText(QPainter* painter, const QRect& r, int flags, const QString& text)
{
    if (!painter)
        return;
    QFont font = painter->font();
    const QFont saved = font;
    const int textWidth = painter->fontMetrics().horizontalAdvance(text);
    const int avail = r.width();
    if (textWidth < avail || textWidth <= 0) {
        painter->drawText(r, flags, text);
        return;
    }
    const qint64 stretch = 90 * static_cast<qint64>(avail) / textWidth;
    if (stretch < 1 || stretch > 4000) {
        // Box of no width, or text too wide to compress: draw as it is.
        painter->drawText(r, flags, text);
        return;
    }
    font.setStretch(static_cast<int>(stretch));
    painter->setFont(font);
    painter->drawText(r, flags, text);
    painter->setFont(saved);
}

QString fToStr(int n, double value)
{
    n = qBound(0, n, 9);
    int p = 1;
    for (int k = 0; k < n; ++k)
        p *= 10;
    if (std::isnan(value))
        value = 0.0;
    // Saturate before any conversion to int: p * value must fit 32 bits.
    const double limit = static_cast<double>(INT_MAX) / p;
    value = qBound(-limit, value, limit);

    const double s = p * value;
    const int i = static_cast<int>(s);
    const int f = i % p;
    if (f == 0)
        return QString::number(static_cast<int>(value));
    const int w = static_cast<int>(s / p);
    if (f > 0)
        return QString::asprintf("%d.%0*d", w, n, f);
    return QString::asprintf("-%d.%0*d", -w, n, -f);
}

QString utf82Q(const char* text)
{
    if (!text || !*text)
        return QString();
    return QString::fromUtf8(text);
}

QString local2Q(const char* text)
{
    if (!text || !*text)
        return QString();
    return localCodec()->toUnicode(text);
}

void q2Utf8(char* dst, const QString& text, int n)
{
    boundedCopy(dst, text.toUtf8(), n);
}

void q2Local(char* dst, const QString& text, int n)
{
    boundedCopy(dst, localCodec()->fromUnicode(text), n);
}

void local2Utf8(char* dst, const char* text, int n)
{
    boundedCopy(dst, local2Q(text).toUtf8(), n);
}

void localRecode(char* dst, const char* text, int n)
{
    boundedCopy(dst, localCodec()->fromUnicode(local2Q(text)), n);
}

QByteArray q2Utf8Buf(const QString& text)
{
    return text.toUtf8().left(kBufLimit);
}

QByteArray q2LocalBuf(const QString& text)
{
    return localCodec()->fromUnicode(text).left(kBufLimit);
}
