#include "tslider.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QKeyEvent>

TSlider::TSlider(QWidget* parent, int id)
    : QSlider(Qt::Horizontal, parent), m_id(id), m_lock(0)
{
    connect(this, &QSlider::valueChanged, this, &TSlider::sl_valueChanged);
}

void TSlider::sl_valueChanged(int value)
{
    emit sg_valueChanged(m_id, value);
}

int TSlider::isLock(int key)
{
    if (!hasFocus())
        return 0;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        m_lock = 0;
        update();
        return 1;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        setFocus(Qt::OtherFocusReason);
        m_lock = m_lock ? 0 : 1;
        update();
        return m_lock;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        int k = key;
        if (key == KEY_JOG_LEFT)
            k = Qt::Key_Left;
        else if (key == KEY_JOG_RIGHT)
            k = Qt::Key_Right;
        qCDebug(lcUiBase, "======= TSlider::isLock : %d ===========", m_lock);
        if (!m_lock)
            return 0;
        // The slider's own key handling steps the value.
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, k, Qt::NoModifier));
        return 1;
    }
    default:
        return m_lock;
    }
}

void TSlider::enterEvent(QEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    QSlider::enterEvent(e);
}

void TSlider::leaveEvent(QEvent* e)
{
    clearFocus();
    QSlider::leaveEvent(e);
}

void TSlider::focusOutEvent(QFocusEvent* e)
{
    m_lock = 0;
    QSlider::focusOutEvent(e);
}
