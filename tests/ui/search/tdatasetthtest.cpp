// The search window's worker: the timeline cells of a day, the database
// open and day load on the stand-in, one job at a time.
#include "../../common/dvr/tdvrfixture.h"
#include "searchreq.h"
#include "tdatasetth.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

// A day record with bits set by a compact description: for each entry
// channel, hour, minute and plane (1 normal, 2 event); hour bits follow
// unless hourOff names the plane-1 hour bits to leave clear.
struct DayBits {
    int ch, hour, minute, plane;
};

std::unique_ptr<ReiDay> makeDay(const QList<QVariantList>& bits, bool hourBits)
{
    auto day = std::make_unique<ReiDay>();
    std::memset(day.get(), 0, sizeof *day);
    for (const QVariantList& b : bits) {
        const int ch = b[0].toInt(), h = b[1].toInt(), m = b[2].toInt(), plane = b[3].toInt();
        uint64_t* min = plane == 2 ? day->minMask2[h] : day->minMask1[h];
        min[ch] |= uint64_t(1) << m;
        if (hourBits)
            (plane == 2 ? day->hourMask2 : day->hourMask1)[ch] |= uint64_t(1) << h;
    }
    return day;
}

} // namespace

class TDatasetThTest : public QObject
{
    Q_OBJECT
private slots:
    // The cells of one day: row, minute of day and value for each written
    // cell; every other cell stays 0.
    void fillCells_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("ch");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QList<QVariantList>>("bits");
        QTest::addColumn<bool>("hourBits");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QList<QVariantList>>("cells"); // row, minute of day, value

        QTest::newRow("event beats normal")
            << 0 << 0 << 16 << QList<QVariantList>{{3, 10, 5, 1}, {3, 10, 5, 2}, {3, 10, 6, 1}} << true << true
            << QList<QVariantList>{{3, 605, 2}, {3, 606, 1}};
        QTest::newRow("clear hour mask skips its minutes")
            << 0 << 0 << 16 << QList<QVariantList>{{2, 7, 30, 1}} << false << true << QList<QVariantList>{};
        QTest::newRow("last minute of the day") << 0 << 0 << 16 << QList<QVariantList>{{15, 23, 59, 2}} << true
                                                << true << QList<QVariantList>{{15, 1439, 2}};
        QTest::newRow("thumbnail channel 5 to row 0")
            << 3 << 5 << 16 << QList<QVariantList>{{5, 1, 0, 1}, {4, 1, 1, 2}} << true << true
            << QList<QVariantList>{{0, 60, 1}};
        QTest::newRow("panorama channel 31 of 32")
            << 4 << 31 << 32 << QList<QVariantList>{{31, 0, 0, 2}} << true << true << QList<QVariantList>{{0, 0, 2}};
        // A 32-channel unit: the timeline's 20 rows, never past them.
        QTest::newRow("time mode, 32 channels") << 0 << 0 << 32
                                                << QList<QVariantList>{{19, 0, 1, 1}, {20, 0, 2, 1}, {31, 0, 3, 2}}
                                                << true << true << QList<QVariantList>{{19, 1, 1}};
        QTest::newRow("empty day writes nothing") << 0 << 0 << 16 << QList<QVariantList>{} << true << true
                                                  << QList<QVariantList>{};
        QTest::newRow("event mode draws nothing")
            << 1 << 0 << 16 << QList<QVariantList>{{0, 0, 0, 1}} << true << false << QList<QVariantList>{};
        QTest::newRow("thumbnail channel beyond the unit")
            << 3 << 16 << 16 << QList<QVariantList>{{0, 0, 0, 1}} << true << false << QList<QVariantList>{};
    }
    void fillCells()
    {
        QFETCH(int, mode);
        QFETCH(int, ch);
        QFETCH(int, channels);
        QFETCH(QList<QVariantList>, bits);
        QFETCH(bool, hourBits);
        QFETCH(bool, result);
        QFETCH(QList<QVariantList>, cells);
        const auto day = makeDay(bits, hourBits);
        // Sentinels around the buffer catch a write past its end.
        std::vector<uint8_t> buf(TDatasetTh::ROWS * TDatasetTh::MINUTES + 64, 0xAA);
        QCOMPARE(TDatasetTh::fillCells(mode, ch, channels, *day, buf.data()), result);
        for (int i = TDatasetTh::ROWS * TDatasetTh::MINUTES; i < int(buf.size()); ++i)
            QCOMPARE(int(buf[i]), 0xAA);
        if (!result)
            return;
        std::vector<uint8_t> want(TDatasetTh::ROWS * TDatasetTh::MINUTES, 0);
        for (const QVariantList& c : cells)
            want[c[0].toInt() * TDatasetTh::MINUTES + c[1].toInt()] = uint8_t(c[2].toInt());
        for (int i = 0; i < int(want.size()); ++i)
            QVERIFY2(buf[i] == want[i], qPrintable(QStringLiteral("row %1 minute %2: %3")
                                                       .arg(i / TDatasetTh::MINUTES)
                                                       .arg(i % TDatasetTh::MINUTES)
                                                       .arg(buf[i])));
    }

    // The database jobs on the stand-in's default database (recordings in
    // November 2026): the reply code and record, and, while playing, whether
    // the open database was closed before the decoder stopped.
    void dbJobs_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("db");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("record"); // 0 none, 1 MonthInfo, 2 DayEvents
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("open the disks") << 2 << QByteArray() << 11 << int(Act_ReplyLoadDb) << 1 << false;
        QTest::newRow("backup path closes first")
            << 2 << QByteArray("/backup/none.exe") << 11 << int(Act_ReplyLoadDb) << 0 << true;
        QTest::newRow("load a day") << 3 << QByteArray() << 11 << int(Act_ReplyLoadData) << 2 << false;
        QTest::newRow("no day") << 3 << QByteArray() << 5 << int(Act_ReplyLoadData) << 0 << false;
        QTest::newRow("fill without a day") << 1 << QByteArray() << 11 << int(Act_NoReply) << 0 << false;
    }
    void dbJobs()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, db);
        QFETCH(int, month);
        QFETCH(int, result);
        QFETCH(int, record);
        QFETCH(bool, closeFirst);
        TDvrFixture fx;
        SearchQuery q;
        std::memset(&q, 0, sizeof q);
        q.mode = cmd == 3 ? 1 : 0; // the event list reads a day page
        q.type = 0;
        q.year = 2026;
        q.month = month;
        q.day = 30;
        q.dateIdx = -1;
        q.page = -1;
        q.chkday = 1;
        q.perPage = 10;
        if (cmd == 3) {
            // The day is read from the database opened for the list.
            std::memset(q.chOn, 1, sizeof q.chOn);
            QVERIFY(g_api.readyFordb(&q));
            QVERIFY(g_api.loadMonth());
            q.day = month == 11 ? 30 : 3;
        } else {
            QVERIFY(g_api.openDb(0, ""));
            g_api.m_play = 1; // the decoder must stop for a new database
        }
        std::memcpy(q.db, db.constData(), size_t(db.size()));
        dalTestJournalClear();

        TDatasetTh th(nullptr);
        th.set(cmd, &q);
        th.go();
        QTRY_VERIFY(!th.busy());
        QCOMPARE(th.cmd(), cmd);
        QCOMPARE(th.result(), result);
        void* const want = record == 1 ? static_cast<void*>(&g_api.m_monthInfo)
                           : record == 2 ? static_cast<void*>(&g_api.m_dayEvents)
                                         : nullptr;
        QCOMPARE(th.data(), want);
        QCOMPARE(th.query().month, month);
        if (cmd == 2) {
            const int close = dalTestJournalFind("Db6fClose");
            const int stop = dalTestJournalFind("DalDecStop");
            QVERIFY(stop >= 0);
            QCOMPARE(close >= 0 && close < stop, closeFirst);
        }
        g_api.m_play = 0;
        g_api.closeDb();
        th.wait(); // its thread ends before the object goes, as the window does
    }

    // A Thumbnail or Panorama open reads the channel in force when the job
    // was given: the window may pick another one (a day double-click) on
    // the GUI thread while the job opens the database.
    void thumbnailChannel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("thumbnail") << 3;
        QTest::newRow("panorama") << 4;
    }
    void thumbnailChannel()
    {
        QFETCH(int, mode);
        TDvrFixture fx;
        SearchQuery q;
        std::memset(&q, 0, sizeof q);
        q.mode = mode;
        q.year = 2026;
        q.month = 11;
        q.dateIdx = -1;
        q.perPage = 10;
        g_api.setThumbnail(5, 0);
        dalTestJournalClear();
        TDatasetTh th(nullptr);
        th.set(TDatasetTh::CMD_OPENDB, &q);
        th.go();
        g_api.setThumbnail(9, 0); // meanwhile on the GUI thread
        QTRY_VERIFY(!th.busy());
        th.wait();
        char line[256] = {};
        const int at = dalTestJournalFind("Db6fOpen");
        QVERIFY(at >= 0);
        QVERIFY(dalTestJournalLine(at, line, sizeof line) >= 0);
        QVERIFY2(QByteArray(line).endsWith(QByteArray::number(~(1u << 5), 16).rightJustified(8, '0').prepend("0x") + ")"),
                 line);
        g_api.closeDb();
        g_api.setThumbnail(0, 0);
    }

    // Jobs given while one runs: the last of them runs next, the earlier
    // waiting one never; the record a job runs with is the one it was given.
    void queuedJobs()
    {
        const auto day = makeDay({{0, 0, 0, 1}}, true);
        const auto day2 = makeDay({{1, 0, 1, 2}}, true);
        TDatasetTh th(nullptr);
        // What a window sees at each end (its handler runs after the
        // thread's own).
        QList<QList<int>> ends;
        connect(&th, &QThread::finished, &th, [&] {
            ends << QList<int>{th.fillMode(), th.cells()[0], th.cells()[TDatasetTh::MINUTES + 1]};
        });
        th.set(TDatasetTh::CMD_FILL, nullptr);
        th.setDay(0, 0, 16, day.get());
        th.go();
        QVERIFY(th.busy());
        th.set(TDatasetTh::CMD_FILL, nullptr);
        th.setDay(3, 7, 16, day.get()); // replaced before it runs
        th.go();
        th.set(TDatasetTh::CMD_FILL, nullptr);
        th.setDay(0, 0, 16, day2.get());
        th.go();
        QVERIFY(th.pending());
        QTRY_COMPARE(ends.size(), 2);
        QTRY_VERIFY(!th.busy());
        QCOMPARE(ends[0], (QList<int>{0, 1, 0}));
        QCOMPARE(ends[1], (QList<int>{0, 0, 2}));
        QTest::qWait(50);
        QCOMPARE(ends.size(), 2);
        th.wait();
    }
};

QTEST_MAIN(TDatasetThTest)
#include "tdatasetthtest.moc"
