// Times one full repaint of the live view against its floor, in one run:
//   view:  the main window rendered whole (opaque black, every tile's title,
//          recording, sensor, motion and text-in items, the clock), on a
//          1280 x 720 output of the 16- and 32-channel stand-in, showing
//          the layout of all channels (the facade keeps the OSD of at most
//          20 channels);
//   floor: a bare widget of the same size that fills itself black, rendered
//          the same way.
// Usage: liveviewbench [rounds]   (default 300)
#include "appglobals.h"
#include "dal_test.h"
#include "makedevinfo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tosdhooks.h"
#include "treshooks.h"
#include "tres.h"
#include "tstring.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class BlackWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

void report(const char* what, int rounds, const std::function<void()>& step)
{
    std::vector<qint64> t(static_cast<size_t>(rounds));
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        clock.start();
        step();
        t[size_t(i)] = clock.nsecsElapsed();
    }
    std::sort(t.begin(), t.end());
    std::printf("  %-44s median %8.1f us   p99 %8.1f us\n", what, t[t.size() / 2] / 1000.0,
                t[t.size() * 99 / 100] / 1000.0);
}

void run(const char* profile, int rounds)
{
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/liveviewbench-XXXXXX"));
    for (const char* sub : {"dvr", "tmp", "data", "backup"})
        QDir(root.path()).mkpath(QLatin1String(sub));
    qputenv("DVR_ROOT", root.path().toLocal8Bit());
    dalTestReset();
    dalTestSetProfile(profile);
    TDVRAPI::installConfigHooks();
    DalCaps caps;
    AvcCaps avc;
    g_api.getCaps(&caps, &avc, nullptr);
    PropDevices dev = {};
    makeDevInfo(&dev, caps, avc);
    PropDefault def;
    TDefault::setDefaults(&def);
    auto* cfg = new TConfig(QStringLiteral("/dvr/%1.conf").arg(QLatin1String(dev.model)), &dev, &def);
    for (int live : {0, 1})
        static_cast<PropDisplay*>(cfg->getsection(IDX_PROP_DISPLAY, live))->res = 3;
    cfg->save(-1);
    g_cfg = cfg;
    g_api.getCaps(&g_api.m_dalCaps, &g_api.m_avcCaps, &g_api.m_voutCapsRec);
    g_api.m_voutCaps = &g_api.m_voutCapsRec;
    g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;

    auto* w = new TMain(nullptr, ID_WND_MAIN, g_res->getSize(16));
    g_api.m_numLayout = g_api.m_voutCapsRec.numLayout;
    g_api.initOsd();
    w->sl_initDvr();
    g_api.dispLayout(g_api.layoutAt(g_api.m_numLayout - 1), 0);
    for (int ch = 0; ch < g_api.channelCount(); ++ch) {
        CellOsd& c = g_api.m_cell[ch];
        c.contRec = c.sensor = c.motion = c.textin = 1;
    }
    g_api.showOsd(1, 0);
    w->m_infoDirty = 1;

    QImage target(w->size(), QImage::Format_RGB32);
    BlackWidget floor;
    floor.resize(w->size());
    std::printf("liveviewbench: profile %s, %d cells, %dx%d, %d rounds\n", profile, g_api.m_numvid, w->width(),
                w->height(), rounds);
    report("live view, every OSD item", rounds, [&] { w->render(&target); });
    report("floor: plain black fill of the same screen", rounds, [&] { floor.render(&target); });
    std::fflush(stdout);

    delete w;
    g_api.unregisterCallbacks();
    g_api.freeObjects();
    g_api.m_voutCaps = nullptr;
    g_cfg = nullptr;
    delete cfg;
    dalTestReset();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "dvr.*.debug=false");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(10, atoi(argv[1])) : 300;
    g_resHooks.voutSize = [](int live) { return g_api.voutInfo(live); };
    g_resHooks.videos = [](int live) {
        return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live))->videos : 0;
    };
    g_res = new TRes;
    g_res->makeStyle(QStringLiteral(DVR_SHEET));
    g_str = new TString;
    g_osdHooks = TOsdHooks{[](int n) { return g_res->scale(n); }, [](int n) { return g_res->scaleCeil(n); },
                           [](int id) { return g_res->getSize(id); }, [](int id) { return g_res->getValue(id); },
                           [](int id) { return g_res->getImage(id) ? g_res->getImage(id)->toImage() : QImage(); }};
    for (const char* profile : {"16", "32"})
        run(profile, rounds);
    return 0;
}
