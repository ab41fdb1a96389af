// libFuzzer target: remote-setup packets of any bytes, with the size that
// arrived, handed to the device facade of a 16-channel unit as the device
// layer's network thread hands them. A reply must never pass its buffer;
// sanitizers catch the rest. With DVR_FUZZ_SEED_DIR set, one packet of each
// command is written there first, as a starting corpus.
#include "appglobals.h"
#include "dal_test.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "trunner.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdlib>
#include <cstring>

// The fuzzer's root is scratch: nothing written there is flushed to disk.
// Every network text commits the configuration to flash, and a global sync
// on a busy machine takes seconds.
extern "C" void sync(void) {}
extern "C" int fsync(int) { return 0; }
extern "C" int fdatasync(int) { return 0; }

namespace {
QTemporaryDir* g_root = nullptr;

QByteArray packet(int cmd, const QByteArray& payload)
{
    char head[8] = {};
    qToBigEndian(quint16(cmd), head + 2);
    qToBigEndian(quint32(payload.size()), head + 4);
    return QByteArray(head, 8) + payload;
}

void writeSeeds(const QString& dir)
{
    QDir().mkpath(dir);
    const auto word = [](quint32 v) {
        char be[4];
        qToBigEndian(v, be);
        return QByteArray(be, 4);
    };
    const QByteArray seeds[] = {
        packet(0x600, {}), packet(0x610, QByteArray("/tmp/rs.conf", 13)), packet(0x612, word(10) + QByteArray("/tmp/rs.conf", 13)),
        packet(0x613, word(54) + word(0) + word(0) + QByteArray(800, 'p')), packet(0x614, word(67)),
        packet(0x615, word(64) + word(0) + word(0) + QByteArray(420, 'd')), packet(0x616, {}),
        packet(0x700, {}), packet(0x701, word(1) + word(2) + word(3) + word(4) + word(5)), packet(0x702, word(0)),
        packet(0x710, {}), packet(0xff01, {}), packet(0xff02, "ip:192.0.2.5 port:8100 webport:8200")};
    int n = 0;
    for (const QByteArray& s : seeds) {
        QFile f(QStringLiteral("%1/packet-%2").arg(dir).arg(n++));
        if (f.open(QIODevice::WriteOnly))
            f.write(s);
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("dvr.*.debug=false"));
    g_root = new QTemporaryDir;
    for (const char* dir : {"dvr", "tmp", "var/volatile"})
        QDir(g_root->path()).mkpath(QLatin1String(dir));
    qputenv("DVR_ROOT", g_root->path().toLocal8Bit());
    std::atexit([] { QDir(g_root->path()).removeRecursively(); });

    dalTestReset();
    TDVRAPI::installConfigHooks();
    DalCaps caps;
    g_api.getCaps(&caps, nullptr, nullptr);
    PropDevices dev = {};
    qstrncpy(dev.model, caps.model, sizeof dev.model);
    dev.videos = caps.num_vin;
    dev.alarmouts = caps.num_alarmout + 3;
    PropDefault def;
    TDefault::setDefaults(&def);
    g_cfg = new TConfig(QStringLiteral("/dvr/%1.conf").arg(QLatin1String(dev.model)), &dev, &def);
    g_cfg->save(-1);
    TRunner::copyFile(g_cfg->tmpPath(), QStringLiteral("/tmp/rs.conf"));
    g_api.init();
    // The apply thread's part of a remote apply ends at once.
    QObject::connect(&g_api, &TDVRAPI::sg_dvrNotify, [](int type) {
        if (type == SIG_NET_SETUP)
            g_api.setApplying(0);
    });
    const QByteArray seeds = qgetenv("DVR_FUZZ_SEED_DIR");
    if (!seeds.isEmpty())
        writeSeeds(QString::fromLocal8Bit(seeds));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    NetpackReply reply;
    std::memset(&reply, 0xA5, sizeof reply);
    g_api.runNet(CBT_NET_PACKET, data, int(size), &reply, 0);
    if (reply.len > DAL_NETREPLY_SIZE)
        std::abort();
    return 0;
}
