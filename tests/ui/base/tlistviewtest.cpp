#include "controlenv.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tlistview.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The paged list in local and owner paging, by mouse on lines, buttons,
// puck and track, and by keys in line and button mode.
class TListViewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void cleanup()
    {
        m_top.reset();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void linesFromTheHeight_data()
    {
        QTest::addColumn<int>("height");
        const int f = QFontMetrics(QApplication::font()).height() + 2;
        QTest::newRow("ten lines") << 10 * f + 3;
        QTest::newRow("lower than a line") << f / 2;
        QTest::newRow("zero") << 0;
    }

    void linesFromTheHeight()
    {
        QFETCH(int, height);
        TListView* v = makeView(QSize(300, height), 1, 1);
        const int f = QFontMetrics(QApplication::font()).height() + 2;
        QCOMPARE(v->maxLine(), qMax(1, height / f));
        QVERIFY(v->lineH() >= 1);
        fill(v, 30, true);
        // Clicks and keys on a view this low stay inside its data.
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(5, qMax(0, height - 1)));
        activate(v);
        for (int key : {int(Qt::Key_Up), int(Qt::Key_Down), int(KEY_JOG_RIGHT), int(Qt::Key_Return)})
            v->keyEvent(key);
        v->grab();
    }

    void localPagingButtons()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        const int L = v->maxLine();
        fill(v, 3 * L + 2, true);
        QCOMPARE(v->pages(), 4);
        QCOMPARE(v->pageCur(), 3);
        QCOMPARE(v->lineText(0), QString::asprintf("2024-03-%02d holiday %d", (3 * L) % 28 + 1, 3 * L));
        QVERIFY(v->button(4)->isVisible()); // the puck
        QSignalSpy spy(v, &TListView::sg_notify);
        QTest::mouseClick(v->button(0), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 0);
        QCOMPARE(spy.last(), (QList<QVariant>{0, 0}));
        QTest::mouseClick(v->button(2), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 1);
        QCOMPARE(v->lineText(0), QString::asprintf("2024-03-%02d holiday %d", L % 28 + 1, L));
        QTest::mouseClick(v->button(1), Qt::LeftButton);
        QTest::mouseClick(v->button(1), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 0);
        QTest::mouseClick(v->button(3), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 3);
        QTest::mouseClick(v->button(2), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 3);
        QCOMPARE(spy.count(), 6);
        QCOMPARE(spy.last(), (QList<QVariant>{2, 0}));
        // The puck sits at the bottom of its track on the last page.
        QCOMPARE(v->button(4)->geometry().bottom(), v->track().top() + int(v->step() * 3) + v->button(4)->height() - 1);
        ControlEnv::shot(m_top.get(), "listview-local");
    }

    void pageButtonOnAShortListStillNotifies()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        fill(v, v->maxLine() - 1, true);
        QSignalSpy spy(v, &TListView::sg_notify);
        QTest::mouseClick(v->button(2), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{2, 0}));
    }

    void ownerPagingReportsTheWantedPage()
    {
        TListView* v = makeView(QSize(300, 200), 0, 1);
        fill(v, v->maxLine(), false);
        v->setAllPages(5);
        v->setPage(2);
        QVERIFY(v->button(4)->isVisible());
        QSignalSpy spy(v, &TListView::sg_notify);
        QTest::mouseClick(v->button(2), Qt::LeftButton);
        QCOMPARE(spy.last(), (QList<QVariant>{2, 0}));
        QCOMPARE(v->pageCur(), 0); // the view holds only the loaded page
        QCOMPARE(v->lineText(0), QString("event 0"));
        // The owner loads another page and tells the view where it is.
        v->clear();
        fill(v, 3, false);
        v->setPage(4);
        QCOMPARE(v->sliderPos(), 4);
        QCOMPARE(v->lineText(2), QString("event 2"));
        QCOMPARE(v->lineText(3), QString());
        ControlEnv::shot(m_top.get(), "listview-owner");
    }

    void trackClicksStepByATenth()
    {
        // The step itself is the pager's; here the clicks reach it and stop at the ends.
        const int allPages = 25, step = 2;
        TListView* v = makeView(QSize(300, 300), 0, 1);
        fill(v, v->maxLine(), false);
        v->setAllPages(allPages);
        v->setPage(0);
        QSignalSpy spy(v, &TListView::sg_notify);
        const QRect t = v->track();
        const QPoint below(t.center().x(), t.bottom() - 1);
        QTest::mouseClick(v, Qt::LeftButton, {}, below);
        QCOMPARE(spy.last(), (QList<QVariant>{4, step}));
        // Clicks stop at the last page, and going up at the first.
        for (int i = 0; i < 120; ++i) {
            v->setPage(v->sliderPos());
            QTest::mouseClick(v, Qt::LeftButton, {}, below);
        }
        QCOMPARE(v->sliderPos(), allPages - 1);
        const QPoint above(t.center().x(), t.top() + 1);
        for (int i = 0; i < 120; ++i) {
            v->setPage(v->sliderPos());
            QTest::mouseClick(v, Qt::LeftButton, {}, above);
        }
        QCOMPARE(v->sliderPos(), 0);
        QCOMPARE(spy.last(), (QList<QVariant>{4, 0}));
    }

    void puckDragReportsPages()
    {
        TListView* v = makeView(QSize(300, 300), 1, 1);
        fill(v, 10 * v->maxLine(), true);
        QTest::mouseClick(v->button(0), Qt::LeftButton);
        QCOMPARE(v->pageCur(), 0);
        QSignalSpy spy(v, &TListView::sg_notify);
        TButton* puck = v->button(4);
        QTest::mousePress(puck, Qt::LeftButton, {}, QPoint(5, 2));
        // The puck reports each move; drag it a third of the way down.
        const int dy = (v->track().height() - puck->height()) / 3;
        QMouseEvent move(QEvent::MouseMove, QPoint(5, 2 + dy), puck->mapToGlobal(QPoint(5, 2 + dy)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(puck, &move);
        QVERIFY(spy.count() >= 1);
        const int page = spy.last().at(1).toInt();
        QVERIFY(page >= 2 && page <= 4);
        QCOMPARE(v->pageCur(), page);
        // The puck's top follows the pointer: the release is at its top edge.
        QTest::mouseRelease(puck, Qt::LeftButton, {}, QPoint(5, 0));
        QCOMPARE(spy.last(), (QList<QVariant>{4, page}));
        // Dragged far past the end the puck stops at the last page.
        QTest::mousePress(puck, Qt::LeftButton, {}, QPoint(5, 2));
        QMouseEvent far(QEvent::MouseMove, QPoint(5, 5000), puck->mapToGlobal(QPoint(5, 5000)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(puck, &far);
        QTest::mouseRelease(puck, Qt::LeftButton, {}, QPoint(5, 0));
        QCOMPARE(v->pageCur(), 9);
    }

    void onePageOrNoneHasNoPuck_data()
    {
        QTest::addColumn<int>("local");
        QTest::addColumn<int>("texts");
        QTest::newRow("local, none") << 1 << 0;
        QTest::newRow("owner, one page") << 0 << 3;
    }

    void onePageOrNoneHasNoPuck()
    {
        QFETCH(int, local);
        QFETCH(int, texts);
        TListView* v = makeView(QSize(300, 200), local, 1);
        fill(v, texts, local);
        v->setAllPages(v->pages());
        v->relayout();
        QVERIFY(!v->button(4)->isVisible());
        QCOMPARE(v->step(), 0.0);
        QSignalSpy spy(v, &TListView::sg_notify);
        // The track, the puck's slot and the buttons: nothing leaves the data.
        QTest::mouseClick(v, Qt::LeftButton, {}, v->track().center());
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(v->track().center().x(), v->track().bottom() - 1));
        QCOMPARE(spy.count(), 0);
        for (int id = 0; id < 4; ++id)
            QTest::mouseClick(v->button(id), Qt::LeftButton);
        QCOMPARE(spy.count(), 4);
        QCOMPARE(v->pageCur(), 0);
        v->movePuck(3);
        v->syncPuck();
        if (texts)
            v->removeItem(QStringLiteral("event 0"));
        v->removeItem(QStringLiteral("nothing"));
        QCOMPARE(spy.count(), 4); // no page under a hidden puck
        v->grab();
    }

    void findAndToggleItems()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        v->findItem("a");
        v->findItem("b");
        v->findItem("a");
        QCOMPARE(v->count(), 2);
        QCOMPARE(v->addItem("c"), 0);
        QCOMPARE(v->count(), 3);
        QCOMPARE(v->addItem("a"), 1);
        QCOMPARE(v->count(), 2);
        QCOMPARE(v->lineText(0), QString("b"));
        v->clear();
        QCOMPARE(v->count(), 0);
        QCOMPARE(v->pages(), 0);
    }

    void mouseOnLines()
    {
        TListView* v = makeView(QSize(300, 200), 0, 1);
        fill(v, 4, false);
        for (int i = 0; i < 4; ++i)
            v->setLineData(i, 100 + i);
        v->setLineData(v->maxLine(), 7); // beyond the page: ignored
        QSignalSpy notify(v, &TListView::sg_notify);
        QSignalSpy one(v, &TListView::sg_oneclicked);
        QSignalSpy two(v, &TListView::sg_clicked);
        const QPoint line2(20, 2 * v->lineH() + v->lineH() / 2);
        QTest::mouseClick(v, Qt::LeftButton, {}, line2);
        QCOMPARE(notify.last(), (QList<QVariant>{5, 2}));
        QCOMPARE(one.count(), 1);
        QCOMPARE(one.at(0).at(0).toInt(), 102);
        QCOMPARE(v->currentText(), QString("event 2"));
        QTest::mouseDClick(v, Qt::LeftButton, {}, line2);
        QCOMPARE(two.count(), 1);
        QCOMPARE(two.at(0).at(0).toInt(), 102);
        // A line without a text cannot be selected.
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(20, 6 * v->lineH() + 3));
        QCOMPARE(v->curIdx(), -1);
        QCOMPARE(v->currentText(), QString());
        ControlEnv::shot(m_top.get(), "listview-mouse");
    }

    void lineModeKeys()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        const int L = v->maxLine();
        fill(v, L + 3, true); // the last page holds 3 lines
        for (int i = 0; i < L; ++i)
            v->setLineData(i, i * 10);
        activate(v);
        QCOMPARE(v->keyMode(), 1);
        QCOMPARE(v->curIdx(), 0);
        QCOMPARE(v->keyEvent(Qt::Key_Up), 1);
        QCOMPARE(v->curIdx(), 2); // the page's last line
        QCOMPARE(v->keyEvent(Qt::Key_Down), 1);
        QCOMPARE(v->curIdx(), 0);
        v->keyEvent(Qt::Key_Down);
        QSignalSpy clicked(v, &TListView::sg_clicked);
        v->keyEvent(Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 10);
        // A full page wraps from its last line to line 0.
        QTest::mouseClick(v->button(0), Qt::LeftButton);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(20, v->lineH() / 2));
        QCOMPARE(v->curIdx(), 0);
        v->keyEvent(Qt::Key_Up);
        QCOMPARE(v->curIdx(), L - 1);
        v->keyEvent(Qt::Key_Down);
        QCOMPARE(v->curIdx(), 0);
    }

    void buttonModeKeys()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        fill(v, 5 * v->maxLine(), true);
        activate(v);
        v->keyEvent(Qt::Key_Right);
        QCOMPARE(v->keyMode(), 2);
        QCOMPARE(v->focusedButton(), 0);
        v->keyEvent(Qt::Key_Up);
        QCOMPARE(v->focusedButton(), 0);
        for (int i = 0; i < 5; ++i)
            v->keyEvent(Qt::Key_Down);
        QCOMPARE(v->focusedButton(), 3);
        v->keyEvent(Qt::Key_Up);
        QCOMPARE(v->focusedButton(), 2);
        QSignalSpy spy(v, &TListView::sg_notify);
        v->keyEvent(Qt::Key_Up);
        v->keyEvent(Qt::Key_Enter); // previous page
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{1, 0}));
        QCOMPARE(v->pageCur(), 3);
        ControlEnv::shot(m_top.get(), "listview-buttons");
        // Left returns to the lines.
        v->keyEvent(Qt::Key_Left);
        QCOMPARE(v->keyMode(), 1);
        QCOMPARE(v->focusedButton(), -1);
    }

    void jogLeavesTheLinesForTheButtons()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        fill(v, 3, true);
        activate(v);
        v->keyEvent(KEY_JOG_RIGHT);
        v->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(v->curIdx(), 2);
        v->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(v->curIdx(), -1);
        QCOMPARE(v->focusedButton(), 0);
        v->keyEvent(KEY_JOG_RIGHT); // with a button focused: the next button
        QCOMPARE(v->focusedButton(), 1);
        v->keyEvent(Qt::Key_Left); // to button mode, then
        v->keyEvent(Qt::Key_Left); // back to the lines
        v->keyEvent(KEY_JOG_LEFT);
        QCOMPARE(v->focusedButton(), 3);
        QCOMPARE(v->curIdx(), -1);
    }

    void inactiveViewDeclinesKeys()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        fill(v, 3, true);
        for (int key : {int(Qt::Key_Up), int(Qt::Key_Return), int(KEY_JOG_LEFT), int(Qt::Key_A)})
            QCOMPARE(v->keyEvent(key), 0);
        activate(v);
        for (int key : {int(Qt::Key_A), int(Qt::Key_F5)})
            QCOMPARE(v->keyEvent(key), 1);
        QCOMPARE(v->keyEvent(Qt::Key_Escape), 1);
        QCOMPARE(v->isActive(), 0);
        QVERIFY(!v->selRect().isValid());
        QCOMPARE(v->keyEvent(Qt::Key_Down), 0);
    }

    void readOnlyListStartsOnTheButtons()
    {
        TListView* v = makeView(QSize(300, 200), 1, 0);
        fill(v, 2 * v->maxLine(), true);
        activate(v);
        QCOMPARE(v->keyMode(), 2);
        QCOMPARE(v->focusedButton(), 0);
        QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(20, 5));
        QCOMPARE(v->curIdx(), -1);
        QVERIFY(v->currentText().isEmpty());
    }

    void currentTextOfMissingItemsIsEmpty()
    {
        TListView* v = makeView(QSize(300, 200), 1, 1);
        QCOMPARE(v->currentText(), QString());
        QCOMPARE(v->lineText(-1), QString());
        QCOMPARE(v->lineText(1000), QString());
        v->setMaxLine(-5);
        QCOMPARE(v->maxLine(), 1);
        v->setMaxLine(3);
        QCOMPARE(v->maxLine(), 4);
        v->setMaxLine(0x7fffffff);
        QCOMPARE(v->maxLine(), 4096);
        v->setLineData(4095, 1);
        v->setLineData(4096, 1);
    }

    void keyReleasesStayWithTheView()
    {
        auto* top = new ReleaseCounter;
        m_top.reset(top);
        top->resize(320, 220);
        auto* v = new TListView(top, -1, QSize(300, 200), 0, 1);
        v->init();
        fill(v, 5, false);
        top->show();
        QApplication::setActiveWindow(top);
        QVERIFY(QTest::qWaitForWindowActive(top));
        activate(v);
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Down), int(Qt::Key_Escape)})
            QTest::keyRelease(v, Qt::Key(key));
        QCOMPARE(top->releases, 0);
    }


private:
    TListView* makeView(QSize size, int local, int selectable)
    {
        m_top.reset(new QWidget);
        m_top->resize(size.width() + 20, size.height() + 20);
        auto* v = new TListView(m_top.get(), -1, size, local, selectable);
        v->move(10, 10);
        v->init();
        m_top->show();
        QApplication::setActiveWindow(m_top.get());
        if (!QTest::qWaitForWindowActive(m_top.get()))
            qWarning("window not active");
        return v;
    }

    void fill(TListView* v, int n, bool local)
    {
        for (int i = 0; i < n; ++i) {
            if (local)
                v->addItem(QString::asprintf("2024-03-%02d holiday %d", i % 28 + 1, i));
            else
                v->findItem(QString::asprintf("event %d", i));
        }
    }

    void activate(TListView* v)
    {
        v->setFocus();
        QTest::keyClick(v, Qt::Key_Return);
        QCOMPARE(v->isActive(), 1);
    }


    std::unique_ptr<ControlEnv> m_env;
    std::unique_ptr<QWidget> m_top;
};

QTEST_MAIN(TListViewTest)
#include "tlistviewtest.moc"
