// The stand-in's video-output calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Video output ---- */

int DalVoutSetCaps(int output, int res)
{
    DAL_LATER("DalVoutSetCaps(%d,%d)", output, res);
}

int DalVoutSetLayout(int output, int layout, const int32_t* chain)
{
    DAL_LATER("DalVoutSetLayout(%d,%d,%s)", output, layout, P(chain));
}

int DalVoutGetLayoutInfo(int output, int sub, int32_t* num, VidWnd* wnd)
{
    DAL_LATER("DalVoutGetLayoutInfo(%d,%d,%s,%s)", output, sub, P(num), P(wnd));
}

int DalVoutNumCell(int layout)
{
    DAL_LATER("DalVoutNumCell(%d)", layout);
}

int DalVoutNumBigCell(int layout)
{
    DAL_LATER("DalVoutNumBigCell(%d)", layout);
}

int DalVoutSetViw(int output, int x, int y, int w, int h)
{
    DAL_LATER("DalVoutSetViw(%d,%d,%d,%d,%d)", output, x, y, w, h);
}

int DalVoutSetAlpha(int x, int y, int w, int h, int level)
{
    DAL_LATER("DalVoutSetAlpha(%d,%d,%d,%d,%d)", x, y, w, h, level);
}

int DalVoutSetCSC(int output, int component, int value)
{
    DAL_LATER("DalVoutSetCSC(%d,%d,%d)", output, component, value);
}

int DalVoutSetCovert(int ch, int on)
{
    DAL_LATER("DalVoutSetCovert(%d,%d)", ch, on);
}

int DalVoutSetLive(int on)
{
    DAL_LATER("DalVoutSetLive(%d)", on);
}

int DalVoutZoom(double ratio, double cx, double cy)
{
    DAL_LATER("DalVoutZoom(%.2f,%.2f,%.2f)", ratio, cx, cy);
}

} // extern "C"
