#pragma once
#include <stdint.h>

// Run-time state that survives a restart: the live screen's channel order,
// the heartbeat time stamp and the detected video standard.
struct QuickOption {
    int32_t order[20]; // channel shown at each position
    int32_t timeAlive; // seconds since 1970 while running, 0 after a clean shutdown
    char pal[8];       // "pal" or empty
};

static_assert(sizeof(QuickOption) == 92, "QuickOption layout");
