// The camera page: the title typed on the keyboard and stored as UTF-8, the
// two switches, the signal box that only shows, "Default" for every camera,
// the camera row on small units and the key walk through the page.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tedit.h"
#include "tsetupcamera.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

PropCamera* cams(Frame& f, int live = 0)
{
    return static_cast<PropCamera*>(f.fx.cfg->getsection(IDX_PROP_CAMERA, live));
}

TSetupCamera* page(Frame& f)
{
    return static_cast<TSetupCamera*>(f.w->page(Btn_Device_Camera));
}

bool open(Frame& f)
{
    if (!f.show(Btn_Device))
        return false;
    f.w->sl_btnclicked(Btn_Device_Camera, 0);
    return page(f) && page(f)->isVisible();
}

void setVideos(Frame& f, int n)
{
    for (int live : {0, 1})
        static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->videos = n;
}

} // namespace

class TSetupCameraTest : public QObject
{
    Q_OBJECT
private slots:
    // The title: Enter on "Name" opens the keyboard with the stored title
    // and 14 characters at most; OK stores the text as
    // UTF-8, whole or cut at a character; Cancel keeps the title.
    void title_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("cancel");
        QTest::addColumn<QByteArray>("stored");
        const QString hangul14 = QString::fromUtf8("가나다라마바사아자차카타파하");
        QTest::newRow("14 Hangul syllables, 42 bytes, whole") << hangul14 << 0 << hangul14.toUtf8();
        QTest::newRow("16 letters cut to 14") << "ABCDEFGHIJKLMNOP" << 0 << QByteArray("ABCDEFGHIJKLMN");
        QTest::newRow("Cancel keeps the title") << "Gate" << 1 << QByteArray("Lobby");
    }
    void title()
    {
        QFETCH(QString, typed);
        QFETCH(int, cancel);
        Frame f;
        qstrncpy(cams(f)->data[2].name, "Lobby", 64);
        const QByteArray live(cams(f, 1)->data[2].name);
        QVERIFY(open(f));
        page(f)->sl_btnclicked(2, 0);
        auto* name = static_cast<TEdit*>(page(f)->control(TSetupCamera::R_NAME));
        QCOMPARE(name->text(), QString("Lobby"));
        name->setFocus();
        f.key(Qt::Key_Enter);
        QVERIFY(f.vk->isVisible());
        QCOMPARE(f.vk->edit()->maxLength(), 14);
        QCOMPARE(f.vk->text(), QString("Lobby"));
        f.vk->setText(typed);
        QTest::mouseClick(cancel ? f.vk->cancelButton() : f.vk->okButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QFETCH(QByteArray, stored);
        QCOMPARE(QByteArray(cams(f)->data[2].name), stored);
        QCOMPARE(name->text(), QString::fromUtf8(stored));
        QCOMPARE(QByteArray(cams(f, 1)->data[2].name), live); // the live copy waits
    }

    // The switches store 1 and 0 for the camera shown; Apply asks for the
    // page's apply; nothing else is sent.
    void switches_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("want"); // disableOn,covertOn of camera 4
        QTest::newRow("Disable on") << int(TSetupCamera::R_DISABLE) << 1 << "1,0";
        QTest::newRow("Disable on and off") << int(TSetupCamera::R_DISABLE) << 2 << "0,0";
        QTest::newRow("Covert on") << int(TSetupCamera::R_COVERT) << 1 << "0,1";
    }
    void switches()
    {
        QFETCH(int, row);
        QFETCH(int, clicks);
        Frame f;
        QVERIFY(open(f));
        page(f)->sl_btnclicked(3, 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(row)), Qt::LeftButton);
        const CameraEntry& e = cams(f)->data[3];
        QTEST(QString("%1,%2").arg(e.disableOn).arg(e.covertOn), "want");
        QCOMPARE(cams(f)->data[0].disableOn + cams(f)->data[0].covertOn, 0);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupCamera::R_APPLY)), Qt::LeftButton);
        QCOMPARE(requests(req), QStringList{"16,0,0"});
    }

    // The signal box is disabled and shows the first entry; a camera chosen
    // while the page is shown stores that entry for it.
    void signalBox()
    {
        Frame f;
        cams(f)->data[0].signal = 1;
        cams(f)->data[5].signal = 1;
        QVERIFY(open(f));
        auto* box = static_cast<TCombo*>(page(f)->control(TSetupCamera::R_SIGNAL));
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->itemText(0), TConfig::getdata(IDX_DATA_CAM_SIGNAL, 0).value(0));
        page(f)->sl_btnclicked(5, 0);
        QCOMPARE(cams(f)->data[5].signal, 0);
        QCOMPARE(box->currentIndex(), 0);
    }

    // "Default" restores every camera's entry and shows the defaults of the
    // camera shown.
    void defaults()
    {
        Frame f;
        QVERIFY(open(f));
        f.fx.cfg->setdefault(IDX_PROP_CAMERA);
        const PropCamera before = *cams(f);
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch) {
            qstrncpy(cams(f)->data[ch].name, "X", 64);
            cams(f)->data[ch].disableOn = 1;
            cams(f)->data[ch].covertOn = 1;
        }
        page(f)->sl_btnclicked(7, 0);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupCamera::R_DEFAULT)), Qt::LeftButton);
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch) {
            QCOMPARE(QByteArray(cams(f)->data[ch].name), QByteArray(before.data[ch].name));
            QCOMPARE(cams(f)->data[ch].disableOn, before.data[ch].disableOn);
            QCOMPARE(cams(f)->data[ch].covertOn, before.data[ch].covertOn);
        }
        QCOMPARE(static_cast<TEdit*>(page(f)->control(TSetupCamera::R_NAME))->text(),
                 QString::fromUtf8(before.data[7].name));
        QVERIFY(!static_cast<TButton*>(page(f)->control(TSetupCamera::R_DISABLE))->isChecked());
    }

    // Key walks on a 4-camera unit: only four camera buttons show, the row
    // ends lead to the page's item, Up and Down into the row land on the
    // camera shown, and "Menu" stays hidden.
    void focus_data()
    {
        QTest::addColumn<QString>("start"); // "item", "cam3", "name", "apply"
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("want");
        QTest::newRow("item right to camera 1") << "item" << "R" << "cam0";
        QTest::newRow("item left to camera 4") << "item" << "L" << "cam3";
        QTest::newRow("right from camera 4 to the item") << "cam3" << "R" << "item";
        QTest::newRow("left from camera 1 to the item") << "item" << "RL" << "item";
        QTest::newRow("camera down to Name") << "cam3" << "D" << "name";
        QTest::newRow("Name up to the camera shown") << "name" << "U" << "cam2";
        QTest::newRow("Name down Disable Covert Apply") << "name" << "DDD" << "apply";
        QTest::newRow("Apply right Default right OK") << "apply" << "RR" << "ok";
        QTest::newRow("Apply down to the Device tab") << "apply" << "D" << "tab";
        QTest::newRow("OK right to Apply") << "apply" << "RRR" << "apply";
        QTest::newRow("camera up to the Device tab") << "cam3" << "U" << "tab";
        QTest::newRow("nothing found: camera 1") << "page" << "L" << "cam0";
    }
    void focus()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        Frame f;
        setVideos(f, 4);
        QVERIFY(open(f));
        TSetupCamera* p = page(f);
        p->sl_btnclicked(2, 0);
        for (int c = 0; c < TSetupPage::CAMERAS; ++c)
            QCOMPARE(p->cameraButton(c)->isVisible(), c < 4);
        QVERIFY(!p->control(TSetupCamera::R_MENU)->isVisible());
        QMap<QString, QWidget*> at{{"item", f.w->button(Btn_Device_Camera)},
                                   {"cam0", p->cameraButton(0)},
                                   {"cam2", p->cameraButton(2)},
                                   {"cam3", p->cameraButton(3)},
                                   {"name", p->control(TSetupCamera::R_NAME)},
                                   {"apply", p->control(TSetupCamera::R_APPLY)},
                                   {"ok", f.w->button(Btn_Ok)},
                                   {"tab", f.w->button(Btn_Device)},
                                   {"page", p}};
        at[start]->setFocus();
        for (QChar k : keys)
            f.key(k == 'U' ? Qt::Key_Up : k == 'D' ? Qt::Key_Down : k == 'L' ? Qt::Key_Left : Qt::Key_Right);
        QFETCH(QString, want);
        QVERIFY2(at[want]->hasFocus(), qPrintable(QApplication::focusWidget()
                                                       ? QApplication::focusWidget()->metaObject()->className()
                                                       : QString("none")));
        if (QTest::currentDataTag() == QByteArray("camera down to Name"))
            f.w->grab().save(vkeytest::grabPath("setup-camera.png"));
    }
};

QTEST_MAIN(TSetupCameraTest)
#include "tsetupcameratest.moc"
