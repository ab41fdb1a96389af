// The search window's requests: the recording database opened, a day or an
// event page loaded, the months stepped, playback at a second of the day and
// its speeds, the playback layouts and pages, the wait box, the external
// medium for an imported backup file, the backup window and the search
// options. Answers go back to the window before the request returns.
#include "tmain.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "searchreq.h"
#include "tmsgwnd.h"
#include "tsearchwnd.h"
#include "tsplitth.h"
#include "tstring.h"

#include <QLoggingCategory>
#include <QTimer>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    T_SEARCH = 10, T_PLEASE_WAIT = 198, T_WARNING = 213, T_USB_DETECTED = 302, T_USB_MOUNT = 303,
    T_NO_PERMISSION = 307, T_DEVICE_USING = 355
};
enum { HideLater = 3000, ExitGuard = 1500, PageWait = 100, RightBackup = 2 };

// Replies of the main window to the search window.
enum { Reply_LoadDb = 66, Reply_LoadData = 67, Reply_LoadMonth = 68, Reply_Usb = 71, Reply_Mount = 72 };

const double MaxRate = 64.0;
const double KeepRate = -1000.0; // outside the rates: the rate stays as it is

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

bool validYear(int year)
{
    return year >= 1 && year <= 3000;
}

// A query's database path, terminated within its field.
QByteArray dbPath(const SearchQuery* q)
{
    return QByteArray(q->db, int(qstrnlen(q->db, sizeof q->db)));
}

} // namespace

void TMain::searchReply(int code, void* data)
{
    if (TSearchWnd* w = searchWnd())
        w->reply(code, data);
}

void TMain::sl_fromSearch(int code, void* request)
{
    qCDebug(lcApp, "======== sl_fromSearch(%d, %p) ========", code, request);
    const auto* q = static_cast<const SearchQuery*>(request);
    const double r = g_api.m_rate;
    switch (code) {
    case Act_LoadDataTime:
    case Act_LoadDataEvt:
        searchLoadDay(q);
        break;
    case Act_LoadDbTime:
    case Act_LoadDbEvt:
        searchLoadDb(q);
        break;
    case Act_NextMonth:
    case Act_PrevMonth:
        searchStepMonth(code == Act_NextMonth ? 1 : -1);
        break;
    case Act_Backup:
        searchBackup();
        break;
    case Act_SearchOpt:
        g_api.decSetdevice();
        break;
    case Act_CtrlSeek:
        runSearchPb(int(reinterpret_cast<intptr_t>(request)), 0, KeepRate);
        break;
    case Act_CtrlFRew:
    case Act_CtrlSlowRew:
    case Act_CtrlPause:
    case Act_CtrlRew:
    case Act_CtrlPlay:
    case Act_CtrlSlowFwd:
    case Act_CtrlFFwd:
        searchPlay(code, int(reinterpret_cast<intptr_t>(request)), r);
        break;
    case Act_SearchWait:
        emit sg_ctrlStatus(SIG_STATE_START, tx(T_SEARCH), tx(T_PLEASE_WAIT));
        break;
    case Act_SearchClose:
        emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
        break;
    case Act_SearchUsb:
        emit sg_ctrlStatus(SIG_STATE_START, tx(T_USB_DETECTED), tx(T_PLEASE_WAIT));
        g_api.detectExtSd(ID_WND_SEARCH, Act_SearchUsb);
        break;
    case Act_SearchMount:
        searchMount();
        break;
    case Act_SearchLayout: {
        const int next = g_api.layoutIndex(g_api.m_layout) + 1;
        changeLayoutSw(g_api.layoutAt(next < g_api.m_numLayout ? next : 0), 0);
        break;
    }
    case Act_SearchPage: {
        const int n = g_api.numLayoutSwitch(g_api.m_layout);
        const int p = g_api.m_sw + 1 < n ? g_api.m_sw + 1 : 0;
        if (p != g_api.m_sw)
            switchLayout(-1, p, PageWait, true);
        break;
    }
    case Act_SearchLayoutSw:
        changeLayoutSw(int(reinterpret_cast<intptr_t>(request)), -1);
        break;
    case Act_SearchFull: {
        const int ch = int(reinterpret_cast<intptr_t>(request));
        const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
        if (ch >= 0 && ch < dev->videos)
            changeLayout(1, ch);
        break;
    }
    case Act_SearchExit:
        // The click that closed the window must not open the menu below it.
        m_skipPopup = 1;
        m_popupTimer->stop();
        m_popupTimer->start(ExitGuard);
        break;
    case Act_SearchCursor:
        resetCursor();
        break;
    default:
        break;
    }
}

void TMain::searchLoadDay(const SearchQuery* q)
{
    TSearchWnd* w = searchWnd();
    if (!w || !w->isVisible())
        return;
    qCDebug(lcApp, "Act_LoadDataTime/Evt.. req:%p", static_cast<const void*>(q));
    if (!q) {
        emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
        return;
    }
    qCDebug(lcApp, "Act_LoadDataTime/Evt.. year:%d", q->year);
    if (!validYear(q->year)) {
        emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
        return;
    }
    if (!g_api.loadDay(q->day, q->dateIdx, q->page, q->chkday)) {
        searchReply(Reply_LoadData, nullptr);
    } else if (g_api.m_searchMode == 1 || g_api.m_searchMode == 2) {
        searchReply(Reply_LoadData, &g_api.m_dayEvents);
    } else {
        searchReply(Reply_LoadData, &g_api.m_reiDay);
    }
    // The loaded day stands ready at its first second, paused.
    if (!g_api.isPlay())
        runSearchPb(0, 0, 0.0);
}

void TMain::searchLoadDb(const SearchQuery* q)
{
    if (!q || !validYear(q->year))
        return;
    const QByteArray db = dbPath(q);
    qCDebug(lcApp, "TSearchWnd::Act_LoadDbTime..  szdb:%s", db.constData());
    if (db.contains("/backup/")) {
        qCDebug(lcApp, "Close DB and dec");
        g_api.closeDb();
        g_api.decStop();
    } else if (g_api.m_extDbOpen) {
        // Back to the disks: the backup file and its medium go.
        g_api.closeDb();
        g_api.decStop();
        g_api.umountExtSd();
    }
    if (g_api.isPlay()) {
        g_api.decRate(0.0);
        if (g_api.m_searchMode != q->mode)
            g_api.decStop();
    }
    if (!g_api.readyFordb(q)) {
        g_api.closeDb();
        searchReply(Reply_LoadDb, nullptr);
        return;
    }
    searchReply(Reply_LoadDb, g_api.loadMonth() ? &g_api.m_monthInfo : nullptr);
}

void TMain::searchStepMonth(int dir)
{
    if (g_api.stepMonth(dir)) {
        searchReply(Reply_LoadMonth, &g_api.m_monthInfo);
        return;
    }
    // At either end: the window hears there is nothing further, then gets
    // the month it showed again.
    searchReply(Reply_LoadMonth, nullptr);
    if (validYear(g_api.m_monthInfo.year))
        searchReply(Reply_LoadMonth, g_api.loadMonth() ? &g_api.m_monthInfo : nullptr);
}

void TMain::searchBackup()
{
    // The same right as the menu's Backup: a user who may only search
    // copies no recordings from the search window either.
    if (!g_api.userRight(RightBackup)) {
        refuse(tx(T_NO_PERMISSION));
        return;
    }
    if (g_api.m_extDbOpen) {
        refuse(tx(T_DEVICE_USING));
        return;
    }
    // The window shows the pause the backup window's opening makes.
    if (g_api.isPlay())
        if (TSearchWnd* w = searchWnd())
            w->setRate(0.0);
    openBackup();
}

void TMain::searchPlay(int code, int v, double r)
{
    double rate = 0.0;
    int mode = 1;
    switch (code) {
    case Act_CtrlFRew:
        rate = 2 * r >= -MaxRate && 2 * r <= -1.0 ? 2 * r : -1.0;
        break;
    case Act_CtrlSlowRew:
        rate = r == -0.5 ? -0.25 : -0.5;
        break;
    case Act_CtrlPause:
        qCDebug(lcApp, "TSearchWnd::Act_CtrlPause.. pb_rate:%.3f", r);
        // Pause steps a frame the way playback ran.
        g_api.decStep(r >= 0 ? 1 : 0);
        return;
    case Act_CtrlRew:
        rate = -1.0;
        break;
    case Act_CtrlPlay:
        qCDebug(lcApp, "TSearchWnd::Act_CtrlPlay");
        mode = v < 0 ? 1 : 0;
        rate = 1.0;
        break;
    case Act_CtrlSlowFwd:
        rate = r == 0.5 ? 0.25 : 0.5;
        break;
    case Act_CtrlFFwd:
        rate = 2 * r >= 2.0 && 2 * r <= MaxRate ? 2 * r : 2.0;
        break;
    default:
        return;
    }
    runSearchPb(v, mode, rate);
}

void TMain::searchMount()
{
    emit sg_ctrlStatus(SIG_STATE_UPDATE, tx(T_USB_MOUNT), tx(T_PLEASE_WAIT));
    // The medium that holds the backup file: the USB stick when one is in,
    // else the disc in the drive.
    const BdList list = g_api.bdList();
    const int bd = list.bd[0].state == 1 ? 0 : 1;
    g_api.mountExtSd(ID_WND_SEARCH, Act_SearchMount, 1, bd);
}

void TMain::searchNotify(int code, int val2, int rsType)
{
    const bool detect = code == SIG_BD_DETECT;
    if (val2 != (detect ? Act_SearchUsb : Act_SearchMount))
        return;
    if (!rsType) {
        emit sg_ctrlStatus(SIG_STATE_UPDATE, tx(detect ? T_USB_DETECTED : T_USB_MOUNT),
                           detect ? QStringLiteral("No USB Device") : QStringLiteral("Failed"));
        hideStatusLater(HideLater);
        return;
    }
    searchReply(detect ? Reply_Usb : Reply_Mount, nullptr);
    if (!detect)
        emit sg_ctrlStatus(SIG_STATE_END, tx(T_USB_MOUNT), QStringLiteral("Success"));
}
