#include "tdvrfixture.h"

#include <QFileInfo>
#include <QProcess>
#include <ctime>

class TDvrApiInitTest : public QObject
{
    Q_OBJECT
private slots:
    void daemonize_data()
    {
        QTest::addColumn<QString>("program"); // a link to the child program by this name; empty: itself
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("detached");
        QTest::newRow("option") << QString() << QStringList{"-daemon"} << true;
        QTest::newRow("inside an argument") << QString() << QStringList{"--dsp", "x-daemonize"} << true;
        QTest::newRow("other options") << QString() << QStringList{"--dsp", "-daemo"} << false;
        QTest::newRow("program name") << QStringLiteral("my-daemon") << QStringList() << false;
    }

    // The detached process leads a session of its own in "/", ignores
    // hang-ups and has its standard descriptors on the null device.
    void daemonize()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(bool, detached);
        TTestRoot root;
        QString exe = QStringLiteral(DAEMON_CHILD);
        if (!program.isEmpty()) {
            QVERIFY(QFile::link(exe, root.file("/tmp/") + program));
            exe = root.file("/tmp/") + program;
        }
        const QString report = root.file("/tmp/report");
        qputenv("DAEMON_REPORT", QFile::encodeName(report));
        QProcess p;
        p.start(exe, args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), detached ? 3 : 0);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(report), 30000);
        const QByteArray seen = root.read("/tmp/report");
        QVERIFY2(detached ? seen == "1 / 1 1" : seen.startsWith("0 "), seen.constData());
    }

    void clock_data()
    {
        QTest::addColumn<int>("diff");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<int>("skip");
        QTest::addColumn<QByteArray>("zoneSet"); // empty: none
        const QByteArray paris("GMT+01:00 Paris");
        QTest::newRow("1 s, zone") << 1 << paris << 0 << paris;
        QTest::newRow("an hour back") << -3600 << paris << 0 << paris;
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
};

QTEST_GUILESS_MAIN(TDvrApiInitTest)
#include "tdvrapi-inittest.moc"
