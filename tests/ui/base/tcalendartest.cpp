#include "controlenv.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tcalendarpop.h"
#include "tkeys.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The month calendar and its entry list, driven by mouse and keys.
class TCalendarTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void init()
    {
        m_top.reset(new QWidget);
        m_top->resize(300, 260);
        m_cal = new TCalendar(m_top.get(), 0, QSize(280, 240));
        m_cal->move(10, 10);
        m_cal->init();
        m_cal->setMonth(2024, 3);
        m_cal->setDay(15);
        m_top->show();
        QApplication::setActiveWindow(m_top.get());
        QVERIFY(QTest::qWaitForWindowActive(m_top.get()));
    }

    void cleanup()
    {
        m_top.reset();
        m_cal = nullptr;
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void monthButtonsKeepTheDayWhenTheMonthHasIt_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("button");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan -> 1 Feb") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 1);
        QTest::newRow("29 Jan 2024 -> 29 Feb") << QDate(2024, 1, 29) << 1 << QDate(2024, 2, 29);
        QTest::newRow("Jan -> Dec same year") << QDate(2024, 1, 10) << 0 << QDate(2024, 12, 10);
        QTest::newRow("Dec -> Jan same year") << QDate(2024, 12, 31) << 1 << QDate(2024, 1, 31);
    }

    void monthButtonsKeepTheDayWhenTheMonthHasIt()
    {
        QFETCH(QDate, from);
        QFETCH(int, button);
        QFETCH(QDate, to);
        m_cal->setMonth(from.year(), from.month());
        m_cal->setDay(from.day());
        QSignalSpy spy(m_cal, &TCalendar::sg_changeMonth);
        QTest::mouseClick(m_cal->button(button), Qt::LeftButton);
        QCOMPARE(m_cal->date(), to);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDate(), to);
        QCOMPARE(m_cal->dayAt(m_cal->cellOfDay(1)), 1);
    }

    void selectModeAsksTheOwnerToChangeMonth()
    {
        m_cal->setMode(1);
        QSignalSpy state(m_cal, &TCalendar::sg_state);
        QSignalSpy month(m_cal, &TCalendar::sg_changeMonth);
        QTest::mouseClick(m_cal->button(0), Qt::LeftButton);
        QTest::mouseClick(m_cal->button(1), Qt::LeftButton);
        QCOMPARE(state.count(), 2);
        QCOMPARE(state.at(0).at(0).toInt(), -1);
        QCOMPARE(state.at(1).at(0).toInt(), 1);
        QCOMPARE(month.count(), 0);
        QCOMPARE(m_cal->date(), QDate(2024, 3, 15));
    }

    void clickChoosesADay()
    {
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(20));
        QCOMPARE(m_cal->date(), QDate(2024, 3, 20));
        QCOMPARE(m_cal->focusCell(), m_cal->cellOfDay(20));
        QVERIFY(m_cal->hasFocus());
        // An empty cell clears the key focus and keeps the day.
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, m_cal->cellRect(0).center());
        QCOMPARE(m_cal->focusCell(), -1);
        QCOMPARE(m_cal->date(), QDate(2024, 3, 20));
        // The header rows are not days.
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, QPoint(140, 10));
        QCOMPARE(m_cal->date(), QDate(2024, 3, 20));
    }

    void selectModeOnlyChoosesMarkedDays()
    {
        m_cal->setMode(1);
        m_cal->setMark(5, 1);
        m_cal->setMark(12, 4);
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(7));
        QCOMPARE(m_cal->date(), QDate(2024, 3, 15));
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(5));
        QCOMPARE(m_cal->date(), QDate(2024, 3, 5));
        // The arrows skip unmarked days.
        QCOMPARE(m_cal->isOn(), 1);
        m_cal->keyEvent(Qt::Key_Down);
        QCOMPARE(m_cal->date(), QDate(2024, 3, 12));
        ControlEnv::shot(m_top.get(), "calendar-select");
    }

    void doubleClickReportsTheDay()
    {
        QSignalSpy spy(m_cal, &TCalendar::sg_dblclicked);
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(9));
        QTest::mouseDClick(m_cal, Qt::LeftButton, {}, centre(9));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDate(), QDate(2024, 3, 9));
    }

    void keysWalkTheDaysAndTheMonthButtons()
    {
        QCOMPARE(m_cal->keyEvent(Qt::Key_Left), 0); // not active yet
        activate();
        QCOMPARE(m_cal->focusCell(), m_cal->cellOfDay(15));
        m_cal->keyEvent(Qt::Key_Right);
        QCOMPARE(m_cal->date().day(), 16);
        m_cal->keyEvent(Qt::Key_Up);
        QCOMPARE(m_cal->date().day(), 9);
        m_cal->keyEvent(KEY_JOG_LEFT);
        QCOMPARE(m_cal->date().day(), 8);
        // The jog ring: last day -> previous-month button -> next-month button -> day 1.
        for (int i = 0; i < 23; ++i)
            m_cal->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(m_cal->date().day(), 31);
        m_cal->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(m_cal->currentButton(), m_cal->button(0));
        QVERIFY(m_cal->button(0)->hasFocus());
        m_cal->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(m_cal->currentButton(), m_cal->button(1));
        m_cal->keyEvent(KEY_JOG_RIGHT);
        QCOMPARE(m_cal->currentButton(), nullptr);
        QCOMPARE(m_cal->date().day(), 1);
        // And backwards from day 1 to the next-month button.
        m_cal->keyEvent(KEY_JOG_LEFT);
        QCOMPARE(m_cal->currentButton(), m_cal->button(1));
        // Left and Right swap the month buttons; Enter presses one.
        m_cal->keyEvent(Qt::Key_Left);
        QCOMPARE(m_cal->currentButton(), m_cal->button(0));
        QCOMPARE(m_cal->row(), 2);
        QSignalSpy month(m_cal, &TCalendar::sg_changeMonth);
        m_cal->keyEvent(Qt::Key_Return);
        QTRY_COMPARE(month.count(), 1);
        QCOMPARE(m_cal->date().month(), 2);
        // Down from a button enters the grid.
        m_cal->keyEvent(Qt::Key_Down);
        QCOMPARE(m_cal->currentButton(), nullptr);
        QCOMPARE(m_cal->row(), 1);
        QVERIFY(m_cal->focusCell() >= 0);
        ControlEnv::shot(m_top.get(), "calendar-keys");
    }

    void downFromTheLastWeekGoesToTheButtons()
    {
        activate();
        m_cal->setDay(30); // 30 March 2024: last week, nothing below
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(30));
        m_cal->keyEvent(Qt::Key_Down);
        QCOMPARE(m_cal->currentButton(), m_cal->button(0));
        QCOMPARE(m_cal->row(), 2);
    }

    void escapeHandsTheKeysBack()
    {
        activate();
        QCOMPARE(m_cal->keyEvent(Qt::Key_Escape), 1);
        QCOMPARE(m_cal->isOn(), 0);
        QCOMPARE(m_cal->focusCell(), -1);
        QCOMPARE(m_cal->keyEvent(Qt::Key_Right), 0);
    }

    void entryListOfThree()
    {
        QSignalSpy picked(m_cal, &TCalendar::sg_dayindex);
        QSignalSpy listPicked(m_cal->pop(), &TCalendarPop::sg_clicked);
        m_cal->setMark(15, 3);
        activate();
        m_cal->keyEvent(Qt::Key_Return);
        TCalendarPop* pop = m_cal->pop();
        QVERIFY(pop->isVisible());
        QCOMPARE(pop->count(), 3);
        QCOMPARE(pop->first(), 0);
        QCOMPARE(pop->focusItem(), 3); // the empty slot after "3"
        QCOMPARE(pop->geometry().topLeft(), m_cal->mapToGlobal(QPoint(0, (m_cal->cellOfDay(15) / 7 + 2) * (240 / 8))));
        ControlEnv::shot(pop, "calendar-entries-3");
        m_cal->keyEvent(Qt::Key_Left);
        QCOMPARE(pop->focusItem(), 2);
        m_cal->keyEvent(Qt::Key_Return);
        QCOMPARE(listPicked.count(), 1);
        QCOMPARE(listPicked.at(0).at(0).toInt(), 3);
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).toInt(), 3);
        QVERIFY(!pop->isVisible());
    }

    void entryListPagesThroughNine()
    {
        m_cal->setMode(1);
        m_cal->setMark(12, 9);
        QTest::mouseClick(m_cal, Qt::LeftButton, {}, centre(12));
        QTest::mouseDClick(m_cal, Qt::LeftButton, {}, centre(12));
        TCalendarPop* pop = m_cal->pop();
        QVERIFY(pop->isVisible());
        QCOMPARE(pop->first(), 3); // "4" .. "9"
        QCOMPARE(pop->shown(), 6);
        QTest::mouseClick(pop->button(0), Qt::LeftButton);
        QCOMPARE(pop->first(), 2); // "3" .. "8"
        QTest::mouseClick(pop->button(1), Qt::LeftButton);
        QCOMPARE(pop->first(), 3);
        QTest::mouseClick(pop->button(1), Qt::LeftButton);
        QCOMPARE(pop->first(), 3); // no further
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(pop->button(0), Qt::LeftButton);
        QCOMPARE(pop->first(), 0);
        // A double click on an item picks it.
        QSignalSpy picked(m_cal, &TCalendar::sg_dayindex);
        QTest::mouseDClick(pop, Qt::LeftButton, {}, pop->itemRect(4).center());
        QCOMPARE(picked.count(), 1);
        QCOMPARE(picked.at(0).at(0).toInt(), 5);
        QVERIFY(!pop->isVisible());
    }

    void entryListByMouseAndKeysOnItsButtons()
    {
        m_cal->setMark(15, 8);
        activate();
        m_cal->keyEvent(Qt::Key_Return);
        TCalendarPop* pop = m_cal->pop();
        QVERIFY(pop->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(pop));
        QCOMPARE(pop->first(), 2);
        // Right past the last item goes to the down button, on to close, up,
        // and round to the first item.
        QCOMPARE(pop->focusItem(), 6);
        m_cal->keyEvent(Qt::Key_Right);
        QVERIFY(pop->button(1)->hasFocus());
        QCOMPARE(pop->focusItem(), -1);
        m_cal->keyEvent(Qt::Key_Right);
        QVERIFY(pop->button(2)->hasFocus());
        m_cal->keyEvent(Qt::Key_Right);
        QVERIFY(pop->button(0)->hasFocus());
        m_cal->keyEvent(Qt::Key_Return); // scroll up by one
        QTRY_COMPARE(pop->first(), 1);
        m_cal->keyEvent(Qt::Key_Right);
        QCOMPARE(pop->focusItem(), 0);
        // Down is not the list's: taken, nothing moves.
        QCOMPARE(m_cal->keyEvent(Qt::Key_Down), 1);
        QCOMPARE(pop->focusItem(), 0);
        // A release on an item marks it; Escape closes the list.
        QTest::mouseClick(pop, Qt::LeftButton, {}, pop->itemRect(3).center());
        QCOMPARE(pop->focusItem(), 3);
        m_cal->keyEvent(Qt::Key_Escape);
        QVERIFY(!pop->isVisible());
    }

    void entryListFramesOnlyWhenItHasTheFocus()
    {
        m_cal->setMark(15, 3);
        activate();
        m_cal->keyEvent(Qt::Key_Return);
        TCalendarPop* pop = m_cal->pop();
        QVERIFY(QTest::qWaitForWindowActive(pop));
        QTRY_VERIFY(pop->hasFocus());
        const QColor focus = g_res->getColor(37);
        // The list has the keys: the marked slot is framed, the list is not.
        m_cal->keyEvent(Qt::Key_Left);
        QCOMPARE(pop->focusItem(), 2);
        QImage img = pop->grab().toImage();
        QCOMPARE(img.pixelColor(pop->itemRect(2).left() + 2, pop->height() / 2), focus);
        QVERIFY(img.pixelColor(0, pop->height() / 2) != focus);
        // Left past the first item gives the keys to the up button: the list
        // has lost the focus and draws no frame of its own.
        for (int i = 0; i < 3; ++i)
            m_cal->keyEvent(Qt::Key_Left);
        QVERIFY(pop->button(0)->hasFocus());
        img = pop->grab().toImage();
        ControlEnv::shot(pop, "calendar-entries-on-button");
        QVERIFY(img.pixelColor(0, pop->height() / 2) != focus);
        QVERIFY(img.pixelColor(pop->width() / 2, 0) != focus);
        QVERIFY(img.pixelColor(pop->itemRect(2).left() + 2, pop->height() / 2) != focus);
    }

    void selectDayStoresTheSelection()
    {
        m_cal->setMode(1);
        m_cal->setMark(22, 1);
        m_cal->selectDay(22);
        QCOMPARE(m_cal->selMonth(), 3);
        QCOMPARE(m_cal->date().day(), 22);
        // A day the month does not show leaves everything as it was.
        m_cal->selectDay(40);
        QCOMPARE(m_cal->date().day(), 22);
    }

    void tinySizesPaintSafely()
    {
        for (const QSize& s : {QSize(0, 0), QSize(6, 7), QSize(30, 20)}) {
            auto* c = new TCalendar(m_top.get(), 0, s);
            c->init();
            c->setMonth(2024, 2);
            c->setMark(3, 2);
            c->show();
            c->grab();
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(1, 1));
            c->setFocus();
            QTest::keyClick(c, Qt::Key_Return);
            for (int key : {int(Qt::Key_Down), int(Qt::Key_Up), int(KEY_JOG_RIGHT), int(Qt::Key_Left), int(Qt::Key_Escape)})
                c->keyEvent(key);
            QCOMPARE(c->focusCell(), -1);
            delete c;
        }
    }


private:
    QPoint centre(int day) const { return m_cal->cellRect(m_cal->cellOfDay(day)).center(); }
    void activate()
    {
        m_cal->setFocus();
        QTest::keyClick(m_cal, Qt::Key_Return);
        QCOMPARE(m_cal->isOn(), 1);
    }


    std::unique_ptr<ControlEnv> m_env;
    std::unique_ptr<QWidget> m_top;
    TCalendar* m_cal = nullptr;
};

QTEST_MAIN(TCalendarTest)
#include "tcalendartest.moc"
