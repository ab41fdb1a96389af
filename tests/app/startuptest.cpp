// The steps of start-up and end around the main window: the screen size,
// the upgrade at the end, and the order of the tear-down.
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "dal.h"
#include "startup.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tdvrhooks.h"
#include "tmain.h"
#include "tosdhooks.h"
#include "townerthread.h"
#include "tres.h"
#include "treshooks.h"
#include "trunner.h"
#include "tstatuswnd.h"
#include "tstopsignals.h"
#include "tstring.h"
#include "tvkeyboard.h"
#include "ttestroot.h"
#include "../common/dvr/tdvrfixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include "tcategorylines.h"
#include "tapptestmain.h"
#include "tscriptfile.h"
#include "tselfchild.h"

#include <QScopeGuard>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>
#include <unistd.h>

class StartupTest : public QObject
{
    Q_OBJECT
    // Where the held program of stopWithTheGuiHeld hangs.
    enum Held { NotTaken, NotEnded, PowerOffNotEnded, EndedInTime };

private slots:
    // Owners of this thread take work from others (the store's hand-over).
    void initTestCase() { TOwnerThread::prepare(); }
    // A stop request leaves the hand-overs given up for the process.
    void cleanup() { TOwnerThread::setClosing(false); }

    // The last listed output size, with the count kept inside 1..20, and
    // the debug line naming the size used, the fallback too.
    void screenSize_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastWidth"); // of the last listed size
        QTest::addColumn<QSize>("want");
        QTest::newRow("none listed: fallback") << 0 << 1000 << QSize(1280, 720);
        QTest::newRow("one") << 1 << 1000 << QSize(1000, 500);
        QTest::newRow("the whole table") << 20 << 1019 << QSize(1019, 519);
        QTest::newRow("beyond the table: its last entry") << 21 << 1019 << QSize(1019, 519);
        QTest::newRow("a size of no width: fallback") << 3 << 0 << QSize(1280, 720);
    }
    void screenSize()
    {
        QFETCH(int, count);
        QFETCH(int, lastWidth);
        QFETCH(QSize, want);
        VoutCaps caps{};
        for (int i = 0; i < 20; ++i) {
            caps.outW[i] = 1000 + i;
            caps.outH[i] = 500 + i;
        }
        caps.outW[qBound(1, count, 20) - 1] = lastWidth;
        caps.reserved0 = -1; // right after the tables' count: never read as a size
        caps.numRes = count;
        // The start-up category's debug lines on (the tests run with the
        // dvr.* debug lines off), caught.
        TCategoryLines caught("dvr.app");
        const QSize got = screenSizeOf(caps);
        caught.restore();
        const QStringList lines = caught.lines();
        QCOMPARE(got, want);
        QCOMPARE(lines, QStringList{QString::asprintf("screen size cx:%d cy:%d", want.width(), want.height())});
    }
    // After the event loop: the upgrade tool runs in the background when an
    // upgrade is pending, also when power-off was chosen too.
    void afterLoop_data()
    {
        QTest::addColumn<int>("upgrade");
        QTest::addColumn<int>("powerOff");
        QTest::addColumn<int>("result");
        QTest::newRow("upgrade beats power-off") << 1 << 1 << 1;
        QTest::newRow("upgrade") << 1 << 0 << 1;
        QTest::newRow("plain quit") << 0 << 0 << 0;
    }
    void afterLoop()
    {
        QFETCH(int, upgrade);
        QFETCH(int, powerOff);
        TTestRoot root;
        // An upgrade tool that writes down its arguments.
        const QString tool = root.file(QStringLiteral("/dvr/upgrade"));
        QVERIFY(root.write(QStringLiteral("/dvr/upgrade"),
                           "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/upgrade.args\"\n"));
        QVERIFY(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QTEST(runAfterLoop(upgrade, powerOff), "result");
        const QString args = root.file(QStringLiteral("/dvr/upgrade.args"));
        if (upgrade) {
            QTRY_VERIFY(QFile::exists(args) && QFile(args).size() > 0);
            // Paths given to the tool are the unit's, mapped under the root.
            QCOMPARE(root.read(QStringLiteral("/dvr/upgrade.args")),
                     QByteArray(root.file(QStringLiteral("/dvr/fwr")).toUtf8() + " skip_crc_check reboot\n"));
        } else {
            QTest::qWait(100);
            QVERIFY(!QFile::exists(args));
        }
    }

    // The hooks start-up installs: the text keyboard's Shift reaches the
    // Hangul layout when the OSD language being set up (the edit copy) is
    // Korean, whatever the live copy holds.
    void keyboardLanguage_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QByteArray>("live");
        QTest::addColumn<QList<int>>("modes"); // after each Shift
        QTest::newRow("Korean being set up") << QByteArray("Korean") << QByteArray("English") << QList<int>{1, 2, 0};
        QTest::newRow("English being set up") << QByteArray("English") << QByteArray("Korean") << QList<int>{1, 0, 1};
    }
    void keyboardLanguage()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QByteArray, live);
        QFETCH(QList<int>, modes);
        vkeytest::setUpGlobals();
        TDvrFixture fx;
        installHooks();
        qstrncpy(static_cast<PropOsd*>(fx.cfg->getsection(IDX_PROP_OSD, 0))->lang, edit.constData(), 32);
        qstrncpy(static_cast<PropOsd*>(fx.cfg->getsection(IDX_PROP_OSD, 1))->lang, live.constData(), 32);
        TVKeyboard kb(nullptr, ID_WND_VKEYBOARD, QSize(600, 300));
        kb.initCtrl();
        kb.setText(QString());
        kb.show();
        QVERIFY(QTest::qWaitForWindowExposed(&kb));
        // The double-strike guard of the keys.
        const QTimer* guard = kb.findChild<QTimer*>();
        QVERIFY(guard);
        QList<int> got;
        for (int i = 0; i < modes.size(); ++i) {
            QVERIFY(QTest::qWaitFor([guard] { return !guard->isActive(); }, 1000));
            QTest::mouseClick(&kb, Qt::LeftButton, Qt::NoModifier, kb.keyRect(3, 0).center()); // Shift
            got << kb.mode();
        }
        QCOMPARE(got, modes);
        kb.hide();
    }

    // What each hook start-up installs answers, against the object it
    // stands for: a 32-channel unit with its resources and texts up.
    void hooksAnswer_data()
    {
        QTest::addColumn<int>("hook");
        const char* names[] = {"device caps", "frame-rate scale", "input state", "option texts", "facade texts",
                               "videos", "alarm outputs", "audios", "storage", "output size",
                               "OSD scale", "OSD sizes", "OSD metrics", "OSD images"};
        for (int i = 0; i < int(sizeof names / sizeof *names); ++i)
            QTest::newRow(names[i]) << i;
    }
    void hooksAnswer()
    {
        QFETCH(int, hook);
        vkeytest::setUpGlobals();
        TDvrFixture fx("32");
        g_dvrHooks = TDvrHooks{};
        g_resHooks = TResHooks{};
        g_osdHooks = TOsdHooks{};
        installHooks();
        // A scale of its own, so no scaled answer equals the fallback's.
        const double scale = g_res->getScale();
        g_res->setScale(1.5);
        const auto restore = qScopeGuard([scale] { g_res->setScale(scale); });
        const auto* dev = fx.live<PropDevices>(IDX_PROP_DEVICES);
        const auto bytes = [](const void* p, int n) { return QByteArray(static_cast<const char*>(p), n).toHex(); };
        const auto size = [](QSize s) { return QByteArray::number(s.width()) + 'x' + QByteArray::number(s.height()); };
        QByteArray got, want;
        switch (hook) {
        case 0: {
            DalCaps a = {}, b = {};
            VoutCaps va = {}, vb = {};
            QCOMPARE(dvrGetCaps(&a, nullptr, &va), g_api.getCaps(&b, nullptr, &vb));
            QVERIFY(vb.numRes > 0);
            got = bytes(&a, sizeof a) + bytes(&va, sizeof va);
            want = bytes(&b, sizeof b) + bytes(&vb, sizeof vb);
            break;
        }
        case 1: {
            AvcCaps avc = {};
            g_api.getCaps(nullptr, &avc, nullptr);
            got = QByteArray::number(dvrScaleRate(0, 2, &avc, 30.0));
            want = QByteArray::number(g_api.scaleRate(0, 2, &avc, 30.0));
            break;
        }
        case 2: {
            VinInfo a = {}, b = {};
            QCOMPARE(dvrVinGetInfo(3, &a), g_api.vinGetInfo(3, &b));
            got = bytes(&a, sizeof a);
            want = bytes(&b, sizeof b);
            break;
        }
        case 3: got = TConfig::text(8).toUtf8(); want = g_str->text(8).toUtf8(); break;
        case 4: got = dvrText(212).toUtf8(); want = g_str->text(212).toUtf8(); break;
        case 5: got = QByteArray::number(resVideos(1)); want = QByteArray::number(dev->videos); break;
        case 6: got = QByteArray::number(resAlarmouts(1)); want = QByteArray::number(dev->alarmouts); break;
        case 7: got = QByteArray::number(resAudios(1)); want = QByteArray::number(dev->audios); break;
        case 8: got = QByteArray::number(resStorage(1)); want = QByteArray::number(dev->storage); break;
        case 9: got = size(resVoutSize(1)); want = size(g_api.voutInfo(1)); break;
        case 10: got = QByteArray::number(osdScale(333)); want = QByteArray::number(g_res->scale(333)); break;
        case 11: got = size(osdSize(131)); want = size(g_res->getSize(131)); break;
        case 12: got = QByteArray::number(osdValue(13)); want = QByteArray::number(g_res->getValue(13)); break;
        default: {
            const QPixmap* pm = g_res->getImage(193);
            QVERIFY(pm && !pm->isNull());
            QCOMPARE(osdImage(193), pm->toImage());
            got = want = "same image";
            break;
        }
        }
        QVERIFY(!want.isEmpty() && want != "0");
        QCOMPARE(got, want);
    }

    // After a shutdown chosen in the setup the process waits for the power
    // to go; a stop request (SIGTERM, or Ctrl-C's SIGINT) ends that wait,
    // also one that came before it, so the tear-down runs and main ends
    // with 0. Without one the wait goes on.
    void powerOffStop_data()
    {
        QTest::addColumn<int>("sig");
        QTest::addColumn<bool>("early"); // the request came before the wait
        QTest::newRow("SIGTERM during the wait") << int(SIGTERM) << false;
        QTest::newRow("SIGINT during the wait") << int(SIGINT) << false;
        QTest::newRow("SIGTERM before the wait") << int(SIGTERM) << true;
    }
    void powerOffStop()
    {
        QFETCH(int, sig);
        QFETCH(bool, early);
        TStopSignals stop;
        QVERIFY(stop.isActive());
        QSignalSpy seen(&stop, &TStopSignals::sg_stop);
        if (early) {
            QCOMPARE(::kill(::getpid(), sig), 0);
            QVERIFY(seen.wait(10000)); // taken by the event loop, as a shutdown
        }
        std::atomic<int> result{-1};
        std::atomic<bool> asked{false};
        std::thread waiter([&] {
            result = runAfterLoop(0, 1, [&] {
                asked = true;
                return stop.requested();
            });
        });
        QTRY_VERIFY(asked.load());
        if (!early) {
            QCOMPARE(result.load(), -1); // nothing asked to stop: still waiting
            QCOMPARE(::kill(::getpid(), sig), 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(result.load(), 0, 10000);
        waiter.join();
        QVERIFY(stop.requested());
    }

    // A stop request is served whatever the GUI thread does: a thread that
    // waits for the GUI thread without a bound gives up at once, the GUI
    // thread's late answer still reaches the program as sg_stop, and no
    // clock read starts after it.
    void stopEndsTheWaits()
    {
        TTestRoot root;
        QVERIFY(writeScript(root, "/sbin/hwclock", "exit 0\n"));
        TStopSignals stop(nullptr, 60000);
        QSignalSpy seen(&stop, &TStopSignals::sg_stop);
        QObject owner; // of the GUI thread
        std::atomic<int> result{-1};
        std::thread waiter([&] { result = TOwnerThread::call(&owner, [] {}, TOwnerThread::NoBound) ? 1 : 0; });
        QCOMPARE(TRunner::system(QStringLiteral("hwclock -r")), 0);
        QCOMPARE(::kill(::getpid(), SIGTERM), 0);
        // The GUI thread serves nothing meanwhile.
        for (int i = 0; i < 500 && result < 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QCOMPARE(result.load(), 0);
        waiter.join();
        QVERIFY(seen.wait(5000));
        QCOMPARE(seen.at(0).at(0).toInt(), int(SIGTERM));
        QCOMPARE(TRunner::system(QStringLiteral("hwclock -r")), -1);
    }

    // A GUI thread that does not take the request within the bound (blocked
    // or hung) does not keep the process: it ends as the signal ends it. So
    // does a shutdown that began and does not reach the end of the event
    // loop within the bound; one begun without a request (Power Off) ends
    // the process with 1. A shutdown that ended in time is left alone. The
    // test program runs itself as the held program.
    void stopWithTheGuiHeld_data()
    {
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("crash");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("told");
        QTest::newRow("request not taken") << int(NotTaken) << true << 0 << "did not take it within 300 ms";
        QTest::newRow("shutdown not ended") << int(NotEnded) << true << 0 << "did not end within 300 ms";
        QTest::newRow("Power Off not ended") << int(PowerOffNotEnded) << false << 1 << "did not end within 300 ms";
        QTest::newRow("shutdown ended in time") << int(EndedInTime) << false << 0 << "";
    }
    void stopWithTheGuiHeld()
    {
        QFETCH(int, held);
        if (qEnvironmentVariableIsSet("DVR_TEST_HELD_STOP")) {
            TStopSignals stop(nullptr, 300);
            if (held == NotTaken) {
                ::kill(::getpid(), SIGTERM);
            } else if (held == NotEnded) {
                // Taken by the event loop; the shutdown then hangs.
                connect(&stop, &TStopSignals::sg_stop, [] {
                    TStopSignals::shutdownBegins();
                    ::sleep(10);
                });
                ::kill(::getpid(), SIGTERM);
                QCoreApplication::exec();
            } else {
                TStopSignals::shutdownBegins();
                if (held == EndedInTime) {
                    TStopSignals::shutdownEnds();
                    ::usleep(1500 * 1000); // well past the bound
                    ::_exit(0);
                }
            }
            ::sleep(10); // the GUI thread, held
            ::_exit(0);
        }
        QFETCH(bool, crash);
        QFETCH(int, code);
        QFETCH(QString, told);
        QProcess run;
        QElapsedTimer clock;
        clock.start();
        startSelf(run, {QStringLiteral("stopWithTheGuiHeld:") + QString::fromLatin1(QTest::currentDataTag())},
                  {{QStringLiteral("DVR_TEST_HELD_STOP"), QStringLiteral("1")}});
        QVERIFY(run.waitForFinished(20000));
        QCOMPARE(run.exitStatus(), crash ? QProcess::CrashExit : QProcess::NormalExit);
        if (!crash)
            QCOMPARE(run.exitCode(), code);
        QVERIFY(clock.elapsed() < 8000);
        const QByteArray err = run.readAllStandardError();
        QVERIFY2(told.isEmpty() ? !err.contains("within 300 ms") : err.contains(told.toUtf8()), err.constData());
    }

    // Every end that is not a stop request (a quit from the menu, the
    // firmware upgrade's) destroys the stop watcher with no request come: it
    // returns at once, emits no stop and leaves the process its own end, not
    // the watcher's bound and a signal. The test program runs itself as the
    // ending program.
    void endWithoutStop_data()
    {
        QTest::addColumn<int>("upgrade");
        QTest::newRow("plain quit") << 0;
        QTest::newRow("firmware upgrade") << 1;
    }
    void endWithoutStop()
    {
        QFETCH(int, upgrade);
        if (qEnvironmentVariableIsSet("DVR_TEST_QUIET_END")) {
            TTestRoot root;
            root.write(QStringLiteral("/dvr/upgrade"), "#!/bin/sh\n");
            QFile::setPermissions(root.file(QStringLiteral("/dvr/upgrade")), QFile::ReadOwner | QFile::ExeOwner);
            int stops = 0;
            QElapsedTimer clock;
            {
                TStopSignals stop;
                connect(&stop, &TStopSignals::sg_stop, [&stops] { ++stops; });
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                QCoreApplication::exec();
                runAfterLoop(upgrade, 0, [&stop] { return stop.requested(); });
                clock.start();
            }
            const qint64 ms = clock.elapsed();
            QCoreApplication::processEvents(); // a stop the watcher queued
            std::printf("ended in %lld ms, stops:%d\n", static_cast<long long>(ms), stops);
            std::fflush(stdout);
            ::_exit(0);
        }
        QProcess ending;
        startSelf(ending, {QStringLiteral("endWithoutStop:") + QString::fromLatin1(QTest::currentDataTag())},
                  {{QStringLiteral("DVR_TEST_QUIET_END"), QStringLiteral("1")}});
        QVERIFY(ending.waitForFinished(30000));
        const QByteArray out = ending.readAllStandardOutput();
        QVERIFY2(ending.exitStatus() == QProcess::NormalExit, ending.readAllStandardError().constData());
        QCOMPARE(ending.exitCode(), 0);
        const QRegularExpressionMatch m = QRegularExpression("ended in (\\d+) ms, stops:(\\d+)").match(out);
        QVERIFY2(m.hasMatch(), out.constData());
        QCOMPARE(m.captured(2).toInt(), 0);
        // Well within the watcher's bound, however busy the machine.
        QVERIFY2(m.captured(1).toInt() < TStopSignals::TakeBoundMs / 2, out.constData());
    }

    // The main window goes before the configuration, the resources and the
    // texts: its windows' hooks never meet a freed one.
    void tearDownOrder()
    {
        vkeytest::setUpGlobals();
        TDvrFixture fx;
        fx.cfg = nullptr; // given to the tear-down
        auto* w = new TMain(nullptr, ID_WND_MAIN, QSize(1280, 720));
        QVERIFY(g_statusWnd && g_msgWnd);
        g_statusWnd->show();
        bool globalsAlive = false;
        connect(g_statusWnd, &QObject::destroyed, this,
                [&] { globalsAlive = g_cfg && g_res && g_str; }, Qt::DirectConnection);
        tearDown(w);
        QVERIFY(globalsAlive);
        QVERIFY(!g_cfg && !g_res && !g_str && !g_statusWnd && !g_msgWnd && !g_vkeyboard);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

DVR_APP_TEST_MAIN(StartupTest)
#include "startuptest.moc"
