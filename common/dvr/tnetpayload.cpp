#include "tnetpayload.h"

#include <QtEndian>
#include <cstring>
#include <vector>

TNetPayload::TNetPayload(const void* data, int len)
    : m_data(static_cast<const unsigned char*>(data))
    , m_len(data && len > 0 ? len : 0)
{
}

uint32_t TNetPayload::u32(int offset) const
{
    if (offset < 0 || !has(offset + 4))
        return 0;
    return qFromBigEndian<uint32_t>(m_data + offset);
}

bool TNetPayload::terminatedText(int offset, QByteArray* out) const
{
    out->clear();
    if (offset < 0 || offset >= m_len)
        return false;
    const void* end = std::memchr(m_data + offset, '\0', size_t(m_len - offset));
    if (!end)
        return false;
    *out = QByteArray(reinterpret_cast<const char*>(m_data + offset),
                      int(static_cast<const unsigned char*>(end) - (m_data + offset)));
    return true;
}

QByteArray TNetPayload::text(int offset) const
{
    if (offset < 0 || offset >= m_len)
        return QByteArray();
    const int room = m_len - offset;
    const void* end = std::memchr(m_data + offset, '\0', size_t(room));
    const int n = end ? int(static_cast<const unsigned char*>(end) - (m_data + offset)) : room;
    return QByteArray(reinterpret_cast<const char*>(m_data + offset), n);
}

bool TNetPayload::record(int offset, TNetWire::Record rec, void* out) const
{
    const int n = TNetWire::size(rec);
    if (offset < 0 || n <= 0 || !has(offset + n))
        return false;
    std::vector<unsigned char> copy(m_data + offset, m_data + offset + n);
    TNetWire::convert(rec, copy.data());
    std::memcpy(out, copy.data(), size_t(n));
    return true;
}
