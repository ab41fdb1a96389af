#pragma once
#include <QByteArray>
#include <QString>

// Maps the unit's absolute paths ("/dvr/...", "/tmp/...", "/backup", ...) under
// the runtime root named by the environment variable DVR_ROOT. On the unit the
// variable is unset and every path stays as it is; on a PC and in tests the
// whole file system the program sees lives below one directory.
class TPath
{
public:
    // The root directory without a trailing slash; empty on the unit.
    static QString root();
    // An absolute path mapped under the root; relative paths are unchanged.
    static QString map(const QString& path);
    // The same for C interfaces: the mapped path as local 8-bit bytes.
    static QByteArray mapLocal(const char* path);
    // The folder of the binary where the image sheet lives: "<root>/app" under
    // a root, the binary's own folder on the unit.
    static QString appDir();
    // True when an already mapped path lies inside the root (always true
    // without a root).
    static bool insideRoot(const QString& mappedPath);
};
