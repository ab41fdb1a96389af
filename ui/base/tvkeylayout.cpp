#include "tvkeylayout.h"

namespace {

// Labels of at most seven bytes. The Korean jamo are kept in UTF-8 here (the
// source's encoding); "<-" is backspace, "Shift" switches the layout and
// "Space" enters one blank.
const char* const kLabels[3][TVKeyLayout::Rows][TVKeyLayout::Cols] = {
    {
        {"`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "\\"},
        {"<-", "q", "w", "e", "r", "t", "y", "u", "i", "o", "p", "[", "]", ""},
        {"Shift", "a", "s", "d", "f", "g", "h", "j", "k", "l", ";", "'", "", ""},
        {"Space", "z", "x", "c", "v", "b", "n", "m", ",", ".", "/", "", "", ""},
    },
    {
        {"~", "!", "@", "#", "$", "%", "^", "&", "*", "(", ")", "_", "+", "|"},
        {"<-", "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "{", "}", ""},
        {"Shift", "A", "S", "D", "F", "G", "H", "J", "K", "L", ":", "\"", "", ""},
        {"Space", "Z", "X", "C", "V", "B", "N", "M", "<", ">", "?", "", "", ""},
    },
    {
        {"`", "ㅃ", "ㅉ", "ㄸ", "ㄲ", "ㅆ", " ", " ", " ", "ㅒ", "ㅖ", "-", "=", "\\"},
        {"<-", "ㅂ", "ㅈ", "ㄷ", "ㄱ", "ㅅ", "ㅛ", "ㅕ", "ㅑ", "ㅐ", "ㅔ", "[", "]", ""},
        {"Shift", "ㅁ", "ㄴ", "ㅇ", "ㄹ", "ㅎ", "ㅗ", "ㅓ", "ㅏ", "ㅣ", ";", "'", "", ""},
        {"Space", "ㅋ", "ㅌ", "ㅊ", "ㅍ", "ㅠ", "ㅜ", "ㅡ", ",", ".", "/", "", "", ""},
    },
};

// What each Korean key types on a two-set keyboard. Backspace and Shift have
// no character; the three blank keys of row 1 type a blank.
const char kKoreanKeys[TVKeyLayout::Rows][TVKeyLayout::Cols + 1] = {
    "`QWERT   OP-=\\",
    "\0qwertyuiop[]",
    "\0asdfghjkl;'",
    " zxcvbnm,./",
};

const int kRowKeys[TVKeyLayout::Rows] = {14, 13, 12, 11};

} // namespace

int TVKeyLayout::rowKeys(int row)
{
    return (row >= 0 && row < Rows) ? kRowKeys[row] : 0;
}

const char* TVKeyLayout::label(int mode, int row, int col)
{
    if (mode < 0 || mode > 2 || row < 0 || row >= Rows || col < 0 || col >= Cols)
        return "";
    return kLabels[mode][row][col];
}

char TVKeyLayout::koreanKey(int row, int col)
{
    if (row < 0 || row >= Rows || col < 0 || col >= rowKeys(row))
        return 0;
    return kKoreanKeys[row][col];
}
