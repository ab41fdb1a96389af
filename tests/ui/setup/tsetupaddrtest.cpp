// The address page: what it shows for DHCP on and off, DNS Auto, a stored
// PPPoE record and the variants that show the stored address; the
// interface's address (answer 61) shown and never stored until DHCP is
// turned off; typing on the keyboards and the number pad.
#include "../../config/fakedvr.h"
#include "netpagetestenv.h"
#include "tsetupaddr.h"

#include <cstring>

using namespace nettest;
using namespace SetupAct;
using A = TSetupAddr;

namespace {

void setAddr(PropNetaddr* a, int type, int dhcp, int dnsauto)
{
    a->type = int16_t(type);
    a->dhcp = int16_t(dhcp);
    a->dnsauto = dnsauto;
    qstrcpy(a->ip, "192.0.2.5");
    qstrcpy(a->mask, "255.255.255.0");
    qstrcpy(a->gate, "192.0.2.1");
    qstrcpy(a->dns, "192.0.2.53");
    qstrcpy(a->pppid, "user@isp");
    qstrcpy(a->ppppw, "secret");
}

// The interface's lease as the stand-in reports it.
void setLease(const uint8_t ip[4])
{
    Eth0Info eth = {};
    eth.dhcp = 1;
    std::memcpy(eth.ip, ip, 4);
    const uint8_t mask[4] = {255, 255, 0, 0};
    const uint8_t gw[4] = {198, 51, 100, 1};
    const uint8_t dns[4] = {198, 51, 100, 53};
    std::memcpy(eth.mask, mask, 4);
    std::memcpy(eth.gw, gw, 4);
    std::memcpy(eth.dns, dns, 4);
    dalTestSetEth0(&eth);
}

const uint8_t kLease[4] = {198, 51, 100, 20};

// The rows shown, their texts, and the enabled ones marked with "*".
QString shown(TSetupPage* page)
{
    QStringList out;
    for (int r = A::R_NAME; r <= A::R_PPPDNS; ++r) {
        QWidget* w = page->control(r);
        if (w->isHidden())
            continue;
        QString t;
        if (auto* e = qobject_cast<TEdit*>(w))
            t = e->text();
        else if (auto* b = qobject_cast<TButton*>(w))
            t = b->isChecked() ? "[x]" : "[ ]";
        else if (auto* c = qobject_cast<TCombo*>(w))
            t = c->currentText();
        out << (w->isEnabled() ? "*" : "") + t;
    }
    return out.join('|');
}

} // namespace

class TSetupAddrTest : public QObject
{
    Q_OBJECT
private slots:
    // Show: DHCP on asks for the interface's address and shows it greyed
    // (and its name server with DNS Auto); DHCP off shows the stored one;
    // PPPoE shows its account and the interface's address greyed; two
    // variants show the stored address under DHCP. The record stays.
    void show_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<int>("dnsauto");
        QTest::addColumn<int>("oem");
        QTest::addColumn<QString>("want");
        QTest::addColumn<int>("asks"); // 61 requests
        const QString name = "*dvr|*Ethernet|";
        QTest::newRow("DHCP on") << 0 << 1 << 0 << -1
                                 << name + "*[x]|198.51.100.20|255.255.0.0|198.51.100.1|*[ ]|*192.0.2.53" << 2;
        QTest::newRow("DHCP and DNS Auto") << 0 << 1 << 1 << -1
                                           << name + "*[x]|198.51.100.20|255.255.0.0|198.51.100.1|*[x]|198.51.100.53"
                                           << 2;
        QTest::newRow("fixed, DNS Auto stored") << 0 << 0 << 1 << -1
                                                << name + "*[ ]|*192.0.2.5|*255.255.255.0|*192.0.2.1|[ ]|*192.0.2.53"
                                                << 1;
        QTest::newRow("PPPoE") << 1 << 1 << 0 << -1 << "*dvr|*|*user@isp|*secret|198.51.100.20|*192.0.2.53" << 2;
        QTest::newRow("variant 3: stored under DHCP")
            << 0 << 1 << 0 << 3 << name + "*[x]|192.0.2.5|255.255.255.0|192.0.2.1|*[ ]|*192.0.2.53" << 2;
        QTest::newRow("variant 7: stored under DHCP")
            << 0 << 1 << 0 << 7 << name + "*[x]|192.0.2.5|255.255.255.0|192.0.2.1|*[ ]|*192.0.2.53" << 2;
        QTest::newRow("variant 5: the lease")
            << 0 << 1 << 0 << 5 << name + "*[x]|198.51.100.20|255.255.0.0|198.51.100.1|*[ ]|*192.0.2.53" << 2;
    }
    void show()
    {
        QFETCH(int, type);
        QFETCH(int, dhcp);
        QFETCH(int, dnsauto);
        QFETCH(int, oem);
        TOemScope variant(oem);
        NetFrame n;
        setLease(kLease);
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, type, dhcp, dnsauto);
        qstrcpy(a->name, "dvr");
        // As stored: the live copy the same.
        *n.live<PropNetaddr>(IDX_PROP_NETADDR) = *a;
        const PropNetaddr before = *a;
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        QVERIFY(page->isVisible());
        QFETCH(int, asks);
        QTRY_COMPARE(n.asked.count("61,0,0"), asks);
        QTEST(shown(page), "want");
        QVERIFY(std::memcmp(a, &before, sizeof before) == 0);
        QCOMPARE(n.f.fx.cfg->ismodified(), 0);
        const char* names[] = {"setup-addr-dhcp.png", "setup-addr-pppoe.png"};
        if (oem < 0 && dnsauto == 0)
            n.f.w->grab().save(vkeytest::grabPath(names[type]));
    }

    // Turning DHCP off keeps the lease as the fixed address, field by
    // field: one that shows no lease (nothing yet, or 0.0.0.0) keeps its
    // stored text and shows it; the name server is not touched.
    void dhcpOff_data()
    {
        QTest::addColumn<QByteArray>("lease"); // empty: no answer
        QTest::addColumn<QString>("want");     // ip, mask, gate, dns stored
        QTest::newRow("lease kept") << QByteArray("198.51.100.20")
                                    << "198.51.100.20|255.255.0.0|198.51.100.1|192.0.2.53";
        QTest::newRow("no lease: 0.0.0.0") << QByteArray("0.0.0.0") << "192.0.2.5|255.255.0.0|198.51.100.1|192.0.2.53";
        QTest::newRow("no answer") << QByteArray() << "192.0.2.5|255.255.255.0|192.0.2.1|192.0.2.53";
    }
    void dhcpOff()
    {
        QFETCH(QByteArray, lease);
        NetFrame n;
        const uint8_t none[4] = {0, 0, 0, 0};
        setLease(lease == "0.0.0.0" ? none : kLease);
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, 0, 1, 0);
        if (lease.isEmpty()) {
            std::memset(g_api.m_eth0Text, 0, sizeof g_api.m_eth0Text);
            dalTestFail("DalNetGetEth0", -1);
        }
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        QTest::mouseClick(page->control(A::R_DHCP), Qt::LeftButton);
        QCOMPARE(a->dhcp, int16_t(0));
        const QString stored = QStringList{a->ip, a->mask, a->gate, a->dns}.join('|');
        QTEST(stored, "want");
        for (int k = 0; k < 3; ++k) {
            QVERIFY(page->control(A::R_IP + k)->isEnabled());
            QCOMPARE(editText(page, A::R_IP + k), stored.split('|')[k]);
        }
        QVERIFY(!page->control(A::R_DNSAUTO)->isEnabled());
    }

    // An answer 61 while the page is shown (a new lease) changes the fields
    // under DHCP, never the record; with a fixed address it changes nothing.
    void unpromptedAnswer_data()
    {
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<QString>("ip");
        QTest::newRow("DHCP on") << 1 << "203.0.113.9";
        QTest::newRow("fixed") << 0 << "192.0.2.5";
    }
    void unpromptedAnswer()
    {
        QFETCH(int, dhcp);
        NetFrame n;
        setLease(kLease);
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, 0, dhcp, 0);
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        const PropNetaddr before = *a;
        char texts[4][64] = {"203.0.113.9", "255.255.255.128", "203.0.113.1", "203.0.113.53"};
        n.f.w->reply(SetupAct::Act_InfoDhcp, 0, texts);
        QTEST(editText(page, A::R_IP), "ip");
        QVERIFY(std::memcmp(a, &before, sizeof before) == 0);
        // A null answer changes nothing.
        n.f.w->reply(SetupAct::Act_InfoDhcp, 0, nullptr);
        QTEST(editText(page, A::R_IP), "ip");
    }

    // The number pad in address mode takes four numbers 0..255 only; what
    // it refuses stays on the pad with "Warning" / "Invalid Data!!".
    void addressTyped_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("want"); // the record's field after
        QTest::newRow("ip taken") << int(A::R_IP) << "10.1.2.3" << "10.1.2.3";
        QTest::newRow("mask taken") << int(A::R_MASK) << "255.0.0.0" << "255.0.0.0";
        QTest::newRow("dns taken") << int(A::R_DNS) << "8.8.4.4" << "8.8.4.4";
        QTest::newRow("256 refused") << int(A::R_IP) << "256.1.1.1" << "192.0.2.5";
        QTest::newRow("three numbers refused") << int(A::R_GATE) << "1.2.3" << "192.0.2.1";
        QTest::newRow("five numbers refused") << int(A::R_IP) << "1.2.3.4.5" << "192.0.2.5";
        QTest::newRow("negative refused") << int(A::R_DNS) << "-1.2.3.4" << "192.0.2.53";
    }
    void addressTyped()
    {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, want);
        NetFrame n;
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, 0, 0, 0);
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        QTest::mouseClick(page->control(row), Qt::LeftButton);
        QVERIFY(n.pad->isVisible());
        QCOMPARE(n.pad->mode(), int(TVKeyNumboard::ModeIPv4));
        n.pad->setText(typed);
        QTest::mouseClick(n.pad->okButton(), Qt::LeftButton);
        const bool taken = typed == want;
        QCOMPARE(n.pad->isVisible(), !taken);
        QCOMPARE(n.message(), taken ? QString() : QString("Warning/Invalid Data!!"));
        const char* fields[] = {a->ip, a->mask, a->gate, nullptr, a->dns};
        QCOMPARE(QString(fields[row - A::R_IP]), want);
        QCOMPARE(editText(page, row), want);
        if (!taken)
            n.f.w->grab().save(vkeytest::grabPath("setup-addr-refused.png"));
    }

    // The DVR name is cut at the last whole character within 31 bytes;
    // the PPPoE password is typed masked, from an empty line; a Cancel
    // changes nothing.
    void textTyped_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("want");
        const QString longName = QString(30, 'a') + QChar(0xE9);
        QTest::newRow("name") << 0 << int(A::R_NAME) << "front door" << true << QByteArray("front door");
        QTest::newRow("name cut at a whole character")
            << 0 << int(A::R_NAME) << longName << true << QByteArray(30, 'a');
        QTest::newRow("name cancelled") << 0 << int(A::R_NAME) << "other" << false << QByteArray("dvr");
        QTest::newRow("PPPoE id") << 1 << int(A::R_PPPID) << "me@isp" << true << QByteArray("me@isp");
        QTest::newRow("PPPoE password") << 1 << int(A::R_PPPPW) << "s3cret!" << true << QByteArray("s3cret!");
    }
    void textTyped()
    {
        QFETCH(int, type);
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        NetFrame n;
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, type, 0, 0);
        qstrcpy(a->name, "dvr");
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        QTest::mouseClick(page->control(row), Qt::LeftButton);
        QVERIFY(n.f.vk->isVisible());
        QCOMPARE(n.f.vk->text(), row == A::R_PPPPW ? QString() : editText(page, row));
        n.f.vk->setText(typed);
        QTest::mouseClick(ok ? n.f.vk->okButton() : n.f.vk->cancelButton(), Qt::LeftButton);
        const char* field = row == A::R_NAME ? a->name : row == A::R_PPPID ? a->pppid : a->ppppw;
        QTEST(QByteArray(field), "want");
        QCOMPARE(editText(page, row), QString::fromUtf8(field));
    }

    // A stored type outside the one-entry list shows no entry and is never
    // written back; a list position below 0 is ignored; the type choice
    // rebuilds the page; Default gives the defaults.
    void typeList()
    {
        NetFrame n;
        PropNetaddr* a = n.edit<PropNetaddr>(IDX_PROP_NETADDR);
        setAddr(a, 1, 0, 0);
        QVERIFY(n.show());
        auto* page = static_cast<TSetupAddr*>(n.f.w->page(Btn_Network_Addr));
        auto* list = static_cast<TCombo*>(page->control(A::R_TYPE));
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(a->type, int16_t(1));
        page->sl_changeIndex(list->id(), -1);
        QCOMPARE(a->type, int16_t(1));
        list->setCurrentIndex(0);
        QCOMPARE(a->type, int16_t(0));
        QVERIFY(page->control(A::R_IP)->isVisible());
        QVERIFY(page->control(A::R_PPPID)->isHidden());
        a->dhcp = 0;
        QTest::mouseClick(page->control(A::R_DEFAULT), Qt::LeftButton);
        QCOMPARE(a->dhcp, int16_t(1));
        QCOMPARE(QByteArray(a->dns), QByteArray("9.9.9.9"));
        QTest::mouseClick(page->control(A::R_APPLY), Qt::LeftButton);
        QCOMPARE(n.asked.last(), QString("25,0,0"));
    }

    // Keys: the focus passes over the rows the type hides and the fields
    // DHCP greys; Enter on a field opens its keyboard.
    void keys_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("dhcp");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus");
        QTest::newRow("item right: name") << 0 << 1 << "R" << int(A::R_NAME);
        QTest::newRow("DHCP on: greyed fields passed") << 0 << 1 << "RDDD" << int(A::R_DNSAUTO);
        QTest::newRow("fixed: the address") << 0 << 0 << "RDDD" << int(A::R_IP);
        QTest::newRow("PPPoE: the account") << 1 << 0 << "RDD" << int(A::R_PPPID);
        QTest::newRow("PPPoE: greyed address passed") << 1 << 0 << "RDDDDD" << int(A::R_DEFAULT);
        QTest::newRow("Enter on the address: the pad") << 0 << 0 << "RDDDE" << -1;
    }
    void keys()
    {
        QFETCH(int, type);
        QFETCH(int, dhcp);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        NetFrame n;
        setAddr(n.edit<PropNetaddr>(IDX_PROP_NETADDR), type, dhcp, 0);
        QVERIFY(n.show());
        TSetupPage* page = n.f.w->page(Btn_Network_Addr);
        n.f.w->button(Btn_Network_Addr)->setFocus();
        for (const QChar c : keys)
            n.f.key(c == 'R' ? int(Qt::Key_Right) : c == 'D' ? int(Qt::Key_Down) : int(Qt::Key_Enter));
        if (focus >= 0)
            QVERIFY(page->control(focus)->hasFocus());
        QCOMPARE(n.pad->isVisible(), focus < 0);
    }
};

QTEST_MAIN(TSetupAddrTest)
#include "tsetupaddrtest.moc"
