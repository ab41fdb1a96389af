#include "tsetupprivate.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tprivategrid.h"
#include "uisetuplog.h"

#include <cmath>
#include <cstring>



namespace {

PropPrivate* privacy()
{
    return g_cfg ? static_cast<PropPrivate*>(g_cfg->getsection(IDX_PROP_PRIVATE, 0)) : nullptr;
}

// Grid rows: 15 on a 480-line camera system, else 18.
int gridRows(const AvcCaps& caps)
{
    return caps.vridx[0].yres == 480 ? 15 : 18;
}

// A fraction of a size, truncated; 0 for a value that is no fraction.
int part(double size, double fraction)
{
    const double v = size * fraction;
    return std::isfinite(v) && v > 0 && v < 1e6 ? int(v) : 0;
}

} // namespace

TSetupPrivate::TSetupPrivate(QWidget* parent, int id, QSize size) : TSetupGridPage(parent, id, size)
{
    auto button = [](int kind, int text, int right, int left, int down, int up) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.right = right;
        r.left = left;
        r.down = down;
        r.up = up;
        return r;
    };
    const QVector<Row> rows = {button(RowButton, 142, L_ITEM, L_GRID, R_APPLYALL, L_CAMERA),   // "All Off"
                               button(RowApplyAll, 133, L_ITEM, L_GRID, R_APPLY, R_ALLOFF),    // "Apply All"
                               button(RowApply, 93, R_DEFAULT, L_OK, L_TAB, L_GRID),           //
                               button(RowButton, 92, L_OK, R_APPLY, L_TAB, L_GRID),            // "Default"
                               button(RowMenu, 0, L_NONE, L_NONE, L_NONE, L_NONE)};
    Params p;
    p.sections = {IDX_PROP_PRIVATE};
    p.preview = 1;
    p.perCamera = 1;
    p.firstRow = R_ALLOFF;
    p.itemRight = L_CAMERA;
    p.itemLeft = L_CAMERA;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

TPrivateGrid* TSetupPrivate::privateGrid() const
{
    return static_cast<TPrivateGrid*>(grid());
}

void TSetupPrivate::init(int background)
{
    // The grid's size and the largest zone are the device's, once.
    AvcCaps caps;
    g_api.getCaps(nullptr, &caps, nullptr);
    const int rows = gridRows(caps);
    setGrid(new TPrivateGrid(this, COLS, rows, part(COLS, caps.privacy_cx), part(rows, caps.privacy_cy)));
    TSetupGridPage::init(background);
}

void TSetupPrivate::setCtrl()
{
    m_dragStart = m_dragEnd = QPoint(-1, -1);
    TSetupGridPage::setCtrl();
    if (TPrivateGrid* g = privateGrid()) {
        g->reset();
        if (isVisible())
            g->update();
    }
}

void TSetupPrivate::evtResize()
{
    TSetupGridPage::evtResize();
    QWidget* apply = control(R_APPLY);
    QWidget* def = control(R_DEFAULT);
    if (!apply || !def)
        return;
    // "Default" stands in the bottom row, right of "Apply".
    const QRect a = apply->geometry();
    def->setGeometry(a.right() + 1 + ctlScale(6), a.top(), a.width(), a.height());
}

void TSetupPrivate::evtShow()
{
    setPipOn(false);
    TSetupGridPage::evtShow(); // setCtrl, keyMatch, 83
    if (grid())
        grid()->show();
    setPipOn(true);
}

void TSetupPrivate::evtHide()
{
    restoreZone();
    setPipOn(false);
    TSetupGridPage::evtHide(); // 84
}

void TSetupPrivate::selectChannel(int ch)
{
    if (ch < 0 || ch >= videos() || ch == m_ch)
        return;
    restoreZone();
    TSetupGridPage::selectChannel(ch); // setCtrl, 85
}

void TSetupPrivate::restoreZone()
{
    PropPrivate* prv = privacy();
    const int ch = m_savedCh;
    m_savedCh = -1;
    if (!prv || ch < 0 || ch >= videos())
        return;
    std::memcpy(prv->mask[ch], m_saved, sizeof m_saved);
    emit sg_action(SetupAct::Act_PrvPrivate, ch, 0);
}

void TSetupPrivate::buttonClicked(int row)
{
    PropPrivate* prv = privacy();
    if (!prv)
        return;
    if (row == R_DEFAULT) {
        m_savedCh = -1;
        g_cfg->setdefault(IDX_PROP_PRIVATE);
        emit sg_action(SetupAct::Act_PrvPrivate, -1, 0);
        setCtrl();
        return;
    }
    if (row != R_ALLOFF || m_ch < 0 || m_ch >= videos())
        return;
    m_savedCh = -1;
    std::memset(prv->mask[m_ch], 0, sizeof prv->mask[m_ch]);
    emit sg_action(SetupAct::Act_PrvPrivate, m_ch, 0);
    if (grid())
        grid()->update();
}

void TSetupPrivate::applyAll()
{
    PropPrivate* prv = privacy();
    const int n = videos();
    if (!prv || m_ch < 0 || m_ch >= n)
        return;
    uint32_t zone[WORDS];
    std::memcpy(zone, prv->mask[m_ch], sizeof zone);
    for (int c = 0; c < n; ++c)
        std::memcpy(prv->mask[c], zone, sizeof zone);
    emit sg_action(SetupAct::Act_PrvPrivate, -1, 0);
}

void TSetupPrivate::sl_fromGrid(int code, int x, int y)
{
    PropPrivate* prv = privacy();
    if (!prv || m_ch < 0 || m_ch >= videos())
        return;
    switch (code) {
    case TSelGrid::ReqStart:
        // The zone goes while the new one is chosen; it comes back if the
        // choice is dropped.
        m_dragStart = QPoint(x, y);
        std::memcpy(m_saved, prv->mask[m_ch], sizeof m_saved);
        m_savedCh = m_ch;
        std::memset(prv->mask[m_ch], 0, sizeof prv->mask[m_ch]);
        emit sg_action(SetupAct::Act_PrvPrivate, m_ch, 0);
        break;
    case TPrivateGrid::ReqEnd:
        m_savedCh = -1;
        m_dragEnd = QPoint(x, y);
        setZone(x, y);
        emit sg_action(SetupAct::Act_PrvPrivate, m_ch, 0);
        break;
    case TSelGrid::ReqDrop: restoreZone(); break;
    default: break;
    }
}

QRect TSetupPrivate::zoneRect(const QPoint& from, const QPoint& to, int cols, int rows, const AvcCaps& caps)
{
    int x0 = qMin(from.x(), to.x()), x1 = qMax(from.x(), to.x());
    int y0 = qMin(from.y(), to.y()), y1 = qMax(from.y(), to.y());
    int nw = x1 + 1 - x0, nh = y1 + 1 - y0;
    const int W = caps.vridx[0].xres, H = caps.vridx[0].yres;
    const int cw = cols > 0 ? W / cols : 0, ch = rows > 0 ? H / rows : 0;
    const int pcx = part(W, caps.privacy_cx), pcy = part(H, caps.privacy_cy);
    qCDebug(lcUiSetup, "Act_PrvCellStop.. nw:%d nh:%d cw:%d ch:%d pcw:%d pch:%d p_cx:%d p_cy:%d", nw, nh, cw, ch,
            nw * cw, nh * ch, pcx, pcy);
    // Held to the largest zone from the top-left cell; a picture narrower
    // than the grid (a cell of no pixels) holds nothing.
    if (cw > 0 && nw * cw > pcx) {
        nw = pcx / cw;
        x1 = x0 + nw - 1;
    }
    if (ch > 0 && nh * ch > pcy) {
        nh = pcy / ch;
        y1 = y0 + nh - 1;
    }
    qCDebug(lcUiSetup, "Act_PrvCellStop..==> nw:%d nh:%d cw:%d ch:%d pcw:%d pch:%d", nw, nh, cw, ch, nw * cw,
            nh * ch);
    // Only the grid's cells (and the record's words); empty when nothing
    // is left.
    const QRect grid(0, 0, qBound(0, cols, 32), qBound(0, qMin(rows, int(WORDS)), int(WORDS)));
    return QRect(QPoint(x0, y0), QPoint(x1, y1)).intersected(grid);
}

void TSetupPrivate::setZone(int x, int y)
{
    PropPrivate* prv = privacy();
    TPrivateGrid* g = privateGrid();
    if (!prv || !g || m_dragStart.x() < 0)
        return;
    AvcCaps caps;
    g_api.getCaps(nullptr, &caps, nullptr);
    const QRect z = zoneRect(m_dragStart, QPoint(x, y), g->cols(), g->rows(), caps);
    if (z.isEmpty())
        return;
    for (int r = z.top(); r <= z.bottom(); ++r)
        for (int c = z.left(); c <= z.right(); ++c)
            prv->mask[m_ch][r] |= 1u << c;
}
