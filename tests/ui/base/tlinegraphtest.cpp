#include "controlenv.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tlinegraph.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The timeline graph driven as an operator would: mouse on the graph and the
// buttons, keys through the owner's keyEvent, Return on the graph itself.
class TLineGraphTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void init()
    {
        makeGraph(4, QSize(540, 140));
    }

    void cleanup()
    {
        m_top.reset();
        m_g = nullptr;
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void layoutOf540()
    {
        QCOMPARE(m_g->scale().hourW(), 20);
        QCOMPARE(m_g->scale().x0(), 60);
        QCOMPARE(m_g->rowH(), (140 - 40) / 4);
        QCOMPARE(m_g->button(0)->geometry(), QRect(2, 120, 40, 18));
        QCOMPARE(m_g->button(5)->geometry(), QRect(540 - 42, 120, 40, 18));
        QVERIFY(!m_g->button(2) && !m_g->button(3));
        QCOMPARE(m_g->btnRect(), QRect(0, 120, 540, 20));
        for (int m = 8 * 60; m < 11 * 60 + 30; ++m)
            m_g->setData(0, m, 1);
        for (int m = 13 * 60; m < 14 * 60; ++m)
            m_g->setData(1, m, 2);
        for (int m = 0; m < 1440; m += 90)
            m_g->setData(3, m + 2, m % 180 ? 1 : 2);
        m_g->updatePos(12 * 3600);
        ControlEnv::shot(m_top.get(), "timeline-day");
    }

    void mousePressAndReleaseRequestTheTime()
    {
        QSignalSpy spy(m_g, &TLineGraph::sg_request);
        const QPoint p = graphPoint(6 * 3600, 1);
        QTest::mousePress(m_g, Qt::LeftButton, {}, p);
        QVERIFY(m_g->hasFocus());
        QCOMPARE(m_g->isActive(), 1);
        QCOMPARE(m_g->posCur(), p.x());
        QTest::mouseRelease(m_g, Qt::LeftButton, {}, p);
        QCOMPARE(m_g->isActive(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 0);
        QCOMPARE(spy.at(0).at(1).toInt(), 6 * 3600);

        // A press in the header leaves the cursor where it was.
        QTest::mousePress(m_g, Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(m_g->posCur(), p.x());
        QCOMPARE(m_g->isActive(), 0);
        QTest::mouseRelease(m_g, Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(1).toInt(), 6 * 3600);
    }

    void doubleClickRequestsPlay()
    {
        QSignalSpy spy(m_g, &TLineGraph::sg_request);
        const QPoint p = graphPoint(18 * 3600, 0);
        QTest::mouseClick(m_g, Qt::LeftButton, {}, p);
        QTest::mouseDClick(m_g, Qt::LeftButton, {}, p);
        QVERIFY(spy.count() >= 2);
        bool play = false;
        for (const QList<QVariant>& s : spy) {
            if (s.at(0).toInt() == 1) {
                play = true;
                QCOMPARE(s.at(1).toInt(), 18 * 3600);
            }
        }
        QVERIFY(play);
    }

    void moveShowsTheTimeUnderTheMouse()
    {
        ControlEnv::hover(m_g, graphPoint(3 * 3600, 2));
        QCOMPARE(m_g->scale().pos2time(m_g->posMouse()), 3 * 3600);
        const int before = m_g->posMouse();
        ControlEnv::hover(m_g, QPoint(30, 50)); // label column: not the graph
        QCOMPARE(m_g->posMouse(), before);
    }

    void buttonsZoomAroundTheCursor()
    {
        QTest::mouseClick(m_g, Qt::LeftButton, {}, graphPoint(13 * 3600 + 47 * 60, 0));
        const int t = m_g->scale().pos2time(m_g->posCur());
        QTest::mouseClick(m_g->button(1), Qt::LeftButton);
        QCOMPARE(m_g->scale().ts(), 12 * 3600);
        QCOMPARE(m_g->scale().te(), 16 * 3600);
        QCOMPARE(m_g->scale().pos2time(m_g->posCur()), t);
        ControlEnv::shot(m_top.get(), "timeline-4h");
        // The scale's arithmetic has its own test; here each button reaches it.
        QTest::mouseClick(m_g->button(5), Qt::LeftButton);
        QCOMPARE(m_g->scale().ts(), 16 * 3600);
        QTest::mouseClick(m_g->button(0), Qt::LeftButton);
        QCOMPARE(m_g->scale().ts(), 12 * 3600);
        QTest::mouseClick(m_g->button(4), Qt::LeftButton);
        QCOMPARE(m_g->scale().zoom(), 0);
    }

    void idleGraphLeavesKeysToTheWindow()
    {
        for (int key : {int(Qt::Key_Left), int(Qt::Key_Return), int(KEY_JOG_RIGHT), int(Qt::Key_A)})
            QCOMPARE(m_g->keyEvent(key), 0);
    }

    void keysStepTheCursorAndScroll()
    {
        QSignalSpy spy(m_g, &TLineGraph::sg_request);
        m_g->setFocus();
        QTest::keyClick(m_g, Qt::Key_Return);
        QCOMPARE(m_g->keyMode(), 1);
        QCOMPARE(m_g->isActive(), 1);

        // The day view steps by the hour.
        QCOMPARE(m_g->keyEvent(Qt::Key_Right), 1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 2);
        QCOMPARE(spy.at(0).at(1).toInt(), 3600);
        QCOMPARE(m_g->keyEvent(Qt::Key_Left), 1);
        QCOMPARE(spy.last().at(1).toInt(), 0);
        // At midnight Left goes nowhere and reports nothing.
        QCOMPARE(m_g->keyEvent(Qt::Key_Left), 1);
        QCOMPARE(spy.count(), 2);
        // Jog codes and keys outside the arrows' range are taken without effect.
        QCOMPARE(m_g->keyEvent(KEY_JOG_RIGHT), 1);
        QCOMPARE(m_g->keyEvent(Qt::Key_F1), 1);
        QCOMPARE(spy.count(), 2);

        // Zoomed to 00:00-04:00, Right past the last step scrolls to 04:00-08:00.
        QTest::mouseClick(m_g->button(1), Qt::LeftButton);
        m_g->setFocus();
        QTest::keyClick(m_g, Qt::Key_Return);
        for (int i = 0; i < 23; ++i)
            m_g->keyEvent(Qt::Key_Right);
        QCOMPARE(spy.last().at(1).toInt(), 14400 - 600);
        QCOMPARE(m_g->scale().ts(), 0);
        m_g->keyEvent(Qt::Key_Right);
        QCOMPARE(m_g->scale().ts(), 14400);
        QCOMPARE(spy.last().at(1).toInt(), 14400);
        m_g->keyEvent(Qt::Key_Left);
        QCOMPARE(m_g->scale().ts(), 0);
        QCOMPARE(spy.last().at(1).toInt(), 14400 - 600);

        // Enter in cursor mode asks to play the cursor's time.
        m_g->keyEvent(Qt::Key_Enter);
        QCOMPARE(spy.last().at(0).toInt(), 1);
        QCOMPARE(spy.last().at(1).toInt(), 14400 - 600);
    }

    void keysWalkTheButtonsAndPressThem()
    {
        m_g->setFocus();
        QTest::keyClick(m_g, Qt::Key_Return);
        m_g->keyEvent(Qt::Key_Down);
        QVERIFY(m_g->button(1)->hasFocus());
        m_g->keyEvent(Qt::Key_Right);
        QVERIFY(m_g->button(4)->hasFocus());
        m_g->keyEvent(Qt::Key_Right);
        QVERIFY(m_g->button(5)->hasFocus());
        m_g->keyEvent(Qt::Key_Right); // no higher button
        QVERIFY(m_g->button(5)->hasFocus());
        m_g->keyEvent(Qt::Key_Left);
        m_g->keyEvent(Qt::Key_Left);
        QVERIFY(m_g->button(1)->hasFocus());
        m_g->keyEvent(Qt::Key_Return);
        QTRY_COMPARE(m_g->scale().zoom(), 1);
        // Up from a button returns to cursor mode on the graph.
        m_g->keyEvent(Qt::Key_Up);
        QVERIFY(m_g->hasFocus());
        QCOMPARE(m_g->isActive(), 1);
    }

    void escapeReturnsToIdle()
    {
        m_g->setFocus();
        QTest::keyClick(m_g, Qt::Key_Enter);
        QCOMPARE(m_g->keyEvent(Qt::Key_Escape), 1);
        QCOMPARE(m_g->keyMode(), 0);
        QCOMPARE(m_g->isActive(), 0);
        QCOMPARE(m_g->keyEvent(Qt::Key_Right), 0);
    }

    void updatePosStopsAtTheSpanEdge()
    {
        QTest::mouseClick(m_g, Qt::LeftButton, {}, graphPoint(9 * 3600, 0));
        QTest::mouseClick(m_g->button(1), Qt::LeftButton); // 08:00-12:00
        m_g->updatePos(10 * 3600);
        QCOMPARE(m_g->scale().pos2time(m_g->posCur()), 10 * 3600);
        m_g->updatePos(20 * 3600);
        QCOMPARE(m_g->scale().ts(), 8 * 3600); // the span does not follow
        QCOMPARE(m_g->posCur(), m_g->scale().time2pos(14400 - 1));
        m_g->updatePos(3600);
        QCOMPARE(m_g->posCur(), m_g->scale().x0());
    }

    void updatePosIgnoredWhileHeld()
    {
        const QPoint p = graphPoint(5 * 3600, 0);
        QTest::mousePress(m_g, Qt::LeftButton, {}, p);
        m_g->updatePos(15 * 3600);
        QCOMPARE(m_g->posCur(), p.x());
        QTest::mouseRelease(m_g, Qt::LeftButton, {}, p);
        m_g->updatePos(15 * 3600);
        QCOMPARE(m_g->posCur(), m_g->scale().time2pos(15 * 3600));
    }

    void cellsNarrowerThanAPixelAreNotDrawn()
    {
        // At width 540 a minute is a third of a pixel: column x0 + k is drawn
        // only by minute 3k + 2, whose cell ends on a whole pixel.
        m_g->updatePos(20 * 3600); // cursor out of the way
        m_g->setData(0, 0, 1);
        m_g->setData(0, 1, 1);
        m_g->setData(0, 5, 2);
        m_g->setData(1, 305, 1);
        const QImage img = m_g->grab().toImage();
        const int y0 = 20 + m_g->rowH() / 2, y1 = 20 + m_g->rowH() + m_g->rowH() / 2;
        QVERIFY(img.pixelColor(60, y0) != QColor(100, 255, 200));
        QCOMPARE(img.pixelColor(61, y0), QColor(0, 0, 255));
        QCOMPARE(img.pixelColor(60 + 101, y1), QColor(100, 255, 200));
        QVERIFY(img.pixelColor(60 + 102, y1) != QColor(100, 255, 200));
        // One hour at zoom 2 makes a minute 8 px wide.
        m_g->setData(2, 13 * 60 + 30, 2);
        QTest::mouseClick(m_g, Qt::LeftButton, {}, graphPoint(13 * 3600 + 1800, 3));
        QTest::mouseClick(m_g->button(1), Qt::LeftButton);
        QTest::mouseClick(m_g->button(1), Qt::LeftButton);
        m_g->updatePos(13 * 3600);
        const QImage z = m_g->grab().toImage();
        const int x = m_g->scale().time2pos(1800);
        const int y2 = 20 + 2 * m_g->rowH() + m_g->rowH() / 2;
        for (int dx = 1; dx < 8; ++dx) // x itself is a column line
            QCOMPARE(z.pixelColor(x + dx, y2), QColor(0, 0, 255));
        QVERIFY(z.pixelColor(x + 8, y2) != QColor(0, 0, 255));
    }

    void rowLabelsOnlyUpToEightRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("labels");
        QTest::newRow("8 rows") << 8 << true;
        QTest::newRow("9 rows") << 9 << false;
        QTest::newRow("20 rows") << 20 << false;
    }

    void rowLabelsOnlyUpToEightRows()
    {
        QFETCH(int, rows);
        QFETCH(bool, labels);
        makeGraph(rows, QSize(540, 40 + rows * 14));
        const QImage img = m_g->grab().toImage();
        const QColor c35 = g_res->getColor(35), c36 = g_res->getColor(36);
        int textPixels = 0;
        for (int y = 21; y < 20 + rows * m_g->rowH(); ++y) {
            for (int x = 3; x < 56; ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c != c35 && c != c36)
                    ++textPixels;
            }
        }
        QCOMPARE(textPixels > 0, labels);
        if (rows == 20)
            ControlEnv::shot(m_top.get(), "timeline-20rows");
    }

    void outOfRangeCellsAndRowsAreIgnored()
    {
        m_g->setData(19, 1439, 2);
        QCOMPARE(m_g->data(19, 1439), 2);
        for (const QPoint& rc : {QPoint(20, 0), QPoint(-1, 0), QPoint(0, 1440), QPoint(0, -1), QPoint(1000, 100000)}) {
            m_g->setData(rc.x(), rc.y(), 7);
            QCOMPARE(m_g->data(rc.x(), rc.y()), 0);
        }
        QCOMPARE(m_g->data(0, 0), 0);
        m_g->setChannel(25, 4);
        QCOMPARE(m_g->rows(), 20);
        m_g->setChannel(-3, 0);
        QCOMPARE(m_g->rows(), 0);
        QCOMPARE(m_g->rowH(), 0);
        m_g->grab();
    }

    void noRowsAndTinyWidthsPaintSafely_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSize>("size");
        QTest::newRow("no rows") << 0 << QSize(540, 140);
        QTest::newRow("width 0") << 4 << QSize(0, 140);
        QTest::newRow("lower than header and buttons") << 4 << QSize(540, 30);
        QTest::newRow("20 rows in 45 px") << 20 << QSize(540, 45);
    }

    void noRowsAndTinyWidthsPaintSafely()
    {
        QFETCH(int, rows);
        QFETCH(QSize, size);
        makeGraph(rows, size);
        for (int r = 0; r < 20; ++r)
            m_g->setData(r, r * 70, 1 + r % 2);
        m_g->grab();
        // Every operator action still lands safely.
        QTest::mouseClick(m_g, Qt::LeftButton, {}, QPoint(size.width() / 2, 25));
        m_g->setFocus();
        QTest::keyClick(m_g, Qt::Key_Return);
        for (int key : {int(Qt::Key_Right), int(Qt::Key_Left), int(Qt::Key_Return)})
            m_g->keyEvent(key);
        m_g->sl_btnclicked(1, 0);
        m_g->sl_btnclicked(1, 0);
        m_g->sl_btnclicked(4, 0);
        m_g->updatePos(50000);
        m_g->grab();
        QVERIFY(m_g->scale().ts() >= 0 && m_g->scale().te() <= 86400);
    }


private:
    void makeGraph(int rows, QSize size)
    {
        m_top.reset(new QWidget);
        m_top->resize(size.width() + 20, size.height() + 20);
        m_g = new TLineGraph(m_top.get(), rows);
        m_g->move(10, 10);
        m_g->init();
        m_g->resizeTo(size);
        m_g->layoutBtn();
        m_g->setChannel(rows, 0);
        m_top->show();
        QApplication::setActiveWindow(m_top.get());
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
    }

    QPoint graphPoint(int sec, int row) const
    {
        const TTimeScale& s = m_g->scale();
        return QPoint(s.time2pos(sec - s.ts()), 20 + row * m_g->rowH() + m_g->rowH() / 2);
    }


    std::unique_ptr<ControlEnv> m_env;
    std::unique_ptr<QWidget> m_top;
    TLineGraph* m_g = nullptr;
};

QTEST_MAIN(TLineGraphTest)
#include "tlinegraphtest.moc"
