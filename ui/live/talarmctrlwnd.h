#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QRect>

class QIcon;
class TButton;
struct IoState;

// Switching the alarm relays and the buzzer by hand: one row per relay, named
// as in the alarm-output settings, and a buzzer row, each with an "On" and an
// "Off" button of which one is checked. A click switches the output at once;
// on every show the window asks the main window for the outputs' state.
class TAlarmCtrlWnd : public TDefWnd
{
    Q_OBJECT
public:
    // As many relays as the facade switches.
    enum { MAX_RELAYS = 20, PAIRS = MAX_RELAYS + 1, BTN_CLOSE = 2 * PAIRS, BTN_COUNT = BTN_CLOSE + 1 };

    TAlarmCtrlWnd(QWidget* parent, int id, QSize size);
    ~TAlarmCtrlWnd() override;

    // The check marks from the outputs' state; null changes nothing.
    void setState(const IoState* state);
    // Relay rows (the buzzer row follows them).
    int relayRows() const { return m_count; }
    TButton* button(int id) const;

    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    // 0 on every show: the main window reads the outputs and calls setState.
    void sg_request(int code);

public slots:
    void sl_btnclicked(int id, int state = 0);

private:
    void linkFocus();
    void check(int pair, bool on);

    TButton* m_btn[BTN_COUNT];
    QIcon* m_checkIcon;
    QIcon* m_closeIcon;
    QRect m_rowRect[PAIRS];
    FocusLink m_focusTable[BTN_COUNT];
    int m_count;
};
