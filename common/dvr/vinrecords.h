#pragma once
// Records of the video-input settings that windows read by address.
#include <cstdint>

// What each camera input delivers, rebuilt by checkCamera for the camera
// and network-stream setup pages (1520 bytes).
struct VinState {
    int32_t resIdx[20];  // the input's resolution index; 0 no video
    int32_t width[20];
    int32_t height[20];
    char text[20][64];   // "No Video", "NTSC", "PAL", "1080I60", "720P30", "WxH..."
};

static_assert(sizeof(VinState) == 1520, "VinState layout");
