#pragma once
#include "propsections.h"

// Builds the unit's device record (configuration section 0) from the device
// layer's capability records, fetched from the device through g_api. The
// whole record is zeroed first.
void makeDevInfo(PropDevices* rec);
// The same from capability records at hand (the device record a test unit
// or a stand-in device stands for).
void makeDevInfo(PropDevices* rec, const DalCaps& dal, const AvcCaps& avc);
