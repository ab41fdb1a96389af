#pragma once
// Look-ups the drawn controls make on the process-wide text and resource
// objects. A control built before main has made them (or in a tool that has
// none) draws with black and unscaled lengths instead of crashing.
#include "appglobals.h"
#include "tres.h"
#include "tstring.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

inline QColor ctlColor(int id)
{
    return g_res ? g_res->getColor(id) : QColor(0, 0, 0);
}

inline int ctlScale(int n)
{
    return g_res ? g_res->scale(n) : n;
}

inline QPixmap ctlImage(int id)
{
    return g_res ? *g_res->getImage(id) : QPixmap();
}

inline QSize ctlSize(int id, const QSize& fallback)
{
    return g_res ? g_res->getSize(id) : fallback;
}

inline QString ctlText(int id)
{
    return g_str ? g_str->text(id) : QString();
}

// One-pixel horizontal and vertical lines as fills: the raster engine strokes
// a line through its general path, which costs far more than a thin fill on
// grids of many lines.
inline void ctlHLine(QPainter& p, int x1, int x2, int y, const QColor& c)
{
    if (x2 >= x1)
        p.fillRect(x1, y, x2 - x1 + 1, 1, c);
}

inline void ctlVLine(QPainter& p, int x, int y1, int y2, const QColor& c)
{
    if (y2 >= y1)
        p.fillRect(x, y1, 1, y2 - y1 + 1, c);
}

// The 2-pixel frame a pen of width 2 draws around r, as four fills.
inline void ctlFrame2(QPainter& p, const QRect& r, const QColor& c)
{
    const QRect o = r.adjusted(-1, -1, 1, 1);
    if (o.width() <= 0 || o.height() <= 0)
        return;
    p.fillRect(o.left(), o.top(), o.width(), 2, c);
    p.fillRect(o.left(), o.bottom() - 1, o.width(), 2, c);
    p.fillRect(o.left(), o.top(), 2, o.height(), c);
    p.fillRect(o.right() - 1, o.top(), 2, o.height(), c);
}
