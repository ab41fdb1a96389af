#include "tsetupmotion.h"
#include "appglobals.h"
#include "propsections.h"
#include "setupaction.h"
#include "tconfig.h"
#include "tmotiongrid.h"

#include <cstddef>
#include <cstring>

using namespace SetupAct;

namespace {

PropMotion* motion()
{
    return g_cfg ? static_cast<PropMotion*>(g_cfg->getsection(IDX_PROP_MOTION, 0)) : nullptr;
}

} // namespace

TSetupMotion::TSetupMotion(QWidget* parent, int id, QSize size) : TSetupGridPage(parent, id, size)
{
    Row sens;
    sens.kind = RowCombo;
    sens.section = IDX_PROP_MOTION;
    sens.offset = offsetof(PropMotion, ch) + offsetof(MotionChannel, sens);
    sens.size = 4;
    sens.stride = sizeof(MotionChannel);
    sens.list = IDX_DATA_MOTION_SENS;
    sens.right = L_ITEM;
    sens.left = L_GRID;
    sens.down = R_ALLON;
    sens.up = L_CAMERA;
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
    const QVector<Row> rows = {sens,
                               button(RowButton, 141, L_ITEM, L_GRID, R_ALLOFF, R_SENS),        // "All On"
                               button(RowButton, 142, L_ITEM, L_GRID, R_APPLYALL, R_ALLON),     // "All Off"
                               button(RowApplyAll, 133, L_ITEM, L_GRID, R_APPLY, R_ALLOFF),     // "Apply All"
                               button(RowApply, 93, R_DEFAULT, L_OK, L_TAB, L_GRID),            //
                               button(RowDefault, 92, L_OK, R_APPLY, L_TAB, L_GRID),            //
                               button(RowMenu, 0, L_NONE, L_NONE, L_NONE, L_NONE)};
    Params p;
    p.sections = {IDX_PROP_MOTION};
    p.preview = 1;
    p.perCamera = 1;
    p.replies = {Act_InfoMotion};
    p.firstRow = R_SENS;
    p.itemRight = L_CAMERA;
    p.itemLeft = L_CAMERA;
    p.okRight = R_APPLY;
    p.okLeft = R_DEFAULT;
    p.cancelRight = R_APPLY;
    p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
    m_captionRow = R_SENS;
    m_captionText = 183; // "Sensitivity"
}

TMotionGrid* TSetupMotion::motionGrid() const
{
    return static_cast<TMotionGrid*>(grid());
}

void TSetupMotion::init(int background)
{
    setGrid(new TMotionGrid(this));
    TSetupGridPage::init(background);
}

void TSetupMotion::setCtrl()
{
    m_dragStart = m_dragEnd = QPoint(-1, -1);
    TSetupGridPage::setCtrl();
    PropMotion* md = motion();
    TMotionGrid* g = motionGrid();
    if (!md || !g || m_ch < 0 || m_ch >= videos())
        return;
    g->clear();
    g->setData(md->ch[m_ch].mask);
    if (isVisible())
        g->update();
}

void TSetupMotion::evtShow()
{
    setPipOn(false);
    TSetupGridPage::evtShow(); // setCtrl, keyMatch, 83
    if (grid())
        grid()->show();
    emit sg_action(Act_PrvMotionTrace, m_ch, 1);
    setPipOn(true);
}

void TSetupMotion::evtHide()
{
    emit sg_action(Act_PrvMotionTrace, -1, 0);
    setPipOn(false);
    TSetupGridPage::evtHide(); // 84
}

void TSetupMotion::selectChannel(int ch)
{
    if (ch < 0 || ch >= videos() || ch == m_ch)
        return;
    TSetupGridPage::selectChannel(ch); // setCtrl, 85
    emit sg_action(Act_PrvMotionTrace, m_ch, 1);
}

void TSetupMotion::buttonClicked(int row)
{
    PropMotion* md = motion();
    if (!md || m_ch < 0 || m_ch >= videos() || (row != R_ALLON && row != R_ALLOFF))
        return;
    // Every word, also the bits beyond the grid.
    const uint32_t v = row == R_ALLON ? 0xffffffffu : 0u;
    for (uint32_t& w : md->ch[m_ch].mask)
        w = v;
    emit sg_action(Act_PrvMotion, m_ch, 0);
    if (TMotionGrid* g = motionGrid()) {
        g->setData(md->ch[m_ch].mask);
        g->update();
    }
}

void TSetupMotion::applyAll()
{
    PropMotion* md = motion();
    const int n = videos();
    if (!md || m_ch < 0 || m_ch >= n)
        return;
    const MotionChannel e = md->ch[m_ch];
    for (int c = 0; c < n; ++c)
        md->ch[c] = e;
    emit sg_action(Act_PrvMotion, -1, 0);
    emit sg_action(Act_PrvMotionOff, -1, 0);
}

void TSetupMotion::sl_changeIndex(int id, int index)
{
    TSetupGridPage::sl_changeIndex(id, index);
    if (rowOfId(id) == R_SENS && index >= 0 && m_ch >= 0 && m_ch < videos())
        emit sg_action(Act_PrvMotionOff, m_ch, 0);
}

void TSetupMotion::sl_fromGrid(int code, int x, int y)
{
    PropMotion* md = motion();
    TMotionGrid* g = motionGrid();
    if (!md || !g || m_ch < 0 || m_ch >= videos())
        return;
    if (code == TSelGrid::ReqStart) {
        m_dragStart = QPoint(x, y);
        return;
    }
    if (code != TMotionGrid::ReqEnd || m_dragStart.x() < 0)
        return;
    m_dragEnd = QPoint(x, y);
    // Only the grid's cells: no bit beyond its columns, no word beyond its
    // rows.
    const int x0 = qBound(0, qMin(m_dragStart.x(), x), g->cols() - 1);
    const int x1 = qBound(0, qMax(m_dragStart.x(), x), g->cols() - 1);
    const int y0 = qBound(0, qMin(m_dragStart.y(), y), g->rows() - 1);
    const int y1 = qBound(0, qMax(m_dragStart.y(), y), g->rows() - 1);
    uint32_t* mask = md->ch[m_ch].mask;
    const bool on = !((mask[y1] >> x1) & 1u);
    for (int r = y0; r <= y1; ++r) {
        for (int c = x0; c <= x1; ++c) {
            if (on)
                mask[r] |= 1u << c;
            else
                mask[r] &= ~(1u << c);
        }
    }
    emit sg_action(Act_PrvMotion, m_ch, y);
}

void TSetupMotion::onReply(int code, const void* data)
{
    if (code == Act_InfoMotion)
        onMdInfo(0, data);
}

void TSetupMotion::onMdInfo(int a, const void* data)
{
    if (a != 0 || !data || !isVisible())
        return;
    uint32_t rows[TSelGrid::MAX_CELLS];
    std::memcpy(rows, data, sizeof rows);
    if (TMotionGrid* g = motionGrid())
        g->setLiveMd(rows);
}
