#include "tsetupaddr.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tedit.h"
#include "textutil.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <cstddef>

using namespace SetupAct;

namespace {

enum { TypeEthernet = 0, TypePppoe = 1 };

PropNetaddr* addr()
{
    return g_cfg ? static_cast<PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 0)) : nullptr;
}

template <int N> QString textOf(const char (&field)[N])
{
    return QString::fromUtf8(field, int(qstrnlen(field, N)));
}

bool storedAddrOem()
{
    const int oem = g_default ? g_default->getOem() : 0;
    return oem == TSetupAddr::OemStoredAddr1 || oem == TSetupAddr::OemStoredAddr2;
}

// A field that shows a lease: an interface without one reports 0.0.0.0.
bool isLease(const QString& text)
{
    return !text.isEmpty() && text != QLatin1String("0.0.0.0");
}

// What typing into a field needs: its keyboard, title, longest text and
// the record field it fills.
struct Typing
{
    int row;
    int pad;   // 0 text keyboard, 1 number pad for an address
    int title;
    int max;
    int password;
    size_t offset;
    int size;
};

const Typing kTyping[] = {
    {TSetupAddr::R_NAME, 0, 273, 31, 0, offsetof(PropNetaddr, name), 32},
    {TSetupAddr::R_IP, 1, 274, 0, 0, offsetof(PropNetaddr, ip), 32},
    {TSetupAddr::R_MASK, 1, 275, 0, 0, offsetof(PropNetaddr, mask), 32},
    {TSetupAddr::R_GATE, 1, 276, 0, 0, offsetof(PropNetaddr, gate), 32},
    {TSetupAddr::R_DNS, 1, 277, 0, 0, offsetof(PropNetaddr, dns), 32},
    {TSetupAddr::R_PPPID, 0, 278, 63, 0, offsetof(PropNetaddr, pppid), 64},
    {TSetupAddr::R_PPPPW, 0, 271, 63, 1, offsetof(PropNetaddr, ppppw), 64},
    {TSetupAddr::R_PPPDNS, 1, 277, 0, 0, offsetof(PropNetaddr, dns), 32},
};

const Typing* typingOf(int row)
{
    for (const Typing& t : kTyping) {
        if (t.row == row)
            return &t;
    }
    return nullptr;
}

TSetupPage::Row field(int kind, int text, int up, int down)
{
    TSetupPage::Row r;
    r.kind = kind;
    r.text = text;
    r.up = up;
    r.down = down;
    r.right = r.left = TSetupPage::L_ITEM;
    return r;
}

} // namespace

TSetupAddr::TSetupAddr(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    // One chain for both connection types: the focus passes over the rows
    // the type hides and the fields DHCP greys.
    QVector<Row> rows;
    rows << field(RowEdit, 315, L_TAB, R_TYPE);
    Row type = field(RowCombo, 145, R_NAME, R_DHCP);
    type.list = IDX_DATA_NET_TYPE;
    type.section = IDX_PROP_NETADDR;
    type.offset = offsetof(PropNetaddr, type);
    type.size = 2;
    rows << type;
    rows << field(RowCheck, 150, R_TYPE, R_IP);
    const int text[] = {153, 154, 155};
    for (int k = 0; k < 3; ++k) {
        Row a = field(RowEdit, text[k], R_DHCP + k, R_IP + k + 1);
        a.lo = 1;
        rows << a;
    }
    rows << field(RowCheck, 425, R_GATE, R_DNS);
    Row dns = field(RowEdit, 156, R_DNSAUTO, R_PPPID);
    dns.lo = 1;
    rows << dns;
    rows << field(RowEdit, 181, R_DNS, R_PPPPW);
    rows << field(RowEdit, 160, R_PPPID, R_PPPIP);
    Row pppIp = field(RowEdit, 153, R_PPPPW, R_PPPDNS);
    pppIp.lo = 1;
    rows << pppIp;
    Row pppDns = field(RowEdit, 156, R_PPPIP, R_DEFAULT);
    pppDns.lo = 1;
    rows << pppDns;
    Row def = field(RowDefault, -1, R_PPPDNS, L_TAB);
    def.right = R_APPLY;
    def.left = L_OK;
    Row apply = def;
    apply.kind = RowApply;
    apply.right = R_MENU;
    apply.left = R_DEFAULT;
    Row menu = def;
    menu.kind = RowMenu;
    menu.right = L_OK;
    menu.left = R_APPLY;
    rows << def << apply << menu;
    Params p;
    p.sections = {IDX_PROP_NETADDR};
    p.replies = {Act_InfoDhcp};
    p.firstRow = R_NAME;
    p.itemRight = p.itemLeft = R_NAME;
    p.okRight = p.cancelRight = R_DEFAULT;
    p.okLeft = p.cancelLeft = R_MENU;
    p.jogRow = R_DHCP;
    setRows(rows, p);
}

void TSetupAddr::init(int background)
{
    TSetupPage::init(background);
    static_cast<TEdit*>(control(R_PPPPW))->setPassword(1);
    control(R_PPPIP)->setEnabled(false);
    evtResize();
}

void TSetupAddr::evtResize()
{
    TSetupPage::evtResize();
    if (!control(R_PPPDNS))
        return;
    // The PPPoE rows take the places of the Ethernet rows under "Type".
    const QRect ip = control(R_IP)->geometry();
    const int pitch = control(R_MASK)->y() - ip.y();
    for (int k = 0; k < 4; ++k)
        control(R_PPPID + k)->setGeometry(ip.translated(0, (k - 1) * pitch));
}

QString TSetupAddr::fieldShown(int row) const
{
    const auto* e = qobject_cast<const TEdit*>(control(row));
    return e ? e->text() : QString();
}

void TSetupAddr::setShown(int row, const QString& text)
{
    if (auto* e = qobject_cast<TEdit*>(control(row)))
        e->setText(text);
}

void TSetupAddr::setCtrl()
{
    const PropNetaddr* a = addr();
    if (!a || m_ctrl.size() != m_rows.size())
        return;
    // Filling the controls writes nothing back.
    for (QWidget* w : m_ctrl)
        w->blockSignals(true);
    setShown(R_NAME, textOf(a->name));
    // A stored type the list does not hold shows no entry; nothing is
    // written back while the controls are filled.
    static_cast<TCombo*>(control(R_TYPE))->setCurrentIndex(a->type);
    const bool dhcp = a->dhcp != 0;
    const bool autoDns = dhcp && a->dnsauto;
    if (a->type == TypePppoe) {
        setShown(R_PPPID, textOf(a->pppid));
        setShown(R_PPPPW, textOf(a->ppppw));
        setShown(R_PPPDNS, textOf(a->dns));
        if (!m_lease[0].isEmpty())
            setShown(R_PPPIP, m_lease[0]);
        for (int r : {R_DHCP, R_IP, R_MASK, R_GATE, R_DNSAUTO, R_DNS})
            control(r)->hide();
        for (int r = R_PPPID; r <= R_PPPDNS; ++r)
            control(r)->show();
        control(R_PPPIP)->setEnabled(false);
    } else if (a->type == TypeEthernet) {
        static_cast<TButton*>(control(R_DHCP))->setChecked(dhcp);
        control(R_DNSAUTO)->setEnabled(dhcp);
        static_cast<TButton*>(control(R_DNSAUTO))->setChecked(autoDns);
        control(R_DNS)->setEnabled(!autoDns);
        setShown(R_DNS, autoDns && !m_lease[3].isEmpty() ? m_lease[3] : textOf(a->dns));
        for (int r = R_PPPID; r <= R_PPPDNS; ++r)
            control(r)->hide();
        for (int r : {R_DHCP, R_IP, R_MASK, R_GATE, R_DNSAUTO, R_DNS})
            control(r)->show();
        for (int k = 0; k < 3; ++k)
            control(R_IP + k)->setEnabled(!dhcp);
        // Some variants show the stored address also under DHCP.
        const QString stored[3] = {textOf(a->ip), textOf(a->mask), textOf(a->gate)};
        for (int k = 0; k < 3; ++k) {
            if (!dhcp || storedAddrOem())
                setShown(R_IP + k, stored[k]);
            else if (!m_lease[k].isEmpty())
                setShown(R_IP + k, m_lease[k]);
        }
    }
    for (QWidget* w : m_ctrl)
        w->blockSignals(false);
    update();
}

void TSetupAddr::evtShow()
{
    const PropNetaddr* a = addr();
    // The interface's address is asked for before the fields are filled;
    // the main window answers within the call.
    if (a && ((a->type == TypeEthernet && a->dhcp) || a->type == TypePppoe))
        emit sg_action(Act_InfoDhcp, 0, 0);
    TSetupPage::evtShow();
}

void TSetupAddr::initSet(const char (*text)[64])
{
    if (!text)
        return;
    for (int k = 0; k < 4; ++k)
        m_lease[k] = QString::fromLatin1(text[k], int(qstrnlen(text[k], 64)));
    const PropNetaddr* a = addr();
    if (!a)
        return;
    if (a->type == TypeEthernet && a->dhcp) {
        qCDebug(lcUiSetup, "TSetupAddr::initSet.. ip:%s", qPrintable(m_lease[0]));
        // The variants that show the stored address keep showing it when
        // the frame's own request is answered after the show.
        for (int k = 0; k < 3 && !storedAddrOem(); ++k)
            setShown(R_IP + k, m_lease[k]);
        if (a->dnsauto)
            setShown(R_DNS, m_lease[3]);
    } else if (a->type == TypePppoe) {
        setShown(R_PPPIP, m_lease[0]);
    }
}

void TSetupAddr::onReply(int code, const void* data)
{
    if (code == Act_InfoDhcp)
        initSet(static_cast<const char(*)[64]>(data));
}

void TSetupAddr::sl_btnclicked(int id, int state)
{
    PropNetaddr* a = addr();
    const int r = rowOfId(id);
    if (r == R_DHCP && a) {
        a->dhcp = a->dhcp ? 0 : 1;
        if (!a->dhcp) {
            // The lease shown becomes the fixed address; a field without
            // one keeps its stored text.
            char* to[3] = {a->ip, a->mask, a->gate};
            for (int k = 0; k < 3; ++k) {
                const QString shown = fieldShown(R_IP + k);
                if (isLease(shown))
                    q2Utf8Whole(to[k], shown, sizeof a->ip);
            }
        }
        setCtrl();
        keyMatch();
        return;
    }
    if (r == R_DNSAUTO && a) {
        a->dnsauto = a->dnsauto ? 0 : 1;
        setCtrl();
        return;
    }
    TSetupPage::sl_btnclicked(id, state);
}

void TSetupAddr::sl_changeIndex(int id, int index)
{
    PropNetaddr* a = addr();
    if (rowOfId(id) != R_TYPE || index < 0 || !a)
        return;
    a->type = int16_t(index);
    setCtrl();
    keyMatch();
}

void TSetupAddr::sl_edclicked(int id)
{
    const int r = rowOfId(id);
    qCDebug(lcUiSetup, "============ TSetupAddr::sl_edclicked(%d) ===========", r);
    const Typing* t = typingOf(r);
    if (!t || !control(r)->isEnabled())
        return;
    m_typing = r;
    TVKeyPad* pad = nullptr;
    if (t->pad) {
        if (!g_vkeynum)
            return;
        g_vkeynum->setMode(TVKeyNumboard::ModeIPv4);
        pad = g_vkeynum;
    } else {
        if (!g_vkeyboard)
            return;
        g_vkeyboard->setMaxLength(t->max);
        g_vkeyboard->setPassword(t->password);
        pad = g_vkeyboard;
    }
    pad->setTitle(ctlText(t->title));
    pad->setText(t->password ? QString() : fieldShown(r));
    pad->moveCenter(parentWidget() ? parentWidget() : this);
    pad->show();
}

void TSetupAddr::sl_reply(int code, QString text)
{
    const int r = m_typing;
    m_typing = -1;
    const Typing* t = typingOf(r);
    PropNetaddr* a = addr();
    if (code != VK_OK || !t || !a)
        return;
    // Cut to the field at a whole character.
    char* to = reinterpret_cast<char*>(a) + t->offset;
    q2Utf8Whole(to, text, t->size);
    setShown(r, QString::fromUtf8(to, int(qstrnlen(to, uint(t->size)))));
}
