#pragma once
// The emissions of one of the facade's signals as the GUI thread receives
// them, in the form QSignalSpy keeps them (one argument list each). Unlike
// QSignalSpy, whose lists are appended on the emitting thread, the lists
// are appended only on the test's thread: an emission on a device-layer
// thread arrives queued, as it does at the windows, so the test can read
// the log at any time without a race.
#include <QList>
#include <QObject>
#include <QTest>
#include <QVariant>

class TSignalLog : public QList<QList<QVariant>>
{
public:
    template <class Sender, class... Args>
    TSignalLog(Sender* sender, void (Sender::*signal)(Args...))
    {
        QObject::connect(sender, signal, &m_receiver,
                         [this](Args... args) { append(QList<QVariant>{QVariant::fromValue(args)...}); });
    }
    TSignalLog(const TSignalLog&) = delete;
    TSignalLog& operator=(const TSignalLog&) = delete;

    // Processes events until one more emission arrived; false after timeout ms.
    bool wait(int timeout = 5000)
    {
        const int before = size();
        return QTest::qWaitFor([&] { return size() > before; }, timeout);
    }

private:
    QObject m_receiver; // lives in the test's thread
};
