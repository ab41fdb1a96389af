// The S.M.A.R.T. page and its eSATA variant with the enclosures' detail
// window, offscreen in the setup frame: the settings in the edit copy, the
// alarm list, the request for readings, the readings' texts, the keys.
#include "ctlres.h"
#include "systempagerig.h"
#include "storagerecords.h"
#include "tcombo.h"
#include "tsetupsmart.h"
#include "tsetupsmartesata.h"
#include "tsetupsmartinfo.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

// The S.M.A.R.T. page of a unit with `disks` disks and the given outputs,
// with the checks on or off.
struct Rig : SystemRig
{
    Rig(int disks, int on, int relays = 1, int outputs = 7) : SystemRig(disks, relays, outputs)
    {
        for (int live : {0, 1})
            static_cast<PropSmart*>(fx.cfg->getsection(IDX_PROP_SMART, live))->on = on;
    }
    bool open() { return SystemRig::open(Btn_System_Smart); }
    TSetupSmart* page() const { return static_cast<TSetupSmart*>(w->page(Btn_System_Smart)); }
    TSetupSmartEsata* esata() const { return qobject_cast<TSetupSmartEsata*>(page()); }
    PropSmart* edit() { return SystemRig::edit<PropSmart>(IDX_PROP_SMART); }
    void answer(const SmartInfo& s) { SystemRig::answer(SetupAct::Act_InfoSmart, s); }
};

// Readings for the disks given, each with its own values: temperature
// 30 + disk, errors = disk, 12 tests, disk bad sectors, hours 24 * disk.
SmartInfo read(const QVector<int>& valid)
{
    SmartInfo s;
    std::memset(&s, 0, sizeof s);
    for (int d : valid) {
        s.valid[d] = 1;
        s.totalTest[d] = 12;
        s.error[d] = d;
        s.temp[d] = 30 + d;
        s.badSectors[d] = d;
        s.powerOnHours[d] = 24 * d;
    }
    return s;
}

QString row(const TSetupSmart* p, int r)
{
    QStringList out;
    for (int c = 0; c < TSetupSmart::COLUMNS; ++c)
        out << p->reading(r, c);
    return out.join('|');
}

QString row(const TSetupSmartInfo* w, int r)
{
    QStringList out;
    for (int c = 0; c < 4; ++c)
        out << w->reading(r, c);
    return out.join('|');
}

} // namespace

class TSetupSmartTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 3); }

    // The readings are asked for after the show, only with the checks on:
    // 500 ms on the plain page, 100 ms on the eSATA page.
    void request_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("on");
        QTest::addColumn<bool>("esata");
        QTest::addColumn<int>("focusEntries");
        QTest::newRow("plain, on") << 2 << 1 << false << 22;
        QTest::newRow("plain, off") << 2 << 0 << false << 22;
        QTest::newRow("eSATA, on") << 16 << 1 << true << 24;
        QTest::newRow("eSATA, off") << 16 << 0 << true << 24;
    }
    void request()
    {
        QFETCH(int, disks);
        QFETCH(int, on);
        QFETCH(bool, esata);
        QFETCH(int, focusEntries);
        Rig rig(disks, on);
        QCOMPARE(rig.esata() != nullptr, esata);
        QVERIFY(rig.open());
        QCOMPARE(rig.page()->focusTable().size(), focusEntries);
        QElapsedTimer t;
        t.start();
        QCOMPARE(rig.sent(), QStringList()); // nothing at the show itself
        const bool came = rig.spy->wait(1500);
        QCOMPARE(came, on != 0);
        if (came) {
            QVERIFY(t.elapsed() >= (esata ? 80 : 400));
            QCOMPARE(rig.sent(), QStringList{"72,0,0"});
        }
        // The five lists (and the enclosures' buttons) follow the switch;
        // switching asks nothing.
        for (int k = 0; k < 5; ++k)
            QCOMPARE(rig.page()->combo(k)->isEnabled(), on != 0);
        if (esata)
            QCOMPARE(rig.esata()->esataButton(1)->isEnabled(), on != 0);
        QTest::mouseClick(rig.page()->onBox(), Qt::LeftButton);
        QCOMPARE(rig.edit()->on, on ? 0 : 1);
        QCOMPARE(rig.page()->combo(2)->isEnabled(), on == 0);
        if (esata)
            QCOMPARE(rig.esata()->esataButton(0)->isEnabled(), on == 0);
        QVERIFY(!rig.spy->wait(esata ? 300 : 700));
    }

    // The texts of one reading.
    void texts_data()
    {
        QTest::addColumn<int>("temp");
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("bad");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("want");
        const QString deg(QChar(0xB0));
        QTest::newRow("38 degrees") << 38 << 23 << 0 << 0 << "0 / 12|38" + deg + "C (100" + deg + "F)|0 / Ok|0.9";
        QTest::newRow("0 degrees") << 0 << 48 << 0 << 0 << "0 / 12|0" + deg + "C (32" + deg + "F)|0 / Ok|2";
        QTest::newRow("45 degrees, bad verdict") << 45 << 1000 << 7 << 1
                                                 << "0 / 12|45" + deg + "C (113" + deg + "F)|7 / Error|41.6";
    }
    void texts()
    {
        QFETCH(int, temp);
        QFETCH(int, hours);
        QFETCH(int, bad);
        QFETCH(int, result);
        QFETCH(QString, want);
        Rig rig(2, 1);
        QVERIFY(rig.open());
        SmartInfo s = read({0});
        s.error[0] = 0;
        s.temp[0] = temp;
        s.powerOnHours[0] = hours;
        s.badSectors[0] = bad;
        s.result[0] = result;
        rig.answer(s);
        QCOMPARE(row(rig.page(), 0), want);
    }

    // Rows with readings: the first two disks on the plain page, four on the
    // eSATA page; a disk not read keeps what it showed; an answer reaches
    // the page even when it is hidden.
    void rows_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("valueRows");
        QTest::addColumn<int>("numbered");
        QTest::newRow("one disk") << 1 << 1 << 1;
        QTest::newRow("three disks") << 3 << 2 << 3;
        QTest::newRow("eSATA") << 16 << 4 << 4;
    }
    void rows()
    {
        QFETCH(int, disks);
        QFETCH(int, valueRows);
        QFETCH(int, numbered);
        Rig rig(disks, 1);
        QCOMPARE(rig.page()->valueRows(), valueRows);
        QCOMPARE(rig.page()->numberedRows(), numbered);
        QVERIFY(rig.open());
        QTest::mouseClick(rig.w->button(Btn_System_Strg), Qt::LeftButton);
        QVERIFY(!rig.page()->isVisible());
        rig.answer(read({0, 1, 2, 3}));
        const QString deg(QChar(0xB0));
        for (int r = 0; r < 4; ++r)
            QCOMPARE(row(rig.page(), r).isEmpty() || row(rig.page(), r) == "|||", r >= valueRows);
        QCOMPARE(rig.page()->reading(0, 1), "30" + deg + "C (86" + deg + "F)");
        // Disk 1 not read this time: it keeps its texts; disk 0 changes.
        SmartInfo next = read({0});
        next.temp[0] = 50;
        rig.answer(next);
        QCOMPARE(rig.page()->reading(0, 1), "50" + deg + "C (122" + deg + "F)");
        if (valueRows > 1)
            QCOMPARE(rig.page()->reading(1, 0), QStringLiteral("1 / 12"));
        QTest::mouseClick(rig.w->button(Btn_System_Smart), Qt::LeftButton);
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-smart-%1.png").arg(disks))));
    }

    // Readings stay within the rows each window has: the plain page at two
    // disks with values and four numbered, the detail window at six disks
    // of one of the two enclosures.
    void boundedRows()
    {
        TDvrFixture fx;
        static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0))->storage = 9;
        vkeytest::setUpGlobals();
        TSetupSmart p(nullptr, Btn_System_Smart, QSize(640, 480));
        p.init(64);
        QCOMPARE(p.valueRows(), 2);
        QCOMPARE(p.numberedRows(), 4);
        const SmartInfo s = read({0, 1, 2, 3});
        QVERIFY(p.reply(SetupAct::Act_InfoSmart, &s));
        QCOMPARE(p.reading(1, 0), QStringLiteral("1 / 12"));
        QCOMPARE(row(&p, 2), QStringLiteral("|||"));
        TSetupSmartInfo info(nullptr, 0, QSize(560, 300));
        info.init(0);
        info.setFirst(12);
        QCOMPARE(info.first(), 0);
        info.setInfo(read({15}));
        info.setFirst(6);
        info.initSet();
        QCOMPARE(row(&info, 5).section('|', 0, 0), QStringLiteral("15 / 12"));
    }

    // The page's alarm list: relays marked, the other outputs, "Buzzer";
    // Default puts the buzzer back, and Apply asks for the section.
    void alarmList_data()
    {
        QTest::addColumn<int>("relays");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("one relay of four")
            << 1 << 7 << QStringList{"Alarm1(R)", "Alarm2", "Alarm3", "Alarm4", "Buzzer"};
        QTest::newRow("no outputs") << 0 << 3 << QStringList{"Buzzer"};
        QTest::newRow("relays beyond the outputs") << 5 << 5 << QStringList{"Alarm1(R)", "Alarm2(R)", "Buzzer"};
    }
    void alarmList()
    {
        QFETCH(int, relays);
        QFETCH(int, outputs);
        QFETCH(QStringList, items);
        QCOMPARE(TSetupSmart::alarmList(relays, outputs), items);
        Rig rig(2, 1, relays, outputs);
        QVERIFY(rig.open());
        auto* c = static_cast<TCombo*>(rig.page()->combo(4));
        QStringList shown;
        for (int i = 0; i < c->count(); ++i)
            shown << c->itemText(i);
        QCOMPARE(shown, items);
        c->setCurrentIndex(0);
        QCOMPARE(rig.edit()->alarm, 0);
        static_cast<TCombo*>(rig.page()->combo(3))->setCurrentIndex(2);
        QCOMPARE(rig.edit()->heat, 2);
        QTest::mouseClick(static_cast<TButton*>(rig.page()->defaultButton()), Qt::LeftButton);
        QCOMPARE(rig.edit()->alarm, outputs - 3);
        QCOMPARE(rig.edit()->heat, 9);
        QCOMPARE(rig.edit()->on, 0);
        QCOMPARE(c->currentText(), QStringLiteral("Buzzer"));
        QVERIFY(!c->isEnabled());
        rig.sent();
        QTest::mouseClick(static_cast<TButton*>(rig.page()->applyButton()), Qt::LeftButton);
        QCOMPARE(rig.sent(), QStringList{"35,0,0"});
    }

    // The enclosures' window: six rows numbered from the enclosure's first
    // disk with the readings of the last answer; it asks nothing; OK, Enter
    // and Escape close it and put the focus back on its button, Escape
    // without cancelling the setup.
    void detailWindow_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("close"); // ok, enter, escape
        QTest::addColumn<int>("firstNumber");
        QTest::newRow("eSATA1 by OK") << 0 << "ok" << 1;
        QTest::newRow("eSATA2 by Enter") << 1 << "enter" << 7;
        QTest::newRow("eSATA2 by Escape") << 1 << "escape" << 7;
    }
    void detailWindow()
    {
        QFETCH(int, button);
        QFETCH(QString, close);
        QFETCH(int, firstNumber);
        Rig rig(16, 1);
        QVERIFY(rig.open());
        QTRY_VERIFY(!rig.spy->isEmpty());
        QCOMPARE(rig.sent(), QStringList{"72,0,0"});
        // Disks 5, 7, 11 and 16 read.
        rig.answer(read({4, 6, 10, 15}));
        TSetupSmartEsata* p = rig.esata();
        TSetupSmartInfo* info = p->infoWnd();
        QTest::mouseClick(p->esataButton(button), Qt::LeftButton);
        QVERIFY(info->isVisible());
        QCOMPARE(info->title(), button ? QStringLiteral("eSATA2") : QStringLiteral("eSATA1"));
        QCOMPARE(info->first() + 1, firstNumber);
        const QString deg(QChar(0xB0));
        if (button == 0) {
            QCOMPARE(row(info, 0), "4 / 12|34" + deg + "C (93" + deg + "F)|4 / Ok|4");
            QCOMPARE(row(info, 1), QStringLiteral("|||"));
            QCOMPARE(row(info, 2).section('|', 0, 0), QStringLiteral("6 / 12"));
        } else {
            QCOMPARE(row(info, 0).section('|', 0, 0), QStringLiteral("10 / 12"));
            QCOMPARE(row(info, 5).section('|', 3, 3), QStringLiteral("15"));
            QCOMPARE(row(info, 3), QStringLiteral("|||"));
        }
        QTRY_VERIFY(info->okButton()->hasFocus());
        QVERIFY(rig.w->grab().save(vkeytest::grabPath("setup-smart-esata.png")));
        QVERIFY(info->grab().save(vkeytest::grabPath(QString("setup-smart-info-%1.png").arg(button + 1))));
        if (close == "ok")
            QTest::mouseClick(info->okButton(), Qt::LeftButton);
        else
            rig.key(close == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        QTRY_VERIFY(!info->isVisible());
        QVERIFY(rig.w->isVisible());
        QTRY_VERIFY(p->esataButton(button)->hasFocus());
        QCOMPARE(rig.sent(), QStringList());
        // The next opening starts empty and shows the last answer again.
        QTest::mouseClick(p->esataButton(0), Qt::LeftButton);
        QCOMPARE(row(info, 0).section('|', 0, 0), QStringLiteral("4 / 12"));
        QTest::mouseClick(info->okButton(), Qt::LeftButton);
    }

    // Leaving the page, or the setup, with the window open closes it.
    void windowClosedWithPage_data()
    {
        QTest::addColumn<bool>("leaveSetup");
        QTest::newRow("other page") << false;
        QTest::newRow("setup cancelled") << true;
    }
    void windowClosedWithPage()
    {
        QFETCH(bool, leaveSetup);
        Rig rig(16, 1);
        QVERIFY(rig.open());
        QTest::mouseClick(rig.esata()->esataButton(0), Qt::LeftButton);
        QVERIFY(rig.esata()->infoWnd()->isVisible());
        if (leaveSetup)
            rig.w->sl_btnclicked(Btn_Cancel, 0);
        else
            rig.w->sl_btnclicked(Btn_System_Strg, 0);
        QVERIFY(!rig.page()->isVisible());
        QVERIFY(!rig.esata()->infoWnd()->isVisible());
    }
};

QTEST_MAIN(TSetupSmartTest)
#include "tsetupsmarttest.moc"
