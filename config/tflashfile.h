#pragma once
#include <QByteArray>
#include <QString>

// Writes that must survive a power cut or a pulled medium: the
// configuration's RAM file, its copies in flash and the exports on the
// stick. A new file goes to a temporary file beside the target, which is
// written with every result checked, synced, closed, renamed over the
// target and followed by a sync of the folder; a failure before the rename
// leaves the target as it was and removes the temporary file. QSaveFile
// cannot serve here: it ignores the result of its sync, and it drops the
// error of the flush it makes while closing, so a short write at the end of
// a small file is committed as success.
class TFlashFile
{
public:
    // The steps a write goes through, in order; a copy reads its source
    // (StepRead, once per chunk) before each write.
    enum Step { StepOpen, StepRead, StepWrite, StepSync, StepClose, StepRename, StepSyncDir };

    // A fault seam for tests: called before each step with the (mapped) path
    // it works on; a non-zero result makes that step fail with it as errno.
    using FaultHook = int (*)(Step step, const QString& path);
    static void setFaultHook(FaultHook hook);

    // Copies one file over another (unit paths). 0 on success, else the
    // errno of the step that failed; a source that fails to read fails the
    // copy with its error and leaves the target as it was.
    static int copy(const QString& from, const QString& to);
    // Writes data as a new file over another (a unit path), the same way:
    // the name holds the former file or the whole new one, never a part.
    // 0 on success, else the errno of the step that failed.
    static int write(const QString& to, const QByteArray& data);
    // Syncs a file that is already written (a unit path), then its folder.
    // 0 on success, else the errno of the step that failed.
    static int sync(const QString& path);
    // How the writer of a file names its temporary file: this class
    // (mkostemp: the name, a dot and six letters or digits), or Qt's
    // QSaveFile behind QSettings and TRunner::copyFile, on a file system
    // without unnamed temporary files (Qt 5.15: the name, a dot and six
    // letters, never a digit).
    enum TempNames { OwnTemp, QtTemp };
    // Removes the temporary files that writes over path (a unit path) left
    // beside it when they were cut off (a power cut, a crash): the files
    // named exactly as that writer names them, and nothing else. The number
    // removed.
    static int removeLeftovers(const QString& path, TempNames names);
};
