#include "tstopsignals.h"
#include "townerthread.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

int g_pipe[2] = {-1, -1};

// The byte the destructor sends to end the watcher; signal numbers are
// never 0.
const unsigned char QuitByte = 0;

// Only async-signal-safe work: one byte into the pipe, the default action
// back for the next request.
void onStop(int sig)
{
    const int saved = errno;
    const unsigned char b = static_cast<unsigned char>(sig);
    const ssize_t n = ::write(g_pipe[1], &b, 1);
    (void)n;
    std::signal(sig, SIG_DFL);
    errno = saved;
}

} // namespace

TStopSignals::TStopSignals(QObject* parent, int takeBoundMs)
    : QObject(parent)
    , m_boundMs(takeBoundMs)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcApp, "TStopSignals: no stop pipe, SIGINT and SIGTERM act as usual");
        return;
    }
    m_active = true;
    m_watcher = std::thread([this] { watch(); });
    struct sigaction sa = {};
    sa.sa_handler = onStop;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

TStopSignals::~TStopSignals()
{
    if (!m_active)
        return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    const ssize_t n = ::write(g_pipe[1], &QuitByte, 1);
    (void)n;
    m_watcher.join();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int TStopSignals::nextByte(int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        unsigned char b = 0;
        if (::read(g_pipe[0], &b, 1) == 1)
            return b;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (ms >= 0 && left <= 0)
            return -1;
        pollfd p = {g_pipe[0], POLLIN, 0};
        ::poll(&p, 1, ms < 0 ? -1 : int(left));
    }
}

void TStopSignals::watch()
{
    int sig = nextByte(-1);
    if (sig <= 0)
        return; // the destructor
    m_requested.storeRelease(1);
    // Whoever waits for the GUI thread stops waiting: the program ends.
    TOwnerThread::setClosing(true);
    qCInfo(lcApp, "stop signal %d: shutting down", sig);
    QMetaObject::invokeMethod(
        this,
        [this, sig] {
            m_taken.storeRelease(1);
            emit sg_stop(sig);
        },
        Qt::QueuedConnection);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_boundMs);
    while (!m_taken.loadAcquire()) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) {
            // Written without Qt's logging: the hung thread may hold it.
            char line[160];
            const int n = std::snprintf(line, sizeof line,
                                        "stop signal %d: the GUI thread did not take it within %d ms, the program "
                                        "ends without its shutdown\n",
                                        sig, m_boundMs);
            const ssize_t w = ::write(STDERR_FILENO, line, size_t(qBound(0, n, int(sizeof line) - 1)));
            (void)w;
            std::signal(sig, SIG_DFL);
            ::raise(sig);
            ::_exit(128 + sig); // a signal that was blocked or ignored
        }
        const int b = nextByte(int(qMin<long long>(left, 50)));
        if (b == QuitByte)
            return; // the destructor
    }
}

bool TStopSignals::requested()
{
    if (!m_requested.loadAcquire())
        return false;
    m_taken.storeRelease(1);
    return true;
}
