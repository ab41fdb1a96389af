// The main window's assembly: construction, the window table, placement,
// the device bring-up after the first show, shutdown and tear-down.
#include "tmain.h"
#include "appglobals.h"
#include "logrecord.h"
#include "tconfig.h"
#include "tdefault.h"
#include "talarmctrlwnd.h"
#include "tapplication.h"
#include "taudiownd.h"
#include "tbackupwnd.h"
#include "tdvrapi.h"
#include "tfilewnd.h"
#include "tinfo.h"
#include "tlogin.h"
#include "tmenuguard.h"
#include "tmsgwnd.h"
#include "tptzwnd.h"
#include "smartwarn.h"
#include "tres.h"
#include "tsearchwnd.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "tsplitth.h"
#include "tsplitwnd.h"
#include "tsysinfownd.h"
#include "tstatuswnd.h"
#include "tstopsignals.h"
#include "tstring.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"
#include "tzoomwnd.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QLoggingCategory>
#include <QMenu>
#include <QMoveEvent>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { OemLowerSetup = 5 };

template <class T> T* section(int idx, int live = 1)
{
    return static_cast<T*>(g_cfg->getsection(idx, live));
}

QSize sizeOf(int key)
{
    return g_res->getSize(key);
}

} // namespace

TMain::TMain(QWidget* parent, int id, const QSize& size) : TDefWnd(parent, id, size)
{
    g_api.init();
    qCDebug(lcApp, "========== TMain::TMain ============");

    // The user of the last log-in is shown as current; nobody is logged in.
    m_curUserIdx = qBound(0, g_api.lastLoginOf(), PROP_MAX_USERS - 1);
    m_loggedIn = 0;
    m_logoutSec = 0;
    g_api.setUserName(section<PropUser>(IDX_PROP_USER)->user[m_curUserIdx].id);

    m_upgrade = 0;
    m_powerOff = 0;
    const auto* display = section<PropDisplay>(IDX_PROP_DISPLAY);
    m_prevDevice = display->device2;
    m_prevRes = display->res;
    m_prevSpotHd = section<PropSpothd>(IDX_PROP_SPOTHD)->res;

    qCDebug(lcApp, "'== TMain::TMain 1 ==");
    init(0);
    qCDebug(lcApp, "'== TMain::TMain 2 ==");

    // Nobody is logged in at start.
    if (auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]))
        bar->setLock(1);
    setBackgroundRole(QPalette::NoRole);
    m_zoomRatio = 1.0;
    m_zoomRect = QRect(0, 0, -1, -1);
    qCDebug(lcApp, "'== TMain::TMain end ==");
}

TMain::~TMain()
{
    // An apply under way ends before the windows and the configuration go.
    delete m_setupTh;
    m_setupTh = nullptr;
    // The child windows go first: their hooks may still read the
    // configuration and the resources, which main deletes after this.
    deleteWnds();
    for (QRegion& r : m_regions)
        r = QRegion();
}

void TMain::init(int)
{
    m_bDrag = 0;
    move(0, 0);
    createWnd();

    m_setupTh = new TSetupth(this);
    TSetupth::Gui gui;
    gui.changeDisplay = [this](int live) { changeDisplay(live); };
    gui.resetPreview = [this] { resetPreview(); };
    gui.repaint = [this] { update(); };
    gui.userApplied = [this](const PropUser& before, const PropUser& after, int ok) {
        setupUserApplied(before, after, ok);
    };
    gui.logoutPeriod = [this] { setLogoutPeriod(); };
    gui.status = [this](const QString& title, const QString& text) { ctrlStatus(title, text); };
    // The language of OK and of the OSD page's Apply is in force before the
    // run applies the section.
    gui.beforeRun = [this](int flag) {
        if (flag == 1 || flag == 4)
            languageCheck();
    };
    m_setupTh->setGui(gui);
    m_splitTh = new TSplitTh(this, [](int layout, int nsw) { g_api.dispLayout(layout, nsw); });
    m_popupTimer = new QTimer(this);
    m_popupTimer->setSingleShot(true);
    m_popupTimer->setInterval(1500);

    // Every connection of the window's life; automatic, so a signal from
    // another thread is queued into the GUI thread.
    connect(this, &TMain::sg_init, this, &TMain::sl_initDvr);
    connect(this, &TMain::sg_shutdown, this, &TMain::sl_shutdown);
    connect(&g_api, &TDVRAPI::sg_dvrNotify, this, &TMain::sl_fromDvr);
    connect(&g_api, &TDVRAPI::sg_dvrRecord, this, &TMain::sl_fromDvrRecord);
    connect(this, &TMain::sg_ctrlStatus, this, &TMain::sl_ctrlStatus);
    connect(m_setupTh, &QThread::finished, this, &TMain::sl_setupThEnd);
    connect(this, &TMain::sg_afterShow, this, &TMain::sl_afterShow);
    connect(static_cast<TInfo*>(m_wnd[ID_WND_INFO]), &TInfo::sg_request, this, &TMain::sl_fromInfobar);
    connect(m_menu, &QMenu::aboutToShow, this, &TMain::sl_mMainshowtm);
    connect(m_menu, &QMenu::aboutToHide, this, &TMain::sl_mMainhide);
    connect(static_cast<TLogin*>(m_wnd[ID_WND_LOGIN]), &TLogin::sg_request, this, &TMain::sl_fromLogin);
    connect(static_cast<TSetupWnd*>(m_wnd[ID_WND_SETUP]), &TSetupWnd::sg_request, this, &TMain::sl_fromSetup);
    connect(backupWnd(), &TBackupWnd::sg_request, this, &TMain::sl_fromBackup);
    connect(static_cast<TFileWnd*>(m_wnd[ID_WND_FILE]), &TFileWnd::sg_request, this, &TMain::sl_fromFile);
    connect(static_cast<TSysInfoWnd*>(m_wnd[ID_WND_SYSINFO]), &TSysInfoWnd::sg_request, this,
            &TMain::sl_fromSysInfo);
    connect(static_cast<TAlarmCtrlWnd*>(m_wnd[ID_WND_ALARMCTRL]), &TAlarmCtrlWnd::sg_request, this,
            &TMain::sl_fromAlarmCtrl);
    connect(static_cast<TPtzWnd*>(m_wnd[ID_WND_PTZ]), &TPtzWnd::sg_request, this, &TMain::sl_fromPtz);
    connect(static_cast<TSearchWnd*>(m_wnd[ID_WND_SEARCH]), &TSearchWnd::sg_request, this, &TMain::sl_fromSearch);
    connect(m_popupTimer, &QTimer::timeout, this, &TMain::sl_timeoutPopup);
    auto* split = static_cast<TSplitWnd*>(m_wnd[ID_WND_SPLIT]);
    connect(split, qOverload<int, int>(&TSplitWnd::sg_request), this, &TMain::sl_fromSplit);
    connect(split, qOverload<int>(&TSplitWnd::sg_request), this, &TMain::sl_from_Remocon);
    connect(static_cast<TAudioWnd*>(m_wnd[ID_WND_AUDIO]), &TAudioWnd::sg_request, this, &TMain::sl_fromAuido);
    connect(static_cast<TZoomWnd*>(m_wnd[ID_WND_ZOOM]), &TZoomWnd::sg_request, this, &TMain::sl_fromZoom);
    for (int i = 0; i <= ID_WND_AUDIO; ++i)
        m_regions[i] = QRegion();
    connectRegions();
}

void TMain::createWnd()
{
    const int W = width();
    const int H = height();
    // Windows without a parent are placed in screen coordinates, over the
    // main window.
    // A window larger than the screen keeps its top-left corner on it.
    auto place = [this](TDefWnd* w, int x, int y) {
        x = qMax(0, x);
        y = qMax(0, y);
        w->move(w->parentWidget() ? QPoint(x, y) : pos() + QPoint(x, y));
        w->hide();
    };
    auto centre = [&](TDefWnd* w) { place(w, (W - w->width()) / 2, (H - w->height()) / 2); };
    auto done = [](const char* name) {
        qCDebug(lcApp, "============== TMain::createWnd() %s ==========", name);
    };

    // The pop-up menu first; it is rebuilt before every opening.
    m_menu = new QMenu(this);
    createMenu();

    // Slots 7, 6, 5, 0, 10, 11 and 8 (setup, search, backup, information
    // bar, PTZ, zoom, login) take the main window as parent; the shared
    // pop-ups below have none.
    auto* setup = new TSetupWnd(this, ID_WND_SETUP, sizeOf(62));
    setup->init(0);
    centre(setup);
    m_wnd[ID_WND_SETUP] = setup;
    done("setup");

    auto* search = new TSearchWnd(this, ID_WND_SEARCH, sizeOf(6));
    search->init(0);
    centre(search);
    m_wnd[ID_WND_SEARCH] = search;
    done("search");

    auto* backup = new TBackupWnd(this, ID_WND_BACKUP, sizeOf(83));
    backup->init(0);
    centre(backup);
    m_wnd[ID_WND_BACKUP] = backup;
    done("backup");

    // The information bar sits 16 pixels above the bottom edge.
    auto* info = new TInfo(this, ID_WND_INFO, sizeOf(25));
    info->init(0);
    place(info, (W - info->width()) / 2, H - info->height() - 16);
    m_wnd[ID_WND_INFO] = info;
    done("info");

    auto* ptz = new TPtzWnd(this, ID_WND_PTZ, sizeOf(10));
    ptz->init(0);
    place(ptz, (W - ptz->width()) / 2, H - ptz->height());
    m_wnd[ID_WND_PTZ] = ptz;
    done("ptz");

    auto* zoom = new TZoomWnd(this, ID_WND_ZOOM, sizeOf(11));
    zoom->init(0);
    centre(zoom);
    m_wnd[ID_WND_ZOOM] = zoom;
    done("zoom");

    auto* login = new TLogin(this, ID_WND_LOGIN, sizeOf(8));
    login->init(0);
    centre(login);
    m_wnd[ID_WND_LOGIN] = login;
    done("login");

    auto* vk = new TVKeyboard(nullptr, ID_WND_VKEYBOARD, sizeOf(2));
    vk->initCtrl();
    place(vk, ((W - vk->width()) / 4) * 2, (H - vk->height()) / 2);
    m_wnd[ID_WND_VKEYBOARD] = vk;
    g_vkeyboard = vk;
    qCDebug(lcApp, "============== TMain::createWnd() vk x:%d y:%d wid:%d hi:%d ==========", vk->x(), vk->y(),
            vk->width(), vk->height());

    auto* vkn = new TVKeyNumboard(nullptr, ID_WND_VKEYNUM, sizeOf(3));
    vkn->initCtrl();
    centre(vkn);
    m_wnd[ID_WND_VKEYNUM] = vkn;
    g_vkeynum = vkn;
    done("vkn");

    auto* file = new TFileWnd(nullptr, ID_WND_FILE, sizeOf(4));
    file->init(0);
    centre(file);
    m_wnd[ID_WND_FILE] = file;
    g_fileWnd = file;
    done("FILE");

    auto* status = new TStatusWnd(nullptr, ID_WND_STATUS, sizeOf(9));
    centre(status);
    m_wnd[ID_WND_STATUS] = status;
    g_statusWnd = status;
    connect(status, &TStatusWnd::sg_hideDue, this, &TMain::sl_hideStatus);
    done("status");

    auto* msg = new TMsgWnd(nullptr, ID_WND_MSG, sizeOf(1));
    msg->init(0);
    centre(msg);
    m_wnd[ID_WND_MSG] = msg;
    g_msgWnd = msg;
    TMsgIface::install(msg);
    done("msg");

    // System information takes the file chooser's size.
    auto* sysinfo = new TSysInfoWnd(nullptr, ID_WND_SYSINFO, sizeOf(4));
    sysinfo->init(0);
    centre(sysinfo);
    m_wnd[ID_WND_SYSINFO] = sysinfo;
    done("sysinfo");

    auto* alarm = new TAlarmCtrlWnd(nullptr, ID_WND_ALARMCTRL, sizeOf(13));
    alarm->init(0);
    centre(alarm);
    m_wnd[ID_WND_ALARMCTRL] = alarm;
    done("alarmctrl");

    // The two choosers stand 16 pixels above the bottom edge, where the
    // information bar is.
    auto* split = new TSplitWnd(nullptr, ID_WND_SPLIT, sizeOf(147));
    split->init(0);
    place(split, (W - split->width()) / 2, H - split->height() - 16);
    m_wnd[ID_WND_SPLIT] = split;
    done("split");

    auto* audio = new TAudioWnd(nullptr, ID_WND_AUDIO, sizeOf(149));
    place(audio, (W - audio->width()) / 2, H - split->height() - 16);
    m_wnd[ID_WND_AUDIO] = audio;
    done("audio");
}

TDefWnd* TMain::wnd(int id) const
{
    return id >= 0 && id < WND_SLOTS ? m_wnd[id] : nullptr;
}

void TMain::placeWnd(TDefWnd* wnd, int output)
{
    if (!wnd)
        return;
    QSize out = g_api.voutInfo(output);
    if (out.isEmpty())
        out = size(); // an output the device does not list: over this window
    QPoint centre((out.width() - wnd->width()) / 2, (out.height() - wnd->height()) / 2);
    if (wnd->id() == ID_WND_SETUP && g_default && g_default->getOem() == OemLowerSetup)
        centre.ry() += g_res->scale(30);
    // A window larger than the output keeps its top-left corner on screen:
    // its title, tabs and first controls stay in reach.
    QPoint at = mapToGlobal(QPoint(qMax(0, centre.x()), qMax(0, centre.y())));
    if (wnd->parentWidget())
        at = wnd->parentWidget()->mapFromGlobal(at);
    wnd->move(at);
}

void TMain::moveEvent(QMoveEvent* e)
{
    TDefWnd* setup = m_wnd[ID_WND_SETUP];
    if (setup) {
        const QPoint g = mapToGlobal(QPoint(0, 0));
        const QPoint at(g.x() + qMax(0, (width() - setup->width()) / 2),
                        g.y() + qMax(0, (height() - setup->height()) / 2));
        setup->move(setup->parentWidget() ? setup->parentWidget()->mapFromGlobal(at) : at);
    }
    TDefWnd::moveEvent(e);
}

int TMain::numVisibleWnd() const
{
    int n = 0;
    for (int i = 1; i < WND_SLOTS; ++i) {
        if (m_wnd[i] && m_wnd[i]->isVisible())
            ++n;
    }
    return n;
}

void TMain::deleteWnds()
{
    // The windows that use the shared pop-ups go first, while the pop-ups
    // and their process-wide pointers are still there for them (a window
    // disconnects from the message box as it goes).
    const auto shared = [](int id) {
        return id == ID_WND_MSG || id == ID_WND_STATUS || id == ID_WND_VKEYBOARD || id == ID_WND_VKEYNUM
            || id == ID_WND_FILE;
    };
    for (int id = 0; id < WND_SLOTS; ++id) {
        if (!shared(id)) {
            delete m_wnd[id];
            m_wnd[id] = nullptr;
        }
    }
    // Then each shared pop-up, its pointer cleared before it goes, so that
    // no pointer ever names a freed window.
    TMsgIface::install(nullptr);
    g_msgWnd = nullptr;
    g_statusWnd = nullptr;
    g_vkeyboard = nullptr;
    g_vkeynum = nullptr;
    g_fileWnd = nullptr;
    for (TDefWnd*& w : m_wnd) {
        delete w;
        w = nullptr;
    }
}

void TMain::resetCursor()
{
    m_pressed = 0;
    m_bDrag = 0;
    m_pressIdx = -1;
    m_releaseIdx = -1;
    if (TDefWnd* search = m_wnd[ID_WND_SEARCH])
        search->setCursor(Qt::ArrowCursor);
    setCursor(Qt::ArrowCursor);
}

void TMain::ctrlStatus(const QString& title, const QString& text)
{
    emit sg_ctrlStatus(SIG_STATE_UPDATE, title, text);
}

void TMain::evtShow() {}

void TMain::evtResize() {}

void TMain::evtKeyup(int) {}

bool TMain::evtEvent(QEvent*)
{
    return true;
}

void TMain::sl_timeoutPopup()
{
    m_skipPopup = 0;
}

void TMain::sl_initDvr()
{
    if (g_api.stopping())
        return; // a shutdown asked for before the bring-up came
    m_initDone = 0;
    g_api.coreInit();
    qCDebug(lcApp, "============== TMain::init() g_api.coreInit ==========");

    // The whole first output blends the OSD fully while the device comes up.
    VoutCaps vout;
    g_api.getCaps(nullptr, nullptr, &vout);
    const int cx = vout.numRes > 0 ? vout.outW[0] : 0;
    const int cy = vout.numRes > 0 ? vout.outH[0] : 0;
    TDVRAPI::alphaFill(0, 0, cx, cy, 7);

    auto* osd = section<PropOsd>(IDX_PROP_OSD);
    const int alpha = osd->alpha;
    osd->alpha = 7;

    selAudioByLayout(1, 1);
    g_api.setSendTo(this);
    qCDebug(lcApp, "============== TMain::init() g_api.setSendTo ==========");
    g_api.dvrinit();

    // The layout thread starts from the layout the device shows.
    m_splitTh->set(g_api.m_layout, g_api.m_sw);
    m_osdOn = osd->osdOn;

    // The device layer sees the last user log in and out again: the window
    // starts with nobody logged in, the name kept for the OSD.
    g_api.login(section<PropUser>(IDX_PROP_USER)->user[m_curUserIdx].id);
    g_api.login("");

    changeDisplay(1);
    m_initDone = 1;
    update();
    qCDebug(lcApp, "============== TMain::init() end ==========");
    qCDebug(lcApp, "evtShow() cx:%d cy:%d", cx, cy);
    TDVRAPI::alphaFill(0, 0, cx, cy, -1);

    g_api.checkStorage();
    osd->alpha = alpha;
    g_api.checkSmart();
    showSmartWarnings();

    g_cfg->reload(QString());
    QCursor::setPos(mapToGlobal(QPoint(width() - 1, height() - 1)));
    if (auto* search = static_cast<TSearchWnd*>(m_wnd[ID_WND_SEARCH]))
        search->clearToLive();
    qCDebug(lcApp, "================ TMain::sl_init end ======================");
}

void TMain::showSmartWarnings()
{
    const auto* smart = section<PropSmart>(IDX_PROP_SMART);
    if (!smart->on)
        return;
    const int tempLimit = int(g_cfg->getvaluefromindex(IDX_DATA_TEMPERATURE, smart->heat));
    const int errorLimit = int(g_cfg->getvaluefromindex(IDX_DATA_SMART_ERRORS, smart->errorcnt));
    const SmartInfo& info = g_api.m_smart;
    const SmartWarnings w = smartWarnings(info.valid, info.temp, info.error, tempLimit, errorLimit,
                                          g_str->text(239), g_str->text(261));
    for (const QByteArray& line : w.tempLogs)
        g_api.writeLog(LOG_HDD_OVERHEAT, nullptr, line.constData());
    const QStringList& lines = !w.errors.isEmpty() ? w.errors : w.temps;
    if (lines.isEmpty() || !g_msgWnd)
        return;
    g_msgWnd->setType(1);
    g_msgWnd->setTitle(g_str->text(213));
    g_msgWnd->setMessage(lines);
    placeWnd(g_msgWnd, 1);
    g_msgWnd->show();
}

void TMain::beginStop()
{
    // From the moment the stop is taken nobody is served: no key or click
    // opens anything while the stop waits, nor inside the shutdown.
    TApplication::closeInput(this);
    g_api.beginStop();
    TStopSignals::shutdownBegins();
}

void TMain::sl_shutdown()
{
    beginStop();
    m_stopDue = 1;
    // The pop-up menu runs an event loop of its own inside the handler that
    // opened it: it closes, so that handler can return.
    for (QWidget* popup = QApplication::activePopupWidget(); popup && !TMenuGuard::active();) {
        popup->close();
        QWidget* next = QApplication::activePopupWidget();
        popup = next != popup ? next : nullptr;
    }
    TApplication::betweenHandlers(this, [this] { shutdownNow(); });
}

void TMain::shutdownNow()
{
    // Changes taken before the stop are applied and stored first.
    if (m_shuttingDown || m_setupTh->busy()) {
        qCDebug(lcApp, "TMain::shutdownNow: %s", m_shuttingDown ? "under way" : "waits for the apply runs");
        return;
    }
    m_shuttingDown = 1;
    g_api.writeLog(LOG_SYSTEM_SHUTDOWN, nullptr, nullptr);
    m_initDone = 0;
    repaint();
    QCoreApplication::processEvents();
    g_api.dvrfinish();

    // No layout switch may reach the device layer once it is closed.
    m_splitTh->wait();
    powerOffDone();

    QCursor::setPos(mapToGlobal(QPoint(width() - 1, height() - 1)));
    QCoreApplication::quit();
}
