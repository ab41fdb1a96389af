#include "tprivategrid.h"
#include "ctlres.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {
enum { SelColor = 37 };
}

TPrivateGrid::TPrivateGrid(QWidget* parent, int cols, int rows, int maxW, int maxH)
    : TSelGrid(parent, cols, rows), m_maxW(maxW), m_maxH(maxH)
{
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
}

bool TPrivateGrid::acceptMove(QPoint& c) const
{
    if (!inside(c))
        return false;
    if (m_maxW >= 1 && m_maxH >= 1) {
        c.setX(qBound(m_start.x() - (m_maxW - 1), c.x(), m_start.x() + m_maxW - 1));
        c.setY(qBound(m_start.y() - (m_maxH - 1), c.y(), m_start.y() + m_maxH - 1));
    }
    return c != m_cur;
}

void TPrivateGrid::selMoved()
{
    // The outline follows the pointer at once, before the device's mask.
    repaint();
    QCoreApplication::processEvents();
}

void TPrivateGrid::released()
{
    m_start = m_cur = QPoint(0, 0);
}

void TPrivateGrid::keyPressEvent(QKeyEvent* e)
{
    TSelGrid::keyPressEvent(e);
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Backspace) {
        drawImage();
        repaint();
    }
}

void TPrivateGrid::applySel(const QPoint&, const QPoint& b)
{
    drawImage();
    update();
    emit sg_request(ReqEnd, b.x(), b.y());
}

void TPrivateGrid::drawImage()
{
    if (m_img.isNull())
        return;
    m_img.fill(Qt::black);
    if (!m_sel && !m_edit)
        return;
    QPainter p(&m_img);
    const QRect r = m_selRect.isEmpty() ? m_img.rect() : m_selRect;
    QPen pen(ctlColor(SelColor), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -1, -1));
}
