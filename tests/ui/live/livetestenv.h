#pragma once
// The live-view pop-ups on a unit of the stand-in: the facade's fixture (a
// fresh root, the configuration, g_api), the program's look (image sheet,
// texts, style) and the resource object's counts from that configuration.
#include "../../common/dvr/tdvrfixture.h"
#include "../base/vkeytestenv.h"
#include "treshooks.h"

namespace livetest {

inline const PropDevices& devices(int live)
{
    return *static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live));
}

inline void installResHooks()
{
    g_resHooks.videos = [](int live) { return g_cfg ? devices(live).videos : 0; };
    g_resHooks.alarmouts = [](int live) { return g_cfg ? devices(live).alarmouts : 0; };
    g_resHooks.audios = [](int live) { return g_cfg ? devices(live).audios : 0; };
    g_resHooks.storage = [](int live) { return g_cfg ? devices(live).storage : 0; };
}

// The window under test shown over a host the size of the screen, as the
// main window shows its pop-ups.
struct Host
{
    Host() : widget(nullptr, Qt::FramelessWindowHint)
    {
        widget.resize(1280, 720);
        widget.show();
        QApplication::setActiveWindow(&widget);
        active = QTest::qWaitForWindowActive(&widget);
    }
    template <class W> void popup(W* w)
    {
        w->moveCenter(&widget);
        w->show();
        QApplication::setActiveWindow(w);
        QCoreApplication::processEvents();
    }
    QWidget widget;
    bool active = false;
};

} // namespace livetest
