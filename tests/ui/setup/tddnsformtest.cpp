// The DDNS form rules without a page: for each service and list position,
// the controls enabled, what the fields show, what the section holds after,
// the host names made from the MAC, and every OEM variant's list.
#include "tddnsform.h"
#include "tddnsservice.h"

#include <QtTest>
#include <cstring>

namespace {

const char kMac[] = "00:1a:2b:3c:4d:5e";

PropNetddns record(const char* type, const char* server = "my.server.org", const char* domain = "old.domain",
                   const char* mac = kMac)
{
    PropNetddns d;
    std::memset(&d, 0, sizeof d);
    qstrncpy(d.type, type, sizeof d.type);
    qstrncpy(d.server, server, sizeof d.server);
    qstrncpy(d.domain, domain, sizeof d.domain);
    qstrcpy(d.id, "user");
    qstrcpy(d.pw, "pw");
    qstrncpy(d.mac, mac, sizeof d.mac);
    d.serverport = 1234;
    return d;
}

// "SPDIWpT": a letter for each enabled control, '-' for a disabled one.
QString enabledText(const TDdnsForm::View& v)
{
    const char letters[] = "SPDIWpT";
    QString out;
    for (int c = 0; c < TDdnsForm::CTRLS; ++c)
        out += v.enabled[c] ? QChar(letters[c]) : QChar('-');
    return out;
}

QString recordText(const PropNetddns& d)
{
    return QStringList{d.server, d.domain, d.id, d.pw}.join('|');
}

} // namespace

class TDdnsFormTest : public QObject
{
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("server");  // stored before
        QTest::addColumn<QString>("domain");  // stored before
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("shown");   // server|port|domain|id|pw
        QTest::addColumn<QString>("stored");  // server|domain|id|pw after
        QTest::addColumn<bool>("clearStatus");
        const QString srv = "my.server.org", dom = "old.domain", mac = kMac;
        const QString kept = "my.server.org|old.domain|user|pw";
        QTest::newRow("None at 0: all off, fields empty") << "None" << 0 << srv << dom << mac << "-------"
                                                          << "|1234|||" << kept << true;
        QTest::newRow("branded URL") << "DVRDNS" << 1 << srv << dom << mac << "-----pT"
                                     << "||http://3c4d5e.dvrdns.dvrhub.net|user|pw"
                                     << "my.server.org|http://3c4d5e.dvrdns.dvrhub.net|user|pw" << false;
        QTest::newRow("DynDNS: no period") << "DynDNS" << 2 << srv << dom << mac << "--DIW-T"
                                           << "||old.domain|user|pw" << kept << false;
        QTest::newRow("DynDNS clears a branded domain")
            << "DynDNS" << 2 << srv << "http://3c4d5e.dvrdns.dvrhub.net" << mac << "--DIW-T"
            << "|||user|pw" << "my.server.org||user|pw" << false;
        QTest::newRow("NO-IP: period on") << "NO-IP" << 3 << srv << dom << mac << "--DIWpT"
                                          << "||old.domain|user|pw" << kept << false;
        QTest::newRow("maker service: port only") << "DDNS" << 1 << srv << dom << mac << "-P-----"
                                                  << "|1234||user|" << kept << false;
        QTest::newRow("stored VELOR at 0") << "VELOR" << 0 << srv << dom << mac << "-----pT" << "|1234|||"
                                           << kept << true;
        QTest::newRow("operator's server") << "Dynamic DNS" << 4 << srv << dom << mac << "S----pT"
                                           << "my.server.org|1234|001a2b3c4d5e.my.server.org||"
                                           << "my.server.org|001a2b3c4d5e.my.server.org|user|pw" << false;
        QTest::newRow("operator's server empty") << "Dynamic DNS" << 4 << "" << dom << mac << "S----pT"
                                                 << "|1234|||" << "||user|pw" << false;
        QTest::newRow("operator types a short-name host")
            << "Dynamic DNS" << 4 << "ddns.ocam.net" << dom << mac << "S----pT"
            << "ddns.ocam.net|1234|3c4d5e.ddns.ocam.net||" << "ddns.ocam.net|3c4d5e.ddns.ocam.net|user|pw" << false;
        QTest::newRow("fixed host") << "DVRDNS Plus" << 5 << srv << dom << mac << "-----pT"
                                    << "plus.dvrhub.net|1234|001a2b3c4d5e.plus.dvrhub.net||"
                                    << "plus.dvrhub.net|001a2b3c4d5e.plus.dvrhub.net|user|pw" << false;
        QTest::newRow("short-name host") << "ddns.dvrhub.net" << 6 << srv << dom << mac << "-----pT"
                                         << "ddns.dvrhub.net|1234|3c4d5e.ddns.dvrhub.net||"
                                         << "ddns.dvrhub.net|3c4d5e.ddns.dvrhub.net|user|pw" << false;
        QTest::newRow("only service, at 0, status kept")
            << "ddns.zebnet.com" << 0 << srv << dom << mac << "-----pT"
            << "ddns.zebnet.com|1234|3c4d5e.ddns.zebnet.com||" << "ddns.zebnet.com|3c4d5e.ddns.zebnet.com|user|pw"
            << false;
        QTest::newRow("upper-case host: 7100 shown") << "ddns.hcview.com" << 1 << srv << dom << mac << "-----pT"
                                                     << "ddns.hcview.com|7100|001A2B3C4D5E.ddns.hcview.com||"
                                                     << "ddns.hcview.com|001A2B3C4D5E.ddns.hcview.com|user|pw"
                                                     << false;
        QTest::newRow("upper-case host at 0: status kept")
            << "ddns.hcview.com" << 0 << srv << dom << mac << "-----pT"
            << "ddns.hcview.com|7100|001A2B3C4D5E.ddns.hcview.com||"
            << "ddns.hcview.com|001A2B3C4D5E.ddns.hcview.com|user|pw" << false;
        QTest::newRow("TAVO at 1: the rest enabled") << "TAVO" << 1 << srv << dom << mac << "SP-IWpT"
                                                     << "my.server.org|1234|001a2b3c4d5e.ddns.dvrhub.net|user|pw"
                                                     << "my.server.org|001a2b3c4d5e.ddns.dvrhub.net|user|pw"
                                                     << false;
        QTest::newRow("short MAC text: empty name") << "ddns.ocam.net" << 1 << srv << dom << "00:1a:2b:3c:4d"
                                                    << "-----pT" << "ddns.ocam.net|1234|||"
                                                    << "ddns.ocam.net||user|pw" << false;
        QTest::newRow("MAC not hexadecimal: empty name") << "Dynamic DNS" << 4 << srv << dom << "00:1a:2b:3c:4d:zz"
                                                         << "S----pT" << "my.server.org|1234|||"
                                                         << "my.server.org||user|pw" << false;
        QTest::newRow("no MAC yet: branded URL empty") << "DVRDNS" << 1 << srv << dom << "" << "-----pT"
                                                       << "|||user|pw" << "my.server.org||user|pw" << false;
    }
    void rules()
    {
        QFETCH(QString, type);
        QFETCH(int, pos);
        QFETCH(QString, server);
        QFETCH(QString, domain);
        QFETCH(QString, mac);
        PropNetddns d = record(type.toLatin1().constData(), server.toLatin1().constData(),
                               domain.toLatin1().constData(), mac.toLatin1().constData());
        const TDdnsForm::View v = TDdnsForm::apply(d, pos);
        QTEST(enabledText(v), "enabled");
        const QStringList shown{v.text[0], v.text[1], v.text[2], v.text[3], v.text[4]};
        QTEST(shown.join('|'), "shown");
        QTEST(recordText(d), "stored");
        QTEST(v.clearStatus, "clearStatus");
        QTEST(!TDdnsForm::showsStatus(d, pos), "clearStatus");
        QCOMPARE(QString(d.type), type);
    }

    // Choosing from the list: the account services empty domain, ID and
    // password, the others keep them; a type is cut to its field.
    void choose_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("stored"); // type|domain|id|pw
        QTest::newRow("DynDNS") << "DynDNS" << "DynDNS|||";
        QTest::newRow("NO-IP") << "NO-IP" << "NO-IP|||";
        QTest::newRow("Dynamic DNS keeps") << "Dynamic DNS" << "Dynamic DNS|old.domain|user|pw";
        QTest::newRow("None keeps") << "None" << "None|old.domain|user|pw";
        QTest::newRow("long text cut at a whole character")
            << QString("Kein-Dienst-\u00e4\u00e4") << QString("Kein-Dienst-\u00e4|old.domain|user|pw");
    }
    void choose()
    {
        QFETCH(QString, type);
        PropNetddns d = record("DVRDNS");
        TDdnsForm::choose(d, type);
        const QString got = QString::fromUtf8(d.type, int(qstrnlen(d.type, sizeof d.type))) + "|" + d.domain + "|" +
                            d.id + "|" + d.pw;
        QTEST(got, "stored");
    }

    // A typed server is taken, and the name made again, only for the
    // services that register under a server; a long one is cut to 99
    // bytes at a whole character.
    void typeServer_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("stored"); // server|domain
        QTest::newRow("operator") << "Dynamic DNS" << "cam.example.org" << true
                                  << "cam.example.org|001a2b3c4d5e.cam.example.org";
        QTest::newRow("operator, upper-case host") << "Dynamic DNS" << "ddns.hcview.com" << true
                                                   << "ddns.hcview.com|001A2B3C4D5E.ddns.hcview.com";
        QTest::newRow("emptied") << "Dynamic DNS" << "" << true << "|";
        QTest::newRow("dropped: DynDNS") << "DynDNS" << "cam.example.org" << false << "my.server.org|old.domain";
        QTest::newRow("dropped: maker service") << "DDNS" << "cam.example.org" << false
                                                << "my.server.org|old.domain";
        QTest::newRow("dropped: None") << "None" << "cam.example.org" << false << "my.server.org|old.domain";
        const QString longName = QString(97, 'a') + QString("\u00e9\u00e9");
        QTest::newRow("cut to 99 bytes") << "Dynamic DNS" << longName << true
                                         << QString(97, 'a') + QString("\u00e9|");
    }
    void typeServer()
    {
        QFETCH(QString, type);
        QFETCH(QString, typed);
        PropNetddns d = record(type.toLatin1().constData());
        QTEST(TDdnsForm::typeServer(d, typed), "taken");
        QString server = QString::fromUtf8(d.server, int(qstrnlen(d.server, sizeof d.server)));
        QString domain = QString::fromUtf8(d.domain, int(qstrnlen(d.domain, sizeof d.domain)));
        // The long row: the server holds its whole characters, the domain
        // (server and 13 more bytes) is cut too.
        if (typed.size() > 90) {
            QCOMPARE(int(qstrnlen(d.domain, sizeof d.domain)) <= 99, true);
            QVERIFY(domain.startsWith("001a2b3c4d5e."));
            domain.clear();
        }
        QTEST(server + "|" + domain, "stored");
    }

    // Every variant's list: each offered type is in the table and fits the
    // field; the rules at its position keep the state label exactly for
    // a position other than 0 or a host service whose type is its host.
    void everyList_data()
    {
        QTest::addColumn<int>("oem");
        for (int oem = -1; oem <= 12; ++oem)
            QTest::newRow(qPrintable(QString("oem %1").arg(oem))) << oem;
    }
    void everyList()
    {
        QFETCH(int, oem);
        const QVector<QByteArray> list = TDdnsService::offered(oem);
        QVERIFY(!list.isEmpty());
        for (int pos = 0; pos < list.size(); ++pos) {
            const QByteArray type = list[pos].isEmpty() ? QByteArray("None") : list[pos];
            QVERIFY2(type.size() <= TDdnsService::TYPE_MAX, type.constData());
            const TDdnsService::Service* s = TDdnsService::find(type);
            QCOMPARE(s == nullptr, list[pos].isEmpty());
            PropNetddns d = record("");
            TDdnsForm::choose(d, QString::fromLatin1(type));
            const TDdnsForm::View v = TDdnsForm::apply(d, pos);
            const bool hostType = s && (s->form == TDdnsService::FormShortName ||
                                        s->form == TDdnsService::FormUpperCase);
            QCOMPARE(v.clearStatus, pos == 0 && !hostType);
            if (pos == 0 && !hostType)
                QCOMPARE(enabledText(v).left(5), QString("-----"));
            QCOMPARE(QByteArray(d.type), type);
        }
    }

    // The table itself: every type fits `type`, the kinds of host service
    // come in the numbers the variants need, each with its record.
    void table()
    {
        int n = 0;
        const TDdnsService::Service* all = TDdnsService::all(&n);
        int forms[16] = {};
        for (int i = 0; i < n; ++i) {
            QVERIFY2(qstrlen(all[i].type) <= TDdnsService::TYPE_MAX, all[i].type);
            QCOMPARE(TDdnsService::find(QByteArray(all[i].type)), &all[i]);
            ++forms[all[i].form];
            if (all[i].form == TDdnsService::FormShortName)
                QCOMPARE(all[i].flag, 1);
        }
        QCOMPARE(forms[TDdnsService::FormShortName], 3);
        QCOMPARE(forms[TDdnsService::FormFixedHost], 2);
        QCOMPARE(forms[TDdnsService::FormUpperCase], 1);
        QCOMPARE(forms[TDdnsService::FormBrandedUrl], 1);
        const TDdnsService::Service* upper = TDdnsService::find(QByteArray("ddns.hcview.com"));
        QCOMPARE(upper->port, 7100);
        QCOMPARE(TDdnsService::find(QByteArray("DVRDNS"))->port, 4000);
        QCOMPARE(TDdnsService::find("DVRDNS Plus\0junk", 16)->form, int(TDdnsService::FormFixedHost));
        QVERIFY(!TDdnsService::find("None", 16));
    }
};

QTEST_GUILESS_MAIN(TDdnsFormTest)
#include "tddnsformtest.moc"
