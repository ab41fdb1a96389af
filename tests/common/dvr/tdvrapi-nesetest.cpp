#include "tnetfixture.h"
#include "tnotifylog.h"
#include "tsignallog.h"

#include <QDateTime>

namespace {
// Makes every service test runnable on the edit copy.
void readyServices(TNetFixture& fx)
{
    qstrcpy(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->type, "Dynamic DNS");
    auto* mail = fx.edit<PropNetemail>(IDX_PROP_NETEMAIL);
    mail->on = 1;
    qstrcpy(mail->server, "smtp.example.org");
    qstrcpy(mail->to, "ops@example.org");
    qstrcpy(fx.edit<PropDatetime>(IDX_PROP_DATETIME)->server, "pool.example.org");
}

void runTest(int service)
{
    switch (service) {
    case DAL_TEST_NTP: return g_api.syncNtp();
    case DAL_TEST_DDNS: return g_api.testDdns();
    case DAL_TEST_EMAIL: return g_api.testEmail();
    default: return g_api.testUpnp();
    }
}
}

class TDvrApiNeseTest : public QObject
{
    Q_OBJECT
private slots:
    void results_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("offset"); // info[0] - now; INT_MIN: no info
        QTest::addColumn<QString>("running"); // "", "local", "remote": a DDNS test
        QTest::addColumn<QList<int>>("notes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("testLeft");
        QTest::addColumn<QStringList>("queued");
        const QList<int> result = {SIG_STATE_UPDATE, SIG_STATE_END};
        const QString ok = "Success [2026/12/01 08:00:09]";
        QTest::newRow("clock 3 s off") << int(CBT_NESE_NTP_TIMECHANGE) << 3 << "" << QList<int>() << "" << false << QStringList();
        QTest::newRow("clock changed, no box") << int(CBT_NESE_NTP_TIMECHANGE) << -60 << "remote"
                                               << QList<int>{SIG_NTP_TIMECHANGE} << "" << true << QStringList();
        QTest::newRow("ntp ok, clock kept") << int(CBT_NESE_NTP_OK) << 2 << "" << result << "Success" << false << QStringList();
        QTest::newRow("ntp ok, clock set") << int(CBT_NESE_NTP_OK) << 100 << ""
                                           << QList<int>{SIG_NTP_SYNCTIME, SIG_STATE_UPDATE, SIG_STATE_END} << "Success"
                                           << false << QStringList();
        QTest::newRow("ddns ok ends the ddns test") << int(CBT_NESE_DDNS_OK) << INT_MIN << "local"
                                                    << QList<int>{SIG_NET_DDNS, SIG_STATE_UPDATE, SIG_STATE_END} << ok
                                                    << false << QStringList();
        QTest::newRow("ddns update ends the remote ddns test") << int(CBT_NESE_DDNS_UPDATE) << INT_MIN << "remote"
                                                               << QList<int>{SIG_NET_DDNS} << ok << false << QStringList{ok};
        QTest::newRow("ntp result leaves the ddns test") << int(CBT_NESE_NTP_FAIL) << INT_MIN << "local" << QList<int>()
                                                         << "" << true << QStringList();
        QTest::newRow("e-mail result leaves the remote test") << int(CBT_NESE_EMAIL_OK) << INT_MIN << "remote"
                                                              << QList<int>() << "" << true << QStringList();
        QTest::newRow("upnp update only refreshes") << int(CBT_NESE_UPNP_SET) << INT_MIN << "local" << QList<int>{SIG_NET_UPNP}
                                                    << "Failed  [IP ] [ 00:00:00]" << true << QStringList();
        QTest::newRow("e-mail message") << int(CBT_NESE_EMAIL_MSG) << INT_MIN << "" << QList<int>{SIG_NESE_EMAIL} << "state" << false << QStringList();
    }

    void results()
    {
        QFETCH(int, type);
        QFETCH(int, offset);
        QFETCH(QString, running);
        QFETCH(QList<int>, notes);
        QFETCH(QString, message);
        QFETCH(bool, testLeft);
        TNetFixture fx;
        qstrcpy(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->type, "Dynamic DNS");
        if (running == "remote")
            sendPacket(DNPC_RS_APP_TEST, TPayload().u32(Act_TestDdns).u32(0).u32(0).raw(QByteArray(420, 'd')).bytes);
        if (running == "local") {
            DalNeseSetCb(nullptr, nullptr); // the result is given below
            g_api.testDdns();
        }
        const DdnsResult ddns = {0, 2026, 12, 1, 8, 0, 9, {}};
        dalTestSetDdnsResult(&ddns);
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const uint32_t info[1] = {uint32_t(QDateTime::currentSecsSinceEpoch() + offset)};
        QCOMPARE(g_api.runNese(type, offset == INT_MIN ? nullptr : info, "state"), 0);
        QCOMPARE(codes(spy), notes);
        if (!message.isEmpty())
            QCOMPARE(spy.at(qMax(0, notes.indexOf(SIG_STATE_UPDATE))).at(5).toString(), message);
        if (notes.contains(SIG_NTP_SYNCTIME) || notes.contains(SIG_NTP_TIMECHANGE))
            QCOMPARE(spy.first().mid(1, 2), (QList<QVariant>{int(info[0]), 4}));
        QCOMPARE(g_api.netTestKind() != TDVRAPI::NET_TEST_NONE, testLeft);
        QStringList queued;
        for (QString m; g_api.takeTestResult(&m);)
            queued << m;
        QTEST(queued, "queued");
    }

    // A test asked for by the remote client and run on the recorder: its
    // result (from the stand-in, or the reason it could not start) in the
    // status box and for the client's poll; a test started while another
    // runs is refused and the client's request with it.
    void serviceTests_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("called");
        const char* names[] = {"ntp", "ddns", "e-mail", "upnp"};
        for (int s = 0; s < DAL_TEST_SERVICES; ++s) {
            QTest::addRow("%s failed", names[s]) << s << "" << "Failed" << true;
            QTest::addRow("%s ok", names[s]) << s << "ok" << "Success" << true;
        }
        QTest::newRow("ddns of an unknown service") << int(DAL_TEST_DDNS) << "unknown" << "Failed" << false;
        QTest::newRow("upnp refused") << int(DAL_TEST_UPNP) << "fail" << "Failed" << true;
        QTest::newRow("e-mail off") << int(DAL_TEST_EMAIL) << "off" << "Failed!! Invalid Setting!!" << false;
        QTest::newRow("ntp without a server") << int(DAL_TEST_NTP) << "noserver" << "Failed" << true;
        QTest::newRow("ddns while upnp runs") << int(DAL_TEST_DDNS) << "busy" << "DVR Busy!!" << false;
    }

    void serviceTests()
    {
        QFETCH(int, service);
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QFETCH(bool, called);
        TNetFixture fx;
        readyServices(fx);
        const char* calls[] = {"DalNeseTestNtp", "DalNeseTestDdns", "DalNeseTestEmail", "DalNeseTestUpnp"};
        const bool busy = setup == "busy";
        if (setup == "ok")
            dalTestNetOutcome(service, 1, "done");
        if (setup == "fail")
            dalTestFail(calls[service], -1);
        if (setup == "unknown")
            qstrcpy(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->type, "None");
        fx.edit<PropNetemail>(IDX_PROP_NETEMAIL)->on = setup != "off";
        if (setup == "noserver")
            fx.edit<PropDatetime>(IDX_PROP_DATETIME)->server[0] = '\0';
        if (busy) {
            DalNeseSetCb(nullptr, nullptr); // the first test's result never comes
            g_api.testUpnp();
        }
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, TPayload().u32(Act_StrgCheck).u32(0).u32(0).bytes), be32(busy ? 0 : 1));
        TNotifyLog log(&g_api); // the results come from the stand-in's thread
        runTest(service);
        QTRY_VERIFY(busy || log.codes().contains(SIG_STATE_END));
        dalTestFlush();
        QList<QList<QVariant>> box;
        for (const QList<QVariant>& n : log.take())
            if (n.at(0).toInt() >= SIG_STATE_START && n.at(0).toInt() <= SIG_STATE_UPDATE)
                box << n;
        QCOMPARE(box.size(), busy ? 1 : 3);
        const QString shown = box.at(busy ? 0 : 1).at(5).toString();
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QCOMPARE(box.last().at(1).toInt(), busy ? 0 : 2000);
        QCOMPARE(g_api.netTestKind(), int(busy ? TDVRAPI::NET_TEST_UPNP : TDVRAPI::NET_TEST_NONE));
        QCOMPARE(dalTestJournalFind(calls[service]) >= 0, called);
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), busy ? QByteArray() : shown.toUtf8() + '\0');
    }

    // A test whose result never comes ends by its time-out with "Failed"
    // (for a remote client too), and the next test of any service starts
    // instead of "DVR Busy!!".
    void lostResult_data()
    {
        QTest::addColumn<int>("service");
        const char* names[] = {"ntp", "ddns", "e-mail", "upnp"};
        for (int s = 0; s < DAL_TEST_SERVICES; ++s)
            QTest::addRow("%s lost", names[s]) << s;
    }
    void lostResult()
    {
        QFETCH(int, service);
        TNetFixture fx;
        readyServices(fx);
        g_api.setNetTestTimeout(150);
        dalTestNetLose(service, 1);
        QCOMPARE(sendPacket(DNPC_RS_APP_TEST, TPayload().u32(Act_StrgCheck).u32(0).u32(0).bytes), be32(1));
        TNotifyLog log(&g_api);
        runTest(service);
        QVERIFY(g_api.netTestKind() != TDVRAPI::NET_TEST_NONE);
        QTRY_VERIFY(log.codes().contains(SIG_STATE_END));
        QStringList box;
        for (const QList<QVariant>& n : log.take())
            if (n.at(0).toInt() == SIG_STATE_START || n.at(0).toInt() == SIG_STATE_UPDATE)
                box << n.at(5).toString();
        QCOMPARE(box, (QStringList{"Please wait...", "Failed"}));
        QCOMPARE(g_api.netTestKind(), int(TDVRAPI::NET_TEST_NONE));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), QByteArray("Failed") + '\0');
        DalTestNet net;
        dalTestGetNet(&net);
        QCOMPARE(net.tests[service], 1);
        // The next test, of another service, runs.
        const int next = (service + 1) % DAL_TEST_SERVICES;
        dalTestNetOutcome(next, 1, "done");
        g_api.setNetTestTimeout(0);
        const int seen = log.take().size();
        runTest(next);
        QTRY_COMPARE(log.codes().count(SIG_STATE_END), 2);
        box.clear();
        const QList<QVariantList> all = log.take();
        for (int i = seen; i < all.size(); ++i)
            if (all[i].at(0).toInt() == SIG_STATE_START)
                box << all[i].at(5).toString();
        QCOMPARE(box, QStringList{"Please wait..."});
        dalTestNetLose(service, 0);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNeseTest)
#include "tdvrapi-nesetest.moc"
