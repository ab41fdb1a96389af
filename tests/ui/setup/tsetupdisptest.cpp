// The display page: the output confirmation as a state machine (the test
// drives the timer), the display order lists, the monitor colour previews,
// Default and Apply, the focus walk.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tsetupdisp.h"
#include "tslider.h"

#include <QTimer>
#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

PropDisplay* disp(Frame& f, int live = 0)
{
    return static_cast<PropDisplay*>(f.fx.cfg->getsection(IDX_PROP_DISPLAY, live));
}

TSetupDisp* page(Frame& f)
{
    return static_cast<TSetupDisp*>(f.w->page(Btn_Display_Disp));
}

TCombo* combo(Frame& f, int row)
{
    return static_cast<TCombo*>(page(f)->control(row));
}

// The frame on the display page, the unit at (res, device).
bool openAt(Frame& f, int res, int device)
{
    for (int live : {0, 1}) {
        disp(f, live)->res = res;
        disp(f, live)->device2 = device;
    }
    if (!f.show())
        return false;
    f.w->sl_btnclicked(Btn_Display_Disp, 0);
    return page(f)->isVisible();
}

int focusRow(TSetupPage* p)
{
    for (int r = 0; p->control(r); ++r)
        if (p->control(r)->hasFocus())
            return r;
    return -1;
}

} // namespace

class TSetupDispTest : public QObject
{
    Q_OBJECT
private slots:
    // A resolution or device change switches the output at once and asks;
    // OK keeps it, CANCEL and the time-out put back the output as it was
    // before the change asked about, with the lists following. The timer
    // runs once and is stopped by every answer.
    void confirmation_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer"); // ok, cancel, timeout
        QTest::addColumn<QStringList>("want");
        QTest::addColumn<int>("res");
        QTest::addColumn<int>("device");
        const int R = TSetupDisp::R_RES, D = TSetupDisp::R_DEVICE;
        QTest::newRow("resolution kept") << R << 1 << "ok" << QStringList{"44,1,2"} << 1 << 2;
        QTest::newRow("resolution cancelled") << R << 1 << "cancel" << QStringList{"44,1,2", "44,3,2"} << 3 << 2;
        QTest::newRow("resolution timed out") << R << 1 << "timeout" << QStringList{"44,1,2", "44,3,2"} << 3 << 2;
        // On an HDMI unit a cancelled resolution leaves HDMI.
        QTest::newRow("cross-field: device kept on cancel") << R << 0 << "cancel"
                                                           << QStringList{"44,0,2", "44,3,2"} << 3 << 2;
        QTest::newRow("device cancelled") << D << 1 << "cancel" << QStringList{"44,3,1", "44,3,2"} << 3 << 2;
        QTest::newRow("device timed out") << D << 0 << "timeout" << QStringList{"44,3,0", "44,3,2"} << 3 << 2;
        QTest::newRow("device kept") << D << 0 << "ok" << QStringList{"44,3,0"} << 3 << 0;
    }
    void confirmation()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        QFETCH(QString, answer);
        Frame f;
        QVERIFY(openAt(f, 3, 2));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        combo(f, row)->setCurrentIndex(index);
        QVERIFY(f.msg->isVisible());
        QCOMPARE(f.msg->title(), QStringLiteral("Display"));
        QCOMPARE(f.msg->text(), QStringLiteral("Are You Sure?"));
        QCOMPARE(page(f)->asking(), 1);
        QTimer* t = page(f)->confirmTimer();
        QVERIFY(t->isActive() && t->isSingleShot());
        QCOMPARE(t->interval(), int(TSetupDisp::CONFIRM_MS));
        if (answer == "timeout") {
            // The test makes the 15 s pass at once: the tick comes from the
            // timer through its own connection.
            t->start(1);
            QTRY_VERIFY(!f.msg->isVisible());
        } else {
            QTest::mouseClick(f.msg->button(answer == "ok" ? MSGBTN_OK : MSGBTN_CANCEL), Qt::LeftButton);
        }
        QTEST(requests(req), "want");
        QTEST(disp(f)->res, "res");
        QTEST(disp(f)->device2, "device");
        QTEST(combo(f, TSetupDisp::R_RES)->currentIndex(), "res");
        QTEST(combo(f, TSetupDisp::R_DEVICE)->currentIndex(), "device");
        QVERIFY(!t->isActive());
        QCOMPARE(page(f)->asking(), 0);
        QCOMPARE(disp(f, 1)->res, 3); // the live copy waits for Apply
    }

    // A confirmed change is never reverted later: a late tick while another
    // box (the shutdown question) shows neither hides that box nor touches
    // the output; the other box's answer does not reach the page.
    void staleTick()
    {
        Frame f;
        QVERIFY(openAt(f, 3, 2));
        combo(f, TSetupDisp::R_RES)->setCurrentIndex(1);
        QTest::mouseClick(f.msg->button(MSGBTN_OK), Qt::LeftButton);
        f.w->sl_btnclicked(Btn_System, 0);
        QTest::mouseClick(f.w->button(Btn_Shutdown), Qt::LeftButton);
        QVERIFY(f.msg->isVisible());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        page(f)->sl_checkReso();
        QVERIFY(f.msg->isVisible());
        QCOMPARE(requests(req), QStringList{});
        QTest::mouseClick(f.msg->button(MSGBTN_CANCEL), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{});
        QCOMPARE(disp(f)->res, 1);
    }

    // Leaving the page with the question open counts as no answer.
    void hiddenWhileAsking()
    {
        Frame f;
        QVERIFY(openAt(f, 3, 2));
        combo(f, TSetupDisp::R_DEVICE)->setCurrentIndex(1);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.w->sl_btnclicked(Btn_Display_Osd, 0);
        QVERIFY(!f.msg->isVisible());
        QVERIFY(!page(f)->confirmTimer()->isActive());
        QCOMPARE(requests(req), QStringList{"44,3,2"});
        QCOMPARE(disp(f)->device2, 2);
    }

    // Showing the page loads the controls and sends nothing, asks nothing.
    void showSendsNothing()
    {
        Frame f;
        disp(f)->bri = 31;
        disp(f)->seqdur = 29;
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.w->sl_btnclicked(Btn_Display_Disp, 0);
        QCOMPARE(requests(req), QStringList{});
        QVERIFY(!f.msg->isVisible());
        QCOMPARE(static_cast<TSlider*>(page(f)->control(TSetupDisp::R_BRI))->value(), 31);
        QCOMPARE(combo(f, TSetupDisp::R_DWELL)->currentIndex(), 29);
        QCOMPARE(combo(f, TSetupDisp::R_DWELL)->currentText(), QStringLiteral("30 sec"));
        f.w->grab().save(vkeytest::grabPath("setup-display.png"));
    }

    // Each colour slider stores its field and previews its component
    // (brightness 0, contrast 3, saturation 1, hue 2).
    void colourSliders_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("want");
        QTest::newRow("brightness") << int(TSetupDisp::R_BRI) << "45,0,61";
        QTest::newRow("contrast") << int(TSetupDisp::R_CON) << "45,3,61";
        QTest::newRow("saturation") << int(TSetupDisp::R_SAT) << "45,1,61";
        QTest::newRow("hue") << int(TSetupDisp::R_HUE) << "45,2,61";
    }
    void colourSliders()
    {
        QFETCH(int, row);
        Frame f;
        QVERIFY(openAt(f, 3, 0));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        static_cast<TSlider*>(page(f)->control(row))->setValue(61);
        QFETCH(QString, want);
        QCOMPARE(requests(req), QStringList{want});
        const int* fields[] = {&disp(f)->bri, &disp(f)->con, &disp(f)->sat, &disp(f)->hue};
        QCOMPARE(*fields[row - TSetupDisp::R_BRI], 61);
    }

    // Default: the section's defaults, shown, the four colours previewed;
    // the switches toggle; Apply sends 5.
    void buttons()
    {
        Frame f;
        disp(f)->bri = 20;
        disp(f)->hue = 70;
        disp(f)->ratio = 0;
        QVERIFY(openAt(f, 3, 0));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupDisp::R_RATIO)), Qt::LeftButton);
        QCOMPARE(disp(f)->ratio, 1);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupDisp::R_DEFAULT)), Qt::LeftButton);
        QCOMPARE(requests(req), (QStringList{"45,0,50", "45,3,50", "45,1,50", "45,2,50"}));
        QCOMPARE(disp(f)->bri, 50);
        QCOMPARE(disp(f)->ratio, 0);
        QCOMPARE(static_cast<TSlider*>(page(f)->control(TSetupDisp::R_HUE))->value(), 50);
        req.clear();
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupDisp::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"5,0,0"});
    }

    // The display order: camera 3 for position 0 while position 5 shows it
    // puts position 0's old camera at position 5.
    void order()
    {
        Frame f;
        for (int i = 0; i < TSetupPage::CAMERAS; ++i)
            disp(f)->orders[i] = i;
        disp(f)->orders[5] = 3;
        disp(f)->orders[3] = 5;
        QVERIFY(openAt(f, 3, 0));
        page(f)->orderCombo(0)->setCurrentIndex(4);
        QCOMPARE(disp(f)->orders[0], 3);
        QCOMPARE(disp(f)->orders[5], 0);
        QCOMPARE(page(f)->orderCombo(5)->currentIndex(), 1);
        QVERIFY(!f.msg->isVisible());
    }

    // The focus walk through the page by arrows.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("row");
        const int o = TSetupDisp::R_ORDER0;
        QTest::newRow("item right: resolution") << "DR" << int(TSetupDisp::R_RES);
        QTest::newRow("down to the skip switch") << "DRDDDD" << int(TSetupDisp::R_SKIP);
        QTest::newRow("into the order grid") << "DRDDDDD" << o;
        QTest::newRow("last grid row to brightness") << "DRDDDDDDDDD" << int(TSetupDisp::R_BRI);
        QTest::newRow("down the sliders to Default") << "DRDDDDDDDDDDDDD" << int(TSetupDisp::R_DEFAULT);
        QTest::newRow("brightness up: the grid") << "DRDDDDDDDDDU" << o + 12;
    }
    void focusWalk()
    {
        QFETCH(QString, keys);
        Frame f;
        QVERIFY(openAt(f, 3, 0));
        f.w->button(Btn_Display)->setFocus();
        for (const QChar c : keys)
            f.key(c == 'D' ? int(Qt::Key_Down) : c == 'U' ? int(Qt::Key_Up) : int(Qt::Key_Right));
        QTEST(focusRow(page(f)), "row");
    }
};

QTEST_MAIN(TSetupDispTest)
#include "tsetupdisptest.moc"
