// The requests of the small pop-up tools of the live view: the system
// information window, the file chooser and the alarm control window. Each
// asks with a code; the main window has the device facade fill its state and
// hands it back before the request returns.
#include "tmain.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "tconfig.h"
#include "talarmctrlwnd.h"
#include "tdvrapi.h"
#include "tfilewnd.h"
#include "tstring.h"
#include "tsysinfownd.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

void TMain::sl_fromSysInfo(int code)
{
    auto* info = static_cast<TSysInfoWnd*>(wnd(ID_WND_SYSINFO));
    switch (code) {
    case 0:
        // The status box stays up while the three requests are answered.
        emit sg_ctrlStatus(SIG_STATE_START, g_str ? g_str->text(9) : QString(),
                           g_str ? g_str->text(198) : QString());
        g_api.checkIp();
        g_api.getNetInfo();
        if (info)
            info->setUsers(&g_api.m_netInfo);
        break;
    case 1:
        // The disks as the last storage check found them.
        if (info)
            info->setHddInfo(&g_api.m_storage);
        break;
    case 2:
        // Temperatures only when the S.M.A.R.T. check is on (edit copy).
        if (g_cfg && static_cast<const PropSmart*>(g_cfg->getsection(IDX_PROP_SMART, 0))->on) {
            g_api.checkSmart();
            if (info)
                info->setTemperature(&g_api.m_smart);
        }
        emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
        break;
    default:
        break;
    }
}

void TMain::sl_fromFile(int cmd, int val, QString path, QString filter)
{
    qCDebug(lcApp, "======== sl_fromFile(%d, %d) ========", cmd, val);
    switch (cmd) {
    case Act_FileInit:
        // val names per page; the listing stays empty outside 1..100.
        g_api.fill_file(path, filter, val);
        if (g_fileWnd)
            g_fileWnd->initLiveview(&g_api.m_listInfo);
        break;
    case Act_FilePage:
        g_api.readDirFile(val);
        if (g_fileWnd)
            g_fileWnd->readListview(&g_api.m_pageLines);
        break;
    default:
        break;
    }
}

void TMain::sl_fromAlarmCtrl(int code)
{
    auto* alarm = static_cast<TAlarmCtrlWnd*>(wnd(ID_WND_ALARMCTRL));
    if (code != 0 || !alarm)
        return;
    g_api.readIoState();
    alarm->setState(&g_api.m_ioState);
}
