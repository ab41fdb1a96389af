#pragma once
#include "tsectionedit.h"

#include <QDateEdit>

// Date editor driven section by section with the arrows and the jog dial.
// Browse mode: read-only, the arrows belong to the window. Edit mode (Space,
// Enter, mouse entry): Left/Right choose year, month or day, Up/Down step it.
class TDate : public TSectionEdit<QDateEdit>
{
    Q_OBJECT
public:
    explicit TDate(QWidget* parent);

    // One unit of a section added to a date: a year, a month or a day.
    static QDate unitStep(const QDate& date, QDateTimeEdit::Section section, int sign);

    int isLock(int key) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;

private:
    void step(int sign) override;
};
