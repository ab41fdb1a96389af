// Times the stand-in's recording database against the floor of reading
// the same bytes, in one run, on a 32-channel recorder with a month of
// recordings (30 dates, every channel all day, event recording and 100
// items a date):
//   day map:     one day's map for 32 channels x 1,440 minutes (the 12,800
//                bytes of a day's record map: Db6fReadReiDay, then
//                Db6fReadReiHour for each of the 24 hours)
//   month index: the entries per day of one month (Db6fReadMonth, 136 bytes)
//   open:        an open of the unchanged database, built once from its
//                description, and its close (Db6fOpen, then Db6fClose)
// Floor: the same bytes read with pread from a file, in the same pieces
// (one read per call).
// Then a description at the bounds (10,000 dates with 100 items each, an
// external file): its first open, a later open of the unchanged file while
// the first handle stays open (as Search's timeline opens it beside Search),
// and the peak memory after each. Floor: the file's bytes read (open, read,
// close), and the peak memory of the process with them read.
// Last, the first open (Db6fOpen) of four descriptions within the bounds,
// each a new external file under /backup so that it is really read, best
// of the rounds (a new file each round): 8 MB of empty lines, 8 MB of "#"
// lines, 8 MB of one-character lines not understood ("x"), and the bounds'
// own description above. Floor: a line-by-line read of the same bytes (the
// file opened, read in 64 KB pieces and its lines walked with memchr).
// Usage: daldbbench [folder]   (default /dev/shm when present)
#include "dal.h"
#include "dal_test.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kRounds = 5;
const int kRepeats = 2000;
const int kOpens = 20;
const size_t kPlane = sizeof(uint64_t) * DAL_MAX_CH; // one mask per channel

using Clock = std::chrono::steady_clock;

long long nsSince(Clock::time_point t0)
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - t0).count();
}

template <typename F>
long long best(F f)
{
    long long b = -1;
    for (int r = 0; r < kRounds; ++r) {
        const long long ns = f();
        b = b < 0 ? ns : std::min(b, ns);
    }
    return b;
}

std::string description()
{
    std::string d;
    char line[64];
    for (int day = 1; day <= 30; ++day) {
        std::snprintf(line, sizeof line, "date 2026-11-%02d %d\n", day, 2000 + day);
        d += line;
        d += "rec all 00:00-23:59\nevent 0-15 08:00-08:09\nevent 16-31 17:30-18:29\nitems 100\n";
    }
    return d;
}

// 10,000 consecutive dates from 2000-01-01, each recorded all day on every
// channel, with event recording and 100 items: as much as a description may
// ask for.
std::string boundsDescription()
{
    std::string d;
    char line[64];
    for (int day = 0; day < 10000; ++day) {
        const time_t t = time_t(946684800) + time_t(day) * 86400;
        struct tm tm;
        gmtime_r(&t, &tm);
        std::snprintf(line, sizeof line, "date %04d-%02d-%02d\n", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
        d += line;
        d += "rec all 00:00-23:59\nevent 0-15 08:00-08:09\nitems 100\n";
    }
    return d;
}

// A line repeated to 8 MB, the most a description may hold.
std::string repeated(const std::string& line)
{
    std::string d;
    d.reserve(size_t(8) << 20);
    while (d.size() + line.size() <= size_t(8) << 20)
        d += line;
    return d;
}

double peakMb()
{
    struct rusage u;
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

long long dayMap(int h, volatile uint64_t* sink)
{
    static uint64_t hour1[DAL_MAX_CH], hour2[DAL_MAX_CH], min1[24][DAL_MAX_CH], min2[24][DAL_MAX_CH];
    const auto t0 = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        if (Db6fReadReiDay(h, i % 30, hour1, hour2) != 0)
            std::abort();
        for (int hr = 0; hr < 24; ++hr)
            if (Db6fReadReiHour(h, i % 30, hr, min1[hr], min2[hr]) != 0)
                std::abort();
        *sink += min1[23][31] ^ hour2[0];
    }
    return nsSince(t0) / kRepeats;
}

long long monthIndex(int h, volatile uint64_t* sink)
{
    MonthInfo mi;
    const auto t0 = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        if (Db6fReadMonth(h, 0, 1, &mi) != 1)
            std::abort();
        *sink += uint64_t(mi.count[30]);
    }
    return nsSince(t0) / kRepeats;
}

long long opens(volatile uint64_t* sink, const char* path = "/data0/data.db6")
{
    const auto t0 = Clock::now();
    for (int i = 0; i < kOpens; ++i) {
        const int h = Db6fOpen(path, "/", 0, 0, 1, 0);
        if (h <= 0)
            std::abort();
        *sink += uint64_t(h);
        Db6fClose(h);
    }
    return nsSince(t0) / kOpens;
}

// The floor of an open: the file's bytes read whole.
long long floorRead(const std::string& file, size_t size, volatile uint64_t* sink)
{
    std::string buf(size, '\0');
    const auto t0 = Clock::now();
    for (int i = 0; i < kOpens; ++i) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        if (fd < 0 || ::read(fd, &buf[0], size) != ssize_t(size))
            std::abort();
        ::close(fd);
        *sink += uint64_t(buf[size / 2]);
    }
    return nsSince(t0) / kOpens;
}

// The bytes of a day map read in the pieces the calls hand out: the two
// hour planes, then the two minute planes of each hour.
long long floorDayMap(int fd, volatile uint64_t* sink)
{
    static uint64_t buf[2 * DAL_MAX_CH];
    const auto t0 = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        const off_t day = off_t(i % 30) * 25 * 2 * off_t(kPlane);
        for (int piece = 0; piece < 25; ++piece)
            if (::pread(fd, buf, 2 * kPlane, day + off_t(piece) * 2 * off_t(kPlane)) != ssize_t(2 * kPlane))
                std::abort();
        *sink += buf[0];
    }
    return nsSince(t0) / kRepeats;
}

long long floorMonth(int fd, volatile uint64_t* sink)
{
    MonthInfo mi;
    const auto t0 = Clock::now();
    for (int i = 0; i < kRepeats; ++i) {
        if (::pread(fd, &mi, sizeof mi, 0) != ssize_t(sizeof mi))
            std::abort();
        *sink += uint64_t(mi.count[30]);
    }
    return nsSince(t0) / kRepeats;
}

// The floor of a first open: the file read and its lines walked, the
// lines counted.
long long floorLines(const std::string& file, volatile uint64_t* sink)
{
    static char buf[65536];
    const auto t0 = Clock::now();
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        std::abort();
    uint64_t lines = 0;
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
        for (const char *p = buf, *end = buf + n; (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))));
             ++p)
            ++lines;
    ::close(fd);
    *sink += lines;
    return nsSince(t0);
}

// The first open of a new file holding text, and its close; standard error
// (the lines not understood) goes nowhere meanwhile.
long long firstOpen(const std::string& path, const std::string& text, volatile uint64_t* sink)
{
    if (dalTestDbDescribe(path.c_str(), text.c_str()) != 0)
        std::abort();
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    const auto t0 = Clock::now();
    const int h = Db6fOpen(path.c_str(), "/", 0, 0, 1, 0);
    const long long ns = nsSince(t0);
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    ::close(null);
    if (h <= 0)
        std::abort();
    *sink += uint64_t(h);
    Db6fClose(h);
    return ns;
}

void report(const char* what, long long ns, long long floorNs)
{
    std::printf("  %-44s %10.2f us", what, ns / 1e3);
    if (floorNs > 0)
        std::printf("  x%.1f of the floor", double(ns) / double(floorNs));
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    struct stat st;
    const std::string base = argc > 1 ? argv[1] : (::stat("/dev/shm", &st) == 0 ? "/dev/shm" : "/tmp");
    std::string root = base + "/daldbbench-XXXXXX";
    if (!::mkdtemp(&root[0])) {
        std::fprintf(stderr, "daldbbench: cannot make a folder in %s\n", base.c_str());
        return 1;
    }
    ::setenv("DVR_ROOT", root.c_str(), 1);
    dalTestReset();
    dalTestSetProfile("32");
    const std::string desc = description();
    if (dalTestDbDescribe("/data0/data.db6", desc.c_str()) != 0)
        return 1;

    // The floor's file: 30 days of maps and a month record, as bytes.
    const std::string floorFile = root + "/floor.bin";
    const int fd = ::open(floorFile.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    std::string bytes(30 * 25 * 2 * kPlane, '\x5a');
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        return 1;

    volatile uint64_t sink = 0;
    const int h = Db6fOpen("/data0/data.db6", "/", 0, 0, 1, 0);
    std::printf("daldbbench in %s: 32 channels, 30 dates, best of %d rounds\n", base.c_str(), kRounds);
    const long long fDay = best([&] { return floorDayMap(fd, &sink); });
    const long long fMonth = best([&] { return floorMonth(fd, &sink); });
    report("floor: pread 12,800 bytes in 25 pieces", fDay, 0);
    report("day map, 32 ch x 1,440 min (25 calls)", best([&] { return dayMap(h, &sink); }), fDay);
    report("floor: pread 136 bytes", fMonth, 0);
    report("month index (Db6fReadMonth)", best([&] { return monthIndex(h, &sink); }), fMonth);
    report("open of the unchanged database, and close", best([&] { return opens(&sink); }), 0);
    std::printf("  (description of %zu bytes)\n", desc.size());

    // At the bounds: the first open is timed once (an unchanged file is
    // built once), the later ones at their best.
    const std::string bounds = boundsDescription();
    const char* const boundsPath = "/backup/bounds.exe";
    if (dalTestDbDescribe(boundsPath, bounds.c_str()) != 0)
        return 1;
    const long long fRead = best([&] { return floorRead(root + boundsPath, bounds.size(), &sink); });
    const double floorMb = peakMb();
    const auto t0 = Clock::now();
    const int first = Db6fOpen(boundsPath, "/", 0, 0, 1, 0);
    const long long firstNs = nsSince(t0);
    if (first <= 0)
        return 1;
    const double firstMb = peakMb();
    const long long later = best([&] { return opens(&sink, boundsPath); });
    const double laterMb = peakMb();
    std::printf("daldbbench at the bounds: 10,000 dates with 100 items each (%zu bytes)\n", bounds.size());
    report("floor: read the description's bytes", fRead, 0);
    report("first open (Db6fOpen)", firstNs, fRead);
    report("later open of the unchanged file, and close", later, fRead);
    std::printf("  %-44s %10.1f MB\n", "floor: peak memory with the bytes read", floorMb);
    std::printf("  %-44s %10.1f MB\n", "peak memory after the first open", firstMb);
    std::printf("  %-44s %10.1f MB\n", "peak memory after the later opens", laterMb);
    Db6fClose(first);

    struct Kind {
        const char* name;
        const char* what;
        std::string text;
    };
    const Kind kinds[] = {
        {"empty", "8 MB of empty lines", repeated("\n")},
        {"comment", "8 MB of \"#\" lines", repeated("#\n")},
        {"unknown", "8 MB of lines not understood (\"x\")", repeated("x\n")},
        {"bounds", "the bounds' description", bounds},
    };
    std::printf("daldbbench: first open of a new file, best of %d rounds\n", kRounds);
    for (const Kind& k : kinds) {
        const std::string floorPath = std::string("/backup/") + k.name + "-floor.exe";
        if (dalTestDbDescribe(floorPath.c_str(), k.text.c_str()) != 0)
            return 1;
        const long long fLines = best([&] { return floorLines(root + floorPath, &sink); });
        int round = 0;
        const long long ns = best([&] {
            const std::string path = std::string("/backup/") + k.name + "-" + std::to_string(round++) + ".exe";
            const long long t = firstOpen(path, k.text, &sink);
            ::unlink((root + path).c_str());
            return t;
        });
        ::unlink((root + floorPath).c_str());
        std::printf("  %s (%zu bytes)\n", k.what, k.text.size());
        report("floor: line-by-line read of its bytes", fLines, 0);
        report("first open (Db6fOpen)", ns, fLines);
    }

    Db6fClose(h);
    ::close(fd);
    ::unlink(floorFile.c_str());
    const std::string db = root + "/data0/data.db6";
    ::unlink(db.c_str());
    ::unlink((root + boundsPath).c_str());
    ::rmdir((root + "/backup").c_str());
    ::rmdir((root + "/data0").c_str());
    ::rmdir(root.c_str());
    return sink == 42 ? 2 : 0;
}
