// The audio, controller, PTZ and POS pages through the main window on the
// device-layer stand-in: each page's Apply commits its section to the model
// file with one "Setup Changed" record and hands it to the device (the
// variant with the system keyboard sets PTZ, POS and controller again
// together); the PTZ pad moving and stopping the camera; a USB POS device plugged in shown on
// the page without a key.
#include "tsetuprig.h"
#include "../config/fakedvr.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tptzbtn.h"
#include "tsetupaudio.h"
#include "tsetupctrl.h"
#include "tsetuppos.h"
#include "tsetupptz.h"
#include "tsetupwnd.h"

#include <QtTest>
#include <cstring>
#include <memory>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    Rig() : TSetupRig("16", true) { fx.cfg->commitfile(); }
    template <class P> P* page(int id) const { return static_cast<P*>(setup()->page(id)); }
    // The device up, the menu open on the Device tab, a page chosen by
    // mouse; the journal starts empty.
    bool open(int item)
    {
        if (!up())
            return false;
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Device);
        dalTestJournalClear();
        QTest::mouseClick(setup()->button(item), Qt::LeftButton);
        return setup()->page(item) && setup()->page(item)->isVisible();
    }
    // The device calls made, by name, in order (repeats of one name kept
    // once in a row).
    static QStringList calls(const QStringList& names)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) < 0)
                continue;
            const QString line = QString::fromLatin1(buf);
            for (const QString& n : names)
                if (line.startsWith(n + "(") && (out.isEmpty() || out.last() != n))
                    out << n;
        }
        return out;
    }
    // Camera 1 on a driver the device knows, in both copies.
    void knownDriver()
    {
        const auto* drv = live<PropPtzdrv>(IDX_PROP_PTZDRV);
        QVERIFY(drv->cnt > 1);
        for (PropPtz* p : {edit<PropPtz>(IDX_PROP_PTZ), live<PropPtz>(IDX_PROP_PTZ)})
            qstrncpy(p->ch[0].driver, drv->driver[1], sizeof p->ch[0].driver);
    }
    void click(QWidget* w) { QTest::mouseClick(static_cast<QPushButton*>(w), Qt::LeftButton); }
};

const QStringList kDevice{"DalAinLink", "DalIoSetRmc", "DalPosSet", "DalPtzLinkCamAddr"};

} // namespace

class TMainSetupPeripheralTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 1); }

    // Apply: the page's section in the file, one record with its label, its
    // device calls; on the system keyboard variant PTZ and POS bring the
    // other two serial settings with them. An Apply without a change
    // commits, logs and sets nothing.
    void apply_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("oem");
        QTest::addColumn<bool>("edited");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("device");
        const int K = TSetupCtrl::OemSystemKeyboard;
        QTest::newRow("audio") << int(SA::Btn_Device_Audio) << 0 << true << "(Audio)" << QStringList{"DalAinLink"};
        QTest::newRow("controller") << int(SA::Btn_Device_Ctrl) << 0 << true << "(Controller)"
                                    << QStringList{"DalIoSetRmc"};
        QTest::newRow("PTZ") << int(SA::Btn_Device_Ptz) << 0 << true << "(PTZ)" << QStringList{"DalPtzLinkCamAddr"};
        QTest::newRow("POS") << int(SA::Btn_Device_Pos) << 0 << true << "(POS)" << QStringList{"DalPosSet"};
        QTest::newRow("PTZ, system keyboard")
            << int(SA::Btn_Device_Ptz) << K << true << "(PTZ)"
            << QStringList{"DalPtzLinkCamAddr", "DalIoSetRmc", "DalPosSet"};
        QTest::newRow("POS, system keyboard")
            << int(SA::Btn_Device_Pos) << K << true << "(POS)"
            << QStringList{"DalPosSet", "DalIoSetRmc", "DalPtzLinkCamAddr"};
        QTest::newRow("POS unchanged") << int(SA::Btn_Device_Pos) << 0 << false << "" << QStringList{};
    }
    void apply()
    {
        QFETCH(int, item);
        QFETCH(int, oem);
        QFETCH(bool, edited);
        TOemScope variant(oem);
        Rig rig;
        QVERIFY(rig.up());
        rig.knownDriver();
        QVERIFY(rig.open(item));
        TSetupPage* page = rig.setup()->page(item);
        int apply = 0;
        if (item == SA::Btn_Device_Audio) {
            static_cast<TCombo*>(page->control(TSetupAudio::R_OUT))->setCurrentIndex(5);
            apply = TSetupAudio::R_APPLY;
        } else if (item == SA::Btn_Device_Ctrl) {
            static_cast<TCombo*>(page->control(TSetupCtrl::R_DVRID))->setCurrentIndex(12);
            apply = TSetupCtrl::R_APPLY;
        } else if (item == SA::Btn_Device_Ptz) {
            static_cast<TCombo*>(page->control(TSetupPtz::R_ADDR))->setCurrentIndex(7);
            apply = TSetupPtz::R_APPLY;
        } else {
            if (edited)
                static_cast<TCombo*>(page->control(TSetupPos::R_CHANNEL))->setCurrentIndex(0);
            apply = TSetupPos::R_APPLY;
        }
        // The previews are not what is looked at here.
        dalTestJournalClear();
        rig.click(page->control(apply));
        QVERIFY(Rig::settled());
        QFETCH(QString, label);
        QCOMPARE(Rig::setupLogs(), label.isEmpty() ? QStringList{} : QStringList{label});
        QTEST(Rig::calls(kDevice), "device");
        if (item == SA::Btn_Device_Audio)
            QCOMPARE(rig.fromFile<PropAudio>(IDX_PROP_AUDIO).out, 5);
        if (item == SA::Btn_Device_Ctrl)
            QCOMPARE(rig.fromFile<PropControl>(IDX_PROP_CONTROL).dvrid, 12);
        if (item == SA::Btn_Device_Ptz)
            QCOMPARE(rig.fromFile<PropPtz>(IDX_PROP_PTZ).ch[0].addr, 7);
        if (item == SA::Btn_Device_Pos) {
            QCOMPARE(rig.fromFile<PropPos>(IDX_PROP_POS).port[0].channel, edited ? 0 : 1);
            PosDev ports[8];
            dalTestPosPorts(ports);
            if (edited) // "Off": the port's text goes to no camera
                QCOMPARE(ports[0].channel, -1);
        }
        QVERIFY(rig.setup()->isVisible());
    }

    // The pad moves the chosen camera and stops it on the release; a
    // direction still held when setup goes (auto-logout runs CANCEL, a
    // remote setup closes the menu) is stopped too. The preview window
    // opens at the page's preview area.
    void ptzPad_data()
    {
        QTest::addColumn<QString>("end");
        QTest::newRow("released") << "release";
        QTest::newRow("setup cancelled") << "cancel";
        QTest::newRow("remote setup") << "remote";
    }
    void ptzPad()
    {
        QFETCH(QString, end);
        Rig rig;
        QVERIFY(rig.up());
        rig.knownDriver();
        QVERIFY(rig.open(SA::Btn_Device_Ptz));
        auto* page = rig.page<TSetupPtz>(SA::Btn_Device_Ptz);
        const QRect r = rig.w->m_pipRect;
        QCOMPARE(r, QRect(page->mapToGlobal(page->pipArea().topLeft()), page->pipArea().size()));
        char want[96];
        std::snprintf(want, sizeof want, "DalVoutSetViw(0,%d,%d,", r.left(), r.top());
        QVERIFY(dalTestJournalFind(want) >= 0);
        TPtzbtn* pad = page->pad();
        if (end == "release") {
            QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, pad->centreOf(TPtzbtn::Left));
            QCOMPARE(Rig::calls({"DalPtzCmd", "DalPtzStop"}), QStringList{"DalPtzCmd"});
            QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, pad->centreOf(TPtzbtn::Left));
        } else {
            QApplication::setActiveWindow(rig.setup()->window());
            pad->setFocus();
            QVERIFY(pad->hasFocus());
            vkeytest::key(rig.setup(), Qt::Key_Enter);
            QCoreApplication::processEvents();
            QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
            QApplication::sendEvent(rig.setup(), &up);
            QCoreApplication::processEvents();
            QCOMPARE(page->held(), int(TPtzbtn::Up));
            if (end == "cancel")
                rig.setup()->sl_btnclicked(SA::Btn_Cancel, 0);
            else
                rig.setup()->closeForRemote();
            QVERIFY(!rig.setup()->isVisible());
        }
        QCOMPARE(Rig::calls({"DalPtzCmd", "DalPtzStop"}), (QStringList{"DalPtzCmd", "DalPtzStop"}));
        QVERIFY(Rig::settled());
    }

    // A USB POS device plugged in while the page is shown: its mark turns
    // to "(O)" without a key; pulled, back to "(X)".
    void posPlugged()
    {
        Rig rig;
        QVERIFY(rig.open(SA::Btn_Device_Pos));
        auto* page = rig.page<TSetupPos>(SA::Btn_Device_Pos);
        QTRY_VERIFY(dalTestJournalFind("DalPosScan") >= 0);
        QCOMPARE(page->portButton(3)->text(), QString("USB3(X)"));
        QCOMPARE(dalTestPosPresent(3, 1), 0);
        QTRY_COMPARE(page->portButton(3)->text(), QString("USB3(O)"));
        QCOMPARE(dalTestPosPresent(3, 0), 0);
        QTRY_COMPARE(page->portButton(3)->text(), QString("USB3(X)"));
    }
};

DVR_APP_TEST_MAIN(TMainSetupPeripheralTest)
#include "tmain-setupperipheraltest.moc"
