#include "tcombo.h"
#include "tkeys.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>

TCombo::TCombo(QWidget* parent, int id)
    : QComboBox(parent), m_id(id)
{
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &TCombo::sl_changeIndex);
}

void TCombo::sl_changeIndex(int index)
{
    emit sg_changeIndex(m_id, index);
}

int TCombo::keyEvent(int key)
{
    QAbstractItemView* list = view();
    if (!list || !list->isVisible())
        return 0;
    const int row = list->currentIndex().row();
    int fwd = 0;
    switch (key) {
    case KEY_JOG_LEFT: fwd = Qt::Key_Up; break;
    case KEY_JOG_RIGHT: fwd = Qt::Key_Down; break;
    case Qt::Key_Left: fwd = Qt::Key_PageUp; break;
    case Qt::Key_Right: fwd = Qt::Key_PageDown; break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        fwd = key;
        break;
    default:
        // Any other key is swallowed while the list is open.
        return 1;
    }
    QCoreApplication::postEvent(list, new QKeyEvent(QEvent::KeyPress, fwd, Qt::NoModifier));
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The posted key is handled later: take the row highlighted now.
        hidePopup();
        if (row >= 0)
            setCurrentIndex(row);
    }
    return 1;
}

void TCombo::enterEvent(QEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    QComboBox::enterEvent(e);
}

void TCombo::leaveEvent(QEvent* e)
{
    clearFocus();
    QComboBox::leaveEvent(e);
}
