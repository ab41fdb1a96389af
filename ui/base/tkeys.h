#pragma once
// Key values that are not Qt key codes. The jog dial's steps arrive as raw
// keys 14 and 15; the second function of a combined front-panel key carries
// KEYMOD_ALT on top of its Qt key code.
enum {
    KEY_JOG_LEFT = 14,
    KEY_JOG_RIGHT = 15,
    KEYMOD_ALT = 0x02000000
};
