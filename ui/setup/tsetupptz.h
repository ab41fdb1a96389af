#pragma once
#include "tsetuppage.h"

class TPtzbtn;

// The PTZ page (Device tab, "PTZ"): for each camera the protocol driver of
// its pan/tilt head, the head's address and the bus baud rate, each change
// tried on the device at once; the chosen camera's live picture in the
// page's preview area, and a direction pad that moves the camera.
class TSetupPtz : public TSetupPage
{
    Q_OBJECT
public:
    enum { R_DRIVER, R_ADDR, R_BAUD, R_PAD, R_DEFAULT, R_APPLY, R_MENU };
    enum { DRIVER_SIZE = 32 };

    TSetupPtz(QWidget* parent, int id, QSize size);

    TPtzbtn* pad() const;
    // The preview area while the live picture is asked for.
    bool pipOn() const { return m_pipOn; }
    QRect pipArea() const { return m_params.pipArea; }
    // The pad direction started and not yet stopped; -1 none.
    int held() const { return m_held; }

    void init(int background) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;
    void sl_ptzclicked(int pressed, int direction);

protected:
    void setCtrl() override;
    void selectChannel(int ch) override;
    int keyTaken(int key) override;

private:
    // The list positions of the shown camera's three fields.
    void positions(int* out) const;

    bool m_pipOn = false;
    int m_held = -1;
    int m_heldCam = 0;
    bool m_enterToPad = false;
};
