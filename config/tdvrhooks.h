#pragma once
#include "dal.h"

// The device operations the configuration store needs (capabilities, the
// frame-rate scale of a record resolution, a channel's input state). The
// store sits below the device facade, so the facade installs these at start
// and tests install their own; unset entries make the store fall back to
// zeroed records.
struct TDvrHooks {
    int (*getCaps)(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
    double (*scaleRate)(int inputResIdx, int ridx, const AvcCaps* caps, double fps);
    int (*vinGetInfo)(int channel, VinInfo* info);
};

extern TDvrHooks g_dvrHooks;

// Helpers the store calls: each zeroes the given records first, then asks the
// installed operation (if any).
int dvrGetCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
double dvrScaleRate(int inputResIdx, int ridx, const AvcCaps* caps, double fps);
int dvrVinGetInfo(int channel, VinInfo* info);
