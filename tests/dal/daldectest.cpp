#include "dal.h"
#include "dal_test.h"
#include "ttestroot.h"

#include <QMutex>
#include <QtTest>
#include <memory>

namespace {
const char* const kDesc = "date 2026-03-05 7001\n"
                          "rec 0 10:00-10:01\n"
                          "rec 1 10:01-10:01\n"
                          "date 2026-03-06 7002\n"
                          "rec 0 00:00-00:00\n"
                          "rec 1 23:59-23:59\n"
                          "item 00:00:01 text 0 5 HELLO\n";

struct Report {
    int type;
    int day;
    double time;
    double rate;
    int width[2];
    uint32_t chinfo;
    QByteArray text;
};

QMutex g_mutex;
QVector<Report> g_reports;

int decoder(void*, int type, const DecInfo* rec)
{
    const int textCh = type >= CBT_DEC_TEXTIN_CH ? type - CBT_DEC_TEXTIN_CH : 0;
    QMutexLocker lock(&g_mutex);
    g_reports.append({type, rec->day, rec->time, rec->rate, {rec->entry[0].width, rec->entry[1].width}, rec->chinfo,
                      QByteArray(rec->entry[textCh].text)});
    return 0;
}

int io(void*, int, int, int)
{
    return 0;
}

// The reports delivered so far of a type (all with -9), then forgotten.
QVector<Report> take(int type = -9)
{
    dalTestFlush();
    QMutexLocker lock(&g_mutex);
    QVector<Report> out;
    for (const Report& r : g_reports)
        if (type == -9 || r.type == type)
            out.append(r);
    g_reports.clear();
    return out;
}
}

class DalDecTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<TTestRoot> m_root;

private slots:
    void init()
    {
        dalTestReset();
        m_root.reset(new TTestRoot);
        dalTestSetProfile("4");
        QCOMPARE(dalTestDbDescribe("/data0/data.db6", kDesc), 0);
        DalInit();
        DalIoSetCb(io, this);
        DalDecSetCb(decoder, this);
        dalTestSetManualTicks(1);
        DalStart();
        take();
    }

    void cleanup()
    {
        dalTestReset();
        m_root.reset();
    }

    void startAnswers_data()
    {
        QTest::addColumn<int>("dateId");
        QTest::addColumn<double>("start");
        QTest::addColumn<int>("allDay");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("time");
        QTest::newRow("a recorded second") << 7001 << 36005.5 << 0 << 0 << 5 << 36005.5;
        QTest::newRow("before the recording: its first second") << 7001 << 32400.0 << 0 << 0 << 5 << 36000.0;
        QTest::newRow("nothing later that day") << 7001 << 36120.0 << 0 << -1 << 0 << 0.0;
        QTest::newRow("nothing later: the next date") << 7001 << 36120.0 << 1 << 0 << 6 << 0.0;
        QTest::newRow("unknown date") << 9999 << 0.0 << 1 << -1 << 0 << 0.0;
        QTest::newRow("today, not recorded") << -1 << 0.0 << 1 << -1 << 0 << 0.0;
        QTest::newRow("beyond the day") << 7001 << 86400.0 << 1 << -1 << 0 << 0.0;
    }

    void startAnswers()
    {
        QFETCH(int, dateId);
        QFETCH(double, start);
        QFETCH(int, allDay);
        QFETCH(int, result);
        QFETCH(int, day);
        QFETCH(double, time);
        QCOMPARE(DalDecStart("/data0/data.db6", dateId, 0, allDay, start, 1.0), result);
        const QVector<Report> t = take(CBT_DEC_TIME);
        QCOMPARE(t.size(), result == 0 ? 1 : 0);
        if (result == 0) {
            QCOMPARE(t[0].day, day);
            QCOMPARE(t[0].time, time);
        }
        QCOMPARE(DalDecCurDateId(), result != 0 ? -1 : (day == 6 ? 7002 : 7001));
    }

    void cellsWithoutDataAndMasks()
    {
        QCOMPARE(DalDecStart("/data0/data.db6", 7001, 0, 0, 36058.0, 2.0), 0);
        QVector<Report> r = take();
        QCOMPARE(r.size(), 1 + 4 + 1 + 1); // time, the four channels, the mask, the rate
        QCOMPARE(r[6].type, int(CBT_DEC_RATE));
        QCOMPARE(r[6].rate, 2.0);
        QCOMPARE(r[1].width[0], 704); // the largest record picture
        QCOMPARE(r[1].width[1], 0);
        QCOMPARE(r[5].chinfo, 1u);
        QVERIFY(dalTestStepTick() > 0); // 10:01:00: channel 1 has data now
        r = take();
        QCOMPARE(r.size(), 3);
        QCOMPARE(r[0].time, 36060.0);
        QCOMPARE(r[1].type, CBT_DEC_INFO_CH + 1);
        QCOMPARE(r[2].chinfo, 3u);
        QCOMPARE(DalDecStart("/data0/data.db6", 7001, 1u, 0, 36058.0, 2.0), 0); // channel 0 off
        QCOMPARE(take(CBT_DEC_CHALL)[0].chinfo, 2u);
    }

    void stepAndPosition()
    {
        QCOMPARE(DalDecRate(2.0), -1); // nothing plays
        QCOMPARE(DalDecStart("/data0/data.db6", 7001, 0, 0, 36000.0, 1.0), 0);
        take();
        QCOMPARE(DalDecStep(1), 0);
        QCOMPARE(take(CBT_DEC_TIME)[0].time, 36000.0 + 1.0 / 30);
        dalTestStepTick(); // paused: nothing moves
        QCOMPARE(take(CBT_DEC_TIME).size(), 0);
        QCOMPARE(DalDecPos(7002, 10.0), 0);
        const QVector<Report> r = take(CBT_DEC_TIME);
        QCOMPARE(r[0].day, 6);
        QCOMPARE(r[0].time, 10.0);
        QCOMPARE(DalDecStop(), 0);
        QCOMPARE(DalDecStep(0), -1);
        QCOMPARE(DalDecPos(7002, 0.0), -1);
    }

    void textInAndTheEndOfTheDay()
    {
        QCOMPARE(DalDecStart("/data0/data.db6", 7002, 0, 0, 0.0, 1.0), 0);
        take();
        dalTestStepTick();
        const QVector<Report> text = take(CBT_DEC_TEXTIN_CH);
        QCOMPARE(text.size(), 1);
        QCOMPARE(text[0].text, QByteArray("HELLO"));
        QCOMPARE(DalDecPos(-1, 86399.5), 0);
        take();
        dalTestStepTick();
        const QVector<Report> r = take();
        QCOMPARE(r[0].type, int(CBT_DEC_RATE)); // the recordings end: paused
        QCOMPARE(r[0].rate, 0.0);
        QCOMPARE(r[1].time, 86399.0);
        dalTestStepTick();
        QCOMPARE(take().size(), 0);
    }
};

QTEST_GUILESS_MAIN(DalDecTest)
#include "daldectest.moc"
