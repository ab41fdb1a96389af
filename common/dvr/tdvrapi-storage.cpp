// The recorder's disks: storage state for the information windows and the
// storage pages, disk check and format jobs, S.M.A.R.T. values, and the
// storage and S.M.A.R.T. sections.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "utf8cut.h"

#include <QLoggingCategory>
#include <QMutexLocker>
#include <climits>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// UI texts of the storage records and the status box.
enum {
    TEXT_ALL = 56,
    TEXT_HDD = 105,
    TEXT_NOT_FORMAT = 109,
    TEXT_OPTICAL = 111,
    TEXT_WAIT = 198,
    TEXT_NO_HDD = 203,
    TEXT_FAILED = 212,
    TEXT_FORMAT = 266,
    TEXT_HDD_CHECK = 300,
    TEXT_DB_REBUILD = 351,
    TEXT_DB_CHECK = 352
};

enum { DISK_HARD = 1, DISK_OPTICAL = 2 };

QString uiText(int id)
{
    return TConfig::text(id);
}

// Megabytes of a byte count the layer reports, within an i32.
int32_t megabytes(uint64_t bytes)
{
    return int32_t(qMin<uint64_t>(bytes >> 20, INT_MAX));
}

// A text of the device layer, read no further than a sane length.
QString deviceText(const char* text)
{
    return text ? QString::fromUtf8(text, int(strnlen(text, 1024))) : QString();
}
}

int TDVRAPI::diskCount() const
{
    if (!g_cfg)
        return 0;
    const int disks = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->storage;
    return qBound(0, disks, int(DAL_MAX_DISK));
}

void TDVRAPI::checkStorage()
{
    qCDebug(lcApi, "TDVRAPI::checkStorage!!");
    double usage = 0.0;
    SdInfo table[DAL_MAX_DISK];
    std::memset(table, 0, sizeof table);
    // A layer that does not answer leaves the last known disk table.
    if (DalEncrGetSdInfo(table, &usage) == 0)
        std::memcpy(m_sdInfo, table, sizeof m_sdInfo);

    // Built aside and copied once: windows read m_storage without a lock.
    StorageInfo s = m_storage;
    std::memset(s.disk, 0, sizeof s.disk);
    s.usage = usage;
    s.data = m_sdCheck.data;
    qint64 usedMB = 0;
    qint64 totalMB = 0;
    bool hardDisk = false;
    bool formatted = false;
    const int disks = diskCount();
    for (int i = 0; i < disks; ++i) {
        const SdInfo& d = m_sdInfo[i];
        DiskEntry& e = s.disk[i];
        qCDebug(lcApi, "i:%d type:%d", i, d.type);
        formatted = formatted || m_sdCheck.formatted[i];
        if (d.type == DISK_HARD && m_sdCheck.formatted[i]) {
            hardDisk = true;
            q2Utf8Whole(e.text, uiText(TEXT_HDD), sizeof e.text);
            e.totalMB = megabytes(d.formatted);
            e.usedMB = megabytes(d.used);
            // The second disk of a mirrored pair holds the first one's data.
            if (!(m_sdCheck.mirror && (i & 1))) {
                usedMB += e.usedMB;
                totalMB += e.totalMB;
            }
        } else if (d.type == DISK_HARD) {
            hardDisk = true;
            q2Utf8Whole(e.text, uiText(TEXT_NOT_FORMAT), sizeof e.text);
            e.totalMB = megabytes(d.raw);
            e.usedMB = 0;
        } else if (d.type == DISK_OPTICAL) {
            const QString model = QString::fromUtf8(d.model, int(qstrnlen(d.model, 63)));
            q2Utf8Whole(e.text, QStringLiteral("%1 (%2)").arg(uiText(TEXT_OPTICAL), model), sizeof e.text);
        } else {
            q2Utf8Whole(e.text, uiText(TEXT_NO_HDD), sizeof e.text);
        }
    }
    s.usedMB = int32_t(qMin<qint64>(usedMB, INT_MAX));
    s.totalMB = int32_t(qMin<qint64>(totalMB, INT_MAX));
    const int summary = totalMB > 0 || hardDisk ? (formatted ? TEXT_HDD : TEXT_NOT_FORMAT) : TEXT_NO_HDD;
    q2Utf8Whole(s.summary, uiText(summary), sizeof s.summary);
    qCDebug(lcApi, "TDVRAPI::checkStorage!! default sztype:%s usage:%.1f, %.1f", s.summary, usage, s.usage);

    RecInfo rec;
    std::memset(&rec, 0, sizeof rec);
    if (DalEncrGetRecInfo(&rec) == 0) {
        s.recA = rec.recA;
        s.recB = rec.recB;
        const int32_t oldest[6] = {rec.year, rec.month, rec.day, rec.hour, rec.minute, rec.second};
        std::memcpy(s.oldest, oldest, sizeof s.oldest);
    }
    QMutexLocker lock(&m_storageMutex);
    m_storage = s;
}

StorageInfo TDVRAPI::storageCopy() const
{
    QMutexLocker lock(&m_storageMutex);
    return m_storage;
}

void TDVRAPI::storageJobRefused(int title, int code, const QString& contents)
{
    qCWarning(lcApi, "TDVRAPI::storage job refused by the device layer: %s", qPrintable(uiText(title)));
    // No end event will come: recording must not stay off waiting for one.
    encStart();
    const QString failed = uiText(TEXT_FAILED);
    keepTestResult(failed);
    QByteArray log(40, '\0');
    q2Utf8Whole(log.data(), contents.isEmpty() ? failed : contents + QLatin1Char(' ') + failed, log.size());
    writeLog(code, nullptr, log.constData());
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, uiText(title), failed);
    emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
}

void TDVRAPI::fsckStorage()
{
    qCDebug(lcApi, "======== TDVRAPI::fsckStorage ============");
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, uiText(TEXT_HDD_CHECK), uiText(TEXT_WAIT));
    DalEncrStop();
    DalNetDisconnectClient(2);
    DalNetDisconnectClient(4);
    const int r = DalEncrFsckSd();
    if (r < 0) {
        storageJobRefused(TEXT_HDD_CHECK, LOG_HDD_CHECK, QString());
        return;
    }
    writeLog(LOG_HDD_CHECK, nullptr, nullptr);
}

void TDVRAPI::formatStorage(int disk, int option, bool* refused)
{
    qCDebug(lcApi, "======== TDVRAPI::formatStorage(%d) ============", disk);
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, uiText(TEXT_FORMAT), uiText(TEXT_WAIT));
    DalEncrStop();
    DalNetDisconnectClient(-1);
    const QString which = disk >= 0 ? uiText(TEXT_HDD) + QString::number(disk + 1) : uiText(TEXT_ALL);
    const int r = DalEncrFormatSd(disk, option);
    if (refused)
        *refused = r < 0;
    if (r < 0) {
        storageJobRefused(TEXT_FORMAT, LOG_FORMAT, which);
        return;
    }
    char contents[40];
    q2Utf8Whole(contents, which, sizeof contents);
    writeLog(LOG_FORMAT, nullptr, contents);
}

int TDVRAPI::storageMsg(int kind, const char* text)
{
    int title = 0;
    switch (kind) {
    case SIG_MSG_HDDCHECK: title = TEXT_HDD_CHECK; break;
    case SIG_MSG_DBREBUILD: title = TEXT_DB_REBUILD; break;
    case SIG_MSG_DBCHECK: title = TEXT_DB_CHECK; break;
    case SIG_MSG_FORMAT: title = TEXT_FORMAT; break;
    default: break;
    }
    // A long disk job keeps the watchdog fed through its progress texts.
    clearWdt();
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title ? uiText(title) : QString(), deviceText(text));
    return 0;
}

QString TDVRAPI::storageStatusText(QString* out)
{
    Db6CheckSd(&m_sdCheck);
    checkStorage();
    QString text;
    if (m_sdCheck.data < 0) {
        for (int i = 0; i < DAL_MAX_DISK; ++i) {
            if (m_sdInfo[i].type == DISK_HARD)
                text += QStringLiteral("%1:Not Format ").arg(i + 1);
            else if (i == 0)
                text += QStringLiteral("1:None ");
        }
    } else {
        text = QStringLiteral("OK! (");
        for (int i = 0; i < DAL_MAX_DISK; ++i)
            if (m_sdInfo[i].type == DISK_HARD)
                text += QStringLiteral("%1:%2 ").arg(i + 1).arg(m_sdInfo[i].health ? "Good" : "Bad");
        text += QLatin1Char(')');
    }
    if (out)
        *out = text;
    return text;
}

void TDVRAPI::checkSmart()
{
    SmartInfo info;
    std::memset(&info, 0, sizeof info);
    SmartRec table[DAL_MAX_DISK];
    std::memset(table, 0, sizeof table);
    // Values the layer did not give are not taken as read.
    if (DalEncrGetSmart(table, 0) == 0) {
        const int disks = diskCount();
        for (int i = 0; i < disks; ++i) {
            if (m_sdInfo[i].type != DISK_HARD || !m_sdInfo[i].health)
                continue;
            qCDebug(lcApi, "checkSmart.. check start");
            const SmartRec& r = table[i];
            info.valid[i] = 1;
            info.totalTest[i] = r.totalTest;
            info.error[i] = r.errors;
            info.temp[i] = r.temp;
            info.badSectors[i] = r.badSectors;
            info.result[i] = r.result;
            info.powerOnHours[i] = r.powerOnHours;
            qCDebug(lcApi, "checkSmart.. i:%d temp:%d total_test:%d error:%d bad_sectors:%d power_on_hours:%d", i,
                    r.temp, r.totalTest, r.errors, r.badSectors, r.powerOnHours);
        }
    }
    m_smart = info;
}

void TDVRAPI::smartSetdevice()
{
    if (!g_cfg)
        return;
    const auto* smart = static_cast<const PropSmart*>(g_cfg->getsection(IDX_PROP_SMART, 1));
    const int period = int(g_cfg->getvaluefromindex(IDX_DATA_SMART_PERIOD, smart->time));
    DalEncrSetSmart(smart->on, smart->day, period);
}

void TDVRAPI::strgSetdevice()
{
    if (!g_cfg)
        return;
    const auto* storage = static_cast<const PropStorage*>(g_cfg->getsection(IDX_PROP_STORAGE, 1));
    const int ad = int(g_cfg->getvaluefromindex(IDX_DATA_AUTODELETE, storage->autodelete));
    qCDebug(lcApi, "strgSetdevice.. overrwOn:%d ad:%d", storage->overwrite, ad);
    const int r = DalEncrSetAd(storage->overwrite ? ad : -1);
    qCDebug(lcApi, "DalEncrSetAd => %d", r);
}
