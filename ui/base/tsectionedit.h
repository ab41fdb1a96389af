#pragma once
#include <QDateTimeEdit>

class QEvent;
class QFocusEvent;
class QKeyEvent;

// The key-lock editing that the date editor (on QDateEdit) and the time
// editor (on QTimeEdit) share. Browse mode: read-only, the arrows belong to
// the window. Edit mode (Space, Enter, mouse entry): Left/Right and the jog
// choose a section, Up/Down step it by one unit; typed digits never edit the
// value. The section in use is remembered while the editor is not in use.
// Focus-in and mouse entry stay with each editor: their orders differ.
template <class Edit>
class TSectionEdit : public Edit
{
public:
    int lock() const { return m_lock; }
    void setLock(int on);
    // The editor's member of the key-lock idiom: nonzero when it took the key.
    virtual int isLock(int key);
    void stepBy(int steps) override;

protected:
    TSectionEdit(QWidget* parent, QDateTimeEdit::Section section);

    // Adds one unit of the current section with the sign given.
    virtual void step(int sign) = 0;
    // Makes a section the one a step works on.
    virtual void selectForStep(QDateTimeEdit::Section section);
    void selectIndex(int index);

    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void leaveEvent(QEvent* e) override;

    int m_lock;
    QDateTimeEdit::Section m_section;

private:
    // Selects the section at the current index, steps it (sign 0: not at
    // all) and leaves it writable with that section selected.
    void stepSection(int sign);
};

// Built once, in tsectionedit.cpp, for the two editors.
extern template class TSectionEdit<QDateEdit>;
extern template class TSectionEdit<QTimeEdit>;
