#pragma once
// Records of the alarm, PTZ and POS operations that windows read by address.
#include <cstdint>

// The alarm outputs as the device layer reports them (alarm-control window).
struct IoState {
    uint32_t alarm; // bit k: relay k on
    int32_t buzzer;
};

static_assert(sizeof(IoState) == 8, "IoState is two words");
