#include "tschedulegrid.h"

#include <QtGlobal>

#include <cstring>

TScheduleGrid::TScheduleGrid()
    : m_colW(0), m_rowH(0), m_zoom(0), m_firstHour(0), m_secPerPx(0)
{
    std::memset(m_data, 0, sizeof m_data);
}

void TScheduleGrid::layout(int w, int h)
{
    m_colW = qMax(0, w / 28) / 6 * 6;
    m_rowH = qMax(0, h / 10);
    const int c = m_colW, r = m_rowH;
    m_cornerRect = QRect(QPoint(0, 0), QPoint(4 * c - 1, r - 1));
    m_headRect = QRect(QPoint(4 * c, 0), QPoint(28 * c - 1, r - 1));
    m_labelRect = QRect(QPoint(0, r), QPoint(4 * c - 1, 9 * r - 1));
    m_gridRect = QRect(QPoint(4 * c, r), QPoint(28 * c - 1, 9 * r - 1));
    m_zoom = 0;
    m_firstHour = 0;
    // No columns, no pixels to map: zero seconds per pixel rather than a
    // division by zero.
    m_secPerPx = m_colW ? 3600 / m_colW : 0;
    std::memset(m_data, 0, sizeof m_data);
}

void TScheduleGrid::setData(const char* cells)
{
    if (cells)
        std::memcpy(m_data, cells, sizeof m_data);
}

int TScheduleGrid::value(int row, int cell) const
{
    if (row < 0 || row >= Rows || cell < 0 || cell >= CellsPerRow)
        return 4;
    return m_data[row * CellsPerRow + cell];
}

void TScheduleGrid::button(int id)
{
    switch (id) {
    case 1: // "+": always hours 0 to 3
        if (m_zoom == 0) {
            m_zoom = 1;
            m_firstHour = 0;
            m_secPerPx = m_colW ? 600 / m_colW : 0;
        }
        break;
    case 2: // "-"
        if (m_zoom == 1) {
            m_zoom = 0;
            m_firstHour = 0;
            m_secPerPx = m_colW ? 3600 / m_colW : 0;
        }
        break;
    case 0: // "<": only the zoomed view scrolls; the day view shows all hours
        if (m_zoom && m_firstHour > 0)
            --m_firstHour;
        break;
    case 3: // ">"
        if (m_zoom && m_firstHour < MaxFirstHour)
            ++m_firstHour;
        break;
    default:
        break;
    }
}

int TScheduleGrid::cellOfColumn(int k) const
{
    k = qBound(0, k, Cols - 1);
    return m_zoom ? 6 * m_firstHour + k : 6 * k;
}

int TScheduleGrid::cellAtX(int x) const
{
    if (m_colW <= 0 || x < m_gridRect.left() || x > m_gridRect.right())
        return -1;
    const int cell = ((x - m_gridRect.left()) * m_secPerPx + m_firstHour * (m_zoom ? 3600 : 0)) / 600;
    return qBound(0, cell, CellsPerRow - 1);
}

int TScheduleGrid::regionAt(const QPoint& p, int* col, int* row) const
{
    *col = 0;
    *row = 0;
    if (m_colW <= 0 || m_rowH <= 0)
        return None;
    if (m_cornerRect.contains(p))
        return Corner;
    if (m_headRect.contains(p)) {
        *col = qMin(Cols - 1, (p.x() - m_headRect.left()) / m_colW);
        return Header;
    }
    if (m_labelRect.contains(p)) {
        *row = qMin(Rows - 1, (p.y() - m_labelRect.top()) / m_rowH);
        return Label;
    }
    if (m_gridRect.contains(p)) {
        *col = qMin(Cols - 1, (p.x() - m_gridRect.left()) / m_colW);
        *row = qMin(Rows - 1, (p.y() - m_gridRect.top()) / m_rowH);
        return Grid;
    }
    return None;
}

QRect TScheduleGrid::cellRect(int region, int col, int row) const
{
    col = qBound(0, col, Cols - 1);
    row = qBound(0, row, Rows - 1);
    switch (region) {
    case Corner:
        return m_cornerRect;
    case Header:
        return QRect(m_headRect.left() + col * m_colW, 0, m_colW, m_rowH);
    case Label:
        return QRect(0, m_labelRect.top() + row * m_rowH, 4 * m_colW, m_rowH);
    case Grid:
        return QRect(m_gridRect.left() + col * m_colW, m_gridRect.top() + row * m_rowH, m_colW, m_rowH);
    default:
        return QRect(QPoint(0, 0), QPoint(-1, -1));
    }
}

QRect TScheduleGrid::spanRect(int k0, int r0, int k1, int r1) const
{
    const QRect a = cellRect(Grid, qMin(k0, k1), qMin(r0, r1));
    const QRect b = cellRect(Grid, qMax(k0, k1), qMax(r0, r1));
    return a.united(b);
}

int TScheduleGrid::presetValue(int preset)
{
    return preset > 0 ? qBound(0, preset - 1, 4) : 4;
}

void TScheduleGrid::setCell(int row, int cell, bool cycle, int v)
{
    char& c = m_data[row * CellsPerRow + cell];
    c = static_cast<char>(cycle ? nextValue(c) : v);
}

void TScheduleGrid::write(int kind, int k0, int r0, int k1, int r1, bool cycle, int preset)
{
    const int v = presetValue(preset);
    auto clampCol = [](int k) { return qBound(0, k, Cols - 1); };
    auto clampRow = [](int r) { return qBound(0, r, Rows - 1); };
    switch (kind) {
    case Header: {
        const int first = cellOfColumn(clampCol(k0));
        for (int r = 0; r < Rows; ++r) {
            for (int c = first; c < first + cellsPerColumn(); ++c)
                setCell(r, c, cycle, v);
        }
        break;
    }
    case Label: {
        const int r = clampRow(r0);
        for (int c = 0; c < CellsPerRow; ++c)
            setCell(r, c, cycle, v);
        break;
    }
    case Grid: {
        const int ka = clampCol(qMin(k0, k1)), kb = clampCol(qMax(k0, k1));
        const int ra = clampRow(qMin(r0, r1)), rb = clampRow(qMax(r0, r1));
        const int first = cellOfColumn(ka);
        const int last = cellOfColumn(kb) + cellsPerColumn() - 1;
        for (int r = ra; r <= rb; ++r) {
            for (int c = first; c <= last; ++c)
                setCell(r, c, cycle, v);
        }
        break;
    }
    case Corner:
        for (int r = 0; r < Rows; ++r) {
            for (int c = 0; c < CellsPerRow; ++c)
                setCell(r, c, cycle, v);
        }
        break;
    default:
        break;
    }
}
