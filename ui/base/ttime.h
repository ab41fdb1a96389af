#pragma once
#include "tsectionedit.h"

#include <QTimeEdit>

// Time-of-day editor, the date editor's twin: AM/PM, hour, minute and second
// sections stepped with the arrows in edit mode; steps wrap around midnight.
class TTime : public TSectionEdit<QTimeEdit>
{
    Q_OBJECT
public:
    explicit TTime(QWidget* parent);

    // One unit of a section added to a time: 12 h, 1 h, 1 min or 1 s.
    static QTime unitStep(const QTime& time, QDateTimeEdit::Section section, int sign);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;

private:
    void step(int sign) override;
    void selectForStep(QDateTimeEdit::Section section) override;
};
