// Times the live view against its floors, in one run:
//   layout: TDVRAPI::dispLayout on a 16-channel unit, for every layout the
//           output offers, from the call until it returns (its last device
//           call, the cells read back, and the tiles' OSD placed); floor: a
//           bare DalVoutSetLayout of the same layout and chain.
//   OSD:    one repaint of a 16-cell screen: the 16 camera titles and the
//           clock line drawn as outlined text; floor: a plain fill of the
//           same 17 images.
// Usage: livebench [rounds]   (default 2000)
#include "appglobals.h"
#include "dal_test.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Median and 99th percentile of rounds runs of one step, in microseconds.
void report(const char* what, int rounds, const std::function<void(int)>& step)
{
    std::vector<qint64> t(static_cast<size_t>(rounds));
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        step(i);
        t[size_t(i)] = clock.nsecsElapsed();
    }
    std::sort(t.begin(), t.end());
    std::printf("  %-52s median %8.1f us   p99 %8.1f us\n", what, t[t.size() / 2] / 1000.0,
                t[t.size() * 99 / 100] / 1000.0);
}

} // namespace

int main(int argc, char** argv)
{
    // The facade's debug lines off, as on the unit.
    qputenv("QT_LOGGING_RULES", "dvr.*.debug=false");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(10, atoi(argv[1])) : 2000;
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/livebench-XXXXXX"));
    for (const char* sub : {"dvr", "tmp"})
        QDir(root.path()).mkpath(QLatin1String(sub));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());

    dalTestSetProfile("16");
    TDVRAPI::installConfigHooks();
    PropDevices dev = {};
    qstrncpy(dev.model, "SDR16", sizeof dev.model);
    dev.videos = 16;
    dev.alarmouts = 7;
    PropDefault def;
    TDefault::setDefaults(&def);
    TConfig cfg(QStringLiteral("/dvr/SDR16.conf"), &dev, &def);
    cfg.save(-1);
    g_cfg = &cfg;
    g_api.init();
    g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
    g_api.m_voutCaps = &g_api.m_voutCapsRec;
    g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
    g_api.initOsd();

    // ---- Layout switch ----
    std::printf("livebench: layout switch, 16 channels, %d rounds per layout\n", rounds);
    for (int i = 0; i < g_api.m_numLayout; ++i) {
        const int lay = g_api.layoutAt(i);
        const int cells = g_api.numLayoutCam(lay);
        char what[64];
        std::snprintf(what, sizeof what, "dispLayout, layout %d (%d cells)", lay, cells);
        report(what, rounds, [lay](int) {
            g_api.m_layout = 0; // a switch each round
            g_api.dispLayout(lay, 0);
        });
        int32_t chain[DAL_MAX_CH];
        g_api.makeChain(lay, 0, chain);
        report("floor: bare DalVoutSetLayout", rounds, [lay, &chain](int) { DalVoutSetLayout(0, lay, chain); });
    }

    // ---- OSD repaint ----
    g_api.dispLayout(9, 0);
    const auto* cam = static_cast<const PropCamera*>(cfg.getsection(IDX_PROP_CAMERA, 1));
    std::printf("livebench: OSD repaint of %d cells (titles %dx%d) and the clock (%dx%d), %d rounds\n",
                g_api.m_numvid, g_api.m_titleImg[0].width(), g_api.m_titleImg[0].height(),
                g_api.m_clockImg.width(), g_api.m_clockImg.height(), rounds);
    report("16 outlined titles and the clock", rounds, [cam](int) {
        for (int ch = 0; ch < 16; ++ch)
            g_api.drawOsdText(ch, QString::fromUtf8(cam->data[ch].name), &g_api.m_titleImg[ch], 0, 0);
        g_api.drawOsdText(-1, QStringLiteral("2024/05/17 12:34:56"), &g_api.m_clockImg, 0, 0);
    });
    report("floor: plain fill of the same 17 images", rounds, [](int i) {
        for (int ch = 0; ch < 16; ++ch)
            g_api.m_titleImg[ch].fill(0xff000000u + uint(i & 1));
        g_api.m_clockImg.fill(0xff000000u + uint(i & 1));
    });
    std::fflush(stdout);
    g_api.freeObjects();
    g_cfg = nullptr;
    return 0;
}
