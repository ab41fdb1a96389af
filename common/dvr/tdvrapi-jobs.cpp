// Long jobs on the job thread, their status messages and their end; the
// service actions of the system-management page and the board test.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrth.h"
#include "tlog.h"
#include "tlogthread.h"
#include "tpath.h"
#include "tquickopt.h"
#include "trunner.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// A UI text by its English literal, the text catalogue's translation key:
// it reads in the language in force, as the catalogue gives it.
QString uiText(const char* english)
{
    return QCoreApplication::translate("TString", english);
}

// A text without control characters (a line break above all), so that it
// can show in a box and land in a file or a log line as one name.
bool isPrintable(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

// A file name on the external medium that stays a name there.
bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1String(".."))
           && isPrintable(name);
}
}

int TDVRAPI::startJob(int mode, const char* name, const QString& title)
{
    // One job at a time: a second one would take over the running job's
    // mode and argument, so it is refused where the operator sees it.
    if (m_jobBusy) {
        emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title, uiText("DVR Busy!!"));
        return -1;
    }
    const QString n = QString::fromUtf8(name ? name : "");
    if (!isPlainName(n)) {
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, title, uiText("Failed"));
        emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
        return -1;
    }
    QString arg = n;
    if (mode == TDvrTh::MODE_UPGRADE) {
        // The caller has the status box up already.
        runSystem("rm -f /dvr/fwr_ver");
        arg = QStringLiteral("/backup/") + n;
    } else {
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, title, uiText("Please wait..."));
    }
    m_dvrTh->readyForrun(mode, arg);
    m_jobBusy = true;
    m_dvrTh->start(); // inherited priority
    return 0;
}

int TDVRAPI::saveLogFile(const char* name)
{
    return startJob(TDvrTh::MODE_LOG_EXPORT, name, uiText("SystemLog export"));
}

int TDVRAPI::exportConf(const char* name)
{
    qCDebug(lcApi, "TDVRAPI::exportConf.. fname:%s", name ? name : "");
    return startJob(TDvrTh::MODE_CONF_EXPORT, name, uiText("Configuration export"));
}

int TDVRAPI::upgradeExtSd(const char* name)
{
    qCDebug(lcApi, "TDVRAPI::upgradeExtSd.. fname:%s", name ? name : "");
    return startJob(TDvrTh::MODE_UPGRADE, name, uiText("Upgrade"));
}

void TDVRAPI::findFwr(const char* path, char* out, int n)
{
    if (!path || !out || n < 1)
        return;
    const char* hash = std::strrchr(path, '#');
    if (!hash)
        return;
    char version[100];
    qstrncpy(version, hash + 1, sizeof version);
    if (char* end = std::strstr(version, ".fwr"))
        *end = '\0';
    // The version is shown and written to a file line: a name carrying
    // control characters gives none.
    for (const char* c = version; *c; ++c)
        if (uchar(*c) < 0x20 || uchar(*c) == 0x7f)
            return;
    qstrncpy(out, version, uint(n));
}

void TDVRAPI::statusMsg(int, const QString* text)
{
    if (!m_dvrTh || !text)
        return;
    QString title;
    switch (m_dvrTh->m_mode) {
    case TDvrTh::MODE_LOG_EXPORT: title = uiText("SystemLog export"); break;
    case TDvrTh::MODE_EVENT_LOG_EXPORT: title = uiText("Event Log Export"); break;
    case TDvrTh::MODE_CONF_EXPORT: title = uiText("Configuration export"); break;
    case TDvrTh::MODE_UPGRADE: title = uiText("Upgrade"); break;
    default: return;
    }
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title, *text);
    keepTestResult(*text);
}

bool TDVRAPI::snapshotLog(const QString& to)
{
    QMutexLocker lock(&m_logMutex);
    return m_log && TRunner::copyFile(QString::fromLocal8Bit(m_log->path()), to);
}

void TDVRAPI::sl_thFinished()
{
    const int mode = m_dvrTh ? m_dvrTh->m_mode : TDvrTh::MODE_NONE;
    switch (mode) {
    case TDvrTh::MODE_LOG_EXPORT:
    case TDvrTh::MODE_EVENT_LOG_EXPORT:
    case TDvrTh::MODE_CONF_EXPORT:
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        break;
    case TDvrTh::MODE_UPGRADE:
        if (m_fUpgrade) {
            // The watchdog stays armed through the upgrade.
            enableWdt(1);
            setWdttime(30);
            notify(SIG_UPGRADE_READY, 0, 0, 0);
        }
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        break;
    default:
        break;
    }
    {
        QMutexLocker lock(&m_netTestMutex);
        m_nTest = 0;
        m_nTestNet = 0;
        m_testKind = NET_TEST_NONE;
    }
    m_jobBusy = false;
}

void TDVRAPI::hotKeyMessage(const QString& text)
{
    const QString title = QStringLiteral("Hot Key");
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, title, text);
    emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, title, text);
}

void TDVRAPI::hotKeyAction(int action, int)
{
    switch (action) {
    case 0:
        runSystem("rm -f /dvr/board_ok.txt");
        runSystem("sync");
        hotKeyMessage(QStringLiteral("config BoardTest"));
        break;
    case 1:
        // Only the files go: the configuration in RAM and the running
        // device stay as they are until the next start.
        if (g_cfg)
            TRunner::removeFile(g_cfg->confPath());
        if (m_quickOpt) {
            QMutexLocker lock(&m_quickOptMutex);
            m_quickOpt->setDefaultOrder();
            m_quickOpt->save();
        }
        runSystem("rm -f /dvr/config.tmp");
        runSystem("rm -f /dvr/panic-record");
        runSystem("sync");
        hotKeyMessage(QStringLiteral("delete Configuration File"));
        break;
    case 2:
        // A copy still pending from an earlier write would bring the file
        // back at once: it is done first. The next write reopens the log
        // and copies it again.
        flushLog();
        {
            QMutexLocker lock(&m_logMutex);
            if (m_log)
                m_log->close();
        }
        runSystem("rm -f /dvr/SYSTEM.log");
        runSystem("sync");
        hotKeyMessage(QStringLiteral("delete Log File"));
        break;
    case 3:
        // Every disk; the format reports through its own status messages.
        formatStorage(-1, 0);
        break;
    case 4: {
        char value[128] = "6";
        DalCmd("vga-type", value, int(sizeof value));
        DalVoutSetCaps(0, 0);
        break;
    }
    default:
        break;
    }
}

void TDVRAPI::testWdt(int on)
{
    if (!on) {
        runSystem("rm -f /dvr/board_ok.txt");
        runSystem("sync");
        return;
    }
    const QByteArray marker = TPath::mapLocal("/dvr/board_ok.txt");
    for (int i = 0; i < 5; ++i) {
        const int fd = marker.isEmpty() ? -1 : ::open(marker.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) {
            if (::write(fd, "ok", 3) != 3 || ::fsync(fd) != 0)
                qCWarning(lcApi, "TDVRAPI::testWdt marker not written");
            ::close(fd);
        }
        runSystem("sync");
    }
    msleep(1);
    // Armed directly, also with "-disablewdt": the board must reset.
    DalIoSetWdt(1, 3);
    qCDebug(lcApi, "================ Test watch dog start ==============");
}
