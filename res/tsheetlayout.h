#pragma once
#include <QRgb>

// One rectangle of the image sheet, in sheet pixels (x, y = top-left corner).
struct TSheetRect {
    short x, y, w, h;
};

// Where every image lies on the image sheet "img_res.png", which images give
// the theme colours, and the colours the program falls back to when no sheet
// can be read. The program cuts the sheet by these tables and the sheet
// generator draws by them, so the two always agree.
class TSheetLayout
{
public:
    enum {
        FirstImage = 21,
        LastImage = 218,
        ImageSlots = 219,
        ColorCount = 39,
        SamplePoint = 10, // colours are read at column 10, row 10 of their image
        MinWidth = 1920,
        MinHeight = 5971
    };

    // The standard rectangle of an image id 21..218; {0,0,0,0} otherwise.
    static TSheetRect rect(int id);
    // The rectangle of image 182 on the OEM-12 variant.
    static TSheetRect oem12Rect182() { return {901, 1453, 960, 540}; }
    // True for the images that are scaled to their size id after cutting.
    static bool isResized(int id);
    // The image a theme colour is sampled from, or -1 (colour 38 is fixed,
    // ids outside 0..38 have none).
    static int colorSource(int color);
    // The theme colour the sheet generator paints and the program uses when
    // the sheet cannot be read; opaque black outside 0..38.
    static QRgb themeColor(int color);
};
