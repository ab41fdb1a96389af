// Alarm, preset, PTZ, point-of-sale, controller and PTZ driver sections:
// ALARM, PRESET, PTZ, POS, CONTROL and PTZDRV.
#include "tproperty.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Flags as a digit text: '1' for a set flag, '0' for a clear one.
QString flagString(const uint8_t* flags, int count)
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out += QLatin1Char(flags[i] ? '1' : '0');
    return out;
}

// Flag i from a digit text: exactly '1' sets it.
void readFlags(const QByteArray& text, uint8_t* flags, int count)
{
    const QByteArray t = text.left(PROP_MAX_CH);
    for (int i = 0; i < count; ++i)
        flags[i] = (i < t.size() && t.at(i) == '1') ? 1 : 0;
}

// The key prefix of output k: the relays first, then the buzzer, the pop-up
// and the spot pop-up.
QString outputPrefix(int k, int relays)
{
    if (k < relays)
        return QString::asprintf("relay%d", k);
    static const char* const kOthers[] = {"buzzer", "popup", "spotpopup"};
    const int j = k - (relays > 0 ? relays : 0);
    return QLatin1String(j >= 0 && j < 3 ? kOthers[j] : "output");
}

// Up to 32 blank-separated integers, stopping at the first that is not one.
int scanIntegers(const QByteArray& text, int* out, int max)
{
    const char* p = text.constData();
    int n = 0;
    while (n < max) {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end == p)
            break;
        out[n++] = int(v);
        p = end;
    }
    return n;
}

} // namespace

// ---- ALARM -------------------------------------------------------------------------------

void TProperty::makeDefAlarm(PropAlarm& rec) const
{
    std::memset(&rec, 0, sizeof rec);
    const int outputs = alarmOutputs();
    const int relays = outputs - 3;
    const int sensors = sensorInputs();
    for (int k = 0; k < outputs; ++k) {
        if (k >= relays)
            continue;
        qsnprintf(rec.out[k].name, sizeof rec.out[k].name, "Alarm %d", k + 1);
        if (k < sensors)
            rec.out[k].sensorOn[k] = 1; // sensor k drives relay k
    }
}

void TProperty::defAlarm()
{
    PropAlarm rec;
    makeDefAlarm(rec);
    m_alarm = rec;
}

void TProperty::loadAlarm()
{
    PropAlarm def;
    makeDefAlarm(def);
    const int outputs = alarmOutputs();
    const int relays = outputs - 3;
    const int sensors = sensorInputs();
    const int cameras = channels();
    beginGroup(QStringLiteral("ALARM"));
    readFlags(readBytes(indexedKey("sensortype%02d", 0), QByteArray()), m_alarm.sensortype,
              sensors);
    for (int k = 0; k < outputs; ++k) {
        AlarmOutEntry& o = m_alarm.out[k];
        const AlarmOutEntry& d = def.out[k];
        if (k < relays)
            readText(indexedKey("name%02d", k), o.name, d.name);
        o.dur = readInt(outputPrefix(k, relays) + QString::asprintf("_dur%02d", k), 0);
        readFlags(readBytes(indexedKey("sensorOn%02d", k),
                            flagString(d.sensorOn, PROP_MAX_CH).toLatin1()),
                  o.sensorOn, sensors);
        readFlags(readBytes(indexedKey("motionOn%02d", k),
                            flagString(d.motionOn, PROP_MAX_CH).toLatin1()),
                  o.motionOn, PROP_MAX_CH);
        readFlags(readBytes(indexedKey("vlossOn%02d", k),
                            flagString(d.vlossOn, PROP_MAX_CH).toLatin1()),
                  o.vlossOn, PROP_MAX_CH);
        readFlags(readBytes(indexedKey("txtinOn%02d", k),
                            flagString(d.txtinOn, PROP_MAX_CH).toLatin1()),
                  o.txtinOn, PROP_MAX_CH);
    }
    m_alarm.dur_preset = readInt(QStringLiteral("dur_preset"), 0);
    QByteArray zeros;
    for (int i = 0; i < 32; ++i)
        zeros += "0 ";
    for (int r = 0; r < cameras; ++r) {
        int row[32] = {};
        scanIntegers(readBytes(indexedKey("preset_motion[%d]", r), zeros), row, 32);
        for (int c = 0; c < cameras; ++c)
            m_alarm.preset_motion[r][c] = row[c];
    }
    endGroup();
}

void TProperty::saveAlarm()
{
    const int outputs = alarmOutputs();
    const int relays = outputs - 3;
    const int sensors = sensorInputs();
    const int cameras = channels();
    beginSave("ALARM");
    setValue(indexedKey("sensortype%02d", 0), flagString(m_alarm.sensortype, sensors));
    for (int k = 0; k < outputs; ++k) {
        const AlarmOutEntry& o = m_alarm.out[k];
        if (k < relays)
            writeText(indexedKey("name%02d", k), o.name);
        setValue(outputPrefix(k, relays) + QString::asprintf("_dur%02d", k), o.dur);
        setValue(indexedKey("sensorOn%02d", k), flagString(o.sensorOn, sensors));
        setValue(indexedKey("motionOn%02d", k), flagString(o.motionOn, PROP_MAX_CH));
        setValue(indexedKey("vlossOn%02d", k), flagString(o.vlossOn, PROP_MAX_CH));
        setValue(indexedKey("txtinOn%02d", k), flagString(o.txtinOn, PROP_MAX_CH));
    }
    setValue(QStringLiteral("dur_preset"), m_alarm.dur_preset);
    for (int r = 0; r < cameras; ++r) {
        QStringList row;
        for (int c = 0; c < 32; ++c)
            row << QString::number(c < cameras ? m_alarm.preset_motion[r][c] : 0);
        setValue(indexedKey("preset_motion[%d]", r), row.join(QLatin1Char(' ')));
    }
    endGroup();
}

// ---- PRESET -----------------------------------------------------------------------------

void TProperty::makeDefPreset(PropPreset& rec) const
{
    std::memset(&rec, 0, sizeof rec);
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        rec.ch[c].speedpan = 3;
        rec.ch[c].speedtilt = 3;
    }
}

void TProperty::defPreset()
{
    const auto rec = std::make_unique<PropPreset>(); // 23 KB: not on the stack
    makeDefPreset(*rec);
    m_preset = *rec;
}

void TProperty::loadPreset()
{
    // Every default is the same for each camera: speeds 3, the rest 0 or empty.
    const int cameras = channels();
    beginGroup(QStringLiteral("PRESET"));
    for (int c = 0; c < cameras; ++c) {
        PresetChannel& p = m_preset.ch[c];
        p.dur = uint8_t(readInt(indexedKey("dur%02d", c), 0));
        if (p.dur > 4)
            p.dur = 0;
        p.speedpan = uint8_t(readInt(indexedKey("speedpan%02d", c), 3));
        if (p.speedpan > 6)
            p.speedpan = 0;
        p.speedtilt = uint8_t(readInt(indexedKey("speedtilt%02d", c), 3));
        if (p.speedtilt > 6)
            p.speedtilt = 0;
        p.tourOn = uint8_t(readBool(indexedKey("tourOn%02d", c), 0));
        for (int i = 0; i < PROP_MAX_PRESETS; ++i) {
            p.seq[i] = int16_t(readInt(indexedKey("data%02d_seq%02d", c, i), 0));
            if (uint16_t(p.seq[i]) > 32)
                p.seq[i] = 0;
            p.preset[i].on = int16_t(readBool(indexedKey("data%02d_on%02d", c, i), 0));
            readText(indexedKey("data%02d_name%02d", c, i), p.preset[i].name, "");
        }
    }
    endGroup();
}

void TProperty::savePreset()
{
    const int cameras = channels();
    beginSave("PRESET");
    for (int c = 0; c < cameras; ++c) {
        const PresetChannel& p = m_preset.ch[c];
        setValue(indexedKey("dur%02d", c), int(p.dur));
        setValue(indexedKey("speedpan%02d", c), int(p.speedpan));
        setValue(indexedKey("speedtilt%02d", c), int(p.speedtilt));
        setValue(indexedKey("tourOn%02d", c), int(p.tourOn));
        for (int i = 0; i < PROP_MAX_PRESETS; ++i) {
            setValue(indexedKey("data%02d_seq%02d", c, i), int(p.seq[i]));
            setValue(indexedKey("data%02d_on%02d", c, i), int(p.preset[i].on));
            writeText(indexedKey("data%02d_name%02d", c, i), p.preset[i].name);
        }
    }
    endGroup();
}

// ---- PTZ -----------------------------------------------------------------------------------

void TProperty::makeDefPtz(PropPtz& rec) const
{
    std::memset(&rec, 0, sizeof rec);
    for (int c = 0; c < PROP_MAX_CH; ++c)
        rec.ch[c].baud = 1; // 4800
}

void TProperty::defPtz()
{
    makeDefPtz(m_ptz);
}

void TProperty::loadPtz()
{
    PropPtz def;
    makeDefPtz(def);
    const int cameras = channels();
    beginGroup(QStringLiteral("PTZ"));
    for (int c = 0; c < cameras; ++c) {
        PtzEntry& e = m_ptz.ch[c];
        readText(indexedKey("driver%02d", c), e.driver, def.ch[c].driver);
        e.addr = readInt(indexedKey("addr%02d", c), def.ch[c].addr);
        if (uint32_t(e.addr) > 255)
            e.addr = 0;
        e.baud = readInt(indexedKey("baud%02d", c), def.ch[c].baud);
        if (uint32_t(e.baud) > 5)
            e.baud = 0;
    }
    endGroup();
}

void TProperty::savePtz()
{
    const int cameras = channels();
    beginSave("PTZ");
    for (int c = 0; c < cameras; ++c) {
        const PtzEntry& e = m_ptz.ch[c];
        writeText(indexedKey("driver%02d", c), e.driver);
        setValue(indexedKey("addr%02d", c), e.addr);
        setValue(indexedKey("baud%02d", c), e.baud);
    }
    endGroup();
}

// ---- POS ------------------------------------------------------------------------------------

void TProperty::defPos()
{
    std::memset(&m_pos, 0, sizeof m_pos);
    for (int n = 0; n < PROP_MAX_POSPORTS; ++n)
        m_pos.port[n].channel = n + 1;
    m_pos.overlaypos = 0;
    m_pos.overlaytime = 5;
}

// Every save writes the five ports as "s[n].<key>"; a file of the older
// single-port form (plain keys, "channel" not -1) gives port 0 only and is
// converted at its next save.
void TProperty::loadPos()
{
    defPos();
    beginGroup(QStringLiteral("POS"));
    m_pos.overlaypos = readInt(QStringLiteral("overlaypos"), m_pos.overlaypos);
    m_pos.overlaytime = readInt(QStringLiteral("overlaytime"), m_pos.overlaytime);
    const bool older = readInt(QStringLiteral("channel"), -1) != -1;
    const int ports = older ? 1 : PROP_MAX_POSPORTS;
    for (int n = 0; n < ports; ++n) {
        PosPort& p = m_pos.port[n];
        const QString pre = older ? QString() : QString::asprintf("s[%d].", n);
        p.channel = readInt(pre + QLatin1String("channel"), p.channel);
        p.baudrate = readInt(pre + QLatin1String("baudrate"), p.baudrate);
        p.morelines = readInt(pre + QLatin1String("morelines"), p.morelines);
        readText(pre + QLatin1String("ta_start"), p.ta_start, p.ta_start);
        readText(pre + QLatin1String("ta_end"), p.ta_end, p.ta_end);
        readText(pre + QLatin1String("ignore"), p.ignore, p.ignore);
        readText(pre + QLatin1String("ignore2"), p.ignore2, p.ignore2);
        readText(pre + QLatin1String("ignore3"), p.ignore3, p.ignore3);
        readText(pre + QLatin1String("ignore4"), p.ignore4, p.ignore4);
    }
    endGroup();
}

void TProperty::savePos()
{
    beginSave("POS");
    for (int n = 0; n < PROP_MAX_POSPORTS; ++n) {
        const PosPort& p = m_pos.port[n];
        const QString pre = QString::asprintf("s[%d].", n);
        setValue(pre + QLatin1String("channel"), p.channel);
        setValue(pre + QLatin1String("baudrate"), p.baudrate);
        setValue(pre + QLatin1String("morelines"), p.morelines);
        writeText(pre + QLatin1String("ta_start"), p.ta_start);
        writeText(pre + QLatin1String("ta_end"), p.ta_end);
        writeText(pre + QLatin1String("ignore"), p.ignore);
        writeText(pre + QLatin1String("ignore2"), p.ignore2);
        writeText(pre + QLatin1String("ignore3"), p.ignore3);
        writeText(pre + QLatin1String("ignore4"), p.ignore4);
    }
    setValue(QStringLiteral("overlaypos"), m_pos.overlaypos);
    setValue(QStringLiteral("overlaytime"), m_pos.overlaytime);
    endGroup();
}

// ---- CONTROL -----------------------------------------------------------------------------

void TProperty::defControl()
{
    std::memset(&m_control, 0, sizeof m_control);
    m_control.dvrid = m_default.dvr_id;
    m_control.keybuzzer = 1;
}

void TProperty::loadControl()
{
    defControl();
    beginGroup(QStringLiteral("CONTROL"));
    m_control.control = readInt(QStringLiteral("control"), m_control.control);
    m_control.controlid = readInt(QStringLiteral("controlid"), m_control.controlid);
    m_control.dvrid = readInt(QStringLiteral("dvrid"), m_control.dvrid);
    if (uint32_t(m_control.dvrid) > 100)
        m_control.dvrid = 0;
    m_control.keybuzzer = readInt(QStringLiteral("keybuzzer"), m_control.keybuzzer);
    endGroup();
}

void TProperty::saveControl()
{
    beginSave("CONTROL");
    setValue(QStringLiteral("control"), m_control.control);
    setValue(QStringLiteral("controlid"), m_control.controlid);
    setValue(QStringLiteral("dvrid"), m_control.dvrid);
    setValue(QStringLiteral("keybuzzer"), m_control.keybuzzer);
    endGroup();
}

// ---- PTZDRV ------------------------------------------------------------------------------
// The device's PTZ protocols; names beyond the count keep what they held. A
// negative count stays in the record and reads as an empty list.

void TProperty::loadPtzdrv()
{
    beginGroup(QStringLiteral("PTZDRV"));
    int cnt = readInt(QStringLiteral("cnt"), 0);
    if (cnt > PROP_MAX_PTZDRV)
        cnt = PROP_MAX_PTZDRV;
    m_ptzdrv.cnt = cnt;
    for (int i = 0; i < cnt; ++i)
        readText(indexedKey("driver%d", i), m_ptzdrv.driver[i], "");
    endGroup();
}

void TProperty::savePtzdrv()
{
    const int cnt = m_ptzdrv.cnt < 0 ? 0
                    : (m_ptzdrv.cnt > PROP_MAX_PTZDRV ? int(PROP_MAX_PTZDRV) : m_ptzdrv.cnt);
    beginSave("PTZDRV");
    setValue(QStringLiteral("cnt"), m_ptzdrv.cnt);
    for (int i = 0; i < cnt; ++i)
        writeText(indexedKey("driver%d", i), m_ptzdrv.driver[i]);
    endGroup();
}
