// The stand-in's recording-database calls.
#include "dalcall.h"
#include "tdaldb.h"

using namespace dalcall;

extern "C" {

/* ---- Recording database ---- */

int Db6fOpen(const char* path, const char* root, int a, int b, int flags, uint32_t chMask)
{
    TDalJournal::add("Db6fOpen(%s,%s,%d,%d,0x%x,0x%08x)", T(path).c_str(), T(root).c_str(), a, b, flags, chMask);
    DAL_FAILED("Db6fOpen");
    const TDalProfile p = core().profile();
    return TDalDb::instance().open(path, p.channels(), p.sensors(), p.disks());
}

int Db6fClose(int h)
{
    TDalJournal::add("Db6fClose(%d)", h);
    DAL_FAILED("Db6fClose");
    return TDalDb::instance().close(h);
}

int Db6fNumMonth(int h, int year, int month)
{
    TDalJournal::add("Db6fNumMonth(%d,%d,%d)", h, year, month);
    DAL_FAILED("Db6fNumMonth");
    return TDalDb::instance().numMonth(h);
}

int Db6fMonthIdx(int h, int year, int month)
{
    TDalJournal::add("Db6fMonthIdx(%d,%d,%d)", h, year, month);
    DAL_FAILED("Db6fMonthIdx");
    return TDalDb::instance().monthIdx(h, year, month);
}

int Db6fReadMonth(int h, int monthIdx, int count, MonthInfo* out)
{
    TDalJournal::add("Db6fReadMonth(%d,%d,%d,%s)", h, monthIdx, count, P(out));
    DAL_FAILED("Db6fReadMonth");
    return TDalDb::instance().readMonth(h, monthIdx, count, out);
}

int Db6fDateIdxInSameDate(int h, const Db6Date* date, int k)
{
    TDalJournal::add("Db6fDateIdxInSameDate(%d,%s,%d)", h, P(date), k);
    DAL_FAILED("Db6fDateIdxInSameDate");
    return TDalDb::instance().dateIdxInSameDate(h, date, k);
}

int Db6fReadDate(int h, int dateIdx, int count, Db6Date* out)
{
    TDalJournal::add("Db6fReadDate(%d,%d,%d,%s)", h, dateIdx, count, P(out));
    DAL_FAILED("Db6fReadDate");
    return TDalDb::instance().readDate(h, dateIdx, count, out);
}

int Db6fGetAvc(int h, int dateIdx, Db6Avc* avc)
{
    TDalJournal::add("Db6fGetAvc(%d,%d,%s)", h, dateIdx, P(avc));
    DAL_FAILED("Db6fGetAvc");
    AvcCaps caps;
    core().profile().fillAvc(&caps);
    return TDalDb::instance().getAvc(h, dateIdx, avc, caps);
}

int Db6fReadItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items)
{
    TDalJournal::add("Db6fReadItem(%d,%d,%d,%d,%s,%s)", h, dateIdx, first, count, P(head), P(items));
    DAL_FAILED("Db6fReadItem");
    return TDalDb::instance().readItem(h, dateIdx, first, count, head, items);
}

int Db6fReadReiDay(int h, int dateIdx, uint64_t* hourMask1, uint64_t* hourMask2)
{
    TDalJournal::add("Db6fReadReiDay(%d,%d,%s,%s)", h, dateIdx, P(hourMask1), P(hourMask2));
    DAL_FAILED("Db6fReadReiDay");
    return TDalDb::instance().readReiDay(h, dateIdx, hourMask1, hourMask2);
}

int Db6fReadReiHour(int h, int dateIdx, int hour, uint64_t* minMask1, uint64_t* minMask2)
{
    TDalJournal::add("Db6fReadReiHour(%d,%d,%d,%s,%s)", h, dateIdx, hour, P(minMask1), P(minMask2));
    DAL_FAILED("Db6fReadReiHour");
    return TDalDb::instance().readReiHour(h, dateIdx, hour, minMask1, minMask2);
}

int Db6fFilterType(int h, const uint8_t* table)
{
    TDalJournal::add("Db6fFilterType(%d,%s)", h, P(table));
    DAL_FAILED("Db6fFilterType");
    return TDalDb::instance().filterType(h, table);
}

int Db6fFilterRei(int h, int rei)
{
    TDalJournal::add("Db6fFilterRei(%d,%d)", h, rei);
    DAL_FAILED("Db6fFilterRei");
    return TDalDb::instance().filterRei(h, rei);
}

int Db6fFilterTextin(int h, const char* text, int arg)
{
    TDalJournal::add("Db6fFilterTextin(%d,%s,%d)", h, T(text).c_str(), arg);
    DAL_FAILED("Db6fFilterTextin");
    return TDalDb::instance().filterTextin(h, text);
}

int Db6fFilterDate(int h, const Db6Date* from, const Db6Date* to)
{
    TDalJournal::add("Db6fFilterDate(%d,%04d-%02d-%02d,%04d-%02d-%02d)", h, from ? from->year : 0,
                     from ? from->month : 0, from ? from->day : 0, to ? to->year : 0, to ? to->month : 0,
                     to ? to->day : 0);
    DAL_FAILED("Db6fFilterDate");
    return TDalDb::instance().filterDate(h, from, to);
}

int Db6fCalcFilter(int h, void* ctx, Db6ProgressCb progress)
{
    TDalJournal::add("Db6fCalcFilter(%d,%s,%s)", h, P(ctx), P(reinterpret_cast<void*>(progress)));
    DAL_FAILED("Db6fCalcFilter");
    return TDalDb::instance().calcFilter(h, ctx, progress);
}

} // extern "C"
