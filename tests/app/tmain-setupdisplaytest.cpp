// The Display tab's pages against the device-layer stand-in through the
// main window: previews reach the device before any Apply, the output
// question switches and restores the real output, each page's Apply commits
// its sections to the model file with its log record, CANCEL restores the
// device.
#include "tsetuprig.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tmsgwnd.h"
#include "tsetupcolor.h"
#include "tsetupdisp.h"
#include "tsetuposd.h"
#include "tsetupspot.h"
#include "tsetupwnd.h"
#include "tslider.h"

#include <QtTest>
#include <cstring>
#include <functional>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    explicit Rig(const char* profile = "16")
        : TSetupRig(profile, true, [](TDvrFixture& fx) {
              // The 1280 x 720 output on HDMI.
              for (int live : {0, 1})
                  static_cast<PropDisplay*>(fx.cfg->getsection(IDX_PROP_DISPLAY, live))->device2 = 2;
          })
    {
        fx.cfg->commitfile();
    }
    template <class P> P* page(int id) { return static_cast<P*>(setup()->page(id)); }
    // The device up, the menu open on the Display tab, a page chosen.
    bool open(int item)
    {
        if (!up())
            return false;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Display);
        QTest::mouseClick(setup()->button(item), Qt::LeftButton);
        dalTestJournalClear();
        return setup()->page(item) && setup()->page(item)->isVisible();
    }
    static QStringList journal(const char* prefix)
    {
        QStringList out;
        char line[256];
        for (int i = 0; i < dalTestJournalCount(); ++i)
            if (dalTestJournalLine(i, line, sizeof line) >= 0 && QByteArray(line).startsWith(prefix))
                out << QString::fromLatin1(line);
        return out;
    }
    static int outputRes()
    {
        DalTestVout v;
        dalTestVoutGet(0, &v);
        return v.res;
    }
    // The output type last given to the device ("2" VGA, "4" HDMI, "6" both).
    static QString outputType()
    {
        const QStringList l = journal("DalCmd(\"vga-type\"");
        return l.isEmpty() ? QString() : l.last().section('"', 3, 3);
    }
};

} // namespace

class TMainSetupDisplayTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 1); }

    // Hue of camera 2 to 80 reaches the camera at once; CANCEL puts the
    // live colours back without a "Setup Changed" record.
    void colourPreview()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Display_Color));
        auto* page = rig.page<TSetupColor>(SA::Btn_Display_Color);
        const int liveHue = rig.live<PropColor>(IDX_PROP_COLOR)->data[1].hue;
        QTest::mouseClick(page->cameraButton(1), Qt::LeftButton);
        static_cast<TSlider*>(page->control(TSetupColor::R_HUE))->setValue(80);
        QVERIFY(dalTestJournalFind("DalVinSetCSC(1,2,80)") >= 0);
        DalTestVinState vin;
        dalTestVinGetState(1, &vin);
        QCOMPARE(vin.csc[2], 80);
        QTest::mouseClick(rig.setup()->button(SA::Btn_Cancel), Qt::LeftButton);
        QVERIFY(Rig::settled());
        dalTestVinGetState(1, &vin);
        QCOMPARE(vin.csc[2], liveHue);
        QCOMPARE(Rig::setupLogs(), QStringList{});
    }

    // Each move of the transparency re-blends every covered region at once.
    void alphaPreview()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Display_Osd));
        auto* s = static_cast<TSlider*>(rig.setup()->page(SA::Btn_Display_Osd)->control(TSetupOsd::R_ALPHA));
        s->setValue(4);
        // The device takes the transparency as 7 - level.
        const QStringList fills = Rig::journal("DalVoutSetAlpha(");
        QVERIFY(!fills.isEmpty());
        for (const QString& l : fills)
            QVERIFY2(l.endsWith(",3)"), qPrintable(l));
        QCOMPARE(rig.live<PropOsd>(IDX_PROP_OSD)->alpha, 7);
    }

    // The output question on the real output: the new resolution or
    // device is on the output at once; OK keeps it, CANCEL and the time-out
    // put back the output as it was (the device as well as the resolution).
    void outputQuestion_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("previewRes");
        QTest::addColumn<QString>("previewType");
        QTest::addColumn<int>("res");
        QTest::addColumn<QString>("type");
        const int R = TSetupDisp::R_RES, D = TSetupDisp::R_DEVICE;
        QTest::newRow("resolution kept") << R << 2 << "ok" << 2 << "4" << 2 << "4";
        QTest::newRow("resolution cancelled: HDMI stays") << R << 2 << "cancel" << 2 << "4" << 3 << "4";
        QTest::newRow("resolution timed out") << R << 1 << "timeout" << 1 << "4" << 3 << "4";
        QTest::newRow("device shows at once, kept") << D << 1 << "ok" << 3 << "2" << 3 << "2";
        QTest::newRow("device cancelled") << D << 0 << "cancel" << 3 << "6" << 3 << "4";
    }
    void outputQuestion()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        QFETCH(QString, answer);
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Display_Disp));
        auto* page = rig.page<TSetupDisp>(SA::Btn_Display_Disp);
        static_cast<TCombo*>(page->control(row))->setCurrentIndex(index);
        QTEST(Rig::outputRes(), "previewRes");
        QTEST(Rig::outputType(), "previewType");
        auto* box = static_cast<TMsgWnd*>(rig.w->wnd(ID_WND_MSG));
        QVERIFY(box->isVisible());
        if (answer == "timeout") {
            page->confirmTimer()->start(1);
            QTRY_VERIFY(!box->isVisible());
        } else {
            QTest::mouseClick(box->button(answer == "ok" ? MSGBTN_OK : MSGBTN_CANCEL), Qt::LeftButton);
        }
        QTEST(Rig::outputRes(), "res");
        QTEST(Rig::outputType(), "type");
        QCOMPARE(static_cast<TCombo*>(page->control(TSetupDisp::R_RES))->currentIndex(),
                 rig.edit<PropDisplay>(IDX_PROP_DISPLAY)->res);
        QCOMPARE(rig.live<PropDisplay>(IDX_PROP_DISPLAY)->res, 3);
    }

    // Each page's Apply commits its sections to the model file and logs
    // its label when the first section changed; the information bar alone
    // is committed without a record.
    void apply_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("label");
        QTest::newRow("OSD transparency") << int(SA::Btn_Display_Osd) << "(OSD)";
        QTest::newRow("information bar only") << int(SA::Btn_Display_Osd) << "";
        QTest::newRow("display dwell") << int(SA::Btn_Display_Disp) << "(Display)";
        QTest::newRow("spot mode") << int(SA::Btn_Display_Spot) << "(Spot)";
        QTest::newRow("colour") << int(SA::Btn_Display_Color) << "(Color)";
    }
    void apply()
    {
        QFETCH(int, item);
        QFETCH(QString, label);
        Rig rig;
        QVERIFY(rig.open(item));
        TSetupPage* page = rig.setup()->page(item);
        const QString tag = QTest::currentDataTag();
        int applyRow = 0;
        if (tag == "OSD transparency") {
            static_cast<TSlider*>(page->control(TSetupOsd::R_ALPHA))->setValue(4);
            applyRow = TSetupOsd::R_APPLY;
        } else if (tag == "information bar only") {
            static_cast<TCombo*>(page->control(TSetupOsd::R_INFOBAR))->setCurrentIndex(2);
            applyRow = TSetupOsd::R_APPLY;
        } else if (tag == "display dwell") {
            static_cast<TCombo*>(page->control(TSetupDisp::R_DWELL))->setCurrentIndex(29);
            applyRow = TSetupDisp::R_APPLY;
        } else if (tag == "spot mode") {
            static_cast<TCombo*>(page->control(TSetupSpot::R_MODE))->setCurrentIndex(0);
            applyRow = TSetupSpot::R_APPLY;
        } else {
            static_cast<TSlider*>(page->control(TSetupColor::R_SAT))->setValue(23);
            applyRow = TSetupColor::R_APPLY;
        }
        // Nothing reaches the file before Apply.
        QVERIFY(rig.fromFile<PropOsd>(IDX_PROP_OSD).alpha != 4);
        QTest::mouseClick(static_cast<QPushButton*>(page->control(applyRow)), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), label.isEmpty() ? QStringList{} : QStringList{label});
        if (tag == "OSD transparency")
            QCOMPARE(rig.fromFile<PropOsd>(IDX_PROP_OSD).alpha, 4);
        if (tag == "information bar only") {
            QCOMPARE(rig.fromFile<PropInfobar>(IDX_PROP_INFOBAR).on, 0);
            QCOMPARE(rig.fromFile<PropInfobar>(IDX_PROP_INFOBAR).auto_, 0);
        }
        // Loaded again as at the next start: a dwell of 30 s stays 30 s.
        if (tag == "display dwell")
            QCOMPARE(rig.fromFile<PropDisplay>(IDX_PROP_DISPLAY).seqdur, 29);
        if (tag == "spot mode")
            QCOMPARE(rig.fromFile<PropSpot>(IDX_PROP_SPOT).mode, 0);
        if (tag == "colour")
            QCOMPARE(int(rig.fromFile<PropColor>(IDX_PROP_COLOR).data[0].sat), 23);
        QVERIFY(rig.setup()->isVisible());
    }

    // Opening every page of the tab writes and previews nothing: OK then
    // logs no "(OK)", and no device call came from the pages.
    void openingChangesNothing()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Display_Osd));
        for (int item : {SA::Btn_Display_Disp, SA::Btn_Display_Spot, SA::Btn_Display_Color, SA::Btn_Display_Osd})
            QTest::mouseClick(rig.setup()->button(item), Qt::LeftButton);
        QCOMPARE(Rig::journal("DalVinSetCSC").size() + Rig::journal("DalVoutSetCSC").size() +
                     Rig::journal("DalVoutSetCaps").size(),
                 0);
        QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{});
    }

    // "Default" re-sends the preview: the display page's four monitor
    // colours, the colour page's cameras.
    void defaultPreviews_data()
    {
        QTest::addColumn<int>("item");
        QTest::newRow("display") << int(SA::Btn_Display_Disp);
        QTest::newRow("colour") << int(SA::Btn_Display_Color);
    }
    void defaultPreviews()
    {
        QFETCH(int, item);
        Rig rig;
        rig.edit<PropDisplay>(IDX_PROP_DISPLAY)->bri = 20;
        rig.edit<PropColor>(IDX_PROP_COLOR)->data[3].con = 20;
        QVERIFY(rig.open(item));
        TSetupPage* page = rig.setup()->page(item);
        const int row = item == SA::Btn_Display_Disp ? int(TSetupDisp::R_DEFAULT) : int(TSetupColor::R_DEFAULT);
        QTest::mouseClick(static_cast<QPushButton*>(page->control(row)), Qt::LeftButton);
        if (item == SA::Btn_Display_Disp) {
            DalTestVout v;
            dalTestVoutGet(0, &v);
            QCOMPARE(QVector<int>(v.csc, v.csc + 4), (QVector<int>{50, 50, 50, 50}));
        } else {
            DalTestVinState vin;
            dalTestVinGetState(3, &vin);
            QCOMPARE(vin.csc[3], 50);
            QCOMPARE(Rig::journal("DalVinSetCSC").size(), 4 * 16);
        }
    }

    // A 32-channel unit: the pages show 20 positions and colour entries,
    // and the previews, swaps and Apply All stay inside them.
    void thirtyTwoChannels()
    {
        Rig rig("32");
        QVERIFY(rig.open(SA::Btn_Display_Spot));
        auto* spot = rig.page<TSetupSpot>(SA::Btn_Display_Spot);
        spot->orderCombo(19)->setCurrentIndex(1);
        QCOMPARE(rig.edit<PropSpot>(IDX_PROP_SPOT)->orders[19], 0);
        QCOMPARE(rig.edit<PropSpot>(IDX_PROP_SPOT)->orders[0], 19);
        QTest::mouseClick(rig.setup()->button(SA::Btn_Display_Color), Qt::LeftButton);
        auto* colour = rig.page<TSetupColor>(SA::Btn_Display_Color);
        QTest::mouseClick(colour->cameraButton(19), Qt::LeftButton);
        static_cast<TSlider*>(colour->control(TSetupColor::R_BRI))->setValue(12);
        QTest::mouseClick(static_cast<QPushButton*>(colour->control(TSetupColor::R_APPLYALL)), Qt::LeftButton);
        for (int ch = 0; ch < 20; ++ch)
            QCOMPARE(int(rig.edit<PropColor>(IDX_PROP_COLOR)->data[ch].bri), 12);
        rig.setup()->grab().save(vkeytest::grabPath("setup-color-32.png"));
    }
};

DVR_APP_TEST_MAIN(TMainSetupDisplayTest)
#include "tmain-setupdisplaytest.moc"
