#include "recordload.h"
#include "tdvrhooks.h"

namespace {

int clampCount(int count, int size)
{
    return count < 0 ? 0 : (count > size ? size : count);
}

// Cost of one recording kind: its frame rate, scaled by the device for the
// record resolution (unscaled when the resolution is not one it reports).
double kindCost(const AvcCaps& caps, int inputResIdx, int ridx, int fidx)
{
    return dvrScaleRate(inputResIdx, ridx, &caps, TRecordLoad::stepFps(caps, fidx));
}

} // namespace

double TRecordLoad::stepFps(const AvcCaps& caps, int fidx)
{
    // The device may report more steps than the record holds.
    const int steps = clampCount(caps.num_fidx, AVC_MAX_FIDX);
    return fidx >= 0 && fidx < steps ? caps.fidx2fps[fidx] : caps.fidx2fps[0];
}

double TRecordLoad::channelLoad(const RecordEntry& e, int channel, const AvcCaps& caps)
{
    VinInfo info;
    dvrVinGetInfo(channel, &info);
    double continuous = 0.0;
    double event = 0.0;
    if (e.mode == 1 || e.mode == 3)
        continuous = kindCost(caps, info.ridx, e.cridx, e.cfidx);
    if (e.mode == 2 || e.mode == 3)
        event = kindCost(caps, info.ridx, e.eridx, e.efidx);
    return continuous > event ? continuous : event;
}

double TRecordLoad::tableLoad(const RecordEntry* table, int videos, int channel,
                              const AvcCaps& caps, const PropCamera* camera)
{
    const int n = clampCount(videos, PROP_MAX_CH);
    double sum = 0.0;
    for (int c = 0; c < n; ++c) {
        if (channel >= 0 && c != channel)
            continue;
        if (camera && camera->data[c].disableOn)
            continue;
        sum += channelLoad(table[c], c, caps);
    }
    return sum;
}

double TRecordLoad::tableLoad(const RecordEntry* table, int videos, int channel,
                              const PropCamera* camera)
{
    AvcCaps caps;
    dvrGetCaps(nullptr, &caps, nullptr);
    return tableLoad(table, videos, channel, caps, camera);
}

bool TRecordLoad::isOverload(double load, int limit)
{
    return load > double(limit);
}

QString TRecordLoad::text(double load)
{
    const int v = int(load * 10.0);
    const int q = v / 10;
    const int r = v % 10;
    return r ? QString::asprintf("%d.%d", q, r) : QString::asprintf("%d", q);
}
