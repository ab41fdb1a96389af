// The PTZ page: each list writes its field of the chosen camera and tries it
// at once, a camera change re-shows the preview with the lists following,
// Default tries every camera once, the pad starts and stops the camera (and
// never leaves it moving when the page goes), the driver list the page
// trusts.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tptzbtn.h"
#include "tsetupptz.h"

#include <QAbstractItemView>
#include <cstring>

using namespace setuptest;
using namespace SetupAct;
using P = TSetupPtz;

namespace {

PropPtz* ptz(Frame& f, int live = 0)
{
    return static_cast<PropPtz*>(f.fx.cfg->getsection(IDX_PROP_PTZ, live));
}

P* page(Frame& f)
{
    return static_cast<P*>(f.w->page(Btn_Device_Ptz));
}

TCombo* combo(Frame& f, int row)
{
    return static_cast<TCombo*>(page(f)->control(row));
}

// Three drivers reported ("None" shown for the first), the lists refilled.
void drivers(Frame& f, int cnt = 3)
{
    auto* d = static_cast<PropPtzdrv*>(f.fx.cfg->getsection(IDX_PROP_PTZDRV, 0));
    std::memset(d, 0, sizeof *d);
    d->cnt = cnt;
    for (int i = 0; i < PROP_MAX_PTZDRV; ++i)
        qstrncpy(d->driver[i], QByteArray("DRV-") + QByteArray::number(i), sizeof d->driver[i]);
    f.w->evtLanguage();
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    QTest::mouseClick(f.w->button(Btn_Device_Ptz), Qt::LeftButton);
    return page(f)->isVisible();
}

} // namespace

class TSetupPtzTest : public QObject
{
    Q_OBJECT
private slots:
    // A list writes only its field of the chosen camera (the driver as the
    // entry's text) and sends 54 with the camera and the position.
    void lists_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("driver");
        QTest::addColumn<int>("addr");
        QTest::addColumn<int>("baud");
        QTest::newRow("driver 2") << int(P::R_DRIVER) << 2 << "DRV-2" << 9 << 4;
        QTest::newRow("None stored as its text") << int(P::R_DRIVER) << 0 << "None" << 9 << 4;
        QTest::newRow("address 200") << int(P::R_ADDR) << 200 << "DRV-1" << 200 << 4;
        QTest::newRow("baud 19200") << int(P::R_BAUD) << 3 << "DRV-1" << 9 << 3;
    }
    void lists()
    {
        QFETCH(int, row);
        QFETCH(int, index);
        Frame f;
        drivers(f);
        for (int ch : {0, 2})
            ptz(f)->ch[ch] = PtzEntry{"DRV-1", 9, 4};
        const PropPtz live = *ptz(f, 1);
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->cameraButton(2), Qt::LeftButton);
        QCOMPARE(combo(f, P::R_DRIVER)->currentIndex(), 1);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        combo(f, row)->setCurrentIndex(index);
        QCOMPARE(requests(req), QStringList{QString("54,2,%1").arg(index)});
        const PtzEntry& e = ptz(f)->ch[2];
        QTEST(QString::fromUtf8(e.driver), "driver");
        QTEST(e.addr, "addr");
        QTEST(e.baud, "baud");
        QCOMPARE(QByteArray(ptz(f)->ch[0].driver), QByteArray("DRV-1"));
        QVERIFY(std::memcmp(ptz(f, 1), &live, sizeof live) == 0);
    }

    // Another camera: its lists follow as if chosen (a name no driver has
    // becomes "None"), each moved list tries the new camera, then the
    // preview shows it.
    void camera_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<int>("addr");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("same values: the preview only") << QByteArray("DRV-2") << 7 << QStringList{"85,1,0"}
                                                        << QByteArray("DRV-2");
        QTest::newRow("unknown driver, other address")
            << QByteArray("gone") << 30 << QStringList{"54,1,0", "54,1,30", "85,1,0"} << QByteArray("None");
    }
    void camera()
    {
        QFETCH(QByteArray, driver);
        QFETCH(int, addr);
        Frame f;
        drivers(f);
        ptz(f)->ch[0] = PtzEntry{"DRV-2", 7, 1};
        ptz(f)->ch[1] = PtzEntry{"", addr, 1};
        qstrncpy(ptz(f)->ch[1].driver, driver.constData(), 32);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QVERIFY(open(f));
        QCOMPARE(requests(req), QStringList{"83,0,0"});
        req.clear();
        QTest::mouseClick(page(f)->cameraButton(1), Qt::LeftButton);
        QTEST(requests(req), "sent");
        QTEST(QByteArray(ptz(f)->ch[1].driver), "stored");
        QCOMPARE(ptz(f)->ch[1].addr, addr);
        QCOMPARE(page(f)->cameraButton(1)->state(), 1);
        QCOMPARE(page(f)->cameraButton(0)->state(), 2);
    }

    // Default: the section's defaults shown, one preview for every camera.
    void defaults()
    {
        Frame f;
        drivers(f);
        for (int ch = 0; ch < 16; ++ch)
            ptz(f)->ch[ch] = PtzEntry{"DRV-2", 7, 3};
        QVERIFY(open(f));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(P::R_DEFAULT)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"54,-1,0"});
        QCOMPARE(ptz(f)->ch[5].addr, 0);
        QCOMPARE(ptz(f)->ch[5].baud, 1);
        QCOMPARE(combo(f, P::R_DRIVER)->currentIndex(), 0);
        QCOMPARE(combo(f, P::R_ADDR)->currentIndex(), 0);
        QCOMPARE(combo(f, P::R_BAUD)->currentIndex(), 1);
        req.clear();
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(P::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"21,0,0"});
    }

    // The pad: a press starts the chosen camera, the release stops it, by
    // mouse and by keys (Enter gives the pad the keys; its own release
    // starts nothing). A direction still held when the page goes is
    // stopped; the pad gives the keys back.
    void pad_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("mouse up") << "mouse" << QStringList{"55,3,1", "55,3,0"};
        QTest::newRow("keys: right") << "keys" << QStringList{"58,3,1", "58,3,0"};
        QTest::newRow("held, item changed") << "item" << QStringList{"56,3,1", "56,3,0", "84,0,0"};
        QTest::newRow("held, menu closed") << "close" << QStringList{"56,3,1", "56,3,0", "84,0,0"};
    }
    void pad()
    {
        QFETCH(QString, how);
        Frame f;
        QVERIFY(open(f));
        QTest::mouseClick(page(f)->cameraButton(3), Qt::LeftButton);
        TPtzbtn* pad = page(f)->pad();
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        if (how == "mouse") {
            QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, pad->centreOf(TPtzbtn::Up));
            QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, pad->centreOf(TPtzbtn::Up));
        } else {
            pad->setFocus();
            f.key(Qt::Key_Enter);
            QVERIFY(pad->keyOn());
            if (how == "keys") {
                f.key(Qt::Key_Right);
            } else {
                QTest::keyPress(f.w, Qt::Key_Down);
                QCoreApplication::processEvents();
                QCOMPARE(page(f)->held(), int(TPtzbtn::Down));
                if (how == "item")
                    f.w->sl_btnclicked(Btn_Device_Audio, 0);
                else
                    f.w->closeForRemote();
                QVERIFY(!page(f)->isVisible());
                QCOMPARE(pad->keyOn(), 0);
            }
        }
        QTEST(requests(req).filter(QRegularExpression("^(5[5-8]|84),")), "sent");
    }

    // The driver list holds at most 20 names, none for a negative count;
    // an empty list chooses nothing. A name that fills its field without a
    // terminator is stored cut to 31 bytes at a whole character.
    void driverList_data()
    {
        QTest::addColumn<int>("cnt");
        QTest::addColumn<int>("entries");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("99") << 99 << 20;
        QTest::newRow("-4") << -4 << 0;
    }
    void driverList()
    {
        QFETCH(int, cnt);
        Frame f;
        drivers(f, cnt);
        ptz(f)->ch[0] = PtzEntry{"DRV-1", 9, 4};
        QVERIFY(open(f));
        QTEST(combo(f, P::R_DRIVER)->count(), "entries");
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        page(f)->sl_changeIndex(TSetupPage::CAMERAS + P::R_DRIVER, -1);
        QCOMPARE(QByteArray(ptz(f)->ch[0].driver), QByteArray("DRV-1"));
        QCOMPARE(requests(req), QStringList{});
        if (cnt != 3)
            return;
        // Two letters and ten three-byte characters: 32 bytes, no terminator.
        auto* d = static_cast<PropPtzdrv*>(f.fx.cfg->getsection(IDX_PROP_PTZDRV, 0));
        const QByteArray name = QString("xx" + QString(10, QChar(0xD55C))).toUtf8();
        QCOMPARE(name.size(), 32);
        std::memcpy(d->driver[2], name.constData(), 32);
        f.w->evtLanguage();
        combo(f, P::R_DRIVER)->setCurrentIndex(2);
        QCOMPARE(QByteArray(ptz(f)->ch[0].driver), name.left(29));
        QCOMPARE(requests(req), QStringList{"54,0,2"});
    }

    // Four cameras: four buttons, the others out of the walk; the preview
    // rectangle on the screen; the focus walk down to the pad.
    void layout()
    {
        Frame f;
        for (int live : {0, 1})
            static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->videos = 4;
        f.w->evtResize();
        drivers(f);
        QVERIFY(open(f));
        int shown = 0;
        for (int c = 0; c < TSetupPage::CAMERAS; ++c)
            shown += page(f)->cameraButton(c)->isVisible() ? 1 : 0;
        QCOMPARE(shown, 4);
        QVERIFY(page(f)->pipOn());
        const QRect a = page(f)->pipArea();
        QVERIFY(a.width() > 100 && a.height() > 100);
        QCOMPARE(f.w->pipRect(), QRect(page(f)->mapToGlobal(a.topLeft()), a.size()));
        f.w->button(Btn_Device)->setFocus();
        for (int k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Left})
            f.key(k);
        QVERIFY(page(f)->cameraButton(3)->hasFocus()); // the row wraps at 4
        for (int k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down})
            f.key(k);
        QVERIFY(page(f)->pad()->hasFocus());
        f.key(Qt::Key_Down);
        QVERIFY(page(f)->control(P::R_DEFAULT)->hasFocus());
        f.w->grab().save(vkeytest::grabPath("setup-ptz.png"));
    }

    // A list chosen by keys as the operator does (Return or Enter opens it,
    // an arrow moves, the same key takes the line): the list's own field
    // changes, the driver stays, one try goes out.
    void listsByKeys_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QByteArray>("stored"); // the camera's driver before
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<int>("addr");
        QTest::addColumn<int>("baud");
        QTest::newRow("driver, Return") << int(P::R_DRIVER) << int(Qt::Key_Return) << int(Qt::Key_Down)
                                        << QByteArray("DRV-1") << "54,0,2" << QByteArray("DRV-2") << 9 << 4;
        QTest::newRow("address, Return") << int(P::R_ADDR) << int(Qt::Key_Return) << int(Qt::Key_Down)
                                         << QByteArray("DRV-1") << "54,0,10" << QByteArray("DRV-1") << 10 << 4;
        // A driver the list does not hold shows "None" and stays stored.
        QTest::newRow("address, Enter, unknown driver") << int(P::R_ADDR) << int(Qt::Key_Enter) << int(Qt::Key_Up)
                                                        << QByteArray("gone") << "54,0,8" << QByteArray("gone") << 8
                                                        << 4;
        QTest::newRow("baud, Enter, unknown driver") << int(P::R_BAUD) << int(Qt::Key_Enter) << int(Qt::Key_Up)
                                                     << QByteArray("gone") << "54,0,3" << QByteArray("gone") << 9 << 3;
    }
    void listsByKeys()
    {
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, arrow);
        QFETCH(QByteArray, stored);
        QFETCH(QString, sent);
        Frame f;
        drivers(f);
        ptz(f)->ch[0] = PtzEntry{"", 9, 4};
        qstrncpy(ptz(f)->ch[0].driver, stored.constData(), sizeof ptz(f)->ch[0].driver);
        QVERIFY(open(f));
        TCombo* c = combo(f, row);
        c->setFocus(Qt::OtherFocusReason);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.key(key);
        QTRY_VERIFY(c->view()->isVisible());
        f.key(arrow);
        f.key(key);
        QTRY_VERIFY(!c->view()->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(requests(req), QStringList{sent});
        const PtzEntry& e = ptz(f)->ch[0];
        QTEST(QByteArray(e.driver), "driver");
        QTEST(e.addr, "addr");
        QTEST(e.baud, "baud");
    }
};

QTEST_MAIN(TSetupPtzTest)
#include "tsetupptztest.moc"
