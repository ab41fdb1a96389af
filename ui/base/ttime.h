#pragma once
#include <QTimeEdit>

// Time-of-day editor, the date editor's twin: AM/PM, hour, minute and second
// sections stepped with the arrows in edit mode; steps wrap around midnight.
class TTime : public QTimeEdit
{
    Q_OBJECT
public:
    explicit TTime(QWidget* parent);

    // One unit of a section added to a time: 12 h, 1 h, 1 min or 1 s.
    static QTime unitStep(const QTime& time, QDateTimeEdit::Section section, int sign);

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
    void selectForStep(QDateTimeEdit::Section section);

    int m_lock;
    QDateTimeEdit::Section m_section;
};
