#pragma once
#include "tsetuppage.h"

// The camera colour page (Display tab, "Color"): brightness, contrast,
// saturation and hue of each camera, every movement previewed on the camera
// at once, with the chosen camera's live picture in the page's preview
// area.
class TSetupColor : public TSetupPage
{
    Q_OBJECT
public:
    enum { R_BRI, R_CON, R_SAT, R_HUE, R_CAMDEFAULT, R_APPLYALL, R_APPLY, R_DEFAULT, R_MENU };

    TSetupColor(QWidget* parent, int id, QSize size);

    // The preview area while the live picture is asked for.
    bool pipOn() const { return m_pipOn; }
    QRect pipArea() const { return m_params.pipArea; }

    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

protected:
    void keyMatch() override;
    void onReply(int code, const void* data) override;
    void selectChannel(int ch) override;
    void applyAll() override;
    void buttonClicked(int row) override;

private:
    bool m_pipOn = false;
};
