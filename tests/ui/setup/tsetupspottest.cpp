// The spot output page and the order lists it shares with the display page:
// the swap and repair tables, the step lists driven through the frame,
// Default and Apply, the focus grid.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetupspot.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

using Order = QVector<int>;

PropSpot* spot(Frame& f, int live = 0)
{
    return static_cast<PropSpot*>(f.fx.cfg->getsection(IDX_PROP_SPOT, live));
}

TSetupSpot* page(Frame& f)
{
    return static_cast<TSetupSpot*>(f.w->page(Btn_Display_Spot));
}

// An order of 20 from its first entries; the rest the identity.
void fill(int32_t* orders, const Order& first)
{
    for (int i = 0; i < TSetupPage::CAMERAS; ++i)
        orders[i] = i < first.size() ? first[i] : i;
}

Order firstOf(const int32_t* orders, int n)
{
    return Order(orders, orders + n);
}

void press(Frame& f, const QString& keys)
{
    for (const QChar c : keys)
        f.key(c == 'U' ? int(Qt::Key_Up) : c == 'D' ? int(Qt::Key_Down) : c == 'L' ? int(Qt::Key_Left)
                                                                                 : int(Qt::Key_Right));
}

int focusRow(TSetupPage* p)
{
    for (int r = 0; p->control(r); ++r)
        if (p->control(r)->hasFocus())
            return r;
    return -1;
}

} // namespace

class TSetupSpotTest : public QObject
{
    Q_OBJECT
private slots:
    // A position takes a list entry: "X" never swaps; a camera another
    // position holds swaps the two; an empty position passes its "X" on.
    void choose_data()
    {
        QTest::addColumn<Order>("before");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("index");
        QTest::addColumn<Order>("after");
        QTest::addColumn<int>("swapped");
        QTest::newRow("camera 3 to step 0") << Order{0, 1, 2, 3} << 0 << 4 << Order{3, 1, 2, 0} << 3;
        QTest::newRow("a free camera") << Order{0, -1, 2, -1} << 1 << 4 << Order{0, 3, 2, -1} << -1;
        QTest::newRow("X never swaps") << Order{0, 1, 2, 3} << 2 << 0 << Order{0, 1, -1, 3} << -1;
        QTest::newRow("empty step passes its X on") << Order{-1, 1, 2, 3} << 0 << 3 << Order{2, 1, -1, 3} << 2;
        QTest::newRow("its own camera again") << Order{0, 1, 2, 3} << 1 << 2 << Order{0, 1, 2, 3} << -1;
        QTest::newRow("step beyond the cameras") << Order{0, 1, 2, 3} << 4 << 1 << Order{0, 1, 2, 3} << -1;
        QTest::newRow("camera beyond the cameras") << Order{0, 1, 2, 3} << 0 << 5 << Order{0, 1, 2, 3} << -1;
    }
    void choose()
    {
        QFETCH(Order, before);
        QFETCH(int, step);
        QFETCH(int, index);
        int32_t o[TSetupPage::CAMERAS];
        fill(o, before);
        QTEST(TSetupOrderPage::choose(o, before.size(), step, index), "swapped");
        QTEST(firstOf(o, before.size()), "after");
        for (int i = before.size(); i < TSetupPage::CAMERAS; ++i)
            QCOMPARE(o[i], i);
    }

    // A stored order naming a camera twice becomes the identity; empty
    // positions never count; positions beyond the cameras are not looked at.
    void repair_data()
    {
        QTest::addColumn<Order>("before");
        QTest::addColumn<int>("n");
        QTest::addColumn<Order>("after");
        QTest::newRow("duplicate") << Order{3, 1, 3, 0} << 4 << Order{0, 1, 2, 3};
        QTest::newRow("two X") << Order{-1, 1, -1, 0} << 4 << Order{-1, 1, -1, 0};
        QTest::newRow("duplicate beyond n") << Order{0, 1, 2, 3, 0} << 4 << Order{0, 1, 2, 3, 0};
        QTest::newRow("32-channel unit: 20 looked at") << Order{1, 0} << 32 << Order{1, 0};
    }
    void repair()
    {
        QFETCH(Order, before);
        QFETCH(int, n);
        int32_t o[TSetupPage::CAMERAS];
        fill(o, before);
        QFETCH(Order, after);
        TSetupOrderPage::repair(o, n);
        QCOMPARE(firstOf(o, after.size()), after);
    }

    // Through the page: the stored steps shown (a duplicate as the
    // identity, kept in the edit copy), a choice swapped with its combo
    // following, the live copy untouched.
    void steps_data()
    {
        QTest::addColumn<Order>("stored");
        QTest::addColumn<Order>("shown");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("index");
        QTest::addColumn<Order>("after");
        QTest::newRow("camera 3 to step 0") << Order{0, 1, 2, 3} << Order{1, 2, 3, 4} << 0 << 4 << Order{3, 1, 2, 0};
        QTest::newRow("X to step 2") << Order{0, 1, 2, 3} << Order{1, 2, 3, 4} << 2 << 0 << Order{0, 1, -1, 3};
        QTest::newRow("stored duplicate: identity") << Order{2, 2, 1, 0} << Order{1, 2, 3, 4} << 1 << 2
                                                  << Order{0, 1, 2, 3};
        QTest::newRow("stored two X") << Order{-1, 1, -1, 0} << Order{0, 2, 0, 1} << 0 << 1 << Order{0, 1, -1, -1};
    }
    void steps()
    {
        QFETCH(Order, stored);
        QFETCH(int, step);
        QFETCH(int, index);
        QFETCH(Order, after);
        Frame f;
        fill(spot(f)->orders, stored);
        const PropSpot live = *spot(f, 1);
        QVERIFY(f.show());
        f.w->sl_btnclicked(Btn_Display_Spot, 0);
        QVERIFY(page(f)->isVisible());
        Order shown;
        for (int i = 0; i < 4; ++i)
            shown << page(f)->orderCombo(i)->currentIndex();
        QTEST(shown, "shown");
        page(f)->orderCombo(step)->setCurrentIndex(index);
        QCOMPARE(firstOf(spot(f)->orders, 4), after);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(page(f)->orderCombo(i)->currentIndex(), spot(f)->orders[i] + 1);
        QVERIFY(std::memcmp(spot(f, 1), &live, sizeof live) == 0);
    }

    // Mode, dwell and the skip switch write their fields; Default puts the
    // section back and reloads; Apply sends 7; Menu is never shown.
    void fields()
    {
        Frame f;
        spot(f)->skip_vloss = 0;
        spot(f)->cvbs = 1;
        QVERIFY(f.show());
        f.w->sl_btnclicked(Btn_Display_Spot, 0);
        TSetupSpot* p = page(f);
        QVERIFY(!p->control(TSetupSpot::R_MENU)->isVisible());
        QCOMPARE(static_cast<TButton*>(p->control(TSetupSpot::R_SKIP))->isChecked(), false);
        static_cast<TCombo*>(p->control(TSetupSpot::R_MODE))->setCurrentIndex(0);
        static_cast<TCombo*>(p->control(TSetupSpot::R_DWELL))->setCurrentIndex(9);
        QTest::mouseClick(static_cast<QPushButton*>(p->control(TSetupSpot::R_SKIP)), Qt::LeftButton);
        QCOMPARE(spot(f)->mode, 0);
        QCOMPARE(spot(f)->dwell, 9);
        QCOMPARE(spot(f)->skip_vloss, 1);
        p->orderCombo(0)->setCurrentIndex(0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(p->control(TSetupSpot::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"7,0,0"});
        QTest::mouseClick(static_cast<QPushButton*>(p->control(TSetupSpot::R_DEFAULT)), Qt::LeftButton);
        QCOMPARE(spot(f)->mode, 1);
        QCOMPARE(spot(f)->dwell, 1);
        QCOMPARE(spot(f)->cvbs, 0); // the hidden signal setting with them
        QCOMPARE(spot(f)->orders[0], 0);
        QCOMPARE(p->orderCombo(0)->currentIndex(), 1);
        QCOMPARE(static_cast<TCombo*>(p->control(TSetupSpot::R_DWELL))->currentIndex(), 1);
    }

    // Steps beyond the unit's cameras are hidden; a 32-channel unit shows
    // 20, and its lists offer 20 cameras.
    void visibleSteps_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<int>("shown");
        QTest::newRow("4") << 4 << 4;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("32") << 32 << 20;
    }
    void visibleSteps()
    {
        QFETCH(int, videos);
        QFETCH(int, shown);
        Frame f;
        for (int live : {0, 1})
            static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->videos = videos;
        f.w->evtLanguage(); // the lists follow the unit
        QVERIFY(f.show());
        f.w->sl_btnclicked(Btn_Display_Spot, 0);
        int visible = 0;
        for (int i = 0; i < TSetupPage::CAMERAS; ++i)
            visible += page(f)->orderCombo(i)->isVisible() ? 1 : 0;
        QCOMPARE(visible, shown);
        QCOMPARE(page(f)->orderCombo(0)->count(), shown + 1);
        // The last camera chosen for step 0 swaps with the step holding it.
        page(f)->orderCombo(0)->setCurrentIndex(shown);
        QCOMPARE(spot(f)->orders[0], shown - 1);
        QCOMPARE(spot(f)->orders[shown - 1], 0);
        if (videos == 16)
            f.w->grab().save(vkeytest::grabPath("setup-spot.png"));
    }

    // The focus walk: item to mode, down the lists into the step grid,
    // across its columns and out of its edges, down to the buttons.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("button");
        const int s0 = TSetupSpot::R_STEP0;
        QTest::newRow("item right: mode") << "DR" << int(TSetupSpot::R_MODE) << -1;
        QTest::newRow("down to the skip switch") << "DRDD" << int(TSetupSpot::R_SKIP) << -1;
        QTest::newRow("into the grid") << "DRDDD" << s0 << -1;
        QTest::newRow("across the grid") << "DRDDDRRR" << s0 + 3 << -1;
        QTest::newRow("out at the right: the item") << "DRDDDRRRR" << -1 << int(Btn_Display_Spot);
        QTest::newRow("down the grid") << "DRDDDDD" << s0 + 8 << -1;
        QTest::newRow("16 cameras: last row to Default") << "DRDDDDDDD" << int(TSetupSpot::R_DEFAULT) << -1;
        QTest::newRow("up from Default: the grid") << "DRDDDDDDDU" << s0 + 12 << -1;
    }
    void focusWalk()
    {
        QFETCH(QString, keys);
        Frame f;
        QVERIFY(f.show());
        // From the Display tab: down leads to the page's own item.
        f.w->sl_btnclicked(Btn_Display_Spot, 0);
        f.w->button(Btn_Display)->setFocus();
        press(f, keys);
        QTEST(focusRow(page(f)), "row");
        QTEST(f.focusId(), "button");
    }
};

QTEST_MAIN(TSetupSpotTest)
#include "tsetupspottest.moc"
