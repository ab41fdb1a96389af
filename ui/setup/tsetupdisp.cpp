#include "tsetupdisp.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tmsgwnd.h"
#include "tslider.h"
#include "uisetuplog.h"

#include <QSignalBlocker>
#include <QTimer>
#include <cstddef>

using namespace SetupAct;

namespace {

enum { T_DISPLAY = 3, T_ARE_YOU_SURE = 244 };

PropDisplay* display()
{
    return g_cfg ? static_cast<PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 0)) : nullptr;
}

} // namespace

TSetupDisp::TSetupDisp(QWidget* parent, int id, QSize size)
    : TSetupOrderPage(parent, id, size, IDX_PROP_DISPLAY, int(offsetof(PropDisplay, orders)))
{
    auto row = [](int kind, int text, int offset, int list, int up, int down) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.section = offset >= 0 ? int(IDX_PROP_DISPLAY) : -1;
        r.offset = qMax(0, offset);
        r.size = 4;
        r.list = list;
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = up;
        r.down = down;
        return r;
    };
    auto slider = [&row](int text, int offset, int up, int down) {
        Row r = row(RowSlider, text, offset, -1, up, down);
        r.lo = 0;
        r.hi = 100;
        return r;
    };
    auto command = [](int kind, int text, int right, int left) {
        Row r;
        r.kind = kind;
        r.text = text;
        r.right = right;
        r.left = left;
        r.up = R_HUE;
        r.down = L_TAB;
        return r;
    };
    QVector<Row> rows{
        // The output has no plain field: a change is asked about first.
        row(RowCombo, 123, -1, IDX_DATA_DISPLAY_RES, L_TAB, R_DEVICE),
        row(RowCombo, 7, -1, IDX_DATA_DISPLAY_DEVICE, R_RES, R_DWELL),
        row(RowCombo, 265, offsetof(PropDisplay, seqdur), IDX_DATA_DWELL, R_DEVICE, R_RATIO),
        row(RowCheck, 389, offsetof(PropDisplay, ratio), -1, R_DWELL, R_SKIP),
        row(RowCheck, 460, offsetof(PropDisplay, skip_vloss), -1, R_RATIO, R_ORDER0),
    };
    rows += orderRows(R_ORDER0, R_SKIP, R_BRI);
    rows << slider(184, offsetof(PropDisplay, bri), R_ORDER0 + CAMERAS - COLUMNS, R_CON)
         << slider(185, offsetof(PropDisplay, con), R_BRI, R_SAT)
         << slider(186, offsetof(PropDisplay, sat), R_CON, R_HUE)
         << slider(187, offsetof(PropDisplay, hue), R_SAT, R_DEFAULT);
    // "Default" re-previews the monitor colours by component: its own button.
    rows << command(RowButton, 92, R_APPLY, L_OK) << command(RowApply, -1, R_MENU, R_DEFAULT)
         << command(RowMenu, -1, L_OK, R_APPLY);
    Params p;
    p.sections = {IDX_PROP_DISPLAY};
    p.firstRow = R_RES;
    p.itemRight = R_RES;
    p.itemLeft = R_RES;
    p.okRight = R_DEFAULT;
    p.okLeft = R_MENU;
    p.cancelRight = R_DEFAULT;
    p.cancelLeft = R_MENU;
    m_orderRow = R_ORDER0;
    setRows(rows, p);
    m_confirm = new QTimer(this);
    m_confirm->setSingleShot(true);
    m_confirm->setInterval(CONFIRM_MS);
    connect(m_confirm, &QTimer::timeout, this, &TSetupDisp::sl_checkReso);
}

int TSetupDisp::component(int row)
{
    switch (row) {
    case R_BRI: return 0;
    case R_CON: return 3;
    case R_SAT: return 1;
    case R_HUE: return 2;
    default: return -1;
    }
}

void TSetupDisp::init(int background)
{
    TSetupOrderPage::init(background);
    for (int r = R_BRI; r <= R_HUE; ++r) {
        if (auto* s = qobject_cast<TSlider*>(control(r))) {
            s->setTickInterval(5);
            s->setPageStep(5);
        }
    }
}

void TSetupDisp::evtResize()
{
    TSetupOrderPage::evtResize();
    // "Default" stands in the bottom row, left of "Apply".
    QWidget* def = control(R_DEFAULT);
    QWidget* apply = control(R_APPLY);
    if (def && apply)
        def->setGeometry(apply->x() - apply->width() - ctlScale(6), apply->y(), apply->width(), apply->height());
}

void TSetupDisp::setOutputCombos()
{
    const PropDisplay* d = display();
    if (!d)
        return;
    for (int r : {int(R_RES), int(R_DEVICE)}) {
        if (auto* c = qobject_cast<TCombo*>(control(r))) {
            const QSignalBlocker block(c);
            c->setCurrentIndex(r == R_RES ? d->res : d->device2);
        }
    }
}

void TSetupDisp::setCtrl()
{
    TSetupOrderPage::setCtrl();
    setOutputCombos();
}

void TSetupDisp::connectTo()
{
    TSetupOrderPage::connectTo();
    for (int r : {int(R_RES), int(R_DEVICE)}) {
        if (auto* c = qobject_cast<TCombo*>(control(r)))
            connect(c, &TCombo::sg_changeIndex, this, &TSetupDisp::sl_outputIndex);
    }
    for (int r = R_BRI; r <= R_HUE; ++r) {
        if (auto* s = qobject_cast<TSlider*>(control(r)))
            connect(s, &TSlider::sg_valueChanged, this, &TSetupDisp::sl_cscValue);
    }
}

void TSetupDisp::disconnectFrom()
{
    for (int r : {int(R_RES), int(R_DEVICE)}) {
        if (auto* c = qobject_cast<TCombo*>(control(r)))
            disconnect(c, &TCombo::sg_changeIndex, this, &TSetupDisp::sl_outputIndex);
    }
    for (int r = R_BRI; r <= R_HUE; ++r) {
        if (auto* s = qobject_cast<TSlider*>(control(r)))
            disconnect(s, &TSlider::sg_valueChanged, this, &TSetupDisp::sl_cscValue);
    }
    TSetupOrderPage::disconnectFrom();
}

void TSetupDisp::evtHide()
{
    // Left with the question open: the new output was never confirmed.
    if (m_asking) {
        endAsking();
        if (g_msgWnd && g_msgWnd->isVisible())
            g_msgWnd->hideWnd();
        revert();
    }
    m_confirm->stop();
    TSetupOrderPage::evtHide();
}

void TSetupDisp::sl_outputIndex(int id, int index)
{
    PropDisplay* d = display();
    const int row = rowOfId(id);
    if (!d || index < 0 || (row != R_RES && row != R_DEVICE))
        return;
    // While the question is open the output to return to stays the one
    // before the first change.
    if (!m_asking) {
        m_keepRes = d->res;
        m_keepDevice = d->device2;
    }
    if (row == R_RES)
        d->res = index;
    else
        d->device2 = index;
    qCDebug(lcUiSetup, "TSetupDisp::sl_outputIndex res:%d dev:%d (was %d %d)", d->res, d->device2, m_keepRes,
            m_keepDevice);
    emit sg_action(Act_PrvDispOut, d->res, d->device2);
    if (!m_asking)
        ask();
}

void TSetupDisp::ask()
{
    if (!g_msgWnd)
        return;
    m_asking = 1;
    connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupDisp::sl_fromMsg, Qt::UniqueConnection);
    g_msgWnd->setType(MSG_OKCANCEL);
    g_msgWnd->setTitle(ctlText(T_DISPLAY));
    g_msgWnd->setText(ctlText(T_ARE_YOU_SURE) + QLatin1Char('?'));
    g_msgWnd->moveCenter(this);
    g_msgWnd->show();
    g_msgWnd->setFocus(Qt::OtherFocusReason);
    m_confirm->start();
}

void TSetupDisp::endAsking()
{
    m_asking = 0;
    m_confirm->stop();
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSetupDisp::sl_fromMsg);
}

void TSetupDisp::sl_fromMsg(int button)
{
    if (!m_asking)
        return;
    endAsking();
    if (button == MSGBTN_CANCEL)
        revert();
}

void TSetupDisp::sl_checkReso()
{
    // Only the question this page opened, and only while it is open.
    if (!m_asking)
        return;
    endAsking();
    if (g_msgWnd && g_msgWnd->isVisible())
        g_msgWnd->hideWnd();
    revert();
}

void TSetupDisp::revert()
{
    PropDisplay* d = display();
    if (!d)
        return;
    d->res = m_keepRes;
    d->device2 = m_keepDevice;
    qCDebug(lcUiSetup, "TSetupDisp::revert res:%d dev:%d", d->res, d->device2);
    emit sg_action(Act_PrvDispOut, d->res, d->device2);
    setOutputCombos();
}

void TSetupDisp::sl_cscValue(int id, int value)
{
    const int c = component(rowOfId(id));
    qCDebug(lcUiSetup, "========== TSetupDisp::sl_valueChanged %d ========", value);
    emit sg_action(Act_PrvDispCsc, c, value);
}

void TSetupDisp::buttonClicked(int row)
{
    if (row != R_DEFAULT || !g_cfg)
        return;
    g_cfg->setdefault(IDX_PROP_DISPLAY);
    setCtrl();
    const PropDisplay* d = display();
    emit sg_action(Act_PrvDispCsc, 0, d->bri);
    emit sg_action(Act_PrvDispCsc, 3, d->con);
    emit sg_action(Act_PrvDispCsc, 1, d->sat);
    emit sg_action(Act_PrvDispCsc, 2, d->hue);
}
