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
        QTest::newRow("partial, first page") << 24 << 12 << 0 << QVector<int>{24, 2, 12} << 12 << QByteArray("Log-In[u0]");
        QTest::newRow("partial, last page") << 24 << 12 << 1 << QVector<int>{24, 2, 12} << 12 << QByteArray("Log-In[u12]");
        QTest::newRow("partial, past the end") << 24 << 12 << 2 << QVector<int>{24, 2, 12} << -1 << QByteArray();
        QTest::newRow("short last page") << 25 << 12 << 2 << QVector<int>{25, 3, 12} << 1 << QByteArray("Log-In[u24]");
        QTest::newRow("full, last page") << 4750 << 12 << 395 << QVector<int>{4750, 396, 12} << 10 << QByteArray("Log-In[u4740]");
        QTest::newRow("wrapped, first page") << 5010 << 12 << 0 << QVector<int>{4750, 396, 12} << 12 << QByteArray("Log-In[u260]");
        QTest::newRow("wrapped, last page") << 5010 << 99 << 47 << QVector<int>{4750, 48, 99} << 97 << QByteArray("Log-In[u4913]");
        QTest::newRow("zero per page") << 24 << 0 << 0 << QVector<int>{0, 0, 0} << -1 << QByteArray();
        QTest::newRow("100 per page") << 24 << 100 << 0 << QVector<int>{0, 0, 0} << -1 << QByteArray();
        QTest::newRow("negative page") << 24 << 12 << -1 << QVector<int>{24, 2, 12} << -1 << QByteArray();
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

    void emailLine_data()
    {
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("logClass");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("line"); // after the date and time; empty: no line
        QTest::newRow("system start") << 1 << 1 << int(LOG_SYSTEM_START) << QByteArray(" System Start boot[admin]\")");
        QTest::newRow("login names the user again") << 1 << 1 << int(LOG_LOGIN) << QByteArray(" Log-In boot[admin] admin\")");
        QTest::newRow("e-mail off") << 0 << 1 << int(LOG_LOGIN) << QByteArray();
        QTest::newRow("log class off") << 1 << 0 << int(LOG_LOGIN) << QByteArray();
    }

    // A log entry joins the next event e-mail when e-mail and its
    // system-log class are on.
    void emailLine()
    {
        QFETCH(int, on);
        QFETCH(int, logClass);
        QFETCH(int, code);
        QFETCH(QByteArray, line);
        TDvrFixture fx;
        auto* mail = fx.live<PropNetemail>(IDX_PROP_NETEMAIL);
        mail->on = uint8_t(on);
        mail->evt[5][0] = uint8_t(logClass);
        dalTestJournalClear();
        g_api.writeLog(code, "admin", "boot");
        char buf[512] = {};
        const bool sent = dalTestJournalLine(0, buf, sizeof buf) == 0;
        QCOMPARE(sent, !line.isEmpty());
        if (sent) {
            QVERIFY2(QByteArray(buf).startsWith("DalNeseAddEmailText(\"20"), buf);
            QVERIFY2(QByteArray(buf).endsWith(line), buf);
        }
    }

    // A record's texts longer than their fields are cut at a whole UTF-8
    // character: the contents field (39 bytes and its terminator) as it is
    // written and read back, and the log page's line of 63 bytes that shows
    // the record with its user.
    void textsCutAtWholeCharacters_data()
    {
        const QString e2 = QString::fromUtf8("\xc3\xa9");          // 2 bytes
        const QString k3 = QString::fromUtf8("\xed\x95\x9c");      // 3 bytes
        const QString s4 = QString::fromUtf8("\xf0\x9f\x98\x80");  // 4 bytes
        QTest::addColumn<QString>("contents");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("storedUser"); // the user field: 19 bytes
        QTest::newRow("2-byte across the end") << QString(38, 'a') + e2 << e2.repeated(10)
                                               << QByteArray(38, 'a') << e2.repeated(9);
        QTest::newRow("3-byte after its first byte") << QString(38, 'a') + k3 << k3.repeated(7)
                                                     << QByteArray(38, 'a') << k3.repeated(6);
        QTest::newRow("3-byte after its second byte") << QString(37, 'a') + k3 << "a" + k3.repeated(7)
                                                      << QByteArray(37, 'a') << "a" + k3.repeated(6);
        QTest::newRow("4-byte after its third byte") << QString(36, 'a') + s4 << s4.repeated(5)
                                                     << QByteArray(36, 'a') << s4.repeated(4);
        QTest::newRow("fits exactly") << QString(37, 'a') + e2 << "abc" + k3.repeated(5)
                                      << QByteArray(37, 'a') + e2.toUtf8() << "abc" + k3.repeated(5);
    }
    void textsCutAtWholeCharacters()
    {
        QFETCH(QString, contents);
        QFETCH(QString, user);
        QFETCH(QByteArray, stored);
        QFETCH(QString, storedUser);
        TDvrFixture fx;
        g_api.writeLog(LOG_SETUP_CHANGED, user.toUtf8().constData(), contents.toUtf8().constData());
        LogRecord r;
        QCOMPARE(g_api.m_log->log_read(g_api.m_log->startIndex(), &r), 1);
        QCOMPARE(QByteArray(r.contents, int(sizeof r.contents)), stored + QByteArray(40 - stored.size(), '\0'));
        QCOMPARE(QString::fromUtf8(r.user, int(qstrnlen(r.user, sizeof r.user))), storedUser);

        // The page line: as many whole characters of the record's text as
        // 63 bytes hold, counted character by character.
        const QString full = g_api.m_log->toText(&r);
        QByteArray want;
        for (uint c : full.toUcs4()) {
            const QByteArray one = QString::fromUcs4(&c, 1).toUtf8();
            if (want.size() + one.size() > PageLines::LINE_SIZE - 1)
                break;
            want += one;
        }
        g_api.logPages(12);
        g_api.logLines(0);
        QCOMPARE(g_api.m_pageLines.count, 1);
        QCOMPARE(QByteArray(g_api.m_pageLines.line[0]), want);
    }

    void lastLoginOf_data()
    {
        QTest::addColumn<QByteArrayList>("logins"); // oldest first
        QTest::addColumn<int>("account");
        QTest::newRow("none") << QByteArrayList{} << 0;
        QTest::newRow("third account") << QByteArrayList{"guest2"} << 2;
        QTest::newRow("newest wins") << QByteArrayList{"guest2", "guest1"} << 1;
        QTest::newRow("account removed") << QByteArrayList{"guest1", "gone"} << 0;
    }

    void lastLoginOf()
    {
        QFETCH(QByteArrayList, logins);
        QFETCH(int, account);
        TDvrFixture fx;
        auto* users = fx.live<PropUser>(IDX_PROP_USER);
        qstrncpy(users->user[1].id, "guest1", sizeof users->user[1].id);
        qstrncpy(users->user[2].id, "guest2", sizeof users->user[2].id);
        for (const QByteArray& who : logins) {
            g_api.writeLog(LOG_LOGIN, who.constData(), nullptr);
            g_api.writeLog(LOG_SETUP_START, "admin", nullptr);
        }
        QCOMPARE(g_api.lastLoginOf(), account);
    }

    // A start takes the log in RAM from the flash copy and the facade's
    // state back to its start values.
    void initStartsFromTheFlashCopy()
    {
        TDvrFixture fx;
        g_api.writeLog(LOG_SYSTEM_START, nullptr, "first run");
        g_api.flushLog();
        QCOMPARE(fx.root.read("/dvr/SYSTEM.log"), fx.root.read("/tmp/SYSTEM.log"));
        QVERIFY(fx.root.write("/tmp/SYSTEM.log", QByteArray())); // RAM is lost at a restart
        g_api.setUserName("guest");
        g_api.m_mode = 1;
        g_api.m_popLayout = 4;
        g_api.m_chOrder[19] = 0;
        g_api.init();
        QCOMPARE(g_api.m_log->count(), 1);
        QCOMPARE(g_api.lastLogs(nullptr, 0), 0);
        QCOMPARE(QByteArray(g_api.m_curUser), QByteArray("admin"));
        QCOMPARE(g_api.m_mode, 0);
        QCOMPARE(g_api.m_popLayout, -1);
        for (int i = 0; i < TDVRAPI::CHANNELS; ++i)
            QCOMPARE(g_api.m_chOrder[i], i);
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

    // Writes closer together than the wait (a flapping sensor) must not
    // keep the log from flash: the copy comes while they go on.
    void steadyWritesStillReachFlash()
    {
        TDvrFixture fx;
        g_api.m_logTh->setDelay(50);
        QElapsedTimer clock;
        clock.start();
        int written = 0;
        while (g_api.m_logTh->copies() == 0 && clock.elapsed() < 3000) {
            g_api.writeLog(LOG_VIDEO_LOSS, nullptr, QByteArray::number(written++).constData());
            QThread::usleep(5000);
        }
        QVERIFY2(g_api.m_logTh->copies() > 0, qPrintable(QStringLiteral("%1 writes, no copy").arg(written)));
        QVERIFY(!fx.root.read("/dvr/SYSTEM.log").isEmpty());
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
