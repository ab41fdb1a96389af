// The stand-in's recording-encoder, disk and network-stream encoder calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Recording encoder and disks ---- */

int DalEncrStart(void) { DAL_LATER("DalEncrStart()"); }
int DalEncrStop(void) { DAL_LATER("DalEncrStop()"); }
int DalEncrRefresh(void) { DAL_LATER("DalEncrRefresh()"); }
int DalEncrSetSwap(int on) { DAL_LATER("DalEncrSetSwap(%d)", on); }
int DalEncrMountSd(void) { DAL_LATER("DalEncrMountSd()"); }
int DalEncrFsckSd(void) { DAL_LATER("DalEncrFsckSd()"); }
int DalEncrFormatSd(int disk, int option) { DAL_LATER("DalEncrFormatSd(%d,%d)", disk, option); }
int DalEncrGetSdInfo(SdInfo* table, double* usage) { DAL_LATER("DalEncrGetSdInfo(%s,%s)", P(table), P(usage)); }
int DalEncrGetRecInfo(RecInfo* rec) { DAL_LATER("DalEncrGetRecInfo(%s)", P(rec)); }
int DalEncrGetSmart(SmartRec* table, int flags) { DAL_LATER("DalEncrGetSmart(%s,%d)", P(table), flags); }
int DalEncrSetSmart(int on, int day, int period) { DAL_LATER("DalEncrSetSmart(%d,%d,%d)", on, day, period); }
int DalEncrSetAd(int days) { DAL_LATER("DalEncrSetAd(%d)", days); }
int DalEncrBitrate(int ch, int ridx, int fidx, int quality)
{
    DAL_LATER("DalEncrBitrate(%d,%d,%d,%d)", ch, ridx, fidx, quality);
}

/* ---- Network-stream encoder ---- */

int DalEncnSetCfg(const EncnCfg* cfg) { DAL_LATER("DalEncnSetCfg(%s)", P(cfg)); }
int DalEncnBitrate(int ch, int res, int fidx, int quality)
{
    DAL_LATER("DalEncnBitrate(%d,%d,%d,%d)", ch, res, fidx, quality);
}

} // extern "C"
