// The main window's backup: the command and key, the backup window's
// requests carried out on the stand-in, the answers routed back, and a copy
// made by mouse and keys end to end.
#include "tbackupwnd.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tmainrig.h"
#include "tstatuswnd.h"
#include "ttime.h"

#include <QDir>
#include <iterator>
#include <QtTest>

namespace {

enum { USB = 0, DISC = 1, KeyPress = 1 };

// The main window shown and active, as on the recorder.
void up(TMainRig& rig)
{
    QVERIFY(rig.showUp());
}

// user1 with the backup right (or without), logged in.
void logIn(TMainRig& rig, int right = 1)
{
    up(rig);
    TMainRig::logInUser1(rig.w, right);
}

TStatusWnd* status(TMainRig& rig)
{
    return static_cast<TStatusWnd*>(rig.w->wnd(ID_WND_STATUS));
}

QString statusShown(TMainRig& rig)
{
    return status(rig)->isVisible() ? status(rig)->text() : QString();
}

// user1 logged in, a stick put in through the control line (usbLine), and
// the window opened by its key: ready to copy once this returns.
TBackupWnd* openWithStick(TMainRig& rig, const char* usbLine)
{
    logIn(rig);
    dalTestControlLine(usbLine);
    dalTestFlush();
    dalTestControlLine("key KRBA");
    TBackupWnd* bw = rig.w->backupWnd();
    const bool ready = QTest::qWaitFor(
        [bw] { return bw->isVisible() && bw->button(TBackupWnd::BTN_START)->isEnabled() && !bw->initPending(); });
    if (!ready)
        qWarning("the backup window is not ready to copy"); // the caller's checks fail
    return bw;
}

QStringList backupFiles(TMainRig& rig)
{
    return QDir(rig.fx.root.file("/backup")).entryList(QDir::Files);
}

} // namespace

class TMainBackupTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    }
    void cleanup()
    {
        dalTestBackupHold(0);
        dalTestReset();
    }

    // "Backup" from the menu: the right, the busy device, then the window.
    void command_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("busy");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no right") << 0 << 0 << "No permission";
        QTest::newRow("a copy runs") << 1 << 1 << "Device is using, cannot Backup";
        QTest::newRow("opens") << 1 << 0 << "";
    }
    void command()
    {
        QFETCH(int, right);
        QFETCH(int, busy);
        QFETCH(QString, refusal);
        TMainRig rig;
        logIn(rig, right);
        g_api.m_backupBusy = busy;
        rig.w->runMenu(g_str->text(12));
        g_api.m_backupBusy = 0;
        QCOMPARE(rig.box()->isVisible(), !refusal.isEmpty());
        if (!refusal.isEmpty())
            QCOMPARE(rig.box()->text(), refusal);
        QCOMPARE(rig.w->backupWnd()->isVisible(), refusal.isEmpty());
        QCOMPARE(rig.logCodes().contains(LOG_BACKUP_START), refusal.isEmpty());
    }

    // Each request: the device calls, the status box and the log.
    void requests_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QString>("media"); // "stick", "empty stick", "disc", "fail"
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("status");
        const QString wait = "Please wait...";
        // The box shows "x" before the request.
        QTest::newRow("25: nothing") << 25 << 0 << 0 << "stick" << QStringList() << "x";
        QTest::newRow("26 close") << 26 << 0 << 0 << "stick" << QStringList{"DalBackupUmount()", "DalBackupCloseDb()"}
                                  << "x";
        QTest::newRow("27 detect") << 27 << 0 << 0 << "stick" << QStringList{"DalBackupScanBd()"} << wait;
        QTest::newRow("28 stick") << 28 << 0 << 0 << "stick" << QStringList{"DalBackupSetBd(0)"} << wait;
        QTest::newRow("28 stick without room") << 28 << 0 << 0 << "empty stick" << QStringList{"DalBackupSetBd(0)"}
                                               << "No Data";
        QTest::newRow("28 disc") << 28 << 1 << 1 << "disc" << QStringList{"DalBackupSetBd(1)", "DalBackupMount()"}
                                 << wait;
        QTest::newRow("29 select") << 29 << 0 << 1 << "disc" << QStringList{"DalBackupSetBd(1)"} << wait;
        QTest::newRow("30 open") << 30 << 0 << 0 << "stick" << QStringList{"DalBackupOpenDb(0x00000000,0x00000000)"}
                                 << wait;
        QTest::newRow("30 refused") << 30 << 0 << 0 << "fail" << QStringList{"DalBackupOpenDb("} << "No Data";
        QTest::newRow("30 nothing recorded") << 30 << 0 << 0 << "empty database" << QStringList{"DalBackupOpenDb("}
                                             << "No Data";
        QTest::newRow("31 filter") << 31 << 5 << 1 << "stick" << QStringList{"DalBackupSetFilter(0x00000005,1)"}
                                   << "x";
        QTest::newRow("32 type") << 32 << 1 << 0 << "stick" << QStringList{"DalBackupSetType(1)"} << "x";
        QTest::newRow("33 refused") << 33 << 0 << 0 << "stick" << QStringList{"DalBackupEstiRange("}
                                    << "No Space (More Than 50MB)";
        QTest::newRow("35 stop") << 35 << 0 << 0 << "stick" << QStringList{"DalBackupStop()"} << "x";
        QTest::newRow("37: nothing") << 37 << 0 << 0 << "stick" << QStringList() << "x";
    }
    void requests()
    {
        QFETCH(int, code);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QString, media);
        QFETCH(QStringList, calls);
        TMainRig rig;
        up(rig);
        dalTestBackupMedia(media == "disc" ? DISC : USB, 1, media == "empty stick" ? 0 : 8000000000ull, 0);
        dalTestFlush();
        QTRY_COMPARE(int(g_api.bdList().bd[media == "disc" ? DISC : USB].state != 0), 1);
        if (media == "fail")
            dalTestFail("DalBackupOpenDb", -1);
        if (media == "empty database")
            QCOMPARE(dalTestDbDescribe("/data0/data.db6", "# no date\n"), 0);
        rig.w->sl_ctrlStatus(SIG_STATE_START, QStringLiteral("Backup"), QStringLiteral("x"));
        dalTestJournalClear();
        const BackupRange range = {0, 0, 3600.0, 0, 0, 4200.0, 0}; // no source open: refused
        rig.w->sl_fromBackup(code, code == 33 ? const_cast<BackupRange*>(&range) : reinterpret_cast<void*>(intptr_t(a)),
                             reinterpret_cast<void*>(intptr_t(b)));
        QStringList seen;
        for (const QString& c : calls)
            seen << rig.journal(c.toLatin1().constData()).value(0).left(c.size());
        QCOMPARE(seen, calls);
        if (calls.isEmpty())
            QCOMPARE(rig.journal("DalBackup"), QStringList());
        QTEST(statusShown(rig), "status");
        QCOMPARE(rig.logCodes().contains(LOG_BACKUP_STOP), code == 26);
    }

    // The user's camera mask reaches the window.
    void camOff()
    {
        TMainRig rig;
        logIn(rig);
        for (int live : {0, 1}) {
            UserAccount& u = static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, live))->user[1];
            std::fill(std::begin(u.camlocal), std::end(u.camlocal), uint8_t(1));
            u.camlocal[2] = 0;
        }
        rig.w->sl_fromBackup(TBackupWnd::Act_BackupCamOff, nullptr, nullptr);
        QCOMPARE(rig.w->backupWnd()->camOff(), 1u << 2);
    }

    // The answers for the window: estimate or copy end, the medium's record
    // for window 5 only, the removal note only after a copy.
    void answers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("v1");
        QTest::addColumn<int>("v2");
        QTest::addColumn<int>("rs");
        QTest::addColumn<int>("copied"); // MB of the last copy
        QTest::addColumn<int>("shown");  // the backup window stays up
        QTest::addColumn<QString>("windowStatus");
        QTest::addColumn<QString>("box");
        QTest::newRow("8888 estimate end: nothing estimated") << 8888 << 0 << 0 << 1 << 0 << 1 << "No Data" << "x";
        QTest::newRow("8888 changed copy") << 8888 << 71 << 0 << 0 << 0 << 1 << "No Data" << "x";
        QTest::newRow("8888 copy end") << 8888 << 0 << 0 << 0 << 0 << 1 << "50%" << "x";
        QTest::newRow("8888 copy stopped: its text") << 8888 << 70 << 0 << 0 << 0 << 1 << "70%" << "x";
        QTest::newRow("8889 progress") << 8889 << 40 << 0 << 0 << 0 << 1 << "40%" << "x";
        QTest::newRow("9104 window 5 select") << 9104 << 5 << 29 << 0 << 0 << 1 << "50%" << "";
        QTest::newRow("9104 other window") << 9104 << 7 << 29 << 0 << 0 << 1 << "50%" << "x";
        QTest::newRow("9101 nothing found") << 9101 << 5 << 27 << 0 << 0 << 1 << "" << "No USB Device";
        QTest::newRow("9102 mount failed") << 9102 << 5 << 28 << 0 << 0 << 1 << "" << "Mount failed";
        QTest::newRow("9105 after a copy") << 9105 << 5 << 26 << 0 << 3 << 0 << "50%" << "Safe to remove backup device";
        QTest::newRow("9105 without a copy") << 9105 << 5 << 26 << 0 << 0 << 0 << "50%" << "x";
        QTest::newRow("9105 window still up") << 9105 << 5 << 26 << 0 << 3 << 1 << "50%" << "x";
    }
    void answers()
    {
        QFETCH(int, code);
        QFETCH(int, v1);
        QFETCH(int, v2);
        QFETCH(int, rs);
        QFETCH(int, copied);
        QFETCH(int, shown);
        TMainRig rig;
        up(rig);
        TBackupWnd* bw = rig.w->backupWnd();
        bw->show();
        // The show's own detection (nothing found) and fill done first.
        QTRY_COMPARE(statusShown(rig), QStringLiteral("No USB Device"));
        QTRY_VERIFY(!bw->initPending());
        bw->setProgress(50, QStringLiteral("50%"));
        rig.w->sl_ctrlStatus(SIG_STATE_START, QStringLiteral("Backup"), QStringLiteral("x"));
        if (!shown)
            bw->hide();
        g_api.m_space = copied;
        rig.w->sl_fromDvr(code, v1, v2, rs, QString(), QStringLiteral("%1%").arg(v1));
        QTEST(bw->statusText(), "windowStatus");
        QTEST(statusShown(rig), "box");
        g_api.m_space = 0;
    }

    // A window left open is closed by a remote test and by the
    // auto-logout, never under a running copy.
    void closings_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("busy");
        QTest::newRow("remote test") << "9002" << 0;
        QTest::newRow("remote test, copy running") << "9002" << 1;
        QTest::newRow("auto-logout") << "logout" << 0;
        QTest::newRow("upgrade") << "9990" << 0;
    }
    void closings()
    {
        QFETCH(QString, how);
        QFETCH(int, busy);
        TMainRig rig;
        logIn(rig);
        TBackupWnd* bw = rig.w->backupWnd();
        bw->show();
        QCoreApplication::processEvents();
        g_api.m_backupBusy = busy;
        if (busy) // the running copy's controls
            bw->button(TBackupWnd::BTN_EXIT)->setEnabled(false);
        if (how == "9002") {
            rig.w->sl_fromDvr(SIG_NET_RS_TEST, 0, 0, 0);
        } else if (how == "9990") {
            rig.w->sl_fromDvr(SIG_FU_START, 0, 0, 0);
        } else {
            rig.tick(); // the cursor's place taken: no move seen after it
            rig.w->m_logoutSec = 1;
            rig.tick();
        }
        g_api.m_backupBusy = 0;
        QCOMPARE(bw->isVisible(), busy != 0);
        QCOMPARE(rig.logCodes().contains(LOG_BACKUP_STOP), !busy && how != "9990");
        if (!busy)
            QVERIFY(!rig.journal("DalBackupUmount()").isEmpty());
    }

    // The "Time Changed" question holds the message box only while it is
    // open: a stop (the main window deleted, as every stop does) with it
    // open or hidden unanswered by a remote test is clean, and the OK of a
    // later, unrelated message leaves the backup range alone.
    void questionEnds_data()
    {
        QTest::addColumn<bool>("hidden");
        QTest::newRow("open at the stop") << false;
        QTest::newRow("hidden unanswered by a remote test") << true;
    }
    void questionEnds()
    {
        QFETCH(bool, hidden);
        TMainRig rig;
        logIn(rig);
        QCOMPARE(dalTestControlLine("usb in 8000"), 0);
        dalTestFlush();
        vkeytest::key(rig.w, Qt::Key_F20);
        TBackupWnd* bw = rig.w->backupWnd();
        QTRY_VERIFY(bw->isVisible() && bw->button(TBackupWnd::BTN_START)->isEnabled() && !bw->initPending());
        const auto range = [bw] {
            return QStringLiteral("%1 %2 %3 %4")
                .arg(bw->combo(TBackupWnd::COMBO_FROM)->currentIndex())
                .arg(bw->timeEdit(0)->time().toString(QStringLiteral("HH:mm:ss")))
                .arg(bw->combo(TBackupWnd::COMBO_TO)->currentIndex())
                .arg(bw->timeEdit(1)->time().toString(QStringLiteral("HH:mm:ss")));
        };
        // An estimate that moved both ends: the question comes up.
        BackupDb db = {};
        db.numDate = 3;
        db.range = {0, 0, 3600.0, 0, 0, 7201.0, 5000000ull};
        bw->estiBackupEnd(&db);
        QVERIFY(rig.box()->isVisible());
        QCOMPARE(rig.box()->lines().value(0), QStringLiteral("Time Changed"));
        const QString asked = range();
        QVERIFY(asked != QStringLiteral("0 01:00:00 0 02:00:00"));
        if (hidden) {
            rig.w->sl_fromDvr(SIG_NET_RS_TEST, 0, 0, 0);
            QVERIFY(!rig.box()->isVisible());
            QCoreApplication::processEvents();
            rig.box()->setType(MSG_OK);
            rig.box()->setText(QStringLiteral("unrelated"));
            rig.box()->show();
            QVERIFY(rig.box()->isVisible());
            QTest::mouseClick(rig.box()->button(MSGBTN_OK), Qt::LeftButton);
            QVERIFY(!rig.box()->isVisible());
            QCOMPARE(range(), asked);
        }
        delete rig.w;
        rig.w = nullptr;
        QVERIFY(!g_msgWnd && !g_statusWnd);
    }

    // A copy or an estimate refused at once ends the window's run: idle,
    // the refusal's text shown, Exit offered, nothing written.
    void refusedStart_data()
    {
        QTest::addColumn<QString>("failing"); // the device call made to fail
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("toBeforeFrom");
        QTest::addColumn<QString>("told");
        const QString noSpace = QStringLiteral("No Space (More Than 50MB)");
        QTest::newRow("start refused") << "DalBackupStart" << int(TBackupWnd::BTN_START) << false << "Failed";
        QTest::newRow("estimate refused") << "DalBackupEstiRange" << int(TBackupWnd::BTN_ESTIMATE) << false << noSpace;
        QTest::newRow("estimate, To before From") << "" << int(TBackupWnd::BTN_ESTIMATE) << true << noSpace;
    }
    void refusedStart()
    {
        QFETCH(QString, failing);
        QFETCH(int, button);
        QFETCH(bool, toBeforeFrom);
        QFETCH(QString, told);
        TMainRig rig;
        logIn(rig);
        dalTestBackupMedia(USB, 1, 8000000000ull, 0);
        dalTestFlush();
        vkeytest::key(rig.w, Qt::Key_F20);
        TBackupWnd* bw = rig.w->backupWnd();
        QTRY_VERIFY(bw->button(TBackupWnd::BTN_START)->isEnabled() && !bw->initPending());
        if (!failing.isEmpty())
            dalTestFail(qPrintable(failing), -1);
        if (toBeforeFrom)
            bw->timeEdit(1)->setTime(bw->timeEdit(0)->time().addSecs(-1));
        QTest::mouseClick(bw->button(button), Qt::LeftButton);
        QTRY_COMPARE(bw->running(), 0);
        QCOMPARE(bw->statusText(), told);
        QVERIFY(bw->button(TBackupWnd::BTN_EXIT)->isEnabled());
        QVERIFY(backupFiles(rig).isEmpty());
    }

    // A medium that goes during a copy, even when it is put back at once:
    // the stick while the file is written, the disc while its image is
    // made or while it is burnt. The copy fails, the window says which step
    // failed instead of "Please wait..." and is idle again: Start is
    // offered, Exit closes it and logs the end. Nothing is written.
    void failedCopyIsTold_data()
    {
        QTest::addColumn<QString>("medium"); // its control line's word
        QTest::addColumn<int>("heldAt");     // the progress the copy waits after
        QTest::addColumn<bool>("putBack");
        QTest::addColumn<QString>("told");   // the end of the status text
        QTest::newRow("stick out and in while written") << "usb" << int(CBT_BACKUP_COPY_PROG) << true << "Failed";
        QTest::newRow("disc out while its image is made")
            << "disc" << int(CBT_BACKUP_MKISO_PROG) << false << "] Make ISO Image Failed";
        QTest::newRow("disc out and in while it is burnt")
            << "disc" << int(CBT_BACKUP_BURNING_PROG) << true << "] Burning Failed";
    }
    void failedCopyIsTold()
    {
        QFETCH(QString, medium);
        QFETCH(int, heldAt);
        QFETCH(bool, putBack);
        QFETCH(QString, told);
        TMainRig rig;
        const QByteArray in = (medium + (medium == "usb" ? " in 512" : " in")).toLatin1();
        TBackupWnd* bw = openWithStick(rig, in.constData());
        QVERIFY(bw->button(TBackupWnd::BTN_START)->isEnabled() && !bw->initPending());
        QTest::mouseClick(bw->button(TBackupWnd::BTN_ESTIMATE), Qt::LeftButton);
        QTRY_COMPARE(bw->running(), 0);
        dalTestBackupHold(heldAt); // the copy waits after its first report of that step
        QTest::mouseClick(bw->button(TBackupWnd::BTN_START), Qt::LeftButton);
        const QString step = heldAt == CBT_BACKUP_MKISO_PROG ? "Make ISO Image"
            : heldAt == CBT_BACKUP_BURNING_PROG              ? "Burning"
                                                              : "MB]";
        QTRY_VERIFY(bw->statusText().endsWith(step) && bw->percent() > 0);
        QCOMPARE(dalTestControlLine(qPrintable(medium + " out")), 0);
        if (putBack)
            QCOMPARE(dalTestControlLine(in.constData()), 0);
        dalTestFlush();
        dalTestBackupHold(0);
        QTRY_COMPARE(bw->running(), 0);
        QTRY_VERIFY2(bw->statusText().endsWith(told), qPrintable(bw->statusText()));
        QCOMPARE(g_api.isBackup(0), 0);
        QVERIFY(bw->button(TBackupWnd::BTN_START)->isEnabled());
        QVERIFY(bw->button(TBackupWnd::BTN_EXIT)->isEnabled());
        QCOMPARE(backupFiles(rig), QStringList());
        QCOMPARE(QDir(rig.fx.root.file("/tmp")).entryList({"bdimage*"}), QStringList());
        QVERIFY(bw->grab().save(vkeytest::grabPath(QStringLiteral("backup-failed-%1.png").arg(heldAt, 0, 16))));
        QTest::mouseClick(bw->button(TBackupWnd::BTN_EXIT), Qt::LeftButton);
        QVERIFY(!bw->isVisible());
        QVERIFY(rig.logCodes().contains(LOG_BACKUP_STOP));
    }

    // A stick put in after the window was closed is none of the program's
    // business: nothing is mounted or opened, and no box comes up.
    void nothingOnceClosed()
    {
        TMainRig rig;
        logIn(rig);
        QCOMPARE(dalTestControlLine("key KRBA"), 0);
        TBackupWnd* bw = rig.w->backupWnd();
        QTRY_VERIFY(bw->isVisible() && !bw->initPending() && statusShown(rig) == "No USB Device");
        QTest::mouseClick(bw->button(TBackupWnd::BTN_EXIT), Qt::LeftButton);
        QVERIFY(!bw->isVisible());
        QTRY_COMPARE(statusShown(rig), QString());
        dalTestJournalClear();
        QCOMPARE(dalTestControlLine("usb in 512"), 0);
        dalTestFlush();
        QCoreApplication::processEvents(); // what the program makes of it, done
        DalTestBackupState st;
        dalTestBackupGetState(&st);
        QCOMPARE(st.mounted, 0);
        QCOMPARE(rig.journal("DalBackup").filter(QRegularExpression("^DalBackup(?!GetBd)")), QStringList());
        QCOMPARE(statusShown(rig), QString());
    }

    // The stand-in offers the open window what is there: every recorded
    // date (the last one proposed), the disc chosen in the Device list after
    // the stick, a stick put in while the window shows "None". A copy of the
    // proposed range then writes its file.
    void offersWhatIsIn_data()
    {
        QTest::addColumn<int>("days");          // recorded, 0: the stand-in's own three
        QTest::addColumn<QStringList>("lines"); // control lines, "open" for the Backup key, "copy" for Start
        QTest::addColumn<QList<int>>("chosen"); // Device list positions chosen in turn (0 USB, 1 CD/DVD)
        QTest::newRow("21 recorded days, the last proposed")
            << 21 << QStringList{"usb in 8000", "open"} << QList<int>();
        QTest::newRow("disc chosen after the stick")
            << 0 << QStringList{"usb in 8000", "disc in", "open"} << QList<int>{0, 1};
        QTest::newRow("stick put in while open") << 0 << QStringList{"open", "usb in 512"} << QList<int>();
        QTest::newRow("stick swapped after a copy")
            << 0 << QStringList{"usb in 8000", "open", "copy", "usb out", "usb in 4000"} << QList<int>();
    }
    void offersWhatIsIn()
    {
        QFETCH(int, days);
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, chosen);
        TMainRig rig;
        logIn(rig);
        QByteArray db;
        for (int d = 1; d <= days; ++d)
            db += QString::asprintf("date 2026-12-%02d\nrec all 00:00-23:59\n", d).toLatin1();
        QVERIFY(!days || dalTestDbDescribe("/data0/data.db6", db.constData()) == 0);
        TBackupWnd* bw = rig.w->backupWnd();
        TButton* start = bw->button(TBackupWnd::BTN_START);
        for (const QString& line : lines) {
            if (line == "copy") { // a good copy, its file then taken away with the stick
                QTest::mouseClick(start, Qt::LeftButton);
                QTRY_COMPARE_WITH_TIMEOUT(bw->running(), 0, 15000);
                QCOMPARE(bw->percent(), 100);
                QVERIFY(QFile::remove(rig.fx.root.file("/backup/" + backupFiles(rig).value(0))));
                continue;
            }
            QCOMPARE(dalTestControlLine(line == "open" ? "key KRBA" : qPrintable(line)), 0);
            if (line == "open") // its own detection answered
                QTRY_VERIFY(!bw->initPending() && (start->isEnabled() || statusShown(rig) == "No USB Device"));
        }
        for (int i : chosen)
            bw->combo(TBackupWnd::COMBO_MEDIUM)->setCurrentIndex(i);
        QTRY_VERIFY(start->isEnabled() && !bw->initPending());
        const int dates = days ? days : 3;
        QCOMPARE(bw->combo(TBackupWnd::COMBO_FROM)->count(), dates);
        QCOMPARE(bw->combo(TBackupWnd::COMBO_FROM)->currentIndex(), dates - 1);
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(bw->running(), 0, 15000);
        QCOMPARE(bw->percent(), 100);
        QCOMPARE(backupFiles(rig).size(), 1);
    }

    // End to end on the stand-in: the stick put in through the control
    // line, the key, a copy stopped (no file), a copy made (the file of the
    // range shown, 100 bytes a camera and second), Exit, the log.
    void copyEndToEnd()
    {
        TMainRig rig;
        TBackupWnd* bw = openWithStick(rig, "usb in 8000");
        QVERIFY(bw->isVisible());
        QVERIFY(bw->button(TBackupWnd::BTN_START)->isEnabled() && !bw->initPending());
        QCOMPARE(bw->device(), int(TBackupWnd::DEV_USB));
        QCOMPARE(bw->combo(TBackupWnd::COMBO_FROM)->count(), 3);
        QCOMPARE(bw->sizeText(), QStringLiteral("8000/8000 MB"));
        QVERIFY(rig.logCodes().contains(LOG_BACKUP_START));

        // The estimate: its size in the status bar.
        QTest::mouseClick(bw->button(TBackupWnd::BTN_ESTIMATE), Qt::LeftButton);
        QTRY_COMPARE(bw->running(), 0);
        QVERIFY2(bw->statusText().startsWith(QLatin1String("[0 MB/")), qPrintable(bw->statusText()));
        QCOMPARE(rig.box()->isVisible(), false); // the range held: no question

        // Held after its first step, then stopped: nothing stays.
        dalTestBackupHold(1);
        QTest::mouseClick(bw->button(TBackupWnd::BTN_START), Qt::LeftButton);
        QCOMPARE(bw->running(), 1);
        QTRY_VERIFY([] {
            DalTestBackupState st;
            dalTestBackupGetState(&st);
            return st.job == 2;
        }());
        QTRY_VERIFY(bw->percent() > 0);
        QTest::mouseClick(bw->button(TBackupWnd::BTN_STOP), Qt::LeftButton);
        dalTestBackupHold(0);
        QTRY_COMPARE(bw->running(), 0);
        QCOMPARE(backupFiles(rig), QStringList());

        // The copy by keys: Down from Estimation to Start, Enter.
        QApplication::setActiveWindow(bw);
        QVERIFY(QTest::qWaitForWindowActive(bw));
        bw->button(TBackupWnd::BTN_ESTIMATE)->setFocus();
        vkeytest::keys(bw, QStringLiteral("D"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bw->button(TBackupWnd::BTN_START)));
        vkeytest::key(bw, Qt::Key_Enter);
        QTRY_COMPARE(bw->running(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(bw->running(), 0, 15000);
        QCOMPARE(bw->percent(), 100);
        const BackupRange r = bw->range();
        QCOMPARE(r.startIdx, r.endIdx);
        const qint64 seconds = qint64(r.endTime) + 1 - qint64(r.startTime);
        const QStringList files = backupFiles(rig);
        QCOMPARE(files.size(), 1);
        QCOMPARE(QFileInfo(rig.fx.root.file("/backup/" + files[0])).size(), seconds * 16 * 100);
        QVERIFY(QTest::qWaitFor([&] {
            return bw->grab().save(vkeytest::grabPath(QStringLiteral("backup-done.png")));
        }));

        // Exit: the log, the medium released, the note to take it out.
        QTest::mouseClick(bw->button(TBackupWnd::BTN_EXIT), Qt::LeftButton);
        QVERIFY(!bw->isVisible());
        QVERIFY(rig.logCodes().contains(LOG_BACKUP_STOP));
        QTRY_COMPARE(statusShown(rig), QStringLiteral("Safe to remove backup device"));
    }
};

DVR_APP_TEST_MAIN(TMainBackupTest)
#include "tmain-backuptest.moc"
