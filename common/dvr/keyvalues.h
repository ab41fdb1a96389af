#pragma once
// Key values shared by the device facade and the windows that are not Qt
// key codes: the state of a device key event, the mark of a combined key's
// second function, and the jog dial's steps sent as keys.

// The `from` value of a key event.
enum KeyState { KEY_PRESS = 1, KEY_RELEASE = 2, KEY_REPEAT = 4 };

enum {
    // OR-ed into a Qt key code: the second function of a combined
    // front-panel key; the receiver decides by its state which one applies.
    KEYMOD_ALT = 0x02000000,
    // Jog steps sent as keys.
    KEY_JOG_LEFT = 14,
    KEY_JOG_RIGHT = 15
};
