#pragma once
#include <QString>

// The UI texts the device facade puts into its notifications and e-mail
// lines (status-box titles, results, event kinds), by text id. The text
// catalogue sits above the facade, so main installs its lookup here; with
// none installed every text is empty.
using DvrTextFunc = QString (*)(int id);
void setDvrTextHook(DvrTextFunc text);
QString dvrText(int id);
