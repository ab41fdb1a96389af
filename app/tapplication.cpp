#include "tapplication.h"

#include <QThread>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

TApplication::~TApplication() = default;

TApplication* TApplication::instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

bool TApplication::notify(QObject* receiver, QEvent* e)
{
    // Only the GUI thread's handlers count; other threads' events pass.
    if (receiver->thread() != thread())
        return QApplication::notify(receiver, e);
    ++m_depth;
    const bool done = QApplication::notify(receiver, e);
    if (m_depth == 1)
        leaveOutermost();
    else
        --m_depth;
    return done;
}

void TApplication::leaveOutermost()
{
    // The count stays at 1 while the waiting work runs: each piece is a
    // handler, and what it asks for between handlers joins the queue.
    while (!m_waiting.empty()) {
        const auto next = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (next.first)
            next.second();
    }
    m_depth = 0;
}

void TApplication::betweenHandlers(QObject* context, const std::function<void()>& f)
{
    TApplication* app = instance();
    if (!app) {
        f();
        return;
    }
    Q_ASSERT(QThread::currentThread() == app->thread());
    app->m_waiting.emplace_back(context, f);
    if (app->m_depth == 0) {
        // Asked from outside any handler (start-up, a test): now.
        app->m_depth = 1;
        app->leaveOutermost();
    }
}

int TApplication::handlers()
{
    TApplication* app = instance();
    return app ? app->m_depth : 0;
}
