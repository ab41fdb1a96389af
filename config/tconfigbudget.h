#pragma once
#include "propsections.h"

#include <QString>

// The recording load budget as the configuration object asks for it. The
// configuration object gathers the inputs (the live copy's channel count, the
// edit copy's cameras, its refreshed encoder capability copy); the weighing
// itself belongs to the load budget code, which defines these three.
double tconfigTableLoad(const RecordEntry* table, int videos, int channel, const AvcCaps& caps,
                        const PropCamera* camera);
bool tconfigIsOverload(double load, int limit);
QString tconfigLoadText(double load);
