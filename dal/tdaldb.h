#pragma once
#include "dal.h"
#include "tdaldbmodel.h"

#include <memory>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <vector>

// The recording databases behind the Db6f calls. A database is a file of
// the runtime root holding its description (TDalDbModel): the internal one
// at "/data<disk>/data.db6", written with the default description when the
// disk has none yet (only served, not written, without a root), or any
// other file (a backup on external media): a backup the stand-in wrote is
// read by its head (TDalBackupHead), any other file as a description. Each
// open handle has its own filters: the type, text and record-type filters
// act on what the handle reads at once; the date filter and the text filter
// choose the dates a handle lists when the filter is calculated.
//
// A file's database is built once while the file is unchanged (the same
// size, modification time, inode and device) and shared, never changed, by
// every handle and the decoder, whichever thread opens it: Search, its
// timeline, Backup and the storage check read one model, and an open of an
// unchanged file is a stat. A changed file is read and built again. What is
// said about a file on standard error (a line not understood, a refusal, a
// file not read and why, a path that leaves the runtime root or is a link
// loop) is said when it is read, so once while it is unchanged, its bytes
// escaped. The cache remembers kCacheFiles files; it
// holds the models of the two files opened last itself (the disks'
// database stays built between storage checks), the others only while a
// handle or the decoder holds them.
//
// The default database serves three days of recordings per channel across
// a month boundary (2026-11-29 to 2026-12-01), the same every time, shaped
// by the channel and sensor counts of the profile.
class TDalDb
{
public:
    static TDalDb& instance();

    int open(const char* path, int channels, int sensors, int disks);
    int close(int h);
    int numMonth(int h);
    int monthIdx(int h, int year, int month);
    int readMonth(int h, int idx, int count, MonthInfo* out);
    int dateIdxInSameDate(int h, const Db6Date* date, int k);
    int readDate(int h, int idx, int count, Db6Date* out);
    int getAvc(int h, int dateIdx, Db6Avc* avc, const AvcCaps& caps);
    int readItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items);
    int readReiDay(int h, int dateIdx, uint64_t* hour1, uint64_t* hour2);
    int readReiHour(int h, int dateIdx, int hour, uint64_t* min1, uint64_t* min2);

    // Filters of a handle; 0, or -1 for an unknown handle or a null table.
    int filterType(int h, const uint8_t* table /* [9][32] */);
    int filterRei(int h, int rei); // 1: event recording only
    int filterTextin(int h, const char* text);
    int filterDate(int h, const Db6Date* from, const Db6Date* to);
    // Chooses the dates the handle lists from its date and text filters,
    // reporting each date it searches to progress (year, month, day) on the
    // caller's thread; the number of dates listed, -1 for an unknown handle.
    int calcFilter(int h, void* ctx, Db6ProgressCb progress);

    // The database at path as open would find it (the decoder plays it);
    // null when there is none.
    std::shared_ptr<const TDalDbModel> load(const char* path, int channels, int sensors, int disks);
    // The host file of a database at a unit path below the runtime root,
    // its folders made. Empty when there is one, else why not (no root, the
    // path refused, a folder not made), as a line of the stand-in says it.
    static std::string placeOf(const char* path, std::string* host);
    // Writes text as the database at a unit path below the runtime root
    // (placeOf, then TDalFile), over a file there or (replace off) only
    // where none is; null text writes the default description. Empty when
    // written, else why not (placeOf's reasons, a link in its place, a
    // failed write, TDalFile::kKept).
    static std::string describe(const char* path, const char* text, bool replace = true);
    static std::string defaultDescription();
    // Forgets every handle and every file read (the test driver's reset).
    void reset();
    // How often a database file has been read (and built or refused) since
    // the reset; an open of an unchanged file reads nothing.
    int reads();

    static const int kDates = 3;
    static const int kMaxOpen = 8;
    static const int kCacheFiles = 16;
    // Events recorded on date d of the default database.
    static int numEvents(int d) { return 10 + 5 * d; }
    static bool hasHour(int ch, int d, int hour, int plane);

private:
    struct Open {
        int handle;
        std::shared_ptr<const TDalDbModel> model;
        std::vector<int> view; // the entries listed, in order
        uint8_t type[9][32];
        int rei;
        std::string text;
        Db6Date from, to;
    };
    Open* find(int h);
    // The entry of listed date idx, null outside the list.
    const TDalDbModel::Entry* entryOf(const Open& o, int idx) const;
    static bool passes(const Open& o, const TDalDbModel::Item& it);
    static int passing(const Open& o, const TDalDbModel::Entry& e);
    // Listed months in order, as year * 12 + month - 1.
    static std::vector<int> months(const Open& o);

    // A file as a stat sees it; a file that is not there is all zero.
    struct Identity {
        dev_t dev;
        ino_t ino;
        mode_t mode;
        off_t size;
        time_t sec;
        long nsec; // of the modification time
        bool operator==(const Identity& o) const;
    };
    static Identity identityOf(const struct stat& st);
    // One file read, as it was then, for the recorder it was read for.
    struct Cached {
        std::string host;
        Identity id;
        std::string refused; // why the path has no file in the root; empty when it has one
        int channels, sensors;
        std::weak_ptr<const TDalDbModel> model; // null: not opened
        uint64_t used;                           // when last opened
        bool opened;                             // false: refused or not read
    };
    Cached& cached(const std::string& host);
    // Reads and builds the database of a file, its identity in *id (as
    // read); null when it is not opened. The lines to be said of it,
    // each starting with name (its path as said), are added to *said.
    static std::shared_ptr<const TDalDbModel> read(const std::string& name, const std::string& host, bool internal,
                                                   int channels, int sensors, Identity* id,
                                                   std::vector<std::string>* said);

    std::mutex m_mutex;
    std::vector<Open> m_open;
    int m_next = 1;
    // Guards the files read: held while a file is read and built, so that
    // two threads opening one file build it once.
    std::mutex m_cacheMutex;
    std::vector<Cached> m_cache;
    std::shared_ptr<const TDalDbModel> m_kept[2]; // the models of the two files opened last, newest first
    uint64_t m_uses = 0;
    int m_reads = 0;
};
