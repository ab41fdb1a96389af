#include "tstopsignals.h"
#include "townerthread.h"
#include "trunner.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

int g_pipe[2] = {-1, -1};

// The bytes besides signal numbers (never 0, never above 64): the
// destructor's, and the shutdown's begin and end.
const unsigned char QuitByte = 0;
const unsigned char BeginByte = 0xfe;
const unsigned char EndByte = 0xff;

void sendByte(unsigned char b)
{
    if (g_pipe[1] < 0)
        return;
    const ssize_t n = ::write(g_pipe[1], &b, 1);
    (void)n;
}

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
    sendByte(QuitByte);
    m_watcher.join();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    // The request was this watcher's.
    TRunner::setStopping(false);
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
    using Clock = std::chrono::steady_clock;
    const auto msTo = [](Clock::time_point t) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(t - Clock::now()).count();
    };
    int sig = 0; // the stop request, once it came
    bool begun = false;
    bool ended = false;
    Clock::time_point takeBy;
    Clock::time_point endBy;
    for (;;) {
        const bool taken = m_taken.loadAcquire() != 0;
        if (sig && taken && !begun) {
            begun = true; // the request taken is the shutdown begun
            endBy = Clock::now() + std::chrono::milliseconds(m_boundMs);
        }
        if (sig && !taken && msTo(takeBy) <= 0)
            endNow(sig, "the GUI thread did not take it", m_boundMs);
        if (begun && !ended && msTo(endBy) <= 0)
            endNow(sig, "the shutdown did not end", m_boundMs);
        // Whether the request was taken is looked at now and then; the
        // shutdown's end comes as a byte.
        long long wait = -1;
        if (sig && !taken)
            wait = qBound(0LL, static_cast<long long>(msTo(takeBy)), 50LL);
        else if (begun && !ended)
            wait = qMax(0LL, static_cast<long long>(msTo(endBy)));
        const int b = nextByte(int(wait));
        if (b < 0)
            continue;
        if (b == QuitByte)
            return; // the destructor
        if (b == BeginByte) {
            if (!begun) {
                begun = true;
                endBy = Clock::now() + std::chrono::milliseconds(m_boundMs);
            }
        } else if (b == EndByte) {
            ended = true;
        } else if (!sig) {
            sig = b;
            takeBy = Clock::now() + std::chrono::milliseconds(m_boundMs);
            m_requested.storeRelease(1);
            // The device layer's threads that wait for the GUI thread stop
            // waiting, and no clock read or network start script begins
            // that would hold the end for its bound: the program ends.
            TOwnerThread::setClosing(true);
            TRunner::setStopping(true);
            qCInfo(lcApp, "stop signal %d: shutting down", sig);
            QMetaObject::invokeMethod(
                this,
                [this, sig] {
                    m_taken.storeRelease(1);
                    emit sg_stop(sig);
                },
                Qt::QueuedConnection);
        }
    }
}

void TStopSignals::endNow(int sig, const char* what, int boundMs)
{
    // Written without Qt's logging: the hung thread may hold it.
    char line[200];
    const int n = sig ? std::snprintf(line, sizeof line,
                                      "stop signal %d: %s within %d ms, the program ends without its shutdown\n",
                                      sig, what, boundMs)
                      : std::snprintf(line, sizeof line, "shutdown: %s within %d ms, the program ends\n", what,
                                      boundMs);
    const ssize_t w = ::write(STDERR_FILENO, line, size_t(qBound(0, n, int(sizeof line) - 1)));
    (void)w;
    if (sig) {
        std::signal(sig, SIG_DFL);
        ::raise(sig);
        ::_exit(128 + sig); // a signal that was blocked or ignored
    }
    ::_exit(EXIT_FAILURE);
}

void TStopSignals::shutdownBegins()
{
    sendByte(BeginByte);
}

void TStopSignals::shutdownEnds()
{
    sendByte(EndByte);
}

bool TStopSignals::requested()
{
    if (!m_requested.loadAcquire())
        return false;
    m_taken.storeRelease(1);
    return true;
}
