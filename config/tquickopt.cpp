#include "tquickopt.h"
#include "tpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QVariant>

#include <cstring>
#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

const int kPositions = 20;

// fsync of a file or folder by path; a folder is synced so the rename that
// QSettings used to replace the file is on the disk as well.
bool syncPath(const QString& path)
{
    const QByteArray p = QFile::encodeName(path);
    const int fd = ::open(p.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

TQuickOpt::TQuickOpt(const QString& path)
    : QSettings(TPath::map(path), QSettings::IniFormat)
{
    std::memset(&m_option, 0, sizeof m_option);
}

void TQuickOpt::setDefaultOrder()
{
    std::memset(&m_option, 0, sizeof m_option);
    for (int i = 0; i < kPositions; ++i)
        m_option.order[i] = i;
}

void TQuickOpt::load()
{
    setDefaultOrder();
    beginGroup(QStringLiteral("QUICKOPTION"));
    for (int i = 0; i < kPositions; ++i)
        m_option.order[i] = value(QString::asprintf("ch%02d", i), m_option.order[i]).toInt();
    m_option.timeAlive = value(QStringLiteral("timeAlive"), m_option.timeAlive).toInt();
    const QByteArray pal = value(QStringLiteral("pal"), QByteArray(m_option.pal)).toByteArray();
    std::memset(m_option.pal, 0, sizeof m_option.pal);
    qstrncpy(m_option.pal, pal.constData(), sizeof m_option.pal);
    endGroup();

    // The facade indexes its channel tables by these entries: a repeated
    // channel, or one beyond the 20 channels, gives the identity order back.
    // Negative entries mark empty positions and stay.
    bool bad = false;
    for (int i = 0; i < kPositions && !bad; ++i) {
        const int ch = m_option.order[i];
        if (ch < 0)
            continue;
        if (ch >= kPositions)
            bad = true;
        for (int j = i + 1; j < kPositions && !bad; ++j)
            bad = m_option.order[j] == ch;
    }
    if (bad) {
        for (int i = 0; i < kPositions; ++i)
            m_option.order[i] = i;
    }
}

bool TQuickOpt::save()
{
    beginGroup(QStringLiteral("QUICKOPTION"));
    remove(QString());
    for (int i = 0; i < kPositions; ++i)
        setValue(QString::asprintf("ch%02d", i), m_option.order[i]);
    setValue(QStringLiteral("timeAlive"), m_option.timeAlive);
    setValue(QStringLiteral("pal"),
             QString::fromUtf8(m_option.pal, int(qstrnlen(m_option.pal, sizeof m_option.pal))));
    endGroup();
    // Durable at once: the heartbeat and the clean-shutdown mark must be on
    // the disk when save returns, not at some later deferred write.
    sync();
    if (status() != QSettings::NoError) {
        qCWarning(lcConfig, "TQuickOpt::save status:%d", int(status()));
        return false;
    }
    return syncPath(fileName()) && syncPath(QFileInfo(fileName()).absolutePath());
}

int TQuickOpt::setTimeAlive(int t)
{
    qCDebug(lcConfig, "TQuickOpt::setTimeAlive t:%08x", t);
    const int old = m_option.timeAlive;
    m_option.timeAlive = t;
    return old;
}

void TQuickOpt::setPal()
{
    std::memset(m_option.pal, 0, sizeof m_option.pal);
    qstrncpy(m_option.pal, "pal", sizeof m_option.pal);
}

void TQuickOpt::clearVideoType()
{
    std::memset(m_option.pal, 0, sizeof m_option.pal);
}
