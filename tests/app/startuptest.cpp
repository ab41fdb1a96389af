// The steps of start-up and end around the main window: the screen size,
// the upgrade at the end, and the order of the tear-down.
#include "../ui/base/vkeytestenv.h"
#include "appglobals.h"
#include "dal.h"
#include "startup.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"
#include "tstopsignals.h"
#include "ttestroot.h"
#include "../common/dvr/tdvrfixture.h"

#include <QFile>
#include "tcategorylines.h"

#include <QtTest>

#include <atomic>
#include <csignal>
#include <thread>
#include <unistd.h>

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_MAIN(StartupTest)
#include "startuptest.moc"
