#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QRect>

class QIcon;
class TButton;
class TCombo;

// The search options: default mode, event, channel and interval of the
// search window, which channels and days playback shows, date overlap,
// de-interlace and the POS text. Every change goes at once into the edit
// copy of the search options section; the search window commits it on OK
// (answer 2) and puts the edit copy back on any other answer.
class TSearchOpt : public TDefWnd
{
    Q_OBJECT
public:
    // Combos by the field they edit.
    enum { CB_MODE, CB_EVENT, CB_CHANNEL, CB_INTERVAL, CB_VISIBLE, CB_RANGE, CB_OVERLAP, CB_COUNT };
    enum { BTN_DEINT, BTN_POS, BTN_OK, BTN_CANCEL, BTN_COUNT };
    enum { ROWS = 9, FOCUS_COUNT = 11 };
    // Answers of sg_request.
    enum { ANS_OK = 2, ANS_CANCEL = 3 };

    TSearchOpt(QWidget* parent, int id, QSize size);
    ~TSearchOpt() override;

    TCombo* combo(int id) const;
    TButton* button(int id) const;
    // The control of a row (0..8) and the rectangle its caption fills.
    QWidget* rowCtrl(int row) const;
    QRect captionRect(int row) const { return unsigned(row) < unsigned(ROWS) ? m_caption[row] : QRect(); }
    const FocusLink* focusTable() const { return m_focusTable; }

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

private:
    void layoutCtrl();
    void linkFocus();
    QWidget* focused() const;

    TCombo* m_combo[CB_COUNT] = {};
    TButton* m_btn[BTN_COUNT] = {};
    QIcon* m_checkIcon = nullptr;
    QIcon* m_okIcon = nullptr;
    QRect m_caption[ROWS];
    QRect m_title;
    FocusLink m_focusTable[FOCUS_COUNT] = {};
};
