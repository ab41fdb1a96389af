// The PTZ setup popup on one camera's preset block: what it shows, what OK
// writes to the edit copy and what Cancel puts back, by keys and mouse.
#include "livetestenv.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tedit.h"
#include "tptzsetup.h"
#include "tvkeyboard.h"
#include "wndcodes.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QtTest>
#include <cstring>

namespace {

struct Rig
{
    Rig()
    {
        for (int live : {0, 1}) {
            PresetChannel& p = channel(live);
            p.speedpan = 2;
            p.speedtilt = 5;
            p.dur = 1;
            p.tourOn = 1;
            const int16_t seq[] = {3, 32, 40, -2, 1};
            std::memcpy(p.seq, seq, sizeof seq);
            p.preset[0].on = 1;
            qstrncpy(p.preset[0].name, "Dock", sizeof p.preset[0].name);
            p.preset[9].on = 1;
            qstrncpy(p.preset[9].name, "Pier", sizeof p.preset[9].name);
        }
        g_vkeyboard = new TVKeyboard(nullptr, 2, g_res->getSize(2));
        g_vkeyboard->initCtrl();
        wnd = new TPtzsetup(nullptr, 1, g_res->getSize(143));
        wnd->init(0);
        wnd->setChannel(3);
    }
    ~Rig()
    {
        delete wnd;
        delete g_vkeyboard;
        g_vkeyboard = nullptr;
    }
    PresetChannel& channel(int live) { return static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, live))->ch[3]; }
    void click(int id) { QTest::mouseClick(wnd->button(id), Qt::LeftButton); }
    // The name keyboard of row r answered OK with text.
    void rename(int r, const QString& text)
    {
        QTest::mouseClick(wnd->edit(r), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        g_vkeyboard->setText(text);
        QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
    }

    TDvrFixture fx;
    TPtzsetup* wnd = nullptr;
};

} // namespace

class TPtzsetupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // The show fills the controls from the edit copy; a tab shows its page.
    void shows()
    {
        Rig rig;
        QVERIFY(livetest::popup(rig.wnd));
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath("ptzsetup.png")));
        QCOMPARE(rig.wnd->combo(TPtzsetup::CB_PAN)->currentText(), QStringLiteral("3"));
        QCOMPARE(rig.wnd->combo(TPtzsetup::CB_TILT)->currentText(), QStringLiteral("6"));
        QCOMPARE(rig.wnd->combo(TPtzsetup::CB_DWELL)->currentIndex(), 1);
        QVERIFY(rig.wnd->button(TPtzsetup::BTN_TOUR)->isChecked());
        QStringList steps;
        for (int i = 0; i < 5; ++i)
            steps << rig.wnd->combo(TPtzsetup::CB_STEP + i)->currentText();
        QCOMPARE(steps, (QStringList{"3", "32", "x", "x", "1"}));
        QCOMPARE(rig.wnd->edit(0)->text(), QStringLiteral("Dock"));
        QVERIFY(rig.wnd->button(TPtzsetup::BTN_CHECK)->isChecked());
        rig.click(TPtzsetup::BTN_TAB + 1);
        QCOMPARE(rig.wnd->page(), 1);
        QCOMPARE(rig.wnd->edit(1)->text(), QStringLiteral("Pier"));
        QCOMPARE(rig.wnd->edit(0)->text(), QString());
        QCOMPARE(rig.wnd->button(TPtzsetup::BTN_TAB + 1)->state(), 1);
        QCOMPARE(rig.wnd->button(TPtzsetup::BTN_TAB)->state(), 2);
    }

    // On show the pan speed has the focus; the window's frame is 4 pixels
    // of its frame colour on every side.
    void focusAndFrame()
    {
        Rig rig;
        QVERIFY(livetest::popup(rig.wnd));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.wnd->combo(TPtzsetup::CB_PAN)));
        // Shown again after the focus moved on: the pan speed again.
        rig.wnd->combo(TPtzsetup::CB_TILT)->setFocus(Qt::OtherFocusReason);
        rig.wnd->hide();
        QVERIFY(livetest::popup(rig.wnd));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.wnd->combo(TPtzsetup::CB_PAN)));
        const QImage img = rig.wnd->grab().toImage();
        const QRgb frame = g_res->getColor(24).rgb();
        const int w = img.width(), h = img.height();
        for (int d = 0; d < 4; ++d) {
            QCOMPARE(img.pixel(d, h / 2), frame);
            QCOMPARE(img.pixel(w - 1 - d, h / 2), frame);
            QCOMPARE(img.pixel(w / 2, d), frame);
            QCOMPARE(img.pixel(w / 2 + 1, h - 1 - d), frame);
        }
        QVERIFY(img.pixel(4, h / 2) != frame);
        QVERIFY(img.pixel(w - 5, h / 2) != frame);
    }

    // A preset's name opens on the keyboard whole, with the name's length,
    // even when the last field typed was shorter.
    void nameOpensWhole()
    {
        Rig rig;
        QVERIFY(livetest::popup(rig.wnd));
        g_vkeyboard->setMaxLength(2);
        QTest::mouseClick(rig.wnd->edit(0), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        QCOMPARE(g_vkeyboard->text(), QStringLiteral("Dock"));
        QCOMPARE(g_vkeyboard->edit()->maxLength(), int(sizeof(PresetItem::name)) - 1);
    }

    // OK writes the combos and the tour into the edit copy (a step outside
    // the presets becomes 0); checks, clears and names are there already.
    void okWrites()
    {
        Rig rig;
        QVERIFY(livetest::popup(rig.wnd));
        QSignalSpy spy(rig.wnd, &TPtzsetup::sg_request);
        // Pan speed one up through its list, by keys.
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        QTRY_VERIFY(rig.wnd->combo(TPtzsetup::CB_PAN)->view()->isVisible());
        vkeytest::key(rig.wnd, Qt::Key_Down);
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        QTRY_COMPARE(rig.wnd->combo(TPtzsetup::CB_PAN)->currentIndex(), 3);
        rig.click(TPtzsetup::BTN_TOUR);
        rig.click(TPtzsetup::BTN_CLEAR); // preset 1
        rig.rename(1, QString(20, QLatin1Char('a')) + QString::fromUtf8("가나다라")); // 32 bytes
        rig.click(TPtzsetup::BTN_OK);
        QCOMPARE(spy.value(0).value(0).toInt(), int(Act_PtzSetupOk));
        QVERIFY(!rig.wnd->isVisible());
        const PresetChannel& e = rig.channel(0);
        QCOMPARE(QString("%1 %2 %3 %4").arg(e.speedpan).arg(e.speedtilt).arg(e.dur).arg(e.tourOn),
                 QStringLiteral("3 5 1 0"));
        QCOMPARE(QList<int>({e.seq[0], e.seq[1], e.seq[2], e.seq[3], e.seq[4]}), (QList<int>{3, 32, 0, 0, 1}));
        QCOMPARE(QString("%1:%2").arg(e.preset[0].on).arg(e.preset[0].name), QStringLiteral("0:"));
        // 31 bytes hold the 20 letters and three syllables, not half the fourth.
        QCOMPARE(QString::fromUtf8(e.preset[1].name), QString(20, QLatin1Char('a')) + QString::fromUtf8("가나다"));
        QCOMPARE(rig.channel(1).speedpan, uint8_t(2)); // live only on the main window's store
    }

    // Cancel after checks, clears and renames leaves both copies as they
    // were; Escape is Cancel.
    void cancelKeepsAll_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelKeepsAll()
    {
        QFETCH(bool, byEscape);
        Rig rig;
        const PresetChannel live = rig.channel(1);
        QVERIFY(livetest::popup(rig.wnd));
        QSignalSpy spy(rig.wnd, &TPtzsetup::sg_request);
        rig.click(TPtzsetup::BTN_CHECK + 2);
        rig.rename(0, QStringLiteral("Quay"));
        rig.click(TPtzsetup::BTN_CLEAR_ALL);
        QCOMPARE(rig.channel(0).preset[9].on, int16_t(0));
        if (byEscape)
            vkeytest::key(rig.wnd, Qt::Key_Escape);
        else
            rig.click(TPtzsetup::BTN_CANCEL);
        QCOMPARE(spy.value(0).value(0).toInt(), int(Act_PtzSetupCancel));
        QCOMPARE(std::memcmp(&rig.channel(0), &live, sizeof live), 0);
        QCOMPARE(std::memcmp(&rig.channel(1), &live, sizeof live), 0);
    }

    // Arrows walk the focus table; sideways onto the tab row lands on the
    // page shown, not on the first tab.
    void focusWalk_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus"); // tab N, combo N, button N or edit N
        QTest::newRow("down the left column") << "DDD" << "button 4";
        QTest::newRow("down onto the tabs") << "DDDD" << "button 0";
        QTest::newRow("left onto the tabs: page 2's") << "DDDRDL" << "button 2";
        QTest::newRow("round the step line onto the tabs") << "DDDRDRRRR" << "button 2";
        QTest::newRow("jog back from pan: Cancel") << "<" << "button 23";
    }
    void focusWalk()
    {
        QFETCH(QString, keys);
        Rig rig;
        QVERIFY(livetest::popup(rig.wnd));
        rig.click(TPtzsetup::BTN_TAB + 2);
        rig.wnd->combo(TPtzsetup::CB_PAN)->setFocus();
        vkeytest::keys(rig.wnd, keys);
        QWidget* f = QApplication::focusWidget();
        QString got = "?";
        if (auto* b = qobject_cast<TButton*>(f))
            got = QStringLiteral("button %1").arg(b->id());
        else if (auto* c = qobject_cast<TCombo*>(f))
            got = QStringLiteral("combo %1").arg(c->id());
        QTEST(got, "focus");
    }
};

QTEST_MAIN(TPtzsetupTest)
#include "tptzsetuptest.moc"
