#pragma once
#include "dal.h"
#include "tnetwire.h"

#include <QByteArray>
#include <cstdint>

// Builds the answer to one remote-setup packet in the reply record the
// device layer gave. The record's length starts at 0 (no answer) and always
// counts exactly the bytes written; a write that would pass the end of the
// 4096-byte buffer writes nothing and fails.
class TNetReply
{
public:
    explicit TNetReply(NetpackReply* reply);

    bool valid() const { return m_reply != nullptr; }
    int length() const { return m_reply ? int(m_reply->len) : 0; }
    int room() const { return m_reply ? DAL_NETREPLY_SIZE - int(m_reply->len) : 0; }
    // A big-endian number.
    bool u32(uint32_t value);
    bool bytes(const void* data, int n);
    bool byte(unsigned value);
    // A text and its terminator.
    bool text(const QByteArray& text);
    // A host record converted to the wire's order.
    bool record(TNetWire::Record rec, const void* data);

private:
    NetpackReply* m_reply;
};
