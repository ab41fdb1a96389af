#include "tdalbackup.h"
#include "tdalbackuphead.h"
#include "tdalclock.h"
#include "tdalcore.h"
#include "tdaldb.h"
#include "tdalfile.h"
#include "tdaljournal.h"
#include "trootmap.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const kMountPoint = "/backup";
const char* const kStage = "/tmp/bdimage"; // a disc's copy before its image is made
const char* const kImage = "/tmp/bdimage.iso";
const double kDay = 86400.0;

// The host path of a unit path; empty when it would leave the root.
std::string hostPath(const std::string& unit)
{
    std::string p;
    return TRootMap::map(unit, &p) ? p : std::string();
}

// Megabytes as the layer counts them (10^6 bytes), rounded up.
int megabytes(uint64_t bytes)
{
    return int((bytes + TDalBackup::kBlock - 1) / TDalBackup::kBlock);
}

bool readAll(int fd, char* p, size_t n)
{
    while (n > 0) {
        const ssize_t r = ::read(fd, p, n);
        if (r <= 0)
            return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}

// Seconds of the day as hours, minutes and seconds.
void clockOf(double t, int* h, int* m, int* s)
{
    const int sec = int(t);
    *h = sec / 3600;
    *m = sec / 60 % 60;
    *s = sec % 60;
}
}

TDalBackup& TDalBackup::instance()
{
    static TDalBackup backup;
    return backup;
}

TDalBackup::TDalBackup()
{
    // The job thread delivers through the core and reads the database: both
    // are made first, so they are destroyed after this object ends the job.
    TDalCore::instance();
    TDalDb::instance();
}

TDalBackup::~TDalBackup()
{
    reset();
}

void TDalBackup::reset()
{
    joinJob();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_media[0] = m_media[1] = Medium();
    m_selected = 0;
    m_mounted = m_dbOpen = m_haveRange = m_scanWaits = m_chosen = m_lost = false;
    m_hold = 0;
    m_dates.clear();
    m_camoff = m_audoff = 0;
    m_type = 0;
    m_range = BackupRange();
    m_dvrName.clear();
    for (std::string& n : m_camName)
        n.clear();
    m_lastFile.clear();
}

void TDalBackup::event(int type, intptr_t value, const std::string& msg, const BackupRange* range)
{
    const auto rec = range ? std::make_shared<BackupRange>(*range) : nullptr;
    TDalCore::instance().deliver(TDalCore::BACKUP, [type, value, msg, rec](const TDalCore::Callbacks& cb) {
        if (cb.backup)
            cb.backup(cb.ctx[TDalCore::BACKUP], type, rec ? intptr_t(rec.get()) : value, msg.c_str());
    });
}

void TDalBackup::finish(int type, intptr_t value, const std::string& msg, const BackupRange* range)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_job = NONE;
    }
    event(type, value, msg, range);
}

bool TDalBackup::usable() const
{
    return m_mounted && m_media[m_selected].present;
}

bool TDalBackup::kept() const
{
    return usable() && !m_lost;
}

void TDalBackup::dropMedium()
{
    m_mounted = false;
    m_lost = true;
}

// ---- devices

int TDalBackup::scan()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_scanWaits = true;
        m_chosen = false; // it looks for a medium again
    }
    event(CBT_BACKUP_SCAN_BD, 0);
    return 0;
}

int TDalBackup::getBd(BdList* list)
{
    if (!list)
        return -1;
    std::memset(list, 0, sizeof *list);
    std::lock_guard<std::mutex> lock(m_mutex);
    std::snprintf(list->bd[0].name, sizeof list->bd[0].name, "usb");
    std::snprintf(list->bd[0].model, sizeof list->bd[0].model, "DAL USB stick");
    std::snprintf(list->bd[1].name, sizeof list->bd[1].name, "cdrom");
    std::snprintf(list->bd[1].model, sizeof list->bd[1].model, "DAL DVD-RW");
    list->bd[0].state = m_media[0].present ? 1 : 0;
    list->bd[1].state = m_media[1].present ? 2 : 1; // the drive is always there
    for (int i = 0; i < 2; ++i) {
        list->bd[i].size = m_media[i].size;
        list->bd[i].capacity = m_media[i].capacity;
        list->bd[i].mounted = m_mounted && m_selected == i && m_media[i].present ? 1 : 0;
    }
    list->selected = m_selected;
    return 0;
}

int TDalBackup::setBd(int bd)
{
    if (bd != 0 && bd != 1)
        return -1;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (bd != m_selected)
            dropMedium();
        m_selected = bd;
        m_scanWaits = false;
        m_chosen = true;
        // A medium is ready as soon as it is chosen, a disc as a stick: the
        // operator picks it in the Device list and starts the copy at once.
        if (m_media[bd].present)
            m_mounted = true;
    }
    m_cv.notify_all();
    event(CBT_BACKUP_SET_BD, bd);
    return 0;
}

void TDalBackup::sweepMedium()
{
    // What a copy or snapshot cut off by a kill left on the medium goes as
    // it is put in or mounted again; a copy under way keeps its own.
    TDalFile::sweep(kMountPoint);
}

int TDalBackup::mount()
{
    bool ok;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_scanWaits = false;
        ok = m_media[m_selected].present;
        if (ok)
            m_mounted = m_chosen = true;
    }
    if (ok)
        sweepMedium();
    event(CBT_BACKUP_MOUNT, ok ? 1 : 0);
    return ok ? 0 : -1;
}

int TDalBackup::umount()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        dropMedium();
        m_scanWaits = m_chosen = false;
    }
    m_cv.notify_all(); // a copy under way loses its medium
    event(CBT_BACKUP_UMOUNT, 0);
    return 0;
}

// ---- the backup source

int TDalBackup::openDb(uint32_t camoff, uint32_t audoff)
{
    const TDalProfile p = TDalCore::instance().profile();
    TDalDb& db = TDalDb::instance();
    const int h = db.open("/data0/data.db6", p.channels(), p.sensors(), p.disks());
    if (!h)
        return -1;
    // Every recorded date, read one at a time by its index as the search
    // reads them, until the database has no more.
    std::vector<BackupDate> dates;
    Db6Date d;
    while (db.readDate(h, int(dates.size()), 1, &d) == 1)
        dates.push_back({d.year, d.month, d.day, d.numEvents, d.dateId});
    db.close(h);
    if (dates.empty())
        return -1;
    const int n = int(dates.size());
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_dates.swap(dates);
        m_dbOpen = true;
        m_haveRange = false;
        m_camoff = camoff;
        m_audoff = audoff;
    }
    event(CBT_BACKUP_OPEN_DB, n);
    return 0;
}

int TDalBackup::closeDb()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dbOpen = m_haveRange = false;
    m_dates.clear();
    return 0;
}

int TDalBackup::numDate()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_dbOpen ? int(m_dates.size()) : -1;
}

int TDalBackup::dateInfo(int idx, BackupDate* date)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!date || !m_dbOpen || idx < 0 || idx >= int(m_dates.size()))
        return -1;
    *date = m_dates[size_t(idx)];
    return 0;
}

int TDalBackup::setFilter(uint32_t camoff, int audoff)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_camoff = camoff;
    m_audoff = uint32_t(audoff);
    return 0;
}

int TDalBackup::setType(int type)
{
    if (type != 0 && type != 1)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_type = type;
    return 0;
}

int TDalBackup::setDvrInfo(const char* name)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dvrName = name ? std::string(name, strnlen(name, 31)) : std::string();
    return 0;
}

int TDalBackup::setCamName(int ch, const char* name)
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_camName[ch] = name ? std::string(name, strnlen(name, 63)) : std::string();
    return 0;
}

bool TDalBackup::rangeValid(const BackupRange& r) const
{
    const int n = int(m_dates.size());
    const auto inDay = [](double t) { return t >= 0.0 && t <= kDay; }; // false for NaN
    return r.startIdx >= 0 && r.startIdx <= r.endIdx && r.endIdx < n && inDay(r.startTime) && inDay(r.endTime)
        && (r.startIdx < r.endIdx || r.startTime <= r.endTime);
}

uint64_t TDalBackup::bytesOf(const BackupRange& r) const
{
    const double seconds = r.startIdx == r.endIdx
        ? r.endTime - r.startTime
        : (kDay - r.startTime) + kDay * (r.endIdx - r.startIdx - 1) + r.endTime;
    const int channels = TDalCore::instance().profile().channels();
    uint64_t cams = 0;
    for (int ch = 0; ch < channels && ch < 32; ++ch)
        if (!(m_camoff & (1u << ch)))
            ++cams;
    return uint64_t(seconds) * cams * kRate;
}

std::string TDalBackup::fileName() const
{
    std::string dvr;
    for (const char c : m_dvrName) // a name that stays one file name
        dvr += (std::isalnum(static_cast<unsigned char>(c)) || c == '-') ? c : '_';
    if (dvr.empty())
        dvr = "DVR";
    const BackupDate& d = m_dates[size_t(m_range.startIdx)];
    int h, m, s;
    clockOf(m_range.startTime, &h, &m, &s);
    char name[96];
    std::snprintf(name, sizeof name, "%s_%04d%02d%02d_%02d%02d%02d.%s", dvr.c_str(), d.year, d.month, d.day, h, m, s,
                  m_type == 1 ? "avi" : "exe");
    return name;
}

TDalBackupHead::Span TDalBackup::span() const
{
    TDalBackupHead::Span s;
    const BackupDate& a = m_dates[size_t(m_range.startIdx)];
    const BackupDate& b = m_dates[size_t(m_range.endIdx)];
    s.from = {a.year, a.month, a.day};
    s.to = {b.year, b.month, b.day};
    s.fromSecond = std::min(int(m_range.startTime), int(kDay) - 1);
    s.toSecond = m_range.endTime > 0.0 ? int(m_range.endTime) - 1 : 0; // the last second copied
    for (int i = m_range.startIdx; i <= m_range.endIdx; ++i) {
        const BackupDate& d = m_dates[size_t(i)];
        if (s.days.empty() || s.days.back().year != d.year || s.days.back().month != d.month
            || s.days.back().day != d.day)
            s.days.push_back({d.year, d.month, d.day}); // entries of one date count once
    }
    const int channels = TDalCore::instance().profile().channels();
    for (int ch = 0; ch < channels && ch < DAL_MAX_CH; ++ch)
        if (!(m_camoff & (1u << ch))) {
            s.cameras.push_back(ch);
            s.names.push_back(m_camName[ch]);
        }
    s.recorder = m_dvrName;
    return s;
}

// ---- jobs

bool TDalBackup::launch(Job job, std::function<void()> body)
{
    std::lock_guard<std::mutex> jobs(m_jobMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_job != NONE)
            return false;
    }
    if (m_thread.joinable())
        m_thread.join(); // the last job has reported its end; its thread ends now
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_job = job;
        m_stop = false;
        m_lost = false;
    }
    m_thread = std::thread(body); // every way out of a job ends in finish()
    return true;
}

void TDalBackup::joinJob()
{
    std::lock_guard<std::mutex> jobs(m_jobMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_cv.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = false;
}

bool TDalBackup::gate(int kind, bool medium)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_cv.wait(lock, [this, kind, medium] {
        const bool held = m_hold == 1 || (m_hold != 0 && m_hold == kind);
        return !held || m_stop || (medium && !kept());
    });
    return !m_stop;
}

void TDalBackup::setHold(int on)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_hold = on;
    }
    m_cv.notify_all();
}

int TDalBackup::estimate(const BackupRange* range)
{
    if (!range)
        return -1;
    BackupRange r = *range;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_dbOpen || !rangeValid(r))
            return -1;
    }
    return launch(ESTIMATE, [this, r] { runEstimate(r); }) ? 0 : -1;
}

void TDalBackup::runEstimate(BackupRange r)
{
    // The To second is copied whole: the range ends one second past it, and
    // is answered so.
    r.endTime = std::min(r.endTime + 1.0, kDay);
    event(CBT_BACKUP_ESTI_START, 0);
    uint64_t total = 0;
    for (int d = r.startIdx; d <= r.endIdx; ++d) {
        // One date at a time, as the layer walks its database.
        BackupRange part = r;
        part.startIdx = part.endIdx = d;
        if (d > r.startIdx)
            part.startTime = 0.0;
        if (d < r.endIdx)
            part.endTime = kDay;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            total += bytesOf(part);
        }
        event(CBT_BACKUP_ESTI_PROG, megabytes(total));
        if (!gate(CBT_BACKUP_ESTI_PROG, false)) {
            r.size = total;
            finish(CBT_BACKUP_ESTI_STOPPED, 0, std::string(), &r);
            return;
        }
    }
    r.size = total;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_range = r;
        m_haveRange = true;
    }
    finish(CBT_BACKUP_ESTI_END, 0, std::string(), &r);
}

int TDalBackup::start(int)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_dbOpen || !m_haveRange)
            return -1; // the layer copies the range it estimated last
    }
    return launch(COPY, [this] { runCopy(); }) ? 0 : -1;
}

int TDalBackup::stop()
{
    std::lock_guard<std::mutex> jobs(m_jobMutex);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_job == NONE)
            return 0;
        m_stop = true;
    }
    m_cv.notify_all();
    // Returns when the job no longer writes.
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = false;
    return 0;
}

void TDalBackup::runCopy()
{
    event(CBT_BACKUP_COPY_START, 0);
    uint64_t total, room;
    bool ready, optical;
    std::string name;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_haveRange || m_range.endIdx >= int(m_dates.size())) {
            finish(CBT_BACKUP_COPY_FAILED, 0); // the source closed meanwhile
            return;
        }
        total = bytesOf(m_range);
        room = m_media[m_selected].size;
        ready = usable();
        optical = m_selected == 1;
        name = fileName();
        TDalBackupHead::Span s = span();
        s.bytes = total;
        m_header = TDalBackupHead::write(s);
    }
    if (total == 0) {
        finish(CBT_BACKUP_COPY_FAILED_NODATA, 0);
        return;
    }
    if (!ready) {
        finish(CBT_BACKUP_COPY_FAILED, 0);
        return;
    }
    if (total > room) {
        finish(CBT_BACKUP_NO_SPACE, 0);
        return;
    }
    const int mb = megabytes(total);
    event(CBT_BACKUP_COPY_SIZE, mb);
    const std::string target = std::string(kMountPoint) + "/" + name;
    const auto progress = [](int block) { event(CBT_BACKUP_COPY_PROG, block); };
    bool stopped = false;
    if (!optical) {
        if (!pump(std::string(), target, total, CBT_BACKUP_COPY_PROG, progress, &stopped)) {
            finish(stopped ? CBT_BACKUP_COPY_STOPPED : CBT_BACKUP_COPY_FAILED, 0);
            return;
        }
        event(CBT_BACKUP_COPY_SUCCESS, mb);
    } else {
        // A disc: the copy goes to a staging folder, becomes an image, and
        // the image is burnt onto the disc.
        const std::string staged = std::string(kStage) + "/" + name;
        const std::string stageDir = hostPath(kStage);
        if (!stageDir.empty())
            ::mkdir(stageDir.c_str(), 0755);
        const auto percent = [mb](int block) { return block * 100 / mb; };
        bool ok = pump(std::string(), staged, total, CBT_BACKUP_COPY_PROG, progress, &stopped);
        if (ok)
            event(CBT_BACKUP_COPY_SUCCESS, mb);
        int fail = CBT_BACKUP_COPY_FAILED;
        if (ok) {
            event(CBT_BACKUP_MKISO_START, 0, name);
            ok = pump(staged, kImage, total, CBT_BACKUP_MKISO_PROG,
                      [&](int b) { event(CBT_BACKUP_MKISO_PROG, percent(b), name); }, &stopped);
            fail = CBT_BACKUP_MKISO_FAILED;
        }
        ::unlink(hostPath(staged).c_str());
        if (!stageDir.empty())
            ::rmdir(stageDir.c_str());
        if (ok) {
            event(CBT_BACKUP_BURNING_START, 0, name);
            ok = pump(kImage, target, total, CBT_BACKUP_BURNING_PROG,
                      [&](int b) { event(CBT_BACKUP_BURNING_PROG, percent(b), name); }, &stopped);
            fail = CBT_BACKUP_BURNING_FAILED;
        }
        ::unlink(hostPath(kImage).c_str());
        if (!ok) {
            finish(stopped ? CBT_BACKUP_COPY_STOPPED : fail, 0, name);
            return;
        }
        event(CBT_BACKUP_BURNING_FIXATE, 0, name);
        event(CBT_BACKUP_BURNING_SUCCESS, 0, name);
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lastFile = target;
        Medium& m = m_media[optical ? 1 : 0];
        m.size -= std::min(m.size, total); // the file takes its room
    }
    finish(CBT_BACKUP_COPY_END, 0, target);
}

bool TDalBackup::pump(const std::string& source, const std::string& target, uint64_t total, int kind,
                      const std::function<void(int)>& block, bool* stopped)
{
    *stopped = false;
    // A path the root refuses is neither read nor written, and said so; so
    // is a write that fails.
    std::string to, from;
    std::string why = TRootMap::refusal(target, &to);
    if (!why.empty()) {
        TDalJournal::say(target + ": " + why + ", not written");
        return false;
    }
    why = source.empty() ? std::string() : TRootMap::refusal(source, &from);
    if (!why.empty()) {
        TDalJournal::say(source + ": " + why + ", not read");
        return false;
    }
    const int in = source.empty() ? -1 : ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (!source.empty() && in < 0) {
        TDalJournal::say(source + ": cannot be read (" + std::strerror(errno) + ")");
        return false;
    }
    // The copy is written aside in the target's folder, under a name Import
    // never offers, and takes the target's name only once whole: a file of
    // that name stays as it was until then.
    TDalFile out(to);
    why = out.begin();
    bool ok = why.empty();
    bool named = false;
    std::vector<char> buf(65536);
    uint64_t done = 0;
    int n = 0;
    while (ok && !named) {
        const uint64_t end = std::min<uint64_t>(total, done + kBlock);
        while (ok && done < end) {
            const size_t len = size_t(std::min<uint64_t>(buf.size(), end - done));
            if (in >= 0) {
                ok = readAll(in, buf.data(), len);
                if (!ok)
                    why = "its source " + source + " cannot be read";
            } else {
                // The backup's header, then its recording (zeros here).
                std::fill(buf.begin(), buf.end(), '\0');
                if (done < m_header.size())
                    m_header.copy(buf.data(), std::min<size_t>(len, m_header.size() - size_t(done)), size_t(done));
            }
            if (ok && !TDalFile::writeAll(out.fd(), buf.data(), len)) {
                ok = false;
                why = TDalFile::failed(errno);
            }
            done += len;
        }
        if (ok && done == total) {
            // The last block is reported once the file is on the medium.
            why = out.finish();
            ok = why.empty();
        }
        if (!ok)
            break;
        block(++n);
        if (!gate(kind, true)) {
            *stopped = true;
            break;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        ok = kept(); // the medium left or was unmounted under the copy
        if (ok && done == total) {
            // The medium is looked at again as the file takes its name, in
            // one step under the lock its leaving takes: it leaves before
            // (the copy fails) or after (a good copy).
            *stopped = m_stop;
            if (!m_stop)
                why = out.place();
            named = out.placed();
            ok = named;
        }
    }
    if (in >= 0)
        ::close(in);
    if (named && !why.empty()) {
        out.remove(); // only the folder's sync failed: its name may not be on the medium
        named = false;
    }
    if (!why.empty())
        TDalJournal::say(target + ": " + why);
    return named;
}

int TDalBackup::snapshot()
{
    bool stick;
    uint64_t room;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        stick = m_media[0].present;
        room = m_media[0].size;
    }
    if (!stick) {
        event(CBT_BACKUP_SNAPSHOT, 0, "No USB Device");
        return 0;
    }
    // The stand-in has no video: the picture is a black frame.
    const time_t now = time_t(TDalClock::instance().now());
    struct tm t;
    localtime_r(&now, &t);
    char name[64];
    std::strftime(name, sizeof name, "/backup/SNAP_%Y%m%d_%H%M%S.ppm", &t);
    const int w = 64, h = 48;
    std::string image = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
    image.append(size_t(w * h * 3), '\0');
    // A stick without the room, a link put at its name, a write that fails:
    // the snapshot fails, nothing cut left, and the line says why.
    const std::string why = image.size() > room ? "no room on the stick, not written" : TDalFile::writeAt(name, image);
    if (!why.empty()) {
        TDalJournal::say(std::string(name) + ": " + why);
        event(CBT_BACKUP_SNAPSHOT, 0, "Snapshot Failed");
        return -1;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lastFile = name;
        Medium& m = m_media[0];
        m.size -= std::min<uint64_t>(m.size, image.size()); // the file takes its room, as a copy's does
    }
    event(CBT_BACKUP_SNAPSHOT, 0, "Snapshot Success");
    return 0;
}

// ---- the test driver

void TDalBackup::setMedia(int bd, bool present, uint64_t size, bool mounted)
{
    if (bd != 0 && bd != 1)
        return;
    bool rescan;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_media[bd].present = present;
        m_media[bd].size = present ? size : 0;
        m_media[bd].capacity = m_media[bd].size;
        if (present && mounted) {
            if (bd != m_selected)
                dropMedium();
            m_selected = bd;
            m_mounted = m_chosen = true;
            m_scanWaits = false; // chosen and mounted as the program would
        } else if (!present && bd == m_selected) {
            dropMedium();
        } else if (present && bd == m_selected && m_chosen) {
            // Put back into the drive the program chose: ready again, as
            // when it was chosen. A copy that lost it still fails.
            m_mounted = true;
        }
        rescan = m_scanWaits;
    }
    m_cv.notify_all();
    if (present)
        sweepMedium();
    event(CBT_BACKUP_INFO_BD, bd);
    // A program still looking for a medium (its last word to the devices a
    // scan) hears the scan answered again with the media now in; one that
    // has chosen, mounted or let go of one asks again itself.
    if (rescan)
        event(CBT_BACKUP_SCAN_BD, 0);
}

void TDalBackup::getState(DalTestBackupState* st)
{
    if (!st)
        return;
    std::memset(st, 0, sizeof *st);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < 2; ++i) {
        st->present[i] = m_media[i].present;
        st->size[i] = m_media[i].size;
    }
    st->selected = m_selected;
    st->mounted = m_mounted;
    st->dbOpen = m_dbOpen;
    st->job = m_job;
    st->camoff = m_camoff;
    st->type = m_type;
    std::snprintf(st->lastFile, sizeof st->lastFile, "%s", m_lastFile.c_str());
}
