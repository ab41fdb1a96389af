#include "tmessages.h"

#include <atomic>
#include <cstdio>

namespace {

// The handler the messages go on to; messages can come from any thread.
std::atomic<QtMessageHandler> s_next{nullptr};

void appendByte(QString& out, uint byte)
{
    static const char hex[] = "0123456789abcdef";
    out += QLatin1String("\\x");
    out += QLatin1Char(hex[(byte >> 4) & 0xf]);
    out += QLatin1Char(hex[byte & 0xf]);
}

// A character a terminal would not show as itself: one that reorders the
// text around it (the bidirectional controls) or is drawn as nothing (the
// zero-width characters and the other format characters), a line or
// paragraph separator, or a noncharacter.
bool hides(uint cp)
{
    const QChar::Category c = QChar::category(cp);
    return c == QChar::Other_Format || c == QChar::Separator_Line || c == QChar::Separator_Paragraph
           || QChar::isNonCharacter(cp);
}

// The UTF-8 bytes of a character's UTF-16 units, each as \xNN (a leading
// U+FEFF included: toUtf8() keeps it, where fromUcs4() would drop it).
void appendBytes(QString& out, const QString& character)
{
    const QByteArray utf8 = character.toUtf8();
    for (const char b : utf8)
        appendByte(out, uchar(b));
}

} // namespace

QtMessageHandler TMessages::install()
{
    const QtMessageHandler before = qInstallMessageHandler(handle);
    // The first handler it hands on to is kept: one put in front since
    // may hand messages back to this one, and the two would call each
    // other for good.
    QtMessageHandler none = nullptr;
    if (before != handle)
        s_next.compare_exchange_strong(none, before);
    return before;
}

QString TMessages::shown(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const ushort c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            const uint cp = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
            if (hides(cp)) {
                appendBytes(out, text.mid(i, 2));
            } else {
                out += text.at(i);
                out += text.at(i + 1);
            }
            ++i;
        } else if (c == 0xDC00 || (c >= 0xDC80 && c <= 0xDCFF)) {
            appendByte(out, c - 0xDC00u);
        } else if (QChar::isSurrogate(c)) {
            out += QChar(QChar::ReplacementCharacter);
        } else if (c < 0x20 || c == 0x7f || c == '\\') {
            appendByte(out, c);
        } else if (c >= 0x80 && c <= 0x9f) {
            // Two bytes in UTF-8: 0xc2, then the control's own.
            appendByte(out, 0xc2);
            appendByte(out, c);
        } else if (hides(c)) {
            appendBytes(out, text.mid(i, 1));
        } else {
            out += QChar(c);
        }
    }
    return out;
}

QString TMessages::fromBytes(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const int n = bytes.size();
    for (int i = 0; i < n;) {
        const uchar b = p[i];
        // A NUL as the lone surrogate of its byte too: U+0000 would end
        // the text where %ls passes it.
        if (b < 0x80) {
            out += QChar(b ? ushort(b) : ushort(0xdc00));
            ++i;
            continue;
        }
        // The lead byte: the length of the sequence, its first bits and the
        // least value that length may carry (shorter forms are not UTF-8).
        int len = 0;
        uint cp = 0;
        uint least = 0;
        if (b >= 0xc2 && b <= 0xdf) {
            len = 2;
            cp = b & 0x1fu;
            least = 0x80;
        } else if (b >= 0xe0 && b <= 0xef) {
            len = 3;
            cp = b & 0x0fu;
            least = 0x800;
        } else if (b >= 0xf0 && b <= 0xf4) {
            len = 4;
            cp = b & 0x07u;
            least = 0x10000;
        }
        int k = 1;
        while (k < len && i + k < n && (p[i + k] & 0xc0) == 0x80)
            cp = (cp << 6) | (p[i + k++] & 0x3fu);
        if (len > 0 && k == len && cp >= least && cp <= 0x10ffff && (cp < 0xd800 || cp > 0xdfff)) {
            if (QChar::requiresSurrogates(cp)) {
                out += QChar(QChar::highSurrogate(cp));
                out += QChar(QChar::lowSurrogate(cp));
            } else {
                out += QChar(ushort(cp));
            }
            i += len;
            continue;
        }
        out += QChar(ushort(0xdc00 + b));
        ++i;
    }
    return out;
}

void TMessages::handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QString line = shown(text);
    if (const QtMessageHandler next = s_next.load()) {
        next(type, context, line);
        return;
    }
    // A message from another thread while install() is under way: written
    // in Qt's own format.
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, line)));
}
