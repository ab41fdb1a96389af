#include "tmenuguard.h"

#include <QtTest>

#include <memory>
#include <vector>

// The menu handlers' guard: work queued to the GUI thread waits while a
// handler holds one, and runs again where pending events are let run once
// every handler that held one has returned.
class TMenuGuardTest : public QObject
{
    Q_OBJECT
private slots:
    void queuedWorkRuns_data()
    {
        QTest::addColumn<int>("before");   // handlers that ran and returned first
        QTest::addColumn<int>("made");     // guards made, one inside the other
        QTest::addColumn<int>("released"); // of them released, the inner first
        QTest::addColumn<bool>("runs");
        QTest::newRow("no handler") << 0 << 0 << 0 << true;
        QTest::newRow("in a handler") << 0 << 1 << 0 << false;
        QTest::newRow("after the handler") << 0 << 1 << 1 << true;
        QTest::newRow("nested, the inner returned") << 0 << 2 << 1 << false;
        QTest::newRow("nested, both returned") << 0 << 2 << 2 << true;
        QTest::newRow("after two handlers in turn") << 2 << 0 << 0 << true;
        QTest::newRow("in a handler after two") << 2 << 1 << 0 << false;
    }
    void queuedWorkRuns()
    {
        QFETCH(int, before);
        QFETCH(int, made);
        QFETCH(int, released);
        QFETCH(bool, runs);
        for (int i = 0; i < before; ++i) {
            const TMenuGuard inHandler;
        }
        std::vector<std::unique_ptr<TMenuGuard>> held;
        for (int i = 0; i < made; ++i)
            held.emplace_back(new TMenuGuard);
        for (int i = 0; i < released; ++i)
            held.pop_back();
        QCOMPARE(TMenuGuard::active(), made > released);

        // The work goes with its context should the case end early.
        QObject context;
        bool ran = false;
        QMetaObject::invokeMethod(&context, [&ran] { ran = true; }, Qt::QueuedConnection);
        TMenuGuard::processEvents();
        QCOMPARE(ran, runs);

        // The work waited, it was not dropped.
        held.clear();
        QVERIFY(!TMenuGuard::active());
        TMenuGuard::processEvents();
        QVERIFY(ran);
    }
};

QTEST_GUILESS_MAIN(TMenuGuardTest)
#include "tmenuguardtest.moc"
