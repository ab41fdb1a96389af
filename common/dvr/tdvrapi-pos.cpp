// POS devices: the ports' settings to the device layer, and which ports
// have a device.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

int TDVRAPI::posSetdevice()
{
    if (!g_cfg)
        return -1;
    const PropPos* pos = static_cast<const PropPos*>(g_cfg->getsection(IDX_PROP_POS, 1));
    const int channels = channelCount();
    PosDev dev[8];
    std::memset(dev, 0, sizeof dev);
    for (int i = 0; i < PROP_MAX_POSPORTS; ++i) {
        const PosPort& port = pos->port[i];
        PosDev& d = dev[i];
        d.baud = port.baudrate;
        // Cameras 1..videos; anything else binds the port to no camera.
        d.channel = port.channel >= 1 && port.channel <= channels ? port.channel - 1 : -1;
        qstrncpy(d.taStart, port.ta_start, sizeof d.taStart);
        qstrncpy(d.taEnd, port.ta_end, sizeof d.taEnd);
        qstrncpy(d.ignore1, port.ignore, sizeof d.ignore1);
        qstrncpy(d.ignore2, port.ignore2, sizeof d.ignore2);
        qstrncpy(d.ignore3, port.ignore3, sizeof d.ignore3);
        qstrncpy(d.ignore4, port.ignore4, sizeof d.ignore4);
        d.morelines = port.morelines;
    }
    const int r = DalPosSet(dev);
    qCDebug(lcApi, "DalPosSet => %d", r);
    return r;
}

int TDVRAPI::posScan()
{
    return readPosScan(m_posScan);
}

int TDVRAPI::readPosScan(int32_t* out)
{
    // A scan that fails shows no device rather than the last answer.
    std::memset(out, 0, sizeof m_posScan);
    return DalPosScan(out);
}
