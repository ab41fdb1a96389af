#include "tpath.h"
#include "trootmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSys)

namespace {

QString fromHost(const std::string& s) { return QFile::decodeName(QByteArray::fromStdString(s)); }

std::string toHost(const QString& s) { return QFile::encodeName(s).toStdString(); }

} // namespace

void TPath::init() { TRootMap::fixRoot(); }

QString TPath::root() { return fromHost(TRootMap::root()); }

QString TPath::map(const QString& path)
{
    std::string out;
    if (!TRootMap::map(toHost(path), &out)) {
        qCDebug(lcSys) << "TPath::map refused:" << path;
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
