#pragma once

// The cells of one month as the calendar shows it: 6 weeks of 7 days,
// Sunday first, with a mark per cell, and the walks the keys make over them.
// A plain class so that month layouts and key walks can be checked without
// a widget.
class TMonthGrid
{
public:
    enum { Cols = 7, Weeks = 6, Cells = 42 };

    TMonthGrid();

    static int daysInMonth(int year, int month);

    // Clears every cell and mark and lays the month out; returns the day to
    // keep chosen: keepDay when the month has it, else 1.
    int setMonth(int year, int month, int keepDay);

    // Day number shown in a cell (0 for an empty cell or a cell outside 0..41).
    int dayAt(int cell) const;
    int markAt(int cell) const;
    // The cell showing day, -1 when none.
    int cellOfDay(int day) const;
    void setMark(int day, int value);
    void clearMark(int day);
    void clearMarks();

    // The cell a key leads to from cell, or -1: arrows, and the jog dial
    // (14, 15) over all days. In select mode the arrows skip unmarked days.
    int moveFocus(int cell, int key, bool selectOn) const;

private:
    bool isDay(int cell) const { return dayAt(cell) != 0; }
    bool isMarkedDay(int cell) const { return isDay(cell) && m_marks[cell] != 0; }

    unsigned char m_days[Cells];
    unsigned char m_marks[Cells];
};
