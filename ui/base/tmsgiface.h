#pragma once
#include <QString>

class QWidget;

// What the windows of this floor need of the shared message box: set the
// button set, title and message, and pop it up over a window. The message box
// itself lives in a higher floor (the live-view pop-ups); it implements this
// class and main installs it at start, so the keyboards warn the operator
// without linking upward. Tests install the real box or a fake.
class TMsgIface
{
public:
    virtual ~TMsgIface();
    virtual void setType(int kind) = 0;
    virtual void setTitle(const QString& title) = 0;
    virtual void setText(const QString& text) = 0;
    // Centres the box over a window and shows it.
    virtual void popupOver(QWidget* over) = 0;

    // The installed box, or null before start-up installed one.
    static TMsgIface* installed();
    static void install(TMsgIface* box);
};
