#pragma once
#include <QApplication>
#include <QPointer>

#include <deque>
#include <functional>
#include <utility>

class QAction;
class QMenu;

// The program's application object. It counts the event handlers under way
// on the GUI thread, so that work which must not run inside another handler
// (the shutdown) waits for the moment between two of them.
//
// Many handlers let events run before they go on: the status box drawn at
// once, the menu guard, the key pads, the pop-up menu's own loop. Every
// event let through there is a handler inside the first one, which still
// has the rest of its work to do (queue the apply run of the OK just
// pressed, say). Stopping the device layer from inside it would pull the
// ground from under that work.
//
// Once a stop is taken it also closes the operator's input. The handler the
// stop waits for must return, and the shutdown itself lets events run: a key
// or a click handled there could open a menu whose loop waits for an
// operator who is not there, and the stop would never end.
class TApplication : public QApplication
{
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* e) override;

    // Runs f on the GUI thread at the first moment no event handler is under
    // way there: at once when none is, else as soon as the outermost one has
    // returned, in the order asked. f counts as a handler of its own, so
    // what it lets run waits for it in turn. f is dropped when context is
    // gone by then. GUI thread only. Under a plain QApplication (no handler
    // is known) f runs at once.
    static void betweenHandlers(QObject* context, const std::function<void()>& f);

    // The event handlers under way on the GUI thread, the caller's own among
    // them; 0 under a plain QApplication.
    static int handlers();

    // From now on, for as long as owner lives, the operator's input is
    // closed: the window system's input events (keys, mouse, wheel, touch)
    // are dropped here, and no pop-up menu starts its loop. The device
    // layer's keys reach the program as its notifications: their receiver
    // drops them by inputOpen(). Nothing under a plain QApplication.
    static void closeInput(QObject* owner);
    // The operator's input is handled: no stop was taken.
    static bool inputOpen();
    // Runs menu's own loop at the global point at, as QMenu::exec does, and
    // returns the entry chosen; nullptr at once once the input is closed.
    static QAction* execMenu(QMenu* menu, const QPoint& at);

private:
    static TApplication* instance();
    // The outermost handler returned: the work that waited for it runs,
    // then the count drops to 0.
    void leaveOutermost();

    int m_depth = 0;
    QPointer<QObject> m_inputOwner; // set: the input is closed while it lives
    std::deque<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};
