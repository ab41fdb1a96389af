// The backup bridge of the main window: the Backup command, the backup
// window's requests carried out with the facade, and the device answers
// handed back to the window.
#include "tmain.h"
#include "appglobals.h"
#include "logrecord.h"
#include "tbackupwnd.h"
#include "tclock.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tstring.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    HideLater = 3000,
    T_BACKUP = 12,
    T_PLEASE_WAIT = 198,
    T_NO_USB = 202,
    T_FAILED = 212,
    T_NO_DATA = 246,
    T_NO_SPACE = 247,
    T_MOUNT_FAILED = 306,
    T_DEVICE_BUSY = 355,
    LiveBack = 600, // seconds of the live preset: the last ten minutes
    CopyDone = 0,   // the end of a copy that went well
    ChangedEnd = 71 // an end that carries an adjusted range
};

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

// The range the window shows and the range the device estimated last (its
// end one second past the last second copied).
bool sameRange(const BackupRange& shown, const BackupRange& est)
{
    const int end = int(est.endTime);
    return shown.startIdx == est.startIdx && int(shown.startTime) == int(est.startTime)
        && shown.endIdx == est.endIdx && int(shown.endTime) == (end > 0 ? end - 1 : end);
}

// The record of the backup device in use.
BdEntry currentDevice()
{
    const BdList list = g_api.bdList();
    return list.bd[list.selected == 1 ? 1 : 0];
}

} // namespace

TBackupWnd* TMain::backupWnd() const
{
    return static_cast<TBackupWnd*>(m_wnd[ID_WND_BACKUP]);
}

void TMain::cmdBackup(int)
{
    // A copy or a firmware upgrade holds the backup media.
    if (g_api.m_backupBusy || g_api.m_fUpgrade) {
        refuse(tx(T_DEVICE_BUSY));
        return;
    }
    m_skipPopup = 1;
    qCDebug(lcApp, "m_skipPopup = 1 Str_Backup");
    m_popupTimer->start(1500);
    g_api.writeLog(LOG_BACKUP_START, nullptr, nullptr);
    if (g_api.isPlay()) {
        if (auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]))
            bar->updateRate(0.0);
    }
    g_api.m_wndOpen = 1;
    openBackup();
}

void TMain::openBackup()
{
    if (!backupWnd())
        return;
    if (g_api.isPlay())
        g_api.decRate(0.0);
    openWnd(ID_WND_BACKUP, true);
}

void TMain::backupRefused(int text)
{
    emit sg_ctrlStatus(SIG_STATE_START, tx(T_BACKUP), tx(text));
    hideStatusLater(HideLater);
    if (TBackupWnd* w = backupWnd())
        w->runRefused(tx(text));
}

void TMain::startCopy()
{
    if (!g_api.backupStart(m_backupType))
        backupRefused(T_FAILED);
}

void TMain::sl_fromBackup(int code, void* a, void* b)
{
    qCDebug(lcApp, "======== sl_fromBackup(%d, %x, %x) ========", code, unsigned(quintptr(a)), unsigned(quintptr(b)));
    const int ia = int(intptr_t(a));
    const int ib = int(intptr_t(b));
    const QString title = tx(T_BACKUP);
    TBackupWnd* w = backupWnd();
    switch (code) {
    case TBackupWnd::Act_BackupClose:
        g_api.writeLog(LOG_BACKUP_STOP, nullptr, nullptr);
        g_api.closeBackupDb();
        g_api.umountExtSd();
        m_backupEstimated = m_backupStartDue = 0;
        break;
    case TBackupWnd::Act_DetectExtSd:
        emit sg_ctrlStatus(SIG_STATE_START, title, tx(T_PLEASE_WAIT));
        g_api.detectExtSd(ID_WND_BACKUP, code);
        break;
    case TBackupWnd::Act_MountExtSd:
        emit sg_ctrlStatus(SIG_STATE_UPDATE, title, tx(T_PLEASE_WAIT));
        qCDebug(lcApp, "TBackupWnd::Act_MountExtSd.. mount:%d bd_id:%d", ia, ib);
        // A new medium: what the last one received is no longer news.
        g_api.m_space = 0;
        m_backupEstimated = 0;
        g_api.mountExtSd(ID_WND_BACKUP, code, ia, ib);
        if (ib == 0 && g_api.bdList().bd[0].size == 0) {
            emit sg_ctrlStatus(SIG_STATE_UPDATE, title, tx(T_NO_DATA));
            hideStatusLater(HideLater);
        } else if (g_api.isPlay()) {
            g_api.decRate(0.0);
        }
        break;
    case TBackupWnd::Act_SelectExtSd:
        emit sg_ctrlStatus(SIG_STATE_START, title, tx(T_PLEASE_WAIT));
        m_backupEstimated = 0;
        g_api.selectExtSd(ID_WND_BACKUP, code, ib);
        break;
    case TBackupWnd::Act_OpenBackupDb:
        emit sg_ctrlStatus(SIG_STATE_START, title, tx(T_PLEASE_WAIT));
        m_backupEstimated = 0;
        if (!g_api.openBackupDb(uint32_t(ia), uint32_t(ib))) {
            emit sg_ctrlStatus(SIG_STATE_UPDATE, title, tx(T_NO_DATA));
            hideStatusLater(HideLater);
        }
        break;
    case TBackupWnd::Act_BackupFilter:
        g_api.setBackupFilter(uint32_t(ia), ib);
        break;
    case TBackupWnd::Act_BackupType:
        m_backupType = ia;
        g_api.setBackupType(ia);
        break;
    case TBackupWnd::Act_BackupEstimate:
        m_backupStartDue = 0;
        m_backupEstimated = 0;
        if (!g_api.backupEstimate(static_cast<const BackupRange*>(a)))
            backupRefused(T_NO_SPACE);
        break;
    case TBackupWnd::Act_BackupStart: {
        if (!a)
            break;
        m_backupRange = *static_cast<const BackupRange*>(a);
        // The device copies the range it estimated last: a range on the
        // window that differs from it is estimated first.
        if (m_backupEstimated && sameRange(m_backupRange, g_api.backupDb().range)) {
            startCopy();
            break;
        }
        m_backupEstimated = 0;
        m_backupStartDue = 1;
        if (!g_api.backupEstimate(&m_backupRange)) {
            m_backupStartDue = 0;
            backupRefused(T_NO_SPACE);
        }
        break;
    }
    case TBackupWnd::Act_BackupStop:
        m_backupStartDue = 0;
        g_api.backupStop();
        break;
    case TBackupWnd::Act_BackupCamOff:
        if (w)
            w->setCamOff(g_api.userCamMask(0));
        break;
    default:
        break;
    }
}

bool TMain::backupNotify(int code, int val1, int val2, int rsType, const QString& strm)
{
    TBackupWnd* w = backupWnd();
    if (!w)
        return false;
    const QString title = tx(T_BACKUP);
    switch (code) {
    case SIG_BACKUP_CLEAR:
        if (w->isVisible())
            w->clearStatus(val1);
        return true;
    case SIG_BACKUP_END: {
        if (rsType == 0 && val1 != ChangedEnd) {
            // A copy that did not end well says why ("Failed", "No Data",
            // "Stop By User"); a good one keeps its last progress.
            w->runBackupEnd(val1 == CopyDone ? QString() : strm, currentDevice());
            return true;
        }
        const BackupDb db = g_api.backupDb();
        if (rsType != 0)
            m_backupEstimated = val1 == 0 && db.range.size > 0;
        if (m_backupStartDue && rsType != 0) {
            m_backupStartDue = 0;
            // The range held: the copy follows its estimate; else the
            // window shows what the device made of it.
            if (m_backupEstimated && sameRange(m_backupRange, db.range)) {
                startCopy();
                return true;
            }
        }
        w->estiBackupEnd(&db);
        return true;
    }
    case SIG_BACKUP_PROGRESS:
        w->setProgress(val1, strm);
        return true;
    case SIG_BD_DETECT:
    case SIG_BD_MOUNT: {
        if (val1 != ID_WND_BACKUP)
            return false;
        const bool detect = code == SIG_BD_DETECT;
        if (val2 != (detect ? TBackupWnd::Act_DetectExtSd : TBackupWnd::Act_MountExtSd))
            return true;
        if (!rsType) {
            emit sg_ctrlStatus(SIG_STATE_UPDATE, title, tx(detect ? T_NO_USB : T_MOUNT_FAILED));
            hideStatusLater(HideLater);
        }
        const BdList list = g_api.bdList();
        if (detect)
            w->detectExtSd(&list);
        else
            w->mountExtSd(&list);
        return true;
    }
    case SIG_BD_DATE: {
        hideStatusLater(100);
        int dateId = -1;
        int t;
        if (g_api.isPlay()) {
            dateId = g_api.decCurDateId();
            t = qBound(0, int(g_api.m_dec.time), 86399);
        } else {
            t = TClock::now().addSecs(-LiveBack).time().msecsSinceStartOfDay() / 1000;
        }
        w->setRange(dateId, t / 3600, t % 3600 / 60, t % 60, LiveBack);
        const BackupDb db = g_api.backupDb();
        w->infoBackupDb(&db, g_api.backupDates());
        return true;
    }
    case SIG_BD_INFO:
        if (val1 != ID_WND_BACKUP)
            return true;
        if (val2 == TBackupWnd::Act_SelectExtSd)
            emit sg_ctrlStatus(SIG_STATE_END, QString(), QString());
        w->runBackup(currentDevice());
        return true;
    default:
        return false;
    }
}
