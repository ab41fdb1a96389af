#include "tbackgrnd.h"

#include <QPainter>

TBackgrnd::TBackgrnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size) {}

void TBackgrnd::evtShow() {}

void TBackgrnd::evtHide() {}

void TBackgrnd::evtResize() {}

void TBackgrnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(QRect(QPoint(0, 0), QPoint(width() - 1, height() - 1)), QColor(0, 0, 0, 255));
}
