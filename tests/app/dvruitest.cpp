// The whole program as a child process against the device-layer stand-in,
// in a fresh runtime root: start-up, a stop request, the clean shutdown and
// the log records it leaves in flash.
#include "logrecord.h"
#include "setupaction.h"
#include "startup.h"
#include "tlog.h"
#include "tmain.h"
#include "tscriptfile.h"
#include "ttestroot.h"

#include <QApplication>
#include <QProcess>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The stop watcher's bound of the program that a row drives: short where
// the row waits for the watcher to end a held shutdown; where the shutdown
// must end by itself first, long enough for a loaded machine (a Power Off
// takes about half a second, and more than one second under a whole
// suite's load).
enum { HeldBoundMs = 1000, PowerBoundMs = 5000 };

// The program that a row drives, in a child of this test program: the
// program's own main with the stop watcher's bound above. Once
// the device is up, Power Off is confirmed in the setup menu; "held" then
// holds the GUI thread for good, so the shutdown cannot end.
int runDriven()
{
    qAddPreRoutine([] {
        QMetaObject::invokeMethod(qApp, [] {
            auto* poll = new QTimer(qApp);
            QObject::connect(poll, &QTimer::timeout, [poll] {
                for (QWidget* w : QApplication::topLevelWidgets()) {
                    auto* mainWnd = qobject_cast<TMain*>(w);
                    if (!mainWnd || !mainWnd->m_initDone)
                        continue;
                    poll->stop();
                    mainWnd->sl_fromSetup(SetupAct::Btn_Shutdown, 0, 0);
                    if (qEnvironmentVariable("DVR_TEST_DRIVEN") == QLatin1String("held"))
                        QTimer::singleShot(100, [] { ::sleep(60); });
                    return;
                }
            });
            poll->start(50);
        }, Qt::QueuedConnection);
    });
    static char name[] = "dvrui";
    char* args[] = {name, nullptr};
    int argc = 1;
    const bool held = qEnvironmentVariable("DVR_TEST_DRIVEN") == QLatin1String("held");
    return dvruiMain(argc, args, held ? HeldBoundMs : PowerBoundMs);
}

// Starts the program in the root with the start-up's debug lines on; with
// a file-size limit (in KiB) on every file it writes when one is given; the
// program driven by this test program when driven names how.
void startIn(QProcess& p, const QString& root, int limitKib = 0, const QString& driven = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!driven.isEmpty())
        env.insert(QStringLiteral("DVR_TEST_DRIVEN"), driven);
    env.insert(QStringLiteral("DVR_ROOT"), root);
    env.insert(QStringLiteral("DAL_PROFILE"), QStringLiteral("16"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("dvr.*.debug=false\ndvr.app.debug=true"));
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    if (!driven.isEmpty())
        p.start(QCoreApplication::applicationFilePath(), QStringList());
    else if (limitKib > 0)
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("ulimit -S -f %1 && exec \"$0\"").arg(limitKib),
                                         QStringLiteral(DVRUI_PATH)});
    else
        p.start(QStringLiteral(DVRUI_PATH), QStringList());
}

void start(QProcess& p, const TTestRoot& root, int limitKib = 0, const QString& driven = QString())
{
    startIn(p, root.path(), limitKib, driven);
}

bool waitForLine(QProcess& p, QByteArray* seen, const QByteArray& line, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!seen->contains(line) && t.elapsed() < ms && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        *seen += p.readAllStandardError();
    }
    *seen += p.readAllStandardError();
    return seen->contains(line);
}

QVector<int> logCodes(const TTestRoot& root, const char* unitPath)
{
    QVector<int> codes;
    if (!QFile::exists(root.file(QString::fromLatin1(unitPath))))
        return codes;
    TLog log(unitPath);
    for (int i = 0; i < log.count(); ++i) {
        LogRecord r;
        if (log.log_read(i, &r))
            codes << r.code;
    }
    return codes;
}

// One answer of the stand-in's "journal TEXT" line: the matching lines up to
// the closing count, from the program's standard error; empty when no answer
// came within ms.
QStringList askJournal(QProcess& p, QByteArray* seen, const QByteArray& ctl, const QByteArray& text, int ms)
{
    const int from = seen->size();
    const int fd = ::open(ctl.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {};
    const QByteArray line = "journal " + text + '\n';
    const bool sent = ::write(fd, line.constData(), size_t(line.size())) == ssize_t(line.size());
    ::close(fd);
    if (!sent)
        return {};
    QElapsedTimer t;
    t.start();
    while (!seen->mid(from).contains(" lines\n") && !seen->mid(from).contains(" line\n") && t.elapsed() < ms
           && p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        *seen += p.readAllStandardError();
    }
    QStringList out;
    const QList<QByteArray> lines = seen->mid(from).split('\n');
    for (const QByteArray& l : lines) {
        if (l.startsWith("dal: journal: ") && l.contains(text))
            out << QString::fromLatin1(l.mid(14));
        else if (l.startsWith("dal: journal: ") && (l.endsWith(" lines") || l.endsWith(" line")))
            break;
    }
    return out;
}

// Writes lines to the stand-in's control FIFO.
bool control(const QByteArray& ctl, const QByteArray& lines)
{
    const int fd = ::open(ctl.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, lines.constData(), size_t(lines.size())) == ssize_t(lines.size());
    ::close(fd);
    return ok;
}

} // namespace

class DvruiTest : public QObject
{
    Q_OBJECT
private slots:
    // SIGTERM (what Ctrl-C's SIGINT does too) ends the program through its
    // shutdown: the shutdown entry is the last record of the log in flash,
    // and the process ends with the event loop's 0.
    void startAndStop_data()
    {
        QTest::addColumn<int>("sig");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void startAndStop()
    {
        QFETCH(int, sig);
        TTestRoot root;
        QVERIFY(root.write(QStringLiteral("/dvr/board_ok.txt"), QByteArray("ok", 3)));
        QProcess p;
        start(p, root);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, "TMain::sl_init end", 30000), err.constData());
        QCOMPARE(::kill(pid_t(p.processId()), sig), 0);
        QVERIFY(p.waitForFinished(30000));
        err += p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, err.constData());

        // The log reached flash with the shutdown as its last entry.
        const QVector<int> codes = logCodes(root, "/dvr/SYSTEM.log");
        QVERIFY2(!codes.isEmpty(), err.constData());
        QCOMPARE(codes.last(), int(LOG_SYSTEM_SHUTDOWN));
        QCOMPARE(codes.count(int(LOG_SYSTEM_SHUTDOWN)), 1);
        // The device was brought up (its start record) and stopped cleanly:
        // no alive time is left for the next start to take as a crash.
        QCOMPARE(codes.count(int(LOG_SYSTEM_START)), 1);
        QVERIFY(codes.indexOf(int(LOG_SYSTEM_START)) < codes.indexOf(int(LOG_SYSTEM_SHUTDOWN)));
        QVERIFY(!codes.contains(int(LOG_ABNORMAL_RESET)));
        QSettings quick(root.file(QStringLiteral("/dvr/quickOpt.conf")), QSettings::IniFormat);
        QCOMPARE(quick.value(QStringLiteral("QUICKOPTION/timeAlive"), -1).toInt(), 0);
    }

    // Power Off in the whole program, under a short stop watcher's bound: a
    // shutdown held past the bound ends the process with 1; one that
    // reached the unplug text waits for the power past the bound, and a
    // stop request then ends it with 0.
    void powerOff_data()
    {
        QTest::addColumn<QString>("driven");
        QTest::newRow("shutdown held") << "held";
        QTest::newRow("waiting for the power") << "power off";
    }
    void powerOff()
    {
        QFETCH(QString, driven);
        TTestRoot root;
        QVERIFY(root.write(QStringLiteral("/dvr/board_ok.txt"), QByteArray("ok", 3)));
        QProcess p;
        start(p, root, 0, driven);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, "TMain::sl_init end", 30000), err.right(2000).constData());
        if (driven == QLatin1String("held")) {
            QVERIFY(p.waitForFinished(HeldBoundMs + 5000));
            err += p.readAllStandardError();
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 1);
            QVERIFY2(err.contains("the shutdown did not end within 1000 ms"), err.right(2000).constData());
            return;
        }
        QVERIFY2(waitForLine(p, &err, "Now you may unplug", 30000), err.right(2000).constData());
        QVERIFY(!p.waitForFinished(PowerBoundMs + 500));
        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY(p.waitForFinished(5000));
        err += p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, err.right(2000).constData());
    }

    // The running program driven through the stand-in's control FIFO as
    // the front panel would: the keys reach the main window, which switches
    // the layout on the device.
    void driveByFifo_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QByteArray>("call"); // the device call looked at
        QTest::addColumn<QByteArray>("want"); // the last such call's start
        const QByteArray layout = "DalVoutSetLayout(0,";
        QTest::newRow("quad layout key") << QByteArray("key KR22\n") << layout << QByteArray("DalVoutSetLayout(0,2,[0,1,2,3,");
        QTest::newRow("digit 5: camera 5") << QByteArray("key 5\n") << layout << QByteArray("DalVoutSetLayout(0,1,[4,");
        QTest::newRow("remote digit 3") << QByteArray("rmc 3\n") << layout << QByteArray("DalVoutSetLayout(0,1,[2,");
        QTest::newRow("zoom key: x2 in the middle")
            << QByteArray("key KRZO\n") << QByteArray("DalVoutZoom(") << QByteArray("DalVoutZoom(2.00,0.50,0.50)");
    }
    void driveByFifo()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QByteArray, call);
        QFETCH(QByteArray, want);
        TTestRoot root;
        QVERIFY(root.write(QStringLiteral("/dvr/board_ok.txt"), QByteArray("ok", 3)));
        QProcess p;
        start(p, root);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, "TMain::sl_init end", 30000), err.constData());
        // The disks mount at start with the status box up, and the box
        // takes the keys while it is shown.
        QVERIFY2(waitForLine(p, &err, "SIG_STATE_END.. v:1", 60000), err.right(600).constData());
        const QByteArray ctl = QFile::encodeName(root.file(QStringLiteral("/tmp/dal.ctl")));
        const QStringList before = askJournal(p, &err, ctl, call, 10000);
        if (call.startsWith("DalVoutSetLayout"))
            QVERIFY2(!before.isEmpty(), "the start shows a layout on the main monitor");
        QVERIFY(before.isEmpty() || !before.last().startsWith(QString::fromLatin1(want)));

        QVERIFY(control(ctl, lines));
        QStringList after;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            after = askJournal(p, &err, ctl, call, 5000);
            if (after.size() > before.size() && after.last().startsWith(QString::fromLatin1(want)))
                break;
        }
        QVERIFY2(after.size() > before.size(), qPrintable(after.join('\n')));
        QCOMPARE(after.last().left(want.size()), QString::fromLatin1(want));

        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
    }

    // A start clears flash of what cut-off writes left: the temporary files
    // beside each file the program writes whole, named as its writer names
    // them (the model and the commit file: six letters or digits; the
    // files Qt writes, the quick options, the log's copy, the staged
    // firmware and its version, the image sheet restored in the program's
    // folder: six letters), go, and nothing else does. Under a file-size
    // limit the program lives on: a write past it fails as on a full flash,
    // and a stop ends the run with 0.
    void startInFlashLeftByACut_data()
    {
        QTest::addColumn<int>("limitKib"); // 0: none
        QTest::newRow("leftovers of cut commits") << 0;
        QTest::newRow("and a file-size limit") << 16;
    }
    void startInFlashLeftByACut()
    {
        QFETCH(int, limitKib);
        TTestRoot root;
        QVERIFY(root.write(QStringLiteral("/dvr/board_ok.txt"), QByteArray("ok", 3)));
        // The stand-in's 16-channel model is "SDR16".
        const QStringList cut = {"/dvr/SDR16.conf.a1B2c3",    "/dvr/config.tmp.Zz09yX",  "/dvr/quickOpt.conf.fuYzib",
                                 "/dvr/SYSTEM.log.tmp.NcvNCE", "/dvr/fwr.tmp.chMyOt",     "/dvr/fwr_ver.QwErTy",
                                 "/app/img_res.png.GhIjKl"};
        const QStringList others = {"/dvr/notes.txt",          "/dvr/SDR16.conf.bak",       "/dvr/SDR16.conf.backup1",
                                    "/dvr/config.tmp.a1B2c",   "/dvr/SDR08.conf.a1B2c3",    "/dvr/quickOpt.conf.orig",
                                    "/dvr/quickOpt.conf.fuY2ib", "/dvr/default.conf.fuYzib", "/dvr/SYSTEM.log.NcvNCE",
                                    "/dvr/fwr.chMyOt",         "/dvr/fwr_ver.QwErTy1",      "/app/img_res.png.bak"};
        for (const QString& f : cut + others)
            QVERIFY(root.write(f, QByteArray(4096, 'x')));
        QProcess p;
        start(p, root, limitKib);
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, "TMain::sl_init end", 30000), err.right(2000).constData());
        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY(p.waitForFinished(30000));
        err += p.readAllStandardError();
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == 0, err.right(2000).constData());
        // The start's save of the configuration to RAM met the limit.
        if (limitKib > 0)
            QVERIFY(QFileInfo(root.file(QStringLiteral("/tmp/SDR16.conf"))).size() <= limitKib * 1024);
        for (const QString& f : cut)
            QVERIFY2(!QFile::exists(root.file(f)), qPrintable(f));
        for (const QString& f : others)
            QVERIFY2(QFile::exists(root.file(f)), qPrintable(f));
    }

    // Without the factory-test marker no main window is made: the board
    // test runs over the black background until a stop request, and the
    // process ends with 0. In every start the once-a-second tests run once
    // the disks have reported (the LED switched on): the disks report as
    // the device comes up, which a start loses now and then when it listens
    // too late, so each row starts several programs at once. A stop asked
    // while an outside tool runs (the network start script during the
    // device's start, the first clock read) ends the run with 0 once the
    // tool's bound is over, and no tool starts after it.
    void factoryBranch_data()
    {
        QTest::addColumn<int>("sig");
        QTest::addColumn<QString>("hangs"); // the tool that never ends
        QTest::newRow("SIGTERM") << int(SIGTERM) << "";
        QTest::newRow("SIGINT") << int(SIGINT) << "";
        QTest::newRow("SIGTERM in the network start script") << int(SIGTERM) << "/etc/init.d/networking";
        QTest::newRow("SIGTERM in the clock read") << int(SIGTERM) << "/sbin/hwclock";
    }
    void factoryBranch()
    {
        QFETCH(int, sig);
        QFETCH(QString, hangs);
        enum { Starts = 4 };
        TTestRoot roots[Starts];
        QProcess p[Starts];
        QByteArray err[Starts];
        for (int i = 0; i < Starts; ++i) {
            QVERIFY(hangs.isEmpty() || writeScript(roots[i], hangs, "echo >> \"$DVR_ROOT/tmp/ran\"\nexec sleep 30\n"));
            start(p[i], roots[i]);
            QVERIFY(p[i].waitForStarted(10000));
        }
        for (int i = 0; i < Starts; ++i) {
            QVERIFY2(waitForLine(p[i], &err[i], "the board test runs", 30000), err[i].constData());
            if (!hangs.isEmpty()) {
                QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(roots[i].file(QStringLiteral("/tmp/ran"))), 15000);
                QCOMPARE(::kill(pid_t(p[i].processId()), sig), 0);
                continue;
            }
            const QByteArray ctl = QFile::encodeName(roots[i].file(QStringLiteral("/tmp/dal.ctl")));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QString::fromLocal8Bit(ctl)), 10000);
            QTRY_VERIFY2_WITH_TIMEOUT(!askJournal(p[i], &err[i], ctl, "DalIoTestLed(1)", 3000).isEmpty(),
                                      qPrintable(QStringLiteral("start %1 of %2").arg(i + 1).arg(Starts)), 15000);
            QCOMPARE(p[i].state(), QProcess::Running);
        }
        for (int i = 0; i < Starts; ++i) {
            QVERIFY(!hangs.isEmpty() || ::kill(pid_t(p[i].processId()), sig) == 0);
            QVERIFY(p[i].waitForFinished(30000));
            err[i] += p[i].readAllStandardError();
            QCOMPARE(p[i].exitStatus(), QProcess::NormalExit);
            QCOMPARE(p[i].exitCode(), 0);
            QCOMPARE(roots[i].read(QStringLiteral("/tmp/ran")), hangs.isEmpty() ? QByteArray() : QByteArray("\n"));
            QVERIFY2(err[i].contains("no factory-test marker"), err[i].constData());
            QVERIFY2(err[i].contains("the board test ends"), err[i].constData());
            QVERIFY(!err[i].contains("TMain::TMain"));
            QVERIFY(logCodes(roots[i], "/dvr/SYSTEM.log").isEmpty());
            QVERIFY(!QFile::exists(roots[i].file(QStringLiteral("/dvr/board_ok.txt"))));
        }
    }

    // Every program holds its root for its whole run, however it was
    // started: the root script cannot lock it alone meanwhile. A root that
    // is not there yet is made and held; beside another program it comes
    // up at once; while the run command makes the root afresh (holds it
    // alone) it waits, writing nothing, and comes up once it is whole; and
    // a hold it was started with (the run command's) ends with it instead
    // of passing on to a program it starts (the clock tool of the board
    // test, here one that leaves a process behind).
    void rootHeld_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("a root not there yet") << "missing";
        QTest::newRow("another program on it") << "program";
        QTest::newRow("being made afresh") << "alone";
        QTest::newRow("a hold handed down") << "handed";
    }
    void rootHeld()
    {
        QFETCH(QString, before);
        TTestRoot base;
        const QString root = before == "missing" ? base.path() + "/not/yet" : base.path();
        const QByteArray host = QFile::encodeName(root);
        const auto heldAlone = [&host] {
            const int fd = ::open(host.constData(), O_RDONLY | O_CLOEXEC);
            const bool free = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
            ::close(fd);
            return !free;
        };
        QProcess first;
        QByteArray firstErr;
        if (before == "program") {
            startIn(first, root);
            QVERIFY2(waitForLine(first, &firstErr, "the board test runs", 30000), firstErr.constData());
        }
        // Handed down: open across the program's start, as a launcher's.
        const int hold = before == "alone"    ? ::open(host.constData(), O_RDONLY | O_CLOEXEC)
                         : before == "handed" ? ::open(host.constData(), O_RDONLY)
                                              : -1;
        QVERIFY(hold < 0 || ::flock(hold, before == "alone" ? LOCK_EX : LOCK_SH) == 0);
        QVERIFY(before != "handed"
                || writeScript(root + "/sbin/hwclock",
                               "sleep 30 </dev/null >/dev/null 2>&1 &\necho $! >> \"$DVR_ROOT/left\"\n"
                               "echo 'Tue Dec  7 01:02:03 2026  -0.500000 seconds'\n"));
        const QStringList untouched = QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QProcess p;
        QByteArray err;
        startIn(p, root);
        if (before == "handed")
            ::close(hold); // the program's is the only copy now
        if (before == "alone") {
            QVERIFY2(waitForLine(p, &err, "is being made afresh: waiting", 30000), err.constData());
            QVERIFY(!waitForLine(p, &err, "the board test runs", 2000));
            QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), untouched);
            ::close(hold);
        }
        QVERIFY2(waitForLine(p, &err, "the board test runs", 30000), err.constData());
        QVERIFY2(before == "alone" || !err.contains("waiting"), err.constData());
        QVERIFY(heldAlone());
        if (before == "handed")
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(root + "/left"), 15000);
        for (QProcess* q : {&p, &first}) {
            if (q->state() == QProcess::NotRunning)
                continue;
            QCOMPARE(::kill(pid_t(q->processId()), SIGTERM), 0);
            QVERIFY(q->waitForFinished(30000));
        }
        QFile left(root + "/left");
        const QList<QByteArray> pids = left.open(QIODevice::ReadOnly) ? left.readAll().split('\n') : QList<QByteArray>();
        const bool outlived = !pids.isEmpty() && ::kill(pid_t(pids.first().toInt()), 0) == 0;
        for (const QByteArray& pid : pids)
            if (pid.toInt() > 0)
                ::kill(pid_t(pid.toInt()), SIGKILL);
        QVERIFY(before != "handed" || outlived); // what the program started still runs
        QVERIFY2(!heldAlone(), "the program's end frees its root");
    }

    // The program's own lines show what comes from outside escaped, as the
    // stand-in's do, each on its one line with its control bytes as \xNN:
    // an argument of the start (in the facade's debug line that lists
    // them), the stand-in's profile from the environment, and the root's
    // path in the stand-in's line on its control channel.
    void outsideBytesEscaped_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("an argument") << "arg" << QByteArray("TDVRAPI::coreInit arg[1]:\\x1b[31mred\\x0aline\n");
        QTest::newRow("the profile") << "profile"
                                     << QByteArray("dal: unknown DAL_PROFILE \"\\x1b[31mred\\x0aline\", using 16\n");
        QTest::newRow("the root's path") << "root" << QByteArray("/\\x1b[31mred\\x0aline/tmp/dal.ctl was a plain file");
    }
    void outsideBytesEscaped()
    {
        QFETCH(QString, where);
        QFETCH(QByteArray, shown);
        const QString odd = QStringLiteral("\x1b[31mred\nline");
        TTestRoot base;
        const QString root = where == "root" ? base.path() + "/" + odd : base.path();
        QFile marker(root + "/dvr/board_ok.txt"), plain(root + "/tmp/dal.ctl");
        QVERIFY(QDir().mkpath(root + "/dvr") && QDir().mkpath(root + "/tmp"));
        QVERIFY(marker.open(QIODevice::WriteOnly) && marker.write("ok", 3) == 3 && plain.open(QIODevice::WriteOnly));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DVR_ROOT"), root);
        env.insert(QStringLiteral("DAL_PROFILE"), where == "profile" ? odd : QStringLiteral("16"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("dvr.*.debug=false\ndvr.api.debug=true"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(DVRUI_PATH), where == "arg" ? QStringList{odd} : QStringList());
        QVERIFY2(p.waitForStarted(10000), qPrintable(p.errorString()));
        QByteArray err;
        QVERIFY2(waitForLine(p, &err, shown, 30000), err.right(2000).constData());
        QCOMPARE(::kill(pid_t(p.processId()), SIGTERM), 0);
        QVERIFY(p.waitForFinished(30000));
        err += p.readAllStandardError();
        QVERIFY(!err.contains('\x1b'));
        QVERIFY(!err.contains("\nline"));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("DVR_TEST_DRIVEN"))
        return runDriven();
    QCoreApplication app(argc, argv);
    DvruiTest tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "dvruitest.moc"
