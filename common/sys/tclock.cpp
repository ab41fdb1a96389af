#include "tclock.h"

#include <atomic>
#include <ctime>

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
    return source ? source() : qint64(std::time(nullptr));
}

QDateTime TClock::now()
{
    return QDateTime::fromSecsSinceEpoch(secs());
}
