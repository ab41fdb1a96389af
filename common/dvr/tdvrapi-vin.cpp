// Video-input and POS events of the device layer.
#include "tdvrapi.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

int TDVRAPI::runVin(int type, const VinEvent* ev)
{
    Q_UNUSED(ev)
    switch (type) {
    case CBT_VIN_VL:
    case CBT_VIN_MOTION:
    case CBT_VIN_MDINFO:
    case CBT_VIN_CAMERA:
        // The video-input area adds video loss, motion, the motion map (sent
        // as a copy, notifyRecord) and the camera format change here.
        break;
    default:
        break;
    }
    return 0;
}

int TDVRAPI::runPos(int type, int ch, int value, const char* text)
{
    Q_UNUSED(ch)
    Q_UNUSED(value)
    Q_UNUSED(text)
    switch (type) {
    case CBT_POS_USB:
        qCDebug(lcApi, "CBT_POS_USB");
        emit sg_dvrNotify(SIG_POS_USB, 0, 0, 0, QString(), QString());
        break;
    case CBT_POS_TEXTIN:
    case CBT_POS_TEXTIN2:
        // The POS area adds the text-in line (notify with the text, which
        // notify copies), the alarm outputs and the overlay here.
        break;
    default:
        break;
    }
    return 0;
}
