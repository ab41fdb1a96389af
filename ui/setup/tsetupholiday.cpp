#include "tsetupholiday.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tclock.h"
#include "tconfig.h"
#include "tlistview.h"
#include "tproperty.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <cstring>

namespace {

enum { T_ADD = 134, T_DELETE = 107, T_DELETE_ALL = 135 };

PropHoliday* holidays()
{
    return g_cfg ? static_cast<PropHoliday*>(g_cfg->getsection(IDX_PROP_HOLIDAY, 0)) : nullptr;
}

} // namespace

TSetupHoliday::TSetupHoliday(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    QVector<Row> rows(R_COUNT);
    // The calendar's and the list's rows: their controls replace the
    // base's buttons.
    rows[R_CALENDAR].right = R_LIST;
    rows[R_CALENDAR].left = L_ITEM;
    rows[R_CALENDAR].down = R_ADD;
    rows[R_CALENDAR].up = L_TAB;
    rows[R_LIST].right = L_ITEM;
    rows[R_LIST].left = R_CALENDAR;
    rows[R_LIST].down = R_DELETEALL;
    rows[R_LIST].up = L_TAB;
    const int texts[3] = {T_ADD, T_DELETE, T_DELETE_ALL};
    for (int r = R_ADD; r <= R_DELETEALL; ++r) {
        rows[r].text = texts[r - R_ADD];
        rows[r].right = r == R_DELETEALL ? int(R_LIST) : r + 1;
        rows[r].left = r == R_ADD ? int(L_ITEM) : r - 1;
        rows[r].down = R_APPLY;
        rows[r].up = r == R_DELETEALL ? int(R_LIST) : int(R_CALENDAR);
    }
    applyDefaultMenu(rows, R_APPLY, R_DEFAULT, R_MENU, R_ADD);
    Params p;
    p.sections = {IDX_PROP_HOLIDAY};
    p.firstRow = R_CALENDAR;
    p.itemRight = R_CALENDAR;
    p.itemLeft = R_LIST;
    p.okRight = p.cancelRight = R_APPLY;
    p.okLeft = p.cancelLeft = R_DEFAULT;
    setRows(rows, p);
}

void TSetupHoliday::init(int background)
{
    TSetupPage::init(background);
    delete m_ctrl[R_CALENDAR];
    m_calendar = new TCalendar(this, 0, QSize(ctlScale(300), ctlScale(260)));
    m_calendar->init();
    m_ctrl[R_CALENDAR] = m_calendar;
    delete m_ctrl[R_LIST];
    m_list = new TListView(this, 0, QSize(ctlScale(200), ctlScale(260)), 1, 0);
    m_list->init();
    m_ctrl[R_LIST] = m_list;
    // "Add", "Delete" and "Delete All": plain white captions, no icon.
    for (int r = R_ADD; r <= R_DELETEALL; ++r) {
        delete m_ctrl[r];
        m_ctrl[r] = new TButton(this, nullptr, ctlText(m_rows[r].text), m_idBase + r, QColor(255, 255, 255), -1);
    }
    evtResize();
}

void TSetupHoliday::evtResize()
{
    TSetupPage::evtResize();
    if (!m_calendar || !m_list)
        return;
    control(R_MENU)->hide();
    const int m = ctlScale(16);
    const int calW = ctlScale(300);
    const int h = ctlScale(260);
    m_calendar->setGeometry(m, m, calW, h);
    m_list->setGeometry(m + calW + ctlScale(24), m, qMax(1, width() - 2 * m - calW - ctlScale(24)), h);
    m_list->relayout();
    const QSize bs = control(R_APPLY)->size();
    for (int r = R_ADD; r <= R_DELETEALL; ++r)
        control(r)->setGeometry(m + (r - R_ADD) * (bs.width() + ctlScale(8)), m + h + ctlScale(12), bs.width(),
                                bs.height());
    // "Apply", "Default" and the hidden "Menu" at the bottom right.
    int x = width() - m - 3 * bs.width() - 2 * ctlScale(6);
    for (int r : {R_APPLY, R_DEFAULT, R_MENU}) {
        control(r)->move(x, height() - m - bs.height());
        x += bs.width() + ctlScale(6);
    }
}

void TSetupHoliday::connectTo()
{
    TSetupPage::connectTo();
    connect(m_calendar, &TCalendar::sg_changeMonth, this, &TSetupHoliday::sl_changeMonth, Qt::UniqueConnection);
    connect(m_calendar, &TCalendar::sg_dblclicked, this, &TSetupHoliday::sl_dblclicked, Qt::UniqueConnection);
}

void TSetupHoliday::disconnectFrom()
{
    TSetupPage::disconnectFrom();
    disconnect(m_calendar, nullptr, this, nullptr);
}

// ---- The section ------------------------------------------------------------

QString TSetupHoliday::lineOf(int month, int day)
{
    return QString::asprintf("%02d - %02d", month, day);
}

unsigned char* TSetupHoliday::dayByte(int month, int day) const
{
    PropHoliday* h = holidays();
    if (!h || month < 1 || month > 12 || day < 1 || day > 31)
        return nullptr;
    return &h->data[month - 1][day];
}

void TSetupHoliday::markMonth()
{
    const int month = m_calendar->date().month();
    m_calendar->clearMarks();
    for (int d = 1; d <= 31; ++d) {
        const unsigned char* b = dayByte(month, d);
        if (b && *b)
            m_calendar->setMark(d, 1);
    }
}

void TSetupHoliday::setCtrl()
{
    TSetupPage::setCtrl();
    if (!m_calendar || !m_list)
        return;
    // This month of the recorder's clock, with its holidays.
    const QDate today = TClock::now().date();
    m_calendar->setMonth(today.year(), today.month());
    markMonth();
    // Every holiday in calendar order.
    m_list->clear();
    for (int mo = 1; mo <= 12; ++mo) {
        for (int d = 1; d <= 31; ++d) {
            const unsigned char* b = dayByte(mo, d);
            if (b && *b)
                m_list->findItem(lineOf(mo, d));
        }
    }
    m_calendar->refresh();
    m_list->refresh();
    update();
}

void TSetupHoliday::sl_changeMonth(QDate)
{
    // The marks come from the section on every page of the calendar.
    markMonth();
    m_calendar->refresh();
}

void TSetupHoliday::sl_dblclicked(QDate)
{
    const QDate d = m_calendar->date();
    unsigned char* b = dayByte(d.month(), d.day());
    if (!b)
        return;
    // A double click adds a day that was not listed and removes one that was.
    m_calendar->setMark(d.day(), 1);
    *b = 1;
    if (m_list->addItem(lineOf(d.month(), d.day()))) {
        m_calendar->clearMark(d.day());
        *b = 0;
    }
    m_calendar->refresh();
    m_list->refresh();
}

void TSetupHoliday::buttonClicked(int row)
{
    const QDate d = m_calendar->date();
    switch (row) {
    case R_ADD:
        if (unsigned char* b = dayByte(d.month(), d.day())) {
            m_calendar->setMark(d.day(), 1);
            m_list->findItem(lineOf(d.month(), d.day()));
            *b = 1;
        }
        break;
    case R_DELETE:
        if (unsigned char* b = dayByte(d.month(), d.day())) {
            m_calendar->clearMark(d.day());
            m_list->removeItem(lineOf(d.month(), d.day()));
            *b = 0;
        }
        break;
    case R_DELETEALL:
        m_calendar->clearMarks();
        m_list->clear();
        if (PropHoliday* h = holidays())
            std::memset(h->data, 0, sizeof h->data);
        break;
    default: return;
    }
    m_calendar->refresh();
    m_list->refresh();
}

// ---- Keys and focus ---------------------------------------------------------

int TSetupHoliday::keyTaken(int key)
{
    if (m_calendar->keyEvent(key) || m_list->keyEvent(key))
        return 1;
    // Enter on the calendar or the list is theirs, not a Space.
    if (key == Qt::Key_Enter || key == Qt::Key_Return) {
        for (QWidget* w : {static_cast<QWidget*>(m_calendar), static_cast<QWidget*>(m_list)}) {
            if (w->hasFocus()) {
                QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
                QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
                return 1;
            }
        }
    }
    return 0;
}

void TSetupHoliday::keyMatch()
{
    TSetupPage::keyMatch();
    // "Menu" is kept hidden on this page.
    for (int i = 0; i < m_focus.size(); ++i) {
        if (m_focus[i].widget == control(R_MENU)) {
            m_focus.remove(i);
            break;
        }
    }
}
