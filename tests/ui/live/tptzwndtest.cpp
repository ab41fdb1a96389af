// The PTZ control window alone: its drag pad, keys and camera menu as the
// requests it sends; the main window's side is tested with the main window.
#include "livetestenv.h"
#include "tbutton.h"
#include "tptzpreset.h"
#include "tptzsetup.h"
#include "tptzwnd.h"
#include "wndcodes.h"
#include "wndid.h"

#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {

struct Rig
{
    explicit Rig(const char* profile = "16") : fx(profile)
    {
        for (int live : {0, 1})
            static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, live))->ch[2].speedpan = 3;
        qstrncpy(fx.live<PropCamera>(IDX_PROP_CAMERA)->data[2].name, "Gate east", 64);
        wnd = new TPtzWnd(nullptr, ID_WND_PTZ, QSize(800, 600));
        wnd->init(0);
        wnd->setChannel(2);
    }
    ~Rig() { delete wnd; }
    bool show()
    {
        const bool ok = livetest::popup(wnd);
        listen();
        return ok;
    }
    void listen() { spy.reset(new QSignalSpy(wnd, &TPtzWnd::sg_request)); }
    // The requests since the show as "code:channel:arg".
    QStringList sent() const
    {
        QStringList out;
        for (const QList<QVariant>& r : *spy)
            out << QStringLiteral("%1:%2:%3").arg(r.at(0).toInt()).arg(r.at(1).toInt()).arg(r.at(2).toInt());
        return out;
    }
    void mouse(QEvent::Type type, const QPoint& p)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, p, wnd->mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(wnd, &e);
    }

    TDvrFixture fx;
    TPtzWnd* wnd = nullptr;
    QScopedPointer<QSignalSpy> spy;
};

} // namespace

class TPtzWndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // Direction of the pointer from the drag centre (100, 100).
    void direction_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("dir");
        QTest::newRow("dead zone corner") << QPoint(105, 95) << -1;
        QTest::newRow("just right of it") << QPoint(106, 100) << int(TPtzWnd::BTN_RIGHT);
        QTest::newRow("just left of it") << QPoint(94, 103) << int(TPtzWnd::BTN_LEFT);
        QTest::newRow("below") << QPoint(102, 130) << int(TPtzWnd::BTN_DOWN);
        QTest::newRow("above") << QPoint(90, 60) << int(TPtzWnd::BTN_UP);
        QTest::newRow("diagonal down-right: vertical") << QPoint(120, 120) << int(TPtzWnd::BTN_DOWN);
        QTest::newRow("diagonal up-right: vertical") << QPoint(120, 80) << int(TPtzWnd::BTN_UP);
        QTest::newRow("diagonal down-left: vertical") << QPoint(80, 120) << int(TPtzWnd::BTN_DOWN);
        QTest::newRow("diagonal up-left: vertical") << QPoint(80, 80) << int(TPtzWnd::BTN_UP);
    }
    void direction()
    {
        QFETCH(QPoint, pos);
        QTEST(TPtzWnd::dirOf(QPoint(100, 100), pos), "dir");
    }

    // Speed in a 400 x 300 window: grows to the edge, stays within 1..7,
    // and a centre on the first row or column divides by nothing.
    void speed_data()
    {
        QTest::addColumn<int>("dir");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("speed");
        QTest::newRow("near the centre") << int(TPtzWnd::BTN_UP) << QPoint(200, 150) << QPoint(200, 140) << 1;
        QTest::newRow("half way up") << int(TPtzWnd::BTN_UP) << QPoint(200, 150) << QPoint(200, 70) << 3;
        QTest::newRow("top edge, row 0 taken as 1") << int(TPtzWnd::BTN_UP) << QPoint(200, 150) << QPoint(200, 0) << 6;
        QTest::newRow("right, half way") << int(TPtzWnd::BTN_RIGHT) << QPoint(100, 100) << QPoint(250, 100) << 3;
        QTest::newRow("down near the edge: 8 clamped") << int(TPtzWnd::BTN_DOWN) << QPoint(200, 280)
                                                       << QPoint(200, 299) << 7;
        QTest::newRow("centre on column 0, pointer beyond")
            << int(TPtzWnd::BTN_LEFT) << QPoint(0, 100) << QPoint(-40, 100) << 7;
        QTest::newRow("centre on row 0, pointer beyond") << int(TPtzWnd::BTN_UP) << QPoint(50, 0) << QPoint(50, -9)
                                                         << 7;
    }
    void speed()
    {
        QFETCH(int, dir);
        QFETCH(QPoint, centre);
        QFETCH(QPoint, pos);
        QTEST(TPtzWnd::speedOf(dir, centre, pos, QSize(400, 300)), "speed");
    }

    // A drag as the requests see it: press, moves, release; the speed
    // follows the pointer, the dead zone stops the move.
    void drag_data()
    {
        using P = QList<QPoint>;
        QTest::addColumn<P>("moves");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("right, faster, release")
            << P{{450, 300}, {700, 300}} << QStringList{"22:2:1", "22:2:5", "23:2:0"};
        QTest::newRow("back into the dead zone stops, release adds nothing")
            << P{{400, 200}, {402, 298}} << QStringList{"16:2:2", "17:2:0"};
        QTest::newRow("change of direction: press of the new one")
            << P{{500, 300}, {400, 500}} << QStringList{"22:2:1", "18:2:4", "19:2:0"};
        QTest::newRow("only within the dead zone") << P{{403, 304}} << QStringList{};
    }
    void drag()
    {
        QFETCH(QList<QPoint>, moves);
        Rig rig;
        QVERIFY(rig.show());
        rig.mouse(QEvent::MouseButtonPress, QPoint(400, 300));
        QCOMPARE(rig.wnd->dragCentre(), QPoint(400, 300));
        // The arrows stand around the press point.
        const QRect right = rig.wnd->button(TPtzWnd::BTN_RIGHT)->geometry();
        QCOMPARE(QPoint(right.left(), right.top() + right.height() / 2), QPoint(400 + right.width(), 300));
        for (const QPoint& p : moves)
            rig.mouse(QEvent::MouseMove, p);
        if (TPtzWnd::dirOf(QPoint(400, 300), moves.last()) < 0)
            QVERIFY(rig.wnd->grab().save(vkeytest::grabPath("ptzwnd-pressed.png")));
        if (TPtzWnd::dirOf(QPoint(400, 300), moves.last()) >= 0) {
            // Only the arrow of the running direction is left.
            int shown = 0;
            for (int i = 0; i < 4; ++i)
                shown += rig.wnd->button(i)->isVisible();
            QCOMPARE(shown, 1);
        }
        rig.mouse(QEvent::MouseButtonRelease, moves.last());
        QTEST(rig.sent(), "sent");
        QCOMPARE(rig.wnd->dir(), -1);
        QCOMPARE(rig.wnd->speed(), 4); // back to the configured speed
        for (int i = 0; i < 4; ++i)
            QVERIFY(!rig.wnd->button(i)->isVisible());
    }

    // The key map without a popup open: each key's press and release.
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("Up at the configured speed") << int(Qt::Key_Up) << QStringList{"16:2:4", "17:2:0"};
        QTest::newRow("Down") << int(Qt::Key_Down) << QStringList{"18:2:4", "19:2:0"};
        QTest::newRow("Left") << int(Qt::Key_Left) << QStringList{"20:2:4", "21:2:0"};
        QTest::newRow("Right") << int(Qt::Key_Right) << QStringList{"22:2:4", "23:2:0"};
        QTest::newRow("1 zooms out") << int(Qt::Key_1) << QStringList{"29:2:0", "30:2:0"};
        QTest::newRow("ZoomIn zooms in") << int(Qt::Key_ZoomIn) << QStringList{"27:2:0", "28:2:0"};
        QTest::newRow("3 focus near") << int(Qt::Key_3) << QStringList{"31:2:0", "32:2:0"};
        QTest::newRow("Context4 focus far") << int(Qt::Key_Context4) << QStringList{"33:2:0", "34:2:0"};
        QTest::newRow("5 iris close") << int(Qt::Key_5) << QStringList{"37:2:0", "38:2:0"};
        QTest::newRow("Context2 iris open") << int(Qt::Key_Context2) << QStringList{"35:2:0", "36:2:0"};
        QTest::newRow("Escape leaves") << int(Qt::Key_Escape) << QStringList{"13:2:0"};
        QTest::newRow("F21 leaves") << int(Qt::Key_F21) << QStringList{"13:2:0"};
        QTest::newRow("7 is nothing") << int(Qt::Key_7) << QStringList{};
    }
    void keys()
    {
        QFETCH(int, key);
        Rig rig;
        QVERIFY(rig.show());
        vkeytest::key(rig.wnd, key);
        QTEST(rig.sent(), "sent");
        QCOMPARE(rig.wnd->isVisible(), key != Qt::Key_Escape && key != Qt::Key_F21);
    }

    // With the preset pad open the pad takes its keys; the arrows still
    // move the camera; its actions become the preset requests.
    void keysUnderPad_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("display");
        QTest::newRow("arrow moves the camera") << QList<int>{Qt::Key_Up} << QStringList{"16:2:4", "17:2:0"} << "";
        QTest::newRow("digit to the pad") << QList<int>{Qt::Key_5} << QStringList{} << "5";
        QTest::newRow("run 7") << QList<int>{Qt::Key_7, Qt::Key_Enter} << QStringList{"24:2:6"} << "7";
        QTest::newRow("clear 9") << QList<int>{Qt::Key_9, Qt::Key_Stop} << QStringList{"26:2:8"} << "9";
        QTest::newRow("Escape leaves the pad only") << QList<int>{Qt::Key_Escape} << QStringList{"40:2:0"} << "";
    }
    void keysUnderPad()
    {
        QFETCH(QList<int>, keys);
        Rig rig;
        QVERIFY(rig.show());
        vkeytest::key(rig.wnd, Qt::Key_Enter);
        TPtzpreset* pad = rig.wnd->presetPopup();
        QVERIFY(pad->isVisible());
        QTRY_COMPARE(rig.sent(), QStringList{"39:2:0"});
        QVERIFY(!rig.wnd->button(TPtzWnd::BTN_EXIT)->isVisible()); // the pad stands in their place
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath("ptzwnd-preset.png")));
        // A press in front of the pad starts no drag.
        rig.mouse(QEvent::MouseButtonPress, QPoint(pad->x() - 50, 300));
        QCOMPARE(rig.wnd->dragCentre(), QPoint());
        rig.mouse(QEvent::MouseButtonRelease, QPoint(pad->x() - 50, 300));
        rig.listen();
        for (int k : keys)
            vkeytest::key(rig.wnd, k);
        QCoreApplication::processEvents();
        QTEST(rig.sent(), "sent");
        QTEST(pad->display(), "display");
        QCOMPARE(rig.wnd->button(TPtzWnd::BTN_EXIT)->isVisible(), !pad->isVisible());
        QVERIFY(rig.wnd->isVisible());
    }

    // The preset pad opens by each way in: a click on "Preset [Enter]",
    // Return with the focus on it, the Enter key anywhere.
    void presetWaysIn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse click") << "click";
        QTest::newRow("Return on the button") << "return";
        QTest::newRow("Enter") << "enter";
    }
    void presetWaysIn()
    {
        QFETCH(QString, how);
        Rig rig;
        QVERIFY(rig.show());
        if (how == "click") {
            QTest::mouseClick(rig.wnd->button(TPtzWnd::BTN_PRESET), Qt::LeftButton);
        } else if (how == "return") {
            vkeytest::keys(rig.wnd, ">>>>");
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.wnd->button(TPtzWnd::BTN_PRESET)));
            vkeytest::key(rig.wnd, Qt::Key_Return);
        } else {
            vkeytest::key(rig.wnd, Qt::Key_Enter);
        }
        QTRY_VERIFY(rig.wnd->presetPopup()->isVisible());
        QTRY_COMPARE(rig.sent(), QStringList{"39:2:0"});
    }

    // The jog walks camera, setup, exit, preset, then the six minus/plus
    // buttons, starting at the camera button.
    void focusRing_data()
    {
        QTest::addColumn<QString>("jogs");
        QTest::addColumn<int>("focused");
        QTest::newRow("first jog: camera") << ">" << int(TPtzWnd::BTN_CAMERA);
        QTest::newRow("first jog back: camera") << "<" << int(TPtzWnd::BTN_CAMERA);
        QTest::newRow("fourth: preset") << ">>>>" << int(TPtzWnd::BTN_PRESET);
        QTest::newRow("fifth: zoom out") << ">>>>>" << int(TPtzWnd::BTN_ZOOM_WIDE);
        QTest::newRow("back from camera: iris open") << "><" << int(TPtzWnd::BTN_IRIS_OPEN);
    }
    void focusRing()
    {
        QFETCH(QString, jogs);
        QFETCH(int, focused);
        Rig rig;
        QVERIFY(rig.show());
        vkeytest::keys(rig.wnd, jogs);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(rig.wnd->button(focused)));
        QVERIFY(rig.sent().isEmpty());
    }

    // The setup popup: '9' opens it, keys go to it while it is open; OK
    // asks the main window to store and takes the stored speed.
    void setupPopup_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("speed");
        QTest::newRow("Escape cancels") << false << QStringList{"39:1:0", "40:1:0"} << 4;
        QTest::newRow("OK ends the setup") << true << QStringList{"39:1:0", "40:1:0", "41:2:0"} << 6;
    }
    void setupPopup()
    {
        QFETCH(bool, ok);
        Rig rig;
        QVERIFY(rig.show());
        vkeytest::key(rig.wnd, Qt::Key_9);
        TPtzsetup* setup = rig.wnd->setupPopup();
        QVERIFY(setup->isVisible());
        QTRY_COMPARE(rig.sent().size(), 1);
        // Arrows go to the popup now, not to the camera.
        vkeytest::key(rig.wnd, Qt::Key_Up);
        QCOMPARE(rig.sent().size(), 1);
        rig.fx.live<PropPreset>(IDX_PROP_PRESET)->ch[2].speedpan = 5; // as the main window stores it
        if (ok)
            QTest::mouseClick(setup->button(TPtzsetup::BTN_OK), Qt::LeftButton);
        else
            vkeytest::key(rig.wnd, Qt::Key_Escape);
        QTRY_VERIFY(!setup->isVisible());
        QVERIFY(rig.wnd->isVisible());
        QTEST(rig.sent(), "sent");
        QTEST(rig.wnd->speed(), "speed");
    }

    // However the window goes, a held move stops and the control ends once.
    void life_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("hidden from outside") << false;
        QTest::newRow("its exit") << true;
    }
    void life()
    {
        QFETCH(bool, byExit);
        Rig rig;
        QSignalSpy all(rig.wnd, &TPtzWnd::sg_request);
        QVERIFY(livetest::popup(rig.wnd));
        QCOMPARE(all.value(0).value(0).toInt(), int(Act_PtzNoViw));
        QVERIFY(rig.wnd->button(TPtzWnd::BTN_EXIT)->isVisible());
        QVERIFY(rig.wnd->grab().save(vkeytest::grabPath("ptzwnd.png")));
        rig.listen();
        QTest::keyPress(rig.wnd, Qt::Key_Left);
        if (byExit)
            QTest::mouseClick(rig.wnd->button(TPtzWnd::BTN_EXIT), Qt::LeftButton);
        else
            rig.wnd->hideWnd();
        QCoreApplication::processEvents();
        QCOMPARE(rig.sent(), (QStringList{"20:2:4", "21:2:0", "13:2:0"}));
        QVERIFY(!rig.wnd->isVisible());
        for (int i = 0; i < TPtzWnd::BTN_COUNT; ++i)
            QVERIFY(!rig.wnd->button(i)->isVisible());
    }

    // The camera menu: one entry per input; '0' opens it, a chosen camera
    // is sent with the one before; a long list gets a smaller face.
    void cameraMenu_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<int>("videos");
        QTest::newRow("16 inputs") << QByteArray("16") << 16;
        QTest::newRow("32 inputs") << QByteArray("32") << 32;
    }
    void cameraMenu()
    {
        QFETCH(QByteArray, profile);
        QFETCH(int, videos);
        Rig rig(profile.constData());
        QMenu* menu = rig.wnd->cameraMenu();
        QCOMPARE(menu->actions().size(), videos);
        QCOMPARE(menu->actions().at(videos - 1)->text(), QStringLiteral("Camera %1").arg(videos));
        QCOMPARE(menu->font().pointSize() == g_res->scale(10), videos > 31);
        QVERIFY(rig.show());
        vkeytest::key(rig.wnd, Qt::Key_0);
        QTRY_VERIFY(menu->isVisible());
        // The menu stands on the camera button, the controlled camera active.
        QTRY_COMPARE(menu->actions().indexOf(menu->activeAction()), 2);
        QCOMPARE(menu->geometry().bottom() + 1,
                 rig.wnd->mapToGlobal(rig.wnd->button(TPtzWnd::BTN_CAMERA)->pos()).y() - 1);
        vkeytest::key(rig.wnd, KEY_JOG_RIGHT);
        QCoreApplication::processEvents();
        vkeytest::key(rig.wnd, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(rig.wnd->channel(), 3);
        QTRY_VERIFY(rig.sent().contains("11:3:2"));
        QCOMPARE(rig.sent().first(), QStringLiteral("39:0:0"));
        QCOMPARE(rig.sent().filter(QRegularExpression("^40:0")).size(), 1);
    }
};

QTEST_MAIN(TPtzWndTest)
#include "tptzwndtest.moc"
