#pragma once
#include <QObject>

#include <functional>

class QThread;

// Runs work in the thread that owns an object and waits for it, with a bound.
// The configuration store and the device facade's remote-setup handlers live
// in the GUI thread; the device layer's threads and the apply thread hand
// their share of the work over instead of touching the object themselves.
//
// A call made in the owner thread runs at once. From any other thread the
// work is posted to the owner and waited for. When the owner has not begun it
// within the bound (its thread is blocked, busy for too long, or gone) or
// once the program is closing, the work is withdrawn and never runs, so the
// caller can report a failure that is true. Work that has begun is always
// waited for to its end.
class TOwnerThread
{
public:
    // true when f ran (to its end), false when it was withdrawn unrun.
    static bool call(QObject* owner, const std::function<void()>& f, int boundMs = DefaultBoundMs);

    // While set, calls from other threads withdraw their work at once
    // instead of waiting: the owner is stopping the threads that would wait
    // on it (the device layer at shutdown).
    static void setClosing(bool closing);
    static bool closing();

    enum { DefaultBoundMs = 10000 };
};
