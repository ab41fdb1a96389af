#pragma once
// Request codes that travel from the live-view tools to the main window,
// beside the window ids (wndid.h). The main window executes them; the
// windows never call the device.

// ---- PTZ window: sg_request(code, channel, arg) ----
enum PtzReq {
    Act_PtzShowLayout = 11, // a camera chosen: channel the new one, arg the old
    Act_PtzClose = 13,
    Act_PtzNoViw = 14,      // the controlled camera full screen, no inset
    Act_PtzUp = 16,
    Act_PtzUpStop = 17,
    Act_PtzDown = 18,
    Act_PtzDownStop = 19,
    Act_PtzLeft = 20,
    Act_PtzLeftStop = 21,
    Act_PtzRight = 22,
    Act_PtzRightStop = 23,
    Act_PtzPresetGo = 24,   // arg the 0-based preset
    Act_PtzPresetSet = 25,
    Act_PtzPresetClear = 26,
    Act_PtzZoomTele = 27,
    Act_PtzZoomTeleStop = 28,
    Act_PtzZoomWide = 29,
    Act_PtzZoomWideStop = 30,
    Act_PtzFocusNear = 31,
    Act_PtzFocusNearStop = 32,
    Act_PtzFocusFar = 33,
    Act_PtzFocusFarStop = 34,
    Act_PtzIrisOpen = 35,
    Act_PtzIrisOpenStop = 36,
    Act_PtzIrisClose = 37,
    Act_PtzIrisCloseStop = 38,
    Act_PtzSubShow = 39,    // channel the child: 0 camera menu, 1 setup, 2 preset
    Act_PtzSubHide = 40,
    Act_PtzSetupEnd = 41
};

// The PTZ setup popup's answer to the PTZ window: sg_request(code).
enum PtzSetupReq { Act_PtzSetupOk = 22, Act_PtzSetupCancel = 23 };

// The preset popup's request to the PTZ window: sg_request(kind, preset).
enum PtzPresetReq { PRESET_RUN = 0, PRESET_SET = 1, PRESET_CLEAR = 2, PRESET_EXIT = 3 };

// The camera commands of TDVRAPI::ptzControl.
enum PtzCmd {
    PTZ_LEFT = 0,
    PTZ_RIGHT = 1,
    PTZ_UP = 2,
    PTZ_DOWN = 3,
    PTZ_ZOOM_TELE = 4,
    PTZ_ZOOM_WIDE = 5,
    PTZ_FOCUS_NEAR = 6,
    PTZ_FOCUS_FAR = 7,
    PTZ_IRIS_OPEN = 8,
    PTZ_IRIS_CLOSE = 9,
    PTZ_PRESET_GO = 10,
    PTZ_PRESET_SET = 11,
    PTZ_PRESET_CLEAR = 12
};
