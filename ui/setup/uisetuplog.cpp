#include "uisetuplog.h"

Q_LOGGING_CATEGORY(lcUiSetup, "dvr.ui.setup")
