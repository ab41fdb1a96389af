#include "tdaldb.h"
#include "tdalbackuphead.h"
#include "tdalfile.h"
#include "tdaljournal.h"
#include "trootmap.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct DateRow {
    int year, month, day, id;
};
const DateRow kDateRows[TDalDb::kDates] = {{2026, 11, 29, 1001}, {2026, 11, 30, 1002}, {2026, 12, 1, 1003}};
const size_t kMaxFile = size_t(8) << 20; // a description larger than this is not read
const size_t kShownPath = 255;           // of a path named on standard error
// A channel's recording of a default day starts at hour (channel + day) %
// kStarts: each day one of the first four channels, which every unit has,
// records from midnight.
const int kStarts = 4;

// The internal database of disk n: "/data<n>/data.db6".
bool internalPath(const char* path)
{
    int disk;
    char rest[16];
    return std::sscanf(path, "/data%d/data.db6%15s", &disk, rest) == 1 && disk >= 0;
}

bool makeFolders(const std::string& hostFile)
{
    for (size_t i = 1; i < hostFile.size(); ++i) {
        if (hostFile[i] != '/')
            continue;
        const std::string dir = hostFile.substr(0, i);
        if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

// Appends what fd holds until out has max bytes or the file ends; false on
// a read error.
bool readUpTo(int fd, size_t max, std::string* out)
{
    char buf[16384];
    while (out->size() < max) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, max - out->size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        out->append(buf, size_t(n));
    }
    return true;
}

std::string cannotRead(int error)
{
    return std::string("cannot be read (") + std::strerror(error) + ")";
}

// The description in a database file open as fd, or the one a backup's
// head gives; empty when read, else why it is not.
std::string textOf(int fd, const struct stat& st, bool internal, std::string* text)
{
    if (S_ISDIR(st.st_mode))
        return "a folder";
    if (S_ISFIFO(st.st_mode))
        return "a FIFO";
    if (!S_ISREG(st.st_mode))
        return "not a plain file";
    // Room for what is read made once, within the bounds.
    std::string data, error;
    data.reserve(std::min(size_t(st.st_size), TDalBackupHead::kMaxHead));
    if (!readUpTo(fd, TDalBackupHead::kMaxHead, &data))
        return cannotRead(errno);
    if (!internal && TDalBackupHead::isHead(data)) {
        // A backup the stand-in wrote is read by its head alone: the
        // recording after it is never read.
        if (!TDalBackupHead::describe(data, (unsigned long long)st.st_size, text, &error))
            return "backup not understood (" + TDalJournal::cut(error) + ")";
        return std::string();
    }
    // Any other file is read whole within the bound, which it may pass by
    // growing while it is read.
    const char* const tooLarge = "larger than 8 MB";
    if (uint64_t(st.st_size) > kMaxFile)
        return tooLarge;
    data.reserve(size_t(st.st_size) + 1);
    if (!readUpTo(fd, kMaxFile + 1, &data))
        return cannotRead(errno);
    if (data.size() > kMaxFile)
        return tooLarge;
    text->swap(data);
    return std::string();
}

bool sameDate(const TDalDbModel::Entry& e, const Db6Date& d)
{
    return e.year == d.year && e.month == d.month && e.day == d.day;
}

// A bound of the date filter: a date with year, month and day set.
bool bounded(const Db6Date& d)
{
    return d.year > 0 && d.month > 0 && d.day > 0;
}

long dayNumber(int y, int m, int d)
{
    return (long(y) * 12 + m) * 32 + d;
}
}

TDalDb& TDalDb::instance()
{
    static TDalDb db;
    return db;
}

bool TDalDb::hasHour(int ch, int d, int hour, int plane)
{
    if (plane == 1)
        return hour >= (ch + d) % kStarts && hour != 12; // continuous, a gap at noon
    return (hour == 8 || hour == 17) && (ch + d) % 2 == 0; // event recording
}

std::string TDalDb::defaultDescription()
{
    std::string out = "# The recorder's database: normal recording from a channel's first hour\n"
                      "# to midnight with a gap at noon, event recording ten minutes at 8:00 and\n"
                      "# 17:00 on every other channel.\n";
    char line[128];
    for (int d = 0; d < kDates; ++d) {
        const DateRow& r = kDateRows[d];
        std::snprintf(line, sizeof line, "date %04d-%02d-%02d %d\n", r.year, r.month, r.day, r.id);
        out += line;
        for (int first = 0; first < kStarts; ++first) { // channels by their first hour
            std::string chans;
            for (int ch = 0; ch < DAL_MAX_CH; ++ch)
                if ((ch + d) % kStarts == first)
                    chans += (chans.empty() ? "" : ",") + std::to_string(ch);
            out += "rec " + chans + " 0" + std::to_string(first) + ":00-11:59\n";
            out += "rec " + chans + " 13:00-23:59\n";
        }
        std::string even;
        for (int ch = 0; ch < DAL_MAX_CH; ++ch)
            if ((ch + d) % 2 == 0)
                even += (even.empty() ? "" : ",") + std::to_string(ch);
        out += "event " + even + " 08:00-08:09\nevent " + even + " 17:00-17:09\n";
        out += "items " + std::to_string(numEvents(d)) + "\n";
    }
    return out;
}

std::string TDalDb::placeOf(const char* path, std::string* host)
{
    // Only below a runtime root: the stand-in never writes the host's own
    // folders.
    if (!path || !*path)
        return "no path, not written";
    if (TRootMap::root().empty())
        return "no runtime root, not written";
    const std::string refused = TRootMap::refusal(path, host);
    if (!refused.empty())
        return refused + ", not written";
    if (!makeFolders(*host))
        return TDalFile::failed(errno);
    return std::string();
}

std::string TDalDb::describe(const char* path, const char* text, bool replace)
{
    std::string host;
    const std::string why = placeOf(path, &host);
    return why.empty() ? TDalFile::writeNew(host, text ? std::string(text) : defaultDescription(), replace) : why;
}

bool TDalDb::Identity::operator==(const Identity& o) const
{
    return dev == o.dev && ino == o.ino && mode == o.mode && size == o.size && sec == o.sec && nsec == o.nsec;
}

TDalDb::Identity TDalDb::identityOf(const struct stat& st)
{
    return {st.st_dev, st.st_ino, st.st_mode, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

TDalDb::Cached& TDalDb::cached(const std::string& host)
{
    for (Cached& c : m_cache)
        if (c.host == host)
            return c;
    if (m_cache.size() >= size_t(kCacheFiles)) // the file opened longest ago is forgotten
        m_cache.erase(std::min_element(m_cache.begin(), m_cache.end(),
                                       [](const Cached& a, const Cached& b) { return a.used < b.used; }));
    m_cache.push_back(Cached{host, Identity{}, std::string(), 0, 0, {}, 0, false});
    return m_cache.back();
}

std::shared_ptr<const TDalDbModel> TDalDb::read(const std::string& name, const std::string& host, bool internal,
                                                int channels, int sensors, Identity* id,
                                                std::vector<std::string>* said)
{
    std::string text, error, why;
    if (internal && id->mode == 0) {
        text = defaultDescription(); // a disk's database without a root to write it into
    } else {
        // Opened without waiting: a FIFO at the path never holds the caller.
        const int fd = ::open(host.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat st;
        if (fd < 0 || ::fstat(fd, &st) != 0) {
            why = cannotRead(errno);
        } else {
            *id = identityOf(st);
            why = textOf(fd, st, internal, &text);
        }
        if (fd >= 0)
            ::close(fd);
    }
    if (!why.empty()) {
        said->push_back(name + why + ", not opened");
        return nullptr;
    }
    std::vector<std::string> skipped;
    auto model = TDalDbModel::build(text, channels, sensors, &error, &skipped);
    if (!model)
        said->push_back(name + "asks for " + error + ", not opened");
    for (const std::string& line : skipped)
        said->push_back(name + line + " not understood, skipped");
    return model;
}

std::shared_ptr<const TDalDbModel> TDalDb::load(const char* path, int channels, int sensors, int disks)
{
    if (!path || !*path)
        return nullptr;
    // A path the root does not hold (it leaves the root, or runs into a
    // link loop) is never opened, and said so as a file not read is. With
    // no file in the root to stat, it is kept in the cache under the place
    // it names there, and said again only when the reason changes or after
    // the path held a file.
    std::string host;
    const std::string refused = TRootMap::refusal(path, &host);
    const bool internal = internalPath(path);
    if (internal && disks < 1)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    struct stat st;
    // A disk without a database yet gets the default one, written into the
    // runtime root (without a root, or when it cannot be written there, it
    // is only served, and the reason said with what is said of the file).
    std::string unwritten;
    // It takes the name only where still no file is: a database put there
    // meanwhile (a format's empty one) is never replaced.
    if (refused.empty() && internal && ::stat(host.c_str(), &st) != 0 && !TRootMap::root().empty()) {
        unwritten = describe(path, nullptr, false);
        if (unwritten == TDalFile::kKept)
            unwritten.clear();
    }
    Identity id = {};
    if (refused.empty() && ::stat(host.c_str(), &st) == 0)
        id = identityOf(st);
    Cached& c = cached(host);
    const bool same = c.used && c.id == id && c.refused == refused && c.channels == channels && c.sensors == sensors;
    c.used = ++m_uses;
    std::shared_ptr<const TDalDbModel> model = same ? c.model.lock() : nullptr;
    // A new or changed file is read and what it gets is said; an unchanged
    // one that was refused or not read is left, and one whose model went
    // with its last handle is built again without a word.
    if (!model && !(same && !c.opened)) {
        std::vector<std::string> said;
        const std::string name = TDalJournal::cut(path, kShownPath) + ": ";
        if (!unwritten.empty())
            said.push_back(name + unwritten);
        if (refused.empty())
            model = read(name, host, internal, channels, sensors, &id, &said);
        else
            said.push_back(name + refused + ", not opened");
        ++m_reads;
        for (size_t i = 0; !same && i < said.size(); ++i)
            TDalJournal::say(said[i]);
        c.id = id;
        c.refused = refused;
        c.channels = channels;
        c.sensors = sensors;
        c.model = model;
        c.opened = bool(model);
    }
    // The files opened last keep their models in the cache; the others
    // live while a handle or the decoder holds them.
    if (m_kept[0] != model) {
        m_kept[1] = std::move(m_kept[0]);
        m_kept[0] = model;
    }
    return model;
}

int TDalDb::reads()
{
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    return m_reads;
}

TDalDb::Open* TDalDb::find(int h)
{
    for (Open& o : m_open)
        if (o.handle == h)
            return &o;
    return nullptr;
}

const TDalDbModel::Entry* TDalDb::entryOf(const Open& o, int idx) const
{
    if (idx < 0 || idx >= int(o.view.size()))
        return nullptr;
    return &o.model->entries()[size_t(o.view[size_t(idx)])];
}

bool TDalDb::passes(const Open& o, const TDalDbModel::Item& it)
{
    const int row = TDalDbModel::rowOf(it.type);
    if (row < 0 || !o.type[row][TDalDbModel::columnOf(it.type)])
        return false;
    return o.text.empty() || (row == 4 && it.text.find(o.text) != std::string::npos);
}

int TDalDb::passing(const Open& o, const TDalDbModel::Entry& e)
{
    return int(std::count_if(e.items.begin(), e.items.end(),
                             [&o](const TDalDbModel::Item& it) { return passes(o, it); }));
}

std::vector<int> TDalDb::months(const Open& o)
{
    std::vector<int> out;
    for (int i : o.view) {
        const TDalDbModel::Entry& e = o.model->entries()[size_t(i)];
        const int m = e.year * 12 + e.month - 1;
        if (out.empty() || out.back() != m)
            out.push_back(m); // entries are in date order
    }
    return out;
}

int TDalDb::open(const char* path, int channels, int sensors, int disks)
{
    auto model = load(path, channels, sensors, disks);
    if (!model)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_open.size() >= size_t(kMaxOpen))
        return 0;
    Open o;
    o.handle = m_next++;
    o.model = model;
    for (size_t i = 0; i < model->entries().size(); ++i)
        o.view.push_back(int(i));
    std::memset(o.type, 1, sizeof o.type);
    o.rei = 0;
    std::memset(&o.from, 0, sizeof o.from);
    std::memset(&o.to, 0, sizeof o.to);
    m_open.push_back(std::move(o));
    return m_open.back().handle;
}

int TDalDb::close(int h)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = 0; i < m_open.size(); ++i)
        if (m_open[i].handle == h) {
            m_open.erase(m_open.begin() + long(i));
            return 0;
        }
    return -1;
}

void TDalDb::reset()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open.clear();
    }
    std::lock_guard<std::mutex> lock(m_cacheMutex);
    m_cache.clear();
    m_kept[0].reset();
    m_kept[1].reset();
    m_reads = 0;
}

int TDalDb::numMonth(int h)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    return o ? int(months(*o).size()) : -1;
}

int TDalDb::monthIdx(int h, int year, int month)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o)
        return -1;
    const std::vector<int> m = months(*o);
    const auto it = std::find(m.begin(), m.end(), year * 12 + month - 1);
    return it == m.end() ? -1 : int(it - m.begin());
}

int TDalDb::readMonth(int h, int idx, int count, MonthInfo* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !out || count < 1)
        return -1;
    const std::vector<int> m = months(*o);
    if (idx < 0 || idx >= int(m.size()))
        return -1;
    int n = 0;
    for (int k = idx; k < int(m.size()) && n < count; ++k, ++n) {
        MonthInfo& mi = out[n];
        std::memset(&mi, 0, sizeof mi);
        mi.year = m[size_t(k)] / 12;
        mi.month = m[size_t(k)] % 12 + 1;
        for (int i : o->view) {
            const TDalDbModel::Entry& e = o->model->entries()[size_t(i)];
            if (e.year == mi.year && e.month == mi.month)
                ++mi.count[e.day];
        }
    }
    return n;
}

int TDalDb::dateIdxInSameDate(int h, const Db6Date* date, int k)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !date || k < 0)
        return -1;
    for (int idx = 0; idx < int(o->view.size()); ++idx)
        if (sameDate(*entryOf(*o, idx), *date) && k-- == 0)
            return idx;
    return -1;
}

int TDalDb::readDate(int h, int idx, int count, Db6Date* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !out || !entryOf(*o, idx) || count < 1)
        return -1;
    int n = 0;
    for (const TDalDbModel::Entry* e; n < count && (e = entryOf(*o, idx + n)); ++n) {
        out[n].year = e->year;
        out[n].month = e->month;
        out[n].day = e->day;
        out[n].numEvents = passing(*o, *e);
        out[n].dateId = e->dateId;
    }
    return n;
}

int TDalDb::getAvc(int h, int dateIdx, Db6Avc* avc, const AvcCaps& caps)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    if (!o || !avc || !entryOf(*o, dateIdx))
        return -1;
    std::memset(avc, 0, sizeof *avc);
    avc->numRes = caps.num_rridx < 0 ? 0 : (caps.num_rridx > 8 ? 8 : caps.num_rridx);
    for (int i = 0; i < avc->numRes; ++i) {
        avc->resW[i] = caps.rridx[i].xres;
        avc->resH[i] = caps.rridx[i].yres;
    }
    avc->numRate = caps.num_fidx < 0 ? 0 : (caps.num_fidx > 60 ? 60 : caps.num_fidx);
    for (int i = 0; i < avc->numRate; ++i)
        avc->fps1000[i] = int(caps.fidx2fps[i] * 1000.0);
    return 0;
}

int TDalDb::readItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    const TDalDbModel::Entry* e = o ? entryOf(*o, dateIdx) : nullptr;
    if (!e || !items || first < 0 || count < 0)
        return -1;
    int n = 0;
    int k = 0; // items passing the filters so far
    // The texts stay where the items point while the handle is open: the
    // model is not changed while it is shared.
    for (const TDalDbModel::Item& it : e->items) {
        if (n >= count)
            break;
        if (!passes(*o, it) || k++ < first)
            continue;
        Db6Item& out = items[n++];
        std::memset(&out, 0, sizeof out);
        out.type = it.type;
        out.hour = uint8_t(it.second / 3600);
        out.minute = uint8_t(it.second / 60 % 60);
        out.second2 = uint8_t((it.second % 60) << 1);
        out.duration = it.duration;
        if (TDalDbModel::rowOf(it.type) == 4) {
            out.text = it.text.c_str();
            out.textLen = int(it.text.size());
        }
    }
    if (head) {
        std::memset(head, 0, sizeof *head);
        head->numItems = n;
    }
    return n;
}

int TDalDb::readReiDay(int h, int dateIdx, uint64_t* hour1, uint64_t* hour2)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    const TDalDbModel::Entry* e = o ? entryOf(*o, dateIdx) : nullptr;
    if (!e || !hour1 || !hour2)
        return -1;
    uint64_t* out[2] = {hour1, hour2};
    for (int plane = 0; plane < 2; ++plane)
        for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
            out[plane][ch] = 0;
            if (plane == 0 && o->rei == 1)
                continue; // event recording only
            for (int hr = 0; hr < 24; ++hr)
                if (e->minutes[plane][hr][ch])
                    out[plane][ch] |= uint64_t(1) << hr;
        }
    return 0;
}

int TDalDb::readReiHour(int h, int dateIdx, int hour, uint64_t* min1, uint64_t* min2)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Open* o = find(h);
    const TDalDbModel::Entry* e = o ? entryOf(*o, dateIdx) : nullptr;
    if (!e || !min1 || !min2 || hour < 0 || hour > 23)
        return -1;
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        min1[ch] = o->rei == 1 ? 0 : e->minutes[0][hour][ch];
        min2[ch] = e->minutes[1][hour][ch];
    }
    return 0;
}

int TDalDb::filterType(int h, const uint8_t* table)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Open* o = find(h);
    if (!o || !table)
        return -1;
    std::memcpy(o->type, table, sizeof o->type);
    return 0;
}

int TDalDb::filterRei(int h, int rei)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Open* o = find(h);
    if (!o)
        return -1;
    o->rei = rei;
    return 0;
}

int TDalDb::filterTextin(int h, const char* text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Open* o = find(h);
    if (!o)
        return -1;
    o->text = text ? std::string(text, strnlen(text, 64)) : std::string();
    return 0;
}

int TDalDb::filterDate(int h, const Db6Date* from, const Db6Date* to)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Open* o = find(h);
    if (!o)
        return -1;
    std::memset(&o->from, 0, sizeof o->from);
    std::memset(&o->to, 0, sizeof o->to);
    if (from)
        o->from = *from;
    if (to)
        o->to = *to;
    return 0;
}

int TDalDb::calcFilter(int h, void* ctx, Db6ProgressCb progress)
{
    // The search runs without the lock: the progress callback may take a
    // while and may call into the database itself.
    Open copy;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const Open* o = find(h);
        if (!o)
            return -1;
        copy = *o;
    }
    const long lo = bounded(copy.from) ? dayNumber(copy.from.year, copy.from.month, copy.from.day) : 0;
    const long hi = bounded(copy.to) ? dayNumber(copy.to.year, copy.to.month, copy.to.day) : 0;
    std::vector<int> view;
    const std::vector<TDalDbModel::Entry>& entries = copy.model->entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const TDalDbModel::Entry& e = entries[i];
        if (progress) {
            const int32_t values[3] = {e.year, e.month, e.day};
            progress(ctx, values);
        }
        const long day = dayNumber(e.year, e.month, e.day);
        if ((lo && day < lo) || (hi && day > hi))
            continue;
        if (!copy.text.empty() && passing(copy, e) == 0)
            continue;
        view.push_back(int(i));
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    Open* o = find(h);
    if (!o)
        return -1; // closed meanwhile
    o->view = view;
    return int(view.size());
}
