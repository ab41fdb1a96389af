#include "utf8cut.h"

namespace {
bool continues(char c)
{
    return (uchar(c) & 0xC0) == 0x80;
}
} // namespace

int utf8WholeLen(const char* utf8, int len, int max)
{
    if (!utf8 || len <= 0 || max <= 0)
        return 0;
    if (len <= max)
        return len;
    // utf8[max] is the first byte left out. When it continues a character,
    // that character began at most three bytes before it: leave it out whole.
    int k = max;
    while (k > 0 && max - k < 3 && continues(utf8[k]))
        --k;
    if (k < max && (uchar(utf8[k]) & 0xC0) == 0xC0)
        return k;
    return max;
}

QByteArray q2Utf8Whole(const QString& text, int max)
{
    QByteArray bytes = text.toUtf8();
    bytes.truncate(utf8WholeLen(bytes.constData(), bytes.size(), max));
    return bytes;
}

void q2Utf8Whole(char* dst, const QString& text, int n)
{
    if (!dst || n <= 0)
        return;
    // strncpy semantics: the text, zero bytes to the end, last byte zero.
    qstrncpy(dst, q2Utf8Whole(text, n - 1).constData(), uint(n));
}
