#pragma once
#include "propsections.h"

// Builds the unit's device record (configuration section 0) from the device
// layer's capability records. The whole record is zeroed first.
void makeDevInfo(PropDevices* rec);
