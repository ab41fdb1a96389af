#include "tstyle.h"

#include "appglobals.h"
#include "tres.h"

#include <QAbstractSpinBox>
#include <qdrawutil.h>
#include <QPainter>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace {

enum { Fill = 33, Text = 34, Frame = 35, Disabled = 36, Focus = 37 };

QColor color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(TSheetLayout::themeColor(id));
}

void plainFrame(QPainter* p, const QRect& r, const QColor& c, int width, const QBrush* fill = nullptr)
{
    qDrawPlainRect(p, r, c, width, fill);
}

} // namespace

TStyle::TStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

TStyle::~TStyle() = default;

void TStyle::setNoFocusFrame(int on)
{
    g_noFocusFrame = on;
}

void TStyle::polish(QPalette& pal)
{
    const QColor fill = color(Fill), text = color(Text), frame = color(Frame), dis = color(Disabled);
    auto set = [&pal](QPalette::ColorRole role, const QColor& normal, const QColor& disabled) {
        pal.setBrush(QPalette::Active, role, QBrush(normal));
        pal.setBrush(QPalette::Inactive, role, QBrush(normal));
        pal.setBrush(QPalette::Disabled, role, QBrush(disabled));
    };
    set(QPalette::Base, fill, dis);
    set(QPalette::Window, fill, dis);
    set(QPalette::Text, text, text);
    set(QPalette::WindowText, text, text);
    set(QPalette::Highlight, frame, frame);
    set(QPalette::HighlightedText, fill, dis);
    set(QPalette::Button, fill, dis);
    set(QPalette::ButtonText, text, text);
    set(QPalette::Light, frame, dis);
    set(QPalette::Midlight, frame, frame);
    set(QPalette::Mid, frame, frame);
    set(QPalette::Dark, frame, frame);
    set(QPalette::Shadow, fill, fill);
    pal.setBrush(QPalette::Disabled, QPalette::AlternateBase,
                 QBrush(pal.color(QPalette::Disabled, QPalette::Base).darker(110)));
}

void TStyle::drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                           const QWidget* w) const
{
    switch (pe) {
    case PE_Frame:
    case PE_FrameLineEdit: {
        const bool focus = (opt->state & State_HasFocus) && g_noFocusFrame == 0;
        plainFrame(p, opt->rect, color(focus ? Focus : Frame), 2);
        return;
    }
    case PE_FrameFocusRect:
        plainFrame(p, opt->rect.adjusted(-3, -3, 3, 3), color(Focus), 2);
        return;
    case PE_FrameMenu:
        if (const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(opt))
            plainFrame(p, f->rect, f->palette.color(QPalette::WindowText), f->lineWidth);
        return;
    case PE_FrameButtonBevel:
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_PanelButtonTool:
    case PE_IndicatorButtonDropDown:
        if (qstyleoption_cast<const QStyleOptionButton*>(opt)) {
            p->fillRect(opt->rect, opt->palette.base());
            plainFrame(p, opt->rect, color(Frame), 2);
        }
        return;
    case PE_PanelLineEdit:
        if (const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(opt)) {
            const int lw = f->lineWidth;
            p->fillRect(f->rect.adjusted(lw, lw, -lw, -lw), f->palette.base());
            if (lw >= 1)
                drawPrimitive(PE_FrameLineEdit, f, p, w);
        }
        return;
    default:
        QProxyStyle::drawPrimitive(pe, opt, p, w);
        return;
    }
}

void TStyle::drawControl(ControlElement ce, const QStyleOption* opt, QPainter* p,
                         const QWidget* w) const
{
    switch (ce) {
    case CE_ScrollBarAddLine:
    case CE_ScrollBarSubLine: {
        const QBrush fill(color(Fill));
        plainFrame(p, opt->rect, color(Frame), 2, &fill);
        QStyleOption arrow = *opt;
        arrow.rect = opt->rect.adjusted(4, 4, -4, -4);
        const bool add = ce == CE_ScrollBarAddLine;
        PrimitiveElement pe;
        if (opt->state & State_Horizontal) {
            const bool right = add != (opt->direction == Qt::RightToLeft);
            pe = right ? PE_IndicatorArrowRight : PE_IndicatorArrowLeft;
        } else {
            pe = add ? PE_IndicatorArrowDown : PE_IndicatorArrowUp;
        }
        drawPrimitive(pe, &arrow, p, w);
        return;
    }
    case CE_ScrollBarAddPage:
    case CE_ScrollBarSubPage: {
        const Qt::BGMode mode = p->backgroundMode();
        p->setPen(Qt::NoPen);
        p->setBackground(QBrush(opt->palette.color(QPalette::Window)));
        p->setBackgroundMode(Qt::OpaqueMode);
        const QBrush fill(color(Fill));
        plainFrame(p, opt->rect, color(Frame), 2, &fill);
        p->setBackgroundMode(mode);
        return;
    }
    case CE_ScrollBarSlider: {
        const QBrush fill(color(Frame));
        plainFrame(p, opt->rect, color(Frame), 2, &fill);
        return;
    }
    case CE_ComboBoxLabel:
        // The base paints a focused combo's text in the highlight's text
        // colour over a highlight this style does not draw (the field keeps
        // its Base fill and gets focus marks): the text would vanish.
        if (const auto* cb = qstyleoption_cast<const QStyleOptionComboBox*>(opt)) {
            QStyleOptionComboBox copy = *cb;
            copy.palette.setColor(QPalette::HighlightedText, cb->palette.color(QPalette::Text));
            QProxyStyle::drawControl(ce, &copy, p, w);
            return;
        }
        QProxyStyle::drawControl(ce, opt, p, w);
        return;
    default:
        QProxyStyle::drawControl(ce, opt, p, w);
        return;
    }
}

void TStyle::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                                const QWidget* w) const
{
    switch (cc) {
    case CC_ComboBox: {
        const auto* cb = qstyleoption_cast<const QStyleOptionComboBox*>(opt);
        if (!cb)
            return;
        if (cb->subControls & SC_ComboBoxFrame) {
            plainFrame(p, cb->rect, color(Frame), 2);
            p->fillRect(cb->rect.adjusted(2, 2, -2, -2), cb->palette.base());
        }
        if (cb->subControls & SC_ComboBoxArrow) {
            const QRect ar = subControlRect(CC_ComboBox, cb, SC_ComboBoxArrow, w);
            plainFrame(p, QRect(ar.left(), ar.top(), 2, ar.height()), color(Frame), 1);
            QStyleOption arrow;
            arrow.rect = ar.adjusted(3, 3, -1, -3);
            arrow.palette = cb->palette;
            arrow.state = cb->state & State_Enabled;
            drawPrimitive(PE_IndicatorArrowDown, &arrow, p, w);
        }
        if ((cb->subControls & SC_ComboBoxEditField) && (cb->state & State_HasFocus) && !cb->editable) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*cb);
            focus.rect = subElementRect(SE_ComboBoxFocusRect, cb, w);
            drawPrimitive(PE_FrameFocusRect, &focus, p, w);
        }
        return;
    }
    case CC_SpinBox: {
        const auto* sb = qstyleoption_cast<const QStyleOptionSpinBox*>(opt);
        if (!sb)
            return;
        QStyleOptionSpinBox copy = *sb;
        if (sb->frame && (sb->subControls & SC_SpinBoxFrame)) {
            if (sb->state & State_HasFocus)
                plainFrame(p, sb->rect, color(Focus), 2);
            else
                plainFrame(p, subControlRect(CC_SpinBox, sb, SC_SpinBoxFrame, w), color(Frame), 2);
        }
        const bool plus = sb->buttonSymbols == QAbstractSpinBox::PlusMinus;
        if (sb->subControls & SC_SpinBoxUp) {
            copy.subControls = SC_SpinBoxUp;
            copy.palette = sb->palette;
            copy.state = sb->state & ~State_Sunken;
            copy.rect = subControlRect(CC_SpinBox, sb, SC_SpinBoxUp, w);
            drawPrimitive(plus ? PE_IndicatorSpinPlus : PE_IndicatorSpinUp, &copy, p, w);
        }
        if (sb->subControls & SC_SpinBoxDown) {
            copy.subControls = SC_SpinBoxDown;
            copy.palette = sb->palette;
            copy.state = sb->state & ~State_Sunken;
            copy.rect = subControlRect(CC_SpinBox, sb, SC_SpinBoxDown, w);
            drawPrimitive(plus ? PE_IndicatorSpinMinus : PE_IndicatorSpinDown, &copy, p, w);
        }
        return;
    }
    case CC_Slider: {
        const auto* sl = qstyleoption_cast<const QStyleOptionSlider*>(opt);
        if (!sl)
            return;
        const int t = pixelMetric(PM_SliderControlThickness, sl, w);
        const int len = pixelMetric(PM_SliderLength, sl, w);
        const QRect groove = subControlRect(CC_Slider, sl, SC_SliderGroove, w);
        const QRect handle = subControlRect(CC_Slider, sl, SC_SliderHandle, w);
        if ((sl->subControls & SC_SliderGroove) && groove.isValid()) {
            int mid = t / 2;
            if (sl->tickPosition & QSlider::TicksAbove)
                mid += len / 8;
            if (sl->tickPosition & QSlider::TicksBelow)
                mid -= len / 8;
            if (sl->orientation == Qt::Horizontal)
                plainFrame(p, QRect(groove.left(), groove.top() - 2 + mid, groove.width(), 4), color(Frame), 2);
            else
                plainFrame(p, QRect(groove.left() - 2 + mid, groove.top(), 4, groove.height()), color(Frame), 2);
        }
        if (sl->subControls & SC_SliderHandle) {
            const bool focus = sl->state & State_HasFocus;
            if (focus)
                plainFrame(p, sl->rect, color(Focus), 2);
            const bool locked = focus && w && w->inherits("TSlider") && w->property("lock").toBool();
            const QBrush fill(color(Fill));
            plainFrame(p, handle, color(locked ? Focus : Frame), 2, &fill);
        }
        return;
    }
    default:
        QProxyStyle::drawComplexControl(cc, opt, p, w);
        return;
    }
}
