#pragma once
#include <QProxyStyle>

// The flat look of the on-screen menus: plain 2-pixel frames and solid fills
// in the theme colours of the image sheet instead of 3-D bevels. Everything
// not drawn here is drawn by Qt's "Windows" style underneath. Colours are
// fetched from g_res at every call so they follow a reload of the sheet.
//
// A slider drawn in its key-edit lock state shows its handle in the focus
// colour: the slider control (class "TSlider") reports that state through
// its boolean property "lock".
class TStyle : public QProxyStyle
{
public:
    TStyle();
    ~TStyle() override;

    // Suppresses the focus colour on frames while the on-screen keyboard
    // owns the focus (stored in g_noFocusFrame).
    static void setNoFocusFrame(int on);

    void polish(QPalette& pal) override;
    using QProxyStyle::polish;
    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    void drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                     const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;
};
