// The port page: ports typed on the number pad within their ranges and kept
// apart from the web port, Default, the uPnP switch, its test and the state
// the device reports, the requests the page sends, the keys.
#include "netpagetestenv.h"
#include "tsetupport.h"

using namespace nettest;
using namespace SetupAct;

namespace {

PropNetport ports(int watch, int search, int setup, int web, int upnp)
{
    PropNetport p;
    p.watch = int16_t(watch);
    p.search = int16_t(search);
    p.setup = int16_t(setup);
    p.web = int16_t(web);
    p.upnp = upnp;
    return p;
}

QString portsText(const PropNetport& p)
{
    return QString("%1/%2/%3/%4 upnp:%5").arg(p.watch).arg(p.search).arg(p.setup).arg(p.web).arg(p.upnp);
}

} // namespace

class TSetupPortTest : public QObject
{
    Q_OBJECT
private slots:
    // A typed port is stored and shown when it lies in its field's range
    // and differs from the ports it must; otherwise "Warning" / "Out Of
    // Range" and the field and record stay.
    void typed_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("want"); // the ports after, watch/search/setup/web
        const QString before = "8000/8000/8000/8080 upnp:0";
        QTest::newRow("watch 80 refused") << 0 << "80" << before;
        QTest::newRow("watch 7999 refused") << 0 << "7999" << before;
        QTest::newRow("watch 8000 taken") << 0 << "8000" << before;
        QTest::newRow("search 9999 taken") << 1 << "9999" << "8000/9999/8000/8080 upnp:0";
        QTest::newRow("setup 10000 refused") << 2 << "10000" << before;
        QTest::newRow("search equal to web refused") << 1 << "8080" << before;
        QTest::newRow("web 80 taken") << 3 << "80" << "8000/8000/8000/80 upnp:0";
        QTest::newRow("web 7999 refused") << 3 << "7999" << before;
        QTest::newRow("web 10000 refused") << 3 << "10000" << before;
        QTest::newRow("web equal to setup refused") << 3 << "8000" << before;
        QTest::newRow("web 9000 taken") << 3 << "9000" << "8000/8000/8000/9000 upnp:0";
    }
    void typed()
    {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, want);
        NetFrame n;
        *n.edit<PropNetport>(IDX_PROP_NETPORT) = ports(8000, 8000, 8000, 8080, 0);
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Port);
        QVERIFY(page->isVisible());
        QTest::mouseClick(page->control(field), Qt::LeftButton);
        QVERIFY(n.pad->isVisible());
        QCOMPARE(n.pad->text(), editText(page, field));
        n.typeOnPad(typed);
        const bool taken = want != "8000/8000/8000/8080 upnp:0" || (field == 0 && typed == "8000");
        QCOMPARE(portsText(*n.edit<PropNetport>(IDX_PROP_NETPORT)), want);
        QCOMPARE(n.message(), taken ? QString() : QString("Warning/Out Of Range"));
        const PropNetport* p = n.edit<PropNetport>(IDX_PROP_NETPORT);
        const int stored[] = {p->watch, p->search, p->setup, p->web};
        QCOMPARE(editText(page, field), QString::number(stored[field]));
        if (!taken)
            n.f.w->grab().save(vkeytest::grabPath("setup-port-refused.png"));
    }

    // A text that is not a number counts as 0 and is refused; Cancel on
    // the pad is silent.
    void notANumberAndCancel()
    {
        NetFrame n;
        *n.edit<PropNetport>(IDX_PROP_NETPORT) = ports(8001, 8002, 8003, 80, 0);
        QVERIFY(n.show());
        auto* page = static_cast<TSetupPort*>(n.open(Btn_Network_Port));
        QTest::mouseClick(page->control(TSetupPort::R_SEARCH), Qt::LeftButton);
        n.typeOnPad("9000", false);
        QCOMPARE(n.message(), QString());
        QCOMPARE(portsText(*n.edit<PropNetport>(IDX_PROP_NETPORT)), QString("8001/8002/8003/80 upnp:0"));
        QTest::mouseClick(page->control(TSetupPort::R_SEARCH), Qt::LeftButton);
        page->sl_reply(VK_OK, "90x0");
        QCOMPARE(n.message(), QString("Warning/Out Of Range"));
        QCOMPARE(portsText(*n.edit<PropNetport>(IDX_PROP_NETPORT)), QString("8001/8002/8003/80 upnp:0"));
    }

    // Default: 8000 three times, 80 and uPnP off; the switch follows its
    // record; "uPNP Test" only while uPnP is on; switching off clears the
    // state text.
    void defaultAndSwitch()
    {
        NetFrame n;
        *n.edit<PropNetport>(IDX_PROP_NETPORT) = ports(8101, 8102, 8103, 8104, 1);
        const PropNetport live = *n.live<PropNetport>(IDX_PROP_NETPORT);
        QVERIFY(n.show());
        auto* page = static_cast<TSetupPort*>(n.open(Btn_Network_Port));
        auto* upnp = static_cast<TButton*>(page->control(TSetupPort::R_UPNP));
        QVERIFY(upnp->isChecked());
        QVERIFY(page->control(TSetupPort::R_TEST)->isEnabled());
        QString state = "Success [192.0.2.7]";
        n.f.w->reply(SetupAct::Act_InfoUpnp, 0, &state);
        QCOMPARE(page->upnpText(), state);
        n.f.w->grab().save(vkeytest::grabPath("setup-port.png"));
        QTest::mouseClick(upnp, Qt::LeftButton);
        QCOMPARE(n.edit<PropNetport>(IDX_PROP_NETPORT)->upnp, 0);
        QVERIFY(!page->control(TSetupPort::R_TEST)->isEnabled());
        QCOMPARE(page->upnpText(), QString());
        QVERIFY(page->control(TSetupPort::R_WATCH)->isEnabled());
        QTest::mouseClick(upnp, Qt::LeftButton);
        QCOMPARE(n.edit<PropNetport>(IDX_PROP_NETPORT)->upnp, 1);
        QTest::mouseClick(page->control(TSetupPort::R_DEFAULT), Qt::LeftButton);
        QCOMPARE(portsText(*n.edit<PropNetport>(IDX_PROP_NETPORT)), QString("8000/8000/8000/80 upnp:0"));
        QCOMPARE(editText(page, TSetupPort::R_WEB), QString("80"));
        QVERIFY(!upnp->isChecked());
        QVERIFY(!page->control(TSetupPort::R_TEST)->isEnabled());
        QCOMPARE(portsText(*n.live<PropNetport>(IDX_PROP_NETPORT)), portsText(live));
    }

    // The state the device reports (63, also unprompted) shows only while
    // uPnP is on; the test shows "Please wait..." and asks for 62; Apply
    // clears the state and asks for 26; the show asks for 63 after 100 ms.
    void requestsAndState_data()
    {
        QTest::addColumn<int>("upnp");
        QTest::addColumn<int>("row"); // clicked after the show; -1 none
        QTest::addColumn<QString>("state");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("show, uPnP on") << 1 << -1 << "<device>" << QStringList{"63,0,0"};
        QTest::newRow("show, uPnP off") << 0 << -1 << "" << QStringList{"63,0,0"};
        QTest::newRow("test") << 1 << int(TSetupPort::R_TEST) << "Please wait..." << QStringList{"63,0,0", "62,0,0"};
        QTest::newRow("apply") << 1 << int(TSetupPort::R_APPLY) << "" << QStringList{"63,0,0", "26,0,0"};
    }
    void requestsAndState()
    {
        QFETCH(int, upnp);
        QFETCH(int, row);
        NetFrame n;
        n.edit<PropNetport>(IDX_PROP_NETPORT)->upnp = upnp;
        UpnpResult r = {};
        r.result = 1;
        r.port[0] = 8000;
        r.year = 2026;
        r.month = 12;
        r.day = 7;
        r.hour = 8;
        dalTestSetUpnpResult(&r);
        QVERIFY(n.show());
        auto* page = static_cast<TSetupPort*>(n.open(Btn_Network_Port));
        n.asked.clear();
        QTRY_COMPARE(n.asked.size(), 1);
        if (row >= 0)
            QTest::mouseClick(page->control(row), Qt::LeftButton);
        QFETCH(QString, state);
        if (state == "<device>") {
            g_api.checkUpnp(state);
            QVERIFY(state.contains("8000"));
        }
        QCOMPARE(page->upnpText(), state);
        QTEST(n.asked, "asked");
    }

    // Keys: from the item, Right reaches the watch field, Enter opens the
    // pad on it; Down walks the column to "uPNP Test" (disabled: passed
    // over to Apply); Escape cancels the setup.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus"); // a row, -1 the Network tab
        QTest::addColumn<bool>("padOpen");
        QTest::newRow("item right: watch") << "R" << int(TSetupPort::R_WATCH) << false;
        QTest::newRow("enter on watch") << "RE" << int(TSetupPort::R_WATCH) << true;
        QTest::newRow("down to the switch") << "RDDDD" << int(TSetupPort::R_UPNP) << false;
        QTest::newRow("test passed over") << "RDDDDD" << int(TSetupPort::R_APPLY) << false;
        QTest::newRow("apply right: default") << "RDDDDDR" << int(TSetupPort::R_DEFAULT) << false;
        QTest::newRow("up from watch: the tab") << "RU" << -1 << false;
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(int, focus);
        NetFrame n;
        n.edit<PropNetport>(IDX_PROP_NETPORT)->upnp = 0;
        QVERIFY(n.show());
        TSetupPage* page = n.open(Btn_Network_Port);
        n.f.w->button(Btn_Network_Port)->setFocus();
        for (const QChar c : keys)
            n.f.key(c == 'R' ? int(Qt::Key_Right) : c == 'D' ? int(Qt::Key_Down) : c == 'U' ? int(Qt::Key_Up)
                                                                                          : int(Qt::Key_Enter));
        QWidget* want = focus >= 0 ? page->control(focus) : n.f.w->button(Btn_Network);
        QTEST(n.pad->isVisible(), "padOpen");
        // The pad takes the keys while it is open.
        QCOMPARE(want->hasFocus(), !n.pad->isVisible());
        if (n.pad->isVisible())
            QCOMPARE(n.pad->mode(), int(TVKeyNumboard::ModeNumber));
        n.f.key(Qt::Key_Escape);
        QVERIFY(!n.f.w->isVisible());
    }
};

QTEST_MAIN(TSetupPortTest)
#include "tsetupporttest.moc"
