// The controller page: each control writes its own field, the key buzzer
// switch, the system keyboard rows only on their variant (in the focus walk
// as in the picture), Default with the hidden fields, Apply.
#include "../../config/fakedvr.h"
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetupctrl.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using C = TSetupCtrl;

namespace {

PropControl* ctrl(Frame& f, int live = 0)
{
    return static_cast<PropControl*>(f.fx.cfg->getsection(IDX_PROP_CONTROL, live));
}

TSetupCtrl* page(Frame& f)
{
    return static_cast<TSetupCtrl*>(f.w->page(Btn_Device_Ctrl));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    QTest::mouseClick(f.w->button(Btn_Device_Ctrl), Qt::LeftButton);
    return page(f)->isVisible();
}

TCombo* combo(Frame& f, int row)
{
    return static_cast<TCombo*>(page(f)->control(row));
}

QVector<int> fields(const PropControl* c)
{
    return {c->dvrid, c->keybuzzer, c->control, c->controlid};
}

} // namespace

class TSetupCtrlTest : public QObject
{
    Q_OBJECT
private slots:
    // A list stores its position, and only in its own field; "All" is 0,
    // "00" is 1.
    void combos_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QVector<int>>("after"); // dvrid, keybuzzer, control, controlid
        QTest::newRow("All") << int(C::R_DVRID) << 0 << QVector<int>{0, 1, 0, 5};
        QTest::newRow("00") << int(C::R_DVRID) << 1 << QVector<int>{1, 1, 0, 5};
        QTest::newRow("99") << int(C::R_DVRID) << 100 << QVector<int>{100, 1, 0, 5};
        QTest::newRow("keyboard type") << int(C::R_CONTROL) << 1 << QVector<int>{7, 1, 1, 5};
        QTest::newRow("keyboard id 01") << int(C::R_CONTROLID) << 0 << QVector<int>{7, 1, 0, 0};
    }
    void combos()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        TOemScope variant(C::OemSystemKeyboard);
        Frame f;
        *ctrl(f) = PropControl{0, 5, {0, 0}, 7, 1};
        const PropControl live = *ctrl(f, 1);
        QVERIFY(open(f));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        combo(f, row)->setCurrentIndex(index);
        QTEST(fields(ctrl(f)), "after");
        QCOMPARE(requests(req), QStringList{});
        QVERIFY(std::memcmp(ctrl(f, 1), &live, sizeof live) == 0);
    }

    // The switch shows on for a value above 0; a click turns on into off
    // and anything else into on, the switch following.
    void buzzer_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("after");
        QTest::newRow("on") << 1 << true << 0;
        QTest::newRow("off") << 0 << false << 1;
        QTest::newRow("5 is on") << 5 << true << 0;
        QTest::newRow("-1 is off") << -1 << false << 1;
    }
    void buzzer()
    {
        QFETCH(int, stored);
        Frame f;
        ctrl(f)->keybuzzer = stored;
        QVERIFY(open(f));
        auto* b = static_cast<QPushButton*>(page(f)->control(C::R_BUZZER));
        QTEST(b->isChecked(), "shown");
        QTest::mouseClick(b, Qt::LeftButton);
        QTEST(ctrl(f)->keybuzzer, "after");
        QCOMPARE(b->isChecked(), ctrl(f)->keybuzzer > 0);
    }

    // The system keyboard rows only on their variant: elsewhere the focus
    // goes from the buzzer straight to Apply and their fields keep what the
    // configuration holds; Default resets all four; Apply sends 22.
    void variant_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<int>("belowBuzzer");
        QTest::newRow("plain") << 0 << false << int(C::R_APPLY);
        QTest::newRow("system keyboard") << int(C::OemSystemKeyboard) << true << int(C::R_CONTROL);
    }
    void variant()
    {
        QFETCH(int, oem);
        QFETCH(bool, keyboard);
        TOemScope variant(oem);
        Frame f;
        *ctrl(f) = PropControl{1, 9, {0, 0}, 42, 0};
        QVERIFY(open(f));
        QCOMPARE(page(f)->control(C::R_CONTROL)->isVisible(), keyboard);
        QCOMPARE(page(f)->control(C::R_CONTROLID)->isVisible(), keyboard);
        QVERIFY(!page(f)->control(C::R_MENU)->isVisible());
        f.w->button(Btn_Device)->setFocus();
        for (int k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
            f.key(k);
        QFETCH(int, belowBuzzer);
        QVERIFY(page(f)->control(belowBuzzer)->hasFocus());
        f.w->grab().save(vkeytest::grabPath(QString("setup-ctrl-%1.png").arg(oem)));
        QCOMPARE(fields(ctrl(f)), (QVector<int>{42, 0, 1, 9}));
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(C::R_DEFAULT)), Qt::LeftButton);
        PropControl want = *ctrl(f);
        f.fx.cfg->setdefault(IDX_PROP_CONTROL);
        QCOMPARE(fields(ctrl(f)), fields(&want));
        QVERIFY(want.control != 1 && want.controlid != 9);
        QCOMPARE(combo(f, C::R_DVRID)->currentIndex(), want.dvrid);
        QCOMPARE(static_cast<QPushButton*>(page(f)->control(C::R_BUZZER))->isChecked(), want.keybuzzer > 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(C::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"22,0,0"});
    }
};

QTEST_MAIN(TSetupCtrlTest)
#include "tsetupctrltest.moc"
