#include "tnetfixture.h"
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
};

QTEST_MAIN(TDvrApiNetStoreTest)
#include "tdvrapi-netstoretest.moc"
