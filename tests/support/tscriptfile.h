#pragma once
// An executable shell script a test puts where the program or a script
// runs it: a tool under the runtime root, a step of a copied checkout.
#include "ttestroot.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

// At a host path, its folder made.
inline bool writeScript(const QString& path, const QByteArray& body)
{
    QFile f(path);
    return QDir().mkpath(QFileInfo(path).path()) && f.open(QIODevice::WriteOnly) && f.write("#!/bin/sh\n" + body) > 0
           && f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// At a unit path of a test's root.
inline bool writeScript(const TTestRoot& root, const QString& unit, const QByteArray& body)
{
    return writeScript(root.file(unit), body);
}
