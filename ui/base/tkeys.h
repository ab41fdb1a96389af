#pragma once
// Key values that are not Qt key codes. The jog dial's steps arrive as raw
// keys 14 and 15; the second function of a combined front-panel key carries
// KEYMOD_ALT on top of its Qt key code. The device facade sends them, so
// they are defined once, with its records.
#include "keyvalues.h"
