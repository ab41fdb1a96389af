#include "startup.h"
#include "appglobals.h"
#include "dal.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include <QWidget>
#include "tres.h"
#include "trunner.h"
#include "tstring.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

QSize screenSizeOf(const VoutCaps& caps)
{
    const QSize fallback(1280, 720);
    const int count = qMin(int(caps.numRes), int(DAL_MAX_RES));
    if (count < 1)
        return fallback;
    const QSize last(caps.outW[count - 1], caps.outH[count - 1]);
    qCDebug(lcApp, "screen size cx:%d cy:%d", last.width(), last.height());
    return last.width() > 0 && last.height() > 0 ? last : fallback;
}

int runAfterLoop(int upgrade, int powerOff, const std::function<bool()>& stopRequested)
{
    if (upgrade) {
        qCDebug(lcApp, "main.. upgrade!!");
        TRunner::system(QStringLiteral("/dvr/upgrade /dvr/fwr skip_crc_check reboot &"));
        return 1;
    }
    if (powerOff) {
        // The operator chose power-off: the device layer is already stopped
        // and the recorder is switched off. A stop request still ends the
        // process through the tear-down, as at any other time.
        while (!(stopRequested && stopRequested()))
            TDVRAPI::msleep(1);
        qCDebug(lcApp, "main.. stop request during the power-off wait");
    }
    return 0;
}

void tearDown(QWidget* mainWnd)
{
    delete mainWnd;
    delete g_str;
    g_str = nullptr;
    delete g_res;
    g_res = nullptr;
    delete g_cfg;
    g_cfg = nullptr;
}
