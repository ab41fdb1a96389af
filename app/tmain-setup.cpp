// The main window's side of the setup menu: the setup window's actions
// carried out on the device, the answers handed back, the apply thread
// started and finished, live previews and the preview window, remote setup
// and power-off.
#include "tmain.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "logrecord.h"
#include "netrecords.h"
#include "setupaction.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tproperty.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"
#include "tstring.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTimer>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace SA = SetupAct;

// The codes remote setup carries are the setup menu's own.
static_assert(int(::Act_PrvOsdAlpha) == int(SetupAct::Act_PrvOsdAlpha), "setup codes");
static_assert(int(::Act_PrvColor) == int(SetupAct::Act_PrvColor), "setup codes");
static_assert(int(::Act_PrvColorBri) == int(SetupAct::Act_PrvColorBri), "setup codes");
static_assert(int(::Act_PrvColorCon) == int(SetupAct::Act_PrvColorCon), "setup codes");
static_assert(int(::Act_PrvColorSat) == int(SetupAct::Act_PrvColorSat), "setup codes");
static_assert(int(::Act_PrvColorHue) == int(SetupAct::Act_PrvColorHue), "setup codes");
static_assert(int(::Act_PrvDispCsc) == int(SetupAct::Act_PrvDispCsc), "setup codes");
static_assert(int(::Act_InfoCamera) == int(SetupAct::Act_InfoCamera), "setup codes");
static_assert(int(::Act_PrvPrivate) == int(SetupAct::Act_PrvPrivate), "setup codes");
static_assert(int(::Act_PrvAudio) == int(SetupAct::Act_PrvAudio), "setup codes");
static_assert(int(::Act_PrvMotion) == int(SetupAct::Act_PrvMotion), "setup codes");
static_assert(int(::Act_PrvMotionOff) == int(SetupAct::Act_PrvMotionOff), "setup codes");
static_assert(int(::Act_InfoMotion) == int(SetupAct::Act_InfoMotion), "setup codes");
static_assert(int(::Act_PrvMotionTrace) == int(SetupAct::Act_PrvMotionTrace), "setup codes");
static_assert(int(::Act_PrvPtz) == int(SetupAct::Act_PrvPtz), "setup codes");
static_assert(int(::Act_InfoPos) == int(SetupAct::Act_InfoPos), "setup codes");
static_assert(int(::Act_InfoDhcp) == int(SetupAct::Act_InfoDhcp), "setup codes");
static_assert(int(::Act_TestUpnp) == int(SetupAct::Act_TestUpnp), "setup codes");
static_assert(int(::Act_InfoUpnp) == int(SetupAct::Act_InfoUpnp), "setup codes");
static_assert(int(::Act_TestDdns) == int(SetupAct::Act_TestDdns), "setup codes");
static_assert(int(::Act_InfoDdns) == int(SetupAct::Act_InfoDdns), "setup codes");
static_assert(int(::Act_TestEmail) == int(SetupAct::Act_TestEmail), "setup codes");
static_assert(int(::Act_InfoNetClient) == int(SetupAct::Act_InfoNetClient), "setup codes");
static_assert(int(::Act_TestNtp) == int(SetupAct::Act_TestNtp), "setup codes");
static_assert(int(::Act_InfoStrg) == int(SetupAct::Act_InfoStrg), "setup codes");
static_assert(int(::Act_StrgCheck) == int(SetupAct::Act_StrgCheck), "setup codes");
static_assert(int(::Act_InfoSmart) == int(SetupAct::Act_InfoSmart), "setup codes");
static_assert(int(::NET_PAGE_COLOR) == int(SetupAct::Btn_Display_Color), "setup codes");

namespace {

enum {
    T_POWER_OFF = 28,
    T_SETUP = 2,
    T_WAIT = 198,
    T_UNPLUG = 353,
    T_TURN_OFF = 354,
    T_USB_DETECTED = 302,
    T_USB_MOUNT = 303,
    T_UPGRADE = 177,
    T_IMPORT = 304,
    T_NO_DATA = 246,
    T_DEFAULT_CONF = 305,
    T_IMPORT_FAILED = 293,
    PTZ_SPEED = 3
};

// The device's pan and tilt commands.
enum { PtzLeft = 0, PtzRight = 1, PtzUp = 2, PtzDown = 3 };

QString text(int id)
{
    return g_str ? g_str->text(id) : QString();
}

template <class T> T* section(int idx, int live)
{
    return static_cast<T*>(g_cfg->getsection(idx, live));
}

// The run a remote setup may start: OK, CANCEL or a page's Apply.
bool remoteRun(int code)
{
    return code == SA::Btn_Ok || code == SA::Btn_Cancel || SA::isPageId(code);
}

} // namespace

TSetupWnd* TMain::setupWnd() const
{
    return static_cast<TSetupWnd*>(m_wnd[ID_WND_SETUP]);
}

void TMain::setupStatus(int code, int title, int body)
{
    emit sg_ctrlStatus(code, text(title), text(body));
}

void TMain::setLogoutPeriod()
{
    const auto* users = section<PropUser>(IDX_PROP_USER, 1);
    m_logoutSec = int(g_cfg->getvaluefromindex(IDX_DATA_AUTOLOCK, users->autolock));
}

// ---- The Setup command ---------------------------------------------------

void TMain::cmdSetup(int arg)
{
    TSetupWnd* setup = setupWnd();
    if (!setup)
        return;
    m_skipPopup = 1;
    qCDebug(lcApp, "m_skipPopup = 1 Str_Setup");
    m_popupTimer->start(1500);
    g_api.writeLog(LOG_SETUP_START, g_api.m_curUser, nullptr);
    setup->setCurGroup(arg);
    m_inSetup = 1;
    m_savedAudioCh = m_audioCh;
    audioOff();
    g_api.setOsd(0);
    showInfo(0, 0);
    setup->setCurUser(m_curUserIdx);
    if (m_popCh >= 0) {
        m_popCnt = 0;
        tickPopup();
    }
    placeWnd(setup, 1);
    setup->show();
}

// ---- The bridge ------------------------------------------------------------

void TMain::languageCheck()
{
    const int size = TProperty::sectionSize(IDX_PROP_OSD);
    QByteArray after(size, '\0');
    QByteArray before(size, '\0');
    if (g_cfg->apply(IDX_PROP_OSD, after.data(), before.data(), 0)) {
        const auto* n = reinterpret_cast<const PropOsd*>(after.constData());
        const auto* o = reinterpret_cast<const PropOsd*>(before.constData());
        if (qstrncmp(n->lang, o->lang, sizeof n->lang) != 0 && g_str) {
            g_str->setLanguage(QString::fromUtf8(n->lang, int(qstrnlen(n->lang, sizeof n->lang))),
                               QString::fromUtf8(o->lang, int(qstrnlen(o->lang, sizeof o->lang))));
            QCoreApplication::processEvents();
        }
    }
    // The apply thread still finds the section changed, logs and applies it.
    std::memcpy(g_cfg->getsection(IDX_PROP_OSD, 0), after.constData(), size_t(size));
    std::memcpy(g_cfg->getsection(IDX_PROP_OSD, 1), before.constData(), size_t(size));
}

void TMain::leaveSetup()
{
    g_api.writeLog(LOG_SETUP_STOP, g_api.m_curUser, nullptr);
    g_api.umountExtSd();
    g_api.setOsdHold(0);
    m_inSetup = 0;
}

void TMain::sl_fromSetup(int code, int a, int b, QString name)
{
    qCDebug(lcApp, "======== TMain::sl_fromSetup (%d, %d, %d) ========", code, a, b);
    TSetupWnd* setup = setupWnd();
    if (!setup)
        return;
    if (runPreSetup(code, a, b) || runApiCmd(code, a, b))
        return;
    m_localSetup = 1;
    if (code > SA::Act_Last)
        return;
    const QByteArray file = name.toUtf8();

    if (code == SA::Btn_Shutdown) {
        m_powerOff = 1;
        // From here on no remote change is taken; the runs under way end
        // before the device stops. The unplug message waits until then.
        shutdownLater();
        setupStatus(SIG_STATE_START, T_POWER_OFF, T_WAIT);
        return;
    }
    if (code == SA::Btn_Ok || code == SA::Btn_Cancel)
        leaveSetup();
    if (code == SA::Btn_Ok || code == SA::Btn_Cancel || SA::isPageId(code)) {
        // OK and the OSD page's Apply take the new language before their
        // run starts (the apply thread's hook).
        if (code != SA::Btn_Cancel)
            setupStatus(SIG_STATE_START, T_SETUP, T_WAIT);
        setupStatus(SIG_STATE_UPDATE, T_SETUP, T_WAIT);
        m_setupTh->set(code, a, b, QString(), 1);
        return;
    }

    switch (code) {
    case SA::Act_InfoCamera:
        g_api.checkCamera();
        setup->reply(code, 0, &g_api.m_vinState);
        break;
    case SA::Act_PrvMotion: g_api.motionSet(a); break;
    case SA::Act_PrvMotionOff: g_api.motionOff(a); break;
    case SA::Act_PrvMotionTrace: g_api.motionTrace(a); break;
    case SA::Act_InfoPos:
        g_api.posScan();
        setup->reply(code, 0, g_api.m_posScan);
        break;
    case SA::Act_InfoDhcp:
        qCDebug(lcApp, "========== from setup : SA::Act_InfoDhcp ===========");
        g_api.checkIp();
        setup->reply(code, 0, g_api.m_eth0Text);
        break;
    case SA::Act_InfoUpnp: {
        qCDebug(lcApp, "=================== sl_fromStup : request upnp state ==================");
        QString state;
        g_api.checkUpnp(state);
        setup->reply(code, 0, &state);
        qCDebug(lcApp, "=================== sl_fromStup : reply upnp state ==================");
        break;
    }
    case SA::Act_InfoDdns: {
        QString state;
        g_api.checkDdns(state);
        setup->reply(code, 0, &state);
        break;
    }
    case SA::Act_InfoNetClient:
        g_api.getNetInfo();
        setup->reply(code, 0, &g_api.m_netInfo);
        break;
    case SA::Act_InfoStrg:
        qCDebug(lcApp, "TSetupWnd::Act_InfoStrg");
        g_api.checkStorage();
        setup->reply(code, 0, &g_api.m_storage);
        break;
    case SA::Act_StrgFormat: {
        // A format the layer refuses brings no end event: the page shows
        // the disks as they still are (the Mirroring box as before its
        // click). A format taken refreshes it when the disks report.
        bool refused = false;
        g_api.formatStorage(a, b, &refused);
        if (refused) {
            g_api.checkStorage();
            setup->reply(SA::Act_InfoStrg, 0, &g_api.m_storage);
        }
        break;
    }
    case SA::Act_InfoSmart:
        setupStatus(SIG_STATE_START, T_SETUP, T_WAIT);
        g_api.checkSmart();
        setup->reply(code, 0, &g_api.m_smart);
        hideStatusLater(1000);
        break;
    case SA::Act_InfoSlog:
    case SA::Act_InfoSlog2:
        g_api.logPages(a);
        setup->reply(code, 0, &g_api.m_listInfo);
        break;
    case SA::Act_InfoSlogLines:
        g_api.logLines(a);
        setup->reply(code, 0, &g_api.m_pageLines);
        break;
    case SA::Act_SlogExport: g_api.saveLogFile(file.constData()); break;
    case SA::Act_ConfDetect:
        setupStatus(SIG_STATE_START, T_USB_DETECTED, T_WAIT);
        g_api.detectExtSd(ID_WND_SETUP, SA::Act_ConfDetect);
        break;
    case SA::Act_ConfMount:
        setupStatus(SIG_STATE_UPDATE, T_USB_MOUNT, T_WAIT);
        // The system pages' chain is for the USB stick: the facade's device 0.
        g_api.mountExtSd(ID_WND_SETUP, SA::Act_ConfMount, 1, 0);
        break;
    case SA::Act_ConfUpgrade: {
        m_logoutSec = -1;
        setupStatus(SIG_STATE_START, T_UPGRADE, T_WAIT);
        char version[256] = "0.0.0.0";
        TDVRAPI::findFwr(file.constData(), version, sizeof version);
        qCDebug(lcApp, "SA::Act_ConfUpgrade.. fwr_ver:%s", version);
        readyUpgradeImage("/dvr/upgradeImage.raw", version);
        g_api.upgradeExtSd(file.constData());
        break;
    }
    case SA::Act_ConfExport: g_api.exportConf(file.constData()); break;
    case SA::Act_ConfImport:
        if (name.isEmpty()) {
            setupStatus(SIG_STATE_START, T_IMPORT, T_NO_DATA);
            hideStatusLater(3000);
        } else if (!TSetupth::isPlainName(name)) {
            // Only a file of the medium's own folder is read.
            setupStatus(SIG_STATE_START, T_IMPORT, T_IMPORT_FAILED);
            hideStatusLater(3000);
        } else {
            setupStatus(SIG_STATE_START, T_IMPORT, T_WAIT);
            m_setupTh->set(code, a, b, name, 1);
        }
        break;
    case SA::Act_ConfDefault:
        setupStatus(SIG_STATE_START, T_DEFAULT_CONF, T_WAIT);
        m_setupTh->set(code, a, b, QString(), 1);
        break;
    case SA::Act_PipShow:
    case SA::Act_PipHide:
    case SA::Act_PipReshow: previewWindow(code, a, b); break;
    case SA::Act_HotBoardTest:
    case SA::Act_HotDelConfig:
    case SA::Act_HotDelLog:
    case SA::Act_HotFormat: g_api.hotKeyAction(code - SA::Act_HotBoardTest, 1); break;
    default: break; // tabs, 51, 53, 59
    }
}

// ---- Previews and device tests ------------------------------------------------

int TMain::runPreSetup(int code, int a, int b)
{
    qCDebug(lcApp, "runPreSetup.. type:%d ch:%d ch_idx:%d", code, a, g_api.posInOrder(a));
    if (code < SA::Act_PrvOsdAlpha || code > SA::Act_PrvPtzRight || code == SA::Act_InfoCamera ||
        (code >= SA::Act_PrvMotion && code <= SA::Act_Unused53))
        return 0;
    // Values may come from a remote client: out of range, nothing happens.
    const int cameras = g_api.channelCount();
    const bool channelOk = a >= -1 && a < cameras;
    switch (code) {
    case SA::Act_PrvOsdAlpha: {
        if (a < 0 || a > 7)
            break;
        int n = 0;
        for (const QRect& r : coveredRegion()) {
            g_api.alphaFillCfg(r.x(), r.y(), r.width(), r.height(), a);
            qCDebug(lcApp, "[%02d] : %03d %03d %03d %03d alpha:%d", n++, r.x(), r.y(), r.width(), r.height(), a);
        }
        break;
    }
    case SA::Act_PrvColor:
        if (channelOk)
            g_api.colorSetdevice(a, 0);
        break;
    case SA::Act_PrvColorBri:
    case SA::Act_PrvColorCon:
    case SA::Act_PrvColorSat:
    case SA::Act_PrvColorHue:
        if (channelOk && b >= 0 && b <= 255)
            g_api.colorcontrol(a, code, b);
        break;
    case SA::Act_PrvDispOut:
        g_api.dispColorSetdevice(a);
        changeDisplay(0);
        update();
        break;
    case SA::Act_PrvDispCsc:
        // A component outside 0..3 reloads all four from the edit copy.
        g_api.dispcolorcontrol(a >= 0 && a <= 3 ? a : 4, a >= 0 && a <= 3 ? b : 0);
        break;
    case SA::Act_PrvPrivate:
        if (channelOk)
            g_api.setPrivacy(a, 0);
        break;
    case SA::Act_PrvAudio:
        if (a == 0)
            audioOff();
        else
            selAudioByLayout(0, 1);
        break;
    case SA::Act_PrvPtz:
        if (channelOk)
            g_api.ptzSetdevice(a, 0);
        break;
    case SA::Act_PrvPtzUp:
    case SA::Act_PrvPtzDown:
    case SA::Act_PrvPtzLeft:
    case SA::Act_PrvPtzRight: {
        static const int cmd[] = {PtzUp, PtzDown, PtzLeft, PtzRight};
        if (a >= 0 && a < cameras && (b == 0 || b == 1))
            g_api.ptzControl(a, cmd[code - SA::Act_PrvPtzUp], b, PTZ_SPEED);
        break;
    }
    default: break;
    }
    return 1;
}

int TMain::runApiCmd(int code, int, int)
{
    switch (code) {
    case SA::Act_TestUpnp: g_api.testUpnp(); return 1;
    case SA::Act_TestDdns: g_api.testDdns(); return 1;
    case SA::Act_TestEmail: g_api.testEmail(); return 1;
    case SA::Act_TestNtp: g_api.syncNtp(); return 1;
    case SA::Act_StrgCheck: g_api.fsckStorage(); return 1;
    default: return 0;
    }
}

void TMain::resetPreview()
{
    const auto* osd = section<PropOsd>(IDX_PROP_OSD, 0);
    runPreSetup(SA::Act_PrvOsdAlpha, osd->alpha, 0);
    runPreSetup(SA::Act_PrvDispCsc, -1, 0);
    runPreSetup(SA::Act_PrvColor, -1, 0);
    runPreSetup(SA::Act_PrvAudio, 1, 0);
    runPreSetup(SA::Act_PrvPtz, -1, 0);
    runPreSetup(SA::Act_PrvPrivate, -1, 0);
}

void TMain::previewWindow(int code, int a, int)
{
    TSetupWnd* setup = setupWnd();
    switch (code) {
    case SA::Act_PipShow: {
        const QRect r = setup->pipRect();
        g_api.startPip(r.left(), r.top(), a, 0);
        m_pipRect = r;
        // The preview area stops counting as covered by the setup window,
        // so the live picture shows through the OSD there.
        sl_showed(ID_WND_SETUP, 0, QRegion(QRect(setup->mapFromGlobal(r.topLeft()), r.size())));
        break;
    }
    case SA::Act_PipHide: {
        const QRect r = m_pipRect;
        m_pipRect = QRect(QPoint(0, 0), QPoint(-1, -1));
        if (r.isValid() && setup->isVisible())
            sl_showed(ID_WND_SETUP, 1, QRegion(QRect(setup->mapFromGlobal(r.topLeft()), r.size())));
        g_api.closePopup2();
        break;
    }
    case SA::Act_PipReshow: g_api.showLayout2(a); break;
    default: break;
    }
}

// ---- The end of a run ------------------------------------------------------------

void TMain::sl_setupThEnd()
{
    const int flag = m_setupTh->flag();
    if (flag == SA::Btn_Network_Addr) {
        const auto* addr = section<PropNetaddr>(IDX_PROP_NETADDR, 1);
        // A new DHCP address closes the box when it arrives.
        if (!(addr->dhcp && m_setupTh->addrChanged()))
            hideStatusLater(2000);
    } else if (flag == SA::Btn_System_Dt) {
        qCDebug(lcApp, "TMain::sl_setupThEnd.. SA::Btn_System_Dt");
        if (setupWnd() && setupWnd()->isVisible())
            setupWnd()->toDt(0, QString());
        hideStatusLater(2000);
    } else {
        hideStatusLater(2000);
    }

    m_osdOn = section<PropOsd>(IDX_PROP_OSD, 1)->osdOn;
    g_api.setOsd(m_osdOn);
    // The audio section's output (0 "All Off", else camera + 1); a camera
    // the unit does not have is off. The file's value is kept as read, so
    // it is checked before the step down, which then cannot overflow.
    const int out = section<PropAudio>(IDX_PROP_AUDIO, 1)->out;
    selAudio(out >= 1 && out <= g_api.channelCount() ? out - 1 : -1);
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->updateTime();

    const auto* display = section<PropDisplay>(IDX_PROP_DISPLAY, 1);
    const int spotHd = section<PropSpothd>(IDX_PROP_SPOTHD, 1)->res;
    if (m_setupTh->local()) {
        qCDebug(lcApp, "sl_setupThEnd.. res:%d -> %d dev:%d -> %d", m_prevRes, display->res, m_prevDevice,
                display->device2);
    } else if (display->res != m_prevRes || display->device2 != m_prevDevice || spotHd != m_prevSpotHd) {
        changeDisplay(1);
        m_prevRes = display->res;
        m_prevDevice = display->device2;
        m_prevSpotHd = spotHd;
    }
    m_localSetup = 0;
    update();
    // The next queued run, or the apply flag down once the last one ended.
    if (!m_setupTh->startNext()) {
        g_api.setApplying(0);
        // A stop that waited for the runs goes on, after this handler.
        if (m_stopDue)
            sl_shutdown();
    }
}

void TMain::setupUserApplied(const PropUser& before, const PropUser& after, int ok)
{
    if (!m_loggedIn || m_curUserIdx < 0 || m_curUserIdx >= PROP_MAX_USERS)
        return;
    const UserAccount& o = before.user[m_curUserIdx];
    const UserAccount& n = after.user[m_curUserIdx];
    const bool gone = ok ? qstrncmp(o.id, n.id, sizeof o.id) != 0 : n.id[0] == '\0';
    if (!gone)
        return;
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setLock(1);
    m_logoutSec = -1;
    m_loggedIn = 0;
    const QByteArray id(o.id, int(qstrnlen(o.id, sizeof o.id)));
    g_api.writeLog(LOG_AUTO_LOGOUT, nullptr, id.constData());
    m_curUserIdx = 0;
    m_loginUserIdx = 0;
    g_api.login("");
}

// ---- Power-off ------------------------------------------------------------

void TMain::powerOffDone()
{
    if (!m_powerOff)
        return;
    emit sg_ctrlStatus(SIG_STATE_UPDATE, text(T_POWER_OFF), text(T_UNPLUG) + QLatin1Char('\n') + text(T_TURN_OFF));
}

// ---- The dispatcher's setup rows ---------------------------------------------

void TMain::setupTick()
{
    setupClock(0);
}

void TMain::setupClock(int t)
{
    TSetupWnd* setup = setupWnd();
    if (setup && setup->isVisible())
        setup->toDt(t, QString());
}

void TMain::setupReply(int code, void* data)
{
    TSetupWnd* setup = setupWnd();
    if (setup && setup->isVisible())
        setup->reply(code, 0, data);
}

bool TMain::setupNotify(int code, int val1, int val2, int rsType, const QString&, const QString& strm)
{
    TSetupWnd* setup = setupWnd();
    const bool visible = setup && setup->isVisible();
    switch (code) {
    case SIG_NET_SETUP:
    case SIG_NET_RS_APPLY: {
        qCDebug(lcApp, "SIG_NET_SETUP.. code:%d rs_type:%d", code, rsType);
        if (!remoteRun(rsType)) {
            // Nothing will run: the remote client must not wait for it.
            if (!m_setupTh->busy())
                g_api.setApplying(0);
            return true;
        }
        if (code == SIG_NET_SETUP) {
            TSetupth::keepPageOnly(rsType);
            if (visible) {
                // The client replaced the edit copy: the menu closes without
                // reverting it.
                setup->closeForRemote();
                leaveSetup();
            }
            emit sg_ctrlStatus(SIG_STATE_START, QStringLiteral("Remote Setup"), text(T_WAIT));
        }
        m_localSetup = 0;
        m_setupTh->set(rsType, 0, 0, QString(), 0);
        return true;
    }
    case SIG_NET_RS_SET:
        m_localSetup = 0;
        runPreSetup(rsType, val1, val2);
        return true;
    case SIG_NET_RS_TEST:
        if (visible)
            setup->sl_btnclicked(SA::Btn_Cancel, 0);
        m_localSetup = 0;
        runApiCmd(rsType, val1, val2);
        return true;
    case SIG_POS_USB:
        if (visible) {
            g_api.posScan();
            setup->reply(SA::Act_InfoPos, 0, g_api.m_posScan);
        }
        return true;
    case SIG_NET_DHCP:
        if (visible) {
            setup->reply(SA::Act_InfoDhcp, 0, g_api.m_eth0Text);
            hideStatusLater(3000);
        }
        return true;
    case SIG_NET_UPNP:
    case SIG_NET_DDNS:
        if (visible) {
            QString state = strm;
            setup->reply(code == SIG_NET_UPNP ? SA::Act_InfoUpnp : SA::Act_InfoDdns, 0, &state);
        }
        return true;
    case SIG_BD_DETECT:
    case SIG_BD_MOUNT: {
        if (val1 != ID_WND_SETUP)
            return false;
        const bool detect = code == SIG_BD_DETECT;
        if (val2 != (detect ? SA::Act_ConfDetect : SA::Act_ConfMount))
            return true;
        // The pages read the USB stick's entry (the first of the list).
        BdList list = g_api.bdList();
        const QString title = text(detect ? T_USB_DETECTED : T_USB_MOUNT);
        if (!rsType) {
            emit sg_ctrlStatus(SIG_STATE_UPDATE, title,
                               detect ? QStringLiteral("No USB Device") : QStringLiteral("Failed"));
            hideStatusLater(3000);
        } else {
            if (setup)
                setup->reply(val2, 0, &list.bd[0]);
            if (!detect)
                emit sg_ctrlStatus(SIG_STATE_END, title, QStringLiteral("Success"));
        }
        return true;
    }
    case SIG_FU_END:
        if (val1 == 0) {
            g_api.encStart();
            return true;
        }
        {
            char version[256] = "0.0.0.0";
            const QByteArray v = strm.toUtf8();
            if (!v.isEmpty())
                qstrncpy(version, v.constData(), sizeof version);
            readyUpgradeImage("/dvr/upgradeImage.raw", version);
            g_api.writeLog(LOG_NET_UPGRADE, nullptr, nullptr);
            m_upgrade = 1;
            shutdownLater();
        }
        return true;
    default: return false;
    }
}
