#include "tdvrfixture.h"
#include "tfilesizelimit.h"
#include "tlog.h"

#include <QSet>
#include <QSignalSpy>
#include <QtEndian>
#include <cstring>
#include <thread>

namespace {
// A log file of n records (record i: code LOG_LOGIN, user "u<i>"), the ring
// wrapped when n passes 5000: what the flash copy holds before a start.
QByteArray ringFile(int n)
{
    QByteArray file(76 * 5001, '\0');
    auto put32 = [&file](int off, quint32 v) { qToBigEndian(v, file.data() + off); };
    put32(0, TLog::LOG_MAGIC);
    put32(4, n >= 5000 ? 1 : 0);
    put32(8, quint32(n % 5000));
    for (int i = 0; i < n; ++i) {
        char* rec = file.data() + 76 * (i % 5000 + 1);
        qToBigEndian(quint16(2026), rec);
        qToBigEndian(quint16(12), rec + 2);
        qToBigEndian(quint16(7), rec + 4);
        qToBigEndian(quint16(1), rec + 6);
        qToBigEndian(quint16(2), rec + 8);
        qToBigEndian(quint16(3), rec + 10);
        qToBigEndian(quint16(LOG_LOGIN), rec + 12);
        qsnprintf(rec + 16, 20, "u%d", i);
    }
    return file;
}
}

class TDvrApiLogTest : public QObject
{
    Q_OBJECT
private slots:
    void paging_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("perPage");
        QTest::addColumn<int>("page");
        QTest::addColumn<QVector<int>>("info"); // total, pages, perPage
        QTest::addColumn<int>("lines");         // -1: the page is refused
        QTest::addColumn<QByteArray>("first");  // text of the page's first line
        QTest::newRow("empty ring") << 0 << 12 << 0 << QVector<int>{0, 0, 12} << -1 << QByteArray();
        QTest::newRow("partial, last page") << 24 << 12 << 1 << QVector<int>{24, 2, 12} << 12 << QByteArray("Log-In[u12]");
        QTest::newRow("partial, past the end") << 24 << 12 << 2 << QVector<int>{24, 2, 12} << -1 << QByteArray();
        QTest::newRow("short last page") << 25 << 12 << 2 << QVector<int>{25, 3, 12} << 1 << QByteArray("Log-In[u24]");
        QTest::newRow("full, last page") << 4750 << 12 << 395 << QVector<int>{4750, 396, 12} << 10 << QByteArray("Log-In[u4740]");
        QTest::newRow("wrapped, first page") << 5010 << 12 << 0 << QVector<int>{4750, 396, 12} << 12 << QByteArray("Log-In[u260]");
        QTest::newRow("wrapped, last page") << 5010 << 99 << 47 << QVector<int>{4750, 48, 99} << 97 << QByteArray("Log-In[u4913]");
        QTest::newRow("zero per page") << 24 << 0 << 0 << QVector<int>{0, 0, 0} << -1 << QByteArray();
        QTest::newRow("100 per page") << 24 << 100 << 0 << QVector<int>{0, 0, 0} << -1 << QByteArray();
    }

    void paging()
    {
        QFETCH(int, records);
        QFETCH(int, perPage);
        QFETCH(int, page);
        QFETCH(QVector<int>, info);
        QFETCH(int, lines);
        QFETCH(QByteArray, first);
        TDvrFixture fx;
        // The flash copy in place, init starts the log in RAM from it.
        QVERIFY(fx.root.write("/dvr/SYSTEM.log", ringFile(records)));
        g_api.init();
        g_api.logPages(perPage);
        const ListInfo& li = g_api.m_listInfo;
        QCOMPARE((QVector<int>{li.total, li.pages, li.perPage}), info);
        g_api.logLines(page);
        QCOMPARE(g_api.m_pageLines.page, lines < 0 ? -1 : page);
        QCOMPARE(g_api.m_pageLines.count, qMax(lines, 0));
        if (lines > 0) {
            QCOMPARE(QByteArray(g_api.m_pageLines.line[0]), first);
            QCOMPARE(QByteArray(g_api.m_pageLines.tag[0]), QByteArray("2026/12/07 01:02:03"));
        }
    }

    void threeWritersLeaveWholeRecords()
    {
        TDvrFixture fx;
        const int perThread = 60;
        std::thread writers[3];
        for (int t = 0; t < 3; ++t)
            writers[t] = std::thread([t] {
                for (int i = 0; i < perThread; ++i) {
                    const QByteArray user = "w" + QByteArray::number(t);
                    const QByteArray text = user + " record " + QByteArray::number(i);
                    g_api.writeLog(LOG_SETUP_CHANGED, user.constData(), text.constData());
                }
            });
        for (std::thread& w : writers)
            w.join();
        QCOMPARE(g_api.m_log->count(), 3 * perThread);
        QSet<QByteArray> inFile;
        for (int i = 0; i < 3 * perThread; ++i) {
            LogRecord r;
            QCOMPARE(g_api.m_log->log_read(i, &r), 1);
            const QByteArray user(r.user), text(r.contents);
            QVERIFY2(text.startsWith(user + " record "), text.constData()); // whole: its user's own text
            inFile.insert(text);
        }
        QCOMPARE(inFile.size(), 3 * perThread);
        // The last records kept are each writer's own, every one once.
        LogRecord last[TDVRAPI::LAST_LOGS];
        QCOMPARE(g_api.lastLogs(last, TDVRAPI::LAST_LOGS), 3 * perThread);
        QSet<QByteArray> kept;
        for (const LogRecord& r : last) {
            QVERIFY(inFile.contains(QByteArray(r.contents)));
            kept.insert(QByteArray(r.contents));
        }
        QCOMPARE(kept.size(), int(TDVRAPI::LAST_LOGS));
    }

    void flashCopyFollowsTheLastWrite()
    {
        TDvrFixture fx;
        g_api.m_logTh->setDelay(20);
        // Writes keep landing while copies run (one about every copy's
        // delay); the copy after the last write must hold every record.
        std::thread writer([] {
            for (int i = 0; i < 20; ++i) {
                g_api.writeLog(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData());
                QThread::usleep(25000);
            }
        });
        writer.join();
        QVERIFY(g_api.m_logTh->copies() >= 1);
        QTRY_COMPARE(fx.root.read("/dvr/SYSTEM.log"), fx.root.read("/tmp/SYSTEM.log"));
        QVERIFY(!fx.root.read("/dvr/SYSTEM.log").isEmpty());
        QVERIFY(!QFile::exists(fx.root.file("/dvr/SYSTEM.log.tmp")));
    }

    // A copy to a full flash fails: the flash copy stays the last one made,
    // the failure is told once, and the next copy with room catches up.
    void flashCopyOntoFullFlash_data()
    {
        QTest::addColumn<bool>("threadEnded"); // the copy runs on the caller's thread
        QTest::newRow("copy thread") << false;
        QTest::newRow("at shutdown") << true;
    }

    void flashCopyOntoFullFlash()
    {
        QFETCH(bool, threadEnded);
        TDvrFixture fx;
        g_api.m_logTh->setDelay(600000);
        for (int i = 0; i < 50; ++i)
            g_api.writeLog(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData());
        QVERIFY(g_api.flushLog());
        const QByteArray flash = fx.root.read("/dvr/SYSTEM.log");
        QCOMPARE(flash, fx.root.read("/tmp/SYSTEM.log"));
        if (threadEnded)
            g_api.m_logTh->finish();
        for (int i = 0; i < 50; ++i)
            g_api.writeLog(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData());
        QVERIFY(fx.root.read("/tmp/SYSTEM.log").size() > flash.size() + 1000);
        QSignalSpy spy(&g_api, &TDVRAPI::sg_dvrNotify);
        {
            TFileSizeLimit full(flash.size() + 100);
            QVERIFY(!g_api.flushLog());
        }
        QCOMPARE(fx.root.read("/dvr/SYSTEM.log"), flash);
        QVERIFY(!QFile::exists(fx.root.file("/dvr/SYSTEM.log.tmp")));
        QCOMPARE(g_api.m_logTh->failures(), 1);
        QTRY_VERIFY(!spy.isEmpty());
        QCOMPARE(spy.first().at(0).toInt(), int(SIG_STATE_START));
        g_api.writeLog(LOG_SETUP_CHANGED, "admin", "room again");
        QVERIFY(g_api.flushLog());
        QCOMPARE(fx.root.read("/dvr/SYSTEM.log"), fx.root.read("/tmp/SYSTEM.log"));
    }
};

QTEST_GUILESS_MAIN(TDvrApiLogTest)
#include "tdvrapi-logtest.moc"
