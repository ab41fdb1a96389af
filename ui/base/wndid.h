#pragma once
// Window ids: the index of a window in the main window's window table and
// the first value of every sg_showed report.
enum WndId {
    ID_WND_INFO = 0,
    ID_WND_MSG = 1,
    ID_WND_VKEYBOARD = 2,
    ID_WND_VKEYNUM = 3,
    ID_WND_FILE = 4,
    ID_WND_BACKUP = 5,
    ID_WND_SEARCH = 6,
    ID_WND_SETUP = 7,
    ID_WND_LOGIN = 8,
    ID_WND_STATUS = 9,
    ID_WND_PTZ = 10,
    ID_WND_ZOOM = 11,
    ID_WND_SYSINFO = 12,
    ID_WND_ALARMCTRL = 13,
    ID_WND_SPLIT = 14,
    ID_WND_AUDIO = 15,
    ID_WND_MAIN = 16
};
