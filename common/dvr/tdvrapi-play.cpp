// Decoder events of the device layer during playback.
#include "tdvrapi.h"

int TDVRAPI::runDecInfo(int type, const DecInfo* rec)
{
    Q_UNUSED(type)
    Q_UNUSED(rec)
    // The playback area adds the channel mask, date, time and rate, the
    // per-channel texts and the text-in overlay here; records cross to the
    // GUI thread as copies (notifyRecord).
    return 0;
}
