#include "tclock.h"

#include <atomic>

namespace {
std::atomic<TClock::Source> s_source{nullptr};
}

void TClock::setSource(Source source)
{
    s_source.store(source);
}

qint64 TClock::secs()
{
    const Source source = s_source.load();
    // Qt's reading of the system clock, not time(): that one gives the
    // second of the last clock tick, which for the first few milliseconds of
    // each second is still the one before, so a record stamped "now" came
    // out a second earlier than the time every Qt clock already shows.
    return source ? source() : QDateTime::currentSecsSinceEpoch();
}

QDateTime TClock::now()
{
    return QDateTime::fromSecsSinceEpoch(secs());
}
