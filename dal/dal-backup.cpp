// The stand-in's backup and external-media calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Backup ---- */

int DalBackupScanBd(void) { DAL_LATER("DalBackupScanBd()"); }
int DalBackupGetBd(BdList* list) { DAL_LATER("DalBackupGetBd(%s)", P(list)); }
int DalBackupSetBd(int bd) { DAL_LATER("DalBackupSetBd(%d)", bd); }
int DalBackupMount(void) { DAL_LATER("DalBackupMount()"); }
int DalBackupUmount(void) { DAL_LATER("DalBackupUmount()"); }
int DalBackupOpenDb(uint32_t camoff, uint32_t audoff) { DAL_LATER("DalBackupOpenDb(0x%08x,0x%08x)", camoff, audoff); }
int DalBackupCloseDb(void) { DAL_LATER("DalBackupCloseDb()"); }
int DalBackupNumDate(void) { DAL_LATER("DalBackupNumDate()"); }
int DalBackupGetDateInfo(int idx, BackupDate* date) { DAL_LATER("DalBackupGetDateInfo(%d,%s)", idx, P(date)); }
int DalBackupSetFilter(uint32_t camoff, int audoff) { DAL_LATER("DalBackupSetFilter(0x%08x,%d)", camoff, audoff); }
int DalBackupSetType(int type) { DAL_LATER("DalBackupSetType(%d)", type); }
int DalBackupEstiRange(const BackupRange* range) { DAL_LATER("DalBackupEstiRange(%s)", P(range)); }
int DalBackupSetDvrInfo(const char* name) { DAL_LATER("DalBackupSetDvrInfo(%s)", T(name).c_str()); }
int DalBackupSetCamName(int ch, const char* name) { DAL_LATER("DalBackupSetCamName(%d,%s)", ch, T(name).c_str()); }
int DalBackupStart(int type) { DAL_LATER("DalBackupStart(%d)", type); }
int DalBackupStop(void) { DAL_LATER("DalBackupStop()"); }
int DalBackupSnapshot(void) { DAL_LATER("DalBackupSnapshot()"); }

} // extern "C"
