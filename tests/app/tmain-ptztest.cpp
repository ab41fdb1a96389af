// PTZ control from the live view: the command, the window's requests as the
// stand-in's camera sees them, the stores of presets and tours, and the end
// of the control however the window goes.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tptzsetup.h"
#include "tptzwnd.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"
#include "wndcodes.h"

#include <QSignalSpy>

namespace {

enum { Addr = 7 };

// Camera 0 is a PTZ camera on address 7; pan speed 3 (sent as 4).
void ptzCamera(TMainRig& rig)
{
    for (int live : {0, 1}) {
        PtzEntry& line = static_cast<PropPtz*>(rig.fx.cfg->getsection(IDX_PROP_PTZ, live))->ch[0];
        qstrncpy(line.driver, "PELCO-D", sizeof line.driver);
        line.addr = Addr;
        line.baud = 2;
        static_cast<PropPreset*>(rig.fx.cfg->getsection(IDX_PROP_PRESET, live))->ch[0].speedpan = 3;
    }
    g_api.ptzSetdevice(0, 1);
    dalTestPtzLogClear();
}

// The serial line since the last clear: "move:2", "stop:2", "set:4" ...
QStringList ptzLog()
{
    QStringList out;
    DalTestPtzCmd c;
    for (int i = 0; dalTestPtzLog(i, &c) == 0; ++i) {
        const char* op = c.op == DAL_PTZ_MOVE ? "move" : c.op == DAL_PTZ_STOP ? "stop" : c.op == DAL_PTZ_PRESET_SET
                                                                                    ? "set"
                                                         : c.op == DAL_PTZ_PRESET_CLEAR ? "clear" : "go";
        out << QStringLiteral("%1:%2").arg(op).arg(c.arg);
    }
    return out;
}

TPtzWnd* ptzWnd(TMainRig& rig)
{
    return static_cast<TPtzWnd*>(rig.w->wnd(ID_WND_PTZ));
}

void key(TMainRig& rig, int state, int k)
{
    rig.w->keyEvent(SIG_IO_KEY, state, k);
    QCoreApplication::processEvents();
}

// Logged in as admin, the PTZ window opened with its key.
bool openPtz(TMainRig& rig)
{
    ptzCamera(rig);
    rig.w->show();
    QApplication::setActiveWindow(rig.w);
    if (!QTest::qWaitForWindowActive(rig.w))
        return false;
    rig.w->m_loggedIn = 1;
    key(rig, KEY_PRESS, Qt::Key_F21);
    key(rig, KEY_RELEASE, Qt::Key_F21);
    return ptzWnd(rig)->isVisible();
}

} // namespace

class TMainPtzTest : public QObject
{
    Q_OBJECT
private slots:
    // The command behind F21: the login gate, the PTZ right, then the
    // window over the camera in the first tile.
    void command_data()
    {
        QTest::addColumn<int>("loggedIn");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("want"); // ptz shown, busy, start logged, what else shows
        QTest::newRow("with the right") << 1 << 1 << "1 1 1 -";
        QTest::newRow("without the right") << 1 << 0 << "0 0 0 No permission";
        QTest::newRow("logged out: the user chooser") << 0 << 1 << "0 0 0 login";
    }
    void command()
    {
        QFETCH(int, loggedIn);
        QFETCH(int, right);
        TMainRig rig;
        ptzCamera(rig);
        rig.fx.live<PropUser>(IDX_PROP_USER)->user[0].ptz = uint8_t(right);
        rig.w->m_loggedIn = loggedIn;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        QSignalSpy requests(ptzWnd(rig), &TPtzWnd::sg_request);
        key(rig, KEY_PRESS, Qt::Key_F21);
        const QString other = rig.box()->isVisible()                 ? rig.box()->text()
                              : rig.w->wnd(ID_WND_LOGIN)->isVisible() ? "login"
                                                                      : "-";
        QTEST(QStringLiteral("%1 %2 %3 %4")
                  .arg(ptzWnd(rig)->isVisible())
                  .arg(g_api.m_ptzBusy)
                  .arg(TMainRig::logCodes().contains(LOG_PTZ_START))
                  .arg(other),
              "want");
        if (!ptzWnd(rig)->isVisible())
            return;
        QCOMPARE(ptzWnd(rig)->channel(), 0);
        // Its show put the camera full screen without an inset.
        QCOMPARE(requests.value(0).value(0).toInt(), int(Act_PtzNoViw));
        QCOMPARE(TMainRig::journal("DalVoutSetViw(0,0,0,0,0)").size(), 1);
        QCOMPARE(TMainRig::journal("DalVoutSetLayout(0,1,").size(), 1);
        QCOMPARE(rig.w->m_popupRect, QRect(0, 0, rig.w->width(), rig.w->height()));
    }

    // Keys through the main window reach the camera; Escape ends the
    // control: the stop logged, the layout back, alarm presets allowed.
    void drive_data()
    {
        QTest::addColumn<QList<int>>("keys"); // positive press, negative release
        QTest::addColumn<QStringList>("line");
        QTest::newRow("up held and let go") << QList<int>{Qt::Key_Up, -Qt::Key_Up} << QStringList{"move:2", "stop:2"};
        QTest::newRow("iris open") << QList<int>{Qt::Key_6, -Qt::Key_6} << QStringList{"move:8", "stop:8"};
        QTest::newRow("Escape with left held")
            << QList<int>{Qt::Key_Left, Qt::Key_Escape} << QStringList{"move:0", "stop:0"};
    }
    void drive()
    {
        QFETCH(QList<int>, keys);
        TMainRig rig;
        QVERIFY(openPtz(rig));
        for (int k : keys)
            key(rig, k > 0 ? KEY_PRESS : KEY_RELEASE, qAbs(k));
        QTEST(ptzLog(), "line");
        DalTestPtzCam cam;
        dalTestPtzCamera(Addr, &cam);
        QCOMPARE(cam.moving, -1);
        const bool left = keys.contains(Qt::Key_Escape);
        QCOMPARE(ptzWnd(rig)->isVisible(), !left);
        QCOMPARE(TMainRig::logCodes().contains(LOG_PTZ_STOP), left);
        QCOMPARE(g_api.m_ptzBusy, left ? 0 : 1);
    }

    // A preset store: the status box first, then the section committed to
    // flash and the camera told, and the box away 2 s later.
    void stores_data()
    {
        QTest::addColumn<QString>("keys"); // pad: digits then S (set, named "Harbour") or C; U: setup, 5 off, OK
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QString>("entry"); // in the file's PRESET group
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("set 4 named") << "4S" << QStringList{"set:3"} << "data00_name03" << "" << "Harbour";
        QTest::newRow("clear 5") << "5C" << QStringList{"clear:4"} << "data00_name04" << "Yard" << "";
        QTest::newRow("setup: 5 dropped") << "U" << QStringList{"clear:4"} << "data00_on04" << "1" << "0";
    }
    void stores()
    {
        QFETCH(QString, keys);
        QFETCH(QString, entry);
        QFETCH(QString, before);
        TMainRig rig;
        for (int live : {0, 1}) {
            PresetItem& p5 = static_cast<PropPreset*>(rig.fx.cfg->getsection(IDX_PROP_PRESET, live))->ch[0].preset[4];
            p5.on = 1;
            qstrncpy(p5.name, "Yard", sizeof p5.name);
        }
        rig.fx.cfg->save(IDX_PROP_PRESET);
        rig.fx.cfg->commitfile();
        QVERIFY(openPtz(rig));
        const QString conf = rig.fx.root.file(QStringLiteral("/dvr/%1.conf").arg(QLatin1String(rig.fx.dev.model)));
        auto onDisk = [&conf, &entry]() {
            QFile f(conf);
            if (!f.open(QIODevice::ReadOnly))
                return QStringLiteral("?");
            const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(entry), QRegularExpression::MultilineOption);
            return line.match(QString::fromUtf8(f.readAll())).captured(1).trimmed();
        };
        QCOMPARE(onDisk(), before);
        // At the box: nothing stored, nothing sent yet.
        QString atBox;
        connect(rig.w, &TMain::sg_ctrlStatus, rig.w, [&](int code, const QString& title, const QString& text) {
            atBox = QStringLiteral("%1 %2/%3 sent:%4 %5").arg(code).arg(title, text).arg(ptzLog().size()).arg(onDisk());
        });
        if (keys == "U") {
            key(rig, KEY_PRESS, Qt::Key_9);
            TPtzsetup* setup = ptzWnd(rig)->setupPopup();
            QVERIFY(setup->isVisible());
            QTest::mouseClick(setup->button(TPtzsetup::BTN_CHECK + 4), Qt::LeftButton);
            QTest::mouseClick(setup->button(TPtzsetup::BTN_OK), Qt::LeftButton);
        } else {
            key(rig, KEY_PRESS, Qt::Key_Enter);
            for (QChar c : keys) {
                const int k = c.isDigit() ? Qt::Key_0 + c.digitValue() : c == 'S' ? Qt::Key_F21 : Qt::Key_Stop;
                key(rig, KEY_PRESS, k);
                key(rig, KEY_RELEASE, k);
            }
        }
        if (keys.endsWith('S')) {
            QVERIFY(g_vkeyboard->isVisible());
            g_vkeyboard->setText(QStringLiteral("Harbour"));
            QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        }
        QElapsedTimer held;
        held.start();
        QCOMPARE(atBox, QStringLiteral("2224 PTZ/Please wait... sent:0 ") + before);
        QTEST(ptzLog(), "line");
        QTEST(onDisk(), "after");
        QVERIFY(g_statusWnd->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!g_statusWnd->isVisible(), 4000);
        QVERIFY(held.elapsed() >= 1900);
    }

    // The window goes without its exit while an arrow is held: the move
    // stops and the control ends exactly once.
    void closedFromOutside_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("auto-logout") << "logout";
        QTest::newRow("shuttle on the exit button") << "shuttle";
    }
    void closedFromOutside()
    {
        QFETCH(QString, how);
        TMainRig rig;
        QVERIFY(openPtz(rig));
        QSignalSpy requests(ptzWnd(rig), &TPtzWnd::sg_request);
        if (how == "logout") {
            for (int live : {0, 1})
                static_cast<PropUser*>(rig.fx.cfg->getsection(IDX_PROP_USER, live))->autolock = 1;
            rig.tick(); // the cursor's place is known
            key(rig, KEY_PRESS, Qt::Key_Down);
            rig.w->m_logoutSec = 1;
            rig.tick();
            QCOMPARE(ptzLog(), (QStringList{"move:3", "stop:3"}));
        } else {
            // Camera, setup, exit: the ring held to the right clicks it
            // when it comes back to the centre.
            for (int i = 0; i < 3; ++i)
                key(rig, KEY_PRESS, KEY_JOG_RIGHT);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ptzWnd(rig)->button(TPtzWnd::BTN_EXIT)));
            for (int pos : {5, 7}) {
                rig.w->sl_fromDvr(SIG_IO_SHUTTLE, 0, pos);
                QCoreApplication::processEvents();
                QVERIFY(ptzWnd(rig)->isVisible());
            }
            rig.w->sl_fromDvr(SIG_IO_SHUTTLE, 0, 0);
        }
        QTRY_VERIFY(!ptzWnd(rig)->isVisible());
        QCoreApplication::processEvents();
        int closes = 0;
        for (const QList<QVariant>& r : requests)
            closes += r.at(0).toInt() == Act_PtzClose;
        QCOMPARE(closes, 1);
        QCOMPARE(TMainRig::logCodes().count(LOG_PTZ_STOP), 1);
        QCOMPARE(g_api.m_ptzBusy, 0);
    }
};

DVR_APP_TEST_MAIN(TMainPtzTest)
#include "tmain-ptztest.moc"
