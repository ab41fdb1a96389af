#pragma once
#include <QLoggingCategory>

// The resource folder's logging category ("dvr.res").
Q_DECLARE_LOGGING_CATEGORY(lcRes)
