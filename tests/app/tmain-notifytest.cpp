// The main window's device notifications on the stand-in: the tick's order
// and counters, the disk error boxes, the shuttle ring, the network upgrade
// and the routes of the other codes, as the facade delivers them.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tconfig.h"
#include "tstring.h"
#include "talarmctrlwnd.h"
#include "tbutton.h"
#include "tstatuswnd.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTimer>

class TMainNotifyTest : public QObject
{
    Q_OBJECT
private slots:
    // Storage refreshed on the first tick and every 60 after it; the cursor
    // parked in the corner once it stood still for more than 60 ticks; the
    // watchdog kicked every tick.
    void tickCounters_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("storageReads");
        QTest::addColumn<bool>("parked");
        QTest::newRow("first tick") << 1 << 1 << false;
        QTest::newRow("60 ticks") << 60 << 1 << false;
        QTest::newRow("61: the second refresh") << 61 << 2 << false;
        QTest::newRow("62: still where it was") << 62 << 2 << false;
        QTest::newRow("63: parked") << 63 << 2 << true;
        QTest::newRow("121: the third refresh") << 121 << 3 << true;
    }
    void tickCounters()
    {
        QFETCH(int, ticks);
        TMainRig rig;
        g_api.m_wdtOn = 1;
        const QPoint corner = rig.w->mapToGlobal(QPoint(rig.w->width() - 1, rig.w->height() - 1));
        QCursor::setPos(rig.w->mapToGlobal(QPoint(300, 200)));
        rig.tick(ticks);
        QTEST(TMainRig::calls("DalEncrGetSdInfo"), "storageReads");
        QTEST(QCursor::pos() == corner, "parked");
        QCOMPARE(TMainRig::calls("DalIoClearWdt"), ticks);
        g_api.m_wdtOn = 0;
    }

    // With the bar away the tick draws the whole clock again, also the part
    // below the bar's place.
    void clockAreaRepainted()
    {
        TMainRig rig;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        rig.w->showInfo(0, 0);
        rig.w->m_infoDirty = 1;
        QCoreApplication::processEvents();
        QRegion painted;
        struct Spy : QObject
        {
            QRegion* out;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    *out += static_cast<QPaintEvent*>(e)->region();
                return false;
            }
        } spy;
        spy.out = &painted;
        rig.w->installEventFilter(&spy);
        rig.tick(1);
        QCoreApplication::processEvents();
        rig.w->removeEventFilter(&spy);
        const QRect clock = rig.w->clockRect(g_res->getSize(16));
        QVERIFY(!clock.isEmpty());
        QVERIFY2((painted & clock) == QRegion(clock),
                 qPrintable(QStringLiteral("clock %1,%2 %3x%4 not repainted")
                                .arg(clock.x()).arg(clock.y()).arg(clock.width()).arg(clock.height())));
    }

    // A logged-in user is logged out when the count runs out: the log names
    // the user, the windows opened for the user close, the message box too.
    // A key or a move of the cursor starts the count again.
    void autoLogout_data()
    {
        QTest::addColumn<QString>("between"); // "" nothing, "key", "move"
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("runs out") << "" << false;
        QTest::newRow("a key keeps the user") << "key" << true;
        QTest::newRow("a cursor move keeps the user") << "move" << true;
    }
    void autoLogout()
    {
        QFETCH(QString, between);
        TMainRig rig;
        for (int live : {0, 1})
            static_cast<PropUser*>(rig.fx.cfg->getsection(IDX_PROP_USER, live))->autolock = 1; // 60 s
        qstrncpy(rig.fx.live<PropUser>(IDX_PROP_USER)->user[0].id, "admin", 16);
        rig.tick(); // the cursor's place is known
        rig.w->m_loggedIn = 1;
        rig.w->m_curUserIdx = 0;
        rig.w->m_logoutSec = 3;
        rig.w->wnd(ID_WND_SYSINFO)->show();
        rig.tick(2);
        if (between == "key")
            rig.w->sl_fromDvr(SIG_IO_KEY, KEY_RELEASE, Qt::Key_F19);
        else if (between == "move")
            QCursor::setPos(QCursor::pos() + QPoint(5, 5));
        rig.tick(1);
        QTEST(rig.w->m_loggedIn == 1, "loggedIn");
        QCOMPARE(rig.w->wnd(ID_WND_SYSINFO)->isVisible(), rig.w->m_loggedIn == 1);
        QCOMPARE(TMainRig::logCodes().contains(LOG_AUTO_LOGOUT), rig.w->m_loggedIn == 0);
        if (!rig.w->m_loggedIn) {
            // The id as the record's contents, the user field empty.
            LogRecord r = {};
            g_api.lastLogs(&r, 1);
            QCOMPARE(QByteArray(r.user) + '|' + QByteArray(r.contents), QByteArray("|admin"));
        }
        if (rig.w->m_loggedIn)
            QCOMPARE(rig.w->m_logoutSec, 59); // the period again, one tick down
    }

    // The sequence steps a page after its dwell; a unit without inputs has
    // no page to show and stays where it is.
    void sequenceStep_data()
    {
        QTest::addColumn<int>("videos");
        QTest::addColumn<bool>("stepped");
        QTest::newRow("16 inputs") << 16 << true;
        QTest::newRow("no inputs") << 0 << false;
    }
    void sequenceStep()
    {
        QFETCH(int, videos);
        TMainRig rig;
        int quad = -1;
        for (int i = 0; i < g_api.m_numLayout && quad < 0; ++i)
            if (g_api.layoutAt(i) > 1 && g_api.numLayoutSwitch(g_api.layoutAt(i)) >= 2)
                quad = g_api.layoutAt(i);
        QVERIFY(quad > 1);
        rig.w->changeLayout(quad, 0);
        QVERIFY(rig.w->splitTh()->wait(5000));
        QCOMPARE(g_api.m_sw, 0);
        rig.fx.live<PropDevices>(IDX_PROP_DEVICES)->videos = videos;
        rig.w->m_seqOn = 1;
        rig.w->m_nMainSeqDur = 2;
        rig.tick(2);
        QVERIFY(rig.w->splitTh()->wait(5000));
        QTEST(g_api.m_sw == 1, "stepped");
    }

    // Disk error boxes: four lines and "..." for more; each S.M.A.R.T. and
    // temperature finding is logged; the start-up disk check runs once.
    void diskErrors_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("disks");   // qualifying disks 1..disks
        QTest::addColumn<int>("smartOn");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("logged");  // records of the finding's code
        QTest::newRow("5 disks missing") << int(SIG_SD_INFO) << 5 << 0
                                         << QStringList{"HDD1 Error", "HDD2 Error", "HDD3 Error", "HDD4 Error", "..."}
                                         << 0;
        QTest::newRow("1 disk missing") << int(SIG_SD_INFO) << 1 << 0 << QStringList{"HDD1 Error"} << 0;
        QTest::newRow("no disk missing") << int(SIG_SD_INFO) << 0 << 0 << QStringList{} << 0;
        const QString e = QStringLiteral("S.M.A.R.T Error! (HDD%1  7 Errors / 9 Test)");
        QTest::newRow("5 disks failing")
            << int(SIG_ENC_SMART) << 5 << 1 << QStringList{e.arg(1), e.arg(2), e.arg(3), e.arg(4), "..."} << 5;
        QTest::newRow("failing, checks off") << int(SIG_ENC_SMART) << 5 << 0 << QStringList{} << 0;
        auto hot = [](int disk) {
            return QStringLiteral("Overheating! (HDD%1 70%2C/55%2C)").arg(disk).arg(QChar(0xB0));
        };
        QTest::newRow("2 disks hot") << int(SIG_ENC_SMART_TEMP) << 2 << 1 << QStringList{hot(1), hot(2)} << 2;
    }
    void diskErrors()
    {
        QFETCH(int, code);
        QFETCH(int, disks);
        QFETCH(int, smartOn);
        QFETCH(QStringList, lines);
        TMainRig rig;
        auto* smart = rig.fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = smartOn;
        const int limit = int(g_cfg->getvaluefromindex(IDX_DATA_TEMPERATURE, smart->heat));
        auto* storage = rig.fx.live<PropStorage>(IDX_PROP_STORAGE);
        for (int i = 0; i < 16; ++i) {
            storage->alarm[i] = i < disks;
            g_api.m_sdCheck.formatted[i] = i >= disks;
            g_api.m_smart.valid[i] = 1;
            g_api.m_smart.error[i] = 7;
            g_api.m_smart.totalTest[i] = 9;
            g_api.m_smart.temp[i] = i < disks ? 70 : limit;
        }
        QCOMPARE(limit, 55); // the default limit the rows name
        const QString title = g_str->text(213);
        // The disks' first mount at bring-up ran the start-up check on a
        // sound unit: no box, and not again.
        QVERIFY(!rig.box()->isVisible());
        QCOMPARE(rig.w->m_diskCheckOnce, 0);
        rig.w->m_diskCheckOnce = 1; // as if this were the first mount
        rig.w->sl_fromDvr(code, (1 << disks) - 1, 0);
        QCOMPARE(rig.box()->isVisible() ? rig.box()->lines() : QStringList(), lines);
        if (!lines.isEmpty()) {
            QCOMPARE(rig.box()->title(), title);
            if (lines.size() > 4)
                rig.box()->grab().save(vkeytest::grabPath(QStringLiteral("disk-errors-%1.png").arg(code)));
        }
        const int logCode = code == SIG_ENC_SMART ? LOG_SMART_ERROR : LOG_HDD_OVERHEAT;
        QTEST(int(TMainRig::logCodes().count(logCode)), "logged");
        if (code == SIG_SD_INFO) {
            QCOMPARE(rig.w->m_diskErrShown, lines.isEmpty() ? 0 : 1);
            // Once per run: a later disk event shows no box again.
            rig.box()->hide();
            rig.w->sl_fromDvr(code, 0, 0);
            QVERIFY(!rig.box()->isVisible());
            QVERIFY(TMainRig::calls("DalEncrGetSdInfo") >= 2); // the storage state each time
        }
    }

    // The information bar's disk text after the recorder's disk news, on a
    // unit with two recorded days: the share used while the disks have room,
    // "Full" once every disk is full.
    void barDiskText_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("text");
        QTest::newRow("a quarter used") << false << "25%";
        QTest::newRow("every disk full") << true << "Full";
    }
    void barDiskText()
    {
        QFETCH(bool, full);
        QFETCH(QString, text);
        TMainRig rig;
        QCOMPARE(dalTestDbDescribe("/data0/data.db6",
                                   "date 2025-06-14\nrec all 09:00-09:30\ndate 2025-06-15\nrec all 09:00-09:30\n"),
                 0);
        for (int i = 0; full && i < rig.fx.dev.storage; ++i) {
            DalTestDisk d;
            QCOMPARE(dalTestGetDisk(i, &d), 0);
            d.used = d.raw;
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        // The texts of the catalogue ("HDD" names disks in use), as the
        // program installs them.
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        rig.w->sl_fromDvr(SIG_ENC_SD_STATE, 0, 0);
        TConfig::setTextHook(nullptr);
        QCOMPARE(rig.bar()->diskText(), text);
    }

    // The shuttle ring: away from playback it holds Enter (turned past 2)
    // or presses Escape (turned to -3 or beyond), here answered by an open
    // message box; in playback it sets the rate and steps at the centre,
    // unless a key steered playback meanwhile (then only the centre acts,
    // and only to release it).
    void shuttle_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("latch");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("want"); // box answer, or the decoder calls
        QTest::newRow("live +5 +7 0: one Enter") << false << false << QList<int>{5, 7, 0} << "answer 2";
        QTest::newRow("live +2 0: nothing") << false << false << QList<int>{2, 0} << "";
        QTest::newRow("live -3: Escape") << false << false << QList<int>{-3, -7, 0} << "answer 3";
        QTest::newRow("playing +3 -7") << true << false << QList<int>{3, -7} << "DalDecRate(4.00) DalDecRate(-64.00)";
        QTest::newRow("playing centre steps") << true << false << QList<int>{1, 0}
                                              << "DalDecRate(1.00) DalDecStep(1)";
        QTest::newRow("playing, latched") << true << true << QList<int>{5, 0, 2} << "DalDecRate(2.00)";
    }
    void shuttle()
    {
        QFETCH(bool, playing);
        QFETCH(bool, latch);
        QFETCH(QList<int>, positions);
        TMainRig rig;
        QSignalSpy answers(rig.box(), &TMsgWnd::sg_request);
        if (!playing) {
            rig.box()->setType(MSG_OKCANCEL);
            rig.box()->show();
            QApplication::setActiveWindow(rig.box());
            QVERIFY(QTest::qWaitForWindowActive(rig.box()));
        }
        g_api.m_play = playing;
        g_api.m_keyHit = latch;
        for (int pos : positions) {
            rig.w->sl_fromDvr(SIG_IO_SHUTTLE, 0, pos);
            QCoreApplication::processEvents();
        }
        QFETCH(QString, want);
        if (want.startsWith("answer"))
            QTRY_COMPARE(answers.count(), 1);
        QCoreApplication::processEvents();
        QStringList got;
        for (const QList<QVariant>& a : answers)
            got << QStringLiteral("answer %1").arg(a.at(0).toInt());
        for (const QString& l : TMainRig::journal("DalDec"))
            if (l.startsWith("DalDecRate") || l.startsWith("DalDecStep"))
                got << l;
        QCOMPARE(got.join(' '), want);
        QCOMPARE(g_api.m_keyHit, 0);
        g_api.m_play = 0;
    }

    // The network upgrade's version text reaches the upgrade screen bounded:
    // 255 bytes at most, never half a character, "0.0.0.0" when empty.
    void upgradeVersion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("want");
        QTest::newRow("empty") << QString() << QByteArray("0.0.0.0");
        QTest::newRow("version") << "1.0.4.3" << QByteArray("1.0.4.3");
        QTest::newRow("300 bytes") << QString(300, 'x') << QByteArray(255, 'x');
        QTest::newRow("a character across byte 255")
            << QString(254, 'x') + QString::fromUtf8("\xc3\xa9") << QByteArray(254, 'x');
    }
    void upgradeVersion()
    {
        QFETCH(QString, text);
        TMainRig rig;
        QSignalSpy quit(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
        rig.notify(SIG_FU_START);
        QTRY_COMPARE(rig.w->m_netUpgrade, 1);
        QCOMPARE(TMainRig::calls("DalEncrStop"), 1);
        rig.w->sl_fromDvr(SIG_FU_END, 1, 0, 0, QString(), text);
        QTEST(QByteArray(rig.w->m_upgradeVer), "want");
        QCOMPARE(int(rig.w->m_upgradeVer[255]), 0);
        QCOMPARE(rig.w->m_upgrade, 1);
        QCOMPARE(rig.w->m_netUpgrade, 0);
        QVERIFY(TMainRig::logCodes().contains(LOG_NET_UPGRADE));
    }

    // Codes routed to the windows that exist, sent as the facade sends them.
    void routes_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("v1");
        QTest::addColumn<int>("v2");
        QTest::addColumn<QString>("strm");
        QTest::addColumn<QString>("want");
        QTest::newRow("status start") << int(SIG_STATE_START) << 0 << 0 << "Please wait" << "status Please wait";
        QTest::newRow("status update") << int(SIG_STATE_UPDATE) << 0 << 0 << "50 %" << "status 50 %";
        QTest::newRow("panic on") << int(SIG_IO_PANIC) << 1 << 0 << "" << "panic 1 PANIC";
        QTest::newRow("remote id") << int(SIG_IO_RMCID) << 3 << 5 << "" << "id ID:03 SEL:05";
        QTest::newRow("network client") << int(SIG_NET_CLIENT) << 1 << 0 << "" << "net 1";
        QTest::newRow("layout key") << int(SIG_LAYOUT_CHANGE) << 1 << 2 << "" << "layout 1 2";
        QTest::newRow("upgrade failed") << int(SIG_FU_FAIL) << 0 << 0 << "" << "encoder DalEncrStart";
        QTest::newRow("NTP time") << int(SIG_NTP_SYNCTIME) << -1 << 0 << "" << "log 7010";
        QTest::newRow("alarm outputs") << int(SIG_IO_STATE) << 0 << 0 << "" << "relay 1";
    }
    void routes()
    {
        QFETCH(int, code);
        QFETCH(int, v1);
        QFETCH(int, v2);
        QFETCH(QString, strm);
        TMainRig rig;
        if (code == SIG_NTP_SYNCTIME)
            v1 = int(time(nullptr)) + 3600;
        if (code == SIG_IO_STATE) {
            // Shown with the relay off; then the relay goes on.
            rig.w->wnd(ID_WND_ALARMCTRL)->show();
            QVERIFY(!static_cast<TAlarmCtrlWnd*>(rig.w->wnd(ID_WND_ALARMCTRL))->button(0)->isChecked());
            g_api.runAlarm(0, 1);
            g_api.readIoState();
        }
        rig.notify(code, v1, v2, 0, QStringLiteral("Title"), strm);
        QCoreApplication::processEvents();
        QString got;
        const QString kind = QTest::currentDataTag();
        if (code == SIG_STATE_START || code == SIG_STATE_UPDATE) {
            auto* status = static_cast<TStatusWnd*>(rig.w->wnd(ID_WND_STATUS));
            if (code == SIG_STATE_UPDATE || status->isVisible())
                got = "status " + status->text();
        } else if (code == SIG_IO_PANIC) {
            got = QStringLiteral("panic %1 %2").arg(g_api.m_panic).arg(rig.bar()->idAreaText());
        } else if (code == SIG_IO_RMCID) {
            got = "id " + rig.bar()->idAreaText();
            QCOMPARE(rig.w->m_idHold, 5);
        } else if (code == SIG_NET_CLIENT) {
            got = QStringLiteral("net %1").arg(rig.bar()->button(Btn_Net)->state() == 1 ? 1 : 0);
        } else if (code == SIG_LAYOUT_CHANGE) {
            QVERIFY(rig.w->splitTh()->wait(5000));
            got = QStringLiteral("layout %1 %2").arg(g_api.m_layout).arg(g_api.orderOf(g_api.m_sw));
        } else if (code == SIG_FU_FAIL) {
            got = TMainRig::calls("DalEncrStart") == 1 ? "encoder DalEncrStart" : "";
        } else if (code == SIG_NTP_SYNCTIME) {
            got = TMainRig::logCodes().contains(LOG_NTP_TIME_CHANGE) && TMainRig::calls("DalSysSetTime") == 1 ? "log 7010" : "";
        } else if (code == SIG_IO_STATE) {
            auto* alarm = static_cast<TAlarmCtrlWnd*>(rig.w->wnd(ID_WND_ALARMCTRL));
            got = QStringLiteral("relay %1").arg(alarm->button(0)->isChecked() ? 1 : 0);
            g_api.runAlarm(0, 0);
        }
        Q_UNUSED(kind);
        QTEST(got, "want");
    }

    // A hide belongs to the box it was armed for: a second box shown 1 s
    // after the first one's end is still up when the first one's hide would
    // have been due, and goes at its own.
    void statusHideOwned_data()
    {
        QTest::addColumn<bool>("secondEnds"); // the second box's run ends too
        QTest::newRow("result box with its own hide") << true;
        QTest::newRow("please wait while a run goes") << false;
    }
    void statusHideOwned()
    {
        QFETCH(bool, secondEnds);
        TMainRig rig;
        rig.w->show();
        auto* status = static_cast<TStatusWnd*>(rig.w->wnd(ID_WND_STATUS));
        // Waits ms on a timer of the GUI thread: the box's timers armed
        // earlier fire in their order around it.
        const auto after = [](int ms) {
            QTimer t;
            t.setSingleShot(true);
            QSignalSpy due(&t, &QTimer::timeout);
            t.start(ms);
            QVERIFY(due.wait(ms + 10000));
        };
        rig.w->sl_fromDvr(SIG_STATE_START, 0, 0, 0, QStringLiteral("First"), QStringLiteral("one"));
        QVERIFY(status->isVisible());
        rig.w->sl_fromDvr(SIG_STATE_END, 0, 0, 0); // hidden 3 s from now
        after(1000);
        QVERIFY(status->isVisible());
        rig.w->sl_fromDvr(SIG_STATE_START, 0, 0, 0, QStringLiteral("Second"), QStringLiteral("two"));
        if (secondEnds)
            rig.w->sl_fromDvr(SIG_STATE_END, 0, 0, 0);
        after(2500); // past the first box's hide
        QVERIFY(status->isVisible());
        QCOMPARE(status->text(), QStringLiteral("two"));
        if (secondEnds)
            QTRY_VERIFY_WITH_TIMEOUT(!status->isVisible(), 10000);
        else
            QVERIFY(!status->hidePending());
    }

    // Tile repaints wait for the device: before the bring-up ended an OSD
    // update reaches no tile.
    void osdUpdateAfterBringUp()
    {
        TMainRig rig;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        rig.w->m_initDone = 0;
        int paints = 0;
        // Only a repaint of the tiles counts: the clock and the bar repaint
        // small parts of the window on their own meanwhile.
        struct Counter : QObject {
            int* n;
            int wide;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint && static_cast<QPaintEvent*>(e)->rect().width() > wide)
                    ++*n;
                return false;
            }
        } counter;
        counter.n = &paints;
        counter.wide = rig.w->width() / 2;
        QCoreApplication::processEvents();
        rig.w->installEventFilter(&counter);
        rig.w->sl_fromDvr(SIG_OSD_UPDATE, -1, 0);
        QCoreApplication::processEvents();
        QCOMPARE(paints, 0);
        rig.w->m_initDone = 1;
        rig.w->sl_fromDvr(SIG_OSD_UPDATE, -1, 0);
        QTRY_VERIFY(paints > 0);
        rig.w->removeEventFilter(&counter);
    }
};

DVR_APP_TEST_MAIN(TMainNotifyTest)
#include "tmain-notifytest.moc"
