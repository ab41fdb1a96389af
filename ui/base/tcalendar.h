#pragma once
#include "tmonthgrid.h"

#include <QDate>
#include <QRect>
#include <QWidget>

class QIcon;
class TButton;
class TCalendarPop;

// One month as 6 weeks of 7 days (Sunday first) under a header with the year,
// the month and two month buttons. The search window marks the days that hold
// recordings and chooses only among them (select mode); the holiday page marks
// holidays. A day marked 2 or more has that many entries, picked from an entry
// list. Works with the mouse, the arrows and the jog dial; the owner passes
// every key to keyEvent first.
class TCalendar : public QWidget
{
    Q_OBJECT
public:
    TCalendar(QWidget* parent, int id, QSize size);
    ~TCalendar() override;

    void init();
    void createCtrl();
    void reset();
    void setMonth(int year, int month);
    QDate date() const { return m_date; }
    void setDay(int day);
    void setMode(int on) { m_selectOn = on; }
    void setMark(int day, int value);
    void clearMark(int day);
    void clearMarks();
    int cellOfDay(int day) const { return m_grid.cellOfDay(day); }
    int dayAt(int cell) const { return m_grid.dayAt(cell); }
    int markAt(int cell) const { return m_grid.markAt(cell); }
    void selectDay(int day);
    void refresh();
    int keyEvent(int key);
    void popup(int row, int count);

    // The cell that has the key focus, -1 when none.
    int focusCell() const;
    // The rectangle of a cell of the day grid.
    QRect cellRect(int cell) const;
    int isOn() const { return m_on; }
    int row() const { return m_row; }
    TButton* currentButton() const { return m_curBtn; }
    TButton* button(int id) const { return id == 0 ? m_btnPrev : id == 1 ? m_btnNext : nullptr; }
    TCalendarPop* pop() const { return m_pop; }
    int selMonth() const { return m_selMonth; }
    QRect selRect() const { return m_selRect; }

signals:
    void sg_changeMonth(QDate date);
    void sg_dblclicked(QDate date);
    void sg_state(int dir);
    void sg_dayindex(int n);

public slots:
    void sl_btnclicked(int id, int state);
    void sl_clicked(int n);
    void sl_timeoutEnter();
    void sl_timeoutLeave();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void layoutCtrl();
    int cellAt(const QPoint& p) const;
    void setFocusDay(int cell);
    void clearFocusDay();
    void setCurBtn(TButton* b);
    void toGrid(int cell);
    void downFromButton();

    QDate m_date;
    TMonthGrid m_grid;
    int m_selectOn;
    int m_cellW;
    int m_cellH;
    QRect m_focusRect;
    int m_selMonth;
    QRect m_selRect;
    TButton* m_btnPrev;
    TButton* m_btnNext;
    TCalendarPop* m_pop;
    TButton* m_curBtn;
    int m_on;
    int m_row;
    QIcon* m_iconPrev;
    QIcon* m_iconNext;
};
