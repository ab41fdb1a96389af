#include <QLoggingCategory>

// One logging category for the device facade.
Q_LOGGING_CATEGORY(lcApi, "dvr.api")
