#include "tnetfixture.h"

#include <QDateTime>

namespace {
// Starts a test the way the setup page or the remote client does; the
// service's result is held back so the test stays running.
void startTest(TNetFixture& fx, const QString& how)
{
    qstrcpy(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->type, "Dynamic DNS");
    if (how.isEmpty())
        return;
    if (how.startsWith("remote"))
        sendPacket(DNPC_RS_APP_TEST, TPayload().u32(Act_TestUpnp).u32(0).u32(0).raw(QByteArray(12, '\1')).bytes);
    if (how.endsWith("ddns")) {
        DalNeseSetCb(nullptr, nullptr);
        g_api.testDdns();
    }
}

QStringList queued()
{
    QStringList out;
    QString m;
    while (g_api.takeTestResult(&m))
        out << m;
    return out;
}

// Makes a service test runnable on the edit copy.
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
    case DAL_TEST_NTP: g_api.syncNtp(); break;
    case DAL_TEST_DDNS: g_api.testDdns(); break;
    case DAL_TEST_EMAIL: g_api.testEmail(); break;
    default: g_api.testUpnp(); break;
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
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QList<int>>("notes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("testLeft");
        QTest::addColumn<QStringList>("queued");
        const QList<int> result = {SIG_STATE_UPDATE, SIG_STATE_END};
        const QString ddnsOk = "Success [2026/12/01 08:00:09]";
        QTest::newRow("clock 3 s off") << int(CBT_NESE_NTP_TIMECHANGE) << 3 << QByteArray() << "" << QList<int>() << ""
                                       << false << QStringList();
        QTest::newRow("clock changed") << int(CBT_NESE_NTP_TIMECHANGE) << -60 << QByteArray() << "remote ddns"
                                       << QList<int>{SIG_NTP_TIMECHANGE} << "" << true << QStringList();
        QTest::newRow("ntp ok, clock kept") << int(CBT_NESE_NTP_OK) << 2 << QByteArray() << "" << result << "Success"
                                            << false << QStringList();
        QTest::newRow("ntp ok, clock set") << int(CBT_NESE_NTP_OK) << 100 << QByteArray() << ""
                                           << QList<int>{SIG_NTP_SYNCTIME, SIG_STATE_UPDATE, SIG_STATE_END} << "Success"
                                           << false << QStringList();
        QTest::newRow("ntp fail") << int(CBT_NESE_NTP_FAIL) << INT_MIN << QByteArray("x") << "" << result << "Failed"
                                  << false << QStringList();
        QTest::newRow("ddns ok ends the ddns test")
            << int(CBT_NESE_DDNS_OK) << INT_MIN << QByteArray() << "local ddns"
            << QList<int>{SIG_NET_DDNS, SIG_STATE_UPDATE, SIG_STATE_END} << ddnsOk << false << QStringList();
        QTest::newRow("ddns update ends the remote ddns test")
            << int(CBT_NESE_DDNS_UPDATE) << INT_MIN << QByteArray("x") << "remote ddns" << QList<int>{SIG_NET_DDNS}
            << ddnsOk << false << QStringList{ddnsOk};
        QTest::newRow("ntp result leaves the ddns test") << int(CBT_NESE_NTP_FAIL) << INT_MIN << QByteArray() << "local ddns"
                                                         << QList<int>() << "" << true << QStringList();
        QTest::newRow("e-mail result leaves the remote ddns test")
            << int(CBT_NESE_EMAIL_OK) << INT_MIN << QByteArray() << "remote ddns" << QList<int>() << "" << true
            << QStringList();
        QTest::newRow("upnp update refreshes only") << int(CBT_NESE_UPNP_SET) << INT_MIN << QByteArray("x") << "local ddns"
                                                    << QList<int>{SIG_NET_UPNP} << "Failed  [IP ] [ 00:00:00]" << true
                                                    << QStringList();
        QTest::newRow("e-mail message") << int(CBT_NESE_EMAIL_MSG) << INT_MIN << QByteArray("sending") << ""
                                        << QList<int>{SIG_NESE_EMAIL} << "sending" << false << QStringList();
        QTest::newRow("unknown code") << 0x77 << 0 << QByteArray("x") << "local ddns" << QList<int>() << "" << true
                                      << QStringList();
    }

    void results()
    {
        QFETCH(int, type);
        QFETCH(int, offset);
        QFETCH(QByteArray, state);
        QFETCH(QString, running);
        QFETCH(QList<int>, notes);
        QFETCH(QString, message);
        QFETCH(bool, testLeft);
        QFETCH(QStringList, queued);
        TNetFixture fx;
        startTest(fx, running);
        const DdnsResult ddns = {0, 2026, 12, 1, 8, 0, 9, {}};
        dalTestSetDdnsResult(&ddns);
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const uint32_t info[1] = {uint32_t(QDateTime::currentSecsSinceEpoch() + offset)};
        QCOMPARE(g_api.runNese(type, offset == INT_MIN ? nullptr : info, state.isNull() ? nullptr : state.constData()), 0);
        QCOMPARE(codes(spy), notes);
        const int shown = notes.indexOf(SIG_STATE_UPDATE);
        if (!message.isEmpty())
            QCOMPARE(spy.at(shown < 0 ? 0 : shown).at(5).toString(), message);
        if (notes.contains(SIG_NTP_SYNCTIME) || notes.contains(SIG_NTP_TIMECHANGE))
            QCOMPARE(spy.first().mid(1, 2), (QList<QVariant>{int(info[0]), 4}));
        QCOMPARE(g_api.netTestKind() != TDVRAPI::NET_TEST_NONE, testLeft);
        QCOMPARE(::queued(), queued);
    }

    void emailSentLog_data()
    {
        QTest::addColumn<QByteArray>("state");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("sent") << QByteArray("ops@example.org") << QByteArray("(ops@example.org)");
        QTest::newRow("no state") << QByteArray() << QByteArray("(Failed)");
    }

    void emailSentLog()
    {
        QFETCH(QByteArray, state);
        QFETCH(QByteArray, contents);
        TNetFixture fx;
        g_api.runNese(CBT_NESE_EMAIL_SENT, nullptr, state.isNull() ? nullptr : state.constData());
        LogRecord r;
        g_api.lastLogs(&r, 1);
        QCOMPARE(int(r.code), int(LOG_EMAIL_SEND));
        QCOMPARE(QByteArray(r.contents), contents);
    }

    // A test through the stand-in: started, answered once, shown, and
    // passed on to a remote client that asked for it.
    void serviceTests_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QString>("title");
        const char* titles[] = {"NTP Sync", "DDNS Test", "E-mail Test", "UPNP Test"};
        for (int s = 0; s < DAL_TEST_SERVICES; ++s)
            for (int ok = 0; ok < 2; ++ok)
                QTest::addRow("%s %s%s", titles[s], ok ? "ok" : "failed", s == 1 ? ", remote" : "")
                    << s << bool(ok) << (s == 1) << titles[s];
    }

    void serviceTests()
    {
        QFETCH(int, service);
        QFETCH(bool, ok);
        QFETCH(bool, remote);
        QFETCH(QString, title);
        TNetFixture fx;
        readyServices(fx);
        if (remote)
            sendPacket(DNPC_RS_APP_TEST, TPayload().u32(Act_StrgCheck).u32(0).u32(0).bytes);
        if (ok)
            dalTestNetOutcome(service, 1, "done");
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        runTest(service);
        QTRY_VERIFY(codes(spy).contains(SIG_STATE_END));
        dalTestFlush();
        QCoreApplication::processEvents();
        const QList<int> got = codes(spy);
        QCOMPARE(got.count(SIG_STATE_UPDATE), 1);
        QCOMPARE(spy.first().mid(4), (QList<QVariant>{title, "Please wait..."}));
        const QString message = spy.at(got.indexOf(SIG_STATE_UPDATE)).at(5).toString();
        QVERIFY2(message.startsWith(ok ? "Success" : "Failed"), qPrintable(message));
        DalTestNet net;
        dalTestGetNet(&net);
        QCOMPARE(net.tests[service], 1);
        QCOMPARE(g_api.netTestKind(), int(TDVRAPI::NET_TEST_NONE));
        QCOMPARE(sendPacket(DNPC_RS_APP_RESULT, QByteArray()), remote ? message.toUtf8() + '\0' : QByteArray());
    }

    void testsThatCannotStart_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QString>("setup"); // what keeps the test from starting
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("neverCalled");
        QTest::newRow("ddns refused") << int(DAL_TEST_DDNS) << "fail" << "Failed" << "";
        QTest::newRow("ddns of an unknown service") << int(DAL_TEST_DDNS) << "unknown" << "Failed" << "DalNeseTestDdns";
        QTest::newRow("upnp refused") << int(DAL_TEST_UPNP) << "fail" << "Failed" << "";
        QTest::newRow("e-mail off") << int(DAL_TEST_EMAIL) << "off" << "Failed!! Invalid Setting!!"
                                    << "DalNeseTestEmail";
        QTest::newRow("e-mail refused") << int(DAL_TEST_EMAIL) << "fail" << "Failed" << "";
        QTest::newRow("ntp without a server") << int(DAL_TEST_NTP) << "noserver" << "Failed" << "";
    }

    void testsThatCannotStart()
    {
        QFETCH(int, service);
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QFETCH(QString, neverCalled);
        TNetFixture fx;
        readyServices(fx);
        const char* calls[] = {"DalNeseTestNtp", "DalNeseTestDdns", "DalNeseTestEmail", "DalNeseTestUpnp"};
        if (setup == "fail")
            dalTestFail(calls[service], -1);
        if (setup == "unknown")
            qstrcpy(fx.edit<PropNetddns>(IDX_PROP_NETDDNS)->type, "None");
        if (setup == "off")
            fx.edit<PropNetemail>(IDX_PROP_NETEMAIL)->on = 0;
        if (setup == "noserver")
            fx.edit<PropDatetime>(IDX_PROP_DATETIME)->server[0] = '\0';
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        runTest(service);
        QCOMPARE(codes(spy), (QList<int>{SIG_STATE_START, SIG_STATE_UPDATE, SIG_STATE_END}));
        QCOMPARE(spy.at(1).at(5).toString(), message);
        QCOMPARE(spy.at(2).at(1).toInt(), 2000);
        QCOMPARE(g_api.m_nTest, 0);
        if (!neverCalled.isEmpty())
            QCOMPARE(dalTestJournalFind(qPrintable(neverCalled)), -1);
    }

    void busy()
    {
        TNetFixture fx;
        readyServices(fx);
        DalNeseSetCb(nullptr, nullptr); // the first test's result never comes
        g_api.testUpnp();
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        g_api.testDdns();
        QCOMPARE(codes(spy), QList<int>{SIG_STATE_START});
        QCOMPARE(spy.first().mid(4), (QList<QVariant>{"DDNS Test", "DVR Busy!!"}));
        QCOMPARE(g_api.netTestKind(), int(TDVRAPI::NET_TEST_UPNP));
        QCOMPARE(dalTestJournalFind("DalNeseTestDdns"), -1);
    }
};

QTEST_GUILESS_MAIN(TDvrApiNeseTest)
#include "tdvrapi-nesetest.moc"
