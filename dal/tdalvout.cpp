#include "tdalvout.h"
#include "tdalcore.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {
// One layout: a grid of cols x rows; bigCount big cells of span x span grid
// places side by side from the top left, then the small cells in reading
// order over the places left. Ids follow the device's numbering.
struct Shape {
    int id;
    int cols, rows;
    int span, bigCount;
};
const Shape kShapes[] = {
    {1, 1, 1, 0, 0},  {2, 2, 2, 0, 0},  {3, 3, 3, 2, 1},  {4, 3, 3, 0, 0},
    {5, 4, 4, 3, 1},  {6, 4, 3, 0, 0},  {7, 4, 4, 2, 1},  {8, 4, 4, 2, 2},
    {9, 4, 4, 0, 0},  {12, 5, 4, 0, 0}, {16, 5, 5, 0, 0}, {17, 8, 4, 0, 0},
};

const Shape* shapeOf(int layout)
{
    for (const Shape& s : kShapes)
        if (s.id == layout)
            return &s;
    return nullptr;
}

int cellsOf(const Shape& s)
{
    return s.cols * s.rows - s.bigCount * (s.span * s.span - 1);
}

// The cell rectangles of a layout on a w x h screen, in cell order.
std::vector<VidWnd> cellRects(const Shape& s, int w, int h)
{
    std::vector<VidWnd> cells;
    std::vector<bool> used(size_t(s.cols * s.rows), false);
    auto place = [&](int col, int row, int span) {
        VidWnd c = {};
        c.x = col * w / s.cols;
        c.y = row * h / s.rows;
        c.w = (col + span) * w / s.cols - c.x;
        c.h = (row + span) * h / s.rows - c.y;
        cells.push_back(c);
        for (int r = row; r < row + span; ++r)
            for (int k = col; k < col + span; ++k)
                used[size_t(r * s.cols + k)] = true;
    };
    for (int b = 0; b < s.bigCount; ++b)
        place(b * s.span, 0, s.span);
    for (int r = 0; r < s.rows; ++r)
        for (int k = 0; k < s.cols; ++k)
            if (!used[size_t(r * s.cols + k)])
                place(k, r, 1);
    return cells;
}

int channels()
{
    return TDalCore::instance().profile().channels();
}
}

TDalVout::Output::Output()
{
    for (int32_t& c : chain)
        c = -1;
}

TDalVout& TDalVout::instance()
{
    static TDalVout vout;
    return vout;
}

void TDalVout::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (Output& o : m_out)
        o = Output();
    m_alpha.clear();
    m_zoom = m_zoomX = m_zoomY = 0.0;
    m_covert = 0;
    m_live = -1;
    m_overlay[0] = Overlay();
    m_overlay[1] = Overlay();
}

int TDalVout::numCell(int layout)
{
    const Shape* s = shapeOf(layout);
    return s ? cellsOf(*s) : -1;
}

int TDalVout::numBigCell(int layout)
{
    const Shape* s = shapeOf(layout);
    return s ? s->bigCount : -1;
}

int TDalVout::setCaps(int output, int res)
{
    if (!validOutput(output))
        return -1;
    VoutCaps caps;
    TDalCore::instance().profile().fillVout(&caps);
    // Output 0 is the main monitor; the others take the HD spot resolutions.
    if (res < 0 || res >= (output == 0 ? caps.numRes : caps.numResHd))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_out[output].res = res;
    return 0;
}

int TDalVout::setLayout(int output, int layout, const int32_t* chain)
{
    const Shape* s = shapeOf(layout);
    if (!validOutput(output) || !s || !chain)
        return -1;
    // Every cell shows a channel of this unit or nothing; entries past the
    // layout's cells are not looked at.
    const int n = channels();
    for (int k = 0; k < cellsOf(*s); ++k)
        if (chain[k] < -1 || chain[k] >= n)
            return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_out[output].layout = layout;
    std::memcpy(m_out[output].chain, chain, sizeof m_out[output].chain);
    return 0;
}

int TDalVout::layoutInfo(int output, int32_t* num, VidWnd* wnd)
{
    if (!validOutput(output) || !num || !wnd)
        return -1;
    VoutCaps caps;
    TDalCore::instance().profile().fillVout(&caps);
    std::lock_guard<std::mutex> lock(m_mutex);
    const Output& o = m_out[output];
    std::memset(wnd, 0, sizeof(VidWnd) * DAL_MAX_CH);
    *num = 0;
    const Shape* s = shapeOf(o.layout);
    if (!s)
        return 0; // no layout shown yet
    const int res = o.res >= 0 && o.res < caps.numRes ? o.res : 0;
    // With a video window set (picture in picture) the layout fills that
    // window; without one, the whole output.
    const bool inViw = o.viw[2] > 0 && o.viw[3] > 0;
    const std::vector<VidWnd> cells = inViw ? cellRects(*s, o.viw[2], o.viw[3]) : cellRects(*s, caps.outW[res], caps.outH[res]);
    for (size_t k = 0; k < cells.size() && k < DAL_MAX_CH; ++k) {
        wnd[k] = cells[k];
        if (inViw) {
            wnd[k].x += o.viw[0];
            wnd[k].y += o.viw[1];
        }
        wnd[k].ch = o.chain[k];
        wnd[k].show = o.chain[k] >= 0;
    }
    *num = int32_t(cells.size());
    return 0;
}

int TDalVout::setViw(int output, int x, int y, int w, int h)
{
    if (!validOutput(output) || x < 0 || y < 0 || w < 0 || h < 0)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    const int v[4] = {x, y, w, h};
    std::memcpy(m_out[output].viw, v, sizeof v);
    return 0;
}

int TDalVout::setAlpha(int x, int y, int w, int h, int level)
{
    if (x < 0 || y < 0 || w < 1 || h < 1 || level < 0 || level > 7)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_alpha.push_back({x, y, w, h, level});
    if (m_alpha.size() > MAX_ALPHA)
        m_alpha.erase(m_alpha.begin());
    return 0;
}

int TDalVout::setCsc(int output, int component, int value)
{
    if (!validOutput(output) || component < 0 || component > 3 || value < 0 || value > 100)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_out[output].csc[component] = value;
    return 0;
}

int TDalVout::setCovert(int ch, int on)
{
    if (ch < 0 || ch >= channels())
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (on)
        m_covert |= 1u << ch;
    else
        m_covert &= ~(1u << ch);
    return 0;
}

int TDalVout::setLive(int on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_live = on != 0;
    return 0;
}

int TDalVout::zoom(double ratio, double cx, double cy)
{
    VoutCaps caps;
    TDalCore::instance().profile().fillVout(&caps);
    // No zoom (ratio 1 or less) comes without a centre; a zoom within the
    // output's range with a centre inside the picture.
    const bool off = ratio >= 0.0 && ratio <= 1.0 && cx == -1.0 && cy == -1.0;
    const bool on = ratio > 1.0 && ratio <= caps.maxZoom && cx >= 0.0 && cx <= 1.0 && cy >= 0.0 && cy <= 1.0;
    if (!off && !on)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_zoom = ratio;
    m_zoomX = cx;
    m_zoomY = cy;
    return 0;
}

int TDalVout::overlay(bool hd, const std::string& text)
{
    int ch, w, h, pitch;
    uintptr_t addr;
    char tail;
    if (std::sscanf(text.c_str(), "ch:%d src_buf:%" SCNxPTR " src_w:%d src_h:%d src_pitch:%d%c", &ch, &addr, &w, &h,
                    &pitch, &tail) != 5)
        return -1;
    // Channel = the channel count: the clock line.
    if (ch < 0 || ch > channels() || !addr || w < 1 || w > MAX_OVERLAY_W || h < 1 || h > MAX_OVERLAY_H ||
        pitch < 2 * w || pitch > 2 * MAX_OVERLAY_W)
        return -1;
    Overlay o;
    o.set = true;
    o.ch = ch;
    o.w = w;
    o.h = h;
    o.pitch = pitch;
    // The caller frees its buffer when the call returns: copy it now.
    const auto* src = reinterpret_cast<const unsigned char*>(addr);
    o.bytes.assign(src, src + size_t(pitch) * size_t(h));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_overlay[hd ? 1 : 0] = std::move(o);
    return 0;
}

int TDalVout::get(int output, DalTestVout* out)
{
    if (!validOutput(output) || !out)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    const Output& o = m_out[output];
    out->res = o.res;
    out->layout = o.layout;
    std::memcpy(out->chain, o.chain, sizeof out->chain);
    std::memcpy(out->viw, o.viw, sizeof out->viw);
    std::memcpy(out->csc, o.csc, sizeof out->csc);
    return 0;
}

void TDalVout::display(DalTestDisplay* out)
{
    if (!out)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(out, 0, sizeof *out);
    out->zoom = m_zoom;
    out->zoomX = m_zoomX;
    out->zoomY = m_zoomY;
    out->covert = m_covert;
    out->live = m_live;
    out->numAlpha = int32_t(m_alpha.size());
    for (size_t i = 0; i < m_alpha.size(); ++i)
        for (size_t j = 0; j < 5; ++j)
            out->alpha[i][j] = m_alpha[i][j];
}

int TDalVout::overlayCopy(bool hd, DalTestOverlay* info, void* buf, int size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Overlay& o = m_overlay[hd ? 1 : 0];
    if (!o.set)
        return -1;
    if (info) {
        info->ch = o.ch;
        info->w = o.w;
        info->h = o.h;
        info->pitch = o.pitch;
    }
    const size_t n = buf && size > 0 ? std::min(size_t(size), o.bytes.size()) : 0;
    if (n)
        std::memcpy(buf, o.bytes.data(), n);
    return int(n);
}
