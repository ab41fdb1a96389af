#include "tclock.h"
#include "tdvrfixture.h"
#include "tlog.h"

#include <QFileInfo>
#include <csignal>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

class TDvrApiInitTest : public QObject
{
    Q_OBJECT
private slots:
    void daemonize_data()
    {
        QTest::addColumn<QByteArrayList>("argv");
        QTest::addColumn<bool>("detached");
        QTest::newRow("option") << QByteArrayList{"dvrui", "-daemon"} << true;
        QTest::newRow("inside an argument") << QByteArrayList{"dvrui", "--dsp", "x-daemonize"} << true;
        QTest::newRow("other options") << QByteArrayList{"dvrui", "--dsp", "-daemo"} << false;
        QTest::newRow("program name") << QByteArrayList{"/opt/my-daemon"} << false;
    }

    // In a child process: the detached process leads a session of its own
    // in "/", ignores hang-ups and has its standard descriptors on the null
    // device; the parent is told to end.
    void daemonize()
    {
        QFETCH(QByteArrayList, argv);
        QFETCH(bool, detached);
        TTestRoot root;
        const QByteArray report = QFile::encodeName(root.file("/tmp/report"));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::vector<char*> args;
            for (QByteArray& a : argv)
                args.push_back(a.data());
            if (TDVRAPI::daemonize(int(args.size()), args.data()) == -1)
                _exit(3);
            char target[3][32] = {};
            for (int fd = 0; fd < 3; ++fd)
                if (readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target[fd], sizeof target[fd] - 1) < 0)
                    target[fd][0] = '-';
            struct sigaction sa;
            sigaction(SIGHUP, nullptr, &sa);
            char cwd[64] = "-";
            FILE* f = std::fopen((report + ".tmp").constData(), "w");
            if (!f || !getcwd(cwd, sizeof cwd))
                _exit(4);
            std::fprintf(f, "%d %s %s %s %s %d", getsid(0) == getpid(), cwd, target[0],
                         target[1], target[2], sa.sa_handler == SIG_IGN);
            std::fclose(f);
            _exit(std::rename((report + ".tmp").constData(), report.constData()) == 0 ? 0 : 4);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), detached ? 3 : 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(root.file("/tmp/report")), 30000);
        const QByteArray seen = root.read("/tmp/report");
        QVERIFY2(detached ? seen == "1 / /dev/null /dev/null /dev/null 1" : seen.startsWith("0 "), seen.constData());
    }

    void clock_data()
    {
        QTest::addColumn<int>("diff");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QByteArray>("zoneSet"); // empty: none
        const QByteArray paris("GMT+01:00 Paris");
        QTest::newRow("1 s, zone") << 1 << paris << 0 << paris;
        QTest::newRow("-1 s, unknown zone") << -1 << QByteArray("GMT+01:00 Pari") << 0 << QByteArray();
        QTest::newRow("2 s, zone skipped") << 2 << paris << 1 << QByteArray();
    }

    // The clock moves by 2 s or more; the section's zone is set with its
    // daylight saving, and NTP with the period of its check setting.
    void clock()
    {
        QFETCH(int, diff);
        QFETCH(QByteArray, zone);
        QFETCH(int, skip);
        QFETCH(QByteArray, zoneSet);
        TDvrFixture fx;
        auto* dt = fx.live<PropDatetime>(IDX_PROP_DATETIME);
        qstrncpy(dt->tz, zone.constData(), sizeof dt->tz);
        qstrncpy(dt->server, "time.example", sizeof dt->server);
        dt->dst = 1;
        dt->check = 2;
        const int64_t now = int64_t(time(nullptr));
        g_api.setTime(diff);
        g_api.dtSetdevice(skip);
        DalTestClock c;
        dalTestGetClock(&c);
        const bool set = qAbs(diff) >= 2;
        QCOMPARE(bool(c.set), set);
        QVERIFY(qAbs(c.now - (now + (set ? diff : 0))) <= 2);
        QCOMPARE(QByteArray(c.zone), zoneSet);
        QCOMPARE(c.dst, zoneSet.isEmpty() ? 0 : 1);
        QVERIFY(dalTestJournalFind("DalNeseSetNtp(\"time.example\",86400)") >= 0);
    }

    void zoneInClockAndLog_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("hours"); // ahead of UTC
        QTest::newRow("New York") << QByteArray("GMT-05:00 New York") << -5;
        QTest::newRow("Seoul") << QByteArray("GMT+09:00 Seoul") << 9;
    }

    // The zone of the section, without daylight saving, is the zone of the
    // program's clock and of the log's time stamps.
    void zoneInClockAndLog()
    {
        QFETCH(QByteArray, zone);
        QFETCH(int, hours);
        TDvrFixture fx;
        auto* dt = fx.live<PropDatetime>(IDX_PROP_DATETIME);
        qstrncpy(dt->tz, zone.constData(), sizeof dt->tz);
        dt->dst = 0;
        g_api.dtSetdevice(0);
        QCOMPARE(TClock::now().offsetFromUtc(), hours * 3600);
        g_api.writeLog(LOG_SYSTEM_START, nullptr, nullptr);
        LogRecord r;
        g_api.m_log->lastRecord(&r);
        const QDateTime stamp(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute, r.second), Qt::UTC);
        QVERIFY(qAbs(stamp.toSecsSinceEpoch() - TClock::secs() - hours * 3600) <= 2);
    }
};

QTEST_GUILESS_MAIN(TDvrApiInitTest)
#include "tdvrapi-inittest.moc"
