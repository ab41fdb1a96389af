// The main window's keys as the device reports them: combined keys and
// their routing, the menu driven by the jog dial, channel entry with its
// six-second window, the hidden output sequence and the live key map.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tlogin.h"
#include "tvkeyboard.h"

#include <QMenu>
#include <QSettings>

namespace {

// The key's press and release, as the device sends them.
void press(TMainRig& rig, int key)
{
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, key);
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_RELEASE, key);
}

// A split layout with more than one page (the quad on 16 inputs).
int splitLayout()
{
    for (int i = 0; i < g_api.m_numLayout; ++i)
        if (g_api.layoutAt(i) > 1 && g_api.numLayoutSwitch(g_api.layoutAt(i)) >= 2)
            return g_api.layoutAt(i);
    return -1;
}

void showSplit(TMainRig& rig)
{
    const int split = splitLayout();
    QVERIFY(split > 1);
    rig.w->changeLayout(split, 0);
    QVERIFY(rig.w->splitTh()->wait(5000));
    QCOMPARE(g_api.m_layout, split);
}

QString windows(const TMainRig& rig)
{
    return QStringLiteral("sysinfo:%1 alarm:%2 login:%3")
        .arg(rig.w->wnd(ID_WND_SYSINFO)->isVisible())
        .arg(rig.w->wnd(ID_WND_ALARMCTRL)->isVisible())
        .arg(rig.w->m_loggedIn);
}

} // namespace

class TMainKeysTest : public QObject
{
    Q_OBJECT
private slots:
    // Where a key ends: the first window shown takes it (the information
    // bar does not count), otherwise the live map; the front panel's
    // MENU/EXIT and LOCK/EXIT keys are Escape where Escape has a use.
    void routing_data()
    {
        QTest::addColumn<int>("open"); // window shown first, -1 none
        QTest::addColumn<int>("loggedIn");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("want");
        QTest::newRow("MENU/EXIT to a window: Escape")
            << int(ID_WND_SYSINFO) << 0 << int(Qt::Key_F33) << "sysinfo:0 alarm:0 login:0";
        QTest::newRow("LOCK/EXIT logged out: Escape")
            << int(ID_WND_ALARMCTRL) << 0 << int(Qt::Key_F29) << "sysinfo:0 alarm:0 login:0";
        QTest::newRow("LOCK/EXIT logged in, a window: Escape")
            << int(ID_WND_SYSINFO) << 1 << int(Qt::Key_F29) << "sysinfo:0 alarm:0 login:1";
        QTest::newRow("LOCK/EXIT logged in, nothing open: Lock")
            << -1 << 1 << int(Qt::Key_F29) << "sysinfo:0 alarm:0 login:0";
        QTest::newRow("ZoomOut to a window: Escape")
            << int(ID_WND_SYSINFO) << 0 << int(Qt::Key_ZoomOut) << "sysinfo:0 alarm:0 login:0";
        QTest::newRow("the bar shown: the live map")
            << int(ID_WND_INFO) << 0 << int(Qt::Key_A) << "sysinfo:1 alarm:0 login:0";
        QTest::newRow("a window shown: not the live map")
            << int(ID_WND_ALARMCTRL) << 0 << int(Qt::Key_A) << "sysinfo:0 alarm:1 login:0";
    }
    void routing()
    {
        QFETCH(int, open);
        QFETCH(int, loggedIn);
        QFETCH(int, key);
        TMainRig rig;
        rig.w->m_loggedIn = loggedIn;
        if (open == ID_WND_INFO)
            rig.w->show(); // the bar lives on the main window
        if (open >= 0)
            rig.w->wnd(open)->show();
        QCOMPARE(open < 0 || rig.w->wnd(open)->isVisible(), true);
        QFETCH(QString, want);
        press(rig, key);
        QCoreApplication::processEvents();
        QTRY_COMPARE(windows(rig), want);
    }

    // With the menu open the jog dial moves the highlight and ZoomIn
    // chooses: twelve steps down is "System Information".
    void menuByJog()
    {
        TMainRig rig;
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [&rig, poll] {
            if (!rig.w->m_menu->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            for (int i = 0; i < 12; ++i)
                rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, KEY_JOG_RIGHT);
            rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, Qt::Key_ZoomIn);
        });
        poll->start(10);
        press(rig, Qt::Key_Menu);
        QTRY_VERIFY(rig.w->wnd(ID_WND_SYSINFO)->isVisible());
        QVERIFY(!rig.w->m_menu->isVisible());
    }

    // Keys reach the focused control of their window even when the platform
    // left no window active (a bare X server, the offscreen platform after
    // a top-level box went): Enter on the login chooser asks the password.
    void keysWithoutActiveWindow()
    {
        TMainRig rig;
        rig.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.w));
        press(rig, Qt::Key_F20);
        QVERIFY(rig.w->wnd(ID_WND_LOGIN)->isVisible());
        QApplication::setActiveWindow(nullptr);
        press(rig, Qt::Key_Enter);
        QTRY_VERIFY(g_vkeyboard->isVisible());
    }

    // Channel entry: a digit is its camera, 0 alone camera 10, 10+ opens
    // six seconds for the next key; a number the unit lacks does nothing.
    void channelEntry_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("keys"); // digits, T: 10+, L: 7 s pass, F1/F12: channel keys
        QTest::addColumn<int>("camera");   // index shown single, -1: the split stays
        QTest::newRow("3") << "16" << "3" << 2;
        QTest::newRow("0 alone") << "16" << "0" << 9;
        QTest::newRow("10+ then 2") << "16" << "T2" << 11;
        QTest::newRow("10+ alone waits") << "16" << "T" << -1;
        QTest::newRow("10+ twice, 16 inputs") << "16" << "TT" << 9;
        QTest::newRow("10+ twice, 20 inputs") << "20" << "TT" << 19;
        QTest::newRow("10+, 7 s later 2") << "16" << "TL2" << 1;
        QTest::newRow("10+ then 7 on 16 inputs") << "16" << "T7" << -1;
        QTest::newRow("10+ on 8 inputs, then 2") << "8" << "T2" << 1;
        QTest::newRow("channel key F1") << "16" << "F1" << 10;
        QTest::newRow("channel key F12 on 16 inputs") << "16" << "F12" << -1;
        QTest::newRow("channel key F12 on 20 inputs") << "20" << "F12" << 19;
    }
    void channelEntry()
    {
        QFETCH(QString, profile);
        QFETCH(QString, keys);
        QFETCH(int, camera);
        TMainRig rig(qPrintable(profile));
        showSplit(rig);
        const int split = g_api.m_layout;
        if (keys.startsWith('F')) {
            press(rig, Qt::Key_F1 + keys.mid(1).toInt() - 1);
        } else {
            for (const QChar c : keys) {
                if (c == 'L')
                    rig.w->m_chKeyTime = rig.w->m_chKeyTime.addSecs(-7);
                else
                    press(rig, c == 'T' ? int(Qt::Key_F30) : Qt::Key_0 + c.digitValue());
            }
        }
        QVERIFY(rig.w->splitTh()->wait(5000));
        if (camera < 0) {
            QCOMPARE(g_api.m_layout, split);
        } else {
            QCOMPARE(g_api.m_layout, 1);
            QCOMPARE(g_api.orderOf(g_api.m_sw), camera);
            QCOMPARE(rig.w->m_audioCh, camera);
        }
    }

    // The layout keys from the device, in the single view: a layout the
    // unit lists is shown, one it lacks is not asked of the output at all.
    void layoutKeys_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<int>("layout"); // shown after the key
        QTest::newRow("4 inputs, KR22: quad") << "4" << QByteArray("KR22") << 2;
        QTest::newRow("4 inputs, KR33: nine not listed") << "4" << QByteArray("KR33") << 1;
        QTest::newRow("4 inputs, KR44: sixteen not listed") << "4" << QByteArray("KR44") << 1;
        QTest::newRow("4 inputs, KR41: layout 10 not listed") << "4" << QByteArray("KR41") << 1;
        QTest::newRow("16 inputs, KR33: nine") << "16" << QByteArray("KR33") << 4;
        QTest::newRow("16 inputs, KR44: sixteen") << "16" << QByteArray("KR44") << 9;
        QTest::newRow("16 inputs, KR41: layout 10 not listed") << "16" << QByteArray("KR41") << 1;
    }
    void layoutKeys()
    {
        QFETCH(QString, profile);
        QFETCH(QByteArray, word);
        QFETCH(int, layout);
        TMainRig rig(qPrintable(profile));
        rig.w->changeLayout(1, 0);
        QVERIFY(rig.w->splitTh()->wait(5000));
        QCOMPARE(g_api.m_layout, 1);
        dalTestJournalClear();
        // The log is served after the window: its entry means the window
        // has had the key's notification.
        TSignalLog notes(&g_api, &TDVRAPI::sg_dvrNotify);
        QCOMPARE(dalTestControlLine(("key " + word + " press").constData()), 0);
        QVERIFY(notes.wait());
        QCOMPARE(notes.first().at(0).toInt(), int(SIG_LAYOUT_CHANGE));
        QVERIFY(rig.w->splitTh()->wait(5000));
        QCOMPARE(g_api.m_layout, layout);
        QCOMPARE(TMainRig::calls("DalVoutSetLayout("), layout == 1 ? 0 : 1);
    }

    // The hidden sequence anywhere in the digits typed sets the 800 x 600
    // output and keeps resolution 0 in both copies and in flash; anything
    // else in between starts it over.
    void hiddenSequence_data()
    {
        QTest::addColumn<QString>("keys"); // digits; A: a non-digit key
        QTest::addColumn<bool>("set");
        QTest::newRow("the sequence") << "317529" << true;
        QTest::newRow("after one digit") << "9317529" << true;
        QTest::newRow("two digits before: seven kept at most") << "99317529" << false;
        QTest::newRow("a key between") << "3175A29" << false;
        QTest::newRow("10+ is 0, not 2") << "31750" << false;
        QTest::newRow("five digits") << "31752" << false;
    }
    void hiddenSequence()
    {
        QFETCH(QString, keys);
        QFETCH(bool, set);
        TMainRig rig;
        for (const QChar c : keys)
            press(rig, c == 'A' ? int(Qt::Key_A) : Qt::Key_0 + c.digitValue());
        QVERIFY(rig.w->splitTh()->wait(5000));
        const int want = set ? 0 : 3;
        for (int live : {0, 1})
            QCOMPARE(static_cast<PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live))->res, want);
        QCOMPARE(TMainRig::calls("DalCmd(\"vga-type\"") > 0, set);
        if (set) {
            QSettings flash(rig.fx.root.file(g_cfg->confPath()), QSettings::IniFormat);
            QCOMPARE(flash.value(QStringLiteral("DISPLAY/res")).toInt(), 0);
        }
        QVERIFY(rig.w->m_keySeq.size() <= 6);
    }

    // The live key map, one key a row: the state it changes.
    void liveMap_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("want");
        QTest::newRow("INFO: OSD off") << int(Qt::Key_F22) << false << "osd" << "0";
        QTest::newRow("STATUS: system information") << int(Qt::Key_F35) << false << "sysinfo" << "1";
        QTest::newRow("mute: audio off") << int(Qt::Key_VolumeMute) << false << "audio" << "-1";
        QTest::newRow("SEQ: next page") << int(Qt::Key_F34) << false << "page" << "1";
        QTest::newRow("DISPLAY: next layout") << int(Qt::Key_F18) << false << "layout+1" << "1";
        QTest::newRow("Up: sequence on") << int(Qt::Key_Up) << false << "seq" << "1";
        QTest::newRow("Down: sequence on") << int(Qt::Key_Down) << false << "seq" << "1";
        QTest::newRow("FREEZE") << int(KEYMOD_ALT + Qt::Key_Pause) << false << "frozen" << "1";
        QTest::newRow("PLAY logged out: login first") << int(Qt::Key_Play) << false << "pending"
                                                      << QString("STR_KEY_PLAY %1").arg(int(Qt::Key_Play));
        QTest::newRow("FB: reverse") << int(Qt::Key_F17) << false << "pending"
                                     << QString("STR_KEY_PLAY %1").arg(int(Qt::Key_F25));
        QTest::newRow("SLOW: slow forward") << int(Qt::Key_F31) << false << "pending"
                                            << QString("STR_KEY_PLAY %1").arg(int(Qt::Key_F28));
        QTest::newRow("Left in playback: a frame back") << int(Qt::Key_Left) << true << "steps" << "DalDecStep(0)";
        QTest::newRow("Right in playback: a frame on") << int(Qt::Key_Right) << true << "steps" << "DalDecStep(1)";
        QTest::newRow("Left live: nothing") << int(Qt::Key_Left) << false << "steps" << "";
        QTest::newRow("PANIC key: no camera") << int(Qt::Key_F9) << false << "layout+1" << "0";
    }
    void liveMap()
    {
        QFETCH(int, key);
        QFETCH(bool, playing);
        QFETCH(QString, field);
        TMainRig rig;
        showSplit(rig);
        const int layoutIdx = g_api.layoutIndex(g_api.m_layout);
        rig.w->selAudio(3);
        g_api.m_play = playing;
        g_api.m_rate = 1.0;
        dalTestJournalClear();
        press(rig, key);
        QVERIFY(rig.w->splitTh()->wait(5000));
        g_api.m_play = 0;
        QString got;
        if (field == "osd")
            got = QString::number(rig.w->m_osdOn);
        else if (field == "sysinfo")
            got = QString::number(rig.w->wnd(ID_WND_SYSINFO)->isVisible());
        else if (field == "audio")
            got = QString::number(rig.w->m_audioCh);
        else if (field == "page")
            got = QString::number(g_api.m_sw);
        else if (field == "layout+1")
            got = QString::number(g_api.layoutIndex(g_api.m_layout) - layoutIdx);
        else if (field == "seq")
            got = QString::number(rig.w->m_seqOn);
        else if (field == "frozen")
            got = QString::number(g_api.m_frozen);
        else if (field == "pending")
            got = !rig.w->wnd(ID_WND_LOGIN)->isHidden() ? rig.w->m_pendingCmd + ' ' + QString::number(rig.w->m_pendingArg)
                                                        : QString();
        else if (field == "steps")
            got = TMainRig::journal("DalDecStep").join(' ');
        QTEST(got, "want");
    }
};

DVR_APP_TEST_MAIN(TMainKeysTest)
#include "tmain-keystest.moc"
