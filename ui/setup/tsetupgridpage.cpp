#include "tsetupgridpage.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tselgrid.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

using namespace SetupAct;

namespace {
enum { PipX = 11, PipY = 12, PipWidth = 13, PipHeight = 14, CmdSize = 21 };
}

TSetupGridPage::TSetupGridPage(QWidget* parent, int id, QSize size) : TSetupCamPage(parent, id, size) {}

void TSetupGridPage::setGrid(TSelGrid* grid)
{
    m_grid = grid;
}

void TSetupGridPage::setPipOn(bool on)
{
    m_pipOn = on;
    if (m_grid)
        m_grid->setPreviewOn(on);
    update(m_params.pipArea);
}

void TSetupGridPage::connectTo()
{
    TSetupCamPage::connectTo();
    if (m_grid)
        connect(m_grid, &TSelGrid::sg_request, this, &TSetupGridPage::sl_fromGrid, Qt::UniqueConnection);
}

void TSetupGridPage::disconnectFrom()
{
    TSetupCamPage::disconnectFrom();
    if (m_grid)
        disconnect(m_grid, &TSelGrid::sg_request, this, &TSetupGridPage::sl_fromGrid);
}

void TSetupGridPage::evtResize()
{
    TSetupCamPage::evtResize();
    if (m_ctrl.size() != m_rows.size() || m_rows.isEmpty())
        return;
    const int margin = ctlScale(16);
    // The preview window's place and size, kept inside the page.
    const int x = g_res ? g_res->getValue(PipX) : 30;
    const int y = g_res ? g_res->getValue(PipY) : 63;
    const int wantW = g_res ? g_res->getValue(PipWidth) : 484;
    const int wantH = g_res ? g_res->getValue(PipHeight) : 272;
    const QSize bs = ctlSize(CmdSize, QSize(85, 25));
    const int w = qMax(0, qMin(wantW > 0 ? wantW : 484, width() - x - 2 * margin - bs.width()));
    const int h = qMax(0, qMin(wantH > 0 ? wantH : 272, height() - y - 2 * margin - bs.height()));
    m_params.pipArea = QRect(x, y, w, h);
    if (m_grid)
        m_grid->setGeometry(m_params.pipArea.adjusted(-1, -1, 1, 1));
    // The page's own controls in a column right of the picture; the command
    // buttons in the bottom row, Apply first.
    const int colX = m_params.pipArea.right() + margin;
    const int colW = qMax(bs.width(), width() - colX - margin);
    int cy = y;
    int bx = width() - margin - 2 * bs.width() - ctlScale(6);
    for (int i = 0; i < m_rows.size(); ++i) {
        QWidget* c = m_ctrl[i];
        switch (m_rows[i].kind) {
        case RowApply:
        case RowDefault:
        case RowMenu:
            c->setGeometry(bx, height() - margin - bs.height(), bs.width(), bs.height());
            bx += m_rows[i].kind == RowMenu ? 0 : bs.width() + ctlScale(6);
            break;
        default:
            if (i == m_captionRow)
                cy += ctlScale(24);
            c->setGeometry(colX, cy, colW, ctlScale(24));
            cy += ctlScale(30);
            break;
        }
    }
}

void TSetupGridPage::evtPaint(QPaintEvent* e)
{
    TSetupCamPage::evtPaint(e);
    QPainter p(this);
    p.fillRect(m_params.pipArea, m_pipOn ? QColor(0, 0, 0) : QColor(16, 16, 16));
    if (QWidget* c = control(m_captionRow)) {
        const QRect g = c->geometry();
        p.setPen(ctlColor(3));
        p.drawText(QRect(g.left(), g.top() - ctlScale(24), g.width(), ctlScale(24)), Qt::AlignCenter,
                   ctlText(m_captionText));
    }
}

void TSetupGridPage::keyMatch()
{
    TSetupCamPage::keyMatch();
    if (!m_grid)
        return;
    // The camera row leads down to the grid, and the rows linked to it
    // get it; the grid's own entry follows the cameras.
    int at = m_focus.size();
    for (int c = 0; c < CAMERAS; ++c) {
        if (FocusLink* e = entry(cameraButton(c))) {
            e->down = m_grid;
            at = int(e - m_focus.data()) + 1;
        }
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        FocusLink* e = entry(m_ctrl[i]);
        if (!e)
            continue;
        const Row& r = m_rows[i];
        if (r.right == L_GRID)
            e->right = m_grid;
        if (r.left == L_GRID)
            e->left = m_grid;
        if (r.down == L_GRID)
            e->down = m_grid;
        if (r.up == L_GRID)
            e->up = m_grid;
    }
    const int col = tabColumnOf(id());
    QWidget* ownItem = m_menu && col >= 0 ? m_menu[1 + id() - kSetupTabs[col].first][0] : nullptr;
    QWidget* right = control(m_params.firstRow);
    int applyRow = -1;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].kind == RowApply)
            applyRow = i;
    }
    m_focus.insert(at, FocusLink{0, m_grid, right, ownItem, control(applyRow), cameraButton(0)});
}

int TSetupGridPage::keyTaken(int key)
{
    if (!m_grid)
        return 0;
    if (m_grid->isLock(key))
        return 1;
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_grid->hasFocus()) {
        // Enter on the grid puts it into edit mode.
        QCoreApplication::postEvent(m_grid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier));
        m_curCtrl = m_grid;
        return 1;
    }
    return 0;
}
