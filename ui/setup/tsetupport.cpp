#include "tsetupport.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tedit.h"
#include "tmsgwnd.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <QLabel>
#include <QPainter>

using namespace SetupAct;

namespace {

enum { T_WARNING = 213, T_OUT_OF_RANGE = 260, T_TYPE_PORT = 283, T_WAIT = 198, T_STATUS = 83, MsgOk = 1 };

PropNetport* ports()
{
    return g_cfg ? static_cast<PropNetport*>(g_cfg->getsection(IDX_PROP_NETPORT, 0)) : nullptr;
}

int portOf(const PropNetport& p, int field)
{
    switch (field) {
    case 0: return p.watch;
    case 1: return p.search;
    case 2: return p.setup;
    default: return p.web;
    }
}

} // namespace

TSetupPort::TSetupPort(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows;
    // The port fields carry numbers: the page reads and writes them itself.
    Row port = TSetupPage::linkedRow(RowEdit, 157, L_TAB, R_SEARCH, L_ITEM, L_ITEM);
    port.lo = 1;
    rows << port;
    port.text = 10;
    port.up = R_WATCH;
    port.down = R_SETUP;
    rows << port;
    port.text = 2;
    port.up = R_SEARCH;
    port.down = R_WEB;
    rows << port;
    port.text = 158;
    port.up = R_SETUP;
    port.down = R_UPNP;
    rows << port;
    // "uPNP" is a fixed label, painted by the page.
    Row upnp = TSetupPage::linkedRow(RowCheck, -1, R_WEB, R_TEST, L_ITEM, L_ITEM);
    upnp.section = IDX_PROP_NETPORT;
    upnp.offset = offsetof(PropNetport, upnp);
    upnp.size = 4;
    rows << upnp;
    rows << TSetupPage::linkedRow(RowButton, 390, R_UPNP, R_APPLY, L_ITEM, L_ITEM);
    rows << TSetupPage::linkedRow(RowApply, -1, R_TEST, L_TAB, R_DEFAULT, L_OK);
    rows << TSetupPage::linkedRow(RowDefault, -1, R_TEST, L_TAB, L_OK, R_APPLY);
    rows << TSetupPage::linkedRow(RowMenu, -1, R_TEST, L_TAB, L_OK, R_DEFAULT);
    Params p;
    p.sections = {IDX_PROP_NETPORT};
    p.requests = {Act_InfoUpnp};
    p.replies = {Act_InfoUpnp};
    p.firstRow = R_WATCH;
    p.itemRight = p.itemLeft = R_WATCH;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    p.jogRow = R_UPNP;
    setRows(rows, p);
}

void TSetupPort::init(int background)
{
    TSetupPage::init(background);
    control(R_MENU)->hide();
    m_status = new QLabel(this);
    m_status->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_status->setIndent(ctlScale(4));
    evtResize();
}

void TSetupPort::evtResize()
{
    TSetupPage::evtResize();
    if (!m_status || !control(R_TEST))
        return;
    // Ports take a third of the row, so the range hint fits right of them.
    for (int f = R_WATCH; f <= R_WEB; ++f) {
        QRect g = control(f)->geometry();
        g.setWidth(width() * 18 / 100);
        control(f)->setGeometry(g);
    }
    const QRect t = control(R_TEST)->geometry();
    m_status->setGeometry(t.left(), t.bottom() + ctlScale(8), width() * 45 / 100, t.height());
    // Apply and Default at the bottom right, the hidden Menu takes no place.
    const QRect m = control(R_MENU)->geometry();
    const QRect d = control(R_DEFAULT)->geometry();
    control(R_DEFAULT)->move(m.topLeft());
    control(R_APPLY)->move(d.topLeft());
}

void TSetupPort::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(ctlColor(3));
    auto label = [&](QWidget* w, const QString& text) {
        const QRect g = w->geometry();
        p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
    };
    label(control(R_UPNP), QStringLiteral("uPNP"));
    if (m_status)
        label(m_status, ctlText(T_STATUS));
    for (int f = R_WATCH; f <= R_WEB; ++f) {
        const QRect g = control(f)->geometry();
        const QString hint = f == R_WEB ? QString::asprintf("(%d,%d-%d)", int(WebLow), int(PortLow), int(PortHigh))
                                        : QString::asprintf("(%d-%d)", int(PortLow), int(PortHigh));
        p.drawText(QRect(g.right() + ctlScale(10), g.top(), width() - g.right() - ctlScale(20), g.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, hint);
    }
}

void TSetupPort::setCtrl()
{
    TSetupPage::setCtrl();
    const PropNetport* n = ports();
    if (!n)
        return;
    for (int f = R_WATCH; f <= R_WEB; ++f)
        static_cast<TEdit*>(control(f))->setText(QString::number(portOf(*n, f)));
    control(R_TEST)->setEnabled(n->upnp != 0);
    if (!n->upnp && m_status)
        m_status->clear();
}

QString TSetupPort::upnpText() const
{
    return m_status ? m_status->text() : QString();
}

void TSetupPort::showUpnp(const QString& text)
{
    const PropNetport* n = ports();
    if (!m_status)
        return;
    if (n && n->upnp)
        m_status->setText(text);
    else
        m_status->clear();
}

void TSetupPort::onReply(int code, const void* data)
{
    if (code == Act_InfoUpnp)
        showUpnp(*static_cast<const QString*>(data));
}

bool TSetupPort::portAllowed(int field, int v)
{
    const PropNetport* n = ports();
    if (!n || field < 0 || field > 3)
        return false;
    if (field < 3)
        return v >= PortLow && v <= PortHigh && v != n->web;
    return (v == WebLow || (v >= PortLow && v <= PortHigh)) && v != n->watch && v != n->search && v != n->setup;
}

void TSetupPort::sl_btnclicked(int id, int state)
{
    const int r = rowOfId(id);
    if (r == R_APPLY && m_status)
        m_status->clear();
    if (r == R_TEST) {
        if (m_status)
            m_status->setText(ctlText(T_WAIT));
        emit sg_action(Act_TestUpnp, 0, 0);
        return;
    }
    TSetupPage::sl_btnclicked(id, state);
    if (r == R_UPNP)
        setCtrl();
}

void TSetupPort::sl_edclicked(int id)
{
    const int r = rowOfId(id);
    qCDebug(lcUiSetup, "============ TSetupPort::sl_edclicked(%d) ===========", r);
    if (r < R_WATCH || r > R_WEB || !g_vkeynum)
        return;
    m_typing = r;
    g_vkeynum->setTitle(ctlText(T_TYPE_PORT));
    g_vkeynum->setText(static_cast<TEdit*>(control(r))->text());
    g_vkeynum->setMode(TVKeyNumboard::ModeNumber);
    g_vkeynum->moveCenter(parentWidget() ? parentWidget() : this);
    g_vkeynum->show();
}

void TSetupPort::sl_reply(int code, QString text)
{
    const int r = m_typing;
    m_typing = -1;
    PropNetport* n = ports();
    if (code != VK_OK || r < R_WATCH || r > R_WEB || !n)
        return;
    bool number = false;
    const int v = text.trimmed().toInt(&number);
    if (!portAllowed(r, number ? v : 0)) {
        if (g_msgWnd) {
            g_msgWnd->setType(MsgOk);
            g_msgWnd->setTitle(ctlText(T_WARNING));
            g_msgWnd->setText(ctlText(T_OUT_OF_RANGE));
            g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
            g_msgWnd->show();
        }
        return;
    }
    const int16_t port = int16_t(v);
    switch (r) {
    case R_WATCH: n->watch = port; break;
    case R_SEARCH: n->search = port; break;
    case R_SETUP: n->setup = port; break;
    default: n->web = port; break;
    }
    static_cast<TEdit*>(control(r))->setText(QString::number(v));
}
