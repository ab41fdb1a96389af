// Key input of the main window: combined front-panel keys, the hidden digit
// sequence, the routing of a key to the open menu, to the first window
// shown or to the live view, and the live view's key map.
#include "tmain.h"
#include "tkeys.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tsplitth.h"
#include "tstring.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMenu>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    SingleLayout = 1,
    ChannelWindowSec = 6, // seconds after 10+ in which a digit adds to it
    PageWait = 100,       // ms the next-page key waits for a running switch
    SeqKeep = 6,          // digits kept for the hidden sequence
    ServiceOutput = 4,    // the service action that sets the 800 x 600 output
    T_LOCK = 18,
    T_LOGIN = 20,
    T_OSD = 16,
    T_SYSINFO = 17,
    T_FREEZE = 428,
    T_AUDIO_OUT = 139,
    T_ZOOM = 21,
    T_PTZ = 14,
    T_SEARCH = 10,
    T_BACKUP = 12
};

// The hidden sequence that forces the 800 x 600 output.
const char ServiceSeq[] = "317529";
// The pending command of a playback key that waits for the login.
const char KeyPlay[] = "STR_KEY_PLAY";

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

// The digit of a digit key ('0'..'9'), 10 for the 10+ key; -1 otherwise.
int digitOf(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    return key == Qt::Key_F30 ? 10 : -1;
}

// The camera index of a channel key; -1 for another key.
int channelOfKey(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F8)
        return 10 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_F10: return 9;
    case Qt::Key_F11: return 18;
    case Qt::Key_F12: return 19;
    default: return -1;
    }
}


void postKey(QObject* to, QEvent::Type type, int key)
{
    QCoreApplication::postEvent(to, new QKeyEvent(type, key, Qt::NoModifier, QString(), false, 1));
}

} // namespace

void TMain::keyEvent(int code, int state, int key)
{
    Q_UNUSED(code);
    if (m_logoutSec > 0)
        m_logoutSec = logoutPeriod();

    switch (key) {
    case KEYMOD_ALT + Qt::Key_Enter:
        qCDebug(lcApp, "Key_EnterPlayPause ==> Key_Enter");
        key = Qt::Key_Enter;
        break;
    case KEYMOD_ALT + Qt::Key_Play:
        qCDebug(lcApp, "Key_EnterPlayPause ==> Key_Play");
        key = Qt::Key_Play;
        break;
    case KEYMOD_ALT + Qt::Key_Left: key = Qt::Key_Left; break;
    case KEYMOD_ALT + Qt::Key_Right: key = Qt::Key_Right; break;
    case KEYMOD_ALT + Qt::Key_Down: key = Qt::Key_Down; break;
    case Qt::Key_F33:
        key = checkKeyUsage(Qt::Key_Escape, Qt::Key_F33) ? int(Qt::Key_Escape) : int(Qt::Key_Menu);
        break;
    case Qt::Key_F29:
        if (m_loggedIn)
            key = checkKeyUsage(Qt::Key_Escape, Qt::Key_F29) ? int(Qt::Key_Escape) : int(Qt::Key_F23);
        else
            key = Qt::Key_Escape;
        break;
    default:
        break;
    }

    const bool press = state == KEY_PRESS || state == KEY_REPEAT;
    if (press)
        keySequence(key);

    QMenu* menu = m_setupMenu && m_setupMenu->isVisible() ? m_setupMenu
                  : m_menu && m_menu->isVisible()         ? m_menu
                                                          : nullptr;
    if (menu) {
        int k = key;
        switch (key) {
        case KEY_JOG_RIGHT: k = Qt::Key_Down; break;
        case KEY_JOG_LEFT: k = Qt::Key_Up; break;
        case Qt::Key_ZoomIn: k = Qt::Key_Enter; break;
        case Qt::Key_ZoomOut: k = Qt::Key_Escape; break;
        default: break;
        }
        qCDebug(lcApp, "========== key menu:%d %d ===============", state, k);
        if (press) {
            postKey(menu, QEvent::KeyPress, k);
            return;
        }
    }

    TDefWnd* target = nullptr;
    for (int id = ID_WND_MSG; id <= ID_WND_AUDIO && !target; ++id)
        if (shown(id))
            target = m_wnd[id];
    if (target) {
        if (target->id() != ID_WND_PTZ && target->id() != ID_WND_ZOOM) {
            if (key == Qt::Key_ZoomIn)
                key = Qt::Key_Enter;
            else if (key == Qt::Key_ZoomOut)
                key = Qt::Key_Escape;
        }
        qCDebug(lcApp, "========== key event: %d to:%08x main:%x login:%08x==============", key, target->id(),
                ID_WND_MAIN, m_loggedIn);
        // The recorder's display server keeps the window the keys go to
        // active; a bare X server or the offscreen platform may leave none
        // active, and then no control has the focus the window's focus
        // table moves from.
        QWidget* top = target->window();
        if (top->isVisible() && QApplication::activeWindow() != top)
            QApplication::setActiveWindow(top);
        if (press)
            postKey(target, QEvent::KeyPress, key);
        else if (state == KEY_RELEASE)
            postKey(target, QEvent::KeyRelease, key);
        qCDebug(lcApp, "========== key event: %d to:%x ==============", key, target->id());
        return;
    }

    if (press)
        evtKeydown(key);
    else
        evtKeyup(key);
}

int TMain::checkKeyUsage(int key, int devKey)
{
    const int used = numVisibleWnd();
    int on = 0;
    if (key == Qt::Key_Escape)
        on = used > 0 || (devKey != Qt::Key_F33 && g_api.isPlay()) ? 1 : 0;
    qCDebug(lcApp, "checkKeyUsage.. used:%d on:%d", used, on);
    return on;
}

void TMain::keySequence(int key)
{
    int d = -1;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        d = key - Qt::Key_0;
    else if (key == Qt::Key_F30)
        d = 0;
    if (d < 0) {
        m_keySeq.clear();
        return;
    }
    m_keySeq += QChar('0' + d);
    if (m_keySeq.contains(QLatin1String(ServiceSeq))) {
        g_api.hotKeyAction(ServiceOutput, 1);
        m_keySeq.clear();
        // The output stays at 800 x 600 from now on: resolution 0 in both
        // copies, in the RAM file and in flash.
        for (int live : {0, 1})
            static_cast<PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live))->res = 0;
        g_cfg->save(IDX_PROP_DISPLAY);
        g_cfg->commitfile();
        g_api.dispColorSetdevice(0);
        changeDisplay(1);
        update();
    }
    if (m_keySeq.size() > SeqKeep)
        m_keySeq.clear();
}

void TMain::selectCamera(int ch)
{
    // A camera the unit does not have is no key's meaning.
    if (ch < 0 || ch >= g_api.channelCount())
        return;
    changeLayout(SingleLayout, ch);
    selAudio(ch);
}

void TMain::digitKey(int key, int d)
{
    qCDebug(lcApp, "evtKeyDown.. nNum:%d", d);
    int elapsed = -1;
    if (m_chKeyTime.isValid()) {
        elapsed = m_chKeyTime.msecsTo(QTime::currentTime());
        if (elapsed < 0)
            elapsed += 24 * 3600 * 1000; // past midnight
    }
    bool added = false;
    if (elapsed >= 0 && elapsed / 1000 < ChannelWindowSec) {
        m_nChKey += d;
        m_chKeyTime = QTime(); // the window closes with this key
        added = true;
    } else {
        m_nChKey = d;
    }
    if (m_nChKey < 1)
        m_nChKey = 10;
    if (key == Qt::Key_F30)
        m_chKeyTime = QTime::currentTime();
    qCDebug(lcApp, "elapse:%d m_nChKey:%d nNum:%d", elapsed, m_nChKey, d);

    const int videos = g_api.channelCount();
    if (m_nChKey > videos) {
        // 10+ twice on a 16-input unit is camera 10.
        if (videos == 16 && m_nChKey == 20) {
            m_nChKey = 10;
        } else {
            m_nChKey = 0;
            return;
        }
    } else if (key == Qt::Key_F30 && !added && m_nChKey % 10 == 0) {
        return; // 10+ opened the entry: the next key completes it
    }
    const int ch = m_nChKey - 1;
    m_nChKey = 0;
    selectCamera(ch);
}

void TMain::playKey(int key)
{
    if (!m_loggedIn) {
        askLogin(QLatin1String(KeyPlay), key);
        return;
    }
    runDecKey(key, -1);
}

void TMain::evtKeydown(int key)
{
    qCDebug(lcApp, "=========== TMain::evtKeydown() : key:%08x ============", key);
    const int ch = channelOfKey(key);
    if (ch >= 0)
        selectCamera(ch);
    const int d = digitOf(key);
    if (d >= 0) {
        digitKey(key, d);
        return;
    }

    switch (key) {
    case Qt::Key_F23:
        runMenu(tx(m_loggedIn ? T_LOCK : T_LOGIN));
        break;
    case Qt::Key_Up:
        seqLayout(1);
        break;
    case Qt::Key_Down:
        seqLayout(-1);
        break;
    case Qt::Key_A:
    case Qt::Key_F35:
        runMenu(tx(T_SYSINFO));
        break;
    case Qt::Key_Escape:
        if (g_api.isPlay())
            runDecKey(Qt::Key_Stop, -1);
        break;
    case Qt::Key_Left:
        if (g_api.isPlay())
            g_api.decStep(0);
        break;
    case Qt::Key_Right:
        if (g_api.isPlay())
            g_api.decStep(1);
        break;
    case Qt::Key_F18: {
        const int n = g_api.m_numLayout;
        int idx = g_api.layoutIndex(g_api.m_layout) + 1;
        if (idx >= n)
            idx = 0;
        changeLayoutSw(g_api.layoutAt(idx), 0);
        break;
    }
    case Qt::Key_F20:
        showInfo(0, 0);
        runMenu(tx(T_BACKUP));
        break;
    case Qt::Key_F21:
        // The PTZ key: control of the camera in the first tile.
        if (!g_api.isPlay()) {
            showInfo(0, 0);
            runMenu(tx(T_PTZ));
        }
        break;
    case Qt::Key_F22:
        runMenu(tx(T_OSD));
        break;
    case Qt::Key_Menu:
        openMenu();
        break;
    case Qt::Key_F34: {
        int page = g_api.m_sw + 1;
        if (page >= g_api.numLayoutSwitch(g_api.m_layout))
            page = 0;
        if (page == g_api.m_sw)
            break;
        switchLayout(-1, page, PageWait, true);
        m_pressIdx = -1;
        m_releaseIdx = -1;
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The camera shown in the single view.
        if (g_api.m_layout == SingleLayout) {
            showInfo(0, 0);
            runMenu(tx(T_ZOOM), g_api.orderOf(g_api.m_sw));
        }
        break;
    case Qt::Key_Zoom:
        // The first camera of the page shown.
        showInfo(0, 0);
        runMenu(tx(T_ZOOM), g_api.orderOf(g_api.numLayoutCam(g_api.m_layout) * g_api.m_sw));
        break;
    case Qt::Key_Search:
        showInfo(0, 0);
        runMenu(tx(T_SEARCH));
        break;
    case Qt::Key_LaunchMedia:
        showInfo(0, 0);
        runMenu(tx(T_AUDIO_OUT));
        break;
    case Qt::Key_VolumeMute:
        selAudio(-1);
        break;
    case KEYMOD_ALT + Qt::Key_Pause:
        runMenu(tx(T_FREEZE));
        break;
    case Qt::Key_F17: {
        const double r = g_api.m_rate;
        playKey(g_api.isPlay() && r > -64 && r <= -1 ? Qt::Key_F24 : Qt::Key_F25);
        break;
    }
    case Qt::Key_F31:
        playKey(g_api.isPlay() && g_api.m_rate < 0 ? Qt::Key_F27 : Qt::Key_F28);
        break;
    default:
        if (isPlaybackKey(key))
            playKey(key);
        break;
    }
}
