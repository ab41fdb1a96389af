#include "ttimescale.h"

#include <QtTest>

// The time axis of the search timeline, on plain numbers.
class TTimeScaleTest : public QObject
{
    Q_OBJECT
private slots:
    void spans_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("span");
        QTest::newRow("day") << 0 << 86400;
        QTest::newRow("four hours") << 1 << 14400;
        QTest::newRow("one hour") << 2 << 3600;
        QTest::newRow("unknown 3") << 3 << 86400;
        QTest::newRow("negative") << -1 << 86400;
    }

    void spans()
    {
        QFETCH(int, zoom);
        QFETCH(int, span);
        QCOMPARE(TTimeScale::spanSeconds(zoom), span);
    }

    void widths_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("hourW");
        QTest::addColumn<int>("x0");
        QTest::newRow("540") << 540 << 20 << 60;
        QTest::newRow("1000") << 1000 << 37 << 112;
        QTest::newRow("27") << 27 << 1 << 3;
        QTest::newRow("tiny 10") << 10 << 0 << 10;
        QTest::newRow("zero") << 0 << 0 << 0;
        QTest::newRow("negative") << -5 << 0 << 0;
    }

    void widths()
    {
        QFETCH(int, width);
        QFETCH(int, hourW);
        QFETCH(int, x0);
        TTimeScale s;
        s.setWidth(width);
        QCOMPARE(s.hourW(), hourW);
        QCOMPARE(s.x0(), x0);
        // No column is no division: every x maps into the span, and back.
        for (int x : {-100, 0, x0, x0 + 1, width, 100000}) {
            const int t = s.pos2time(x);
            if (hourW == 0)
                QCOMPARE(t, 0);
            QCOMPARE(s.time2pos(0), x0);
        }
        int pos = x0;
        bool scrolled = false;
        for (int id : {1, 1, 5, 0, 4, 4})
            pos = s.button(id, pos);
        s.stepLeft(pos, &scrolled);
        s.stepRight(pos, &scrolled);
    }

    void zoomInTwiceKeepsTheCursorTime()
    {
        TTimeScale s;
        s.setWidth(540);
        const int want = 13 * 3600 + 47 * 60;
        int pos = s.time2pos(want);
        // One pixel of the day view is 180 s: the cursor holds 13:47 to the pixel.
        QVERIFY(qAbs(s.pos2time(pos) - want) < 180);
        const int t0 = s.pos2time(pos);

        pos = s.button(1, pos);
        QCOMPARE(s.zoom(), 1);
        QCOMPARE(s.ts(), 12 * 3600);
        QCOMPARE(s.te(), 16 * 3600);
        QCOMPARE(s.pos2time(pos), t0);

        pos = s.button(1, pos);
        QCOMPARE(s.zoom(), 2);
        QCOMPARE(s.ts(), 13 * 3600);
        QCOMPARE(s.te(), 14 * 3600);
        QCOMPARE(s.pos2time(pos), t0);

        // Zoom 2 is the last level.
        QCOMPARE(s.button(1, pos), pos);
        QCOMPARE(s.zoom(), 2);
    }

    void zoomOutKeepsTheCursorTime()
    {
        TTimeScale s;
        s.setWidth(1080); // 40 px per step: 7.5 s per pixel at one hour
        int pos = s.time2pos(9 * 3600 + 1800);
        pos = s.button(1, pos);
        pos = s.button(1, pos);
        QCOMPARE(s.ts(), 9 * 3600);
        pos = s.button(4, pos);
        QCOMPARE(s.zoom(), 1);
        QCOMPARE(s.ts(), 8 * 3600);
        QCOMPARE(s.pos2time(pos), 9 * 3600 + 1800);
        pos = s.button(4, pos);
        QCOMPARE(s.zoom(), 0);
        QCOMPARE(s.ts(), 0);
        QCOMPARE(s.te(), 86400);
        QVERIFY(qAbs(s.pos2time(pos) - (9 * 3600 + 1800)) < 90);
    }

    void dayViewIgnoresScrollAndZoomOut_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("<") << 0;
        QTest::newRow(">") << 5;
        QTest::newRow("-") << 4;
    }

    void dayViewIgnoresScrollAndZoomOut()
    {
        QFETCH(int, id);
        TTimeScale s;
        s.setWidth(540);
        QCOMPARE(s.button(id, 200), 200);
        QCOMPARE(s.zoom(), 0);
        QCOMPARE(s.ts(), 0);
        QCOMPARE(s.te(), 86400);
    }

    void scrollStopsAtTheDayEnds()
    {
        TTimeScale s;
        s.setWidth(540);
        int pos = s.button(1, s.x0()); // 00:00-04:00
        s.button(0, pos);
        QCOMPARE(s.ts(), 0);
        for (int i = 0; i < 10; ++i)
            s.button(5, pos);
        QCOMPARE(s.ts(), 72000);
        QCOMPARE(s.te(), 86400);
        for (int i = 0; i < 10; ++i)
            s.button(0, pos);
        QCOMPARE(s.ts(), 0);
    }

    // One key step of the cursor in the four-hour view around the given
    // hour (-1: the day view), from the span's start plus an offset.
    void steps_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("scrolled");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("ts");
        QTest::newRow("right at the day's last step stays") << 22 << 13800 << true << false << 13800 << 72000;
        QTest::newRow("left from the span start scrolls back") << 5 << 0 << false << true << 13800 << 0;
        QTest::newRow("left from just after the start") << 5 << 1 << false << false << 0 << 14400;
        QTest::newRow("right past the span scrolls on") << 5 << 13800 << true << true << 0 << 28800;
        QTest::newRow("left at midnight stays") << -1 << 0 << false << false << 0 << 0;
    }

    void steps()
    {
        QFETCH(int, hour);
        QFETCH(int, from);
        QFETCH(bool, right);
        QFETCH(bool, scrolled);
        QFETCH(int, cursor);
        QFETCH(int, ts);
        TTimeScale s;
        s.setWidth(540);
        if (hour >= 0)
            s.button(1, s.time2pos(hour * 3600));
        const int pos = from == 1 ? s.time2pos(0) + 1 : s.time2pos(from);
        bool didScroll = !scrolled;
        QCOMPARE(right ? s.stepRight(pos, &didScroll) : s.stepLeft(pos, &didScroll), cursor);
        QCOMPARE(didScroll, scrolled);
        QCOMPARE(s.ts(), ts);
    }

};

QTEST_GUILESS_MAIN(TTimeScaleTest)
#include "ttimescaletest.moc"
