#pragma once
#include <QSize>

// What the resource object needs from the configuration and the device
// facade: the unit's counts from the DEVICES section and the size of the
// current video output. Those objects sit above this folder, so main installs
// their operations here at start and tests install their own. `live` selects
// the copy: 1 the live configuration, 0 the edit copy. An unset entry counts
// as "no configuration object": every count is 0 and the output is the
// standard 1920 x 1080 screen.
struct TResHooks {
    int (*videos)(int live);
    int (*alarmouts)(int live);
    int (*audios)(int live);
    int (*storage)(int live);
    QSize (*voutSize)(int live);
};

extern TResHooks g_resHooks;

// The values above through the installed operations, or their fallbacks.
int resVideos(int live);
int resAlarmouts(int live);
int resAudios(int live);
int resStorage(int live);
QSize resVoutSize(int live);
