// Times the system log against the floor of the same file operations done
// with bare pwrite/pread/fsync:
//   write: 10,000 records through TLog::log_write (record, header, fsync each)
//   read:  every page of a wrapped ring (4750 shown records, 12 per page)
//          through TLog::log_read
// Usage: tlogbench [folder]   (default /dev/shm when present: the unit keeps
// its working log in RAM; pass a disk folder to see fsync on a disk)
#include "tlog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kWrites = 10000;
const int kPerPage = 12;
const int kRounds = 5;
const int kReadPasses = 20;

void block(char* out, quint32 a, quint32 b, quint32 c)
{
    std::memset(out, 0, TLog::BLOCK_SIZE);
    qToBigEndian(a, out);
    qToBigEndian(b, out + 4);
    qToBigEndian(c, out + 8);
}

// The bytes TLog writes, with the syscalls it makes; withSync false drops the fsync.
qint64 floorWrite(const QByteArray& file, bool withSync)
{
    const int fd = ::open(file.constData(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    char rec[TLog::BLOCK_SIZE];
    char h[TLog::BLOCK_SIZE];
    std::memset(rec, 'r', sizeof rec);
    quint32 w = 0, ow = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kWrites; ++i) {
        if (::pwrite(fd, rec, TLog::BLOCK_SIZE, off_t(w + 1) * TLog::BLOCK_SIZE) != TLog::BLOCK_SIZE)
            std::abort();
        if (++w == TLog::RING_SIZE) {
            w = 0;
            ow = 1;
        }
        block(h, TLog::LOG_MAGIC, ow, w);
        if (::pwrite(fd, h, TLog::BLOCK_SIZE, 0) != TLog::BLOCK_SIZE)
            std::abort();
        if (withSync)
            ::fsync(fd);
    }
    const qint64 ns = t.nsecsElapsed();
    ::close(fd);
    return ns;
}

qint64 logWrite(const QByteArray& unitPath)
{
    QFile::remove(QString::fromLocal8Bit(unitPath));
    TLog log(unitPath.constData());
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kWrites; ++i)
        log.log_write(LOG_SETUP_CHANGED, "admin", "(Record Setting)", nullptr);
    return t.nsecsElapsed();
}

// What taking the local time through QDateTime would cost per record.
qint64 localTime()
{
    int sum = 0;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kWrites; ++i)
        sum += QDateTime::currentDateTime().time().second();
    const qint64 ns = t.nsecsElapsed();
    if (sum == -1)
        std::puts("");
    return ns;
}

qint64 floorRead(const QByteArray& file, int start, int count)
{
    const int fd = ::open(file.constData(), O_RDONLY);
    char buf[TLog::BLOCK_SIZE];
    qint64 sum = 0;
    QElapsedTimer t;
    t.start();
    for (int pass = 0; pass < kReadPasses; ++pass)
        for (int page = 0; page * kPerPage < count; ++page)
            for (int i = 0; i < kPerPage && page * kPerPage + i < count; ++i) {
                const int slot = (start + page * kPerPage + i) % TLog::RING_SIZE;
                if (::pread(fd, buf, sizeof buf, off_t(slot + 1) * TLog::BLOCK_SIZE) != TLog::BLOCK_SIZE)
                    std::abort();
                sum += buf[0];
            }
    const qint64 ns = t.nsecsElapsed();
    ::close(fd);
    if (sum == -1)
        std::puts("");
    return ns / kReadPasses;
}

qint64 logRead(TLog& log)
{
    const int start = log.startIndex();
    const int count = log.count();
    LogRecord rec;
    qint64 sum = 0;
    QElapsedTimer t;
    t.start();
    for (int pass = 0; pass < kReadPasses; ++pass)
        for (int page = 0; page * kPerPage < count; ++page)
            for (int i = 0; i < kPerPage && page * kPerPage + i < count; ++i) {
                if (!log.log_read((start + page * kPerPage + i) % TLog::RING_SIZE, &rec))
                    std::abort();
                sum += rec.year;
            }
    const qint64 ns = t.nsecsElapsed();
    if (sum == -1)
        std::puts("");
    return ns / kReadPasses;
}

template <typename F>
qint64 best(F f)
{
    qint64 b = -1;
    for (int r = 0; r < kRounds; ++r) {
        const qint64 ns = f();
        b = b < 0 ? ns : std::min(b, ns);
    }
    return b;
}

void report(const char* what, qint64 ns, int ops, qint64 floorNs)
{
    std::printf("  %-34s %9.2f ms  %8.2f us/record", what, ns / 1e6, ns / 1e3 / ops);
    if (floorNs > 0)
        std::printf("  x%.2f of the floor", double(ns) / double(floorNs));
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : (QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath());
    QTemporaryDir root(base + QStringLiteral("/tlogbench-XXXXXX"));
    if (!root.isValid()) {
        std::fprintf(stderr, "tlogbench: cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    QDir(root.path()).mkpath(QStringLiteral("tmp"));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "dvr.*.debug=false");
    const QByteArray unitPath = "/tmp/SYSTEM.log";
    const QByteArray file = (root.path() + "/tmp/SYSTEM.log").toLocal8Bit();
    const QByteArray floorFile = (root.path() + "/tmp/floor.log").toLocal8Bit();

    std::printf("tlogbench in %s, best of %d rounds\n", qPrintable(base), kRounds);
    std::printf("write %d records:\n", kWrites);
    const qint64 fw = best([&] { return floorWrite(floorFile, true); });
    const qint64 fwNoSync = best([&] { return floorWrite(floorFile, false); });
    const qint64 lw = best([&] { return logWrite(unitPath); });
    report("floor pwrite+pwrite+fsync", fw, kWrites, 0);
    report("floor pwrite+pwrite (no fsync)", fwNoSync, kWrites, 0);
    report("TLog::log_write", lw, kWrites, fw);
    report("QDateTime::currentDateTime alone", best(localTime), kWrites, 0);

    TLog log(unitPath.constData());
    std::printf("read every page of the wrapped ring (%d records, %d per page):\n", log.count(), kPerPage);
    const qint64 fr = best([&] { return floorRead(file, log.startIndex(), log.count()); });
    const qint64 lr = best([&] { return logRead(log); });
    report("floor pread", fr, log.count(), 0);
    report("TLog::log_read", lr, log.count(), fr);
    return 0;
}
