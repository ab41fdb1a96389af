#pragma once
#include "tsetupcampage.h"

// The camera page (Device tab, "Camera"): per camera its title, typed on
// the text keyboard, and the "Disable" and "Covert" switches; the signal
// type is shown but cannot be changed.
class TSetupCamera : public TSetupCamPage
{
    Q_OBJECT
public:
    enum { R_SIGNAL, R_NAME, R_DISABLE, R_COVERT, R_APPLY, R_DEFAULT, R_MENU };
    // The longest title, in characters.
    enum { TitleChars = 14 };

    TSetupCamera(QWidget* parent, int id, QSize size);

public slots:
    void sl_edclicked(int id) override;

protected:
    void setCtrl() override;
};
