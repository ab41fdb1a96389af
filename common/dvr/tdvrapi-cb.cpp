// The device layer's callbacks: plain functions registered with the layer,
// called on its threads with the facade as context. Each hands its event to
// the facade's run handler of its family.
#include "tdvrapi.h"
#include "tmessages.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
TDVRAPI* facade(void* ctx)
{
    return static_cast<TDVRAPI*>(ctx);
}

// The context as the banners print it.
unsigned long long ctxWord(void* ctx)
{
    return static_cast<unsigned long long>(reinterpret_cast<quintptr>(ctx));
}
}

void TDVRAPI::registerCallbacks()
{
    DalIoSetCb(CbIo, this);
    DalEncrSetCb(CbEncCfg, CbEncNotify, this);
    DalDecSetCb(CbDecInfo, this);
    DalNetSetCb(CbNet, this);
    DalBackupSetCb(CbBackup, this);
    DalNeseSetCb(CbNese, this);
    DalVinSetCb(CbVin, this);
    DalPosSetCb(CbPos, this);
}

void TDVRAPI::unregisterCallbacks()
{
    // Each returns once a callback of its family that is running has ended.
    DalIoSetCb(nullptr, nullptr);
    DalEncrSetCb(nullptr, nullptr, nullptr);
    DalDecSetCb(nullptr, nullptr);
    DalNetSetCb(nullptr, nullptr);
    DalBackupSetCb(nullptr, nullptr);
    DalNeseSetCb(nullptr, nullptr);
    DalVinSetCb(nullptr, nullptr);
    DalPosSetCb(nullptr, nullptr);
}

int CbIo(void* ctx, int type, int from, int data)
{
    if (!ctx)
        return 0;
    facade(ctx)->runIo(type, from, data);
    return 0;
}

int CbEncCfg(void* ctx, const struct tm* now, EncCfg* out)
{
    qCDebug(lcApi, "======== CbEncCfg start: %llx ========", ctxWord(ctx));
    // The layer hands a table of 32 records to fill and its clock.
    if (ctx && now && out)
        facade(ctx)->runEncCfg(now, out);
    qCDebug(lcApi, "======== CbEncCfg end ========");
    return 0;
}

int CbEncNotify(void* ctx, int type, int ch, int data, const char* msg)
{
    qCDebug(lcApi, "======== CbEncNotify start: %llx %d %d %d ========", ctxWord(ctx), type, ch, data);
    if (ctx)
        facade(ctx)->runEncNotify(type, ch, data, msg);
    qCDebug(lcApi, "======== CbEncNotify end ========");
    return 0;
}

int CbDecInfo(void* ctx, int type, const DecInfo* rec)
{
    qCDebug(lcApi, "======== CbDecInfo start: %llx ========", ctxWord(ctx));
    if (ctx && rec)
        facade(ctx)->runDecInfo(type, rec);
    qCDebug(lcApi, "======== CbDecInfo end ========");
    return 0;
}

int CbNet(void* ctx, int type, const void* data, int size, NetpackReply* reply, int value)
{
    qCDebug(lcApi, "======== CbNet start: %llx %d ========", ctxWord(ctx), type);
    int r = 0;
    // A negative size is no data at all.
    if (ctx)
        r = facade(ctx)->runNet(type, data, size < 0 ? 0 : size, reply, value);
    qCDebug(lcApi, "======== CbNet end ========");
    return r;
}

int CbBackup(void* ctx, int type, intptr_t info, const char* msg)
{
    qCDebug(lcApi, "======== CbBackup : %llx %d %ls========", ctxWord(ctx), type,
            qUtf16Printable(TMessages::fromBytes(msg)));
    if (ctx)
        facade(ctx)->runBackup(type, info, msg);
    qCDebug(lcApi, "======== CbBackup end ========");
    return 0;
}

int CbNese(void* ctx, int type, const uint32_t* info, const char* state)
{
    qCDebug(lcApi, "======== CbNese : %llx %d %ls========", ctxWord(ctx), type,
            qUtf16Printable(TMessages::fromBytes(state)));
    if (ctx)
        facade(ctx)->runNese(type, info, state);
    return 0;
}

int CbVin(void* ctx, int type, const VinEvent* ev)
{
    if (ctx && ev)
        facade(ctx)->runVin(type, ev);
    return 0;
}

int CbPos(void* ctx, int type, int ch, int value, const char* text)
{
    if (ctx)
        facade(ctx)->runPos(type, ch, value, text);
    return 0;
}
