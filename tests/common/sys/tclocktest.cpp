#include "tclock.h"
#include "tsecondturn.h"

#include <QtTest>

// The recorder's clock: the device's clock when one is installed, else the
// system clock as every Qt clock reads it.
class TClockTest : public QObject
{
    Q_OBJECT

    static qint64 deviceClock() { return 1300000000; }

private slots:
    void cleanup() { TClock::setSource(nullptr); }

    // Read right after Qt's clock, it never gives an earlier second, at the
    // turn of a second neither (a clock of ticks still gives the second
    // before there for a few milliseconds).
    void systemClockAtTheTurnOfASecond() { QCOMPARE(secondTurnMismatch(&TClock::secs), QString()); }

    void deviceClockWhenInstalled()
    {
        TClock::setSource(&deviceClock);
        QCOMPARE(TClock::secs(), deviceClock());
        QCOMPARE(TClock::now(), QDateTime::fromSecsSinceEpoch(deviceClock()));
    }
};

QTEST_GUILESS_MAIN(TClockTest)
#include "tclocktest.moc"
