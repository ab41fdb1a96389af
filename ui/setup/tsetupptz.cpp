#include "tsetupptz.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "textutil.h"
#include "tkeys.h"
#include "tptzbtn.h"
#include "uisetuplog.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <cstddef>

using namespace SetupAct;

namespace {

enum { PipWidth = 13, PipHeight = 14, FrameColour = 35, PadSize = 71 };
enum { TextDriver = 146, TextAddress = 80, TextBaudrate = 147 };

PropPtz* ptz()
{
    return g_cfg ? static_cast<PropPtz*>(g_cfg->getsection(IDX_PROP_PTZ, 0)) : nullptr;
}

} // namespace

TSetupPtz::TSetupPtz(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    auto combo = [](int text, int offset, int list, int up, int down) {
        Row r;
        r.kind = RowCombo;
        r.text = text;
        r.section = offset < 0 ? -1 : int(IDX_PROP_PTZ);
        r.offset = qMax(0, offset);
        r.size = 4;
        r.stride = sizeof(PtzEntry);
        r.list = list;
        // Every change is tried on the camera at once.
        r.preview = offset < 0 ? -1 : int(Act_PrvPtz);
        r.right = L_ITEM;
        r.left = L_ITEM;
        r.up = up;
        r.down = down;
        return r;
    };
    auto command = [](int kind, int right, int left) {
        Row r;
        r.kind = kind;
        r.right = right;
        r.left = left;
        r.up = R_PAD;
        r.down = L_TAB;
        return r;
    };
    // The driver is stored as its name: sl_changeIndex and setCtrl.
    Row pad;
    pad.kind = RowButton;
    pad.right = L_ITEM;
    pad.left = L_ITEM;
    pad.up = R_BAUD;
    pad.down = R_DEFAULT;
    const QVector<Row> rows{
        combo(TextDriver, -1, IDX_DATA_PTZ_DRIVER, L_CAMERA, R_ADDR),
        combo(TextAddress, offsetof(PtzEntry, addr), IDX_DATA_PTZ_ADDR, R_DRIVER, R_BAUD),
        combo(TextBaudrate, offsetof(PtzEntry, baud), IDX_DATA_BAUDRATE, R_ADDR, R_PAD),
        pad,
        command(RowDefault, R_APPLY, L_OK),
        command(RowApply, R_MENU, R_DEFAULT),
        command(RowMenu, L_OK, R_APPLY),
    };
    Params p;
    p.sections = {IDX_PROP_PTZ};
    p.preview = 1;
    p.perCamera = 1;
    p.firstRow = R_DRIVER;
    p.itemRight = L_CAMERA;
    p.itemLeft = L_CAMERA;
    p.okRight = R_DEFAULT;
    p.okLeft = R_MENU;
    p.cancelRight = R_DEFAULT;
    p.cancelLeft = R_MENU;
    setRows(rows, p);
}

TPtzbtn* TSetupPtz::pad() const
{
    return qobject_cast<TPtzbtn*>(control(R_PAD));
}

void TSetupPtz::init(int background)
{
    TSetupPage::init(background);
    // The pad takes the place of the row's button.
    if (m_ctrl.size() > R_PAD && !pad()) {
        delete m_ctrl[R_PAD];
        m_ctrl[R_PAD] = new TPtzbtn(this);
        m_ctrl[R_PAD]->setFocusPolicy(Qt::StrongFocus);
    }
    evtResize();
}

void TSetupPtz::evtResize()
{
    TSetupPage::evtResize();
    if (!pad())
        return;
    const int margin = ctlScale(16);
    const int pitch = ctlScale(30);
    const int rowH = ctlScale(24);
    const int top = margin + ctlScale(24) + ctlScale(12);
    // Labels at the left, the lists beside them, the pad at their right.
    const int comboX = margin + ctlScale(110);
    const int comboW = ctlScale(240);
    for (int r = R_DRIVER; r <= R_BAUD; ++r)
        control(r)->setGeometry(comboX, top + r * pitch, comboW, rowH);
    const int padSide = qMin(ctlScale(PadSize) + ctlScale(12), 3 * pitch);
    pad()->setGeometry(comboX + comboW + ctlScale(40), top, padSide, padSide);
    // The preview below: the size of the device's viewing window, cut to
    // the room the page has.
    const int ptop = top + 3 * pitch + ctlScale(14);
    const int bottom = control(R_APPLY)->y() - ctlScale(10);
    const int w = qMin(g_res ? g_res->getValue(PipWidth) : 484, width() - 2 * margin - ctlScale(8));
    const int h = qMin(g_res ? g_res->getValue(PipHeight) : 272, bottom - ptop);
    m_params.pipArea = QRect((width() - w) / 2 / 2 * 2, ptop, w, qMax(0, h));
}

void TSetupPtz::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    const QRect a = m_params.pipArea;
    p.setPen(QPen(ctlColor(FrameColour), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(a.adjusted(-3, -3, 2, 2));
    // Black lets the live picture through; dark grey while none is asked for.
    p.fillRect(a, m_pipOn ? QColor(0, 0, 0) : QColor(16, 16, 16));
}

void TSetupPtz::positions(int* out) const
{
    const PropPtz* p = ptz();
    out[0] = out[1] = out[2] = 0;
    if (!p || m_ch < 0 || m_ch >= videos())
        return;
    const PtzEntry& e = p->ch[m_ch];
    // A name no driver of the unit has shows as the first entry, "None".
    char name[DRIVER_SIZE];
    qstrncpy(name, e.driver, sizeof name);
    out[0] = g_cfg->getindexfromvalue(IDX_DATA_PTZ_DRIVER, reinterpret_cast<intptr_t>(name));
    out[1] = e.addr;
    out[2] = e.baud;
}

void TSetupPtz::setCtrl()
{
    // The base sets the camera buttons and the address and baud lists; the
    // camera's own values replace what it gave the driver list.
    TSetupPage::setCtrl();
    if (m_ch < 0 || m_ch >= videos())
        return;
    int pos[3];
    positions(pos);
    auto* c = qobject_cast<TCombo*>(control(R_DRIVER));
    if (c) {
        const QSignalBlocker block(c);
        c->setCurrentIndex(pos[0]);
    }
}

void TSetupPtz::selectChannel(int ch)
{
    if (ch < 0 || ch >= videos() || ch == m_ch)
        return;
    m_ch = ch;
    for (int c = 0; c < CAMERAS; ++c)
        m_cam[c]->setState(c == m_ch ? 1 : 2, nullptr);
    // The lists follow the new camera as if chosen: each one that moves
    // writes its field of the new camera again and tries it on the camera.
    int pos[3];
    positions(pos);
    for (int r = R_DRIVER; r <= R_BAUD; ++r) {
        if (auto* c = qobject_cast<TCombo*>(control(r)))
            c->setCurrentIndex(pos[r - R_DRIVER]);
    }
    emit sg_action(Act_PipReshow, m_ch, 0);
}

void TSetupPtz::sl_changeIndex(int id, int index)
{
    const int row = rowOfId(id);
    if (row != R_DRIVER) {
        TSetupPage::sl_changeIndex(id, index);
        return;
    }
    PropPtz* p = ptz();
    auto* c = qobject_cast<TCombo*>(control(R_DRIVER));
    // A list that lost its entries reports -1: nothing is chosen.
    if (!p || !c || index < 0 || index >= c->count() || m_ch < 0 || m_ch >= videos())
        return;
    // The entry's text, the first one the translated "None", cut to the
    // field at a whole character.
    q2Utf8Whole(p->ch[m_ch].driver, c->itemText(index), DRIVER_SIZE);
    qCDebug(lcUiSetup, "TSetupPtz::sl_changeIndex ch:%d driver:%s", m_ch, p->ch[m_ch].driver);
    emit sg_action(Act_PrvPtz, m_ch, index);
}

void TSetupPtz::sl_btnclicked(int id, int state)
{
    TSetupPage::sl_btnclicked(id, state);
    // Default reloads the lists without a word, then tries every camera once.
    if (rowOfId(id) == R_DEFAULT)
        emit sg_action(Act_PrvPtz, -1, 0);
}

void TSetupPtz::sl_ptzclicked(int pressed, int direction)
{
    if (direction < 0 || direction > 3)
        return;
    const int on = pressed == 1 ? 1 : 0;
    if (on) {
        m_held = direction;
        m_heldCam = m_ch;
    } else if (direction == m_held) {
        m_held = -1;
    }
    emit sg_action(Act_PrvPtzUp + direction, m_ch, on);
}

void TSetupPtz::connectTo()
{
    TSetupPage::connectTo();
    if (TPtzbtn* p = pad())
        connect(p, &TPtzbtn::sg_keynotify, this, &TSetupPtz::sl_ptzclicked);
}

void TSetupPtz::disconnectFrom()
{
    if (TPtzbtn* p = pad())
        disconnect(p, &TPtzbtn::sg_keynotify, this, &TSetupPtz::sl_ptzclicked);
    TSetupPage::disconnectFrom();
}

void TSetupPtz::evtShow()
{
    m_pipOn = false;
    m_held = -1;
    m_enterToPad = false;
    auto* c = qobject_cast<TCombo*>(control(R_DRIVER));
    if (c && c->count() == 0) {
        const QSignalBlocker block(c);
        c->addItems(TConfig::getdata(IDX_DATA_PTZ_DRIVER, 0));
    }
    TSetupPage::evtShow(); // setCtrl, keyMatch, then 83 for the camera shown
    m_pipOn = true;
    update(m_params.pipArea);
}

void TSetupPtz::evtHide()
{
    // A direction still held would leave the camera moving: stop it (the
    // menu's Menu key, setup closed by a logout or a remote setup).
    if (m_held >= 0) {
        qCDebug(lcUiSetup, "TSetupPtz::evtHide release dir:%d ch:%d", m_held, m_heldCam);
        emit sg_action(Act_PrvPtzUp + m_held, m_heldCam, 0);
        m_held = -1;
    }
    // The pad gives the keys back for the next show.
    if (TPtzbtn* p = pad()) {
        const QSignalBlocker block(p);
        p->keyEvent(Qt::Key_Escape, 1);
    }
    m_enterToPad = false;
    m_pipOn = false;
    update(m_params.pipArea);
    TSetupPage::evtHide(); // 84
}

int TSetupPtz::keyTaken(int key)
{
    // While the pad holds the keys it takes every one.
    if (TPtzbtn* p = pad()) {
        if (p->keyEvent(key, 1))
            return 1;
        if ((key == Qt::Key_Enter || key == Qt::Key_Return) && p->hasFocus()) {
            // Enter on the pad gives it the keys.
            m_curCtrl = p;
            m_enterToPad = true;
            QCoreApplication::postEvent(p, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
            return 1;
        }
    }
    return 0;
}

void TSetupPtz::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ TSetupPtz::evtKeydown(%d) ===========", key);
    // The jog with nothing focused starts at the first camera.
    if ((key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT) && !(pad() && pad()->keyOn()) &&
        !focusFind(key, m_focus.data(), m_focus.size())) {
        bool listOpen = false;
        for (int r = R_DRIVER; r <= R_BAUD; ++r)
            listOpen = listOpen || static_cast<TCombo*>(control(r))->view()->isVisible();
        if (!listOpen && m_cam[0]) {
            m_cam[0]->setFocus(Qt::OtherFocusReason);
            m_curCtrl = m_cam[0];
            return;
        }
    }
    TSetupPage::evtKeydown(key);
}

void TSetupPtz::evtKeyup(int key)
{
    const bool enter = key == Qt::Key_Enter || key == Qt::Key_Return;
    // The release of the Enter that gave the pad the keys starts nothing.
    if (enter && m_enterToPad) {
        m_enterToPad = false;
        return;
    }
    if (TPtzbtn* p = pad()) {
        if (p->keyEvent(key, 0))
            return;
    }
    TSetupPage::evtKeyup(key);
}
