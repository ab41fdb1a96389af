#pragma once
#include "tsetuprecpage.h"

// The record-group page of the Record tab: the four sets of per-camera
// recording that the weekly schedule chooses between. Every group must stay
// within the frame budget; confirming the warning brings the first group
// over it on screen.
class TSetupGroup : public TSetupRecPage
{
    Q_OBJECT
public:
    TSetupGroup(QWidget* parent, int id, QSize size);

    void connectTo() override;
    void disconnectFrom() override;

public slots:
    // The message box's answer: OK shows the first group over the budget.
    void sl_fromMsg(int button);
};
