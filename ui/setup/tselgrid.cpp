#include "tselgrid.h"
#include "ctlres.h"
#include "tkeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

enum { SelColor = 37 };

const QColor kOff(16, 16, 16);

int wrap(int v, int n)
{
    return ((v % n) + n) % n;
}

} // namespace

TSelGrid::TSelGrid(QWidget* parent, int cols, int rows)
    : QWidget(parent), m_x(qBound(1, cols, int(MAX_CELLS))), m_y(qBound(1, rows, int(MAX_CELLS)))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint TSelGrid::cellAt(const QPoint& p) const
{
    return QPoint(int(std::trunc((p.x() - 1) / m_cw)), int(std::trunc((p.y() - 1) / m_chh)));
}

QRect TSelGrid::cellsRect(const QPoint& a, const QPoint& b) const
{
    const int x0 = qMin(a.x(), b.x()), x1 = qMax(a.x(), b.x());
    const int y0 = qMin(a.y(), b.y()), y1 = qMax(a.y(), b.y());
    return QRect(QPoint(int(x0 * m_cw), int(y0 * m_chh)), QPoint(int((x1 + 1) * m_cw) - 1, int((y1 + 1) * m_chh) - 1));
}

void TSelGrid::setPreviewOn(bool on)
{
    m_previewOn = on;
    update();
}

void TSelGrid::reset()
{
    m_sel = false;
    m_edit = false;
    m_a = m_e = m_start = m_cur = QPoint(0, 0);
    m_selRect = QRect(0, 0, 0, 0);
    drawImage();
    update();
}

void TSelGrid::drop()
{
    emit sg_request(ReqDrop, m_cur.x(), m_cur.y());
}

bool TSelGrid::acceptMove(QPoint& c) const
{
    return c.x() < m_x && c.y() < m_y && c != m_cur;
}

// ---- Mouse ------------------------------------------------------------------

void TSelGrid::mousePressEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint c = cellAt(e->pos());
    // The right and bottom frame lines lie beyond the last cell: a press
    // there chooses nothing.
    if (!inside(c))
        return;
    m_sel = true;
    m_start = m_cur = c;
    m_selRect = cellsRect(m_start, m_cur);
    drawImage();
    update();
    emit sg_request(ReqStart, c.x(), c.y());
}

void TSelGrid::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton || !m_sel)
        return;
    QPoint c = cellAt(e->pos());
    if (!acceptMove(c))
        return;
    m_cur = c;
    m_selRect = cellsRect(m_start, m_cur);
    drawImage();
    selMoved();
}

void TSelGrid::mouseReleaseEvent(QMouseEvent*)
{
    if (!m_sel)
        return;
    m_selRect = QRect(int(m_cur.x() * m_cw), int(m_cur.y() * m_chh), int(m_cw), int(m_chh));
    m_sel = false;
    if (inside(m_cur)) {
        applySel(m_start, m_cur);
    } else {
        drawImage();
        update();
        drop();
    }
    m_start = m_cur;
    released();
}

void TSelGrid::mouseDoubleClickEvent(QMouseEvent*) {}

// ---- Keys -------------------------------------------------------------------

void TSelGrid::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_edit = true;
        m_sel = false;
        m_selRect = cellsRect(m_a, m_e);
        drawImage();
        selMoved();
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        isLock(e->key());
        m_sel = false;
        break;
    default: break;
    }
}

int TSelGrid::isLock(int key)
{
    if (!m_edit)
        return 0;
    QPoint& p = m_sel ? m_e : m_a;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_sel) {
            m_sel = true;
            m_e = m_a;
            emit sg_request(ReqStart, m_a.x(), m_a.y());
        } else {
            m_sel = false;
            applySel(m_a, m_e);
            m_a = m_e;
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        if (!m_sel) {
            m_edit = false;
        } else {
            m_a = m_e;
            m_sel = false;
            m_cur = m_e;
            drop();
        }
        break;
    case Qt::Key_Left: p.setX(wrap(p.x() - 1, m_x)); break;
    case Qt::Key_Right: p.setX(wrap(p.x() + 1, m_x)); break;
    case Qt::Key_Up: p.setY(wrap(p.y() - 1, m_y)); break;
    case Qt::Key_Down: p.setY(wrap(p.y() + 1, m_y)); break;
    case KEY_JOG_RIGHT:
        p.setX(wrap(p.x() + 1, m_x));
        if (p.x() == 0)
            p.setY(wrap(p.y() + 1, m_y));
        break;
    case KEY_JOG_LEFT:
        p.setX(wrap(p.x() - 1, m_x));
        if (p.x() == m_x - 1)
            p.setY(wrap(p.y() - 1, m_y));
        break;
    default: return 1;
    }
    if (!m_sel)
        m_e = m_a;
    m_selRect = cellsRect(m_a, m_e);
    drawImage();
    selMoved();
    return 1;
}

// ---- Focus, hide, size, paint ---------------------------------------------

void TSelGrid::focusInEvent(QFocusEvent*)
{
    drawImage();
    update();
}

void TSelGrid::focusOutEvent(QFocusEvent*)
{
    drawImage();
    update();
}

void TSelGrid::hideEvent(QHideEvent*)
{
    m_selRect = QRect(QPoint(0, 0), QPoint(-1, -1));
    m_a = m_e = QPoint(0, 0);
    m_edit = false;
    m_sel = false;
}

void TSelGrid::resizeEvent(QResizeEvent*)
{
    m_cw = double(qMax(1, width() - 2)) / m_x;
    m_chh = double(qMax(1, height() - 2)) / m_y;
    m_img = QImage(qMax(1, width() - 2), qMax(1, height() - 2), QImage::Format_RGB32);
    m_img.fill(Qt::black);
    drawImage();
}

void TSelGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_previewOn) {
        p.fillRect(rect(), kOff);
        return;
    }
    p.fillRect(rect(), Qt::black);
    ctlHLine(p, 0, width() - 1, 0, kOff);
    ctlHLine(p, 0, width() - 1, height() - 1, kOff);
    ctlVLine(p, 0, 0, height() - 1, kOff);
    ctlVLine(p, width() - 1, 0, height() - 1, kOff);
    p.drawImage(1, 1, m_img);
    if (hasFocus() || m_edit) {
        QPen pen(ctlColor(SelColor), 3);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, m_img.width(), m_img.height()));
    }
}
