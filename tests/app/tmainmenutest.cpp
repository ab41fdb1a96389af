// The main window's pop-up menu and command executor: the entries of each
// form, the menu key with its regions, the rights table, what the commands
// do to the device, and the file chooser's listing.
#include "mainrig.h"
#include "tfilewnd.h"
#include "tlistview.h"
#include "tpath.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

namespace {

// An entry as "text", then "+" with an icon, "=data" with data, "[x]" or
// "[ ]" when checkable, ">" for a submenu.
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

// Runs fn on the pop-up menu once it is open (the menu runs modally).
void whenPopup(std::function<void(QWidget*)> fn)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, fn] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            poll->deleteLater();
            poll->stop();
            fn(popup);
        }
    });
    poll->start(10);
}

// The regions reported, as id * 10 + shown.
QList<int> regionIds(const QSignalSpy& spy)
{
    QList<int> out;
    for (const QList<QVariant>& r : spy)
        out << r.at(0).toInt() * 10 + r.at(1).toInt();
    return out;
}

void keys(QWidget* w, const QVector<int>& ks)
{
    for (int k : ks)
        QTest::keyClick(w, Qt::Key(k));
}

} // namespace

class TMainMenuTest : public QObject
{
    Q_OBJECT
private slots:
    void entriesPerForm_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("searchMode");
        QTest::addColumn<int>("loggedIn");
        QTest::addColumn<QStringList>("want");
        const QStringList live{"Setup+>", "Split+", "Audio Out+", "Instant Replay+", "Search+", "Backup+",
                               "Snapshot+", "PTZ+", "Zoom+=-1", "Sequence+", "OSD[ ]", "System Information+"};
        QTest::newRow("live, logged out") << 0 << 0 << 0 << live + QStringList{"Log In+", "Alarm Control"};
        QTest::newRow("live, logged in") << 0 << 0 << 1 << live + QStringList{"Lock+", "Alarm Control"};
        const QStringList head{"Search+", "Split+", "Audio Out+", "Backup+", "Zoom+=-1", "Sequence+"};
        const QStringList tail{"OSD[ ]", "De-Interlace[x]", "Exit+"};
        QTest::newRow("playback") << 1 << 2 << 0 << head + QStringList{"Snapshot+"} + tail;
        QTest::newRow("thumbnails: no snapshot") << 1 << 3 << 0 << head + tail;
        QTest::newRow("negative search mode: no snapshot") << 1 << -1 << 1 << head + tail;
    }
    void entriesPerForm()
    {
        QFETCH(int, mode);
        QFETCH(int, searchMode);
        QFETCH(int, loggedIn);
        MainRig rig;
        g_api.m_mode = mode;
        g_api.m_searchMode = searchMode;
        g_api.m_deint = 1;
        rig.w->m_loggedIn = loggedIn;
        rig.w->createMenu();
        QTEST(entries(rig.w->m_menu), "want");
        QCOMPARE(rig.w->m_setupMenu != nullptr, mode == 0);
        if (rig.w->m_setupMenu) {
            QCOMPARE(entries(rig.w->m_setupMenu),
                     QStringList({"Display+=3", "Record+=9", "Device+=15", "Network+=24", "System+=31"}));
            for (const QAction* a : rig.w->m_setupMenu->actions())
                QCOMPARE(a->whatsThis(), QStringLiteral("Setup"));
        }
    }

    // The Menu key opens the menu with its regions (17, then 18 for the
    // submenu); Setup > Network asks for a login and keeps tab 24.
    void menuKey()
    {
        MainRig rig;
        rig.w->m_osdOn = 1;
        g_api.m_deint = 1;
        QSignalSpy regions(rig.w, &TMain::sg_showed);
        whenPopup([](QWidget* menu) {
            menu->grab().save(vkeytest::grabPath("menu-live.png"));
            keys(menu, {Qt::Key_Down, Qt::Key_Right});
            QWidget* sub = QApplication::activePopupWidget();
            QVERIFY(sub && sub != menu);
            keys(sub, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
            sub->grab().save(vkeytest::grabPath("menu-setup.png"));
            keys(sub, {Qt::Key_Return});
        });
        rig.w->openMenu();
        QCOMPARE(rig.w->m_pendingCmd, QStringLiteral("Setup"));
        QCOMPARE(rig.w->m_pendingArg, 24);
        QList<int> ids;
        QTRY_VERIFY((ids = regionIds(regions)).contains(170));
        QVERIFY(ids.contains(171) && ids.contains(180));
        QVERIFY(!regions.first().at(2).value<QRegion>().isEmpty());

        g_api.m_mode = 1;
        whenPopup([](QWidget* menu) {
            menu->grab().save(vkeytest::grabPath("menu-playback.png"));
            keys(menu, {Qt::Key_Escape});
        });
        rig.w->openMenu();
    }

    // Rights of the logged-in user (setup, search, backup, PTZ); refused
    // commands show "No permission" and do nothing.
    void rights_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QVector<int>>("rights");
        QTest::addColumn<bool>("refused");
        QTest::newRow("snapshot without backup") << "Snapshot" << QVector<int>{1, 1, 0, 1} << true;
        QTest::newRow("snapshot with backup") << "Snapshot" << QVector<int>{0, 0, 1, 0} << false;
        QTest::newRow("replay without search") << "Instant Replay" << QVector<int>{1, 0, 1, 1} << true;
        QTest::newRow("replay with search") << "Instant Replay" << QVector<int>{0, 1, 0, 0} << false;
        QTest::newRow("alarm control needs setup") << "Alarm Control" << QVector<int>{0, 1, 1, 1} << true;
        QTest::newRow("shutdown needs setup") << "Shutdown" << QVector<int>{0, 1, 1, 1} << true;
        QTest::newRow("setup needs setup") << "Setup" << QVector<int>{0, 1, 1, 1} << true;
        QTest::newRow("search needs search") << "Search" << QVector<int>{1, 0, 1, 1} << true;
        QTest::newRow("backup needs backup") << "Backup" << QVector<int>{1, 1, 0, 1} << true;
        QTest::newRow("PTZ needs PTZ") << "PTZ" << QVector<int>{1, 1, 1, 0} << true;
        QTest::newRow("sequence needs none") << "Sequence" << QVector<int>{0, 0, 0, 0} << false;
    }
    void rights()
    {
        QFETCH(QString, label);
        QFETCH(QVector<int>, rights);
        QFETCH(bool, refused);
        MainRig rig;
        rig.account(1, "user1", "", rights);
        rig.login(1, "");
        QCOMPARE(rig.w->m_loggedIn, 1);
        const int logs = g_api.lastLogs(nullptr, 0);
        rig.w->runMenu(label);
        QCOMPARE(MainRig::warning(), refused ? QStringLiteral("No permission") : QString());
        if (refused)
            QCOMPARE(g_api.lastLogs(nullptr, 0), logs);
        if (label == "Instant Replay")
            QCOMPARE(g_api.m_mode, refused ? 0 : 1);
    }

    // While nobody is logged in the snapshot follows the rights of the last
    // user who was.
    void snapshotLoggedOut()
    {
        MainRig rig;
        rig.account(1, "user1", "", {0, 0, 0, 0});
        rig.login(1, "");
        rig.w->runMenu("Lock");
        rig.fx.live<PropDisplay>(IDX_PROP_DISPLAY)->res = 4; // a 1920 x 1080 output
        rig.w->runMenu("Snapshot");
        QCOMPARE(MainRig::warning(), QStringLiteral("No permission"));
        // Centred over the main window, not over the output.
        QCOMPARE(g_msgWnd->pos(), QPoint(2 * ((1280 - g_msgWnd->width()) / 4), (720 - g_msgWnd->height()) / 2));
    }

    // What the commands without a window do, seen in the facade, the
    // stand-in and the log.
    void commands_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<int>("want");
        QTest::newRow("freeze") << "Freeze" << "frozen" << 1;
        QTest::newRow("de-interlace") << "De-Interlace" << "deint" << 1;
        QTest::newRow("OSD off") << "OSD" << "osd" << 0;
        QTest::newRow("panic record") << "Panic Record" << "panic" << 1;
        QTest::newRow("schedule record") << "Schedule Record" << "panic" << 0;
        QTest::newRow("alarm off") << "Alarm Off" << "relays" << 0;
        QTest::newRow("buzzer off") << "Buzzer Off" << "buzzer" << 0;
        QTest::newRow("shutdown logged") << "Shutdown" << "log" << int(LOG_SYSTEM_SHUTDOWN);
        QTest::newRow("unknown label") << "Nothing" << "relays" << 5;
    }
    void commands()
    {
        QFETCH(QString, probe);
        MainRig rig;
        rig.login(0, "");
        rig.w->m_osdOn = 1;
        QFETCH(int, want);
        g_api.m_panic = !want;
        g_api.runAlarm(0, 1);
        g_api.runAlarm(2, 1);
        g_api.runBuzzeron(1);
        QFETCH(QString, label);
        rig.w->runMenu(label);
        DalTestState st;
        dalTestGetState(&st);
        const QMap<QString, int> got{{"frozen", g_api.m_frozen}, {"deint", g_api.m_deint},
                                     {"osd", rig.w->m_osdOn},    {"panic", g_api.m_panic},
                                     {"relays", int(st.alarm)},  {"buzzer", st.buzzer},
                                     {"log", MainRig::lastLog().code}};
        QCOMPARE(got.value(probe), want);
    }

    // The file chooser lists a folder of the stick through the main
    // window, a page at a time; 0 or 101 names a page list nothing.
    void fileChooser_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("pages");
        QTest::newRow("five a page") << 5 << 7 << 2;
        QTest::newRow("none a page") << 0 << 0 << 0;
        QTest::newRow("too many a page") << 101 << 0 << 0;
    }
    void fileChooser()
    {
        QFETCH(int, perPage);
        MainRig rig;
        const QString dir = TPath::map(QStringLiteral("/backup"));
        QDir().mkpath(dir);
        for (int i = 0; i < 7; ++i)
            QFile(QStringLiteral("%1/fw%2.fwr").arg(dir).arg(i)).open(QIODevice::WriteOnly);
        QFile(dir + "/notes.txt").open(QIODevice::WriteOnly);
        emit g_fileWnd->sg_request(Act_FileInit, perPage, QStringLiteral("/backup"), QStringLiteral("*.fwr"));
        QTEST(g_fileWnd->total(), "total");
        QTEST(g_fileWnd->pages(), "pages");
        QCOMPARE(g_fileWnd->list()->count(), qMin(perPage, 7) * (perPage <= 100));
        if (perPage == 5) {
            QCOMPARE(g_fileWnd->list()->lineText(0), QStringLiteral("fw0.fwr"));
            emit g_fileWnd->sg_request(Act_FilePage, 1, QString(), QString());
            QCOMPARE(g_fileWnd->list()->count(), 2);
            QCOMPARE(g_fileWnd->page(), 1);
        }
    }
};

QTEST_MAIN(TMainMenuTest)
#include "tmainmenutest.moc"
