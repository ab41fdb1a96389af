// Times the search window's timeline fill against its floors, in one run,
// on a 32-channel recorder whose day holds recording in every minute of
// both planes on every channel:
//   load:        the facade's day load alone (TDVRAPI::loadDay)
//   load+fill:   the day load, the fill on TDatasetTh (thread start, cells,
//                finished() back in the GUI thread) and the hand-over of the
//                cells to a TLineGraph
//   fill:        the fill alone, in the calling thread (TDatasetTh::fillCells)
//   bare loop:   every channel, hour and minute of the same masks tested
//                into a byte buffer, without the hour masks' skip
// and the same fill and hand-over for an empty day.
// Usage: searchfillbench [folder]   (default /dev/shm when present)
#include "appglobals.h"
#include "dal_test.h"
#include "tconfig.h"
#include "tdatasetth.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tlinegraph.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

const int kRounds = 5;
const int kRepeats = 200;

double best(const std::function<void()>& once)
{
    double b = -1;
    for (int r = 0; r < kRounds; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kRepeats; ++i)
            once();
        const double us = t.nsecsElapsed() / 1000.0 / kRepeats;
        b = b < 0 ? us : std::min(b, us);
    }
    return b;
}

// The floor: every minute bit of every channel looked at.
void bareLoop(const ReiDay& d, uint8_t* cells)
{
    std::memset(cells, 0, TDatasetTh::ROWS * TDatasetTh::MINUTES);
    for (int c = 0; c < TDatasetTh::ROWS; ++c)
        for (int h = 0; h < 24; ++h)
            for (int m = 0; m < 60; ++m) {
                const uint64_t bit = uint64_t(1) << m;
                if (d.minMask2[h][c] & bit)
                    cells[c * TDatasetTh::MINUTES + h * 60 + m] = 2;
                else if (d.minMask1[h][c] & bit)
                    cells[c * TDatasetTh::MINUTES + h * 60 + m] = 1;
            }
}

// One job on the thread, waited for in the event loop, its cells given to
// the timeline as the window does.
void threadFill(TDatasetTh& th, TLineGraph& graph, const ReiDay* day)
{
    QEventLoop loop;
    const auto c = QObject::connect(&th, &QThread::finished, &loop, [&] {
        graph.clearData();
        const uint8_t* cells = th.cells();
        for (int r = 0; r < TDatasetTh::ROWS; ++r)
            for (int m = 0; m < TDatasetTh::MINUTES; ++m)
                if (const uint8_t v = cells[r * TDatasetTh::MINUTES + m])
                    graph.setData(r, m, v);
        loop.quit();
    });
    th.set(TDatasetTh::CMD_FILL, nullptr);
    th.setDay(0, 0, 32, day);
    th.go();
    loop.exec();
    QObject::disconnect(c);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "dvr.*.debug=false");
    QApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath());
    QTemporaryDir root(base + QStringLiteral("/searchfillbench-XXXXXX"));
    for (const char* sub : {"dvr", "tmp", "data0"})
        QDir(root.path()).mkpath(QLatin1String(sub));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());

    dalTestSetProfile("32");
    TDVRAPI::installConfigHooks();
    PropDevices dev = {};
    qstrncpy(dev.model, "SDR32", sizeof dev.model);
    dev.videos = 32;
    PropDefault def;
    TDefault::setDefaults(&def);
    TConfig cfg(QStringLiteral("/dvr/SDR32.conf"), &dev, &def);
    cfg.save(-1);
    g_cfg = &cfg;
    g_api.init();
    if (dalTestDbDescribe("/data0/data.db6", "date 2026-11-10\nrec all 00:00-23:59\nevent all 00:00-23:59\n") != 0) {
        std::fprintf(stderr, "cannot write the database\n");
        return 1;
    }
    SearchQuery q;
    std::memset(&q, 0, sizeof q);
    q.year = 2026;
    q.month = 11;
    q.perPage = 10;
    if (!g_api.readyFordb(&q) || !g_api.loadMonth() || !g_api.loadDay(10, -1, 0, 1)) {
        std::fprintf(stderr, "cannot open the day\n");
        return 1;
    }

    TDatasetTh th(nullptr);
    TLineGraph graph(nullptr, 20);
    graph.init();
    graph.resizeTo(QSize(1280, 140));
    static uint8_t cells[TDatasetTh::ROWS * TDatasetTh::MINUTES];
    static ReiDay empty;
    std::memset(&empty, 0, sizeof empty);

    const double load = best([] { g_api.loadDay(10, -1, 0, 1); });
    const double chain = best([&] {
        g_api.loadDay(10, -1, 0, 1);
        threadFill(th, graph, &g_api.m_reiDay);
    });
    const double fill = best([&] { TDatasetTh::fillCells(0, 0, 32, g_api.m_reiDay, cells); });
    const double bare = best([&] { bareLoop(g_api.m_reiDay, cells); });
    const double emptyChain = best([&] { threadFill(th, graph, &empty); });
    const double emptyFill = best([&] { TDatasetTh::fillCells(0, 0, 32, empty, cells); });
    const double emptyBare = best([&] { bareLoop(empty, cells); });

    std::printf("search timeline, 32 channels (20 rows), best of %d x %d, microseconds per day\n", kRounds, kRepeats);
    std::printf("  full day   load %8.1f   load+fill+hand-over %8.1f   fill %7.1f   bare loop %7.1f\n", load, chain,
                fill, bare);
    std::printf("  empty day                  fill+hand-over %8.1f   fill %7.1f   bare loop %7.1f\n", emptyChain,
                emptyFill, emptyBare);
    g_api.closeDb();
    g_api.unregisterCallbacks();
    g_cfg = nullptr;
    return 0;
}
