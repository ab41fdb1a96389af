#include "reslog.h"

// One logging category for the texts, images, sizes and style.
Q_LOGGING_CATEGORY(lcRes, "dvr.res")
