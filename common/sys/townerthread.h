#pragma once
#include <QObject>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QThread;

// Runs work in the thread that owns an object and waits for it, with a bound.
// The configuration store and the device facade's remote-setup handlers live
// in the GUI thread; the device layer's threads and the apply thread hand
// their share of the work over instead of touching the object themselves.
//
// A call made in the owner thread runs at once. From any other thread the
// work is queued to the owner's thread and waited for. When that thread has
// not begun it within the bound (it is blocked, busy for too long, or gone)
// or once the program is closing, the work is withdrawn and never runs, so
// the caller can report a failure that is true. Work that has begun is
// always waited for to its end.
//
// One mailbox object per owner thread carries the hand-over: a queued signal
// without arguments wakes it, and the work itself passes through a queue
// under a standard mutex, so the thread checker sees every hand-over.
class TOwnerThread : public QObject
{
    Q_OBJECT
public:
    // true when f ran (to its end), false when it was withdrawn unrun.
    // boundMs NoBound waits as long as the owner takes; giveUp, when given,
    // is asked now and then while the work waits and withdraws it once it
    // answers true (the caller is being stopped).
    static bool call(QObject* owner, const std::function<void()>& f, int boundMs = DefaultBoundMs,
                     const std::function<bool()>& giveUp = {});

    // Makes the calling thread's mailbox. An owner's thread calls it before
    // other threads hand work over (the store and the facade as they are
    // made): a mailbox made on a caller's thread reaches the owner through
    // Qt's event queue, which the thread checker cannot see.
    static void prepare();

    // While set, calls from other threads withdraw their work at once
    // instead of waiting: the owner is stopping the threads that would wait
    // on it (the device layer at shutdown).
    static void setClosing(bool closing);
    static bool closing();

    // Marks the calling thread as one its owner waits for before it stops
    // (the apply thread): its calls are served to their end while the owner
    // is closing, given up only by their bound or their giveUp.
    static void keepThroughClosing();

    enum { DefaultBoundMs = 10000, NoBound = -1 };

    struct Handover;

signals:
    void sg_pending();

private slots:
    void sl_runPending();

private:
    TOwnerThread();
    // The mailbox of a thread, made on first use.
    static TOwnerThread* mailbox(QThread* thread);

    std::mutex m_mutex;
    std::deque<std::shared_ptr<Handover>> m_queue;
};
