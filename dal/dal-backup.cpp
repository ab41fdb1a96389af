// The stand-in's backup and external-media calls.
#include "dalcall.h"
#include "tdalbackup.h"

using namespace dalcall;

namespace {
TDalBackup& backup()
{
    return TDalBackup::instance();
}
}

// Journals the call and answers a failure the test driver chose.
#define DAL_BACKUP_CALL(name, ...)                                                                 \
    TDalJournal::add(__VA_ARGS__);                                                                 \
    DAL_FAILED(name)

extern "C" {

/* ---- Backup devices ---- */

int DalBackupScanBd(void)
{
    DAL_BACKUP_CALL("DalBackupScanBd", "DalBackupScanBd()");
    return backup().scan();
}

int DalBackupGetBd(BdList* list)
{
    DAL_BACKUP_CALL("DalBackupGetBd", "DalBackupGetBd(%s)", P(list));
    return backup().getBd(list);
}

int DalBackupSetBd(int bd)
{
    DAL_BACKUP_CALL("DalBackupSetBd", "DalBackupSetBd(%d)", bd);
    return backup().setBd(bd);
}

int DalBackupMount(void)
{
    DAL_BACKUP_CALL("DalBackupMount", "DalBackupMount()");
    return backup().mount();
}

int DalBackupUmount(void)
{
    DAL_BACKUP_CALL("DalBackupUmount", "DalBackupUmount()");
    return backup().umount();
}

/* ---- Backup source and jobs ---- */

int DalBackupOpenDb(uint32_t camoff, uint32_t audoff)
{
    DAL_BACKUP_CALL("DalBackupOpenDb", "DalBackupOpenDb(0x%08x,0x%08x)", camoff, audoff);
    return backup().openDb(camoff, audoff);
}

int DalBackupCloseDb(void)
{
    DAL_BACKUP_CALL("DalBackupCloseDb", "DalBackupCloseDb()");
    return backup().closeDb();
}

int DalBackupNumDate(void)
{
    DAL_BACKUP_CALL("DalBackupNumDate", "DalBackupNumDate()");
    return backup().numDate();
}

int DalBackupGetDateInfo(int idx, BackupDate* date)
{
    DAL_BACKUP_CALL("DalBackupGetDateInfo", "DalBackupGetDateInfo(%d,%s)", idx, P(date));
    return backup().dateInfo(idx, date);
}

int DalBackupSetFilter(uint32_t camoff, int audoff)
{
    DAL_BACKUP_CALL("DalBackupSetFilter", "DalBackupSetFilter(0x%08x,%d)", camoff, audoff);
    return backup().setFilter(camoff, audoff);
}

int DalBackupSetType(int type)
{
    DAL_BACKUP_CALL("DalBackupSetType", "DalBackupSetType(%d)", type);
    return backup().setType(type);
}

int DalBackupEstiRange(const BackupRange* range)
{
    if (range)
        TDalJournal::add("DalBackupEstiRange(%d,%.0f,%d,%.0f)", range->startIdx, range->startTime, range->endIdx,
                         range->endTime);
    else
        TDalJournal::add("DalBackupEstiRange(null)");
    DAL_FAILED("DalBackupEstiRange");
    return backup().estimate(range);
}

int DalBackupSetDvrInfo(const char* name)
{
    DAL_BACKUP_CALL("DalBackupSetDvrInfo", "DalBackupSetDvrInfo(%s)", T(name).c_str());
    return backup().setDvrInfo(name);
}

int DalBackupSetCamName(int ch, const char* name)
{
    DAL_BACKUP_CALL("DalBackupSetCamName", "DalBackupSetCamName(%d,%s)", ch, T(name).c_str());
    return backup().setCamName(ch, name);
}

int DalBackupStart(int type)
{
    DAL_BACKUP_CALL("DalBackupStart", "DalBackupStart(%d)", type);
    return backup().start(type);
}

int DalBackupStop(void)
{
    DAL_BACKUP_CALL("DalBackupStop", "DalBackupStop()");
    return backup().stop();
}

int DalBackupSnapshot(void)
{
    DAL_BACKUP_CALL("DalBackupSnapshot", "DalBackupSnapshot()");
    return backup().snapshot();
}

/* ---- Test driver ---- */

void dalTestBackupMedia(int bd, int present, uint64_t size, int mounted)
{
    backup().setMedia(bd, present != 0, size, mounted != 0);
}

void dalTestBackupHold(int on)
{
    backup().setHold(on);
}

void dalTestBackupGetState(DalTestBackupState* st)
{
    backup().getState(st);
}

} // extern "C"
