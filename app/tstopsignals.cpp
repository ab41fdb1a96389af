#include "tstopsignals.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

int g_pipe[2] = {-1, -1};

// Only async-signal-safe work: one byte into the pipe, the default action
// back for the next request.
void onStop(int sig)
{
    const unsigned char b = static_cast<unsigned char>(sig);
    const ssize_t n = ::write(g_pipe[1], &b, 1);
    (void)n;
    std::signal(sig, SIG_DFL);
}

} // namespace

TStopSignals::TStopSignals(QObject* parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcApp, "TStopSignals: no stop pipe, SIGINT and SIGTERM act as usual");
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TStopSignals::sl_readable);
    struct sigaction sa = {};
    sa.sa_handler = onStop;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

TStopSignals::~TStopSignals()
{
    if (!m_notifier)
        return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

int TStopSignals::drain()
{
    int sig = 0;
    unsigned char b = 0;
    while (g_pipe[0] >= 0 && ::read(g_pipe[0], &b, 1) == 1)
        sig = b;
    return sig;
}

bool TStopSignals::requested()
{
    if (m_notifier && !m_requested.loadAcquire()) {
        const int sig = drain();
        if (sig != 0) {
            qCInfo(lcApp, "stop signal %d: the program ends", sig);
            m_requested.storeRelease(1);
        }
    }
    return m_requested.loadAcquire() != 0;
}

void TStopSignals::sl_readable()
{
    const int sig = drain();
    if (sig == 0)
        return;
    qCInfo(lcApp, "stop signal %d: shutting down", sig);
    m_requested.storeRelease(1);
    emit sg_stop(sig);
}
