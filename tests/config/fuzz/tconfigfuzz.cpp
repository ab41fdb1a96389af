// libFuzzer target: import of an arbitrary file into the edit copy of a
// 16-channel unit. A refused file must leave the edit copy unchanged, an
// accepted one must keep the unit's device record; sanitizers catch the rest.
// With DVR_FUZZ_SEED_DIR set, the unit's own saved files are written there
// first, as a starting corpus.
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrhooks.h"
#include "tproperty.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

namespace {

AvcCaps g_avc;

int fuzzCaps(DalCaps*, AvcCaps* avc, VoutCaps* vout)
{
    if (avc)
        *avc = g_avc;
    if (vout) {
        vout->numRes = 2;
        vout->resW[0] = 1280;
        vout->resH[0] = 1024;
        vout->resW[1] = 1920;
        vout->resH[1] = 1080;
    }
    return 0;
}

QTemporaryDir* g_root = nullptr;
TConfig* g_unit = nullptr;
PropDevices g_devices;
QString g_import;

QByteArray snapshot(int live)
{
    QByteArray out;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
        out.append(static_cast<const char*>(g_unit->getsection(idx, live)),
                   TProperty::sectionSize(idx));
    return out;
}

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "tconfigfuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("dvr.*.debug=false"));
    g_root = new QTemporaryDir;
    for (const char* dir : {"dvr", "tmp", "backup"})
        QDir(g_root->path()).mkpath(QLatin1String(dir));
    qputenv("DVR_ROOT", g_root->path().toLocal8Bit());
    std::atexit([] { QDir(g_root->path()).removeRecursively(); });

    g_avc.num_vridx = 2;
    g_avc.num_rridx = 3;
    g_avc.num_nridx = 3;
    g_avc.num_fidx = 4;
    const double fps[] = {30, 15, 7.5, 1};
    std::memcpy(g_avc.fidx2fps, fps, sizeof fps);
    for (int i = 0; i < 3; ++i)
        g_avc.rridx[i] = {352 << (i / 2), 240 << (i & 1), 480, 120, double(1 << i)};
    g_dvrHooks.getCaps = &fuzzCaps;

    std::memset(&g_devices, 0, sizeof g_devices);
    qstrncpy(g_devices.model, "DVR16", sizeof g_devices.model);
    qstrncpy(g_devices.board, "B16", sizeof g_devices.board);
    g_devices.ntsc = 1;
    g_devices.version = 1000;
    g_devices.videos = 16;
    g_devices.audios = 4;
    g_devices.sensors = 16;
    g_devices.alarmouts = 7;
    g_devices.relaycnt = 2;
    g_devices.txtin = 5;
    g_devices.uarts = 1;
    g_devices.storage = 2;
    g_devices.users = 8;
    g_devices.frames = 480;
    g_devices.netframes = 240;
    PropDefault defaults;
    TDefault::setDefaults(&defaults);
    g_unit = new TConfig(QStringLiteral("/dvr/DVR16.conf"), &g_devices, &defaults);
    g_cfg = g_unit;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
        g_unit->save(idx);
    g_import = g_root->path() + QStringLiteral("/backup/import.conf");

    const QByteArray seedDir = qgetenv("DVR_FUZZ_SEED_DIR");
    if (!seedDir.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(seedDir));
        QFile::copy(g_root->path() + QStringLiteral("/tmp/DVR16.conf"),
                    QString::fromLocal8Bit(seedDir) + QStringLiteral("/unit-16ch.conf"));
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile f(g_import);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    f.write(reinterpret_cast<const char*>(data), qint64(size));
    f.close();

    g_unit->reload(QString());
    const QByteArray before = snapshot(0);
    const QByteArray live = snapshot(1);
    const int r = g_unit->reload(g_import);
    check(r == 0 || r == -1, "result");
    if (r != 0) {
        check(snapshot(0) == before, "refused import changed the edit copy");
    } else {
        const PropDevices* dev = static_cast<const PropDevices*>(g_unit->getsection(0, 0));
        check(std::memcmp(dev, g_cfg->getsection(0, 1), sizeof *dev) == 0,
              "import changed the device record");
        for (int idx = 0; idx <= 62; ++idx) {
            if (idx != 37)
                TConfig::getdata(idx, 0);
        }
    }
    check(snapshot(1) == live, "import changed the live copy");
    return 0;
}
