#include "ttimescale.h"

#include <QtTest>

// The time axis of the search timeline, on plain numbers.
class TTimeScaleTest : public QObject
{
    Q_OBJECT
private slots:
    void spans_data();
    void spans();
    void widths_data();
    void widths();
    void zoomInTwiceKeepsTheCursorTime();
    void zoomOutKeepsTheCursorTime();
    void dayViewIgnoresScrollAndZoomOut_data();
    void dayViewIgnoresScrollAndZoomOut();
    void scrollStopsAtTheDayEnds();
    void rightAtTheLastStepOfTheDayStays();
    void leftFromTheSpanStartScrollsBack();
    void leftFromJustAfterTheStartOnlyMovesToIt();
    void rightPastTheSpanScrollsOn();
    void leftAtMidnightStays();
};

void TTimeScaleTest::spans_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("span");
    QTest::newRow("day") << 0 << 86400;
    QTest::newRow("four hours") << 1 << 14400;
    QTest::newRow("one hour") << 2 << 3600;
    QTest::newRow("unknown 3") << 3 << 86400;
    QTest::newRow("negative") << -1 << 86400;
}

void TTimeScaleTest::spans()
{
    QFETCH(int, zoom);
    QFETCH(int, span);
    QCOMPARE(TTimeScale::spanSeconds(zoom), span);
}

void TTimeScaleTest::widths_data()
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

void TTimeScaleTest::widths()
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

void TTimeScaleTest::zoomInTwiceKeepsTheCursorTime()
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

void TTimeScaleTest::zoomOutKeepsTheCursorTime()
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

void TTimeScaleTest::dayViewIgnoresScrollAndZoomOut_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("<") << 0;
    QTest::newRow(">") << 5;
    QTest::newRow("-") << 4;
    QTest::newRow("unused 2") << 2;
}

void TTimeScaleTest::dayViewIgnoresScrollAndZoomOut()
{
    QFETCH(int, id);
    TTimeScale s;
    s.setWidth(540);
    QCOMPARE(s.button(id, 200), 200);
    QCOMPARE(s.zoom(), 0);
    QCOMPARE(s.ts(), 0);
    QCOMPARE(s.te(), 86400);
}

void TTimeScaleTest::scrollStopsAtTheDayEnds()
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

void TTimeScaleTest::rightAtTheLastStepOfTheDayStays()
{
    TTimeScale s;
    s.setWidth(540);
    int pos = s.button(1, s.time2pos(80000)); // 20:00-24:00
    QCOMPARE(s.ts(), 72000);
    const int last = s.time2pos(14400 - 600);
    bool scrolled = true;
    const int ct = s.stepRight(last, &scrolled);
    QVERIFY(!scrolled);
    QCOMPARE(ct, 13800);
    QCOMPARE(s.time2pos(ct), last);
    QCOMPARE(s.ts(), 72000);
    Q_UNUSED(pos);
}

void TTimeScaleTest::leftFromTheSpanStartScrollsBack()
{
    TTimeScale s;
    s.setWidth(540);
    s.button(1, s.time2pos(5 * 3600)); // 04:00-08:00
    QCOMPARE(s.ts(), 14400);
    bool scrolled = false;
    const int ct = s.stepLeft(s.time2pos(0), &scrolled);
    QVERIFY(scrolled);
    QCOMPARE(s.ts(), 0);
    QCOMPARE(s.te(), 14400);
    QCOMPARE(ct, 14400 - 600); // the last step of the new span
}

void TTimeScaleTest::leftFromJustAfterTheStartOnlyMovesToIt()
{
    TTimeScale s;
    s.setWidth(540);
    s.button(1, s.time2pos(5 * 3600));
    bool scrolled = true;
    const int ct = s.stepLeft(s.time2pos(0) + 1, &scrolled);
    QVERIFY(!scrolled);
    QCOMPARE(ct, 0);
    QCOMPARE(s.ts(), 14400);
}

void TTimeScaleTest::rightPastTheSpanScrollsOn()
{
    TTimeScale s;
    s.setWidth(540);
    s.button(1, s.time2pos(5 * 3600));
    bool scrolled = false;
    const int ct = s.stepRight(s.time2pos(14400 - 600), &scrolled);
    QVERIFY(scrolled);
    QCOMPARE(s.ts(), 28800);
    QCOMPARE(ct, 0);
}

void TTimeScaleTest::leftAtMidnightStays()
{
    TTimeScale s;
    s.setWidth(540);
    bool scrolled = true;
    QCOMPARE(s.stepLeft(s.x0(), &scrolled), 0);
    QVERIFY(!scrolled);
    QCOMPARE(s.ts(), 0);
}

QTEST_GUILESS_MAIN(TTimeScaleTest)
#include "ttimescaletest.moc"
