// The stand-in's recording-encoder, disk and network-stream encoder calls.
#include "dalcall.h"
#include <algorithm>
#include <cstdio>
#include "tdaldisks.h"
#include "tdaldb.h"
#include "tdalenc.h"

using namespace dalcall;

namespace {
TDalEnc& enc()
{
    return TDalEnc::instance();
}

TDalDisks& disks()
{
    return TDalDisks::instance();
}

// Bits per second of one channel's stream: the base rate of a full picture
// at the reference frame rate and the best quality (3), scaled by the
// resolution's cost, the frame rate and the quality. -1 for an index the
// encoder does not have.
int streamRate(int base, bool network, int ch, int res, int fidx, int quality)
{
    const TDalProfile p = core().profile();
    AvcCaps caps;
    p.fillAvc(&caps);
    const int numRes = network ? caps.num_nridx : caps.num_rridx;
    if (ch < 0 || ch >= p.channels() || res < 0 || res >= numRes || fidx < 0 || fidx >= caps.num_fidx
        || quality < 0 || quality > 3)
        return -1;
    // The cost against the table's largest picture, which takes the base.
    double largest = 0.0;
    for (int i = 0; i < numRes; ++i)
        largest = std::max(largest, network ? caps.nridx[0][i].ratio : caps.rridx[i].ratio);
    const double ratio = (network ? caps.nridx[0][res].ratio : caps.rridx[res].ratio) / (largest > 0 ? largest : 1.0);
    return int(base * ratio * caps.fidx2fps[fidx] / caps.ref_fps * (quality + 1) / 4);
}
}

extern "C" {

/* ---- Recording encoder and disks ---- */

int DalEncrStart(void)
{
    TDalJournal::add("DalEncrStart()");
    DAL_FAILED("DalEncrStart");
    return enc().start();
}

int DalEncrStop(void)
{
    TDalJournal::add("DalEncrStop()");
    DAL_FAILED("DalEncrStop");
    return enc().stop();
}

int DalEncrRefresh(void)
{
    TDalJournal::add("DalEncrRefresh()");
    DAL_FAILED("DalEncrRefresh");
    return enc().refresh();
}

int DalEncrSetSwap(int on)
{
    TDalJournal::add("DalEncrSetSwap(%d)", on);
    DAL_FAILED("DalEncrSetSwap");
    enc().setSwap(on);
    return 0;
}

int DalEncrMountSd(void)
{
    TDalJournal::add("DalEncrMountSd()");
    DAL_FAILED("DalEncrMountSd");
    return disks().mount();
}

int DalEncrFsckSd(void)
{
    TDalJournal::add("DalEncrFsckSd()");
    DAL_FAILED("DalEncrFsckSd");
    // The disks are checked only while nothing records on them.
    if (enc().recording())
        return -1;
    const int r = disks().fsck();
    if (r == 0)
        enc().countJob();
    return r;
}

int DalEncrFormatSd(int disk, int option)
{
    TDalJournal::add("DalEncrFormatSd(%d,%d)", disk, option);
    DAL_FAILED("DalEncrFormatSd");
    if (enc().recording())
        return -1;
    const int r = disks().format(disk, option);
    if (r == 0)
        enc().countJob();
    return r;
}

int DalEncrGetSdInfo(SdInfo* table, double* usage)
{
    TDalJournal::add("DalEncrGetSdInfo(%s,%s)", P(table), P(usage));
    DAL_FAILED("DalEncrGetSdInfo");
    if (!table)
        return -1;
    disks().sdInfo(table, usage);
    return 0;
}

int DalEncrGetRecInfo(RecInfo* rec)
{
    TDalJournal::add("DalEncrGetRecInfo(%s)", P(rec));
    DAL_FAILED("DalEncrGetRecInfo");
    if (!rec)
        return -1;
    std::memset(rec, 0, sizeof *rec);
    // recA: 1 while the disks are full and the recorder overwrites its
    // oldest recordings (the information bar then reads "Full"), else 0;
    // recB: the recorded months; the oldest recording starts at midnight
    // of the first date.
    rec->recA = disks().full() ? 1 : 0;
    // The database of the disk holding it; no disk: no recordings.
    const int data = disks().dataDisk();
    if (data < 0)
        return 0;
    char path[32];
    std::snprintf(path, sizeof path, "/data%d/data.db6", data);
    const TDalProfile p = core().profile();
    TDalDb& db = TDalDb::instance();
    const int h = db.open(path, p.channels(), p.sensors(), p.disks());
    if (h <= 0)
        return 0;
    Db6Date first;
    if (db.readDate(h, 0, 1, &first) == 1) {
        rec->recB = db.numMonth(h);
        rec->year = first.year;
        rec->month = first.month;
        rec->day = first.day;
    }
    db.close(h);
    return 0;
}

int DalEncrGetSmart(SmartRec* table, int flags)
{
    TDalJournal::add("DalEncrGetSmart(%s,%d)", P(table), flags);
    DAL_FAILED("DalEncrGetSmart");
    if (!table)
        return -1;
    disks().smart(table);
    return 0;
}

int DalEncrSetSmart(int on, int day, int period)
{
    TDalJournal::add("DalEncrSetSmart(%d,%d,%d)", on, day, period);
    DAL_FAILED("DalEncrSetSmart");
    if (period < 0)
        return -1;
    enc().setSmart(on, day, period);
    return 0;
}

int DalEncrSetAd(int age)
{
    TDalJournal::add("DalEncrSetAd(%d)", age);
    DAL_FAILED("DalEncrSetAd");
    if (age < -1)
        return -1;
    enc().setAutoDelete(age);
    return 0;
}

int DalEncrBitrate(int ch, int ridx, int fidx, int quality)
{
    TDalJournal::add("DalEncrBitrate(%d,%d,%d,%d)", ch, ridx, fidx, quality);
    DAL_FAILED("DalEncrBitrate");
    return streamRate(4000000, false, ch, ridx, fidx, quality);
}

/* ---- Network-stream encoder ---- */

int DalEncnSetCfg(const EncnCfg* cfg)
{
    TDalJournal::add("DalEncnSetCfg(%s)", P(cfg));
    DAL_FAILED("DalEncnSetCfg");
    return enc().setNetCfg(cfg);
}

int DalEncnBitrate(int ch, int res, int fidx, int quality)
{
    TDalJournal::add("DalEncnBitrate(%d,%d,%d,%d)", ch, res, fidx, quality);
    DAL_FAILED("DalEncnBitrate");
    return streamRate(2000000, true, ch, res, fidx, quality);
}

/* ---- Disk check of the recording database ---- */

int Db6CheckSd(Db6Check* check)
{
    TDalJournal::add("Db6CheckSd(%s)", P(check));
    DAL_FAILED("Db6CheckSd");
    if (!check)
        return -1;
    disks().check(check);
    return 0;
}

} // extern "C"
