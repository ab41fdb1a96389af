#include "dal.h"
#include "dal_test.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QtTest>
#include <atomic>
#include <cstring>
#include <memory>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Two entries on 2026-03-05 (the second with 45 made-up items) and one
// earlier date, written out of order.
const char* const kDesc = "# a small database\n"
                          "date 2026-03-05 7001\n"
                          "rec 0-1 10:00-10:59\n"
                          "event 1 10:30-10:39\n"
                          "item 10:03:00 text 1 9 REFUND 3.00\n"
                          "item 10:00:00 sensor 1 5\n"
                          "item 10:01:00 motion 0 5\n"
                          "item 10:02:00 text 0 9 CASH 12.50\\nTOTAL\n"
                          "date 2026-03-05 7002\n"
                          "items 45\n"
                          "date 2026-02-27 7000\n"
                          "rec all 00:00-23:59\n"
                          "item 09:00:00 text 2 4 CASH 1.00\n";

const char* const kPath = "/data0/data.db6";

// A backup's head with the given size line and camera list, its recorder's
// name padded so that the file is size bytes.
QByteArray backupHead(const QByteArray& sizeLine, int size, const QByteArray& cameras = "1")
{
    const QByteArray head = "DVR backup\n" + sizeLine + "\nfrom 2026-01-01 00:00:00\nto 2026-01-01 00:00:59\n"
                            "cameras " + cameras + "\ndays 2026-01-01\nrecorder ";
    return head + QByteArray(size - head.size() - 1, 'x') + "\n";
}

QVector<QVector<int>> g_progress;
void progress(void* ctx, const int32_t* v)
{
    QVERIFY(ctx == &g_progress);
    g_progress.append({v[0], v[1], v[2]});
}
}

class DalDbTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TTestRoot> m_root;

    int open(const char* desc, const char* profile = "8")
    {
        dalTestSetProfile(profile);
        if (dalTestDbDescribe(kPath, desc) != 0)
            return 0;
        return Db6fOpen(kPath, "/", 0, 0, 1, 0);
    }

private slots:
    void init()
    {
        dalTestReset();
        m_root.reset(new TTestRoot);
    }
    void cleanup() { m_root.reset(); }

    void openNeedsDiskOrFile()
    {
        QVERIFY(Db6fOpen(kPath, "/", 0, 0, 1, 0) > 0);
        QVERIFY(m_root->read(kPath).contains("date 2026-11-29 1001")); // the default, written on first use
        QCOMPARE(Db6fOpen(nullptr, "/", 0, 0, 1, 0), 0);
        QCOMPARE(Db6fOpen("/backup/rec.exe", nullptr, -1, -1, 1, 0), 0); // no such file
        QVERIFY(m_root->write("/backup/rec.exe", "x"));
        const int h = Db6fOpen("/backup/rec.exe", nullptr, -1, -1, 1, 0);
        QVERIFY(h > 0);
        QCOMPARE(Db6fNumMonth(h, 2026, 1), 0); // nothing described in it
        QVERIFY(m_root->write("/backup/rec.exe", "date 2026-01-01\n")); // rewritten: read again
        QCOMPARE(Db6fNumMonth(Db6fOpen("/backup/rec.exe", nullptr, -1, -1, 1, 0), 2026, 1), 1);
    }

    void entriesAndItemsInOrder()
    {
        const int h = open(kDesc);
        Db6Date d[3];
        QCOMPARE(Db6fReadDate(h, 0, 3, d), 3);
        QCOMPARE(d[0].dateId, 7000); // date order
        QCOMPARE(d[2].numEvents, 45);
        Db6ItemHead head;
        Db6Item items[40];
        QCOMPARE(Db6fReadItem(h, 1, 0, 40, &head, items), 4);
        QCOMPARE(int(items[0].type), 32 + 1); // time order: the sensor first
        QCOMPARE(items[2].hour * 3600 + items[2].minute * 60 + items[2].second2 / 2, 10 * 3600 + 120);
        QCOMPARE(QByteArray(items[2].text), QByteArray("CASH 12.50\nTOTAL"));
        QCOMPARE(Db6fReadItem(h, 2, 40, 20, &head, items), 5); // the last of 45
    }

    void badLinesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("day beyond the month") << QByteArray("date 2026-02-29");
        QTest::newRow("channel beyond the table") << QByteArray("rec 32 00:00-01:00");
        QTest::newRow("span backwards") << QByteArray("rec 0 05:00-04:59");
        QTest::newRow("hour 24") << QByteArray("item 24:00:00 text 0 5 X");
        QTest::newRow("unknown kind") << QByteArray("item 01:00:00 door 0 5");
        QTest::newRow("unknown statement") << QByteArray("bogus 1");
        QTest::newRow("letter in a count") << QByteArray("items 3x");
        QTest::newRow("letter in a source") << QByteArray("item 01:00:00 motion 2a 1");
    }

    void badLinesAreSkipped()
    {
        QFETCH(QByteArray, line);
        const int h = open(("date 2026-01-02 5\nrec 0 01:00-01:00\n" + line + "\nitem 01:00:00 motion 0 1\n").constData());
        Db6Date d[2];
        QCOMPARE(Db6fReadDate(h, 0, 2, d), 1);
        QCOMPARE(d[0].numEvents, 1);
        uint64_t h1[32], h2[32];
        QCOMPARE(Db6fReadReiDay(h, 0, h1, h2), 0);
        QCOMPARE(h1[0], uint64_t(1) << 1);
    }

    void filters_data()
    {
        QTest::addColumn<int>("row");     // -1 every type
        QTest::addColumn<int>("channel"); // -1 every channel of the row
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("fromMonth"); // 0: no date filter
        QTest::addColumn<int>("events");    // of entry 7001
        QTest::addColumn<int>("dates");     // listed after the calculation
        QTest::addColumn<int>("months");
        QTest::newRow("no filter") << -1 << -1 << QByteArray() << 0 << 4 << 3 << 2;
        QTest::newRow("sensors") << 1 << -1 << QByteArray() << 0 << 1 << 3 << 2;
        QTest::newRow("text-in of channel 1") << 4 << 1 << QByteArray() << 0 << 1 << 3 << 2;
        QTest::newRow("text CASH") << -1 << -1 << QByteArray("CASH") << 0 << 1 << 2 << 2;
        QTest::newRow("text nowhere") << -1 << -1 << QByteArray("VOID") << 0 << 0 << 0 << 0;
        QTest::newRow("March only") << -1 << -1 << QByteArray() << 3 << 4 << 2 << 1;
    }

    void filters()
    {
        QFETCH(int, row);
        QFETCH(int, channel);
        QFETCH(QByteArray, text);
        QFETCH(int, fromMonth);
        QFETCH(int, events);
        QFETCH(int, dates);
        QFETCH(int, months);
        const int h = open(kDesc);
        uint8_t table[9][32];
        std::memset(table, row < 0 ? 1 : 0, sizeof table);
        if (row >= 0)
            std::memset(table[row], channel < 0 ? 1 : 0, 32);
        if (channel >= 0)
            table[row][channel] = 1;
        QCOMPARE(Db6fFilterType(h, &table[0][0]), 0);
        QCOMPARE(Db6fFilterTextin(h, text.constData(), -1), 0);
        const Db6Date from = {2026, fromMonth, 1, 0, 0}, to = {2026, fromMonth, 31, 0, 0};
        QCOMPARE(Db6fFilterDate(h, &from, &to), 0);
        Db6Date d;
        QCOMPARE(Db6fReadDate(h, 1, 1, &d), 1);
        QCOMPARE(d.numEvents, events);
        g_progress.clear();
        QCOMPARE(Db6fCalcFilter(h, &g_progress, progress), dates);
        QCOMPARE(g_progress, (QVector<QVector<int>>{{2026, 2, 27}, {2026, 3, 5}, {2026, 3, 5}}));
        QCOMPARE(Db6fNumMonth(h, 0, 0), months);
    }

    void defaultDatabaseFollowsTheProfile()
    {
        dalTestSetProfile("4");
        const int h = Db6fOpen(kPath, "/", 0, 0, 0, 0);
        Db6ItemHead head;
        Db6Item items[40];
        // Date 0 holds 10 events: a page of 4 from 8 gives the last 2.
        QCOMPARE(Db6fReadItem(h, 0, 8, 4, &head, items), 2);
        QCOMPARE(Db6fReadItem(h, 0, 0, 40, &head, items), 10);
        QCOMPARE(int(items[2].type), 64 + 2); // motion of channel 2
        QCOMPARE(QByteArray(items[3].text), QByteArray("POS 4 ITEM 3"));
        QVERIFY(items[0].text == nullptr);
        uint64_t h1[32], h2[32];
        QCOMPARE(Db6fReadReiDay(h, 0, h1, h2), 0);
        QVERIFY(h1[0] & 1);
        QVERIFY(!(h1[0] & (1ull << 12))); // the noon gap
        QVERIFY(h2[0] & (1ull << 8));
        QCOMPARE(h1[4], uint64_t(0)); // beyond the 4 channels
        QCOMPARE(Db6fReadItem(h, 3, 0, 4, &head, items), -1);
        for (int d = 0; d < 3; ++d) { // each day one of the unit's channels records from midnight
            QCOMPARE(Db6fReadReiDay(h, d, h1, h2), 0);
            QVERIFY((h1[0] | h1[1] | h1[2] | h1[3]) & 1);
            for (int ch = 0; ch < 4; ++ch) // and every one of them until the day's last hour
                QVERIFY2(h1[ch] & (1ull << 23), qPrintable(QString("day %1 channel %2").arg(d).arg(ch)));
        }
    }

    // A description builds no more than a recorder keeps: a small file
    // that asks for more dates or items is refused at once with one line,
    // as the search's Import offers it, and takes no memory; the database
    // in use stays open. An ordinary description opens. A file is read
    // once while it is unchanged: opened, closed (as the storage check
    // does) and opened again at once from two threads (Search and its
    // timeline's worker), it is read and said once, its bytes escaped, and
    // the later opens take no memory.
    void descriptionsAreBounded_data()
    {
        QTest::addColumn<QByteArray>("desc");
        // Written to a file inside the one opened: a folder; "->T": the one
        // opened is a symbolic link to T ("beside": a file beside the root
        // holding the description).
        QTest::addColumn<QByteArray>("inside");
        QTest::addColumn<QByteArray>("said");   // on standard error; "..., not opened": refused
        // What comes between the first open and the next two: another file
        // opened and closed, the file rewritten with its size and second,
        // or another profile; the file is then read once more only when
        // it or the recorder changed.
        QTest::addColumn<QString>("between");
        const QByteArray refused = "dal: /backup/big.exe: asks for more than ";
        QTest::newRow("ordinary") << QByteArray(kDesc) << QByteArray() << QByteArray() << QString();
        QTest::newRow("ordinary, another file between") << QByteArray(kDesc) << QByteArray() << QByteArray()
                                                        << QString("another file");
        QTest::newRow("ordinary, rewritten in the same second") << QByteArray(kDesc) << QByteArray() << QByteArray()
                                                                << QString("rewritten");
        QTest::newRow("ordinary, another profile") << QByteArray(kDesc) << QByteArray() << QByteArray() << QString("20");
        QByteArray told = "dal: /backup/big.exe: line 2: bogus " + QByteArray(74, 'x') + "... not understood, skipped\n";
        for (int n = 3; n <= 21; ++n)
            told += "dal: /backup/big.exe: line " + QByteArray::number(n) + ": bogus not understood, skipped\n";
        QTest::newRow("every bad line, cut, 20 of them")
            << "date 2026-01-01\nbogus " + QByteArray(100, 'x') + "\n" + QByteArray("bogus\n").repeated(21)
            << QByteArray() << told + "dal: /backup/big.exe: 2 more lines not understood, skipped\n" << QString();
        QByteArray twenty;
        for (int n = 2; n <= 21; ++n)
            twenty += "dal: /backup/big.exe: line " + QByteArray::number(n) + ": bogus not understood, skipped\n";
        QTest::newRow("21 bad lines") << "date 2026-01-01\n" + QByteArray("bogus\n").repeated(21) << QByteArray()
                                      << twenty + "dal: /backup/big.exe: 1 more line not understood, skipped\n" << QString();
        QTest::newRow("items 100000 on every other line (58 KB)")
            << QByteArray("date 2026-01-01\nitems 100000\n").repeated(2000) << QByteArray()
            << refused + "1000000 items, not opened\n" << QString();
        QTest::newRow("a date on every line (1 MB)") << QByteArray("date 2026-01-01\n").repeated(65536)
                                                      << QByteArray() << refused + "10000 dates, not opened\n" << QString();
        QTest::newRow("exactly 10000 dates") << QByteArray("date 2026-01-01\n").repeated(10000) << QByteArray()
                                             << QByteArray() << QString();
        QTest::newRow("10001 dates") << QByteArray("date 2026-01-01\n").repeated(10001) << QByteArray()
                                     << refused + "10000 dates, not opened\n" << QString();
        QTest::newRow("items 100001 on one line") << QByteArray("date 2026-01-01\nitems 100001\n") << QByteArray()
                                                  << refused + "100000 items on one line, not opened\n" << QString();
        QTest::newRow("a word run on into its number") << QByteArray("date 2026-01-01\nitems45\n") << QByteArray()
            << QByteArray("dal: /backup/big.exe: line 2: items45 not understood, skipped\n") << QString();
        QTest::newRow("control bytes in a bad line")
            << QByteArray("date 2026-01-01\nrec \x1b]0;x\x07 00:00-01:00\n") << QByteArray()
            << QByteArray("dal: /backup/big.exe: line 2: rec \\x1b]0;x\\x07 00:00-01:00 not understood, skipped\n") << QString();
        QTest::newRow("control bytes in a bad head")
            << QByteArray("DVR backup\nfrom 2026-01-01 \x1b[2J\n") << QByteArray()
            << QByteArray("dal: /backup/big.exe: backup not understood (bad line: from 2026-01-01 \\x1b[2J), "
                          "not opened\n") << QString();
        // A head's size is its plain count: anything else is no backup's.
        const QByteArray notUnderstood = "dal: /backup/big.exe: backup not understood (";
        QTest::newRow("a head's size without its count") << backupHead("bytes", 1000) << QByteArray()
            << notUnderstood + "bad line: bytes), not opened\n" << QString();
        QTest::newRow("a head's size negative, the file's when wrapped")
            << backupHead("bytes -18446744073709550616", 1000) << QByteArray()
            << notUnderstood + "bad line: bytes -18446744073709550616), not opened\n" << QString();
        QTest::newRow("a head's size past 64 bits, the file's when wrapped")
            << backupHead("bytes 18446744073709552616", 1000) << QByteArray()
            << notUnderstood + "bad line: bytes 18446744073709552616), not opened\n" << QString();
        QTest::newRow("a head's size after a tab") << backupHead("bytes\t1000", 1000) << QByteArray()
            << notUnderstood + "bad line: bytes\\x091000), not opened\n" << QString();
        QTest::newRow("a head's size with letters after it") << backupHead("bytes 1000xyz", 1000) << QByteArray()
            << notUnderstood + "bad line: bytes 1000xyz), not opened\n" << QString();
        QTest::newRow("a whole copy") << backupHead("bytes 1000", 1000) << QByteArray() << QByteArray() << QString();
        QTest::newRow("a copy one byte longer than its head says") << backupHead("bytes 999", 1000) << QByteArray()
            << notUnderstood + "longer than its head says: 1000 bytes, not 999), not opened\n" << QString();
        QTest::newRow("a copy one byte shorter than its head says") << backupHead("bytes 1001", 1000) << QByteArray()
            << notUnderstood + "cut off: 1000 of 1001 bytes), not opened\n" << QString();
        QTest::newRow("a head's camera with a sign") << backupHead("bytes 1000", 1000, "+1") << QByteArray()
            << notUnderstood + "bad camera list), not opened\n" << QString();
        QTest::newRow("exactly 8 MB") << QByteArray((8 << 20) - 1, '#') + "\n" << QByteArray() << QByteArray() << QString();
        QTest::newRow("over 8 MB") << QByteArray(8 << 20, '#') + "\n" << QByteArray()
                                   << QByteArray("dal: /backup/big.exe: larger than 8 MB, not opened\n") << QString();
        QTest::newRow("a folder") << QByteArray(kDesc) << QByteArray("/db")
                                  << QByteArray("dal: /backup/big.exe: a folder, not opened\n") << QString();
        QTest::newRow("a link out of the root")
            << QByteArray(kDesc) << QByteArray("->beside")
            << QByteArray("dal: /backup/big.exe: leaves the runtime root, not opened\n") << QString();
        QTest::newRow("a link loop") << QByteArray(kDesc) << QByteArray("->big.exe")
                                     << QByteArray("dal: /backup/big.exe: a link loop, not opened\n") << QString();
    }
    void descriptionsAreBounded()
    {
        QFETCH(QByteArray, desc);
        QFETCH(QByteArray, inside);
        QFETCH(QByteArray, said);
        QFETCH(QString, between);
        const char* const big = "/backup/big.exe";
        const int disks = Db6fOpen(kPath, "/", 0, 0, 1, 0);
        QVERIFY(disks > 0);
        QFile beside(m_root->path() + "-beside.exe");
        const auto removed = qScopeGuard([&beside] { beside.remove(); });
        if (inside == "->beside")
            QVERIFY(beside.open(QIODevice::WriteOnly) && beside.write(desc) == desc.size());
        const QByteArray target = inside == "->beside" ? QFile::encodeName(beside.fileName()) : inside.mid(2);
        if (inside.startsWith("->"))
            QCOMPARE(::symlink(target.constData(), QFile::encodeName(m_root->file(big)).constData()), 0);
        else
            QCOMPARE(dalTestDbDescribe((big + inside).constData(), desc.constData()), 0);
        const auto peakMb = [] {
            rusage u;
            getrusage(RUSAGE_SELF, &u);
            return u.ru_maxrss / 1024;
        };
        const long before = peakMb();
        const int reads = dalTestDbReads();
        TStderrCapture err;
        const QByteArray file = QFile::encodeName(m_root->file(big));
        const timespec mtime[2][2] = {{{0, UTIME_OMIT}, {1800000000, 1}}, {{0, UTIME_OMIT}, {1800000000, 2}}};
        QVERIFY(between != "rewritten" || ::utimensat(AT_FDCWD, file, mtime[0], 0) == 0);
        const int h = Db6fOpen(big, nullptr, -1, -1, 1, 0);
        Db6fClose(h);
        const long first = peakMb();
        if (between == "another file")
            QVERIFY(dalTestDbDescribe("/backup/other.exe", kDesc) == 0
                    && Db6fClose(Db6fOpen("/backup/other.exe", nullptr, -1, -1, 1, 0)) == 0);
        if (between == "rewritten") { // in place, as an outside writer does: the inode kept
            QFile f(QFile::decodeName(file));
            QVERIFY(f.open(QIODevice::ReadWrite) && f.write(desc) == desc.size());
            f.close();
            QVERIFY(::utimensat(AT_FDCWD, file, mtime[1], 0) == 0);
        }
        if (between == "20")
            QCOMPARE(dalTestSetProfile("20"), 0);
        int again = 0;
        std::thread worker([&again, big] { again = Db6fOpen(big, nullptr, -1, -1, 1, 0); });
        const int third = Db6fOpen(big, nullptr, -1, -1, 1, 0);
        worker.join();
        err.restore();
        QCOMPARE(h > 0, !said.endsWith("not opened\n"));
        QCOMPARE(again > 0 && third > 0, h > 0);
        QCOMPARE(err.text(), between == "rewritten" ? said + said : said);
        QCOMPARE(dalTestDbReads() - reads, between.isEmpty() ? 1 : 2);
        const long grown = peakMb() - (h > 0 ? first : before);
        QVERIFY2(grown < 64, qPrintable(QString::number(grown)));
        Db6Date d[3];
        QCOMPARE(Db6fReadDate(disks, 0, 3, d), 3);
    }

    // Four threads (Search, its timeline, Backup, the storage check) open
    // and close more files than the cache remembers: each open reads its
    // own file whole, while the cache forgets and builds under them.
    void threadsOverMoreFilesThanTheCacheHolds()
    {
        const auto name = [](int i) { return "/backup/f" + std::to_string(i % 20) + ".exe"; };
        for (int i = 0; i < 20; ++i)
            QCOMPARE(dalTestDbDescribe(name(i).c_str(), ("date 2026-01-01 " + std::to_string(i) + "\n").c_str()), 0);
        std::atomic<int> right{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&right, &name, t] {
                for (int k = t; k < t + 200; ++k) {
                    const int h = Db6fOpen(name(k * 7).c_str(), nullptr, -1, -1, 1, 0);
                    Db6Date d;
                    right += Db6fReadDate(h, 0, 1, &d) == 1 && d.dateId == k * 7 % 20;
                    Db6fClose(h);
                }
            });
        for (std::thread& t : threads)
            t.join();
        QCOMPARE(right.load(), 800);
    }

    // A backup's head is read only as the writer writes it: one of its
    // lines changed, beside the same line as written.
    void headReadAsWritten_data()
    {
        QTest::addColumn<QByteArray>("line"); // in place of the head's line of the same first word
        QTest::addColumn<QByteArray>("why");  // empty: opened
        const QByteArray span = "bad line: ";
        const QList<QPair<QByteArray, QByteArray>> rows = {
            {"cameras 1,16", ""}, {"cameras 1, 2", "bad camera list"}, {"cameras 1,2 junk", "bad camera list"},
            {"cameras 1,2,", "bad camera list"}, {"cameras ,1", "bad camera list"}, {"cameras 1,1,1", "bad camera list"},
            {"cameras 2,1", "bad camera list"}, {"cameras 01", "bad camera list"}, {"\tcameras 1", "bad camera list"},
            {"cameras\t1", "bad camera list"},
            {"from 2026-01-01 00:00:00", ""}, {"from 2026-01-01 00:00:00 junk", span}, {"from 2026-01-01 0:0:0", span},
            {"from 2026-01-01  00:00:00", span}, {"from 2026-1-01 00:00:00", span}, {"to 2026-01-01 00:00:59 ", span},
            {"\tto 2026-01-01 00:00:59", span}, {"days 2026-01-01", ""}, {"days 2026-01-01 ", "bad day list"},
            {"days  2026-01-01", "bad day list"}, {"days 2026-01-1", "bad day list"}, {"\tdays 2026-01-01", "bad day list"}};
        for (const auto& r : rows)
            QTest::newRow(r.first.constData()) << r.first << r.second;
    }
    void headReadAsWritten()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, why);
        QList<QByteArray> head = {"from 2026-01-01 00:00:00", "to 2026-01-01 00:00:59", "cameras 1", "days 2026-01-01"};
        for (QByteArray& l : head)
            if (l.left(l.indexOf(' ')) == line.simplified().split(' ').first())
                l = line;
        QCOMPARE(dalTestDbDescribe("/backup/x.exe", "DVR backup\n" + head.join('\n') + "\nrecorder r\n"), 0);
        TStderrCapture err;
        const int h = Db6fOpen("/backup/x.exe", nullptr, -1, -1, 1, 0);
        err.restore();
        Db6fClose(h);
        QCOMPARE(h > 0, why.isEmpty());
        QVERIFY2(err.text().contains("backup not understood (" + why) != why.isEmpty(), err.text().constData());
    }

    // A firmware image's comment is read only as written: "dvrfw model=",
    // the model, " crc32=" and the CRC of the bytes after the header in
    // exactly 8 hex digits. Those bytes here are "ae", whose CRC-32 is
    // 00e7ddce: small enough for every spelling below to mean it. M stands
    // for the unit's model.
    void firmwareCommentAsWritten_data()
    {
        QTest::addColumn<QByteArray>("comment");
        QTest::addColumn<int>("result");
        QTest::newRow("eight digits") << QByteArray("dvrfw model=M crc32=00e7ddce") << 1;
        QTest::newRow("upper case") << QByteArray("dvrfw model=M crc32=00E7DDCE") << 1;
        QTest::newRow("seven digits") << QByteArray("dvrfw model=M crc32=0e7ddce") << 0;
        QTest::newRow("nine digits") << QByteArray("dvrfw model=M crc32=000e7ddce") << 0;
        QTest::newRow("with 0x") << QByteArray("dvrfw model=M crc32=0xe7ddce") << 0;
        QTest::newRow("with a sign") << QByteArray("dvrfw model=M crc32=+0e7ddce") << 0;
        QTest::newRow("after a blank") << QByteArray("dvrfw model=M crc32= 00e7ddce") << 0;
        QTest::newRow("another model, 31 bytes") << "dvrfw model=" + QByteArray(31, 'A') + " crc32=00e7ddce" << 2;
        QTest::newRow("a model of 32 bytes") << "dvrfw model=" + QByteArray(32, 'A') + " crc32=00e7ddce" << 0;
        QTest::newRow("no model") << QByteArray("dvrfw model= crc32=00e7ddce") << 0;
        QTest::newRow("a tab before the model") << QByteArray("dvrfw\tmodel=M crc32=00e7ddce") << 0;
        QTest::newRow("two blanks before the model") << QByteArray("dvrfw  model=M crc32=00e7ddce") << 0;
        QTest::newRow("no blank before the model") << QByteArray("dvrfwmodel=M crc32=00e7ddce") << 0;
        QTest::newRow("a blank after model=") << QByteArray("dvrfw model= M crc32=00e7ddce") << 0;
        QTest::newRow("a tab in the model") << QByteArray("dvrfw model=M\tX crc32=00e7ddce") << 0;
        QTest::newRow("a tab before the CRC") << QByteArray("dvrfw model=M\tcrc32=00e7ddce") << 0;
        QTest::newRow("a newline before the CRC") << QByteArray("dvrfw model=M\ncrc32=00e7ddce") << 0;
        QTest::newRow("two blanks before the CRC") << QByteArray("dvrfw model=M  crc32=00e7ddce") << 0;
        QTest::newRow("a blank first") << QByteArray(" dvrfw model=M crc32=00e7ddce") << 0;
    }
    void firmwareCommentAsWritten()
    {
        QFETCH(QByteArray, comment);
        QCOMPARE(dalTestMakeFirmware("/backup/v1.fwr", nullptr, "", 0), 0);
        const QByteArray image = m_root->read("/backup/v1.fwr");
        const int at = image.indexOf("dvrfw model="), end = image.indexOf(" crc32=", at);
        QVERIFY(at > 0 && end > at);
        comment.replace("=M", "=" + image.mid(at + 12, end - at - 12));
        QVERIFY(m_root->write("/backup/v1.fwr", image.left(at) + comment + '\0' + "ae"));
        int result = -1;
        QCOMPARE(DalCheckValidFwr("/backup/v1.fwr", &result), 0);
        QTEST(result, "result");
    }

    void closedHandleAndNullRefused()
    {
        const int h = Db6fOpen(kPath, "/", 0, 0, 1, 0);
        QCOMPARE(Db6fClose(h), 0);
        QCOMPARE(Db6fClose(h), -1);
        QCOMPARE(Db6fNumMonth(h, 2026, 11), -1);
        QCOMPARE(Db6fFilterRei(h, 1), -1);
        QCOMPARE(Db6fCalcFilter(h, nullptr, nullptr), -1);
        dalTestSetProfile("8");
        Db6Check c;
        std::memset(&c, 0x55, sizeof c);
        QCOMPARE(Db6CheckSd(&c), 0);
        QCOMPARE(c.formatted[1], 1);
        QCOMPARE(c.formatted[2], 0);
        QCOMPARE(Db6CheckSd(nullptr), -1);
    }
};

QTEST_GUILESS_MAIN(DalDbTest)
#include "daldbtest.moc"
