// The runner's in-process commands: what the recorder's shell lines do to
// files, done with Qt and POSIX calls on mapped paths.
#include "tpath.h"
#include "trunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSys)

namespace {

bool exists(const QString& host)
{
    struct stat st;
    return ::lstat(QFile::encodeName(host).constData(), &st) == 0;
}

// Where a copy, move or link named "to" really goes: into a folder it names.
QString intoFolder(const QString& to, const QString& name)
{
    const QFileInfo fi(to);
    return fi.isDir() ? to + QLatin1Char('/') + name : to;
}

} // namespace

QString TRunner::unitPath(const Context& ctx, const QString& word)
{
    if (word.startsWith(QLatin1Char('/')))
        return word;
    return ctx.cwd + (ctx.cwd.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + word;
}

bool TRunner::hostPath(const Context& ctx, const QString& word, QString* host)
{
    if (word.isEmpty())
        return false;
    *host = TPath::map(unitPath(ctx, word));
    return !host->isEmpty();
}

bool TRunner::options(const QStringList& args, const char* allowed, QString* given, QStringList* operands)
{
    given->clear();
    operands->clear();
    bool inOptions = true;
    for (const QString& a : args) {
        if (inOptions && a == QLatin1String("--")) {
            inOptions = false;
        } else if (inOptions && a.size() > 1 && a.startsWith(QLatin1Char('-'))) {
            for (const QChar c : a.mid(1)) {
                if (c.unicode() > 127 || !std::strchr(allowed, c.toLatin1()))
                    return false;
                *given += c;
            }
        } else {
            inOptions = false;
            *operands << a;
        }
    }
    return true;
}

bool TRunner::writeOutput(const Context& ctx, const TCmdLine::Command& cmd, const QByteArray& data)
{
    if (cmd.out == QLatin1String("/dev/null"))
        return true;
    if (!cmd.out.isEmpty()) {
        QString host;
        if (!hostPath(ctx, cmd.out, &host))
            return false;
        QFile f(host);
        const auto mode = QIODevice::WriteOnly | (cmd.outAppend ? QIODevice::Append : QIODevice::Truncate);
        return f.open(mode) && f.write(data) == data.size();
    }
    if (ctx.captured) {
        ctx.captured->append(data);
        return true;
    }
    std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
    std::fflush(stdout);
    return true;
}

int TRunner::cmdCd(Context& ctx, const QStringList& args)
{
    QString host;
    if (args.size() != 1 || !hostPath(ctx, args.first(), &host))
        return -1;
    if (!QFileInfo(host).isDir())
        return 1;
    ctx.cwd = QDir::cleanPath(unitPath(ctx, args.first()));
    return 0;
}

int TRunner::cmdCp(const Context& ctx, const QStringList& args)
{
    QString opts, from, to;
    QStringList ops;
    if (!options(args, "f", &opts, &ops) || ops.size() != 2 || !hostPath(ctx, ops.at(0), &from)
        || !hostPath(ctx, ops.at(1), &to))
        return -1;
    const QFileInfo src(from);
    if (!src.isFile())
        return 1;
    to = intoFolder(to, src.fileName());
    if (!TPath::insideRoot(to))
        return -1;
    if (QFileInfo(to).exists() && QFileInfo(to).canonicalFilePath() == src.canonicalFilePath())
        return 1; // a file copied onto itself would be truncated
    return copyFile(from, to) ? 0 : 1;
}

int TRunner::cmdMv(const Context& ctx, const QStringList& args)
{
    QString opts, from, to;
    QStringList ops;
    if (!options(args, "f", &opts, &ops) || ops.size() != 2 || !hostPath(ctx, ops.at(0), &from)
        || !hostPath(ctx, ops.at(1), &to))
        return -1;
    if (!exists(from))
        return 1;
    to = intoFolder(to, QFileInfo(from).fileName());
    if (!TPath::insideRoot(to))
        return -1;
    if (moveFile(from, to))
        return 0;
    // Across file systems (RAM and flash on the unit) a rename cannot work:
    // copy, then remove the source.
    if (errno == EXDEV && QFileInfo(from).isFile() && copyFile(from, to) && removeFile(from))
        return 0;
    return 1;
}

int TRunner::cmdRm(const Context& ctx, const QStringList& args)
{
    QString opts;
    QStringList ops;
    if (!options(args, "f", &opts, &ops) || ops.isEmpty())
        return -1;
    const bool force = opts.contains(QLatin1Char('f'));
    int rc = 0;
    for (const QString& op : ops) {
        QString host;
        if (!hostPath(ctx, op, &host))
            return -1;
        if (!exists(host)) {
            if (!force)
                rc = 1;
        } else if (QFileInfo(host).isDir() && !QFileInfo(host).isSymLink()) {
            rc = 1; // no recursive removal
        } else if (::unlink(QFile::encodeName(host).constData()) != 0) {
            rc = 1;
        }
    }
    return rc;
}

int TRunner::cmdMkdir(const Context& ctx, const QStringList& args)
{
    QString opts;
    QStringList ops;
    if (!options(args, "p", &opts, &ops) || ops.isEmpty())
        return -1;
    int rc = 0;
    for (const QString& op : ops) {
        QString host;
        if (!hostPath(ctx, op, &host))
            return -1;
        const bool ok = opts.contains(QLatin1Char('p')) ? QDir().mkpath(host) : QDir().mkdir(host);
        if (!ok)
            rc = 1;
    }
    return rc;
}

int TRunner::cmdLn(const Context& ctx, const QStringList& args)
{
    // Symbolic links only: "ln -s TARGET LINK".
    QString opts, link;
    QStringList ops;
    if (!options(args, "sf", &opts, &ops) || !opts.contains(QLatin1Char('s')) || ops.size() != 2
        || !hostPath(ctx, ops.at(1), &link))
        return -1;
    const QString target = ops.at(0);
    if (QFileInfo(link).isDir() && !QFileInfo(link).isSymLink())
        link += QLatin1Char('/') + QFileInfo(target).fileName();
    // The link must lead inside the root too: an absolute target is stored
    // mapped, a relative one is checked from the link's folder.
    QString stored = target;
    QString check;
    if (target.startsWith(QLatin1Char('/'))) {
        if (!hostPath(ctx, target, &stored))
            return -1;
    } else if (!hostPath(ctx, QFileInfo(link).absolutePath() + QLatin1Char('/') + target, &check)) {
        return -1;
    }
    if (!TPath::insideRoot(QFileInfo(link).absolutePath()))
        return -1;
    if (opts.contains(QLatin1Char('f')) && exists(link) && !QFileInfo(link).isDir())
        ::unlink(QFile::encodeName(link).constData());
    return ::symlink(QFile::encodeName(stored).constData(), QFile::encodeName(link).constData()) == 0 ? 0 : 1;
}

int TRunner::cmdLs(const Context& ctx, const TCmdLine::Command& cmd)
{
    // "ls [-X] [-w N] [PATH]": one name a line, as into a pipe; -X sorts by
    // extension, the width does not matter for one name a line.
    bool byExtension = false;
    QStringList ops;
    const QStringList args = cmd.words.mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        bool ok = true;
        if (a == QLatin1String("-X"))
            byExtension = true;
        else if (a == QLatin1String("-w") && i + 1 < args.size())
            args.at(++i).toInt(&ok);
        else if (a.startsWith(QLatin1String("-w")))
            a.mid(2).toInt(&ok);
        else if (a.size() > 1 && a.startsWith(QLatin1Char('-')))
            ok = false;
        else
            ops << a;
        if (!ok)
            return -1;
    }
    QString host;
    if (ops.size() > 1 || !hostPath(ctx, ops.value(0, QStringLiteral(".")), &host))
        return -1;
    const QFileInfo fi(host);
    if (!fi.exists())
        return 2;
    if (!fi.isDir())
        return writeOutput(ctx, cmd, QFile::encodeName(ops.value(0)) + '\n') ? 0 : 1;
    QList<QByteArray> names;
    for (const QString& n : QDir(host).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        names << QFile::encodeName(n);
    auto ext = [](const QByteArray& n) {
        const int dot = n.lastIndexOf('.');
        return dot > 0 ? n.mid(dot + 1) : QByteArray();
    };
    std::sort(names.begin(), names.end(), [&](const QByteArray& a, const QByteArray& b) {
        if (byExtension && ext(a) != ext(b))
            return ext(a) < ext(b);
        return a < b;
    });
    QByteArray out;
    for (const QByteArray& n : names)
        out += n + '\n';
    return writeOutput(ctx, cmd, out) ? 0 : 1;
}

int TRunner::cmdEcho(const Context& ctx, const TCmdLine::Command& cmd)
{
    return writeOutput(ctx, cmd, QFile::encodeName(cmd.words.mid(1).join(QLatin1Char(' '))) + '\n') ? 0 : 1;
}
