// Times the program's start against its floor, in one run, alternating:
//   dvrui: process start until the main window is built ("TMain::TMain
//          end") and until its first painted live view ("TMain::paintEvent..
//          exit", after the device bring-up, which runs 500 ms after the
//          first show), offscreen, the 16-channel stand-in, a fresh runtime
//          root each time; then SIGTERM and the clean shutdown.
//   floor: a bare QApplication with one 1280 x 720 QWidget that paints
//          black once and quits (this program with --bare).
// Peak memory is the child's maximum resident set (wait4).
// Usage: mainwinbench [runs]   (default 10 of each)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

class BareWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), Qt::black);
        if (!m_done) {
            m_done = true;
            std::fputs("painted\n", stderr);
            std::fflush(stderr);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool m_done = false;
};

int runBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow w;
    w.resize(1280, 720);
    w.show();
    return app.exec();
}

struct Run
{
    double builtMs = -1; // dvrui: the main window built
    double paintMs = -1; // the first paint wanted
    long maxRssKb = 0;
    bool ok = false;
};

// Starts argv with env, reads its standard error until `last` shows up
// (noting `first` on the way), stops it with SIGTERM when stop is set, and
// waits for it.
Run runChild(const std::vector<std::string>& args, const std::vector<std::string>& env, const char* first,
             const char* last, bool stop)
{
    Run r;
    int fds[2];
    if (pipe(fds) != 0)
        return r;
    std::vector<char*> av, ev;
    for (const auto& a : args)
        av.push_back(const_cast<char*>(a.c_str()));
    av.push_back(nullptr);
    for (const auto& e : env)
        ev.push_back(const_cast<char*>(e.c_str()));
    ev.push_back(nullptr);
    const auto t0 = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 2);
        close(fds[0]);
        close(fds[1]);
        execve(av[0], av.data(), ev.data());
        _exit(127);
    }
    close(fds[1]);
    std::string seen;
    char buf[4096];
    auto ms = [&] { return std::chrono::duration<double, std::milli>(Clock::now() - t0).count(); };
    bool stopped = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, 30000) <= 0)
            break;
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        seen.append(buf, size_t(n));
        if (first && r.builtMs < 0 && seen.find(first) != std::string::npos)
            r.builtMs = ms();
        if (r.paintMs < 0 && seen.find(last) != std::string::npos) {
            r.paintMs = ms();
            if (stop && !stopped) {
                kill(pid, SIGTERM);
                stopped = true;
            }
        }
    }
    close(fds[0]);
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    r.maxRssKb = ru.ru_maxrss;
    r.ok = r.paintMs >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    std::vector<std::string> base;
    for (char** e = environ; *e; ++e) {
        const std::string s(*e);
        if (s.rfind("QT_QPA_PLATFORM=", 0) && s.rfind("QT_LOGGING_RULES=", 0) && s.rfind("DVR_ROOT=", 0)
            && s.rfind("DAL_PROFILE=", 0))
            base.push_back(s);
    }
    base.push_back("QT_QPA_PLATFORM=offscreen");
    if (!getenv("XDG_RUNTIME_DIR"))
        base.push_back("XDG_RUNTIME_DIR=" + QDir::tempPath().toStdString());

    std::vector<double> built, live, bare;
    std::vector<double> rssApp, rssBare;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir root;
        for (const char* d : {"dvr", "tmp", "data", "backup", "var/volatile", "dev", "etc", "app"})
            QDir(root.path()).mkpath(QString::fromLatin1(d));
        QFile marker(root.filePath(QStringLiteral("dvr/board_ok.txt")));
        if (!marker.open(QIODevice::WriteOnly) || marker.write("ok", 3) != 3)
            return 1;
        marker.close();
        QFile::copy(QStringLiteral(DVR_SHEET), root.filePath(QStringLiteral("app/img_res.png")));
        std::vector<std::string> env = base;
        env.push_back("DVR_ROOT=" + root.path().toStdString());
        env.push_back("DAL_PROFILE=16");
        env.push_back("QT_LOGGING_RULES=dvr.*.debug=false\ndvr.app.debug=true");
        const Run a = runChild({DVRUI_PATH}, env, "TMain::TMain end", "TMain::paintEvent.. exit", true);
        const Run b = runChild({argv[0], "--bare"}, base, nullptr, "painted", false);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "run %d failed (dvrui %d, bare %d)\n", i, a.ok, b.ok);
            return 1;
        }
        built.push_back(a.builtMs);
        live.push_back(a.paintMs);
        bare.push_back(b.paintMs);
        rssApp.push_back(a.maxRssKb / 1024.0);
        rssBare.push_back(b.maxRssKb / 1024.0);
    }
    std::printf("start-up, %d runs each, medians:\n", runs);
    std::printf("  dvrui main window built      %8.1f ms\n", median(built));
    std::printf("  dvrui first live view paint  %8.1f ms (the bring-up waits 500 ms after the first show)\n",
                median(live));
    std::printf("  bare window first paint      %8.1f ms\n", median(bare));
    std::printf("  live view after the 500 ms wait, over the floor: %.1f ms (x%.2f)\n",
                median(live) - 500.0 - median(bare), (median(live) - 500.0) / median(bare));
    std::printf("  peak memory: dvrui %.1f MB, bare window %.1f MB (x%.2f)\n", median(rssApp), median(rssBare),
                median(rssApp) / median(rssBare));
    return 0;
}
