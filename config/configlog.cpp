#include <QLoggingCategory>

// One logging category for the configuration store and the system log.
Q_LOGGING_CATEGORY(lcConfig, "dvr.config")
