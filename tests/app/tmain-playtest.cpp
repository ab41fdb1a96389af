// Playback control of the main window against the stand-in: the speed steps
// of every playback command, the start from live view, the stop back to
// live with the delayed release of the medium, and the information bar's
// buttons logged in and out.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "taudiownd.h"
#include "tlogin.h"
#include "tsplitwnd.h"
#include "tbutton.h"
#include "tvkeyboard.h"

namespace {

void press(TMainRig& rig, int key)
{
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, key);
    rig.w->sl_fromDvr(SIG_IO_KEY, KEY_RELEASE, key);
}

// The decoder calls of the journal, the start reduced to its rate.
QString decCalls()
{
    QStringList out;
    for (const QString& l : TMainRig::journal("DalDec")) {
        if (l.startsWith("DalDecStart("))
            out << "DalDecStart(" + l.section(',', -1);
        else if (l.startsWith("DalDecRate(") || l.startsWith("DalDecStep(") || l.startsWith("DalDecStop("))
            out << l;
    }
    return out.join(' ');
}

// Today recorded all day on every camera, its database open, so a start
// from live plays.
void recordToday()
{
    const QByteArray desc = "date " + QDate::currentDate().toString(Qt::ISODate).toLatin1() + "\nrec all 00:00-23:59\n";
    QCOMPARE(dalTestDbDescribe("/data0/data.db6", desc.constData()), 0);
    QCOMPARE(g_api.openDb(0, nullptr), 1);
    dalTestJournalClear();
}

// Account 0 with password "1", logged in through the chooser's answer and
// the text keyboard.
void logIn(TMainRig& rig)
{
    for (int live : {0, 1})
        qstrncpy(static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, live))->user[0].pw, "1", 16);
    emit static_cast<TLogin*>(rig.w->wnd(ID_WND_LOGIN))->sg_request(TLogin::REQ_USER, 0);
    QVERIFY(g_vkeyboard->isVisible());
    vkeytest::key(g_vkeyboard, Qt::Key_1);
    QTest::mouseClick(g_vkeyboard->okButton(), Qt::LeftButton);
    QCOMPARE(rig.w->m_loggedIn, 1);
}

} // namespace

class TMainPlayTest : public QObject
{
    Q_OBJECT
private slots:
    // One command a row, by key or by the bar's index: the rate it leaves
    // and the decoder calls; from live view it starts the last seconds of
    // today at its rate.
    void runDecKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("idx");
        QTest::addColumn<double>("before"); // rate while playing; NaN: live
        QTest::addColumn<QString>("want");
        const double live = qQNaN();
        const int none = -1;
        QTest::newRow("FF from 1") << int(Qt::Key_F26) << none << 1.0 << "DalDecRate(2.00)";
        QTest::newRow("FF steps on") << int(Qt::Key_F26) << none << 32.0 << "DalDecRate(64.00)";
        QTest::newRow("FF after 64") << int(Qt::Key_F26) << none << 64.0 << "DalDecRate(2.00)";
        QTest::newRow("FF from reverse") << int(Qt::Key_F26) << none << -8.0 << "DalDecRate(2.00)";
        QTest::newRow("FR from 1") << int(Qt::Key_F24) << none << 1.0 << "DalDecRate(-2.00)";
        QTest::newRow("FR after -64") << int(Qt::Key_F24) << none << -64.0 << "DalDecRate(-2.00)";
        QTest::newRow("FR from reverse play") << int(Qt::Key_F24) << none << -1.0 << "DalDecRate(-2.00)";
        QTest::newRow("reverse") << int(Qt::Key_F25) << none << 4.0 << "DalDecRate(-1.00)";
        QTest::newRow("slow from 1") << int(Qt::Key_F28) << none << 1.0 << "DalDecRate(0.50)";
        QTest::newRow("slow again") << int(Qt::Key_F28) << none << 0.5 << "DalDecRate(0.25)";
        QTest::newRow("slow reverse") << int(Qt::Key_F27) << none << 1.0 << "DalDecRate(-0.50)";
        QTest::newRow("slow reverse again") << int(Qt::Key_F27) << none << -0.5 << "DalDecRate(-0.25)";
        QTest::newRow("pause in reverse: frame back") << int(Qt::Key_Pause) << none << -1.0 << "DalDecStep(0)";
        QTest::newRow("pause forward: frame on") << int(Qt::Key_Pause) << none << 2.0 << "DalDecStep(1)";
        QTest::newRow("play from pause") << int(Qt::Key_Play) << none << 0.0 << "DalDecRate(1.00)";
        QTest::newRow("bar FF by index") << none << int(Btn_FFwd) << 2.0 << "DalDecRate(4.00)";
        QTest::newRow("key wins over index") << int(Qt::Key_F25) << int(Btn_FFwd) << 1.0 << "DalDecRate(-1.00)";
        QTest::newRow("live: play starts at 1") << int(Qt::Key_Play) << none << live << "DalDecStart(1.00)";
        QTest::newRow("live: pause starts paused") << int(Qt::Key_Pause) << none << live << "DalDecStart(0.00)";
        QTest::newRow("live: FR starts at -2") << none << int(Btn_FRew) << live << "DalDecStart(-2.00)";
        QTest::newRow("index below the commands") << none << int(Btn_Audio) << 1.0 << "";
        QTest::newRow("other key, no index") << int(Qt::Key_A) << none << 1.0 << "";
    }
    void runDecKey()
    {
        QFETCH(int, key);
        QFETCH(int, idx);
        QFETCH(double, before);
        QFETCH(QString, want);
        TMainRig rig;
        recordToday();
        const bool playing = !qIsNaN(before);
        g_api.m_play = playing;
        g_api.m_rate = playing ? before : 0.0;
        if (playing)
            g_api.m_mode = 1;
        rig.w->runDecKey(key, idx);
        QCOMPARE(decCalls(), want);
        if (!playing) {
            // From live: playback buttons, playback mode.
            QCOMPARE(g_api.m_mode, 1);
            QCOMPARE(rig.bar()->isLiveMode(), 0);
            QCOMPARE(g_api.isPlay(), 1);
            QTRY_COMPARE(rig.bar()->rateText(), g_api.m_rate ? QString("X %1").arg(g_api.m_rate) : "Pause");
        } else if (want.isEmpty()) {
            QCOMPARE(g_api.m_rate, before);
        }
        g_api.m_play = 0;
    }

    // The decoder's played time and date reach the bar from the decoder's
    // own thread, as the device reports them while it plays.
    void playedTimeOnBar()
    {
        TMainRig rig;
        recordToday();
        rig.w->runDecKey(Qt::Key_Play, -1);
        QCOMPARE(rig.bar()->isLiveMode(), 0);
        DecInfo d{};
        d.year = 2026;
        d.month = 12;
        d.day = 24;
        d.time = 3723.4;
        d.rate = 1.0;
        dalTestDec(CBT_DEC_TIME, &d);
        QTRY_COMPARE(rig.bar()->timeText(), QStringLiteral("01:02:03"));
        QCOMPARE(rig.bar()->dateText(), g_cfg->datetext(2026, 12, 24));
        g_api.m_play = 0;
    }

    // The stop from each place it is reached: views restored, live mode,
    // the database closed and the decoder stopped, in that order; the
    // medium is released three seconds later unless a copy or an estimate
    // runs then.
    void stopPlay_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<int>("copying");
        QTest::addColumn<QString>("want");
        const QString full = "DalVoutSetViw DalVoutSetLive(1) DalDecStop()";
        QTest::newRow("Stop key") << "key" << true << 0 << full;
        QTest::newRow("Stop in live view") << "key" << false << 0 << "DalVoutSetViw DalVoutSetLive(1)";
        QTest::newRow("Escape in playback") << "escape" << true << 0 << full;
        QTest::newRow("menu Exit") << "menu" << true << 0 << full;
        QTest::newRow("bar Stop") << "bar" << true << 0 << full;
        QTest::newRow("network upgrade starts") << "upgrade" << true << 0 << full;
        QTest::newRow("a copy runs: medium kept") << "key" << true << 1 << full;
    }
    void stopPlay()
    {
        QFETCH(QString, how);
        QFETCH(bool, playing);
        QFETCH(int, copying);
        TMainRig rig;
        rig.w->m_loggedIn = 1;
        rig.w->runDecKey(Qt::Key_Play, -1);
        g_api.m_play = playing;
        g_api.m_rate = 1.0;
        dalTestJournalClear();
        if (how == "key")
            press(rig, Qt::Key_Stop);
        else if (how == "escape")
            press(rig, Qt::Key_Escape);
        else if (how == "menu")
            rig.w->runMenu(g_str->text(35));
        else if (how == "bar")
            emit rig.bar()->sg_request(Btn_Stop);
        else
            rig.w->sl_fromDvr(SIG_FU_START, 0, 0);
        QStringList calls;
        for (const QString& l : TMainRig::journal("Dal")) {
            if (l.startsWith("DalVoutSetViw"))
                calls << "DalVoutSetViw";
            else if (l.startsWith("DalVoutSetLive") || l.startsWith("DalDecStop"))
                calls << l;
        }
        QTEST(calls.join(' '), "want");
        QCOMPARE(g_api.m_mode, 0);
        QCOMPARE(QPoint(g_api.isPlay(), int(g_api.m_rate)), QPoint(0, 0));
        QCOMPARE(rig.bar()->isLiveMode(), 1);

        // The release waits three seconds; a copy started meanwhile keeps
        // the medium.
        QTimer* later = rig.w->m_umountTimer;
        QVERIFY(later && later->isActive());
        QCOMPARE(later->interval(), 3000);
        QCOMPARE(TMainRig::calls("DalBackupUmount"), 0);
        g_api.m_backupBusy = copying;
        later->start(1);
        QTRY_VERIFY(!later->isActive());
        QCOMPARE(TMainRig::calls("DalBackupUmount"), copying ? 0 : 1);
        QCOMPARE(g_api.m_backupBusy, copying);
        g_api.m_backupBusy = 0;
    }

    // The bar's buttons: a playback button runs at once when logged in;
    // logged out it waits for the login (clearing a menu command left from
    // a cancelled login) and then runs.
    void infobar_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("loggedIn");
        QTest::addColumn<QString>("want"); // decoder calls, chooser, pending
        QTest::newRow("play, logged in") << int(Btn_Play) << 1 << "DalDecStart(1.00) login:0 pending:0 cmd:Setup";
        QTest::newRow("play, logged out") << int(Btn_Play) << 0 << " login:1 pending:14 cmd:";
        QTest::newRow("lock, logged out: Log In") << int(Btn_Lock) << 0 << " login:1 pending:0 cmd:Log In";
        QTest::newRow("date: nothing") << int(Btn_Icon0) << 0 << " login:0 pending:0 cmd:Setup";
        QTest::newRow("beyond the buttons") << int(Btn_Count) << 0 << " login:0 pending:0 cmd:Setup";
    }
    void infobar()
    {
        QFETCH(int, idx);
        QFETCH(int, loggedIn);
        TMainRig rig;
        recordToday();
        // A cancelled login left the setup command pending.
        rig.w->m_pendingCmd = g_str->text(2);
        rig.w->m_loggedIn = loggedIn;
        emit rig.bar()->sg_request(idx);
        const bool chooser = !rig.w->wnd(ID_WND_LOGIN)->isHidden();
        QTEST(QStringLiteral("%1 login:%2 pending:%3 cmd:%4")
                  .arg(decCalls())
                  .arg(int(chooser))
                  .arg(rig.w->m_pendingInfoBtn)
                  .arg(rig.w->m_pendingCmd),
              "want");
        if (!chooser || idx == Btn_Lock)
            return;
        // After the login the button runs, not the stale command.
        rig.w->wnd(ID_WND_LOGIN)->hide();
        logIn(rig);
        QCOMPARE(decCalls(), QString("DalDecStart(1.00)"));
        QCOMPARE(rig.w->m_pendingInfoBtn, 0);
        QVERIFY(!rig.w->wnd(ID_WND_SETUP) || !rig.w->wnd(ID_WND_SETUP)->isVisible());
    }

    // A playback key pressed logged out runs after the login.
    void keyAfterLogin()
    {
        TMainRig rig;
        recordToday();
        press(rig, Qt::Key_F26);
        QVERIFY(!rig.w->wnd(ID_WND_LOGIN)->isHidden());
        QCOMPARE(decCalls(), QString());
        rig.w->wnd(ID_WND_LOGIN)->hide();
        logIn(rig);
        QCOMPARE(decCalls(), QString("DalDecStart(2.00)"));
    }

    // Closing the disk error box silences its buzzer once; any show or hide
    // brings the bar's own turn 100 ms later.
    void afterShow()
    {
        TMainRig rig;
        rig.w->m_diskErrShown = 1;
        rig.box()->show();
        dalTestJournalClear();
        rig.box()->hideWnd();
        QCOMPARE(rig.w->m_diskErrShown, 0);
        const int buzz = TMainRig::calls("DalIoRunBuzzer");
        QVERIFY(buzz > 0);
        rig.box()->show();
        rig.box()->hideWnd();
        QCOMPARE(TMainRig::calls("DalIoRunBuzzer"), buzz);
        rig.bar()->hide();
        QTRY_VERIFY(!rig.bar()->isHidden());
    }

    // The choosers from the menu, the keys and the bar: each opens on the
    // layout or audio in use, with the bar out of the way.
    void choosers_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("current");
        QTest::newRow("menu Split") << "menu 11" << int(ID_WND_SPLIT) << 4;
        QTest::newRow("bar Split") << "bar 2" << int(ID_WND_SPLIT) << 4;
        QTest::newRow("menu Audio Out") << "menu 139" << int(ID_WND_AUDIO) << 4;
        QTest::newRow("audio key") << "key" << int(ID_WND_AUDIO) << 4;
        QTest::newRow("bar audio") << "bar 8" << int(ID_WND_AUDIO) << 4;
    }
    void choosers()
    {
        QFETCH(QString, how);
        QFETCH(int, id);
        TMainRig rig;
        rig.w->show();
        // The device comes up first: its start shows the bar again, and on
        // a slow machine it could fall between the chooser's hide and show.
        QVERIFY(QTest::qWaitFor([&] { return rig.w->m_initDone == 1; }, 10000));
        rig.w->selAudio(3);
        rig.bar()->show();
        const int arg = how.section(' ', 1).toInt();
        if (how.startsWith("menu"))
            rig.w->runMenu(g_str->text(arg));
        else if (how.startsWith("bar"))
            emit rig.bar()->sg_request(arg);
        else
            press(rig, Qt::Key_LaunchMedia);
        TDefWnd* chooser = rig.w->wnd(id);
        QVERIFY(chooser->isVisible());
        QVERIFY(rig.bar()->isHidden());
        const int current = id == ID_WND_SPLIT ? static_cast<TSplitWnd*>(chooser)->current()
                                               : static_cast<TAudioWnd*>(chooser)->current();
        QTEST(current, "current");
        chooser->grab().save(vkeytest::grabPath(QStringLiteral("chooser-%1.png").arg(id)));
    }

    // Keys reach the open chooser through the main window: Enter chooses,
    // playback keys still steer playback, Escape closes; the audio
    // chooser's value is a channel or a playback key.
    void chooserKeys()
    {
        TMainRig rig;
        recordToday();
        rig.w->m_loggedIn = 1;
        rig.w->runMenu(g_str->text(11));
        auto* split = static_cast<TSplitWnd*>(rig.w->wnd(ID_WND_SPLIT));
        QApplication::setActiveWindow(split);
        for (int k : {int(Qt::Key_Left), int(Qt::Key_Enter)})
            press(rig, k);
        // From the layout shown (9, the fifth) to the quad.
        QTRY_COMPARE(split->current(), 3);
        // The layout is read once the layout thread is idle (its lock taken
        // after it): it writes the layout while it runs.
        QTRY_VERIFY(rig.w->splitTh()->wait(0) && !rig.w->splitTh()->pending() && g_api.m_layout == 4);
        press(rig, Qt::Key_Play);
        QTRY_COMPARE(decCalls(), QString("DalDecStart(1.00)"));
        QVERIFY(split->isVisible());
        press(rig, Qt::Key_Escape);
        QTRY_VERIFY(!split->isVisible());

        auto* audio = static_cast<TAudioWnd*>(rig.w->wnd(ID_WND_AUDIO));
        dalTestJournalClear();
        emit audio->sg_request(2);
        emit audio->sg_request(-1);
        emit audio->sg_request(int(Qt::Key_F26));
        QCOMPARE(TMainRig::journal("DalAoutSet").join(' '), QString("DalAoutSet(2) DalAoutSet(-1)"));
        QCOMPARE(rig.w->m_audioCh, -1);
        QCOMPARE(decCalls(), QString("DalDecRate(2.00)"));
    }
};

DVR_APP_TEST_MAIN(TMainPlayTest)
#include "tmain-playtest.moc"
