#include "tlistpager.h"

#include <QtTest>

// Page arithmetic of the paged list, including the empty and one-page cases.
class TListPagerTest : public QObject
{
    Q_OBJECT
private slots:
    void pages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("maxLine");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("lastLines");
        QTest::newRow("empty") << 0 << 10 << 0 << 0;
        QTest::newRow("one line") << 1 << 10 << 1 << 1;
        QTest::newRow("full page") << 10 << 10 << 1 << 10;
        QTest::newRow("one over") << 11 << 10 << 2 << 1;
        QTest::newRow("35 of 10") << 35 << 10 << 4 << 5;
        QTest::newRow("no lines per page") << 35 << 0 << 0 << 0;
        QTest::newRow("negative count") << -3 << 10 << 0 << 0;
    }

    void pages()
    {
        QFETCH(int, count);
        QFETCH(int, maxLine);
        QFETCH(int, pages);
        QFETCH(int, lastLines);
        QCOMPARE(TListPager::pagesFor(count, maxLine), pages);
        QCOMPARE(TListPager::linesOnPage(count, maxLine, qMax(0, pages - 1)), lastLines);
        if (pages > 1)
            QCOMPARE(TListPager::linesOnPage(count, maxLine, 0), maxLine);
    }

    void buttons_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("to");
        QTest::newRow("previous") << 1 << 2 << 35 << 1;
        QTest::newRow("previous at 0") << 1 << 0 << 35 << 0;
        QTest::newRow("next") << 2 << 2 << 35 << 3;
        QTest::newRow("next at the last") << 2 << 3 << 35 << 3;
        QTest::newRow("last") << 3 << 0 << 35 << 3;
        QTest::newRow("fewer texts than a page") << 2 << 0 << 9 << 0;
        QTest::newRow("empty") << 3 << 0 << 0 << 0;
        QTest::newRow("unknown id") << 7 << 2 << 35 << 2;
    }

    void buttons()
    {
        QFETCH(int, id);
        QFETCH(int, page);
        QFETCH(int, count);
        QFETCH(int, to);
        QCOMPARE(TListPager::pageForButton(id, page, TListPager::pagesFor(count, 10), count, 10), to);
    }

    void trackSteps_data()
    {
        QTest::addColumn<int>("allPages");
        QTest::addColumn<int>("step");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("25") << 25 << 2;
        QTest::newRow("100") << 100 << 10;
    }

    void trackSteps()
    {
        QFETCH(int, allPages);
        QFETCH(int, step);
        QCOMPARE(TListPager::trackStep(allPages), step);
    }

    void sliderWithFewPagesHasNoStep_data()
    {
        QTest::addColumn<int>("allPages");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("negative") << -4;
    }

    void sliderWithFewPagesHasNoStep()
    {
        QFETCH(int, allPages);
        const TListPager::Slider s = TListPager::layout(100, allPages, 12);
        QCOMPARE(s.step, 0.0);
        QCOMPARE(s.puckH, 0);
        QCOMPARE(TListPager::puckPage(50, s.travel, s.step, allPages), 0);
    }

    void sliderPuckAndPages()
    {
        // Few pages: the puck is a page's share of the track, plus one.
        TListPager::Slider s = TListPager::layout(100, 4, 12);
        QCOMPARE(s.puckH, 26);
        QCOMPARE(s.travel, 74);
        QCOMPARE(s.step, 74.0 / 3);
        QCOMPARE(TListPager::puckPage(-5, s.travel, s.step, 4), 0);
        QCOMPARE(TListPager::puckPage(0, s.travel, s.step, 4), 0);
        QCOMPARE(TListPager::puckPage(12, s.travel, s.step, 4), 0);
        QCOMPARE(TListPager::puckPage(13, s.travel, s.step, 4), 1);
        QCOMPARE(TListPager::puckPage(74, s.travel, s.step, 4), 3);
        QCOMPARE(TListPager::puckPage(500, s.travel, s.step, 4), 3);
        // Many pages: the puck keeps its minimum height.
        s = TListPager::layout(100, 50, 12);
        QCOMPARE(s.puckH, 12);
        QCOMPARE(s.travel, 88);
        QCOMPARE(TListPager::puckPage(44, s.travel, s.step, 50), 25);
        // A track shorter than the puck has no travel and no step.
        s = TListPager::layout(5, 50, 12);
        QVERIFY(s.travel < 0);
        QCOMPARE(TListPager::puckPage(3, s.travel, s.step, 50), 0);
    }

};

QTEST_GUILESS_MAIN(TListPagerTest)
#include "tlistpagertest.moc"
