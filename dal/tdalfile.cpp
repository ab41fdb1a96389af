#include "tdalfile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool TDalFile::writeAll(int fd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= size_t(w);
    }
    return true;
}

bool TDalFile::writeNew(const std::string& hostFile, const std::string& bytes)
{
    const int fd = ::open(hostFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, bytes.data(), bytes.size());
    return ::close(fd) == 0 && ok;
}
