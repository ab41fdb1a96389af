#include "tnetwire.h"
#include "dal.h"
#include "dvrrecords.h"
#include "netrecords.h"
#include "propsections.h"
#include "storagerecords.h"
#include "vinrecords.h"

#include <QtEndian>
#include <cstdint>
#include <cstring>

namespace {
enum Kind { TEXT, NUM };

// A run of fields: count fields of width bytes, stride bytes apart.
struct Field {
    Kind kind;
    int offset;
    int width;
    int count;
    int stride;
};

struct Layout {
    int size;
    const Field* fields;
    int count;
};

constexpr Field text(int offset, int width, int count = 1, int stride = 0)
{
    return Field{TEXT, offset, width, count, stride};
}

constexpr Field num(int offset, int width, int count = 1, int stride = 0)
{
    return Field{NUM, offset, width, count, stride};
}

#define AT(type, field) int(offsetof(type, field))

const Field kPrivate[] = {num(0, 4, sizeof(PropPrivate) / 4)};
const Field kAudio[] = {num(0, 4, sizeof(PropAudio) / 4)};
const Field kMotion[] = {num(0, 4, sizeof(PropMotion) / 4)};
const Field kPtz[] = {
    text(AT(PtzEntry, driver), 32, PROP_MAX_CH, sizeof(PtzEntry)),
    num(AT(PtzEntry, addr), 4, PROP_MAX_CH, sizeof(PtzEntry)),
    num(AT(PtzEntry, baud), 4, PROP_MAX_CH, sizeof(PtzEntry)),
};
const Field kNetport[] = {num(AT(PropNetport, watch), 2, 4), num(AT(PropNetport, upnp), 4)};
const Field kNetddns[] = {
    text(AT(PropNetddns, type), 16),    num(AT(PropNetddns, dur), 4),
    text(AT(PropNetddns, serverip), 100), num(AT(PropNetddns, serverport), 4),
    text(AT(PropNetddns, domain), 100), text(AT(PropNetddns, server), 100),
    text(AT(PropNetddns, id), 32),      text(AT(PropNetddns, pw), 32),
    text(AT(PropNetddns, mac), 32),
};
const Field kNetemail[] = {
    text(AT(PropNetemail, server), 64, 5, 64),
    num(AT(PropNetemail, port), 4, 2),
};
const Field kDatetime[] = {
    text(AT(PropDatetime, tz), 64),
    text(AT(PropDatetime, server), 64),
    num(AT(PropDatetime, dst), 4, 3),
};
const Field kDdnsResult[] = {num(0, 4, 7)};
const Field kUpnpResult[] = {num(0, 4, 15), text(AT(UpnpResult, ip), 256)};
const Field kNetInfo[] = {
    text(AT(NetClientInfo, mac), 64, 2, 64),
    num(AT(NetClientInfo, watch), 4, 4),
    text(AT(NetClientInfo, client), 64, NetClientInfo::MAX_CLIENTS, 64),
};
const Field kEth0Text[] = {text(0, 64, 4, 64)};
const Field kStorage[] = {
    num(AT(StorageInfo, usage), 8),
    text(AT(StorageInfo, disk) + AT(DiskEntry, text), 64, 16, sizeof(DiskEntry)),
    num(AT(StorageInfo, disk) + AT(DiskEntry, usedMB), 4, 16, sizeof(DiskEntry)),
    num(AT(StorageInfo, disk) + AT(DiskEntry, totalMB), 4, 16, sizeof(DiskEntry)),
    text(AT(StorageInfo, summary), 64),
    num(AT(StorageInfo, usedMB), 4, 12),
};
const Field kVinState[] = {num(0, 4, 60), text(AT(VinState, text), 64, 20, 64)};
const Field kSmart[] = {num(0, 4, sizeof(SmartInfo) / 4)};

#undef AT

template <int N>
constexpr Layout layout(int size, const Field (&fields)[N])
{
    return Layout{size, fields, N};
}

Layout layoutOf(TNetWire::Record rec)
{
    switch (rec) {
    case TNetWire::COLOR: return Layout{sizeof(PropColor), nullptr, 0};
    case TNetWire::PRIVATE: return layout(sizeof(PropPrivate), kPrivate);
    case TNetWire::AUDIO: return layout(sizeof(PropAudio), kAudio);
    case TNetWire::MOTION: return layout(sizeof(PropMotion), kMotion);
    case TNetWire::PTZ: return layout(sizeof(PropPtz), kPtz);
    case TNetWire::NETPORT: return layout(sizeof(PropNetport), kNetport);
    case TNetWire::NETDDNS: return layout(sizeof(PropNetddns), kNetddns);
    case TNetWire::NETEMAIL: return layout(sizeof(PropNetemail), kNetemail);
    case TNetWire::DATETIME: return layout(sizeof(PropDatetime), kDatetime);
    case TNetWire::DDNS_RESULT: return layout(sizeof(DdnsResult), kDdnsResult);
    case TNetWire::UPNP_RESULT: return layout(sizeof(UpnpResult), kUpnpResult);
    case TNetWire::NET_INFO: return layout(sizeof(NetClientInfo), kNetInfo);
    case TNetWire::ETH0_TEXT: return layout(4 * 64, kEth0Text);
    case TNetWire::STORAGE: return layout(sizeof(StorageInfo), kStorage);
    case TNetWire::VIN_STATE: return layout(sizeof(VinState), kVinState);
    case TNetWire::SMART: return layout(sizeof(SmartInfo), kSmart);
    case TNetWire::RECORD_COUNT: break;
    }
    return Layout{0, nullptr, 0};
}

void swapNumber(unsigned char* p, int width)
{
    switch (width) {
    case 2: qToUnaligned(qFromBigEndian<quint16>(p), p); break;
    case 4: qToUnaligned(qFromBigEndian<quint32>(p), p); break;
    case 8: qToUnaligned(qFromBigEndian<quint64>(p), p); break;
    default: break;
    }
}
}

int TNetWire::size(Record rec)
{
    return layoutOf(rec).size;
}

void TNetWire::convert(Record rec, void* data)
{
    const Layout l = layoutOf(rec);
    auto* bytes = static_cast<unsigned char*>(data);
    for (int i = 0; i < l.count; ++i) {
        const Field& f = l.fields[i];
        const int stride = f.stride ? f.stride : f.width;
        for (int k = 0; k < f.count; ++k) {
            unsigned char* p = bytes + f.offset + k * stride;
            if (f.kind == TEXT)
                p[f.width - 1] = '\0';
            else
                swapNumber(p, f.width);
        }
    }
}
