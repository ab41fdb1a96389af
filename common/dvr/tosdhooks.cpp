#include "tosdhooks.h"

TOsdHooks g_osdHooks = {nullptr, nullptr, nullptr, nullptr, nullptr};

int osdScale(int n)
{
    return g_osdHooks.scale ? g_osdHooks.scale(n) : n;
}

int osdScaleCeil(int n)
{
    return g_osdHooks.scaleCeil ? g_osdHooks.scaleCeil(n) : n;
}

QSize osdSize(int id)
{
    if (g_osdHooks.size)
        return g_osdHooks.size(id);
    if (id == 16)
        return QSize(1920, 1080);
    return id >= 131 && id <= 142 ? QSize(16, 16) : QSize();
}

int osdValue(int id)
{
    return g_osdHooks.value ? g_osdHooks.value(id) : 0;
}

QImage osdImage(int id)
{
    return g_osdHooks.image ? g_osdHooks.image(id) : QImage();
}
