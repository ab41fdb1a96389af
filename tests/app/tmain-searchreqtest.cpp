// The search window and the main window's answers to it, on the stand-in's
// recording database: the month's marked days and the day chosen from them,
// the event and POS lists with their paging, playback at every speed, the
// playback layouts, the tiles' titles back after a one-camera search, the
// import of a backup file, backup and the options. The refusals of Backup
// (and of the pop-up menu's Snapshot) stand over the output's picture.
#include "tmainrig.h"
#include "tapptestmain.h"
#include "tscreencopy.h"
#include "searchreq.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tdatasetth.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tfilewnd.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tmessages.h"
#include "tposview.h"
#include "tsearchopt.h"
#include "tsearchwnd.h"
#include "tpath.h"
#include "tstatuswnd.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QMutex>
#include <QPainter>
#include <QSettings>
#include <algorithm>
#include <cstring>
#include <memory>

namespace {

const char* const kTwoDays = "date 2026-11-03\nrec all 08:00-08:30\ndate 2026-11-20\nrec 0 10:00-10:09\n"
                             "event 1 10:05-10:06\n";
const char* const kOverlap = "date 2026-11-03\nrec all 08:00-08:30\ndate 2026-11-20\nrec all 01:00-01:10\n"
                             "date 2026-11-20\nrec all 02:00-02:10\n";

void* val(int v)
{
    return reinterpret_cast<void*>(intptr_t(v));
}

// The main window with the search window on the stand-in's database, the
// administrator logged in; every request of the window recorded as it
// goes (a query copied while it lives).
struct SearchRig : TMainRig
{
    explicit SearchRig(const char* desc, const char* profile = "16", int res = 3, bool wholeScreen = false)
        : TMainRig(profile, res, wholeScreen)
    {
        if (desc)
            QCOMPARE(dalTestDbDescribe("/data0/data.db6", desc), 0);
        qstrncpy(g_api.m_curUser, "admin", sizeof g_api.m_curUser);
        s = static_cast<TSearchWnd*>(w->wnd(ID_WND_SEARCH));
        QObject::connect(s, &TSearchWnd::sg_request, s, [this](int code, void* v) {
            codes << code;
            if (code >= Act_LoadDataTime && code <= Act_LoadDbEvt && v)
                queries << *static_cast<const SearchQuery*>(v);
        });
    }
    // The window shown as the main window shows it, its first load done.
    bool open()
    {
        // The first show brings the device up (again): the search screen
        // starts once it is done.
        if (!showUp())
            return false;
        w->m_loggedIn = 1;
        clock.start();
        s->show();
        if (g_api.m_mode == 0)
            g_api.setMode(1);
        return s->isVisible();
    }
    // The last day request (48 or 49), once it came.
    bool dayAsked(int code = Act_LoadDataTime, int timeout = 5000)
    {
        QElapsedTimer t;
        t.start();
        while (!codes.contains(code) && t.elapsed() < timeout)
            QTest::qWait(10);
        askedAt = clock.elapsed();
        return codes.contains(code);
    }
    SearchQuery last(int code) const
    {
        for (int i = queries.size() - 1, k = codes.size() - 1; k >= 0; --k) {
            if (codes[k] < Act_LoadDataTime || codes[k] > Act_LoadDbEvt)
                continue;
            if (codes[k] == code)
                return queries[i];
            --i;
        }
        return SearchQuery{};
    }
    void click(int id) { QTest::mouseClick(s->button(id), Qt::LeftButton); }
    QStringList listLines() const
    {
        QStringList out;
        for (int i = 0; i < s->list()->maxLine(); ++i)
            if (!s->list()->lineText(i).isEmpty())
                out << s->list()->lineText(i);
        return out;
    }
    // The window open in a list mode, its first day answered: what is
    // handed in afterwards stays on the list.
    bool openList(int m)
    {
        if (!open() || !dayAsked())
            return false;
        codes.clear();
        queries.clear();
        s->combo(TSearchWnd::CB_MODE)->setCurrentIndex(m);
        if (s->m_mode != m || !dayAsked(m == TSearchWnd::MODE_EVENT ? Act_LoadDataEvt : Act_SearchClose))
            return false;
        for (int i = 0; i < 500 && s->datasetTh()->busy(); ++i)
            QTest::qWait(10);
        codes.clear();
        queries.clear();
        return true;
    }
    // Playing the loaded day at rate r.
    bool playAt(double r)
    {
        if (!s->isVisible() && (!open() || !dayAsked()))
            return false;
        if (!g_api.isPlay())
            return false;
        // The day's timeline done, so its end does not mix with what follows.
        for (int i = 0; i < 500 && s->datasetTh()->busy(); ++i)
            QTest::qWait(10);
        g_api.decRate(r);
        dalTestJournalClear();
        codes.clear();
        return g_api.m_rate == r;
    }
    // The message box is up with this text.
    bool boxSays(const char* text) const { return box()->isVisible() && box()->text() == QLatin1String(text); }
    // The calendar's marked days, "day:entries" apart by blanks.
    QString marks() const
    {
        QStringList shown;
        for (int c = 0; c < 42; ++c)
            if (s->calendar()->markAt(c))
                shown << QString("%1:%2").arg(s->calendar()->dayAt(c)).arg(s->calendar()->markAt(c));
        return shown.join(' ');
    }
    // Account 1, "guest", may search but not copy recordings.
    static void searchOnlyGuest()
    {
        for (int live : {0, 1}) {
            UserAccount& u = static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, live))->user[1];
            qstrncpy(u.id, "guest", sizeof u.id);
            u.search = 1;
            u.backup = 0;
        }
    }

    TSearchWnd* s = nullptr;
    QList<int> codes;
    QList<SearchQuery> queries;
    QElapsedTimer clock;
    qint64 askedAt = 0;
};

// A page of events as the facade hands it over.
DayEvents* page(int pageNo, int pages, const QList<QPair<int, QByteArray>>& items)
{
    static DayEvents ev;
    std::memset(&ev, 0, sizeof ev);
    ev.page = pageNo;
    ev.numPages = pages;
    ev.numItems = items.size();
    for (int i = 0; i < items.size(); ++i) {
        ev.item[i].type = 32; // sensor 1
        ev.item[i].hour = 8;
        ev.item[i].minute = i;
        ev.item[i].second2 = uint8_t(5 << 1);
        ev.item[i].duration = items[i].first;
        std::memcpy(ev.text[i], items[i].second.constData(), size_t(qMin(items[i].second.size(), 2000)));
    }
    return &ev;
}

// Once the pop-up menu runs (modally), a click on its entry text (Escape
// when it has none).
void clickEntryOnPopup(const QString& text)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        for (QAction* a : menu->actions())
            if (a->text() == text)
                return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        QTest::keyClick(menu, Qt::Key_Escape);
    });
    poll->start(10);
}

// The program's messages, through its own handler, while one lives.
struct TCaughtMessages {
    TCaughtMessages()
    {
        s_lines.clear();
        m_before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            QMutexLocker lock(&s_mutex);
            s_lines << text;
        });
        TMessages::install();
    }
    ~TCaughtMessages() { qInstallMessageHandler(m_before); }
    QStringList lines() const
    {
        QMutexLocker lock(&s_mutex);
        return s_lines;
    }
    QtMessageHandler m_before = nullptr;
    static inline QMutex s_mutex;
    static inline QStringList s_lines;
};

} // namespace

class TMainSearchReqTest : public QObject
{
    Q_OBJECT
    // One rig for all rows of a test function whose rows only read.
    std::unique_ptr<SearchRig> m_rig;
    QByteArray m_rigOf;
    SearchRig& shared(const char* desc)
    {
        if (!m_rig || m_rigOf != QTest::currentTestFunction()) {
            m_rig.reset();
            m_rig.reset(new SearchRig(desc));
            m_rigOf = QTest::currentTestFunction();
        }
        return *m_rig;
    }

private slots:
    // A shared rig goes with its test function: two main windows would
    // both answer the device's news.
    void init()
    {
        if (m_rigOf != QTest::currentTestFunction())
            m_rig.reset();
    }
    void cleanupTestCase() { m_rig.reset(); }

    // The first show opens the disks' database: the month of the last
    // recording with its days marked; the last day loads by itself (one
    // entry after 1 s, its day chosen), asks first when overlapped (after
    // 0.7 s), and nothing recorded ends in "No Data".
    void opens_data()
    {
        QTest::addColumn<QByteArray>("desc");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("then"); // load, ask, nodata
        QTest::addColumn<int>("after");    // ms at the least
        QTest::newRow("last day, one entry") << QByteArray(kTwoDays) << "3:1 20:1" << "load" << 950;
        QTest::newRow("last day overlapped") << QByteArray(kOverlap) << "3:1 20:2" << "ask" << 650;
        QTest::newRow("nothing recorded") << QByteArray("# none\n") << "" << "nodata" << 0;
    }
    void opens()
    {
        QFETCH(QByteArray, desc);
        QFETCH(QString, marks);
        QFETCH(QString, then);
        QFETCH(int, after);
        SearchRig rig(desc.constData());
        QVERIFY(rig.open());
        QCOMPARE(rig.codes.value(0), int(Act_SearchWait));
        QVERIFY(rig.codes.contains(Act_LoadDbTime));
        QCOMPARE(rig.marks(), marks);
        if (then == "nodata") {
            QTRY_VERIFY(rig.boxSays("No Data"));
            QCOMPARE(rig.box()->type(), int(MSG_OK));
            QVERIFY(!rig.codes.contains(Act_LoadDataTime));
            return;
        }
        QCOMPARE(rig.s->calendar()->date(), QDate(2026, 11, rig.s->calendar()->date().day()));
        if (then == "ask") {
            QTRY_VERIFY_WITH_TIMEOUT(rig.box()->isVisible(), 3000);
            QVERIFY(rig.clock.elapsed() >= after);
            QCOMPARE(rig.box()->type(), int(MSG_OKCANCEL));
            QVERIFY(!rig.codes.contains(Act_LoadDataTime));
            QVERIFY(rig.box()->grab().save(vkeytest::grabPath("search-overlap.png")));
            QTest::mouseClick(rig.box()->button(MSGBTN_OK), Qt::LeftButton);
        }
        QVERIFY(rig.dayAsked());
        QVERIFY(rig.askedAt >= after);
        const SearchQuery q = rig.last(Act_LoadDataTime);
        QCOMPARE(QString("%1-%2-%3 %4").arg(q.year).arg(q.month).arg(q.day).arg(q.dateIdx), QString("2026-11-20 -1"));
        if (then == "load") {
            QCOMPARE(rig.s->calendar()->date().day(), 20);
            // The day map reaches the timeline: camera 1 at 10:00, events
            // of camera 2 at 10:05, nothing at 09:59.
            QTRY_COMPARE(rig.s->timeline()->data(0, 600), 1);
            QCOMPARE(rig.s->timeline()->data(1, 605), 2);
            QCOMPARE(rig.s->timeline()->data(0, 599), 0);
            // Ready at the day's first second, paused.
            QVERIFY(TMainRig::journal("DalDecStart(").join(' ').contains(",0.0,0.00)"));
            QVERIFY(rig.s->grab().save(vkeytest::grabPath("search-day.png")));
        }
    }

    // Refresh loads the day the calendar shows even without a mark, after
    // half a second; the month answer chooses nothing else.
    void refreshPendingDay()
    {
        SearchRig rig(kTwoDays);
        QVERIFY(rig.open());
        QVERIFY(rig.dayAsked());
        rig.codes.clear();
        rig.queries.clear();
        rig.s->calendar()->setDay(7);
        rig.clock.start();
        rig.click(TSearchWnd::BTN_REFRESH);
        QVERIFY(rig.codes.contains(Act_LoadDbTime));
        QVERIFY(rig.dayAsked());
        QVERIFY(rig.askedAt >= 450);
        QCOMPARE(rig.last(Act_LoadDataTime).day, 7);
    }

    // Month steps: a month further answers once; at the end of the
    // recording the window hears "nothing" and then the same month again,
    // so the calendar stays.
    void monthSteps()
    {
        SearchRig rig("date 2026-10-02\nrec all 01:00-01:10\ndate 2026-11-20\nrec all 01:00-01:10\n");
        QVERIFY(rig.open());
        QVERIFY(rig.dayAsked());
        QSignalSpy replies(rig.s, &TSearchWnd::sg_reply);
        emit rig.s->calendar()->sg_state(1); // forward, past the last month
        QCOMPARE(replies.size(), 2);
        QCOMPARE(replies[0][0].toInt(), int(Act_ReplyLoadMonth));
        QCOMPARE(replies[0][1].value<void*>(), nullptr);
        QVERIFY(replies[1][1].value<void*>() != nullptr);
        QVERIFY(rig.boxSays("No Data"));
        QCOMPARE(rig.s->calendar()->date().month(), 11);
        rig.box()->hide();
        replies.clear();
        emit rig.s->calendar()->sg_state(-1);
        QCOMPARE(replies.size(), 1);
        QCOMPARE(rig.s->calendar()->date().month(), 10);
        QCOMPARE(rig.s->calendar()->markAt(rig.s->calendar()->cellOfDay(2)), 1);
    }

    // List lines: number, time, duration (at least a second), the event's
    // text; POS lines add five blanks and the text with tabs for its line
    // breaks, read within its field.
    void listLines_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("pageNo");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line"); // of the third item
        const QByteArray full(2000, 'x'); // no terminator in its field
        QTest::newRow("page 2 at 20 a page") << 1 << 2 << 65 << QByteArray() << "0043 08:02:05 (01:05) Sensor1";
        QTest::newRow("no duration") << 1 << 0 << 0 << QByteArray() << "0003 08:02:05 (00:01) Sensor1";
        QTest::newRow("negative duration") << 1 << 0 << -9 << QByteArray() << "0003 08:02:05 (00:01) Sensor1";
        QTest::newRow("POS text of two lines") << 2 << 0 << 3 << QByteArray("A\nB")
                                               << "0003 08:02:05 (00:03) Sensor1     A\tB";
        QTest::newRow("POS text filling its field") << 2 << 0 << 3 << full
                                                    << "0003 08:02:05 (00:03) Sensor1     " + QString(full);
    }
    void listLines()
    {
        QFETCH(int, mode);
        QFETCH(int, pageNo);
        QFETCH(int, duration);
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        SearchRig rig(kTwoDays);
        QVERIFY(rig.openList(mode));
        rig.s->list()->setMaxLine(19); // 20 lines a page
        rig.s->reply(Act_ReplyLoadData, page(pageNo, 3, {{1, ""}, {1, ""}, {duration, text}, {1, "NEXT"}}));
        QCOMPARE(rig.listLines().value(2), line);
        QCOMPARE(rig.s->list()->allPages(), 3);
        QCOMPARE(rig.s->m_page, pageNo);
        QCOMPARE(rig.codes.last(), int(Act_SearchClose));
        // A row click plays from its second.
        rig.codes.clear();
        emit rig.s->list()->sg_clicked(8 * 3600 + 2 * 60 + 5);
        QCOMPARE(rig.codes, (QList<int>{Act_CtrlPlay}));
    }

    // Paging a 5-page day wraps at both ends and asks for the same day
    // again; a row of the page shows its POS text in the detail view, and
    // a row outside the page shows nothing.
    void paging_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("cmd");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("asked"); // page, or -2: no request
        QTest::addColumn<QStringList>("detail");
        QTest::newRow("first") << 3 << 0 << 0 << 0 << QStringList();
        QTest::newRow("previous from the first wraps") << 0 << 1 << 0 << 4 << QStringList();
        QTest::newRow("previous") << 3 << 1 << 0 << 2 << QStringList();
        QTest::newRow("next from the last wraps") << 4 << 2 << 0 << 0 << QStringList();
        QTest::newRow("next") << 1 << 2 << 0 << 2 << QStringList();
        QTest::newRow("last") << 1 << 3 << 0 << -1 << QStringList();
        QTest::newRow("go to a page") << 0 << 4 << 3 << 3 << QStringList();
        QTest::newRow("row's POS text") << 0 << 5 << 1 << -2 << QStringList{"A", "B", "C"};
        QTest::newRow("row past the page") << 0 << 5 << 2 << -2 << QStringList();
        QTest::newRow("negative row") << 0 << 5 << -1 << -2 << QStringList();
        QTest::newRow("unknown command") << 0 << 6 << 0 << -2 << QStringList();
    }
    void paging()
    {
        QFETCH(int, from);
        QFETCH(int, cmd);
        QFETCH(int, value);
        QFETCH(int, asked);
        QFETCH(QStringList, detail);
        SearchRig& rig = shared(kTwoDays);
        if (!rig.s->isVisible())
            QVERIFY(rig.openList(TSearchWnd::MODE_EVENT));
        rig.s->reply(Act_ReplyLoadData, page(from, 5, {{1, "x"}, {1, "A\nB\n\nC\n"}}));
        rig.s->posView()->m_lines = QStringList{"old"};
        rig.codes.clear();
        rig.queries.clear();
        rig.s->m_chkday = 1;
        emit rig.s->list()->sg_notify(cmd, value);
        if (asked == -2) {
            // No reload is armed: the page and the new-day flag stay.
            QCOMPARE(rig.s->m_chkday, 1);
            QCOMPARE(rig.s->m_page, from);
            QVERIFY(rig.codes.isEmpty());
            if (cmd == 5)
                QCOMPARE(rig.s->posView()->m_lines, detail);
            return;
        }
        QTRY_VERIFY(!rig.queries.isEmpty());
        const SearchQuery q = rig.queries.last();
        QCOMPARE(rig.codes.last(), int(Act_LoadDataEvt));
        QCOMPARE(QString("%1 %2 %3").arg(q.day).arg(q.page).arg(q.chkday), QString("20 %1 0").arg(asked));
    }

    // The playback buttons' speed steps from the rate playing, each a call
    // of the decoder; Pause steps a frame the way it ran; Play with -1
    // keeps the position, with a second seeks there; a seek keeps the rate.
    void rates_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("value");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("calls");
        QTest::newRow("fast reverse from 1") << 1.0 << 59 << 10 << -1.0 << "DalDecRate(-1.00)";
        QTest::newRow("fast reverse from -1") << -1.0 << 59 << 10 << -2.0 << "DalDecRate(-2.00)";
        QTest::newRow("fast reverse from -32") << -32.0 << 59 << 10 << -64.0 << "DalDecRate(-64.00)";
        QTest::newRow("fast reverse from -64 wraps") << -64.0 << 59 << 10 << -1.0 << "DalDecRate(-1.00)";
        QTest::newRow("slow reverse from 1") << 1.0 << 60 << 10 << -0.5 << "DalDecRate(-0.50)";
        QTest::newRow("slow reverse from -0.5") << -0.5 << 60 << 10 << -0.25 << "DalDecRate(-0.25)";
        QTest::newRow("reverse") << 2.0 << 62 << 10 << -1.0 << "DalDecRate(-1.00)";
        QTest::newRow("slow forward from 0.5") << 0.5 << 64 << 10 << 0.25 << "DalDecRate(0.25)";
        QTest::newRow("slow forward from 0.25") << 0.25 << 64 << 10 << 0.5 << "DalDecRate(0.50)";
        QTest::newRow("fast forward from 1") << 1.0 << 65 << 10 << 2.0 << "DalDecRate(2.00)";
        QTest::newRow("fast forward from 32") << 32.0 << 65 << 10 << 64.0 << "DalDecRate(64.00)";
        QTest::newRow("fast forward from 64 wraps") << 64.0 << 65 << 10 << 2.0 << "DalDecRate(2.00)";
        QTest::newRow("fast forward from -8") << -8.0 << 65 << 10 << 2.0 << "DalDecRate(2.00)";
        QTest::newRow("pause at -2 steps back") << -2.0 << 61 << 10 << 0.0 << "DalDecStep(0)";
        QTest::newRow("pause at 1 steps on") << 1.0 << 61 << 10 << 0.0 << "DalDecStep(1)";
        QTest::newRow("pause paused steps on") << 0.0 << 61 << 10 << 0.0 << "DalDecStep(1)";
        QTest::newRow("play where it is") << 4.0 << 63 << -1 << 1.0 << "DalDecRate(1.00)";
        QTest::newRow("play from a second") << 4.0 << 63 << 3723 << 1.0 << "DalDecPos(%1,3723.0) DalDecRate(1.00)";
        QTest::newRow("seek keeps the rate") << 4.0 << 58 << 3723 << 4.0 << "DalDecPos(%1,3723.0)";
    }
    void rates()
    {
        QFETCH(double, from);
        QFETCH(int, code);
        QFETCH(int, value);
        QFETCH(double, rate);
        QFETCH(QString, calls);
        SearchRig& rig = shared(kTwoDays);
        QVERIFY(rig.playAt(from));
        rig.w->sl_fromSearch(code, val(value));
        QCOMPARE(g_api.m_rate, rate);
        QStringList got;
        for (const QString& l : TMainRig::journal("DalDec"))
            if (l.startsWith("DalDecRate(") || l.startsWith("DalDecStep(") || l.startsWith("DalDecPos("))
                got << l;
        QCOMPARE(got.join(' '), calls.contains("%1") ? calls.arg(g_api.m_curDayId) : calls);
    }

    // The playback layouts from the search window: the next layout and the
    // next page wrap, a layout button's value, a single channel within the
    // unit's cameras only.
    void layouts_data()
    {
        QTest::addColumn<int>("startAt");   // index in the layout list
        QTest::addColumn<int>("startPage");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("layoutAt");  // expected index, -1: layout 1
        QTest::addColumn<int>("page");
        QTest::newRow("next layout") << 0 << 0 << 73 << 0 << 1 << 0;
        QTest::newRow("next layout after the last") << 99 << 0 << 73 << 0 << 0 << 0;
        QTest::newRow("next page") << -1 << 3 << 74 << 0 << -1 << 4;
        QTest::newRow("next page after the last") << -1 << 15 << 74 << 0 << -1 << 0;
        QTest::newRow("channel 4 alone") << 99 << 0 << 76 << 3 << -1 << 3;
        QTest::newRow("channel past the unit") << 99 << 0 << 76 << 16 << 99 << 0;
        QTest::newRow("negative channel") << 99 << 0 << 76 << -1 << 99 << 0;
    }
    void layouts()
    {
        QFETCH(int, startAt);
        QFETCH(int, startPage);
        QFETCH(int, code);
        QFETCH(int, value);
        QFETCH(int, layoutAt);
        QFETCH(int, page);
        TMainRig rig;
        auto layoutOf = [](int at) { return at < 0 ? 1 : g_api.layoutAt(qMin(at, g_api.m_numLayout - 1)); };
        rig.w->switchLayout(layoutOf(startAt), startPage, 500, true);
        QTRY_COMPARE(QString("%1/%2").arg(g_api.m_layout).arg(g_api.m_sw),
                     QString("%1/%2").arg(layoutOf(startAt)).arg(startPage));
        rig.w->sl_fromSearch(code, val(value));
        // The switch thread done: nothing else follows the request.
        QVERIFY(rig.w->splitTh()->wait(2000));
        QTRY_COMPARE(QString("%1/%2").arg(g_api.m_layout).arg(g_api.m_sw),
                     QString("%1/%2").arg(layoutOf(layoutAt)).arg(page));
    }

    // A thumbnail or panorama search of one camera on a 32-channel unit,
    // then back to live: the cameras past the twentieth show their own
    // titles again, neither none nor the searched camera's.
    void titlesBackAfterSearch_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("thumbnails") << int(TSearchWnd::MODE_THUMB);
        QTest::newRow("panorama") << int(TSearchWnd::MODE_PANORAMA);
    }
    void titlesBackAfterSearch()
    {
        QFETCH(int, mode);
        SearchRig rig(kTwoDays, "32");
        QVERIFY(rig.open() && rig.dayAsked());
        rig.s->combo(TSearchWnd::CB_MODE)->setCurrentIndex(mode);
        QTRY_COMPARE(g_api.m_searchMode, mode);
        const auto own = [](int ch) {
            QImage title(g_api.m_titleImg[ch].size(), g_api.m_titleImg[ch].format());
            g_api.drawOsdText(ch, QStringLiteral("CH %1").arg(ch + 1), &title, 0, 0);
            return title;
        };
        QVERIFY(g_api.m_titleImg[31] != own(31));
        rig.click(TSearchWnd::BTN_EXIT);
        QTRY_COMPARE(g_api.m_mode, 0);
        // Tiles 21-32 of the layout that shows every camera, as drawn.
        int lay = 1;
        while (lay < 32 && g_api.numLayoutCam(lay) < 32)
            ++lay;
        g_api.dispLayout(lay, 0);
        const QImage screen = rig.w->grab().toImage();
        screen.save(vkeytest::grabPath(QStringLiteral("live-32-after-%1.png").arg(QTest::currentDataTag())));
        for (int k = 20; k < 32; ++k) {
            const int ch = g_api.m_vidwnd[k].ch;
            const OsdItem* title = g_api.m_cell[ch].item[CellOsd::TITLE];
            QVERIFY2(ch == k && g_api.m_titleImg[ch] == own(ch)
                         && lightPixels(screen, QRect(title->x, title->y, title->width, title->height)) > 0,
                     qPrintable(QString("tile %1").arg(k + 1)));
        }
    }

    // Closing the window keeps the click that closed it from opening the
    // menu for 1.5 s; a plain mouse move gives the arrow back.
    void exitGuard()
    {
        TMainRig rig;
        QElapsedTimer t;
        t.start();
        rig.w->sl_fromSearch(Act_SearchExit, nullptr);
        QCOMPARE(rig.w->m_skipPopup, 1);
        QTRY_COMPARE_WITH_TIMEOUT(rig.w->m_skipPopup, 0, 4000);
        QVERIFY(t.elapsed() >= 1400);
        rig.w->setCursor(Qt::ClosedHandCursor);
        rig.w->sl_fromSearch(Act_SearchCursor, nullptr);
        QCOMPARE(rig.w->cursor().shape(), Qt::ArrowCursor);
    }

    // Backup from the search window: refused without the Backup right and
    // while a backup file is open; otherwise playback pauses first.
    void backup_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("extDb");
        QTest::addColumn<int>("text"); // of the refusal, 0 none
        QTest::newRow("search right only") << "guest" << 0 << 307;
        QTest::newRow("backup file open") << "admin" << 1 << 355;
        QTest::newRow("pauses and opens") << "admin" << 0 << 0;
    }
    void backup()
    {
        QFETCH(QString, user);
        QFETCH(int, extDb);
        QFETCH(int, text);
        SearchRig rig(kTwoDays);
        SearchRig::searchOnlyGuest();
        QVERIFY(rig.playAt(2.0));
        qstrncpy(g_api.m_curUser, qPrintable(user), sizeof g_api.m_curUser);
        g_api.m_extDbOpen = extDb;
        rig.click(TSearchWnd::BTN_BACKUP);
        QVERIFY(rig.codes.contains(Act_Backup));
        g_api.m_extDbOpen = 0;
        if (text) {
            QVERIFY(rig.box()->isVisible());
            QCOMPARE(rig.box()->title(), g_str->text(213));
            QCOMPARE(rig.box()->text(), g_str->text(text));
            QCOMPARE(g_api.m_rate, 2.0);
            QVERIFY(!rig.w->wnd(ID_WND_BACKUP) || !rig.w->wnd(ID_WND_BACKUP)->isVisible());
            return;
        }
        QVERIFY(!rig.box()->isVisible());
        QCOMPARE(TMainRig::journal("DalDecRate("), QStringList{"DalDecRate(0.00)"});
        // The decoder's own rate notices (the 2.0 before, the pause after)
        // may still be on their way: the last one leaves the pause shown.
        QTRY_COMPARE(rig.s->rateTextShown(), g_str->text(117));
        // The backup window, once the unit has one, is up.
        QVERIFY(!rig.w->wnd(ID_WND_BACKUP) || rig.w->wnd(ID_WND_BACKUP)->isVisible());
    }

    // The refusals of the menu's Snapshot and of the search window's Backup,
    // and the login chooser a playback button of the information bar asks
    // for, stand over the picture, which fills only the top-left corner of
    // a main window as large as the unit's largest output.
    void refusalOverPicture_data()
    {
        QTest::addColumn<QString>("from"); // menu, search, bar
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("extDb");
        QTest::addColumn<int>("text"); // of the message box; -1: the login chooser
        QTest::newRow("snapshot without the backup right") << "menu" << "guest" << 0 << 307;
        QTest::newRow("search backup without the right") << "search" << "guest" << 0 << 307;
        QTest::newRow("search backup, backup file open") << "search" << "admin" << 1 << 355;
        QTest::newRow("bar's play, logged out") << "bar" << "" << 0 << -1;
    }
    void refusalOverPicture()
    {
        QFETCH(QString, from);
        QFETCH(QString, user);
        QFETCH(int, extDb);
        QFETCH(int, text);
        SearchRig rig(kTwoDays, "16", 0, true); // the 800 x 600 output
        SearchRig::searchOnlyGuest();
        const QRect picture(rig.w->mapToGlobal(QPoint(0, 0)), g_api.voutInfo(1));
        QCOMPARE(picture.size(), QSize(800, 600));
        QVERIFY(rig.w->width() > picture.width() && rig.w->height() > picture.height());
        if (from == "menu") {
            QVERIFY(rig.showUp());
            g_api.setUserName(qPrintable(user));
            rig.w->m_loggedIn = 1;
            clickEntryOnPopup(g_str->text(427));
            QTest::mousePress(rig.w, Qt::RightButton, {}, QPoint(400, 300));
        } else if (from == "bar") {
            QVERIFY(rig.showUp());
            rig.w->m_loggedIn = 0;
            emit rig.bar()->sg_request(Btn_Play);
        } else {
            QVERIFY(rig.open() && rig.dayAsked());
            QTRY_VERIFY(!rig.s->datasetTh()->busy());
            qstrncpy(g_api.m_curUser, qPrintable(user), sizeof g_api.m_curUser);
            g_api.m_extDbOpen = extDb;
            rig.click(TSearchWnd::BTN_BACKUP);
            g_api.m_extDbOpen = 0;
        }
        QWidget* shown = text < 0 ? static_cast<QWidget*>(rig.w->wnd(ID_WND_LOGIN)) : rig.box();
        QTRY_VERIFY(shown->isVisible());
        if (text >= 0)
            QCOMPARE(rig.box()->text(), g_str->text(text));
        const QRect at(shown->mapToGlobal(QPoint(0, 0)), shown->size());
        QImage shot = rig.w->grab().toImage();
        QPainter(&shot).drawPixmap(rig.w->mapFromGlobal(at.topLeft()), shown->grab());
        shot.save(vkeytest::grabPath(QStringLiteral("refusal-%1-%2.png").arg(from).arg(text)));
        QVERIFY2(picture.contains(at), qPrintable(QStringLiteral("box at %1,%2 %3x%4")
                                                      .arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height())));
    }

    // Import: the medium that holds the file is found and mounted, the
    // file chooser offers its backup files, the chosen one opens; Import
    // again goes back to the disks and lets the medium go. A name longer
    // than the path field or not plain ASCII opens nothing; a file the
    // device cannot read leaves the window on the disks, in a mode answered
    // at once and in one answered by the timeline's thread; disks without
    // recording are gone back to as well.
    void importChain_data()
    {
        QTest::addColumn<int>("medium"); // 0 stick, 1 disc
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("opens"); // 1 it opens, 0 not tried, -1 the device refuses it
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("disks");
        const QByteArray day = "date 2025-06-14\nrec all 09:00-09:30\n";
        const QByteArray cut = "DVR backup\nfrom 2026-11-29 08:0";
        const QByteArray two = kTwoDays;
        const int time = TSearchWnd::MODE_TIME;
        QTest::newRow("from the stick") << 0 << "day.exe" << 1 << day << time << two;
        QTest::newRow("from a disc") << 1 << "day.exe" << 1 << day << time << two;
        QTest::newRow("longest name") << 0 << QString(51, 'n') + ".exe" << 1 << day << time << two;
        QTest::newRow("name too long") << 0 << QString(52, 'n') + ".exe" << 0 << day << time << two;
        QTest::newRow("name not ASCII") << 0 << QString::fromUtf8("d\xc3\xad" "a.exe") << 0 << day << time << two;
        QTest::newRow("a backup's head cut short") << 0 << "cut.exe" << -1 << cut << time << two;
        QTest::newRow("cut short, POS mode") << 0 << "cut.exe" << -1 << cut << int(TSearchWnd::MODE_POS) << two;
        QTest::newRow("nothing on the disks") << 0 << "day.exe" << 1 << day << time << QByteArray();
    }
    void importChain()
    {
        QFETCH(int, medium);
        QFETCH(QString, name);
        QFETCH(int, opens);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(QByteArray, disks);
        SearchRig rig(disks.constData());
        dalTestBackupMedia(medium, 1, 1ull << 30, 0);
        const QByteArray file = ("/backup/" + name).toUtf8();
        QCOMPARE(dalTestDbDescribe(file.constData(), content.constData()), 0);
        if (disks.isEmpty()) {
            QVERIFY(rig.open());
            QTRY_VERIFY(rig.boxSays("No Data"));
            QTest::mouseClick(rig.box()->button(MSGBTN_OK), Qt::LeftButton);
        } else {
            QVERIFY(mode == TSearchWnd::MODE_TIME ? rig.open() && rig.dayAsked() : rig.openList(mode));
        }
        auto* status = rig.w->wnd(ID_WND_STATUS);
        // The day's timeline done: its end closes whatever box is up.
        QTRY_VERIFY(!rig.s->datasetTh()->busy() && !status->isVisible());
        rig.click(TSearchWnd::BTN_IMPORT);
        QTRY_VERIFY(status->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(g_fileWnd->isVisible(), 5000);
        QCOMPARE(TMainRig::journal("DalBackupSetBd("), QStringList{QString("DalBackupSetBd(%1)").arg(medium)});
        QVERIFY(TMainRig::calls("DalBackupMount(") > 0);
        QTRY_VERIFY(!status->isVisible());
        QVERIFY(g_fileWnd->grab().save(vkeytest::grabPath("search-import.png")));
        g_fileWnd->selectFirst();
        QCOMPARE(g_fileWnd->chosenName(), name);
        rig.codes.clear();
        dalTestJournalClear();
        QTest::mouseClick(g_fileWnd->okButton(), Qt::LeftButton);
        if (opens <= 0) {
            QTRY_VERIFY(rig.boxSays("No Data"));
            QCOMPARE(TMainRig::journal("Db6fOpen(\"/backup/").size(), -opens);
            QTRY_COMPARE(QByteArray(rig.s->m_szdb), QByteArray());
            // The disks' database is open (again, when the file was tried:
            // the month arrows step through it), and Refresh shows its days.
            QTest::mouseClick(rig.box()->button(MSGBTN_OK), Qt::LeftButton);
            QTRY_VERIFY(!rig.s->datasetTh()->busy() && !rig.w->wnd(ID_WND_STATUS)->isVisible());
            QTRY_COMPARE(rig.marks(), QStringLiteral("3:1 20:1"));
            QCOMPARE(TMainRig::journal("Db6fOpen(\"/data0/").isEmpty(), opens == 0);
            rig.click(TSearchWnd::BTN_REFRESH);
            QTRY_COMPARE(rig.marks(), QStringLiteral("3:1 20:1"));
            QVERIFY(!rig.box()->isVisible());
            return;
        }
        const QStringList opened = TMainRig::journal("Db6fOpen(\"/backup/");
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].startsWith("Db6fOpen(\"" + file + "\","));
        QCOMPARE(g_api.m_extDbOpen, 1);
        QCOMPARE(rig.s->calendar()->date().year(), 2025);
        // Import again: the disks, the medium released, no new search for
        // media.
        dalTestJournalClear();
        rig.codes.clear();
        rig.click(TSearchWnd::BTN_IMPORT);
        QVERIFY(!rig.codes.contains(Act_SearchUsb));
        QVERIFY(TMainRig::calls("DalBackupUmount(") > 0);
        QVERIFY(TMainRig::journal("Db6fOpen(\"/data0/").size() > 0);
        QCOMPARE(g_api.m_extDbOpen, 0);
        if (disks.isEmpty())
            QTRY_VERIFY(rig.boxSays("No Data"));
        else
            QCOMPARE(rig.s->calendar()->date().year(), 2026);
    }

    // A name Import refuses is said on the refusal's line as the program's
    // lines show names: its control bytes as \xNN, never raw.
    void importRefusalLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ESC and a newline") << "\x1b[31mred\nline.exe" << "\\x1b[31mred\\x0aline.exe";
    }
    void importRefusalLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        SearchRig rig(kTwoDays);
        dalTestBackupMedia(0, 1, 1ull << 30, 0);
        QCOMPARE(dalTestDbDescribe(("/backup/" + name).toUtf8().constData(), "date 2025-06-14\nrec all 09:00-09:30\n"), 0);
        QVERIFY(rig.open() && rig.dayAsked());
        auto* status = rig.w->wnd(ID_WND_STATUS);
        QTRY_VERIFY(!rig.s->datasetTh()->busy() && !status->isVisible());
        rig.click(TSearchWnd::BTN_IMPORT);
        QTRY_VERIFY_WITH_TIMEOUT(g_fileWnd->isVisible(), 5000);
        QTRY_VERIFY(!status->isVisible());
        g_fileWnd->selectFirst();
        QCOMPARE(g_fileWnd->chosenName(), name);
        TCaughtMessages caught;
        QTest::mouseClick(g_fileWnd->okButton(), Qt::LeftButton);
        QTRY_VERIFY(rig.boxSays("No Data"));
        const QStringList messages = caught.lines();
        QVERIFY2(messages.contains("TSearchWnd::sl_fromFile.. refused:" + shown), qPrintable(messages.join('|')));
        // As standard error would show them: no raw control byte, and no
        // line begun by the name.
        for (const QString& l : messages.join('\n').split('\n')) {
            QVERIFY2(std::none_of(l.begin(), l.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }),
                     qPrintable(l));
            QVERIFY2(!l.startsWith("line.exe"), qPrintable(l));
        }
    }

    // The options dialog from the window: OK stores the section in the
    // model file and hands de-interlace and date overlap to the decoder,
    // every time the dialog is used; CANCEL and Escape leave everything as
    // it was, the edit copy included.
    void options_data()
    {
        QTest::addColumn<QString>("close"); // ok, cancel, escape
        QTest::newRow("OK") << "ok";
        QTest::newRow("CANCEL") << "cancel";
        QTest::newRow("Escape") << "escape";
    }
    void options()
    {
        QFETCH(QString, close);
        SearchRig rig(kTwoDays);
        QVERIFY(rig.open());
        QVERIFY(rig.dayAsked());
        const QString conf = TPath::map(QStringLiteral("/dvr/%1.conf").arg(QLatin1String(rig.fx.dev.model)));
        auto stored = [&conf](const char* key) {
            return QSettings(conf, QSettings::IniFormat).value(QStringLiteral("SEARCHOPT/") + key).toInt();
        };
        const PropSearchopt before = *rig.fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT);
        for (int use = 0; use < 2; ++use) {
            rig.click(TSearchWnd::BTN_OPTION);
            TSearchOpt* opt = rig.s->opt();
            QVERIFY(opt->isVisible());
            if (use == 0)
                QVERIFY(opt->grab().save(vkeytest::grabPath("search-option.png")));
            dalTestJournalClear();
            QTest::mouseClick(opt->button(TSearchOpt::BTN_DEINT), Qt::LeftButton);
            opt->combo(TSearchOpt::CB_OVERLAP)->setCurrentIndex(use == 0 ? 1 - before.DateOverlap : before.DateOverlap);
            if (close == "ok")
                QTest::mouseClick(opt->button(TSearchOpt::BTN_OK), Qt::LeftButton);
            else if (close == "cancel")
                QTest::mouseClick(opt->button(TSearchOpt::BTN_CANCEL), Qt::LeftButton);
            else
                vkeytest::key(rig.s, Qt::Key_Escape); // the window hands it on
            QTRY_VERIFY(!opt->isVisible());
            QVERIFY(rig.s->isVisible());
            const PropSearchopt& live = *rig.fx.live<PropSearchopt>(IDX_PROP_SEARCHOPT);
            const PropSearchopt& edit = *static_cast<PropSearchopt*>(g_cfg->getsection(IDX_PROP_SEARCHOPT, 0));
            QCOMPARE(memcmp(&live, &edit, sizeof live), 0);
            const int deint = close == "ok" ? (use == 0 ? 1 - before.deinterlace : before.deinterlace)
                                            : before.deinterlace;
            const int overlap = close == "ok" && use == 0 ? 1 - before.DateOverlap : before.DateOverlap;
            QCOMPARE(live.deinterlace, deint);
            QCOMPARE(live.DateOverlap, overlap);
            QCOMPARE(stored("deinterlace"), deint);
            QCOMPARE(stored("DateOverlap"), overlap);
            if (close == "ok") {
                QCOMPARE(TMainRig::journal("DalDecSetDeint("), QStringList{QString("DalDecSetDeint(%1)").arg(deint)});
                QCOMPARE(TMainRig::journal("DalDecSetOverlap("),
                         QStringList{QString("DalDecSetOverlap(%1)").arg(overlap == 0 ? 1 : 0)});
            } else {
                QCOMPARE(TMainRig::calls("DalDecSetDeint("), 0);
            }
        }
    }
};

DVR_APP_TEST_MAIN(TMainSearchReqTest)
#include "tmain-searchreqtest.moc"
