#pragma once
#include "tselgrid.h"

#include <cstdint>

// The motion page's area grid: one camera's detection area as cells, a
// green marker for each cell of the area, toggled by rectangles; while the
// page receives live motion, the area's cells that see motion turn red.
// It keeps its own copy of the cells and tells the page of every change
// (code 1 with the end cell once its cells have changed).
class TMotionGrid : public TSelGrid
{
    Q_OBJECT
public:
    enum { ReqEnd = 1 };

    // The size comes from the edit copy's motion section: rows cells
    // across, cols cells down.
    explicit TMotionGrid(QWidget* parent);
    TMotionGrid(QWidget* parent, int cols, int rows);

    // Cell (x, y) from bit x of rows[y], for the grid's cells.
    void setData(const uint32_t* rows);
    void clear();
    // A live motion block (32 words); dropped during a selection.
    void setLiveMd(const uint32_t* rows);
    bool cell(int x, int y) const;
    uint32_t liveDrawn(int y) const { return y >= 0 && y < MAX_CELLS ? m_drawn[y] : 0; }

public slots:
    void sl_timeout();

protected:
    void applySel(const QPoint& a, const QPoint& b) override;
    void drawImage() override;

private:
    TMotionGrid(QWidget* parent, const QPoint& size);
    QRect marker(int x, int y) const;

    unsigned char m_cell[MAX_CELLS][MAX_CELLS] = {};
    uint32_t m_live[MAX_CELLS] = {};
    uint32_t m_drawn[MAX_CELLS] = {};
    bool m_pending = false;
};
