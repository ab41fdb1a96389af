#pragma once
#include "tcmdline.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs the commands the recorder gives to its shell, and the file copies,
// renames and syncs it keeps in RAM and flash. No shell is ever started: a
// line is split like a shell would split it (TCmdLine), and only the
// commands the program needs run. Copy, move, remove, sync, make directory,
// symbolic link, list, echo and change directory are done in-process; archive
// extraction runs the system's tar; the hardware clock, the network start
// script and the firmware upgrade tool run from under the runtime root only;
// the clock and the network start script are ended, with every process they
// started, when they have not ended within their bound, and what they write
// (but for the answer a caller captures and a file the line names) is read
// through pipes of the program's own and said as its messages, up to
// CaptureCap bytes a channel: one that writes more is ended at once. Every
// other program (a shell, env, ...) is refused. Every path, also the value of
// an option ("of=/x"), is a unit path, mapped under the root and refused when
// it would leave it by ".." or by a symbolic link.
class TRunner
{
public:
    // Runs one command line ("cp -f /tmp/a /dvr/b", "cd /tmp; tar -zxvf
    // /dvr/rs.dll.tgz", "/dvr/upgrade /dvr/fwr skip_crc_check reboot &").
    // Result: the exit status of the last command, 0 for a program started in
    // the background, -1 when a command or a path is refused, the program is
    // missing, or it does not end normally. A refused command ends the line.
    static int system(const QString& line);
    // Runs a program with an argument list: the same commands and refusals.
    static int run(const QString& program, const QStringList& args, bool detach = false);
    // Runs a command line and returns what it wrote to standard output (the
    // read side of popen); ok tells whether it ran and ended with status 0.
    // A program's answer is read up to CaptureCap bytes (the callers read a
    // line of it): one that writes more is ended, and the read fails.
    static QByteArray capture(const QString& line, bool* ok = nullptr);
    enum { CaptureCap = 4096 };

    // While set, the programs with a bound (the hardware clock, the network
    // start script) are not started: a stop request came, and each would
    // hold the program's end for up to its bound. Any thread may set it.
    static void setStopping(bool stopping);

    // Copies a file over another one. The data reach the disk before the
    // target is replaced, so a failure leaves the old target intact.
    static bool copyFile(const QString& from, const QString& to);
    // Renames a file over another one (atomic on one file system).
    static bool moveFile(const QString& from, const QString& to);
    // Removes a file; a missing file is not an error.
    static bool removeFile(const QString& path);
    // Flushes every file system buffer to disk.
    static void syncAll();

private:
    // What one line's commands share: the working directory "cd" changes
    // (a unit path) and, for capture, the collected standard output.
    struct Context
    {
        QString cwd;
        QByteArray* captured = nullptr;
    };
    static int runLine(const TCmdLine& line, QByteArray* captured);
    static int runCommand(Context& ctx, const TCmdLine::Command& cmd, bool detach);
    static QString findProgram(const QString& word);
    static bool programArgs(const Context& ctx, const TCmdLine::Command& cmd, QStringList* args);
    static int runProgram(const Context& ctx, const TCmdLine::Command& cmd, const QString& exe,
                          const QStringList& args, bool detach);
    static bool tarMembersInside(const Context& ctx, const QString& exe, const QString& cluster,
                                 const QString& archive);

    // In-process commands: 0 done, 1 failed, -1 refused.
    static int cmdCd(Context& ctx, const QStringList& args);
    static int cmdCp(const Context& ctx, const QStringList& args);
    static int cmdMv(const Context& ctx, const QStringList& args);
    static int cmdRm(const Context& ctx, const QStringList& args);
    static int cmdMkdir(const Context& ctx, const QStringList& args);
    static int cmdLn(const Context& ctx, const QStringList& args);
    static int cmdLs(const Context& ctx, const TCmdLine::Command& cmd);
    static int cmdEcho(const Context& ctx, const TCmdLine::Command& cmd);

    // The unit path of a word (relative words start at the working
    // directory), and its host path; false when refused.
    static QString unitPath(const Context& ctx, const QString& word);
    static bool hostPath(const Context& ctx, const QString& word, QString* host);
    // Splits leading option words ("-f", "-sf") from the operands; false
    // when an option is not among the allowed letters.
    static bool options(const QStringList& args, const char* allowed, QString* given, QStringList* operands);
    static bool writeOutput(const Context& ctx, const TCmdLine::Command& cmd, const QByteArray& data);
};
