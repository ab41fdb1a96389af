#include "tfilesizelimit.h"
#include "tlog.h"
#include "ttestroot.h"

#include <QtTest>
#include <QTranslator>
#include <QtEndian>

#include <atomic>
#include <climits>
#include <cstring>
#include <thread>

namespace {

const char* const kLog = "/tmp/SYSTEM.log";

QByteArray golden(const char* name)
{
    QFile f(QFINDTESTDATA(QString("../data/") + name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A header block as the file holds it.
QByteArray header(quint32 mag, quint32 ow, quint32 w)
{
    QByteArray b(TLog::BLOCK_SIZE, '\0');
    qToBigEndian(mag, b.data());
    qToBigEndian(ow, b.data() + 4);
    qToBigEndian(w, b.data() + 8);
    return b;
}

quint32 word(const QByteArray& file, int at)
{
    return file.size() >= at + 4 ? qFromBigEndian<quint32>(file.constData() + at) : 0xdeadbeef;
}

QByteArray field(const char* f, int size)
{
    return QByteArray(f, int(qstrnlen(f, uint(size))));
}

// Replies to the "TString" context like a language file with two entries.
class TFakeTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "TString") != 0)
            return QString();
        if (qstrcmp(source, "Log-In") == 0)
            return QStringLiteral("Anmelden");
        if (qstrcmp(source, "Setup Changed") == 0)
            return QStringLiteral("Setup geändert");
        return QString();
    }
};

} // namespace

class TLogTest : public QObject
{
    Q_OBJECT
private slots:
    void newFileIsByteExact()
    {
        TTestRoot root;
        TLog log(kLog);
        QCOMPARE(root.read(kLog), golden("log-new.bin"));
        QCOMPARE(log.count(), 0);
        QCOMPARE(root.allFiles(), QStringList{kLog});
        LogRecord last;
        std::memset(&last, 0x55, sizeof last);
        log.lastRecord(&last);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&last), sizeof last), QByteArray(sizeof last, '\0'));
    }
    void firstRecordIsByteExact()
    {
        TTestRoot root;
        TLog log(kLog);
        const QDateTime when(QDate(2011, 3, 4), QTime(5, 6, 7));
        log.log_write(LOG_SETUP_CHANGED, "admin", "(OSD)", &when);
        const QByteArray file = root.read(kLog);
        QCOMPARE(file, golden("log-first-record.bin"));
        QCOMPARE(file.mid(76, 2), QByteArray("\x07\xdb"));
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.startIndex(), 0);

        LogRecord rec, last;
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QDateTime(QDate(rec.year, rec.month, rec.day), QTime(rec.hour, rec.minute, rec.second)), when);
        QCOMPARE(QByteArray(rec.user) + QByteArray(rec.contents), QByteArray("admin(OSD)"));
        log.lastRecord(&last);
        QCOMPARE(std::memcmp(&rec, &last, sizeof rec), 0);
    }
    void writeTakesTheLocalTime_data()
    {
        QTest::addColumn<QByteArray>("zone");
        for (const char* zone : {"", "UTC0", "JST-9", "<+0545>-5:45", "EST5EDT"})
            QTest::newRow(zone[0] ? zone : "as set") << QByteArray(zone);
    }
    void writeTakesTheLocalTime()
    {
        // Without a time a record carries the local date and time, also right
        // after the zone changed.
        QFETCH(QByteArray, zone);
        const QByteArray old = qgetenv("TZ");
        auto restore = qScopeGuard([&] { old.isNull() ? qunsetenv("TZ") : qputenv("TZ", old); });
        if (!zone.isEmpty())
            qputenv("TZ", zone);
        TTestRoot root;
        TLog log(kLog);
        const QDateTime before = QDateTime::currentDateTime();
        log.log_write(LOG_SYSTEM_START, nullptr, nullptr, nullptr);
        const QDateTime after = QDateTime::currentDateTime();
        LogRecord r;
        QCOMPARE(log.log_read(0, &r), 1);
        const QDateTime at(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute, r.second));
        QVERIFY2(at >= before.addMSecs(-before.time().msec()) && at <= after, qPrintable(at.toString()));
    }
    void goodFileIsKept()
    {
        TTestRoot root;
        const QByteArray seed = golden("log-first-record.bin");
        QVERIFY(root.write(kLog, seed));
        TLog log(kLog);
        QCOMPARE(root.read(kLog), seed);
        QCOMPARE(log.count(), 1);
        LogRecord rec;
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QByteArray(rec.contents), QByteArray("(OSD)"));
        log.log_write(LOG_LOGIN, "guest", nullptr, nullptr);
        const QByteArray file = root.read(kLog);
        QCOMPARE(file.size(), 3 * 76);
        QCOMPARE(word(file, 8), 2u);
        QCOMPARE(file.mid(76, 76), seed.mid(76, 76));
        QCOMPARE(file.mid(2 * 76 + 16, 6), QByteArray("guest\0", 6));
    }
    void badHeaderIsReset_data()
    {
        QTest::addColumn<QByteArray>("head");
        const QByteArray good = header(TLog::LOG_MAGIC, 0, 2);
        QTest::newRow("wrong magic") << header(0x19041020, 0, 2);
        QTest::newRow("ow 2") << header(TLog::LOG_MAGIC, 2, 2);
        QTest::newRow("ow all ones") << header(TLog::LOG_MAGIC, 0xffffffff, 2);
        QTest::newRow("w_idx 5001") << header(TLog::LOG_MAGIC, 0, 5001);
        QTest::newRow("w_idx negative") << header(TLog::LOG_MAGIC, 1, 0xffffffff);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("one byte short") << good.left(75);
    }
    void badHeaderIsReset()
    {
        QFETCH(QByteArray, head);
        TTestRoot root;
        // Two old records behind the header; a short header has none.
        const QByteArray records = head.size() == 76 ? QByteArray(2 * 76, 'r') : QByteArray();
        QVERIFY(root.write(kLog, head + records));
        TLog log(kLog);
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.startIndex(), 0);
        const QByteArray file = root.read(kLog);
        QCOMPARE(file.left(76), golden("log-new.bin"));
        // The old records stay in the file, no longer shown.
        QCOMPARE(file.mid(76), records);
        log.log_write(LOG_FORMAT, nullptr, "x", nullptr);
        QCOMPARE(log.count(), 1);
        QCOMPARE(word(root.read(kLog), 8), 1u);
    }
    void writeIndex5000IsResetByTheNextWrite()
    {
        TTestRoot root;
        QVERIFY(root.write(kLog, header(TLog::LOG_MAGIC, 0, 5000)));
        TLog log(kLog);
        QCOMPARE(root.read(kLog), header(TLog::LOG_MAGIC, 0, 5000));
        QCOMPARE(log.count(), 4750);
        QCOMPARE(log.startIndex(), 250);
        log.log_write(LOG_VIDEO_LOSS, nullptr, "CH1", nullptr);
        const QByteArray file = root.read(kLog);
        QCOMPARE(file.left(76), header(TLog::LOG_MAGIC, 0, 1));
        QCOMPARE(file.size(), 2 * 76);
        QCOMPARE(field(file.constData() + 76 + 36, 40), QByteArray("CH1"));
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.startIndex(), 0);
    }
    void ringWraps()
    {
        TTestRoot root;
        TLog log(kLog);
        const QDateTime when(QDate(2020, 1, 1), QTime(0, 0));
        auto writeUpTo = [&](int n, int& written) {
            for (; written < n; ++written)
                log.log_write(LOG_VIDEO_IN, nullptr, QByteArray::number(written + 1).constData(), &when);
        };
        int written = 0;
        writeUpTo(4750, written);
        QCOMPARE(log.count(), 4750);
        QCOMPARE(log.startIndex(), 0);
        writeUpTo(4751, written);
        QCOMPARE(log.count(), 4750);
        QCOMPARE(log.startIndex(), 1);
        writeUpTo(5000, written);
        QByteArray file = root.read(kLog);
        QCOMPARE(file.size(), 5001 * 76);
        QCOMPARE(word(file, 4), 1u);
        QCOMPARE(word(file, 8), 0u);
        QCOMPARE(log.count(), 4750);
        QCOMPARE(log.startIndex(), 250);
        writeUpTo(5001, written);
        file = root.read(kLog);
        QCOMPARE(file.size(), 5001 * 76);
        QCOMPARE(word(file, 4), 1u);
        QCOMPARE(word(file, 8), 1u);
        QCOMPARE(log.startIndex(), 251);

        // Oldest shown first, newest last, read the way the system-log page reads.
        LogRecord rec;
        const int start = log.startIndex();
        QCOMPARE(log.log_read(start % 5000, &rec), 1);
        QCOMPARE(QByteArray(rec.contents), QByteArray("252"));
        QCOMPARE(log.log_read((start + log.count() - 1) % 5000, &rec), 1);
        QCOMPARE(QByteArray(rec.contents), QByteArray("5001"));
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QByteArray(rec.contents), QByteArray("5001"));

        // A second object on the same file sees the same ring.
        TLog again(kLog);
        QCOMPARE(again.count(), 4750);
        QCOMPARE(again.startIndex(), 251);
    }
    void textsAreCut_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QByteArray>("storedUser");
        QTest::addColumn<QByteArray>("storedContents");
        const QByteArray u25 = "abcdefghijklmnopqrstuvwxy";
        const QByteArray c50 = QByteArray("0123456789").repeated(5);
        QTest::newRow("over-long") << u25 << c50 << u25.left(19) << c50.left(39);
        QTest::newRow("exactly full") << u25.left(19) << c50.left(39) << u25.left(19) << c50.left(39);
        QTest::newRow("one over") << u25.left(20) << c50.left(40) << u25.left(19) << c50.left(39);
        QTest::newRow("empty") << QByteArray("") << QByteArray("") << QByteArray() << QByteArray();
        // "é" is two bytes: a cut through it keeps the whole character out.
        const QByteArray e = "\xc3\xa9";
        QTest::newRow("split character") << QByteArray(18, 'a') + e << QByteArray(38, 'b') + e
                                         << QByteArray(18, 'a') << QByteArray(38, 'b');
        QTest::newRow("character fits") << QByteArray(17, 'a') + e + "z" << QByteArray(37, 'b') + e + "z"
                                        << QByteArray(17, 'a') + e << QByteArray(37, 'b') + e;
    }
    void textsAreCut()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, contents);
        QFETCH(QByteArray, storedUser);
        QFETCH(QByteArray, storedContents);
        TTestRoot root;
        TLog log(kLog);
        log.log_write(LOG_LOGIN, user.constData(), contents.constData(), nullptr);
        const QByteArray slot = root.read(kLog).mid(76, 76);
        QCOMPARE(slot.size(), 76);
        // The field holds the text, its terminator and zeros up to the end.
        QCOMPARE(slot.mid(16, 20), storedUser + QByteArray(20 - storedUser.size(), '\0'));
        QCOMPARE(slot.mid(36, 40), storedContents + QByteArray(40 - storedContents.size(), '\0'));
        LogRecord rec;
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QByteArray(rec.user), storedUser);
        QCOMPARE(QByteArray(rec.contents), storedContents);
    }
    void toText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("text");
        QTest::newRow("setup changed") << int(LOG_SETUP_CHANGED) << QByteArray() << QByteArray("(OSD)")
                                       << "Setup Changed (OSD)";
        QTest::newRow("login") << int(LOG_LOGIN) << QByteArray("admin") << QByteArray() << "Log-In[admin]";
        QTest::newRow("both") << int(LOG_LOGOUT) << QByteArray("user1") << QByteArray("remote")
                              << "Log-Out remote[user1]";
        QTest::newRow("no 0x7001") << 0x7001 << QByteArray() << QByteArray() << QString();
        QTest::newRow("unknown with contents") << 0x1234 << QByteArray() << QByteArray("x") << " x";
        QTest::newRow("first code") << int(LOG_SYSTEM_START) << QByteArray() << QByteArray() << "System Start";
        QTest::newRow("last code") << int(LOG_HDD_OVERHEAT) << QByteArray() << QByteArray() << "HDD Overheating";
        QTest::newRow("utf-8") << int(LOG_SETUP_CHANGED) << QByteArray() << QByteArray("(\xec\xb9\xb4\xeb\xa9\x94\xeb\x9d\xbc)")
                               << QString::fromUtf8("Setup Changed (\xec\xb9\xb4\xeb\xa9\x94\xeb\x9d\xbc)");
    }
    void toText()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, contents);
        QFETCH(QString, text);
        TTestRoot root;
        TLog log(kLog);
        log.log_write(code, user.isEmpty() ? nullptr : user.constData(),
                      contents.isEmpty() ? nullptr : contents.constData(), nullptr);
        LogRecord rec;
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(log.toText(&rec), text);
        LogRecord last;
        log.lastRecord(&last);
        QCOMPARE(log.toText(&last), text);
        // Fields that fill their whole width without a terminator are read
        // within the field.
        std::memset(rec.user, 0, sizeof rec.user);
        std::memset(rec.contents, 0, sizeof rec.contents);
        const QString name = log.toText(&rec);
        QVERIFY(text.startsWith(name));
        std::memset(rec.user, 'u', sizeof rec.user);
        std::memset(rec.contents, 'c', sizeof rec.contents);
        QCOMPARE(log.toText(&rec), name + " " + QString(40, 'c') + "[" + QString(20, 'u') + "]");
    }
    void toTextFollowsTheLanguage()
    {
        TTestRoot root;
        TLog log(kLog);
        LogRecord rec;
        std::memset(&rec, 0, sizeof rec);
        rec.code = LOG_LOGIN;
        qstrcpy(rec.user, "admin");
        TFakeTranslator tr;
        QVERIFY(QCoreApplication::installTranslator(&tr));
        QCOMPARE(log.toText(&rec), QString("Anmelden[admin]"));
        rec.code = LOG_SETUP_CHANGED;
        QCOMPARE(log.toText(&rec), QString::fromUtf8("Setup geändert[admin]"));
        rec.code = LOG_SETUP_START; // not in the language file: English
        QCOMPARE(log.toText(&rec), QString("Setup Start[admin]"));
        QCoreApplication::removeTranslator(&tr);
        rec.code = LOG_LOGIN;
        QCOMPARE(log.toText(&rec), QString("Log-In[admin]"));
    }
    void closedLogAnswersEmpty_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("null path") << QByteArray();
        QTest::newRow("path one too long") << "/tmp/" + QByteArray(251, 'L');
        QTest::newRow("folder in the way") << QByteArray("/tmp");
        QTest::newRow("missing folder") << QByteArray("/nowhere/SYSTEM.log");
    }
    void closedLogAnswersEmpty()
    {
        QFETCH(QByteArray, path);
        TTestRoot root;
        const QStringList filesBefore = root.allFiles();
        TLog log(path.isNull() ? nullptr : path.constData());
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.startIndex(), 0);
        QCOMPARE(log.sync(), -1);
        LogRecord rec;
        std::memset(&rec, 0x55, sizeof rec);
        QCOMPARE(log.log_read(0, &rec), 0);
        QCOMPARE(int(rec.year), 0x5555); // untouched
        log.log_write(LOG_LOGIN, "admin", nullptr, nullptr);
        QCOMPARE(log.count(), 0);
        log.lastRecord(&rec);
        QCOMPARE(int(rec.code), 0);
        QCOMPARE(root.allFiles(), filesBefore);
    }
    void longestPathOpens()
    {
        TTestRoot root;
        const QByteArray path = "/tmp/" + QByteArray(250, 'L'); // 255 characters
        TLog log(path.constData());
        QCOMPARE(QByteArray(log.path()), path);
        log.log_write(LOG_LOGIN, "admin", nullptr, nullptr);
        QCOMPARE(log.count(), 1);
        QCOMPARE(root.read(QString::fromLatin1(path)).size(), 2 * 76);
    }
    void writeRetriesTheOpen()
    {
        TTestRoot root;
        QVERIFY(QDir().mkpath(root.file(kLog))); // a folder where the file should be
        TLog log(kLog);
        QCOMPARE(log.count(), 0);
        log.log_write(LOG_LOGIN, "lost", nullptr, nullptr);
        QVERIFY(QDir().rmdir(root.file(kLog)));
        log.log_write(LOG_LOGIN, "kept", nullptr, nullptr);
        QCOMPARE(log.count(), 1);
        LogRecord rec;
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("kept"));
    }
    void reopenAfterClose()
    {
        TTestRoot root;
        TLog log(kLog);
        for (const char* u : {"a", "b", "c"})
            log.log_write(LOG_LOGIN, u, nullptr, nullptr);
        log.close();
        log.close(); // closing twice is harmless
        QCOMPARE(log.count(), 0);
        QCOMPARE(log.startIndex(), 0);
        LogRecord rec;
        std::memset(&rec, 0x55, sizeof rec);
        QCOMPARE(log.log_read(0, &rec), 0);
        QCOMPARE(int(rec.code), 0x5555);
        // The maintenance key deletes the file while the log is closed.
        QVERIFY(QFile::remove(root.file(kLog)));
        log.log_write(LOG_LOGIN, "d", nullptr, nullptr);
        QCOMPARE(QByteArray(log.path()), QByteArray(kLog));
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.log_read(0, &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("d"));
        // Reopening on its own path buffer keeps the path and the ring.
        log.log_write(LOG_LOGIN, "e", nullptr, nullptr);
        log.open(log.path());
        QCOMPARE(QByteArray(log.path()), QByteArray(kLog));
        QCOMPARE(log.count(), 2);
        QCOMPARE(root.read(kLog).size(), 3 * 76);
    }
    void readOutsideTheRing_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("5000") << 5000;
        QTest::newRow("INT_MAX") << INT_MAX;
        QTest::newRow("past the file") << 2;
        QTest::newRow("last slot, past the file") << 4999;
    }
    void readOutsideTheRing()
    {
        QFETCH(int, index);
        TTestRoot root;
        TLog log(kLog);
        log.log_write(LOG_LOGIN, "a", nullptr, nullptr);
        log.log_write(LOG_LOGIN, "b", nullptr, nullptr);
        LogRecord rec;
        std::memset(&rec, 0x55, sizeof rec);
        QCOMPARE(log.log_read(index, &rec), 0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&rec), sizeof rec), QByteArray(sizeof rec, '\0'));
        QCOMPARE(log.log_read(1, &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("b"));
    }
    void shortWriteKeepsTheLog()
    {
        TTestRoot root;
        TLog log(kLog);
        log.log_write(LOG_LOGIN, "a", nullptr, nullptr);
        log.log_write(LOG_LOGIN, "b", nullptr, nullptr);
        const QByteArray before = root.read(kLog);
        QCOMPARE(before.size(), 3 * 76);

        // Let the file grow by only 10 bytes: the third record is torn.
        {
            TFileSizeLimit full(3 * 76 + 10);
            log.log_write(LOG_LOGIN, "c", nullptr, nullptr);
        }

        QCOMPARE(log.count(), 2);
        LogRecord last;
        log.lastRecord(&last);
        QCOMPARE(QByteArray(last.user), QByteArray("b"));
        const QByteArray after = root.read(kLog);
        QCOMPARE(after.size(), 3 * 76 + 10);
        QCOMPARE(after.left(3 * 76), before);

        // As after a crash in the middle of a write: the log reopens with the
        // records before the torn one, and the next write takes the torn slot.
        TLog again(kLog);
        QCOMPARE(again.count(), 2);
        LogRecord rec;
        QCOMPARE(again.log_read(1, &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("b"));
        QCOMPARE(again.log_read(2, &rec), 0);
        again.log_write(LOG_LOGIN, "c", nullptr, nullptr);
        QCOMPARE(again.count(), 3);
        QCOMPARE(again.log_read(2, &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("c"));
        QCOMPARE(root.read(kLog).size(), 4 * 76);
    }
    void crashBeforeTheHeaderShowsTheOldRing_data()
    {
        QTest::addColumn<quint32>("ow");
        QTest::addColumn<quint32>("w");
        QTest::addColumn<int>("blocks");
        QTest::newRow("filling") << 0u << 3u << 3;
        QTest::newRow("last free slot") << 0u << 4999u << 4999;
        QTest::newRow("wrapped") << 1u << 10u << 5000;
        QTest::newRow("wrapped at the end") << 1u << 4999u << 5000;
    }
    void crashBeforeTheHeaderShowsTheOldRing()
    {
        QFETCH(quint32, ow);
        QFETCH(quint32, w);
        QFETCH(int, blocks);
        TTestRoot root;
        QByteArray file = header(TLog::LOG_MAGIC, ow, w);
        for (int i = 0; i < blocks; ++i)
            file += QByteArray(76, char(1 + i % 200));
        // The record of the next write reached the file, its header did not.
        const QByteArray fresh(76, '\xee');
        if (int(w) < blocks)
            file.replace(int(w + 1) * 76, 76, fresh);
        else
            file += fresh;
        QVERIFY(root.write(kLog, file));
        TLog log(kLog);
        QCOMPARE(root.read(kLog), file);
        QCOMPARE(log.count(), ow ? 4750 : int(qMin(w, 4750u)));
        for (int k = 0; k < log.count(); ++k) {
            LogRecord rec;
            QCOMPARE(log.log_read((log.startIndex() + k) % 5000, &rec), 1);
            QVERIFY(rec.year != 0xeeee);
        }
        // The next write takes that slot again.
        log.log_write(LOG_LOGIN, "next", nullptr, nullptr);
        LogRecord rec;
        QCOMPARE(log.log_read(int(w), &rec), 1);
        QCOMPARE(QByteArray(rec.user), QByteArray("next"));
    }
    void concurrentWritersKeepTheRingWhole()
    {
        TTestRoot root;
        TLog log(kLog);
        const int perThread = 300;
        std::atomic<int> tornLast{0};
        auto writer = [&log, &tornLast](char who, bool closes) {
            const char user[2] = {who, '\0'};
            for (int i = 0; i < perThread; ++i) {
                const QByteArray contents = QByteArray(1, who) + ':' + QByteArray::number(i) + ':'
                                            + QByteArray(20, who);
                log.log_write(LOG_SETUP_CHANGED, user, contents.constData(), nullptr);
                if (closes && i % 50 == 49 && i + 1 < perThread)
                    log.close(); // the maintenance key; the next write reopens
                LogRecord last;
                log.lastRecord(&last);
                if (last.user[0] != 'A' && last.user[0] != 'B')
                    ++tornLast;
            }
        };
        std::thread a(writer, 'A', false);
        std::thread b(writer, 'B', true);
        a.join();
        b.join();

        QCOMPARE(tornLast.load(), 0);
        QCOMPARE(log.count(), 2 * perThread);
        const QByteArray file = root.read(kLog);
        QCOMPARE(file.left(76), header(TLog::LOG_MAGIC, 0, 2 * perThread));
        QCOMPARE(file.size(), (2 * perThread + 1) * 76);
        int next[2] = {0, 0};
        for (int i = 0; i < 2 * perThread; ++i) {
            LogRecord rec;
            QCOMPARE(log.log_read(i, &rec), 1);
            const QByteArray user(rec.user);
            QVERIFY2(user == "A" || user == "B", qPrintable(QString("slot %1 user %2").arg(i).arg(user.constData())));
            const int t = user == "A" ? 0 : 1;
            // Each writer's records appear whole and in its own order.
            const QByteArray expected = user + ':' + QByteArray::number(next[t]++) + ':' + QByteArray(20, user[0]);
            QCOMPARE(QByteArray(rec.contents), expected);
            QCOMPARE(int(rec.code), int(LOG_SETUP_CHANGED));
        }
        QCOMPARE(next[0], perThread);
        QCOMPARE(next[1], perThread);
    }
};

QTEST_GUILESS_MAIN(TLogTest)
#include "tlogtest.moc"
