#include "tdate.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QKeyEvent>

TDate::TDate(QWidget* parent)
    : QDateEdit(parent), m_lock(0), m_section(QDateTimeEdit::YearSection)
{
    setReadOnly(true);
    setWrapping(true);
}

QDate TDate::unitStep(const QDate& date, QDateTimeEdit::Section section, int sign)
{
    switch (section) {
    case QDateTimeEdit::YearSection: return date.addYears(sign);
    case QDateTimeEdit::MonthSection: return date.addMonths(sign);
    case QDateTimeEdit::DaySection: return date.addDays(sign);
    default: return date;
    }
}

void TDate::setLock(int on)
{
    m_lock = on;
    setSelectedSection(m_section);
}

void TDate::selectIndex(int index)
{
    setSelectedSection(sectionAt(index));
}

void TDate::step(int sign)
{
    // setDate keeps the editor's range.
    setDate(unitStep(date(), currentSection(), sign));
}

int TDate::isLock(int key)
{
    qCDebug(lcUiBase, "TDate::isLock.. m_lock:%d key:%08x", m_lock, key);
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
        setSelectedSection(sec);
        step(key == Qt::Key_Up ? 1 : -1);
        setReadOnly(false);
        setSelectedSection(sec);
        return 1;
    }
    case Qt::Key_F30:
        return 1;
    default:
        // Typed digits never edit the value.
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return 1;
        return 0;
    }
}

void TDate::stepBy(int steps)
{
    const QDateTimeEdit::Section sec = sectionAt(currentSectionIndex());
    setSelectedSection(sec);
    if (steps > 0)
        step(1);
    else if (steps < 0)
        step(-1);
    setReadOnly(false);
    setSelectedSection(sec);
}

void TDate::keyPressEvent(QKeyEvent* e)
{
    qCDebug(lcUiBase, "TDate::keyPressEvent.. m_lock:%d", m_lock);
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

void TDate::focusInEvent(QFocusEvent* e)
{
    if (m_lock) {
        QDateEdit::focusInEvent(e);
        setCurrentSection(m_section);
        setFocus(Qt::OtherFocusReason);
    } else {
        setReadOnly(false);
        setFocus(Qt::OtherFocusReason);
        setSelectedSection(QDateTimeEdit::NoSection);
    }
}

void TDate::focusOutEvent(QFocusEvent* e)
{
    m_lock = 0;
    m_section = currentSection();
    setReadOnly(true);
    clearFocus();
    QDateEdit::focusOutEvent(e);
}

void TDate::enterEvent(QEvent* e)
{
    m_lock = 1;
    setReadOnly(false);
    QDateEdit::enterEvent(e);
    setFocus(Qt::OtherFocusReason);
    setSelectedSection(m_section);
}

void TDate::leaveEvent(QEvent* e)
{
    Q_UNUSED(e);
    m_lock = 0;
    m_section = sectionAt(currentSectionIndex());
    setReadOnly(true);
    clearFocus();
}
