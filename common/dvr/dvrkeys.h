#pragma once
#include "keyvalues.h"

// Key codes between the device layer and the program. The device layer
// reports a key as a four-character code (most significant byte first):
// front-panel and remote-controller keys begin with "KR", digits are 'K',
// 'R', 0 and the digit, a few keys use other prefixes. The facade turns them
// into Qt key codes (TDVRAPI::toQtKey).

enum DvrKey {
    KEY_DOWN_STOP = 0x344E4453,  // "4NDS"
    KEY_ENTER_PLAY = 0x344E4550, // "4NEP"
    KEY_LEFT_FB = 0x344E4C42,    // "4NLB"
    KEY_RIGHT_FF = 0x344E5246,   // "4NRF"
    KEY_PANIC_STOP = 0x344E5352, // "4NSR"
    KEY_FREEZE = 0x454E4652,     // "ENFR"
    KEY_PLAY_PAUSE = 0x454E5050, // "ENPP"
    KEY_FOCUS_FAR = 0x464F4641,  // "FOFA"
    KEY_FOCUS_NEAR = 0x464F4E45, // "FONE"
    KEY_IRIS_CLOSE = 0x4952434C, // "IRCL"
    KEY_IRIS_OPEN = 0x49524F50,  // "IROP"
    KEY_LOCKEXIT = 0x4B4B4C54,   // "KKLT"
    KEY_MENUEXIT = 0x4B4B4D58,   // "KKMX"
    KEY_0 = 0x4B520030,
    KEY_1 = 0x4B520031,
    KEY_2 = 0x4B520032,
    KEY_3 = 0x4B520033,
    KEY_4 = 0x4B520034,
    KEY_5 = 0x4B520035,
    KEY_6 = 0x4B520036,
    KEY_7 = 0x4B520037,
    KEY_8 = 0x4B520038,
    KEY_9 = 0x4B520039,
    KEY_10P = 0x4B523130,    // "KR10"
    KEY_AUDIO = 0x4B524155,  // "KRAU"
    KEY_BACKUP = 0x4B524241, // "KRBA"
    KEY_CH10 = 0x4B524330,   // "KRC0"
    KEY_CH11 = 0x4B524331,
    KEY_CH12 = 0x4B524332,
    KEY_CH13 = 0x4B524333,
    KEY_CH14 = 0x4B524334,
    KEY_CH15 = 0x4B524335,
    KEY_CH16 = 0x4B524336,
    KEY_CH17 = 0x4B524337,
    KEY_CH18 = 0x4B524338,
    KEY_CH19 = 0x4B524339,
    KEY_CH20 = 0x4B524341,   // "KRCA"
    KEY_DISPLAY = 0x4B524449, // "KRDI"
    KEY_DOWN = 0x4B52444F,    // "KRDO"
    KEY_EJECT = 0x4B52454A,   // "KREJ"
    KEY_ENTER = 0x4B52454E,   // "KREN"
    KEY_EXIT = 0x4B524553,    // "KRES"
    KEY_FB = 0x4B524642,      // "KRFB"
    KEY_FF = 0x4B524646,      // "KRFF"
    KEY_INFO = 0x4B52494E,    // "KRIN"
    KEY_LEFT = 0x4B524C45,    // "KRLE"
    KEY_LOCK = 0x4B524C4F,    // "KRLO"
    KEY_MENU = 0x4B524D45,    // "KRME"
    KEY_PAUSE = 0x4B525041,   // "KRPA"
    KEY_PB = 0x4B525042,      // "KRPB"
    KEY_PLAY = 0x4B525046,    // "KRPF"
    KEY_PANIC = 0x4B52504E,   // "KRPN"
    KEY_PTZ = 0x4B525054,     // "KRPT"
    KEY_RIGHT = 0x4B525249,   // "KRRI"
    KEY_SB = 0x4B525342,      // "KRSB"
    KEY_SEARCH = 0x4B525345,  // "KRSE"
    KEY_SF = 0x4B525346,      // "KRSF"
    KEY_SLOW = 0x4B52534C,    // "KRSL"
    KEY_STATUS = 0x4B525353,  // "KRSS"
    KEY_STOP = 0x4B525354,    // "KRST"
    KEY_SEQ = 0x4B525357,     // "KRSW"
    KEY_UP = 0x4B525550,      // "KRUP"
    KEY_ZOOM = 0x4B525A4F,    // "KRZO"
    KEY_MUTE = 0x4D555445,    // "MUTE"
    KEY_UNHD = 0x554E4844,    // "UNHD"
    KEY_UNIN = 0x554E494E,    // "UNIN"
    KEY_UNLO = 0x554E4C4F,    // "UNLO"
    KEY_UNNE = 0x554E4E45,    // "UNNE"
    KEY_ZOOM_TELE = 0x5A4F5445, // "ZOTE"
    KEY_ZOOM_WIDE = 0x5A4F5749, // "ZOWI"

    // Layout keys: caught before translation (they have no Qt key), each
    // asks for a layout id.
    KEY_KR22 = 0x4B523232, // layout id 2
    KEY_KR33 = 0x4B523333, // layout id 4
    KEY_KR44 = 0x4B523434, // layout id 9
    KEY_KR41 = 0x4B523431  // layout id 10
};
