#include "tnetreply.h"

#include <QtEndian>
#include <cstring>
#include <vector>

TNetReply::TNetReply(NetpackReply* reply)
    : m_reply(reply)
{
    if (m_reply)
        m_reply->len = 0;
}

bool TNetReply::bytes(const void* data, int n)
{
    if (!m_reply || n < 0 || n > room())
        return false;
    if (n > 0)
        std::memcpy(m_reply->buf + m_reply->len, data, size_t(n));
    m_reply->len += uint32_t(n);
    return true;
}

bool TNetReply::u32(uint32_t value)
{
    unsigned char be[4];
    qToBigEndian(value, be);
    return bytes(be, 4);
}

bool TNetReply::byte(unsigned value)
{
    const unsigned char b = static_cast<unsigned char>(value);
    return bytes(&b, 1);
}

bool TNetReply::text(const QByteArray& text)
{
    if (text.size() + 1 > room())
        return false;
    return bytes(text.constData(), text.size() + 1);
}

bool TNetReply::record(TNetWire::Record rec, const void* data)
{
    const int n = TNetWire::size(rec);
    if (n > room())
        return false;
    std::vector<unsigned char> copy(static_cast<const unsigned char*>(data),
                                    static_cast<const unsigned char*>(data) + n);
    TNetWire::convert(rec, copy.data());
    return bytes(copy.data(), n);
}
