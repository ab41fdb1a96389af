// A program that starts as the recorder does: it detaches when asked, and
// the detached process writes what it became into the file named by
// DAEMON_REPORT: "<session leader> <working directory> <fd 0, 1, 2 on the
// null device> <SIGHUP ignored>". Exit status 3: the parent of a detached process.
#include "tdvrapi.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    const std::string report = std::getenv("DAEMON_REPORT");
    if (TDVRAPI::daemonize(argc, argv) == -1)
        return 3;
    char cwd[256] = "";
    bool null = true;
    for (int fd = 0; fd < 3; ++fd) {
        char link[32], target[64] = "";
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        null = null && readlink(link, target, sizeof target - 1) == 9 && std::string(target) == "/dev/null";
    }
    struct sigaction sa;
    sigaction(SIGHUP, nullptr, &sa);
    FILE* f = std::fopen((report + ".tmp").c_str(), "w");
    if (!f || !getcwd(cwd, sizeof cwd))
        return 4;
    std::fprintf(f, "%d %s %d %d", getsid(0) == getpid(), cwd, null, sa.sa_handler == SIG_IGN);
    std::fclose(f);
    return std::rename((report + ".tmp").c_str(), report.c_str()) == 0 ? 0 : 4;
}
