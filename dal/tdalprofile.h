#pragma once
#include "dal.h"

#include <string>

// One capability profile of the stand-in: a recorder of 4, 8, 16, 20 or 32
// channels with its sensors, relays, audio inputs, disks, output
// resolutions, layouts and video standard. Every count stays within the
// tables of the records it fills.
class TDalProfile
{
public:
    TDalProfile();
    // "4", "8", "16", "20", "32", optionally followed by "pal" or "ntsc";
    // false (and the profile unchanged) for any other name.
    bool select(const std::string& name);
    std::string name() const;
    int channels() const { return m_channels; }
    int sensors() const { return m_sensors; }
    int relays() const { return m_relays; }
    int audios() const { return m_audios; }
    int disks() const { return m_disks; }
    bool pal() const { return m_pal; }
    void setPal(bool pal) { m_pal = pal; }
    // The largest privacy zone as fractions of the picture (0 < v <= 1);
    // false, and nothing changes, for other values.
    bool setPrivacyLimit(double cx, double cy);

    void fillDal(DalCaps* caps) const;
    void fillAvc(AvcCaps* caps) const;
    void fillVout(VoutCaps* caps) const;
    // Frames per second of the video standard in force.
    int fps() const { return m_pal ? 25 : 30; }

private:
    int m_channels;
    int m_sensors;
    int m_relays;
    int m_audios;
    int m_disks;
    bool m_pal;
    double m_privacyCx = kPrivacyLimit;
    double m_privacyCy = kPrivacyLimit;
    static constexpr double kPrivacyLimit = 0.5;
};
