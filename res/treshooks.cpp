#include "treshooks.h"

TResHooks g_resHooks = {nullptr, nullptr, nullptr, nullptr, nullptr};

int resVideos(int live) { return g_resHooks.videos ? g_resHooks.videos(live) : 0; }

int resAlarmouts(int live) { return g_resHooks.alarmouts ? g_resHooks.alarmouts(live) : 0; }

int resAudios(int live) { return g_resHooks.audios ? g_resHooks.audios(live) : 0; }

int resStorage(int live) { return g_resHooks.storage ? g_resHooks.storage(live) : 0; }

QSize resVoutSize(int live)
{
    return g_resHooks.voutSize ? g_resHooks.voutSize(live) : QSize(1920, 1080);
}
