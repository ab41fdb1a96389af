// The network stream page: the chip loads against the chip limit and the
// bitrate as they are edited; a load above the limit holds Apply, OK and
// every tab or item change with the warning; "Apply All" copies whole
// entries to the unit's cameras only; a disabled camera is locked.
#include "netpagetestenv.h"
#include "tsetupnetctrl.h"

#include <cstring>

using namespace nettest;
using namespace SetupAct;
using N = TSetupNetCtrl;

namespace {

// Every camera streamed at the larger network picture (half the frame
// budget a frame) and full rate: 60 frames a chip.
void fullRate(PropNetcontrol* net)
{
    for (int ch = 0; ch < 20; ++ch) {
        net->mainOn[ch] = 1;
        net->entry[ch].cridx = 1;
        net->entry[ch].cfidx = 0;
        net->entry[ch].cqual = 0;
    }
}

} // namespace

class TSetupNetCtrlTest : public QObject
{
    Q_OBJECT
private slots:
    // "Total": each chip's load, then the limit; red when above it.
    void total_data()
    {
        QTest::addColumn<int>("limit"); // the chip limit set; 0 the unit's
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("want");
        QTest::addColumn<bool>("over");
        QTest::newRow("two cameras of the first chip")
            << 0 << false << "22.5/0.0/0.0/0.0 (120.0)" << false;
        QTest::newRow("full rate: the limit met") << 60 << true << "60.0/60.0/60.0/60.0 (60.0)" << false;
        QTest::newRow("full rate over a lower limit") << 50 << true << "60.0/60.0/60.0/60.0 (50.0)" << true;
    }
    void total()
    {
        QFETCH(int, limit);
        QFETCH(bool, full);
        NetFrame n;
        if (limit)
            dalTestSetCount("max_fps_per_chip", limit);
        auto* net = n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
        if (full) {
            fullRate(net);
        } else {
            for (int ch = 0; ch < 20; ++ch)
                net->mainOn[ch] = ch < 2;
            net->entry[0].cridx = 1;
            net->entry[0].cfidx = 0;
            net->entry[1].cridx = 1;
            net->entry[1].cfidx = 1;
        }
        QVERIFY(n.show());
        auto* page = static_cast<N*>(n.open(Btn_Network_Control));
        QTEST(page->totalText(), "want");
        QTEST(page->overLimit(), "over");
        QVERIFY(page->bandwidthText().endsWith(" Kbps"));
        n.f.w->grab().save(vkeytest::grabPath(QString("setup-netctrl-%1.png").arg(QTest::currentDataTag()).replace(' ', '-')));
    }

    // A load above the limit holds Apply, OK, a tab and an item with
    // "Maximum FPS is" and the unit's network frame budget; a load equal
    // to it lets them go.
    void limit_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("click"); // a row of the page, or a frame button id + 100
        QTest::newRow("equal: Apply") << 60 << int(N::R_APPLY);
        QTest::newRow("above: Apply") << 59 << int(N::R_APPLY);
        QTest::newRow("equal: OK") << 60 << 100 + int(Btn_Ok);
        QTest::newRow("above: OK") << 59 << 100 + int(Btn_Ok);
        QTest::newRow("above: a tab") << 59 << 100 + int(Btn_Display);
        QTest::newRow("equal: a tab") << 60 << 100 + int(Btn_Display);
        QTest::newRow("above: an item") << 59 << 100 + int(Btn_Network_Port);
    }
    void limit()
    {
        QFETCH(int, limit);
        QFETCH(int, click);
        NetFrame n;
        dalTestSetCount("max_fps_per_chip", limit);
        fullRate(n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL));
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Control);
        n.asked.clear();
        QWidget* target = click >= 100 ? static_cast<QWidget*>(n.f.w->button(click - 100)) : page->control(click);
        QTest::mouseClick(target, Qt::LeftButton);
        const bool over = limit < 60;
        const int frames = n.edit<PropDevices>(IDX_PROP_DEVICES)->netframes;
        QCOMPARE(n.message(), over ? QString("Warning/Maximum FPS is %1").arg(frames) : QString());
        QCOMPARE(page->isVisible(), over || click == N::R_APPLY);
        if (click == N::R_APPLY)
            QCOMPARE(n.asked.contains("29,0,0"), !over);
        if (click == 100 + Btn_Ok)
            QCOMPARE(n.asked.contains("1,0,0"), !over);
    }

    // A change follows at once: a stream switched off leaves the bitrate
    // and locks its six lists; a list change moves the load.
    void edits()
    {
        NetFrame n;
        auto* net = n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
        fullRate(net);
        const PropNetcontrol live = *n.live<PropNetcontrol>(IDX_PROP_NETCONTROL);
        QVERIFY(n.show());
        auto* page = static_cast<N*>(n.open(Btn_Network_Control));
        const QString band = page->bandwidthText();
        QTest::mouseClick(page->control(N::R_ON), Qt::LeftButton);
        QCOMPARE(net->mainOn[0], 0);
        for (int r = N::R_RES; r <= N::R_SUBQUAL; ++r)
            QVERIFY(!page->control(r)->isEnabled());
        QVERIFY(page->bandwidthText() != band);
        QVERIFY(page->totalText().startsWith("45.0/"));
        QTest::mouseClick(page->control(N::R_ON), Qt::LeftButton);
        static_cast<TCombo*>(page->control(N::R_FPS))->setCurrentIndex(1);
        QCOMPARE(int(net->entry[0].cfidx), 1);
        QVERIFY(page->totalText().startsWith("52.5/"));
        static_cast<TCombo*>(page->control(N::R_SUBQUAL))->setCurrentIndex(2);
        QCOMPARE(int(net->entry[0].equal), 2);
        // Only the edit copy changes.
        QCOMPARE(std::memcmp(n.live<PropNetcontrol>(IDX_PROP_NETCONTROL), &live, sizeof live), 0);
    }

    // "Apply All": the shown camera's switch and whole entry (recording
    // fields too) to every camera of the unit; the others stay.
    void applyAll_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("videos");
        QTest::newRow("16 cameras") << "16" << 16;
        QTest::newRow("4 cameras") << "4" << 4;
    }
    void applyAll()
    {
        QFETCH(QString, profile);
        QFETCH(int, videos);
        NetFrame n;
        if (profile != "16") {
            // The unit's camera count as the device record gives it.
            n.edit<PropDevices>(IDX_PROP_DEVICES)->videos = videos;
        }
        auto* net = n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
        for (int ch = 0; ch < 20; ++ch) {
            net->mainOn[ch] = 0;
            net->entry[ch] = RecordEntry{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        }
        net->mainOn[2] = 1;
        net->entry[2] = RecordEntry{3, 1, 2, 1, 1, 1, 2, 2, 7, 3};
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Control);
        QTest::mouseClick(page->cameraButton(2), Qt::LeftButton);
        QCOMPARE(page->channel(), 2);
        n.asked.clear();
        QTest::mouseClick(page->control(N::R_ALL), Qt::LeftButton);
        QCOMPARE(n.asked, QStringList{});
        for (int ch = 0; ch < 20; ++ch) {
            const bool copied = ch < videos;
            QCOMPARE(net->mainOn[ch], copied ? 1 : 0);
            QCOMPARE(net->entry[ch].mode, uint8_t(copied ? 3 : 0));
            QCOMPARE(net->entry[ch].predur, int16_t(copied ? 3 : 0));
            QCOMPARE(net->entry[ch].equal, uint8_t(copied ? 2 : 0));
        }
        QCOMPARE(page->cameraButton(videos)->isVisible(), false);
    }

    // A disabled camera shows its values with every control locked; the
    // camera answer (46) asked after the show refreshes the page.
    void disabledCamera()
    {
        NetFrame n;
        auto* net = n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL);
        fullRate(net);
        net->entry[1].cqual = 2;
        n.edit<PropCamera>(IDX_PROP_CAMERA)->data[1].disableOn = 1;
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Control);
        QTRY_VERIFY(n.asked.contains("46,0,0"));
        QVERIFY(page->control(N::R_ON)->isEnabled());
        QTest::mouseClick(page->cameraButton(1), Qt::LeftButton);
        QVERIFY(!page->control(N::R_ON)->isEnabled());
        for (int r = N::R_RES; r <= N::R_SUBQUAL; ++r)
            QVERIFY(!page->control(r)->isEnabled());
        QCOMPARE(static_cast<TCombo*>(page->control(N::R_QUAL))->currentIndex(), 2);
        QVERIFY(static_cast<TButton*>(page->control(N::R_ON))->isChecked());
    }

    // Keys: Down from the switch walks the lists; Up into the camera row
    // lands on the camera shown.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus"); // a row; -1 the camera shown, -2 the item, -3 camera 3
        QTest::newRow("into the camera row: the camera shown") << "RDU" << -1;
        QTest::newRow("down the lists") << "RDDD" << int(N::R_FPS);
        QTest::newRow("resolution right: Apply All") << "RDDR" << int(N::R_ALL);
        QTest::newRow("last list down: Apply") << "RDDDDDDDD" << int(N::R_APPLY);
        // The camera row's ends lead back to the menu item.
        QTest::newRow("camera 1 left: the item") << "RL" << -2;
        QTest::newRow("camera 16 right: the item") << QString(17, 'R') << -2;
        QTest::newRow("camera row: neighbours") << "RRR" << -3;
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(int, focus);
        NetFrame n;
        fullRate(n.edit<PropNetcontrol>(IDX_PROP_NETCONTROL));
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Control);
        QTest::mouseClick(page->cameraButton(3), Qt::LeftButton);
        n.f.w->button(Btn_Network_Control)->setFocus();
        for (const QChar c : keys)
            n.f.key(c == 'R'   ? int(Qt::Key_Right)
                    : c == 'D' ? int(Qt::Key_Down)
                    : c == 'L' ? int(Qt::Key_Left)
                               : int(Qt::Key_Up));
        QWidget* want = focus == -1   ? page->cameraButton(3)
                        : focus == -2 ? static_cast<QWidget*>(n.f.w->button(Btn_Network_Control))
                        : focus == -3 ? page->cameraButton(2)
                                      : page->control(focus);
        QVERIFY(want->hasFocus());
    }
};

QTEST_MAIN(TSetupNetCtrlTest)
#include "tsetupnetctrltest.moc"
