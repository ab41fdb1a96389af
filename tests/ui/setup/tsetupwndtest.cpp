// The setup frame offscreen: tabs and items, the menu's focus, OK, CANCEL,
// Escape and the shutdown question, page switching with the preview window
// kept between preview pages, the leave check, and the answers' routes.
#include "setuptestenv.h"
#include "tbutton.h"
#include "tsetupuser.h"

#include <memory>

using namespace setuptest;
using namespace SetupAct;

namespace {

// The page the tab opened on hides itself as its "Menu" does: the keys then
// reach the menu, and a hidden page asks nothing more.
void hideShownPage(Frame& f)
{
    for (int id = Btn_Display_Osd; id < TSetupWnd::BUTTONS; ++id) {
        if (f.w->page(id) && f.w->page(id)->isVisible())
            f.w->page(id)->hideWnd();
    }
}

} // namespace

class TSetupWndTest : public QObject
{
    Q_OBJECT
private slots:
    // Each tab shows its items (never "HD Spot"), "Shutdown" only on the
    // System tab, and fills the menu table's rows 1..8 with its items.
    void tabs_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QVector<int>>("items");
        QTest::newRow("Display") << int(Btn_Display) << QVector<int>{4, 5, 7, 8};
        QTest::newRow("Record") << int(Btn_Record) << QVector<int>{10, 11, 12, 13, 14};
        QTest::newRow("Device") << int(Btn_Device) << QVector<int>{16, 17, 18, 19, 20, 21, 22, 23};
        QTest::newRow("Network") << int(Btn_Network) << QVector<int>{25, 26, 27, 28, 29, 30};
        QTest::newRow("System") << int(Btn_System) << QVector<int>{32, 33, 34, 35, 36, 37};
    }
    void tabs()
    {
        QFETCH(int, tab);
        QFETCH(QVector<int>, items);
        Frame f;
        QVERIFY(f.show(tab));
        QVector<int> shown;
        for (int id = Btn_Display_Osd; id < TSetupWnd::BUTTONS; ++id) {
            if (f.w->button(id)->isVisible() && tabColumnOf(id) >= 0 && kSetupTabs[tabColumnOf(id)].id != id)
                shown << id;
        }
        QCOMPARE(shown, items);
        QCOMPARE(f.w->button(Btn_Shutdown)->isVisible(), tab == Btn_System);
        QVERIFY(f.w->button(Btn_Ok)->isVisible() && f.w->button(Btn_Cancel)->isVisible());
        QCOMPARE(f.w->button(tab)->state(), 1);
        QCOMPARE(f.focusId(), tab);
        const SetupTab& t = kSetupTabs[tabColumnOf(tab)];
        for (int r = 1; r <= 8; ++r) {
            const int id = t.first + r - 1;
            QCOMPARE(f.w->menuMatrix()[r][0], id <= t.last ? static_cast<QWidget*>(f.w->button(id)) : nullptr);
        }
        QCOMPARE(f.w->menuMatrix()[10][0], static_cast<QWidget*>(f.w->button(Btn_Ok)));
        f.w->grab().save(vkeytest::grabPath(QString("setup-tab-%1.png").arg(tab)));
    }

    // The menu's own focus with no page shown: the tab ring, the item
    // column, the bottom buttons; a move that finds nothing goes to the
    // Display tab.
    void menuKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("keys"); // U D L R, < > the jog
        QTest::addColumn<int>("focus");
        QTest::newRow("ring right") << int(Btn_Display) << "R" << int(Btn_Record);
        QTest::newRow("ring closes") << int(Btn_Display) << "RRRRR" << int(Btn_Display);
        QTest::newRow("ring left") << int(Btn_Display) << "L" << int(Btn_System);
        QTest::newRow("tab down: first item") << int(Btn_Record) << "D" << 10;
        QTest::newRow("item column") << int(Btn_Record) << "DDD" << 12;
        QTest::newRow("last item to OK") << int(Btn_Record) << "DDDDDD" << int(Btn_Ok);
        QTest::newRow("OK right: CANCEL") << int(Btn_Record) << "DDDDDDR" << int(Btn_Cancel);
        QTest::newRow("CANCEL right skips hidden Shutdown") << int(Btn_Record) << "DDDDDDRR" << int(Btn_Ok);
        QTest::newRow("System: the last item down to Shutdown") << int(Btn_System) << "DDDDDDD" << int(Btn_Shutdown);
        QTest::newRow("OK down: the tab") << int(Btn_Record) << "DDDDDDD" << int(Btn_Record);
        QTest::newRow("tab up: OK") << int(Btn_Record) << "U" << int(Btn_Ok);
        QTest::newRow("HD Spot passed over") << int(Btn_Display) << "DDD" << int(Btn_Display_Spot);
        QTest::newRow("item right: nothing, Display tab") << int(Btn_Record) << "DR" << int(Btn_Display);
        QTest::newRow("jog: the next button by id") << int(Btn_Record) << ">" << int(Btn_Record_Record);
        QTest::newRow("jog back: the previous one") << int(Btn_Record) << "<" << int(Btn_Display);
    }
    void menuKeys()
    {
        QFETCH(int, tab);
        QFETCH(QString, keys);
        Frame f;
        QVERIFY(f.show(tab));
        // The Record tab's rows walk the menu with no page shown: its first
        // page leaves as with "Menu".
        if (tab == Btn_Record)
            hideShownPage(f);
        for (const QChar c : keys)
            f.key(c == 'U'   ? int(Qt::Key_Up)
                  : c == 'D' ? int(Qt::Key_Down)
                  : c == 'L' ? int(Qt::Key_Left)
                  : c == 'R' ? int(Qt::Key_Right)
                  : c == '<' ? int(KEY_JOG_LEFT)
                             : int(KEY_JOG_RIGHT));
        QTEST(f.focusId(), "focus");
    }

    // OK and CANCEL (by click, Enter or Escape) hide the frame and report
    // 1 or 2; Enter on a tab opens it.
    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("want");
        QTest::addColumn<bool>("visible");
        QTest::newRow("OK clicked") << "ok" << QStringList{"1,0,0"} << false;
        QTest::newRow("CANCEL clicked") << "cancel" << QStringList{"2,0,0"} << false;
        QTest::newRow("Escape") << "escape" << QStringList{"2,0,0"} << false;
        QTest::newRow("Enter on OK") << "enter-ok" << QStringList{"1,0,0"} << false;
        QTest::newRow("Enter on a tab") << "enter-tab" << QStringList{} << true;
    }
    void leaving()
    {
        QFETCH(QString, how);
        Frame f;
        QVERIFY(f.show(Btn_Record));
        hideShownPage(f);
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        if (how == "ok")
            QTest::mouseClick(f.w->button(Btn_Ok), Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(f.w->button(Btn_Cancel), Qt::LeftButton);
        else if (how == "escape")
            f.key(Qt::Key_Escape);
        else if (how == "enter-ok") {
            f.key(Qt::Key_Up);
            f.key(Qt::Key_Enter);
        } else {
            f.key(Qt::Key_Right);
            f.key(Qt::Key_Enter);
            QCOMPARE(f.w->group(), int(Btn_Device));
        }
        QTEST(requests(req), "want");
        QTEST(f.w->isVisible(), "visible");
    }

    // "Shutdown" asks "Power Off" / "Are You Sure?"; OK reports 0 and hides
    // the frame, CANCEL leaves everything as it was.
    void shutdown_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("want");
        QTest::newRow("OK") << int(MSGBTN_OK) << QStringList{"0,0,0"};
        QTest::newRow("CANCEL") << int(MSGBTN_CANCEL) << QStringList{};
    }
    void shutdown()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, want);
        Frame f;
        QVERIFY(f.show(Btn_System));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QTest::mouseClick(f.w->button(Btn_Shutdown), Qt::LeftButton);
        QVERIFY(f.msg->isVisible());
        QCOMPARE(f.msg->text(), QStringLiteral("Are You Sure?"));
        f.msg->grab().save(vkeytest::grabPath("setup-shutdown.png"));
        QTest::mouseClick(f.msg->button(answer), Qt::LeftButton);
        QCOMPARE(requests(req), want);
        QCOMPARE(f.w->isVisible(), want.isEmpty());
        QCOMPARE(f.w->group(), int(Btn_System));
    }

    // A change of language (here to the same one) leaves every button of
    // every page captioned as before, the shown page and the hidden ones:
    // the user buttons and their "Setup", the camera rows' "Camera1".
    void languageKeepsCaptions()
    {
        Frame f;
        QVERIFY(f.show(Btn_System));
        QTest::mouseClick(f.w->button(Btn_System_User), Qt::LeftButton);
        TSetupPage* user = f.w->page(Btn_System_User);
        QVERIFY(user->isVisible());
        auto captions = [&f] {
            QStringList out;
            for (int id = 0; id < TSetupWnd::BUTTONS; ++id) {
                const TSetupPage* p = f.w->page(id);
                if (!p)
                    continue;
                const auto buttons = p->findChildren<TButton*>(QString(), Qt::FindDirectChildrenOnly);
                for (int i = 0; i < buttons.size(); ++i)
                    out << QString("page %1 button %2: %3").arg(id).arg(i).arg(buttons[i]->text());
            }
            return out;
        };
        const QStringList before = captions();
        QEvent change(QEvent::LanguageChange);
        for (QWidget* w : QApplication::allWidgets())
            QCoreApplication::sendEvent(w, &change);
        QCOMPARE(captions(), before);
        QCOMPARE(static_cast<TButton*>(user->control(TSetupUser::RowUser0))->text(), QStringLiteral("admin"));
        QCOMPARE(static_cast<TButton*>(user->control(TSetupUser::RowUser0 + 2))->text(), QStringLiteral("2"));
        QCOMPARE(static_cast<TButton*>(user->control(TSetupUser::RowPassword))->text(), QStringLiteral("Setup"));
        QCOMPARE(static_cast<TButton*>(user->control(TSetupUser::RowCamera))->text(), QStringLiteral("Setup"));
        for (int id : {int(Btn_Display_Color), int(Btn_Device_Ptz), int(Btn_Record_Record)}) {
            QCOMPARE(f.w->page(id)->cameraButton(0)->text(), QStringLiteral("Camera1"));
            QCOMPARE(f.w->page(id)->cameraButton(3)->text(), QStringLiteral("4"));
        }
    }

    // Pages: an item shows its page when the page exists; an item without a
    // page does nothing. Moving between two preview pages keeps the preview
    // window (84 dropped, 83 sent as 85); leaving to another page closes it.
    void pages_data()
    {
        QTest::addColumn<QVector<int>>("clicks");
        QTest::addColumn<QStringList>("want");
        QTest::addColumn<int>("page");
        QTest::newRow("OSD first") << QVector<int>{} << QStringList{} << 4;
        QTest::newRow("colour: preview up") << QVector<int>{8} << QStringList{"83,0,0"} << 8;
        QTest::newRow("colour to OSD: closed") << QVector<int>{8, 4} << QStringList{"83,0,0", "84,0,0"} << 4;
        QTest::newRow("colour, then another tab: closed, its first page shown")
            << QVector<int>{8, int(Btn_Device)} << QStringList{"83,0,0", "84,0,0"} << int(Btn_Device_Camera);
        QTest::newRow("privacy to motion: one 85")
            << QVector<int>{int(Btn_Device), 17, 19} << QStringList{"83,0,0", "85,0,1"} << 19;
        QTest::newRow("privacy, motion, privacy")
            << QVector<int>{int(Btn_Device), 17, 19, 17} << QStringList{"83,0,0", "85,0,1", "85,0,0"} << 17;
        QTest::newRow("item without page") << QVector<int>{int(Btn_Display_SpotHd)} << QStringList{} << 4;
        QTest::newRow("same item again") << QVector<int>{4, 4} << QStringList{} << 4;
        QTest::newRow("the Record tab: its first page")
            << QVector<int>{int(Btn_Record)} << QStringList{} << int(Btn_Record_Record);
        QTest::newRow("colour, then OK closes the preview")
            << QVector<int>{8, 1} << QStringList{"83,0,0", "84,0,0", "1,0,0"} << -1;
    }
    void pages()
    {
        QFETCH(QVector<int>, clicks);
        QFETCH(int, page);
        Frame f;
        QVERIFY(f.w->adoptPage(4, osdPage(nullptr)));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        QVERIFY(f.w->adoptPage(17, colourPage(nullptr, Btn_Device_Private)));
        QVERIFY(f.w->adoptPage(19, colourPage(nullptr, Btn_Device_Motion)));
        // Refused pages stay the caller's.
        std::unique_ptr<TTestPage> hdSpot(osdPage(nullptr, 6));
        std::unique_ptr<TTestPage> second(osdPage(nullptr));
        QVERIFY(!f.w->adoptPage(6, hdSpot.get()));
        QVERIFY(!f.w->adoptPage(4, second.get()));
        QVERIFY(!hdSpot->parent() && !second->parent());
        QVERIFY(f.show(Btn_Display));
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        for (int id : clicks)
            f.w->sl_btnclicked(id, 0);
        QTEST(requests(req), "want");
        QCOMPARE(f.w->curPage(), page);
        for (int id : {4, 8, 17, 19})
            QCOMPARE(f.w->page(id)->isVisible(), id == page);
        if (page == 8)
            f.w->grab().save(vkeytest::grabPath("setup-colour-page.png"));
    }

    // The leave check of the shown page holds OK, a tab and an item change;
    // CANCEL and Escape leave anyway.
    void leaveCheck_data()
    {
        QTest::addColumn<int>("click");
        QTest::addColumn<bool>("left");
        QTest::newRow("OK stays") << int(Btn_Ok) << false;
        QTest::newRow("tab stays") << int(Btn_Record) << false;
        QTest::newRow("item stays") << int(Btn_Display_Color) << false;
        QTest::newRow("CANCEL leaves") << int(Btn_Cancel) << true;
    }
    void leaveCheck()
    {
        QFETCH(int, click);
        QFETCH(bool, left);
        Frame f;
        auto* osd = osdPage(nullptr);
        osd->m_refuse = 1;
        QVERIFY(f.w->adoptPage(4, osd));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        QVERIFY(f.show());
        f.w->sl_btnclicked(click, 0);
        QCOMPARE(!f.w->isVisible(), left);
        if (!left) {
            QCOMPARE(f.w->curPage(), 4);
            QCOMPARE(f.w->group(), int(Btn_Display));
            QCOMPARE(f.w->button(4)->state(), 1);
        }
    }

    // "Menu" hides the page; the same item again leaves it hidden; another
    // item and back shows it again.
    void menuButton()
    {
        Frame f;
        auto* osd = osdPage(nullptr);
        QVERIFY(f.w->adoptPage(4, osd));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        QVERIFY(f.show());
        QVERIFY(osd->isVisible());
        QTest::mouseClick(static_cast<QPushButton*>(osd->control(5)), Qt::LeftButton);
        QVERIFY(!osd->isVisible());
        f.w->sl_btnclicked(4, 0);
        QVERIFY(!osd->isVisible());
        f.w->sl_btnclicked(8, 0);
        f.w->sl_btnclicked(4, 0);
        QVERIFY(osd->isVisible());
    }

    // Keys reach the shown page: Escape there is CANCEL of the whole setup.
    void keysToPage()
    {
        Frame f;
        QVERIFY(f.w->adoptPage(4, osdPage(nullptr)));
        QVERIFY(f.show());
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        f.key(Qt::Key_Escape);
        QCOMPARE(requests(req), QStringList{"2,0,0"});
        QVERIFY(!f.w->isVisible());
    }

    // Answers: 46 and 69 only to the shown page, 61 and 72 to the page
    // whether shown or not, null records never reach a handler, codes
    // outside the table nowhere.
    void replies_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("null");
        QTest::addColumn<QStringList>("shown");  // answers of the shown page
        QTest::addColumn<QStringList>("hidden"); // of the hidden one
        QTest::newRow("46 shown only") << 46 << false << QStringList{"46:7"} << QStringList{};
        QTest::newRow("69 shown only") << 69 << false << QStringList{"69:7"} << QStringList{};
        QTest::newRow("61 to both") << 61 << false << QStringList{"61:7"} << QStringList{"61:7"};
        QTest::newRow("72 to both") << 72 << false << QStringList{"72:7"} << QStringList{"72:7"};
        QTest::newRow("null ignored") << 46 << true << QStringList{} << QStringList{};
        QTest::newRow("70 nowhere") << 70 << false << QStringList{} << QStringList{};
    }
    void replies()
    {
        QFETCH(int, code);
        QFETCH(bool, null);
        Frame f;
        const QVector<int> takes{46, 61, 69, 70, 72};
        auto* shown = osdPage(nullptr, 4, {}, 100, takes);
        auto* hidden = osdPage(nullptr, 5, {}, 100, takes);
        QVERIFY(f.w->adoptPage(4, shown));
        QVERIFY(f.w->adoptPage(5, hidden));
        QVERIFY(f.show());
        // Large enough for any answer record: the frame's own pages that
        // take these codes read the whole record.
        alignas(8) static unsigned char rec[1 << 16];
        rec[0] = 7;
        f.w->reply(code, 0, null ? nullptr : rec);
        QTEST(shown->m_answers, "shown");
        QTEST(hidden->m_answers, "hidden");
    }

    // The preview rectangle: the shown preview page's area in screen
    // coordinates, (0, 0, -1, -1) otherwise; the clock only to a shown
    // date/time page.
    void pipRectAndClock()
    {
        Frame f;
        auto* dt = osdPage(nullptr, Btn_System_Dt);
        QVERIFY(f.w->adoptPage(4, osdPage(nullptr)));
        QVERIFY(f.w->adoptPage(8, colourPage(nullptr)));
        QVERIFY(f.w->adoptPage(Btn_System_Dt, dt));
        QVERIFY(f.show());
        QCOMPARE(f.w->pipRect(), QRect(QPoint(0, 0), QPoint(-1, -1)));
        f.w->sl_btnclicked(8, 0);
        const QRect r = f.w->pipRect();
        QCOMPARE(r.size(), QSize(200, 150));
        QCOMPARE(r.topLeft(), f.w->page(8)->mapToGlobal(QPoint(300, 60)));
        f.w->toDt(5, "x");
        QVERIFY(dt->m_clock.isEmpty());
        f.w->sl_btnclicked(Btn_System, 0);
        f.w->toDt(0, "now");
        QCOMPARE(dt->m_clock, QStringList{"0:now"});
    }

    // The address page reporting itself shown asks for the address (61);
    // with a fixed address the page itself asks for nothing.
    void addressShown()
    {
        Frame f;
        static_cast<PropNetaddr*>(f.fx.cfg->getsection(IDX_PROP_NETADDR, 0))->dhcp = 0;
        QVERIFY(f.w->page(Btn_Network_Addr)); // the unit's own address page
        // Listening before the show: the page may report itself shown
        // while the show still waits for the window.
        QSignalSpy req(f.w, &TSetupWnd::sg_request);
        QVERIFY(f.show(Btn_Network));
        QTRY_COMPARE(requests(req), QStringList{"61,0,0"});
    }

    // Each show starts over at the tab asked for; a hide forgets it.
    void showStartsOver()
    {
        Frame f;
        QVERIFY(f.show(Btn_System));
        QCOMPARE(f.w->group(), int(Btn_System));
        f.w->hideWnd();
        f.w->show();
        QCOMPARE(f.w->group(), int(Btn_Display));
    }
};

QTEST_MAIN(TSetupWndTest)
#include "tsetupwndtest.moc"
