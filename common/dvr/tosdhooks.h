#pragma once
#include <QImage>
#include <QSize>

// What the facade's on-screen display needs of the resource object: the
// global scale factor, the base sizes, metrics and images cut from the image
// sheet. The resource object sits above this folder (it links the widget
// library), so main installs its operations here at start and tests install
// their own. An unset entry gives the unscaled value: scale n, sizes of the
// 1920 x 1080 screen (16) and of 16 x 16 icons (131), metric 0, no image.
struct TOsdHooks {
    int (*scale)(int n);
    int (*scaleCeil)(int n);
    QSize (*size)(int id);
    int (*value)(int id);
    QImage (*image)(int id);
};

extern TOsdHooks g_osdHooks;

// The values above through the installed operations, or their fallbacks.
int osdScale(int n);
int osdScaleCeil(int n);
QSize osdSize(int id);
int osdValue(int id);
QImage osdImage(int id);
