#include "tsetupdt.h"
#include "tclock.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdate.h"
#include "tedit.h"
#include "tproperty.h"
#include "ttime.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QPainter>
#include <QSignalBlocker>

#include <cstddef>
#include <cstring>

using namespace SetupAct;

namespace {

enum { TxtTime = 29, TxtDate = 119, TxtZone = 170, TxtDst = 171, TxtSync = 172, TxtTypeServer = 280,
       TxtServer = 326, TxtCheck = 327, TxtApply = 93 };

PropDatetime* record()
{
    return g_cfg ? static_cast<PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 0)) : nullptr;
}

const PropTimezone* zones()
{
    return g_cfg ? static_cast<const PropTimezone*>(g_cfg->getsection(IDX_PROP_TIMEZONE, 0)) : nullptr;
}

// Whether the zone at a list position keeps daylight saving.
bool zoneHasDst(int pos)
{
    const PropTimezone* z = zones();
    return z && pos >= 0 && pos < qMin(int(z->cnt), int(PROP_MAX_TIMEZONES)) && z->zone[pos].dst != 0;
}

// The page's rows: one column from the zone down to "Sync", then "Apply"
// and "Default" at the bottom (the page keeps no Menu button).
QVector<TSetupPage::Row> rows()
{
    using P = TSetupPage;
    QVector<P::Row> r(TSetupDt::RowDefaultBtn + 1);
    for (int i = 0; i <= TSetupDt::RowSync; ++i) {
        r[i].right = P::L_ITEM;
        r[i].left = P::L_ITEM;
        r[i].up = i == 0 ? P::L_TAB : i - 1;
        r[i].down = i + 1;
    }
    r[TSetupDt::RowZone].kind = P::RowCombo;
    r[TSetupDt::RowZone].text = TxtZone;
    r[TSetupDt::RowZone].list = IDX_DATA_TIMEZONE;
    r[TSetupDt::RowDst].kind = P::RowCheck;
    r[TSetupDt::RowDst].text = TxtDst;
    r[TSetupDt::RowDst].section = IDX_PROP_DATETIME;
    r[TSetupDt::RowDst].offset = offsetof(PropDatetime, dst);
    r[TSetupDt::RowDst].size = 4;
    r[TSetupDt::RowDate].text = TxtDate;
    r[TSetupDt::RowTime].text = TxtTime;
    r[TSetupDt::RowServer].kind = P::RowEdit;
    r[TSetupDt::RowServer].text = TxtServer;
    r[TSetupDt::RowServer].section = IDX_PROP_DATETIME;
    r[TSetupDt::RowServer].offset = offsetof(PropDatetime, server);
    r[TSetupDt::RowServer].size = sizeof(PropDatetime::server);
    r[TSetupDt::RowCheck_].kind = P::RowCombo;
    r[TSetupDt::RowCheck_].text = TxtCheck;
    r[TSetupDt::RowCheck_].section = IDX_PROP_DATETIME;
    r[TSetupDt::RowCheck_].offset = offsetof(PropDatetime, check);
    r[TSetupDt::RowCheck_].size = 4;
    r[TSetupDt::RowCheck_].list = IDX_DATA_NTP_PERIOD;
    r[TSetupDt::RowSync].kind = P::RowButton;
    r[TSetupDt::RowSync].text = TxtSync;
    r[TSetupDt::RowSync].down = TSetupDt::RowApplyBtn;
    P::Row& apply = r[TSetupDt::RowApplyBtn];
    apply.kind = P::RowButton; // Apply carries the offset
    apply.text = TxtApply;
    apply.left = P::L_OK;
    apply.right = TSetupDt::RowDefaultBtn;
    apply.up = TSetupDt::RowSync;
    apply.down = P::L_TAB;
    P::Row& def = r[TSetupDt::RowDefaultBtn];
    def.kind = P::RowDefault;
    def.left = TSetupDt::RowApplyBtn;
    def.right = P::L_OK;
    def.up = TSetupDt::RowSync;
    def.down = P::L_TAB;
    return r;
}

} // namespace

TSetupDt::TSetupDt(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Params p;
    p.sections = {IDX_PROP_DATETIME};
    p.firstRow = RowZone;
    p.itemRight = RowZone;
    p.itemLeft = RowZone;
    p.okRight = RowApplyBtn;
    p.okLeft = RowDefaultBtn;
    p.cancelRight = RowApplyBtn;
    p.cancelLeft = RowDefaultBtn;
    setRows(rows(), p);
}

void TSetupDt::init(int background)
{
    TSetupPage::init(background);
    // The two editor rows hold the program's date and time editors in
    // place of the base's plain buttons.
    const int at[2] = {RowDate, RowTime};
    for (int row : at) {
        delete m_ctrl[row];
        if (row == RowDate)
            m_ctrl[row] = m_date = new TDate(this);
        else
            m_ctrl[row] = m_time = new TTime(this);
    }
    m_base = TClock::now();
    evtResize();
}

void TSetupDt::evtResize()
{
    TSetupPage::evtResize();
    if (!m_date || !m_time)
        return;
    // "Apply" stands left of "Default" in the bottom row.
    const QRect d = m_ctrl[RowDefaultBtn]->geometry();
    m_ctrl[RowApplyBtn]->setGeometry(d.translated(-(d.width() + ctlScale(6)), 0));
    for (int row : {RowDate, RowTime}) {
        const QRect g = m_ctrl[row]->geometry();
        m_ctrl[row]->setGeometry(g.left(), g.top(), width() * 30 / 100, g.height());
    }
}

void TSetupDt::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    if (!m_date || !m_time)
        return;
    QPainter p(this);
    p.setPen(ctlColor(3));
    for (int row : {RowDate, RowTime}) {
        const QRect g = m_ctrl[row]->geometry();
        p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   ctlText(m_rows[row].text));
    }
}

void TSetupDt::connectTo()
{
    TSetupPage::connectTo();
    auto* zone = static_cast<TCombo*>(m_ctrl[RowZone]);
    connect(zone, &TCombo::sg_changeIndex, this, &TSetupDt::zoneChosen);
    // The server field opens the keyboard with its own title.
    auto* server = static_cast<TEdit*>(m_ctrl[RowServer]);
    disconnect(server, &TEdit::sg_clicked, this, &TSetupPage::sl_edclicked);
    connect(server, &TEdit::sg_clicked, this, [this] { openServer(); });
    connectEditors(true);
}

void TSetupDt::disconnectFrom()
{
    connectEditors(false);
    TSetupPage::disconnectFrom();
}

void TSetupDt::connectEditors(bool on)
{
    if (!m_date || !m_time)
        return;
    if (on) {
        connect(m_date, &QDateEdit::dateChanged, this, &TSetupDt::sl_dateChanged, Qt::UniqueConnection);
        connect(m_time, &QTimeEdit::timeChanged, this, &TSetupDt::sl_timeChanged, Qt::UniqueConnection);
    } else {
        disconnect(m_date, &QDateEdit::dateChanged, this, &TSetupDt::sl_dateChanged);
        disconnect(m_time, &QTimeEdit::timeChanged, this, &TSetupDt::sl_timeChanged);
    }
}

void TSetupDt::setCtrl()
{
    PropDatetime* dt = record();
    m_timeDelta = 0;
    m_dateDelta = 0;
    if (dt)
        dt->diff = 0;
    TSetupPage::setCtrl();
    const auto* form = g_cfg ? static_cast<const PropDtform*>(g_cfg->getsection(IDX_PROP_DTFORM, 0)) : nullptr;
    if (m_date && m_time) {
        const int df = form ? form->date : 0;
        m_date->setDisplayFormat(df == 1 ? "MM/dd/yyyy" : df == 2 ? "dd/MM/yyyy" : "yyyy/MM/dd");
        m_time->setDisplayFormat(form && form->time == 1 ? "A hh:mm:ss" : "HH:mm:ss");
    }
    m_base = TClock::now();
    showClock();
    // The zone by its name; a name not in the list is the first zone.
    auto* zone = static_cast<TCombo*>(m_ctrl[RowZone]);
    int pos = 0;
    if (dt) {
        const QString name = QString::fromUtf8(dt->tz, int(qstrnlen(dt->tz, sizeof dt->tz)));
        pos = qMax(0, TConfig::getdata(IDX_DATA_TIMEZONE, 0).indexOf(name));
    }
    {
        // The zone table comes from the device once it has started, which
        // may be after the page was built: fill the list while it is empty.
        const QSignalBlocker block(zone);
        if (zone->count() == 0)
            zone->addItems(TConfig::getdata(IDX_DATA_TIMEZONE, 0));
        zone->setCurrentIndex(pos);
    }
    auto* dst = static_cast<TButton*>(m_ctrl[RowDst]);
    const QSignalBlocker block(dst);
    dst->setEnabled(zoneHasDst(pos));
    dst->setChecked(zoneHasDst(pos) && dt && dt->dst != 0);
}

void TSetupDt::zoneChosen(int, int index)
{
    PropDatetime* dt = record();
    const PropTimezone* z = zones();
    if (!dt || !z || index < 0 || index >= qMin(int(z->cnt), int(PROP_MAX_TIMEZONES)))
        return;
    char name[sizeof z->zone[0].local + 1];
    std::memcpy(name, z->zone[index].local, sizeof z->zone[0].local);
    name[sizeof z->zone[0].local] = '\0';
    std::memset(dt->tz, 0, sizeof dt->tz);
    qstrncpy(dt->tz, name, sizeof dt->tz);
    // The box follows the zone; the stored choice stays.
    m_ctrl[RowDst]->setEnabled(z->zone[index].dst != 0);
}

void TSetupDt::showClock()
{
    if (!m_date || !m_time)
        return;
    const QDateTime shown = m_base.addSecs(m_timeDelta + m_dateDelta);
    const QSignalBlocker bd(m_date);
    const QSignalBlocker bt(m_time);
    m_date->setDate(shown.date());
    m_time->setTime(shown.time());
}

void TSetupDt::toDt(int reset, const QString& now)
{
    QDateTime base;
    if (!now.isEmpty())
        base = QDateTime::fromString(now, "yyyy/MM/dd HH:mm:ss");
    m_base = base.isValid() ? base : TClock::now();
    if (reset) {
        m_timeDelta = 0;
        m_dateDelta = 0;
        if (PropDatetime* dt = record())
            dt->diff = 0;
    }
    showClock();
}

void TSetupDt::setDiff()
{
    if (PropDatetime* dt = record())
        dt->diff = m_timeDelta + m_dateDelta;
}

void TSetupDt::sl_dateChanged(const QDate& d)
{
    qCDebug(lcUiSetup, "TSetupDt::sl_dateChanged.. year:%d month:%d day:%d", d.year(), d.month(), d.day());
    m_dateDelta = int(m_base.secsTo(QDateTime(d, m_base.time())));
    setDiff();
}

void TSetupDt::sl_timeChanged(const QTime& t)
{
    qCDebug(lcUiSetup, "TSetupDt::sl_timeChanged.. hour:%d min:%d sec:%d", t.hour(), t.minute(), t.second());
    m_timeDelta = int(m_base.secsTo(QDateTime(m_base.date(), t)));
    setDiff();
}

void TSetupDt::buttonClicked(int row)
{
    switch (row) {
    case RowSync: emit sg_action(Act_TestNtp, 0, 0); break;
    case RowApplyBtn: {
        const int offset = m_timeDelta + m_dateDelta;
        // The offset now lives in diff; the editors start again from the
        // clock as the apply moves it.
        m_timeDelta = 0;
        m_dateDelta = 0;
        emit sg_action(id(), offset, 0);
        break;
    }
    default: break;
    }
}

void TSetupDt::openServer()
{
    sl_edclicked(m_idBase + RowServer);
    if (g_vkeyboard && m_typing == RowServer)
        g_vkeyboard->setTitle(ctlText(TxtTypeServer));
}

int TSetupDt::keyTaken(int key)
{
    // An editor in its editing state keeps the arrows.
    if (m_date && m_date->hasFocus() && m_date->isLock(key))
        return 1;
    if (m_time && m_time->hasFocus() && m_time->isLock(key))
        return 1;
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_ctrl[RowServer]->hasFocus()) {
        openServer();
        return 1;
    }
    return 0;
}
