#pragma once
// Records of the recorder's disks that the facade fills and windows read by
// address (the storage record StorageInfo sits in dvrrecords.h).
#include <cstdint>

// The S.M.A.R.T. values of up to 16 disks, indexed by disk; valid is 1 for a
// healthy hard disk whose values were read, and every array is 0 otherwise.
struct SmartInfo {
    int32_t valid[16];
    int32_t totalTest[16];
    int32_t error[16];
    int32_t temp[16]; // degrees Celsius
    int32_t badSectors[16];
    int32_t result[16];
    int32_t powerOnHours[16];
};

static_assert(sizeof(SmartInfo) == 7 * 16 * 4, "SmartInfo is seven tables of 16");
