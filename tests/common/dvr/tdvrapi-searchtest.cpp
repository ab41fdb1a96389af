#include "tdvrfixture.h"
#include "tosdhooks.h"

#include "tsignallog.h"
#include <cstring>

namespace {
// Three entries on 2026-03-05 (45 made-up events in the second) and one in
// January.
const char* const kDesc = "date 2026-03-05 7001\n"
                          "rec 0-3 10:00-10:59\n"
                          "event 1 10:30-10:39\n"
                          "item 10:02:00 text 0 9 CASH 12.50\n"
                          "item 10:03:00 text 1 9 REFUND\n"
                          "item 10:00:00 sensor 1 5\n"
                          "item 10:01:00 motion 0 5\n"
                          "date 2026-03-05 7002\n"
                          "items 45\n"
                          "date 2026-03-05 7003\n"
                          "items 3\n"
                          "date 2026-01-20 7000\n"
                          "rec all 00:00-23:59\n";

SearchQuery query(int mode, int month, int type = 0, int perPage = 20)
{
    SearchQuery q;
    std::memset(&q, 0, sizeof q);
    q.mode = mode;
    q.type = type;
    q.year = 2026;
    q.month = month;
    q.perPage = perPage;
    return q;
}
}

class TDvrApiSearchTest : public QObject
{
    Q_OBJECT
private slots:
    void months_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("monthIdx");
        QTest::addColumn<int>("shown");
        QTest::newRow("a recorded month") << 3 << 1 << 3;
        QTest::newRow("a month without recordings: the last recorded") << 2 << 1 << 3;
        QTest::newRow("the first month") << 1 << 0 << 1;
    }

    void months()
    {
        QFETCH(int, month);
        QFETCH(int, monthIdx);
        QFETCH(int, shown);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        const SearchQuery q = query(0, month);
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.m_monthIdx, monthIdx);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.m_monthInfo.month, shown);
        QCOMPARE(g_api.m_monthInfo.count[month == 1 ? 20 : 5], month == 1 ? 1 : 3);
        // The ends of the recorded months keep the index in range.
        QCOMPARE(g_api.stepMonth(monthIdx ? 1 : -1), 0);
        QCOMPARE(g_api.m_monthIdx, monthIdx);
        QCOMPARE(g_api.stepMonth(monthIdx ? -1 : 1), 1);
        QCOMPARE(g_api.m_monthInfo.month, monthIdx ? 1 : 3);
    }

    // Another search mode repaints the OSD of the whole screen; the same
    // mode again leaves it.
    void modeChangeRepaints_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("repaints");
        QTest::newRow("another mode") << 2 << 1;
        QTest::newRow("the same mode") << 0 << 0;
    }

    void modeChangeRepaints()
    {
        QFETCH(int, mode);
        QFETCH(int, repaints);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        QCOMPARE(g_api.m_searchMode, 0);
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        const SearchQuery q = query(mode, 3);
        QCOMPARE(g_api.readyFordb(&q), 1);
        // The OSD area as the resources size it (the whole screen).
        const QSize screen = osdSize(16);
        const QVariantList whole{SIG_OSD_POS_UPDATE, 0, (screen.width() << 16) + screen.height()};
        QCOMPARE(int(std::count_if(spy.begin(), spy.end(), [&](const QVariantList& a) { return a.mid(0, 3) == whole; })),
                 repaints);
    }

    void nothingRecorded()
    {
        TDvrFixture fx("4");
        QVERIFY(fx.root.write("/backup/copy.exe", "# an empty backup\n"));
        SearchQuery q = query(0, 3);
        qstrncpy(q.db, "/backup/copy.exe", sizeof q.db);
        QCOMPARE(g_api.readyFordb(&q), 0);
        QCOMPARE(g_api.m_extDbOpen, 1);
        QCOMPARE(g_api.loadMonth(), 0);
        g_api.closeDb();
        QCOMPARE(g_api.m_extDbOpen, 0);
        QCOMPARE(g_api.loadDay(5, 0, 0, 1), 0); // no database
        std::memset(q.db, 'x', sizeof q.db); // not terminated: read as 64 characters
        QCOMPARE(g_api.readyFordb(&q), 0);
        QCOMPARE(qstrlen(g_api.m_dbPath), uint(sizeof q.db));
    }

    void entriesOfADay_data()
    {
        QTest::addColumn<int>("idx");
        QTest::addColumn<int>("dateId");
        QTest::addColumn<int>("events");
        QTest::newRow("the second entry") << 2 << 7002 << 45;
        QTest::newRow("0: the first") << 0 << 7001 << 4;
        QTest::newRow("-1: the last") << -1 << 7003 << 3;
        QTest::newRow("beyond the entries") << 4 << -1 << 0;
    }

    void entriesOfADay()
    {
        QFETCH(int, idx);
        QFETCH(int, dateId);
        QFETCH(int, events);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        const SearchQuery q = query(2, 3);
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.loadDay(5, idx, 0, 1) != 0, dateId > 0);
        QCOMPARE(g_api.m_curDayId, dateId);
        QCOMPARE(g_api.m_numItem, events);
    }

    void pages_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("items");
        QTest::newRow("a new day opens on its last page") << 20 << -2 << 3 << 2 << 5;
        QTest::newRow("page 1") << 20 << 1 << 3 << 1 << 20;
        QTest::newRow("beyond the last page") << 20 << 7 << 3 << 2 << 5;
        QTest::newRow("below the first") << 20 << -1 << 3 << 2 << 5;
        QTest::newRow("99 a page are cut to 40") << 99 << 0 << 2 << 0 << 40;
        QTest::newRow("0 a page is 1") << 0 << 44 << 45 << 44 << 1;
    }

    void pages()
    {
        QFETCH(int, perPage);
        QFETCH(int, page);
        QFETCH(int, pages);
        QFETCH(int, shown);
        QFETCH(int, items);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        const SearchQuery q = query(2, 3, 0, perPage);
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QVERIFY(g_api.loadDay(5, 2, 0, 1) > 0);
        if (page != -2)
            QCOMPARE(g_api.loadDay(5, 2, page, 0), items);
        const DayEvents& ev = g_api.m_dayEvents;
        QCOMPARE(ev.numPages, pages);
        QCOMPARE(ev.page, shown);
        QCOMPARE(ev.numItems, items);
        // Text-in items point at the facade's own copy of their text.
        for (int k = 0; k < ev.numItems; ++k) {
            const bool textin = ev.item[k].type >= 0x80;
            QCOMPARE(ev.item[k].text, textin ? ev.text[k] : nullptr);
            QCOMPARE(QByteArray(ev.text[k]).startsWith("POS "), textin);
        }
    }

    void eventFilter_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QByteArray>("channels"); // 1 = searched
        QTest::addColumn<int>("events");
        QTest::addColumn<bool>("listed"); // the decoder's event list takes the type
        QTest::newRow("all types, channels 0 and 1") << 0 << QByteArray("\1\1") << 4 << false;
        QTest::newRow("all types, channel 1") << 0 << QByteArray("\0\1", 2) << 2 << false;
        QTest::newRow("sensors of channel 1") << 2 << QByteArray("\0\1", 2) << 1 << true;
        QTest::newRow("sensors of channel 0") << 2 << QByteArray("\1") << 0 << true;
        QTest::newRow("motion of channel 0") << 3 << QByteArray("\1") << 1 << true;
        QTest::newRow("POS of channels 0 and 1") << 5 << QByteArray("\1\1") << 2 << true;
        QTest::newRow("recordings") << 1 << QByteArray("\1\1\1\1") << 0 << false;
    }

    void eventFilter()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, channels);
        QFETCH(int, events);
        QFETCH(bool, listed);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        SearchQuery q = query(1, 3, type);
        std::memcpy(q.chOn, channels.constData(), size_t(channels.size()));
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QVERIFY(g_api.loadDay(5, 1, 0, 1) >= 0);
        QCOMPARE(g_api.m_numItem, events);
        QCOMPARE(g_api.m_dayEvents.numItems, events);
        const int row = type ? type - 1 : 0;
        QCOMPARE(g_api.m_eventList[row][channels.size() - 1], uint8_t(listed));
        QCOMPARE(g_api.m_typeFilter[row][channels.size()], uint8_t(0)); // channels not chosen
    }

    void posTextSearchReportsProgress()
    {
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        TConfig::setTextHook([](int id) { return id == 395 ? QStringLiteral("POS") : QString(); });
        TSignalLog spy(&g_api, &TDVRAPI::sg_dvrNotify);
        SearchQuery q = query(2, 1);
        qstrncpy(q.text, "CASH", sizeof q.text);
        QCOMPARE(g_api.readyFordb(&q), 1);
        TConfig::setTextHook(nullptr);
        QStringList progress;
        for (const QVariantList& args : spy)
            if (args[0].toInt() == SIG_STATE_UPDATE && args[4].toString() == "POS")
                progress << args[5].toString();
        QCOMPARE(progress, QStringList({"2026/1/20", "2026/3/5", "2026/3/5", "2026/3/5"}));
        QCOMPARE(g_api.m_numMonth, 1); // only the entry with the text is listed
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.m_monthInfo.count[5], 1);
        QCOMPARE(g_api.loadDay(5, 0, 0, 1), 1);
        QCOMPARE(QByteArray(g_api.m_dayEvents.text[0]), QByteArray("CASH 12.50"));
    }

    void longTextInIsCopiedWhole()
    {
        TDvrFixture fx("4");
        const QByteArray text(2100, 'x');
        QCOMPARE(dalTestDbDescribe("/data0/data.db6",
                                   ("date 2026-03-05\nitem 01:00:00 text 0 1 " + text + "\nitem 02:00:00 text 1 1")
                                       .constData()),
                 0);
        const SearchQuery q = query(2, 3);
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.loadDay(5, 0, 0, 1), 2); // the items of the day
        QCOMPARE(QByteArray(g_api.m_dayEvents.text[0]), text.left(DayEvents::TEXT_SIZE - 1));
        // A text-in item without text comes back without one.
        QVERIFY(g_api.m_dayEvents.item[1].text == nullptr);
        QCOMPARE(g_api.m_dayEvents.item[1].textLen, 0);
        QCOMPARE(g_api.loadDay(32, 0, 0, 1), 0); // no day 32 in a month
        QCOMPARE(g_api.loadDay(0, 0, 0, 1), 0);
    }

    void recordMap_data()
    {
        QTest::addColumn<int>("rei");
        QTest::addColumn<quint64>("normal10");  // minutes of channel 0 in hour 10
        QTest::addColumn<quint64>("event10");   // of channel 1
        QTest::newRow("all recording") << 0 << quint64((1ull << 60) - 1) << quint64(0x3ffull << 30);
        QTest::newRow("event recording only") << 1 << quint64(0) << quint64(0x3ffull << 30);
    }

    void recordMap()
    {
        QFETCH(int, rei);
        QFETCH(quint64, normal10);
        QFETCH(quint64, event10);
        TDvrFixture fx("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        SearchQuery q = query(0, 3);
        q.rei = rei;
        QCOMPARE(g_api.readyFordb(&q), 1);
        QCOMPARE(g_api.loadMonth(), 1);
        QCOMPARE(g_api.loadDay(5, 1, 0, 1), 1);
        const ReiDay& day = g_api.m_reiDay;
        QCOMPARE(quint64(day.minMask1[10][0]), normal10);
        QCOMPARE(quint64(day.minMask2[10][1]), event10);
        QCOMPARE(quint64(day.hourMask1[0]), normal10 ? quint64(1) << 10 : quint64(0));
        QCOMPARE(quint64(day.minMask1[9][0]), quint64(0));
        QCOMPARE(g_api.m_reiFilter, rei);
    }
};

QTEST_MAIN(TDvrApiSearchTest)
#include "tdvrapi-searchtest.moc"
