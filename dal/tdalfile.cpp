#include "tdalfile.h"
#include "trootmap.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string TDalFile::writeNew(const std::string& hostFile, const std::string& bytes)
{
    struct stat st;
    if (::lstat(hostFile.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        return "a symbolic link is there, not written";
    std::string temp = hostFile + ".XXXXXX";
    const int fd = ::mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    bool ok = ::fchmod(fd, 0644) == 0 && writeAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    // A link put at the name since it was looked at is replaced, never
    // followed.
    if (ok && ::rename(temp.c_str(), hostFile.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return failed(error);
    }
    return std::string();
}

std::string TDalFile::writeAt(const std::string& unitPath, const std::string& bytes)
{
    std::string host;
    const std::string refused = TRootMap::refusal(unitPath, &host);
    return refused.empty() ? writeNew(host, bytes) : refused + ", not written";
}
