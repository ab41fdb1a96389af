#include "tkeys.h"
#include "tmonthgrid.h"

#include <QtTest>

// Month layouts and the key walks over the days, without a widget.
class TMonthGridTest : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("days");
        // Months starting on several weekdays, and the leap-year Februaries.
        QTest::newRow("2024-09 Sunday") << 2024 << 9 << 0 << 30;
        QTest::newRow("2024-01 Monday") << 2024 << 1 << 1 << 31;
        QTest::newRow("2024-02 Thursday leap") << 2024 << 2 << 4 << 29;
        QTest::newRow("2024-03 Friday") << 2024 << 3 << 5 << 31;
        QTest::newRow("2023-02 not leap") << 2023 << 2 << 3 << 28;
        QTest::newRow("2000-02 leap century") << 2000 << 2 << 2 << 29;
        QTest::newRow("2100-02 not leap century") << 2100 << 2 << 1 << 28;
        QTest::newRow("2033-10 six weeks") << 2033 << 10 << 6 << 31;
    }

    void layout()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, firstCell);
        QFETCH(int, days);
        QCOMPARE(TMonthGrid::daysInMonth(year, month), days);
        TMonthGrid g;
        g.setMonth(year, month, 1);
        for (int c = 0; c < TMonthGrid::Cells; ++c) {
            const int want = c >= firstCell && c < firstCell + days ? c - firstCell + 1 : 0;
            QCOMPARE(g.dayAt(c), want);
        }
        QCOMPARE(g.cellOfDay(1), firstCell);
        QCOMPARE(g.cellOfDay(days), firstCell + days - 1);
        QCOMPARE(g.cellOfDay(days + 1), -1);
        QCOMPARE(g.cellOfDay(0), -1);
        QCOMPARE(g.dayAt(-1), 0);
        QCOMPARE(g.dayAt(42), 0);
    }

    void keptDay_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("kept");
        QTest::newRow("29 Feb 2024") << 2024 << 2 << 29 << 29;
        QTest::newRow("29 Feb 2023") << 2023 << 2 << 29 << 1;
        QTest::newRow("31 Apr") << 2024 << 4 << 31 << 1;
        QTest::newRow("30 Apr") << 2024 << 4 << 30 << 30;
        QTest::newRow("0") << 2024 << 4 << 0 << 1;
    }

    void keptDay()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, kept);
        TMonthGrid g;
        QCOMPARE(g.setMonth(year, month, day), kept);
    }

    void marksFollowTheDay()
    {
        TMonthGrid g;
        g.setMonth(2024, 3, 1); // day 1 in cell 5
        g.setMark(1, 1);
        g.setMark(10, 3);
        g.setMark(40, 1); // no such day: nothing
        QCOMPARE(g.markAt(5), 1);
        QCOMPARE(g.markAt(14), 3);
        int marked = 0;
        for (int c = 0; c < TMonthGrid::Cells; ++c)
            marked += g.markAt(c) ? 1 : 0;
        QCOMPARE(marked, 2);
        g.clearMark(1);
        QCOMPARE(g.markAt(5), 0);
        g.clearMarks();
        QCOMPARE(g.markAt(14), 0);
        g.setMark(10, 2);
        g.setMonth(2024, 4, 1); // a new month clears the marks
        QCOMPARE(g.markAt(g.cellOfDay(10)), 0);
    }

    void walk_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<bool>("select");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<int>("fromDay");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("toDay"); // 0: -1 expected

        const QList<int> none;
        // September 2024: day 1 in cell 0, day 30 in cell 29.
        QTest::newRow("jog left from day 1 wraps to the last") << 2024 << 9 << false << none << 1 << int(KEY_JOG_LEFT) << 30;
        QTest::newRow("jog right from the last wraps to 1") << 2024 << 9 << false << none << 30 << int(KEY_JOG_RIGHT) << 1;
        QTest::newRow("left to the week above") << 2024 << 9 << false << none << 8 << int(Qt::Key_Left) << 7;
        QTest::newRow("left from the first day") << 2024 << 9 << false << none << 1 << int(Qt::Key_Left) << 0;
        QTest::newRow("right from the last day") << 2024 << 9 << false << none << 30 << int(Qt::Key_Right) << 0;
        QTest::newRow("up from the first week") << 2024 << 9 << false << none << 3 << int(Qt::Key_Up) << 0;
        QTest::newRow("down from the last week") << 2024 << 9 << false << none << 29 << int(Qt::Key_Down) << 0;
        QTest::newRow("down into an empty cell") << 2024 << 9 << false << none << 24 << int(Qt::Key_Down) << 0;
        QTest::newRow("other key") << 2024 << 9 << false << none << 5 << int(Qt::Key_A) << 0;
        // Select mode skips unmarked days.
        const QList<int> marks{3, 6, 17, 27};
        QTest::newRow("select right skips") << 2024 << 9 << true << marks << 3 << int(Qt::Key_Right) << 6;
        QTest::newRow("select right stays in the week") << 2024 << 9 << true << marks << 6 << int(Qt::Key_Right) << 0;
        QTest::newRow("select down to the next marked") << 2024 << 9 << true << marks << 6 << int(Qt::Key_Down) << 17;
        QTest::newRow("select up to the last marked before") << 2024 << 9 << true << marks << 27 << int(Qt::Key_Up) << 17;
        QTest::newRow("select up from week 0") << 2024 << 9 << true << marks << 6 << int(Qt::Key_Up) << 0;
        QTest::newRow("select down none left") << 2024 << 9 << true << marks << 27 << int(Qt::Key_Down) << 0;
        QTest::newRow("select jog ignores marks") << 2024 << 9 << true << marks << 3 << int(KEY_JOG_RIGHT) << 4;
    }

    void walk()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(bool, select);
        QFETCH(QList<int>, marked);
        QFETCH(int, fromDay);
        QFETCH(int, key);
        QFETCH(int, toDay);
        TMonthGrid g;
        g.setMonth(year, month, 1);
        for (int d : marked)
            g.setMark(d, 1);
        const int to = g.moveFocus(g.cellOfDay(fromDay), key, select);
        QCOMPARE(to, toDay ? g.cellOfDay(toDay) : -1);
    }

    void badMonthsLeaveNoDays()
    {
        TMonthGrid g;
        for (int m : {0, 13, -1}) {
            QCOMPARE(g.setMonth(2024, m, 5), 1);
            QCOMPARE(g.cellOfDay(1), -1);
            QCOMPARE(g.moveFocus(-1, KEY_JOG_RIGHT, false), -1);
            QCOMPARE(g.moveFocus(99, Qt::Key_Down, false), -1);
        }
    }

};

QTEST_GUILESS_MAIN(TMonthGridTest)
#include "tmonthgridtest.moc"
