#include "tsetupddns.h"
#include "appglobals.h"
#include "ctlres.h"
#include "portentry.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tddnsform.h"
#include "tedit.h"
#include "textutil.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "uisetuplog.h"

#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>

#include <cstring>

using namespace SetupAct;

namespace {

enum {
    T_TYPE = 320,
    T_SERVER = 321,
    T_PORT = 81,
    T_DOMAIN = 159,
    T_ID = 181,
    T_PASSWORD = 322,
    T_DURATION = 144,
    T_TEST = 323,
    T_STATUS = 83,
    T_WAIT = 198,
    T_TYPE_PORT = 283,
    T_TYPE_SERVER = 280,
    T_TYPE_DOMAIN = 279,
    T_TYPE_ID = 278,
    T_TYPE_PASSWORD = 271
};

PropNetddns* ddns()
{
    return g_cfg ? static_cast<PropNetddns*>(g_cfg->getsection(IDX_PROP_NETDDNS, 0)) : nullptr;
}

// The form's control of each field row.
int formCtrl(int row)
{
    switch (row) {
    case TSetupDdns::R_SERVER: return TDdnsForm::Server;
    case TSetupDdns::R_PORT: return TDdnsForm::Port;
    case TSetupDdns::R_DOMAIN: return TDdnsForm::Domain;
    case TSetupDdns::R_ID: return TDdnsForm::Id;
    case TSetupDdns::R_PW: return TDdnsForm::Pw;
    case TSetupDdns::R_DUR: return TDdnsForm::Period;
    case TSetupDdns::R_TEST: return TDdnsForm::Test;
    default: return -1;
    }
}

} // namespace

TSetupDdns::TSetupDdns(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows;
    Row type = TSetupPage::linkedRow(RowCombo, T_TYPE, L_TAB, R_SERVER);
    type.list = IDX_DATA_DDNS_SERVICE; // the record keeps the text: the page writes it
    rows << type;
    // The fields are written by the page itself (the form rules decide).
    rows << TSetupPage::linkedRow(RowEdit, T_SERVER, R_TYPE, R_PORT);
    Row port = TSetupPage::linkedRow(RowEdit, T_PORT, R_SERVER, R_DOMAIN);
    port.lo = 1;
    rows << port;
    rows << TSetupPage::linkedRow(RowEdit, T_DOMAIN, R_PORT, R_ID);
    rows << TSetupPage::linkedRow(RowEdit, T_ID, R_DOMAIN, R_PW);
    rows << TSetupPage::linkedRow(RowEdit, T_PASSWORD, R_ID, R_DUR);
    Row dur = TSetupPage::linkedRow(RowCombo, T_DURATION, R_PW, R_TEST);
    dur.section = IDX_PROP_NETDDNS;
    dur.offset = offsetof(PropNetddns, dur);
    dur.size = 4;
    dur.list = IDX_DATA_DDNS_PERIOD;
    rows << dur;
    rows << TSetupPage::linkedRow(RowButton, T_TEST, R_DUR, R_APPLY);
    rows << TSetupPage::linkedRow(RowApply, -1, R_TEST, L_TAB, R_DEFAULT, L_OK);
    rows << TSetupPage::linkedRow(RowDefault, -1, R_TEST, L_TAB, L_OK, R_APPLY);
    rows << TSetupPage::linkedRow(RowMenu, -1, R_TEST, L_TAB, L_OK, R_DEFAULT);
    Params p;
    p.sections = {IDX_PROP_NETDDNS};
    p.requests = {Act_InfoDdns};
    p.replies = {Act_InfoDdns};
    p.firstRow = R_TYPE;
    p.jogRow = R_TEST;
    p.itemRight = p.itemLeft = R_TYPE;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupDdns::init(int background)
{
    TSetupPage::init(background);
    control(R_MENU)->hide();
    static_cast<TEdit*>(control(R_PW))->setEchoMode(QLineEdit::Password);
    m_status = new QLabel(this);
    m_status->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_status->setIndent(ctlScale(4));
    evtResize();
}

void TSetupDdns::evtResize()
{
    TSetupPage::evtResize();
    if (!m_status || !control(R_TEST))
        return;
    const QRect t = control(R_TEST)->geometry();
    m_status->setGeometry(t.left(), t.bottom() + ctlScale(8), width() * 45 / 100, t.height());
    // Apply and Default at the bottom right, the hidden Menu takes no place.
    const QRect m = control(R_MENU)->geometry();
    const QRect d = control(R_DEFAULT)->geometry();
    control(R_DEFAULT)->move(m.topLeft());
    control(R_APPLY)->move(d.topLeft());
}

void TSetupDdns::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (!m_status)
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    const QRect g = m_status->geometry();
    p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
               ctlText(T_STATUS));
}

int TSetupDdns::position() const
{
    const PropNetddns* d = ddns();
    if (!d || !g_cfg)
        return 0;
    // The list compares a terminated text: the field's own bytes only.
    char type[sizeof d->type + 1] = {};
    std::memcpy(type, d->type, sizeof d->type);
    return g_cfg->getindexfromvalue(IDX_DATA_DDNS_SERVICE, reinterpret_cast<intptr_t>(type));
}

void TSetupDdns::setCtrl()
{
    TSetupPage::setCtrl();
    PropNetddns* d = ddns();
    if (!d)
        return;
    const int pos = position();
    {
        auto* c = static_cast<TCombo*>(control(R_TYPE));
        const QSignalBlocker block(c);
        c->setCurrentIndex(pos);
    }
    const TDdnsForm::View v = TDdnsForm::apply(*d, pos);
    for (int r = R_SERVER; r <= R_TEST; ++r) {
        const int c = formCtrl(r);
        control(r)->setEnabled(v.enabled[c]);
        if (c <= TDdnsForm::Pw)
            static_cast<TEdit*>(control(r))->setText(v.text[c]);
    }
    if (v.clearStatus && m_status)
        m_status->clear();
}

QString TSetupDdns::statusText() const
{
    return m_status ? m_status->text() : QString();
}

void TSetupDdns::showResult(const QString& text)
{
    const PropNetddns* d = ddns();
    if (!m_status)
        return;
    if (d && TDdnsForm::showsStatus(*d, position()))
        m_status->setText(text);
    else
        m_status->clear();
}

void TSetupDdns::onReply(int code, const void* data)
{
    if (code == Act_InfoDdns)
        showResult(*static_cast<const QString*>(data));
}

void TSetupDdns::sl_btnclicked(int id, int state)
{
    if (rowOfId(id) == R_TEST) {
        if (m_status)
            m_status->setText(ctlText(T_WAIT));
        emit sg_action(Act_TestDdns, 0, 0);
        return;
    }
    TSetupPage::sl_btnclicked(id, state);
}

void TSetupDdns::sl_changeIndex(int id, int index)
{
    if (rowOfId(id) != R_TYPE) {
        TSetupPage::sl_changeIndex(id, index);
        return;
    }
    PropNetddns* d = ddns();
    if (index < 0 || !d)
        return;
    const QStringList list = TConfig::getdata(IDX_DATA_DDNS_SERVICE, 0);
    TDdnsForm::choose(*d, index < list.size() ? list[index] : list.value(0));
    setCtrl();
}

void TSetupDdns::sl_edclicked(int id)
{
    const int r = rowOfId(id);
    qCDebug(lcUiSetup, "============ TSetupDdns::sl_edclicked(%d) ===========", r);
    if (r < R_SERVER || r > R_PW)
        return;
    const QString now = static_cast<TEdit*>(control(r))->text();
    if (r == R_PORT) {
        if (!g_vkeynum)
            return;
        m_typing = r;
        g_vkeynum->setTitle(ctlText(T_TYPE_PORT));
        g_vkeynum->setText(now);
        g_vkeynum->setMode(TVKeyNumboard::ModeNumber);
        g_vkeynum->moveCenter(parentWidget() ? parentWidget() : this);
        g_vkeynum->show();
        return;
    }
    if (!g_vkeyboard)
        return;
    m_typing = r;
    static const int title[] = {T_TYPE_SERVER, T_TYPE_PORT, T_TYPE_DOMAIN, T_TYPE_ID, T_TYPE_PASSWORD};
    g_vkeyboard->setTitle(ctlText(title[r - R_SERVER]));
    g_vkeyboard->setMaxLength(r == R_ID || r == R_PW ? int(sizeof PropNetddns::id) - 1
                                                     : int(sizeof PropNetddns::domain) - 1);
    g_vkeyboard->setText(now);
    g_vkeyboard->setPassword(r == R_PW ? 1 : 0);
    g_vkeyboard->moveCenter(this);
    g_vkeyboard->show();
}

void TSetupDdns::sl_reply(int code, QString text)
{
    const int r = m_typing;
    m_typing = -1;
    PropNetddns* d = ddns();
    if (code != VK_OK || r < R_SERVER || r > R_PW || !d)
        return;
    auto* field = static_cast<TEdit*>(control(r));
    switch (r) {
    case R_PORT: {
        const int port = typedPort(text, parentWidget() ? parentWidget() : this);
        if (port < 0)
            return;
        d->serverport = port;
        field->setText(QString::number(port));
        return;
    }
    case R_SERVER:
        // Only the services that register under a server take one.
        if (!TDdnsForm::typeServer(*d, text))
            return;
        field->setText(QString::fromUtf8(d->server, int(qstrnlen(d->server, sizeof d->server))));
        static_cast<TEdit*>(control(R_DOMAIN))
            ->setText(QString::fromUtf8(d->domain, int(qstrnlen(d->domain, sizeof d->domain))));
        return;
    case R_DOMAIN:
        q2Utf8Whole(d->domain, text, int(sizeof d->domain));
        field->setText(QString::fromUtf8(d->domain, int(qstrnlen(d->domain, sizeof d->domain))));
        return;
    case R_ID:
        q2Utf8Whole(d->id, text, int(sizeof d->id));
        field->setText(QString::fromUtf8(d->id, int(qstrnlen(d->id, sizeof d->id))));
        return;
    default:
        q2Utf8Whole(d->pw, text, int(sizeof d->pw));
        field->setText(QString::fromUtf8(d->pw, int(qstrnlen(d->pw, sizeof d->pw))));
        return;
    }
}
