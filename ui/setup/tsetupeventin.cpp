#include "tsetupeventin.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tproperty.h"
#include "uisetuplog.h"

#include <QIcon>
#include <QPainter>

namespace {

enum { T_EVENT = 30, T_CAMERA = 75, ImgAll = 71, ImgSensor = 72, ImgMotion = 73, ImgText = 181, ImgOff = 70 };

PropEvent* events()
{
    return g_cfg ? static_cast<PropEvent*>(g_cfg->getsection(IDX_PROP_EVENT, 0)) : nullptr;
}

const PropDevices* devices()
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0)) : nullptr;
}

} // namespace

TSetupEventin::TSetupEventin(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows(R_COUNT);
    // The cells as a grid: the ends lead to the menu and the buttons;
    // hidden cells (past the channel count) pass a move on.
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            Row& x = rows[cellRow(r, c)];
            x.kind = RowCheck;
            x.section = IDX_PROP_EVENT;
            x.offset = cellRow(r, c);
            x.right = c + 1 < Side ? cellRow(r, c + 1) : int(L_ITEM);
            x.left = c > 0 ? cellRow(r, c - 1) : int(L_ITEM);
            x.down = r + 1 < Side ? cellRow(r + 1, c) : int(R_APPLY);
            x.up = r > 0 ? cellRow(r - 1, c) : int(L_TAB);
        }
    }
    applyDefaultMenu(rows, R_APPLY, R_DEFAULT, R_MENU, cellRow(Side - 1, 0));
    Params p;
    p.sections = {IDX_PROP_EVENT};
    p.firstRow = 0;
    p.itemRight = 0;
    p.itemLeft = cellRow(0, Side - 1);
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

TSetupEventin::~TSetupEventin()
{
    // The cells die with the page (the base's children) before this runs:
    // the icons they showed may go now.
    for (QIcon*& i : m_icon) {
        delete i;
        i = nullptr;
    }
}

void TSetupEventin::init(int background)
{
    // The none value shows the motion icon unchecked.
    const int images[LinkValues] = {ImgMotion, ImgSensor, ImgMotion, ImgAll, ImgText};
    for (int v = LinkSensor; v < LinkValues; ++v) {
        m_icon[v] = TRes::makeIcon(ctlImage(images[v]), 4, false);
        TRes::addIconStates(m_icon[v], ctlImage(ImgOff), 4, true);
    }
    TSetupPage::init(background);
}

// ---- Cells ------------------------------------------------------------------

void TSetupEventin::showValue(int row, int value, bool checked)
{
    auto* b = qobject_cast<TButton*>(control(row));
    if (!b || value < 0 || value >= LinkValues)
        return;
    const QSignalBlocker block(b);
    b->setState(2, m_icon[value == LinkNone ? LinkMotion : value]);
    b->setChecked(checked);
}

void TSetupEventin::setCtrl()
{
    const PropEvent* ev = events();
    if (!ev || m_ctrl.size() != m_rows.size())
        return;
    const int n = videos();
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const int v = ev->evts[r][c];
            // A value the page does not know leaves the cell as it is.
            if (v < LinkValues)
                showValue(cellRow(r, c), v, v != LinkNone);
        }
    }
    update();
}

void TSetupEventin::sl_btnclicked(int id, int state)
{
    const int row = rowOfId(id);
    if (row < 0 || row >= Cells) {
        TSetupPage::sl_btnclicked(id, state);
        return;
    }
    const int r = row / Side;
    const int c = row % Side;
    PropEvent* ev = events();
    const PropDevices* dev = devices();
    auto* b = qobject_cast<TButton*>(control(row));
    if (!ev || !dev || !b || r >= videos() || c >= videos())
        return;
    uint8_t& v = ev->evts[r][c];
    if (c >= dev->sensors) {
        // No sensor on that input: motion only, on or off with the check.
        v = b->isChecked() ? LinkMotion : LinkNone;
        return;
    }
    switch (v) {
    case LinkNone:
        v = LinkSensor;
        showValue(row, v, true);
        break;
    case LinkSensor:
        v = LinkMotion;
        showValue(row, v, true);
        break;
    case LinkMotion:
        v = c < dev->txtin ? LinkText : LinkAll;
        showValue(row, v, true);
        break;
    case LinkText:
        v = LinkAll;
        showValue(row, v, true);
        break;
    case LinkAll:
        v = LinkNone;
        showValue(row, LinkAll, false);
        break;
    default:
        // A value the page does not know stays; so does the cell's look.
        {
            const QSignalBlocker block(b);
            b->setChecked(!b->isChecked());
        }
        break;
    }
}

// ---- Keys and focus ---------------------------------------------------------

void TSetupEventin::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupEventin::evtKeydown(%d) ===========", key);
    TSetupPage::evtKeydown(key);
}

void TSetupEventin::keyMatch()
{
    TSetupPage::keyMatch();
    // "Menu" is kept hidden on this page.
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == control(R_MENU)) {
            m_focus.remove(i);
            break;
        }
    }
    // Left from an item: the last input of the first row.
    const int n = qMax(1, videos());
    for (FocusLink& l : m_focus) {
        if (l.tag == 14 && l.left == control(cellRow(0, Side - 1)))
            l.left = control(cellRow(0, n - 1));
    }
}

// ---- Look -------------------------------------------------------------------

void TSetupEventin::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size())
        return;
    control(R_MENU)->hide();
    const int n = qMax(1, videos());
    const int m = ctlScale(16);
    const QSize bs = control(R_APPLY)->size();
    // Row captions on the left, the column numbers above.
    m_left = m + ctlScale(72);
    m_top = m + ctlScale(40);
    m_head = QRect(m_left, m, width() - m_left - m, ctlScale(20));
    m_pitchX = qMin(ctlScale(36), (width() - m_left - m) / n);
    m_pitchY = qMin(ctlScale(30), (height() - m_top - bs.height() - 2 * m) / n);
    const int cell = qMax(4, qMin(m_pitchX, m_pitchY) - ctlScale(4));
    for (int r = 0; r < Side; ++r) {
        for (int c = 0; c < Side; ++c) {
            QWidget* w = control(cellRow(r, c));
            w->setGeometry(m_left + c * m_pitchX, m_top + r * m_pitchY, cell, cell);
            w->setVisible(r < n && c < n);
        }
    }
    int x = width() - m - 3 * bs.width() - 2 * ctlScale(6);
    for (int r : {R_APPLY, R_DEFAULT, R_MENU}) {
        control(r)->move(x, height() - m - bs.height());
        x += bs.width() + ctlScale(6);
    }
}

void TSetupEventin::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (m_ctrl.size() != m_rows.size())
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const int n = videos();
    p.drawText(QRect(m_left, m_head.top(), n * m_pitchX, m_head.height()), Qt::AlignCenter, ctlText(T_EVENT));
    const int cell = control(0)->width();
    for (int c = 0; c < n; ++c)
        p.drawText(QRect(m_left + c * m_pitchX, m_head.bottom(), cell, m_top - m_head.bottom()), Qt::AlignCenter,
                   QString::asprintf("%d", c + 1));
    for (int r = 0; r < n; ++r)
        p.drawText(QRect(ctlScale(8), m_top + r * m_pitchY, m_left - ctlScale(16), cell),
                   Qt::AlignRight | Qt::AlignVCenter, ctlText(T_CAMERA) + QString::number(r + 1));
}
