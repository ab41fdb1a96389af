// The search window's keys, focus table, mouse and painting.
#include "tsearchwnd.h"
#include "ctlres.h"
#include "searchreq.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdate.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tedit.h"
#include "textutil.h"
#include "tkeys.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tposview.h"
#include "tstatuswnd.h"
#include "ttime.h"
#include "uisearchlog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace {

enum { PlayColor = 32, LabelColor = 0, OemBigLabels = 5, T_MODE = 398, SingleLayout = 1 };

const int kModeLabels[5][5] = {
    {30, 29, 0, 0, 0},       // Time: "Event", "Time"
    {30, 400, 0, 0, 0},      // Event: "Event", "Channel"
    {399, 119, 175, 176, 0}, // POS: "Filter", "Date", "Start", "End"
    {400, 29, 401, 0, 0},    // Thumbnail: "Channel", "Time", "Interval"
    {400, 29, 0, 0, 0},      // Panorama: "Channel", "Time"
};

void postKey(QWidget* to, QEvent::Type type, int key)
{
    if (to)
        QCoreApplication::postEvent(to, new QKeyEvent(type, key, Qt::NoModifier));
}

} // namespace

// ======== Focus table ========

// The controls in screen order, one row per line of the screen; the arrows
// move along a row and between rows (to the nearest column), wrapping at
// the ends. Hidden controls stay in the table: the walk passes over them.
void TSearchWnd::initFocusMap()
{
    std::vector<std::vector<QWidget*>> rows;
    rows.push_back({m_combo[CB_MODE]});
    rows.push_back({m_calendar});
    for (QWidget* w : std::initializer_list<QWidget*>{m_btn[BTN_EVENT], m_combo[CB_EVENT], m_posText, m_combo[CB_CHANNEL],
                                                      m_btn[BTN_DATE], m_time, m_dateFrom, m_dateTo,
                                                      m_combo[CB_INTERVAL], m_btn[BTN_GOTO], m_btn[BTN_POSFIND]})
        rows.push_back({w});
    const int cols = chGridCols(channels());
    for (int i = 0; i < NUM_CHBTN; i += cols) {
        std::vector<QWidget*> r;
        for (int c = i; c < i + cols && c < NUM_CHBTN; ++c)
            r.push_back(m_btn[BTN_CH0 + c]);
        rows.push_back(r);
    }
    for (int i = 0; i < NUM_LAYOUTBTN; i += 4)
        rows.push_back({m_btn[BTN_LAYOUT0 + i], m_btn[BTN_LAYOUT0 + i + 1], m_btn[BTN_LAYOUT0 + i + 2],
                        m_btn[BTN_LAYOUT0 + i + 3]});
    rows.push_back({m_btn[BTN_FREW], m_btn[BTN_SLOWREW], m_btn[BTN_PAUSE], m_btn[BTN_PLAY], m_btn[BTN_SLOWFWD],
                    m_btn[BTN_FFWD]});
    rows.push_back({m_btn[BTN_REFRESH], m_btn[BTN_OPTION]});
    rows.push_back({m_btn[BTN_BACKUP], m_btn[BTN_IMPORT]});
    rows.push_back({m_btn[BTN_EXIT], m_btn[BTN_FULL]});
    rows.push_back({m_timeline, m_list});

    m_numFocus = 0;
    const int nRows = int(rows.size());
    for (int r = 0; r < nRows && m_numFocus < NUM_FOCUS; ++r) {
        const std::vector<QWidget*>& row = rows[r];
        const int n = int(row.size());
        const std::vector<QWidget*>& below = rows[(r + 1) % nRows];
        const std::vector<QWidget*>& above = rows[(r + nRows - 1) % nRows];
        for (int c = 0; c < n && m_numFocus < NUM_FOCUS; ++c) {
            FocusLink& f = m_focus[m_numFocus];
            f.tag = m_numFocus;
            f.widget = row[c];
            f.right = row[(c + 1) % n];
            f.left = row[(c + n - 1) % n];
            f.down = below[qMin(c, int(below.size()) - 1)];
            f.up = above[qMin(c, int(above.size()) - 1)];
            ++m_numFocus;
        }
    }
}

const FocusLink* TSearchWnd::focusTable(int* count) const
{
    if (count)
        *count = m_numFocus;
    return m_focus;
}

void TSearchWnd::setFocusCtrl(QWidget* w)
{
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    m_curCtrl = w;
}

// ======== Keys ========

void TSearchWnd::evtKeydown(int key)
{
    qCDebug(lcUiSearch, "============ TSearchWnd::evtKeydown(%d) ===========", key);
    if (QWidget* opt = optDialog()) {
        if (opt->isVisible()) {
            postKey(opt, QEvent::KeyPress, key);
            return;
        }
    }
    const double r = g_api.m_rate;
    const bool playing = g_api.isPlay();
    if (key >= Qt::Key_1 && key <= Qt::Key_8) {
        request(Act_SearchFull, key - Qt::Key_1);
    } else {
        switch (key) {
        case Qt::Key_F17:
            request(playing && r > -64 && r <= -1 ? Act_CtrlFRew : Act_CtrlRew, m_secs);
            break;
        case Qt::Key_F18: request(Act_SearchLayout, 0); break;
        case Qt::Key_F24: request(Act_CtrlFRew, m_secs); break;
        case Qt::Key_F25: request(Act_CtrlRew, m_secs); break;
        case Qt::Key_F26: request(Act_CtrlFFwd, m_secs); break;
        case Qt::Key_F27: request(Act_CtrlSlowRew, m_secs); break;
        case Qt::Key_F28: request(Act_CtrlSlowFwd, m_secs); break;
        case Qt::Key_F31: request(playing && r < 0 ? Act_CtrlSlowRew : Act_CtrlSlowFwd, m_secs); break;
        case Qt::Key_F34: request(Act_SearchPage, 0); break;
        case Qt::Key_Pause:
        case Qt::Key_Stop: request(Act_CtrlPause, m_secs); break;
        case Qt::Key_Play: request(Act_CtrlPlay, playing ? -1 : m_secs); break;
        default: break;
        }
    }

    // The controls that hold a key state take the key first.
    if (m_calendar->isVisible() && m_calendar->keyEvent(key))
        return;
    if (m_timeline->isVisible() && m_timeline->keyEvent(key))
        return;
    if (m_list->isVisible() && m_list->keyEvent(key))
        return;
    if (m_time->isVisible() && m_time->isLock(key)) {
        if (key == Qt::Key_Enter || key == Qt::Key_Return) {
            const QTime t = m_time->time();
            m_secs = t.hour() * 3600 + t.minute() * 60 + t.second();
            request(Act_CtrlPlay, m_secs);
        }
        return;
    }
    for (TDate* d : {m_dateFrom, m_dateTo})
        if (d->isVisible() && d->isLock(key))
            return;
    for (TCombo* c : m_combo)
        if (c->isVisible() && c->keyEvent(key))
            return;
    focusKey(key);
}

void TSearchWnd::focusKey(int key)
{
    QWidget* focused = focusFind(key, m_focus, m_numFocus);
    switch (key) {
    case Qt::Key_Escape:
        if (g_statusWnd && g_statusWnd->isVisible())
            return;
        sl_btnclicked(BTN_EXIT);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!focused)
            return;
        if (focused == m_posText) {
            sl_edclicked(0);
        } else if (focused == m_time) {
            m_time->setLock(!m_time->lock());
        } else if (focused == m_dateFrom || focused == m_dateTo) {
            TDate* d = static_cast<TDate*>(focused);
            d->setLock(!d->lock());
        } else if (focused == m_calendar || focused == m_timeline || focused == m_list) {
            m_keyTarget = focused;
            m_keyPosted = Qt::Key_Enter;
            postKey(focused, QEvent::KeyPress, Qt::Key_Enter);
        } else {
            m_keyTarget = focused;
            m_keyPosted = Qt::Key_Space;
            postKey(focused, QEvent::KeyPress, Qt::Key_Space);
        }
        return;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QWidget* next = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT ? focusNextPrev(key, m_focus, m_numFocus)
                                                                     : focusMove(key, m_focus, m_numFocus);
        setFocusCtrl(next ? next : m_combo[CB_MODE]);
        return;
    }
    default:
        return;
    }
}

void TSearchWnd::evtKeyup(int key)
{
    if (QWidget* opt = optDialog()) {
        if (opt->isVisible()) {
            postKey(opt, QEvent::KeyRelease, key);
            return;
        }
    }
    if (m_keyTarget && (key == Qt::Key_Enter || key == Qt::Key_Return)) {
        postKey(m_keyTarget, QEvent::KeyRelease, m_keyPosted);
        m_keyTarget = nullptr;
    }
}

// ======== Mouse ========

void TSearchWnd::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton)) {
        setCursor(Qt::ArrowCursor);
        request(Act_SearchCursor, 0);
    }
    TDefWnd::mouseMoveEvent(e);
}

void TSearchWnd::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::RightButton || !videoRect().contains(e->pos()))
        return;
    if (g_api.m_layout == SingleLayout) {
        if (g_api.m_popLayout == SingleLayout || g_api.m_popLayout < 1) {
            g_api.m_popLayout = g_api.layoutAt(g_api.m_numLayout - 1);
            g_api.m_popSw = 0;
        }
        g_api.dispLayout(g_api.m_popLayout, g_api.m_popSw);
    } else {
        const QPoint at = mapTo(window(), e->pos());
        const int ch = g_api.chAtPoint(at.x(), at.y());
        if (ch < 0)
            return;
        const int pos = g_api.posInOrder(ch);
        if (pos < 0)
            return;
        g_api.m_popLayout = g_api.m_layout;
        g_api.m_popSw = g_api.m_sw;
        g_api.dispLayout(SingleLayout, pos);
    }
    // The audio follows the view: the single view's channel, else the
    // configured one; off when that is off or beyond the unit.
    const auto* audio = g_cfg ? static_cast<const PropAudio*>(g_cfg->getsection(IDX_PROP_AUDIO, 1)) : nullptr;
    const int conf = audio && g_cfg ? int(g_cfg->getvaluefromindex(IDX_DATA_AUDIO_CHANNEL, audio->out)) : -1;
    int out = -1;
    if (conf >= 0 && conf < channels())
        out = g_api.m_layout == SingleLayout ? g_api.orderOf(g_api.m_sw) : conf;
    g_api.setAout(out);
}

// ======== Painting ========

void TSearchWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_bg);
    paintLabels(p);
    paintPlayOsd(p);
}

void TSearchWnd::paintLabels(QPainter& p)
{
    const bool big = g_default && g_default->getOem() == OemBigLabels;
    QFont f = font();
    if (big)
        f.setPointSize(ctlScale(16));
    p.setFont(f);
    p.setPen(ctlColor(LabelColor) == QColor(0, 0, 0) ? QColor(255, 255, 255) : ctlColor(LabelColor));
    const int flags = Qt::AlignRight | Qt::AlignVCenter;
    drawFitText(&p, m_modeLabel, flags, ctlText(T_MODE));
    if (m_mode >= MODE_TIME && m_mode <= MODE_PANORAMA) {
        for (int r = 0; r < 5; ++r)
            if (kModeLabels[m_mode][r])
                drawFitText(&p, m_labelRect[r], flags, ctlText(kModeLabels[m_mode][r]));
    }
    if (g_api.isPlay()) {
        p.setPen(ctlColor(PlayColor));
        drawFitText(&p, m_dtRect, Qt::AlignCenter, m_dtText);
        p.drawText(m_rateRect, Qt::AlignCenter, m_rateText);
    }
}

// The tiles' titles and playback texts and the POS overlays over the
// played pictures. Every camera of the layout has a tile record; the facade
// keeps 20 overlay areas, whatever the unit's channel count.
void TSearchWnd::paintPlayOsd(QPainter& p)
{
    if (m_osdSkip > 0) {
        --m_osdSkip;
        return;
    }
    VidWnd wnd[DAL_MAX_CH];
    const int cells = g_api.layoutCells(wnd);
    const VidWnd& first = wnd[0];
    if (first.w <= 0 || first.h <= 0)
        return;
    const QPoint off = mapFrom(window(), QPoint(0, 0));
    // An item's image at its size, cut to the item's rectangle, to its
    // camera's cell and to the picture: a small cell never squeezes a text,
    // nor lets it run into the next cell or over the frame.
    const QRect picture = pictureRect().translated(-off);
    auto draw = [&](const OsdItem* it, const QRect& cellRect) {
        if (!it || !it->visible || !it->image || it->image->isNull())
            return;
        const QRect item(it->x, it->y, it->width, it->height);
        const QRect shown = item & cellRect & picture & it->image->rect().translated(item.topLeft());
        if (shown.isEmpty())
            return;
        p.drawImage(shown.translated(off), *it->image, shown.translated(-item.topLeft()));
    };
    // The apply and layout threads change the items meanwhile.
    QMutexLocker osdLock(&g_api.m_osdMutex);
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        const CellOsd& cell = g_api.m_cell[ch];
        const OsdItem* title = cell.item[CellOsd::TITLE];
        if (!title || !title->visible)
            continue;
        // The cell the record was placed in (a channel may fill several).
        QRect cellRect;
        for (int k = 0; k < cells && cellRect.isNull(); ++k) {
            const VidWnd& c = wnd[k];
            if (c.ch == ch && QRect(c.x, c.y, c.w, c.h).contains(title->x, title->y))
                cellRect = QRect(c.x, c.y, c.w, c.h);
        }
        if (cellRect.isNull())
            continue;
        draw(title, cellRect);
        draw(cell.item[CellOsd::PLAY_TEXT], cellRect);
    }
    osdLock.unlock();
    g_api.paintTxtin(p, channels(), off);
}
