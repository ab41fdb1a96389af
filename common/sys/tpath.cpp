#include "tpath.h"
#include "trootmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSys)

namespace {

QString fromHost(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }

std::string toHost(const QString& s) { return QFile::encodeName(s).toStdString(); }

// Marks every other descriptor on the folder that own holds close-on-exec.
void keepInheritedHolds(int own)
{
    // A hold this process was started with (the run command's, which it
    // becomes) ends with this process like its own, instead of passing on
    // to every program it starts and outliving it there.
    struct stat root;
    if (::fstat(own, &root) != 0)
        return;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& name : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const int fd = name.toInt(&ok);
        struct stat st;
        if (!ok || fd == own || ::fstat(fd, &st) != 0 || st.st_dev != root.st_dev || st.st_ino != root.st_ino)
            continue;
        const int flags = ::fcntl(fd, F_GETFD);
        if (flags >= 0)
            ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
}

} // namespace

void TPath::init() { TRootMap::fixRoot(); }

void TPath::holdRoot()
{
    static int s_held = -1; // never closed: the lock lasts as long as the process
    const std::string r = TRootMap::root();
    if (r.empty() || s_held >= 0)
        return;
    // A root that is not there yet is made, and held as any other.
    QDir().mkpath(fromHost(r));
    const int fd = ::open(r.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int rc = fd < 0 ? -1 : ::flock(fd, LOCK_SH | LOCK_NB);
    if (rc != 0 && fd >= 0 && errno == EWOULDBLOCK) {
        // Only the run command locks a root alone, while it makes it
        // afresh: this run starts in the root it leaves.
        qCWarning(lcSys, "TPath::holdRoot runtime root %s is being made afresh: waiting", r.c_str());
        do
            rc = ::flock(fd, LOCK_SH);
        while (rc != 0 && errno == EINTR);
    }
    if (rc != 0) {
        qCWarning(lcSys, "TPath::holdRoot runtime root %s cannot be held: %s", r.c_str(), std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return;
    }
    s_held = fd;
    keepInheritedHolds(fd);
}

QString TPath::root() { return fromHost(TRootMap::root()); }

QString TPath::map(const QString& path)
{
    std::string out;
    if (!TRootMap::map(toHost(path), &out)) {
        qCDebug(lcSys).noquote() << "TPath::map refused:" << path;
        return QString();
    }
    return fromHost(out);
}

QByteArray TPath::mapLocal(const char* path)
{
    if (!path)
        return QByteArray();
    return QFile::encodeName(map(QFile::decodeName(path)));
}

QString TPath::appDir()
{
    const QString r = root();
    if (!r.isEmpty())
        return r + QLatin1String("/app");
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

bool TPath::insideRoot(const QString& mappedPath) { return TRootMap::inside(toHost(mappedPath)); }
