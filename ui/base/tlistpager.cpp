#include "tlistpager.h"

#include <QtGlobal>

int TListPager::pagesFor(int count, int maxLine)
{
    if (count <= 0 || maxLine <= 0)
        return 0;
    return (count + maxLine - 1) / maxLine;
}

int TListPager::linesOnPage(int count, int maxLine, int page)
{
    if (maxLine <= 0 || count <= 0)
        return 0;
    const int pages = pagesFor(count, maxLine);
    if (page >= pages - 1 && count % maxLine)
        return count % maxLine;
    return maxLine;
}

int TListPager::pageForButton(int id, int page, int pages, int count, int maxLine)
{
    if (count < maxLine || pages <= 0)
        return page;
    switch (id) {
    case 0:
        return 0;
    case 1:
        return qMax(0, page - 1);
    case 2:
        return qMin(pages - 1, page + 1);
    case 3:
        return pages - 1;
    default:
        return page;
    }
}

int TListPager::trackStep(int allPages)
{
    return allPages > 10 ? allPages / 10 : 1;
}

TListPager::Slider TListPager::layout(int trackH, int allPages, int minPuck)
{
    if (allPages < 2)
        return {0, trackH, 0.0};
    const double h = double(trackH) / allPages;
    const int puckH = h < minPuck ? minPuck : int(h) + 1;
    const int travel = trackH - puckH;
    return {puckH, travel, double(travel) / (allPages - 1)};
}

int TListPager::puckPage(int d, int travel, double step, int allPages)
{
    if (step <= 0.0 || allPages < 1)
        return 0;
    if (d < 0)
        return 0;
    if (d >= travel)
        return allPages - 1;
    return qMin(int(d / step + 0.5), allPages - 1);
}
