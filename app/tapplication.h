#pragma once
#include <QApplication>
#include <QPointer>

#include <deque>
#include <functional>
#include <utility>

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

private:
    static TApplication* instance();
    // The outermost handler returned: the work that waited for it runs,
    // then the count drops to 0.
    void leaveOutermost();

    int m_depth = 0;
    std::deque<std::pair<QPointer<QObject>, std::function<void()>>> m_waiting;
};
