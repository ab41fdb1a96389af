// The DDNS and e-mail pages end to end: keys and mouse on the pages, the
// main window answering them, the apply thread, the model file in flash,
// the system log, the stand-in's journal and the status box of the tests.
#include "tsetuprig.h"
#include "../ui/base/vkeytestenv.h"
#include "dvrtext.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tsetupddns.h"
#include "tsetupemail.h"
#include "tsetupwnd.h"
#include "tbutton.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"
#include "tvkeynumboard.h"

#include <QtTest>
#include <cstring>

namespace SA = SetupAct;

namespace {

const char kMac[] = "00:1a:2b:3c:4d:5e";

struct Rig : TSetupRig
{
    Rig() : TSetupRig("16", true)
    {
        setDvrTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    }
    ~Rig()
    {
        g_api.setNetTestTimeout(0);
        setDvrTextHook(nullptr);
    }
    void open()
    {
        if (!w->m_initDone)
            QVERIFY(up());
        dalTestJournalClear();
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Network);
        QVERIFY(setup()->isVisible());
    }
    TSetupPage* page(int id)
    {
        QTest::mouseClick(setup()->button(id), Qt::LeftButton);
        return setup()->page(id);
    }
    static QStringList journal(const QString& name)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) >= 0 && QString::fromLatin1(buf).startsWith(name + "("))
                out << QString::fromLatin1(buf);
        }
        return out;
    }
};

PropNetddns ddnsRec(const char* type)
{
    PropNetddns d;
    std::memset(&d, 0, sizeof d);
    qstrncpy(d.type, type, sizeof d.type);
    qstrcpy(d.server, "my.server.org");
    qstrcpy(d.mac, kMac);
    return d;
}

PropNetemail mailRec()
{
    PropNetemail m;
    std::memset(&m, 0, sizeof m);
    m.on = 1;
    qstrcpy(m.server, "smtp.example.org");
    qstrcpy(m.to, "ops@example.org");
    qstrcpy(m.from, "dvr@example.org");
    m.port = 25;
    return m;
}

} // namespace

class TMainDdnsEmailTest : public QObject
{
    Q_OBJECT
private slots:
    // The DDNS page's Apply: the server typed, the name made from the MAC,
    // the record to the device, the file and the "(DDNS)" setup record.
    void ddnsApply()
    {
        Rig rig;
        rig.store(IDX_PROP_NETDDNS, ddnsRec("Dynamic DNS"));
        rig.open();
        TSetupPage* page = rig.page(SA::Btn_Network_Ddns);
        QVERIFY(page->isVisible());
        QTest::mouseClick(page->control(TSetupDdns::R_SERVER), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        g_vkeyboard->setText("cam.example.org");
        QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        dalTestJournalClear();
        QTest::mouseClick(page->control(TSetupDdns::R_APPLY), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{"(DDNS)"});
        QCOMPARE(Rig::journal("DalNeseSetDdns"), QStringList{"DalNeseSetDdns(6,\"cam.example.org\",0,300)"});
        const PropNetddns file = rig.fromFile<PropNetddns>(IDX_PROP_NETDDNS);
        // The bring-up wrote the unit's own MAC over the stored one.
        QCOMPARE(QByteArray(file.mac), QByteArray("00:1c:2d:00:00:01"));
        QCOMPARE(QByteArray(file.domain), QByteArray("001c2d000001.cam.example.org"));
    }

    // The e-mail page's Apply: the port typed, the account to the device,
    // the file and the "(E-mail)" setup record.
    void emailApply()
    {
        Rig rig;
        rig.store(IDX_PROP_NETEMAIL, mailRec());
        rig.open();
        TSetupPage* page = rig.page(SA::Btn_Network_Email);
        QVERIFY(page->isVisible());
        QTest::mouseClick(page->control(TSetupEmail::R_PORT), Qt::LeftButton);
        QVERIFY(g_vkeynum->isVisible());
        g_vkeynum->setText("2525");
        QTest::mouseClick(g_vkeynum->okButton(), Qt::LeftButton);
        dalTestJournalClear();
        QTest::mouseClick(page->control(TSetupEmail::R_APPLY), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{"(E-mail)"});
        QCOMPARE(Rig::journal("DalNeseSetEmail"), QStringList{"DalNeseSetEmail(\"smtp.example.org\",2525)"});
        QCOMPARE(rig.fromFile<PropNetemail>(IDX_PROP_NETEMAIL).port, 2525);
    }

    // "DDNS Test": the page waits, the status box shows the outcome, the
    // state text reaches the page (and the page while it is hidden).
    void ddnsTest_data()
    {
        QTest::addColumn<int>("ok");
        QTest::addColumn<QString>("word");
        QTest::newRow("OK") << 1 << "Success";
        QTest::newRow("FAIL") << 0 << "Failed";
    }
    void ddnsTest()
    {
        QFETCH(int, ok);
        QFETCH(QString, word);
        Rig rig;
        rig.store(IDX_PROP_NETDDNS, ddnsRec("Dynamic DNS"));
        dalTestNetOutcome(DAL_TEST_DDNS, ok, "done");
        rig.open();
        auto* page = static_cast<TSetupDdns*>(rig.page(SA::Btn_Network_Ddns));
        QTest::mouseClick(page->control(TSetupDdns::R_TEST), Qt::LeftButton);
        QCOMPARE(Rig::journal("DalNeseTestDdns").size(), 1);
        QTRY_VERIFY2(rig.status().startsWith("DDNS Test/" + word + " ["), qPrintable(rig.status()));
        QTRY_VERIFY(page->statusText().startsWith(word + " ["));
        // Unasked, while another page is shown: the page still hears it.
        rig.page(SA::Btn_Network_Port);
        QVERIFY(!page->isVisible());
        dalTestNetOutcome(DAL_TEST_DDNS, !ok, "done");
        g_api.testDdns();
        QTRY_VERIFY(page->statusText().startsWith(QString(ok ? "Failed" : "Success") + " ["));
    }

    // A lost result ends by its time-out with "Failed", and the next test
    // (here the e-mail test) starts.
    void lostResult()
    {
        Rig rig;
        rig.store(IDX_PROP_NETDDNS, ddnsRec("Dynamic DNS"));
        rig.store(IDX_PROP_NETEMAIL, mailRec());
        dalTestNetLose(DAL_TEST_DDNS, 1);
        g_api.setNetTestTimeout(300);
        rig.open();
        TSetupPage* page = rig.page(SA::Btn_Network_Ddns);
        QTest::mouseClick(page->control(TSetupDdns::R_TEST), Qt::LeftButton);
        QCOMPARE(rig.status(), QString("DDNS Test/Please wait..."));
        QTRY_COMPARE(rig.status(), QString("DDNS Test/Failed"));
        QTRY_COMPARE(g_api.netTestKind(), int(TDVRAPI::NET_TEST_NONE));
        TSetupPage* mail = rig.page(SA::Btn_Network_Email);
        dalTestNetOutcome(DAL_TEST_EMAIL, 1, "sent");
        QTest::mouseClick(mail->control(TSetupEmail::R_TEST), Qt::LeftButton);
        QTRY_COMPARE(rig.status(), QString("E-mail Test/Success"));
        dalTestNetLose(DAL_TEST_DDNS, 0);
    }
};

DVR_APP_TEST_MAIN(TMainDdnsEmailTest)
#include "tmain-ddnsemailtest.moc"
