#pragma once
// Look-ups the drawn controls make on the process-wide text and resource
// objects. A control built before main has made them (or in a tool that has
// none) draws with black and unscaled lengths instead of crashing.
#include "appglobals.h"
#include "tres.h"
#include "tstring.h"

#include <QColor>
#include <QPixmap>
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
