#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh runtime root for one test: a temporary directory with the unit's
// folders (dvr, tmp, data, backup, var/volatile, dev, etc, app), DVR_ROOT
// pointing at it while the object lives. The folder is removed afterwards
// unless keep() was called (a failing test prints where it is).
class TTestRoot
{
public:
    TTestRoot();
    ~TTestRoot();
    bool isValid() const;
    // The root directory itself.
    QString path() const;
    // A unit path ("/dvr/x.conf") inside this root.
    QString file(const QString& unitPath) const;
    // Writes a file at a unit path, creating its folder; true on success.
    bool write(const QString& unitPath, const QByteArray& data) const;
    QByteArray read(const QString& unitPath) const;
    // Every file below the root, as unit paths, sorted.
    QStringList allFiles() const;
    void keep();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldRoot;
    bool m_hadRoot;
};
