// The answer side of the search window: the month's marked days and the day
// chosen from them, the overlapped-day question, the day map handed to the
// timeline, the event and POS list with its paging and POS detail, the
// import of a backup file from external media, and the options dialog.
#include "tsearchwnd.h"
#include "appglobals.h"
#include "ctlres.h"
#include "searchreq.h"
#include "tcalendar.h"
#include "tcalendarpop.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tfilewnd.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tmsgwnd.h"
#include "tposview.h"
#include "tsearchopt.h"
#include "uisearchlog.h"

#include <QTimer>
#include <cstring>

namespace {

enum { T_SEARCH = 10, T_IMPORT = 34, T_NO_DATA = 246, T_OVERLAP = 375, T_LOAD_LATEST = 376 };
enum { LoadOne = 1000, LoadNone = 500, AskOverlap = 700, LoadAfterOk = 500, PageReload = 100, AboutUsb = 500 };
enum { OptWndId = 20, OptSize = 125, ScreenSize = 16 };

// The name as the medium's file system holds it: printable ASCII only, so
// the path handed on names that file and no other.
bool plainAscii(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// A text-in string of a page, within its field even without a terminator.
QString itemText(const DayEvents* ev, int i)
{
    const char* t = ev->text[i];
    return QString::fromUtf8(t, int(qstrnlen(t, DayEvents::TEXT_SIZE)));
}

int itemCount(const DayEvents* ev)
{
    return qBound(0, int(ev->numItems), int(DayEvents::MAX_ITEMS));
}

} // namespace

// ======== Options dialog ========

void TSearchWnd::createOpt()
{
    if (m_opt)
        return;
    // A window of its own over the output, deleted with this one.
    m_opt = new TSearchOpt(this, OptWndId, ctlSize(OptSize, QSize(380, 300)));
    m_opt->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    m_opt->setWindowModality(Qt::ApplicationModal);
    m_opt->init(0);
    const QSize screen = ctlSize(ScreenSize, QSize(1920, 1080));
    m_opt->move((screen.width() - m_opt->width()) / 2, (screen.height() - m_opt->height()) / 2);
    m_opt->hide();
}

QWidget* TSearchWnd::optDialog() const
{
    return m_opt;
}

void TSearchWnd::showOpt()
{
    if (!m_opt)
        return;
    m_opt->moveCenter(this);
    m_opt->show();
}

void TSearchWnd::connectReplies()
{
    const auto unique = Qt::UniqueConnection;
    connect(m_list, &TListView::sg_notify, this, &TSearchWnd::sl_fromlist, unique);
    if (g_fileWnd)
        connect(g_fileWnd, &TFileWnd::sg_reply, this, &TSearchWnd::sl_fromFile, unique);
    if (m_opt) {
        // Heard for every use of the dialog while the window is shown, so
        // a second opening is committed or put back like the first.
        connect(m_opt, &TSearchOpt::sg_request, this, &TSearchWnd::sl_fromOpt, unique);
        connect(m_opt, &TSearchOpt::sg_showed, this, &TSearchWnd::sl_showed, unique);
    }
}

void TSearchWnd::disconnectReplies()
{
    disconnect(m_list, &TListView::sg_notify, this, &TSearchWnd::sl_fromlist);
    if (g_fileWnd)
        disconnect(g_fileWnd, &TFileWnd::sg_reply, this, &TSearchWnd::sl_fromFile);
    if (m_opt) {
        disconnect(m_opt, &TSearchOpt::sg_request, this, &TSearchWnd::sl_fromOpt);
        disconnect(m_opt, &TSearchOpt::sg_showed, this, &TSearchWnd::sl_showed);
    }
    if (g_msgWnd)
        disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSearchWnd::sl_fromMsg);
}

void TSearchWnd::sl_fromOpt(int code)
{
    qCDebug(lcUiSearch, "TSearchWnd::sl_fromOpt.. code:%d", code);
    if (!g_cfg)
        return;
    if (code == TSearchOpt::ANS_OK) {
        g_cfg->apply(IDX_PROP_SEARCHOPT, nullptr, nullptr, 1);
        g_cfg->save(IDX_PROP_SEARCHOPT);
        g_cfg->commitfile();
        request(Act_SearchOpt, 0);
    } else {
        g_cfg->revert(IDX_PROP_SEARCHOPT, nullptr, nullptr);
    }
}

// ======== Answers ========

void TSearchWnd::sl_reply(int code, void* data)
{
    qCDebug(lcUiSearch, "TSearchWnd::sl_reply.. type:%d Act_LoadDataTime:%d", code, int(Act_LoadDataTime));
    switch (code) {
    case Act_ReplyLoadDb:
        replyLoadDb(static_cast<const MonthInfo*>(data));
        break;
    case Act_ReplyLoadData:
        replyLoadData(data);
        break;
    case Act_ReplyLoadMonth:
        replyLoadMonth(static_cast<const MonthInfo*>(data));
        return;
    case Act_SearchUsb:
        QTimer::singleShot(AboutUsb, this, &TSearchWnd::sl_aboutUsb);
        return;
    case Act_SearchMount:
        openImport();
        return;
    default:
        return;
    }
    // The day's keys belong to the window again, not to the entry list.
    if (m_calendar->pop())
        m_calendar->pop()->clearFocus();
}

void TSearchWnd::noData()
{
    request(Act_SearchClose, 0);
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MSG_OK);
    g_msgWnd->setTitle(ctlText(T_SEARCH));
    g_msgWnd->setText(ctlText(T_NO_DATA));
    g_msgWnd->popupOver(this);
}

void TSearchWnd::replyLoadDb(const MonthInfo* month)
{
    qCDebug(lcUiSearch, "Act_ReplyLoadDb.. param:%p", static_cast<const void*>(month));
    const bool tried = m_trying;
    m_trying = 0;
    if (!month) {
        m_calendar->clearMarks();
        m_calendar->refresh();
        noData();
        if (tried) {
            // The file did not open, and the database before it was closed
            // for it: that one is opened again.
            std::memcpy(m_szdb, m_szdbBefore, sizeof m_szdb);
            dbload(1, 0);
        }
        return;
    }
    m_calendar->setMonth(month->year, month->month);
    int chosen = 0;
    int count = 0;
    for (int n = 0; n < 32; ++n) {
        const int c = month->count[n];
        if (c != 0)
            m_calendar->setMark(n, c);
        if (m_pendDay) {
            if (n == m_pendDate.day()) {
                chosen = n;
                count = c;
            }
        } else if (c != 0) {
            // The last recorded day of the month wins.
            chosen = n;
            count = c;
        }
    }
    m_calendar->refresh();
    m_pendDay = 0;
    m_timeline->clearData();
    m_timeline->refresh();
    if (chosen == 0) {
        request(Act_SearchClose, 0);
        return;
    }
    m_day = chosen;
    m_dayIdx = -1;
    if (count == 1) {
        m_calendar->setDay(chosen);
        m_calendar->selectDay(chosen);
        m_calendar->refresh();
        loadDayLater(LoadOne);
    } else if (count <= 0) {
        loadDayLater(LoadNone);
    } else {
        QTimer::singleShot(AskOverlap, this, &TSearchWnd::sl_timeoutOverlap);
    }
}

void TSearchWnd::sl_timeoutOverlap()
{
    if (!g_msgWnd || !isVisible())
        return;
    connect(g_msgWnd, &TMsgWnd::sg_request, this, &TSearchWnd::sl_fromMsg, Qt::UniqueConnection);
    g_msgWnd->setType(MSG_OKCANCEL);
    g_msgWnd->setTitle(ctlText(T_SEARCH));
    g_msgWnd->setMessage({ctlText(T_OVERLAP), ctlText(T_LOAD_LATEST) + QLatin1Char('?')});
    g_msgWnd->popupOver(this);
}

void TSearchWnd::sl_fromMsg(int btn)
{
    disconnect(g_msgWnd, &TMsgWnd::sg_request, this, &TSearchWnd::sl_fromMsg);
    if (btn == MSGBTN_OK)
        loadDayLater(LoadAfterOk);
    else
        request(Act_SearchClose, 0);
}

void TSearchWnd::replyLoadData(void* data)
{
    qCDebug(lcUiSearch, "Act_ReplyLoadData.. param:%p", data);
    if (!data) {
        noData();
        return;
    }
    m_dayData = data;
    m_events = nullptr;
    if (m_mode != MODE_EVENT && m_mode != MODE_POS) {
        fillTimeline(static_cast<const ReiDay*>(data));
        return;
    }
    const auto* ev = static_cast<const DayEvents*>(data);
    m_events = ev;
    qCDebug(lcUiSearch, "Act_ReplyDay.. Event.. page:%d cntpage:%d", ev->page, ev->numPages);
    m_page = ev->page;
    m_list->renewalSliderPuck(ev->numPages);
    m_list->clear();
    const int perPage = m_list->maxLine();
    const int n = itemCount(ev);
    for (int i = 0; i < n; ++i) {
        const Db6Item& it = ev->item[i];
        const int d = qMax(1, int(it.duration));
        const int sec = it.second2 >> 1;
        QString line = QString::asprintf("%04d %02d:%02d:%02d (%02d:%02d) ", perPage * ev->page + 1 + i, it.hour,
                                         it.minute, sec, d / 60, d % 60)
                       + TDVRAPI::eventText(&it, &g_api.m_avc);
        if (m_mode == MODE_POS)
            line += QStringLiteral("     ") + itemText(ev, i).replace(QLatin1Char('\n'), QLatin1Char('\t'));
        m_list->addItem(line);
        m_list->setLineData(i, it.hour * 3600 + it.minute * 60 + sec);
    }
    // Adding lines counts the pages the list holds itself (one): the
    // day's page count is given again after them.
    m_list->renewalSliderPuck(ev->numPages);
    m_list->refresh();
    m_list->setPage(ev->page);
    request(Act_SearchClose, 0);
}

void TSearchWnd::replyLoadMonth(const MonthInfo* month)
{
    qCDebug(lcUiSearch, "Act_ReplyLoadMonth.. param:%p", static_cast<const void*>(month));
    if (!month) {
        noData();
        return;
    }
    m_calendar->setMonth(month->year, month->month);
    for (int n = 0; n < 32; ++n)
        if (month->count[n] != 0)
            m_calendar->setMark(n, month->count[n]);
    m_calendar->refresh();
}

// ======== Paging and the POS detail ========

void TSearchWnd::sl_fromlist(int cmd, int val)
{
    // Only a list page answered last can be paged or read.
    if (!m_dayData || m_dayData != m_events || cmd < 0 || cmd >= 6)
        return;
    const DayEvents* ev = m_events;
    switch (cmd) {
    case 0: m_page = 0; break;
    case 1: m_page = m_page - 1 < 0 ? ev->numPages - 1 : m_page - 1; break;
    case 2: m_page = m_page + 1 >= ev->numPages ? 0 : m_page + 1; break;
    case 3: m_page = -1; break;
    case 4: m_page = val; break;
    default: {
        m_posView->clear();
        if (val < 0 || val >= itemCount(ev))
            return;
        const QStringList parts = itemText(ev, val).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_posView->m_lines = parts;
        m_posView->setLines(parts.size() - 1);
        m_posView->refresh();
        return;
    }
    }
    m_chkday = 0;
    loadDayLater(PageReload);
}

// ======== Import of a backup file ========

void TSearchWnd::sl_aboutUsb()
{
    request(Act_SearchMount, 0);
}

void TSearchWnd::openImport()
{
    if (!g_fileWnd)
        return;
    g_fileWnd->setTitle(ctlText(T_IMPORT));
    g_fileWnd->setPath(QStringLiteral("/backup"), QStringLiteral("*.exe"));
    g_fileWnd->moveCenter(this);
    g_fileWnd->show();
}

void TSearchWnd::sl_fromFile(QString name)
{
    if (name.isEmpty())
        return;
    const QByteArray path = "/backup/" + name.toLatin1();
    // A name cut to the field or changed by the conversion would open
    // another file: such a name opens nothing.
    if (!plainAscii(name) || path.size() >= int(sizeof m_szdb)) {
        qCWarning(lcUiSearch, "TSearchWnd::sl_fromFile.. refused:%s", qUtf8Printable(name));
        noData();
        return;
    }
    // Kept until the file has opened: one the device refuses leaves the
    // window on the database in use before it.
    std::memcpy(m_szdbBefore, m_szdb, sizeof m_szdb);
    m_trying = 1;
    qstrncpy(m_szdb, path.constData(), sizeof m_szdb);
    dbload(1, 0);
}
