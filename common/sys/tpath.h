#pragma once
#include <QByteArray>
#include <QString>

// Maps the unit's absolute paths ("/dvr/...", "/tmp/...", "/backup", ...) under
// the runtime root named by the environment variable DVR_ROOT. On the unit the
// variable is unset and every path stays as it is; on a PC and in tests the
// whole file system the program sees lives below one directory, and nothing
// the program is given may reach beside it (the rule is TRootMap's).
class TPath
{
public:
    // Makes a relative DVR_ROOT absolute once, at the start of the program.
    static void init();
    // Holds the runtime root for the rest of the process: a shared lock on
    // the root's folder. Every program on a root holds it for its whole
    // run, and the run command empties a root only while it can lock it
    // alone, so no root is emptied under a running program. The kernel
    // drops the lock when the process ends, however it ends. Called once
    // the process is the one that runs (after "-daemon" detached it),
    // before anything in the root is read or written; nothing to hold on
    // the unit.
    // A root that does not exist yet is made first. Descriptors this process
    // was started with that hold the same folder are closed when it starts
    // another program, so that a hold handed down by a launcher ends with
    // this process.
    static void holdRoot();
    // The root directory without a trailing slash; empty on the unit.
    static QString root();
    // An absolute path mapped under the root and normalised; relative paths
    // are unchanged. Empty when the path would leave the root by ".." or by
    // a symbolic link, so that whatever opens it fails.
    static QString map(const QString& path);
    // The same for C interfaces: the mapped path as local 8-bit bytes.
    static QByteArray mapLocal(const char* path);
    // The folder of the binary where the image sheet lives: "<root>/app" under
    // a root, the binary's own folder on the unit.
    static QString appDir();
    // True when an already mapped path, its symbolic links followed, lies
    // inside the root (always true without a root).
    static bool insideRoot(const QString& mappedPath);
};
