#include "trunner.h"
#include "tpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcRunner, "dvr.sys")

namespace {

// Bare program names that change the host rather than files of the unit.
const char* const kHostNames[] = {
    "hwclock", "reboot", "halt", "poweroff", "ifconfig", "route", "udhcpc",
    "insmod", "rmmod", "mount", "umount", "mknod", "date",
};

// Absolute programs that change the host.
const char* const kHostPaths[] = {
    "/etc/init.d/networking", "/dvr/upgrade",
};

QStringList mapArgs(const QStringList& args)
{
    QStringList out;
    out.reserve(args.size());
    for (const QString& a : args)
        out << (a.startsWith(QLatin1Char('/')) ? TPath::map(a) : a);
    return out;
}

} // namespace

bool TRunner::isHostProgram(const QString& program)
{
    for (const char* n : kHostPaths)
        if (program == QLatin1String(n))
            return true;
    const QString base = QFileInfo(program).fileName();
    for (const char* n : kHostNames)
        if (base == QLatin1String(n))
            return true;
    return false;
}

QString TRunner::resolveProgram(const QString& program)
{
    if (program.isEmpty())
        return QString();
    const bool rooted = !TPath::root().isEmpty();
    if (program.startsWith(QLatin1Char('/'))) {
        const QString mapped = TPath::map(program);
        QFileInfo fi(mapped);
        if (!fi.exists() || !fi.isExecutable())
            return QString();
        return mapped;
    }
    if (isHostProgram(program)) {
        if (!rooted)
            return QStandardPaths::findExecutable(program);
        // Under a root a host program must have been put there on purpose.
        const QStringList dirs = {TPath::map("/sbin"), TPath::map("/usr/sbin"), TPath::map("/bin"),
                                  TPath::map("/usr/bin")};
        return QStandardPaths::findExecutable(program, dirs);
    }
    return QStandardPaths::findExecutable(program);
}

int TRunner::run(const QString& program, const QStringList& args, bool detach)
{
    const QString exe = resolveProgram(program);
    if (exe.isEmpty()) {
        qCWarning(lcRunner) << "TRunner::run refused or missing:" << program;
        return -1;
    }
    const QStringList mapped = mapArgs(args);
    if (detach)
        return QProcess::startDetached(exe, mapped) ? 0 : -1;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(exe, mapped);
    if (!p.waitForStarted(10000))
        return -1;
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

int TRunner::system(const QString& line)
{
    QStringList words = QProcess::splitCommand(line);
    bool detach = false;
    if (!words.isEmpty() && words.last() == QLatin1String("&")) {
        detach = true;
        words.removeLast();
    } else if (!words.isEmpty() && words.last().endsWith(QLatin1Char('&'))) {
        detach = true;
        words.last().chop(1);
    }
    if (words.isEmpty())
        return -1;
    const QString program = words.takeFirst();
    return run(program, words, detach);
}

QByteArray TRunner::capture(const QString& line, bool* ok)
{
    if (ok)
        *ok = false;
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty())
        return QByteArray();
    const QString exe = resolveProgram(words.takeFirst());
    if (exe.isEmpty())
        return QByteArray();
    QProcess p;
    p.start(exe, mapArgs(words));
    if (!p.waitForStarted(10000))
        return QByteArray();
    p.waitForFinished(-1);
    if (ok)
        *ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

bool TRunner::copyFile(const QString& from, const QString& to)
{
    QFile in(TPath::map(from));
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(TPath::map(to));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char buf[65536];
    for (;;) {
        const qint64 n = in.read(buf, sizeof buf);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buf, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit(); // flushes and syncs before the rename
}

bool TRunner::moveFile(const QString& from, const QString& to)
{
    const QByteArray a = TPath::map(from).toLocal8Bit();
    const QByteArray b = TPath::map(to).toLocal8Bit();
    return ::rename(a.constData(), b.constData()) == 0;
}

bool TRunner::removeFile(const QString& path)
{
    const QString p = TPath::map(path);
    return !QFileInfo::exists(p) || QFile::remove(p);
}

void TRunner::syncAll()
{
    ::sync();
}
