#include "startup.h"
#include "appglobals.h"
#include "dal.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tflashfile.h"
#include "tosdhooks.h"
#include "tpath.h"
#include "tres.h"
#include "treshooks.h"
#include "trunner.h"
#include "tstring.h"
#include "tvkeyboard.h"

#include <QLoggingCategory>
#include <QPixmap>
#include <QWidget>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

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

} // namespace

int removeFlashLeftovers(const QString& confPath)
{
    // Each file with the way its writer names its temporary file.
    const struct {
        QString path;
        TFlashFile::TempNames names;
    } written[] = {
        {confPath, TFlashFile::OwnTemp},                              // TConfig::commitfile
        {QStringLiteral("/dvr/config.tmp"), TFlashFile::OwnTemp},     // TConfig::commitfile
        {QStringLiteral("/dvr/quickOpt.conf"), TFlashFile::QtTemp},   // TQuickOpt (QSettings)
        {QStringLiteral("/dvr/SYSTEM.log.tmp"), TFlashFile::QtTemp},  // TLogThread's copy
        {QStringLiteral("/dvr/fwr.tmp"), TFlashFile::QtTemp},         // the staged firmware image
        {QStringLiteral("/dvr/fwr_ver"), TFlashFile::QtTemp},         // its version
        {TPath::appDir() + QStringLiteral("/img_res.png"), TFlashFile::QtTemp}, // TRes' restore
    };
    int removed = 0;
    for (const auto& w : written)
        removed += TFlashFile::removeLeftovers(w.path, w.names);
    return removed;
}

void installHooks()
{
    TDVRAPI::installConfigHooks();
    TConfig::setTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
    setDvrTextHook([](int id) { return g_str ? g_str->text(id) : QString(); });
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
    // The text keyboard offers its Korean layout by the OSD language being
    // edited, so a language chosen in setup takes effect before Apply.
    TVKeyboard::setLangHook([] {
        if (!g_cfg)
            return QString();
        const auto* osd = static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0));
        return QString::fromUtf8(osd->lang, int(qstrnlen(osd->lang, sizeof osd->lang)));
    });
}

QSize screenSizeOf(const VoutCaps& caps)
{
    const QSize fallback(1280, 720);
    const int count = qMin(int(caps.numRes), int(DAL_MAX_RES));
    QSize size = fallback;
    if (count >= 1) {
        const QSize last(caps.outW[count - 1], caps.outH[count - 1]);
        if (last.width() > 0 && last.height() > 0)
            size = last;
    }
    // The size the main window is made with, the fallback too.
    qCDebug(lcApp, "screen size cx:%d cy:%d", size.width(), size.height());
    return size;
}

int runAfterLoop(int upgrade, int powerOff, const std::function<bool()>& stopRequested)
{
    if (upgrade) {
        qCDebug(lcApp, "main.. upgrade!!");
        TRunner::system(QStringLiteral("/dvr/upgrade /dvr/fwr skip_crc_check reboot &"));
        return 1;
    }
    if (powerOff) {
        // The operator chose power-off: the device layer is already stopped
        // and the recorder is switched off. A stop request still ends the
        // process through the tear-down, as at any other time.
        while (!(stopRequested && stopRequested()))
            TDVRAPI::msleep(1);
        qCDebug(lcApp, "main.. stop request during the power-off wait");
    }
    return 0;
}

void tearDown(QWidget* mainWnd)
{
    delete mainWnd;
    delete g_str;
    g_str = nullptr;
    delete g_res;
    g_res = nullptr;
    delete g_cfg;
    g_cfg = nullptr;
}
