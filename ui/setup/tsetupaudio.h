#pragma once
#include "tsetuppage.h"

class TCombo;

// The audio page (Device tab, "Audio"): the camera channel each audio input
// is recorded with, and the channel heard on the audio output. The output
// plays what the edited setting selects while the page is shown. An input
// that takes a channel another input holds hands that input its own old
// channel; "Off" never swaps.
class TSetupAudio : public TSetupPage
{
    Q_OBJECT
public:
    enum { INPUTS = 20, COLUMN = 10 };
    enum { R_IN0 = 0, R_OUT = R_IN0 + INPUTS, R_APPLY, R_DEFAULT, R_MENU };

    TSetupAudio(QWidget* parent, int id, QSize size);

    // The unit's audio inputs (live device record), 0..20.
    static int audios();
    // Input id takes list position index in ins[0..n): the first other
    // input showing that position takes the one id showed, unless the
    // position is "Off" (videos). A stored position outside the list shows
    // as the input's own channel. Returns the input that changed with it,
    // -1 when none did.
    static int choose(int32_t* ins, int n, int videos, int id, int index);

    TCombo* inputCombo(int i) const;

    void init(int background) override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtLanguage() override;
    void evtKeydown(int key) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;
    void sl_changeIndex(int id, int index) override;

protected:
    void setCtrl() override;
};
