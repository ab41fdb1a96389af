// The recorder's user-interface program.
#include "appglobals.h"
#include "makedevinfo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tosdhooks.h"
#include "tpath.h"
#include "tres.h"
#include "treshooks.h"
#include "tstring.h"
#include "tstyle.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <cstdio>

namespace {

// What the resource object reads of the configuration and the device; with
// no configuration object every count is 0, as for an unset hook.
const PropDevices& devices(int live)
{
    static const PropDevices none = {};
    if (!g_cfg)
        return none;
    return *static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live ? 1 : 0));
}

void installHooks()
{
    TDVRAPI::installConfigHooks();
    TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    g_resHooks.videos = [](int live) { return devices(live).videos; };
    g_resHooks.alarmouts = [](int live) { return devices(live).alarmouts; };
    g_resHooks.audios = [](int live) { return devices(live).audios; };
    g_resHooks.storage = [](int live) { return devices(live).storage; };
    g_resHooks.voutSize = [](int live) { return g_api.voutInfo(live); };
    // The facade's OSD reads the resource object, which sits above it.
    g_osdHooks.scale = [](int n) { return g_res ? g_res->scale(n) : n; };
    g_osdHooks.scaleCeil = [](int n) { return g_res ? g_res->scaleCeil(n) : n; };
    g_osdHooks.size = [](int id) { return g_res ? g_res->getSize(id) : QSize(); };
    g_osdHooks.value = [](int id) { return g_res ? g_res->getValue(id) : 0; };
    g_osdHooks.image = [](int id) {
        QPixmap* p = g_res ? g_res->getImage(id) : nullptr;
        return p ? p->toImage() : QImage();
    };
}

} // namespace

int main(int argc, char** argv)
{
    // A relative runtime root names the folder it names now, for the whole
    // run and for the device layer too.
    TPath::init();

    // The defaults object fixes the OEM variant for the whole run.
    g_default = new TDefault(QStringLiteral("/dvr/default.conf"));
    PropDefault defaults;
    if (g_default->load(&defaults) != 0)
        return -1;

    QApplication app(argc, argv);
    installHooks();

    // The device record, then the configuration of this model: copied to
    // RAM, loaded, and every section of the live copy saved at once.
    PropDevices devs;
    makeDevInfo(&devs);
    const QString confPath = QStringLiteral("/dvr/%1.conf").arg(QString::fromLatin1(devs.model));
    g_cfg = new TConfig(confPath, &devs, &defaults);
    g_cfg->save(-1);

    // Resources, texts and the program's style.
    g_res = new TRes();
    g_str = new TString();
    g_str->setScaler([](int n) { return g_res->scale(n); });
    const bool sheet = g_res->makeStyle(TPath::appDir() + QStringLiteral("/img_res.png"));
    app.setStyle(g_res->getStyle());

    const bool boardOk = QFile::exists(TPath::map(QStringLiteral("/dvr/board_ok.txt")));
    const auto* osd = static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1));
    g_str->setLanguage(QString::fromUtf8(osd->lang), QString());

    std::printf("dvrui: start-up ran: defaults (OEM variant %d), device %s with %d channels "
                "(board %s, %s), configuration %s, image sheet %s, language %s, %s; "
                "the main window and the board test are not built yet, exiting.\n",
                g_default->getOem(), devs.model, devs.videos, devs.board, devs.ntsc ? "NTSC" : "PAL",
                qPrintable(confPath), sheet ? "loaded" : "missing (fallback colours)", osd->lang,
                boardOk ? "board test passed" : "no board test marker");

    delete g_str;
    g_str = nullptr;
    delete g_res;
    g_res = nullptr;
    delete g_cfg;
    g_cfg = nullptr;
    return 0;
}
