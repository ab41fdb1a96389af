// The search window through the main window: opened from the menu command
// and the Search key, the playback picture in its area, closed back to live
// or to full-screen playback, the played time and rate on it, and closed by
// the auto-logout and a remote test.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tlogin.h"
#include "tsearchwnd.h"
#include "tbutton.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"

namespace {

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

TSearchWnd* search(TMainRig& rig)
{
    return static_cast<TSearchWnd*>(rig.w->wnd(ID_WND_SEARCH));
}

// Opens the window by the menu command or the Search key and waits for the
// main window's handling of its show.
void open(TMainRig& rig, bool byKey)
{
    QVERIFY(rig.showUp()); // the search window lives on the main window
    if (byKey) {
        rig.w->sl_fromDvr(SIG_IO_KEY, KEY_PRESS, Qt::Key_Search);
        rig.w->sl_fromDvr(SIG_IO_KEY, KEY_RELEASE, Qt::Key_Search);
    } else {
        rig.w->runMenu(g_str->text(10));
    }
    QTRY_VERIFY(search(rig)->isVisible());
    QTRY_VERIFY(TMainRig::calls("DalVoutSetViw(0,") > 0);
}

} // namespace

class TMainSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        vkeytest::setUpGlobals();
        TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    }
    void cleanupTestCase() { TConfig::setTextHook(nullptr); }

    // Opened, then closed: the log, the display mode, the picture in the
    // window's area, and where the view goes.
    void openClose_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("playing"); // a playback runs when it opens
        QTest::addColumn<int>("close");    // button, or Escape (-1)
        QTest::addColumn<QVector<int>>("logs");
        QTest::addColumn<int>("modeAfter");
        QTest::addColumn<bool>("barPlay"); // the bar's playback buttons after
        QTest::newRow("menu, exit") << false << false << int(TSearchWnd::BTN_EXIT)
                                    << QVector<int>{LOG_SEARCH_START, LOG_SEARCH_STOP} << 0 << false;
        QTest::newRow("key, escape") << true << false << -1 << QVector<int>{LOG_SEARCH_START, LOG_SEARCH_STOP} << 0
                                     << false;
        QTest::newRow("playing, full screen") << false << true << int(TSearchWnd::BTN_FULL) << QVector<int>{} << 1
                                              << true;
    }
    void openClose()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, playing);
        QFETCH(int, close);
        QFETCH(QVector<int>, logs);
        QFETCH(int, modeAfter);
        QFETCH(bool, barPlay);
        TMainRig rig;
        logIn(rig);
        if (playing) {
            g_api.m_play = 1;
            g_api.m_rate = 2.0;
        }
        const int logsBefore = TMainRig::logCodes().size();
        open(rig, byKey);
        TSearchWnd* s = search(rig);
        QCOMPARE(g_api.m_mode, 1);
        QCOMPARE(TMainRig::journal("DalVoutSetLive").value(0), QStringLiteral("DalVoutSetLive(0)"));
        const QRect v = s->videoRect();
        QCOMPARE(TMainRig::journal("DalVoutSetViw(0,").value(0),
                 QStringLiteral("DalVoutSetViw(0,%1,%2,%3,%4)").arg(v.x()).arg(v.y()).arg(v.width()).arg(v.height()));
        QCOMPARE(rig.w->m_popupRect, v);
        if (playing)
            QCOMPARE(g_api.m_rate, 0.0); // paused under the window
        QVERIFY(!rig.bar()->isVisible());
        QVERIFY(s->grab().save(vkeytest::grabPath(QStringLiteral("main-search-%1.png").arg(byKey))));

        dalTestJournalClear();
        // Escape waits for the first load's wait box to go.
        QTRY_VERIFY(!rig.w->wnd(ID_WND_STATUS)->isVisible());
        if (close < 0)
            vkeytest::key(s, Qt::Key_Escape);
        else
            QTest::mouseClick(s->button(close), Qt::LeftButton);
        QTRY_VERIFY(!s->isVisible());
        QTRY_COMPARE(g_api.m_mode, modeAfter);
        QTRY_COMPARE(rig.bar()->isLiveMode(), barPlay ? 0 : 1);
        if (modeAfter == 0)
            QCOMPARE(TMainRig::journal("DalVoutSetLive").value(0), QStringLiteral("DalVoutSetLive(1)"));
        // The picture goes full screen either way.
        QVERIFY(TMainRig::journal("DalVoutSetViw(0,0,0,0,0)").size() > 0);
        const QVector<int> all = TMainRig::logCodes();
        QVector<int> added;
        for (int c : all.mid(logsBefore))
            if (c == LOG_SEARCH_START || c == LOG_SEARCH_STOP)
                added << c;
        QCOMPARE(added, logs);
        QCOMPARE(s->m_running, modeAfter == 0 ? 0 : 1);
    }

    // While the window shows: the played time and rate go to it, the time
    // not to the bar.
    void playedTime()
    {
        TMainRig rig;
        logIn(rig);
        open(rig, false);
        g_api.m_play = 1;
        g_api.m_dec.year = 2026;
        g_api.m_dec.month = 11;
        g_api.m_dec.day = 30;
        g_api.m_dec.time = 3600 + 120 + 3;
        g_api.m_dec.rate = -2.0;
        const QString barTime = rig.bar()->timeText();
        rig.notify(SIG_DEC_INFO_TIME);
        rig.notify(SIG_DEC_INFO_RATE);
        QTRY_COMPARE(search(rig)->rateTextShown(), QStringLiteral("X -2"));
        QVERIFY(search(rig)->dateTimeText().endsWith(QLatin1String("01:02:03")));
        QCOMPARE(rig.bar()->timeText(), barTime);
    }

    // Escape leaves the window alone while the status box shows a job.
    void escapeUnderStatus()
    {
        TMainRig rig;
        logIn(rig);
        open(rig, false);
        rig.w->sl_ctrlStatus(SIG_STATE_START, QStringLiteral("Search"), QStringLiteral("Please wait..."));
        QVERIFY(g_statusWnd->isVisible());
        vkeytest::key(search(rig), Qt::Key_Escape);
        QVERIFY(search(rig)->isVisible());
        rig.w->sl_ctrlStatus(SIG_STATE_END, QString(), QString());
        vkeytest::key(search(rig), Qt::Key_Escape);
        QTRY_VERIFY(!search(rig)->isVisible());
    }

    // A double click on the picture: the channel under it alone, and back
    // to the layout it came from.
    void doubleClick()
    {
        TMainRig rig;
        logIn(rig);
        open(rig, false);
        const int layout = g_api.m_layout;
        QVERIFY(layout != 1);
        const VidWnd cell = g_api.m_vidwnd[5];
        const QPoint at(cell.x + cell.w / 2, cell.y + cell.h / 2);
        QVERIFY(search(rig)->videoRect().contains(at));
        QTest::mouseDClick(search(rig), Qt::LeftButton, {}, at);
        QCOMPARE(g_api.m_layout, 1);
        QCOMPARE(g_api.orderOf(g_api.m_sw), cell.ch);
        QCOMPARE(g_api.m_popLayout, layout);
        QTest::mouseDClick(search(rig), Qt::RightButton, {}, at);
        QCOMPARE(g_api.m_layout, 1); // not with the right button
        QTest::mouseDClick(search(rig), Qt::LeftButton, {}, at);
        QCOMPARE(g_api.m_layout, layout);
        QVERIFY(TMainRig::calls("DalAoutSet") >= 2);
    }

    // Closed through its own Exit by the auto-logout, a remote test and a
    // remote setup while playing:
    // "Search Stop" logged, back to live.
    void closedForYou_data()
    {
        QTest::addColumn<int>("how"); // 0 auto-logout, 1 remote test, 2 remote setup while playing
        QTest::newRow("auto-logout") << 0;
        QTest::newRow("remote test") << 1;
        QTest::newRow("remote setup while playing") << 2;
    }
    void closedForYou()
    {
        QFETCH(int, how);
        TMainRig rig;
        logIn(rig);
        open(rig, true);
        if (how == 0) {
            rig.tick(); // the cursor's place is known
            rig.w->m_logoutSec = 1;
            rig.tick();
        } else if (how == 1) {
            rig.w->sl_fromDvr(SIG_NET_RS_TEST, 0, 0, 0);
        } else {
            g_api.m_play = 1;
            rig.w->sl_fromDvr(SIG_NET_SETUP, 0, 0, 0);
        }
        QTRY_VERIFY(!search(rig)->isVisible());
        QTRY_COMPARE(g_api.m_mode, 0);
        QTRY_VERIFY(TMainRig::logCodes().contains(LOG_SEARCH_STOP));
    }
};

DVR_APP_TEST_MAIN(TMainSearchTest)
#include "tmain-searchtest.moc"
