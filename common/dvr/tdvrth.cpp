#include "tdvrth.h"
#include "tflashfile.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tlog.h"
#include "tpath.h"
#include "trunner.h"
#include "utf8cut.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// A UI text by its English literal, the text catalogue's translation key:
// it reads in the language in force, as the catalogue gives it.
QString uiText(const char* english)
{
    return QCoreApplication::translate("TString", english);
}

QByteArray hashOf(const QString& unitPath, bool* ok)
{
    QFile f(TPath::map(unitPath));
    QCryptographicHash h(QCryptographicHash::Sha256);
    *ok = f.open(QIODevice::ReadOnly) && h.addData(&f);
    return h.result();
}

// The RAM log's copy the export reads; a name of its own, so no export
// name can make it the live log.
const char kLogCopy[] = "/tmp/SYSTEM.log.export";

// A configuration file is well below this; a larger RAM file is not one.
const qint64 kMaxConfFile = 4 * 1024 * 1024;
}

TDvrTh::TDvrTh(TDVRAPI* api)
    : QThread(api)
    , m_api(api)
{
}

void TDvrTh::readyForrun(int mode, const QString& arg)
{
    qCDebug(lcApi, "TDvrTh::readyForrun.. mode:%d ", mode);
    quit();
    m_mode = mode;
    m_arg = arg;
}

void TDvrTh::run()
{
    qCDebug(lcApi, "TDvrTh::run.. m_mode:%d", m_mode);
    switch (m_mode) {
    case MODE_LOG_EXPORT:
        saveLog();
        break;
    case MODE_CONF_EXPORT:
        exportConf();
        break;
    case MODE_UPGRADE:
        upgradeExtSd();
        break;
    default:
        break;
    }
}

void TDvrTh::status(const QString& text)
{
    m_api->statusMsg(0, &text);
}

void TDvrTh::endDelay()
{
    if (m_endDelay > 0)
        QThread::msleep(static_cast<unsigned long>(m_endDelay));
}

bool TDvrTh::targetFree(const QString& target)
{
    const QFileInfo fi(TPath::map(target));
    qCDebug(lcApi, "fname:%s st_size:%lld", qUtf8Printable(target), fi.exists() ? fi.size() : 0LL);
    // A link on the medium could lead the export anywhere, the recorder's
    // own files included: it is never written through.
    if (fi.isSymLink()) {
        status(uiText("Failed"));
        return false;
    }
    if (!fi.exists() || fi.size() == 0)
        return true;
    status(uiText("Failed") + QStringLiteral("! ") + uiText("Same File Exist"));
    return false;
}

void TDvrTh::saveLog()
{
    qCDebug(lcApi, "========== TDvrTh::saveLog ============");
    const QString target = QStringLiteral("/backup/") + QString::fromUtf8(q2Utf8Whole(m_arg, 255));
    if (targetFree(target)) {
        // The export reads a copy through a log of its own: the live log
        // goes on being written meanwhile.
        bool ok = m_api->snapshotLog(QLatin1String(kLogCopy));
        // The text goes to the medium whole once it is made, under a
        // temporary name first: a pulled stick leaves no cut file.
        QByteArray out;
        if (ok) {
            TLog copy(kLogCopy);
            const int n = copy.count();
            const int start = copy.startIndex();
            for (int i = 0; i < n && ok; ++i) {
                LogRecord r;
                ok = copy.log_read((start + i) % TLog::RING_SIZE, &r) == 1;
                if (!ok)
                    break;
                QString stamp;
                if (g_cfg)
                    stamp = g_cfg->datetext(r.year, r.month, r.day) + QLatin1Char(' ')
                            + g_cfg->timetext(r.hour, r.minute, r.second);
                char line[160];
                const int len = qsnprintf(line, sizeof line, "%05d:[%s] %s\r\n", i + 1,
                                          q2Utf8Whole(stamp, 63).constData(),
                                          q2Utf8Whole(copy.toText(&r), 63).constData());
                out.append(line, len);
                if (ok && i % 100 == 0)
                    status(QString::asprintf("%d%%(%d/%d)", (i + 1) * 100 / n, i + 1, n));
            }
        }
        if (ok)
            ok = TFlashFile::write(target, out) == 0;
        status(uiText(ok ? "Success" : "Failed"));
        TRunner::removeFile(QLatin1String(kLogCopy));
    }
    m_api->umountExtSd();
    endDelay();
}

void TDvrTh::exportConf()
{
    qCDebug(lcApi, "========== TDvrTh::exportConf ============");
    const QString target = QStringLiteral("/backup/") + m_arg;
    if (targetFree(target)) {
        // The copy lands whole or not at all, in a file of its own.
        QFile in(g_cfg ? TPath::map(g_cfg->tmpPath()) : QString());
        bool ok = g_cfg && in.open(QIODevice::ReadOnly);
        const QByteArray data = ok ? in.read(kMaxConfFile + 1) : QByteArray();
        ok = ok && data.size() <= kMaxConfFile && !data.isEmpty() && TFlashFile::write(target, data) == 0;
        status(uiText(ok ? "Success" : "Failed"));
    }
    m_api->umountExtSd();
    endDelay();
}

bool TDvrTh::copyChecked(const QString& from, const QString& to)
{
    bool ok = TRunner::copyFile(from, to);
    if (ok) {
        bool readFrom = false;
        bool readTo = false;
        const QByteArray a = hashOf(from, &readFrom);
        const QByteArray b = hashOf(to, &readTo);
        ok = readFrom && readTo && a == b;
    }
    if (!ok)
        TRunner::removeFile(to);
    return ok;
}

bool TDvrTh::stageImage(const QString& version)
{
    QSaveFile ver(TPath::map(QStringLiteral("/dvr/fwr_ver")));
    const bool ok = ver.open(QIODevice::WriteOnly) && ver.write(version.toUtf8() + '\n') > 0 && ver.commit()
                    && TRunner::moveFile(QStringLiteral("/dvr/fwr.tmp"), QStringLiteral("/dvr/fwr"))
                    && m_api->runSystem("cd /dvr;tar -zxvf /dvr/fwr ./upgrade") == 0;
    return ok;
}

void TDvrTh::upgradeExtSd()
{
    qCDebug(lcApi, "========== TDvrTh::upgradeExtSd ============");
    // Recording stops while the image is copied and checked.
    m_api->encStop();
    m_api->writeLog(LOG_SYSTEM_UPGRADE, nullptr, nullptr);
    status(uiText("Copy Files"));

    // The image is copied by the program itself (no name from the medium
    // reaches a command line), and the staged copy is what gets checked.
    const QString staged = QStringLiteral("/dvr/fwr.tmp");
    m_result = 0;
    bool ok = copyChecked(m_arg, staged);
    if (ok) {
        status(uiText("Checking Checksum"));
        int result = 0;
        if (DalCheckValidFwr("/dvr/fwr.tmp", &result) < 0)
            result = 0; // no answer is no valid image
        m_result = result;
        // An image of another model (2) would be staged with no upgrade to
        // follow: it is refused like a damaged one, and nothing is staged.
        if (m_result != 1) {
            const QString text = uiText("Checksum Mismatch");
            m_api->writeLog(LOG_NET_UPGRADE, nullptr, text.toUtf8().constData());
            status(text);
            TRunner::removeFile(staged);
        } else {
            char version[256] = "0.0.0.0";
            TDVRAPI::findFwr(m_arg.toUtf8().constData(), version, int(sizeof version));
            qCDebug(lcApi, "TDvrTh::upgrade.. fwr_ver:%s", version);
            ok = stageImage(QString::fromUtf8(version));
            if (!ok) {
                // Half staged is not staged: nothing of it is left to be taken.
                TRunner::removeFile(staged);
                TRunner::removeFile(QStringLiteral("/dvr/fwr_ver"));
            }
            status(uiText(ok ? "Checksum Ok" : "Failed"));
        }
    } else {
        const QString text = uiText("Failed");
        m_api->writeLog(LOG_NET_UPGRADE, nullptr, text.toUtf8().constData());
        status(text);
    }
    // A valid image leaves recording stopped for the upgrade; otherwise the
    // recorder goes on.
    if (ok && m_result == 1)
        m_api->m_fUpgrade = 1;
    else
        m_api->encStart();
    endDelay();
}
