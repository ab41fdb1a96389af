#include "tdalprofile.h"

#include <cstdio>
#include <cstring>

namespace {
struct Row {
    int channels, sensors, relays, audios, disks;
    int numLayout;
    int layouts[8];
};
// Layout ids follow the device's numbering: 1 one cell, 2 quad, 3 six
// cells, 4 nine, 7 and 8 the twenty-channel splits, 9 sixteen, 12 twenty,
// 16 twenty-five, 17 thirty-two cells.
const Row kRows[] = {
    {4, 4, 1, 4, 1, 2, {1, 2}},
    {8, 8, 2, 4, 2, 4, {1, 2, 3, 4}},
    {16, 16, 4, 16, 4, 5, {1, 2, 3, 4, 9}},
    {20, 16, 4, 16, 4, 8, {1, 2, 3, 4, 7, 8, 9, 12}},
    {32, 16, 4, 16, 8, 7, {1, 2, 4, 9, 12, 16, 17}},
};

const Row* rowOf(int channels)
{
    for (const Row& r : kRows)
        if (r.channels == channels)
            return &r;
    return nullptr;
}

struct Res {
    int w, h;
};
const Res kOutRes[] = {{800, 600}, {1024, 768}, {1280, 1024}, {1280, 720}, {1920, 1080}};
// A 32-channel recorder starts at 1280 x 1024: its setup window (1000 x 700)
// does not fit the 800 x 600 output, which it still offers. The largest
// output stays last (the program's window takes its size).
const Res kOutRes32[] = {{1280, 1024}, {800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}};
static_assert(sizeof kOutRes == sizeof kOutRes32, "the same outputs in another order");
}

TDalProfile::TDalProfile()
{
    select("16");
}

bool TDalProfile::select(const std::string& name)
{
    size_t i = 0;
    int channels = 0;
    while (i < name.size() && i < 3 && name[i] >= '0' && name[i] <= '9')
        channels = channels * 10 + (name[i++] - '0');
    const std::string rest = name.substr(i);
    // Exact names only: "016" is not "16".
    const Row* r = i > 0 && name[0] != '0' ? rowOf(channels) : nullptr;
    if (!r || !(rest.empty() || rest == "pal" || rest == "ntsc"))
        return false;
    m_channels = r->channels;
    m_sensors = r->sensors;
    m_relays = r->relays;
    m_audios = r->audios;
    m_disks = r->disks;
    m_pal = rest == "pal";
    m_privacyCx = m_privacyCy = kPrivacyLimit;
    return true;
}

bool TDalProfile::setPrivacyLimit(double cx, double cy)
{
    if (!(cx > 0.0 && cx <= 1.0 && cy > 0.0 && cy <= 1.0))
        return false;
    m_privacyCx = cx;
    m_privacyCy = cy;
    return true;
}

std::string TDalProfile::name() const
{
    return std::to_string(m_channels) + (m_pal ? "pal" : "");
}

void TDalProfile::fillDal(DalCaps* caps) const
{
    std::memset(caps, 0, sizeof *caps);
    std::snprintf(caps->model, 32, "SDR%02d", m_channels);
    // The twenty-channel board carries an FPGA loaded at start.
    std::snprintf(caps->board, 32, m_channels == 20 ? "sim-%d-Kea" : "sim-%d", m_channels);
    caps->num_vin = m_channels;
    caps->num_ain = m_audios;
    caps->num_sensor = m_sensors;
    caps->num_alarmout = m_relays;
    // Every alarm output of the simulated boards is a relay.
    caps->word796 = m_relays;
    caps->num_disk = m_disks;
    caps->rs232 = 1;
}

void TDalProfile::fillAvc(AvcCaps* caps) const
{
    std::memset(caps, 0, sizeof *caps);
    const int h = m_pal ? 576 : 480;
    const int f = fps();
    caps->num_chip = (m_channels + 3) / 4;
    caps->num_cam_per_chip = 4;
    caps->num_vridx = 2;
    caps->vridx[0] = {720, h};
    caps->vridx[1] = {960, h};
    // Record resolutions as the encoder reports them: quarter, half and full
    // picture, the ratio the cost of one frame in quarter-picture frames.
    // The budget of the first is the unit's: every camera at full rate in
    // quarter pictures.
    const AvcRes rec[3] = {{352, h / 2, f * m_channels, f * 4, 1.0},
                           {704, h / 2, f * m_channels / 2, f * 2, 2.0},
                           {704, h, f * m_channels / 4, f, 4.0}};
    caps->num_rridx = 3;
    for (int i = 0; i < 3; ++i)
        caps->rridx[i] = rec[i];
    const AvcRes net[3] = {{352, h / 2, f * m_channels, f * 4, 0.25},
                           {704, h / 2, f * m_channels, f * 4, 0.5},
                           {704, h, f * m_channels, f * 4, 1.0}};
    caps->num_nridx = 3;
    for (int r = 0; r < caps->num_vridx; ++r)
        for (int j = 0; j < 3; ++j)
            caps->nridx[r][j] = net[j];
    const double ntscSteps[8] = {30, 15, 10, 7.5, 5, 3, 2, 1};
    const double palSteps[8] = {25, 12.5, 10, 6.25, 5, 3, 2, 1};
    caps->num_fidx = 8;
    for (int i = 0; i < 8; ++i)
        caps->fidx2fps[i] = m_pal ? palSteps[i] : ntscSteps[i];
    caps->ref_fps = f;
    // The motion grid: md_row cells across a row, md_col cells down a
    // column (22 across; 15 down on a 480-line system, 18 on a 576-line one).
    caps->md_row = 22;
    caps->md_col = m_pal ? 18 : 15;
    caps->num_privacy = 1;
    // The largest privacy zone, as fractions of the picture's width and
    // height.
    caps->privacy_cx = m_privacyCx;
    caps->privacy_cy = m_privacyCy;
}

void TDalProfile::fillVout(VoutCaps* caps) const
{
    std::memset(caps, 0, sizeof *caps);
    const int n = int(sizeof kOutRes / sizeof kOutRes[0]);
    const Res* out = m_channels >= 32 ? kOutRes32 : kOutRes;
    caps->numRes = n;
    for (int i = 0; i < n; ++i) {
        caps->resW[i] = caps->outW[i] = out[i].w;
        caps->resH[i] = caps->outH[i] = out[i].h;
        caps->resHz[i] = 60.0;
    }
    caps->maxZoom = 4.0;
    caps->alphaLevels = 1;
    const Row* r = rowOf(m_channels);
    caps->numLayout = r->numLayout;
    for (int i = 0; i < r->numLayout; ++i)
        caps->layout[i] = r->layouts[i];
    caps->numResHd = 3;
}
