// The recorder's user-interface program.
#include "appglobals.h"
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

    std::printf("dvrui: start-up ran: defaults loaded (OEM variant %d, language %s); "
                "the main window is not built yet, exiting.\n",
                g_default->getOem(), defaults.lang);
    delete g_default;
    g_default = nullptr;
    return 0;
}
