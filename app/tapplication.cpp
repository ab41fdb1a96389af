#include "tapplication.h"

#include <QInputEvent>
#include <QMenu>
#include <QThread>

namespace {

// What the operator does through the window system: keys, mouse, wheel,
// touch and tablet, hover and the context-menu request all come as input
// events; shortcuts are made of keys.
bool isInput(const QEvent* e)
{
    return dynamic_cast<const QInputEvent*>(e) || e->type() == QEvent::Shortcut;
}

} // namespace

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
    if (m_inputOwner && isInput(e))
        return true; // a stop was taken: nobody is served any more
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

void TApplication::closeInput(QObject* owner)
{
    if (TApplication* app = instance())
        app->m_inputOwner = owner;
}

bool TApplication::inputOpen()
{
    TApplication* app = instance();
    return !app || !app->m_inputOwner;
}

QAction* TApplication::execMenu(QMenu* menu, const QPoint& at)
{
    // The menu's loop ends only when an operator closes it: once the input
    // is closed it would never end, and the stop would wait for it.
    if (!inputOpen())
        return nullptr;
    return menu->exec(at);
}
