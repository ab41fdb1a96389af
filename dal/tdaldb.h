#pragma once
#include "dal.h"
#include "tdaldbmodel.h"

#include <memory>
#include <mutex>
#include <string>
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
    // Writes text as the database at a unit path below the runtime root,
    // making its folder; null text writes the default description. False
    // without a root or when it cannot be written.
    static bool describe(const char* path, const char* text);
    static std::string defaultDescription();
    // Forgets every handle (the test driver's reset).
    void reset();

    static const int kDates = 3;
    static const int kMaxOpen = 8;
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

    std::mutex m_mutex;
    std::vector<Open> m_open;
    int m_next = 1;
};
