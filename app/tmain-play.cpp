// Playback control of the main window: the playback commands of the keys,
// the information bar and the choosers with their speed steps, the return
// to live view, the information bar's buttons and what follows the show or
// hide of a window.
#include "tmain.h"
#include "appglobals.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "taudiownd.h"
#include "tlogin.h"
#include "logrecord.h"
#include "tconfig.h"
#include "tsearchwnd.h"
#include "tsplitth.h"
#include "tsplitwnd.h"
#include "tstring.h"

#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    UmountDelay = 3000, // ms from a stop to the release of the medium
    InfoDelay = 100,    // ms from a show or hide to the bar's own turn
    PbSwitchWait = 500, // ms the search picture waits for a running switch
    T_LOCK = 18,
    T_LOGIN = 20
};

const double MaxRate = 64.0;

// The command index of a playback key; -1 for another key.
int commandOfKey(int key)
{
    switch (key) {
    case Qt::Key_F24: return Btn_FRew;
    case Qt::Key_F25: return Btn_Rew;
    case Qt::Key_F27: return Btn_SlowRew;
    case Qt::Key_Pause: return Btn_Pause;
    case Qt::Key_F28: return Btn_SlowFwd;
    case Qt::Key_Play: return Btn_Play;
    case Qt::Key_F26: return Btn_FFwd;
    case Qt::Key_Stop: return Btn_Stop;
    default: return -1;
    }
}

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

} // namespace

void TMain::runDecKey(int key, int idx)
{
    qCDebug(lcApp, "======== TMain::runDecKey (%d, %d) ========", key, idx);
    const double r = g_api.m_rate;
    int cmd = commandOfKey(key);
    if (cmd < 0)
        cmd = idx;
    if (cmd < Btn_FRew || cmd > Btn_Stop)
        return;

    double n = 0.0;
    switch (cmd) {
    case Btn_FRew:
        // -2, -4 ... -64, then -2 again; any other rate starts at -2.
        n = 2 * r;
        if (n > -2.0 || n < -MaxRate)
            n = -2.0;
        g_api.decRate(n);
        break;
    case Btn_Rew:
        n = -1.0;
        g_api.decRate(n);
        break;
    case Btn_SlowRew:
        n = r == -0.5 ? -0.25 : -0.5;
        g_api.decRate(n);
        break;
    case Btn_Pause:
        g_api.decStep(-1);
        n = 0.0;
        break;
    case Btn_SlowFwd:
        n = r == 0.5 ? 0.25 : 0.5;
        g_api.decRate(n);
        break;
    case Btn_Play:
        n = 1.0;
        g_api.decRate(n);
        break;
    case Btn_FFwd:
        n = 2 * r;
        if (n < 2.0 || n > MaxRate)
            n = 2.0;
        g_api.decRate(n);
        break;
    default:
        qCDebug(lcApp, "TInfo::Btn_Stop!!");
        stopPlay();
        return;
    }

    qCDebug(lcApp, "TMain::runDecKey g_api.isPlay:%d", g_api.isPlay());
    if (g_api.isPlay())
        return;
    // Nothing plays: the command starts the last seconds of today at its
    // rate (pause starts it paused).
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setPlayMode(1);
    g_api.setMode(1);
    g_api.decStart(-1, -1, -1, n);
}

void TMain::stopPlay()
{
    g_api.restoreViews();
    g_api.setMode(0);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setPlayMode(0);
    g_api.closeDb();
    g_api.decStop();
    // The search window sets itself up afresh on its next opening.
    if (auto* search = static_cast<TSearchWnd*>(wnd(ID_WND_SEARCH)))
        search->clearToLive();
    if (!m_umountTimer) {
        m_umountTimer = new QTimer(this);
        m_umountTimer->setSingleShot(true);
        m_umountTimer->setInterval(UmountDelay);
        connect(m_umountTimer, &QTimer::timeout, this, &TMain::sl_umountAfterPlay);
    }
    m_umountTimer->start();
}

void TMain::runSearchPb(int secs, int mode, double rate)
{
    qCDebug(lcApp, "runSearchPb.. secs:%d rate:%.2f mode:%d", secs, rate, g_api.m_mode);
    if (g_api.m_mode == 0)
        return;
    if (!g_api.isPlay()) {
        stopSequence();
        g_api.decStart(secs / 3600, (secs % 3600) / 60, secs % 60, rate);
    } else if (mode == 0) {
        g_api.decPos(secs);
    }
    if (rate < -MaxRate || rate > MaxRate)
        return;
    g_api.decRate(rate);
    if (TSearchWnd* w = searchWnd())
        w->setRate(g_api.m_dec.rate);
}

void TMain::sl_umountAfterPlay()
{
    // Releasing the medium would end a copy that started meanwhile, or pull
    // it from under the backup window.
    const bool backupOpen = wnd(ID_WND_BACKUP) && wnd(ID_WND_BACKUP)->isVisible();
    qCDebug(lcApp, "TMain::sl_umountAfterPlay busy:%d open:%d", g_api.isBackup(0), int(backupOpen));
    if (g_api.isBackup(0) || backupOpen)
        return;
    sl_umountUsb();
}

void TMain::sl_fromInfobar(int idx)
{
    qCDebug(lcApp, "======== TMain::sl_fromInfobar (%d) ========", idx);
    switch (idx) {
    case Btn_Split:
        stopSequence();
        // Hidden with its report, so its area goes back to the video.
        if (TDefWnd* bar = wnd(ID_WND_INFO))
            bar->hideWnd();
        if (auto* split = static_cast<TSplitWnd*>(wnd(ID_WND_SPLIT))) {
            split->setCurrent(g_api.m_layout);
            split->setVisible(true);
        }
        break;
    case Btn_Audio:
        openAudio();
        break;
    case Btn_Seq:
        seqLayout(1);
        break;
    case Btn_Lock:
        runMenu(tx(m_loggedIn ? T_LOCK : T_LOGIN));
        break;
    default:
        if (idx < Btn_FRew || idx > Btn_Stop)
            break;
        if (m_loggedIn) {
            runDecKey(-1, idx);
            m_pendingInfoBtn = 0;
            break;
        }
        // The button is what runs after the login: a menu command left
        // from a cancelled login must not run in its place.
        m_pendingCmd.clear();
        m_pendingInfoBtn = idx;
        if (auto* chooser = static_cast<TLogin*>(wnd(ID_WND_LOGIN))) {
            chooser->setUser(m_curUserIdx);
            // Over the picture, as the menu's login places it: the window
            // may be larger than the output.
            placeWnd(chooser, 1);
            chooser->show();
        }
        break;
    }
}

void TMain::sl_afterShow(int id, int shown)
{
    if (id < 0 || id >= WND_SLOTS)
        return;
    if (id == ID_WND_MSG && !shown && wnd(ID_WND_MSG) && m_diskErrShown) {
        // Closing the disk error box silences its buzzer once.
        g_api.runBuzzeron(0);
        m_diskErrShown = 0;
    }
    if (id == ID_WND_INFO && shown) {
        g_api.checkStorage();
        updateBarDate();
    }
    if (id == ID_WND_SEARCH)
        searchShown(shown);
    QTimer::singleShot(InfoDelay, this, &TMain::sl_showInfo);
    qCDebug(lcApp, "======== sl_afterShow : remain=%d ========", 0);
}

void TMain::searchShown(int shown)
{
    auto* search = static_cast<TSearchWnd*>(wnd(ID_WND_SEARCH));
    if (!search)
        return;
    qCDebug(lcApp, "TMain::sl_afterShow.. ID_WND_SEARCH bshow:%d toLive:%d", shown, search->m_toLive);
    g_api.showOsd(0, 1);
    if (shown) {
        g_api.setMode(1);
        const QRect v = search->videoRect();
        g_api.startPbPip(v.left(), v.top(), v.right() - v.left() + 1, v.bottom() - v.top() + 1);
        m_popupRect = v;
        // The picture is redrawn here only when no switch runs; a switch
        // still running after the wait takes the redraw as its next target,
        // so the two never run side by side.
        if (m_splitTh->wait(PbSwitchWait))
            g_api.dispLayout(-1, -1);
        else
            m_splitTh->request(-1, -1, 0);
        g_api.setOsd(static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1))->osdOn);
    } else if (search->m_toLive) {
        stopPlay();
        g_api.writeLog(LOG_SEARCH_STOP, nullptr, nullptr);
    } else {
        qCDebug(lcApp, "tsearchwnd::act_toplay.. play:%d", g_api.isPlay());
        auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO));
        if (g_api.isPlay() && bar) {
            if (bar->isLiveMode())
                bar->setPlayMode(1);
            bar->updateRate(g_api.m_dec.rate);
        }
        g_api.restoreViews();
        changeLayout(-1, -1);
    }
}

void TMain::cmdExit(int)
{
    runDecKey(Qt::Key_Stop, 0);
}

void TMain::openSplit()
{
    auto* split = static_cast<TSplitWnd*>(wnd(ID_WND_SPLIT));
    if (!split)
        return;
    split->setCurrent(g_api.m_layout);
    // The chooser is shown before the bar goes: the tick that lands while
    // the bar is hidden (it serves events) finds a window open and leaves
    // the bar away.
    openWnd(ID_WND_SPLIT, false);
    showInfo(0, 0);
}

void TMain::openAudio()
{
    auto* audio = static_cast<TAudioWnd*>(wnd(ID_WND_AUDIO));
    if (!audio)
        return;
    audio->setCurrent(m_audioCh + 1);
    openWnd(ID_WND_AUDIO, false);
    showInfo(0, 0);
}

void TMain::cmdSplit(int)
{
    g_api.m_wndOpen = 1;
    openSplit();
}

void TMain::cmdAudioOut(int)
{
    g_api.m_wndOpen = 1;
    openAudio();
}

void TMain::sl_fromAuido(int value)
{
    switch (value) {
    case Qt::Key_Pause:
    case Qt::Key_F24:
    case Qt::Key_F25:
    case Qt::Key_F26:
    case Qt::Key_F27:
    case Qt::Key_F28:
    case Qt::Key_Stop:
    case Qt::Key_Play:
        runDecKey(value, -1);
        break;
    default:
        selAudio(value);
        break;
    }
}

void TMain::sl_from_Remocon(int key)
{
    qCDebug(lcApp, "============= sl_from_Remocon : %d ===============", key);
    runDecKey(key, -1);
}
