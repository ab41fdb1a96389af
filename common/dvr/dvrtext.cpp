#include "dvrtext.h"

#include <atomic>

namespace {
// Read from the device layer's threads while main may still install it.
std::atomic<DvrTextFunc> s_text{nullptr};
}

void setDvrTextHook(DvrTextFunc text)
{
    s_text.store(text);
}

QString dvrText(int id)
{
    const DvrTextFunc f = s_text.load();
    return f ? f(id) : QString();
}
