#pragma once
#include "dal.h"
#include "dal_test.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// The video outputs of the stand-in: the layout table (cells, big cells and
// their rectangles), and per output the layout and chain, resolution,
// picture-in-picture window and colours; for the screen the alpha
// rectangles, digital zoom, covert cameras and live flag; and the last title
// overlay of the spot and HD spot outputs, copied in from the caller's buffer.
class TDalVout
{
public:
    enum { OUTPUTS = 3, MAX_ALPHA = 64, MAX_OVERLAY_W = 1920, MAX_OVERLAY_H = 1080 };

    static TDalVout& instance();
    void reset();

    // Cells and big cells of a layout id; -1 for an id the stand-in lacks.
    // Every layout has at least one small cell, and its big cells are fewer
    // than the channels of any profile that offers it.
    static int numCell(int layout);
    static int numBigCell(int layout);

    int setCaps(int output, int res);
    int setLayout(int output, int layout, const int32_t* chain);
    int layoutInfo(int output, int32_t* num, VidWnd* wnd);
    int setViw(int output, int x, int y, int w, int h);
    int setAlpha(int x, int y, int w, int h, int level);
    int setCsc(int output, int component, int value);
    int setCovert(int ch, int on);
    int setLive(int on);
    int zoom(double ratio, double cx, double cy);
    // "spot_osd" / "spothd_osd": the text names the caller's buffer, which
    // is copied before the call returns.
    int overlay(bool hd, const std::string& text);

    // Test driver.
    int get(int output, DalTestVout* out);
    void display(DalTestDisplay* out);
    int overlayCopy(bool hd, DalTestOverlay* info, void* buf, int size);

private:
    struct Output {
        int res = -1;
        int layout = 0;
        int32_t chain[DAL_MAX_CH];
        int viw[4] = {0, 0, 0, 0};
        int csc[4] = {-1, -1, -1, -1};
        Output();
    };
    struct Overlay {
        bool set = false;
        int ch = 0, w = 0, h = 0, pitch = 0;
        std::vector<unsigned char> bytes;
    };

    TDalVout() = default;
    static bool validOutput(int output) { return output >= 0 && output < OUTPUTS; }

    std::mutex m_mutex;
    Output m_out[OUTPUTS];
    std::vector<std::vector<int>> m_alpha; // x, y, w, h, level; oldest first
    double m_zoom = 0.0, m_zoomX = 0.0, m_zoomY = 0.0;
    uint32_t m_covert = 0;
    int m_live = -1;
    Overlay m_overlay[2]; // 0 spot, 1 HD spot
};
