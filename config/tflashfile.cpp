#include "tflashfile.h"
#include "tpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

TFlashFile::FaultHook g_fault = nullptr;

const char* const kStepNames[] = {"open", "read", "write", "sync", "close", "rename", "syncdir"};

// Runs one step: the fault seam first, then the call. A failing step keeps
// its errno (EIO when the call gave none) and is logged.
template <typename F>
int step(TFlashFile::Step s, const QString& path, F call)
{
    int err = g_fault ? g_fault(s, path) : 0;
    if (!err) {
        errno = 0;
        if (call())
            return 0;
        err = errno ? errno : EIO;
    }
    qCDebug(lcConfig, "TFlashFile %s failed:%s err:%s", kStepNames[s], qPrintable(path),
            qPrintable(qt_error_string(err)));
    return err;
}

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // a short write ends in an error on the next call
        data += n;
        size -= n;
    }
    return true;
}

// Closes always (the seam only decides what the step reports): close() can
// be the first to report a failed write-back.
int closeFile(int fd, const QString& path)
{
    const bool closed = ::close(fd) == 0;
    const int err = errno;
    return step(TFlashFile::StepClose, path, [&] {
        errno = err;
        return closed;
    });
}

int syncFolder(const QString& file)
{
    const QString dir = QFileInfo(file).absolutePath();
    return step(TFlashFile::StepSyncDir, dir, [&] {
        const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool ok = ::fsync(fd) == 0;
        const int err = errno;
        ::close(fd);
        errno = err;
        return ok;
    });
}

} // namespace

void TFlashFile::setFaultHook(FaultHook hook)
{
    g_fault = hook;
}

namespace {

// Writes a new file over target (a host path) through a temporary file
// beside it: each chunk that next gives is written (next answers 0 or the
// errno of its own failure, and a chunk of 0 bytes ends the data), then the
// file is synced, closed and renamed, and the folder synced. 0 or the errno
// of the failing step; the temporary file is removed on failure.
template <typename Next>
int writeOver(const QString& target, Next next)
{
    // mkostemp fills in the six characters; removeLeftovers knows the name.
    QByteArray temp = QFile::encodeName(target) + ".XXXXXX";
    int fd = -1;
    int err = step(TFlashFile::StepOpen, target, [&] {
        fd = ::mkostemp(temp.data(), O_CLOEXEC);
        return fd >= 0 && ::fchmod(fd, 0644) == 0;
    });
    const char* data = nullptr;
    qint64 n = 0;
    while (!err && !(err = next(&data, &n)) && n > 0)
        err = step(TFlashFile::StepWrite, target, [&] { return writeAll(fd, data, n); });
    if (!err)
        err = step(TFlashFile::StepSync, target, [&] { return ::fsync(fd) == 0; });
    if (fd >= 0) {
        const int closeErr = closeFile(fd, target);
        err = err ? err : closeErr;
    }
    if (!err)
        err = step(TFlashFile::StepRename, target,
                   [&] { return ::rename(temp.constData(), QFile::encodeName(target).constData()) == 0; });
    if (err) {
        if (fd >= 0)
            ::unlink(temp.constData());
        return err;
    }
    return syncFolder(target);
}

} // namespace

int TFlashFile::copy(const QString& from, const QString& to)
{
    QFile in(TPath::map(from));
    if (int err = step(StepOpen, in.fileName(), [&] { return in.open(QIODevice::ReadOnly); }))
        return err;
    char buf[65536];
    return writeOver(TPath::map(to), [&](const char** data, qint64* n) {
        *data = buf;
        // A read error ends the copy with it; it is never taken as the end
        // of the source (a cut copy) nor tried again (a copy without end).
        return step(StepRead, in.fileName(), [&] {
            *n = in.read(buf, sizeof buf);
            return *n >= 0;
        });
    });
}

int TFlashFile::write(const QString& to, const QByteArray& data)
{
    bool given = false;
    return writeOver(TPath::map(to), [&](const char** out, qint64* n) {
        *out = data.constData();
        *n = given ? 0 : data.size();
        given = true;
        return 0;
    });
}

int TFlashFile::sync(const QString& path)
{
    const QString file = TPath::map(path);
    int fd = -1;
    if (int err = step(StepOpen, file, [&] {
            fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
            return fd >= 0;
        }))
        return err;
    int err = step(StepSync, file, [&] { return ::fsync(fd) == 0; });
    const int closeErr = closeFile(fd, file);
    err = err ? err : closeErr;
    return err ? err : syncFolder(file);
}

int TFlashFile::removeLeftovers(const QString& path, TempNames names)
{
    const QString mapped = TPath::map(path);
    if (mapped.isEmpty())
        return 0;
    const QFileInfo target(mapped);
    // The target's name, a dot and the six characters the writer chose:
    // "DVR16.conf.bak" or "DVR16.conf.old" are someone else's.
    const QString chosen = names == QtTemp ? QStringLiteral("[A-Za-z]{6}") : QStringLiteral("[A-Za-z0-9]{6}");
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.") + chosen));
    int removed = 0;
    const QFileInfoList files =
        target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& f : files) {
        if (temporary.match(f.fileName()).hasMatch() && QFile::remove(f.absoluteFilePath())) {
            qCDebug(lcConfig, "TFlashFile removed a cut-off write:%s", qPrintable(f.absoluteFilePath()));
            ++removed;
        }
    }
    return removed;
}
