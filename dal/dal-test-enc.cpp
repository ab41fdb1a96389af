// The stand-in's test driver for the recorder and its disks (dal_test.h).
#include "dal_test.h"
#include "tdaldisks.h"
#include "tdalenc.h"

extern "C" {

int dalTestSetDisk(int i, const DalTestDisk* disk)
{
    return TDalDisks::instance().set(i, disk);
}

int dalTestGetDisk(int i, DalTestDisk* disk)
{
    return TDalDisks::instance().get(i, disk);
}

void dalTestSetMirror(int on)
{
    TDalDisks::instance().setMirror(on != 0);
}

void dalTestGetEnc(DalTestEnc* st)
{
    if (st)
        TDalEnc::instance().get(st);
}

} // extern "C"
