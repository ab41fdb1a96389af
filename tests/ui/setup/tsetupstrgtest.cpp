// The storage page and its eSATA variant offscreen in the setup frame: the
// disk lines from the disks' state, the mirroring rule, the confirmations and
// the requests they send, the settings in the edit copy, the keys.
#include "ctlres.h"
#include "dvrrecords.h"
#include "systempagerig.h"
#include "tcombo.h"
#include "tsetupstrg.h"
#include "tsetupstrgesata.h"

#include <cstring>

using namespace setuptest;
using namespace SetupAct;

namespace {

// The storage page of a unit with `disks` disks, shown.
struct Rig : SystemRig
{
    explicit Rig(int disks) : SystemRig(disks) {}
    bool open() { return SystemRig::open(Btn_System_Strg); }
    TSetupStrg* page() const { return static_cast<TSetupStrg*>(w->page(Btn_System_Strg)); }
    PropStorage* edit() { return SystemRig::edit<PropStorage>(IDX_PROP_STORAGE); }
    void disks(const StorageInfo& s) { answer(SetupAct::Act_InfoStrg, s); }
};

// A disk state record from a pattern, one word a disk: "H:used:total"
// formatted, "N:raw" not formatted, "-" empty, "O" an optical drive; the
// summary follows the facade's rule.
StorageInfo state(const QString& pattern, int mirror = 0)
{
    StorageInfo s;
    std::memset(&s, 0, sizeof s);
    const QStringList words = pattern.split(' ', Qt::SkipEmptyParts);
    bool hard = false;
    bool formatted = false;
    for (int i = 0; i < words.size() && i < 16; ++i) {
        const QStringList f = words[i].split(':');
        DiskEntry& d = s.disk[i];
        QString text;
        if (f[0] == "H") {
            text = ctlText(105);
            d.usedMB = f[1].toInt();
            d.totalMB = f[2].toInt();
            hard = formatted = true;
            if (!(mirror && (i & 1))) {
                s.usedMB += d.usedMB;
                s.totalMB += d.totalMB;
            }
        } else if (f[0] == "N") {
            text = ctlText(109);
            d.totalMB = f[1].toInt();
            hard = true;
        } else if (f[0] == "O") {
            text = ctlText(111) + " (DVD-RW X)";
        } else {
            text = ctlText(203);
        }
        qstrncpy(d.text, text.toUtf8().constData(), sizeof d.text);
    }
    const int summary = hard ? (formatted ? 105 : 109) : 203;
    qstrncpy(s.summary, ctlText(summary).toUtf8().constData(), sizeof s.summary);
    s.mirror = mirror;
    return s;
}

} // namespace

class TSetupStrgTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().size() <= 3); }

    // The frame builds the page of the unit's disks; the plain page asks for
    // the disks as it shows, the eSATA page 100 ms later.
    void variantAndFirstRequest_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<bool>("esata");
        QTest::addColumn<int>("focusEntries");
        QTest::newRow("three disks") << 3 << false << 30;
        QTest::newRow("four disks") << 4 << true << 54;
    }
    void variantAndFirstRequest()
    {
        QFETCH(int, disks);
        QFETCH(bool, esata);
        QFETCH(int, focusEntries);
        Rig rig(disks);
        QCOMPARE(qobject_cast<TSetupStrgEsata*>(rig.page()) != nullptr, esata);
        QVERIFY(rig.open());
        QCOMPARE(rig.sent().contains("69,0,0"), !esata);
        if (esata) {
            QTRY_VERIFY(!rig.spy->isEmpty());
            QCOMPARE(rig.sent(), QStringList{"69,0,0"});
        }
        QCOMPARE(rig.page()->focusTable().size(), focusEntries);
    }

    // A unit reporting more disks than a page has lines is taken at the
    // page's lines; a negative count as none.
    void diskCountBounded_data()
    {
        QTest::addColumn<int>("storage");
        QTest::addColumn<bool>("esata");
        QTest::addColumn<int>("count");
        QTest::newRow("plain page, six disks") << 6 << false << 4;
        QTest::newRow("eSATA page, twenty disks") << 20 << true << 16;
        QTest::newRow("negative count") << -3 << true << 0;
    }
    void diskCountBounded()
    {
        QFETCH(int, storage);
        QFETCH(bool, esata);
        QFETCH(int, count);
        TDvrFixture fx;
        static_cast<PropDevices*>(fx.cfg->getsection(IDX_PROP_DEVICES, 0))->storage = storage;
        vkeytest::setUpGlobals();
        std::unique_ptr<TSetupStrg> p(esata ? new TSetupStrgEsata(nullptr, Btn_System_Strg, QSize(640, 480))
                                            : new TSetupStrg(nullptr, Btn_System_Strg, QSize(640, 480)));
        p->init(64);
        QCOMPARE(p->diskCount(), count);
        // Every disk of the record beyond the count stays off the page.
        const StorageInfo s = state(QString("H:0:953869 ").repeated(16));
        QVERIFY(p->reply(SetupAct::Act_InfoStrg, &s));
        for (int i = 0; i < p->lines(); ++i)
            QCOMPARE(p->diskText(i).isEmpty(), i >= count);
    }

    // Mirroring: allowed only for pairs of equal disks, the second no more
    // than 50 MB smaller; a missing partner forbids it, an empty pair is no
    // pair. The box shows the disks' mirroring.
    void mirroringRule_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("39 MB smaller") << 2 << "H:0:953869 H:0:953830" << true;
        QTest::newRow("69 MB smaller") << 2 << "H:0:953869 H:0:953800" << false;
        QTest::newRow("second larger") << 2 << "H:0:476940 H:0:953869" << true;
        QTest::newRow("not formatted pair") << 2 << "N:953869 N:953869" << true;
        QTest::newRow("partner missing") << 2 << "H:0:953869 -" << false;
        QTest::newRow("three disks") << 3 << "H:0:953869 H:0:953869 H:0:953869" << false;
        QTest::newRow("empty pair ignored") << 4 << "- - H:0:953869 H:0:953869" << true;
        QTest::newRow("second pair refused") << 4 << "H:0:953869 H:0:953869 H:0:953869 H:0:900000" << false;
    }
    void mirroringRule()
    {
        QFETCH(int, count);
        QFETCH(QString, pattern);
        QFETCH(bool, allowed);
        const StorageInfo s = state(pattern);
        QCOMPARE(TSetupStrg::mirrorAllowed(s, count), allowed);
        Rig rig(count);
        QVERIFY(rig.open());
        rig.disks(s);
        QCOMPARE(rig.page()->mirrorBox()->isEnabled(), allowed);
        QVERIFY(rig.page()->mirrorBox()->isVisible());
        // A box the disks do not allow cannot be switched.
        QTest::mouseClick(rig.page()->mirrorBox(), Qt::LeftButton);
        QCOMPARE(rig.msg->isVisible(), allowed);
        QCOMPARE(rig.page()->mirrorBox()->isChecked(), allowed);
    }

    // Each disk line: used/total gigabytes of a formatted disk, "Not Format"
    // (both formattable), or the record's text with "Format" disabled; the
    // Total line and "Run" follow the summary.
    void diskTexts_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("formattable");
        QTest::addColumn<QString>("total");
        QTest::newRow("empty formatted disk") << "H:0:1000000" << "0/976.5 GB" << true << "0/976.5 GB";
        QTest::newRow("whole gigabytes") << "H:0:1048576" << "0/1024 GB" << true << "0/1024 GB";
        QTest::newRow("used space") << "H:512:2048" << "0.5/2 GB" << true << "0.5/2 GB";
        QTest::newRow("not formatted") << "N:953869" << "Not Format" << true << "0/0 GB";
        QTest::newRow("no disk") << "-" << "No HDD" << false << "No HDD";
        QTest::newRow("optical drive") << "O" << "CD/DVD (DVD-RW X)" << false << "No HDD";
    }
    void diskTexts()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, formattable);
        QFETCH(QString, total);
        Rig rig(1);
        QVERIFY(rig.open());
        const StorageInfo s = state(pattern);
        rig.disks(s);
        TSetupStrg* p = rig.page();
        QCOMPARE(p->diskText(0), text);
        QCOMPARE(p->formatButton(0)->isEnabled(), formattable);
        QCOMPARE(p->totalText(), total);
        QCOMPARE(p->allButton()->isEnabled(), total != "No HDD");
        QCOMPARE(p->runButton()->isEnabled(), total != "No HDD");
        // One disk: one line, one alarm box, no mirroring line.
        QVERIFY(p->formatButton(0)->isVisible() && !p->formatButton(1)->isVisible());
        QVERIFY(p->alarmBox(0)->isVisible() && !p->alarmBox(1)->isVisible());
        QVERIFY(!p->mirrorBox()->isVisible());
    }

    // A confirmed format or check sends its request with the Mirroring box
    // as b; CANCEL sends nothing and puts the box back as the disks report.
    void requests_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("mirror");    // the disks run mirrored
        QTest::addColumn<QString>("press"); // f<disk>, all, run, mirror
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<bool>("boxAfter");
        const QStringList none;
        QTest::newRow("disk 1, box checked") << 2 << 1 << "f0" << true << "Format" << "Are You Sure?"
                                             << QStringList{"70,0,1"} << true;
        QTest::newRow("disk 2") << 2 << 0 << "f1" << true << "Format" << "Are You Sure?" << QStringList{"70,1,0"}
                                << false;
        QTest::newRow("all disks") << 2 << 0 << "all" << true << "Format" << "Are You Sure?"
                                   << QStringList{"70,-1,0"} << false;
        QTest::newRow("check") << 2 << 0 << "run" << true << "HDD Check" << "Record will stop.  Continue?"
                               << QStringList{"71,0,0"} << false;
        QTest::newRow("mirroring on") << 2 << 0 << "mirror" << true << "Format" << "Need to format, continue?"
                                      << QStringList{"70,-2,1"} << true;
        QTest::newRow("mirroring off") << 2 << 1 << "mirror" << true << "Format" << "Need to format, continue?"
                                       << QStringList{"70,-2,0"} << false;
        QTest::newRow("mirroring refused") << 2 << 0 << "mirror" << false << "Format"
                                           << "Need to format, continue?" << none << false;
        QTest::newRow("mirror off refused") << 2 << 1 << "mirror" << false << "Format"
                                            << "Need to format, continue?" << none << true;
        QTest::newRow("format refused") << 2 << 0 << "f0" << false << "Format" << "Are You Sure?" << none << false;
        QTest::newRow("eSATA1 sixth disk") << 16 << 0 << "f9" << true << "Format" << "Are You Sure?"
                                           << QStringList{"70,9,0"} << false;
        QTest::newRow("eSATA all disks") << 16 << 0 << "all" << true << "Format" << "Are You Sure?"
                                         << QStringList{"70,-1,0"} << false;
    }
    void requests()
    {
        QFETCH(int, disks);
        QFETCH(int, mirror);
        QFETCH(QString, press);
        QFETCH(bool, ok);
        QFETCH(QString, title);
        QFETCH(QString, question);
        QFETCH(QStringList, sent);
        QFETCH(bool, boxAfter);
        Rig rig(disks);
        QVERIFY(rig.open());
        QString pattern;
        for (int i = 0; i < disks; ++i)
            pattern += "H:100:953869 ";
        const StorageInfo s = state(pattern, mirror);
        rig.disks(s);
        TSetupStrg* p = rig.page();
        QCOMPARE(p->mirrorBox()->isChecked(), mirror != 0);
        rig.sent();
        TButton* b = press == "all"      ? p->allButton()
                     : press == "run"    ? p->runButton()
                     : press == "mirror" ? p->mirrorBox()
                                         : p->formatButton(press.mid(1).toInt());
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY(rig.msg->isVisible());
        QCOMPARE(rig.msg->title(), title);
        QCOMPARE(rig.msg->text(), question);
        QCOMPARE(rig.sent(), QStringList()); // nothing before the answer
        QTest::mouseClick(rig.msg->button(ok ? MSGBTN_OK : MSGBTN_CANCEL), Qt::LeftButton);
        QVERIFY(!rig.msg->isVisible());
        QCOMPARE(rig.sent(), sent);
        QCOMPARE(p->mirrorBox()->isChecked(), boxAfter);
        // The page stays as it was: the disks' new state comes with the
        // next answer.
        QCOMPARE(p->mirrorLive(), mirror);
    }

    // While the disks run mirrored, the second disk of each pair cannot be
    // formatted on its own; lines beyond the unit's disks stay empty and
    // format nothing.
    void lineStates_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<int>("mirror");
        QTest::addColumn<QString>("enabled"); // one digit a line
        QTest::addColumn<int>("shownText");   // lines with a text
        QTest::newRow("plain, mirrored") << 2 << 1 << "1000" << 2;
        QTest::newRow("eSATA, mirrored") << 16 << 1 << "1010101010101010" << 16;
        QTest::newRow("eSATA, four disks") << 4 << 0 << "1111000000000000" << 4;
        QTest::newRow("eSATA, eleven disks mirrored") << 11 << 1 << "1010101010100000" << 11;
    }
    void lineStates()
    {
        QFETCH(int, disks);
        QFETCH(int, mirror);
        QFETCH(QString, enabled);
        QFETCH(int, shownText);
        Rig rig(disks);
        QVERIFY(rig.open());
        // The record carries every slot as a disk: only the unit's count.
        const StorageInfo s = state(QString("H:0:953869 ").repeated(16), mirror);
        rig.disks(s);
        TSetupStrg* p = rig.page();
        QString got;
        int texts = 0;
        for (int i = 0; i < p->lines(); ++i) {
            got += p->formatButton(i)->isEnabled() ? '1' : '0';
            texts += p->diskText(i).isEmpty() ? 0 : 1;
        }
        QCOMPARE(got, enabled.left(p->lines()));
        QCOMPARE(texts, shownText);
        QVERIFY(rig.w->grab().save(vkeytest::grabPath(QString("setup-storage-%1.png").arg(disks))));
        // A press on a line without a disk asks nothing.
        if (disks < p->lines()) {
            p->sl_btnclicked(disks, 0);
            QVERIFY(!rig.msg->isVisible());
        }
    }

    // The settings go straight into the edit copy; Default resets them and
    // Apply asks for the page's section; the Mirroring box is no setting.
    void settings_data()
    {
        QTest::addColumn<int>("disks");
        QTest::newRow("plain") << 3;
        QTest::newRow("eSATA") << 16;
    }
    void settings()
    {
        QFETCH(int, disks);
        Rig rig(disks);
        QVERIFY(rig.open());
        TSetupStrg* p = rig.page();
        const int overwrite = rig.edit()->overwrite;
        QTest::mouseClick(p->overwriteBox(), Qt::LeftButton);
        QCOMPARE(rig.edit()->overwrite, overwrite ? 0 : 1);
        QTest::mouseClick(p->alarmBox(disks - 1), Qt::LeftButton);
        QCOMPARE(rig.edit()->alarm[disks - 1], 1);
        static_cast<TCombo*>(p->autoDeleteCombo())->setCurrentIndex(2);
        QCOMPARE(rig.edit()->autodelete, 2);
        static_cast<TCombo*>(p->alarmOutCombo())->setCurrentIndex(1);
        QCOMPARE(rig.edit()->alarm_type, 1);
        const int mirror = rig.edit()->mirror;
        QTest::mouseClick(p->mirrorBox(), Qt::LeftButton);
        QTest::mouseClick(rig.msg->button(MSGBTN_CANCEL), Qt::LeftButton);
        QCOMPARE(rig.edit()->mirror, mirror);
        rig.sent();
        QTest::mouseClick(static_cast<TButton*>(p->applyButton()), Qt::LeftButton);
        QCOMPARE(rig.sent(), QStringList{"34,0,0"});
        QTest::mouseClick(static_cast<TButton*>(p->defaultButton()), Qt::LeftButton);
        QCOMPARE(rig.edit()->overwrite, 1);
        QCOMPARE(rig.edit()->alarm[disks - 1], 0);
        QCOMPARE(rig.edit()->autodelete, 0);
        QVERIFY(p->overwriteBox()->isChecked());
        QCOMPARE(static_cast<TCombo*>(p->autoDeleteCombo())->currentIndex(), 0);
    }

    // Keys: the menu's items lead into the page (the eSATA page to the first
    // disk's "Format" while a disk can be formatted), Enter presses, Escape
    // cancels the whole setup.
    void keys_data()
    {
        QTest::addColumn<int>("disks");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("target"); // the control Right from the item reaches
        QTest::newRow("plain") << 2 << "H:0:953869 H:0:953869" << "overwrite";
        QTest::newRow("eSATA") << 16 << "H:0:953869" << "f0";
        QTest::newRow("eSATA, no disk to format") << 16 << "- O" << "overwrite";
    }
    void keys()
    {
        QFETCH(int, disks);
        QFETCH(QString, pattern);
        QFETCH(QString, target);
        Rig rig(disks);
        QVERIFY(rig.open());
        const StorageInfo s = state(pattern);
        rig.disks(s);
        TSetupStrg* p = rig.page();
        rig.w->button(Btn_System_Strg)->setFocus();
        rig.key(Qt::Key_Right);
        QWidget* want = target == "f0" ? static_cast<QWidget*>(p->formatButton(0)) : p->overwriteBox();
        QTRY_VERIFY(want->hasFocus());
        // Down from the overwrite box, or from the first disk on to the next.
        rig.key(Qt::Key_Down);
        QWidget* next = target == "f0" ? static_cast<QWidget*>(p->formatButton(1))
                        : disks >= 2   ? static_cast<QWidget*>(p->mirrorBox())
                                       : p->autoDeleteCombo();
        if (target == "f0")
            next = p->formatButton(1)->isEnabled() ? next : p->allButton();
        QTRY_VERIFY(next->hasFocus());
        // Enter on the overwrite box toggles it.
        if (target == "overwrite") {
            p->overwriteBox()->setFocus();
            const int before = rig.edit()->overwrite;
            rig.key(Qt::Key_Return);
            QTRY_COMPARE(rig.edit()->overwrite, before ? 0 : 1);
        }
        rig.key(Qt::Key_Escape);
        QTRY_VERIFY(!rig.w->isVisible());
    }
};

QTEST_MAIN(TSetupStrgTest)
#include "tsetupstrgtest.moc"
