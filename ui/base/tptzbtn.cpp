#include "tptzbtn.h"
#include "ctlres.h"
#include "tkeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TPtzbtn::TPtzbtn(QWidget* parent) : QWidget(parent, Qt::SubWindow), m_state(Idle), m_dir(Up), m_keyOn(0)
{
    setMouseTracking(true);
    m_img[8] = ctlImage(74);
    for (int i = 0; i < 8; ++i)
        m_img[i] = ctlImage(75 + i);
    // All four triangles meet at the centre of a 71 x 71 base picture.
    const int pts[4][6] = {
        {6, 6, 36, 35, 65, 6},   // up
        {6, 65, 36, 35, 65, 65}, // down
        {6, 6, 36, 35, 6, 65},   // left
        {65, 6, 36, 35, 65, 65}, // right
    };
    for (int d = 0; d < 4; ++d) {
        for (int k = 0; k < 3; ++k)
            m_tri[d] << QPoint(ctlScale(pts[d][2 * k]), ctlScale(pts[d][2 * k + 1]));
    }
}

int TPtzbtn::dirAt(const QPoint& p) const
{
    for (int d = 0; d < 4; ++d) {
        if (m_tri[d].containsPoint(p, Qt::OddEvenFill))
            return d;
    }
    return -1;
}

QPoint TPtzbtn::centreOf(int dir) const
{
    if (dir < 0 || dir > 3)
        return QPoint(-1, -1);
    const QPolygon& t = m_tri[dir];
    return (t[0] + t[1] + t[2]) / 3;
}

void TPtzbtn::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap& pm = m_img[qBound(0, m_state, 8)];
    if (!pm.isNull()) {
        if (pm.size() == size())
            p.drawPixmap(0, 0, pm);
        else
            p.drawPixmap(0, 0, pm.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    if (hasFocus() || m_keyOn) {
        p.setPen(QPen(ctlColor(37), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)));
    }
}

void TPtzbtn::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    if (e->button() != Qt::LeftButton)
        return;
    const int d = dirAt(e->pos());
    if (d < 0)
        return;
    m_state = 2 * d + 1;
    update();
    emit sg_keynotify(1, d);
}

void TPtzbtn::mouseMoveEvent(QMouseEvent* e)
{
    // While a direction is held its pressed picture stays, so that the
    // release stops the direction that was started.
    if (m_state != Idle && (m_state & 1) && (e->buttons() & Qt::LeftButton))
        return;
    const int d = dirAt(e->pos());
    if (d >= 0 && m_state != 2 * d) {
        m_state = 2 * d;
        update();
    }
}

void TPtzbtn::mouseReleaseEvent(QMouseEvent*)
{
    // Only a pressed direction is released: a highlighted one was never
    // started.
    if (m_state == Idle || !(m_state & 1))
        return;
    emit sg_keynotify(0, m_state / 2);
    m_state = qMax(0, m_state - 1);
    update();
}

void TPtzbtn::goIdle()
{
    // A direction still held by the mouse is stopped before the pad idles,
    // or the camera would keep moving.
    if (m_state != Idle && (m_state & 1) && !m_keyOn)
        emit sg_keynotify(0, m_state / 2);
    m_state = Idle;
    update();
}

void TPtzbtn::leaveEvent(QEvent* e)
{
    goIdle();
    QWidget::leaveEvent(e);
}

void TPtzbtn::focusOutEvent(QFocusEvent* e)
{
    goIdle();
    QWidget::focusOutEvent(e);
}

void TPtzbtn::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        setFocus(Qt::OtherFocusReason);
        m_dir = Up;
        m_keyOn = 1;
        update();
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        m_keyOn = 0;
        m_state = Idle;
        update();
        break;
    default:
        e->ignore();
        break;
    }
}

int TPtzbtn::keyEvent(int key, int state)
{
    if (!m_keyOn)
        return 0;
    const int p = state == 1 ? 1 : 0;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_dir = key == Qt::Key_Up ? Up : key == Qt::Key_Down ? Down : key == Qt::Key_Left ? Left : Right;
        m_state = 2 * m_dir + p;
        emit sg_keynotify(p, m_dir);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit sg_keynotify(p, m_dir);
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        m_keyOn = 0;
        m_state = Idle;
        break;
    case KEY_JOG_RIGHT:
        if (p) {
            static const int cw[4] = {Right, Left, Up, Down}; // up->right->down->left->up
            m_dir = cw[m_dir];
            m_state = 2 * m_dir + 1;
        }
        break;
    case KEY_JOG_LEFT:
        if (p) {
            static const int ccw[4] = {Left, Right, Down, Up}; // up->left->down->right->up
            m_dir = ccw[m_dir];
            m_state = 2 * m_dir + 1;
        }
        break;
    default:
        break;
    }
    update();
    return 1;
}
