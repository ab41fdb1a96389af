// Kept apart from the record builder, so that tests that build device
// records from their own capabilities do not link the device facade.
#include "makedevinfo.h"
#include "tdvrapi.h"

void makeDevInfo(PropDevices* rec)
{
    DalCaps dal;
    AvcCaps avc;
    g_api.getCaps(&dal, &avc, nullptr);
    makeDevInfo(rec, dal, avc);
}
