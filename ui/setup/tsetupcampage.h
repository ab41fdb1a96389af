#pragma once
#include "tsetuppage.h"

// The shape the per-camera pages of the Device tab share: the camera row
// titled "Camera1", "2" ... "20" (laid out by the page base as on the
// record pages, narrowed to fit the page), whose ends lead into the menu at
// the page's own item (the menu items lead right to camera 1 and left to
// the last camera the unit has), and the focus entries of the page's own
// controls set by hand where they lead to controls that are not rows.
class TSetupCamPage : public TSetupPage
{
    Q_OBJECT
public:
    TSetupCamPage(QWidget* parent, int id, QSize size);

    // The pages of the Device tab keep their "Menu" button hidden.
    void init(int background) override;
    // Where the focus table finds no control for an arrow or the jog, the
    // focus goes to camera button 1.
    void evtKeydown(int key) override;

protected:
    void keyMatch() override;
    // The entry of a control in the focus table; null when it has none.
    FocusLink* entry(QWidget* w);
    // The last camera button the unit shows.
    TButton* lastCamera() const;
};
