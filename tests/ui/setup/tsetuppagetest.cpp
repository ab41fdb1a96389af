// The setup page base, through a page built on it for the tests: edits go
// to the edit copy only (and only for cameras the unit has), Default, Apply
// and Apply All, the focus table that joins the page to the frame's menu,
// the key order, the show-time requests, previews and keyboard entry.
#include "setuptestenv.h"
#include "tcombo.h"
#include "tedit.h"
#include "tslider.h"

#include <QAbstractItemView>
#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

PropColor* colour(TDvrFixture& fx, int live)
{
    return static_cast<PropColor*>(fx.cfg->getsection(IDX_PROP_COLOR, live));
}

PropOsd* osd(TDvrFixture& fx, int live)
{
    return static_cast<PropOsd*>(fx.cfg->getsection(IDX_PROP_OSD, live));
}

// What has the focus: "tab<id>", "item<id>", "ok", "cancel", "shutdown",
// "cam<n>", "row<n>" or "-".
QString focusName(Frame& f, TSetupPage* page)
{
    for (int id = 0; id < TSetupWnd::BUTTONS; ++id) {
        TButton* b = f.w->button(id);
        if (!b || !b->hasFocus())
            continue;
        if (id == Btn_Ok)
            return "ok";
        if (id == Btn_Cancel)
            return "cancel";
        if (id == Btn_Shutdown)
            return "shutdown";
        return (kSetupTabs[tabColumnOf(id)].id == id ? "tab" : "item") + QString::number(id);
    }
    for (int c = 0; c < TSetupPage::CAMERAS; ++c) {
        if (page->cameraButton(c) && page->cameraButton(c)->hasFocus())
            return "cam" + QString::number(c);
    }
    for (int r = 0; page->control(r); ++r) {
        if (page->control(r)->hasFocus())
            return "row" + QString::number(r);
    }
    return "-";
}

void press(Frame& f, const QString& keys)
{
    for (const QChar c : keys)
        f.key(c == 'U'   ? int(Qt::Key_Up)
              : c == 'D' ? int(Qt::Key_Down)
              : c == 'L' ? int(Qt::Key_Left)
              : c == 'R' ? int(Qt::Key_Right)
              : c == '<' ? int(KEY_JOG_LEFT)
              : c == '>' ? int(KEY_JOG_RIGHT)
              : c == 'E' ? int(Qt::Key_Enter)
                         : int(Qt::Key_Escape));
}

} // namespace

class TSetupPageTest : public QObject
{
    Q_OBJECT
private slots:
    // A control writes its field of the edit copy at once, for the camera
    // shown, and sends its preview; the live copy stays; a camera the unit
    // does not have is never chosen.
    void edits_data()
    {
        QTest::addColumn<int>("camera"); // clicked first; -1 none
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("editCh"); // the entry written; -1 none
        QTest::addColumn<QStringList>("want");
        QTest::newRow("camera 1") << -1 << 30 << 0 << QStringList{"40,0,30"};
        QTest::newRow("camera 4") << 3 << 31 << 3 << QStringList{"85,3,0", "40,3,31"};
        QTest::newRow("camera 17 of 16: stays on 1") << 16 << 32 << 0 << QStringList{"40,0,32"};
        QTest::newRow("camera 20 of 16") << 19 << 33 << 0 << QStringList{"40,0,33"};
    }
    void edits()
    {
        QFETCH(int, camera);
        QFETCH(int, value);
        QFETCH(int, editCh);
        Frame f;
        auto* page = colourPage(nullptr);
        QVERIFY(f.w->adoptPage(8, page));
        QVERIFY(f.show());
        f.w->sl_btnclicked(8, 0);
        const PropColor live = *colour(f.fx, 1);
        const PropColor before = *colour(f.fx, 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        if (camera >= 0)
            page->sl_btnclicked(camera, 0);
        QCOMPARE(page->cameraButton(16)->isVisible(), false);
        static_cast<TSlider*>(page->control(0))->setValue(value);
        QTEST(requests(req), "want");
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch)
            QCOMPARE(int(colour(f.fx, 0)->data[ch].bri), ch == editCh ? value : int(before.data[ch].bri));
        QVERIFY(std::memcmp(colour(f.fx, 1), &live, sizeof live) == 0);
        QCOMPARE(page->channel(), editCh);
    }

    // A list stores its position, a switch 0 or 1; the OSD transparency
    // preview carries the value alone.
    void listAndSwitch()
    {
        Frame f;
        auto* page = osdPage(nullptr);
        QVERIFY(f.w->adoptPage(4, page));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        static_cast<TCombo*>(page->control(0))->setCurrentIndex(2);
        QCOMPARE(osd(f.fx, 0)->alpha, 2);
        const int on = osd(f.fx, 0)->osdOn;
        QTest::mouseClick(static_cast<QPushButton*>(page->control(1)), Qt::LeftButton);
        QCOMPARE(osd(f.fx, 0)->osdOn, on ? 0 : 1);
        QCOMPARE(requests(req), QStringList{"38,2,0"});
        f.w->grab().save(vkeytest::grabPath("setup-osd-page.png"));
        // Shown again, the controls come from the edit copy.
        osd(f.fx, 0)->alpha = 4;
        f.w->sl_btnclicked(Btn_Display_Color, 0);
        f.w->sl_btnclicked(Btn_Display_Osd, 0);
        QCOMPARE(static_cast<TCombo*>(page->control(0))->currentIndex(), 4);
    }

    // Default puts the page's sections to their defaults; a page with
    // defaultPreview re-sends its previews (all cameras on a camera page),
    // one without sends nothing. Apply sends the page id and applies
    // nothing itself.
    void buttons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("colour Default") << 8 << 3 << QStringList{"40,-1,50", "41,-1,50"};
        QTest::newRow("OSD Default") << 4 << 4 << QStringList{};
        QTest::newRow("colour Apply") << 8 << 2 << QStringList{"8,0,0"};
        QTest::newRow("OSD Apply") << 4 << 3 << QStringList{"4,0,0"};
    }
    void buttons()
    {
        QFETCH(int, page);
        QFETCH(int, row);
        Frame f;
        TTestPage* p = page == 8 ? colourPage(nullptr) : osdPage(nullptr);
        QVERIFY(f.w->adoptPage(page, p));
        QVERIFY(f.show());
        f.w->sl_btnclicked(page, 0);
        colour(f.fx, 0)->data[0].bri = 5;
        osd(f.fx, 0)->alpha = 1;
        const PropColor live = *colour(f.fx, 1);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(p->control(row)), Qt::LeftButton);
        QTEST(requests(req), "want");
        const bool isDefault = QTest::currentDataTag() == QByteArray(page == 8 ? "colour Default" : "OSD Default");
        if (page == 8)
            QCOMPARE(int(colour(f.fx, 0)->data[0].bri), isDefault ? 50 : 5);
        else
            QCOMPARE(osd(f.fx, 0)->alpha == 1, !isDefault);
        QVERIFY(std::memcmp(colour(f.fx, 1), &live, sizeof live) == 0);
    }

    // Apply All copies the shown camera's fields to every camera the unit
    // has and previews all of them; cameras beyond stay as they were.
    void applyAll_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("cameras");
        QTest::newRow("16 cameras") << "16" << 16;
        QTest::newRow("4 cameras") << "4" << 4;
    }
    void applyAll()
    {
        QFETCH(QString, profile);
        QFETCH(int, cameras);
        Frame f;
        if (profile != "16") {
            // The fixture comes up with 16; the device record says how many.
            static_cast<PropDevices*>(f.fx.cfg->getsection(IDX_PROP_DEVICES, 0))->videos = cameras;
        }
        auto* page = colourPage(nullptr);
        QVERIFY(f.w->adoptPage(8, page));
        QVERIFY(f.show());
        f.w->sl_btnclicked(8, 0);
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch)
            colour(f.fx, 0)->data[ch].bri = 9;
        page->sl_btnclicked(2, 0);
        static_cast<TSlider*>(page->control(0))->setValue(77);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(static_cast<QPushButton*>(page->control(4)), Qt::LeftButton);
        for (int ch = 0; ch < TSetupPage::CAMERAS; ++ch)
            QCOMPARE(int(colour(f.fx, 0)->data[ch].bri), ch < cameras ? 77 : 9);
        QCOMPARE(requests(req).first(), QStringLiteral("40,-1,77"));
    }

    // The focus table starts with the menu: the five tabs, the page's tab's
    // items (HD Spot's row kept), Shutdown on the System tab, OK, CANCEL,
    // all with tag 14; then the page's own controls.
    void focusTable_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("menuEntries");
        QTest::addColumn<bool>("ownItemDown"); // tabs lead down to the page's own item
        QTest::newRow("Display tab") << 4 << 12 << true;
        QTest::newRow("Device tab") << 17 << 15 << true;
        QTest::newRow("System tab") << 33 << 14 << false;
    }
    void focusTable()
    {
        QFETCH(int, page);
        QFETCH(int, menuEntries);
        QFETCH(bool, ownItemDown);
        Frame f;
        auto* p = osdPage(nullptr, page);
        QVERIFY(f.w->adoptPage(page, p));
        if (!ownItemDown)
            p->tabsToFirstItem(); // the other convention
        QVERIFY(f.show(kSetupTabs[tabColumnOf(page)].id));
        f.w->sl_btnclicked(page, 0);
        const QVector<FocusLink>& t = p->focusTable();
        const SetupTab& tab = kSetupTabs[tabColumnOf(page)];
        QCOMPARE(t.size(), menuEntries + 6);
        for (int i = 0; i < t.size(); ++i)
            QCOMPARE(t[i].tag, i < menuEntries ? 14 : 0);
        QCOMPARE(t[0].widget, static_cast<QWidget*>(f.w->button(Btn_Display)));
        QCOMPARE(t[0].left, static_cast<QWidget*>(f.w->button(Btn_System)));
        QCOMPARE(t[0].up, static_cast<QWidget*>(f.w->button(Btn_Cancel)));
        QCOMPARE(t[0].down, static_cast<QWidget*>(f.w->button(ownItemDown ? page : tab.first)));
        QCOMPARE(t[5].widget, static_cast<QWidget*>(f.w->button(tab.first)));
        QCOMPARE(t[5].up, static_cast<QWidget*>(f.w->button(tab.id)));
        QCOMPARE(t[menuEntries - 1].widget, static_cast<QWidget*>(f.w->button(Btn_Cancel)));
        QCOMPARE(t[menuEntries - 1].down, static_cast<QWidget*>(f.w->button(tab.id)));
        QCOMPARE(t[menuEntries - 2].up,
                 static_cast<QWidget*>(f.w->button(tab.id == Btn_System ? int(Btn_Shutdown) : tab.last)));
        // Every entry has its four links.
        for (const FocusLink& l : t)
            QVERIFY(l.right && l.left && l.down && l.up);
    }

    // The key order on a shown page: arrows follow the table between menu
    // and page, Enter clicks the focused button, Escape cancels the setup,
    // the jog steps through the table, an open list takes the keys first.
    void keys_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("tab down: own item") << 4 << "D" << "item4" << QStringList{};
        QTest::newRow("item right: first control") << 4 << "DR" << "row0" << QStringList{};
        QTest::newRow("down the page") << 4 << "DRDD" << "row2" << QStringList{};
        QTest::newRow("bottom row") << 4 << "DRDDDRR" << "row5" << QStringList{};
        QTest::newRow("bottom row to OK") << 4 << "DRDDDRRR" << "ok" << QStringList{};
        QTest::newRow("OK down: CANCEL") << 4 << "DRDDDRRRD" << "cancel" << QStringList{};
        QTest::newRow("tab up: CANCEL") << 4 << "U" << "cancel" << QStringList{};
        QTest::newRow("tab ring") << 4 << "RR" << "tab15" << QStringList{};
        QTest::newRow("jog: next entry") << 4 << ">" << "tab9" << QStringList{};
        QTest::newRow("Enter on Apply") << 4 << "DRDDDE" << "row3" << QStringList{"4,0,0"};
        QTest::newRow("Escape: CANCEL") << 4 << "DRX" << "-" << QStringList{"2,0,0"};
        QTest::newRow("camera row: the one shown") << 8 << "DRU" << "cam2" << QStringList{};
        QTest::newRow("Enter on the menu's OK") << 4 << "DRDDDRRRE" << "ok" << QStringList{"1,0,0"};
    }
    void keys()
    {
        QFETCH(int, page);
        QFETCH(QString, keys);
        Frame f;
        TTestPage* p = page == 8 ? colourPage(nullptr) : osdPage(nullptr);
        QVERIFY(f.w->adoptPage(page, p));
        QVERIFY(f.show());
        f.w->sl_btnclicked(page, 0);
        if (page == 8)
            p->sl_btnclicked(2, 0);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        press(f, keys);
        QTEST(requests(req).filter(QRegularExpression("^[0-9],|^[12][0-9],|^3[0-7],")), "want");
        if (f.w->isVisible())
            QTEST(focusName(f, p), "focus");
    }

    // An open list takes the arrows and Escape before the page.
    void openListFirst()
    {
        Frame f;
        auto* p = osdPage(nullptr);
        QVERIFY(f.w->adoptPage(4, p));
        QVERIFY(f.show());
        press(f, "DR");
        auto* combo = static_cast<TCombo*>(p->control(0));
        QVERIFY(combo->hasFocus());
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        press(f, "DX");
        QVERIFY(f.w->isVisible());
        QCOMPARE(requests(req), QStringList{});
    }

    // Show-time requests: from evtShow with no delay, from the timer
    // otherwise, and none when the page went before its timer.
    void showRequests_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<bool>("leaveAtOnce");
        QTest::addColumn<QStringList>("atShow");
        QTest::addColumn<QStringList>("later");
        QTest::newRow("no delay") << 0 << false << QStringList{"46,0,0", "69,0,0"} << QStringList{};
        QTest::newRow("100 ms") << 100 << false << QStringList{} << QStringList{"46,0,0", "69,0,0"};
        QTest::newRow("left before the timer") << 100 << true << QStringList{} << QStringList{};
    }
    void showRequests()
    {
        QFETCH(int, delay);
        QFETCH(bool, leaveAtOnce);
        QFETCH(QStringList, later);
        Frame f;
        QVERIFY(f.w->adoptPage(4, osdPage(nullptr)));
        QVERIFY(f.w->adoptPage(10, osdPage(nullptr, 10, {46, 69}, delay)));
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.w->sl_btnclicked(Btn_Record, 0);
        QTEST(requests(req), "atShow");
        if (leaveAtOnce)
            f.w->sl_btnclicked(Btn_Display, 0);
        req.clear();
        QTest::qWait(delay + 200);
        QCOMPARE(requests(req).filter(QRegularExpression("^(46|69),")), later);
    }

    // Keyboard entry: Enter on the text field opens the keyboard with the
    // field's text; OK writes the typed text cut to the field at a whole
    // character; Cancel and a late answer change nothing.
    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("hideFirst");
        QTest::addColumn<QString>("want");
        QTest::newRow("OK") << "Gate" << int(VK_OK) << false << "Gate";
        QTest::newRow("Cancel") << "Gate" << int(VK_CANCEL) << false << "CAM1";
        QTest::newRow("after the page went") << "Gate" << int(VK_OK) << true << "CAM1";
        // 62 ASCII characters and a three-byte one: the field holds 63 bytes.
        QTest::newRow("cut at a whole character")
            << QString(62, 'a') + QString::fromUtf8("\xea\xb0\x80") << int(VK_OK) << false << QString(62, 'a');
        QTest::newRow("Hangul fits") << QString::fromUtf8("\xec\xa0\x95\xeb\xac\xb8") << int(VK_OK) << false
                                     << QString::fromUtf8("\xec\xa0\x95\xeb\xac\xb8");
    }
    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(bool, hideFirst);
        Frame f;
        auto* p = osdPage(nullptr);
        QVERIFY(f.w->adoptPage(4, p));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        auto* cam = static_cast<PropCamera*>(f.fx.cfg->getsection(IDX_PROP_CAMERA, 0));
        qstrncpy(cam->data[0].name, "CAM1", sizeof cam->data[0].name);
        QVERIFY(f.show());
        press(f, "DRDD");
        QCOMPARE(focusName(f, p), QStringLiteral("row2"));
        press(f, "E");
        QVERIFY(f.vk->isVisible());
        QCOMPARE(f.vk->text(), QStringLiteral("CAM1"));
        if (hideFirst)
            f.w->sl_btnclicked(Btn_Display_Color, 0);
        emit f.vk->sg_reply(answer, typed);
        QTEST(QString::fromUtf8(cam->data[0].name), "want");
        QCOMPARE(cam->data[0].name[63], '\0');
    }

    // A click on a text field opens the text keyboard on it, as Enter does,
    // with the whole text and the field's length even when the last field
    // typed was shorter.
    void typingByMouse()
    {
        Frame f;
        auto* p = osdPage(nullptr);
        QVERIFY(f.w->adoptPage(4, p));
        auto* cam = static_cast<PropCamera*>(f.fx.cfg->getsection(IDX_PROP_CAMERA, 0));
        qstrncpy(cam->data[0].name, "CAM1", sizeof cam->data[0].name);
        QVERIFY(f.show());
        f.vk->setMaxLength(2);
        QTest::mouseClick(p->control(2), Qt::LeftButton);
        QVERIFY(f.vk->isVisible());
        QCOMPARE(f.vk->text(), QStringLiteral("CAM1"));
        QCOMPARE(f.vk->edit()->maxLength(), 63);
        f.vk->setText("Yard");
        QTest::mouseClick(f.vk->okButton(), Qt::LeftButton);
        QCOMPARE(QByteArray(cam->data[0].name), QByteArray("Yard"));
    }
};

QTEST_MAIN(TSetupPageTest)
#include "tsetuppagetest.moc"
