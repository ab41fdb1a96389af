#pragma once
// The live-view pop-ups on the facade's fixture, in the program's look.
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
