// The zoom window's requests in the main window, and its menu command.
#include "tmain.h"
#include "tdvrapi.h"
#include "tzoomwnd.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

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
