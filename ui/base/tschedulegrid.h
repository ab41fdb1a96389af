#pragma once
#include <QPoint>
#include <QRect>

// The cells and the geometry of the weekly recording schedule: 8 rows (Sunday
// to Saturday and holidays) of 144 ten-minute cells, laid out as a corner, an
// hour header, row labels and 24 columns that show either whole hours or,
// zoomed, ten minutes each over four hours. Writes paint a column, a row, a
// rectangle or everything with one value, or step each cell on to its next
// value. A plain class so that schedule edits and hit tests can be checked
// without a widget.
class TScheduleGrid
{
public:
    enum { Rows = 8, CellsPerRow = 144, Size = Rows * CellsPerRow, Cols = 24, MaxFirstHour = 20 };
    // Regions of the widget, and the selection kinds named after them.
    enum { None = 0, Header = 1, Label = 2, Grid = 3, Corner = 4, Buttons = 5 };

    TScheduleGrid();

    // Lays the grid out for a widget size and resets the view: day view,
    // first hour 0, every cell 0. Narrower than 168 px the columns are 0 px
    // wide and no point lies in any region.
    void layout(int w, int h);

    void setData(const char* cells);
    const char* data() const { return m_data; }
    char* data() { return m_data; }
    // The value of a cell; 4 (nothing) outside the grid.
    int value(int row, int cell) const;

    int colW() const { return m_colW; }
    int rowH() const { return m_rowH; }
    int zoom() const { return m_zoom; }
    int firstHour() const { return m_firstHour; }
    int secPerPx() const { return m_secPerPx; }
    QRect gridRect() const { return m_gridRect; }
    QRect headRect() const { return m_headRect; }
    QRect labelRect() const { return m_labelRect; }
    QRect cornerRect() const { return m_cornerRect; }

    // The zoom and scroll buttons: 0 "<", 1 "+", 2 "-", 3 ">".
    void button(int id);

    // First cell of column k (0..23) and how many cells the column holds.
    int cellOfColumn(int k) const;
    int cellsPerColumn() const { return m_zoom ? 1 : 6; }
    // The cell under x inside the cell area, -1 outside.
    int cellAtX(int x) const;
    // The region under p with its column (header, cell area) and row (row
    // labels, cell area); None outside all four.
    int regionAt(const QPoint& p, int* col, int* row) const;
    // The outline of one cell of a region (the corner, a header column, a
    // row label, a cell of the cell area).
    QRect cellRect(int region, int col, int row) const;
    // The pixel rectangle of the cells between two corners, in any order.
    QRect spanRect(int k0, int r0, int k1, int r1) const;

    // Writes the cells chosen by kind: 1 column k0, 2 row r0, 3 the
    // rectangle (k0, r0)-(k1, r1), 4 all. With cycle every chosen cell steps
    // to its next value (0, 1, 2, 3, 4, 0); otherwise each gets the preset's
    // value. Columns and rows outside the grid are clamped into it.
    void write(int kind, int k0, int r0, int k1, int r1, bool cycle, int preset);
    // Value written by a fresh selection: preset 0 means 4, k > 0 means k - 1.
    static int presetValue(int preset);
    static int nextValue(int v) { return v >= 0 && v < 4 ? v + 1 : 0; }

private:
    void setCell(int row, int cell, bool cycle, int v);

    int m_colW;
    int m_rowH;
    int m_zoom;
    int m_firstHour;
    int m_secPerPx;
    QRect m_gridRect;
    QRect m_headRect;
    QRect m_labelRect;
    QRect m_cornerRect;
    char m_data[Size];
};
