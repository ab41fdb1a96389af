// IO events of the device layer: keys, jog, shuttle, sensors, the
// remote-controller id and the one-second tick.
#include "tdvrapi.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

int TDVRAPI::runIo(int type, int from, int data)
{
    switch (type) {
    case CBT_IO_SHUTTLE:
        qCDebug(lcApi, "CBT_IO_SHUTTLE from:%d data:%d", from, data);
        m_shuttlePos = data;
        emit sg_dvrNotify(SIG_IO_SHUTTLE, from, data, 0, QString(), QString());
        break;
    case CBT_IO_RMCID:
        notify(SIG_IO_RMCID, from, data);
        break;
    case CBT_IO_KEY:
    case CBT_IO_JOG:
    case CBT_IO_RMCKEY:
    case CBT_IO_SENSOR:
    case CBT_IO_TIME:
        // The IO area adds key translation and panic, the jog, the sensor
        // alarm and the one-second housekeeping here.
        break;
    default:
        break;
    }
    return 0;
}
