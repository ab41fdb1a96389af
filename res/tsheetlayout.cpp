#include "tsheetlayout.h"

namespace {

// Images 21..218 in id order.
const TSheetRect kRects[TSheetLayout::LastImage - TSheetLayout::FirstImage + 1] = {
    {0, 0, 340, 25}, {365, 0, 20, 20}, {0, 25, 48, 20}, {48, 25, 48, 20}, {0, 45, 640, 32},          // 21..25
    {640, 45, 20, 20}, {0, 77, 80, 20}, {80, 77, 80, 20}, {160, 77, 80, 20}, {240, 77, 80, 20},      // 26..30
    {320, 77, 80, 20}, {400, 77, 80, 20}, {480, 77, 80, 20}, {560, 77, 80, 20}, {0, 97, 80, 20},     // 31..35
    {80, 97, 80, 20}, {160, 97, 80, 20}, {240, 97, 80, 20}, {320, 97, 80, 20}, {0, 117, 60, 17},     // 36..40
    {60, 117, 60, 17}, {120, 117, 60, 17}, {180, 117, 60, 17}, {240, 117, 60, 17},                   // 41..44
    {300, 117, 60, 17}, {360, 117, 60, 17}, {420, 117, 60, 17}, {0, 134, 640, 60},                   // 45..48
    {640, 134, 640, 60}, {0, 207, 640, 60}, {640, 207, 640, 60}, {0, 280, 640, 60},                  // 49..52
    {640, 280, 640, 60}, {0, 353, 640, 60}, {640, 353, 640, 60}, {0, 426, 640, 60},                  // 53..56
    {640, 426, 640, 60}, {1280, 134, 20, 20}, {0, 529, 960, 30}, {0, 499, 960, 30},                  // 57..60
    {960, 499, 20, 20}, {0, 4222, 800, 600}, {0, 4822, 1, 1}, {118, 4295, 680, 525},                 // 61..64
    {800, 4222, 20, 20}, {800, 4242, 20, 20}, {0, 1439, 360, 20}, {0, 1459, 360, 20},                // 65..68
    {360, 1439, 20, 20}, {0, 1479, 64, 16}, {64, 1479, 64, 16}, {128, 1479, 64, 16},                 // 69..72
    {192, 1479, 64, 16}, {0, 1495, 72, 72}, {72, 1495, 72, 72}, {144, 1495, 72, 72},                 // 73..76
    {216, 1495, 72, 72}, {288, 1495, 72, 72}, {360, 1495, 72, 72}, {432, 1495, 72, 72},              // 77..80
    {504, 1495, 72, 72}, {576, 1495, 72, 72}, {0, 1567, 800, 440}, {800, 1567, 20, 20},              // 81..84
    {800, 1587, 20, 20}, {500, 2529, 360, 25}, {500, 2554, 360, 25}, {0, 2007, 488, 140},            // 85..88
    {488, 2007, 20, 20}, {488, 2027, 20, 20}, {0, 2147, 488, 108}, {488, 2147, 20, 20},              // 89..92
    {488, 2167, 20, 20}, {0, 2255, 320, 140}, {320, 2255, 20, 20}, {320, 2275, 20, 20},              // 93..96
    {0, 2395, 386, 238}, {386, 2395, 20, 20}, {386, 2415, 20, 20}, {0, 2633, 218, 250},              // 97..100
    {218, 2633, 20, 20}, {218, 2653, 20, 20}, {237, 2633, 144, 312}, {381, 2633, 20, 20},            // 101..104
    {381, 2653, 20, 20}, {0, 3250, 520, 24}, {520, 3250, 20, 20}, {500, 2300, 24, 24},               // 105..108
    {524, 2300, 24, 24}, {548, 2300, 24, 24}, {572, 2300, 24, 24}, {500, 2324, 44, 24},              // 109..112
    {544, 2324, 44, 24}, {500, 2348, 44, 24}, {589, 2348, 44, 24}, {544, 2348, 44, 24},              // 113..116
    {633, 2348, 44, 24}, {500, 2372, 44, 24}, {589, 2372, 44, 24}, {544, 2372, 44, 24},              // 117..120
    {633, 2372, 44, 24}, {0, 2945, 643, 230}, {644, 2946, 17, 17}, {644, 2964, 17, 18},              // 121..124
    {701, 2945, 380, 300}, {1082, 2946, 17, 17}, {1082, 2964, 17, 18}, {0, 3274, 440, 200},          // 125..128
    {440, 3274, 20, 20}, {440, 3294, 20, 20}, {500, 2396, 16, 16}, {516, 2396, 16, 16},              // 129..132
    {532, 2396, 16, 16}, {548, 2396, 16, 16}, {564, 2396, 16, 16}, {580, 2396, 16, 16},              // 133..136
    {596, 2396, 16, 16}, {612, 2396, 16, 16}, {628, 2396, 16, 16}, {644, 2396, 16, 16},              // 137..140
    {660, 2396, 16, 16}, {676, 2396, 16, 16}, {0, 999, 620, 440}, {620, 999, 20, 20},                // 141..144
    {620, 1019, 20, 20}, {0, 4891, 1920, 1080}, {0, 4856, 398, 32}, {800, 4823, 20, 20},             // 145..148
    {0, 4856, 398, 32}, {500, 0, 20, 20}, {520, 0, 20, 20}, {540, 0, 20, 20},                        // 149..152
    {560, 0, 20, 20}, {580, 0, 20, 20}, {400, 97, 80, 20}, {480, 97, 80, 20},                        // 153..156
    {0, 570, 132, 21}, {132, 570, 132, 21}, {264, 570, 132, 21}, {396, 570, 132, 21},                // 157..160
    {528, 570, 132, 21}, {660, 570, 132, 21}, {0, 591, 132, 21}, {132, 591, 132, 21},                // 161..164
    {264, 591, 132, 21}, {396, 591, 132, 21}, {528, 591, 132, 21}, {660, 591, 132, 21},              // 165..168
    {0, 612, 132, 21}, {132, 612, 132, 21}, {264, 612, 132, 21}, {396, 612, 132, 21},                // 169..172
    {528, 612, 132, 21}, {660, 612, 132, 21}, {0, 633, 132, 21}, {132, 633, 132, 21},                // 173..176
    {264, 633, 132, 21}, {396, 633, 132, 21}, {528, 633, 132, 21}, {660, 633, 132, 21},              // 177..180
    {256, 1479, 64, 16}, {653, 997, 600, 446}, {500, 2412, 92, 12}, {592, 2412, 92, 12},             // 181..184
    {500, 2424, 92, 12}, {592, 2424, 92, 12}, {792, 570, 132, 21}, {924, 570, 132, 21},              // 185..188
    {792, 591, 132, 21}, {924, 591, 132, 21}, {792, 612, 132, 21}, {924, 612, 132, 21},              // 189..192
    {800, 0, 28, 28}, {830, 0, 28, 28}, {860, 0, 28, 28}, {890, 0, 28, 28},                          // 193..196
    {920, 0, 28, 28}, {950, 0, 28, 28}, {980, 0, 28, 28}, {1010, 0, 28, 28},                         // 197..200
    {1040, 0, 28, 28}, {1070, 0, 28, 28}, {1100, 0, 28, 28}, {1130, 0, 28, 28},                      // 201..204
    {800, 31, 28, 28}, {830, 31, 28, 28}, {860, 31, 28, 28}, {890, 31, 28, 28},                      // 205..208
    {920, 31, 28, 28}, {950, 31, 28, 28}, {980, 31, 28, 28}, {1010, 31, 28, 28},                     // 209..212
    {1040, 31, 28, 28}, {1070, 31, 28, 28}, {792, 633, 132, 21}, {924, 633, 132, 21},                // 213..216
    {1056, 570, 132, 21}, {1188, 570, 132, 21},                                                      // 217..218
};

// Source image of each colour id 0..38; -1 marks the fixed colour 38.
const short kColorSource[TSheetLayout::ColorCount] = {
    22, 26, 58, 61, 65, 66, 123, 124, 69, 150,    // 0..9
    151, 84, 85, 89, 90, 92, 93, 96, 96, 98,      // 10..19
    99, 101, 102, 144, 145, 104, 105, 107, 126, 127, // 20..29
    129, 130, 148, 150, 151, 152, 153, 154, -1,   // 30..38
};

// The theme: dark slate panels that stay legible over live video, light
// text, a light blue-grey for frames, header strips and the selected row,
// and one amber accent for focus. Titles are the brightest text, captions a
// step quieter. The fill colour 33 doubles as the text colour on header
// strips (35) and label columns (36), so those two are light enough to carry
// dark text; 36 is also the background of disabled controls under the light
// text 34, so it sits between the two.
const QRgb kTheme[TSheetLayout::ColorCount] = {
    0xffe6eaee, // 0 push button label
    0xffe6eaee, // 1 info bar texts: date, time, disk, remote id
    0xffe6eaee, // 2 setup menu tab label
    0xffe6eaee, // 3 setup menu item label
    0xff1e252d, // 4 not drawn by any window: panel slate
    0xff52606e, // 5 not drawn by any window: panel line
    0xff3da35a, // 6 not drawn by any window: recording green
    0xffd9453a, // 7 not drawn by any window: alarm red
    0xffe6eaee, // 8 PTZ setup page tab label
    0xff232a33, // 9 same swatch as 33
    0xffe6eaee, // 10 same swatch as 34
    0xfff2f4f6, // 11 backup window title
    0xffc9d1d9, // 12 backup window captions and camera numbers
    0xfff2f4f6, // 13 message box title
    0xffe6eaee, // 14 message box text
    0xfff2f4f6, // 15 status box title
    0xffe6eaee, // 16 status box text
    0xfff2f4f6, // 17 login title and user name
    0xfff2f4f6, // 18 same swatch as 17
    0xfff2f4f6, // 19 text keyboard title
    0xffe6eaee, // 20 text keyboard key labels
    0xfff2f4f6, // 21 number pad title
    0xffe6eaee, // 22 number pad key labels
    0xfff2f4f6, // 23 PTZ setup title
    0xffc9d1d9, // 24 PTZ setup labels
    0xfff2f4f6, // 25 preset pad title
    0xffe6eaee, // 26 preset pad key labels
    0xffe6eaee, // 27 PTZ window button label
    0xfff2f4f6, // 28 title of the file chooser, information and option windows
    0xffc9d1d9, // 29 captions of those windows
    0xfff2f4f6, // 30 upgrade screen title
    0xffc9d1d9, // 31 upgrade screen labels
    0xffc9d1d9, // 32 playback clock and rate, channel and split bar numbers
    0xff232a33, // 33 fill of controls and lists; text on header strips and label columns
    0xffe6eaee, // 34 text on the fill
    0xff8c9aa8, // 35 frames, grid lines, header strips, selected row
    0xff76838f, // 36 disabled controls, label columns, weekday row
    0xfff2b544, // 37 focus
    0xfffafafa, // 38 fixed (250, 250, 250)
};

} // namespace

TSheetRect TSheetLayout::rect(int id)
{
    if (id < FirstImage || id > LastImage)
        return {0, 0, 0, 0};
    return kRects[id - FirstImage];
}

bool TSheetLayout::isResized(int id)
{
    switch (id) {
    case 25: case 62: case 64: case 83: case 88: case 94:
    case 97: case 100: case 103: case 122: case 125: case 143:
        return true;
    default:
        return false;
    }
}

int TSheetLayout::colorSource(int color)
{
    if (color < 0 || color >= ColorCount)
        return -1;
    return kColorSource[color];
}

QRgb TSheetLayout::themeColor(int color)
{
    if (color < 0 || color >= ColorCount)
        return 0xff000000;
    return kTheme[color];
}
