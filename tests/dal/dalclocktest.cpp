// The stand-in's time zone: DalSysSetTz moves the local time of the whole
// process to the entry's zone, as the recorder's device layer moves the
// system's; the reset brings back the zone the process started in.
#include "dal.h"
#include "dal_test.h"
#include "tselfchild.h"

#include <QProcess>
#include <QtTest>
#include <atomic>
#include <ctime>
#include <thread>

namespace {
const TzEntry* zoneNamed(const char* name)
{
    SysCaps caps{};
    DalSysGetCaps(&caps);
    for (int i = 0; i < caps.numTz; ++i)
        if (qstrcmp(caps.tz[i].name, name) == 0)
            return &caps.tz[i];
    return nullptr;
}

// Seconds ahead of UTC at t, as the C library's local time reads it.
long offsetAt(time_t t)
{
    struct tm local;
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

// Seconds ahead of UTC at t in the zone tz names; the process's zone is
// back as it was afterwards.
long offsetIn(const char* tz, time_t t)
{
    const QByteArray was = qgetenv("TZ");
    const bool had = qEnvironmentVariableIsSet("TZ");
    ::setenv("TZ", tz, 1);
    ::tzset();
    const long offset = offsetAt(t);
    if (had)
        ::setenv("TZ", was.constData(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
    return offset;
}

const time_t kJanuary = 1768478400; // 2026-01-15 12:00 UTC
const time_t kJuly = 1784116800;    // 2026-07-15 12:00 UTC
}

class DalClockTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { dalTestReset(); }
    void cleanup() { dalTestReset(); }

    void zoneMovesLocalTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("dst");
        QTest::addColumn<int>("winter"); // hours ahead of UTC in January
        QTest::addColumn<int>("summer"); // and in July
        QTest::newRow("New York") << QByteArray("GMT-05:00 New York") << 0 << -5 << -5;
        QTest::newRow("Seoul") << QByteArray("GMT+09:00 Seoul") << 0 << 9 << 9;
        QTest::newRow("New York, daylight saving") << QByteArray("GMT-05:00 New York") << 1 << -5 << -4;
        QTest::newRow("Paris, daylight saving") << QByteArray("GMT+01:00 Paris") << 1 << 1 << 2;
        QTest::newRow("Seoul has no daylight saving") << QByteArray("GMT+09:00 Seoul") << 1 << 9 << 9;
    }

    void zoneMovesLocalTime()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, dst);
        QFETCH(int, winter);
        QFETCH(int, summer);
        const int host = QDateTime::currentDateTime().offsetFromUtc();
        QCOMPARE(DalSysSetTz(zoneNamed(zone.constData()), dst), 0);
        QCOMPARE(offsetAt(kJanuary), winter * 3600L);
        QCOMPARE(offsetAt(kJuly), summer * 3600L);
        // Qt's local time too, now and at a given second.
        QCOMPARE(QDateTime::fromSecsSinceEpoch(kJuly).offsetFromUtc(), summer * 3600);
        const int now = QDateTime::currentDateTime().offsetFromUtc();
        QVERIFY2(now == winter * 3600 || now == summer * 3600, QByteArray::number(now).constData());
        dalTestReset();
        QCOMPARE(QDateTime::currentDateTime().offsetFromUtc(), host);
    }

    // A process started with TZ naming another zone than the system's gets
    // that zone back from the reset, not the system's. The test program runs
    // itself with such a TZ: its reset before each case is already one.
    void resetBringsBackTheStartZone()
    {
        if (qEnvironmentVariableIsSet("DVR_TEST_START_ZONE")) {
            const long start = qEnvironmentVariable("DVR_TEST_START_ZONE").toLong();
            QCOMPARE(offsetAt(kJanuary), start);
            QCOMPARE(DalSysSetTz(zoneNamed("GMT-05:00 New York"), 0), 0);
            QCOMPARE(offsetAt(kJanuary), -5 * 3600L);
            dalTestReset();
            QCOMPARE(offsetAt(kJanuary), start);
            QCOMPARE(offsetAt(kJuly), start);
            QCOMPARE(QDateTime::fromSecsSinceEpoch(kJuly).offsetFromUtc(), int(start));
            return;
        }
        // A fixed zone the system's is not, in winter and in summer.
        const long system[2] = {offsetIn(":/etc/localtime", kJanuary), offsetIn(":/etc/localtime", kJuly)};
        const QByteArray tz = system[0] == 5 * 3600 + 1800 || system[1] == 5 * 3600 + 1800 ? "<-0330>3:30" : "<+0530>-5:30";
        const long start = tz.startsWith("<-") ? -(3 * 3600 + 1800) : 5 * 3600 + 1800;
        QVERIFY(start != system[0] && start != system[1]);
        QProcess child;
        child.setProcessChannelMode(QProcess::MergedChannels);
        startSelf(child, {QStringLiteral("resetBringsBackTheStartZone")},
                  {{QStringLiteral("TZ"), QString::fromLatin1(tz)},
                   {QStringLiteral("DVR_TEST_START_ZONE"), QString::number(start)}});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray out = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, out.constData());
    }

    // The zone changes on one thread while another reads local time, as the
    // program's threads and the stand-in's do: every reading is one of the
    // two zones.
    void zoneChangesWhileAnotherThreadReads()
    {
        const TzEntry* zones[2] = {zoneNamed("GMT-05:00 New York"), zoneNamed("GMT+09:00 Seoul")};
        QCOMPARE(DalSysSetTz(zones[0], 0), 0);
        std::atomic<bool> done{false};
        std::atomic<int> wrong{0};
        QByteArray first; // the first wrong reading, read after the join
        std::thread reader([&] {
            while (!done) {
                const long libc = offsetAt(time(nullptr));
                const int qt = QDateTime::currentDateTime().offsetFromUtc();
                if (((libc != -5 * 3600 && libc != 9 * 3600) || (qt != -5 * 3600 && qt != 9 * 3600)) && !wrong++)
                    first = "C library " + QByteArray::number(qlonglong(libc)) + " s, Qt " + QByteArray::number(qt) + " s";
            }
        });
        int refused = 0;
        for (int i = 1; i <= 201; ++i)
            refused += DalSysSetTz(zones[i % 2], 0) != 0;
        done = true;
        reader.join();
        QCOMPARE(refused, 0);
        QVERIFY2(wrong == 0, first.constData());
        QCOMPARE(offsetAt(time(nullptr)), 9 * 3600L);
    }
};

QTEST_GUILESS_MAIN(DalClockTest)
#include "dalclocktest.moc"
