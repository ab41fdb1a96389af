#include "tmediafile.h"
#include "tpath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

TMediaFile::TMediaFile(const QString& target)
    : m_target(target)
{
}

TMediaFile::~TMediaFile()
{
    discard();
}

bool TMediaFile::open()
{
    discard();
    const QByteArray host = QFile::encodeName(TPath::map(m_target));
    if (host.isEmpty())
        return false;
    m_temp = host + ".XXXXXX";
    const int fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (fd < 0) {
        m_temp.clear();
        return false;
    }
    if (::fchmod(fd, 0644) != 0 || !m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(m_temp.constData());
        m_temp.clear();
        return false;
    }
    return true;
}

bool TMediaFile::write(const char* data, qint64 size)
{
    return m_file.isOpen() && m_file.write(data, size) == size;
}

bool TMediaFile::commit(bool ok)
{
    if (!m_file.isOpen())
        return false;
    ok = m_file.flush() && ok;
    ok = ok && ::fsync(m_file.handle()) == 0;
    m_file.close();
    ok = ok && m_file.error() == QFileDevice::NoError;
    // The name is taken only by a file that is whole on the medium.
    ok = ok && ::rename(m_temp.constData(), QFile::encodeName(TPath::map(m_target)).constData()) == 0;
    if (!ok) {
        discard();
        return false;
    }
    m_temp.clear();
    return true;
}

void TMediaFile::discard()
{
    if (m_file.isOpen())
        m_file.close();
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
    m_temp.clear();
}
