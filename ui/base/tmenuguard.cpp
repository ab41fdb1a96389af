#include "tmenuguard.h"

#include <QCoreApplication>

namespace {
int s_depth = 0;
}

TMenuGuard::TMenuGuard()
{
    ++s_depth;
}

TMenuGuard::~TMenuGuard()
{
    --s_depth;
}

bool TMenuGuard::active()
{
    return s_depth > 0;
}

void TMenuGuard::processEvents()
{
    if (!active())
        QCoreApplication::processEvents();
}
