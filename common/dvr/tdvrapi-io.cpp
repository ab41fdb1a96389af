// IO events of the device layer: keys, jog, shuttle, sensors, the
// remote-controller id and the one-second tick; the device key table.
#include "tdvrapi.h"
#include "tclock.h"
#include "dvrkeys.h"
#include "tquickopt.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutexLocker>
#include <cstring>
#include <ctime>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// One device key: its code, the Qt key the program uses, the name the
// key-name lookup knows (null: none) and the label shown for the Qt key
// (null: none).
struct KeyEntry {
    int code;
    int qtKey;
    const char* name;
    const char* label;
};

const KeyEntry kKeys[] = {
    {KEY_DOWN_STOP, Qt::Key_Down + KEYMOD_ALT, nullptr, nullptr},
    {KEY_ENTER_PLAY, Qt::Key_Enter + KEYMOD_ALT, nullptr, nullptr},
    {KEY_LEFT_FB, Qt::Key_Left + KEYMOD_ALT, nullptr, nullptr},
    {KEY_RIGHT_FF, Qt::Key_Right + KEYMOD_ALT, nullptr, nullptr},
    {KEY_PANIC_STOP, Qt::Key_F1 + KEYMOD_ALT, nullptr, nullptr},
    {KEY_FREEZE, Qt::Key_Pause + KEYMOD_ALT, nullptr, nullptr},
    {KEY_PLAY_PAUSE, Qt::Key_Play + KEYMOD_ALT, nullptr, nullptr},
    {KEY_FOCUS_FAR, Qt::Key_Context4, nullptr, nullptr},
    {KEY_FOCUS_NEAR, Qt::Key_Context3, nullptr, nullptr},
    {KEY_IRIS_CLOSE, Qt::Key_Context1, nullptr, nullptr},
    {KEY_IRIS_OPEN, Qt::Key_Context2, nullptr, nullptr},
    {KEY_LOCKEXIT, Qt::Key_F29, nullptr, "LOCK/EXIT"},
    {KEY_MENUEXIT, Qt::Key_F33, nullptr, nullptr},
    {KEY_0, Qt::Key_0, "0", "0"},
    {KEY_1, Qt::Key_1, "1", "1"},
    {KEY_2, Qt::Key_2, "2", "2"},
    {KEY_3, Qt::Key_3, "3", "3"},
    {KEY_4, Qt::Key_4, "4", "4"},
    {KEY_5, Qt::Key_5, "5", "5"},
    {KEY_6, Qt::Key_6, "6", "6"},
    {KEY_7, Qt::Key_7, "7", "7"},
    {KEY_8, Qt::Key_8, "8", "8"},
    {KEY_9, Qt::Key_9, "9", "9"},
    {KEY_10P, Qt::Key_F30, "10P", "10P"},
    {KEY_AUDIO, Qt::Key_LaunchMedia, nullptr, "AUDIO"},
    {KEY_BACKUP, Qt::Key_F20, "BACKUP", "BACKUP"},
    {KEY_CH10, Qt::Key_F10, "CH10", "CH10"},
    {KEY_CH11, Qt::Key_F1, "CH11", "CH11"},
    {KEY_CH12, Qt::Key_F2, "CH12", "CH12"},
    {KEY_CH13, Qt::Key_F3, "CH13", "CH13"},
    {KEY_CH14, Qt::Key_F4, "CH14", "CH14"},
    {KEY_CH15, Qt::Key_F5, "CH15", "CH15"},
    {KEY_CH16, Qt::Key_F6, "CH16", "CH16"},
    {KEY_CH17, Qt::Key_F7, "CH17", "CH17"},
    {KEY_CH18, Qt::Key_F8, "CH18", "CH18"},
    {KEY_CH19, Qt::Key_F11, "CH19", "CH19"},
    {KEY_CH20, Qt::Key_F12, "CH20", "CH20"},
    {KEY_DISPLAY, Qt::Key_F18, "DISPLAY", "DISPLAY"},
    {KEY_DOWN, Qt::Key_Down, "DOWN", "DOWN"},
    {KEY_EJECT, Qt::Key_F32, nullptr, "Eject"},
    {KEY_ENTER, Qt::Key_Enter, "ENTER", "ENTER"},
    {KEY_EXIT, Qt::Key_Escape, "EXIT", "EXIT"},
    {KEY_FB, Qt::Key_F24, "FB", "FB"},
    {KEY_FF, Qt::Key_F26, "FF", "FF"},
    {KEY_INFO, Qt::Key_F22, "INFO", "INFO"},
    {KEY_LEFT, Qt::Key_Left, "LEFT", "LEFT"},
    {KEY_LOCK, Qt::Key_F23, "LOCK", "LOCK"},
    {KEY_MENU, Qt::Key_Menu, "MENU", "MENU"},
    {KEY_PAUSE, Qt::Key_Pause, "PAUSE", "STILL"},
    {KEY_PB, Qt::Key_F25, nullptr, "PB"},
    {KEY_PLAY, Qt::Key_Play, "PLAY", "PLAY"},
    {KEY_PANIC, Qt::Key_F9, nullptr, nullptr},
    {KEY_PTZ, Qt::Key_F21, "PTZ", "PTZ"},
    {KEY_RIGHT, Qt::Key_Right, "RIGHT", "RIGHT"},
    {KEY_SB, Qt::Key_F27, nullptr, "SB"},
    {KEY_SEARCH, Qt::Key_Search, "SEARCH", "SEARCH"},
    {KEY_SF, Qt::Key_F28, nullptr, "SF"},
    {KEY_SLOW, Qt::Key_F31, nullptr, "Slow"},
    {KEY_STATUS, Qt::Key_F35, nullptr, "STATUS"},
    {KEY_STOP, Qt::Key_Stop, "STOP", "STOP"},
    {KEY_SEQ, Qt::Key_F34, nullptr, "SEQ"},
    {KEY_UP, Qt::Key_Up, "UP", "UP"},
    {KEY_ZOOM, Qt::Key_Zoom, nullptr, "ZOOM"},
    {KEY_MUTE, Qt::Key_VolumeMute, nullptr, nullptr},
    {KEY_UNHD, Qt::Key_B, nullptr, nullptr},
    {KEY_UNIN, Qt::Key_A, nullptr, nullptr},
    {KEY_UNLO, Qt::Key_D, nullptr, nullptr},
    {KEY_UNNE, Qt::Key_C, nullptr, nullptr},
    {KEY_ZOOM_TELE, Qt::Key_ZoomIn, nullptr, nullptr},
    {KEY_ZOOM_WIDE, Qt::Key_ZoomOut, nullptr, nullptr},
};

// The layout keys and the layout id each asks for.
const struct {
    int code;
    int layout;
} kLayoutKeys[] = {{KEY_KR22, 2}, {KEY_KR33, 4}, {KEY_KR44, 9}, {KEY_KR41, 10}};
}

int TDVRAPI::toQtKey(int code)
{
    for (const KeyEntry& k : kKeys)
        if (k.code == code)
            return k.qtKey;
    return 0;
}

int TDVRAPI::keyCodeOf(const char* name) const
{
    if (!name)
        return -1;
    // Slow play goes the way the decoder plays now.
    if (std::strcmp(name, "SLOW") == 0)
        return m_rate >= 0.0 ? KEY_SF : KEY_SB;
    for (const KeyEntry& k : kKeys)
        if (k.name && std::strcmp(k.name, name) == 0)
            return k.code;
    return -1;
}

QString TDVRAPI::keyName(int qtKey)
{
    if (qtKey == Qt::Key_Mode_switch)
        return QStringLiteral("MODE");
    for (const KeyEntry& k : kKeys)
        if (k.qtKey == qtKey && k.label)
            return QLatin1String(k.label);
    return QString();
}

int TDVRAPI::keyStatus(int code, int state)
{
    if (state == KEY_RELEASE)
        return -1;
    for (const auto& k : kLayoutKeys) {
        if (k.code == code) {
            emit sg_dvrNotify(SIG_LAYOUT_CHANGE, k.layout, -1, 0, QString(), QString());
            return 0;
        }
    }
    return -1;
}

void TDVRAPI::panicKey(int from, int key)
{
    if (from != KEY_PRESS || (key != Qt::Key_F9 && key != Qt::Key_F1 + KEYMOD_ALT))
        return;
    int panic;
    {
        // Under the lock that takes the stop: once it is taken no key
        // changes panic recording, and a key that came first has written
        // its record before "System Shutdown".
        QMutexLocker lock(&m_applyMutex);
        if (stopping() || (key != Qt::Key_F9 && !m_panic))
            return;
        panic = m_panic = key == Qt::Key_F9 && !m_panic ? 1 : 0;
        writeLog(panic ? LOG_PANIC_START : LOG_PANIC_STOP, nullptr, nullptr);
    }
    notify(SIG_IO_PANIC, panic, 0);
}

void TDVRAPI::aliveTick(int count)
{
    // Every fifth second the alive time goes to flash: a real time stamp,
    // so that the abnormal-reset entry of the next start carries the date
    // the recorder was last seen running. The whole record is saved, the
    // display order with it: the bring-up loads it before ticks arrive.
    if (count % ALIVE_PERIOD != 0 || !m_quickOpt)
        return;
    QMutexLocker lock(&m_quickOptMutex);
    m_quickOpt->setTimeAlive(int(TClock::secs()));
    if (!m_quickOpt->save())
        qCWarning(lcApi, "aliveTick.. the alive time was not saved");
}

int TDVRAPI::runIo(int type, int from, int data)
{
    switch (type) {
    case CBT_IO_KEY: {
        m_keySource = 0;
        if (keyStatus(data, from) == 0)
            break;
        if ((data == KEY_10P || data == KEY_RIGHT) && m_play) {
            m_keyHit = 1;
            // The shuttle off centre steers playback: these keys are its.
            if (m_shuttlePos != 0)
                break;
        }
        int key = toQtKey(data);
        if (key == Qt::Key_F24)
            key = Qt::Key_F17; // the front panel's fast backward
        else if (key == Qt::Key_Enter)
            qCDebug(lcApi, "Qt::Key_Enter == ch : [%d]", from);
        notify(SIG_IO_KEY, from, key);
        panicKey(from, key);
        break;
    }
    case CBT_IO_RMCKEY: {
        m_keySource = 1;
        if (keyStatus(data, from) == 0)
            break;
        const int key = toQtKey(data);
        notify(SIG_IO_RMCKEY, from, key);
        panicKey(from, key);
        break;
    }
    case CBT_IO_JOG:
        qCDebug(lcApi, "CBT_IO_JOG.. data:%d", data);
        if (m_play && !(from == 1 && m_jogAsKey)) {
            if (!stopping()) // no key steps playback once the stop is taken
                decStep(data > 0 ? 1 : 0); // during playback the jog steps frames
            break;
        }
        notify(SIG_IO_KEY, KEY_PRESS, data > 0 ? KEY_JOG_RIGHT : KEY_JOG_LEFT);
        break;
    case CBT_IO_SHUTTLE:
        qCDebug(lcApi, "CBT_IO_SHUTTLE from:%d data:%d", from, data);
        m_shuttlePos = data;
        emit sg_dvrNotify(SIG_IO_SHUTTLE, from, data, 0, QString(), QString());
        break;
    case CBT_IO_SENSOR:
        qCDebug(lcApi, "CBT_IO_SENSOR.. ch:%d data:%d", from, data);
        notify(SIG_IO_SENSOR, from, data);
        fireAlarmout(SIG_IO_SENSOR, from, data);
        fireSpotPopup(SIG_IO_SENSOR, from, data);
        break;
    case CBT_IO_RMCID:
        notify(SIG_IO_RMCID, from, data);
        break;
    case CBT_IO_TIME: {
        // The spot monitor's sequence (while no pop-up is shown) and its
        // clock read the live spot, alarm, user and date format sections,
        // which the GUI thread applies: they step and draw there.
        QMetaObject::invokeMethod(
            this,
            [this] {
                tickPopup();
                if (m_spotPopCh < 0)
                    runSpotSeq();
                eventLine();
            },
            Qt::QueuedConnection);
        notify(SIG_IO_TIME, from, data);
        freeAlarmout();
        // The alarm-control window follows the relays and the buzzer: a
        // change is compared here and published on the window's thread.
        IoState now;
        readIoState(&now);
        if (std::memcmp(&m_ioSeen, &now, sizeof now) != 0) {
            m_ioSeen = now;
            QMetaObject::invokeMethod(
                this,
                [this, now] {
                    m_ioState = now;
                    emit sg_dvrNotify(SIG_IO_STATE, 0, 0, 0, QString(), QString());
                },
                Qt::QueuedConnection);
        }
        aliveTick(data);
        break;
    }
    default:
        break;
    }
    return 0;
}
