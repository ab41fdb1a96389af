// Camera, privacy-zone, audio and motion sections: CAMERA, PRIVATE, AUDIO and
// MOTION.
#include "tdvrhooks.h"
#include "tproperty.h"

#include <cstring>

// ---- CAMERA -----------------------------------------------------------------------

void TProperty::makeDefCamera(PropCamera& rec) const
{
    std::memset(&rec, 0, sizeof rec);
    for (int i = 0; i < PROP_MAX_CH; ++i)
        qsnprintf(rec.data[i].name, sizeof rec.data[i].name, "CH %d", i + 1);
}

void TProperty::defCamera()
{
    PropCamera rec;
    makeDefCamera(rec);
    m_camera = rec;
}

// Only the cameras in use are read; a missing key gives the default, not what
// the record held.
void TProperty::loadCamera()
{
    PropCamera def;
    makeDefCamera(def);
    const int n = channels();
    beginGroup(QStringLiteral("CAMERA"));
    for (int i = 0; i < n; ++i) {
        CameraEntry& e = m_camera.data[i];
        readText(indexedKey("name%02d", i), e.name, def.data[i].name);
        e.disableOn = readBool(indexedKey("disableOn%02d", i), 0);
        e.covertOn = readBool(indexedKey("covertOn%02d", i), 0);
        e.signal = readInt(indexedKey("signal%02d", i), 0);
        e.show43 = readBool(indexedKey("show43%02d", i), 0);
    }
    endGroup();
}

void TProperty::saveCamera()
{
    const int n = channels();
    beginSave("CAMERA");
    for (int i = 0; i < n; ++i) {
        const CameraEntry& e = m_camera.data[i];
        writeText(indexedKey("name%02d", i), e.name);
        setValue(indexedKey("disableOn%02d", i), e.disableOn);
        setValue(indexedKey("covertOn%02d", i), e.covertOn);
        setValue(indexedKey("signal%02d", i), e.signal);
        setValue(indexedKey("show43%02d", i), e.show43);
    }
    endGroup();
}

// ---- PRIVATE -----------------------------------------------------------------------

void TProperty::makeDefPrivate(PropPrivate& rec) const
{
    std::memset(&rec, 0, sizeof rec);
}

void TProperty::defPrivate()
{
    makeDefPrivate(m_private);
}

void TProperty::loadPrivate()
{
    PropPrivate def;
    makeDefPrivate(def);
    beginGroup(QStringLiteral("PRIVATE"));
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        for (int r = 0; r < PROP_PRIVACY_ROWS; ++r)
            m_private.mask[c][r] = readUInt(indexedKey("mask%02d%02d", c, r), def.mask[c][r]);
    }
    endGroup();
}

void TProperty::savePrivate()
{
    beginSave("PRIVATE");
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        for (int r = 0; r < PROP_PRIVACY_ROWS; ++r)
            setValue(indexedKey("mask%02d%02d", c, r), uint(m_private.mask[c][r]));
    }
    endGroup();
}

// ---- AUDIO ----------------------------------------------------------------------------

void TProperty::defAudio()
{
    std::memset(&m_audio, 0, sizeof m_audio);
    const int inputs = audioInputs();
    for (int i = 0; i < PROP_MAX_CH; ++i)
        m_audio.in[i] = i < inputs ? i : -1;
    m_audio.out = m_default.audioout;
}

// Two inputs may share only the "off" value (the camera count or more); any
// other repeated camera puts the whole section back to its defaults, and only
// the output is read after that.
void TProperty::loadAudio()
{
    defAudio();
    const int inputs = audioInputs();
    // The "off" value is the device's camera count as it stands, not the
    // number of camera entries the record holds.
    const int cameras = m_devices.videos;
    beginGroup(QStringLiteral("AUDIO"));
    for (int i = 0; i < inputs; ++i) {
        const int v = readInt(indexedKey("in%02d", i), m_audio.in[i]);
        m_audio.in[i] = v;
        int k = 0;
        while (k < inputs && m_audio.in[k] != v)
            ++k;
        if (k != i && v < cameras) {
            defAudio();
            break;
        }
    }
    m_audio.out = readInt(QStringLiteral("out"), m_audio.out);
    endGroup();
}

void TProperty::saveAudio()
{
    const int inputs = audioInputs();
    beginSave("AUDIO");
    for (int i = 0; i < inputs; ++i)
        setValue(indexedKey("in%02d", i), m_audio.in[i]);
    setValue(QStringLiteral("out"), m_audio.out);
    endGroup();
}

// ---- MOTION -------------------------------------------------------------------------
// The grid size always follows the encoder; it is never stored.

void TProperty::makeDefMotion(PropMotion& rec) const
{
    std::memset(&rec, 0, sizeof rec);
    AvcCaps caps;
    dvrGetCaps(nullptr, &caps, nullptr);
    rec.rows = caps.md_row;
    rec.cols = caps.md_col;
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        rec.ch[c].sens = 2;
        for (int r = 0; r < PROP_MOTION_ROWS; ++r)
            rec.ch[c].mask[r] = 0xFFFFFFFFu;
    }
}

void TProperty::defMotion()
{
    PropMotion rec;
    makeDefMotion(rec);
    m_motion = rec;
}

void TProperty::loadMotion()
{
    PropMotion def;
    makeDefMotion(def);
    m_motion.rows = def.rows;
    m_motion.cols = def.cols;
    beginGroup(QStringLiteral("MOTION"));
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        MotionChannel& ch = m_motion.ch[c];
        ch.sens = readInt(indexedKey("sens%02d", c), def.ch[c].sens);
        for (int r = 0; r < PROP_MOTION_ROWS; ++r)
            ch.mask[r] = readUInt(indexedKey("mask%02d%02d", c, r), def.ch[c].mask[r]);
    }
    endGroup();
}

void TProperty::saveMotion()
{
    beginSave("MOTION");
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        const MotionChannel& ch = m_motion.ch[c];
        setValue(indexedKey("sens%02d", c), ch.sens);
        for (int r = 0; r < PROP_MOTION_ROWS; ++r)
            setValue(indexedKey("mask%02d%02d", c, r), uint(ch.mask[r]));
    }
    endGroup();
}
