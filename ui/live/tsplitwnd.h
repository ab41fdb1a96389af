#pragma once
#include "tdefwnd.h"

#include <QRect>

class QIcon;
class TButton;

// The split-layout chooser: a bar with a button per layout the video output
// offers (at most 12) and below them a numbered cell per camera (at most
// 20) that picks the channel the layout starts with. A choice goes to the
// main window; the bar stays open until Escape. Playback keys pressed while
// it is open are passed on, so playback control keeps working.
class TSplitWnd : public TDefWnd
{
    Q_OBJECT
public:
    enum { MAX_BTN = 12, MAX_CELLS = 20 };

    TSplitWnd(QWidget* parent, int id, QSize size);
    ~TSplitWnd() override;

    // Selects the button of the layout shown (none for a layout the bar
    // does not offer: the cursor goes to the first button).
    void setCurrent(int layoutId);
    // The cursor: 0..buttons-1 the layout buttons, then the cells.
    int current() const { return m_sel; }
    // Layout buttons shown (the output's layouts, at most 12), and cells.
    int buttons() const;
    int cells() const { return m_channels; }
    TButton* button(int i) const;
    QRect cellRect(int c) const;

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;

signals:
    // A layout (num -1), or a cell (mode -1, num the cell).
    void sg_request(int mode, int num);
    // A playback key.
    void sg_request(int key);

public slots:
    void sl_btnclicked(int id, int state = 0);

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    // The choice under the cursor sent, as a click or a cell press would.
    void choose();
    void selectButton(int id);

    TButton* m_btn[MAX_BTN];
    QIcon* m_icon[MAX_BTN];
    int m_channels;
    QRect m_cellRect[MAX_CELLS];
    int m_sel;
};
