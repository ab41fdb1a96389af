#pragma once
class QWidget;

// One entry of a window's focus table: a control and the neighbours the four
// arrow keys lead to. The recorder is driven mostly from the front panel and
// the remote, so each window walks its own focus instead of Qt's tab chain.
struct FocusLink
{
    int tag;          // free for the window
    QWidget* widget;  // the control, or null for an empty entry
    QWidget* right;
    QWidget* left;
    QWidget* down;
    QWidget* up;
};

// The widget of the first entry that is visible, enabled and has the focus.
QWidget* focusFind(int key, FocusLink* table, int count);
// The next (jog right) or previous (jog left) eligible entry, cyclically.
QWidget* focusNextPrev(int key, FocusLink* table, int count);
// The neighbour in the arrow's direction, skipping hidden or disabled ones.
QWidget* focusMove(int key, FocusLink* table, int count);
// Moves the focus inside a rows x cols grid (row-major, cells may be null)
// and returns the widget that got it.
QWidget* focusMoveGrid(int key, QWidget** grid, int rows, int cols, int wrap);
