#pragma once
#include "tsetuppage.h"

// The controller page (Device tab, "Controller"): the id the recorder
// answers the infrared remote controller with, the key buzzer, and, on the
// variant with the serial system keyboard, that keyboard's type and id.
class TSetupCtrl : public TSetupPage
{
    Q_OBJECT
public:
    enum { R_DVRID, R_BUZZER, R_CONTROL, R_CONTROLID, R_APPLY, R_DEFAULT, R_MENU };
    // The variant with the serial system keyboard.
    enum { OemSystemKeyboard = 7 };

    TSetupCtrl(QWidget* parent, int id, QSize size);

    // Whether this run offers the system keyboard.
    static bool keyboardShown();

    void init(int background) override;
    void evtKeydown(int key) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;

protected:
    void setCtrl() override;
};
