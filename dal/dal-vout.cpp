// The stand-in's video-output calls.
#include "dalcall.h"
#include "tdalvout.h"

using namespace dalcall;

namespace {
TDalVout& vout()
{
    return TDalVout::instance();
}

// A chain as the journal shows it: the entries up to the last cell in use,
// then the run of empty cells as "-1xN": "[9,10,0,-1x29]".
std::string chainText(const int32_t* chain)
{
    if (!chain)
        return "null";
    int last = DAL_MAX_CH - 1;
    while (last >= 0 && chain[last] == -1)
        --last;
    std::string s = "[";
    for (int k = 0; k <= last; ++k)
        s += (k ? "," : "") + std::to_string(chain[k]);
    if (last < DAL_MAX_CH - 1)
        s += (last >= 0 ? ",-1x" : "-1x") + std::to_string(DAL_MAX_CH - 1 - last);
    return s + "]";
}
}

extern "C" {

/* ---- Video output ---- */

int DalVoutSetCaps(int output, int res)
{
    TDalJournal::add("DalVoutSetCaps(%d,%d)", output, res);
    DAL_FAILED("DalVoutSetCaps");
    return vout().setCaps(output, res);
}

int DalVoutSetLayout(int output, int layout, const int32_t* chain)
{
    TDalJournal::add("DalVoutSetLayout(%d,%d,%s)", output, layout, chainText(chain).c_str());
    DAL_FAILED("DalVoutSetLayout");
    return vout().setLayout(output, layout, chain);
}

int DalVoutGetLayoutInfo(int output, int sub, int32_t* num, VidWnd* wnd)
{
    TDalJournal::add("DalVoutGetLayoutInfo(%d,%d,%s,%s)", output, sub, P(num), P(wnd));
    DAL_FAILED("DalVoutGetLayoutInfo");
    return vout().layoutInfo(output, num, wnd);
}

int DalVoutNumCell(int layout)
{
    TDalJournal::add("DalVoutNumCell(%d)", layout);
    DAL_FAILED("DalVoutNumCell");
    return TDalVout::numCell(layout);
}

int DalVoutNumBigCell(int layout)
{
    TDalJournal::add("DalVoutNumBigCell(%d)", layout);
    DAL_FAILED("DalVoutNumBigCell");
    return TDalVout::numBigCell(layout);
}

int DalVoutSetViw(int output, int x, int y, int w, int h)
{
    TDalJournal::add("DalVoutSetViw(%d,%d,%d,%d,%d)", output, x, y, w, h);
    DAL_FAILED("DalVoutSetViw");
    return vout().setViw(output, x, y, w, h);
}

int DalVoutSetAlpha(int x, int y, int w, int h, int level)
{
    TDalJournal::add("DalVoutSetAlpha(%d,%d,%d,%d,%d)", x, y, w, h, level);
    DAL_FAILED("DalVoutSetAlpha");
    return vout().setAlpha(x, y, w, h, level);
}

int DalVoutSetCSC(int output, int component, int value)
{
    TDalJournal::add("DalVoutSetCSC(%d,%d,%d)", output, component, value);
    DAL_FAILED("DalVoutSetCSC");
    return vout().setCsc(output, component, value);
}

int DalVoutSetCovert(int ch, int on)
{
    TDalJournal::add("DalVoutSetCovert(%d,%d)", ch, on);
    DAL_FAILED("DalVoutSetCovert");
    return vout().setCovert(ch, on);
}

int DalVoutSetLive(int on)
{
    TDalJournal::add("DalVoutSetLive(%d)", on);
    DAL_FAILED("DalVoutSetLive");
    return vout().setLive(on);
}

int DalVoutZoom(double ratio, double cx, double cy)
{
    TDalJournal::add("DalVoutZoom(%.2f,%.2f,%.2f)", ratio, cx, cy);
    DAL_FAILED("DalVoutZoom");
    return vout().zoom(ratio, cx, cy);
}

} // extern "C"
