// Times loading and saving the full configuration of a 16-channel unit
// (every section, the PTZ driver and time-zone tables and both capability
// caches) through the configuration record, and plain QSettings reading and
// writing the same file, and prints both with their ratio.
//   tconfigbench [rounds]   (default 200)
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrhooks.h"
#include "tproperty.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <utility>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

AvcCaps g_avc;
VoutCaps g_vout;

int benchCaps(DalCaps*, AvcCaps* avc, VoutCaps* vout)
{
    if (avc)
        *avc = g_avc;
    if (vout)
        *vout = g_vout;
    return 0;
}

void installCaps()
{
    std::memset(&g_avc, 0, sizeof g_avc);
    std::memset(&g_vout, 0, sizeof g_vout);
    g_avc.num_vridx = 2;
    g_avc.vridx[0] = {720, 480};
    g_avc.vridx[1] = {720, 576};
    g_avc.num_rridx = 3;
    const int xs[] = {352, 704, 704};
    const int ys[] = {240, 240, 480};
    for (int i = 0; i < 3; ++i) {
        g_avc.rridx[i] = {xs[i], ys[i], 480 >> i, 120 >> i, double(1 << i)};
        for (int r = 0; r < 2; ++r)
            g_avc.nridx[r][i] = g_avc.rridx[i];
    }
    g_avc.num_nridx = 3;
    g_avc.num_fidx = 8;
    const double fps[] = {30, 15, 10, 7.5, 5, 3, 2, 1};
    std::copy(fps, fps + 8, g_avc.fidx2fps);
    g_avc.md_row = 12;
    g_avc.md_col = 16;
    g_vout.numRes = 5;
    for (int i = 0; i < 5; ++i) {
        g_vout.resW[i] = 800 + 200 * i;
        g_vout.resH[i] = 600 + 100 * i;
        g_vout.resHz[i] = 60;
    }
    g_vout.numResHd = 3;
    g_dvrHooks.getCaps = &benchCaps;
}

PropDevices unitDevices()
{
    PropDevices d{};
    qstrncpy(d.model, "DVR16", sizeof d.model);
    qstrncpy(d.board, "B16", sizeof d.board);
    d.ntsc = 1;
    d.version = 1000;
    d.videos = 16;
    d.audios = 4;
    d.sensors = 16;
    d.alarmouts = 7;
    d.relaycnt = 4;
    d.txtin = 5;
    d.uarts = 1;
    d.storage = 2;
    d.users = 8;
    d.frames = 480;
    d.netframes = 240;
    return d;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double elapsedMs(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Runs ours and plain alternately, so that both see the same load of a
// shared machine; the medians of each, in ms.
template <typename A, typename B>
std::pair<double, double> timePair(int rounds, A ours, B plain)
{
    std::vector<double> a, b;
    a.reserve(size_t(rounds));
    b.reserve(size_t(rounds));
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        ours();
        a.push_back(elapsedMs(t));
        t.restart();
        plain();
        b.push_back(elapsedMs(t));
    }
    return {median(a), median(b)};
}

void report(const char* what, std::pair<double, double> times)
{
    const double ours = times.first;
    const double plain = times.second;
    std::printf("%-6s TProperty %8.3f ms   QSettings %8.3f ms   ratio %.2f\n", what, ours, plain,
                plain > 0 ? ours / plain : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("dvr.*.debug=false"));
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    for (const char* dir : {"dvr", "tmp", "backup"})
        QDir(root.path()).mkpath(QLatin1String(dir));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());
    installCaps();

    const PropDevices devices = unitDevices();
    PropDefault defaults;
    TDefault::setDefaults(&defaults);
    TConfig cfg(QStringLiteral("/dvr/DVR16.conf"), &devices, &defaults);
    g_cfg = &cfg;
    PropPtzdrv& drv = *static_cast<PropPtzdrv*>(cfg.getsection(IDX_PROP_PTZDRV, 1));
    drv.cnt = PROP_MAX_PTZDRV;
    for (int i = 0; i < PROP_MAX_PTZDRV; ++i)
        qsnprintf(drv.driver[i], sizeof drv.driver[i], "DRIVER-%02d", i);
    PropTimezone& tz = *static_cast<PropTimezone*>(cfg.getsection(IDX_PROP_TIMEZONE, 1));
    tz.cnt = PROP_MAX_TIMEZONES;
    for (int i = 0; i < PROP_MAX_TIMEZONES; ++i)
        qsnprintf(tz.zone[i].local, sizeof tz.zone[i].local, "GMT+%02d:00 Zone %d", i % 13, i);
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx)
        cfg.save(idx);
    const QString file = root.path() + QStringLiteral("/tmp/DVR16.conf");

    // The key set of the file, to write it back through plain QSettings.
    QList<QPair<QString, QVariant>> keys;
    QStringList groups;
    {
        QSettings s(file, QSettings::IniFormat);
        s.setIniCodec("UTF-8");
        groups = s.childGroups();
        for (const QString& k : s.allKeys())
            keys.append(qMakePair(k, s.value(k)));
    }
    std::printf("configuration file: %lld bytes, %d groups, %d keys, %d rounds\n",
                QFileInfo(file).size(), int(groups.size()), int(keys.size()), rounds);

    // Loading: every section of the record vs every key of the file.
    const auto load = timePair(
        rounds, [&] { TProperty p(file); },
        [&] {
            QSettings s(file, QSettings::IniFormat);
            s.setIniCodec("UTF-8");
            int n = 0;
            for (const QString& k : s.allKeys())
                n += s.value(k).isValid();
            if (n != keys.size())
                std::fprintf(stderr, "read %d keys\n", n);
        });
    report("load", load);

    // Saving: the full save of the live copy (every section but DEVICES,
    // PRESET, SEARCHOPT and the device tables, one sync), vs clearing the
    // same groups and writing each of their keys through one settings object.
    QStringList saved;
    for (int idx = 1; idx <= 31; ++idx) {
        if (idx != IDX_PROP_PRESET)
            saved << QLatin1String(TProperty::groupName(idx));
    }
    QList<QPair<QString, QVariant>> savedKeys;
    for (const auto& kv : keys) {
        if (saved.contains(kv.first.section(QLatin1Char('/'), 0, 0)))
            savedKeys.append(kv);
    }
    TProperty live(file);
    QSettings plain(file, QSettings::IniFormat);
    plain.setIniCodec("UTF-8");
    const auto save = timePair(
        rounds, [&] { live.save(-1); },
        [&] {
            for (const QString& g : saved)
                plain.remove(g);
            for (const auto& kv : savedKeys)
                plain.setValue(kv.first, kv.second);
            plain.sync();
        });
    report("save", save);
    g_cfg = nullptr;
    return 0;
}
