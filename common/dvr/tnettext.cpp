#include "tnettext.h"

#include <cstring>

namespace {
bool isAlnum(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
}

int TNetText::find(const QByteArray& text, const char* label)
{
    const int n = int(std::strlen(label));
    for (int from = 0;;) {
        const int at = text.indexOf(label, from);
        if (at < 0)
            return -1;
        if (at == 0 || !isAlnum(text.at(at - 1)))
            return at + n;
        from = at + 1;
    }
}

bool TNetText::number(const QByteArray& text, int* pos, int maxDigits, long long* value)
{
    long long v = 0;
    int digits = 0;
    int p = *pos;
    while (p < text.size() && text.at(p) >= '0' && text.at(p) <= '9') {
        if (++digits > maxDigits)
            return false;
        v = v * 10 + (text.at(p) - '0');
        ++p;
    }
    if (digits == 0)
        return false;
    *pos = p;
    *value = v;
    return true;
}

bool TNetText::address(const QByteArray& text, int pos, QByteArray* out)
{
    long long b[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text.at(pos) != '.')
                return false;
            ++pos;
        }
        if (!number(text, &pos, 3, &b[i]) || b[i] > 255)
            return false;
    }
    *out = QByteArray::number(b[0]) + '.' + QByteArray::number(b[1]) + '.' + QByteArray::number(b[2]) + '.'
           + QByteArray::number(b[3]);
    return true;
}

bool TNetText::parse(const QByteArray& text, Settings* out)
{
    return parseOver(text, Settings(), out);
}

bool TNetText::parseOver(const QByteArray& text, const Settings& base, Settings* out)
{
    Settings s = base;
    int pos = find(text, "dhcp:");
    if (pos >= 0) {
        long long v;
        if (!number(text, &pos, 5, &v) || v > 32767)
            return false;
        s.dhcp = int(v);
    }
    struct {
        const char* label;
        QByteArray* field;
    } addresses[] = {{"ip:", &s.ip}, {"nm:", &s.mask}, {"gw:", &s.gate}, {"dns:", &s.dns}};
    for (const auto& a : addresses) {
        pos = find(text, a.label);
        if (pos >= 0 && !address(text, pos, a.field))
            return false;
    }
    long long v;
    pos = find(text, "port:");
    if (pos >= 0)
        s.port = number(text, &pos, 4, &v) && v >= 8000 && v <= 9999 ? int(v) : 8000;
    pos = find(text, "webport:");
    if (pos >= 0)
        s.webport = number(text, &pos, 4, &v) && (v == 80 || (v >= 8000 && v <= 9999)) ? int(v) : 80;
    if (s.webport == s.port)
        s.webport = 80;
    *out = s;
    return true;
}
