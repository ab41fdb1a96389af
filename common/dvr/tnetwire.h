#pragma once
#include <cstddef>

// The byte order of remote-setup records. The remote-setup client speaks the
// recorder's own big-endian order: every number of a record crosses the wire
// big-endian, texts cross as they are. TNetWire knows, per record, where its
// numbers and texts lie, turns a record between wire and host order (the
// same swap both ways) and terminates every text field, so a record from the
// network never leaves an unterminated text in a configuration section.
class TNetWire
{
public:
    // The records that cross the wire: configuration sections a packet
    // writes, and status blocks a reply carries.
    enum Record {
        COLOR,
        PRIVATE,
        AUDIO,
        MOTION,
        PTZ,
        NETPORT,
        NETDDNS,
        NETEMAIL,
        DATETIME,
        DDNS_RESULT,
        UPNP_RESULT,
        NET_INFO,
        ETH0_TEXT,
        STORAGE,
        VIN_STATE,
        SMART,
        RECORD_COUNT
    };

    // The record's size in bytes.
    static int size(Record rec);
    // Swaps the record's numbers between wire and host order in place and
    // terminates its text fields.
    static void convert(Record rec, void* data);
};
