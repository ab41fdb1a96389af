#include "tsetupstatus.h"
#include "ctlres.h"
#include "netrecords.h"
#include "setupaction.h"
#include "tcombo.h"
#include "uisetuplog.h"

#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>

using namespace SetupAct;

namespace {

// Labels of the MAC text and the three counts, top to bottom with the list
// second.
const int kLabelText[] = {168, 342, 343, 344};

} // namespace

TSetupStatus::TSetupStatus(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Row clients;
    clients.kind = RowCombo;
    clients.text = 161;
    clients.up = L_TAB;
    clients.down = R_REFRESH;
    clients.right = clients.left = L_ITEM;
    Row refresh;
    refresh.kind = RowButton;
    refresh.text = 32;
    refresh.up = R_CLIENTS;
    refresh.down = L_TAB;
    refresh.right = refresh.left = L_OK;
    Row menu = refresh;
    menu.kind = RowMenu;
    menu.text = -1;
    Params p;
    p.requests = {SetupAct::Act_InfoNetClient};
    p.replies = {SetupAct::Act_InfoNetClient};
    p.firstRow = R_CLIENTS;
    p.itemRight = p.itemLeft = R_CLIENTS;
    p.okRight = p.okLeft = p.cancelRight = p.cancelLeft = R_REFRESH;
    p.jogRow = R_REFRESH;
    setRows({clients, refresh, menu}, p);
}

void TSetupStatus::init(int background)
{
    for (QLabel*& l : m_label) {
        l = new QLabel(this);
        l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        l->setIndent(ctlScale(4));
    }
    TSetupPage::init(background);
    control(R_MENU)->hide();
}

void TSetupStatus::evtResize()
{
    TSetupPage::evtResize();
    if (!m_label[MAC] || !control(R_CLIENTS))
        return;
    // MAC on top, the list under it, then the three counts; "Refresh" at
    // the bottom right.
    const QRect list = control(R_CLIENTS)->geometry();
    const int pitch = ctlScale(30);
    m_label[MAC]->setGeometry(list);
    control(R_CLIENTS)->setGeometry(list.translated(0, pitch));
    for (int k = WATCH; k <= SETUP; ++k)
        m_label[k]->setGeometry(list.translated(0, pitch * (k + 1)));
    control(R_REFRESH)->move(control(R_MENU)->pos());
}

void TSetupStatus::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(ctlColor(3));
    for (int k = 0; k < LABELS; ++k) {
        const QRect g = m_label[k]->geometry();
        p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   ctlText(kLabelText[k]));
    }
}

void TSetupStatus::evtLanguage()
{
    // The list holds the last answer's clients, not an option list.
    auto* list = static_cast<TCombo*>(control(R_CLIENTS));
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i)
        items << list->itemText(i);
    TSetupPage::evtLanguage();
    if (list) {
        const QSignalBlocker block(list);
        list->addItems(items);
    }
}

void TSetupStatus::setStatus(const NetClientInfo* info)
{
    if (!info || !m_label[MAC])
        return;
    m_label[MAC]->setText(QString::fromUtf8(info->mac, int(qstrnlen(info->mac, sizeof info->mac))));
    m_label[WATCH]->setText(QString::number(info->watch));
    m_label[SEARCH]->setText(QString::number(info->search));
    m_label[SETUP]->setText(QString::number(info->setup));
    auto* list = static_cast<TCombo*>(control(R_CLIENTS));
    const QSignalBlocker block(list);
    list->clear();
    // The count is the device's: never more texts than the record holds.
    const int n = qBound(0, int(info->count), int(NetClientInfo::MAX_CLIENTS));
    for (int i = 0; i < n; ++i)
        list->addItem(QString::fromUtf8(info->client[i], int(qstrnlen(info->client[i], sizeof info->client[i]))));
}

QStringList TSetupStatus::texts() const
{
    QStringList out;
    for (const QLabel* l : m_label)
        out << (l ? l->text() : QString());
    return out;
}

void TSetupStatus::onReply(int code, const void* data)
{
    if (code == SetupAct::Act_InfoNetClient)
        setStatus(static_cast<const NetClientInfo*>(data));
}

void TSetupStatus::sl_btnclicked(int id, int state)
{
    if (rowOfId(id) == R_REFRESH) {
        emit sg_action(SetupAct::Act_InfoNetClient, 0, 0);
        return;
    }
    TSetupPage::sl_btnclicked(id, state);
}

void TSetupStatus::sl_changeIndex(int, int)
{
    // Choosing a client does nothing.
}
