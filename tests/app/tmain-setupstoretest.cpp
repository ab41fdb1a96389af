// What the setup runs leave in flash: a commit that fails is told and not
// logged as done, and a remote client that applies one page from its whole
// configuration file changes only that page.
#include "tsetuprig.h"
#include "../common/dvr/tnetfixture.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tfilesizelimit.h"
#include "tmainrig.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "tselfchild.h"
#include "townerthread.h"
#include "tpath.h"
#include "tstopsignals.h"
#include "trunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    Rig() : TSetupRig("16", true)
    {
        fx.cfg->commitfile(); // a unit that has run before
        QVERIFY(up());
    }
    // A client's file "/tmp/NAME.conf": the unit's own with its changes;
    // empty when the unit's file lacks one of the keys.
    QByteArray clientFile(const QString& name, const QVariantMap& changes)
    {
        const QString path = "/tmp/" + name + ".conf";
        if (!TRunner::copyFile(fx.cfg->tmpPath(), path))
            return QByteArray();
        QSettings file(fx.root.file(path), QSettings::IniFormat);
        for (auto c = changes.cbegin(); c != changes.cend(); ++c) {
            if (!file.contains(c.key()))
                return QByteArray();
            file.setValue(c.key(), c.value());
        }
        return path.toUtf8();
    }
};

// A remote client on a thread of its own: after its delay it sends its
// packets one after another, each as soon as the one before was taken.
struct Client
{
    int delayMs;
    QVector<QPair<int, QByteArray>> packets;
};

// Starts the clients' threads; left counts down as each ends.
std::vector<std::thread> startClients(const QVector<Client>& clients, std::atomic<int>& left)
{
    left = clients.size();
    std::vector<std::thread> threads;
    for (const Client& c : clients) {
        threads.emplace_back([&left, c] {
            std::this_thread::sleep_for(std::chrono::milliseconds(c.delayMs));
            for (const auto& p : c.packets) {
                NetpackReply reply;
                dalTestNetPacket(p.first, quint32(p.second.size()), p.second.constData(), p.second.size(), &reply);
            }
            --left;
        });
    }
    return threads;
}

// Runs the clients while this thread, the GUI thread, serves them.
void runClients(const QVector<Client>& clients)
{
    std::atomic<int> left{0};
    std::vector<std::thread> threads = startClients(clients, left);
    serveUntil([&left] { return left.load() == 0; });
    for (std::thread& t : threads)
        t.join();
}

// SIGTERM to this process ms from now, as a "kill" from outside.
std::thread termLater(int ms)
{
    return std::thread([ms] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        ::kill(::getpid(), SIGTERM);
    });
}

// What a change sent around a stop must become.
enum Wants { Either = -1, Refused = 0, Taken = 1 };
// The stop's time: the moment the GUI thread takes the change, while its
// handler lets events run.
enum { WhileTaken = -1 };

// The program's run around a stop that meets remote changes, in this
// process (a child of the test): the main window up, the stop requests
// handled as main handles them, a client's OK of an admin password at okAt
// and another's Apply of the address page at applyAt (-1: none), and the
// stop at stopAt (SIGTERM, or Power Off confirmed in the setup menu), all
// counted from the start of the event loop, or WhileTaken. Prints what each
// change became and how the run ended; ends the process with the event
// loop's result.

void runStopChild(int okAt, int applyAt, int stopAt, bool powerOff)
{
    int rc = -1;
    {
        Rig rig;
        const QStringList keysBefore =
            QSettings(rig.fx.root.file(rig.fx.cfg->confPath()), QSettings::IniFormat).allKeys();
        TStopSignals stop;
        QObject::connect(&stop, &TStopSignals::sg_stop, rig.w, &TMain::sg_shutdown);
        const struct {
            const char* name;
            int at;
            int cmd;
            QByteArray path;
            const char* key;
            const char* value;
        } changes[] = {
            {"OK", okAt, DNPC_RS_APP_OK, rig.clientFile("rsA", {{"USER/pw00", "fromA"}}), "USER/pw00", "fromA"},
            {"Apply", applyAt, DNPC_RS_APP_APPLY, rig.clientFile("rsB", {{"NETADDR/ip", "10.1.2.3"}}), "NETADDR/ip",
             "10.1.2.3"},
        };
        QVector<Client> clients;
        for (const auto& c : changes) {
            if (c.at >= 0)
                clients.append({c.at, {{c.cmd, c.cmd == DNPC_RS_APP_OK
                                                   ? TPayload().text(c.path).bytes
                                                   : TPayload().u32(quint32(SA::Btn_Network_Addr)).text(c.path).bytes}}});
        }
        std::atomic<int> left{0};
        std::vector<std::thread> threads = startClients(clients, left);
        QElapsedTimer sinceStop;
        if (powerOff) {
            QTimer::singleShot(stopAt, rig.w, [&] {
                sinceStop.start();
                rig.w->sl_fromSetup(SA::Btn_Shutdown, 0, 0);
            });
        } else if (stopAt == WhileTaken) {
            // The request reaches the event queue just before the change's
            // handler shows its status box, which lets events run.
            QObject::disconnect(rig.w, &TMain::sg_ctrlStatus, rig.w, &TMain::sl_ctrlStatus);
            QObject::connect(rig.w, &TMain::sg_ctrlStatus, rig.w, [&sinceStop](int, const QString& title) {
                if (title != QLatin1String("Remote Setup") || sinceStop.isValid())
                    return;
                sinceStop.start();
                ::kill(::getpid(), SIGTERM);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            });
            QObject::connect(rig.w, &TMain::sg_ctrlStatus, rig.w, &TMain::sl_ctrlStatus);
        } else {
            threads.push_back(termLater(stopAt));
            sinceStop.start();
        }
        rc = QCoreApplication::exec();
        TStopSignals::shutdownEnds();
        const qint64 stopMs = sinceStop.elapsed();
        for (std::thread& t : threads)
            t.join();
        std::printf("stop-case: ended %lld ms after the stop, unplug:%d\n", static_cast<long long>(stopMs),
                    rig.status().contains("unplug") ? 1 : 0);
        std::fflush(stdout);
        // What main does after the loop: the power-off wait ends with a stop
        // request.
        if (powerOff) {
            std::thread later = termLater(100);
            runAfterLoop(rig.w->m_upgrade, rig.w->m_powerOff, [&stop] { return stop.requested(); });
            later.join();
        }

        // Whole: every key it held before, none cut off.
        QSettings stored(rig.fx.root.file(rig.fx.cfg->confPath()), QSettings::IniFormat);
        const QStringList keys = stored.allKeys();
        const bool whole = stored.status() == QSettings::NoError &&
                           std::all_of(keysBefore.cbegin(), keysBefore.cend(),
                                       [&keys](const QString& k) { return keys.contains(k); });
        std::printf("stop-case: flash whole:%d\n", whole ? 1 : 0);
        for (const auto& c : changes) {
            if (c.at < 0)
                continue;
            // A change refused leaves the client's file; one taken is gone.
            std::printf("stop-case: %s taken:%d in flash:%d\n", c.name,
                        QFile::exists(rig.fx.root.file(QString::fromUtf8(c.path))) ? 0 : 1,
                        stored.value(c.key).toString() == QLatin1String(c.value) ? 1 : 0);
        }
    }
    std::fflush(stdout);
    ::_exit(rc);
}

} // namespace

class TMainSetupStoreTest : public QObject
{
    Q_OBJECT
private slots:
    // OK and a page's Apply on a full flash: the box says "Failed", the
    // whole OK is not logged as done, and the flash file is the one before.
    void commitFailureIsTold_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("logged");
        QTest::newRow("OK") << true << QStringList{};
        QTest::newRow("Apply") << false << QStringList{"(Record)"};
    }
    void commitFailureIsTold()
    {
        QFETCH(bool, ok);
        QFETCH(QStringList, logged);
        Rig rig;
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        TSetupWnd* setup = rig.w->setupWnd();
        QVERIFY(setup->isVisible());
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual ^= 1;
        const QByteArray flash = rig.fx.root.read(rig.fx.cfg->confPath());
        QVERIFY(flash.size() > 4096);
        bool told = false;
        {
            // The flash takes no file of the configuration's size; the log's
            // first records still fit.
            TFileSizeLimit full(flash.size() / 2);
            if (ok)
                QTest::mouseClick(setup->button(SA::Btn_Ok), Qt::LeftButton);
            else
                setup->sl_action(SA::Btn_Record_Record, 0, 0);
            QVERIFY(QTest::qWaitFor([&] {
                told = told || rig.status() == QStringLiteral("Setup/Failed");
                return g_api.m_applying == 0;
            }, 8000));
            told = told || rig.status() == QStringLiteral("Setup/Failed");
        }
        QVERIFY(told);
        QCOMPARE(Rig::setupLogs(), logged);
        QCOMPARE(rig.fx.root.read(rig.fx.cfg->confPath()), flash);
        // The change is in force all the same.
        QCOMPARE(rig.live<PropRecord>(IDX_PROP_RECORD)->data[1].cqual, rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual);
    }

    // A client applies the colour page from its whole file, which also holds
    // another admin password; the operator had a record edit open. Only the
    // colours become live, and a later local OK with nothing touched
    // applies nothing of the client's other sections.
    void remotePageApplyKeepsOnlyThePage()
    {
        Rig rig;
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        rig.edit<PropRecord>(IDX_PROP_RECORD)->data[0].cqual ^= 1; // the operator's edit, dropped with the menu
        const PropRecord record = *rig.live<PropRecord>(IDX_PROP_RECORD);
        const PropUser users = *rig.live<PropUser>(IDX_PROP_USER);
        const QByteArray path = rig.clientFile("rs", {{"COLOR/data00", "21 32 43 54"}, {"USER/pw00", "client"}});
        QVERIFY(!path.isEmpty());
        const PropColor colour = *rig.live<PropColor>(IDX_PROP_COLOR);
        sendPacket(DNPC_RS_APP_APPLY, TPayload().u32(quint32(SA::Btn_Display_Color)).text(path).bytes);
        QVERIFY(Rig::settled());
        QVERIFY(std::memcmp(rig.live<PropColor>(IDX_PROP_COLOR), &colour, sizeof colour) != 0);
        QCOMPARE(std::memcmp(rig.live<PropUser>(IDX_PROP_USER), &users, sizeof users), 0);
        QCOMPARE(std::memcmp(rig.live<PropRecord>(IDX_PROP_RECORD), &record, sizeof record), 0);
        QCOMPARE(rig.fx.cfg->ismodified(), 0);

        // The operator comes back and confirms with nothing touched.
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_System);
        QTest::mouseClick(rig.w->setupWnd()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(std::memcmp(rig.live<PropUser>(IDX_PROP_USER), &users, sizeof users), 0);
        QCOMPARE(std::memcmp(rig.live<PropRecord>(IDX_PROP_RECORD), &record, sizeof record), 0);
    }

    // The first change, a client's OK that sets the admin password or the
    // operator's Apply of the record page, is followed 100-300 ms later by a
    // second client's Apply of the address page from the unit's own file,
    // or a third client's page Applies asked for runs before both. Each
    // change is applied as it was sent: both are in force and in flash, and
    // a client that sends faster than the runs are applied waits for them
    // instead of piling them up.
    void changesFollowEachOther_data()
    {
        QTest::addColumn<bool>("local");
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("before");
        QTest::newRow("B 100 ms after A") << false << 100 << 0;
        QTest::newRow("B 300 ms after A") << false << 300 << 0;
        QTest::newRow("runs asked for before") << false << 200 << 4;
        QTest::newRow("B 100 ms after a local Apply") << true << 100 << 0;
    }
    void changesFollowEachOther()
    {
        QFETCH(bool, local);
        QFETCH(int, gapMs);
        QFETCH(int, before);
        Rig rig;
        QVector<Client> clients(1);
        for (int i = 0; i < before; ++i) {
            const QByteArray path =
                rig.clientFile(QString("rsC%1").arg(i), {{"COLOR/data00", QString("%1 32 43 54").arg(20 + i)}});
            QVERIFY(!path.isEmpty());
            clients[0].packets.append({DNPC_RS_APP_APPLY, TPayload().u32(quint32(SA::Btn_Display_Color)).text(path).bytes});
        }
        const int start = before ? 50 : 0;
        const QByteArray a = rig.clientFile("rsA", {{"USER/pw00", "fromA"}});
        const QByteArray b = rig.clientFile("rsB", {{"NETADDR/ip", "10.1.2.3"}});
        QVERIFY(!a.isEmpty() && !b.isEmpty());
        clients.append({start + gapMs, {{DNPC_RS_APP_APPLY, TPayload().u32(quint32(SA::Btn_Network_Addr)).text(b).bytes}}});
        int quality = 0;
        if (local) {
            rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
            quality = rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual ^= 1;
            rig.w->setupWnd()->sl_action(SA::Btn_Record_Record, 0, 0);
        } else {
            clients.append({start, {{DNPC_RS_APP_OK, TPayload().text(a).bytes}}});
        }
        runClients(clients);
        // The last change taken has the only run still to come.
        QCOMPARE(rig.w->setupTh()->queued(), 0);
        QVERIFY(Rig::settled());

        if (local)
            QCOMPARE(int(rig.live<PropRecord>(IDX_PROP_RECORD)->data[1].cqual), quality);
        else
            QCOMPARE(QByteArray(rig.live<PropUser>(IDX_PROP_USER)->user[0].pw), QByteArray("fromA"));
        QCOMPARE(QByteArray(rig.live<PropNetaddr>(IDX_PROP_NETADDR)->ip), QByteArray("10.1.2.3"));
        // The flash file is the RAM file the live copy was saved to.
        QCOMPARE(rig.fx.root.read(rig.fx.cfg->confPath()), rig.fx.root.read(rig.fx.cfg->tmpPath()));
        QSettings flash(rig.fx.root.file(rig.fx.cfg->confPath()), QSettings::IniFormat);
        QCOMPARE(flash.value("USER/pw00").toString(), QString(local ? "" : "fromA"));
        QCOMPARE(flash.value("NETADDR/ip").toString(), QString("10.1.2.3"));
    }

    // A stop that comes while a local change's handler shows its status box
    // (which lets events run) waits for that handler and for the apply run
    // it starts: OK and a page's Apply reach flash, an import and the
    // factory defaults reach the edit copy; then the shutdown ends the
    // event loop with 0. The stop is sent as the stop watcher sends it,
    // just before the handler runs, so the box's events deliver it.
    void stopInsideAChange_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("OK") << int(SA::Btn_Ok);
        QTest::newRow("page Apply") << int(SA::Btn_Record_Record);
        QTest::newRow("Import") << int(SA::Act_ConfImport);
        QTest::newRow("Default") << int(SA::Act_ConfDefault);
    }
    void stopInsideAChange()
    {
        QFETCH(int, code);
        Rig rig;
        rig.w->runMenu(QStringLiteral("Setup"), SA::Btn_Record);
        // The change: camera 2's record quality flipped; the default undoes
        // a flip stored before.
        const int start = rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual;
        PropRecord flipped = *rig.edit<PropRecord>(IDX_PROP_RECORD);
        flipped.data[1].cqual ^= 1;
        QString name;
        if (code == SA::Act_ConfImport) {
            // The unit's own file with the flip, on the stick.
            const PropRecord own = *rig.edit<PropRecord>(IDX_PROP_RECORD);
            *rig.edit<PropRecord>(IDX_PROP_RECORD) = flipped;
            rig.fx.cfg->apply(IDX_PROP_RECORD, nullptr, nullptr, 1);
            QVERIFY(QDir().mkpath(TPath::map("/backup")));
            name = QStringLiteral("flipped.conf");
            QVERIFY(QFile::copy(TPath::map(rig.fx.cfg->tmpPath()), TPath::map("/backup/" + name)));
            *rig.edit<PropRecord>(IDX_PROP_RECORD) = own;
            rig.fx.cfg->apply(IDX_PROP_RECORD, nullptr, nullptr, 1);
        } else if (code == SA::Act_ConfDefault) {
            rig.store(IDX_PROP_RECORD, flipped);
        } else {
            *rig.edit<PropRecord>(IDX_PROP_RECORD) = flipped;
        }
        const int want = code == SA::Act_ConfDefault ? start : start ^ 1;

        QMetaObject::invokeMethod(rig.w, [&] {
            TOwnerThread::setClosing(true);
            QMetaObject::invokeMethod(rig.w, &TMain::sg_shutdown, Qt::QueuedConnection);
            rig.w->sl_fromSetup(code, 0, 0, name);
        }, Qt::QueuedConnection);
        QCOMPARE(runEventLoop(), 0);
        // The tear-down, as after the program's event loop.
        delete rig.w;
        rig.w = nullptr;
        QCOMPARE(int(rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual), want);
        if (code == SA::Btn_Ok || code == SA::Btn_Record_Record)
            QCOMPARE(int(rig.fromFile<PropRecord>(IDX_PROP_RECORD).data[1].cqual), want);
    }

    // While the stop waits for a remote client's Apply under way, the Menu
    // key and a right-click on the live view open nothing; the change
    // reaches flash and the event loop ends with 0.
    void noMenuWhileTheStopWaitsForARun()
    {
        Rig rig;
        // The keys go to the live view once the disks' status box is gone.
        QVERIFY(QTest::qWaitFor([] { return !g_statusWnd->isVisible(); }, 8000));
        const int want = rig.edit<PropRecord>(IDX_PROP_RECORD)->data[1].cqual ^= 1;
        int opened = 0;
        connect(rig.w->m_menu, &QMenu::aboutToShow, [&opened] { ++opened; });
        int busyAtKey = 0;
        QMetaObject::invokeMethod(rig.w, [&] {
            g_api.setApplying(1);
            emit g_api.sg_dvrNotify(SIG_NET_RS_APPLY, 0, 0, SA::Btn_Record_Record);
            QMetaObject::invokeMethod(rig.w, &TMain::sg_shutdown, Qt::QueuedConnection);
            QMetaObject::invokeMethod(rig.w, [&] {
                busyAtKey = rig.w->setupTh()->busy();
                TMainRig::operatorInput(rig.w, TMainRig::MenuKey, false);
            }, Qt::QueuedConnection);
            TMainRig::operatorInput(rig.w, TMainRig::RightButton, true);
        }, Qt::QueuedConnection);
        QCOMPARE(runEventLoop(), 0);
        delete rig.w;
        rig.w = nullptr;
        QCOMPARE(busyAtKey, 1);
        QCOMPARE(opened, 0);
        QCOMPARE(int(rig.fromFile<PropRecord>(IDX_PROP_RECORD).data[1].cqual), want);
    }

    // A stop (SIGTERM, or Power Off confirmed in the setup menu) around a
    // client's OK, around a page Apply, and while a client's OK waits behind
    // another client's Apply: the run ends with 0 soon after the stop,
    // Power Off reaches its unplug text, the flash file is whole, and every
    // change is either refused (its file left) or in flash; one sent well
    // before the stop is taken, one sent after it refused. The program runs
    // in a child process: a stop that never ends must not hold this one.
    void stopMeetsRemoteChange_data()
    {
        QTest::addColumn<int>("okAt");
        QTest::addColumn<int>("applyAt");
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<bool>("powerOff");
        QTest::addColumn<int>("okWants");
        QTest::addColumn<int>("applyWants");
        QTest::newRow("SIGTERM while an OK is taken") << 0 << -1 << int(WhileTaken) << false << int(Taken) << int(Either);
        QTest::newRow("SIGTERM with an OK") << 0 << -1 << 0 << false << int(Either) << int(Either);
        QTest::newRow("SIGTERM 20 ms after an OK") << 0 << -1 << 20 << false << int(Either) << int(Either);
        QTest::newRow("SIGTERM 60 ms after an OK") << 0 << -1 << 60 << false << int(Either) << int(Either);
        QTest::newRow("SIGTERM 400 ms after an Apply") << -1 << 0 << 400 << false << int(Either) << int(Taken);
        QTest::newRow("SIGTERM while an OK waits behind an Apply")
            << 100 << 0 << 300 << false << int(Either) << int(Taken);
        QTest::newRow("OK 100 ms after Power Off") << 100 << -1 << 0 << true << int(Refused) << int(Either);
        QTest::newRow("OK 450 ms after Power Off") << 450 << -1 << 0 << true << int(Refused) << int(Either);
        QTest::newRow("Apply 200 ms after Power Off") << -1 << 200 << 0 << true << int(Either) << int(Refused);
    }
    void stopMeetsRemoteChange()
    {
        QFETCH(int, okAt);
        QFETCH(int, applyAt);
        QFETCH(int, stopAt);
        QFETCH(bool, powerOff);
        QFETCH(int, okWants);
        QFETCH(int, applyWants);
        if (qEnvironmentVariableIsSet("DVR_TEST_STOP_CASE"))
            runStopChild(okAt, applyAt, stopAt, powerOff);
        QProcess run;
        startSelf(run, {QStringLiteral("stopMeetsRemoteChange:") + QString::fromLatin1(QTest::currentDataTag())},
                  {{QStringLiteral("DVR_TEST_STOP_CASE"), QStringLiteral("1")}});
        const bool ended = run.waitForFinished(40000);
        if (!ended)
            run.kill();
        const QByteArray out = run.readAllStandardOutput();
        QVERIFY2(ended, ("the run did not end: " + out.right(2000)).constData());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit, run.readAllStandardError().right(2000).constData());
        QCOMPARE(run.exitCode(), 0);
        const QRegularExpressionMatch end =
            QRegularExpression("stop-case: ended (\\d+) ms after the stop, unplug:(\\d)").match(out);
        QVERIFY2(end.hasMatch(), out.constData());
        // Well within the stop watcher's bound, however busy the machine.
        QVERIFY2(end.captured(1).toInt() < TStopSignals::TakeBoundMs / 2, out.constData());
        QCOMPARE(end.captured(2).toInt(), powerOff ? 1 : 0);
        QVERIFY2(out.contains("stop-case: flash whole:1"), out.constData());
        int changes = 0;
        auto it = QRegularExpression("stop-case: (\\w+) taken:(\\d) in flash:(\\d)").globalMatch(out);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            ++changes;
            QVERIFY2(m.captured(2) == m.captured(3), qPrintable(m.captured(0)));
            const int wants = m.captured(1) == "OK" ? okWants : applyWants;
            QVERIFY2(wants == Either || m.captured(2).toInt() == wants, qPrintable(m.captured(0)));
        }
        QCOMPARE(changes, int(okAt >= 0) + int(applyAt >= 0));
    }
};

DVR_APP_TEST_MAIN(TMainSetupStoreTest)
#include "tmain-setupstoretest.moc"
