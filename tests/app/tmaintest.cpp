// The main window against the device-layer stand-in: its window table, the
// status box it drives, the live layouts through the layout thread, the
// sequence and audio without cameras, and what the live view paints.
#include "../common/dvr/tnetfixture.h"
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "dvrnotify.h"
#include "tapptestmain.h"
#include "tdvrapi.h"
#include "startup.h"
#include "tmain.h"
#include "tmainrig.h"
#include "setupaction.h"
#include "tapplication.h"
#include "tbackupwnd.h"
#include "tbutton.h"
#include "tinfo.h"
#include "tmsgwnd.h"
#include "townerthread.h"
#include "tsplitth.h"
#include "tstatuswnd.h"

#include <QMenu>
#include <QSemaphore>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <thread>

namespace {

// A main window on a fresh facade; it goes before the fixture's objects.
struct Rig
{
    explicit Rig(const char* profile = "16") : fx(profile)
    {
        vkeytest::setUpGlobals();
        w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
    }
    ~Rig()
    {
        delete w;
    }
    // The journal's lines that contain text, in order.
    static QStringList journal(const char* text)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) >= 0 && std::strstr(buf, text))
                out << QString::fromLatin1(buf);
        }
        return out;
    }
    void settle()
    {
        QVERIFY(w->splitTh()->wait(5000));
    }
    // The "System Shutdown" records kept.
    static int shutdowns() { return TMainRig::logCodes().count(LOG_SYSTEM_SHUTDOWN); }

    TDvrFixture fx{"16", &installHooks};
    TMain* w = nullptr;
};

using Codes = QVector<QStringList>; // {code, title, text}

} // namespace

class TMainTest : public QObject
{
    Q_OBJECT
private slots:
    // Status control codes: 2224 shows with title and text, 2226 replaces
    // them (an empty title keeps the shown one), 2225 hides; other codes do
    // nothing.
    void statusBox_data()
    {
        QTest::addColumn<Codes>("codes");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << Codes{{"2224", "Backup", "Please wait..."}} << true << "Backup" << "Please wait...";
        QTest::newRow("update keeps the title") << Codes{{"2224", "Backup", "Please wait..."}, {"2226", "", "Done"}}
                                                << true << "Backup" << "Done";
        QTest::newRow("end hides and blanks") << Codes{{"2224", "Backup", "a"}, {"2225", "", ""}} << false << ""
                                              << "";
        QTest::newRow("other codes do nothing") << Codes{{"2227", "X", "Y"}, {"7777", "X", "Y"}} << false << ""
                                                << "";
        QTest::newRow("start after an end: empty title band")
            << Codes{{"2224", "Backup", "a"}, {"2225", "", ""}, {"2224", "", "again"}} << true << "" << "again";
    }
    void statusBox()
    {
        QFETCH(Codes, codes);
        Rig rig;
        for (const QStringList& c : codes)
            emit rig.w->sg_ctrlStatus(c[0].toInt(), c[1], c[2]);
        QTEST(g_statusWnd->isVisible(), "visible");
        QTEST(g_statusWnd->title(), "title");
        QTEST(g_statusWnd->text(), "text");
    }
    // Layout changes go through the layout thread to the device layer's
    // layout call: the target, the page, the wrap of the next page, and the
    // digital zoom dropped by each change.
    void layouts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("x");
        QTest::addColumn<bool>("stepping"); // changeLayoutSw, else changeLayout
        QTest::addColumn<int>("wantLayout");
        QTest::addColumn<int>("wantPage");
        QTest::addColumn<int>("calls");
        // The 16-channel stand-in lists layouts 1 (single), 2 (quad), 3, 4
        // (nine cells) and 9 (sixteen); each row starts on the quad's last
        // page. Channel 5 full screen: the page of layout 1 is its position.
        QTest::newRow("single view of channel 5") << 1 << 5 << false << 1 << 5 << 1;
        QTest::newRow("current layout, page of 4 cells x 1") << -1 << 1 << false << 2 << 1 << 1;
        QTest::newRow("the page shown already: no call") << 2 << 3 << false << 2 << 3 << 0;
        QTest::newRow("current layout, page showing channel 9") << -1 << 9 << true << 2 << 2 << 1;
        QTest::newRow("next page after the last wraps") << 2 << -1 << true << 2 << 0 << 1;
    }
    void layouts()
    {
        QFETCH(int, layout);
        QFETCH(int, x);
        QFETCH(bool, stepping);
        QFETCH(int, wantLayout);
        QFETCH(int, calls);
        Rig rig;
        g_api.dispLayout(2, 3);
        QCOMPARE(g_api.m_layout, 2);
        QCOMPARE(g_api.m_sw, 3);
        dalTestJournalClear();
        rig.w->m_zoomRatio = 2.0;
        rig.w->m_zoomRect = QRect(10, 10, 100, 100);
        if (stepping)
            rig.w->changeLayoutSw(layout, x);
        else
            rig.w->changeLayout(layout, x);
        QCOMPARE(rig.w->m_zoomRatio, 1.0);
        QVERIFY(!rig.w->m_zoomRect.isValid());
        rig.settle();
        QTEST(g_api.m_layout, "wantLayout");
        QTEST(g_api.m_sw, "wantPage");
        const QStringList made = Rig::journal("DalVoutSetLayout(");
        QCOMPARE(made.size(), calls);
        for (const QString& c : made)
            QVERIFY2(c.startsWith(QStringLiteral("DalVoutSetLayout(0,%1,").arg(wantLayout)), qPrintable(c));
    }

    // The information bar sits in slot 0, bottom-centred 16 pixels above the
    // screen's edge, locked at start; the sequence and the live audio the
    // main window switches show on it.
    void infoBarMirrorsTheView_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("seqState"); // button 3: 1 on, 2 off
        QTest::addColumn<QString>("audio");
        QTest::newRow("at start") << "" << 2 << "";
        QTest::newRow("sequence started") << "seq" << 1 << "";
        QTest::newRow("sequence stopped again") << "seq seq" << 2 << "";
        QTest::newRow("audio of channel 3") << "audio3" << 2 << "4";
        QTest::newRow("audio off") << "audio3 audio-1" << 2 << "";
        QTest::newRow("audio past the cameras ignored") << "audio3 audio16" << 2 << "4";
        QTest::newRow("audio from the settings: all off") << "audio3 config" << 2 << "";
    }
    void infoBarMirrorsTheView()
    {
        QFETCH(QString, action);
        QFETCH(int, seqState);
        QFETCH(QString, audio);
        Rig rig;
        auto* bar = qobject_cast<TInfo*>(rig.w->wnd(ID_WND_INFO));
        QVERIFY(bar);
        QCOMPARE(bar->parentWidget(), rig.w);
        QVERIFY(!bar->isVisible());
        QCOMPARE(bar->pos(), QPoint((1280 - bar->width()) / 2, 720 - bar->height() - 16));
        QCOMPARE(bar->button(Btn_Lock)->state(), 1);
        g_api.dispLayout(2, 0); // four cells a page: the sequence has pages to step
        rig.settle();
        for (const QString& a : action.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (a == QLatin1String("seq"))
                rig.w->seqLayout(0);
            else if (a == QLatin1String("config")) {
                rig.fx.live<PropAudio>(IDX_PROP_AUDIO)->out = 0; // "All Off"
                rig.w->selAudioByLayout(1, 1);
            }
            else
                rig.w->selAudio(a.mid(5).toInt());
        }
        QCOMPARE(bar->button(Btn_Seq)->state(), seqState);
        QCOMPARE(bar->audioText(), audio);
        QCOMPARE(bar->button(Btn_Audio)->state(), audio.isEmpty() ? 2 : 1);
    }

    // Without cameras nothing is sequenced and no channel is counted: no
    // layout call, no audio channel, and no crash on the empty order.
    void noCameras()
    {
        Rig rig;
        rig.fx.live<PropDevices>(IDX_PROP_DEVICES)->videos = 0;
        QCOMPARE(g_api.channelCount(), 0);
        dalTestJournalClear();
        rig.w->seqLayout(0);
        QCOMPARE(rig.w->m_seqOn, 0);
        rig.w->m_seqOn = 1; // as if it ran before the cameras went
        rig.w->m_nMainSeqDur = 1;
        for (int i = 0; i < 5; ++i)
            rig.w->tickSequence();
        rig.settle();
        QCOMPARE(Rig::journal("DalVoutSetLayout(").size(), 0);
        rig.w->m_audioCh = 3;
        rig.w->selAudioByLayout(1, 0);
        QCOMPARE(rig.w->m_audioCh, -1);
        rig.w->selAudio(0);
        QCOMPARE(rig.w->m_audioCh, -1);
        // With cameras: the single view of channel 5 is heard.
        rig.fx.live<PropDevices>(IDX_PROP_DEVICES)->videos = 16;
        g_api.dispLayout(1, g_api.posInOrder(5));
        rig.w->m_audioCh = 3;
        rig.w->selAudioByLayout(1, 0);
        QCOMPARE(rig.w->m_audioCh, 5);
    }

    // The sequence command starts the camera sequence on the quad: after
    // the dwell (in ticks) the next page shows; a second command stops it.
    void sequence_data()
    {
        QTest::addColumn<int>("commands");
        QTest::addColumn<int>("ticksPastDwell"); // ticks given beyond the dwell
        QTest::addColumn<int>("page");
        QTest::newRow("the next page after the dwell") << 1 << 0 << 1;
        QTest::newRow("a tick before the dwell ends") << 1 << -1 << 0;
        QTest::newRow("a second command stops it") << 2 << 0 << 0;
    }
    void sequence()
    {
        QFETCH(int, commands);
        QFETCH(int, ticksPastDwell);
        QFETCH(int, page);
        Rig rig;
        rig.w->m_loggedIn = 1;
        g_api.dispLayout(2, 0);
        for (int i = 0; i < commands; ++i)
            rig.w->runMenu(QStringLiteral("Sequence"));
        QCOMPARE(rig.w->m_seqOn, commands % 2);
        const int dwell = int(g_cfg->getvaluefromindex(
            IDX_DATA_DWELL, static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 1))->seqdur));
        QVERIFY(dwell >= 1);
        dalTestJournalClear();
        for (int i = 0; i < dwell + ticksPastDwell; ++i)
            rig.w->tickSequence();
        rig.settle();
        QCOMPARE(g_api.m_layout, 2);
        QCOMPARE(g_api.m_sw, page);
        QCOMPARE(Rig::journal("DalVoutSetLayout(").size(), page); // one switch when it moved on
    }

    // Shutdown waits for the layout thread: a switch held in it is done
    // before sl_shutdown returns. The switch is held at its first OSD
    // notification and let go once sl_shutdown has returned, or after a
    // while: a shutdown that does not wait returns while it is held.
    void shutdownWaitsForTheLayoutThread()
    {
        Rig rig;
        QSemaphore entered, shutdownDone;
        std::atomic<bool> holding{true};
        QObject guard;
        QObject::connect(
            &g_api, &TDVRAPI::sg_dvrNotify, &guard,
            [&](int) {
                if (QThread::currentThread() == rig.w->splitTh() && holding.exchange(false)) {
                    entered.release();
                    shutdownDone.tryAcquire(1, 500);
                }
            },
            Qt::DirectConnection);
        rig.w->changeLayout(2, 1);
        QVERIFY(entered.tryAcquire(1, 5000));
        rig.w->sl_shutdown();
        const bool switchDone = rig.w->splitTh()->isFinished() && g_api.m_layout == 2 && g_api.m_sw == 1;
        shutdownDone.release();
        rig.settle();
        QVERIFY(switchDone);
        LogRecord last = {};
        g_api.lastLogs(&last, 1);
        QCOMPARE(int(last.code), int(LOG_SYSTEM_SHUTDOWN));
    }

    // A stop that comes while a handler lets events run is taken there
    // (remote changes are refused from then on) and carried out once that
    // handler has returned: inside the status box, the menu guard of a
    // window's region report, and the pop-up menu's own loop, which the stop
    // closes. The event loop then ends with 0.
    void stopWaitsForTheHandler_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("status box") << "status box";
        QTest::newRow("menu guard") << "menu guard";
        QTest::newRow("pop-up menu") << "pop-up menu";
    }
    void stopWaitsForTheHandler()
    {
        QFETCH(QString, place);
        Rig rig;
        const auto stop = [&rig] { QMetaObject::invokeMethod(rig.w, &TMain::sg_shutdown, Qt::QueuedConnection); };
        QTimer menuOpen; // the stop comes once the menu shows
        connect(&menuOpen, &QTimer::timeout, [&] {
            if (rig.w->m_menu->isVisible()) {
                menuOpen.stop();
                stop();
            }
        });
        bool taken = false;
        int shutdownsInside = -1;
        QMetaObject::invokeMethod(rig.w, [&] {
            if (place == "status box") {
                stop();
                rig.w->sl_ctrlStatus(SIG_STATE_START, QStringLiteral("Setup"), QStringLiteral("Please wait..."));
            } else if (place == "menu guard") {
                stop();
                rig.w->sl_showed(ID_WND_SYSINFO, 1, QRegion(0, 0, 8, 8));
            } else {
                menuOpen.start(20);
                rig.w->openMenu();
            }
            taken = g_api.stopping();
            shutdownsInside = Rig::shutdowns();
        }, Qt::QueuedConnection);
        QCOMPARE(runEventLoop(), 0);
        QVERIFY(taken);
        QCOMPARE(shutdownsInside, 0);
        QCOMPARE(Rig::shutdowns(), 1);
        QVERIFY(!rig.w->m_menu->isVisible());
    }

    // Once a stop is taken no key or click opens the menu or a window, and
    // none reaches the device: not the Menu key's or the right button's own
    // handler, whose first event run delivers the stop, nor a key waiting
    // when the shutdown lets events run (the Backup key from the front panel
    // and the remote controller), nor one between Power Off's OK and its
    // shutdown.
    void noMenuOnceStopped_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("stop"); // taken in the input's handler, before it, or by Power Off's OK
        const int menu = TMainRig::MenuKey, right = TMainRig::RightButton, backup = TMainRig::BackupKey;
        QTest::newRow("Menu key, stop in its handler") << menu << "in its handler";
        QTest::newRow("right button, stop in its handler") << right << "in its handler";
        QTest::newRow("Menu key at the shutdown") << menu << "before";
        QTest::newRow("right-click at the shutdown") << right << "before";
        QTest::newRow("Backup key at the shutdown") << backup << "before";
        QTest::newRow("remote's Backup key at the shutdown") << int(TMainRig::BackupRemote) << "before";
        QTest::newRow("Backup key 100 ms after Power Off's OK") << backup << "Power Off";
    }
    void noMenuOnceStopped()
    {
        QFETCH(int, input);
        QFETCH(QString, stop);
        Rig rig;
        TMainRig::logInUser1(rig.w); // the Backup key would open its window at once
        rig.w->show(); // its windows show with it
        int opened = 0;
        connect(rig.w->m_menu, &QMenu::aboutToShow, [&opened] { ++opened; });
        dalTestJournalClear();
        const auto what = TMainRig::Input(input);
        bool openAtInput = false; // Power Off's status box takes the keys: the rule is read too
        QMetaObject::invokeMethod(rig.w, [&] {
            if (stop == "Power Off") {
                rig.w->sl_fromSetup(SetupAct::Btn_Shutdown, 0, 0);
                QTimer::singleShot(100, rig.w, [&] {
                    openAtInput = TApplication::inputOpen();
                    TMainRig::operatorInput(rig.w, what, false);
                });
                return;
            }
            QMetaObject::invokeMethod(rig.w, &TMain::sg_shutdown, Qt::QueuedConnection);
            TMainRig::operatorInput(rig.w, what, stop == "before");
        }, Qt::QueuedConnection);
        QCOMPARE(runEventLoop(), 0);
        QCOMPARE(rig.w->m_powerOff, int(stop == "Power Off"));
        QVERIFY(!openAtInput);
        QCOMPARE(opened, 0);
        QVERIFY(!rig.w->backupWnd()->isVisible());
        QCOMPARE(Rig::journal("DalBackup"), QStringList());
        QCOMPARE(TMainRig::logCodes().count(LOG_BACKUP_START), 0);
        QCOMPARE(Rig::shutdowns(), 1);
    }

    // A second stop that comes while the shutdown lets events run (a stop
    // request during Power Off's shutdown) adds nothing: one "System
    // Shutdown" record, one stop of the device layer.
    void secondStopDuringTheShutdown()
    {
        Rig rig;
        rig.w->m_powerOff = 1;
        dalTestJournalClear();
        QMetaObject::invokeMethod(rig.w, [&rig] {
            emit rig.w->sg_shutdown(); // carried out once this handler returned
            QMetaObject::invokeMethod(rig.w, &TMain::sg_shutdown, Qt::QueuedConnection);
        }, Qt::QueuedConnection);
        QCOMPARE(runEventLoop(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(Rig::shutdowns(), 1);
        QCOMPARE(Rig::journal("DalStop()").size(), 1);
    }

    // The stop watcher's closing flag alone (a stop request the GUI thread
    // has not taken yet) keeps the device bring-up from coming.
    void noBringUpOnceClosing()
    {
        Rig rig;
        dalTestJournalClear();
        TOwnerThread::setClosing(true);
        rig.w->sl_initDvr();
        TOwnerThread::setClosing(false);
        QCOMPARE(rig.w->m_initDone, 0);
        QCOMPARE(Rig::journal("DalInit()"), QStringList());
    }

    // The text and the number keyboards both sit in the middle of the main
    // window once the windows are made.
    void keyboardsCentred_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("text keyboard") << int(ID_WND_VKEYBOARD);
        QTest::newRow("number keyboard") << int(ID_WND_VKEYNUM);
    }
    void keyboardsCentred()
    {
        QFETCH(int, id);
        Rig rig;
        const QWidget* kb = rig.w->wnd(id);
        QVERIFY(kb);
        const QPoint middle(rig.w->width() / 2, rig.w->height() / 2);
        const QPoint off = kb->geometry().center() - rig.w->pos() - middle;
        QVERIFY2(qAbs(off.x()) <= 2 && qAbs(off.y()) <= 2,
                 qPrintable(QStringLiteral("%1,%2 off the centre").arg(off.x()).arg(off.y())));
    }

    // The live view is dark grey until the device is up, then opaque black;
    // the bring-up runs once, half a second after the first show.
    void paintsAndBringsUp()
    {
        Rig rig;
        const QImage before = rig.w->grab().toImage();
        before.save(vkeytest::grabPath(QStringLiteral("main-before-bringup.png")));
        QCOMPARE(before.pixel(640, 360), qRgb(16, 16, 16));
        rig.w->show();
        QTRY_COMPARE_WITH_TIMEOUT(rig.w->m_initDone, 1, 5000);
        QVERIFY(g_api.m_sendTo == rig.w);
        const QImage after = rig.w->grab().toImage();
        after.save(vkeytest::grabPath(QStringLiteral("main-live.png")));
        QCOMPARE(after.pixel(640, 360), qRgba(0, 0, 0, 255));
        QCOMPARE(after.pixel(0, 0), qRgba(0, 0, 0, 255));
        // The whole first output blended fully while the device came up.
        QVERIFY(!Rig::journal("DalVoutSetAlpha(0,0,").isEmpty());
        // S.M.A.R.T. checks are off by default: no box.
        QVERIFY(!g_msgWnd->isVisible());
    }

    // The start's S.M.A.R.T. warnings: six disks above the limit give four
    // lines and "..." and six log records; errors take the box over; with
    // the checks off nothing is said whatever the disks report.
    void smartWarningsAtStart_data()
    {
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("errorDisks");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<int>("logs");
        QTest::newRow("checks off") << 0 << 0 << QString() << 0;
        QTest::newRow("six overheated") << 1 << 0 << QStringLiteral("Overheating! (HDD1 70") << 6;
        QTest::newRow("errors first") << 1 << 1 << QStringLiteral("S.M.A.R.T Error! (HDD1  ") << 6;
    }
    void smartWarningsAtStart()
    {
        QFETCH(int, on);
        QFETCH(int, errorDisks);
        QFETCH(QString, firstLine);
        QFETCH(int, logs);
        Rig rig("32"); // eight disks
        DalTestDisk healthy;
        QCOMPARE(dalTestGetDisk(0, &healthy), 0);
        for (int i = 0; i < 8; ++i) {
            DalTestDisk d = healthy;
            d.smart.temp = i < 6 ? 70 : 20;
            d.smart.errors = i < errorDisks ? 1000 : 0;
            QCOMPARE(dalTestSetDisk(i, &d), 0);
        }
        auto* smart = rig.fx.live<PropSmart>(IDX_PROP_SMART);
        smart->on = on;
        smart->heat = 6; // 40 degrees
        rig.w->show();
        QTRY_COMPARE_WITH_TIMEOUT(rig.w->m_initDone, 1, 5000);
        QCOMPARE(g_msgWnd->isVisible(), !firstLine.isEmpty());
        if (!firstLine.isEmpty()) {
            const QStringList lines = g_msgWnd->lines();
            QVERIFY2(lines.value(0).startsWith(firstLine), qPrintable(lines.join('|')));
            if (!errorDisks) {
                QCOMPARE(lines.size(), 5);
                QCOMPARE(lines.last(), QStringLiteral("..."));
            }
        }
        QCOMPARE(TMainRig::logCodes().count(LOG_HDD_OVERHEAT), logs);
    }

    // A remote client's layout requests take the way of local ones, through
    // the layout thread, while the operator switches too: the facade and the
    // device end on the same layout, the request sent last is shown, and an
    // id the output does not list never reaches the device.
    void remoteLayoutRequests_data()
    {
        QTest::addColumn<int>("remote"); // the layout the client asks for last
        QTest::addColumn<bool>("shown");
        QTest::newRow("listed layout") << 9 << true;
        QTest::newRow("unlisted 77") << 77 << false;
        QTest::newRow("largest id") << 0x7fffffff << false;
    }
    void remoteLayoutRequests()
    {
        QFETCH(int, remote);
        QFETCH(bool, shown);
        Rig rig;
        rig.w->show();
        QTRY_COMPARE_WITH_TIMEOUT(rig.w->m_initDone, 1, 5000);
        rig.settle();
        // The device layer's network events reach the facade.
        g_api.registerCallbacks();
        QCOMPARE(DalInit(), 0);
        QCOMPARE(DalStart(), 0);
        std::atomic<bool> done{false};
        std::thread client([&] {
            const int asks[] = {3, 77, 4, 0x7fffffff, 2};
            for (int i = 0; i < 40; ++i)
                sendPacket(DNPC_RS_USER_LAYOUT, be32(quint32(asks[i % 5])) + be32(0));
            done = true;
        });
        for (int i = 0; !done; ++i) {
            rig.w->changeLayout(i % 2 ? 1 : 2, i % 4);
            QCoreApplication::processEvents();
        }
        client.join();
        QCoreApplication::processEvents();
        rig.settle();
        rig.w->changeLayout(2, 0);
        rig.settle();
        dalTestJournalClear();
        sendPacket(DNPC_RS_USER_LAYOUT, be32(quint32(remote)) + be32(0));
        QTRY_VERIFY(!shown || g_api.m_layout == remote);
        QCoreApplication::processEvents();
        rig.settle();
        DalTestVout vout;
        QCOMPARE(dalTestVoutGet(0, &vout), 0);
        QCOMPARE(g_api.m_layout, shown ? remote : 2);
        QCOMPARE(int(vout.layout), g_api.m_layout);
        QVERIFY(g_api.listsLayout(g_api.m_layout));
        const QStringList made = Rig::journal("DalVoutSetLayout(");
        QCOMPARE(made.size(), shown ? 1 : 0);
    }
};

DVR_APP_TEST_MAIN(TMainTest)
#include "tmaintest.moc"
