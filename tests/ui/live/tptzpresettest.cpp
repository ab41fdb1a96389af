// The PTZ preset pad: number entry, its actions and the names stored in the
// edit copy, driven by keys and the mouse as an operator would.
#include "livetestenv.h"
#include "tbutton.h"
#include "tmsgwnd.h"
#include "tptzpreset.h"
#include "tvkeyboard.h"
#include "wndcodes.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

struct Rig
{
    Rig()
    {
        PresetItem& p3 = static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, 0))->ch[1].preset[2];
        p3.on = 1;
        qstrncpy(p3.name, "Dock", sizeof p3.name);
        PresetItem& p5 = static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, 0))->ch[1].preset[4];
        p5.on = 1;
        qstrncpy(p5.name, "Yard", sizeof p5.name);
        g_msgWnd = new TMsgWnd(nullptr, 1, g_res->getSize(1));
        g_msgWnd->init(0);
        g_vkeyboard = new TVKeyboard(nullptr, 2, g_res->getSize(2));
        g_vkeyboard->initCtrl();
        pad = new TPtzpreset(nullptr, 2, g_res->getSize(103));
        pad->init(0);
        pad->setChannel(1);
    }
    ~Rig()
    {
        delete pad;
        delete g_vkeyboard;
        delete g_msgWnd;
        g_vkeyboard = nullptr;
        g_msgWnd = nullptr;
    }
    // Digits are typed; R S C X are Run, Set, Clear and Exit by key.
    void type(const QString& keys)
    {
        for (QChar c : keys) {
            const int k = c.isDigit() ? Qt::Key_0 + c.digitValue() : c == 'R' ? Qt::Key_Enter : c == 'S' ? Qt::Key_F21
                                                                  : c == 'C' ? Qt::Key_Stop  : Qt::Key_Escape;
            vkeytest::key(pad, k);
        }
    }
    const PresetItem& item(int n) const
    {
        return static_cast<PropPreset*>(fx.cfg->getsection(IDX_PROP_PRESET, 0))->ch[1].preset[n - 1];
    }

    TDvrFixture fx;
    TPtzpreset* pad = nullptr;
};

} // namespace

class TPtzpresetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // What the display shows after the keys.
    void entry_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("256 is too big: 25") << "256" << "25";
        QTest::newRow("a fourth digit after 255") << "2551" << "255";
        QTest::newRow("after an action a new number") << "12R3" << "3";
        QTest::newRow("0 warns and clears") << "0R" << "";
    }
    void entry()
    {
        QFETCH(QString, keys);
        Rig rig;
        QVERIFY(livetest::popup(rig.pad));
        rig.type(keys);
        QTEST(rig.pad->display(), "display");
        const bool warned = keys == "0R";
        QCOMPARE(g_msgWnd->isVisible(), warned);
        if (warned)
            QCOMPARE(g_msgWnd->text(), QStringLiteral("Out Of Range"));
    }

    // Each action as requests and as the edit copy; the name keyboard
    // answered OK ("=name") or cancelled ("=-").
    void actions_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("preset"); // "n:on:name" of the preset touched afterwards
        QTest::newRow("Run 1 sends preset 0") << "1R" << "" << QStringList{"0:0"} << "";
        QTest::newRow("Run 200") << "200R" << "" << QStringList{"0:199"} << "";
        QTest::newRow("Set 40 opens nothing") << "40S" << "" << QStringList{} << "";
        QTest::newRow("Clear 40 reaches the camera only") << "40C" << "" << QStringList{"2:39"} << "";
        QTest::newRow("Clear 5 drops the name") << "5C" << "" << QStringList{"2:4"} << "5:0:";
        QTest::newRow("Set 3 renamed") << "3S" << "=Dock west" << QStringList{"1:2"} << "3:1:Dock west";
        QTest::newRow("Set 7 named") << "7S" << "=Gate" << QStringList{"1:6"} << "7:1:Gate";
        QTest::newRow("Set 3 cancelled") << "3S" << "=-" << QStringList{} << "3:1:Dock";
        QTest::newRow("Exit without a number") << "X" << "" << QStringList{"3:0"} << "";
    }
    void actions()
    {
        QFETCH(QString, keys);
        QFETCH(QString, answer);
        Rig rig;
        QVERIFY(livetest::popup(rig.pad));
        QSignalSpy spy(rig.pad, &TPtzpreset::sg_request);
        rig.type(keys);
        QCOMPARE(g_vkeyboard->isVisible(), !answer.isEmpty());
        if (!answer.isEmpty()) {
            if (keys.startsWith('3'))
                QCOMPARE(g_vkeyboard->text(), QStringLiteral("Dock")); // the name to edit
            if (answer == "=-") {
                vkeytest::key(g_vkeyboard, Qt::Key_Escape);
            } else {
                g_vkeyboard->setText(answer.mid(1));
                QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
            }
            QVERIFY(!g_vkeyboard->isVisible());
        }
        QStringList sent;
        for (const QList<QVariant>& r : spy)
            sent << QStringLiteral("%1:%2").arg(r.at(0).toInt()).arg(r.at(1).toInt());
        QTEST(sent, "sent");
        QFETCH(QString, preset);
        if (!preset.isEmpty()) {
            const int n = preset.section(':', 0, 0).toInt();
            const PresetItem& it = rig.item(n);
            QCOMPARE(QStringLiteral("%1:%2:%3").arg(n).arg(it.on).arg(QString::fromUtf8(it.name)), preset);
        }
        QCOMPARE(rig.pad->isVisible(), keys != "X");
    }

    // The jog ring walks the cells without typing, then the buttons;
    // Return types the highlighted digit or clicks the focused button.
    void jogRing_data()
    {
        QTest::addColumn<QString>("jogs"); // > forward, < backward, then Return
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("focused"); // button with the focus, -1 none
        QTest::newRow("three forward: the 3") << ">>>" << "3" << -1;
        QTest::newRow("ten forward: the 0") << ">>>>>>>>>>" << "0" << -1;
        QTest::newRow("back once: Exit") << "<" << "" << int(TPtzpreset::BTN_EXIT);
        QTest::newRow("round the ring") << "<>" << "1" << -1;
    }
    void jogRing()
    {
        QFETCH(QString, jogs);
        QFETCH(int, focused);
        Rig rig;
        QVERIFY(livetest::popup(rig.pad));
        QSignalSpy spy(rig.pad, &TPtzpreset::sg_request);
        vkeytest::keys(rig.pad, jogs);
        QCOMPARE(rig.pad->display(), QString()); // walking types nothing
        for (int i = 0; i < TPtzpreset::BTN_COUNT; ++i)
            QCOMPARE(rig.pad->button(i)->hasFocus(), i == focused);
        vkeytest::key(rig.pad, Qt::Key_Return);
        QCoreApplication::processEvents();
        QTEST(rig.pad->display(), "display");
        QCOMPARE(spy.size(), focused == TPtzpreset::BTN_EXIT ? 1 : 0);
    }

    // The mouse types on the cells; a name longer than the field is cut
    // after its last whole character.
    void mouseAndLongName()
    {
        Rig rig;
        QVERIFY(livetest::popup(rig.pad));
        for (int d : {1, 2})
            QTest::mouseClick(rig.pad, Qt::LeftButton, Qt::NoModifier, rig.pad->cellOf(d)->rect.center());
        QCOMPARE(rig.pad->display(), QStringLiteral("12"));
        QVERIFY(rig.pad->grab().save(vkeytest::grabPath("ptzpreset.png")));
        QTest::mouseClick(rig.pad->button(TPtzpreset::BTN_SET), Qt::LeftButton);
        QVERIFY(g_vkeyboard->isVisible());
        const QString name = QString(29, QLatin1Char('n')) + QString::fromUtf8("한글");
        g_vkeyboard->setText(name);
        QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
        QCOMPARE(QByteArray(rig.item(12).name), QByteArray(29, 'n'));
    }
};

QTEST_MAIN(TPtzpresetTest)
#include "tptzpresettest.moc"
