#include "tnetfixture.h"
#include "townerthread.h"
#include "tproperty.h"

#include <QtTest>

#include <atomic>
#include <thread>

// Remote address texts arrive on the device layer's network thread while the
// GUI thread works on the same configuration (a page's Apply with its save
// and commit, the device's bring-up with its own saves). The store stays
// whole: no text is answered "not stored" on a healthy flash, and the last
// change stored is the one the flash file holds at the next start.
class TDvrApiNetStoreTest : public QObject
{
    Q_OBJECT

    static QByteArray portText(int i) { return "port:" + QByteArray::number(8200 + i) + '\0'; }

    static void sendFromClient(int i)
    {
        const QByteArray text = portText(i);
        NetpackReply reply;
        dalTestNetPacket(DNPC_CAPS_NETWORK, quint32(text.size()), text.constData(), text.size(), &reply);
    }

    // Holds the GUI thread, serving none of its events, until done is set
    // or ms have passed; done then.
    static bool doneWhileHeld(const std::atomic<bool>& done, int ms)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return done;
    }

private slots:
    void textsWhileTheGuiSaves_data()
    {
        QTest::addColumn<bool>("bringUp"); // else: page applies with their commits
        QTest::newRow("page applies and commits") << false;
        QTest::newRow("the device comes up") << true;
    }

    void textsWhileTheGuiSaves()
    {
        QFETCH(bool, bringUp);
        const int texts = 30;
        TDvrFixture fx;
        QVERIFY(fx.cfg->commitfile() == 0);
        if (bringUp) {
            QCOMPARE(g_api.coreInit(), 0);
        } else {
            g_api.registerCallbacks();
            DalInit();
            DalStart();
        }
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        std::atomic<int> sent{0};
        std::atomic<bool> go{false};
        std::thread client([&] {
            while (!go)
                std::this_thread::yield();
            for (int i = 0; i < texts; ++i) {
                sendFromClient(i);
                ++sent;
            }
        });
        go = true;
        if (bringUp) {
            // The bring-up registers the callbacks and saves its sections
            // while the texts come.
            QCOMPARE(g_api.dvrinit(), 0);
        }
        auto* osd = static_cast<PropOsd*>(fx.cfg->getsection(IDX_PROP_OSD, 0));
        for (int round = 0; sent < texts; ++round) {
            if (!bringUp) {
                // A page's Apply: the edit copy's change made live, saved and
                // committed, as the apply thread has the GUI thread do it.
                // Levels the file keeps (1..7): it reads any other as 7.
                osd->alpha = 1 + round % 7;
                fx.cfg->apply(IDX_PROP_OSD, nullptr, nullptr, 1);
                QCOMPARE(fx.cfg->commitfile(), 0);
            }
            QCoreApplication::processEvents();
        }
        client.join();
        QCoreApplication::processEvents();
        if (bringUp)
            sendPacket(DNPC_CAPS_NETWORK, portText(texts - 1)); // at least the last after the callbacks
        QCoreApplication::processEvents();
        // No text went unanswered as "not stored" on a healthy flash.
        QVERIFY2(!codes(spy).contains(SIG_STATE_START) || bringUp, "a change was told not stored");
        QVERIFY(!codes(spy).contains(SIG_STATE_END) || bringUp);
        // The next start reads the flash file: the last change is in it, and
        // it is a whole configuration of this unit.
        TProperty flash(fx.cfg->confPath());
        QCOMPARE(int(flash.m_netport.watch), 8200 + texts - 1);
        QCOMPARE(QByteArray(flash.m_devices.model), QByteArray(fx.dev.model));
        QCOMPARE(int(flash.m_osd.alpha), int(fx.live<PropOsd>(IDX_PROP_OSD)->alpha));
        QVERIFY(!flash.childGroups().contains(QStringLiteral("General")));
        if (bringUp)
            g_api.dvrfinish();
    }

    // Which thread serves each command: those that work on the configuration
    // wait for the GUI thread (here held for a moment without serving its
    // events), the others are served on the network thread meanwhile.
    void commandThreads_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("gui");
        const QByteArray file = TPayload().text("/tmp/none.conf").bytes;
        QTest::newRow("caps") << int(DNPC_RS_CAPS) << QByteArray() << true;
        QTest::newRow("OK") << int(DNPC_RS_APP_OK) << file << true;
        QTest::newRow("page apply") << int(DNPC_RS_APP_APPLY) << TPayload().u32(8).raw(file).bytes << true;
        QTest::newRow("preview") << int(DNPC_RS_APP_RUN) << TPayload().u32(Act_PrvMotionTrace).u32(0).u32(0).bytes
                                 << true;
        QTest::newRow("test") << int(DNPC_RS_APP_TEST) << TPayload().u32(Act_StrgCheck).u32(0).u32(0).bytes << true;
        QTest::newRow("colour get") << int(DNPC_UC_COLOR_GET) << QByteArray() << true;
        QTest::newRow("colour set") << int(DNPC_UC_COLOR_SET) << TPayload().u32(0).u32(1).u32(2).u32(3).u32(4).bytes
                                    << true;
        QTest::newRow("colour apply") << int(DNPC_UC_COLOR_APPLY) << be32(0) << true;
        QTest::newRow("alarm names") << int(DNPC_UC_ALARM_GETNAME) << QByteArray() << true;
        QTest::newRow("address text") << int(DNPC_CAPS_NETWORK) << QByteArray("port:8100\0", 10) << true;
        QTest::newRow("info") << int(DNPC_RS_APP_INFO) << be32(Act_InfoMotion) << false;
        QTest::newRow("result") << int(DNPC_RS_APP_RESULT) << QByteArray() << false;
        QTest::newRow("layout") << int(DNPC_RS_USER_MIN) << QByteArray() << false;
        QTest::newRow("cancel") << int(DNPC_RS_APP_CANCEL) << QByteArray() << false;
        QTest::newRow("web code") << int(DNPC_CAPS_WEBCODE) << QByteArray() << false;
    }
    void commandThreads()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        QFETCH(bool, gui);
        TNetFixture fx;
        std::atomic<bool> done{false};
        std::thread client([&] {
            NetpackReply reply;
            dalTestNetPacket(cmd, quint32(payload.size()), payload.constData(), payload.size(), &reply);
            done = true;
        });
        QCOMPARE(doneWhileHeld(done, gui ? 300 : 5000), !gui);
        QTRY_VERIFY(done);
        client.join();
    }

    // An address text the GUI thread does not take within the hand-over's
    // bound is stored once the GUI thread is free; at a stop it is dropped,
    // and the client's wait ends then.
    void changeWaitsForTheGui_data()
    {
        QTest::addColumn<bool>("stop");
        QTest::newRow("GUI busy past the bound") << false;
        QTest::newRow("the program stops") << true;
    }
    void changeWaitsForTheGui()
    {
        QFETCH(bool, stop);
        TNetFixture fx;
        QVERIFY(fx.cfg->commitfile() == 0);
        const int before = fx.live<PropNetport>(IDX_PROP_NETPORT)->watch;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        std::atomic<bool> done{false};
        std::thread client([&] {
            sendFromClient(77);
            done = true;
        });
        if (stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            TOwnerThread::setClosing(true);
        }
        QCOMPARE(doneWhileHeld(done, stop ? 2800 : TOwnerThread::DefaultBoundMs + 500), stop);
        QTRY_VERIFY(done);
        client.join();
        TOwnerThread::setClosing(false);
        QCoreApplication::processEvents();
        const int want = stop ? before : 8277;
        QCOMPARE(int(fx.live<PropNetport>(IDX_PROP_NETPORT)->watch), want);
        QCOMPARE(int(TProperty(fx.cfg->confPath()).m_netport.watch), want);
        QVERIFY(!codes(spy).contains(SIG_STATE_START)); // nothing told "not stored"
    }
};

QTEST_MAIN(TDvrApiNetStoreTest)
#include "tdvrapi-netstoretest.moc"
