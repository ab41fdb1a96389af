#include "ttime.h"

TTime::TTime(QWidget* parent) : TSectionEdit(parent, QDateTimeEdit::HourSection) {}

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

void TTime::selectForStep(QDateTimeEdit::Section section)
{
    setSelectedSection(section);
    setCurrentSection(section);
}

void TTime::step(int sign)
{
    setTime(unitStep(time(), currentSection(), sign));
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

void TTime::enterEvent(QEvent* e)
{
    m_lock = 1;
    QTimeEdit::enterEvent(e);
    setFocus(Qt::OtherFocusReason);
    setReadOnly(false);
    setSelectedSection(m_section);
}
