// The whole program, as main runs it: start-up, the main window's event
// loop (or the board test) and the end.
#include "appglobals.h"
#include "filesizesignal.h"
#include "makedevinfo.h"
#include "startup.h"
#include "tapplication.h"
#include "tbackgrnd.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tmain.h"
#include "tmessages.h"
#include "tpath.h"
#include "tres.h"
#include "tstopsignals.h"
#include "tstring.h"
#include "tstyle.h"
#include "ttestwnd.h"
#include "tvkeyboard.h"

#include <QFile>
#include <QFontDatabase>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

// A board that has not passed its factory test runs the board-test dialog
// over the black background instead of the main window; the dialog runs
// until the board resets or a stop request ends the run, and the process
// then ends with 0.
int runBoardTest(int argc, char** argv, int stopBoundMs)
{
    qCInfo(lcApp, "main: no factory-test marker /dvr/board_ok.txt: the board test runs");
    // The dialog offers no exit: Ctrl-C and SIGTERM end the run, heard from
    // here on. One asked while the device comes up (the network start
    // script may take its 5 s) ends it once that is over.
    TStopSignals stop(nullptr, stopBoundMs);
    g_backgrnd = new TBackgrnd(nullptr, 0, QSize(1280, 720));
    g_backgrnd->move(0, 0);
    g_backgrnd->show();
    TDVRAPI::alphaFill(0, 0, 1280, 720, 0);

    g_testWnd = new TTestWnd(nullptr, 0, QSize(496, 456));
    g_testWnd->move(392, 132);
    QObject::connect(&stop, &TStopSignals::sg_stop, g_testWnd, [] { g_testWnd->done(0); });
    g_testWnd->init(argc, argv);
    if (!stop.requested())
        g_testWnd->exec();
    qCInfo(lcApp, "main: the board test ends");

    // The device layer stops before the windows its events reach go.
    g_api.dvrfinish();
    delete g_testWnd;
    g_testWnd = nullptr;
    delete g_vkeyboard;
    g_vkeyboard = nullptr;
    delete g_backgrnd;
    g_backgrnd = nullptr;
    return 0;
}

} // namespace

int dvruiMain(int argc, char** argv, int stopBoundMs)
{
    // From the first message on, names and texts from outside show their
    // control bytes escaped.
    TMessages::install();
    // A write past the file-size limit fails like one to a full flash (and
    // is told so) instead of ending the program.
    ignoreFileSizeSignal();
    // A relative runtime root names the folder it names now, for the whole
    // run and for the device layer too.
    TPath::init();

    // "-daemon" in an argument detaches the process; the parent ends here.
    if (TDVRAPI::daemonize(argc, argv) < 0)
        return 0;
    // The root is this run's from now to its end: the run command does not
    // empty it meanwhile.
    TPath::holdRoot();

    // The defaults object fixes the OEM variant for the whole run.
    g_default = new TDefault(QStringLiteral("/dvr/default.conf"));
    PropDefault defaults;
    if (g_default->load(&defaults) != 0)
        return -1;
    // The system logger, the font folder, the mouse link and the variant's
    // device-layer set-up.
    if (g_api.oemInit() != 0)
        return -1;

    auto* app = new TApplication(argc, argv);
    // The recorder's font files; missing ones are no fault (the fonts of the
    // system stand in).
    QFontDatabase::addApplicationFont(QStringLiteral(":/tahomabd.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/H2GTRE.TTF"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/simhei.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/mspgothic.ttf"));
    installHooks();

    // The device record, then the configuration of this model: copied to
    // RAM, loaded, and every section of the live copy saved at once.
    g_api.initVideoType();
    PropDevices devs;
    makeDevInfo(&devs);
    const QString confPath = QStringLiteral("/dvr/%1.conf").arg(QString::fromLatin1(devs.model));
    // Cut-off writes of an earlier run leave their temporary files in
    // flash; they go before the configuration writes there.
    removeFlashLeftovers(confPath);
    g_cfg = new TConfig(confPath, &devs, &defaults);
    g_cfg->save(-1);

    const auto* display = static_cast<const PropDisplay*>(g_cfg->getsection(IDX_PROP_DISPLAY, 1));
    const double ratio = g_api.getRatio(display->res);

    // Resources, texts and the program's style.
    g_res = new TRes();
    g_str = new TString();
    g_str->setScaler([](int n) { return g_res->scale(n); });
    g_res->setScale(ratio);
    g_res->makeStyle(TPath::appDir() + QStringLiteral("/img_res.png"));
    app->setStyle(g_res->getStyle());

    if (!QFile::exists(TPath::map(QStringLiteral("/dvr/board_ok.txt")))) {
        const int rc = runBoardTest(argc, argv, stopBoundMs);
        delete app;
        return rc;
    }

    const auto* osd = static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1));
    g_str->setLanguage(QString::fromUtf8(osd->lang), QString());

    VoutCaps vout;
    g_api.getCaps(nullptr, nullptr, &vout);
    const QSize screen = screenSizeOf(vout);

    auto* mainWnd = new TMain(nullptr, ID_WND_MAIN, screen);
    TStopSignals stop(nullptr, stopBoundMs);
    QObject::connect(&stop, &TStopSignals::sg_stop, mainWnd, &TMain::sg_shutdown);
    mainWnd->show();
    const int rc = app->exec();
    TStopSignals::shutdownEnds();

    // The power-off wait ends with a stop request: nothing reads the stop
    // pipe once the event loop is over, so the wait asks it.
    runAfterLoop(mainWnd->m_upgrade, mainWnd->m_powerOff, [&stop] { return stop.requested(); });
    tearDown(mainWnd);
    delete app;
    return rc;
}
