#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QRect>
#include <QString>

class QIcon;
class TButton;
class TCombo;
class TEdit;

// One camera's PTZ speeds, preset tour and preset names, edited from inside
// the PTZ window without the setup menu. It changes the edit copy of the
// camera's preset block; OK hands the storing to the main window (through
// the PTZ window), Cancel puts the edit copy back as it was.
class TPtzsetup : public TDefWnd
{
    Q_OBJECT
public:
    // Combos: 0 pan speed, 1 tilt speed, 2 dwell, 3..34 the tour steps.
    enum { CB_PAN = 0, CB_TILT = 1, CB_DWELL = 2, CB_STEP = 3, STEPS = 32, CB_COUNT = CB_STEP + STEPS };
    // Buttons: 0..3 page tabs, 4 tour on, 5..12 row checks, 13..20 row
    // clears, 21 clear all, 22 OK, 23 Cancel.
    enum {
        BTN_TAB = 0, BTN_TOUR = 4, BTN_CHECK = 5, BTN_CLEAR = 13, BTN_CLEAR_ALL = 21, BTN_OK = 22,
        BTN_CANCEL = 23, BTN_COUNT = 24
    };
    enum { PAGES = 4, ROWS = 8, SPEEDS = 7, FOCUS_COUNT = 67 };

    TPtzsetup(QWidget* parent, int id, QSize size);
    ~TPtzsetup() override;

    void setChannel(int ch) { m_ch = ch; }
    int page() const { return m_page; }
    TButton* button(int id) const;
    TCombo* combo(int id) const;
    TEdit* edit(int row) const;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    void sg_request(int code);

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_changeIndex(int id, int index);
    void sl_edclicked(int row);
    void sl_reply(int code, QString text);

private:
    void layoutCtrls();
    void linkFocus();
    void fillRows();
    void clearPreset(int n);
    QWidget* focused() const;

    int m_ch = 0;
    int m_page = 0;
    int m_editRow = -1;
    TCombo* m_combo[CB_COUNT] = {};
    TButton* m_btn[BTN_COUNT] = {};
    TEdit* m_edit[ROWS] = {};
    QIcon* m_checkIcon = nullptr;
    QIcon* m_tabIcon = nullptr;
    QIcon* m_okIcon = nullptr;
    QRect m_labelRect[4];
    QRect m_rowRect[ROWS];
    FocusLink m_focusTable[FOCUS_COUNT] = {};
};
