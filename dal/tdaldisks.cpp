#include "tdaldisks.h"
#include "tdalcore.h"
#include "tdaldb.h"
#include "tdalenc.h"
#include "tdalfile.h"
#include "tdaljournal.h"
#include "trootmap.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <future>
#include <memory>

namespace {
const uint64_t kRawBytes = 1000204886016ull; // a 1 TB disk

TDalCore& core()
{
    return TDalCore::instance();
}

// The space the recording file system leaves of a disk.
uint64_t fileSystemSize(uint64_t raw)
{
    return raw - raw / 50;
}

bool isHardDisk(const DalTestDisk& d)
{
    return d.type == 1;
}

bool carriesFileSystem(const DalTestDisk& d)
{
    return d.type == 1 && d.formatted;
}

// One recorder notification, when the encoder family is registered.
void notifyEnc(const TDalCore::Callbacks& cb, int type, int ch, int data, const char* msg)
{
    if (cb.encNotify)
        cb.encNotify(cb.ctx[TDalCore::ENC], type, ch, data, msg);
}
}

TDalDisks& TDalDisks::instance()
{
    // Never destroyed: the delivery threads may still run a job at exit.
    static TDalDisks* disks = new TDalDisks;
    return *disks;
}

TDalDisks::TDalDisks()
{
    reset();
}

void TDalDisks::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(m_disk, 0, sizeof m_disk);
    std::fill(m_own, m_own + DAL_MAX_DISK, false);
    m_mirror = false;
}

DalTestDisk TDalDisks::profileDisk(int i, int profileDisks)
{
    DalTestDisk d;
    std::memset(&d, 0, sizeof d);
    if (i < 0 || i >= profileDisks)
        return d;
    d.type = 1;
    d.health = 1;
    d.formatted = 1;
    d.raw = kRawBytes;
    d.used = fileSystemSize(kRawBytes) / 4;
    std::snprintf(d.model, sizeof d.model, "SIM-HDD1000 #%d", i + 1);
    d.smart.totalTest = 12;
    d.smart.temp = 38 + i;
    d.smart.powerOnHours = 1500 + 100 * i;
    return d;
}

DalTestDisk TDalDisks::at(int i)
{
    return m_own[i] ? m_disk[i] : profileDisk(i, core().profile().disks());
}

DalTestDisk& TDalDisks::edit(int i)
{
    if (!m_own[i]) {
        m_disk[i] = at(i);
        m_own[i] = true;
    }
    return m_disk[i];
}

int TDalDisks::set(int i, const DalTestDisk* disk)
{
    if (!disk || i < 0 || i >= DAL_MAX_DISK)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestDisk& d = edit(i);
    d = *disk;
    d.model[sizeof d.model - 1] = '\0';
    return 0;
}

int TDalDisks::get(int i, DalTestDisk* disk)
{
    if (!disk || i < 0 || i >= DAL_MAX_DISK)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    *disk = at(i);
    return 0;
}

void TDalDisks::setMirror(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mirror = on;
}

int TDalDisks::dataDiskLocked()
{
    for (int i = 0; i < DAL_MAX_DISK; ++i) {
        const DalTestDisk d = at(i);
        if (carriesFileSystem(d) && d.health)
            return i;
    }
    return -1;
}

bool TDalDisks::full()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    bool any = false;
    for (int i = 0; i < DAL_MAX_DISK; ++i) {
        const DalTestDisk d = at(i);
        // The second disk of a mirrored pair holds what the first holds.
        if (!carriesFileSystem(d) || (m_mirror && (i & 1) && carriesFileSystem(at(i - 1))))
            continue;
        any = true;
        if (d.used < fileSystemSize(d.raw))
            return false;
    }
    return any;
}

int TDalDisks::dataDisk()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return dataDiskLocked();
}

std::vector<int> TDalDisks::hardDisks(bool formattedOnly)
{
    std::vector<int> out;
    for (int i = 0; i < DAL_MAX_DISK; ++i) {
        const DalTestDisk d = at(i);
        if (formattedOnly ? carriesFileSystem(d) : isHardDisk(d))
            out.push_back(i);
    }
    return out;
}

void TDalDisks::check(Db6Check* out)
{
    std::memset(out, 0, sizeof *out);
    std::lock_guard<std::mutex> lock(m_mutex);
    out->data = dataDiskLocked();
    out->mirror = m_mirror;
    for (int i = 0; i < DAL_MAX_DISK; ++i)
        out->formatted[i] = carriesFileSystem(at(i)) ? 1 : 0;
}

void TDalDisks::sdInfo(SdInfo* table, double* usage)
{
    std::memset(table, 0, sizeof(SdInfo) * DAL_MAX_DISK);
    uint64_t used = 0;
    uint64_t capacity = 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < DAL_MAX_DISK; ++i) {
        const DalTestDisk d = at(i);
        SdInfo& s = table[i];
        if (d.type == 0)
            continue;
        std::snprintf(s.name, sizeof s.name, "/dev/sd%c", 'a' + i);
        std::snprintf(s.model, sizeof s.model, "%.*s", int(sizeof d.model), d.model);
        s.type = d.type;
        s.health = d.health;
        s.raw = d.raw;
        if (!carriesFileSystem(d))
            continue;
        s.formatted = fileSystemSize(d.raw);
        // The second disk of a mirrored pair holds what the first holds.
        const bool second = m_mirror && (i & 1) && carriesFileSystem(at(i - 1));
        s.used = std::min(second ? table[i - 1].used : d.used, s.formatted);
        if (!second) {
            used += s.used;
            capacity += s.formatted;
        }
    }
    if (usage)
        *usage = capacity ? 100.0 * double(used) / double(capacity) : 0.0;
}

void TDalDisks::smart(SmartRec* table)
{
    std::memset(table, 0, sizeof(SmartRec) * DAL_MAX_DISK);
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < DAL_MAX_DISK; ++i) {
        const DalTestDisk d = at(i);
        if (isHardDisk(d))
            table[i] = d.smart;
    }
}

int TDalDisks::mount()
{
    if (!TDalEnc::layerRunning())
        return -1;
    const bool queued = core().deliver(TDalCore::ENC, [this](const TDalCore::Callbacks& cb) {
        int mirror;
        int data;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            mirror = m_mirror;
            data = dataDiskLocked() >= 0;
        }
        // ch carries the mirror flag, data whether the database disk is good.
        notifyEnc(cb, CBT_ENC_SD_MOUNT, mirror, data, data ? "" : "no recording disk");
    });
    return queued ? 0 : -1;
}

int TDalDisks::fsck()
{
    if (!TDalEnc::layerRunning())
        return -1;
    std::vector<int> disks;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        disks = hardDisks(true);
    }
    if (disks.empty())
        return -1;
    const bool queued = core().deliver(TDalCore::ENC, [disks](const TDalCore::Callbacks& cb) {
        char text[64];
        for (int i : disks)
            for (int percent : {50, 100}) {
                std::snprintf(text, sizeof text, "HDD%d check %d%%", i + 1, percent);
                notifyEnc(cb, CBT_ENC_SD_CHECK, i, percent, text);
            }
        notifyEnc(cb, CBT_ENC_DB_CHECK, 0, 100, "Database check");
        notifyEnc(cb, CBT_ENC_SD_FSCK_END, 0, 0, "");
    });
    return queued ? 0 : -1;
}

int TDalDisks::format(int disk, int option)
{
    if (!TDalEnc::layerRunning())
        return -1;
    std::vector<int> targets;
    bool rebuild;
    // -2 formats every disk anew, mirrored in pairs (option 1) or not.
    const bool remirror = disk == -2;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (disk == -1 || disk == -2)
            targets = hardDisks(false);
        else if (disk >= 0 && disk < DAL_MAX_DISK && isHardDisk(at(disk)))
            targets.push_back(disk);
        const int data = dataDiskLocked();
        rebuild = disk < 0 || data < 0 || disk == data;
    }
    // A formatted disk's database is a file of the runtime root: without a
    // root there is nowhere to empty it.
    if (targets.empty() || TRootMap::root().empty())
        return -1;
    // All or nothing: every target's empty database is written aside first,
    // and one that cannot be (a link or a folder in its place, a folder
    // that cannot be written, a full disk) refuses the format before any
    // disk is changed, said on standard error.
    std::vector<std::string> paths;
    std::vector<std::unique_ptr<TDalFile>> emptied;
    for (int i : targets) {
        paths.push_back("/data" + std::to_string(i) + "/data.db6");
        const std::string& path = paths.back();
        std::string host;
        std::string why = TDalDb::placeOf(path.c_str(), &host);
        if (why.empty()) {
            emptied.emplace_back(new TDalFile(host));
            why = emptied.back()->stage("# formatted: no recordings\n");
        }
        if (!why.empty()) {
            TDalJournal::say(path + ": " + why + ", the format refused");
            return -1; // what was written aside goes with emptied
        }
    }
    // The job is queued before any database takes its name, and waits until
    // they have: a queue that is full refuses the format too.
    std::promise<std::vector<int>> placing;
    std::shared_future<std::vector<int>> placed = placing.get_future().share();
    const bool queued = core().deliver(TDalCore::ENC, [placed, rebuild](const TDalCore::Callbacks& cb) {
        const std::vector<int> disks = placed.get();
        if (disks.empty())
            return;
        char text[64];
        for (int i : disks)
            for (int percent : {0, 50, 100}) {
                std::snprintf(text, sizeof text, "HDD%d format %d%%", i + 1, percent);
                notifyEnc(cb, CBT_ENC_SD_FORMAT, i, percent, text);
            }
        if (rebuild) // the disk holding the database was among them
            notifyEnc(cb, CBT_ENC_DB_REBUILD, 0, 100, "Database rebuild");
        notifyEnc(cb, CBT_ENC_SD_FORMAT_END, 0, 0, "");
    });
    if (!queued) {
        TDalJournal::say("the format's job cannot be queued, the format refused");
        return -1;
    }
    // Each disk whose database took its name is formatted: marked at once,
    // so that no disk is ever emptied and not marked. A name that still
    // cannot be taken (rare once every write aside succeeded) fails the
    // format: that disk and the ones after it stay as they were, the ones
    // before stay formatted, the mirroring is not changed and the job
    // reports nothing, as for a format refused.
    std::vector<int> done;
    bool whole = true;
    for (size_t k = 0; k < targets.size() && whole; ++k) {
        const std::string why = emptied[k]->place();
        whole = emptied[k]->placed();
        if (whole)
            done.push_back(targets[k]);
        if (!why.empty())
            TDalJournal::say(paths[k] + ": " + why + (whole ? "" : ", not formatted, the format failed"));
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (int i : done) {
            DalTestDisk& d = edit(i);
            d.formatted = 1;
            d.used = 0;
        }
        // -2 lays the pairs out as the flag asks, once every disk is
        // formatted; the disk check reports it from now on.
        if (remirror && whole)
            m_mirror = option != 0;
    }
    placing.set_value(whole ? done : std::vector<int>());
    return whole ? 0 : -1;
}
