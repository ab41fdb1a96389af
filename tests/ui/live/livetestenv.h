#pragma once
// The live-view pop-ups on a unit of the stand-in: the facade's fixture (a
// fresh root, the configuration, g_api) and the program's look (image sheet,
// texts, style).
#include "../../common/dvr/tdvrfixture.h"
#include "../base/vkeytestenv.h"

namespace livetest {

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
