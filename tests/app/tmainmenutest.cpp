// The main window's pop-up menu, command executor and login gate, and the
// requests of its pop-up tools, offscreen against the device-layer stand-in.
#include "../common/dvr/tdvrfixture.h"
#include "../ui/base/vkeytestenv.h"
#include "talarmctrlwnd.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tfilewnd.h"
#include "tlogin.h"
#include "startup.h"
#include "tmain.h"
#include "tmsgwnd.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"

#include <QMenu>
#include <QSet>
#include <QSignalSpy>

namespace {

struct Rig
{
    ~Rig() { delete w; }
    // Account slot k with its rights setup, search, backup, PTZ ("0100").
    void account(int k, const char* id, const char* pw, const QString& rights = QString())
    {
        for (int live : {0, 1}) {
            UserAccount& a = static_cast<PropUser*>(fx.cfg->getsection(IDX_PROP_USER, live))->user[k];
            qstrncpy(a.id, id, sizeof a.id);
            qstrncpy(a.pw, pw, sizeof a.pw);
            uint8_t* right[] = {&a.setup, &a.search, &a.backup, &a.ptz};
            for (int i = 0; i < 4; ++i)
                *right[i] = rights.mid(i, 1) == "1";
        }
    }
    // The user chooser answers account k; the digits are typed, then OK
    // ("-": Escape).
    void login(int k, const QString& digits)
    {
        g_msgWnd->hide();
        emit static_cast<TLogin*>(w->wnd(ID_WND_LOGIN))->sg_request(TLogin::REQ_USER, k);
        QVERIFY(g_vkeyboard->isVisible());
        for (const QChar c : digits)
            vkeytest::key(g_vkeyboard, c == '-' ? Qt::Key_Escape : Qt::Key_0 + c.digitValue());
        if (!digits.contains('-'))
            QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        QVERIFY(!g_vkeyboard->isVisible());
    }
    // The last log record as "user:code".
    // "user:code", and ":contents" when the record has contents.
    static QByteArray lastLog()
    {
        LogRecord r = {};
        g_api.lastLogs(&r, 1);
        const QByteArray contents(r.contents, int(qstrnlen(r.contents, sizeof r.contents)));
        return QByteArray(r.user, int(qstrnlen(r.user, sizeof r.user))) + ':' + QByteArray::number(r.code, 16)
               + (contents.isEmpty() ? QByteArray() : ':' + contents);
    }
    static QString warning() { return g_msgWnd->isVisible() ? g_msgWnd->text() : QString(); }

    bool globals = (vkeytest::setUpGlobals(), true);
    TDvrFixture fx{"16", &installHooks};
    TMain* w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
};

// An entry: its text, "+" with an icon, "=data", "[x]" or "[ ]" when
// checkable, ">" for a submenu.
QStringList entries(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) {
        QString e = a->text() + (a->icon().isNull() ? "" : "+");
        if (a->data().isValid())
            e += "=" + a->data().toString();
        if (a->isCheckable())
            e += a->isChecked() ? "[x]" : "[ ]";
        out << e + (a->menu() ? ">" : "");
    }
    return out;
}

// Once the menu runs (modally): grabs it, then sends the keys to the open
// pop-up (the submenu once one opened).
void onPopup(const QString& grab, const QVector<int>& keys)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (!QApplication::activePopupWidget())
            return;
        poll->stop();
        poll->deleteLater();
        QApplication::activePopupWidget()->grab().save(vkeytest::grabPath(grab));
        for (int k : keys)
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key(k));
    });
    poll->start(10);
}

// An image's size and pixels, to tell images apart.
QByteArray bytesOf(const QImage& img)
{
    const QImage a = img.convertToFormat(QImage::Format_ARGB32);
    QByteArray out = QByteArray::number(a.width()) + 'x' + QByteArray::number(a.height()) + ':';
    for (int y = 0; y < a.height(); ++y)
        out.append(reinterpret_cast<const char*>(a.constScanLine(y)), a.width() * 4);
    return out;
}

QByteArray sheetImage(int id)
{
    const QPixmap* pm = g_res ? g_res->getImage(id) : nullptr;
    return pm && !pm->isNull() ? bytesOf(pm->toImage()) : QByteArray();
}

} // namespace

class TMainMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void entriesPerForm_data()
    {
        QTest::addColumn<int>("searchMode"); // -2: live
        QTest::addColumn<int>("loggedIn");
        QTest::addColumn<QStringList>("want");
        const QStringList live{"Setup+>", "Split+", "Audio Out+", "Instant Replay+", "Search+", "Backup+",
                               "Snapshot+", "PTZ+", "Zoom+=-1", "Sequence+", "OSD[x]", "System Information+"};
        QTest::newRow("live, logged out") << -2 << 0 << live + QStringList{"Log In+", "Alarm Control"};
        QTest::newRow("live, logged in") << -2 << 1 << live + QStringList{"Lock+", "Alarm Control"};
        const QStringList play{"Search+", "Split+", "Audio Out+", "Backup+", "Zoom+=-1", "Sequence+"};
        const QStringList tail{"OSD[x]", "De-Interlace[ ]", "Exit+"};
        QTest::newRow("playback") << 2 << 0 << play + QStringList{"Snapshot+"} + tail;
        QTest::newRow("thumbnails: no snapshot") << 3 << 0 << play + tail;
        QTest::newRow("negative search mode") << -1 << 0 << play + tail;
    }
    void entriesPerForm()
    {
        QFETCH(int, searchMode);
        QFETCH(int, loggedIn);
        Rig rig;
        g_api.m_mode = searchMode == -2 ? 0 : 1;
        g_api.m_searchMode = searchMode;
        rig.w->m_osdOn = 1;
        rig.w->m_loggedIn = loggedIn;
        rig.w->createMenu();
        QTEST(entries(rig.w->m_menu), "want");
        const QStringList tabs{"Display+=3", "Record+=9", "Device+=15", "Network+=24", "System+=31"};
        QCOMPARE(rig.w->m_setupMenu ? entries(rig.w->m_setupMenu) : QStringList(),
                 searchMode == -2 ? tabs : QStringList());
    }

    // Each entry shows its own image of the sheet (0: none), the submenu's
    // entries too.
    void entryImages_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<QList<int>>("images"); // top to bottom
        QTest::addColumn<QList<int>>("setupImages");
        QTest::newRow("live") << true << QList<int>{193, 204, 196, 201, 194, 195, 210, 199, 202, 200, 0, 211, 214, 0}
                              << QList<int>{205, 206, 207, 208, 209};
        QTest::newRow("playback") << false << QList<int>{194, 204, 196, 195, 202, 200, 210, 0, 0, 203} << QList<int>{};
    }
    void entryImages()
    {
        QFETCH(bool, live);
        QFETCH(QList<int>, images);
        QFETCH(QList<int>, setupImages);
        Rig rig;
        g_api.m_mode = live ? 0 : 1;
        rig.w->createMenu();
        // The sheet's image each entry shows, among the images of its menu
        // (0 none, -1 another); those images differ, so a wrong one shows.
        auto shown = [](const QMenu* menu, const QList<int>& ids) {
            QSet<QByteArray> distinct;
            for (int id : ids)
                if (id)
                    distinct.insert(sheetImage(id));
            QList<int> out;
            if (distinct.size() != ids.size() - ids.count(0))
                return out << -2;
            for (const QAction* a : menu->actions()) {
                const QIcon icon = a->menu() ? a->menu()->icon() : a->icon();
                int found = 0;
                if (!icon.isNull()) {
                    const QByteArray got = bytesOf(icon.pixmap(icon.availableSizes().value(0)).toImage());
                    found = -1;
                    for (int id : ids)
                        if (id && sheetImage(id) == got)
                            found = id;
                }
                out << found;
            }
            return out;
        };
        QCOMPARE(shown(rig.w->m_menu, images), images);
        QCOMPARE(rig.w->m_setupMenu ? shown(rig.w->m_setupMenu, setupImages) : QList<int>(), setupImages);
    }

    // The Menu key opens the menu and reports its regions (17, and 18 for
    // the submenu); Setup > Network waits for a login with tab 24.
    void menuKey()
    {
        Rig rig;
        rig.w->m_osdOn = 1;
        // The reports in the order they are made: each is taken down before
        // the main window's own handling of it, which lets pending events
        // run. On a busy machine the keys that close the menu come in there,
        // and the hide reports then go out inside the show report's handling.
        QVERIFY(disconnect(rig.w, &TMain::sg_showed, rig.w, &TMain::sl_showed));
        QSignalSpy regions(rig.w, &TMain::sg_showed);
        connect(rig.w, &TMain::sg_showed, rig.w, &TMain::sl_showed);
        onPopup("menu-live.png", {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
        rig.w->openMenu();
        QCOMPARE(rig.w->m_pendingCmd + QString::number(rig.w->m_pendingArg), QStringLiteral("Setup24"));
        // Both shows are reported a moment after the menus open, so on a
        // busy machine the submenu's report can come first, and a menu
        // closed before its report comes is not reported shown: the last
        // word on each region is that it is hidden.
        auto last = [&regions](int region) {
            int state = -1;
            for (const QVariantList& r : regions)
                if (r.at(0).toInt() == region)
                    state = r.at(1).toInt();
            return state;
        };
        QTRY_VERIFY(last(17) == 0 && last(18) == 0);
        QTest::qWait(20);
        QCOMPARE(last(17), 0);
        QCOMPARE(last(18), 0);
        const int before = regions.count();

        // The right button opens the playback form.
        g_api.m_mode = 1;
        g_api.m_deint = 1;
        onPopup("menu-playback.png", {Qt::Key_Escape});
        QTest::mousePress(rig.w, Qt::RightButton, {}, QPoint(600, 500));
        QTRY_VERIFY(regions.count() > before && last(17) == 0);
    }

    // The login gate first, then the right of the user (setup, search,
    // backup, PTZ): "login" (the chooser asked), the refusal, or "" (ran).
    void gateAndRights_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("rights"); // setup search backup PTZ; "-": nobody logged in
        QTest::addColumn<QString>("want");
        for (const char* l : {"Setup", "Search", "Backup", "Instant Replay", "PTZ", "Log In", "Shutdown",
                              "Panic Record", "Schedule Record", "Alarm Control"})
            QTest::newRow(l) << l << "-" << "login";
        const QString no = "No permission";
        QTest::newRow("sequence logged out") << "Sequence" << "-" << "";
        QTest::newRow("snapshot: the last user's right") << "Snapshot" << "-" << no;
        QTest::newRow("snapshot with backup") << "Snapshot" << "0010" << "";
        QTest::newRow("replay with search") << "Instant Replay" << "0100" << "";
        const char* refusals[][2] = {{"Setup", "0111"},  {"Alarm Control", "0111"}, {"Shutdown", "0111"},
                                     {"Search", "1011"}, {"Instant Replay", "1011"}, {"Backup", "1101"},
                                     {"Snapshot", "1101"}, {"PTZ", "1110"}};
        for (const auto& r : refusals)
            QTest::newRow(qPrintable(QString(r[0]) + " refused")) << r[0] << r[1] << no;
    }
    void gateAndRights()
    {
        QFETCH(QString, label);
        QFETCH(QString, rights);
        Rig rig;
        rig.account(1, "user1", "", rights);
        g_api.setUserName("user1");
        rig.w->m_loggedIn = rights != "-";
        rig.w->runMenu(label);
        const bool asked = !rig.w->wnd(ID_WND_LOGIN)->isHidden() && rig.w->m_pendingCmd == label;
        QTEST(asked ? QStringLiteral("login") : Rig::warning(), "want");
    }

    // A gated command (Instant Replay) waits for the login. The chosen
    // account opens with its own password or the master password, never as
    // an empty slot or an index outside 0..7, and every refusal reads the
    // same; then the command runs. Lock logs the user out, the id as the
    // record's contents.
    void login_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QStringList>("answers"); // typed passwords, "-" cancels
        QTest::addColumn<bool>("accepted");
        QTest::newRow("own password") << 1 << QStringList{"1234"} << true;
        QTest::newRow("wrong password") << 1 << QStringList{"1235"} << false;
        QTest::newRow("master password") << 2 << QStringList{DAL_TEST_MASTER_PWD} << true;
        QTest::newRow("empty slot") << 3 << QStringList{""} << false;
        QTest::newRow("empty slot, master password") << 3 << QStringList{DAL_TEST_MASTER_PWD} << false;
        QTest::newRow("index -1") << -1 << QStringList{""} << false;
        QTest::newRow("cancelled") << 1 << QStringList{"-"} << false;
        QTest::newRow("wrong, cancelled, right") << 1 << QStringList{"9", "-", "1234"} << true;
    }
    void login()
    {
        QFETCH(int, user);
        QFETCH(QStringList, answers);
        QFETCH(bool, accepted);
        Rig rig;
        rig.account(1, "user1", "1234", "0100");
        rig.account(2, "user2", "77", "0100");
        rig.fx.live<PropUser>(IDX_PROP_USER)->autolock = 2;
        const QByteArray before = Rig::lastLog();
        if (accepted)
            rig.w->m_curUserIdx = user; // the chooser shows that account first
        rig.w->runMenu("Instant Replay");
        QCOMPARE(static_cast<TLogin*>(rig.w->wnd(ID_WND_LOGIN))->user(), accepted ? user : 0);
        for (const QString& a : answers)
            rig.login(user, a);
        QCOMPARE(Rig::warning(), accepted || answers.last() == "-" ? QString() : QStringLiteral("LogIn failed"));
        const QByteArray id = accepted ? rig.fx.live<PropUser>(IDX_PROP_USER)->user[user].id : "admin";
        QCOMPARE(Rig::lastLog(), accepted ? id + ":2000" : before);
        QCOMPARE(rig.w->m_logoutSec, accepted ? 120 : 0);
        QCOMPARE(g_api.m_mode, int(accepted));
        rig.w->runMenu("Lock");
        QCOMPARE(QPoint(rig.w->m_loggedIn, rig.w->m_logoutSec), QPoint(0, -1));
        QCOMPARE(Rig::lastLog(), ":2001:" + id);
    }

    // The facade's menu-open flag: set by the menu and by the commands that
    // open a window over the live view, cleared once no window is left.
    void windowOpenFlag_data()
    {
        QTest::addColumn<QString>("command"); // "menu": the Menu key, closed with Escape
        QTest::addColumn<int>("flag");
        QTest::newRow("menu key") << "menu" << 1;
        QTest::newRow("system information") << "System Information" << 1;
        QTest::newRow("alarm control") << "Alarm Control" << 1;
        QTest::newRow("log in while logged in") << "Log In" << 1;
        QTest::newRow("sequence opens nothing") << "Sequence" << 0;
        QTest::newRow("OSD opens nothing") << "OSD" << 0;
    }
    void windowOpenFlag()
    {
        QFETCH(QString, command);
        QFETCH(int, flag);
        Rig rig;
        rig.w->m_loggedIn = 1;
        QCOMPARE(g_api.m_wndOpen, 0);
        if (command == "menu") {
            onPopup("menu-flag.png", {Qt::Key_Escape});
            rig.w->openMenu();
        } else {
            rig.w->runMenu(command);
        }
        QCOMPARE(g_api.m_wndOpen, flag);
        // The windows close; the tick's delayed show of the bar clears it.
        for (int id : {ID_WND_SYSINFO, ID_WND_ALARMCTRL})
            rig.w->wnd(id)->hideWnd();
        rig.w->sl_showInfo();
        QCOMPARE(g_api.m_wndOpen, 0);
    }

    // The file chooser asks the main window for its listing and pages: the
    // names of the stick's folder that match, as many a page as asked
    // (nothing outside 1..100), and the chosen name back through its signal,
    // driven by keys (U D arrows, E Enter, X Escape).
    void fileChooser_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("perPage"); // 0: the chooser's own lines
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("reply");
        QTest::newRow("firmware, second name") << "*.fwr" << 0 << 2 << "UEDEXDE" << "v2.fwr";
        QTest::newRow("configuration, first name") << "*.conf" << 0 << 2 << "UEEXDE" << "dvr.conf";
        QTest::newRow("one a page") << "*.conf" << 1 << 2 << "" << "";
        QTest::newRow("100 a page") << "*.fwr" << 100 << 2 << "" << "";
        QTest::newRow("none a page: nothing listed") << "*.fwr" << -1 << 0 << "" << "";
        QTest::newRow("101 a page: nothing listed") << "*.fwr" << 101 << 0 << "" << "";
    }
    void fileChooser()
    {
        QFETCH(QString, pattern);
        QFETCH(int, perPage);
        QFETCH(int, total);
        QFETCH(QString, keys);
        QFETCH(QString, reply);
        Rig rig;
        for (const char* f : {"v1.fwr", "v2.fwr", "dvr.conf", "old.conf", "notes.txt"})
            QVERIFY(rig.fx.root.write(QStringLiteral("/backup/") + QLatin1String(f), "x"));
        QVERIFY(g_fileWnd);
        if (perPage != 0) {
            // The request as the chooser sends it, with another page size.
            rig.w->sl_fromFile(Act_FileInit, perPage == -1 ? 0 : perPage, QStringLiteral("/backup"), pattern);
            QCOMPARE(g_api.m_listInfo.total, total);
            QCOMPARE(g_api.m_listInfo.pages, total ? (total + perPage - 1) / perPage : 0);
            rig.w->sl_fromFile(Act_FilePage, 0, QString(), QString());
            QCOMPARE(g_api.m_pageLines.count, total ? qMin(total, perPage) : 0);
            return;
        }
        QSignalSpy replies(g_fileWnd, &TFileWnd::sg_reply);
        g_fileWnd->setTitle(QStringLiteral("Firmware File import"));
        g_fileWnd->setPath(QStringLiteral("/backup"), pattern);
        rig.w->placeWnd(g_fileWnd, 1);
        g_fileWnd->show();
        QCoreApplication::processEvents();
        QCOMPARE(g_api.m_listInfo.total, total);
        QCOMPARE(g_api.m_pageLines.page, 0);
        for (const QChar k : keys)
            vkeytest::key(g_fileWnd, k == 'E' ? int(Qt::Key_Return) : k == 'X' ? int(Qt::Key_Escape)
                                     : k == 'U' ? int(Qt::Key_Up) : int(Qt::Key_Down));
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies.first().first().toString(), reply);
        QVERIFY(!g_fileWnd->isVisible());
    }

    // System Information and Alarm Control from the menu: the status box
    // while the window asks, the outputs' state of the stand-in, and a
    // relay switched off by its button.
    void tools()
    {
        Rig rig;
        rig.w->m_loggedIn = 1;
        QSignalSpy status(rig.w, &TMain::sg_ctrlStatus);
        rig.w->runMenu("System Information");
        QVERIFY(rig.w->wnd(ID_WND_SYSINFO)->isVisible() && !g_statusWnd->isVisible());
        QCOMPARE(status.first().at(0).toInt() * 10000 + status.last().at(0).toInt(), 22242225);
        g_api.runAlarm(1, 1);
        rig.w->runMenu("Alarm Control");
        auto* alarm = static_cast<TAlarmCtrlWnd*>(rig.w->wnd(ID_WND_ALARMCTRL));
        QVERIFY(alarm->isVisible() && alarm->button(1)->isChecked() && alarm->button(2)->isChecked());
        QTest::mouseClick(alarm->button(3), Qt::LeftButton);
        QVERIFY(dalTestJournalFind("DalIoRunAlarm(0x00000002,0x00000000)") >= 0);
    }
};

DVR_APP_TEST_MAIN(TMainMenuTest)
#include "tmainmenutest.moc"
