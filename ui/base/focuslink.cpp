#include "focuslink.h"
#include "tkeys.h"

#include <QWidget>

namespace {

bool eligible(const QWidget* w)
{
    return w && w->isVisible() && w->isEnabled();
}

// Index of the first entry holding w, -1 when none does.
int entryOf(const FocusLink* table, int count, const QWidget* w)
{
    for (int i = 0; i < count; ++i) {
        if (table[i].widget == w)
            return i;
    }
    return -1;
}

QWidget* linkFor(const FocusLink& e, int key)
{
    switch (key) {
    case Qt::Key_Right: return e.right;
    case Qt::Key_Left: return e.left;
    case Qt::Key_Down: return e.down;
    case Qt::Key_Up: return e.up;
    default: return nullptr;
    }
}

} // namespace

QWidget* focusFind(int key, FocusLink* table, int count)
{
    Q_UNUSED(key);
    if (!table || count < 1)
        return nullptr;
    for (int i = 0; i < count; ++i) {
        QWidget* w = table[i].widget;
        if (eligible(w) && w->hasFocus())
            return w;
    }
    return nullptr;
}

QWidget* focusNextPrev(int key, FocusLink* table, int count)
{
    if (key != KEY_JOG_LEFT && key != KEY_JOG_RIGHT)
        return nullptr;
    QWidget* cur = focusFind(key, table, count);
    if (!cur)
        return nullptr;
    int i = entryOf(table, count, cur);
    const int dir = key == KEY_JOG_RIGHT ? 1 : -1;
    // At most one full turn: the focused control itself is eligible.
    for (int n = 0; n < count; ++n) {
        i = (i + dir + count) % count;
        if (eligible(table[i].widget))
            return table[i].widget;
    }
    return cur;
}

QWidget* focusMove(int key, FocusLink* table, int count)
{
    if (!table || count < 1)
        return nullptr;
    int start = -1;
    for (int i = 0; i < count; ++i) {
        const FocusLink& e = table[i];
        if (eligible(e.widget) && e.widget->hasFocus() && e.right && e.left && e.down && e.up) {
            start = i;
            break;
        }
    }
    if (start < 0)
        return nullptr;
    QWidget* link = linkFor(table[start], key);
    // Follow the links in one direction past hidden or disabled controls; a
    // chain that returns to the start or breaks off gives nothing.
    for (int steps = 0; link && steps < count; ++steps) {
        if (link == table[start].widget)
            return nullptr;
        if (eligible(link))
            return link;
        const int j = entryOf(table, count, link);
        if (j < 0 || j == start)
            return nullptr;
        link = linkFor(table[j], key);
    }
    return nullptr;
}

QWidget* focusMoveGrid(int key, QWidget** grid, int rows, int cols, int wrap)
{
    if (!grid || rows < 1 || cols < 1)
        return nullptr;
    auto cell = [&](int r, int c) { return grid[r * cols + c]; };
    int r0 = -1, c0 = -1;
    for (int i = 0; i < rows * cols && r0 < 0; ++i) {
        if (eligible(grid[i]) && grid[i]->hasFocus()) {
            r0 = i / cols;
            c0 = i % cols;
        }
    }
    if (r0 < 0)
        return nullptr;

    QWidget* found = nullptr;
    // Nearest first: within a row the columns towards the left of the current
    // one, then towards the right; within a column the rows above, then below.
    auto searchRow = [&](int r) -> QWidget* {
        for (int c = c0; c >= 0; --c)
            if (eligible(cell(r, c))) return cell(r, c);
        for (int c = c0; c < cols; ++c)
            if (eligible(cell(r, c))) return cell(r, c);
        return nullptr;
    };
    auto searchCol = [&](int c) -> QWidget* {
        for (int r = r0; r >= 0; --r)
            if (eligible(cell(r, c))) return cell(r, c);
        for (int r = r0; r < rows; ++r)
            if (eligible(cell(r, c))) return cell(r, c);
        return nullptr;
    };

    switch (key) {
    case Qt::Key_Up: {
        int first = r0 - 1;
        if (first < 0)
            first = wrap ? rows - 1 : 0;
        for (int r = first; r >= 0 && !found; --r)
            found = searchRow(r);
        break;
    }
    case Qt::Key_Down: {
        int first = r0 + 1;
        if (first >= rows)
            first = wrap ? 0 : rows - 1;
        for (int r = first; r < rows && !found; ++r)
            found = searchRow(r);
        break;
    }
    case Qt::Key_Left: {
        int first = c0 - 1;
        if (first < 0)
            first = wrap ? cols - 1 : 0;
        for (int c = first; c >= 0 && !found; --c)
            found = searchCol(c);
        break;
    }
    case Qt::Key_Right: {
        int first = c0 + 1;
        if (first >= cols)
            first = wrap ? 0 : cols - 1;
        for (int c = first; c < cols && !found; ++c)
            found = searchCol(c);
        break;
    }
    default:
        break;
    }

    if (!found) {
        if (key == Qt::Key_Up) {
            for (int r = rows - 1; r >= 0 && !found; --r)
                for (int c = 0; c < cols && !found; ++c)
                    if (eligible(cell(r, c))) found = cell(r, c);
        } else {
            for (int i = 0; i < rows * cols && !found; ++i)
                if (eligible(grid[i])) found = grid[i];
        }
    }
    if (found)
        found->setFocus(Qt::OtherFocusReason);
    return found;
}
