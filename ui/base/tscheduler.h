#pragma once
#include "tschedulegrid.h"

#include <QRect>
#include <QWidget>

class QTimer;
class TButton;

// The weekly recording-schedule editor: 8 rows (Sunday to Saturday and
// holidays) by 24 hours of six 10-minute cells, each holding one of five
// values in its own colour. The operator paints a value over an hour column,
// a row, a rectangle or the whole grid, by mouse or by the front-panel keys
// and jog, and zooms from the whole day to four hours. The owner loads the
// cells with setData, forwards its keys to isLock and follows sg_changeValue.
class TScheduler : public QWidget
{
    Q_OBJECT
public:
    TScheduler(QWidget* parent, int id, const QSize& size);

    void createCtrl();
    void setData(const char* cells);
    int isLock(int key);

    // The value a fresh selection writes: 0 means value 4, k > 0 value k - 1.
    void setPreset(int preset) { m_preset = preset; }
    int preset() const { return m_preset; }

    const TScheduleGrid& grid() const { return m_grid; }
    int value(int row, int cell) const { return m_grid.value(row, cell); }
    int mode() const { return m_mode; }
    int isActive() const { return m_active; }
    int isLocked() const { return m_lock; }
    int curValue() const { return m_curValue; }
    QRect hilite() const { return m_hilite; }
    QPoint keyCursor() const { return QPoint(m_keyCur[0], m_keyCur[1]); }
    QPoint farCorner() const { return QPoint(m_keyCur[2], m_keyCur[3]); }
    QWidget* focusBtn() const { return m_focusBtn; }
    TButton* button(int id) const;

signals:
    void sg_changeValue(int kind, int value, char** cells);

public slots:
    void sl_btnclicked(int id, int state);
    void sl_timeout();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void placeButtons();
    void setHilite(const QRect& r, int grow);
    void moveFocus(int kind, int col, int row, int btn = 0);
    void walk(int key);
    void stretch(int key);
    void escape();
    void enter();
    void reportKeyValue(int key);
    // Writes the cells that kind chooses between two corners (the key
    // cursor and far corner, or the mouse drag's ends).
    void setdata(int kind, int k0, int r0, int k1, int r1);
    void emitChanged();
    int buttonIndex(QWidget* w) const;

    int m_id;
    int m_curValue;
    int m_lock;
    int m_active;
    int m_keyCur[4];
    QWidget* m_focusBtn;
    QWidget* m_parent;
    int m_mode;
    int m_prevMode;
    int m_pressed;
    int m_preset;
    TButton* m_btnLeft;
    TButton* m_btnIn;
    TButton* m_btnOut;
    TButton* m_btnRight;
    QRect m_hilite;
    QRect m_lastApplied;
    int m_drag[4];
    TScheduleGrid m_grid;
    QTimer* m_timer;
};
