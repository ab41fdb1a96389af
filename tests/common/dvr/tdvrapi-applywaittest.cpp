// Remote-setup commands and the apply runs: a command that changes the edit
// copy or asks for a run is taken only while no run is queued or under way.
// Its client waits on the network thread meanwhile (within its bound when it
// waits for an answer) and is served as soon as the runs end; the GUI
// thread, which the runs need, never waits.
#include "tnetfixture.h"
#include "townerthread.h"
#include "tproperty.h"
#include "trunner.h"

#include <QElapsedTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {
QByteArray colourSet()
{
    return TPayload().u32(2).u32(50).u32(60).u32(70).u32(80).bytes;
}

// A UPnP test with ports 8100 in its NETPORT record.
QByteArray upnpTest()
{
    const QByteArray ports = QByteArray::fromHex("1fa4").repeated(4) + be32(1);
    return TPayload().u32(Act_TestUpnp).u32(1).u32(2).raw(ports).bytes;
}

// A remote-setup unit whose one-second tick stays still (it would notify).
struct TUnit : TNetFixture {
    TUnit()
    {
        dalTestSetManualTicks(1);
        TRunner::copyFile(cfg->tmpPath(), "/tmp/rs.conf"); // the file the client left
    }
    ~TUnit() { g_api.setApplying(0); }
};

// A client on a thread of its own, sending while this thread, the GUI
// thread, serves. Its end lowers the apply flag and serves it to its
// return, so that a failed check never leaves it waiting.
class TClient
{
public:
    explicit TClient(const std::function<void()>& send)
        : m_thread([this, send] {
            send();
            m_done = true;
        })
    {
    }
    ~TClient()
    {
        g_api.setApplying(0);
        serveUntil([this] { return done(); });
        m_thread.join();
    }
    bool done() const { return m_done.load(); }
    // Serves until the client has its answer; false when not within ms.
    bool served(int ms)
    {
        return QTest::qWaitFor([this] { return done(); }, ms);
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

void sendAsClient(int cmd, const QByteArray& payload, NetpackReply* reply)
{
    dalTestNetPacket(cmd, quint32(payload.size()), payload.constData(), payload.size(), reply);
}
}

class TDvrApiApplyWaitTest : public QObject
{
    Q_OBJECT
private slots:
    // Every command that changes the edit copy or asks for a run, and two
    // that do neither (taken at once while the runs go on).
    void takenAfterTheRuns_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("waits");
        QTest::addColumn<int>("note"); // what taking it notifies, 0 nothing
        QTest::addColumn<bool>("answers");
        const QByteArray conf = TPayload().text("/tmp/rs.conf").bytes;
        const QByteArray alpha = TPayload().u32(Act_PrvOsdAlpha).u32(5).u32(0).bytes;
        QTest::newRow("ok") << int(DNPC_RS_APP_OK) << conf << true << int(SIG_NET_SETUP) << false;
        QTest::newRow("apply") << int(DNPC_RS_APP_APPLY) << be32(10) + conf << true << int(SIG_NET_SETUP) << false;
        QTest::newRow("cancel") << int(DNPC_RS_APP_CANCEL) << QByteArray() << true << int(SIG_NET_SETUP) << false;
        QTest::newRow("preview") << int(DNPC_RS_APP_RUN) << alpha << true << int(SIG_NET_RS_SET) << false;
        QTest::newRow("test") << int(DNPC_RS_APP_TEST) << upnpTest() << true << int(SIG_NET_RS_TEST) << true;
        QTest::newRow("colour set") << int(DNPC_UC_COLOR_SET) << colourSet() << true << 0 << true;
        QTest::newRow("colour apply") << int(DNPC_UC_COLOR_APPLY) << be32(1) << true << int(SIG_NET_RS_APPLY) << false;
        QTest::newRow("colour get") << int(DNPC_UC_COLOR_GET) << QByteArray() << false << 0 << true;
        QTest::newRow("panic") << int(DNPC_UC_PANIC_RECORD) << be32(1) << false << int(SIG_IO_PANIC) << false;
    }

    void takenAfterTheRuns()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        QFETCH(bool, waits);
        TUnit fx;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const QByteArray before = editCopy(fx.cfg);
        NetpackReply reply;
        g_api.setApplying(1);
        {
            TClient client([&] { sendAsClient(cmd, payload, &reply); });
            if (waits) {
                // While the runs go on: no answer, no notification, no
                // device call, no change.
                QVERIFY(!client.served(300));
                QCOMPARE(codes(spy), QList<int>());
                QCOMPARE(journal(), QStringList());
                QVERIFY(editCopy(fx.cfg) == before);
                g_api.setApplying(0);
            }
            QVERIFY(client.served(5000));
        }
        QCoreApplication::processEvents();
        QFETCH(int, note);
        if (note)
            QVERIFY2(codes(spy).contains(note), qPrintable(QString::number(spy.size())));
        QTEST(reply.len > 0, "answers");
    }

    // The stop watcher's closing flag alone (a stop request the GUI thread
    // has not taken yet) is the program stopping: a client waiting for the
    // runs is woken and its change refused, the file it left kept and the
    // edit copy untouched.
    void closingAloneRefuses()
    {
        TUnit fx;
        const QByteArray before = editCopy(fx.cfg);
        g_api.setApplying(1);
        {
            TClient client([] { sendAsClient(DNPC_RS_APP_OK, TPayload().text("/tmp/rs.conf").bytes, nullptr); });
            QVERIFY(!client.served(100));
            TOwnerThread::setClosing(true);
            const bool served = client.served(2000); // the runs still under way
            TOwnerThread::setClosing(false);
            QVERIFY(served);
        }
        QVERIFY(QFile::exists(fx.root.file("/tmp/rs.conf")));
        QVERIFY(editCopy(fx.cfg) == before);
    }

    // A command given on the GUI thread is taken at once, runs or not: the
    // runs need that thread. Should it wait, a helper lowers the flag after
    // a while, and the check sees that it had to.
    void takenAtOnceOnGuiThread_data() { takenAfterTheRuns_data(); }

    void takenAtOnceOnGuiThread()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        TUnit fx;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.setApplying(1);
        std::atomic<bool> returned{false}, rescued{false};
        std::thread rescue([&] {
            for (int ms = 0; ms < 5000 && !returned; ms += 5)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (!returned) {
                rescued = true;
                g_api.setApplying(0);
            }
        });
        NetpackReply reply;
        reply.len = 0;
        g_api.runNetpack(cmd, payload.size(), payload.isEmpty() ? nullptr : payload.constData(), &reply);
        returned = true;
        rescue.join();
        QVERIFY(!rescued);
        QFETCH(int, note);
        if (note)
            QVERIFY(codes(spy).contains(note));
        QTEST(reply.len > 0, "answers");
    }

    // A client that waits for an answer waits for the runs within its bound:
    // when they have not ended by then, the answer is empty (whatever the
    // buffer held) and nothing was done. Both commands wait at once, each on
    // a network thread of its own.
    void boundedWaitAnswersEmpty()
    {
        const struct {
            int cmd;
            QByteArray payload;
        } rows[] = {{DNPC_UC_COLOR_SET, colourSet()}, {DNPC_RS_APP_TEST, upnpTest()}};
        TUnit fx;
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const QByteArray before = editCopy(fx.cfg);
        NetpackReply replies[2];
        qint64 waited[2] = {};
        QElapsedTimer clock;
        clock.start();
        g_api.setApplying(1);
        std::vector<std::unique_ptr<TClient>> clients;
        for (int i = 0; i < 2; ++i) {
            replies[i].len = 77;
            clients.emplace_back(new TClient([&, i] {
                g_api.runNetpack(rows[i].cmd, rows[i].payload.size(), rows[i].payload.constData(), &replies[i]);
                waited[i] = clock.elapsed();
            }));
        }
        const int bound = TOwnerThread::DefaultBoundMs;
        QVERIFY(QTest::qWaitFor([&] { return clients[0]->done() && clients[1]->done(); }, 2 * bound));
        QCOMPARE(g_api.applying(), 1);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(replies[i].len, 0u);
            QVERIFY2(waited[i] >= bound, qPrintable(QString::number(waited[i])));
        }
        QCoreApplication::processEvents();
        QCOMPARE(codes(spy), QList<int>());
        QCOMPARE(journal(), QStringList());
        QVERIFY(editCopy(fx.cfg) == before);
    }

    // Lowering the flag wakes the waiting clients at once. A waiter that
    // only looked now and then would find it down at the end of its 100 ms
    // slice: 60 ms or more after the drop here, the flag having been up for
    // 30 to 40 ms. Over a number of rounds, the typical delay must stay far
    // below that.
    void loweringWakesWaiters_data()
    {
        QTest::addColumn<int>("cmd");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("network thread's own") << int(DNPC_RS_APP_CANCEL) << QByteArray();
        QTest::newRow("handed to the GUI thread")
            << int(DNPC_RS_APP_RUN) << TPayload().u32(Act_PrvOsdAlpha).u32(5).u32(0).bytes;
    }

    void loweringWakesWaiters()
    {
        QFETCH(int, cmd);
        QFETCH(QByteArray, payload);
        TUnit fx;
        std::vector<qint64> late;
        for (int round = 0; round < 11; ++round) {
            g_api.setApplying(1);
            TClient client([&] { sendAsClient(cmd, payload, nullptr); });
            QVERIFY(!client.served(30));
            QElapsedTimer clock;
            clock.start();
            g_api.setApplying(0);
            serveUntil([&] { return client.done(); });
            late.push_back(clock.nsecsElapsed() / 1000);
        }
        std::sort(late.begin(), late.end());
        const qint64 median = late[late.size() / 2];
        QVERIFY2(median < 20000, qPrintable(QString("median %1 us, longest %2 us").arg(median).arg(late.back())));
    }
};

QTEST_GUILESS_MAIN(TDvrApiApplyWaitTest)
#include "tdvrapi-applywaittest.moc"
