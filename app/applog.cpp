#include <QLoggingCategory>

// One logging category for start-up and the main window.
Q_LOGGING_CATEGORY(lcApp, "dvr.app")
