#include "tdate.h"
#include "uibaselog.h"

#include <QKeyEvent>

TDate::TDate(QWidget* parent) : TSectionEdit(parent, QDateTimeEdit::YearSection) {}

QDate TDate::unitStep(const QDate& date, QDateTimeEdit::Section section, int sign)
{
    switch (section) {
    case QDateTimeEdit::YearSection: return date.addYears(sign);
    case QDateTimeEdit::MonthSection: return date.addMonths(sign);
    case QDateTimeEdit::DaySection: return date.addDays(sign);
    default: return date;
    }
}

void TDate::step(int sign)
{
    // setDate keeps the editor's range.
    setDate(unitStep(date(), currentSection(), sign));
}

int TDate::isLock(int key)
{
    qCDebug(lcUiBase, "TDate::isLock.. m_lock:%d key:%08x", m_lock, key);
    return TSectionEdit::isLock(key);
}

void TDate::keyPressEvent(QKeyEvent* e)
{
    qCDebug(lcUiBase, "TDate::keyPressEvent.. m_lock:%d", m_lock);
    TSectionEdit::keyPressEvent(e);
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

void TDate::enterEvent(QEvent* e)
{
    m_lock = 1;
    setReadOnly(false);
    QDateEdit::enterEvent(e);
    setFocus(Qt::OtherFocusReason);
    setSelectedSection(m_section);
}
