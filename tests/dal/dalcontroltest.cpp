#include "tdalevents.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

class DalControlTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<DalEventList>("events");
        const int K = CBT_IO_KEY, R = CBT_IO_RMCKEY;
        QTest::newRow("key click") << QByteArray("key KRME") << 0
                                   << DalEventList{{0, K, 1, 0x4B524D45}, {0, K, 2, 0x4B524D45}};
        QTest::newRow("key press") << QByteArray("key KRPF press") << 0 << DalEventList{{0, K, 1, 0x4B525046}};
        QTest::newRow("key held") << QByteArray("key KRUP held") << 0 << DalEventList{{0, K, 4, 0x4B525550}};
        QTest::newRow("digit key") << QByteArray("key 7 press") << 0 << DalEventList{{0, K, 1, 0x4B520037}};
        QTest::newRow("hex code") << QByteArray("key 0x4B523232 press") << 0 << DalEventList{{0, K, 1, 0x4B523232}};
        QTest::newRow("remote key") << QByteArray("  rmc KRPA press  ") << 0 << DalEventList{{0, R, 1, 0x4B525041}};
        QTest::newRow("jog") << QByteArray("jog -2") << 0 << DalEventList{{0, CBT_IO_JOG, 1, -2}};
        QTest::newRow("shuttle") << QByteArray("shuttle 3") << 0 << DalEventList{{0, CBT_IO_SHUTTLE, 1, 3}};
        QTest::newRow("remote id") << QByteArray("rmcid 12") << 0 << DalEventList{{0, CBT_IO_RMCID, 1, 12}};
        QTest::newRow("remote id out of range") << QByteArray("rmcid 256") << -1 << DalEventList{};
        QTest::newRow("sensor") << QByteArray("sensor 4 on") << 0 << DalEventList{{0, CBT_IO_SENSOR, 4, 1}};
        QTest::newRow("video loss") << QByteArray("vloss 1 on") << 0 << DalEventList{{1, CBT_VIN_VL, 1, 1}};
        QTest::newRow("video back") << QByteArray("vloss 1 off") << 0 << DalEventList{{1, CBT_VIN_VL, 1, 0}};
        QTest::newRow("disk mount") << QByteArray("disk mount") << 0 << DalEventList{{2, CBT_ENC_SD_MOUNT, 0, 1}};
        QTest::newRow("disk bad") << QByteArray("disk mount-bad") << 0 << DalEventList{{2, CBT_ENC_SD_MOUNT, 0, 0}};
        QTest::newRow("comment") << QByteArray("# a note") << 0 << DalEventList{};
        QTest::newRow("empty") << QByteArray("") << 0 << DalEventList{};
        QTest::newRow("unknown word") << QByteArray("explode now") << -1 << DalEventList{};
        QTest::newRow("short code") << QByteArray("key KRM") << -1 << DalEventList{};
        QTest::newRow("long code") << QByteArray("key KRMEN") << -1 << DalEventList{};
        QTest::newRow("key word no key has") << QByteArray("key KRDN") << -1 << DalEventList{};
        QTest::newRow("remote key word no key has") << QByteArray("rmc krme press") << -1 << DalEventList{};
        QTest::newRow("combined key") << QByteArray("key 4NDS press") << 0 << DalEventList{{0, K, 1, 0x344E4453}};
        QTest::newRow("hex code no key has") << QByteArray("key 0x4B524452 press") << 0 << DalEventList{{0, K, 1, 0x4B524452}};
        QTest::newRow("bad action") << QByteArray("key KRME twice") << -1 << DalEventList{};
        QTest::newRow("jog zero") << QByteArray("jog 0") << -1 << DalEventList{};
        QTest::newRow("jog text") << QByteArray("jog left") << -1 << DalEventList{};
        QTest::newRow("sensor out of range") << QByteArray("sensor 32 on") << -1 << DalEventList{};
        QTest::newRow("sensor negative") << QByteArray("sensor -1 on") << -1 << DalEventList{};
        QTest::newRow("sensor bad state") << QByteArray("sensor 1 maybe") << -1 << DalEventList{};
        QTest::newRow("disk unknown") << QByteArray("disk spin") << -1 << DalEventList{};
        // Numbers are decimal, codes in hex are numbers even when four characters long.
        QTest::newRow("leading zero decimal") << QByteArray("sensor 010 on") << 0 << DalEventList{{0, CBT_IO_SENSOR, 10, 1}};
        QTest::newRow("short hex code") << QByteArray("key 0x4B press") << 0 << DalEventList{{0, K, 1, 0x4B}};
        QTest::newRow("hex code with a second 0x") << QByteArray("key 0x0x4B press") << -1 << DalEventList{};
        QTest::newRow("hex code with 0X") << QByteArray("key 0X4B press") << -1 << DalEventList{};
        QTest::newRow("hex channel") << QByteArray("vloss 0x1 on") << -1 << DalEventList{};
        // The 16-channel profile has sensors and channels 0..15.
        QTest::newRow("sensor beyond profile") << QByteArray("sensor 16 on") << -1 << DalEventList{};
        QTest::newRow("channel beyond profile") << QByteArray("vloss 16 off") << -1 << DalEventList{};
        QTest::newRow("last channel") << QByteArray("vloss 15 on") << 0 << DalEventList{{1, CBT_VIN_VL, 15, 1}};
        QTest::newRow("motion") << QByteArray("motion 3 on") << 0 << DalEventList{{1, CBT_VIN_MOTION, 3, 1}};
        QTest::newRow("motion beyond profile") << QByteArray("motion 16 off") << -1 << DalEventList{};
        QTest::newRow("format") << QByteArray("format 2 1920x1080 i 60") << 0 << DalEventList{{1, CBT_VIN_CAMERA, 2, 0}};
        QTest::newRow("format without scan") << QByteArray("format 2 1920x1080 60") << -1 << DalEventList{};
        QTest::newRow("format bad size") << QByteArray("format 2 1920-1080 p 30") << -1 << DalEventList{};
        QTest::newRow("format no rate") << QByteArray("format 2 1280x720 p 0") << -1 << DalEventList{};
        QTest::newRow("pos line") << QByteArray("pos 4 TOTAL 12.50") << 0 << DalEventList{{3, CBT_POS_TEXTIN, 4, 1}};
        QTest::newRow("pos without text") << QByteArray("pos 4") << -1 << DalEventList{};
        QTest::newRow("pos beyond profile") << QByteArray("pos 16 x") << -1 << DalEventList{};
        QTest::newRow("USB POS plugged") << QByteArray("posusb 2 on") << 0 << DalEventList{{3, CBT_POS_USB, 2, 1}};
        QTest::newRow("USB POS not there, pulled") << QByteArray("posusb 4 off") << 0 << DalEventList{};
        QTest::newRow("serial port is no USB port") << QByteArray("posusb 0 on") << -1 << DalEventList{};
        QTest::newRow("USB port 5") << QByteArray("posusb 5 on") << -1 << DalEventList{};
    }

    void lines()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, result);
        QFETCH(DalEventList, events);
        TTestRoot root;
        TDalEvents seen;
        DalInit();
        seen.registerAll();
        dalTestSetManualTicks(1);
        DalStart();
        QCOMPARE(dalTestControlLine(line.constData()), result);
        dalTestFlush();
        QCOMPARE(seen.events(), events);
    }

    // A USB POS device plugged or pulled is told once, from the stand-in's
    // own thread, and answers the scan; the serial port tells nothing.
    void usbPosPlug()
    {
        TTestRoot root;
        TDalEvents seen;
        DalInit();
        seen.registerAll();
        dalTestSetManualTicks(1);
        DalStart();
        for (const auto& step : QVector<QPair<int, int>>{{2, 1}, {2, 1}, {0, 1}, {3, 1}, {2, 0}})
            QCOMPARE(dalTestPosPresent(step.first, step.second), 0);
        QCOMPARE(dalTestPosPresent(8, 1), -1);
        dalTestFlush();
        QCOMPARE(seen.events(), (DalEventList{{3, CBT_POS_USB, 2, 1}, {3, CBT_POS_USB, 3, 1}, {3, CBT_POS_USB, 2, 0}}));
        QVERIFY(seen.thread[3] != QThread::currentThreadId());
        int32_t present[8] = {};
        QCOMPARE(DalPosScan(present), 0);
        QCOMPARE(QVector<int>(present, present + 5), (QVector<int>{1, 0, 0, 1, 0}));
    }

    // The backup media put in and taken out; what the device list then says.
    void mediaLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("media"); // present and room of the stick, then the disc
        QTest::newRow("stick in") << QByteArray("usb in 8000") << 0 << "1 8000000000 0 0";
        QTest::newRow("stick out") << QByteArray("usb out") << 0 << "0 0 0 0";
        QTest::newRow("disc in") << QByteArray("disc in") << 0 << "0 0 1 4700000000";
        QTest::newRow("small disc in") << QByteArray("disc in 700") << 0 << "0 0 1 700000000";
        QTest::newRow("disc out") << QByteArray("disc out") << 0 << "0 0 0 0";
        QTest::newRow("stick without its room") << QByteArray("usb in") << -1 << "0 0 0 0";
        QTest::newRow("negative room") << QByteArray("usb in -5") << -1 << "0 0 0 0";
        QTest::newRow("bad word") << QByteArray("disc eject") << -1 << "0 0 0 0";
    }
    void mediaLines()
    {
        QFETCH(QByteArray, line);
        TTestRoot root;
        DalInit();
        if (line.endsWith("out"))
            dalTestBackupMedia(line.startsWith("usb") ? 0 : 1, 1, 1000, 0);
        QTEST(dalTestControlLine(line.constData()), "result");
        DalTestBackupState st;
        dalTestBackupGetState(&st);
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(st.present[0]).arg(st.size[0]).arg(st.present[1]).arg(st.size[1]),
              "media");
        BdList list;
        QCOMPARE(DalBackupGetBd(&list), 0);
        QCOMPARE(list.bd[0].capacity, list.bd[0].size); // nothing copied yet
        QCOMPARE(list.bd[1].state, st.present[1] ? 2 : 1);
        QCOMPARE(list.bd[1].mounted, 0); // the program mounts it
        DalExit();
    }

    // Every key word the lines take is listed in the README.
    void keyWordsInReadme()
    {
        QFile readme(QStringLiteral(DVR_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QByteArray text = readme.readAll();
        int i = 0;
        for (; dalTestControlKeyWord(i); ++i) {
            const QByteArray word = dalTestControlKeyWord(i);
            QVERIFY2(text.contains('`' + word + '`'), word.constData());
            QCOMPARE(dalTestControlLine("key " + word + " release"), 0);
        }
        QCOMPARE(i, 64);
    }

    void refusalSaysWhy()
    {
        TStderrCapture err;
        QCOMPARE(dalTestControlLine("sensor 16 on"), -1);
        QCOMPARE(dalTestControlLine("vloss 99 on"), -1);
        QVERIFY(err.text().contains("sensor 16 refused"));
        QVERIFY(err.text().contains("vloss 99 refused"));
    }

    // A POS line's text is the rest of the line after the channel and its
    // blanks, its inner and last blanks kept.
    void posText_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("after blanks and a tab") << QByteArray("pos 4 \t CASH  1.00 ") << QByteArray("CASH  1.00 ");
    }
    void posText()
    {
        QFETCH(QByteArray, line);
        TTestRoot root;
        static QByteArray s_text; // written on the POS family's thread, read after the flush
        DalInit();
        DalPosSetCb([](void*, int, int, int, const char* text) {
            s_text = text;
            return 0;
        }, nullptr);
        dalTestSetManualTicks(1);
        DalStart();
        QCOMPARE(dalTestControlLine(line.constData()), 0);
        dalTestFlush();
        QTEST(s_text, "text");
    }

    // "journal TEXT" writes the journal lines holding the text to standard
    // error (every line without a text), oldest first, their bytes escaped,
    // then their count.
    void journalLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("want");
        QTest::newRow("one call") << QByteArray("journal DalVoutSetLive")
                                  << QByteArray("dal: journal: DalVoutSetLive(1)\ndal: journal: 1 line\n");
        const QByteArray none("dal: journal: 0 lines\n");
        QTest::newRow("text with a blank") << QByteArray("journal DalVoutSetCaps(0, 3)") << none;
        QTest::newRow("a text no call holds") << QByteArray("journal DalDecStart") << none;
        // The unit's name (64 bytes, control bytes in it) makes a line of 87.
        const QByteArray named = "dal: journal: DalBackupSetDvrInfo(\"UNIT\\x1b[2J" + QByteArray(56, 'x') + "\")\n";
        QTest::newRow("every call") << QByteArray("journal")
                                    << "dal: journal: DalVoutSetCaps(0,3)\ndal: journal: DalVoutSetLive(1)\n" + named
                                           + "dal: journal: 3 lines\n";
        // The text is the rest of the line, even where the command's word holds it.
        QTest::newRow("a text inside the word journal") << QByteArray("journal al")
            << "dal: journal: DalVoutSetCaps(0,3)\ndal: journal: DalVoutSetLive(1)\n" + named
                   + "dal: journal: 3 lines\n";
        QTest::newRow("a long name with control bytes") << QByteArray("journal DalBackupSetDvrInfo")
                                                        << named + "dal: journal: 1 line\n";
    }
    void journalLine()
    {
        QFETCH(QByteArray, line);
        dalTestJournalClear();
        DalVoutSetCaps(0, 3);
        DalVoutSetLive(1);
        DalBackupSetDvrInfo(("UNIT\x1b[2J" + QByteArray(56, 'x')).constData());
        TStderrCapture err;
        QCOMPARE(dalTestControlLine(line.constData()), 0);
        QTEST(err.text(), "want");
    }

    // The FIFO is made at start, also in place of a plain file that a
    // write left while no program read it, or taken over from a run that
    // did not end (a line waiting there is heard once the program is up).
    // Anything else in the way stays and is named: a folder, a link (also
    // one leading out of the root, never followed), a FIFO that another
    // process holds open for reading, or whose folder another program
    // locks; such a start keeps nothing open. It takes lines and goes at
    // exit, but not what replaced it meanwhile.
    void fifoTakesLinesAndGoesAtExit_data()
    {
        QTest::addColumn<QString>("before"); // what stands at the path
        QTest::addColumn<QByteArray>("said"); // standard error at start, @ for the path
        const QByteArray none = "dal: no control channel at @: ";
        QTest::newRow("nothing") << "" << QByteArray();
        QTest::newRow("a plain file a write left")
            << "file" << QByteArray("dal: @ was a plain file (a write while no program read it), replaced by the FIFO\n");
        QTest::newRow("a FIFO a killed run left") << "fifo" << QByteArray();
        QTest::newRow("a FIFO a killed run left, a key line waiting") << "waiting" << QByteArray();
        QTest::newRow("replaced by a plain file while it runs") << "replaced" << QByteArray();
        QTest::newRow("replaced by another FIFO while it runs") << "replaced fifo" << QByteArray();
        QTest::newRow("a folder") << "folder" << none + "a folder is there, not a FIFO\n";
        QTest::newRow("a link to a plain file") << "link" << none + "a symbolic link is there, not a FIFO\n";
        QTest::newRow("a link out of the root") << "link out" << none + "a symbolic link is there, not a FIFO\n";
        QTest::newRow("a FIFO another process holds open for reading")
            << "read" << none + "the FIFO there is already held open for reading\n";
        const QByteArray locked = none + "another program holds the control channel (the root's tmp folder is locked)\n";
        QTest::newRow("a folder another program locks") << "locked" << locked;
        QTest::newRow("a folder another program locks, shared") << "locked shared" << locked;
    }
    void fifoTakesLinesAndGoesAtExit()
    {
        QFETCH(QString, before);
        QFETCH(QByteArray, said);
        TTestRoot root;
        const QString at = root.file("/tmp/dal.ctl");
        // The link's target: in the root, or beside it.
        const QString other = before == "link out" ? root.path() + "-beside" : root.file("/tmp/other");
        QVERIFY(QDir().mkpath(root.file("/tmp")));
        if (before == "folder")
            QVERIFY(QDir().mkdir(at));
        if (before == "file" || before.startsWith("link")) {
            QFile f(before == "file" ? at : other);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("key KRME\n") == 9);
        }
        if (before.startsWith("link"))
            QVERIFY(QFile::link(other, at));
        int reader = -1; // the other program's end of its FIFO
        if (before == "fifo" || before == "read" || before == "waiting")
            QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        if (before == "read")
            QVERIFY((reader = ::open(QFile::encodeName(at).constData(), O_RDONLY | O_NONBLOCK)) >= 0);
        const int locker =
            before.startsWith("locked") ? ::open(QFile::encodeName(root.file("/tmp")).constData(), O_RDONLY) : -1;
        QVERIFY(locker < 0 || ::flock(locker, before == "locked" ? LOCK_EX : LOCK_SH) == 0);
        QProcess writer; // a shell's echo waiting for a reader
        if (before == "waiting")
            writer.start("sh", {"-c", "echo 'key KR22' > \"$0\"", at});
        TDalEvents seen;
        QCOMPARE(DalInit(), 0);
        char path[512];
        QCOMPARE(dalTestControlPath(path, sizeof path), 0);
        QCOMPARE(QString::fromLocal8Bit(path), at);
        if (before == "waiting") // not read before the program can hear it
            QCOMPARE(::open(path, O_WRONLY | O_NONBLOCK), -1);
        seen.registerAll();
        dalTestSetManualTicks(1);
        TStderrCapture err;
        DalStart();
        err.restore();
        QCOMPARE(err.text(), said.replace("@", QFile::encodeName(at)));
        if (before == "folder" || before.startsWith("link") || before == "read" || locker >= 0) {
            int held = 0; // descriptors to the FIFO or its folder: the other program's only
            for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::AllEntries | QDir::System))
                held += fd.symLinkTarget() == at || fd.symLinkTarget() == root.file("/tmp");
            QCOMPARE(held, int(reader >= 0) + int(locker >= 0));
            DalExit();
            if (locker >= 0)
                ::close(locker);
            QCOMPARE(QFileInfo(at).isSymLink(), before.startsWith("link")); // left as it was
            QCOMPARE(QFileInfo::exists(at), locker < 0);
            QCOMPARE(QFileInfo(at).isDir(), before == "folder");
            if (before.startsWith("link"))
                QCOMPARE(QFileInfo(other).size(), 9); // its target untouched
            if (before == "read") { // still there for its reader, who gets the lines
                QVERIFY(QFileInfo(at).exists() && !QFileInfo(at).isFile());
                const int fd = ::open(path, O_WRONLY | O_NONBLOCK);
                QVERIFY(fd >= 0);
                QCOMPARE(::write(fd, "key KRSE\n", 9), ssize_t(9));
                ::close(fd);
                char got[16] = {};
                QCOMPARE(::read(reader, got, sizeof got), ssize_t(9));
                ::close(reader);
            }
            if (before == "link out")
                QVERIFY(QFile::remove(other));
            return;
        }
        QVERIFY(before != "waiting" || writer.waitForFinished(10000));
        const int fd = ::open(path, O_WRONLY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        DalStart(); // a second start keeps the channel: the writer's lines still arrive
        ::signal(SIGPIPE, SIG_IGN); // a write to a FIFO nobody reads fails, and the row with it
        // An over-long line is dropped whole, never applied cut short.
        const QByteArray lines = "key KRSE\nnot a line\nsensor 5 on" + QByteArray(300, ' ') + "x\nsensor 2 on\n";
        QCOMPARE(::write(fd, lines.constData(), size_t(lines.size())), ssize_t(lines.size()));
        ::close(fd);
        const int K = CBT_IO_KEY;
        DalEventList want{{0, K, 1, 0x4B525345}, {0, K, 2, 0x4B525345}, {0, CBT_IO_SENSOR, 2, 1}};
        if (before == "waiting")
            want = DalEventList{{0, K, 1, 0x4B523232}, {0, K, 2, 0x4B523232}} + want;
        QTRY_COMPARE_WITH_TIMEOUT(seen.events().size(), want.size(), 5000);
        QCOMPARE(seen.events(), want);
        if (before.startsWith("replaced")) { // its FIFO gone, a write's plain file or another program's FIFO there
            QVERIFY(QFile::remove(at));
            QFile f(at);
            QVERIFY(before == "replaced fifo" ? ::mkfifo(QFile::encodeName(at).constData(), 0600) == 0
                                              : f.open(QIODevice::WriteOnly) && f.write("key KRME\n") == 9);
        }
        DalStop(); // nothing reads the FIFO once the device layer stops
        QVERIFY(before == "replaced" || ::open(path, O_WRONLY | O_NONBLOCK) < 0);
        DalExit();
        // The FIFO is gone, nothing else was left (but what replaced it, which is not its own).
        QCOMPARE(root.allFiles(), before.startsWith("replaced") ? QStringList{"/tmp/dal.ctl"} : QStringList());
    }

    // Every line the FIFO drops is reported once on standard error, its
    // bytes escaped and cut; the lines after it are still taken.
    void droppedLinesAreReported_data()
    {
        QTest::addColumn<QByteArray>("bad");
        QTest::addColumn<QByteArray>("report");
        QTest::newRow("300 characters") << "sensor 5 on" + QByteArray(289, 'y') + "\n"
                                        << QByteArray("dal: control line dropped, longer than 256 bytes: sensor 5 on"
                                                      + QByteArray(69, 'y') + "...\n");
        QTest::newRow("no line end for 1 MB") << QByteArray(1 << 20, 'z')
                                              << QByteArray("dal: control line dropped, longer than 256 bytes: "
                                                            + QByteArray(80, 'z') + "...\n");
        QTest::newRow("unknown key word") << QByteArray("key KRDN\n")
                                          << QByteArray("dal: control line not understood: key KRDN\n");
        QTest::newRow("unreadable bytes") << QByteArray("key \x1b[2J\x01\\\x7f \n")
                                          << QByteArray("dal: control line not understood: key \\x1b[2J\\x01\\x5c\\x7f \n");
    }

    void droppedLinesAreReported()
    {
        QFETCH(QByteArray, bad);
        QFETCH(QByteArray, report);
        TTestRoot root;
        TDalEvents seen;
        QCOMPARE(DalInit(), 0);
        char path[512];
        QCOMPARE(dalTestControlPath(path, sizeof path), 0);
        seen.registerAll();
        dalTestSetManualTicks(1);
        DalStart();
        TStderrCapture err;
        const int fd = ::open(path, O_WRONLY);
        QVERIFY(fd >= 0);
        for (int done = 0; done < bad.size();) {
            const ssize_t n = ::write(fd, bad.constData() + done, size_t(bad.size() - done));
            QVERIFY(n > 0);
            done += int(n);
        }
        if (!bad.endsWith('\n'))
            QCOMPARE(::write(fd, "\n", 1), ssize_t(1));
        QCOMPARE(::write(fd, "sensor 2 on\n", 12), ssize_t(12));
        ::close(fd);
        QTRY_COMPARE_WITH_TIMEOUT(seen.events().size(), 1, 5000);
        QCOMPARE(seen.events(), (DalEventList{{0, CBT_IO_SENSOR, 2, 1}}));
        DalExit();
        err.restore();
        QCOMPARE(err.text(), report);
    }
};

QTEST_GUILESS_MAIN(DalControlTest)
#include "dalcontroltest.moc"
