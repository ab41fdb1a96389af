// The factory board test's device side: its bring-up of the device layer
// and its reduced callbacks, which only report to the board-test dialog.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutexLocker>
#include <cstdio>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
TDVRAPI* facade(void* ctx)
{
    return static_cast<TDVRAPI*>(ctx);
}

// The FPGA image the 20-channel "Kea" boards load when no "--fpga" was given.
const char kFpgaImage[] = "/dvr/fpga.bin";

// Record configuration of the board test: continuous recording only.
enum { TEST_RIDX = 0, TEST_QUALITY = 3, TEST_FPS_IDX = 2 };
}

void TDVRAPI::dvrTestInit(int argc, char** argv)
{
    // The program's name is no option: only the arguments after it count.
    int daemon = 0;
    for (int i = 1; i < argc && argv && !daemon; ++i)
        daemon = argv[i] && std::strstr(argv[i], "-daemon") ? 1 : 0;

    DalInit();
    getCaps(&m_dalCaps, &m_avcCaps, &m_voutCapsRec);

    // The board text is read no further than its field.
    char board[sizeof m_dalCaps.board + 1];
    qstrncpy(board, m_dalCaps.board, sizeof board);
    if (std::strstr(board, "Kea") && m_dalCaps.num_vin == 20) {
        if (!m_fpga[0])
            qstrncpy(m_fpga, kFpgaImage, sizeof m_fpga);
        // The layer may answer into the text it is given: it gets a buffer
        // of the size the command texts have, and that size.
        char path[128];
        qstrncpy(path, m_fpga, sizeof path);
        DalCmd("fpgaconf", path, int(sizeof path));
    }

    DalVoutSetCaps(0, 0);
    DalVoutSetViw(0, 0, 0, 0, 0);
    spotSetdevice();
    dtSetdevice(0);

    m_numLayout = m_voutCapsRec.numLayout;
    m_voutCaps = &m_voutCapsRec;
    qCDebug(lcApi, "dvrTestInit.. m_numLayout:%d", m_numLayout);

    initOsd();
    camSetdevice(1);

    // The events the facade handles itself are queued to it from the
    // callbacks' threads: connected before the first callback can come.
    // Also made by init; a second connection would deliver each event twice.
    connect(this, &TDVRAPI::sg_fromDvr, this, &TDVRAPI::sl_fromDvr, Qt::UniqueConnection);

    DalIoSetCb(CbTestIo, this);
    DalEncrSetCb(CbTestEncCfg, CbTestEncNotify, this);
    DalNetSetCb(CbTestNet, this);
    DalBackupSetCb(cbBackupBdThunk, this);
    DalIoSetRmc(-1, 0x80);
    DalVinSetCb(CbVin, this);
    // The serial-port test of the board reports through its own family.
    DalSerialTestSetCb(cbVelorTestThunk, this);

    const int sensors = g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->sensors : 0;
    for (int i = 0; i < sensors && i < DAL_MAX_CH; ++i)
        DalIoSetSensor(i, 1, 0);

    DalStart();
    changeAvcCaps(1);
    testNetStart(daemon);
    DalEncrMountSd();
    strgSetdevice();

    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    DalNetGetEth0(&eth);
    std::snprintf(m_netInfo.mac, sizeof m_netInfo.mac, "%02x:%02x:%02x:%02x:%02x:%02x", eth.mac[0], eth.mac[1],
                  eth.mac[2], eth.mac[3], eth.mac[4], eth.mac[5]);
    qCDebug(lcApi, "dvrTestInit.. szmac:%s", m_netInfo.mac);

    if (g_cfg) {
        const auto* addr = static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 1));
        const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
        char name[sizeof addr->name + 1];
        qstrncpy(name, addr->name, sizeof name);
        DalSetAppInfo(name, versionWord(dev->version));
    }

    runTestSpot();
}

int TDVRAPI::dvrTestrunIo(int type, int from, int data)
{
    // Keys are only named and sensors only shown: no layout keys, panic,
    // alarm linkage or housekeeping in the board test.
    switch (type) {
    case CBT_IO_KEY:
        notify(SIG_IO_KEY, from, toQtKey(data));
        break;
    case CBT_IO_RMCKEY:
        notify(SIG_IO_RMCKEY, from, toQtKey(data));
        break;
    case CBT_IO_SENSOR:
        notify(SIG_IO_SENSOR, from, data);
        break;
    case CBT_IO_TIME:
        notify(SIG_IO_TIME, from, data);
        break;
    default:
        break;
    }
    return 0;
}

int TDVRAPI::dvrTestrunEncCfg(const struct tm*, EncCfg* out)
{
    std::memset(out, 0, sizeof(EncCfg) * DAL_MAX_CH);
    const int videos = channelCount();
    for (int ch = 0; ch < videos; ++ch) {
        EncCfg& c = out[ch];
        c.contOn = 1;
        c.conti_ridx = TEST_RIDX;
        c.contQual = TEST_QUALITY;
        c.contFps = TEST_FPS_IDX;
        qCDebug(lcApi, "dvrTestrunEncCfg.. ch:%d ridx:%d ", ch, TEST_RIDX);
    }
    return 0;
}

int TDVRAPI::dvrTestrunEncNotify(int type, int, int, const char* msg)
{
    switch (type) {
    case CBT_ENC_SD_MOUNT:
        emit sg_dvrNotify(SIG_SD_INFO, 0, 0, 0, QString(), QString());
        ++m_mountCount;
        break;
    case CBT_ENC_SD_FORMAT:
    case CBT_ENC_SD_CHECK:
    case CBT_ENC_DB_CHECK:
    case CBT_ENC_DB_REBUILD:
        // The layer's text, copied: its buffer is valid during the call only.
        emit sg_dvrNotify(SIG_MSG_FORMAT, 0, 0, 0, QString(), msg ? QString::fromUtf8(msg) : QString());
        break;
    default:
        break;
    }
    return 0;
}

int TDVRAPI::dvrTestrunNet(int type, const void* data, int, NetpackReply* reply, int)
{
    qCDebug(lcApi, "dvrTestrunNet.. type:%d pkt:%p, nr:%p", type, data, static_cast<void*>(reply));
    if (type == CBT_NET_SET) {
        // The dialog reads the address texts when it hears of the change:
        // they are written on its thread, then the change is announced.
        QMetaObject::invokeMethod(this, [this] { testAddressChanged(); }, Qt::QueuedConnection);
    }
    return -1;
}

void TDVRAPI::testAddressChanged()
{
    checkIp();
    emit sg_dvrNotify(SIG_NET_DHCP, 0, 0, 0, QString(), QString());
}

int TDVRAPI::bdUsable(const BdList& list)
{
    const BdEntry& usb = list.bd[0];
    const BdEntry& optical = list.bd[1];
    // A stick without room cannot take a backup; a disc can be burnt.
    return optical.state == 2 || (usb.state == 1 && usb.size > 0) ? 1 : 0;
}

int TDVRAPI::cbBackupBd(int type, intptr_t, const char*)
{
    if (type != CBT_BACKUP_SCAN_BD)
        return 0;
    // A list the layer could not read counts as no medium at all.
    BdList list;
    std::memset(&list, 0, sizeof list);
    int usable = 0;
    if (DalBackupGetBd(&list) >= 0) {
        usable = bdUsable(list);
        QMutexLocker lock(&m_backupMutex);
        m_bdList = list;
    }
    emit sg_dvrNotify(SIG_BD_DETECT, m_bdWin, m_bdAct, usable, QString(), QString());
    return 0;
}

int TDVRAPI::cbVelorTest(int type, const int32_t* rec)
{
    if (type != CBT_VELOR_TEST || !rec)
        return 0;
    qCDebug(lcApi, "CBT_VELOR_TEST %d, %d", int(rec[1]), int(rec[3]));
    emit sg_dvrNotify(SIG_VELOR_TEST, rec[1], rec[3], 0, QString(), QString());
    return 0;
}

int TDVRAPI::cbBackupBdThunk(void* ctx, int type, intptr_t info, const char* msg)
{
    if (ctx)
        facade(ctx)->cbBackupBd(type, info, msg);
    return 0;
}

int TDVRAPI::cbVelorTestThunk(void* ctx, int type, const int32_t* rec)
{
    if (ctx)
        facade(ctx)->cbVelorTest(type, rec);
    return 0;
}

int CbTestIo(void* ctx, int type, int from, int data)
{
    if (ctx)
        facade(ctx)->dvrTestrunIo(type, from, data);
    return 0;
}

int CbTestEncCfg(void* ctx, const struct tm* now, EncCfg* out)
{
    // The layer hands a table of 32 records to fill.
    if (ctx && out)
        facade(ctx)->dvrTestrunEncCfg(now, out);
    return 0;
}

int CbTestEncNotify(void* ctx, int type, int ch, int data, const char* msg)
{
    if (ctx)
        facade(ctx)->dvrTestrunEncNotify(type, ch, data, msg);
    return 0;
}

int CbTestNet(void* ctx, int type, const void* data, int size, NetpackReply* reply, int value)
{
    // The handler's answer is the layer's business only in normal operation.
    if (ctx)
        facade(ctx)->dvrTestrunNet(type, data, size < 0 ? 0 : size, reply, value);
    return 0;
}
