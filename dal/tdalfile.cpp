#include "tdalfile.h"
#include "tdaljournal.h"
#include "trootmap.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const TDalFile::kKept = "a file is there, kept";

namespace {
// Every temporary file of the stand-in is named so: the prefix, then
// kTempLetters of kLetters. sweep takes no other name, and it holds no
// ".exe" for Import to offer.
const char kTempPrefix[] = ".dalpart-";
const size_t kTempLetters = 8;
const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// The removals a sweep says one by one; the rest are counted in one line.
const int kSweepLines = 20;

// Steps a test has asked to fail: how many more of the kind succeed first
// (-1: none fails).
std::atomic<int> s_failIn[2] = {{-1}, {-1}};

// Whether this step of the kind is the one asked to fail.
bool failsNow(TDalFile::Step step)
{
    std::atomic<int>& left = s_failIn[step];
    int v = left.load();
    while (v >= 0 && !left.compare_exchange_weak(v, v - 1)) {
    }
    return v == 0;
}

bool isTempName(const char* name)
{
    const size_t n = std::strlen(name);
    return n == sizeof kTempPrefix - 1 + kTempLetters && std::strncmp(name, kTempPrefix, sizeof kTempPrefix - 1) == 0
           && std::strspn(name + sizeof kTempPrefix - 1, kLetters) == kTempLetters;
}

// The name in the open folder still leads to the open file.
bool namesFile(int dir, const char* name, int fd)
{
    struct stat byName, byFd;
    return ::fstatat(dir, name, &byName, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &byFd) == 0
           && byName.st_dev == byFd.st_dev && byName.st_ino == byFd.st_ino;
}

// The path an open file or folder has now; empty when unknown.
std::string pathOf(int fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(link, buf, sizeof buf);
    return n > 0 && size_t(n) < sizeof buf ? std::string(buf, size_t(n)) : std::string();
}

// An open folder lies inside the runtime root (always without a root).
bool folderInside(int dir)
{
    if (TRootMap::root().empty())
        return true;
    const std::string now = pathOf(dir);
    return !now.empty() && TRootMap::inside(now);
}

// A temporary name of its own: the process, a count and the clock, so that
// two writers never pick the same one for long.
std::string tempName()
{
    static std::atomic<unsigned> count{0};
    struct timespec ts;
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    unsigned long long v = (unsigned long long)::getpid() * 1000003ull + count++ * 7919ull + (unsigned long long)ts.tv_nsec;
    std::string out = kTempPrefix;
    for (size_t i = 0; i < kTempLetters; ++i, v /= sizeof kLetters - 1)
        out += kLetters[v % (sizeof kLetters - 1)];
    return out;
}
} // namespace

TDalFile::TDalFile(const std::string& hostFile) : m_host(hostFile)
{
    const size_t slash = hostFile.rfind('/');
    m_name = slash == std::string::npos ? hostFile : hostFile.substr(slash + 1);
}

TDalFile::~TDalFile()
{
    close();
}

void TDalFile::close()
{
    m_finished = false;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty() && !m_placed && m_dir >= 0)
        ::unlinkat(m_dir, m_temp.c_str(), 0);
    m_temp.clear();
    if (m_dir >= 0)
        ::close(m_dir);
    m_dir = -1;
}

bool TDalFile::writeAll(int fd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            if (w == 0)
                errno = EIO;
            return false;
        }
        p += w;
        n -= size_t(w);
    }
    return true;
}

std::string TDalFile::failed(int error)
{
    return std::string("cannot be written (") + std::strerror(error) + ")";
}

std::string TDalFile::begin()
{
    close();
    m_placed = false;
    const size_t slash = m_host.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : m_host.substr(0, slash);
    if (m_name.empty() || m_name == "." || m_name == "..")
        return failed(EISDIR);
    m_dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_dir < 0)
        return failed(errno);
    // From here on the write stays in this folder, wherever its path leads
    // later.
    if (!folderInside(m_dir)) {
        close();
        return "leaves the runtime root, not written";
    }
    struct stat st;
    if (::fstatat(m_dir, m_name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(st.st_mode)) {
            close();
            return "a symbolic link is there, not written";
        }
        if (S_ISDIR(st.st_mode)) {
            close();
            return failed(EISDIR);
        }
    }
    // Held before it is written to: a sweep that took the new file between
    // its making and the lock (it was not held yet) has removed its name,
    // which the check after the lock sees, and another name is tried.
    int error = EEXIST;
    for (int tries = 0; tries < 100 && m_fd < 0; ++tries) {
        const std::string temp = tempName();
        const int fd = ::openat(m_dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0) {
            error = errno;
            if (error != EEXIST)
                break;
            continue;
        }
        int locked;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked == 0 && namesFile(m_dir, temp.c_str(), fd)) {
            m_fd = fd;
            m_temp = temp;
        } else {
            ::close(fd);
        }
    }
    if (m_fd < 0) {
        close();
        return failed(error);
    }
    return std::string();
}

std::string TDalFile::finish()
{
    if (m_fd < 0)
        return failed(EBADF);
    // Still open (and held) until it has its name.
    if (::fchmod(m_fd, 0644) != 0 || ::fsync(m_fd) != 0) {
        const int error = errno;
        close();
        return failed(error);
    }
    m_finished = true;
    return std::string();
}

std::string TDalFile::stage(const std::string& bytes)
{
    std::string why = begin();
    if (why.empty() && !writeAll(m_fd, bytes.data(), bytes.size())) {
        why = failed(errno);
        close();
    }
    return why.empty() ? finish() : why;
}

std::string TDalFile::place(bool replace)
{
    if (!m_finished)
        return failed(EBADF);
    // The folder is looked at again as the name is given: one moved out of
    // the root meanwhile gets nothing.
    if (!folderInside(m_dir)) {
        close();
        return "leaves the runtime root, not written";
    }
    int rc;
    if (failsNow(Place)) {
        rc = -1;
        errno = EIO;
    } else if (replace) {
        // A link put at the name since begin is replaced, never followed.
        rc = ::renameat(m_dir, m_temp.c_str(), m_dir, m_name.c_str());
    } else {
        rc = failsNow(NoReplace) ? (errno = EINVAL, -1)
                                 : ::renameat2(m_dir, m_temp.c_str(), m_dir, m_name.c_str(), RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without the no-replace rename: a link made only
            // where no name is, then the temporary name goes.
            rc = ::linkat(m_dir, m_temp.c_str(), m_dir, m_name.c_str(), 0);
            if (rc == 0)
                ::unlinkat(m_dir, m_temp.c_str(), 0);
        }
    }
    if (rc != 0) {
        const int error = errno;
        close();
        return error == EEXIST && !replace ? kKept : failed(error);
    }
    m_temp.clear();
    m_placed = true;
    if (::fsync(m_dir) != 0) {
        // Kept open for remove(): the name may not be on the medium.
        const int error = errno;
        ::close(m_fd);
        m_fd = -1;
        return failed(error);
    }
    close();
    return std::string();
}

void TDalFile::remove()
{
    if (m_placed && m_dir >= 0)
        ::unlinkat(m_dir, m_name.c_str(), 0);
    m_placed = false;
    close();
}

std::string TDalFile::writeNew(const std::string& hostFile, const std::string& bytes, bool replace)
{
    TDalFile f(hostFile);
    const std::string why = f.stage(bytes);
    return why.empty() ? f.place(replace) : why;
}

std::string TDalFile::writeAt(const std::string& unitPath, const std::string& bytes)
{
    std::string host;
    const std::string refused = TRootMap::refusal(unitPath, &host);
    return refused.empty() ? writeNew(host, bytes) : refused + ", not written";
}

void TDalFile::failStep(Step step, int after)
{
    s_failIn[step] = after;
}

int TDalFile::sweep(const std::string& unitFolder)
{
    // Without a root the stand-in writes nothing of its own, so it has
    // nothing to clear either.
    std::string hostFolder;
    if (TRootMap::root().empty() || !TRootMap::map(unitFolder, &hostFolder))
        return 0;
    const int dir = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return 0;
    int removed = 0;
    const int listed = folderInside(dir) ? ::dup(dir) : -1;
    DIR* d = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!d && listed >= 0)
        ::close(listed);
    while (d) {
        const struct dirent* e = ::readdir(d);
        if (!e)
            break;
        if (!isTempName(e->d_name))
            continue;
        // Only a plain file is opened, never a FIFO or a device of that
        // name (opening one can act on it), and only the file looked at.
        struct stat looked, st;
        if (::fstatat(dir, e->d_name, &looked, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(looked.st_mode))
            continue;
        const int fd = ::openat(dir, e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        // A file its writer still holds is left to it; the name must still
        // lead to the file held when it goes.
        if (fd >= 0 && ::fstat(fd, &st) == 0 && st.st_dev == looked.st_dev && st.st_ino == looked.st_ino
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && namesFile(dir, e->d_name, fd)
            && ::unlinkat(dir, e->d_name, 0) == 0) {
            if (++removed <= kSweepLines)
                TDalJournal::say(unitFolder + "/" + e->d_name + ": a temporary file no write holds, removed");
        }
        if (fd >= 0)
            ::close(fd);
    }
    if (d)
        ::closedir(d);
    ::close(dir);
    if (removed > kSweepLines)
        TDalJournal::say(unitFolder + ": " + std::to_string(removed - kSweepLines) + " more temporary file"
                         + (removed - kSweepLines == 1 ? "" : "s") + " no write holds, removed");
    return removed;
}
