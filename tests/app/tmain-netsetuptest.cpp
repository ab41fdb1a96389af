// The network setup pages end to end: keys and mouse on the pages, the main
// window answering their requests, the apply thread, and what reaches the
// model file in flash, the system log and the stand-in's journal.
#include "tsetuprig.h"
#include "../common/dvr/tsignallog.h"
#include "../ui/base/vkeytestenv.h"
#include "dvrnotify.h"
#include "setupaction.h"
#include "tapptestmain.h"
#include "tbutton.h"
#include "tdvrapi.h"
#include "tedit.h"
#include "tmain.h"
#include "tproperty.h"
#include "tsetupaddr.h"
#include "tsetupnetctrl.h"
#include "tsetupport.h"
#include "tsetupwnd.h"
#include "tstatuswnd.h"
#include "tsysinfownd.h"
#include "tvkeynumboard.h"

#include <QtTest>
#include <algorithm>
#include <cstring>

namespace SA = SetupAct;

namespace {

struct Rig : TSetupRig
{
    // The device comes up, then Setup opens on the Network tab.
    void up()
    {
        if (!w->m_initDone)
            QVERIFY(TSetupRig::up());
    }
    void open()
    {
        up();
        dalTestJournalClear();
        w->runMenu(QStringLiteral("Setup"), SA::Btn_Network);
        QVERIFY(setup()->isVisible());
    }
    TSetupPage* page(int id)
    {
        QTest::mouseClick(setup()->button(id), Qt::LeftButton);
        return setup()->page(id);
    }
    // The journal lines that start with one of the names.
    static QStringList journal(const QStringList& names)
    {
        QStringList out;
        char buf[512];
        for (int i = 0; i < dalTestJournalCount(); ++i) {
            if (dalTestJournalLine(i, buf, sizeof buf) < 0)
                continue;
            const QString line = QString::fromLatin1(buf);
            for (const QString& n : names) {
                if (line.startsWith(n + "("))
                    out << line;
            }
        }
        return out;
    }

};

PropNetaddr addressRec(int dhcp)
{
    PropNetaddr a = {};
    a.dhcp = int16_t(dhcp);
    qstrcpy(a.name, "dvr-1");
    qstrcpy(a.ip, "192.0.2.5");
    qstrcpy(a.mask, "255.255.255.0");
    qstrcpy(a.gate, "192.0.2.1");
    qstrcpy(a.dns, "192.0.2.53");
    return a;
}

void lease()
{
    const Eth0Info eth = {1, 0, {198, 51, 100, 20}, {255, 255, 0, 0}, {198, 51, 100, 1}, {198, 51, 100, 53}, {}, {}};
    dalTestSetEth0(&eth);
}

} // namespace

class TMainNetSetupTest : public QObject
{
    Q_OBJECT
private slots:
    // The address typed on the pad, applied by the page's Apply or by OK:
    // the label, the interface set to it, the ports set again, the file.
    void address_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("label");
        QTest::newRow("Apply") << false << "(Address)";
        QTest::newRow("OK") << true << "(OK)";
    }
    void address()
    {
        QFETCH(bool, ok);
        Rig rig;
        rig.store(IDX_PROP_NETADDR, addressRec(0));
        rig.open();
        TSetupPage* page = rig.page(SA::Btn_Network_Addr);
        QTest::mouseClick(page->control(TSetupAddr::R_IP), Qt::LeftButton);
        QVERIFY(g_vkeynum->isVisible());
        g_vkeynum->setText("10.1.2.3");
        QTest::mouseClick(g_vkeynum->okButton(), Qt::LeftButton);
        dalTestJournalClear();
        if (ok)
            QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        else
            QTest::mouseClick(page->control(TSetupAddr::R_APPLY), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QTEST(Rig::setupLogs().join(','), "label");
        const QStringList eth = Rig::journal({"DalNetSetEth0"});
        QCOMPARE(eth.size(), 1);
        QVERIFY(eth[0].startsWith("DalNetSetEth0(dhcp:0 dns:0 10.1.2.3/255.255.255.0 gw 192.0.2.1"));
        QCOMPARE(Rig::journal({"DalSetAppInfo"}).size(), 1);
        QVERIFY(!Rig::journal({"DalNetSetPort"}).isEmpty());
        QCOMPARE(QByteArray(rig.fromFile<PropNetaddr>(IDX_PROP_NETADDR).ip), QByteArray("10.1.2.3"));
    }

    // Reading the interface is not a change of settings: with DHCP on and
    // a stored address other than the lease, showing the page and leaving
    // with OK writes no record and sets nothing; System Information shows
    // the lease; a new DHCP answer never replaces an address typed.
    void leaseNotStored()
    {
        Rig rig;
        const PropNetaddr stored = addressRec(1);
        rig.store(IDX_PROP_NETADDR, stored);
        rig.up();
        // The lease the interface got after the start.
        lease();
        rig.open();
        TSetupPage* page = rig.setup()->page(SA::Btn_Network_Addr);
        QVERIFY(page->isVisible());
        QCOMPARE(static_cast<TEdit*>(page->control(TSetupAddr::R_IP))->text(), QString("198.51.100.20"));
        QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(Rig::setupLogs(), QStringList{});
        QCOMPARE(Rig::journal({"DalNetSetEth0"}), QStringList{});
        const PropNetaddr file = rig.fromFile<PropNetaddr>(IDX_PROP_NETADDR);
        QCOMPARE(QByteArray(file.ip), QByteArray(stored.ip));
        QCOMPARE(QByteArray(rig.live<PropNetaddr>(IDX_PROP_NETADDR)->ip), QByteArray(stored.ip));
        rig.w->sl_fromSysInfo(0);
        auto* info = static_cast<TSysInfoWnd*>(rig.w->wnd(ID_WND_SYSINFO));
        QCOMPARE(info->fieldText(TSysInfoWnd::ROW_IP), QString("198.51.100.20"));
    }
    void typedNotReplaced()
    {
        Rig rig;
        rig.store(IDX_PROP_NETADDR, addressRec(0));
        rig.up();
        lease();
        rig.open();
        TSetupPage* page = rig.setup()->page(SA::Btn_Network_Addr);
        QTest::mouseClick(page->control(TSetupAddr::R_IP), Qt::LeftButton);
        g_vkeynum->setText("10.9.8.7");
        QTest::mouseClick(g_vkeynum->okButton(), Qt::LeftButton);
        // A new DHCP answer from the device, handed to the page.
        TSignalLog news(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(dalTestNet(CBT_NET_SET, nullptr, 0, 0, nullptr), 0);
        QTRY_VERIFY(std::any_of(news.begin(), news.end(),
                                [](const QList<QVariant>& n) { return n[0].toInt() == SIG_NET_DHCP; }));
        QCoreApplication::processEvents();
        QCOMPARE(static_cast<TEdit*>(page->control(TSetupAddr::R_IP))->text(), QString("10.9.8.7"));
        QTest::mouseClick(rig.setup()->button(SA::Btn_Cancel), Qt::LeftButton);
        QVERIFY(Rig::settled());
        QCOMPARE(QByteArray(rig.edit<PropNetaddr>(IDX_PROP_NETADDR)->ip), QByteArray("192.0.2.5"));
        QCOMPARE(QByteArray(rig.fromFile<PropNetaddr>(IDX_PROP_NETADDR).ip), QByteArray("192.0.2.5"));
    }

    // A stored PPPoE record survives showing the page and OK byte for byte.
    void pppoeKept()
    {
        Rig rig;
        PropNetaddr ppp = addressRec(0);
        ppp.type = 1;
        qstrcpy(ppp.pppid, "me@isp");
        qstrcpy(ppp.ppppw, "pw");
        rig.store(IDX_PROP_NETADDR, ppp);
        rig.open();
        QVERIFY(rig.setup()->page(SA::Btn_Network_Addr)->isVisible());
        QTest::mouseClick(rig.setup()->button(SA::Btn_Ok), Qt::LeftButton);
        QVERIFY(Rig::settled());
        const PropNetaddr file = rig.fromFile<PropNetaddr>(IDX_PROP_NETADDR);
        QCOMPARE(std::memcmp(&file, &ppp, sizeof ppp), 0);
        QCOMPARE(Rig::setupLogs(), QStringList{});
    }

    // The ports: Apply or OK sets them on the device with uPnP; the uPnP
    // test starts with the edit copy's ports.
    void ports_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("label");
        QTest::newRow("Apply") << false << "(Port)";
        QTest::newRow("OK") << true << "(OK)";
    }
    void ports()
    {
        QFETCH(bool, ok);
        Rig rig;
        rig.open();
        auto* page = static_cast<TSetupPort*>(rig.page(SA::Btn_Network_Port));
        QTest::mouseClick(page->control(TSetupPort::R_WATCH), Qt::LeftButton);
        g_vkeynum->setText("8100");
        QTest::mouseClick(g_vkeynum->okButton(), Qt::LeftButton);
        auto* upnp = static_cast<TButton*>(page->control(TSetupPort::R_UPNP));
        if (!upnp->isChecked())
            QTest::mouseClick(upnp, Qt::LeftButton);
        dalTestJournalClear();
        QTest::mouseClick(page->control(TSetupPort::R_TEST), Qt::LeftButton);
        QCOMPARE(Rig::journal({"DalNeseTestUpnp"}).size(), 1);
        QVERIFY(Rig::journal({"DalNeseTestUpnp"})[0].contains("8100"));
        QCOMPARE(page->upnpText(), QString("Please wait..."));
        DalTestNet net;
        dalTestGetNet(&net);
        QCOMPARE(net.tests[DAL_TEST_UPNP], 1);
        QCOMPARE(net.upnpTest.watch, 8100);
        QTest::mouseClick(ok ? static_cast<QWidget*>(rig.setup()->button(SA::Btn_Ok))
                             : page->control(TSetupPort::R_APPLY),
                          Qt::LeftButton);
        QVERIFY(Rig::settled());
        QTEST(Rig::setupLogs().join(','), "label");
        QVERIFY(Rig::journal({"DalNetSetPort"}).contains("DalNetSetPort(8100,8000,8000,80)"));
        QCOMPARE(Rig::journal({"DalNeseSetUpnp"}).size(), 1);
        QCOMPARE(rig.fromFile<PropNetport>(IDX_PROP_NETPORT).watch, int16_t(8100));
    }

    // The stream page: Apply and OK reach the encoder; above the chip
    // limit neither runs.
    void streams_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("label");
        QTest::newRow("Apply") << false << 0 << "(Network Control)";
        QTest::newRow("OK") << true << 0 << "(OK)";
        QTest::newRow("Apply above the limit") << false << 1 << "";
        QTest::newRow("OK above the limit") << true << 1 << "";
    }
    void streams()
    {
        QFETCH(bool, ok);
        QFETCH(int, limit);
        Rig rig;
        if (limit)
            dalTestSetCount("max_fps_per_chip", limit);
        rig.open();
        TSetupPage* page = rig.page(SA::Btn_Network_Control);
        QTest::mouseClick(page->control(TSetupNetCtrl::R_ON), Qt::LeftButton);
        dalTestJournalClear();
        QTest::mouseClick(ok ? static_cast<QWidget*>(rig.setup()->button(SA::Btn_Ok))
                             : page->control(TSetupNetCtrl::R_APPLY),
                          Qt::LeftButton);
        QVERIFY(Rig::settled());
        QTEST(Rig::setupLogs().join(','), "label");
        QCOMPARE(Rig::journal({"DalEncnSetCfg"}).size(), limit ? 0 : 1);
        QCOMPARE(rig.fromFile<PropNetcontrol>(IDX_PROP_NETCONTROL).mainOn[0],
                 limit ? rig.live<PropNetcontrol>(IDX_PROP_NETCONTROL)->mainOn[0]
                       : rig.edit<PropNetcontrol>(IDX_PROP_NETCONTROL)->mainOn[0]);
        QCOMPARE(rig.setup()->isVisible(), limit || !ok);
    }
};

DVR_APP_TEST_MAIN(TMainNetSetupTest)
#include "tmain-netsetuptest.moc"
