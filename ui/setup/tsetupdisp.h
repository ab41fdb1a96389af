#pragma once
#include "tsetuporderpage.h"

class QTimer;

// The main monitor's page (Display tab, "Display"): output resolution and
// output device, both switched at once and kept only when the operator
// confirms within 15 s; sequence dwell, 4:3 full screen, skipping cameras
// without video, the display order, and the monitor colours previewed live.
class TSetupDisp : public TSetupOrderPage
{
    Q_OBJECT
public:
    enum {
        R_RES,
        R_DEVICE,
        R_DWELL,
        R_RATIO,
        R_SKIP,
        R_ORDER0,
        R_BRI = R_ORDER0 + CAMERAS,
        R_CON,
        R_SAT,
        R_HUE,
        R_DEFAULT,
        R_APPLY,
        R_MENU
    };
    enum { CONFIRM_MS = 15000 };

    TSetupDisp(QWidget* parent, int id, QSize size);

    // The preview component of a colour slider row (brightness 0,
    // saturation 1, hue 2, contrast 3); -1 for other rows.
    static int component(int row);
    // 1 while the operator is asked to keep a new output.
    int asking() const { return m_asking; }
    QTimer* confirmTimer() const { return m_confirm; }

    void init(int background) override;
    void evtResize() override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtHide() override;

public slots:
    void sl_outputIndex(int id, int index);
    void sl_cscValue(int id, int value);
    void sl_fromMsg(int button);
    void sl_checkReso();

protected:
    void setCtrl() override;
    void buttonClicked(int row) override;

private:
    void ask();
    void endAsking();
    void revert();
    void setOutputCombos();

    QTimer* m_confirm = nullptr;
    int m_asking = 0;
    // The output (resolution, device) before the change being asked about.
    int m_keepRes = 0;
    int m_keepDevice = 0;
};
