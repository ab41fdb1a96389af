// Event pop-ups: a camera linked to the event pop-up output goes full screen
// while its sensor, motion, video-loss or text-in event lasts, and the view
// shown before comes back after the configured dwell.
#include "tmain.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tsplitth.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { SingleLayout = 1, PopupWait = 250 };

// The alarm table's entry of the event pop-up: two places before the end
// (the spot pop-up is last); null when the unit has no such place.
const AlarmOutEntry* popupEntry()
{
    const int outs = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->alarmouts;
    if (outs < 2 || outs > PROP_MAX_ALARMOUT)
        return nullptr;
    return &static_cast<const PropAlarm*>(g_cfg->getsection(IDX_PROP_ALARM, 1))->out[outs - 2];
}

} // namespace

int TMain::canPopup() const
{
    if (g_api.isPlay())
        return 0;
    for (int id : {ID_WND_ZOOM, ID_WND_PTZ, ID_WND_SETUP}) {
        if (m_wnd[id] && m_wnd[id]->isVisible())
            return 0;
    }
    return 1;
}

void TMain::runPopup(int code, int ch, int on)
{
    if (ch < 0 || ch >= g_api.channelCount() || !canPopup())
        return;
    const AlarmOutEntry* entry = popupEntry();
    if (!entry)
        return;
    int flag;
    switch (code) {
    case SIG_IO_SENSOR: flag = entry->sensorOn[ch]; break;
    case SIG_VIN_MOTION: flag = entry->motionOn[ch]; break;
    case SIG_VIN_VL: flag = entry->vlossOn[ch]; break;
    case SIG_POS_TEXTIN: flag = entry->txtinOn[ch]; break;
    default: return;
    }
    // An event that starts holds the pop-up while it lasts; its end leaves
    // the dwell.
    int time = TDVRAPI::ALARM_HELD;
    if (!on) {
        if (m_popCh < 0)
            return;
        time = int(g_cfg->getvaluefromindex(IDX_DATA_ALARM_DWELL, entry->dur));
    }
    if (!flag)
        return;

    // The view to come back to is the one before the first pop-up: a
    // switch still waiting in the layout thread counts as shown.
    const int targetLayout = m_splitTh->layout();
    const int targetPage = m_splitTh->nsw();
    const bool target = targetLayout >= 0 && targetPage >= 0;
    if (m_popCh < 0) {
        g_api.m_popLayout = target ? targetLayout : g_api.m_layout;
        g_api.m_popSw = target ? targetPage : g_api.m_sw;
    }
    m_popCnt = time;
    m_popCh = ch;
    qCDebug(lcApp, "TMain::runPopup code:%d ch:%d on:%d time:%d", code, ch, on, time);

    const int pos = g_api.posInOrder(ch);
    const int curLayout = target ? targetLayout : g_api.m_layout;
    const int curPage = target ? targetPage : g_api.m_sw;
    if (curLayout == SingleLayout && curPage == pos)
        return;
    switchLayout(SingleLayout, pos, PopupWait, false);
    selAudioByLayout(1, 0, SingleLayout, pos);
}

void TMain::tickPopup()
{
    if (m_popCh < 0 || m_popCh >= g_api.channelCount())
        return;
    if (!canPopup()) {
        // Playback, zoom, PTZ or setup took the screen over: the pop-up
        // ends where it is.
        m_popCnt = 0;
        m_popCh = -1;
        return;
    }
    if (m_popCnt > 0) {
        --m_popCnt;
        if (m_popCnt != 0)
            return;
    }
    m_popCh = -1;
    qCDebug(lcApp, "TMain::tickPopup restore lay:%d sw:%d", g_api.m_popLayout, g_api.m_popSw);
    switchLayout(g_api.m_popLayout, g_api.m_popSw, PopupWait, false);
    selAudioByLayout(1, 0, g_api.m_popLayout, g_api.m_popSw);
}
