// The DDNS page in the setup frame: the service chosen from each variant's
// list and what the form then enables and writes, a stored type the list
// does not offer, the fields typed on the keyboards (the port within
// 1..65535), the test and the state text, Default, and the keys.
#include "../../config/fakedvr.h"
#include "netpagetestenv.h"
#include "dvrtext.h"
#include "tsetupddns.h"

#include <cstring>

using namespace nettest;
using namespace SetupAct;
using D = TSetupDdns;

namespace {

const char kMac[] = "00:1a:2b:3c:4d:5e";

void stored(PropNetddns* d, const char* type)
{
    std::memset(d, 0, sizeof *d);
    qstrncpy(d->type, type, sizeof d->type);
    qstrcpy(d->server, "my.server.org");
    qstrcpy(d->domain, "old.domain");
    qstrcpy(d->id, "user");
    qstrcpy(d->pw, "secret");
    qstrcpy(d->mac, kMac);
    d->serverport = 1234;
    d->dur = 2;
}

TCombo* combo(TSetupPage* page, int row)
{
    return static_cast<TCombo*>(page->control(row));
}

// "SPDIWpT" for the enabled server, port, domain, ID, password, period and
// test controls; '-' for a disabled one.
QString enabled(TSetupPage* page)
{
    const char letters[] = "SPDIWpT";
    QString out;
    for (int r = D::R_SERVER; r <= D::R_TEST; ++r)
        out += page->control(r)->isEnabled() ? QChar(letters[r - D::R_SERVER]) : QChar('-');
    return out;
}

QString fields(TSetupPage* page)
{
    QStringList out;
    for (int r = D::R_SERVER; r <= D::R_PW; ++r)
        out << editText(page, r);
    return out.join('|');
}

#define QVERIFY_RETURN(x)                                                                                      \
    if (!(x)) {                                                                                                \
        QTest::qFail(#x, __FILE__, __LINE__);                                                                  \
        return nullptr;                                                                                        \
    }

struct DdnsFrame : NetFrame
{
    DdnsFrame()
    {
        setDvrTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
        // The main window's answer to 65: the facade's state text.
        QObject::connect(f.w, &TSetupWnd::sg_request, f.w, [this](int code, int, int, QString) {
            if (code == SetupAct::Act_InfoDdns) {
                QString state;
                g_api.checkDdns(state);
                f.w->reply(code, 0, &state);
            }
        });
    }
    ~DdnsFrame() { setDvrTextHook(nullptr); }
    PropNetddns* ddns() { return edit<PropNetddns>(IDX_PROP_NETDDNS); }
    D* openDdns()
    {
        QVERIFY_RETURN(show());
        return static_cast<D*>(open(Btn_Network_Ddns));
    }
};

} // namespace

class TSetupDdnsTest : public QObject
{
    Q_OBJECT
private slots:
    // A service chosen in the list of each variant: the type stored as the
    // list's text, the account services empty domain, ID and password, and
    // the form shows what the rules give.
    void choose_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("record"); // server|domain|id|pw
        QTest::newRow("general: DynDNS empties") << -1 << 2 << "DynDNS" << "--DIW-T" << "||||"
                                                 << "my.server.org|||";
        QTest::newRow("general: Dynamic DNS") << -1 << 4 << "Dynamic DNS" << "S----pT"
                                              << "my.server.org|1234|001a2b3c4d5e.my.server.org||"
                                              << "my.server.org|001a2b3c4d5e.my.server.org|user|secret";
        QTest::newRow("variant 5: maker service") << 5 << 1 << "DDNS" << "-P-----" << "|1234||user|"
                                                  << "my.server.org|old.domain|user|secret";
        QTest::newRow("variant 10: upper-case host") << 10 << 1 << "ddns.hcview.com" << "-----pT"
                                                     << "ddns.hcview.com|7100|001A2B3C4D5E.ddns.hcview.com||"
                                                     << "ddns.hcview.com|001A2B3C4D5E.ddns.hcview.com|user|secret";
    }
    void choose()
    {
        QFETCH(int, oem);
        QFETCH(int, pos);
        TOemScope variant(oem);
        DdnsFrame n;
        stored(n.ddns(), "None");
        D* page = n.openDdns();
        QVERIFY(page && page->isVisible());
        combo(page, D::R_TYPE)->setCurrentIndex(pos);
        QTEST(QString(n.ddns()->type), "type");
        QCOMPARE(combo(page, D::R_TYPE)->currentIndex(), pos);
        QTEST(enabled(page), "enabled");
        QTEST(fields(page), "fields");
        const PropNetddns* d = n.ddns();
        const QString rec = QStringList{d->server, d->domain, d->id, d->pw}.join('|');
        QTEST(rec, "record");
        // The password is never shown in clear.
        QCOMPARE(static_cast<TEdit*>(page->control(D::R_PW))->echoMode(), QLineEdit::Password);
        if (pos == 4)
            n.f.w->grab().save(vkeytest::grabPath("setup-ddns.png"));
    }

    // A stored type the list does not offer shows the first entry; filling
    // the lists again (a language change) never writes the type; the rules
    // still act on it.
    void notOffered()
    {
        DdnsFrame n;
        stored(n.ddns(), "VELOR");
        D* page = n.openDdns();
        QVERIFY(page);
        QCOMPARE(combo(page, D::R_TYPE)->currentIndex(), 0);
        page->evtLanguage();
        n.f.w->evtLanguage();
        QCOMPARE(QString(n.ddns()->type), QString("VELOR"));
        QCOMPARE(enabled(page), QString("-----pT"));
        QCOMPARE(fields(page), QString("|1234|||"));
        // A list position below 0 (an emptied list) writes nothing.
        page->sl_changeIndex(D::R_TYPE, -1);
        QCOMPARE(QString(n.ddns()->type), QString("VELOR"));
    }

    // The fields typed: the port only within 1..65535 (else "Warning" /
    // "Out Of Range", the record keeps its port), the server only where the
    // service registers under one, texts cut at a whole character.
    void typed_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("record"); // port|server|domain|id|pw
        QTest::newRow("port taken") << "DDNS" << int(D::R_PORT) << "8245" << "" << "8245|my.server.org|old.domain|user|secret";
        QTest::newRow("port 0 refused") << "DDNS" << int(D::R_PORT) << "0" << "Warning/Out Of Range"
                                        << "1234|my.server.org|old.domain|user|secret";
        QTest::newRow("port 70000 refused") << "DDNS" << int(D::R_PORT) << "70000" << "Warning/Out Of Range"
                                            << "1234|my.server.org|old.domain|user|secret";
        QTest::newRow("server: name made again") << "Dynamic DNS" << int(D::R_SERVER) << "cam.example.org" << ""
                                                 << "1234|cam.example.org|001a2b3c4d5e.cam.example.org|user|secret";
        QTest::newRow("id cut at 31 bytes") << "NO-IP" << int(D::R_ID) << QString(30, 'u') + QString("\u00fc")
                                            << "" << "1234|my.server.org|old.domain|" + QString(30, 'u') + "|secret";
    }
    void typed()
    {
        QFETCH(QString, type);
        QFETCH(int, row);
        QFETCH(QString, typed);
        TOemScope variant(type == "DDNS" ? 5 : -1);
        DdnsFrame n;
        stored(n.ddns(), type.toLatin1().constData());
        D* page = n.openDdns();
        QVERIFY(page);
        QTest::mouseClick(page->control(row), Qt::LeftButton);
        if (row == D::R_PORT) {
            QVERIFY(n.pad->isVisible());
            n.pad->setText(typed);
            QTest::mouseClick(n.pad->okButton(), Qt::LeftButton);
        } else {
            QVERIFY(n.f.vk->isVisible());
            QCOMPARE(n.f.vk->edit()->echoMode() == QLineEdit::Password, row == D::R_PW);
            n.f.vk->setText(typed);
            QTest::mouseClick(n.f.vk->okButton(), Qt::LeftButton);
        }
        QCoreApplication::processEvents();
        QTEST(n.message(), "message");
        const PropNetddns* d = n.ddns();
        const QString rec = QStringList{QString::number(d->serverport), d->server, d->domain, d->id, d->pw}.join('|');
        QTEST(rec, "record");
        // The field shows what the record holds.
        if (row == D::R_PORT)
            QCOMPARE(editText(page, row), QString::number(d->serverport));
        else if (row == D::R_ID)
            QCOMPARE(editText(page, row), QString(d->id));
    }

    // The test: "Please wait..." and 64; the state text of the device (65,
    // asked 100 ms after the show and also unasked, while hidden too) at
    // position 0 only for the host services whose type is their host.
    void stateText_data()
    {
        QTest::addColumn<int>("oem");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("shown");
        QTest::newRow("None: emptied") << -1 << "None" << false;
        QTest::newRow("only service, position 0") << 3 << "ddns.zebnet.com" << true;
        QTest::newRow("upper-case host, not offered: position 0") << -1 << "ddns.hcview.com" << true;
        QTest::newRow("stored VELOR, position 0: emptied") << -1 << "VELOR" << false;
    }
    void stateText()
    {
        QFETCH(int, oem);
        QFETCH(QString, type);
        QFETCH(bool, shown);
        TOemScope variant(oem);
        DdnsFrame n;
        stored(n.ddns(), type.toLatin1().constData());
        DdnsResult r = {};
        r.year = 2026;
        r.month = 12;
        r.day = 7;
        r.hour = 9;
        dalTestSetDdnsResult(&r);
        D* page = n.openDdns();
        QVERIFY(page);
        n.asked.clear();
        QTRY_COMPARE(n.asked, QStringList{"65,0,0"});
        QString success;
        g_api.checkDdns(success);
        QVERIFY(success.startsWith("Success [2026/12/07 09:00:00]"));
        QCOMPARE(page->statusText(), shown ? success : QString());
        if (page->control(D::R_TEST)->isEnabled()) {
            QTest::mouseClick(page->control(D::R_TEST), Qt::LeftButton);
            QCOMPARE(page->statusText(), QString("Please wait..."));
            QCOMPARE(n.asked.last(), QString("64,0,0"));
        }
        // Unasked, while the page is hidden.
        n.open(Btn_Network_Port);
        QVERIFY(!page->isVisible());
        QString failed = "Failed [2026/12/07 09:01:00]"; // as the main window hands it on
        n.f.w->reply(SetupAct::Act_InfoDdns, 0, &failed);
        QCOMPARE(page->statusText(), shown ? failed : QString());
    }

    // Default: the variant's defaults, the MAC kept, the form applied at
    // once (variant 3: its only service's server and name).
    void defaults()
    {
        TOemScope variant(3);
        DdnsFrame n;
        stored(n.ddns(), "ddns.zebnet.com");
        qstrcpy(n.ddns()->server, "other.org");
        D* page = n.openDdns();
        QVERIFY(page);
        QTest::mouseClick(page->control(D::R_DEFAULT), Qt::LeftButton);
        const PropNetddns* d = n.ddns();
        QCOMPARE(QString(d->type), QString("ddns.zebnet.com"));
        QCOMPARE(QString(d->mac), QString(kMac));
        QCOMPARE(QString(d->domain), QString("3c4d5e.ddns.zebnet.com"));
        QCOMPARE(QString(d->id), QString());
        QCOMPARE(fields(page), QString("ddns.zebnet.com|%1|3c4d5e.ddns.zebnet.com||").arg(d->serverport));
    }

    // Keys: from the item Right reaches the service list; Down walks the
    // enabled controls; Enter on a field opens its keyboard; Escape cancels.
    void keys_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("focus"); // a row, -1 the Network tab
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("down past disabled to domain") << "NO-IP" << "RD" << int(D::R_DOMAIN) << false;
        QTest::newRow("enter on domain") << "NO-IP" << "RDE" << int(D::R_DOMAIN) << true;
        QTest::newRow("down to the test") << "NO-IP" << "RDDDDD" << int(D::R_TEST) << false;
        QTest::newRow("apply, right: default") << "NO-IP" << "RDDDDDDR" << int(D::R_DEFAULT) << false;
    }
    void keys()
    {
        QFETCH(QString, type);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        DdnsFrame n;
        stored(n.ddns(), type.toLatin1().constData());
        D* page = n.openDdns();
        QVERIFY(page);
        n.f.w->button(Btn_Network_Ddns)->setFocus();
        for (const QChar c : keys)
            n.f.key(c == 'R' ? int(Qt::Key_Right) : c == 'D' ? int(Qt::Key_Down) : c == 'U' ? int(Qt::Key_Up)
                                                                                          : int(Qt::Key_Enter));
        QWidget* want = focus >= 0 ? page->control(focus) : n.f.w->button(Btn_Network);
        QTEST(n.f.vk->isVisible(), "keyboard");
        QCOMPARE(want->hasFocus(), !n.f.vk->isVisible());
        QCOMPARE(QString(n.ddns()->type), type);
        n.f.key(Qt::Key_Escape);
        if (n.f.vk->isVisible())
            QTest::mouseClick(n.f.vk->cancelButton(), Qt::LeftButton);
        n.f.key(Qt::Key_Escape);
        QVERIFY(!n.f.w->isVisible());
    }
};

QTEST_MAIN(TSetupDdnsTest)
#include "tsetupddnstest.moc"
