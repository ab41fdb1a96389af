#include "dal.h"
#include "dal_test.h"
#include "tdalfile.h"
#include "tfilesizelimit.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>
#include <thread>

// The stand-in maps the program's paths by the program's own rule: nothing
// beside the runtime root is seen, by ".." or by a symbolic link.
class DalRootTest : public QObject
{
    Q_OBJECT
private slots:
    void pathsStayInsideRoot_data()
    {
        QTest::addColumn<QString>("path"); // @N the file beside the root
        QTest::addColumn<int>("found");
        QTest::newRow("inside") << "/dvr/fpga.bin" << 0;
        QTest::newRow("dotdot") << "/../@N" << -1;
        QTest::newRow("link out") << "/dvr/out" << -1;
        QTest::newRow("link inside") << "/dvr/in" << 0;
    }

    void pathsStayInsideRoot()
    {
        QFETCH(QString, path);
        QFETCH(int, found);
        TTestRoot root;
        const QString beside = root.path() + "-beside";
        QFile f(beside);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("x") == 1);
        f.close();
        QVERIFY(root.write("/dvr/fpga.bin", "fpga"));
        QVERIFY(QFile::link(beside, root.file("/dvr/out")));
        QVERIFY(QFile::link("fpga.bin", root.file("/dvr/in")));
        QByteArray value = path.replace("@N", QFileInfo(beside).fileName()).toLocal8Bit();
        value.resize(128);
        QCOMPARE(DalCmd("fpgaconf", value.data(), value.size()), found);
        QCOMPARE(Db6fOpen(value.constData(), "", 0, 0, 0, 0xffffffffu) > 0, found == 0);
        QVERIFY(f.remove());
    }

    // Where the stand-in writes a file of its own in the root (a snapshot
    // on the stick, the disks' default database, a formatted disk's empty
    // one), a symbolic link put in its place is not followed: its target
    // stays as it was, or is not made. A write that fails leaves nothing
    // cut. Either is told as failed where the call can tell it, and said
    // once in one line with the path and why.
    void ownFilesNotThroughLinks_data()
    {
        QTest::addColumn<QString>("write");
        QTest::addColumn<QByteArray>("target"); // the link's target's bytes; empty: there is none; "-": no link
        QTest::addColumn<QByteArray>("said");   // the end of the line said
        const QByteArray link = ": a symbolic link is there, not written";
        QTest::newRow("snapshot over a link to a file") << "snapshot" << QByteArray("kept") << link + "\n";
        QTest::newRow("default database over a dangling link") << "database" << QByteArray() << link + "\n";
        QTest::newRow("format over a link to a file")
            << "format" << QByteArray("date 2026-11-29\nrec all 00:00-23:59\n") << link + ", the format refused\n";
        QTest::newRow("snapshot onto a full medium") << "full" << QByteArray("-")
                                                     << QByteArray(": cannot be written (File too large)\n");
    }

    void ownFilesNotThroughLinks()
    {
        QFETCH(QString, write);
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, said);
        TTestRoot root;
        const bool linked = target != "-";
        const QString folder = write == "snapshot" || write == "full" ? "/backup/" : "/data0/";
        QVERIFY(target.isEmpty() || !linked || root.write(folder + "target", target));
        QStringList places{"/data0/data.db6"};
        if (folder == "/backup/") {
            // Named by the clock's second: a link at the name of each second to come.
            places.clear();
            for (time_t t = time(nullptr); t < time(nullptr) + 10; ++t)
                places << QDateTime::fromSecsSinceEpoch(t).toString("'/backup/SNAP_'yyyyMMdd_HHmmss'.ppm'");
        }
        QVERIFY(QDir().mkpath(root.file(folder)));
        for (const QString& place : places)
            QVERIFY(!linked || QFile::link("target", root.file(place)));
        TStderrCapture err;
        if (folder == "/backup/") {
            dalTestBackupMedia(0, 1, 1000000000, 1);
            TFileSizeLimit full(write == "full" ? 4096 : -1); // -1: no limit
            QCOMPARE(DalBackupSnapshot(), -1); // "Snapshot Failed"
        } else if (write == "format") {
            QVERIFY(DalInit() == 0 && DalStart() == 0);
            QCOMPARE(DalEncrFormatSd(0, 0), -1); // the Failed box, the recordings kept
            DalExit();
        } else {
            for (int i = 0; i < 2; ++i)
                QVERIFY(Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0) > 0); // served, not written
        }
        err.restore();
        QVERIFY2(err.text().endsWith(said) && err.text().count('\n') == 1, err.text().constData());
        QCOMPARE(root.read(folder + "target"), linked ? target : QByteArray());
        QCOMPARE(QFileInfo::exists(root.file(folder + "target")), linked && !target.isEmpty());
        for (const QString& place : places)
            QCOMPARE(QFileInfo(root.file(place)).isSymLink(), linked);
        QVERIFY(linked || QDir(root.file(folder)).isEmpty()); // nothing cut left
    }

    void controlFifoNotThroughLink()
    {
        TTestRoot root;
        const QString dir = root.path() + "-besidedir";
        QVERIFY(QDir().mkpath(dir) && QDir(root.file("/tmp")).removeRecursively());
        QVERIFY(QFile::link(dir, root.file("/tmp")));
        char path[256] = {};
        dalTestControlPath(path, sizeof path);
        QCOMPARE(QString::fromLocal8Bit(path), root.path() + "/tmp/dal.ctl"); // named, never used
        TStderrCapture err;
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        err.restore();
        QCOMPARE(err.text(), "dal: no control channel at " + QByteArray(path) + ": the root's /tmp leads out of the root\n");
        DalExit();
        QVERIFY(QDir(dir).isEmpty() && QDir(dir).removeRecursively());
    }

    // A folder of the root exchanged again and again with a link that leads
    // out of it while the stand-in writes there: each write goes into the
    // folder it checked, or is refused. Nothing lands beside the root and
    // nothing written aside is left.
    void writesStayInTheFolderChecked()
    {
        TTestRoot root;
        const QString beside = root.path() + "-swapped";
        QVERIFY(QDir().mkpath(beside) && QDir().mkpath(root.file("/data0")));
        const auto gone = qScopeGuard([&beside] { QDir(beside).removeRecursively(); });
        QVERIFY(QFile::link(beside, root.file("/away")));
        const QByteArray a = QFile::encodeName(root.file("/data0")), b = QFile::encodeName(root.file("/away"));
        std::atomic<bool> done{false};
        std::thread swapper([&] {
            while (!done)
                ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
        });
        TStderrCapture err; // the refusals
        for (int i = 0; i < 3000; ++i)
            dalTestDbDescribe("/data0/data.db6", "date 2026-11-29\n");
        done = true;
        swapper.join();
        err.restore();
        QCOMPARE(QDir(beside).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        const QString folder = QFileInfo(root.file("/data0")).isSymLink() ? "/away" : "/data0";
        QCOMPARE(QDir(root.file(folder)).entryList(QDir::Files | QDir::Hidden), QStringList{"data.db6"});
    }
    // What a killed write left goes when the layer starts (beside the disks'
    // databases and in /tmp) or a medium is put in or mounted (/backup):
    // the first 20 said each, then how many more. A name of another form
    // stays, and what is not a plain file (a FIFO, a folder, a link) stays
    // unopened.
    void sweepsTakeOnlyLeftovers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<int>("left"); // in each folder
        QTest::newRow("start") << "start" << QStringList{"/tmp", "/tmp/bdimage", "/data0", "/data15"} << 1;
        QTest::newRow("stick put in, 20 left") << "stick" << QStringList{"/backup"} << 20;
        QTest::newRow("disc put in, 21 left") << "disc" << QStringList{"/backup"} << 21;
        QTest::newRow("mounted, 22 left") << "mount" << QStringList{"/backup"} << 22;
    }
    void sweepsTakeOnlyLeftovers()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, folders);
        QFETCH(int, left);
        TTestRoot root;
        dalTestReset();
        dalTestBackupMedia(0, how == "mount", 1000000, 0); // put in before, for the mount
        const QStringList kept{".dalpart-abc-EFG1",  ".dalpart-abcdEFG",   ".dalpart-abcdEFG1~", ".dalpart-dir00001",
                               ".dalpart-fifo0001", ".dalpart-link0001", ".dalpart-notes.txt"};
        const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(opens >= 0);
        const auto closed = qScopeGuard([opens] { ::close(opens); });
        for (const QString& f : folders) {
            for (const QString& name : kept.mid(0, 3) + QStringList{".dalpart-notes.txt"})
                QVERIFY(root.write(f + "/" + name, "x"));
            for (int n = 0; n < left; ++n)
                QVERIFY(root.write(f + QString("/.dalpart-left%1").arg(n, 4, 10, QChar('0')), "x"));
            const QByteArray at = QFile::encodeName(root.file(f + "/.dalpart-"));
            QVERIFY(::mkdir(at + "dir00001", 0755) == 0 && ::mkfifo(at + "fifo0001", 0644) == 0
                    && ::symlink(".dalpart-notes.txt", at + "link0001") == 0);
            for (const char* name : {"dir00001", "fifo0001", "notes.txt"})
                QVERIFY(inotify_add_watch(opens, at + name, IN_OPEN) >= 0);
        }
        TStderrCapture err;
        if (how == "start")
            QVERIFY(DalInit() == 0 && DalStart() == 0);
        else if (how == "mount")
            QCOMPARE(DalBackupMount(), 0);
        else
            dalTestBackupMedia(how == "disc", 1, 1000000, 0);
        err.restore();
        DalExit();
        char event[4096];
        QCOMPARE(::read(opens, event, sizeof event), -1L); // nothing of those opened
        const QRegularExpression one("^dal: (.*)/\\.dalpart-left\\d{4}: a temporary file no write holds, removed$",
                                     QRegularExpression::MultilineOption);
        for (const QString& f : folders) {
            QCOMPARE(QDir(root.file(f)).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name),
                     kept + (f == "/tmp" ? QStringList{"bdimage"} : QStringList()));
            int said = 0;
            for (auto m = one.globalMatch(QString::fromLatin1(err.text())); m.hasNext();)
                said += m.next().captured(1) == f;
            QCOMPARE(said, qMin(left, 20));
            QCOMPARE(err.text().contains(QString("dal: %1: %2 more temporary file%3 no write holds, removed\n")
                                             .arg(f).arg(left - 20).arg(left == 21 ? "" : "s").toLatin1()),
                     left > 20);
        }
        QCOMPARE(err.text().count('\n'), folders.size() * (qMin(left, 20) + (left > 20)));
    }

    // A sweep never takes a write under way, also one that has just made
    // its file: formats of every disk while the disks' folders are swept
    // (another program starting on the root), snapshots while the stick is
    // put in again. Each write takes its name; nothing aside is left.
    void writesMeetSweeps_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("formats of every disk, their folders swept") << "/data";
        QTest::newRow("snapshots, the stick put in again") << "/backup";
    }
    void writesMeetSweeps()
    {
        QFETCH(QString, folder);
        // On a RAM file system where the suite has its folder there, where a
        // synced write costs microseconds, so that thousands of rounds meet
        // the sweeps.
        const QByteArray tmp = qgetenv("TMPDIR"), ram = qgetenv("DVR_TEST_RAM_DIR");
        qputenv("TMPDIR", ram.isEmpty() ? tmp : ram);
        TTestRoot root;
        tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
        dalTestReset();
        const bool disks = folder == "/data";
        static std::atomic<int> ends{0};
        ends = 0;
        DalEncrSetCb([](void*, const struct tm*, EncCfg*) { return 0; },
                     [](void*, int type, int, int, const char*) {
                         ends += type == CBT_ENC_SD_FORMAT_END;
                         return 0;
                     },
                     &root);
        QVERIFY(DalInit() == 0 && DalStart() == 0);
        dalTestBackupMedia(0, 1, 1000000000, 1);
        std::atomic<bool> done{false};
        std::thread sweeper([&] {
            while (!done)
                for (int i = 0; i < 4 && !done; ++i)
                    disks ? void(TDalFile::sweep("/data" + std::to_string(i))) : dalTestBackupMedia(0, 1, 1000000000, 0);
        });
        TStderrCapture err;
        int failed = 0;
        for (int i = 0; i < 4000; ++i) {
            const int ended = ends;
            failed += (disks ? DalEncrFormatSd(-1, 0) : DalBackupSnapshot()) != 0;
            // Each format's job reports its end before the next format, so
            // that a delivery thread kept waiting never fills its queue.
            const QDeadlineTimer wait(10000);
            while (disks && ends == ended && !wait.hasExpired())
                std::this_thread::yield();
            failed += disks && ends == ended;
        }
        done = true;
        sweeper.join();
        err.restore();
        DalExit();
        QCOMPARE(failed + err.text().count("cannot be written"), 0);
        for (int i = 0; i < (disks ? 4 : 1); ++i)
            QVERIFY(QDir(root.file(disks ? QString("/data%1").arg(i) : folder)).entryList({".dalpart-*"}, QDir::Files | QDir::Hidden).isEmpty());
        dalTestReset();
    }
    // The writer's last step: without the no-replace rename the file takes
    // its name by a link and the name written aside goes; a folder moved
    // out of the root between the write aside and the naming gets nothing.
    void writerNamesOnlyInTheRoot_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("the no-replace rename missing") << false;
        QTest::newRow("the folder moved out before the naming") << true;
    }
    void writerNamesOnlyInTheRoot()
    {
        QFETCH(bool, moved);
        TTestRoot root;
        dalTestReset();
        const QString away = root.path() + "-away";
        const auto gone = qScopeGuard([&away] { QDir(away).removeRecursively(); });
        QVERIFY(QDir().mkpath(root.file("/data0")));
        TDalFile f(QFile::encodeName(root.file("/data0/data.db6")).toStdString());
        QVERIFY(f.stage("date 2026-11-29\n").empty());
        QVERIFY(moved ? QDir().rename(root.file("/data0"), away) : dalTestFailStep("noreplace", 0) == 0);
        QCOMPARE(QString::fromStdString(f.place(false)), moved ? "leaves the runtime root, not written" : "");
        QCOMPARE(QDir(moved ? away : root.file("/data0")).entryList(QDir::Files | QDir::Hidden),
                 moved ? QStringList() : QStringList{"data.db6"});
        dalTestReset();
    }
};

QTEST_GUILESS_MAIN(DalRootTest)
#include "dalroottest.moc"
