#pragma once
#include "dal.h"

#include <QObject>
#include <QSize>

class TDvrApiTest;

// The device facade: the one object between the windows and the device
// layer, g_api. It is declared here once, grouped by area, and each area is
// defined in its own file (tdvrapi.cpp: construction and process services;
// tdvrapi-dal.cpp: device operations; further areas as tdvrapi-<area>.cpp).
class TDVRAPI : public QObject
{
    Q_OBJECT
public:
    TDVRAPI();
    ~TDVRAPI() override;

    // ---- Process services (tdvrapi.cpp) ----
    // Gives the configuration store (which sits below the facade) the
    // device operations it needs: getCaps, scaleRate, vinGetInfo.
    static void installConfigHooks();
    // Runs one command line through the command runner; its status, -1 for
    // a null command or a refused or missing program.
    int runSystem(const char* command);

    // ---- Capabilities and video input (tdvrapi-dal.cpp) ----
    // Fresh capability records: each given record is zeroed, then filled by
    // the device layer (DalGetCaps, then DalVoutGetCaps), and its counts are
    // cut to the sizes of its tables. A null record is not wanted. Always 0.
    int getCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
    // fps scaled by the ratio of record resolution ridx; fps unchanged for
    // an index outside the record's count or its table.
    double scaleRate(int inputResIdx, int ridx, const AvcCaps* caps, double fps) const;
    // The input state of a channel (record zeroed first); the device
    // layer's result.
    int vinGetInfo(int channel, VinInfo* info);
    // The size of the video output: the resolution the DISPLAY section of
    // the live (1) or edit (0) configuration copy chooses, from fresh output
    // capabilities; an empty size for an index the output does not offer.
    // Without a configuration object the first resolution is taken.
    QSize voutInfo(int live);

private:
    friend class TDvrApiTest;
    // The size of output resolution res; the index is checked against
    // numRes and the 20 entries of the table (an empty size outside them).
    static QSize voutSize(const VoutCaps& caps, int res);
};

// The one device facade of the process.
extern TDVRAPI g_api;
