#include "tlog.h"
#include "ttestroot.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

#include <cstring>

// Opens system log files damaged in every way a crash, a bad flash copy or a
// stray write can leave them, and checks that the log never trusts what it
// reads: the header is repaired exactly when it is inconsistent, reads stay
// inside the ring and the file, every text read ends within its field, and a
// write afterwards leaves a file that reopens as it was written. Meant to be
// run in the sanitizer build as well.

namespace {

const char* const kLog = "/tmp/SYSTEM.log";
const int kBlock = TLog::BLOCK_SIZE;

QByteArray header(quint32 mag, quint32 ow, quint32 w)
{
    QByteArray b(kBlock, '\0');
    qToBigEndian(mag, b.data());
    qToBigEndian(ow, b.data() + 4);
    qToBigEndian(w, b.data() + 8);
    return b;
}

quint32 word(const QByteArray& file, int at)
{
    return qFromBigEndian<quint32>(file.constData() + at);
}

// One record block as the file holds it, with texts that fill their fields.
QByteArray record(int n)
{
    QByteArray b(kBlock, '\0');
    const quint16 fields[] = {quint16(2000 + n % 50), quint16(1 + n % 12), quint16(1 + n % 28),
                              quint16(n % 24), quint16(n % 60), quint16(n % 60), quint16(0x1000 + n % 0x7000)};
    for (int i = 0; i < 7; ++i)
        qToBigEndian(fields[i], b.data() + 2 * i);
    const QByteArray user = "user" + QByteArray::number(n);
    const QByteArray contents = "contents of record " + QByteArray::number(n);
    std::memcpy(b.data() + 16, user.constData(), size_t(user.size()));
    std::memcpy(b.data() + 36, contents.constData(), size_t(contents.size()));
    return b;
}

QByteArray smallLog()
{
    QByteArray f = header(TLog::LOG_MAGIC, 0, 12);
    for (int i = 0; i < 12; ++i)
        f += record(i);
    return f;
}

QByteArray wrappedLog(quint32 w)
{
    QByteArray f = header(TLog::LOG_MAGIC, 1, w);
    for (int i = 0; i < TLog::RING_SIZE; ++i)
        f += record(i);
    return f;
}

// What the open checks must decide, worked out from the bytes alone.
bool headerIsSound(const QByteArray& file)
{
    return file.size() >= kBlock && word(file, 0) == quint32(TLog::LOG_MAGIC) && word(file, 4) <= 1
           && word(file, 8) <= quint32(TLog::RING_SIZE);
}

bool terminated(const char* f, int size)
{
    return std::memchr(f, '\0', size_t(size)) != nullptr;
}

} // namespace

class TLogMutationTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_when = QDateTime(QDate(2011, 12, 31), QTime(23, 59, 58));
    }
    void truncatedAtEveryLength()
    {
        const QByteArray full = smallLog();
        for (int len = 0; len <= full.size(); ++len) {
            exercise(full.left(len), QString("length %1").arg(len));
            if (QTest::currentTestFailed())
                return;
        }
    }
    void wrappedLogTruncated()
    {
        const QByteArray full = wrappedLog(4321);
        QList<int> lengths;
        for (int blocks : {0, 1, 2, 250, 4321, 4322, 4571, 4572, 4999, 5000, 5001})
            for (int extra : {-1, 0, 1, 38, 75})
                if (blocks * kBlock + extra >= 0 && blocks * kBlock + extra <= full.size())
                    lengths << blocks * kBlock + extra;
        for (int len : lengths) {
            exercise(full.left(len), QString("wrapped, length %1").arg(len));
            if (QTest::currentTestFailed())
                return;
        }
    }
    void headerWords_data()
    {
        QTest::addColumn<quint32>("ow");
        QTest::addColumn<quint32>("w");
        const quint32 ows[] = {0, 1, 2, 0x80000000u, 0xffffffffu};
        const quint32 ws[] = {0, 1, 4749, 4750, 4751, 4999, 5000, 5001, 0x7fffffffu, 0x80000000u, 0xffffffffu};
        for (quint32 ow : ows)
            for (quint32 w : ws)
                QTest::addRow("ow %u w_idx %u", ow, w) << ow << w;
    }
    void headerWords()
    {
        QFETCH(quint32, ow);
        QFETCH(quint32, w);
        // Over a small log and over a full ring, with and without the records
        // the header claims.
        exercise(header(TLog::LOG_MAGIC, ow, w) + smallLog().mid(kBlock), "small");
        exercise(header(TLog::LOG_MAGIC, ow, w), "header only");
        exercise(header(TLog::LOG_MAGIC, ow, w) + wrappedLog(0).mid(kBlock), "full ring");
    }
    void randomFiles()
    {
        QRandomGenerator rng(20100419);
        for (int round = 0; round < 300; ++round) {
            const int len = round % 10 == 9 ? int(rng.bounded(5001 * kBlock + 200)) : int(rng.bounded(4 * kBlock * 4));
            QByteArray f(len, '\0');
            for (char& c : f)
                c = char(rng.bounded(256));
            // A third of the files carry the magic, so the other checks get reached.
            if (round % 3 == 0 && len >= 4)
                qToBigEndian(quint32(TLog::LOG_MAGIC), f.data());
            if (round % 6 == 0 && len >= 12) {
                qToBigEndian(quint32(rng.bounded(3)), f.data() + 4);
                qToBigEndian(quint32(rng.bounded(5002)), f.data() + 8);
            }
            exercise(f, QString("random round %1 length %2").arg(round).arg(len));
            if (QTest::currentTestFailed())
                return;
        }
    }
    void mutatedBytes()
    {
        QRandomGenerator rng(419);
        const QByteArray base = smallLog();
        for (int round = 0; round < 400; ++round) {
            QByteArray f = base;
            const int flips = 1 + int(rng.bounded(8));
            for (int i = 0; i < flips; ++i) {
                // Half the damage lands in the header words.
                const int at = rng.bounded(2) ? int(rng.bounded(12)) : int(rng.bounded(f.size()));
                f[at] = char(rng.bounded(256));
            }
            if (round % 4 == 0)
                f.chop(int(rng.bounded(2 * kBlock)));
            exercise(f, QString("mutation round %1").arg(round));
            if (QTest::currentTestFailed())
                return;
        }
    }

private:
    // Runs one damaged file through open, reads, a write and a reopen.
    void exercise(const QByteArray& content, const QString& what)
    {
        const QByteArray tag = what.toUtf8();
        TTestRoot root;
        QVERIFY2(root.write(kLog, content), tag);
        const bool sound = headerIsSound(content);
        {
            TLog log(kLog);
            const QByteArray opened = root.read(kLog);
            QVERIFY2(opened.size() >= kBlock, tag);
            if (sound)
                QVERIFY2(opened == content, tag); // used unchanged
            else
                QVERIFY2(opened.left(kBlock) == header(TLog::LOG_MAGIC, 0, 0)
                                 && opened.mid(kBlock) == content.mid(kBlock),
                         tag); // reset; the records stay where they were

            const quint32 ow = sound ? word(content, 4) : 0;
            const quint32 w = sound ? word(content, 8) : 0;
            const int count = ow ? TLog::SHOWN_MAX : int(qMin(w, quint32(TLog::SHOWN_MAX)));
            QVERIFY2(log.count() == count, tag);
            QVERIFY2(log.startIndex() == int(w + ow * TLog::RING_SIZE) - count, tag);

            // Every shown record, read as the system-log page reads them.
            for (int k = 0; k < count; ++k) {
                const int slot = (log.startIndex() + k) % TLog::RING_SIZE;
                LogRecord rec;
                std::memset(&rec, 0x55, sizeof rec);
                const int got = log.log_read(slot, &rec);
                const bool inFile = (slot + 2) * kBlock <= opened.size();
                QVERIFY2(got == (inFile ? 1 : 0), qPrintable(what + QString(" slot %1").arg(slot)));
                QVERIFY2(terminated(rec.user, sizeof rec.user), tag);
                QVERIFY2(terminated(rec.contents, sizeof rec.contents), tag);
                if (!inFile)
                    QVERIFY2(rec.year == 0 && rec.code == 0 && rec.user[0] == 0, tag);
                log.toText(&rec);
            }

            log.log_write(LOG_LOGIN, "fuzz", "after damage", &m_when);
            const QByteArray written = root.read(kLog);
            const quint32 slot = w >= quint32(TLog::RING_SIZE) ? 0 : w;
            const quint32 next = slot + 1 == quint32(TLog::RING_SIZE) ? 0 : slot + 1;
            const quint32 nextOw = slot + 1 == quint32(TLog::RING_SIZE) ? 1 : (w >= quint32(TLog::RING_SIZE) ? 0 : ow);
            QVERIFY2(written.left(kBlock) == header(TLog::LOG_MAGIC, nextOw, next), tag);
            const QByteArray block = written.mid(int(slot + 1) * kBlock, kBlock);
            QVERIFY2(block.size() == kBlock, tag);
            QVERIFY2(block.mid(0, 14) == QByteArray("\x07\xdb\x00\x0c\x00\x1f\x00\x17\x00\x3b\x00\x3a\x20\x00", 14), tag);
            QVERIFY2(block.mid(16, 5) == QByteArray("fuzz\0", 5), tag);
            QVERIFY2(block.mid(36, 13) == QByteArray("after damage\0", 13), tag);
        }
        // The header just written passes the open checks and is kept as it is.
        const QByteArray before = root.read(kLog);
        TLog again(kLog);
        QVERIFY2(root.read(kLog) == before, tag);
        LogRecord rec;
        const int newest = (again.startIndex() + again.count() - 1) % TLog::RING_SIZE;
        QVERIFY2(again.count() >= 1 && again.log_read(newest, &rec) == 1, tag);
        QVERIFY2(QByteArray(rec.user) == "fuzz" && rec.code == LOG_LOGIN, tag);
    }

    QDateTime m_when;
};

QTEST_GUILESS_MAIN(TLogMutationTest)
#include "tlogmutationtest.moc"
