// Backup: the backup source database, the copy of a time range to a USB
// stick or a disc, and the device layer's backup events.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QThread>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
enum BackupEnd {
    END_DONE = 0,
    END_NO_SPACE = 39,
    END_ESTIMATE_STOPPED = 50,
    END_FAILED = 68,
    END_NO_DATA = 69,
    END_STOPPED = 70,
    END_CHANGED = 71
};
enum { FAIL_IMAGE = 83, FAIL_BURNING = 99 };
// Dates a backup source may list: beyond any recorder's life, so that a
// wrong count from the device layer cannot make a huge table.
const int kMaxDates = 10000;

// A UI text by its English literal, the text catalogue's translation key:
// the catalogue's own translation, in the language in force.
QString uiText(const char* english)
{
    return QCoreApplication::translate("TString", english);
}

// A status text of the device layer, read no further than a sane length.
QString deviceText(const char* text)
{
    return text ? QString::fromUtf8(text, int(strnlen(text, 1024))) : QString();
}

// A fixed text field of the configuration as a terminated copy.
template <size_t N> void copyField(char (&dst)[N], const char* src, size_t srcSize)
{
    const size_t n = strnlen(src, qMin(srcSize, N - 1));
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}
}

void TDVRAPI::resetBackup()
{
    QMutexLocker lock(&m_backupMutex);
    m_backupDb = BackupDb();
    m_backupDates = QVector<BackupDate>();
    m_bdList = BdList();
    m_space = m_tSpace = m_bdWin = m_bdAct = 0;
    m_fileList.clear();
}

BackupDb TDVRAPI::backupDb() const
{
    QMutexLocker lock(&m_backupMutex);
    return m_backupDb;
}

QVector<BackupDate> TDVRAPI::backupDates() const
{
    QMutexLocker lock(&m_backupMutex);
    return m_backupDates;
}

BdList TDVRAPI::bdList() const
{
    QMutexLocker lock(&m_backupMutex);
    return m_bdList;
}

int TDVRAPI::openBackupDb(uint32_t camoff, uint32_t audoff)
{
    camoff |= userCamMask(0); // never a camera the logged-in user may not watch
    {
        QMutexLocker lock(&m_backupMutex);
        m_backupDb.camoff = camoff;
        m_backupDb.audoff = audoff;
    }
    qCDebug(lcApi, "TDVRAPI::openBackupDb.. camoff:%08x audoff:%08x", camoff, audoff);
    return DalBackupOpenDb(camoff, audoff) >= 0 ? 1 : 0;
}

void TDVRAPI::closeBackupDb()
{
    {
        QMutexLocker lock(&m_backupMutex);
        // A fresh list rather than clear(): a window's copy may still share
        // the old one, and clear() writes into it when Qt's relaxed sharing
        // check has not seen that copy go.
        m_backupDates = QVector<BackupDate>();
        m_backupDb.numDate = 0;
    }
    m_extDbOpen = 0;
}

void TDVRAPI::setBackupFilter(uint32_t camoff, int audoff)
{
    qCDebug(lcApi, "TDVRAPI::setBackupFilter.. camoff:%08x audoff:%d", camoff, audoff);
    const uint32_t mask = camoff | userCamMask(0);
    {
        QMutexLocker lock(&m_backupMutex);
        if (mask == m_backupDb.camoff && uint32_t(audoff) == m_backupDb.audoff)
            return;
        m_backupDb.camoff = mask;
        m_backupDb.audoff = uint32_t(audoff);
    }
    DalBackupSetFilter(mask, audoff);
}

void TDVRAPI::setBackupType(int type)
{
    qCDebug(lcApi, "TDVRAPI::setBackupType.. type:%d", type);
    DalBackupSetType(type);
}

int TDVRAPI::backupEstimate(const BackupRange* range)
{
    m_backupBusy = 1;
    if (!range || DalBackupEstiRange(range) < 0) {
        m_backupBusy = 0;
        return 0;
    }
    return 1;
}

int TDVRAPI::backupStart(int type)
{
    if (g_cfg) {
        const auto* addr = static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 1));
        char name[sizeof addr->name];
        copyField(name, addr->name, sizeof addr->name);
        DalBackupSetDvrInfo(name);
        const auto* cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
        for (int ch = 0; ch < channelCount(); ++ch) {
            char title[sizeof cam->data[ch].name];
            copyField(title, cam->data[ch].name, sizeof cam->data[ch].name);
            DalBackupSetCamName(ch, title);
        }
    }
    // Busy before the start: the copy's end may come on the backup thread
    // before DalBackupStart returns here. A copy the device layer refused
    // never runs, and no end would clear the flag.
    m_backupBusy = 1;
    if (DalBackupStart(type) < 0) {
        m_backupBusy = 0;
        return 0;
    }
    return 1;
}

void TDVRAPI::backupStop()
{
    DalBackupStop();
    m_backupBusy = 0;
}

int TDVRAPI::runBackup(int type, intptr_t info, const char* msg)
{
    const QString status = deviceText(msg);
    qCDebug(lcApi, "TDVRAPI::runBackup.. type:%d info:%08x status:%s", type, unsigned(info), qUtf8Printable(status));
    if (type < CBT_BACKUP_OPEN_DB || type > CBT_BACKUP_SNAPSHOT)
        return 0; // a code the family does not know
    {
        BdList list;
        std::memset(&list, 0, sizeof list);
        if (DalBackupGetBd(&list) >= 0) {
            QMutexLocker lock(&m_backupMutex);
            m_bdList = list;
        }
    }
    const int v = int(info);
    // The range of the estimate and size events, copied from the layer's record.
    auto takeRange = [this, info] {
        QMutexLocker lock(&m_backupMutex);
        if (info)
            std::memcpy(&m_backupDb.range, reinterpret_cast<const void*>(info), sizeof m_backupDb.range);
        return m_backupDb.range;
    };
    auto progress = [this](int percent, int fail, int estimate, const QString& str, const QString& strm) {
        emit sg_dvrNotify(SIG_BACKUP_PROGRESS, percent, fail, estimate, str, strm);
    };
    // The flag clears before the end is announced: a listener must not
    // see a backup that has ended as running.
    auto end = [this](int code, int estimate, const QString& str, const QString& strm) {
        m_backupBusy = 0;
        emit sg_dvrNotify(SIG_BACKUP_END, code, 0, estimate, str, strm);
    };
    const QString total = QStringLiteral("[%1 MB/%1 MB] ").arg(m_tSpace.load());

    switch (type) {
    case CBT_BACKUP_OPEN_DB: {
        // The new list is made aside and swapped in: a window reading the
        // dates holds its own copy.
        const int n = qBound(0, DalBackupNumDate(), kMaxDates);
        QVector<BackupDate> dates(n);
        std::memset(dates.data(), 0, sizeof(BackupDate) * size_t(n));
        for (int i = 0; i < n; ++i)
            DalBackupGetDateInfo(i, &dates[i]);
        if (n > 0)
            qCDebug(lcApi, "openBackupDb.. num_date:%d", n);
        {
            QMutexLocker lock(&m_backupMutex);
            m_backupDates.swap(dates);
            m_backupDb.numDate = n;
        }
        emit sg_dvrNotify(SIG_BD_DATE, m_bdWin, m_bdAct, v, QString(), QString());
        break;
    }
    case CBT_BACKUP_SCAN_BD: {
        const BdList list = bdList();
        const int present = list.bd[1].state == 2 || (list.bd[0].state == 1 && list.bd[0].size > 0);
        emit sg_dvrNotify(SIG_BD_DETECT, m_bdWin, m_bdAct, present, QString(), QString());
        break;
    }
    case CBT_BACKUP_SET_BD:
        qCDebug(lcApi, "CBT_BACKUP_SET_BD.. bd_id:%d", v);
        emit sg_dvrNotify(SIG_BD_INFO, m_bdWin, m_bdAct, v, QString(), QString());
        break;
    case CBT_BACKUP_INFO_BD:
        qCDebug(lcApi, "CBT_BACKUP_INFO_BD.. bd_id:%d", v);
        emit sg_dvrNotify(SIG_BD_INFO, m_bdWin, -1, v, QString(), QString());
        break;
    case CBT_BACKUP_MOUNT:
        emit sg_dvrNotify(SIG_BD_MOUNT, m_bdWin, m_bdAct, v, QString(), QString());
        m_space = 0;
        break;
    case CBT_BACKUP_NO_SPACE: {
        const QString title = uiText("Backup");
        const QString text = uiText("No Space (More Than 50MB)");
        m_backupBusy = 0; // the copy is over before anyone hears of it
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, title, text);
        QThread::msleep(3);
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, title, text);
        // The copy ends here: no other end event follows it.
        end(END_NO_SPACE, 0, title, text);
        break;
    }
    case CBT_BACKUP_UMOUNT:
        emit sg_dvrNotify(SIG_BD_UMOUNT, m_bdWin, m_bdAct, v, QString(), QString());
        break;
    case CBT_BACKUP_ESTI_START:
        break;
    case CBT_BACKUP_ESTI_PROG:
        qCDebug(lcApi, "CBT_BACKUP_ESTI_PROG.. space:%d", v);
        progress(0, 0, 1, QString(), QStringLiteral("[0 MB/%1 MB]").arg(v));
        break;
    case CBT_BACKUP_ESTI_STOPPED:
        takeRange();
        end(END_ESTIMATE_STOPPED, 1, QString(), uiText("Stop By User"));
        break;
    case CBT_BACKUP_ESTI_END:
        takeRange();
        end(END_DONE, 1, QString(), QString());
        break;
    case CBT_BACKUP_COPY_START:
        progress(0, 0, 0, QString(), uiText("Please wait..."));
        break;
    case CBT_BACKUP_COPY_SIZE:
        m_tSpace = v;
        qCDebug(lcApi, "CBT_BACKUP_COPY_SIZE.. t_space:%d", v);
        break;
    case CBT_BACKUP_COPY_PROG: {
        m_space = v;
        const int of = m_tSpace;
        const int percent = of > 0 ? int(qint64(v) * 100 / of) : 0;
        progress(percent, 0, 0, QString(), QStringLiteral("[%1 MB/%2 MB]").arg(v).arg(of));
        break;
    }
    case CBT_BACKUP_COPY_SUCCESS:
        m_space = v;
        progress(100, 0, 0, QString(), QStringLiteral("[%1 MB/%2 MB] ").arg(v).arg(m_tSpace.load()));
        break;
    case CBT_BACKUP_COPY_FAILED:
        end(END_FAILED, 0, QString(), uiText("Failed"));
        break;
    case CBT_BACKUP_COPY_FAILED_NODATA:
        end(END_NO_DATA, 0, QString(), uiText("No Data"));
        break;
    case CBT_BACKUP_COPY_STOPPED:
        end(END_STOPPED, 0, QString(), uiText("Stop By User"));
        break;
    case CBT_BACKUP_COPY_CHANGED: {
        const BackupRange r = takeRange();
        const QString text = QStringLiteral("[0 MB/%1 MB] ").arg(qulonglong(r.size / 1000000)) + uiText("Time Changed");
        emit sg_dvrNotify(SIG_BACKUP_END, END_CHANGED, 0, 0, status, text);
        break;
    }
    case CBT_BACKUP_COPY_END:
        m_backupBusy = 0;
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), status);
        end(END_DONE, 0, QString(), status);
        break;
    case CBT_BACKUP_MKISO_START:
        progress(0, 0, 0, status, total + uiText("Make ISO Image"));
        break;
    case CBT_BACKUP_MKISO_PROG:
        progress(v, 0, 0, status, total + uiText("Make ISO Image"));
        break;
    case CBT_BACKUP_MKISO_FAILED:
    case CBT_BACKUP_BURNING_FAILED: {
        // The disc's copy ends here, as a failed copy ends: no other end
        // event follows it. The step's own text stays in the status bar.
        const bool image = type == CBT_BACKUP_MKISO_FAILED;
        const QString text = total + (image ? uiText("Make ISO Image Failed") : uiText("Burning Failed"));
        m_backupBusy = 0;
        progress(0, image ? FAIL_IMAGE : FAIL_BURNING, 0, status, text);
        end(END_FAILED, 0, status, text);
        break;
    }
    case CBT_BACKUP_BURNING_START:
        progress(0, 0, 0, status, total + uiText("Burning"));
        break;
    case CBT_BACKUP_BURNING_PROG:
        progress(v, 0, 0, status, total + uiText("Burning"));
        break;
    case CBT_BACKUP_BURNING_SUCCESS:
        m_backupBusy = 0;
        progress(100, 0, 0, status, total + uiText("Burning Success"));
        break;
    case CBT_BACKUP_BURNING_FIXATE:
        progress(100, 0, 0, status, total + uiText("Fixating"));
        break;
    case CBT_BACKUP_SNAPSHOT: {
        QString text = status;
        if (status.contains(QLatin1String("Success")))
            text = uiText("Success");
        else if (status.contains(QLatin1String("No USB Device")))
            text = uiText("No USB Device");
        emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, uiText("Snapshot"), text);
        emit sg_dvrNotify(SIG_STATE_END, 2000, 0, 0, QString(), QString());
        break;
    }
    default:
        break;
    }
    return 0;
}
