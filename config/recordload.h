#pragma once
#include "propsections.h"

#include <QString>

// The recording load of a table of per-channel recording entries: the frames
// per second the table asks of the encoder, each channel's frame rate weighted
// by the cost of its resolution. Both the section loaders (which reset a table
// over the frame budget) and the setup pages (which show the load and warn)
// weigh tables with these functions.
class TRecordLoad
{
public:
    // Frames per second of frame-rate step fidx of caps; step 0 for an index
    // outside the steps the device reports (or outside the table).
    static double stepFps(const AvcCaps& caps, int fidx);

    // Load of one channel's entry: the dearer of its continuous and its event
    // recording (a channel recording both counts once); mode 0 costs nothing.
    // Asks the device for the channel's input resolution and the resolution
    // cost of each kind.
    static double channelLoad(const RecordEntry& e, int channel, const AvcCaps& caps);

    // Load of channels 0..videos-1 of table (videos clamped to the table), or
    // of that one channel when channel is not negative (0 when it is not in
    // use). A camera whose disableOn is set in camera adds nothing; a null
    // camera counts every channel.
    static double tableLoad(const RecordEntry* table, int videos, int channel,
                            const AvcCaps& caps, const PropCamera* camera);

    // The same with a fresh encoder capability record from the device.
    static double tableLoad(const RecordEntry* table, int videos, int channel,
                            const PropCamera* camera);

    // True when load is greater than limit (a load of exactly the limit fits).
    static bool isOverload(double load, int limit);

    // The load with one decimal, truncated: 91.25 -> "91.2", 120.0 -> "120",
    // 0.04 -> "0".
    static QString text(double load);
};
