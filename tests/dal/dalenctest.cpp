#include "dal.h"
#include "dal_test.h"
#include "tstderrcapture.h"
#include "ttestroot.h"

#include <QtTest>
#include <atomic>
#include <thread>

namespace {
// The program's answer to the recorder's question: channel 0's audio field
// counts the questions.
std::atomic<int> g_asked{0};

int answer(void*, const struct tm*, EncCfg* out)
{
    out[0].audio = ++g_asked;
    return 0;
}

DalTestEnc encState()
{
    DalTestEnc st;
    dalTestGetEnc(&st);
    return st;
}
}

class DalEncTest : public QObject
{
    Q_OBJECT
private slots:
    void recorderAsksAndRefusesDiskJobsWhileRecording()
    {
        TTestRoot root; // the control FIFO lives in the root
        dalTestReset();
        g_asked = 0;
        DalEncrSetCb(&answer, [](void*, int, int, int, const char*) { return 0; }, &root);
        QCOMPARE(DalEncrStart(), -1); // the layer does not run yet
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        QCOMPARE(DalEncrStart(), 0);
        QTRY_COMPARE(encState().asks, 1);
        QCOMPARE(DalEncrRefresh(), 0);
        QTRY_COMPARE(encState().asks, 2);
        QCOMPARE(encState().last[0].audio, 2); // the last answer is kept
        QVERIFY(encState().recording);

        // Disk jobs wait until recording stops.
        QCOMPARE(DalEncrFsckSd(), -1);
        QCOMPARE(DalEncrFormatSd(-1, 0), -1);
        QCOMPARE(DalEncrStop(), 0);
        QVERIFY(!encState().recording);
        QCOMPARE(DalEncrFsckSd(), 0);
        QCOMPARE(encState().jobs, 1);

        // Without a formatted disk there is nothing to record on.
        DalTestDisk d;
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dalTestGetDisk(i, &d), 0);
            d.formatted = 0;
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        QCOMPARE(DalEncrStart(), -1);
        QCOMPARE(dalTestSetDisk(16, &d), -1);
        dalTestReset();
    }

    // The recorder asks again on the tick after its clock, set by the
    // program, moved into another ten-minute cell of the schedule.
    void clockMovedIntoAnotherCell_data()
    {
        QTest::addColumn<int>("moved"); // seconds from the start of a cell
        QTest::addColumn<int>("asks");  // after the next tick
        QTest::newRow("same cell") << 60 << 1;
        QTest::newRow("next cell") << 600 << 2;
        QTest::newRow("a day back") << -86400 + 60 << 2;
    }

    void clockMovedIntoAnotherCell()
    {
        QFETCH(int, moved);
        TTestRoot root;
        dalTestReset();
        g_asked = 0;
        dalTestSetManualTicks(1);
        DalEncrSetCb(&answer, [](void*, int, int, int, const char*) { return 0; }, &root);
        QCOMPARE(DalInit(), 0);
        DalIoSetCb([](void*, int, int, int) { return 0; }, &root);
        QCOMPARE(DalStart(), 0);
        // The start of a cell wherever the zone is whole ten minutes off UTC;
        // a minute on stays in the cell in any zone.
        const int64_t cell = 1800000000 - 1800000000 % 600;
        QCOMPARE(DalSysSetTime(cell), 0);
        QCOMPARE(DalEncrStart(), 0);
        QTRY_COMPARE(encState().asks, 1);
        QCOMPARE(DalSysSetTime(cell + moved), 0);
        QVERIFY(dalTestStepTick() > 0);
        dalTestFlush();
        QTEST(encState().asks, "asks");
        dalTestReset();
    }

    // A format of every disk with -2 lays the pairs out as its option asks;
    // -1 and a single disk keep the mirroring. The disk check reports it
    // once the end event came.
    void formatSwitchesMirroring_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("disk");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("after");
        QTest::newRow("mirror on") << 0 << -2 << 1 << 1;
        QTest::newRow("mirror off") << 1 << -2 << 0 << 0;
        QTest::newRow("all disks keep it on") << 1 << -1 << 0 << 1;
        QTest::newRow("all disks keep it off") << 0 << -1 << 1 << 0;
        QTest::newRow("one disk keeps it") << 0 << 1 << 1 << 0;
    }
    void formatSwitchesMirroring()
    {
        QFETCH(int, before);
        QFETCH(int, disk);
        QFETCH(int, option);
        QFETCH(int, after);
        TTestRoot root;
        dalTestReset();
        static std::atomic<int> ends{0};
        ends = 0;
        DalEncrSetCb([](void*, const struct tm*, EncCfg*) { return 0; },
                     [](void*, int type, int, int, const char*) {
                         if (type == CBT_ENC_SD_FORMAT_END)
                             ++ends;
                         return 0;
                     },
                     &root);
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        DalTestDisk d;
        QCOMPARE(dalTestGetDisk(1, &d), 0);
        d.formatted = 0; // every disk is formatted, the bare one too
        QCOMPARE(dalTestSetDisk(1, &d), 0);
        dalTestSetMirror(before);
        QCOMPARE(DalEncrFormatSd(disk, option), 0);
        QTRY_COMPARE(ends.load(), 1);
        Db6Check c;
        QCOMPARE(Db6CheckSd(&c), 0);
        QCOMPARE(c.mirror, after);
        QCOMPARE(c.formatted[1], 1);
        dalTestReset();
    }

    // A format refused for one disk changes none: neither the databases of
    // the disks before or after it nor any disk's mark; nor does one whose
    // job cannot be queued (a slow callback holds 256 events). One whose
    // database cannot take its name once all were written aside fails: the
    // disks before it stay formatted, it and the ones after it as they
    // were, the mirroring as it was, and no format event comes.
    void formatIsAllOrNothing_data()
    {
        QTest::addColumn<QString>("blocker"); // at /data<disk>/data.db6; "queue": the job's queue full;
                                              // "place": its name not taken once all were written aside
        QTest::addColumn<int>("disk");
        QTest::addColumn<int>("target"); // of the format: -1 every disk, -2 every disk mirrored
        QTest::newRow("a link on the third disk") << "link" << 2 << -1;
        QTest::newRow("a folder on the third disk") << "folder" << 2 << -1;
        QTest::newRow("a link on the last disk") << "link" << 3 << -1;
        QTest::newRow("the job's queue full") << "queue" << -1 << -1;
        QTest::newRow("-2 mirrored, a link on the third disk") << "link" << 2 << -2;
        QTest::newRow("the third disk's name not taken") << "place" << 2 << -1;
        QTest::newRow("the first disk's name not taken") << "place" << 0 << -1;
        QTest::newRow("the last disk's name not taken") << "place" << 3 << -1;
        QTest::newRow("-2 mirrored, the second disk's name not taken") << "place" << 1 << -2;
    }
    void formatIsAllOrNothing()
    {
        QFETCH(QString, blocker);
        QFETCH(int, disk);
        QFETCH(int, target);
        TTestRoot root;
        dalTestReset();
        const bool named = blocker == "place"; // the disks before it are formatted
        static std::atomic<bool> held{false}, holding{false};
        static std::atomic<int> formatEvents{0}, marks{0};
        held = blocker == "queue";
        holding = false;
        formatEvents = marks = 0;
        const auto released = qScopeGuard([] { held = false; });
        DalEncrSetCb([](void*, const struct tm*, EncCfg*) { return 0; },
                     [](void*, int type, int, int, const char*) {
                         formatEvents += type == CBT_ENC_SD_FORMAT || type == CBT_ENC_SD_FORMAT_END;
                         marks += type == CBT_ENC_SMART_TEMP;
                         holding = held.load();
                         while (held)
                             std::this_thread::yield();
                         return 0;
                     },
                     &root);
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        const QByteArray recorded = "date 2026-11-29\nrec all 00:00-23:59\n";
        const auto db = [](int i) { return QString("/data%1/data.db6").arg(i); };
        for (int i = 0; i < 4; ++i)
            QVERIFY(root.write(db(i), recorded));
        QVERIFY(!named || dalTestFailStep("place", disk) == 0);
        if (disk >= 0 && !named)
            QVERIFY(QFile::remove(root.file(db(disk)))
                    && (blocker == "link" ? QFile::link("data.db6.old", root.file(db(disk))) : QDir().mkdir(root.file(db(disk)))));
        if (held) { // one event held, the queue full behind it
            dalTestEnc(CBT_ENC_SMART, 0, 0, nullptr);
            QTRY_VERIFY(holding);
            for (int n = 0; n < 256; ++n)
                dalTestEnc(CBT_ENC_SMART, 0, 0, nullptr);
        }
        DalTestDisk before[4], after;
        for (int i = 0; i < 4; ++i)
            QCOMPARE(dalTestGetDisk(i, &before[i]), 0);
        TStderrCapture err;
        QCOMPARE(DalEncrFormatSd(target, 1), -1);
        held = false;
        err.restore();
        QVERIFY2(err.text().endsWith(named ? QString("data%1/data.db6: cannot be written (Input/output error), "
                                                     "not formatted, the format failed\n").arg(disk).toLatin1()
                                           : QByteArray("the format refused\n")),
                 err.text().constData());
        if (blocker != "queue") { // a mark after the format's job, had it been queued
            dalTestEnc(CBT_ENC_SMART_TEMP, 0, 0, nullptr);
            QTRY_COMPARE(marks.load(), 1);
        }
        QCOMPARE(formatEvents.load(), 0);
        for (int i = 0; i < 4; ++i) {
            const bool emptied = named && i < disk;
            QCOMPARE(root.read(db(i)), emptied ? "# formatted: no recordings\n" : i == disk && !named ? QByteArray() : recorded);
            QCOMPARE(QDir(root.file(QString("/data%1").arg(i))).entryList(QDir::Files | QDir::Hidden),
                     i == disk && !named ? QStringList() : QStringList{"data.db6"}); // nothing written aside left
            QCOMPARE(dalTestGetDisk(i, &after), 0);
            QCOMPARE(after.used, emptied ? 0 : before[i].used); // marked formatted only when emptied
        }
        Db6Check c;
        Db6CheckSd(&c);
        QCOMPARE(c.mirror, 0); // not mirrored by a refused format
        dalTestReset();
    }

    // A reader that finds a disk without a database writes the default one
    // only where still none is: the empty one of a format that took its
    // place meanwhile stays, every time.
    void formatMeetsAReader()
    {
        TTestRoot root;
        dalTestReset();
        DalEncrSetCb([](void*, const struct tm*, EncCfg*) { return 0; },
                     [](void*, int, int, int, const char*) { return 0; }, &root);
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        int recorded = 0;
        for (int i = 0; i < 100; ++i) {
            QFile::remove(root.file("/data1/data.db6"));
            std::thread reader([] { Db6fClose(Db6fOpen("/data1/data.db6", "/", 0, 0, 2, 0)); });
            QCOMPARE(DalEncrFormatSd(1, 0), 0);
            reader.join();
            const int h = Db6fOpen("/data1/data.db6", "/", 0, 0, 2, 0);
            recorded += Db6fNumMonth(h, 2026, 11) != 0;
            Db6fClose(h);
        }
        QCOMPARE(recorded, 0);
        dalTestReset();
    }
};

QTEST_GUILESS_MAIN(DalEncTest)
#include "dalenctest.moc"
