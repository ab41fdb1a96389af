#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs the commands the recorder gives to its shell, and the file copies,
// renames and syncs it keeps in RAM and flash. No shell line is ever built:
// a command is split into an argument list, its absolute paths are mapped
// under the runtime root, and programs that would change the host (the
// network start script, the hardware clock, the firmware upgrade tool) run
// only when they exist under the root. Every path argument is a unit path.
class TRunner
{
public:
    // Runs one command line ("cp /tmp/a /dvr/b", "/dvr/upgrade /dvr/fwr x &").
    // Words are split like a shell would split them, without expansions,
    // pipes or redirections; a trailing "&" starts the program detached.
    // Result: the exit status, 0 for a started detached program, -1 when the
    // program is refused, missing, or does not end normally.
    static int system(const QString& line);
    // Runs a program with an argument list; the same mapping and refusals.
    static int run(const QString& program, const QStringList& args, bool detach = false);
    // Runs a command line and returns its standard output (popen); ok tells
    // whether it ran and ended with status 0.
    static QByteArray capture(const QString& line, bool* ok = nullptr);

    // Copies a file over another one. The data reach the disk before the
    // target is replaced, so a failure leaves the old target intact.
    static bool copyFile(const QString& from, const QString& to);
    // Renames a file over another one (atomic on one file system).
    static bool moveFile(const QString& from, const QString& to);
    // Removes a file; a missing file is not an error.
    static bool removeFile(const QString& path);
    // Flushes every file system buffer to disk.
    static void syncAll();

    // True for the programs that change the host and therefore run only
    // from under the runtime root.
    static bool isHostProgram(const QString& program);
    // The program a command would start after mapping; empty when refused.
    static QString resolveProgram(const QString& program);
};
