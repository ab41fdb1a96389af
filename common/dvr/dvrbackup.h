#pragma once
// The backup source as the facade keeps it for the backup window.
#include "dal.h"

#include <cstdint>

// The cameras and audio left out of the backup (bit c: channel c), the
// number of dates of the source database and the range estimated last. The
// dates themselves are handed out as a copy (TDVRAPI::backupDates), so a
// new date list arriving on the device layer's thread never frees one a
// window is reading.
struct BackupDb {
    uint32_t camoff;
    uint32_t audoff;
    int32_t numDate;
    BackupRange range;
};
