// The recorder's questions and notifications (record configuration, disks,
// S.M.A.R.T. and recording faults) and the recording and encoder control.
#include "tdvrapi.h"
#include "tclock.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tmessages.h"
#include "tpath.h"
#include "tquickopt.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutexLocker>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
template <class T> T* section(int idx, int live)
{
    return static_cast<T*>(g_cfg->getsection(idx, live));
}

int oemId()
{
    return g_default ? g_default->getOem() : -1;
}

// The broken-down local time the recorder asks about, each field within its
// range so that it can index the schedule and holiday tables; null: now.
struct tm scheduleTime(const struct tm* now)
{
    struct tm t;
    if (now) {
        t = *now;
    } else {
        const time_t secs = time_t(TClock::secs());
        localtime_r(&secs, &t);
    }
    t.tm_min = qBound(0, t.tm_min, 59);
    t.tm_hour = qBound(0, t.tm_hour, 23);
    t.tm_mday = qBound(0, t.tm_mday, 31);
    t.tm_mon = qBound(0, t.tm_mon, 11);
    t.tm_wday = qBound(0, t.tm_wday, 6);
    return t;
}

// The network-stream record of the first channels (32 entries, zero beyond
// them): the first stream as the stream section sets it, the second never on.
void buildEncn(EncnCfg* out, int channels, const PropNetcontrol& net, const PropCamera& cam, const AvcCaps& caps)
{
    std::memset(out, 0, sizeof(EncnCfg) * DAL_MAX_CH);
    for (int ch = 0; ch < channels; ++ch) {
        const RecordEntry& e = net.entry[ch];
        EncnCfg& c = out[ch];
        c.on = net.mainOn[ch] && !cam.data[ch].disableOn ? 1 : 0;
        c.res = oemId() == 5 ? 1 : uint16_t(g_cfg->getvaluefromindex(IDX_DATA_NET_RES, e.cridx));
        c.qual = uint16_t(g_cfg->getvaluefromindex(IDX_DATA_QUALITY, e.cqual));
        c.fidx = e.cfidx < caps.num_fidx ? e.cfidx : 1;
    }
}

// The channel count of a device section, cut to the configuration's tables.
int videosOf(const PropDevices* dev)
{
    return qBound(0, dev->videos, int(PROP_MAX_CH));
}
}

int TDVRAPI::runEncCfg(const struct tm* now, EncCfg* out)
{
    if (!out)
        return 0;
    std::memset(out, 0, sizeof(EncCfg) * DAL_MAX_CH);
    if (!g_cfg)
        return 0;
    const int videos = channelCount();

    // Panic: every channel records continuously, whatever the schedule says.
    if (m_panic) {
        for (int c = 0; c < videos; ++c) {
            out[c].audio = 1;
            out[c].contOn = 1;
            out[c].conti_ridx = 0;
            out[c].contQual = 3;
            out[c].contFps = 0;
        }
        return 0;
    }

    // The copy handed over when recording was started or refreshed; the
    // live sections themselves belong to the GUI thread.
    QMutexLocker lock(&m_encMutex);
    const RecordSource& src = m_encSource;
    if (!src.taken)
        return 0;
    const RecordEntry* table = src.record.data;
    const PropSchedule* schedule = &src.schedule;
    if (schedule->on) {
        const struct tm t = scheduleTime(now);
        int row = t.tm_wday;
        if (schedule->holiydayOn && src.holiday.data[t.tm_mon][t.tm_mday])
            row = 7;
        const int cell = t.tm_hour * 6 + t.tm_min / 10;
        const int group = int(g_cfg->getvaluefromindex(IDX_DATA_REC_GROUP, schedule->data[row][cell]));
        if (unsigned(group) > 3) // no recording in this cell
            return 0;
        table = src.group.data[group];
    }

    const PropEvent* events = &src.event;
    const int numFidx = m_avcCaps.num_fidx;
    for (int c = 0; c < videos; ++c) {
        const RecordEntry& e = table[c];
        EncCfg& r = out[c];
        r.audio = e.audio;
        r.contOn = e.mode == 1 || e.mode == 3;
        r.evtOn = e.mode == 2 || e.mode == 3;
        r.conti_ridx = int(g_cfg->getvaluefromindex(IDX_DATA_REC_RES, e.cridx));
        r.contQual = int(g_cfg->getvaluefromindex(IDX_DATA_QUALITY, e.cqual));
        r.contFps = e.cfidx < numFidx ? e.cfidx : 0;
        r.evtRes = int(g_cfg->getvaluefromindex(IDX_DATA_REC_RES, e.eridx));
        r.evtQual = int(g_cfg->getvaluefromindex(IDX_DATA_QUALITY, e.equal));
        r.evtFps = e.efidx < numFidx ? e.efidx : 0;
        r.evtPre = e.predur;
        r.evtPost = int(g_cfg->getvaluefromindex(IDX_DATA_REC_POST, e.postdur));
        for (int j = 0; j < videos; ++j) {
            const int v = events->evts[c][j];
            if (v == 1 || v == 3)
                r.event_sen_mask |= 1u << j;
            if (v == 2 || v == 3)
                r.event_md_mask |= 1u << j;
            if (v == 3 || v == 4)
                r.event_ti_mask |= 1u << j;
        }
        qCDebug(lcApi, "runEncCfg.. i:%d .conti_ridx:%d event_sen_mask:%08x event_md_mask:%08x event_ti_mask:%08x",
                c, r.conti_ridx, r.event_sen_mask, r.event_md_mask, r.event_ti_mask);
    }
    return 0;
}

int TDVRAPI::runEncNotify(int type, int ch, int data, const char* msg)
{
    qCDebug(lcApi, "runEncNotify.. type:%d ch:%d data:%d msg:%ls", type, ch, data,
            qUtf16Printable(TMessages::fromBytes(msg)));
    char contents[80]; // the log keeps 39 bytes of it
    switch (type) {
    case CBT_ENC_CH_STATE:
        notify(SIG_ENC_CH_STATE, ch, data);
        break;
    case CBT_ENC_SD_STATE:
        notify(SIG_ENC_SD_STATE, ch, data);
        break;
    case CBT_ENC_SD_MOUNT: // ch carries the mirror flag
        qCDebug(lcApi, "======== CBT_ENC_SD_MOUNT mirror:%d data:%d ===============", ch, data);
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        emit sg_fromDvr(CBT_ENC_SD_MOUNT, ch, 0, 0);
        emit sg_dvrNotify(SIG_SD_INFO, 0, 0, 0, QString(), QString());
        if (++m_mountCount == 1) {
            if (data) {
                writeLog(LOG_DB_HDD_GOOD, nullptr, nullptr);
            } else {
                // The disk summary the windows read is rebuilt on their
                // thread; the entry names it from there.
                const QByteArray user = msg ? QByteArray(msg, int(qstrnlen(msg, 1024))) : QByteArray();
                const bool hasUser = msg != nullptr;
                QMetaObject::invokeMethod(
                    this,
                    [this, user, hasUser] {
                        checkStorage();
                        char text[80]; // the log keeps 39 bytes of it
                        std::snprintf(text, sizeof text, "(%.*s)", int(sizeof m_storage.summary), m_storage.summary);
                        writeLog(LOG_DB_HDD_BAD, hasUser ? user.constData() : nullptr, text);
                    },
                    Qt::QueuedConnection);
            }
        }
        break;
    case CBT_ENC_SD_FSCK_END:
    case CBT_ENC_SD_FORMAT_END:
        emit sg_fromDvr(type, 0, 0, 0);
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        break;
    case CBT_ENC_SD_FORMAT:
    case CBT_ENC_DB_CHECK:
    case CBT_ENC_DB_REBUILD:
        storageMsg(type == CBT_ENC_SD_FORMAT ? SIG_MSG_FORMAT
                   : type == CBT_ENC_DB_CHECK ? SIG_MSG_DBCHECK
                                              : SIG_MSG_DBREBUILD,
                   msg);
        clearWdt();
        break;
    case CBT_ENC_SD_CHECK:
        // A check asked by the remote client: it reads the texts.
        keepTestResult(msg ? QString::fromUtf8(msg, int(strnlen(msg, 1024))) : QString());
        storageMsg(SIG_MSG_HDDCHECK, msg);
        emit sg_dvrNotify(SIG_MSG_HDDCHECK, 0, 0, 0, QString(), QString());
        QCoreApplication::processEvents();
        break;
    case CBT_ENC_SMART: {
        checkSmart();
        // A disk fails when it has at least the configured number of errors
        // (the section keeps a position in the error-count list).
        const auto* smart = g_cfg ? section<PropSmart>(IDX_PROP_SMART, 1) : nullptr;
        uint32_t mask = 0;
        if (smart && smart->on) {
            const int limit = int(g_cfg->getvaluefromindex(IDX_DATA_SMART_ERRORS, smart->errorcnt));
            for (int i = 0; i < DAL_MAX_DISK; ++i)
                if (m_smart.valid[i] && m_smart.error[i] >= limit)
                    mask |= 1u << i;
        }
        if (mask) {
            notify(SIG_ENC_SMART, int(mask), 0);
            fireAlarmout(SIG_ENC_SMART, 0, 0);
        }
        break;
    }
    case CBT_ENC_SMART_TEMP: {
        const auto* smart = g_cfg ? section<PropSmart>(IDX_PROP_SMART, 1) : nullptr;
        const int limit = smart ? int(g_cfg->getvaluefromindex(IDX_DATA_TEMPERATURE, smart->heat)) : 0;
        checkSmart();
        int errs = 0;
        if (smart && smart->on)
            for (int i = 0; i < DAL_MAX_DISK; ++i)
                if (m_smart.valid[i] && m_smart.temp[i] > limit)
                    ++errs;
        qCDebug(lcApi, "CBT_ENC_SMART_TEMP.. errs:%d", errs);
        if (errs) {
            notify(SIG_ENC_SMART_TEMP, 0, 0);
            fireAlarmout(SIG_ENC_SMART_TEMP, 0, 0);
        }
        break;
    }
    case CBT_ENC_BUF_ERR:
        writeLog(LOG_REC_BUF_ERROR, "", msg);
        break;
    case CBT_ENC_BUF_OK:
        writeLog(LOG_REC_BUF_OK, "", msg);
        break;
    case CBT_ENC_CHIP_TIMEOUT:
        writeLog(LOG_CHIP_TIMEOUT, "", msg);
        break;
    case CBT_ENC_WRITE_ERR:
        writeLog(LOG_HDD_WRITE_ERROR, "", nullptr);
        break;
    case CBT_ENC_WRITE_OK:
        writeLog(LOG_HDD_WRITE_OK, "", nullptr);
        break;
    case CBT_ENC_THREAD_ERR:
        writeLog(LOG_REC_THREAD_ERROR, "", nullptr);
        break;
    case CBT_ENC_HDD_ERR:
        writeLog(LOG_HDD_ERROR, "", nullptr);
        break;
    case CBT_ENC_XFS_ERR:
        writeLog(LOG_XFS_ERROR, "", nullptr);
        break;
    case CBT_ENC_DATA_ERR:
    case CBT_ENC_DATA_OK:
    case CBT_ENC_NETDATA_ERR:
    case CBT_ENC_NETDATA_OK: {
        static const int codes[] = {LOG_REC_DATA_ERROR, LOG_REC_DATA_OK, LOG_NET_DATA_ERROR, LOG_NET_DATA_OK};
        std::snprintf(contents, sizeof contents, "(Channel%d)", ch + 1);
        writeLog(codes[type - CBT_ENC_DATA_ERR], "", contents);
        break;
    }
    default:
        break;
    }
    return 0;
}

// ---- Recording and encoder control ----

void TDVRAPI::takeRecordConfig()
{
    if (!g_cfg)
        return;
    QMutexLocker lock(&m_encMutex);
    m_encSource.record = *section<PropRecord>(IDX_PROP_RECORD, 1);
    m_encSource.group = *section<PropGroup>(IDX_PROP_GROUP, 1);
    m_encSource.schedule = *section<PropSchedule>(IDX_PROP_SCHEDULE, 1);
    m_encSource.holiday = *section<PropHoliday>(IDX_PROP_HOLIDAY, 1);
    m_encSource.event = *section<PropEvent>(IDX_PROP_EVENT, 1);
    m_encSource.taken = true;
}

void TDVRAPI::encStart()
{
    takeRecordConfig();
    const int r = DalEncrStart();
    qCDebug(lcApi, "DalEncrStart => %d", r);
    // The data and mirror disks may have changed while recording was off.
    Db6CheckSd(&m_sdCheck);
}

void TDVRAPI::encStop()
{
    DalEncrStop();
}

int TDVRAPI::testEncStart()
{
    const int r = DalEncrStart();
    qCDebug(lcApi, "DalEncrStart => %d", r);
    return r;
}

void TDVRAPI::encRefresh()
{
    takeRecordConfig();
    DalEncrRefresh();
}

int TDVRAPI::runPanic(int panic)
{
    qCDebug(lcApi, "runPanic.. panic:%d", panic);
    takeRecordConfig();
    DalEncrRefresh();
    return 0;
}

void TDVRAPI::encSwap(int on)
{
    DalEncrSetSwap(on);
}

bool TDVRAPI::isBootPanic()
{
    const bool panic = QFileInfo::exists(TPath::map(QStringLiteral("/dvr/panic-record")));
    qCDebug(lcApi, "isBootPanic.. panic:%d", panic);
    return panic;
}

void TDVRAPI::encSetdevice()
{
    if (!g_cfg)
        return;
    EncnCfg cfg[DAL_MAX_CH];
    buildEncn(cfg, channelCount(), *section<PropNetcontrol>(IDX_PROP_NETCONTROL, 1),
              *section<PropCamera>(IDX_PROP_CAMERA, 0), m_avcCaps);
    DalEncnSetCfg(cfg);
}

int TDVRAPI::changeAvcCaps(int force)
{
    const int oem = oemId();
    if (oem == 2 || oem == 3 || oem == 5 || oem == 7)
        return 0;
    DalCaps dal;
    AvcCaps avc;
    getCaps(&dal, &avc, nullptr);
    const bool curNtsc = avc.ref_fps == 60 || avc.ref_fps == 30;

    // The first channel with a signal decides; a channel the layer cannot
    // report on counts as one without a signal. -1 unknown.
    int newNtsc = -1;
    for (int ch = 0; ch < dal.num_vin && newNtsc < 0; ++ch) {
        VinInfo info;
        if (vinGetInfo(ch, &info) == 0 && !info.noVideo)
            newNtsc = info.fps == 30.0 || info.fps == 60.0 ? 1 : 0;
    }
    qCDebug(lcApi, "changeAvcCaps.. force:%d cur_ntsc:%d new_ntsc:%d", force, curNtsc, newNtsc);
    if (!force && newNtsc >= 0 && bool(newNtsc) == curNtsc) {
        qCDebug(lcApi, "changeAvcCaps.. same!!");
        return 0;
    }
    if (newNtsc < 0) {
        const bool pal = m_quickOpt && qstrncmp(m_quickOpt->record().pal, "pal", sizeof m_quickOpt->record().pal) == 0;
        newNtsc = pal ? 0 : 1;
        if (!force && bool(newNtsc) == curNtsc) {
            qCDebug(lcApi, "changeAvcCaps.. same!! cur_ntsc:%d pal:%d!!", curNtsc, pal);
            return 0;
        }
    }
    DalSetAvcCaps(newNtsc ? 60 : 50);
    if (m_quickOpt) {
        QMutexLocker lock(&m_quickOptMutex);
        if (newNtsc)
            m_quickOpt->clearVideoType();
        else
            m_quickOpt->setPal();
        if (!m_quickOpt->save())
            qCWarning(lcApi, "changeAvcCaps.. the video standard was not saved");
    }
    encSetdevice();
    return 0;
}

double TDVRAPI::recBitrate(const RecordEntry* entries)
{
    if (!entries || !g_cfg)
        return 0.0;
    const int videos = videosOf(section<PropDevices>(IDX_PROP_DEVICES, 0));
    const auto* cam = section<PropCamera>(IDX_PROP_CAMERA, 0);
    double total = 0.0;
    for (int ch = 0; ch < videos; ++ch) {
        if (cam->data[ch].disableOn)
            continue;
        const RecordEntry& e = entries[ch];
        const int c = DalEncrBitrate(ch, e.cridx, e.cfidx, int(g_cfg->getvaluefromindex(IDX_DATA_QUALITY, e.cqual))) / 8;
        const int v = DalEncrBitrate(ch, e.eridx, e.efidx, int(g_cfg->getvaluefromindex(IDX_DATA_QUALITY, e.equal))) / 8;
        // A rate the layer cannot give (negative) adds nothing.
        switch (e.mode) {
        case 1: total += std::max(c, 0); break;
        case 2: total += std::max(v, 0); break;
        case 3: total += std::max({c, v, 0}); break;
        default: break;
        }
    }
    return total;
}

double TDVRAPI::netBwKbps(int high)
{
    if (!g_cfg)
        return 0.0;
    AvcCaps caps;
    getCaps(nullptr, &caps, nullptr);
    EncnCfg cfg[DAL_MAX_CH];
    buildEncn(cfg, videosOf(section<PropDevices>(IDX_PROP_DEVICES, 0)),
              *section<PropNetcontrol>(IDX_PROP_NETCONTROL, 0), *section<PropCamera>(IDX_PROP_CAMERA, 0), caps);
    long long total = 0;
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        // The second stream's fields are the record's last twelve bytes,
        // never switched on.
        if (!high || !cfg[ch].on)
            continue;
        const int rate = DalEncnBitrate(ch, cfg[ch].res, cfg[ch].fidx, cfg[ch].qual);
        if (rate > 0)
            total += rate;
    }
    const double kbps = double(total / 1000);
    qCDebug(lcApi, "netBwKbps.. high:%d %.1f kbps:%d", high, kbps, int(total / 1000));
    return kbps;
}

double TDVRAPI::netBwKbps2(int chip, int live)
{
    if (!g_cfg)
        return 0.0;
    AvcCaps caps;
    getCaps(nullptr, &caps, nullptr);
    const int videos = videosOf(section<PropDevices>(IDX_PROP_DEVICES, 0));
    EncnCfg cfg[DAL_MAX_CH];
    buildEncn(cfg, videos, *section<PropNetcontrol>(IDX_PROP_NETCONTROL, live ? 1 : 0),
              *section<PropCamera>(IDX_PROP_CAMERA, live ? 1 : 0), caps);
    int first = 0;
    int last = videos;
    if (chip >= 0) {
        const qint64 n = caps.num_cam_per_chip;
        first = int(qBound<qint64>(0, chip * n, videos));
        last = int(qBound<qint64>(first, (chip + 1) * n, videos));
    }
    double sum = 0.0;
    for (int ch = first; ch < last; ++ch) {
        if (!cfg[ch].on)
            continue;
        const int fidx = cfg[ch].fidx < caps.num_fidx ? cfg[ch].fidx : 1;
        const int res = cfg[ch].res < caps.num_nridx ? cfg[ch].res : 0;
        // The input's resolution index comes from the layer: one outside the
        // table counts as the first.
        VinInfo info;
        vinGetInfo(ch, &info);
        const int input = info.ridx >= 0 && info.ridx < 8 ? info.ridx : 0;
        sum += caps.fidx2fps[fidx] * caps.nridx[input][res].ratio;
    }
    return sum;
}
