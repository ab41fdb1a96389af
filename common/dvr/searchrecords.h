#pragma once
// Records of the recording-database search: the search window's query and
// the day records the facade fills for it (read by address after the
// answer). Fixed-size plain records, as the device layer's.
#include "dal.h"

#include <cstddef>
#include <cstdint>

// The search window's request.
struct SearchQuery {
    int32_t mode;    // 0 Time, 1 Event, 2 POS, 3 Thumbnail, 4 Panorama
    char db[64];     // path of a database on external media; empty: the disks
    int32_t type;    // 0 all, 1 record, 2 sensor, 3 motion, 4 video loss, 5 POS
    int32_t rei;     // Time mode: 1 event recording only
    int32_t year, month, day;
    int32_t dateIdx; // entry of the date: -1 the last, 0 or 1 the first, n the n-th
    int32_t page;
    int32_t reserved0[3];
    int32_t chkday;  // non-zero: load the day, not only a page
    int32_t perPage; // events per page, 1..40
    int32_t reserved1;
    int32_t fromYear, fromMonth, fromDay; // POS mode: the dates searched
    int32_t toYear, toMonth, toDay;
    union {
        char text[64];     // POS mode: the text searched for
        uint8_t chOn[20];  // Event mode: 1 = channel searched
    };
};

// A day's record-presence map: bit h of an hour mask, bit m of a minute
// mask (per hour and channel); plane 1 normal, plane 2 event recording.
struct ReiDay {
    uint64_t hourMask1[DAL_MAX_CH];
    uint64_t hourMask2[DAL_MAX_CH];
    uint64_t minMask1[24][DAL_MAX_CH];
    uint64_t minMask2[24][DAL_MAX_CH];
};

// One page of a day's events. Each item's text (text-in items) points at
// the copy in text, never at the device layer's buffer.
struct DayEvents {
    enum { MAX_ITEMS = 40, TEXT_SIZE = 2000 };
    int32_t page;
    int32_t numPages;
    int32_t numItems;
    Db6ItemHead head;
    Db6Item item[MAX_ITEMS];
    char text[MAX_ITEMS][TEXT_SIZE];
};

static_assert(sizeof(ReiDay) == 12800, "ReiDay layout");
static_assert(offsetof(SearchQuery, perPage) == 112, "SearchQuery.perPage");
static_assert(offsetof(SearchQuery, text) == 144, "SearchQuery.text");
