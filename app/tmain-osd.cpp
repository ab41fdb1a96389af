// The live view's painting (the OSD plane over the video) and the output
// resolution with the places of the main window's bars and boxes.
#include "tmain.h"
#include "tclock.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tres.h"
#include "tsplitth.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QPaintEvent>
#include <QPainter>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { OemFramed = 1, OemCovertNoVideo = 3, OemLowBar = 5 };

const QColor kGrey(16, 16, 16);
const QColor kFrame(230, 230, 230);
const QColor kZoomFrame(248, 248, 248);
const QColor kLight(240, 240, 240);

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

// The part of an OSD image with pure black made see-through: the tiles'
// images are drawn on black, which must not cover the video.
QImage blackKeyed(const QImage& src, const QRect& part)
{
    QImage img = src.copy(part).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if ((line[x] & 0x00ffffff) == 0)
                line[x] = 0;
        }
    }
    return img;
}

// The item's image at its place, cut to the item's size.
void drawItem(QPainter& p, const OsdItem& it, bool withBlack)
{
    if (!it.image || it.image->isNull() || it.width <= 0 || it.height <= 0)
        return;
    const QRect part = QRect(0, 0, it.width, it.height) & it.image->rect();
    if (withBlack)
        p.drawImage(QRect(it.x, it.y, it.width, it.height), *it.image, part);
    else
        p.drawImage(QPoint(it.x, it.y), blackKeyed(*it.image, part));
}

} // namespace

void TMain::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    // A copy: the layout thread may replace the cells meanwhile.
    VidWnd wnd[DAL_MAX_CH];
    const int cells = g_api.layoutCells(wnd);
    // Over the search window's own picture only a layout that starts at
    // the top-left corner is drawn.
    if (m_wnd[ID_WND_SEARCH] && m_wnd[ID_WND_SEARCH]->isVisible() && (cells == 0 || wnd[0].x > 0 || wnd[0].y > 0))
        return;
    if (!m_initDone) {
        // Until the device is up the view shows dark grey, never the OSD.
        p.fillRect(e->rect(), kGrey);
        return;
    }
    const QSize screen = g_res->getSize(16);
    if (numVisibleWnd() > 0) {
        bool inside = false;
        for (const QRect& r : e->region())
            inside = inside || (r.x() < screen.width() && r.y() < screen.height());
        if (!inside) {
            qCDebug(lcApp, "TMain::paintEvent.. out of range!!");
            return;
        }
    }
    // Opaque black is what the video output shows through.
    for (const QRect& r : e->region())
        p.fillRect(r, QColor(0, 0, 0, 255));

    const int oem = oemId();
    paintCells(p, oem, screen, wnd, cells);
    paintTileOsd(p, oem);

    // Text-in overlays: the part of the overlay image each one drew.
    g_api.paintTxtin(p, g_api.channelCount());

    if (m_ptStart != m_ptEnd) {
        p.setPen(kZoomFrame);
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_zoomRect);
        p.drawRect(m_zoomRect.translated(1, 1));
    }
    paintClock(p, screen);
    paintFreeze(p);
    qCDebug(lcApp, "TMain::paintEvent.. exit");
}

void TMain::paintCells(QPainter& p, int oem, const QSize& screen, const VidWnd* wnd, int cells)
{
    if (oem == OemFramed && g_api.m_layoutReady) {
        p.setPen(kFrame);
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, screen.width() - 2, screen.height() - 2);
        for (int k = 0; k < cells; ++k) {
            const VidWnd& c = wnd[k];
            p.drawRect(c.x, c.y, c.w - 2, c.h - 2);
        }
    }
    const QImage& noVideo = g_api.m_logo;
    if (g_api.m_mode != 0 || !g_api.m_modeReady || noVideo.isNull())
        return;
    const auto* cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
    const int count = g_api.channelCount();
    for (int k = 0; k < cells; ++k) {
        const VidWnd& c = wnd[k];
        if (!c.show || c.ch < 0 || c.ch >= count)
            continue;
        const bool covert = (oem == OemFramed || oem == OemCovertNoVideo) && cam->data[c.ch].covertOn;
        if (covert || g_api.m_cell[c.ch].videoLoss)
            p.drawImage(QRect(c.x + 3, c.y + 3, c.w - 4, c.h - 4), noVideo);
        else if (oem == OemFramed && cam->data[c.ch].disableOn)
            p.fillRect(QRect(QPoint(c.x + 1, c.y + 1), QPoint(c.x + c.w - 2, c.y + c.h - 2)), kGrey);
    }
}

void TMain::paintTileOsd(QPainter& p, int oem)
{
    // The title first, the icons over it, the text-in icon last; the sixth
    // icon keeps its black.
    static const int kOrder[] = {CellOsd::TITLE,  CellOsd::PLAY_TEXT, CellOsd::CONT_REC, CellOsd::EVENT_REC,
                                 CellOsd::MOTION, CellOsd::SENSOR,    CellOsd::ICON6,    CellOsd::TEXTIN};
    // The apply and layout threads change the items and titles meanwhile.
    QMutexLocker osdLock(&g_api.m_osdMutex);
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        const CellOsd& cell = g_api.m_cell[ch];
        const OsdItem* title = cell.item[CellOsd::TITLE];
        if (!title)
            continue;
        if (oem == OemFramed && g_api.m_mode == 0 && cell.videoLoss)
            continue;
        if (!title->visible)
            continue;
        for (int i : kOrder) {
            const OsdItem* it = cell.item[i];
            if (it && it->visible)
                drawItem(p, *it, i == CellOsd::ICON6);
        }
    }
}

void TMain::paintClock(QPainter& p, const QSize& screen)
{
    QImage& clock = g_api.m_clockImg;
    if (numVisibleWnd() > 0 || isInfoVisible() || clock.isNull() || !m_infoDirty)
        return;
    if (g_api.m_mode == 0) {
        const QDateTime now = TClock::now();
        const QDate d = now.date();
        const QTime t = now.time();
        const QString text = g_cfg->datetext(d.year(), d.month(), d.day()) + QLatin1Char(' ')
                             + g_cfg->timetext(t.hour(), t.minute(), t.second());
        g_api.drawOsdText(0, text, &clock, 0, 1);
    }
    p.drawImage(clockRect(screen).topLeft(), blackKeyed(clock, clock.rect()));
}

QRect TMain::clockRect(const QSize& screen) const
{
    const QImage& clock = g_api.m_clockImg;
    if (clock.isNull())
        return QRect();
    return QRect(QPoint((screen.width() - clock.width()) / 2, screen.height() - clock.height() - 8), clock.size());
}

void TMain::paintFreeze(QPainter& p)
{
    if (numVisibleWnd() > 0 || !g_api.m_frozen || g_api.m_mode != 0 || m_freezeRect.isEmpty())
        return;
    QFont f = font();
    f.setPixelSize(qMax(1, g_res->scale(20)));
    f.setBold(true);
    p.setFont(f);
    const QString mark = QStringLiteral("F");
    // A dark outline at the eight places around the light mark.
    p.setPen(kGrey);
    for (int dy = 0; dy <= 2; ++dy)
        for (int dx = 0; dx <= 2; ++dx)
            if (dx != 1 || dy != 1)
                p.drawText(m_freezeRect.translated(dx, dy), Qt::AlignCenter, mark);
    p.setPen(kLight);
    p.drawText(m_freezeRect.translated(1, 1), Qt::AlignCenter, mark);
}

void TMain::changeDisplay(int live)
{
    const auto* disp = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live ? 1 : 0));
    g_api.changeDisplay(disp->res, live);

    QSize out = g_api.voutInfo(live);
    if (out.isEmpty())
        out = size(); // an output the device does not list: this window
    const QSize bar = g_res->getSize(0);
    const int x = (out.width() - bar.width()) / 2;
    // The bar stands on the bottom edge, over the clock that shows while it
    // is away; a second output device lifts it by 16 pixels.
    int y = out.height() - bar.height();
    if (oemId() == OemLowBar)
        y -= g_res->scale(28);
    else if (disp->device2 > 2)
        y -= 16;
    // The bars sit in this window's coordinates; a window without a parent
    // is moved in screen coordinates.
    auto moveTo = [this](TDefWnd* w, int wx, int wy) {
        wx = qMax(0, wx);
        wy = qMax(0, wy);
        if (w)
            w->move(w->parentWidget() ? QPoint(wx, wy) : mapToGlobal(QPoint(wx, wy)));
    };
    moveTo(m_wnd[ID_WND_INFO], x, y);
    for (int id : {ID_WND_AUDIO, ID_WND_SPLIT})
        if (m_wnd[id])
            moveTo(m_wnd[id], (out.width() - m_wnd[id]->width()) / 2, y);
    m_infoRect = QRect(QPoint(x, y), QPoint(x + bar.width() - 1, y + bar.height() + 15));

    qCDebug(lcApp, "============= TMain::changeDisplay wid:%d hi:%d ==============", out.width(), out.height());
    for (int id : {ID_WND_SETUP, ID_WND_STATUS, ID_WND_SYSINFO, ID_WND_ALARMCTRL})
        placeWnd(m_wnd[id], live);
    // The windows as large as the output take the new size, placed as at a
    // start on this output: search and zoom centred, PTZ on the bottom edge.
    for (int id : {ID_WND_SEARCH, ID_WND_PTZ, ID_WND_ZOOM}) {
        if (TDefWnd* w = m_wnd[id]) {
            w->resize(out);
            moveTo(w, (out.width() - w->width()) / 2,
                   id == ID_WND_PTZ ? out.height() - w->height() : (out.height() - w->height()) / 2);
        }
    }

    const QSize screen = g_res->getSize(16);
    const int fw = g_res->scale(40);
    m_freezeRect = QRect(screen.width() - fw, g_res->scale(0), fw, g_res->scale(30));

    // The current layout again on the new output, with the OSD as set.
    m_splitTh->set(-1, -1);
    g_api.dispLayout(-1, -1);
    g_api.setOsd(static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1))->osdOn);
    update();
    QCoreApplication::processEvents();
    showInfo(1, 0);
}
