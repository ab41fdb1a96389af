#pragma once

// The three layouts of the on-screen text keyboard as tables: 4 rows of up to
// 14 key labels (an empty label ends the row), and for the Korean two-set
// layout the ASCII character that libhangul takes for each key.
class TVKeyLayout
{
public:
    enum { Rows = 4, Cols = 14, LabelSize = 8 };
    enum Mode { Lower = 0, Shifted = 1, Korean = 2 };

    // Keys in row 0..3 (14, 13, 12, 11).
    static int rowKeys(int row);
    // UTF-8 label of a key; "" outside the table or past the row's end.
    static const char* label(int mode, int row, int col);
    // The character the Korean key hands to libhangul; 0 outside the table.
    static char koreanKey(int row, int col);
};
