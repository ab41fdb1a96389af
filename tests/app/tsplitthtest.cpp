// The layout thread: a target is shown whole, and a target set while a
// switch runs is shown right after it (only the latest one).
#include "tsplitth.h"

#include <QMutex>
#include <atomic>
#include <QSemaphore>
#include <QtTest>

namespace {

using Pairs = QVector<QPair<int, int>>;

// The work of the switches: records each (layout, page) and can hold the
// running one until the test lets it go.
struct Recorder
{
    QMutex mutex;
    Pairs seen;
    QSemaphore entered;
    QSemaphore release;
    std::atomic<bool> hold{false};

    TSplitTh::Work work()
    {
        return [this](int layout, int nsw) {
            {
                QMutexLocker lock(&mutex);
                seen.append({layout, nsw});
            }
            entered.release();
            if (hold)
                release.acquire();
        };
    }
    Pairs taken()
    {
        QMutexLocker lock(&mutex);
        return seen;
    }
};

} // namespace

class TSplitThTest : public QObject
{
    Q_OBJECT
private slots:
    // The switch protocol waits for a running switch at most its time
    // (500 ms for layout changes, 250 ms for the event pop-up), then leaves
    // the target to it; with nothing running it does not wait.
    void requestWaits_data()
    {
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<bool>("busy");
        QTest::newRow("layout change, idle") << 500 << false;
        QTest::newRow("layout change, switch running") << 500 << true;
        QTest::newRow("pop-up, switch running") << 250 << true;
    }
    void requestWaits()
    {
        QFETCH(int, waitMs);
        QFETCH(bool, busy);
        Recorder rec;
        rec.hold = busy;
        TSplitTh th(nullptr, rec.work());
        if (busy) {
            th.set(4, 0);
            th.kick();
            QVERIFY(rec.entered.tryAcquire(1, 5000));
        }
        QElapsedTimer t;
        t.start();
        QCOMPARE(th.request(1, 3, waitMs), !busy);
        const qint64 waited = t.elapsed();
        if (busy) {
            QVERIFY2(waited >= waitMs - 5, qPrintable(QString::number(waited)));
            QVERIFY2(waited < waitMs + 2000, qPrintable(QString::number(waited)));
            rec.hold = false;
            rec.release.release(2);
        } else {
            QVERIFY2(waited < waitMs, qPrintable(QString::number(waited)));
        }
        QVERIFY(th.wait(5000));
        // A target set during a switch is shown right after it.
        QCOMPARE(rec.taken(), busy ? (Pairs{{4, 0}, {1, 3}}) : (Pairs{{1, 3}}));
        QVERIFY(!th.pending());
    }

    // Targets set as fast as possible while switches run: every switch
    // shows a pair that was set as a pair, never a layout of one target with
    // the page of another, and the last one set is shown last.
    void neverTorn()
    {
        Recorder rec;
        TSplitTh th(nullptr, rec.work());
        for (int i = 0; i < 2000; ++i) {
            th.set(i, 10000 + i);
            th.kick();
        }
        QVERIFY(th.wait(5000));
        const Pairs seen = rec.taken();
        QVERIFY(!seen.isEmpty());
        for (const auto& p : seen)
            QCOMPARE(p.second, 10000 + p.first);
        QCOMPARE(seen.last(), qMakePair(1999, 11999));
    }
};

QTEST_GUILESS_MAIN(TSplitThTest)
#include "tsplitthtest.moc"
