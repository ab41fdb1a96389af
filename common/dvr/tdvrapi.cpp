#include "tdvrapi.h"
#include "townerthread.h"
#include "dvrtext.h"
#include "appglobals.h"
#include "tclock.h"
#include "tconfig.h"
#include "tdvrhooks.h"
#include "tdvrth.h"
#include "tlog.h"
#include "tlogthread.h"
#include "tptztourth.h"
#include "tquickopt.h"
#include "trunner.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <QMetaType>
#include <cstring>

#ifdef DAL_KEEPS_OWN_CLOCK
#include "dal_test.h"
#endif

Q_DECLARE_LOGGING_CATEGORY(lcApi)

TDVRAPI g_api;

#ifdef DAL_KEEPS_OWN_CLOCK
// The stand-in keeps the recorder's clock beside the host's (it cannot move
// the host's): the program's wall clock reads it there.
static qint64 deviceClock()
{
    DalTestClock clock{};
    dalTestGetClock(&clock);
    return qint64(clock.now);
}
#endif

// Constructed before main: nothing here talks to the device layer, and
// nothing touches a file (the runtime root is chosen later, so the quick
// options are opened by init). The clock source is only read later.
TDVRAPI::TDVRAPI()
{
#ifdef DAL_KEEPS_OWN_CLOCK
    TClock::setSource(&deviceClock);
#endif
}

TDVRAPI::~TDVRAPI()
{
    // The log copy thread is a Qt child: it copies what is pending and ends
    // before it is destroyed.
    if (m_logTh)
        m_logTh->finish();
    // A job under way ends before its thread object goes.
    if (m_dvrTh)
        m_dvrTh->wait();
    // The tour thread reads the configuration: it ends while that exists.
    delete m_ptzTourTh;
    delete m_quickOpt;
}

void TDVRAPI::init()
{
    qRegisterMetaType<QByteArray>();
    TOwnerThread::setClosing(false);
    TOwnerThread::prepare(); // remote setup hands over to this thread
    m_stopping = 0;

    // 1. Texts and records.
    m_dsp[0] = '\0';
    m_fpga[0] = '\0';
    std::memset(&m_storage, 0, sizeof m_storage);
    std::memset(&m_sdCheck, 0, sizeof m_sdCheck);
    std::memset(m_txtin, 0, sizeof m_txtin);
    std::memset(m_cell, 0, sizeof m_cell);
    std::memset(m_presetHold, 0, sizeof m_presetHold);
    std::memset(m_vidwnd, 0, sizeof m_vidwnd);
    for (QString& t : m_posText)
        t.clear();
    std::memset(m_nPosDur, 0, sizeof m_nPosDur);
    m_listInfo = ListInfo();
    std::memset(&m_pageLines, 0, sizeof m_pageLines);
    m_pageLines.page = -1;
    m_logStart = 0;
    resetBackup();

    // 2. Flags and screen state.
    m_rate = 0.0;
    m_popLayout = -1;
    m_popSw = -1;
    m_mode = 0;
    m_sendTo = nullptr;
    m_wdtOn = 1;
    m_play = m_dbf = m_searchMode = m_extDbOpen = m_frozen = m_panic = m_wndOpen = 0;
    m_fUpgrade = m_backupBusy = m_osdLock = m_numvid = 0;
    setApplying(0);
    m_uploadSince.store(-1);
    {
        QMutexLocker lock(&m_netTestMutex);
        m_nTest = m_nTestNet = 0;
        m_testKind = NET_TEST_NONE;
        m_testResults.clear();
    }
    m_shuttlePos = 0;
    m_keySource = m_keyHit = m_jogAsKey = 0;
    m_mountCount = 0;
    m_sowOsdOn = m_layoutReady = m_modeReady = 1;
    for (int i = 0; i < CHANNELS; ++i)
        m_chOrder[i] = i;
    m_hddAlarmCheck = 1;
    resetLive();
    m_deint = g_cfg ? static_cast<const PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 1))->deinterlace : 0;
    initPlayback();

    // 3. Threads. A second init (tests) ends the previous log copy first.
    if (m_logTh) {
        m_logTh->finish();
        delete m_logTh;
    }
    m_logTh = new TLogThread(this);
    // The operator hears of a log that no longer reaches flash.
    connect(m_logTh, &TLogThread::sg_copyFailed, this, [this] {
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(19), dvrText(212));
        emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
    });
    // The job thread: a job under way ends first.
    if (m_dvrTh) {
        m_dvrTh->wait();
        delete m_dvrTh;
    }
    m_dvrTh = new TDvrTh(this);
    connect(m_dvrTh, &QThread::finished, this, &TDVRAPI::sl_thFinished);
    m_jobBusy = false;
    delete m_ptzTourTh;
    m_ptzTourTh = new TPtztourth(this);
    initAlarmPtz();

    // 4. The log in RAM starts from the copy in flash.
    runSystem("cp -f /dvr/SYSTEM.log /tmp/");
    {
        QMutexLocker lock(&m_logMutex);
        delete m_log;
        m_log = new TLog("/tmp/SYSTEM.log");
        std::memset(m_lastLogs, 0, sizeof m_lastLogs);
        m_lastLogCount = 0;
    }

    // 5. The user.
    setUserName("admin");

    // The quick options, on the file of the runtime root in force.
    delete m_quickOpt;
    m_quickOpt = new TQuickOpt(QStringLiteral("/dvr/quickOpt.conf"));

    // 6. Events the facade handles itself, queued to the GUI thread.
    connect(this, &TDVRAPI::sg_fromDvr, this, &TDVRAPI::sl_fromDvr, Qt::UniqueConnection);
}

int TDVRAPI::isBackup(int which) const
{
    if (which == 0)
        return m_backupBusy;
    // which 1: alarm output 0 is held while its event lasts.
    return which == 1 ? m_alarmHold[0] : 0;
}

double TDVRAPI::getRatio(int /*resolution*/) const
{
    return 1.0;
}

void TDVRAPI::setUserName(const char* name)
{
    const size_t n = name ? strnlen(name, sizeof m_curUser - 1) : 0;
    if (n)
        std::memcpy(m_curUser, name, n);
    m_curUser[n] = '\0';
}

bool TDVRAPI::saveQuickOpt()
{
    if (!m_quickOpt || !g_cfg)
        return false;
    const auto* display = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 1));
    QMutexLocker lock(&m_quickOptMutex);
    for (int i = 0; i < CHANNELS; ++i)
        m_quickOpt->record().order[i] = display->orders[i];
    return m_quickOpt->save();
}

int TDVRAPI::cellOfChannel(int ch, VidWnd* cell) const
{
    QMutexLocker lock(&m_cellsMutex);
    const int cells = qBound(0, m_numvid, int(DAL_MAX_CH));
    for (int i = 0; i < cells; ++i) {
        if (m_vidwnd[i].ch == ch) {
            if (cell)
                *cell = m_vidwnd[i];
            return i;
        }
    }
    return -1;
}

int TDVRAPI::channelCount() const
{
    if (!g_cfg)
        return 0;
    const int videos = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos;
    return qBound(0, videos, int(CHANNELS));
}

int TDVRAPI::viewCount() const
{
    if (!g_cfg)
        return 0;
    const int videos = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos;
    return qBound(0, videos, int(DAL_MAX_CH));
}

int TDVRAPI::orderAt(int pos) const
{
    if (pos < 0)
        return -1;
    return pos < CHANNELS ? m_chOrder[pos] : pos;
}

QString TDVRAPI::titleOf(int ch) const
{
    if (!g_cfg || ch < 0 || ch >= viewCount())
        return QString();
    if (ch >= PROP_MAX_CH)
        return QStringLiteral("CH %1").arg(ch + 1);
    const auto* cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
    const char* name = cam->data[ch].name;
    return QString::fromUtf8(name, int(strnlen(name, sizeof cam->data[ch].name)));
}

void TDVRAPI::installConfigHooks()
{
    g_dvrHooks.getCaps = [](DalCaps* dal, AvcCaps* avc, VoutCaps* vout) {
        return g_api.getCaps(dal, avc, vout);
    };
    g_dvrHooks.scaleRate = [](int inputResIdx, int ridx, const AvcCaps* caps, double fps) {
        return g_api.scaleRate(inputResIdx, ridx, caps, fps);
    };
    g_dvrHooks.vinGetInfo = [](int channel, VinInfo* info) { return g_api.vinGetInfo(channel, info); };
}

int TDVRAPI::runSystem(const char* command)
{
    if (!command)
        return -1;
    return TRunner::system(QString::fromLocal8Bit(command));
}
