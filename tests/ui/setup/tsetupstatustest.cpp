// The network status page: the MAC text, the three client counts and the
// client list from the device on every show and Refresh, rebuilt from
// scratch on each answer, also while the page is hidden.
#include "netpagetestenv.h"
#include "tsetupstatus.h"

using namespace nettest;
using S = TSetupStatus;

namespace {

NetClientRec clientRec(int watch, int count)
{
    NetClientRec r = {};
    r.watch = watch;
    r.search = count > 1 ? 1 : 0;
    r.setup = 0;
    r.count = count;
    for (int i = 0; i < count && i < int(sizeof r.client / sizeof r.client[0]); ++i) {
        r.client[i].ip[0] = 10;
        r.client[i].ip[3] = uint8_t(i + 1);
        r.client[i].kind = i % 4 + 1;
    }
    return r;
}

QStringList items(TSetupPage* page)
{
    auto* list = static_cast<TCombo*>(page->control(S::R_CLIENTS));
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

} // namespace

class TSetupStatusTest : public QObject
{
    Q_OBJECT
private slots:
    // The show asks for the clients after 100 ms and shows the answer.
    void clients_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("none") << 0 << 0 << "" << "";
        QTest::newRow("three") << 3 << 3 << "10.0.0.1(Watch)" << "10.0.0.3(Setup)";
        // A record that claims more texts than it holds (from any writer).
        QTest::newRow("sixty claimed: the fifty held") << 60 << 50 << "10.0.0.1(Watch)" << "10.0.0.50(Watch)";
    }
    void clients()
    {
        QFETCH(int, count);
        QFETCH(int, shown);
        NetFrame n;
        const NetClientRec rec = clientRec(2, count);
        dalTestSetClients(&rec);
        QVERIFY(n.show());
        auto* page = static_cast<S*>(n.open(SetupAct::Btn_Network_Status));
        n.asked.clear();
        QTRY_COMPARE(n.asked, QStringList{"67,0,0"});
        if (count > NetClientInfo::MAX_CLIENTS) {
            NetClientInfo info = g_api.m_netInfo;
            info.count = count;
            for (int i = 0; i < NetClientInfo::MAX_CLIENTS; ++i)
                qsnprintf(info.client[i], sizeof info.client[i], "10.0.0.%d(Watch)", i + 1);
            n.f.w->reply(SetupAct::Act_InfoNetClient, 0, &info);
        }
        const QStringList t = page->texts();
        QCOMPARE(t.size(), 4);
        QVERIFY(QRegularExpression("^([0-9a-f]{2}:){5}[0-9a-f]{2}$").match(t[0]).hasMatch());
        QCOMPARE(t.mid(1), (QStringList{"2", count > 1 ? "1" : "0", "0"}));
        QCOMPARE(t[0], QString::fromLatin1(g_api.m_netInfo.mac));
        const QStringList list = items(page);
        QCOMPARE(list.size(), shown);
        QTEST(list.value(0), "first");
        QTEST(list.value(shown - 1), "last");
        if (count == 3)
            n.f.w->grab().save(vkeytest::grabPath("setup-status.png"));
    }

    // Refresh asks again and rebuilds the list: a client gone is gone;
    // an answer while the page is hidden fills it; choosing a client does
    // nothing.
    void refreshAndHidden()
    {
        NetFrame n;
        NetClientRec rec = clientRec(3, 3);
        dalTestSetClients(&rec);
        QVERIFY(n.show());
        auto* page = static_cast<S*>(n.open(SetupAct::Btn_Network_Status));
        QTRY_COMPARE(items(page).size(), 3);
        rec = clientRec(1, 1);
        dalTestSetClients(&rec);
        n.asked.clear();
        QTest::mouseClick(page->control(S::R_REFRESH), Qt::LeftButton);
        QCOMPARE(n.asked, QStringList{"67,0,0"});
        QCOMPARE(items(page), QStringList{"10.0.0.1(Watch)"});
        QCOMPARE(page->texts()[1], QString("1"));
        static_cast<TCombo*>(page->control(S::R_CLIENTS))->setCurrentIndex(0);
        QCOMPARE(n.asked, QStringList{"67,0,0"});
        n.open(SetupAct::Btn_Network_Port);
        QVERIFY(!page->isVisible());
        NetClientInfo info = {};
        qstrcpy(info.mac, "00:11:22:33:44:55");
        info.watch = 7;
        info.count = 1;
        qstrcpy(info.client[0], "192.0.2.9(Else)");
        n.f.w->reply(SetupAct::Act_InfoNetClient, 0, &info);
        QCOMPARE(page->texts(), (QStringList{"00:11:22:33:44:55", "7", "0", "0"}));
        QCOMPARE(items(page), QStringList{"192.0.2.9(Else)"});
        // A null answer changes nothing.
        n.f.w->reply(SetupAct::Act_InfoNetClient, 0, nullptr);
        QCOMPARE(page->texts()[1], QString("7"));
    }

    // Keys: the list and "Refresh" between the menu's item and OK.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus"); // a row; -1 OK
        QTest::newRow("item right: the list") << "R" << int(S::R_CLIENTS);
        QTest::newRow("down: Refresh") << "RD" << int(S::R_REFRESH);
        QTest::newRow("Refresh right: OK") << "RDR" << -1;
        // X: the focus on nothing of the table first.
        QTest::newRow("jog without a target: Refresh") << "X>" << int(S::R_REFRESH);
        QTest::newRow("arrow without a target: the list") << "XD" << int(S::R_CLIENTS);
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(int, focus);
        NetFrame n;
        QVERIFY(n.show());
        TSetupPage* page = n.open(SetupAct::Btn_Network_Status);
        n.f.w->button(SetupAct::Btn_Network_Status)->setFocus();
        for (const QChar c : keys) {
            if (c == 'X')
                page->setFocus();
            else
                n.f.key(c == 'R' ? int(Qt::Key_Right) : c == '>' ? int(KEY_JOG_RIGHT) : int(Qt::Key_Down));
        }
        QVERIFY((focus >= 0 ? page->control(focus) : n.f.w->button(SetupAct::Btn_Ok))->hasFocus());
    }
};

QTEST_MAIN(TSetupStatusTest)
#include "tsetupstatustest.moc"
