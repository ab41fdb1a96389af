#include "tschedulegrid.h"

#include <QtTest>

#include <cstring>

// Schedule cells, geometry and writes without a widget.
class TScheduleGridTest : public QObject
{
    Q_OBJECT
private slots:
    void columnWidths_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("colW");
        QTest::newRow("840") << 840 << 30;
        QTest::newRow("1000") << 1000 << 30;
        QTest::newRow("1008") << 1008 << 36;
        QTest::newRow("168 the minimum") << 168 << 6;
        QTest::newRow("167") << 167 << 0;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("negative") << -50 << 0;
    }

    void columnWidths()
    {
        QFETCH(int, width);
        QFETCH(int, colW);
        TScheduleGrid g;
        g.layout(width, 300);
        QCOMPARE(g.colW(), colW);
        QCOMPARE(g.secPerPx(), colW ? 3600 / colW : 0);
    }

    void regionsOf840()
    {
        TScheduleGrid g;
        g.layout(840, 300);
        QCOMPARE(g.cornerRect(), QRect(0, 0, 120, 30));
        QCOMPARE(g.headRect(), QRect(120, 0, 720, 30));
        QCOMPARE(g.labelRect(), QRect(0, 30, 120, 240));
        QCOMPARE(g.gridRect(), QRect(120, 30, 720, 240));
        int col = -1, row = -1;
        QCOMPARE(g.regionAt(QPoint(5, 5), &col, &row), int(TScheduleGrid::Corner));
        QCOMPARE(g.regionAt(QPoint(120 + 5 * 30 + 3, 10), &col, &row), int(TScheduleGrid::Header));
        QCOMPARE(col, 5);
        QCOMPARE(g.regionAt(QPoint(50, 30 + 3 * 30 + 1), &col, &row), int(TScheduleGrid::Label));
        QCOMPARE(row, 3);
        QCOMPARE(col, 0);
        QCOMPARE(g.regionAt(QPoint(839, 269), &col, &row), int(TScheduleGrid::Grid));
        QCOMPARE(col, 23);
        QCOMPARE(row, 7);
        QCOMPARE(g.regionAt(QPoint(400, 280), &col, &row), int(TScheduleGrid::None));
        QCOMPARE(g.cellRect(TScheduleGrid::Grid, 23, 7), QRect(810, 240, 30, 30));
        QCOMPARE(g.spanRect(4, 3, 2, 1), QRect(180, 60, 90, 90));
    }

    void narrowerThanTheMinimumHasNoRegions()
    {
        TScheduleGrid g;
        g.layout(100, 300);
        int col, row;
        for (int x = -5; x < 110; x += 3) {
            for (int y = -5; y < 310; y += 7)
                QCOMPARE(g.regionAt(QPoint(x, y), &col, &row), int(TScheduleGrid::None));
            QCOMPARE(g.cellAtX(x), -1);
        }
        g.button(1);
        QCOMPARE(g.secPerPx(), 0);
        g.write(TScheduleGrid::Corner, 0, 0, 0, 0, false, 2);
        QCOMPARE(g.value(7, 143), 1);
    }

    void writeKinds_data()
    {
        QTest::addColumn<bool>("zoomed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("corners"); // k0, r0, k1, r1 as left, top, right, bottom
        QTest::addColumn<QRect>("cells");   // first cell, first row, last cell, last row
        QTest::newRow("hour column 5") << false << 1 << QRect(QPoint(5, 0), QPoint(5, 0)) << QRect(QPoint(30, 0), QPoint(35, 7));
        QTest::newRow("zoomed column 5 at hour 2") << true << 1 << QRect(QPoint(5, 0), QPoint(5, 0))
                                                   << QRect(QPoint(17, 0), QPoint(17, 7));
        QTest::newRow("row 3") << false << 2 << QRect(QPoint(0, 3), QPoint(0, 3)) << QRect(QPoint(0, 3), QPoint(143, 3));
        QTest::newRow("rectangle in reverse") << false << 3 << QRect(QPoint(2, 3), QPoint(0, 1))
                                              << QRect(QPoint(0, 1), QPoint(17, 3));
        QTest::newRow("zoomed rectangle") << true << 3 << QRect(QPoint(1, 6), QPoint(4, 7)) << QRect(QPoint(13, 6), QPoint(16, 7));
        QTest::newRow("rectangle clamped") << false << 3 << QRect(QPoint(-3, -1), QPoint(30, 9))
                                           << QRect(QPoint(0, 0), QPoint(143, 7));
        QTest::newRow("column beyond the grid") << false << 1 << QRect(QPoint(99, 0), QPoint(99, 0))
                                                << QRect(QPoint(138, 0), QPoint(143, 7));
        QTest::newRow("all") << false << 4 << QRect() << QRect(QPoint(0, 0), QPoint(143, 7));
    }

    void writeKinds()
    {
        QFETCH(bool, zoomed);
        QFETCH(int, kind);
        QFETCH(QRect, corners);
        QFETCH(QRect, cells);
        TScheduleGrid g;
        g.layout(840, 300);
        if (zoomed) {
            g.button(1);
            g.button(3);
            g.button(3);
            QCOMPARE(g.firstHour(), 2);
        }
        g.write(kind, corners.left(), corners.top(), corners.right(), corners.bottom(), false, 3);
        for (int r = 0; r < TScheduleGrid::Rows; ++r) {
            for (int c = 0; c < TScheduleGrid::CellsPerRow; ++c) {
                const bool in = r >= cells.top() && r <= cells.bottom() && c >= cells.left() && c <= cells.right();
                QCOMPARE(g.value(r, c), in ? 2 : 0);
            }
        }
    }

    void cyclingStepsEveryChosenCell()
    {
        TScheduleGrid g;
        g.layout(840, 300);
        g.write(TScheduleGrid::Label, 0, 4, 0, 4, false, 1); // value 0
        const int expect[] = {1, 2, 3, 4, 0, 1};
        for (int v : expect) {
            g.write(TScheduleGrid::Label, 0, 4, 0, 4, true, 1);
            QCOMPARE(g.value(4, 0), v);
            QCOMPARE(g.value(4, 143), v);
            QCOMPARE(g.value(3, 0), 0);
        }
        // A stored value out of range steps back to 0.
        char cells[TScheduleGrid::Size];
        std::memset(cells, 9, sizeof cells);
        g.setData(cells);
        g.write(TScheduleGrid::Corner, 0, 0, 0, 0, true, 0);
        QCOMPARE(g.value(2, 2), 0);
        QCOMPARE(g.value(8, 0), 4); // outside the rows
    }

    void presets_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("value");
        QTest::newRow("0 means none") << 0 << 4;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("5") << 5 << 4;
        QTest::newRow("out of range") << 40 << 4;
    }

    void presets()
    {
        QFETCH(int, preset);
        QFETCH(int, value);
        QCOMPARE(TScheduleGrid::presetValue(preset), value);
    }

    void zoomButtons()
    {
        TScheduleGrid g;
        g.layout(840, 300);
        g.button(3); // the day view shows every hour: nothing to scroll
        g.button(0);
        QCOMPARE(g.firstHour(), 0);
        g.button(1);
        QCOMPARE(g.zoom(), 1);
        QCOMPARE(g.secPerPx(), 20);
        for (int i = 0; i < 30; ++i)
            g.button(3);
        QCOMPARE(g.firstHour(), 20);
        g.button(1); // already zoomed: hours stay
        QCOMPARE(g.firstHour(), 20);
        for (int i = 0; i < 30; ++i)
            g.button(0);
        QCOMPARE(g.firstHour(), 0);
        g.button(3);
        g.button(2);
        QCOMPARE(g.zoom(), 0);
        QCOMPARE(g.firstHour(), 0);
        QCOMPARE(g.secPerPx(), 120);
        g.button(1); // "+" from the day view always shows hours 0 to 3
        QCOMPARE(g.firstHour(), 0);
    }

    void cellUnderX()
    {
        TScheduleGrid g;
        g.layout(840, 300);
        QCOMPARE(g.cellAtX(120 + 45), 9);
        QCOMPARE(g.cellAtX(839), 143);
        QCOMPARE(g.cellAtX(119), -1);
        QCOMPARE(g.cellAtX(840), -1);
        g.button(1);
        g.button(3);
        g.button(3);
        g.button(3);
        QCOMPARE(g.cellAtX(120 + 45), 19);
        QCOMPARE(g.cellAtX(839), 18 + 23);
        g.layout(1010, 300); // 36 px columns: 100 s per pixel
        QCOMPARE(g.cellAtX(g.gridRect().right()), 143);
    }

};

QTEST_GUILESS_MAIN(TScheduleGridTest)
#include "tschedulegridtest.moc"
