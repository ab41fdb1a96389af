// The recorder's user-interface program.
#include "appglobals.h"
#include "tdvrapi.h"
#include "tdefault.h"
#include "tpath.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // The defaults object fixes the OEM variant for the whole run.
    g_default = new TDefault(QStringLiteral("/dvr/default.conf"));
    PropDefault defaults;
    g_default->load(&defaults);

    QApplication app(argc, argv);

    // The device record: what the device layer reports (here the stand-in's
    // profile, chosen with DAL_PROFILE).
    TDVRAPI::installConfigHooks();
    DalCaps dal;
    AvcCaps avc;
    g_api.getCaps(&dal, &avc, nullptr);

    std::printf("dvrui: start-up ran: defaults loaded (OEM variant %d, language %s), "
                "device %s with %d channels (board %s, %s); "
                "the main window is not built yet, exiting.\n",
                g_default->getOem(), defaults.lang, dal.model, dal.num_vin, dal.board,
                avc.ref_fps == 30 || avc.ref_fps == 60 ? "NTSC" : "PAL");
    delete g_default;
    g_default = nullptr;
    return 0;
}
