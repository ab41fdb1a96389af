#pragma once
// Key values that are not Qt key codes. The jog dial's steps arrive as raw
// keys 14 and 15; the second function of a combined front-panel key carries
// KEYMOD_ALT on top of its Qt key code. The device facade sends them, so
// they are defined once, with its records.
#include "keyvalues.h"

#include <QtCore/qnamespace.h>

// The playback keys: pause, stop, play and the speed keys F24..F28. The live
// view and the choosers over it hand them to playback.
inline bool isPlaybackKey(int key)
{
    switch (key) {
    case Qt::Key_Pause:
    case Qt::Key_Stop:
    case Qt::Key_Play:
    case Qt::Key_F24:
    case Qt::Key_F25:
    case Qt::Key_F26:
    case Qt::Key_F27:
    case Qt::Key_F28:
        return true;
    default:
        return false;
    }
}
