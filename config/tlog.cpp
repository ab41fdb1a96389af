#include "tlog.h"
#include "tclock.h"
#include "tpath.h"
#include "utf8cut.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QRecursiveMutex>
#include <QtEndian>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// Event names by code. The name is the UI text of the id, whose English
// literal is also its translation key in the "TString" context, so the line
// comes out in the current language exactly as the text catalogue gives it.
struct LogText {
    quint16 code;
    short textId;
    const char* text;
};

const LogText kLogTexts[] = {
    {LOG_SYSTEM_START, 215, QT_TRANSLATE_NOOP("TString", "System Start")},
    {LOG_SYSTEM_SHUTDOWN, 216, QT_TRANSLATE_NOOP("TString", "System Shutdown")},
    {LOG_SYSTEM_UPGRADE, 217, QT_TRANSLATE_NOOP("TString", "System Upgrade")},
    {LOG_ABNORMAL_RESET, 218, QT_TRANSLATE_NOOP("TString", "Abnormal Reset")},
    {LOG_FORMAT, 108, QT_TRANSLATE_NOOP("TString", "Format")},
    {LOG_HDD_CHECK, 300, QT_TRANSLATE_NOOP("TString", "HDD Check")},
    {LOG_PANIC_START, 219, QT_TRANSLATE_NOOP("TString", "Panic Recording Start")},
    {LOG_PANIC_STOP, 220, QT_TRANSLATE_NOOP("TString", "Panic Recording Stop")},
    {LOG_REC_THREAD_ERROR, 440, QT_TRANSLATE_NOOP("TString", "Record Thread Error")},
    {LOG_HDD_ERROR, 441, QT_TRANSLATE_NOOP("TString", "HDD Error")},
    {LOG_HDD_WRITE_ERROR, 443, QT_TRANSLATE_NOOP("TString", "HDD Write Error")},
    {LOG_HDD_WRITE_OK, 444, QT_TRANSLATE_NOOP("TString", "HDD Write Ok")},
    {LOG_REC_DATA_ERROR, 447, QT_TRANSLATE_NOOP("TString", "Record Data Error")},
    {LOG_REC_DATA_OK, 448, QT_TRANSLATE_NOOP("TString", "Record Data Ok")},
    {LOG_REC_BUF_ERROR, 449, QT_TRANSLATE_NOOP("TString", "Record Buf Error")},
    {LOG_REC_BUF_OK, 450, QT_TRANSLATE_NOOP("TString", "Record Buf Ok")},
    {LOG_XFS_ERROR, 442, QT_TRANSLATE_NOOP("TString", "XFS Error")},
    {LOG_DB_HDD_GOOD, 445, QT_TRANSLATE_NOOP("TString", "DB HDD Good")},
    {LOG_DB_HDD_BAD, 446, QT_TRANSLATE_NOOP("TString", "DB HDD Bad")},
    {LOG_NET_DATA_ERROR, 451, QT_TRANSLATE_NOOP("TString", "Network Data Error")},
    {LOG_NET_DATA_OK, 452, QT_TRANSLATE_NOOP("TString", "Network Data Ok")},
    {LOG_CHIP_TIMEOUT, 453, QT_TRANSLATE_NOOP("TString", "Chip Timeout")},
    {LOG_VIDEO_LOSS, 461, QT_TRANSLATE_NOOP("TString", "Video Loss")},
    {LOG_VIDEO_IN, 462, QT_TRANSLATE_NOOP("TString", "Video In")},
    {LOG_LOGIN, 221, QT_TRANSLATE_NOOP("TString", "Log-In")},
    {LOG_LOGOUT, 222, QT_TRANSLATE_NOOP("TString", "Log-Out")},
    {LOG_AUTO_LOGOUT, 223, QT_TRANSLATE_NOOP("TString", "Auto-Out")},
    {LOG_SETUP_START, 224, QT_TRANSLATE_NOOP("TString", "Setup Start")},
    {LOG_SETUP_STOP, 225, QT_TRANSLATE_NOOP("TString", "Setup Stop")},
    {LOG_SETUP_CHANGED, 226, QT_TRANSLATE_NOOP("TString", "Setup Changed")},
    {LOG_SEARCH_START, 227, QT_TRANSLATE_NOOP("TString", "Search Start")},
    {LOG_SEARCH_STOP, 228, QT_TRANSLATE_NOOP("TString", "Search Stop")},
    {LOG_BACKUP_START, 229, QT_TRANSLATE_NOOP("TString", "Backup Start")},
    {LOG_BACKUP_STOP, 230, QT_TRANSLATE_NOOP("TString", "Backup Stop")},
    {LOG_PTZ_START, 231, QT_TRANSLATE_NOOP("TString", "PTZ Start")},
    {LOG_PTZ_STOP, 232, QT_TRANSLATE_NOOP("TString", "PTZ Stop")},
    {LOG_NET_CONNECT, 233, QT_TRANSLATE_NOOP("TString", "Network Connect")},
    {LOG_NET_UPGRADE, 234, QT_TRANSLATE_NOOP("TString", "Network Upgrade")},
    {LOG_EMAIL_SEND, 235, QT_TRANSLATE_NOOP("TString", "Email Send")},
    {LOG_NET_CABLE_CONNECTED, 236, QT_TRANSLATE_NOOP("TString", "Network Cable Connected")},
    {LOG_NET_CABLE_DISCONNECTED, 237, QT_TRANSLATE_NOOP("TString", "Network Cable Disconnected")},
    {LOG_NTP_TIME_CHANGE, 238, QT_TRANSLATE_NOOP("TString", "NTP Time Change")},
    {LOG_SMART_ERROR, 239, QT_TRANSLATE_NOOP("TString", "S.M.A.R.T Error")},
    {LOG_HDD_OVERHEAT, 240, QT_TRANSLATE_NOOP("TString", "HDD Overheating")},
};

QString eventText(quint16 code)
{
    for (const LogText& t : kLogTexts) {
        if (t.code == code)
            return QCoreApplication::translate("TString", t.text);
    }
    return QString();
}

// Copies a caller's text into a fixed field, reading at most size bytes of it.
// A text that does not fit is cut to size - 1 bytes at a whole UTF-8
// character, and always ends with a terminator.
void copyText(char* dst, int size, const char* src)
{
    const int n = utf8WholeLen(src, int(qstrnlen(src, uint(size))), size - 1);
    std::memcpy(dst, src, size_t(n));
    dst[n] = '\0';
}

// The local date and time of now on the recorder's clock (TClock).
// That call takes up the time zone again each time (stat of the zone file,
// three times over), which cost three quarters of a record write; here the
// zone is taken up again only when the second or TZ changes. A change of the
// zone file alone therefore shows from the next second on.
struct tm localNow()
{
    thread_local time_t s_second = -1;
    thread_local bool s_hasZone = false;
    thread_local QByteArray s_zone;
    thread_local struct tm s_local;

    struct timespec now;
    now.tv_sec = time_t(TClock::secs());
    const char* zone = std::getenv("TZ");
    if (now.tv_sec != s_second || (zone != nullptr) != s_hasZone || (zone && s_zone != zone)) {
        ::tzset();
        ::localtime_r(&now.tv_sec, &s_local);
        s_second = now.tv_sec;
        s_hasZone = zone != nullptr;
        s_zone = zone;
    }
    return s_local;
}

QString fieldText(const char* field, int size)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(size))));
}

} // namespace

TLog::TLog(const char* path)
    : QObject(nullptr)
    , m_fd(-1)
    , m_mutex(new QRecursiveMutex)
{
    std::memset(&m_hdr, 0, sizeof m_hdr);
    std::memset(m_path, 0, sizeof m_path);
    std::memset(&m_last, 0, sizeof m_last);
    open(path);
}

TLog::~TLog()
{
    close();
    delete m_mutex;
}

void TLog::open(const char* path)
{
    QMutexLocker lock(m_mutex);
    if (m_fd >= 0) { // never leave the old descriptor behind
        ::close(m_fd);
        m_fd = -1;
    }
    // A reopen passes m_path itself: go through a scratch buffer so that the
    // copy never overlaps its source.
    char name[PATH_SIZE] = {};
    const int len = path ? int(qstrnlen(path, PATH_SIZE)) : 0;
    if (len >= PATH_SIZE)
        qCDebug(lcConfig, "TLog::open path longer than %d characters", PATH_SIZE - 1);
    else if (len > 0)
        std::memcpy(name, path, size_t(len));
    std::memcpy(m_path, name, sizeof m_path);
    std::memset(&m_hdr, 0, sizeof m_hdr);

    bool bad = true;
    if (m_path[0]) {
        const QByteArray file = TPath::mapLocal(m_path);
        m_fd = ::open(file.constData(), O_RDWR | O_CLOEXEC);
        if (m_fd < 0) {
            m_fd = ::open(file.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            if (m_fd < 0)
                qCDebug(lcConfig, "TLog::TLog open failed!! err:%s", qPrintable(qt_error_string(errno)));
        } else {
            LogHeader raw;
            std::memset(&raw, 0, sizeof raw);
            const ssize_t got = ::pread(m_fd, &raw, BLOCK_SIZE, 0);
            LogHeader h;
            convHeader(1, &raw, &h);
            m_hdr.mag = h.mag;
            m_hdr.ow = h.ow;
            m_hdr.w_idx = h.w_idx;
            bad = false;
            if (got != BLOCK_SIZE) {
                qCDebug(lcConfig, "TLog::TLog read hdr error!!");
                bad = true;
            }
            if (m_hdr.mag != quint32(LOG_MAGIC)) {
                qCDebug(lcConfig, "TLog::TLog mag:%08x Error!!!!", m_hdr.mag);
                bad = true;
            }
            if (m_hdr.w_idx > quint32(RING_SIZE)) {
                qCDebug(lcConfig, "TLog::TLog w_idx:%d Error!!", int(m_hdr.w_idx));
                bad = true;
            }
            if (m_hdr.ow > 1) {
                qCDebug(lcConfig, "TLog::TLog ow:%d Error!!", int(m_hdr.ow));
                bad = true;
            }
        }
    }
    if (!bad)
        return;
    // An empty ring. Old records stay in the file but are no longer shown.
    std::memset(&m_hdr, 0, sizeof m_hdr);
    m_hdr.mag = LOG_MAGIC;
    if (m_fd >= 0) {
        writeHeader();
        sync();
    }
}

void TLog::log_write(int code, const char* user, const char* contents, const QDateTime* when)
{
    LogRecord rec;
    std::memset(&rec, 0, sizeof rec);
    if (when) {
        const QDate d = when->date();
        const QTime t = when->time();
        if (d.isValid()) {
            rec.year = quint16(d.year());
            rec.month = quint16(d.month());
            rec.day = quint16(d.day());
        }
        if (t.isValid()) {
            rec.hour = quint16(t.hour());
            rec.minute = quint16(t.minute());
            rec.second = quint16(t.second());
        }
    } else {
        const struct tm now = localNow();
        rec.year = quint16(now.tm_year + 1900);
        rec.month = quint16(now.tm_mon + 1);
        rec.day = quint16(now.tm_mday);
        rec.hour = quint16(now.tm_hour);
        rec.minute = quint16(now.tm_min);
        rec.second = quint16(now.tm_sec);
    }
    rec.code = quint16(code & 0xffff);
    if (user)
        copyText(rec.user, int(sizeof rec.user), user);
    if (contents) {
        copyText(rec.contents, int(sizeof rec.contents), contents);
        qCDebug(lcConfig, "TLog::log_write.. contents:%s", rec.contents);
    }

    // The reopen runs under the lock too, so that two writers finding the log
    // closed open it once.
    QMutexLocker lock(m_mutex);
    if (m_fd < 0) {
        open(m_path);
        if (m_fd < 0)
            return;
    }
    if (m_hdr.w_idx >= quint32(RING_SIZE)) {
        m_hdr.ow = 0;
        m_hdr.w_idx = 0;
        writeHeader();
        sync();
    }
    // Taken after the reset above so that a failed write leaves the header in
    // memory equal to the one in the file.
    const LogHeader saved = m_hdr;

    // Record first, header after: a crash in between leaves the old header,
    // which does not show the slot being written (a new slot, or one of the
    // hidden oldest ones once the ring has wrapped).
    LogRecord raw;
    convRecord(0, &rec, &raw);
    const ssize_t n = ::pwrite(m_fd, &raw, BLOCK_SIZE, off_t(m_hdr.w_idx + 1) * BLOCK_SIZE);
    if (n != BLOCK_SIZE) {
        qCDebug(lcConfig, "TLog::log_write PWRITE Error!! ret:%d", int(n));
        m_hdr = saved;
        return;
    }
    ++m_hdr.w_idx;
    if (m_hdr.w_idx > quint32(RING_SIZE - 1)) {
        m_hdr.w_idx = 0;
        m_hdr.ow = 1;
    }
    writeHeader();
    sync();
    m_last = rec;
}

int TLog::log_read(int i, LogRecord* out)
{
    if (!out)
        return 0;
    QMutexLocker lock(m_mutex);
    if (m_fd < 0)
        return 0;
    if (i < 0 || i >= RING_SIZE) {
        qCDebug(lcConfig, "TLog::log_read i:%d out of ring", i);
        std::memset(out, 0, sizeof *out);
        return 0;
    }
    LogRecord raw;
    const ssize_t n = ::pread(m_fd, &raw, BLOCK_SIZE, off_t(i + 1) * BLOCK_SIZE);
    if (n != BLOCK_SIZE) {
        std::memset(out, 0, sizeof *out);
        return 0;
    }
    convRecord(1, &raw, out);
    // The file may hold anything: its texts end within their fields here.
    out->user[sizeof out->user - 1] = '\0';
    out->contents[sizeof out->contents - 1] = '\0';
    return 1;
}

int TLog::count() const
{
    QMutexLocker lock(m_mutex);
    if (m_fd < 0)
        return 0;
    if (m_hdr.ow == 1)
        return SHOWN_MAX;
    return int(qMin(m_hdr.w_idx, quint32(SHOWN_MAX)));
}

int TLog::startIndex() const
{
    QMutexLocker lock(m_mutex);
    if (m_fd < 0)
        return 0;
    return int(m_hdr.w_idx) + int(m_hdr.ow) * RING_SIZE - count();
}

void TLog::lastRecord(LogRecord* out) const
{
    if (!out)
        return;
    QMutexLocker lock(m_mutex);
    *out = m_last;
}

QString TLog::toText(const LogRecord* rec) const
{
    if (!rec)
        return QString();
    QString line = eventText(rec->code);
    const QString contents = fieldText(rec->contents, int(sizeof rec->contents));
    if (!contents.isEmpty())
        line += QLatin1Char(' ') + contents;
    const QString user = fieldText(rec->user, int(sizeof rec->user));
    if (!user.isEmpty())
        line += QLatin1Char('[') + user + QLatin1Char(']');
    return line;
}

void TLog::close()
{
    QMutexLocker lock(m_mutex);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

int TLog::sync()
{
    QMutexLocker lock(m_mutex);
    if (m_fd < 0)
        return -1;
    return ::fsync(m_fd);
}

bool TLog::writeHeader()
{
    LogHeader raw;
    convHeader(0, &m_hdr, &raw);
    std::memset(raw.reserved, 0, sizeof raw.reserved);
    const ssize_t n = ::pwrite(m_fd, &raw, BLOCK_SIZE, 0);
    if (n != BLOCK_SIZE) {
        qCDebug(lcConfig, "TLog::writeHeader PWRITE Error!! ret:%d", int(n));
        return false;
    }
    return true;
}

void TLog::convHeader(int toHost, const LogHeader* src, LogHeader* dst)
{
    LogHeader h;
    std::memcpy(&h, src, sizeof h);
    for (quint32* v : {&h.mag, &h.ow, &h.w_idx})
        *v = toHost ? qFromBigEndian(*v) : qToBigEndian(*v);
    std::memcpy(dst, &h, sizeof h);
}

void TLog::convRecord(int toHost, const LogRecord* src, LogRecord* dst)
{
    LogRecord r;
    std::memcpy(&r, src, sizeof r);
    for (quint16* v : {&r.year, &r.month, &r.day, &r.hour, &r.minute, &r.second, &r.code})
        *v = toHost ? qFromBigEndian(*v) : qToBigEndian(*v);
    std::memcpy(dst, &r, sizeof r);
}
