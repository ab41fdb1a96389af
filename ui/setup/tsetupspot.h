#pragma once
#include "tsetuporderpage.h"

// The spot monitor's page (Display tab, "Spot"): screen mode, sequence dwell,
// skipping cameras without video, and the camera of each sequence step.
class TSetupSpot : public TSetupOrderPage
{
    Q_OBJECT
public:
    // Rows in order: mode, dwell, the skip switch, the 20 steps, Default,
    // Apply, Menu (laid out, kept hidden).
    enum { R_MODE, R_DWELL, R_SKIP, R_STEP0, R_DEFAULT = R_STEP0 + CAMERAS, R_APPLY, R_MENU };

    TSetupSpot(QWidget* parent, int id, QSize size);

    void init(int background) override;
};
