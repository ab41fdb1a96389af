#pragma once
#include "tsetupgridpage.h"

class TMotionGrid;

// The motion detection page (Device tab): per camera the sensitivity and
// the detection area, drawn on the camera's live picture; every change is
// tried on the device at once, and the cells that see motion light up.
class TSetupMotion : public TSetupGridPage
{
    Q_OBJECT
public:
    enum { R_SENS, R_ALLON, R_ALLOFF, R_APPLYALL, R_APPLY, R_DEFAULT, R_MENU };

    TSetupMotion(QWidget* parent, int id, QSize size);

    TMotionGrid* motionGrid() const;
    // The live motion block of the traced camera (reply 51): 32 words.
    void onMdInfo(int a, const void* data);

    void init(int background) override;
    void evtShow() override;
    void evtHide() override;

public slots:
    void sl_fromGrid(int code, int x, int y) override;
    void sl_changeIndex(int id, int index) override;

protected:
    void setCtrl() override;
    void onReply(int code, const void* data) override;
    void selectChannel(int ch) override;
    void applyAll() override;
    void buttonClicked(int row) override;

private:
    QPoint m_dragStart{-1, -1};
    QPoint m_dragEnd{-1, -1};
};
