#pragma once
#include <QDateTime>

// The recorder's wall clock. On the recorder the device layer sets the
// system clock itself, so the system clock is the answer; a device layer
// that keeps a clock of its own (the stand-in does: it never moves the
// host's clock) installs a source that reads it. Everything that shows,
// stamps or compares the time of day asks here, so a clock moved from the
// date/time page shows the same in every window, log record and search.
class TClock
{
public:
    // Reads the device's clock in seconds since 1970; null: the system clock.
    using Source = qint64 (*)();

    static void setSource(Source source);
    // Seconds since 1970 as the recorder's clock reads them now.
    static qint64 secs();
    // The local date and time of secs().
    static QDateTime now();
};
