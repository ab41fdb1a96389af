// What the setup runs leave in flash: a commit that fails is told and not
// logged as done, and a remote client that applies one page from its whole
// configuration file changes only that page.
#include "tsetuprig.h"
#include "../common/dvr/tnetfixture.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tfilesizelimit.h"
#include "tsetupth.h"
#include "tsetupwnd.h"
#include "trunner.h"

#include <QtTest>
#include <atomic>
#include <cstring>
#include <thread>
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

// Runs the clients while this thread, the GUI thread, serves them.
void runClients(const QVector<Client>& clients)
{
    std::atomic<int> left{clients.size()};
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
    serveUntil([&left] { return left.load() == 0; });
    for (std::thread& t : threads)
        t.join();
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
};

QTEST_MAIN(TMainSetupStoreTest)
#include "tmain-setupstoretest.moc"
