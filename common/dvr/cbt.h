#pragma once
// The device layer's callback type codes (CBT_ names), one enumeration per
// callback family: CbtIo, CbtVin, CbtPos, CbtDec, CbtEnc, CbtNese, CbtNet,
// CbtBackup, and CBT_VELOR_TEST of the serial test. They are the device
// layer's own, so they come from its interface.
#include "dal.h"
