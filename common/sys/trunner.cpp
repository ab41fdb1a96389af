#include "trunner.h"
#include "tgroupprocess.h"
#include "tmessages.h"
#include "tpath.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <atomic>
#include <cstdio>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcSys, "dvr.sys")

namespace {

// A stop request came: no program with a bound starts any more.
std::atomic<bool> s_stopping{false};

// Programs the recorder starts by their unit path; they change the host,
// so under a root they run only when they were put there.
const char* const kUnitPrograms[] = {"/etc/init.d/networking", "/dvr/upgrade"};

// Folders a bare program name is looked for in (under the root).
const char* const kProgramDirs[] = {"/sbin", "/usr/sbin", "/bin", "/usr/bin"};

// A tar option word that extracts from the archive named next: "-zxvf".
bool isExtractCluster(const QString& w)
{
    const QString c = w.startsWith(QLatin1Char('-')) ? w.mid(1) : w;
    if (c.isEmpty() || !c.endsWith(QLatin1Char('f')) || !c.contains(QLatin1Char('x')))
        return false;
    for (const QChar ch : c)
        if (!QStringLiteral("zxvf").contains(ch))
            return false;
    return c.count(QLatin1Char('f')) == 1;
}

// How long a run waits for a program the window's thread runs and that
// answers at once on a sound unit: the hardware clock within about 2 s, the
// network start script within a few. Past its bound the program is ended
// with every process it started (they share its process group) and the run
// counts as failed, so a silent clock or a hung script never holds the
// window (nor a stop asked meanwhile), and nothing it left holds its output
// open. -1: no bound (tar reads a plain file of the unit and ends; the
// upgrade tool is left to run).
int boundOf(const QString& exe)
{
    const QString name = QFileInfo(exe).fileName();
    if (name == QLatin1String("hwclock"))
        return 3000;
    if (name == QLatin1String("networking"))
        return 5000;
    return -1;
}

// A relative name that stays where it is put: no "..", not absolute.
bool isPlainRelative(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1Char('-')))
        return false;
    return !name.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

// Says what a program wrote on a pipe of ours as the program's own
// messages, a line each; the message handler escapes what would drive a
// terminal, and bytes that are not UTF-8 reach it as such.
void say(const QString& exe, const QByteArray& bytes, QtMsgType level)
{
    if (bytes.isEmpty())
        return;
    const QByteArray whole = bytes.endsWith('\n') ? bytes.left(bytes.size() - 1) : bytes;
    for (const QByteArray& line : whole.split('\n')) {
        const QString text = TMessages::fromBytes(line);
        if (level == QtWarningMsg)
            qCWarning(lcSys, "TRunner::system %ls: %ls", qUtf16Printable(exe), qUtf16Printable(text));
        else
            qCInfo(lcSys, "TRunner::system %ls: %ls", qUtf16Printable(exe), qUtf16Printable(text));
    }
}

} // namespace

int TRunner::system(const QString& line)
{
    return runLine(TCmdLine(line), nullptr);
}

int TRunner::run(const QString& program, const QStringList& args, bool detach)
{
    QString line = TCmdLine::quote(program);
    for (const QString& a : args)
        line += QLatin1Char(' ') + TCmdLine::quote(a);
    if (detach)
        line += QLatin1String(" &");
    return system(line);
}

QByteArray TRunner::capture(const QString& line, bool* ok)
{
    QByteArray out;
    const int rc = runLine(TCmdLine(line), &out);
    if (ok)
        *ok = rc == 0;
    return out;
}

void TRunner::setStopping(bool stopping)
{
    s_stopping.store(stopping);
}

int TRunner::runLine(const TCmdLine& line, QByteArray* captured)
{
    if (!line.isValid()) {
        qCDebug(lcSys).noquote() << "TRunner::system refused:" << line.error();
        return -1;
    }
    // Every program is known before anything runs.
    const QList<TCmdLine::Command>& cmds = line.commands();
    for (int i = 0; i < cmds.size(); ++i) {
        const QString& prog = cmds.at(i).words.first();
        const bool inProcess = !prog.startsWith(QLatin1Char('/')) && prog != QLatin1String("tar")
                               && prog != QLatin1String("hwclock");
        if (findProgram(prog).isEmpty() || (inProcess && line.detached() && i == cmds.size() - 1)) {
            qCDebug(lcSys).noquote() << "TRunner::system refused program:" << prog;
            return -1;
        }
    }
    Context ctx;
    ctx.cwd = TPath::root().isEmpty() ? QDir::currentPath() : QStringLiteral("/");
    ctx.captured = captured;
    int rc = -1;
    for (int i = 0; i < cmds.size(); ++i) {
        const bool last = i == cmds.size() - 1;
        rc = runCommand(ctx, cmds.at(i), last && line.detached());
        if (rc < 0 || (rc != 0 && cmds.at(i).words.first() == QLatin1String("cd")))
            break; // nothing more runs in the wrong folder or after a refusal
    }
    return rc;
}

// The program a command word names: an in-process command's own name, or
// the executable to start; empty when the runner does not run it.
QString TRunner::findProgram(const QString& word)
{
    static const char* const inProcess[] = {"cd", "cp", "mv", "rm", "sync", "mkdir", "ln", "ls", "echo"};
    for (const char* n : inProcess)
        if (word == QLatin1String(n))
            return word;
    if (word == QLatin1String("tar")) // the system's own, never one from PATH
        return QStandardPaths::findExecutable(word, {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    QStringList candidates;
    if (word == QLatin1String("hwclock")) {
        for (const char* d : kProgramDirs)
            candidates << QLatin1String(d) + QLatin1String("/hwclock");
    } else if (word.startsWith(QLatin1Char('/')) && !word.split(QLatin1Char('/')).contains(QLatin1String(".."))) {
        const QString r = TPath::root();
        const bool mapped = !r.isEmpty() && (word == r || word.startsWith(r + QLatin1Char('/')));
        const QString unit = QDir::cleanPath(mapped ? word.mid(r.size()) : word);
        for (const char* p : kUnitPrograms)
            if (unit == QLatin1String(p))
                candidates << unit;
    }
    for (const QString& c : candidates) {
        const QString host = TPath::map(c);
        const QFileInfo fi(host);
        if (!host.isEmpty() && fi.isFile() && fi.isExecutable())
            return host;
    }
    return QString();
}

int TRunner::runCommand(Context& ctx, const TCmdLine::Command& cmd, bool detach)
{
    const QString prog = cmd.words.first();
    const QStringList args = cmd.words.mid(1);
    int rc = -1;
    QString host;
    for (const QString& target : {cmd.out, cmd.err}) {
        if (!target.isEmpty() && target != QLatin1String("/dev/null") && !hostPath(ctx, target, &host)) {
            qCDebug(lcSys).noquote() << "TRunner::system refused output:" << target;
            return -1;
        }
    }
    if (prog == QLatin1String("cd"))
        rc = cmdCd(ctx, args);
    else if (prog == QLatin1String("cp"))
        rc = cmdCp(ctx, args);
    else if (prog == QLatin1String("mv"))
        rc = cmdMv(ctx, args);
    else if (prog == QLatin1String("rm"))
        rc = cmdRm(ctx, args);
    else if (prog == QLatin1String("mkdir"))
        rc = cmdMkdir(ctx, args);
    else if (prog == QLatin1String("ln"))
        rc = cmdLn(ctx, args);
    else if (prog == QLatin1String("ls"))
        rc = cmdLs(ctx, cmd);
    else if (prog == QLatin1String("echo"))
        rc = cmdEcho(ctx, cmd);
    else if (prog == QLatin1String("sync")) {
        rc = args.isEmpty() ? 0 : -1;
        if (rc == 0)
            syncAll();
    } else {
        const QString exe = findProgram(prog);
        QStringList mapped;
        if (!exe.isEmpty() && programArgs(ctx, cmd, &mapped))
            return runProgram(ctx, cmd, exe, mapped, detach); // which says why it failed
    }
    if (rc < 0)
        qCDebug(lcSys).noquote() << "TRunner::system refused:" << cmd.words;
    return rc;
}

// Checks a program's arguments against the shapes the recorder gives it and
// maps the paths among them.
bool TRunner::programArgs(const Context& ctx, const TCmdLine::Command& cmd, QStringList* args)
{
    const QString prog = cmd.words.first();
    const QStringList in = cmd.words.mid(1);
    args->clear();
    if (prog == QLatin1String("hwclock")) {
        *args = in;
        return in == QStringList{QStringLiteral("-r")};
    }
    if (prog == QLatin1String("tar")) {
        // Extraction only: "tar -zxvf ARCHIVE [MEMBER...]" into the working
        // directory, and only when nothing in the archive lands outside the root.
        QString archive;
        if (in.size() < 2 || !isExtractCluster(in.at(0)) || !hostPath(ctx, in.at(1), &archive))
            return false;
        for (const QString& m : in.mid(2))
            if (!isPlainRelative(m) || TPath::map(unitPath(ctx, m)).isEmpty())
                return false;
        const QString exe = findProgram(prog);
        if (!tarMembersInside(ctx, exe, in.at(0), archive))
            return false;
        *args = QStringList{in.at(0), archive} + in.mid(2);
        return true;
    }
    if (QDir::cleanPath(prog).endsWith(QLatin1String("/networking"))) {
        *args = in;
        return in.size() == 1
               && QStringList({"start", "stop", "restart"}).contains(in.first());
    }
    // The upgrade tool: every path, also an option's value ("of=/x",
    // "--file=/dvr/x", "--dir=.."), is mapped; a path hidden elsewhere in an
    // option is refused. "." and ".." are paths too: from the working
    // directory they could name the folder above the root.
    const auto dots = [](const QString& w) { return w == QLatin1String(".") || w == QLatin1String(".."); };
    for (const QString& a : in) {
        const int eq = a.indexOf(QLatin1Char('='));
        QString host;
        if (a.startsWith(QLatin1Char('/')) || dots(a)) {
            if (!hostPath(ctx, a, &host))
                return false;
            *args << host;
        } else if (eq >= 0 && (a.indexOf(QLatin1Char('/')) > eq || dots(a.mid(eq + 1)))) {
            if (!hostPath(ctx, a.mid(eq + 1), &host))
                return false;
            *args << a.left(eq + 1) + host;
        } else if (a.contains(QLatin1Char('/'))) {
            if (!isPlainRelative(a) || !hostPath(ctx, a, &host))
                return false;
            *args << a; // relative to the working directory, which is mapped
        } else {
            *args << a;
        }
    }
    return true;
}

bool TRunner::tarMembersInside(const Context& ctx, const QString& exe, const QString& cluster,
                               const QString& archive)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setWorkingDirectory(TPath::map(ctx.cwd));
    // The verbose listing: names, and where links lead.
    p.start(exe, {cluster.contains(QLatin1Char('z')) ? QStringLiteral("-tvzf") : QStringLiteral("-tvf"), archive});
    if (!p.waitForStarted(10000))
        return false;
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        // An archive that cannot be listed cannot be checked: not extracted.
        qCDebug(lcSys).noquote() << "TRunner::system archive not listed:" << archive;
        return false;
    }
    const auto inside = [&ctx](const QString& m) {
        return isPlainRelative(m) && !TPath::map(unitPath(ctx, m)).isEmpty();
    };
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    for (const QByteArray& raw : lines) {
        // "perms owner size date time name[ -> target | link to target]"
        const QString line = QFile::decodeName(raw);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 6)
            return false;
        int at = 0;
        for (int f = 0; f < 5; ++f) {
            at = line.indexOf(fields.at(f), at) + fields.at(f).size();
        }
        QString m = line.mid(at).trimmed();
        QString target;
        const QChar kind = line.at(0);
        const QString arrow = kind == QLatin1Char('l') ? QStringLiteral(" -> ")
                              : kind == QLatin1Char('h') ? QStringLiteral(" link to ") : QString();
        if (!arrow.isEmpty()) {
            const int cut = m.indexOf(arrow);
            if (cut < 0)
                return false;
            target = m.mid(cut + arrow.size());
            m.truncate(cut);
        }
        while (m.endsWith(QLatin1Char('/')))
            m.chop(1);
        if (m.isEmpty())
            continue;
        bool ok = inside(m);
        // A symbolic link leads from its own folder, a hard link names a
        // member: either must stay inside.
        if (ok && kind == QLatin1Char('l')) {
            const int slash = m.lastIndexOf(QLatin1Char('/'));
            const QString from = slash < 0 ? QString() : m.left(slash + 1);
            ok = !target.startsWith(QLatin1Char('/')) && inside(QDir::cleanPath(from + target))
                 && !QDir::cleanPath(from + target).startsWith(QLatin1String(".."));
        } else if (ok && kind == QLatin1Char('h')) {
            ok = inside(target);
        }
        if (!ok) {
            qCDebug(lcSys).noquote() << "TRunner::system archive member leaves the root:" << m << target;
            return false;
        }
    }
    return true;
}

int TRunner::runProgram(const Context& ctx, const TCmdLine::Command& cmd, const QString& exe,
                        const QStringList& args, bool detach)
{
    const int bound = boundOf(exe);
    if (bound >= 0 && s_stopping.load()) {
        qCDebug(lcSys, "TRunner::system %ls not started: the program is stopping", qUtf16Printable(exe));
        return -1;
    }
    // A program with a bound gets a process group of its own, ended with it.
    TGroupProcess p(bound >= 0);
    p.setProgram(exe);
    p.setArguments(args);
    p.setWorkingDirectory(TPath::map(ctx.cwd));
    for (int fd = 1; fd <= 2; ++fd) {
        const QString& target = fd == 1 ? cmd.out : cmd.err;
        if (target.isEmpty())
            continue;
        QString host = QProcess::nullDevice();
        if (target != QLatin1String("/dev/null") && !hostPath(ctx, target, &host)) {
            qCDebug(lcSys).noquote() << "TRunner::system refused output:" << target;
            return -1;
        }
        const auto mode = (fd == 1 ? cmd.outAppend : cmd.errAppend) ? QIODevice::Append : QIODevice::Truncate;
        if (fd == 1)
            p.setStandardOutputFile(host, mode);
        else
            p.setStandardErrorFile(host, mode);
    }
    // Where the channels no file takes go. A program with a bound writes
    // them into pipes of ours, closed once it is done, so what it leaves
    // running (a DHCP client) holds nothing of this program's, and what it
    // wrote is said as the program's own messages. Any other program's go
    // to this process's own, but for an answer the caller captures. A
    // forwarded channel ignores its file: only the channels with nowhere
    // else to go are forwarded.
    const bool bounded = bound >= 0;
    const bool outTaken = !cmd.out.isEmpty() || ctx.captured || bounded;
    const bool errTaken = !cmd.err.isEmpty() || bounded;
    if (cmd.errToOut)
        p.setProcessChannelMode(QProcess::MergedChannels);
    else if (outTaken && errTaken)
        p.setProcessChannelMode(QProcess::SeparateChannels);
    else if (outTaken)
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    else if (errTaken)
        p.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    else
        p.setProcessChannelMode(QProcess::ForwardedChannels);
    if (detach)
        return p.startDetached() ? 0 : -1;
    // What comes on a pipe of ours is moved into a buffer as it is read
    // (the waits below emit each piece), no more of it than a caller reads
    // of an answer (a line): a program that writes more is ended at once.
    const bool capped = ctx.captured && cmd.out.isEmpty();
    QByteArray taken[2]; // standard output, standard error
    bool flooded = false;
    const auto take = [&p, &taken, &flooded](int channel) {
        const QByteArray piece = channel == 0 ? p.readAllStandardOutput() : p.readAllStandardError();
        if (flooded)
            return; // read all the same, so that Qt's own buffer does not grow
        const int room = CaptureCap - taken[channel].size();
        taken[channel] += piece.left(room);
        if (piece.size() > room) {
            flooded = true;
            p.killAll();
        }
    };
    if (bounded || capped) {
        QObject::connect(&p, &QProcess::readyReadStandardOutput, [&take] { take(0); });
        QObject::connect(&p, &QProcess::readyReadStandardError, [&take] { take(1); });
    }
    p.start();
    if (!p.waitForStarted(10000)) {
        qCDebug(lcSys, "TRunner::system %ls did not start", qUtf16Printable(exe));
        return -1;
    }
    // Each wait gets what is left of the bound; once the program has ended,
    // the pipes are closed, whoever else holds their other end.
    const QDeadlineTimer left(bound); // -1: never
    while (p.state() != QProcess::NotRunning && !left.hasExpired() && !flooded)
        p.waitForFinished(int(left.remainingTime()));
    const bool overran = p.state() != QProcess::NotRunning;
    if (overran) {
        p.killAll();
        p.waitForFinished(1000);
    }
    if (!capped)
        say(exe, taken[0], QtInfoMsg);
    say(exe, taken[1], QtWarningMsg);
    if (overran || flooded) {
        // What it wrote before is not taken: an answer cut short reads as
        // none.
        if (flooded)
            qCWarning(lcSys, "TRunner::system %ls wrote more than %d bytes: ended", qUtf16Printable(exe),
                      int(CaptureCap));
        else
            qCWarning(lcSys, "TRunner::system %ls did not end within %d ms: ended", qUtf16Printable(exe), bound);
        return -1;
    }
    // The caller's answer, or an unbounded program's merged output ("2>&1")
    // with nowhere else to go, written to this process's own.
    const QByteArray out = capped ? taken[0] : p.readAllStandardOutput();
    if (!out.isEmpty() && !writeOutput(ctx, TCmdLine::Command(), out))
        return -1;
    if (p.exitStatus() != QProcess::NormalExit) {
        qCDebug(lcSys, "TRunner::system %ls did not end normally", qUtf16Printable(exe));
        return -1;
    }
    return p.exitCode();
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
    // A full disk shows only when the buffered rest is written: the data
    // must be on the disk before the target is replaced, or the old file
    // stays.
    if (!out.flush() || out.error() != QFileDevice::NoError || ::fsync(out.handle()) != 0) {
        qCWarning(lcSys).noquote() << "TRunner::copyFile failed:" << to << out.errorString();
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool TRunner::moveFile(const QString& from, const QString& to)
{
    const QByteArray a = TPath::map(from).toLocal8Bit();
    const QByteArray b = TPath::map(to).toLocal8Bit();
    return !a.isEmpty() && !b.isEmpty() && ::rename(a.constData(), b.constData()) == 0;
}

bool TRunner::removeFile(const QString& path)
{
    const QString p = TPath::map(path);
    if (p.isEmpty())
        return false;
    return !QFileInfo::exists(p) || QFile::remove(p);
}

void TRunner::syncAll()
{
    ::sync();
}
