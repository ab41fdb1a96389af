// The camera colour page: sliders previewed on the camera shown, camera
// changes, the two "Default" scopes, "Apply All", the preview area and the
// frame's routes to it.
#include "setuptestenv.h"
#include "tsetupcolor.h"
#include "tslider.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

using Entry = QVector<int>; // bri, con, sat, hue

PropColor* colour(Frame& f, int live = 0)
{
    return static_cast<PropColor*>(f.fx.cfg->getsection(IDX_PROP_COLOR, live));
}

Entry entry(Frame& f, int ch)
{
    const ColorEntry& e = colour(f)->data[ch];
    return {e.bri, e.con, e.sat, e.hue};
}

void set(Frame& f, int ch, const Entry& v)
{
    colour(f)->data[ch] = ColorEntry{uint8_t(v[0]), uint8_t(v[1]), uint8_t(v[2]), uint8_t(v[3])};
}

TSetupColor* page(Frame& f)
{
    return static_cast<TSetupColor*>(f.w->page(Btn_Display_Color));
}

TSlider* slider(Frame& f, int k)
{
    return static_cast<TSlider*>(page(f)->control(TSetupColor::R_BRI + k));
}

bool open(Frame& f)
{
    if (!f.show())
        return false;
    f.w->sl_btnclicked(Btn_Display_Color, 0);
    return page(f)->isVisible();
}

} // namespace

class TSetupColorTest : public QObject
{
    Q_OBJECT
private slots:
    // A slider stores its value for the camera shown and previews it at
    // once with the camera and the value; the live copy waits.
    void sliders_data()
    {
        QTest::addColumn<int>("camera"); // button clicked first
        QTest::addColumn<int>("k");      // slider
        QTest::addColumn<QString>("want");
        QTest::newRow("hue of camera 2 to 80") << 1 << 3 << "43,1,80";
        QTest::newRow("brightness of camera 1") << 0 << 0 << "40,0,80";
        QTest::newRow("contrast of camera 16") << 15 << 1 << "41,15,80";
        QTest::newRow("saturation of camera 5") << 4 << 2 << "42,4,80";
    }
    void sliders()
    {
        QFETCH(int, camera);
        QFETCH(int, k);
        Frame f;
        QVERIFY(open(f));
        const PropColor live = *colour(f, 1);
        page(f)->sl_btnclicked(camera, 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        slider(f, k)->setValue(80);
        QFETCH(QString, want);
        QCOMPARE(requests(req), QStringList{want});
        QCOMPARE(entry(f, camera)[k], 80);
        QVERIFY(std::memcmp(colour(f, 1), &live, sizeof live) == 0);
    }

    // Another camera: each slider that moves to its values sends it for the
    // new camera, then the preview shows the new camera (85).
    void cameraChange_data()
    {
        QTest::addColumn<Entry>("second");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("all four differ") << Entry{10, 20, 30, 40}
                                         << QStringList{"40,1,10", "41,1,20", "42,1,30", "43,1,40", "85,1,0"};
        QTest::newRow("hue only") << Entry{50, 50, 50, 77} << QStringList{"43,1,77", "85,1,0"};
        QTest::newRow("same values") << Entry{50, 50, 50, 50} << QStringList{"85,1,0"};
    }
    void cameraChange()
    {
        QFETCH(Entry, second);
        Frame f;
        set(f, 0, {50, 50, 50, 50});
        set(f, 1, second);
        QVERIFY(open(f));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(page(f)->cameraButton(1), Qt::LeftButton);
        QTEST(requests(req), "want");
        QCOMPARE(page(f)->channel(), 1);
        QCOMPARE(page(f)->cameraButton(1)->state(), 1);
        QCOMPARE(page(f)->cameraButton(0)->state(), 2);
        QCOMPARE(entry(f, 1), second); // written back as stored
    }

    // The camera "Default" puts the camera shown to 50 and re-applies it;
    // the section "Default" every camera, re-applying all; "Apply All"
    // copies all four values of the camera shown to every camera.
    void buttons_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("want");
        QTest::addColumn<Entry>("cam0");
        QTest::addColumn<Entry>("cam2");
        QTest::addColumn<Entry>("cam15");
        const Entry a{11, 12, 13, 14}, b{21, 22, 23, 24}, d{50, 50, 50, 50};
        QTest::newRow("camera Default") << int(TSetupColor::R_CAMDEFAULT) << "39,2,0" << a << d << b;
        QTest::newRow("section Default") << int(TSetupColor::R_DEFAULT) << "39,-1,0" << d << d << d;
        QTest::newRow("Apply All") << int(TSetupColor::R_APPLYALL) << "39,-1,0" << a << a << a;
        QTest::newRow("Apply") << int(TSetupColor::R_APPLY) << "8,0,0" << a << a << b;
    }
    void buttons()
    {
        QFETCH(int, row);
        Frame f;
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch)
            set(f, ch, {21, 22, 23, 24});
        set(f, 0, {11, 12, 13, 14});
        set(f, 2, {11, 12, 13, 14});
        QVERIFY(open(f));
        page(f)->sl_btnclicked(2, 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(row)), Qt::LeftButton);
        QFETCH(QString, want);
        QCOMPARE(requests(req).filter(QRegularExpression("^(39|8),")), QStringList{want});
        QTEST(entry(f, 0), "cam0");
        QTEST(entry(f, 2), "cam2");
        QTEST(entry(f, 15), "cam15");
        QCOMPARE(slider(f, 0)->value(), entry(f, 2)[0]);
    }

    // A 32-channel unit: "Apply All" reaches the 20 entries of the section.
    void applyAll32()
    {
        Frame f;
        for (int live : {0, 1})
            static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, live))->videos = 32;
        const QByteArray after(reinterpret_cast<const char*>(colour(f) + 1), 64);
        QVERIFY(open(f));
        slider(f, 1)->setValue(66);
        QTest::mouseClick(static_cast<QPushButton*>(page(f)->control(TSetupColor::R_APPLYALL)), Qt::LeftButton);
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch)
            QCOMPARE(entry(f, ch)[1], 66);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(colour(f) + 1), 64), after);
        QVERIFY(page(f)->cameraButton(19)->isVisible());
    }

    // The preview: 83 with the camera on show, 84 on hide; the area black
    // while the picture is asked for, dark grey after; the frame gives it in
    // screen coordinates while the page shows, and hands it the camera
    // information.
    void previewArea()
    {
        Frame f;
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.w->sl_btnclicked(Btn_Display_Color, 0);
        QCOMPARE(requests(req), QStringList{"83,0,0"});
        const QRect area = page(f)->pipArea();
        QVERIFY(area.width() > 100 && area.height() > 100);
        QCOMPARE(f.w->pipRect(), QRect(page(f)->mapToGlobal(area.topLeft()), area.size()));
        const QPoint mid = area.center();
        QCOMPARE(page(f)->grab().toImage().pixelColor(mid), QColor(0, 0, 0));
        f.w->grab().save(vkeytest::grabPath("setup-color.png"));
        // Reply 46 reloads the controls from the edit copy.
        set(f, 0, {33, 50, 50, 50});
        int info = 0;
        f.w->reply(SetupAct::Act_InfoCamera, 0, &info);
        QCOMPARE(slider(f, 0)->value(), 33);
        req.clear();
        f.w->sl_btnclicked(Btn_Display_Osd, 0);
        QCOMPARE(requests(req), QStringList{"84,0,0"});
        QVERIFY(!page(f)->pipOn());
        QCOMPARE(page(f)->grab().toImage().pixelColor(mid), QColor(16, 16, 16));
        QCOMPARE(f.w->pipRect(), QRect(QPoint(0, 0), QPoint(-1, -1)));
    }

    // Keys: from the tab down to the item, right to the camera shown, down
    // to the sliders; Enter locks a slider and the arrows step it.
    void keys()
    {
        Frame f;
        QVERIFY(open(f));
        page(f)->sl_btnclicked(3, 0);
        f.w->button(Btn_Display)->setFocus();
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        for (int k : {int(Qt::Key_Down), int(Qt::Key_Right)})
            f.key(k);
        QVERIFY(page(f)->cameraButton(0)->hasFocus() || page(f)->cameraButton(3)->hasFocus());
        f.key(Qt::Key_Down);
        QVERIFY(slider(f, 0)->hasFocus());
        const int v = slider(f, 0)->value();
        f.key(Qt::Key_Enter);
        f.key(Qt::Key_Right);
        QCOMPARE(slider(f, 0)->value(), v + 1);
        QCOMPARE(requests(req).last(), QString("40,3,%1").arg(v + 1));
        QCOMPARE(entry(f, 3)[0], v + 1);
        // "Menu" is never reached by keys; every other control is.
        int entries = 0;
        for (const FocusLink& l : page(f)->focusTable()) {
            QVERIFY(l.widget != page(f)->control(TSetupColor::R_MENU));
            entries += l.tag == 14 ? 0 : 1;
        }
        QCOMPARE(entries, 16 + TSetupColor::R_MENU);
    }
};

QTEST_MAIN(TSetupColorTest)
#include "tsetupcolortest.moc"
