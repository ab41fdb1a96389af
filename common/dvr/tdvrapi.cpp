#include "tdvrapi.h"
#include "tdvrhooks.h"
#include "trunner.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

TDVRAPI g_api;

// Constructed before main: nothing here talks to the device layer.
TDVRAPI::TDVRAPI() = default;

TDVRAPI::~TDVRAPI() = default;

void TDVRAPI::installConfigHooks()
{
    g_dvrHooks.getCaps = [](DalCaps* dal, AvcCaps* avc, VoutCaps* vout) {
        return g_api.getCaps(dal, avc, vout);
    };
    g_dvrHooks.scaleRate = [](int inputResIdx, int ridx, const AvcCaps* caps, double fps) {
        return g_api.scaleRate(inputResIdx, ridx, caps, fps);
    };
    g_dvrHooks.vinGetInfo = [](int channel, VinInfo* info) { return g_api.vinGetInfo(channel, info); };
}

int TDVRAPI::runSystem(const char* command)
{
    if (!command)
        return -1;
    return TRunner::system(QString::fromLocal8Bit(command));
}
