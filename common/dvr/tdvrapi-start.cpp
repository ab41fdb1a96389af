// Device bring-up and shutdown: the options of the start, the core start of
// the device layer, the whole configuration applied in its fixed order, and
// the clean stop that the next start can tell from a crash.
#include "tdvrapi.h"
#include "townerthread.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tclock.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tpath.h"
#include "tlog.h"
#include "tquickopt.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {

enum { OemNoHddBox = 5, OemPal50 = 7, OemThreePtzDrivers = 5 };

template <class T> T* liveSection(int idx)
{
    return static_cast<T*>(g_cfg->getsection(idx, 1));
}

// Copies the argument after position i into a field of 32 characters.
void takeNext(const QStringList& args, int i, char (&field)[32])
{
    if (i + 1 >= args.size())
        return; // an option at the end takes nothing
    qstrncpy(field, args.at(i + 1).toLocal8Bit().constData(), sizeof field);
}

bool bootPanicOem(int oem)
{
    return oem == 3 || oem == 5;
}

// A text of the device layer into a field, cut to size - 1 characters; true
// when the field changed.
bool copyName(char* field, int size, const char* text)
{
    char next[64] = {};
    if (text)
        qstrncpy(next, text, size_t(qMin(size, int(sizeof next))));
    if (std::strncmp(field, next, size_t(size)) == 0)
        return false;
    qstrncpy(field, next, size_t(size));
    return true;
}

} // namespace

void TDVRAPI::takeOptions(const QStringList& args)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        qCDebug(lcApi, "TDVRAPI::coreInit arg[%d]:%s", i, qPrintable(a));
        if (a.startsWith(QLatin1String("--dsp"))) {
            takeNext(args, i, m_dsp);
            qCDebug(lcApi, "TDVRAPI::coreInit dsp:%s", m_dsp);
        }
        if (a.startsWith(QLatin1String("--fpga"))) {
            takeNext(args, i, m_fpga);
            qCDebug(lcApi, "TDVRAPI::coreInit fpga:%s", m_fpga);
        }
        if (a.startsWith(QLatin1String("-disablewdt"))) {
            m_wdtOn = 0;
            qCDebug(lcApi, "TDVRAPI::coreInit watchdog disabled");
        }
    }
}

int TDVRAPI::coreInit()
{
    // 1. The options of the start.
    takeOptions(QCoreApplication::arguments());

    // 2. The device layer; nothing stops on its result.
    const int r = DalInit();
    qCDebug(lcApi, "DalInit => %d", r);

    // 3. The capability records.
    getCaps(&m_dalCaps, &m_avcCaps, &m_voutCapsRec);
    m_voutCaps = &m_voutCapsRec;

    // 4. The FPGA image of the 20-input boards.
    const char* board = m_dalCaps.board;
    if (qstrnlen(board, sizeof m_dalCaps.board) < sizeof m_dalCaps.board && std::strstr(board, "Kea") &&
        m_dalCaps.num_vin == 20) {
        if (!m_fpga[0])
            qstrncpy(m_fpga, "/dvr/fpga.bin", sizeof m_fpga);
        DalCmd("fpgaconf", m_fpga, 0);
    }

    if (!g_cfg)
        return r;

    // 5. The display order kept in the quick options.
    if (m_quickOpt) {
        m_quickOpt->load();
        auto* display = liveSection<PropDisplay>(IDX_PROP_DISPLAY);
        for (int i = 0; i < CHANNELS; ++i)
            display->orders[i] = m_quickOpt->record().order[i];
        g_cfg->save(IDX_PROP_DISPLAY);
    }

    // 6. Outputs: colours, the HD spot ratio, the resolution and the spot
    // sequences.
    dispColorSetdevice(-1);
    m_ratioHd = getRatio(liveSection<PropSpothd>(IDX_PROP_SPOTHD)->res);
    changeDisplay(liveSection<PropDisplay>(IDX_PROP_DISPLAY)->res);
    spotSetdevice();
    spothdSetdevice();

    // 7. The layouts of the main output.
    m_numLayout = qBound(0, m_voutCapsRec.numLayout, 32);

    // 8. Time zone and NTP.
    dtSetdevice(0);
    return r;
}

int TDVRAPI::dvrinit()
{
    if (!g_cfg)
        return 0;
    const int oem = g_default ? g_default->getOem() : 0;

    m_thumbNum = qMin(12, channelCount());

    enableWdt(1);
    setWdttime(30);

    m_sowOsdOn = liveSection<PropOsd>(IDX_PROP_OSD)->osdOn;

    // The recorder's disk mount closes this box.
    if (oem != OemNoHddBox)
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(300), dvrText(198));

    // Callbacks may arrive from here on, on the device layer's threads.
    registerCallbacks();

    // The remote-setup client package; a unit without one has nothing for
    // the remote client to fetch, which is no reason for tar's errors.
    if (QFileInfo(TPath::map(QStringLiteral("/dvr/rs.dll.tgz"))).isFile())
        runSystem("cd /tmp; tar -zxvf /dvr/rs.dll.tgz");
    else
        qCDebug(lcApi, "TDVRAPI::dvrinit no remote-setup package /dvr/rs.dll.tgz: nothing unpacked");

    // A run that did not stop cleanly left its last alive time behind.
    const int alive = m_quickOpt ? m_quickOpt->timeAlive() : 0;
    qCDebug(lcApi, "TDVRAPI::dvrinit timeAlive:%08x", unsigned(alive));
    if (alive != 0 && m_log) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(alive);
        m_log->log_write(LOG_ABNORMAL_RESET, "", "", &when);
    }
    writeLog(LOG_SYSTEM_START, nullptr, nullptr);

    camSetdevice(0);
    alarmSetdevice();

    if (oem == OemPal50)
        DalSetAvcCaps(50);
    else
        changeAvcCaps(1);

    DalStart();

    userSetdevice();
    setPrivacy(-1, 1);
    clearWdt();
    ptzSetdevice(-1, 1);
    clearWdt();
    ctrlSetdevice();
    clearWdt();

    VidWnd cells[DAL_MAX_CH];
    readCells(cells);
    initOsd();

    DalEncrMountSd();

    colorSetdevice(-1, 1);
    addrSetdevice();
    clearWdt();
    webSetdevice();
    clearWdt();
    emailSetdevice(1);
    netSetPort(1, 1);
    strgSetdevice();

    if (bootPanicOem(oem))
        m_panic = isBootPanic() ? 1 : 0;

    encStart();
    clearWdt();

    syncPtzDrivers(oem);
    syncTimezones();

    // The capability records kept in the configuration follow the device.
    auto* avc = liveSection<AvcCaps>(IDX_PROP_AVCCAPS);
    if (std::memcmp(avc, &m_avcCaps, sizeof m_avcCaps) != 0) {
        std::memcpy(avc, &m_avcCaps, sizeof m_avcCaps);
        g_cfg->save(IDX_PROP_AVCCAPS);
    }
    auto* dal = liveSection<DalCaps>(IDX_PROP_DALCAPS);
    if (std::memcmp(dal, &m_dalCaps, sizeof m_dalCaps) != 0) {
        std::memcpy(dal, &m_dalCaps, sizeof m_dalCaps);
        g_cfg->save(IDX_PROP_DALCAPS);
    }

    writeWebAccount();
    audioSetdevice();

    // The unit's MAC address, shown and sent with DDNS updates.
    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    DalNetGetEth0(&eth);
    char mac[32];
    std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", eth.mac[0], eth.mac[1], eth.mac[2],
                  eth.mac[3], eth.mac[4], eth.mac[5]);
    qstrncpy(m_netInfo.mac, mac, sizeof m_netInfo.mac);
    auto* ddns = liveSection<PropNetddns>(IDX_PROP_NETDDNS);
    qstrncpy(ddns->mac, mac, sizeof ddns->mac);
    g_cfg->save(IDX_PROP_NETDDNS);
    qCDebug(lcApi, "[dvrinit] szmac:%s sztype:%.*s", mac, int(qstrnlen(ddns->type, sizeof ddns->type)),
            ddns->type);

    connect(this, &TDVRAPI::sg_decInfo, this, &TDVRAPI::sl_decInfo, Qt::UniqueConnection);

    // The motion grid of the edit copy follows the encoder's.
    auto* motion = static_cast<PropMotion*>(g_cfg->getsection(IDX_PROP_MOTION, 0));
    if (motion->rows != m_avcCaps.md_row || motion->cols != m_avcCaps.md_col) {
        motion->rows = m_avcCaps.md_row;
        motion->cols = m_avcCaps.md_col;
        g_cfg->save(IDX_PROP_MOTION);
    }

    motionSetdevice(1);
    encSetdevice();
    smartSetdevice();
    posSetdevice();

    if (bootPanicOem(oem)) {
        char led[128] = {};
        std::snprintf(led, sizeof led, "%d", m_panic.load());
        DalCmd("PANIC_RECORD_LED", led, int(sizeof led));
    }

    decSetdevice();
    return 0;
}

void TDVRAPI::syncPtzDrivers(int oem)
{
    PtzCaps caps;
    std::memset(&caps, 0, sizeof caps);
    DalPtzGetCaps(&caps);
    auto* drv = liveSection<PropPtzdrv>(IDX_PROP_PTZDRV);
    // The section holds at most 20 drivers; the device may list more.
    int cnt = qBound(0, int(caps.cnt), int(PROP_MAX_PTZDRV));
    if (oem == OemThreePtzDrivers)
        cnt = 3;
    qCDebug(lcApi, "PTZ.. p->cnt:%d num_ptzdriver:%d", caps.cnt, drv->cnt);
    if (cnt == drv->cnt)
        return;
    drv->cnt = cnt;
    for (int i = 0; i < cnt; ++i) {
        std::memset(drv->driver[i], 0, sizeof drv->driver[i]);
        const size_t n = qstrnlen(caps.drv[i].name, sizeof caps.drv[i].name);
        std::memcpy(drv->driver[i], caps.drv[i].name, qMin(n, sizeof drv->driver[i] - 1));
    }
    g_cfg->save(IDX_PROP_PTZDRV);
}

void TDVRAPI::syncTimezones()
{
    SysCaps caps;
    std::memset(&caps, 0, sizeof caps);
    DalSysGetCaps(&caps);
    auto* tz = liveSection<PropTimezone>(IDX_PROP_TIMEZONE);
    const int cnt = caps.tz ? qBound(0, int(caps.numTz), int(PROP_MAX_TIMEZONES)) : 0;
    int diff = 0;
    if (tz->cnt != cnt) {
        tz->cnt = cnt;
        ++diff;
    }
    for (int i = 0; i < cnt; ++i) {
        TimezoneEntry& e = tz->zone[i];
        if (e.dst != caps.tz[i].dst) {
            e.dst = caps.tz[i].dst;
            ++diff;
        }
        if (copyName(e.local, int(sizeof e.local), caps.tz[i].name))
            ++diff;
    }
    qCDebug(lcApi, "dvrinit.. TZ.. diff:%d", diff);
    if (diff > 0)
        g_cfg->save(IDX_PROP_TIMEZONE);
}

void TDVRAPI::dvrfinish()
{
    qCDebug(lcApi, "dvrfinish.. m_fUpgrade:%d", m_fUpgrade.load());
    // With an upgrade due the watchdog stays armed at its 30 s.
    if (!m_fUpgrade)
        enableWdt(0);

    // The device layer's threads stop below; one that waits for the GUI
    // thread (a remote-setup packet) gives up at once instead of holding the
    // stop for its bound.
    TOwnerThread::setClosing(true);
    stopPtzTour(-1);
    closeBackupDb();
    buzzerOff();
    DalDecStop();
    DalEncrStop();
    DalStop();
    DalExit();

    // A clean stop: the next start writes no abnormal-reset record. A stop
    // whose last log records did not reach flash is no clean stop: the
    // alive time stays, and the next start's log shows where they were lost.
    const bool logInFlash = flushLog();
    if (!logInFlash)
        qCWarning(lcApi, "TDVRAPI::dvrfinish the system log did not reach flash");
    if (m_quickOpt) {
        m_quickOpt->setTimeAlive(logInFlash ? 0 : int(TClock::secs()));
        m_quickOpt->save();
    }
    qCDebug(lcApi, "TDVRAPI::dvrfinish exit");
}

int TDVRAPI::testInitIo()
{
    int32_t chain[DAL_MAX_CH];
    const int videos = g_cfg ? channelCount() : 0;
    for (int i = 0; i < DAL_MAX_CH; ++i)
        chain[i] = i < videos ? i : -1;
    VoutCaps vout;
    getCaps(nullptr, nullptr, &vout);
    const int n = qBound(0, int(vout.numLayout), 32);
    DalVoutSetLayout(0, n > 0 ? vout.layout[n - 1] : 1, chain);
    DalIoTestLed(0);
    audioSetdevice();
    encSetdevice();
    m_frozen = 0;
    return 0;
}
