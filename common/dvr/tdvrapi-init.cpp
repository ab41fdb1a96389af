// Process services of the start: daemon mode, the environment and the
// variant set-up of the device layer, the video standard, the clock and the
// time zone.
#include "tdvrapi.h"
#include "tclock.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tpath.h"
#include "tquickopt.h"
#include "trunner.h"

#include <QLoggingCategory>
#include <QThread>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// The identifiers the device layer knows the variants by; variants 1 and 5
// share one.
const char* oemIdentifier(int oem)
{
    switch (oem) {
    case 1:
    case 5: return "VEXO";
    case 2: return "TAVO";
    case 3: return "ZEB";
    case 4: return "WENDRIX";
    case 6: return "PEXA";
    case 10: return "FETO";
    default: return nullptr;
    }
}
}

int TDVRAPI::daemonize(int argc, char** argv)
{
    // The program's name is no option: only the arguments after it count.
    bool daemon = false;
    for (int i = 1; i < argc && argv && !daemon; ++i)
        daemon = argv[i] && std::strstr(argv[i], "-daemon");
    if (!daemon)
        return 0;

    umask(0);
    struct rlimit rl;
    const bool haveLimit = getrlimit(RLIMIT_NOFILE, &rl) == 0;
    if (!haveLimit)
        std::fprintf(stderr, "error getlimit\n");

    const pid_t pid = fork();
    if (pid < 0)
        std::fprintf(stderr, "error fork\n"); // goes on in this process
    else if (pid > 0)
        return -1; // the parent: the caller ends it

    setsid();
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = SIG_IGN;
    sigemptyset(&sa.sa_mask);
    if (sigaction(SIGHUP, &sa, nullptr) < 0)
        std::fprintf(stderr, "can't ignore SIGHUP\n");
    if (chdir("/") < 0)
        std::fprintf(stderr, "can't change directory \n");

    rlim_t limit = 0;
    if (haveLimit)
        limit = rl.rlim_max == RLIM_INFINITY ? 1024 : qMin<rlim_t>(rl.rlim_max, UINT_MAX);
    // One call where the kernel has it: a hard limit can be in the millions.
    if (limit > 0 && close_range(0, unsigned(limit - 1), 0) != 0)
        for (rlim_t fd = 0; fd < limit; ++fd)
            close(int(fd));

    // The standard descriptors lead nowhere: the system's own null device.
    const int fd0 = open("/dev/null", O_RDWR);
    const int fd1 = dup(0);
    const int fd2 = dup(0);
    openlog(argc > 0 && argv && argv[0] ? argv[0] : "dvrui", LOG_CONS, LOG_DAEMON);
    if (fd0 != 0 || fd1 != 1 || fd2 != 2) {
        syslog(LOG_ERR, "unexpected file descriptors %d %d %d", fd0, fd1, fd2);
        std::exit(1);
    }
    closelog();
    return 0;
}

int TDVRAPI::oemInit()
{
    openlog("VSMD", 0, LOG_DAEMON);
    syslog(LOG_DEBUG, "DVR start!!\n");
    qputenv("QT_QWS_FONTDIR", TPath::map(QStringLiteral("/dvr")).toLocal8Bit());
    runSystem("mkdir -p /dev/input; ln -s /dev/mice /dev/input/mice");

    const int oem = g_default ? g_default->getOem() : 0;
    if (oem == 2)
        DoemTavoInit(1);
    if (const char* id = oemIdentifier(oem))
        DalSetOem(id);
    return 0;
}

int TDVRAPI::initVideoType()
{
    char type[12] = {};
    DalCmd("get-video-type", type, int(sizeof type));
    type[sizeof type - 1] = '\0';
    qCDebug(lcApi, "initVideoType.. sz_vtype:%s", type);

    TQuickOpt quick(QStringLiteral("/dvr/quickOpt.conf"));
    quick.load();
    char pal[4] = "pal";
    if (std::strstr(type, "none")) {
        // The device cannot tell: the stored standard holds.
        if (qstrncmp(quick.record().pal, "pal", sizeof quick.record().pal) == 0)
            DalCmd("video-type", pal, int(sizeof pal));
        else
            quick.clearVideoType();
    } else if (std::strstr(type, "pal")) {
        DalCmd("video-type", pal, int(sizeof pal));
        quick.setPal();
    } else {
        quick.clearVideoType();
    }
    quick.save();
    return 0;
}

void TDVRAPI::msleep(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

int TDVRAPI::checkDead()
{
    return DalCheckDead();
}

int TDVRAPI::hwclockSeconds()
{
    // "Tue Dec  7 01:02:03 2026  -0.500000 seconds": the seconds of the
    // time, on the first line only.
    const QByteArray out = TRunner::capture(QStringLiteral("hwclock -r"));
    const QByteArray line = out.left(qMin(out.indexOf('\n') < 0 ? out.size() : out.indexOf('\n'), 1000));
    int seconds = 0;
    if (line.contains("seconds") && std::sscanf(line.constData(), "%*3s %*3s %*2d %*2d:%*2d:%2d", &seconds) != 1)
        seconds = 0;
    return seconds;
}

void TDVRAPI::setTime(int diff)
{
    qCDebug(lcApi, "TDVRAPI::setTime diff:%d", diff);
    if (diff > -2 && diff < 2)
        return;
    DalSysSetTime(int64_t(TClock::secs()) + diff);
}

void TDVRAPI::dtSetdevice(int skip)
{
    qCDebug(lcApi, "dtSetdevice skip_tz:%d", skip);
    if (!g_cfg)
        return;
    const auto* dt = static_cast<const PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 1));
    const QByteArray zone(dt->tz, int(qstrnlen(dt->tz, sizeof dt->tz)));
    if (!skip) {
        SysCaps caps;
        std::memset(&caps, 0, sizeof caps);
        if (DalSysGetCaps(&caps) == 0 && caps.tz) {
            for (int i = 0; i < caps.numTz; ++i) {
                const char* name = caps.tz[i].name;
                if (name && zone == QByteArray(name, int(qstrnlen(name, sizeof dt->tz)))) {
                    const int r = DalSysSetTz(&caps.tz[i], dt->dst);
                    qCDebug(lcApi, "DalSysGetTzByDisp => %d", r);
                    break;
                }
            }
        }
    }
    char server[sizeof dt->server];
    qstrncpy(server, dt->server, sizeof server);
    DalNeseSetNtp(server, int(g_cfg->getvaluefromindex(IDX_DATA_NTP_PERIOD, dt->check)));
}
