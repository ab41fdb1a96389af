// Backup events of the device layer.
#include "tdvrapi.h"

int TDVRAPI::runBackup(int type, intptr_t info, const char* msg)
{
    Q_UNUSED(type)
    Q_UNUSED(info)
    Q_UNUSED(msg)
    // The backup area adds the device scan, estimate, copy and burning
    // events here; ranges and device lists cross as copies (notifyRecord).
    return 0;
}
