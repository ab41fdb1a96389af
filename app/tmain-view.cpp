// The live view's mouse (double click to and from the single view, tile
// drag-swap, the digital-zoom box, the right button), the regions the
// windows cover over the video, and the information bar's show and hide.
#include "tmain.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tmenuguard.h"
#include "tres.h"
#include "tsplitth.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLoggingCategory>
#include <QTimer>
#include <QMenu>
#include <QMouseEvent>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    SingleLayout = 1,
    DragStart = 20,       // Manhattan distance that turns a press into a drag
    ZoomBoxMin = 31,      // a zoom box this wide or tall zooms
    DblClickQuiet = 500,  // ms after a double click in which a release is ignored
    LayoutWait = 500,
    OemHddAlarm = 5,
    MenuRegion = 17,
    SetupMenuRegion = 18
};

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

QSize screenSize()
{
    return g_res->getSize(16);
}

} // namespace

// ---- Regions ----------------------------------------------------------------

void TMain::connectRegions()
{
    connect(this, &TMain::sg_showed, this, &TMain::sl_showed);
    for (TDefWnd* w : m_wnd) {
        if (w)
            connect(w, &TDefWnd::sg_showed, this, &TMain::sl_showed);
    }
}

QRegion TMain::coveredRegion() const
{
    QRegion all;
    for (const QRegion& r : m_regions)
        all += r;
    return all;
}

void TMain::sl_showed(int id, int shown, QRegion region)
{
    if (id < 0 || id >= WND_SLOTS || id == ID_WND_MAIN)
        return;
    // Ids 17 and 18 are the command menu and its "Setup" submenu, which cut
    // their area out of the video like every window.
    QWidget* owner = id == MenuRegion ? static_cast<QWidget*>(m_menu)
                     : id == SetupMenuRegion ? static_cast<QWidget*>(m_setupMenu)
                                             : m_wnd[id];
    if (!owner)
        return;
    const QRegion r = region.translated(owner->mapToGlobal(QPoint(0, 0)) - mapToGlobal(QPoint(0, 0)));
    const QRegion before = coveredRegion();
    // The PTZ and zoom windows never hold their own region: the video stays
    // see-through under them. What they report besides (their menus and
    // pop-ups) is cut like any window, or it would not be seen.
    const bool ownArea = m_wnd[id] && region == m_wnd[id]->region();
    if (!shown || ((id == ID_WND_PTZ || id == ID_WND_ZOOM) && ownArea))
        m_regions[id] -= r;
    else if (owner->isVisible())
        m_regions[id] += r;
    const QRegion after = coveredRegion();

    const QRegion changed = before.xored(after);
    qCDebug(lcApp, "[%02d] : change count = %d", id, changed.rectCount());
    for (const QRect& c : changed) {
        const int level = after.contains(c) ? -1 : 0;
        qCDebug(lcApp, "[%02d] : %03d %03d %03d %03d alpha:%d", id, c.x(), c.y(), c.width(), c.height(), level);
        g_api.alphaFillCfg(c.x(), c.y(), c.width(), c.height(), level);
    }
    // Not inside a menu's show or hide handler: what is queued there would
    // show windows into the half-closed menu.
    TMenuGuard::processEvents();
    qCDebug(lcApp, "======== sl_showed : end:%d ========", id);
    if (id == ID_WND_MSG && !shown && oemId() == OemHddAlarm)
        g_api.fireHddAlarmout(0);
    sl_afterShow(id, shown);
}

// ---- Information bar --------------------------------------------------------

int TMain::isInfoVisible() const
{
    return m_wnd[ID_WND_INFO] && m_wnd[ID_WND_INFO]->isVisible() ? 1 : 0;
}

void TMain::showInfo(int show, int force)
{
    TDefWnd* bar = m_wnd[ID_WND_INFO];
    const auto* info = static_cast<const PropInfobar*>(g_cfg->getsection(IDX_PROP_INFOBAR, 1));
    if (show && (info->on || info->auto_)) {
        selAudioByLayout(1, 0);
        const QPoint cursor = mapFromGlobal(QCursor::pos());
        if (info->auto_ && !m_infoRect.contains(cursor) && cursor.y() < screenSize().height() && !force) {
            m_infoDirty = 1;
            return;
        }
        if (bar && !bar->isVisible()) {
            bar->show();
            // The clock drawn while the bar was away goes: the bar stands
            // over it, and no part of it may stay frozen beside the bar.
            update(clockRect(screenSize()));
        }
        m_infoDirty = 0;
    } else {
        if (bar && bar->isVisible())
            bar->hideWnd();
        m_infoDirty = 1;
    }
    QCoreApplication::processEvents();
}

void TMain::sl_showInfo()
{
    if (numVisibleWnd() == 0) {
        if (!isInfoVisible())
            showInfo(1, 0);
        g_api.m_wndOpen = 0;
    } else if (isInfoVisible()) {
        showInfo(0, 0);
    }
}

void TMain::evtLanguage()
{
    // The setup and search windows always take the new texts; the tools
    // only while they are open.
    for (int id : {ID_WND_SETUP, ID_WND_SEARCH})
        if (m_wnd[id])
            m_wnd[id]->evtLanguage();
    for (int id : {ID_WND_PTZ, ID_WND_ZOOM, ID_WND_BACKUP})
        if (m_wnd[id] && m_wnd[id]->isVisible())
            m_wnd[id]->evtLanguage();
    // The disk summary is a translated text too.
    g_api.checkStorage();
}

// ---- Zoom box ---------------------------------------------------------------

void TMain::calcZoomRatio(const QPoint& start, const QPoint& end, int keepRatio)
{
    const int x1 = qMin(start.x(), end.x());
    const int y1 = qMin(start.y(), end.y());
    const QSize screen = screenSize();
    const double sw = screen.width();
    const double sh = screen.height();
    double dx = qAbs(end.x() - start.x());
    double dy = qAbs(end.y() - start.y());
    double ratio;
    int w;
    int h;
    const double m = g_api.maxZoom();
    if (!(m > 1.0) || (dx <= 0 && dy <= 0) || sw <= 0 || sh <= 0) {
        // An output that cannot enlarge, or no box: the whole screen, no zoom.
        ratio = 1.0;
        w = screen.width();
        h = screen.height();
    } else {
        // The box widens to the screen's aspect so the picture is never
        // distorted.
        if (dy <= 0 || (dx > 0 && sw / dx > sh / dy)) {
            ratio = sh / dy;
            dx = dy * sw / sh;
        } else {
            ratio = sw / dx;
            dy = dx * sh / sw;
        }
        if (ratio > m) {
            ratio = m;
            w = int(sw / m);
            h = int(sh / m);
        } else {
            w = int(dx);
            h = int(dy);
        }
    }
    if (keepRatio)
        m_zoomRatio = ratio;
    m_zoomPtStart = QPoint(w / 2, h / 2);
    m_zoomPtEnd = QPoint(screen.width() - w + w / 2, screen.height() - h + h / 2);
    m_zoomPtCur = QPoint(x1 + w / 2, y1 + h / 2);
    m_zoomRect = QRect(QPoint(x1, y1), QPoint(x1 + w - 1, y1 + h - 1));
    qCDebug(lcApp, "calcZoomRatio.. ratio:%.1f Start:%d,%d End:%d,%d Cur:%d,%d sz:%d,%d", ratio, m_zoomPtStart.x(),
            m_zoomPtStart.y(), m_zoomPtEnd.x(), m_zoomPtEnd.y(), m_zoomPtCur.x(), m_zoomPtCur.y(), w, h);
}

void TMain::updateZoomFrame(const QRect& rect)
{
    // Four strips around each frame: the frame is two pixels wide.
    auto strips = [this](const QRect& r) {
        if (r.left() > r.right() || r.top() > r.bottom())
            return;
        const int x1 = r.left(), y1 = r.top(), x2 = r.right(), y2 = r.bottom();
        update(QRect(QPoint(x1 - 1, y1 - 1), QPoint(x2 + 3, y1 + 2)));
        update(QRect(QPoint(x1 - 1, y1 - 1), QPoint(x1 + 2, y2 + 3)));
        update(QRect(QPoint(x1 - 1, y2), QPoint(x2 + 3, y2 + 3)));
        update(QRect(QPoint(x2, y1 - 1), QPoint(x2 + 3, y2 + 3)));
    };
    strips(m_zoomRect);
    strips(rect);
    m_zoomRect = rect;
}

bool TMain::releaseZoomBox()
{
    const QPoint start = m_ptStart;
    const QPoint end = m_ptEnd;
    if (qAbs(end.x() - start.x()) < ZoomBoxMin && qAbs(end.y() - start.y()) < ZoomBoxMin) {
        // Too small to be meant as a zoom: the frame goes, nothing else.
        m_ptStart = m_ptEnd;
        updateZoomFrame(QRect(0, 0, -1, -1));
        return false;
    }
    // The drawn box goes first: the fitted rectangle that replaces it may
    // be smaller, and the box's right and bottom edges would stay on the
    // picture.
    updateZoomFrame(QRect(0, 0, -1, -1));
    calcZoomRatio(start, end, 1);
    updateZoomFrame(QRect(0, 0, -1, -1));
    const int spanX = m_zoomPtEnd.x() - m_zoomPtStart.x();
    const int spanY = m_zoomPtEnd.y() - m_zoomPtStart.y();
    if (m_zoomRatio <= 1.0 || spanX <= 0 || spanY <= 0) {
        // The output cannot enlarge: no zoom.
        m_zoomRatio = 1.0;
        return true;
    }
    const double offX = double(m_zoomPtCur.x() - m_zoomPtStart.x()) / spanX;
    const double offY = double(m_zoomPtCur.y() - m_zoomPtStart.y()) / spanY;
    qCDebug(lcApp,
            "mouseReleaseEvent.. m_ptStart:%d,%d m_ptEnd:%d,%d diff_x:%.1f diff_y:%.1f d_w:%.1f d_h:%.1f off_x:%.1f "
            "off_y:%.1f",
            start.x(), start.y(), end.x(), end.y(), double(qAbs(end.x() - start.x())),
            double(qAbs(end.y() - start.y())), double(spanX), double(spanY), offX, offY);
    g_api.zoomcontrol(int(m_zoomRatio * 100), int(offX * 100), int(offY * 100));
    return true;
}

// ---- Drag-swap --------------------------------------------------------------

void TMain::swapTiles(int chA, int chB)
{
    if (g_api.swapOrder(chA, chB) < 0)
        return;
    // The stored order follows the shown one, in flash, so that the swap
    // survives a power cut like every other change of the order.
    auto* edit = static_cast<PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 0));
    const int count = g_api.channelCount();
    for (int p = 0; p < count && p < PROP_MAX_CH; ++p)
        edit->orders[p] = g_api.m_chOrder[p];
    g_cfg->apply(IDX_PROP_DISPLAY, nullptr, nullptr, 1);
    const bool quick = g_api.saveQuickOpt();
    const bool stored = g_cfg->save(IDX_PROP_DISPLAY) == 0 && g_cfg->commitfile() == 0;
    m_splitTh->set(-1, -1);
    m_splitTh->kick();
    if (!quick || !stored) {
        // The swap is shown but would not survive a restart: say so.
        qCWarning(lcApp, "swapTiles.. the new order was not stored");
        sl_ctrlStatus(SIG_STATE_START, dvrText(3), dvrText(212));
        hideStatusLater(3000);
    }
}

// ---- Mouse ------------------------------------------------------------------

void TMain::mousePressEvent(QMouseEvent* e)
{
    for (int id : {ID_WND_SPLIT, ID_WND_AUDIO})
        if (m_wnd[id] && m_wnd[id]->isVisible())
            m_wnd[id]->hideWnd();

    const QPoint at = e->pos();
    if (e->buttons() == Qt::RightButton) {
        resetCursor();
        m_rightPress = 1;
        m_boxing = 0;
        if (m_zoomRatio > 1.0) {
            // The right button first ends a digital zoom.
            updateZoomFrame(QRect(0, 0, -1, -1));
            m_zoomRatio = 1.0;
            m_ptStart = m_ptEnd;
            g_api.zoomcontrol(100, 0, 0);
            return;
        }
        // The command menu opens only over the bare live view, and not
        // right after Setup, Search or Backup were opened from it.
        if (numVisibleWnd() == 0 && m_skipPopup)
            qCDebug(lcApp, "m_skipPopup:%d mousePressEvent", m_skipPopup);
        else if (numVisibleWnd() == 0)
            popupMenu(at); // sets the facade's menu-open flag
        return;
    }

    m_rightPress = 0;
    if (e->buttons() == Qt::LeftButton && g_api.m_layout == SingleLayout) {
        if (m_zoomRatio <= 1.0) {
            m_ptStart = m_ptEnd = at;
            m_boxing = 1;
        }
        return;
    }
    const int visible = numVisibleWnd();
    const bool searchOnly = visible < 2 && m_wnd[ID_WND_SEARCH] && m_wnd[ID_WND_SEARCH]->isVisible();
    if (visible == 0 || searchOnly) {
        if (g_api.m_layout == SingleLayout) {
            if (m_wnd[ID_WND_SEARCH])
                m_wnd[ID_WND_SEARCH]->setCursor(Qt::ArrowCursor);
            setCursor(Qt::ArrowCursor);
            return;
        }
        const bool singlePlayback = g_api.m_mode == 1 && (g_api.m_searchMode == 3 || g_api.m_searchMode == 4);
        if (!m_bDrag && !singlePlayback && m_loggedIn && !m_seqOn) {
            m_pressIdx = g_api.chAtPoint(at.x(), at.y());
            m_pressPos = at;
            m_pressed = 1;
            return;
        }
    }
    resetCursor();
}

void TMain::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton) {
        if (m_pressed || m_bDrag)
            resetCursor();
        return;
    }
    const QPoint at = e->pos();
    if (g_api.m_layout == SingleLayout) {
        // The zoom box follows the cursor.
        if (m_boxing && m_zoomRatio <= 1.0) {
            m_ptEnd = at;
            updateZoomFrame(QRect(QPoint(qMin(m_ptStart.x(), at.x()), qMin(m_ptStart.y(), at.y())),
                                  QPoint(qMax(m_ptStart.x(), at.x()), qMax(m_ptStart.y(), at.y()))));
        }
        return;
    }
    if (m_pressed && (at - m_pressPos).manhattanLength() >= DragStart) {
        m_pressed = 0;
        m_bDrag = 1;
        if (m_wnd[ID_WND_SEARCH])
            m_wnd[ID_WND_SEARCH]->setCursor(Qt::ClosedHandCursor);
        setCursor(Qt::ClosedHandCursor);
    }
}

void TMain::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint at = e->pos();
    const int elapsed = m_dblClickTime.isValid() ? int(m_dblClickTime.elapsed()) : DblClickQuiet;
    const int visible = numVisibleWnd();
    const bool boxing = m_boxing;
    m_boxing = 0;
    if (elapsed < DblClickQuiet || (m_zoomRatio > 1.0 && visible > 0)) {
        qCDebug(lcApp, "TMain::mouseReleaseEvent.. warning!! elapsed:%d numVisibleWnd:%d", elapsed, visible);
        m_ptStart = m_ptEnd;
        updateZoomFrame(QRect(0, 0, -1, -1));
        m_zoomRatio = 1.0;
        resetCursor();
        return;
    }
    if (boxing && m_zoomRatio <= 1.0 && m_ptStart != m_ptEnd && !releaseZoomBox())
        return; // a box too small: nothing more
    m_ptStart = m_ptEnd = at;
    if (!m_rightPress && visible == 0) {
        if (g_api.m_layout == SingleLayout) {
            setCursor(Qt::ArrowCursor);
            return;
        }
        const int c = g_api.chAtPoint(at.x(), at.y());
        if (c >= 0) {
            m_releaseIdx = c;
            qCDebug(lcApp, "mouseReleaseEvent.. m_bDrag:%d mpressidx:%d m_releaseIdx:%d", m_bDrag, m_pressIdx,
                    m_releaseIdx);
            if (m_bDrag && c != m_pressIdx)
                swapTiles(m_pressIdx, c);
        }
    }
    resetCursor();
}

void TMain::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton || numVisibleWnd() > 0)
        return;
    stopSequence();
    qCDebug(lcApp, "mouseDoubleClickEvent.. lay:%d,%d sw:%d,%d", g_api.m_layout, g_api.m_popLayout, g_api.m_sw,
            g_api.m_popSw);
    m_boxing = 0;
    if (g_api.m_layout != SingleLayout) {
        const int c = g_api.chAtPoint(e->pos().x(), e->pos().y());
        if (c >= 0) {
            g_api.m_popLayout = g_api.m_layout;
            g_api.m_popSw = g_api.m_sw;
            changeLayout(SingleLayout, c);
            selAudio(c);
        }
    } else {
        if (g_api.m_popLayout == SingleLayout || g_api.m_popLayout < 0) {
            g_api.m_popLayout = g_api.layoutAt(g_api.m_numLayout - 1);
            g_api.m_popSw = 0;
        }
        // The saved page itself comes back (not read as a channel), so a
        // swapped display order cannot send the view to another page.
        switchLayout(g_api.m_popLayout, g_api.m_popSw, LayoutWait, true);
        selAudioByLayout(1, 1);
    }
    m_dblClickTime.start();
    m_popCnt = 0;
    m_popCh = -1;
}
