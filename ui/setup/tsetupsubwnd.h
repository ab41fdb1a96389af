#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QByteArray>
#include <QVector>

// A small application-modal window that a setup page opens over itself to
// edit one section of the edit copy in place (camera rights, e-mail events,
// motion presets). It takes a snapshot of the whole section when it is shown
// and puts it back on CANCEL, Escape, and when its page or the setup frame
// hides while it is open; a section that another writer replaced meanwhile
// (a remote setup) is left as that writer made it. The keys walk the
// window's focus table; Enter and Return press the control with the focus.
class TSetupSubWnd : public TDefWnd
{
    Q_OBJECT
public:
    // section: the section index in the edit copy, bytes: its record's size.
    TSetupSubWnd(QWidget* parent, int id, QSize size, int section, int bytes);

    // Puts the snapshot back, unless the section was replaced, and hides.
    void cancel();

    void evtKeydown(int key) override;
    void evtKeyup(int key) override;

protected:
    // Takes the snapshot: called when the window is shown.
    void keepSnapshot();
    // Notes the section as this window left it, after each edit of its own.
    void noteEdit();
    // A key that a control of the window takes itself (an open list).
    virtual bool keyTaken(int key);
    // Where an arrow key moves the focus; null: to the first control.
    virtual QWidget* arrowMove(int key);
    // The control the focus falls back to.
    virtual QWidget* firstCtrl() const = 0;

    QVector<FocusLink> m_focus;

private:
    void* section() const;

    int m_section;
    int m_bytes;
    QByteArray m_backup;
    QByteArray m_mine; // the section as this window last left it
};
