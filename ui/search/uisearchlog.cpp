#include "uisearchlog.h"

Q_LOGGING_CATEGORY(lcUiSearch, "dvr.ui.search")
