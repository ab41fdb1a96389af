#include "tmonthgrid.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QDate>

#include <cstring>

TMonthGrid::TMonthGrid()
{
    std::memset(m_days, 0, sizeof m_days);
    std::memset(m_marks, 0, sizeof m_marks);
}

int TMonthGrid::daysInMonth(int year, int month)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && QDate::isLeapYear(year))
        return 29;
    return kDays[month - 1];
}

int TMonthGrid::setMonth(int year, int month, int keepDay)
{
    std::memset(m_days, 0, sizeof m_days);
    std::memset(m_marks, 0, sizeof m_marks);
    const int len = daysInMonth(year, month);
    const QDate first(year, month, 1);
    if (len == 0 || !first.isValid())
        return 1;
    // dayOfWeek: 1 Monday .. 7 Sunday; Sunday is column 0.
    const int col = first.dayOfWeek() % 7;
    for (int d = 1; d <= len; ++d)
        m_days[col + d - 1] = static_cast<unsigned char>(d);
    return keepDay >= 1 && keepDay <= len ? keepDay : 1;
}

int TMonthGrid::dayAt(int cell) const
{
    return cell >= 0 && cell < Cells ? m_days[cell] : 0;
}

int TMonthGrid::markAt(int cell) const
{
    return cell >= 0 && cell < Cells ? m_marks[cell] : 0;
}

int TMonthGrid::cellOfDay(int day) const
{
    if (day <= 0)
        return -1;
    for (int c = 0; c < Cells; ++c) {
        if (m_days[c] == day)
            return c;
    }
    return -1;
}

void TMonthGrid::setMark(int day, int value)
{
    const int c = cellOfDay(day);
    if (c >= 0)
        m_marks[c] = static_cast<unsigned char>(qBound(0, value, 255));
}

void TMonthGrid::clearMark(int day)
{
    setMark(day, 0);
}

void TMonthGrid::clearMarks()
{
    std::memset(m_marks, 0, sizeof m_marks);
}

int TMonthGrid::moveFocus(int cell, int key, bool selectOn) const
{
    const int w = cell >= 0 ? cell / Cols : -1;
    int n = -1;
    switch (key) {
    case KEY_JOG_LEFT:
        if (cell > 0 && isDay(cell - 1)) {
            n = cell - 1;
        } else {
            for (int c = Cells - 1; c >= 0; --c) {
                if (isDay(c)) {
                    n = c;
                    break;
                }
            }
        }
        break;
    case KEY_JOG_RIGHT:
        if (cell + 1 < Cells && isDay(cell + 1)) {
            n = cell + 1;
        } else {
            for (int c = 0; c < Cells; ++c) {
                if (isDay(c)) {
                    n = c;
                    break;
                }
            }
        }
        break;
    case Qt::Key_Left:
        if (cell < 0 || cell >= Cells)
            break;
        if (selectOn) {
            for (int c = cell - 1; c >= w * Cols; --c) {
                if (isMarkedDay(c)) {
                    n = c;
                    break;
                }
            }
        } else if (cell - 1 >= 0 && isDay(cell - 1)) {
            n = cell - 1;
        }
        break;
    case Qt::Key_Right:
        if (cell < 0 || cell >= Cells)
            break;
        if (selectOn) {
            for (int c = cell + 1; c < (w + 1) * Cols; ++c) {
                if (isMarkedDay(c)) {
                    n = c;
                    break;
                }
            }
        } else if (cell + 1 < Cells && isDay(cell + 1)) {
            n = cell + 1;
        }
        break;
    case Qt::Key_Up:
        qCDebug(lcUiBase, "TCalendar.. m_selectOn:%d", int(selectOn));
        if (cell < 0 || cell >= Cells)
            break;
        if (selectOn) {
            for (int c = w * Cols - 1; c >= 0; --c) {
                if (isMarkedDay(c)) {
                    n = c;
                    break;
                }
            }
        } else if (w > 0 && isDay(cell - Cols)) {
            n = cell - Cols;
        }
        break;
    case Qt::Key_Down:
        if (cell < 0 || cell >= Cells)
            break;
        if (selectOn) {
            if (w >= Weeks - 1)
                break;
            for (int c = (w + 1) * Cols; c < Cells; ++c) {
                if (isMarkedDay(c)) {
                    n = c;
                    break;
                }
            }
        } else if (cell + Cols < Cells && isDay(cell + Cols)) {
            n = cell + Cols;
        }
        break;
    default:
        break;
    }
    qCDebug(lcUiBase, "====================== moveFocus : nidx:%d (%d, %d) ====================", n,
            n >= 0 ? n % Cols : -1, n >= 0 ? n / Cols : -1);
    return n;
}
