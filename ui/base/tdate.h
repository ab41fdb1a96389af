#pragma once
#include <QDateEdit>

// Date editor driven section by section with the arrows and the jog dial.
// Browse mode: read-only, the arrows belong to the window. Edit mode (Space,
// Enter, mouse entry): Left/Right choose year, month or day, Up/Down step it.
class TDate : public QDateEdit
{
    Q_OBJECT
public:
    explicit TDate(QWidget* parent);

    // One unit of a section added to a date: a year, a month or a day.
    static QDate unitStep(const QDate& date, QDateTimeEdit::Section section, int sign);

    int lock() const { return m_lock; }
    void setLock(int on);
    int isLock(int key);
    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void step(int sign);
    void selectIndex(int index);

    int m_lock;
    QDateTimeEdit::Section m_section;
};
