#include "tsectionedit.h"
#include "tkeys.h"

#include <QKeyEvent>

template <class Edit>
TSectionEdit<Edit>::TSectionEdit(QWidget* parent, QDateTimeEdit::Section section)
    : Edit(parent), m_lock(0), m_section(section)
{
    this->setReadOnly(true);
    this->setWrapping(true);
}

template <class Edit>
void TSectionEdit<Edit>::setLock(int on)
{
    m_lock = on;
    this->setSelectedSection(m_section);
}

template <class Edit>
void TSectionEdit<Edit>::selectIndex(int index)
{
    this->setSelectedSection(this->sectionAt(index));
}

template <class Edit>
void TSectionEdit<Edit>::selectForStep(QDateTimeEdit::Section section)
{
    this->setSelectedSection(section);
}

template <class Edit>
void TSectionEdit<Edit>::stepSection(int sign)
{
    const QDateTimeEdit::Section sec = this->sectionAt(this->currentSectionIndex());
    selectForStep(sec);
    if (sign != 0)
        step(sign);
    this->setReadOnly(false);
    this->setSelectedSection(sec);
}

template <class Edit>
int TSectionEdit<Edit>::isLock(int key)
{
    if (!m_lock)
        return 0;
    const int n = this->sectionCount();
    const int cur = this->currentSectionIndex();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_lock = 1;
        this->setReadOnly(false);
        selectIndex(cur);
        return 1;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        m_lock = 0;
        this->setReadOnly(true);
        this->setSelectedSection(QDateTimeEdit::NoSection);
        return 1;
    case KEY_JOG_LEFT:
    case Qt::Key_Left:
        selectIndex(cur - 1 < 0 ? n - 1 : cur - 1);
        return 1;
    case KEY_JOG_RIGHT:
    case Qt::Key_Right:
        selectIndex(cur + 1 >= n ? 0 : cur + 1);
        return 1;
    case Qt::Key_Up:
    case Qt::Key_Down:
        stepSection(key == Qt::Key_Up ? 1 : -1);
        return 1;
    case Qt::Key_F30:
        return 1;
    default:
        // Typed digits never edit the value.
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return 1;
        return 0;
    }
}

template <class Edit>
void TSectionEdit<Edit>::stepBy(int steps)
{
    // One unit whatever the size of steps.
    stepSection(steps > 0 ? 1 : (steps < 0 ? -1 : 0));
}

template <class Edit>
void TSectionEdit<Edit>::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        m_lock = 0;
        this->setReadOnly(true);
        this->setSelectedSection(QDateTimeEdit::NoSection);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_lock = 1;
        this->setReadOnly(false);
        selectIndex(this->currentSectionIndex());
        break;
    default:
        isLock(e->key());
        break;
    }
    this->setFocus(Qt::OtherFocusReason);
}

template <class Edit>
void TSectionEdit<Edit>::focusOutEvent(QFocusEvent* e)
{
    m_lock = 0;
    m_section = this->currentSection();
    this->setReadOnly(true);
    this->clearFocus();
    Edit::focusOutEvent(e);
}

template <class Edit>
void TSectionEdit<Edit>::leaveEvent(QEvent*)
{
    m_lock = 0;
    m_section = this->sectionAt(this->currentSectionIndex());
    this->setReadOnly(true);
    this->clearFocus();
}

template class TSectionEdit<QDateEdit>;
template class TSectionEdit<QTimeEdit>;
