#pragma once
#include "propsections.h"
#include "tsetupsubwnd.h"

class TButton;

// The events that send an e-mail: sensor inputs, motion and video loss per
// camera (each row with "All"), POS text, S.M.A.R.T. warnings, system-log
// events and whether mails carry an image. Edits the e-mail section of the
// edit copy in place; CANCEL (and the e-mail page or the frame hiding while
// the window is open) puts back the section as it was when it was shown
// (TSetupSubWnd).
class TSetupEmailEvt : public TSetupSubWnd
{
    Q_OBJECT
public:
    enum {
        CHS = PROP_MAX_CH,
        SENSOR0 = 0,
        SENSOR_ALL = 20,
        MOTION0 = 21,
        MOTION_ALL = 41,
        VLOSS0 = 42,
        VLOSS_ALL = 62,
        SMART = 64,
        POS = 65,
        SYSLOG = 66,
        IMAGE = 67,
        OK = 68,
        CANCEL = 69,
        BUTTONS = 70
    };

    TSetupEmailEvt(QWidget* parent, int id, QSize size);

    TButton* button(int id) const;
    // The value the next "All" of a row (0 sensor, 1 motion, 2 video loss)
    // writes; kept for the whole run, shared by every window.
    static int allState(int row);
    static void resetAllStates();

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;

public slots:
    void sl_btnclicked(int id, int state = 0);

protected:
    QWidget* arrowMove(int key) override;
    QWidget* firstCtrl() const override;

private:
    PropNetemail* mail() const;
    // Switches shown in a row: the unit's sensors or cameras, at most 20.
    static int rowCount(int row);
    static bool hasTextIn();

    TButton* m_btn[BUTTONS] = {};
};
