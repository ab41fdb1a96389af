// Times the device facade against its floors, in one run:
//   notify: 10,000 recorder events (CbEncNotify on the stand-in's thread ->
//           sg_dvrNotify received queued in the GUI thread), one at a time,
//           latency median and 99th percentile; floor: a bare queued
//           QMetaObject::invokeMethod from the same stand-in thread.
//   log:    10,000 TDVRAPI::writeLog against 10,000 TLog::log_write.
// Usage: dvrapibench [folder]   (default /dev/shm when present: the unit
// keeps its working log in RAM)
#include "appglobals.h"
#include "dal_test.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tlog.h"
#include "tlogthread.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

namespace {

const int kEvents = 10000;
const int kWrites = 10000;

QElapsedTimer g_clock;
std::vector<qint64> g_sent(kEvents);
std::vector<qint64> g_got(kEvents);
bool g_floor = false;
QObject* g_receiver = nullptr;

// In the GUI thread: the event's arrival, then the next event.
void arrived(int data)
{
    g_got[size_t(data)] = g_clock.nsecsElapsed();
    if (data + 1 < kEvents)
        dalTestEnc(CBT_ENC_SD_STATE, 0, data + 1, nullptr);
    else
        QCoreApplication::exit(0);
}

// Stands in front of the facade's recorder callback: stamps the event on
// the stand-in's thread, then either hands it to the facade or, for the
// floor, posts the bare queued call.
int stampedNotify(void* ctx, int type, int ch, int data, const char* msg)
{
    g_sent[size_t(data)] = g_clock.nsecsElapsed();
    if (!g_floor)
        return CbEncNotify(ctx, type, ch, data, msg);
    QMetaObject::invokeMethod(g_receiver, [data] { arrived(data); }, Qt::QueuedConnection);
    return 0;
}

void report(const char* what, std::vector<qint64> lat)
{
    std::sort(lat.begin(), lat.end());
    std::printf("  %-46s median %7.1f us   p99 %7.1f us\n", what, lat[lat.size() / 2] / 1000.0,
                lat[lat.size() * 99 / 100] / 1000.0);
}

std::vector<qint64> latencies()
{
    std::vector<qint64> lat(kEvents);
    for (int i = 0; i < kEvents; ++i)
        lat[size_t(i)] = g_got[size_t(i)] - g_sent[size_t(i)];
    return lat;
}

void runChain(QCoreApplication& app, bool floor)
{
    g_floor = floor;
    dalTestEnc(CBT_ENC_SD_STATE, 0, 0, nullptr);
    app.exec();
}

double writes(const std::function<void(int)>& write)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kWrites; ++i)
        write(i);
    return t.nsecsElapsed() / 1000.0 / kWrites;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : (QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath());
    QTemporaryDir root(base + QStringLiteral("/dvrapibench-XXXXXX"));
    for (const char* sub : {"dvr", "tmp"})
        QDir(root.path()).mkpath(QLatin1String(sub));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());
    qputenv("QT_LOGGING_RULES", "dvr.*.debug=false");

    dalTestSetProfile("16");
    TDVRAPI::installConfigHooks();
    PropDevices dev = {};
    qstrncpy(dev.model, "SDR16", sizeof dev.model);
    dev.videos = 16;
    PropDefault def;
    TDefault::setDefaults(&def);
    TConfig cfg(QStringLiteral("/dvr/SDR16.conf"), &dev, &def);
    cfg.save(-1);
    g_cfg = &cfg;
    g_api.init();

    // ---- Notifications across threads ----
    QObject receiver;
    g_receiver = &receiver;
    QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, &receiver, [](int type, int, int data) {
        if (type == SIG_ENC_SD_STATE && !g_floor)
            arrived(data);
    });
    DalInit();
    DalEncrSetCb(nullptr, stampedNotify, &g_api);
    DalStart();
    g_clock.start();
    std::printf("dvrapibench: %d events, one at a time, stand-in thread -> GUI thread\n", kEvents);
    runChain(app, false);
    report("callback -> notify -> queued sg_dvrNotify", latencies());
    runChain(app, true);
    report("floor: bare queued invokeMethod", latencies());
    DalEncrSetCb(nullptr, nullptr, nullptr);
    DalExit();

    // ---- Log writes ----
    std::printf("dvrapibench: %d log writes in %s\n", kWrites, qPrintable(base));
    const double api = writes([](int i) {
        g_api.writeLog(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData());
    });
    g_api.flushLog();
    TLog own("/tmp/floor.log");
    const double floor = writes([&own](int i) {
        own.log_write(LOG_SETUP_CHANGED, "admin", QByteArray::number(i).constData(), nullptr);
    });
    std::printf("  %-46s %7.1f us per write\n", "TDVRAPI::writeLog", api);
    std::printf("  %-46s %7.1f us per write\n", "floor: TLog::log_write", floor);
    std::printf("  log copies to flash during the writes: %d\n", g_api.m_logTh->copies());
    std::fflush(stdout);
    g_cfg = nullptr;
    return 0;
}
