#include "ttime.h"
#include "tkeys.h"

#include <QKeyEvent>

TTime::TTime(QWidget* parent)
    : QTimeEdit(parent), m_lock(0), m_section(QDateTimeEdit::HourSection)
{
    setReadOnly(true);
    setWrapping(true);
}

QTime TTime::unitStep(const QTime& time, QDateTimeEdit::Section section, int sign)
{
    switch (section) {
    case QDateTimeEdit::AmPmSection: return time.addSecs(sign * 43200);
    case QDateTimeEdit::HourSection: return time.addSecs(sign * 3600);
    case QDateTimeEdit::MinuteSection: return time.addSecs(sign * 60);
    case QDateTimeEdit::SecondSection: return time.addSecs(sign);
    default: return time;
    }
}

void TTime::setLock(int on)
{
    m_lock = on;
    setSelectedSection(m_section);
}

void TTime::selectIndex(int index)
{
    setSelectedSection(sectionAt(index));
}

void TTime::selectForStep(QDateTimeEdit::Section section)
{
    setSelectedSection(section);
    setCurrentSection(section);
}

void TTime::step(int sign)
{
    setTime(unitStep(time(), currentSection(), sign));
}

int TTime::isLock(int key)
{
    if (!m_lock)
        return 0;
    const int n = sectionCount();
    const int cur = currentSectionIndex();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_lock = 1;
        setReadOnly(false);
        selectIndex(cur);
        return 1;
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        m_lock = 0;
        setReadOnly(true);
        setSelectedSection(QDateTimeEdit::NoSection);
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
    case Qt::Key_Down: {
        const QDateTimeEdit::Section sec = sectionAt(cur);
        selectForStep(sec);
        step(key == Qt::Key_Up ? 1 : -1);
        setReadOnly(false);
        setSelectedSection(sec);
        return 1;
    }
    case Qt::Key_F30:
        return 1;
    default:
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return 1;
        return 0;
    }
}

void TTime::stepBy(int steps)
{
    const QDateTimeEdit::Section sec = sectionAt(currentSectionIndex());
    selectForStep(sec);
    if (steps > 0)
        step(1);
    else if (steps < 0)
        step(-1);
    setReadOnly(false);
    setSelectedSection(sec);
}

void TTime::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        m_lock = 0;
        setReadOnly(true);
        setSelectedSection(QDateTimeEdit::NoSection);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_lock = 1;
        setReadOnly(false);
        selectIndex(currentSectionIndex());
        break;
    default:
        isLock(e->key());
        break;
    }
    setFocus(Qt::OtherFocusReason);
}

void TTime::focusInEvent(QFocusEvent* e)
{
    if (m_lock) {
        QTimeEdit::focusInEvent(e);
        setFocus(Qt::OtherFocusReason);
        setReadOnly(false);
        setCurrentSection(m_section);
    } else {
        setFocus(Qt::OtherFocusReason);
        setReadOnly(false);
        setSelectedSection(QDateTimeEdit::NoSection);
    }
}

void TTime::focusOutEvent(QFocusEvent* e)
{
    m_lock = 0;
    m_section = currentSection();
    setReadOnly(true);
    clearFocus();
    QTimeEdit::focusOutEvent(e);
}

void TTime::enterEvent(QEvent* e)
{
    m_lock = 1;
    QTimeEdit::enterEvent(e);
    setFocus(Qt::OtherFocusReason);
    setReadOnly(false);
    setSelectedSection(m_section);
}

void TTime::leaveEvent(QEvent* e)
{
    Q_UNUSED(e);
    m_lock = 0;
    m_section = sectionAt(currentSectionIndex());
    setReadOnly(true);
    clearFocus();
}
