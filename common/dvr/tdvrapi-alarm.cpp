// Alarm outputs: which outputs an event drives and for how long, their
// release on the tick, the direct output commands, the sensors, the LEDs,
// the watchdog and the system keyboard controller.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"

#include <QLoggingCategory>
#include <cstdio>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

static_assert(int(TDVRAPI::ALARM_OUTS) == int(PROP_MAX_ALARMOUT), "the alarm table's outputs");

namespace {
template <class T> T* liveSection(int idx)
{
    return static_cast<T*>(g_cfg->getsection(idx, 1));
}

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

// Seconds of a position of the alarm dwell list (5 .. 60 s).
int dwellSeconds(int pos)
{
    return int(g_cfg->getvaluefromindex(IDX_DATA_ALARM_DWELL, pos));
}

// The row of an output's trigger flags that an event code reads.
using TriggerRow = uint8_t (AlarmOutEntry::*)[PROP_MAX_CH];
TriggerRow triggerRow(int type)
{
    switch (type) {
    case SIG_IO_SENSOR: return &AlarmOutEntry::sensorOn;
    case SIG_VIN_MOTION: return &AlarmOutEntry::motionOn;
    case SIG_VIN_VL: return &AlarmOutEntry::vlossOn;
    case SIG_POS_TEXTIN: return &AlarmOutEntry::txtinOn;
    default: return nullptr;
    }
}

// The boards of the four-channel family, which carry a single relay.
const char* const kSingleRelayBoards[] = {"sim-4", "sim-4-lite", "sim-4-hd"};
}

void TDVRAPI::initAlarmPtz()
{
    QMutexLocker lock(&m_alarmMutex);
    std::memset(m_alarmCount, 0, sizeof m_alarmCount);
    std::memset(m_alarmHold, 0, sizeof m_alarmHold);
    std::memset(&m_ioState, 0, sizeof m_ioState);
    std::memset(&m_ioSeen, 0, sizeof m_ioSeen);
    std::memset(m_posScan, 0, sizeof m_posScan);
    m_hddErrorLed = 0;
    m_ptzBusy = 0;
}

int TDVRAPI::relayCount() const
{
    if (!g_cfg)
        return 0;
    // The table has the relays, the buzzer and the two pop-ups; a relay
    // index also becomes a bit of a 32-bit mask.
    const int outs = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->alarmouts;
    return qBound(0, outs - 3, int(ALARM_OUTS) - 3);
}

void TDVRAPI::fireAlarmout(int type, int ch, int on)
{
    qCDebug(lcApi, "TDVRAPI::fireAlarmout.. type:%d ch:%d on:%d", type, ch, on);
    // The trigger rows and the preset table have a column per channel.
    if (!g_cfg || ch < 0 || ch >= channelCount())
        return;
    const PropAlarm* alarm = liveSection<PropAlarm>(IDX_PROP_ALARM);
    const int relays = relayCount();
    int act[ALARM_OUTS] = {};
    int dur[ALARM_OUTS] = {};

    QMutexLocker lock(&m_alarmMutex);
    if (const TriggerRow row = triggerRow(type)) {
        for (int k = 0; k <= relays; ++k) {
            act[k] = (alarm->out[k].*row)[ch];
            if (act[k])
                dur[k] = on ? int(ALARM_HELD) : dwellSeconds(alarm->out[k].dur);
        }
        if (type == SIG_POS_TEXTIN)
            qCDebug(lcApi, "fireAlarmout.. SIG_POS_TEXTIN.. ch:%d on:%d falarm:%d dur:%d, %d", ch, on, act[relays],
                    dur[relays], m_alarmCount[relays]);
        if (type == SIG_VIN_MOTION) {
            const PropPtz* ptz = liveSection<PropPtz>(IDX_PROP_PTZ);
            const int hold = on ? 86400 : dwellSeconds(alarm->dur_preset);
            const int cams = channelCount();
            for (int c = 0; c < cams; ++c) {
                const int p = alarm->preset_motion[ch][c];
                if (p <= 0)
                    continue;
                qCDebug(lcApi, "PRESET!! md:%d cam:%d preset:%d BUSY:%d", ch, c, p, m_ptzBusy);
                if (m_ptzBusy) {
                    m_presetHold[c] = 0;
                } else {
                    m_presetHold[c] = hold;
                    DalPtzPreset(ptz->ch[c].addr, 25, p - 1);
                }
            }
        }
    } else if (type == SIG_ENC_SMART || type == SIG_ENC_SMART_TEMP) {
        const int k = liveSection<PropSmart>(IDX_PROP_SMART)->alarm;
        qCDebug(lcApi, "CBT_ENC_SMART_TEMP.. sidx:%d", k);
        // A relay or the buzzer; the pop-ups are not driven by disks.
        if (k >= 0 && k <= relays) {
            act[k] = 1;
            dur[k] = dwellSeconds(alarm->out[k].dur);
        }
    } else {
        return;
    }
    driveOutputs(act, dur, relays);
}

void TDVRAPI::driveOutputs(const int* act, const int* dur, int relays)
{
    if (act[relays]) {
        if (m_alarmCount[relays] < 1)
            DalIoRunBuzzer(1);
        m_alarmCount[relays] = dur[relays];
        m_alarmHold[relays] = dur[relays] == ALARM_HELD;
    }
    for (int k = 0; k < relays; ++k) {
        if (!act[k])
            continue;
        if (m_alarmCount[k] < 1) {
            DalIoRunAlarm(1u << k, 1u << k);
            qCDebug(lcApi, "=============== fireAlarmout ch:%d find ch:%d ===============", k, k);
        }
        m_alarmCount[k] = dur[k];
        m_alarmHold[k] = dur[k] == ALARM_HELD;
    }
}

void TDVRAPI::fireHddAlarmout(int on)
{
    if (!g_cfg)
        return;
    const int type = liveSection<PropStorage>(IDX_PROP_STORAGE)->alarm_type;
    const int relays = relayCount();
    // Relay 0 only where there is one: index 0 is the buzzer without relays.
    const int idx = type == 1 ? relays : (type == 2 && relays > 0) ? 0 : -1;
    qCDebug(lcApi, "fireHddAlarmout HDD.. on:%d f_relay:%d f_buzzer:%d idx:%d", on, type == 2, type == 1, idx);
    if (idx < 0)
        return;
    int act[ALARM_OUTS] = {};
    int dur[ALARM_OUTS] = {};
    QMutexLocker lock(&m_alarmMutex);
    if (on) {
        act[idx] = 1;
        dur[idx] = ALARM_HELD;
    } else if (m_alarmCount[idx] > 0) {
        act[idx] = 2;
        dur[idx] = 2;
    } else {
        return;
    }
    if (idx == relays)
        qCDebug(lcApi, "idxbuzz.. dur:%d duralarm:%d", dur[idx], m_alarmCount[idx]);
    else if (m_alarmCount[idx] < 1)
        qCDebug(lcApi, "=============== fireHddAlarmout ch:%d ===============", idx);
    driveOutputs(act, dur, relays);
}

void TDVRAPI::freeAlarmout()
{
    const int relays = relayCount();
    QMutexLocker lock(&m_alarmMutex);
    if (m_alarmCount[relays] > 0 && --m_alarmCount[relays] == 0) {
        m_alarmHold[relays] = 0;
        DalIoRunBuzzer(0);
    }
    for (int k = 0; k < relays; ++k) {
        if (m_alarmCount[k] > 0 && --m_alarmCount[k] == 0) {
            m_alarmHold[k] = 0;
            DalIoRunAlarm(1u << k, 0);
            qCDebug(lcApi, "=============== freeAlarmout find ch:%d ===============", k);
        }
    }
}

void TDVRAPI::alarmOff()
{
    qCDebug(lcApi, "TDVRAPI::alarmOff");
    const int relays = relayCount();
    QMutexLocker lock(&m_alarmMutex);
    for (int k = 0; k < relays; ++k) {
        m_alarmCount[k] = 0;
        m_alarmHold[k] = 0;
        DalIoRunAlarm(1u << k, 0);
    }
}

void TDVRAPI::buzzerOff()
{
    const int relays = relayCount();
    {
        QMutexLocker lock(&m_alarmMutex);
        m_alarmCount[relays] = 0;
        m_alarmHold[relays] = 0;
    }
    DalIoRunBuzzer(0);
    qCDebug(lcApi, "TDVRAPI::buzzerOff");
}

int TDVRAPI::runAlarm(int out, int on)
{
    qCDebug(lcApi, "TDVRAPI::runAlarm ch:%d on:%d", out, on);
    if (out < 0 || out >= relayCount())
        return -1;
    const uint32_t bit = 1u << out;
    DalIoRunAlarm(bit, on ? bit : 0u);
    return 0;
}

int TDVRAPI::runBuzzeron(int on)
{
    qCDebug(lcApi, "TDVRAPI::runBuzzeron:%d", on);
    DalIoRunBuzzer(on);
    return 0;
}

void TDVRAPI::readIoState()
{
    readIoState(&m_ioState);
}

void TDVRAPI::readIoState(IoState* out)
{
    std::memset(out, 0, sizeof *out);
    out->alarm = DalIoAlarm();
    out->buzzer = DalIoBuzzer() > 0 ? 1 : 0;
}

void TDVRAPI::alarmSetdevice()
{
    qCDebug(lcApi, "TDVRAPI::alarmSetdevice");
    if (!g_cfg)
        return;
    const PropAlarm* alarm = liveSection<PropAlarm>(IDX_PROP_ALARM);
    // Sensor s is the input of channel s: its type and its tile share a row.
    const int sensors = qBound(0, liveSection<PropDevices>(IDX_PROP_DEVICES)->sensors, int(CHANNELS));
    for (int s = 0; s < sensors; ++s)
        DalIoSetSensor(s, 1, alarm->sensortype[s] == 1 ? 0 : 1);
    DalIoRunBuzzer(0);
    DalIoRunAlarm(0xffffffffu, 0);
    {
        // Every output is off now: an event fired again below must switch
        // its outputs on, not take them for running.
        QMutexLocker lock(&m_alarmMutex);
        std::memset(m_alarmCount, 0, sizeof m_alarmCount);
        std::memset(m_alarmHold, 0, sizeof m_alarmHold);
    }
    for (int s = 0; s < sensors; ++s)
        if (m_cell[s].sensor)
            fireAlarmout(SIG_IO_SENSOR, s, 1);
    const int channels = channelCount();
    for (int ch = 0; ch < channels; ++ch) {
        if (m_cell[ch].motion)
            fireAlarmout(SIG_VIN_MOTION, ch, 1);
        if (m_cell[ch].videoLoss)
            fireAlarmout(SIG_VIN_VL, ch, 1);
    }
    std::memset(m_presetHold, 0, sizeof m_presetHold);
}

void TDVRAPI::setHddErrorLed()
{
    m_hddErrorLed = !m_hddErrorLed;
    char value[128];
    std::snprintf(value, sizeof value, "%d", m_hddErrorLed);
    DalCmd("HDD_ERROR_LED", value, sizeof value);
}

void TDVRAPI::testLed(int on)
{
    DalIoTestLed(on);
}

QString TDVRAPI::testBoardRelay(int state)
{
    const char* board = g_cfg ? liveSection<PropDevices>(IDX_PROP_DEVICES)->board : m_dalCaps.board;
    const size_t n = g_cfg ? sizeof(PropDevices::board) : 32;
    bool single = false;
    for (const char* name : kSingleRelayBoards)
        single = single || std::strncmp(board, name, n) == 0;
    if (single) {
        const uint32_t v = state == 0 ? 1 : 0;
        DalIoRunAlarm(0, v);
        return QString::number(v);
    }
    const uint32_t v = state == 0 ? 0xffffu : 0u;
    DalIoRunAlarm(0xffffffffu, v);
    return QString::number(v, 2);
}

void TDVRAPI::enableWdt(int f)
{
    // Through the facade's category as its other debug lines, not the
    // device layer's printer, which writes to the standard error always.
    qCDebug(lcApi, "enableWdt f:%d", f);
    if (m_wdtOn)
        DalIoSetWdt(f, -1);
}

void TDVRAPI::setWdttime(int seconds)
{
    qCDebug(lcApi, "setWdttime d:%d", seconds);
    if (m_wdtOn)
        DalIoSetWdt(1, seconds);
}

void TDVRAPI::clearWdt()
{
    if (m_wdtOn)
        DalIoClearWdt(0);
}

void TDVRAPI::ctrlSetdevice()
{
    if (!g_cfg)
        return;
    const PropControl* ctl = liveSection<PropControl>(IDX_PROP_CONTROL);
    const int id = int(g_cfg->getvaluefromindex(IDX_DATA_CONTROL_ID, ctl->dvrid));
    DalIoSetRmc(id, 128);
    const int r = DalIoSetBuzzer(ctl->keybuzzer);
    qCDebug(lcApi, "DalIoSetRmcId => %d, id:%d", r, id);
    if (oemId() == 7) {
        char text[128];
        std::snprintf(text, sizeof text, "%d %d", ctl->control, ctl->controlid + 1);
        DalCmd("ORVA_KBD", text, sizeof text);
    }
}
