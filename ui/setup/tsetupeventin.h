#pragma once
#include "tsetuppage.h"

class QIcon;

// The event-input page of the Record tab: a square grid of recording
// channels by inputs, each cell naming which events of that input start
// event recording on that channel (none, sensor, motion, sensor with motion
// and text input, or text input only). A click steps the cell on through the
// states its input has.
class TSetupEventin : public TSetupPage
{
    Q_OBJECT
public:
    enum { Side = 20, Cells = Side * Side, R_DEFAULT = Cells, R_APPLY, R_MENU, R_COUNT };
    // The cell values.
    enum { LinkNone, LinkSensor, LinkMotion, LinkAll, LinkText, LinkValues };

    TSetupEventin(QWidget* parent, int id, QSize size);
    ~TSetupEventin() override;

    static int cellRow(int row, int column) { return row * Side + column; }

    void init(int background) override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;

public slots:
    void sl_btnclicked(int id, int state = 0) override;

protected:
    void setCtrl() override;
    void keyMatch() override;

private:
    // Shows a value on a cell: its icon and check.
    void showValue(int row, int value, bool checked);

    QIcon* m_icon[LinkValues] = {}; // by value; the none value uses the motion icon
    QRect m_head;
    int m_left = 0;
    int m_top = 0;
    int m_pitchX = 0;
    int m_pitchY = 0;
};
