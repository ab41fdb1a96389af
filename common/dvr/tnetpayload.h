#pragma once
#include "tnetwire.h"

#include <QByteArray>
#include <cstdint>

// The payload of one remote-setup packet as it arrived: len bytes that the
// caller has checked against the received size. Every read names the bytes
// it needs and fails, reading nothing, when the payload is shorter.
class TNetPayload
{
public:
    TNetPayload(const void* data, int len);

    int size() const { return m_len; }
    // True when the payload holds at least bytes bytes.
    bool has(int bytes) const { return bytes >= 0 && m_len >= bytes; }
    // Big-endian numbers at offset; 0 when they do not fit.
    uint32_t u32(int offset) const;
    int32_t i32(int offset) const { return int32_t(u32(offset)); }
    // The text at offset that ends with its terminator inside the payload;
    // false (out empty) when no terminator follows.
    bool terminatedText(int offset, QByteArray* out) const;
    // The text at offset up to its terminator or the payload's end.
    QByteArray text(int offset) const;
    // The record rec at offset, converted to host order into out; false,
    // leaving out untouched, when the payload is too short for it.
    bool record(int offset, TNetWire::Record rec, void* out) const;

private:
    const unsigned char* m_data;
    int m_len;
};
