#pragma once
#include "dal.h"

#include <mutex>
#include <string>
#include <vector>

// The simulated recording database behind the Db6f calls: three days of
// recordings per channel across a month boundary (2026-11-29 to
// 2026-12-01), the same every time, shaped by the channel, sensor and disk
// counts of the profile.
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
    // A format of the disk holding it empties the recorder's own database
    // (backup files keep theirs); reset brings the recordings back.
    void erase();
    void reset();

    static const int kDates = 3;
    // Events recorded on date d.
    static int numEvents(int d) { return 10 + 5 * d; }
    static bool hasHour(int ch, int d, int hour, int plane);

private:
    struct Open {
        int handle;
        int channels;
        int sensors;
        bool internal; // the recorder's own database, not a backup file
    };
    Open* find(int h);
    // Dates and months the database of an open handle holds now.
    int dates(const Open* o) const { return o->internal && m_erased ? 0 : kDates; }
    int months(const Open* o) const { return o->internal && m_erased ? 0 : kMonths; }
    static const int kMonths = 2; // 2026-11 and 2026-12

    std::mutex m_mutex;
    std::vector<Open> m_open;
    int m_next = 1;
    bool m_erased = false;
    std::vector<std::string> m_texts; // text-in lines the items point at
};
