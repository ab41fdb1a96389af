#pragma once
#include "tsetuprecpage.h"

// The record page of the Record tab: camera by camera, the recording the
// unit does while the weekly schedule is off.
class TSetupRecord : public TSetupRecPage
{
    Q_OBJECT
public:
    TSetupRecord(QWidget* parent, int id, QSize size);
};
