#pragma once
// The live-view pop-ups on a unit of the stand-in: the facade's fixture (a
// fresh root, the configuration, g_api), the program's look (image sheet,
// texts, style) and the resource object's counts from that configuration.
#include "../../common/dvr/tdvrfixture.h"
#include "../base/vkeytestenv.h"
#include "treshooks.h"

namespace livetest {

inline void installResHooks()
{
    static auto dev = [](int live) { return static_cast<PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, live)); };
    g_resHooks.videos = [](int live) { return dev(live)->videos; };
    g_resHooks.alarmouts = [](int live) { return dev(live)->alarmouts; };
}

// Shows a pop-up as the main window does, with the keys going to it; false
// when it never became the active window.
inline bool popup(QWidget* w)
{
    w->move(100, 100);
    w->show();
    QApplication::setActiveWindow(w);
    return QTest::qWaitForWindowActive(w);
}

} // namespace livetest
