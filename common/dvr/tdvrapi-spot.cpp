// The spot monitor (output 2): its camera sequence on the one-second tick,
// alarm pop-ups, the title overlays of the spot outputs; and the main
// monitor's output type, resolution, aspect, colours and digital zoom.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QThread>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// A spot event held while it lasts.
const int kHeld = 31536000;

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

// Cells and layout id of a spot split mode.
struct SpotMode {
    int cells, layout;
};

SpotMode spotMode(int mode)
{
    switch (mode) {
    case 1: return {4, 2};
    case 2: return {9, 4};
    case 3: return {16, 9};
    case 4: return {20, 12};
    case 5: return {25, 16};
    case 6: return {32, 17};
    default: return {1, 1};
    }
}

// 1 + the last position whose entry is a channel of this unit; 0 when none.
int sequenceSteps(const int32_t* orders, int count)
{
    for (int p = TDVRAPI::CHANNELS - 1; p >= 0; --p)
        if (orders[p] >= 0 && orders[p] < count)
            return p + 1;
    return 0;
}

int clampByte(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}
}

void TDVRAPI::spotSetdevice()
{
    if (!g_cfg)
        return;
    // The sequence steps on the GUI thread (runSpotSeq): an apply run
    // restarts it there.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this] { spotSetdevice(); }, Qt::QueuedConnection);
        return;
    }
    const auto* spot = static_cast<const PropSpot*>(g_cfg->getsection(IDX_PROP_SPOT, 1));
    m_spotIdx = 0;
    m_spotTick = 0;
    m_spotNum = sequenceSteps(spot->orders, channelCount());
    qCDebug(lcApi, "spotSetdevice.. m_spotIdx:%d m_spotNum:%d", m_spotIdx, m_spotNum);
}

void TDVRAPI::spothdSetdevice()
{
    if (!g_cfg)
        return;
    const auto* spot = static_cast<const PropSpothd*>(g_cfg->getsection(IDX_PROP_SPOTHD, 1));
    m_spothdIdx = 0;
    m_spothdNum = sequenceSteps(spot->orders, channelCount());
    qCDebug(lcApi, "spothdSetdevice.. m_spothdIdx:%d m_spothdNum:%d", m_spothdIdx, m_spothdNum);
}

void TDVRAPI::runSpotSeq()
{
    if (oemId() == 5 || !g_cfg)
        return;
    const auto* spot = static_cast<const PropSpot*>(g_cfg->getsection(IDX_PROP_SPOT, 1));
    if (++m_spotTick < spot->dwell + 1)
        return;
    const SpotMode m = spotMode(spot->mode);
    int32_t chain[DAL_MAX_CH];
    for (int32_t& c : chain)
        c = -1;
    if (m_spotNum < 1) {
        // Nothing to show: the empty chain again each tick.
        DalVoutSetLayout(2, m.layout, chain);
        return;
    }
    const int videos = channelCount();
    // A channel the sequence may show; with skip_vloss not a hidden one
    // (video loss, covert, or forbidden to the user).
    auto showable = [&](int ch) { return ch >= 0 && ch < videos && !(spot->skip_vloss && isHiddenCh(ch)); };
    // Whether the order names a channel at all; hidden ones count here, so
    // that with every channel hidden no page is sent.
    bool any = false;
    for (int p = 0; p < videos && !any; ++p)
        any = spot->orders[p] >= 0 && spot->orders[p] < videos;
    const int pages = (videos + m.cells - 1) / m.cells;
    if (pages < 1) {
        m_spotTick = 0;
        return;
    }
    m_spotIdx = m_spotIdx + 1 >= pages || m_spotIdx < 0 ? 0 : m_spotIdx + 1;
    for (int tries = 0; tries < pages; ++tries) {
        const int page = m_spotIdx;
        bool shows = false;
        for (int k = 0; k < m.cells; ++k) {
            const int pos = k + m.cells * page;
            // Positions past the channels are empty cells; an entry that is
            // no channel of this unit is unused.
            const int ch = pos < videos ? spot->orders[pos] : -1;
            chain[k] = ch >= 0 && ch < videos ? ch : -1;
            shows = shows || showable(chain[k]);
        }
        if (shows || !any) {
            DalVoutSetLayout(2, m.layout, chain);
            m_spotTick = 0;
            return;
        }
        m_spotIdx = (page + 1) % pages;
    }
    m_spotTick = 0;
}

void TDVRAPI::fireSpotPopup(int code, int ch, int on)
{
    // Sensors, motion and text inputs come on several device threads; the
    // pop-up and the sequence it pauses live on the GUI thread, where the
    // sections they read are applied.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, code, ch, on] { fireSpotPopup(code, ch, on); }, Qt::QueuedConnection);
        return;
    }
    if (!g_cfg || ch < 0 || ch >= channelCount())
        return;
    const int outs = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->alarmouts;
    if (outs < 1 || outs > PROP_MAX_ALARMOUT)
        return;
    const AlarmOutEntry& out = static_cast<const PropAlarm*>(g_cfg->getsection(IDX_PROP_ALARM, 1))->out[outs - 1];
    int flag;
    switch (code) {
    case SIG_IO_SENSOR: flag = out.sensorOn[ch]; break;
    case SIG_VIN_MOTION: flag = out.motionOn[ch]; break;
    case SIG_VIN_VL: flag = out.vlossOn[ch]; break;
    case SIG_POS_TEXTIN:
        flag = out.txtinOn[ch];
        qCDebug(lcApi, "fireSpotPopup.. ch:%d txtinOn:%d", ch, flag);
        break;
    default: return;
    }
    int time = kHeld;
    if (!on) {
        if (m_spotPopCh < 0)
            return;
        time = int(g_cfg->getvaluefromindex(IDX_DATA_ALARM_DWELL, out.dur));
    }
    if (!flag)
        return;
    popupSpot(ch);
    m_spotPopTime = time;
    m_spotPopCh = ch;
}

void TDVRAPI::tickPopup()
{
    if (m_spotPopCh < 0 || m_spotPopCh >= channelCount())
        return;
    if (m_spotPopTime > 0)
        --m_spotPopTime;
    if (m_spotPopTime <= 0)
        m_spotPopCh = -1;
}

void TDVRAPI::popupSpot(int ch)
{
    qCDebug(lcApi, "popupSpot.. ch:%d", ch);
    if (oemId() == 5)
        return;
    int32_t chain[DAL_MAX_CH];
    for (int32_t& c : chain)
        c = -1;
    chain[0] = ch;
    DalVoutSetLayout(2, 1, chain);
}

void TDVRAPI::runTestSpot()
{
    qCDebug(lcApi, "runTestSpot.. m_spotIdx:%d m_spotNum:%d", m_spotIdx, m_spotNum);
    const int count = channelCount();
    int layout;
    switch (count) {
    case 4: layout = 2; break;
    case 6: layout = 3; break;
    case 8: case 9: layout = 4; break;
    case 12: layout = 6; break;
    case 16: layout = 9; break;
    case 20: layout = 12; break;
    case 32: layout = 17; break;
    default: layout = 1; break;
    }
    int32_t chain[DAL_MAX_CH];
    for (int k = 0; k < DAL_MAX_CH; ++k)
        chain[k] = k < count ? k : -1;
    DalVoutSetLayout(2, layout, chain);
}

void TDVRAPI::toYuv422(const QImage& img, int width, int rows, uint16_t* out)
{
    if (!out || width < 1 || rows < 1)
        return;
    std::memset(out, 0, sizeof(uint16_t) * size_t(width) * size_t(rows));
    const QImage src = img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32
                           ? img
                           : img.convertToFormat(QImage::Format_RGB32);
    const int w = qMin(width, src.width());
    const int h = qMin(rows, src.height());
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        uint16_t* dst = out + size_t(y) * size_t(width);
        for (int x = 0; x < w; ++x) {
            const QRgb px = line[x];
            // Black (and the near-black the title renderer leaves) is the
            // transparent key of the overlay.
            const QRgb colour = px & 0xffffff;
            if (colour == 0 || colour == 0x010101)
                continue;
            const int r = qRed(px), g = qGreen(px), b = qBlue(px);
            // Full-range BT.601 in 16.16 fixed point, rounded; the chroma
            // offset is added before the shift so that it stays positive.
            const int luma = (19595 * r + 38469 * g + 7471 * b + 32768) >> 16;
            const int chroma = x % 2 == 0 ? (32768 * b - 11058 * r - 21704 * g + 32768 + (128 << 16)) >> 16
                                          : (32768 * r - 27439 * g - 5330 * b + 32768 + (128 << 16)) >> 16;
            dst[x] = uint16_t(clampByte(luma) << 8 | clampByte(chroma));
        }
    }
}

void TDVRAPI::sendOverlay(const char* cmd, int ch, const QImage* img, int width, int rows)
{
    if (!img || img->isNull() || width < 1 || rows < 1)
        return;
    const size_t words = size_t(width) * size_t(rows);
    std::unique_ptr<uint16_t[]> buf(new (std::nothrow) uint16_t[words]);
    if (!buf)
        return;
    toYuv422(*img, width, rows, buf.get());
    // The buffer's whole address: the layer copies it during the call.
    char text[128];
    const int len = std::snprintf(text, sizeof text, "ch:%d src_buf:%08" PRIxPTR " src_w:%d src_h:%d src_pitch:%d", ch,
                                  reinterpret_cast<uintptr_t>(buf.get()), width, rows, 2 * width);
    DalCmd(cmd, text, len);
}

void TDVRAPI::spotOsd(int ch, const QImage* img)
{
    if (!img || img->isNull())
        return;
    const int width = ch < channelCount() ? 120 : img->width();
    sendOverlay("spot_osd", ch, img, width, 20);
}

void TDVRAPI::spothdOsd(int ch, const QImage* img)
{
    if (!img || img->isNull())
        return;
    sendOverlay("spothd_osd", ch, img, img->width(), img->height());
}

void TDVRAPI::spotOsdAll(int ch)
{
    const int count = channelCount();
    const int first = ch < 0 ? 0 : ch;
    const int last = ch < 0 ? count - 1 : qMin(ch, count - 1);
    for (int c = first; c <= last; ++c) {
        spotOsd(c, &m_spotTitleImg[c]);
        spothdOsd(c, &m_hdTitleImg[c]);
    }
}

void TDVRAPI::changeDisplay(int res, int live)
{
    if (!g_cfg)
        return;
    const auto* display = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, live ? 1 : 0));
    if (res < 0)
        res = display->res;
    qCDebug(lcApi, "TDVRAPI::changeDisplay.. res:%d dev:%d", res, display->device2);
    char type[128];
    std::snprintf(type, sizeof type, "%s", display->device2 == 1 ? "2" : display->device2 == 2 ? "4" : "6");
    DalCmd("vga-type", type, int(sizeof type));
    DalVoutSetCaps(0, res);
    DalVoutSetViw(0, 0, 0, 0, 0);
    char ratio[128];
    std::snprintf(ratio, sizeof ratio, "%s", display->ratio ? "1" : "0");
    DalCmd("full-screen-4:3", ratio, 0);
    DalVoutSetCSC(0, 0, display->bri);
    DalVoutSetCSC(0, 3, display->con);
    DalVoutSetCSC(0, 1, display->sat);
    DalVoutSetCSC(0, 2, display->hue);
    m_dispDevice = display->device2;
}

void TDVRAPI::dispcolorcontrol(int csc, int val)
{
    qCDebug(lcApi, "dispcolorcontrol.. csc:%d val:%d", csc, val);
    if (csc < 0 || (csc > 3 && !g_cfg))
        return;
    if (csc <= 3) {
        DalVoutSetCSC(0, csc, val);
        return;
    }
    const auto* display = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, val > 0 ? 1 : 0));
    DalVoutSetCSC(0, 0, display->bri);
    DalVoutSetCSC(0, 3, display->con);
    DalVoutSetCSC(0, 1, display->sat);
    DalVoutSetCSC(0, 2, display->hue);
}

void TDVRAPI::dispColorSetdevice(int /*value*/)
{
    if (!g_cfg)
        return;
    const auto* display = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 1));
    DalVoutSetCSC(0, 0, display->bri);
    DalVoutSetCSC(0, 3, display->con);
    DalVoutSetCSC(0, 1, display->sat);
    DalVoutSetCSC(0, 2, display->hue);
    static_assert(sizeof display->orders == sizeof m_chOrder, "one order entry a channel");
    std::memcpy(m_chOrder, display->orders, sizeof m_chOrder);
}

void TDVRAPI::zoomcontrol(int zoom100x, int xp, int yp)
{
    qCDebug(lcApi, "zoomcontrol zoom100x:%d xp:%d yp:%d", zoom100x, xp, yp);
    double cx = xp < 0 ? 0.5 : xp / 100.0;
    double cy = yp < 0 ? 0.5 : yp / 100.0;
    if (zoom100x < 0)
        zoom100x = qRound(m_zoom * 100);
    if (zoom100x <= 100)
        cx = cy = -1.0;
    m_zoom = zoom100x / 100.0;
    DalVoutZoom(m_zoom, cx, cy);
}

double TDVRAPI::maxZoom() const
{
    return m_voutCaps ? m_voutCaps->maxZoom : 2.0;
}
