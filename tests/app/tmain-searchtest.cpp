// The search window and the main window's answers to it, on the stand-in's
// recording database: the month's marked days and the day chosen from them,
// the event and POS lists with their paging, playback at every speed, the
// playback layouts, the import of a backup file, backup and the options.
#include "tmainrig.h"
#include "searchreq.h"
#include "tbutton.h"
#include "tcalendar.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tfilewnd.h"
#include "tlinegraph.h"
#include "tlistview.h"
#include "tposview.h"
#include "tsearchopt.h"
#include "tsearchwnd.h"
#include "tstatuswnd.h"

#include <QElapsedTimer>
#include <QSettings>
#include <cstring>

namespace {

const char* const kTwoDays = "date 2026-11-03\nrec all 08:00-08:30\ndate 2026-11-20\nrec 0 10:00-10:09\n"
                             "event 1 10:05-10:06\n";
const char* const kOverlap = "date 2026-11-03\nrec all 08:00-08:30\ndate 2026-11-20\nrec all 01:00-01:10\n"
                             "date 2026-11-20\nrec all 02:00-02:10\n";

[[maybe_unused]] void* val(int v)
{
    return reinterpret_cast<void*>(intptr_t(v));
}

// The main window with the search window on the stand-in's database, the
// administrator logged in; every request of the window recorded as it
// goes (a query copied while it lives).
struct SearchRig : TMainRig
{
    explicit SearchRig(const char* desc, const char* profile = "16") : TMainRig(profile)
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
        QSignalSpy notes(&g_api, &TDVRAPI::sg_dvrNotify);
        w->show();
        QApplication::setActiveWindow(w);
        if (!QTest::qWaitForWindowActive(w))
            return false;
        for (int i = 0; i < 500 && !w->m_initDone; ++i)
            QTest::qWait(10);
        auto disksIn = [&notes] {
            for (const QList<QVariant>& n : notes)
                if (n.at(0).toInt() == SIG_SD_INFO)
                    return true;
            return false;
        };
        for (int i = 0; i < 500 && !disksIn(); ++i)
            QTest::qWait(10);
        QCoreApplication::processEvents();
        w->sl_ctrlStatus(SIG_STATE_END, QString(), QString());
        dalTestJournalClear();
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
    // A mode chosen on the mode combo, its database opened.
    void mode(int m)
    {
        s->combo(TSearchWnd::CB_MODE)->setCurrentIndex(m);
        QCOMPARE(s->m_mode, m);
    }
    // The message box is up with this text.
    bool boxSays(const char* text) const { return box()->isVisible() && box()->text() == QLatin1String(text); }

    TSearchWnd* s = nullptr;
    QList<int> codes;
    QList<SearchQuery> queries;
    QElapsedTimer clock;
    qint64 askedAt = 0;
};

// A page of events as the facade hands it over.
[[maybe_unused]] DayEvents* page(int pageNo, int pages, const QList<QPair<int, QByteArray>>& items)
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

} // namespace

class TMainSearchTest : public QObject
{
    Q_OBJECT
private slots:
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
        QStringList shown;
        for (int c = 0; c < 42; ++c)
            if (rig.s->calendar()->markAt(c))
                shown << QString("%1:%2").arg(rig.s->calendar()->dayAt(c)).arg(rig.s->calendar()->markAt(c));
        QCOMPARE(shown.join(' '), marks);
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
};

QTEST_MAIN(TMainSearchTest)
#include "tmain-searchtest.moc"
