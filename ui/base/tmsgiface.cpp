#include "tmsgiface.h"

namespace {
TMsgIface* s_box = nullptr;
}

TMsgIface::~TMsgIface()
{
    if (s_box == this)
        s_box = nullptr;
}

TMsgIface* TMsgIface::installed()
{
    return s_box;
}

void TMsgIface::install(TMsgIface* box)
{
    s_box = box;
}
