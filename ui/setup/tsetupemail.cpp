#include "tsetupemail.h"
#include "appglobals.h"
#include "ctlres.h"
#include "portentry.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tedit.h"
#include "tsetupemailevt.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QKeyEvent>

using namespace SetupAct;

namespace {

enum {
    T_ON = 329,
    T_TO = 365,
    T_FROM = 364,
    T_SERVER = 328,
    T_PORT = 81,
    T_AUTH = 165,
    T_SSL = 166,
    T_ACCOUNT = 167,
    T_PASSWORD = 160,
    T_INTERVAL = 401,
    T_TEST = 330,
    T_EVENT = 331,
    T_TYPE_TO = 281,
    T_TYPE_FROM = 282,
    T_TYPE_SERVER = 280,
    T_TYPE_PORT = 283,
    T_TYPE_ACCOUNT = 284,
    T_TYPE_PASSWORD = 271
};

PropNetemail* mail()
{
    return g_cfg ? static_cast<PropNetemail*>(g_cfg->getsection(IDX_PROP_NETEMAIL, 0)) : nullptr;
}

TSetupPage::Row field(int kind, int text, int offset, int size, int up, int down)
{
    TSetupPage::Row r = TSetupPage::linkedRow(kind, text, up, down);
    r.section = IDX_PROP_NETEMAIL;
    r.offset = offset;
    r.size = size;
    return r;
}

// The keyboard title of each text field.
int typeTitle(int r)
{
    switch (r) {
    case TSetupEmail::R_TO: return T_TYPE_TO;
    case TSetupEmail::R_FROM: return T_TYPE_FROM;
    case TSetupEmail::R_SERVER: return T_TYPE_SERVER;
    case TSetupEmail::R_ID: return T_TYPE_ACCOUNT;
    default: return T_TYPE_PASSWORD;
    }
}

bool isTextField(int r)
{
    return r == TSetupEmail::R_TO || r == TSetupEmail::R_FROM || r == TSetupEmail::R_SERVER ||
           r == TSetupEmail::R_ID || r == TSetupEmail::R_PW;
}

} // namespace

TSetupEmail::TSetupEmail(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    const int text = sizeof PropNetemail::to;
    QVector<Row> rows;
    rows << field(RowCheck, T_ON, offsetof(PropNetemail, on), 1, L_TAB, R_TO);
    rows << field(RowEdit, T_TO, offsetof(PropNetemail, to), text, R_ON, R_FROM);
    rows << field(RowEdit, T_FROM, offsetof(PropNetemail, from), text, R_TO, R_SERVER);
    rows << field(RowEdit, T_SERVER, offsetof(PropNetemail, server), text, R_FROM, R_PORT);
    // The port is a number the page reads and writes itself.
    Row port = TSetupPage::linkedRow(RowEdit, T_PORT, R_SERVER, R_AUTH);
    port.lo = 1;
    rows << port;
    rows << field(RowCheck, T_AUTH, offsetof(PropNetemail, authOn), 1, R_PORT, R_SSL);
    rows << field(RowCheck, T_SSL, offsetof(PropNetemail, sslOn), 1, R_AUTH, R_ID);
    rows << field(RowEdit, T_ACCOUNT, offsetof(PropNetemail, id), text, R_SSL, R_PW);
    rows << field(RowEdit, T_PASSWORD, offsetof(PropNetemail, pw), text, R_ID, R_DUR);
    Row dur = field(RowCombo, T_INTERVAL, offsetof(PropNetemail, dur), 4, R_PW, R_TEST);
    dur.list = IDX_DATA_EMAIL_PERIOD;
    rows << dur;
    rows << TSetupPage::linkedRow(RowButton, T_TEST, R_DUR, R_EVENT);
    rows << TSetupPage::linkedRow(RowButton, T_EVENT, R_TEST, R_APPLY);
    rows << TSetupPage::linkedRow(RowApply, -1, R_EVENT, L_TAB, R_DEFAULT, L_OK);
    rows << TSetupPage::linkedRow(RowDefault, -1, R_EVENT, L_TAB, L_OK, R_APPLY);
    rows << TSetupPage::linkedRow(RowMenu, -1, R_EVENT, L_TAB, L_OK, R_DEFAULT);
    Params p;
    p.sections = {IDX_PROP_NETEMAIL};
    p.firstRow = R_ON;
    p.jogRow = R_ON;
    p.itemRight = p.itemLeft = R_ON;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

TSetupEmail::~TSetupEmail()
{
    delete m_evtWnd;
}

void TSetupEmail::init(int background)
{
    TSetupPage::init(background);
    control(R_MENU)->hide();
    static_cast<TEdit*>(control(R_PW))->setEchoMode(QLineEdit::Password);
    if (!m_evtWnd) {
        m_evtWnd = new TSetupEmailEvt(nullptr, -1, QSize(ctlScale(640), ctlScale(340)));
        m_evtWnd->init(0);
        m_evtWnd->hide();
    }
    evtResize();
}

void TSetupEmail::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size())
        return;
    // Seventeen rows: a tighter pitch than the base's, so the last ones
    // stay above the bottom row of buttons.
    const int top = ctlScale(12);
    const int pitch = ctlScale(26);
    for (int r = R_ON; r <= R_EVENT; ++r) {
        QRect g = control(r)->geometry();
        const int y = top + (r - R_ON) * pitch;
        g.moveTop(m_rows[r].kind == RowCheck ? y + (ctlScale(22) - g.height()) / 2 : y);
        g.setHeight(m_rows[r].kind == RowCheck ? g.height() : ctlScale(22));
        control(r)->setGeometry(g);
    }
    const QRect m = control(R_MENU)->geometry();
    const QRect d = control(R_DEFAULT)->geometry();
    control(R_DEFAULT)->move(m.topLeft());
    control(R_APPLY)->move(d.topLeft());
}

void TSetupEmail::setCtrl()
{
    TSetupPage::setCtrl();
    const PropNetemail* m = mail();
    if (!m)
        return;
    static_cast<TEdit*>(control(R_PORT))->setText(QString::asprintf("%d", int(m->port)));
    const bool on = m->on != 0;
    for (int r = R_TO; r <= R_EVENT; ++r)
        control(r)->setEnabled(on);
}

void TSetupEmail::evtLanguage()
{
    TSetupPage::evtLanguage();
    // The window the page owns follows the language with it.
    if (m_evtWnd)
        m_evtWnd->evtLanguage();
}

void TSetupEmail::evtHide()
{
    closeSubWindows();
    TSetupPage::evtHide();
}

void TSetupEmail::closeSubWindows()
{
    // The window's edits are undone whenever the page goes, with the frame
    // or for another page.
    if (m_evtWnd && m_evtWnd->isVisible())
        m_evtWnd->cancel();
}

int TSetupEmail::keyTaken(int key)
{
    if (m_evtWnd && m_evtWnd->isVisible()) {
        QCoreApplication::postEvent(m_evtWnd, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return 1;
    }
    return 0;
}

void TSetupEmail::evtKeyup(int key)
{
    if (m_evtWnd && m_evtWnd->isVisible()) {
        QCoreApplication::postEvent(m_evtWnd, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        return;
    }
    TSetupPage::evtKeyup(key);
}

void TSetupEmail::sl_btnclicked(int id, int state)
{
    const int r = rowOfId(id);
    switch (r) {
    case R_TEST: emit sg_action(Act_TestEmail, 0, 0); return;
    case R_EVENT:
        if (m_evtWnd) {
            m_evtWnd->moveCenter(parentWidget() ? parentWidget() : this);
            m_evtWnd->show();
        }
        return;
    default: break;
    }
    TSetupPage::sl_btnclicked(id, state);
    if (r == R_ON)
        setCtrl();
}

void TSetupEmail::sl_edclicked(int id)
{
    const int r = rowOfId(id);
    qCDebug(lcUiSetup, "============ TSetupEmail::sl_edclicked(%d) ===========", r);
    auto* e = qobject_cast<TEdit*>(control(r));
    const QString now = e ? e->text() : QString();
    if (r == R_PORT && g_vkeynum) {
        m_typing = r;
        g_vkeynum->setTitle(ctlText(T_TYPE_PORT));
        g_vkeynum->setText(now);
        g_vkeynum->setMode(TVKeyNumboard::ModeNumber);
        g_vkeynum->moveCenter(parentWidget() ? parentWidget() : this);
        g_vkeynum->show();
        return;
    }
    if (!isTextField(r) || !g_vkeyboard)
        return;
    m_typing = r;
    g_vkeyboard->setTitle(ctlText(typeTitle(r)));
    g_vkeyboard->setMaxLength(int(sizeof PropNetemail::to) - 1);
    g_vkeyboard->setText(now);
    g_vkeyboard->setPassword(r == R_PW ? 1 : 0);
    g_vkeyboard->moveCenter(parentWidget() ? parentWidget() : this);
    g_vkeyboard->show();
}

void TSetupEmail::sl_reply(int code, QString text)
{
    if (m_typing != R_PORT) {
        // Texts: cut at a whole character into their fields.
        TSetupPage::sl_reply(code, text);
        return;
    }
    m_typing = -1;
    PropNetemail* m = mail();
    if (code != VK_OK || !m)
        return;
    const int port = typedPort(text, parentWidget() ? parentWidget() : this);
    if (port < 0)
        return;
    m->port = port;
    static_cast<TEdit*>(control(R_PORT))->setText(QString::number(port));
}
