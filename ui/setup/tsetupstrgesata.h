#pragma once
#include "tsetupstrg.h"

// The "Storage" page of a recorder with more than three disks: sixteen disk
// lines in the groups "DVR" (four internal disks), "eSATA1" and "eSATA2"
// (six each), an alarm row per group, the mirroring line always shown; the
// disks are asked for 100 ms after the show.
class TSetupStrgEsata : public TSetupStrg
{
    Q_OBJECT
public:
    TSetupStrgEsata(QWidget* parent, int id, QSize size);
};
