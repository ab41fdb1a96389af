#include "uilivelog.h"

Q_LOGGING_CATEGORY(lcUiLive, "dvr.ui.live")
