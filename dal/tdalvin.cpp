#include "tdalvin.h"

#include <cmath>
#include <cstring>

namespace {
// A fraction of the picture: finite and within 0..1.
bool fraction(double v)
{
    return std::isfinite(v) && v >= 0.0 && v <= 1.0;
}

// Frame rates a camera may deliver.
bool cameraRate(double fps)
{
    return std::isfinite(fps) && fps > 0.0 && fps <= 120.0;
}

const double kEdge = 1e-9; // a zone ending on the picture's edge after rounding
}

TDalVin& TDalVin::instance()
{
    static TDalVin vin;
    return vin;
}

TDalVin::TDalVin()
{
    reset();
}

void TDalVin::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(m_in, 0, sizeof m_in);
    for (DalTestVinState& in : m_in)
        for (int32_t& c : in.csc)
            c = -1;
    std::memset(m_live, 0xff, sizeof m_live);
    std::memset(&m_audio, 0, sizeof m_audio);
    m_audio.aout = -1;
    for (int32_t& l : m_audio.link)
        l = -1;
}

int TDalVin::resIndex(int width, int height)
{
    if (width <= 960 && height <= 576)
        return 1;
    if (width == 1280 && height == 720)
        return 2;
    if (width == 1920 && height == 1080)
        return 3;
    return 4;
}

bool TDalVin::setFormat(int ch, int width, int height, int progressive, double fps)
{
    if (ch < 0 || ch >= DAL_MAX_CH || width < 16 || width > 4096 || height < 16 || height > 2160
        || (progressive != 0 && progressive != 1) || !cameraRate(fps))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestVinState& in = m_in[ch];
    in.formatSet = 1;
    in.width = width;
    in.height = height;
    in.progressive = progressive;
    in.fps = fps;
    return true;
}

bool TDalVin::info(int ch, int channels, bool pal, bool noVideo, VinInfo* out)
{
    if (!valid(ch, channels))
        return false;
    std::memset(out, 0, sizeof *out);
    out->noVideo = noVideo ? 1 : 0;
    if (noVideo)
        return true;
    std::lock_guard<std::mutex> lock(m_mutex);
    const DalTestVinState& in = m_in[ch];
    if (in.formatSet) {
        out->width = in.width;
        out->height = in.height;
        out->progressive = in.progressive;
        out->fps = in.fps;
    } else {
        out->width = 960;
        out->height = pal ? 576 : 480;
        out->progressive = 0;
        out->fps = pal ? 25 : 30;
    }
    out->ridx = resIndex(out->width, out->height);
    return true;
}

int TDalVin::setCaps(int ch, int channels, int resIdx, int progressive, double fps)
{
    if (!valid(ch, channels) || resIdx < 1 || resIdx > 4 || (progressive != 0 && progressive != 1)
        || !cameraRate(fps))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestVinState& in = m_in[ch];
    in.capsSet = 1;
    in.capsRes = resIdx;
    in.capsProgressive = progressive;
    in.capsFps = fps;
    return 0;
}

int TDalVin::setCsc(int ch, int channels, int component, int value)
{
    if (!valid(ch, channels) || component < 0 || component > 3 || value < 0 || value > 100)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_in[ch].csc[component] = value;
    return 0;
}

int TDalVin::setCamOff(int ch, int channels, int off)
{
    if (!valid(ch, channels))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_in[ch].camOff = off ? 1 : 0;
    return 0;
}

int TDalVin::setMd(int ch, int channels, int sens, const uint32_t* mask)
{
    if (!valid(ch, channels) || sens < 0 || sens > 2)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestVinState& in = m_in[ch];
    in.mdSet = 1;
    in.mdSens = sens;
    in.mdOn = mask != nullptr;
    if (mask)
        std::memcpy(in.mdMask, mask, sizeof in.mdMask);
    else
        std::memset(in.mdMask, 0, sizeof in.mdMask);
    return 0;
}

int TDalVin::setMdTrace(int ch, int channels, int on)
{
    if (!valid(ch, channels))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_in[ch].mdTrace = on ? 1 : 0;
    return 0;
}

void TDalVin::setMotion(int ch, int on)
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_in[ch].motion = on ? 1 : 0;
}

bool TDalVin::setLiveCells(int ch, const uint32_t* words)
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (words)
        std::memcpy(m_live[ch], words, sizeof m_live[ch]);
    else
        std::memset(m_live[ch], 0xff, sizeof m_live[ch]);
    return true;
}

bool TDalVin::liveBlock(int ch, int channels, uint32_t* out)
{
    if (!valid(ch, channels))
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_in[ch].mdTrace || !m_in[ch].motion)
        return false;
    std::memcpy(out, m_live[ch], sizeof m_live[ch]);
    return true;
}

int TDalVin::setPrivacy(int ch, int channels, int zone, int zones, double x, double y, double w, double h)
{
    if (!valid(ch, channels) || zone < 0 || zone >= zones || !fraction(x) || !fraction(y) || !fraction(w)
        || !fraction(h) || x + w > 1.0 + kEdge || y + h > 1.0 + kEdge)
        return -1;
    // The stand-in keeps zone 0, the one zone each of its inputs has.
    if (zone != 0)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    DalTestVinState& in = m_in[ch];
    in.privacySet = 1;
    in.privacy[0] = x;
    in.privacy[1] = y;
    in.privacy[2] = w;
    in.privacy[3] = h;
    return 0;
}

int TDalVin::ainLink(const int32_t* table, int channels)
{
    if (!table)
        return -1;
    for (int i = 0; i < 32; ++i)
        if (table[i] < -1 || table[i] >= channels)
            return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_audio.linked = 1;
    std::memcpy(m_audio.link, table, sizeof m_audio.link);
    return 0;
}

int TDalVin::aoutSet(int ch, int channels)
{
    if (ch < -1 || ch >= channels)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_audio.aoutSet = 1;
    m_audio.aout = ch;
    return 0;
}

bool TDalVin::state(int ch, DalTestVinState* out)
{
    if (ch < 0 || ch >= DAL_MAX_CH)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = m_in[ch];
    return true;
}

void TDalVin::audio(DalTestAudioState* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = m_audio;
}
