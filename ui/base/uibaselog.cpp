#include <QLoggingCategory>

// One logging category for the window framework and its controls.
Q_LOGGING_CATEGORY(lcUiBase, "dvr.ui.base")
