#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QtTest>
#include <cstring>

class DalDbTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }

    void openNeedsDiskOrFile()
    {
        TTestRoot root;
        QVERIFY(Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0) > 0);
        QCOMPARE(Db6fOpen(nullptr, "/", 0, 0, 1, 0), 0);
        QCOMPARE(Db6fOpen("", "/", 0, 0, 1, 0), 0);
        QCOMPARE(Db6fOpen("/backup/rec.exe", nullptr, -1, -1, 1, 0), 0); // no such file
        QVERIFY(root.write("/backup/rec.exe", "x"));
        QVERIFY(Db6fOpen("/backup/rec.exe", nullptr, -1, -1, 1, 0) > 0);
    }

    void monthsAndDates()
    {
        const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0);
        QCOMPARE(Db6fNumMonth(h, 2026, 12), 2);
        QCOMPARE(Db6fMonthIdx(h, 2026, 12), 1);
        QCOMPARE(Db6fMonthIdx(h, 2025, 12), -1);
        MonthInfo mi;
        QCOMPARE(Db6fReadMonth(h, 0, 1, &mi), 1);
        QCOMPARE(mi.month, 11);
        QCOMPARE(mi.count[29], 1);
        QCOMPARE(mi.count[1], 0);
        QCOMPARE(Db6fReadMonth(h, 2, 1, &mi), -1);
        const Db6Date want = {2026, 12, 1, 0, 0};
        QCOMPARE(Db6fDateIdxInSameDate(h, &want, 0), 2);
        QCOMPARE(Db6fDateIdxInSameDate(h, &want, 1), -1); // one entry on that date
        Db6Date d;
        QCOMPARE(Db6fReadDate(h, 2, 1, &d), 1);
        QCOMPARE(d.numEvents, 20);
        Db6Avc avc;
        QCOMPARE(Db6fGetAvc(h, 2, &avc), 0);
        QCOMPARE(avc.numRes, 3);
    }

    void itemsArePaged()
    {
        dalTestSetProfile("4");
        const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 0, 0);
        Db6ItemHead head;
        Db6Item items[40];
        // Date 0 holds 10 events: a page of 4 from 8 gives the last 2.
        QCOMPARE(Db6fReadItem(h, 0, 8, 4, &head, items), 2);
        QCOMPARE(head.numItems, 2);
        QCOMPARE(Db6fReadItem(h, 0, 0, 40, &head, items), 10);
        QCOMPARE(int(items[2].type), 64 + 2); // motion of channel 2
        QCOMPARE(QByteArray(items[3].text), QByteArray("POS 4 ITEM 3"));
        QCOMPARE(items[3].textLen, 12);
        QVERIFY(items[0].text == nullptr);
        Db6Item again[40]; // a later read leaves the earlier texts in place
        QCOMPARE(Db6fReadItem(h, 0, 0, 40, nullptr, again), 10);
        QCOMPARE(QByteArray(again[7].text), QByteArray(items[7].text));
        QCOMPARE(Db6fReadItem(h, 0, -1, 4, &head, items), -1);
        QCOMPARE(Db6fReadItem(h, 3, 0, 4, &head, items), -1);
    }

    void recordMapsFollowChannels()
    {
        dalTestSetProfile("8");
        const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0);
        uint64_t h1[32], h2[32];
        QCOMPARE(Db6fReadReiDay(h, 0, h1, h2), 0);
        QVERIFY(h1[0] & (1ull << 0));
        QVERIFY(!(h1[0] & (1ull << 12))); // the noon gap
        QVERIFY(h2[0] & (1ull << 8));
        QCOMPARE(h1[8], uint64_t(0)); // beyond the 8 channels
        QCOMPARE(Db6fReadReiHour(h, 0, 8, h1, h2), 0);
        QCOMPARE(h1[0], (1ull << 60) - 1);
        QCOMPARE(h2[0], (1ull << 10) - 1);
        QCOMPARE(Db6fReadReiHour(h, 0, 24, h1, h2), -1);
    }

    void closedHandleAndNullRefused()
    {
        const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0);
        QCOMPARE(Db6fClose(h), 0);
        QCOMPARE(Db6fClose(h), -1);
        QCOMPARE(Db6fNumMonth(h, 2026, 11), -1);
        MonthInfo mi;
        QCOMPARE(Db6fReadMonth(h, 0, 1, &mi), -1);
        QCOMPARE(Db6fFilterRei(h, 1), -1); // filters are not simulated
        dalTestSetProfile("8");
        Db6Check c;
        std::memset(&c, 0x55, sizeof c);
        QCOMPARE(Db6CheckSd(&c), 0);
        QCOMPARE(c.formatted[1], 1);
        QCOMPARE(c.formatted[2], 0);
        QCOMPARE(Db6CheckSd(nullptr), -1);
    }
};

QTEST_GUILESS_MAIN(DalDbTest)
#include "daldbtest.moc"
