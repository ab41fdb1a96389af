#include "ttestroot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>
#include <cstdio>

TTestRoot::TTestRoot()
    : m_dir(QDir::tempPath() + QLatin1String("/dvrroot-XXXXXX"))
{
    m_hadRoot = qEnvironmentVariableIsSet("DVR_ROOT");
    m_oldRoot = qgetenv("DVR_ROOT");
    if (!m_dir.isValid())
        return;
    QDir d(m_dir.path());
    for (const char* sub : {"dvr", "tmp", "data", "backup", "var/volatile", "dev", "etc", "app"})
        d.mkpath(QLatin1String(sub));
    qputenv("DVR_ROOT", m_dir.path().toLocal8Bit());
}

TTestRoot::~TTestRoot()
{
    if (m_hadRoot)
        qputenv("DVR_ROOT", m_oldRoot);
    else
        qunsetenv("DVR_ROOT");
    if (!m_dir.autoRemove())
        std::fprintf(stderr, "test root kept at %s\n", qPrintable(m_dir.path()));
}

bool TTestRoot::isValid() const { return m_dir.isValid(); }

QString TTestRoot::path() const { return m_dir.path(); }

QString TTestRoot::file(const QString& unitPath) const
{
    return m_dir.path() + (unitPath.startsWith(QLatin1Char('/')) ? unitPath : QLatin1Char('/') + unitPath);
}

bool TTestRoot::write(const QString& unitPath, const QByteArray& data) const
{
    const QString p = file(unitPath);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

QByteArray TTestRoot::read(const QString& unitPath) const
{
    QFile f(file(unitPath));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList TTestRoot::allFiles() const
{
    QStringList out;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << it.next().mid(m_dir.path().size());
    out.sort();
    return out;
}

void TTestRoot::keep() { m_dir.setAutoRemove(false); }
