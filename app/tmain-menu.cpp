// The pop-up menu of the live and playback view and the command executor that
// its entries, the information bar's buttons and several keys end in.
#include "tmain.h"
#include "appglobals.h"
#include "logrecord.h"
#include "tapplication.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tmenuguard.h"
#include "tmsgwnd.h"
#include "tptzwnd.h"
#include "tres.h"
#include "tstring.h"

#include <QAction>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { MenuRegion = 17, SetupMenuRegion = 18, NoIcon = -1 };

// Text ids of the commands.
enum CmdText {
    T_SHUTDOWN = 1, T_SETUP = 2, T_DISPLAY = 3, T_RECORD = 6, T_DEVICE = 7, T_NETWORK = 8, T_SYSTEM = 9,
    T_SEARCH = 10, T_SPLIT = 11, T_BACKUP = 12, T_REPLAY = 13, T_PTZ = 14, T_SEQUENCE = 15, T_OSD = 16,
    T_SYSINFO = 17, T_LOCK = 18, T_LOGIN = 20, T_ZOOM = 21, T_DEINT = 23, T_EXIT = 35, T_AUDIO_OUT = 139,
    T_WARNING = 213, T_NO_PERMISSION = 307, T_SNAPSHOT = 427, T_FREEZE = 428, T_BUZZER_OFF = 455,
    T_ALARM_OFF = 456, T_ALARM_CTRL = 457, T_PANIC = 515, T_SCHEDULE = 516
};

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

// One entry: text and whatsThis both the translated label; the icon is the
// sheet's image in the normal, "off" state.
QAction* addEntry(QMenu* menu, int text, int image, const QVariant& data = QVariant())
{
    QAction* a = menu->addAction(tx(text));
    a->setWhatsThis(tx(text));
    if (image != NoIcon && g_res) {
        if (const QPixmap* pm = g_res->getImage(image)) {
            QIcon icon;
            icon.addPixmap(*pm, QIcon::Normal, QIcon::Off);
            a->setIcon(icon);
        }
    }
    if (data.isValid())
        a->setData(data);
    return a;
}

QAction* addCheck(QMenu* menu, int text, int checked)
{
    QAction* a = addEntry(menu, text, NoIcon);
    a->setCheckable(true);
    a->setChecked(checked != 0);
    return a;
}

} // namespace

void TMain::createMenu()
{
    if (!m_menu)
        return;
    // The submenu is a menu of its own: clearing the actions leaves it.
    m_menu->clear();
    delete m_setupMenu;
    m_setupMenu = nullptr;

    if (g_api.isLiveMode()) {
        m_setupMenu = new QMenu(tx(T_SETUP), m_menu);
        if (g_res) {
            if (const QPixmap* pm = g_res->getImage(193)) {
                QIcon icon;
                icon.addPixmap(*pm, QIcon::Normal, QIcon::Off);
                m_setupMenu->setIcon(icon);
            }
        }
        // The five entries open the setup window on their tab.
        static const int tabs[][3] = {{T_DISPLAY, 205, 3}, {T_RECORD, 206, 9}, {T_DEVICE, 207, 15},
                                      {T_NETWORK, 208, 24}, {T_SYSTEM, 209, 31}};
        for (const auto& t : tabs) {
            QAction* a = addEntry(m_setupMenu, t[0], t[1], t[2]);
            a->setWhatsThis(tx(T_SETUP));
        }
        connect(m_setupMenu, &QMenu::aboutToShow, this, &TMain::sl_mSetupshowtm);
        connect(m_setupMenu, &QMenu::aboutToHide, this, &TMain::sl_mSetuphide);
        m_menu->addMenu(m_setupMenu);
        addEntry(m_menu, T_SPLIT, 204);
        addEntry(m_menu, T_AUDIO_OUT, 196);
        addEntry(m_menu, T_REPLAY, 201);
        addEntry(m_menu, T_SEARCH, 194);
        addEntry(m_menu, T_BACKUP, 195);
        addEntry(m_menu, T_SNAPSHOT, 210);
        addEntry(m_menu, T_PTZ, 199);
        addEntry(m_menu, T_ZOOM, 202, -1);
        addEntry(m_menu, T_SEQUENCE, 200);
        addCheck(m_menu, T_OSD, m_osdOn);
        addEntry(m_menu, T_SYSINFO, 211);
        if (m_loggedIn)
            addEntry(m_menu, T_LOCK, 213);
        else
            addEntry(m_menu, T_LOGIN, 214);
        addEntry(m_menu, T_ALARM_CTRL, NoIcon);
        return;
    }

    addEntry(m_menu, T_SEARCH, 194);
    addEntry(m_menu, T_SPLIT, 204);
    addEntry(m_menu, T_AUDIO_OUT, 196);
    addEntry(m_menu, T_BACKUP, 195);
    addEntry(m_menu, T_ZOOM, 202, -1);
    addEntry(m_menu, T_SEQUENCE, 200);
    // No snapshot of a single-channel thumbnail or panorama search.
    if (unsigned(g_api.m_searchMode) < 3u)
        addEntry(m_menu, T_SNAPSHOT, 210);
    addCheck(m_menu, T_OSD, m_osdOn);
    addCheck(m_menu, T_DEINT, g_api.m_deint);
    addEntry(m_menu, T_EXIT, 203);
}

void TMain::openMenu()
{
    if (!m_menu)
        return;
    showInfo(0, 0);
    createMenu();
    g_api.m_wndOpen = 1;
    qCDebug(lcApp, "===========keyEvent() : start ============");
    QAction* chosen = TApplication::execMenu(m_menu, mapToGlobal(QPoint(32, 32)));
    qCDebug(lcApp, "=========== keyEvent() : end :%p ============", static_cast<void*>(chosen));
    if (chosen)
        runMenu(chosen->whatsThis(), chosen->data().toInt());
}

void TMain::popupMenu(const QPoint& cursor)
{
    if (!m_menu)
        return;
    showInfo(0, 0);
    createMenu();
    g_api.m_wndOpen = 1;
    const QSize screen = g_res ? g_res->getSize(16) : size();
    const QSize hint = m_menu->sizeHint();
    int x = cursor.x() / 2 * 2;
    int y = cursor.y();
    // Room for the submenu to the right, and the whole menu above the bottom.
    if (x + 2 * hint.width() > screen.width())
        x = screen.width() - 2 * hint.width();
    if (y + hint.height() > screen.height())
        y = screen.height() - hint.height();
    qCDebug(lcApp, "=========== contextMenuEvent() : start p.. x:%d y:%d sz.. w:%d,%d h:%d,%d ============", x, y,
            hint.width(), screen.width(), hint.height(), screen.height());
    QAction* chosen = TApplication::execMenu(m_menu, mapToGlobal(QPoint(x, y)));
    qCDebug(lcApp, "=========== contextMenuEvent() : end :%p ============", static_cast<void*>(chosen));
    if (!chosen)
        return;
    m_menuPos = QPoint(x, y);
    runMenu(chosen->whatsThis(), chosen->data().toInt());
}

int TMain::rightOf(const QString& label)
{
    static const int rights[][2] = {{T_SETUP, 0},  {T_SHUTDOWN, 0}, {T_ALARM_CTRL, 0}, {T_SEARCH, 1},
                                    {T_REPLAY, 1}, {T_BACKUP, 2},   {T_SNAPSHOT, 2},   {T_PTZ, 3}};
    for (const auto& r : rights) {
        if (label == tx(r[0]))
            return r[1];
    }
    return -1;
}

void TMain::runMenu(const QString& label, int arg)
{
    if (needLogin(label)) {
        askLogin(label, arg);
        return;
    }
    m_pendingCmd.clear();
    qCDebug(lcApp, "=========== runMenu() : %s %d ============", qUtf8Printable(label), arg);

    // The commands whose windows or devices are here; the search command
    // joins as its window is built. A label that matches none does nothing.
    using Run = void (TMain::*)(int);
    static const struct {
        int text;
        Run run;
    } commands[] = {
        {T_SETUP, &TMain::cmdSetup},       {T_SEARCH, &TMain::cmdSearch},
        {T_SNAPSHOT, &TMain::cmdSnapshot}, {T_FREEZE, &TMain::cmdFreeze},     {T_REPLAY, &TMain::cmdInstantReplay},
        {T_SEQUENCE, &TMain::cmdSequence}, {T_OSD, &TMain::cmdOsd},           {T_LOCK, &TMain::cmdLock},
        {T_LOGIN, &TMain::cmdLogin},       {T_PTZ, &TMain::cmdPtz},
        {T_SYSINFO, &TMain::cmdSysInfo},   {T_ALARM_CTRL, &TMain::cmdAlarmCtrl}, {T_SHUTDOWN, &TMain::cmdShutdown},
        {T_DEINT, &TMain::cmdDeint},       {T_PANIC, &TMain::cmdPanic},       {T_SCHEDULE, &TMain::cmdSchedule},
        {T_BUZZER_OFF, &TMain::cmdBuzzerOff}, {T_ALARM_OFF, &TMain::cmdAlarmOff},
        {T_EXIT, &TMain::cmdExit},         {T_SPLIT, &TMain::cmdSplit},       {T_AUDIO_OUT, &TMain::cmdAudioOut},
        {T_ZOOM, &TMain::cmdZoom},         {T_BACKUP, &TMain::cmdBackup},
    };

    const int right = rightOf(label);
    if (right >= 0 && !g_api.userRight(right)) {
        refuse(tx(T_NO_PERMISSION));
        m_menuPos = QPoint();
        return;
    }
    for (const auto& c : commands) {
        if (label != tx(c.text))
            continue;
        (this->*c.run)(arg);
        if (c.text == T_SHUTDOWN)
            return; // the menu point stays for the shutdown
        break;
    }
    m_menuPos = QPoint();
}

void TMain::refuse(const QString& text)
{
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MSG_OK);
    g_msgWnd->setTitle(tx(T_WARNING));
    g_msgWnd->setText(text);
    placeWnd(g_msgWnd, 1);
    g_msgWnd->show();
}

void TMain::openWnd(int id, bool placed)
{
    TDefWnd* w = wnd(id);
    if (!w)
        return;
    stopSequence();
    if (placed)
        placeWnd(w, 1);
    w->show();
}

void TMain::cmdSearch(int)
{
    if (!wnd(ID_WND_SEARCH))
        return;
    m_skipPopup = 1;
    qCDebug(lcApp, "m_skipPopup = 1 Str_Search");
    m_popupTimer->start(1500);
    // A running playback waits paused under the window.
    if (g_api.isPlay())
        g_api.decRate(0.0);
    else
        g_api.writeLog(LOG_SEARCH_START, nullptr, nullptr);
    g_api.setOsd(0);
    g_api.setMode(1);
    showInfo(0, 0);
    g_api.m_wndOpen = 1;
    openWnd(ID_WND_SEARCH, true);
}

void TMain::cmdSnapshot(int)
{
    g_api.snapshot();
}

void TMain::cmdPtz(int)
{
    auto* ptz = static_cast<TPtzWnd*>(wnd(ID_WND_PTZ));
    if (!ptz)
        return;
    g_api.writeLog(LOG_PTZ_START, nullptr, nullptr);
    // The camera under the point the menu was opened at, else the first
    // tile's.
    const QPoint at = m_menuPos.isNull() ? QPoint(50, 50) : m_menuPos;
    const int ch = g_api.chAtPoint(at.x(), at.y());
    ptz->setChannel(ch < 0 ? 0 : ch);
    audioOff();
    g_api.m_ptzBusy = 1;
    showInfo(0, 0);
    g_api.m_wndOpen = 1;
    openWnd(ID_WND_PTZ, true);
}

void TMain::cmdFreeze(int)
{
    if (g_api.m_frozen)
        g_api.liveResume();
    else
        g_api.liveFreeze();
    update(m_freezeRect.adjusted(0, 0, 2, 2));
}

void TMain::cmdInstantReplay(int)
{
    stopSequence();
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setPlayMode(1);
    g_api.setMode(1);
    g_api.decStart(-1, -1, -1, 1.0);
}

void TMain::cmdSequence(int)
{
    if (m_seqOn)
        stopSequence();
    else
        seqLayout(100);
}

void TMain::cmdOsd(int)
{
    m_osdOn = m_osdOn ? 0 : 1;
    g_api.setOsd(m_osdOn);
}

void TMain::cmdLock(int)
{
    logOut(LOG_LOGOUT);
}

void TMain::cmdLogin(int)
{
    // Reached only while a user is logged in (the gate catches it
    // otherwise): nothing opens.
    g_api.m_wndOpen = 1;
}

void TMain::cmdSysInfo(int)
{
    openWnd(ID_WND_SYSINFO, false);
    g_api.m_wndOpen = 1;
}

void TMain::cmdAlarmCtrl(int)
{
    g_api.m_wndOpen = 1;
    openWnd(ID_WND_ALARMCTRL, true);
}

void TMain::cmdShutdown(int)
{
    g_api.writeLog(LOG_SYSTEM_SHUTDOWN, nullptr, nullptr);
    shutdownLater();
}

void TMain::cmdDeint(int)
{
    g_api.decSetDeint(g_api.m_deint ? 0 : 1);
}

void TMain::cmdPanic(int)
{
    g_api.m_panic = 1;
    g_api.runPanic(1);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->updatePanic(1);
}

void TMain::cmdSchedule(int)
{
    g_api.m_panic = 0;
    g_api.runPanic(0);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->updatePanic(0);
}

void TMain::cmdBuzzerOff(int)
{
    g_api.buzzerOff();
}

void TMain::cmdAlarmOff(int)
{
    g_api.alarmOff();
}

// The menus' show and hide handlers run no nested event loop (see
// TMenuGuard): the region is reported from the timer once the menu is up.
void TMain::sl_mMainshowtm()
{
    QTimer::singleShot(1, this, &TMain::sl_mMainshow);
    qCDebug(lcApp, "show menu sl_mMainshowtm");
}

void TMain::sl_mSetupshowtm()
{
    QTimer::singleShot(1, this, &TMain::sl_mSetupshow);
    qCDebug(lcApp, "show menu sl_mSetupshowtm");
}

void TMain::sl_mMainshow()
{
    qCDebug(lcApp, "show menu sl_mMainshow");
    // Reported a moment after the menu opened: a menu closed meanwhile was
    // already reported hidden and is not reported shown again.
    if (m_menu && m_menu->isVisible())
        emit sg_showed(MenuRegion, 1, QRegion(0, 0, m_menu->width(), m_menu->height()));
}

void TMain::sl_mMainhide()
{
    qCDebug(lcApp, "hide menu sl_mMainshow");
    const TMenuGuard inHandler;
    if (m_menu)
        emit sg_showed(MenuRegion, 0, QRegion(0, 0, m_menu->width(), m_menu->height()));
}

void TMain::sl_mSetupshow()
{
    if (m_setupMenu && m_setupMenu->isVisible())
        emit sg_showed(SetupMenuRegion, 1, QRegion(0, 0, m_setupMenu->width(), m_setupMenu->height()));
}

void TMain::sl_mSetuphide()
{
    const TMenuGuard inHandler;
    if (m_setupMenu)
        emit sg_showed(SetupMenuRegion, 0, QRegion(0, 0, m_setupMenu->width(), m_setupMenu->height()));
}
