// The requests of the PTZ window: the camera shown full screen under it,
// the moves and presets sent to the camera, the preset and tour settings
// stored, and the live view given back when the control ends; the zoom
// window's requests and its menu command.
#include "tmain.h"
#include "appglobals.h"
#include "logrecord.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tptzwnd.h"
#include "tstring.h"
#include "tzoomwnd.h"
#include "wndcodes.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { T_PTZ = 14, T_PLEASE_WAIT = 198, PresetStoreHoldMs = 2000 };

// The camera command of a move request and whether it starts the move; -1
// for a request that is no move.
struct PtzMove {
    int press;
    int cmd;
};
const PtzMove kPtzMoves[] = {
    {Act_PtzUp, PTZ_UP},
    {Act_PtzDown, PTZ_DOWN},
    {Act_PtzLeft, PTZ_LEFT},
    {Act_PtzRight, PTZ_RIGHT},
    {Act_PtzZoomTele, PTZ_ZOOM_TELE},
    {Act_PtzZoomWide, PTZ_ZOOM_WIDE},
    {Act_PtzFocusNear, PTZ_FOCUS_NEAR},
    {Act_PtzFocusFar, PTZ_FOCUS_FAR},
    {Act_PtzIrisOpen, PTZ_IRIS_OPEN},
    {Act_PtzIrisClose, PTZ_IRIS_CLOSE},
};

} // namespace

void TMain::sl_fromPtz(int code, int channel, int arg)
{
    const int pos = g_api.posInOrder(channel);
    qCDebug(lcApp, "======== sl_fromPtz type:%d ch:%d val2:%d ch_idx:%d ========", code, channel, arg, pos);
    auto* ptz = static_cast<TPtzWnd*>(wnd(ID_WND_PTZ));
    // The end of the control always runs, so the live view comes back.
    if (!ptz && code != Act_PtzClose)
        return;

    for (const PtzMove& m : kPtzMoves) {
        if (code != m.press && code != m.press + 1)
            continue;
        if (code == Act_PtzLeft)
            qCDebug(lcApp, "=========== ptz left ==========");
        // Only pan and tilt take the speed of the drag.
        const bool panTilt = m.cmd <= PTZ_DOWN;
        if (code == m.press)
            g_api.ptzControl(channel, m.cmd, 1, panTilt ? arg : 0);
        else
            g_api.ptzControl(channel, m.cmd, 0, 0);
        return;
    }

    switch (code) {
    case Act_PtzShowLayout:
        g_api.showLayout(pos);
        break;
    case Act_PtzClose:
        g_api.closePopup();
        g_api.writeLog(LOG_PTZ_STOP, nullptr, nullptr);
        selAudioByLayout(1, 0);
        g_api.m_ptzBusy = 0;
        break;
    case Act_PtzNoViw:
        g_api.showLayoutNoViw(pos);
        m_popupRect = QRect(0, 0, width(), height());
        sl_showed(ID_WND_PTZ, 0, QRegion(m_popupRect));
        break;
    case Act_PtzPresetGo:
        g_api.ptzControl(channel, PTZ_PRESET_GO, arg, 0);
        break;
    case Act_PtzPresetSet:
    case Act_PtzPresetClear:
    case Act_PtzSetupEnd:
        storePresets(code, channel, arg);
        break;
    case Act_PtzSubShow:
    case Act_PtzSubHide:
        sl_showed(ID_WND_PTZ, code == Act_PtzSubShow ? 1 : 0, QRegion(ptz->getChildRect(channel)));
        break;
    default:
        break;
    }
}

void TMain::storePresets(int code, int channel, int arg)
{
    emit sg_ctrlStatus(SIG_STATE_START, g_str ? g_str->text(T_PTZ) : QString(),
                       g_str ? g_str->text(T_PLEASE_WAIT) : QString());
    // The box is painted before the store blocks the window.
    QCoreApplication::processEvents();
    // The presets dropped in the setup popup go from the camera while the
    // live copy still tells which they were.
    if (code == Act_PtzSetupEnd)
        g_api.ptzClearPresets(channel);
    g_cfg->apply(IDX_PROP_PRESET, nullptr, nullptr, 1);
    g_cfg->commitfile();
    if (code == Act_PtzPresetSet) {
        g_api.ptzControl(channel, PTZ_PRESET_SET, arg, 0);
    } else if (code == Act_PtzPresetClear) {
        g_api.ptzControl(channel, PTZ_PRESET_CLEAR, arg, 0);
    } else {
        g_api.ptzSetdevice(channel, 1);
        g_api.restartPtzTour(channel);
    }
    hideStatusLater(PresetStoreHoldMs);
}

void TMain::sl_fromZoom(int code, int a, int b, int c)
{
    qCDebug(lcApp, "======== sl_fromZoom(%d, %d) ========", code, a);
    auto* zoom = static_cast<TZoomWnd*>(wnd(ID_WND_ZOOM));
    if (!zoom && code != TZoomWnd::Act_ZoomClose)
        return;
    switch (code) {
    case TZoomWnd::Act_ZoomLayout:
        g_api.showLayout(g_api.posInOrder(a));
        break;
    case TZoomWnd::Act_ZoomClose:
        g_api.zoomcontrol(100, -1, -1);
        g_api.closePopup();
        selAudioByLayout(1, 0);
        break;
    case TZoomWnd::Act_ZoomStart:
        g_api.showLayoutNoViw(g_api.posInOrder(a));
        g_api.zoomcontrol(200, -1, -1);
        m_popupRect = QRect(0, 0, width(), height());
        break;
    case TZoomWnd::Act_ZoomMenuShow:
    case TZoomWnd::Act_ZoomMenuHide:
        sl_showed(ID_WND_ZOOM, code == TZoomWnd::Act_ZoomMenuShow ? 1 : 0, QRegion(zoom->getMenuRect(a)));
        break;
    case TZoomWnd::Act_ZoomArea:
        qCDebug(lcApp, "======== sl_fromZoom action (%d, %d, %d) ========", a, b, c);
        g_api.zoomcontrol(a, b, c);
        break;
    default:
        break;
    }
}

void TMain::cmdZoom(int arg)
{
    auto* zoom = static_cast<TZoomWnd*>(wnd(ID_WND_ZOOM));
    if (!zoom)
        return;
    int ch = arg;
    if (ch < 0) {
        const QPoint at = m_menuPos.isNull() ? QPoint(50, 50) : m_menuPos;
        ch = qMax(0, g_api.chAtPoint(at.x(), at.y()));
    }
    zoom->setChannel(ch);
    audioOff();
    showInfo(0, 0);
    openWnd(ID_WND_ZOOM, true);
}
