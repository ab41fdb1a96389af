#include "tpath.h"

#include <QCoreApplication>
#include <QDir>

QString TPath::root()
{
    // Read every time: a test may switch roots within one process.
    QString r = QString::fromLocal8Bit(qgetenv("DVR_ROOT"));
    if (r.isEmpty())
        return QString();
    r = QDir::cleanPath(QDir(r).absolutePath());
    if (r == QLatin1String("/"))
        return QString();
    return r;
}

QString TPath::map(const QString& path)
{
    const QString r = root();
    if (r.isEmpty() || !path.startsWith(QLatin1Char('/')))
        return path;
    if (path == r || path.startsWith(r + QLatin1Char('/')))
        return path; // already mapped
    return r + path;
}

QByteArray TPath::mapLocal(const char* path)
{
    if (!path)
        return QByteArray();
    return map(QString::fromLocal8Bit(path)).toLocal8Bit();
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

bool TPath::insideRoot(const QString& mappedPath)
{
    const QString r = root();
    if (r.isEmpty())
        return true;
    const QString p = QDir::cleanPath(QDir(mappedPath).absolutePath());
    return p == r || p.startsWith(r + QLatin1Char('/'));
}
