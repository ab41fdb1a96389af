#pragma once
#include "tdefwnd.h"

#include <QRect>
#include <QRegion>
#include <QString>

class QIcon;
class QLabel;
class TButton;

// The number pad the PTZ window opens over its right side to drive the
// camera's presets: the operator types a preset number (1 to 255) and runs
// the camera to it, sets it at the camera's position after naming it, or
// clears it. Numbers are shown 1-based and sent 0-based.
class TPtzpreset : public TDefWnd
{
    Q_OBJECT
public:
    enum { BTN_RUN = 0, BTN_SET = 1, BTN_CLEAR = 2, BTN_EXIT = 3, BTN_COUNT = 4 };
    enum { ROWS = 4, COLS = 3, MAX_NUMBER = 255, NAMED = 32 };

    // One keypad cell: its rectangle, digit (-1 an empty cell) and label.
    struct Cell {
        QRect rect;
        int code;
        char label[8];
    };

    TPtzpreset(QWidget* parent, int id, QSize size);
    ~TPtzpreset() override;

    void setChannel(int ch) { m_ch = ch; }
    // The keys the pad takes while it is open; the arrows are not among
    // them, so they still move the camera.
    static bool isPresetKey(int key);

    QString display() const;
    TButton* button(int id) const;
    // The cell of a digit, null for another value.
    const Cell* cellOf(int code) const;
    int highlighted() const { return m_hl; }

    void init(int param) override;
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
    void sg_keynotify(int press, int code);
    void sg_request(int kind, int preset);

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_keynotify(int press, int code);
    void sl_reply(int code, QString text);
    void sl_showed(int id, int shown, QRegion region);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void layoutCtrls();
    void pressCell(int code);
    void outOfRange();
    // The jog ring: 1..9, 0, Run, Set, Clear, Exit and round again.
    void stepRing(int step);
    int cellAt(const QPoint& p) const;
    void clearButtonFocus();

    int m_ch = 0;
    int m_hl = -1;        // highlighted cell (index), -1 none
    int m_pressed = -1;   // digit of the cell held by the mouse
    int m_restart = 0;    // the next digit starts a new number
    QRect m_hover;
    QRect m_titleRect;
    QLabel* m_display = nullptr;
    TButton* m_btn[BTN_COUNT] = {};
    QIcon* m_icon = nullptr;
    Cell m_cells[ROWS * COLS] = {};
};
