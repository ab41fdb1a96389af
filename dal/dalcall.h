// Shared pieces of the stand-in's C calls, one file per family: the
// journal and failure macros, and the state of the single calls.
#pragma once
#include "dal.h"
#include "tdalcore.h"
#include "tdaljournal.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace dalcall {
inline TDalCore& core()
{
    return TDalCore::instance();
}

inline const char* P(const void* p)
{
    return p ? "ptr" : "null";
}

inline std::string T(const char* s)
{
    return TDalJournal::text(s);
}

// State of the single calls and of DalCmd, guarded by the core's mutex.
struct Misc {
    char appName[32];
    uint32_t appVersion;
    char camName[DAL_MAX_CH][64];
    char users[8][2][32];
    uint32_t userRights[8][3];
    uint8_t mac[6] = {0x00, 0x1c, 0x2d, 0x00, 0x00, 0x01};
    int vgaType;
    int fullScreen43;
    int frozen;
};
extern Misc g_misc;

inline void copyText(char* dst, size_t size, const char* src)
{
    if (!src) {
        dst[0] = '\0';
        return;
    }
    const size_t n = strnlen(src, size - 1);
    std::memcpy(dst, src, n);
    dst[n] = '\0';
}
}

#define DAL_FAILED(name)                                                                           \
    do {                                                                                           \
        int r_;                                                                                    \
        if (core().failed(name, &r_))                                                              \
            return r_;                                                                             \
    } while (0)

// A call of a family the stand-in does not simulate yet: journaled, -1.
#define DAL_LATER(...)                                                                             \
    do {                                                                                           \
        TDalJournal::add(__VA_ARGS__);                                                             \
        return -1;                                                                                 \
    } while (0)
