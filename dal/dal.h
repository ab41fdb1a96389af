/* The device layer's interface: the calls, records and callback types the
 * recorder program uses. Records keep the byte layout the device layer fills
 * (checked below); where the device layer keeps a pointer, the field is
 * pointer-sized, because this build is 64-bit. */
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Capability records ------------------------------------------------ */

/* One resolution entry of the encoder capability record. */
typedef struct AvcRes {
    int32_t xres;
    int32_t yres;
    int32_t max_fps;
    int32_t max_fps_per_chip;
    double ratio; /* cost of one frame against the frame budget */
} AvcRes;

typedef struct AvcVres {
    int32_t xres;
    int32_t yres;
} AvcVres;

/* Encoder capabilities (2368 bytes). */
typedef struct AvcCaps {
    int32_t num_chip;
    int32_t num_cam_per_chip;
    unsigned char reserved0[28];
    int32_t num_vridx;
    AvcVres vridx[8];
    int32_t num_rridx;
    int32_t pad0;
    AvcRes rridx[8];
    int32_t num_nridx;
    int32_t pad1;
    AvcRes nridx[8][8];
    int32_t num_fidx;
    int32_t pad2;
    double fidx2fps[60];
    int32_t ref_fps;
    int32_t md_row;
    int32_t md_col;
    int32_t num_privacy;
    double privacy_cx;
    double privacy_cy;
} AvcCaps;

/* Device capabilities (844 bytes). */
typedef struct DalCaps {
    int32_t word0;
    int32_t word1;
    char model[256];      /* model name, NUL-terminated within 32 bytes */
    char board[512];      /* board name, NUL-terminated within 32 bytes */
    int32_t num_vin;      /* 776 */
    int32_t num_ain;      /* 780 */
    int32_t reserved2[2]; /* 784 */
    int32_t num_sensor;   /* 792 */
    int32_t word796;      /* 796: how many alarm outputs, from the first, are relays */
    int32_t num_alarmout; /* 800 */
    int32_t num_disk;     /* 804 */
    int32_t reserved3;    /* 808 */
    int32_t rs232;        /* 812 */
    unsigned char reserved4[28];
} DalCaps;

/* Output capabilities (2464 bytes). */
typedef struct VoutCaps {
    int32_t word0;
    int32_t numRes;        /* resolutions of the main output, at most 20 */
    int32_t resW[20];      /* 8 */
    int32_t resH[20];      /* 88 */
    double resHz[20];      /* 168 */
    int32_t reserved0;     /* 328 */
    int32_t outW[20];      /* 332: output width per resolution index */
    int32_t outH[20];      /* 412: output height per resolution index */
    unsigned char reserved1[100]; /* 492 */
    double maxZoom;        /* 592: largest digital zoom ratio */
    unsigned char reserved2[8];
    int32_t alphaLevels;   /* 608: non-zero when the OSD blends with a chosen level */
    int32_t numLayout;     /* 612: layout ids of the main output, at most 32 */
    int32_t layout[32];    /* 616: the layout ids in menu order */
    unsigned char reserved3[1108]; /* 744 */
    int32_t numResHd;      /* 1852: resolutions of the HD spot output */
    unsigned char reserved4[608];
} VoutCaps;

/* Video-input state of one channel. */
typedef struct VinInfo {
    int32_t noVideo;       /* non-zero: no signal on the input */
    int32_t ridx;          /* input-resolution index into AvcCaps.vridx */
    int32_t width;         /* 8 */
    int32_t height;        /* 12 */
    int32_t progressive;   /* 16: 1 progressive, 0 interlaced */
    int32_t reserved0;     /* 20 */
    double fps;            /* 24 */
    unsigned char reserved[32];
} VinInfo;


/* Table sizes of the device layer's records. */
#define DAL_MAX_CH 32        /* channels in the device layer's per-channel tables */
#define DAL_MAX_DISK 16      /* disks in the disk tables */
#define DAL_MAX_RES 20       /* output resolutions in VoutCaps */
#define DAL_MAX_LAYOUT 32    /* layout ids in VoutCaps */
#define DAL_MAX_PTZDRV 64    /* PTZ drivers in PtzCaps */
#define DAL_MAX_CLIENT 50    /* entries of the network client record */
#define DAL_NETREPLY_SIZE 4096

/* ---- Records passed to and from the device layer ----------------------- */

/* One cell of the main output's current layout (24 bytes). */
typedef struct VidWnd {
    int32_t show;          /* non-zero: the cell is in use */
    int32_t ch;            /* channel shown; valid only within the channel count */
    int32_t x, y, w, h;    /* screen pixels of the main monitor */
} VidWnd;

/* A video-input event: loss, motion or the live motion map. */
typedef struct VinEvent {
    int32_t ch;
    int32_t word4;
    int32_t value;         /* non-zero: loss or motion present */
    int32_t pad;
    const unsigned char* map; /* motion map, 128 bytes (pointer-sized here) */
} VinEvent;

/* Record configuration of one channel, filled by the program when the
 * recorder asks (56 bytes; the recorder passes 32 of them). */
typedef struct EncCfg {
    int32_t audio;
    int32_t contOn;
    int32_t conti_ridx;
    int32_t contQual;
    int32_t contFps;
    int32_t evtOn;
    int32_t evtRes;
    int32_t evtQual;
    int32_t evtPost;
    int32_t evtPre;
    int32_t evtFps;
    uint32_t event_sen_mask;
    uint32_t event_md_mask;
    uint32_t event_ti_mask;
} EncCfg;

/* Network-stream settings of one channel (20 bytes; 32 of them). */
typedef struct EncnCfg {
    uint16_t on;
    uint16_t res;
    uint16_t qual;
    uint16_t fidx;
    unsigned char second[12];
} EncnCfg;

/* Decode state of one played channel (2048 bytes). */
typedef struct DecChannel {
    int32_t width;
    int32_t height;
    int32_t quality;       /* 0 low, 1 medium, 2 high, other super */
    int32_t audio;
    double fps;            /* 16 */
    int32_t year, month, day; /* 24 */
    int32_t pad;
    double time;           /* 40: seconds of the day */
    char text[2000];       /* 48: text-in line, NUL-terminated */
} DecChannel;

/* The decoder record (65576 bytes). */
typedef struct DecInfo {
    int32_t year, month, day;
    int32_t pad;
    double time;           /* 16: seconds of the day of the shown frame */
    double rate;           /* 24: negative backwards, 0 paused */
    DecChannel entry[DAL_MAX_CH]; /* 32 */
    uint32_t chinfo;       /* 65568 */
    int32_t pad2;
} DecInfo;

/* Recorded months: entries per day of the month (136 bytes). */
typedef struct MonthInfo {
    int32_t year;
    int32_t month;
    int32_t count[32];     /* indexed by day of the month; < 1 none */
} MonthInfo;

/* One date of the recording database (20 bytes). */
typedef struct Db6Date {
    int32_t year, month, day;
    int32_t numEvents;
    int32_t dateId;
} Db6Date;

/* Head of an item read (164 bytes, the layer's own). */
typedef struct Db6ItemHead {
    int32_t numItems;
    unsigned char reserved[160];
} Db6ItemHead;

/* One event item of a date. The text of a text-in item is pointer-sized
 * here, so it sits behind the two words the recording items carry. */
typedef struct Db6Item {
    uint8_t type;          /* 0..31 recording, 32.. sensor, 64.. motion,
                              96.. video, 128..159 text-in, by source */
    uint8_t hour;
    uint8_t minute;
    uint8_t second2;       /* bits 1-7: the second */
    int32_t duration;      /* 4: seconds */
    int32_t word8;         /* recording: byte 8 resolution index, byte 11 rate index */
    int32_t word12;
    const char* text;      /* text-in items: the text, owned by the layer */
    int32_t textLen;
    int32_t pad;
} Db6Item;

/* Encoder tables of a date, for the event texts of a search. */
typedef struct Db6Avc {
    int32_t numRes;
    int32_t resW[16];
    int32_t resH[16];
    int32_t numRate;
    int32_t fps1000[64];   /* frames per 1000 s of each rate index */
} Db6Avc;

/* Disk check: which disk holds the database, mirroring, formatted disks. */
typedef struct Db6Check {
    int32_t data;          /* disk with the recording database; < 0 none */
    int32_t mirror;
    int32_t formatted[DAL_MAX_DISK];
    unsigned char reserved[56];
} Db6Check;

/* One disk of the disk table (1096 bytes). */
typedef struct SdInfo {
    char name[256];
    char model[512];       /* 256 */
    int32_t type;          /* 768: 1 hard disk, 2 optical, other none */
    int32_t health;        /* 772: non-zero good */
    uint64_t raw;          /* 776: bytes */
    uint64_t used;         /* 784 */
    uint64_t reserved0;    /* 792 */
    uint64_t formatted;    /* 800 */
    unsigned char reserved[288];
} SdInfo;

/* Recording span. */
typedef struct RecInfo {
    int32_t recA, recB;
    int32_t year, month, day, hour, minute, second;
} RecInfo;

/* S.M.A.R.T. values of one disk (28 bytes). */
typedef struct SmartRec {
    int32_t reserved;
    int32_t totalTest, errors, temp, badSectors, result, powerOnHours;
} SmartRec;

/* A backup device (808 bytes). */
typedef struct BdEntry {
    char name[256];
    char model[512];
    int32_t state;         /* 768: USB 1 present; optical 2 disc inserted */
    int32_t mounted;       /* 772: mounted at "/backup" */
    int32_t reserved0[2];
    uint64_t size;         /* 784: bytes of room left */
    uint64_t capacity;     /* 792: bytes the medium holds in all */
    unsigned char reserved[8];
} BdEntry;

typedef struct BdList {
    BdEntry bd[2];         /* 0 USB, 1 optical */
    int32_t selected;      /* 1616: 1 optical */
    int32_t pad;
} BdList;

typedef struct BackupDate {
    int32_t year, month, day;
    int32_t word12;
    int32_t dateId;
} BackupDate;

typedef struct BackupRange {
    int32_t startIdx;
    int32_t pad0;
    double startTime;      /* 8 */
    int32_t endIdx;        /* 16 */
    int32_t pad1;
    double endTime;        /* 24 */
    uint64_t size;         /* 32: bytes */
} BackupRange;

/* One POS port (208 bytes). */
typedef struct PosDev {
    int32_t baud;
    int32_t channel;       /* 0-based camera, -1 none */
    char taStart[32];
    char taEnd[32];
    char ignore1[32];
    char ignore2[32];
    char ignore3[32];
    char ignore4[32];
    int32_t morelines;
    int32_t reserved;
} PosDev;

/* The Ethernet address (32 bytes). */
typedef struct Eth0Info {
    int32_t dhcp;
    int32_t dnsAuto;
    uint8_t ip[4];         /* most significant first */
    uint8_t mask[4];
    uint8_t gw[4];
    uint8_t dns[4];
    uint8_t mac[6];
    uint8_t pad[2];
} Eth0Info;

typedef struct NetClientEntry {
    int32_t kind;          /* 1 watch, 2 search, 3 setup */
    int32_t reserved;
    uint8_t ip[4];
} NetClientEntry;

/* Connected network clients; count is at most DAL_MAX_CLIENT. */
typedef struct NetClientRec {
    int32_t count;
    int32_t watch, search, setup;
    int32_t reserved[2];
    NetClientEntry client[DAL_MAX_CLIENT]; /* 24 */
} NetClientRec;

/* Head of a remote-setup packet as it arrives: big-endian on the wire, so
 * the program converts each field explicitly (dalBe16/dalBe32 below). */
typedef struct NetPacketHead {
    uint8_t reserved[2];
    uint8_t cmd[2];        /* DnpcCmd, big-endian */
    uint8_t len[4];        /* payload bytes, big-endian */
} NetPacketHead;

/* Reply to a remote-setup packet; len 0 means no answer. */
typedef struct NetpackReply {
    uint32_t len;
    unsigned char buf[DAL_NETREPLY_SIZE];
} NetpackReply;

/* DDNS registration (1036 bytes). */
typedef struct DdnsSet {
    int32_t kind;
    char server[256];
    int32_t port;          /* 260 */
    int32_t interval;      /* 264 */
    char text1[256];       /* 268; kind 8: state word, then the device id */
    char text2[256];       /* 524; kind 8: the watch port at 528 */
    char text3[256];       /* 780 */
} DdnsSet;

typedef struct DdnsResult {
    int32_t result;        /* 0 registered */
    int32_t year, month, day, hour, min, sec;
    unsigned char rest[520];
} DdnsResult;

typedef struct UpnpSet {
    int32_t watch, search, setup, web;
} UpnpSet;

typedef struct UpnpResult {
    int32_t result;        /* 0 mapped */
    int32_t port[4];       /* 4 */
    int32_t success[4];    /* 20 */
    int32_t year, month, day; /* 36 */
    int32_t hour, min, sec;   /* 48 */
    char ip[256];          /* 60 */
} UpnpResult;

/* E-mail account (1552 bytes). */
typedef struct EmailSet {
    int32_t interval;
    char server[256];
    int32_t port;          /* 260 */
    char host[256];        /* 264 */
    char from[256];        /* 520 */
    int32_t auth;          /* 776 */
    int32_t ssl;           /* 780 */
    char id[256];          /* 784 */
    char pw[256];          /* 1040 */
    char to[256];          /* 1296 */
} EmailSet;

/* A PTZ binding handed to DalPtzFindDriver: the driver name first. */
typedef struct DalPtzBind {
    char driver[32];
    int32_t addr;
    int32_t baud;
} DalPtzBind;

/* One PTZ driver of the layer (272 bytes). */
typedef struct PtzDrvEntry {
    char name[32];
    unsigned char reserved[240];
} PtzDrvEntry;

typedef struct PtzCaps {
    int32_t cnt;           /* at most DAL_MAX_PTZDRV */
    int32_t pad;
    PtzDrvEntry drv[DAL_MAX_PTZDRV];
} PtzCaps;

/* One time zone of the layer: four words, the first the name text
 * (pointer-sized here; the text is owned by the layer). */
typedef struct TzEntry {
    const char* name;
    int32_t value1;
    int32_t value2;
    int32_t dst;
    int32_t pad;
} TzEntry;

typedef struct SysCaps {
    int32_t numTz;
    int32_t pad;
    const TzEntry* tz;     /* numTz entries, owned by the layer */
} SysCaps;

/* ---- Callback type codes (one enumeration per family) ------------------ */

typedef enum CbtIo {
    CBT_IO_KEY = 1,
    CBT_IO_JOG = 2,
    CBT_IO_SHUTTLE = 3,
    CBT_IO_RMCKEY = 4,
    CBT_IO_SENSOR = 5,
    CBT_IO_RMCID = 6,
    CBT_IO_TIME = 7
} CbtIo;

typedef enum CbtVin {
    CBT_VIN_VL = 1,
    CBT_VIN_MOTION = 2,
    CBT_VIN_MDINFO = 3,
    CBT_VIN_CAMERA = 10
} CbtVin;

typedef enum CbtPos {
    CBT_POS_TEXTIN = 1,
    CBT_POS_TEXTIN2 = 2,
    CBT_POS_USB = 3
} CbtPos;

/* Decoder types: -3..-1, then a channel 0..31 (decode information) or
 * 32..63 (text-in of channel type - 32). */
typedef enum CbtDec {
    CBT_DEC_CHALL = -3,
    CBT_DEC_TIME = -2,
    CBT_DEC_RATE = -1,
    CBT_DEC_INFO_CH = 0,
    CBT_DEC_TEXTIN_CH = 32
} CbtDec;

typedef enum CbtEnc {
    CBT_ENC_CH_STATE = 1,
    CBT_ENC_SD_STATE = 2,
    CBT_ENC_SD_MOUNT = 0x11,
    CBT_ENC_SD_FSCK_END = 0x12,
    CBT_ENC_SD_FORMAT_END = 0x13,
    CBT_ENC_SD_FORMAT = 0x22,
    CBT_ENC_SD_CHECK = 0x23,
    CBT_ENC_DB_CHECK = 0x24,
    CBT_ENC_DB_REBUILD = 0x25,
    CBT_ENC_SMART = 0x31,
    CBT_ENC_SMART_TEMP = 0x32,
    CBT_ENC_BUF_ERR = 0x40,
    CBT_ENC_BUF_OK = 0x41,
    CBT_ENC_WRITE_ERR = 0x42,
    CBT_ENC_WRITE_OK = 0x43,
    CBT_ENC_THREAD_ERR = 0x50,
    CBT_ENC_HDD_ERR = 0x51,
    CBT_ENC_DATA_ERR = 0x52,
    CBT_ENC_DATA_OK = 0x53,
    CBT_ENC_NETDATA_ERR = 0x54,
    CBT_ENC_NETDATA_OK = 0x55,
    CBT_ENC_XFS_ERR = 0x56,
    CBT_ENC_CHIP_TIMEOUT = 0x60
} CbtEnc;

typedef enum CbtNese {
    CBT_NESE_NTP_TIMECHANGE = 0x11,
    CBT_NESE_NTP_OK = 0x13,
    CBT_NESE_NTP_FAIL = 0x14,
    CBT_NESE_DDNS_UPDATE = 0x21,
    CBT_NESE_DDNS_UPDATE2 = 0x22,
    CBT_NESE_DDNS_OK = 0x23,
    CBT_NESE_DDNS_FAIL = 0x24,
    CBT_NESE_EMAIL_MSG = 0x31,
    CBT_NESE_EMAIL_SENT = 0x32,
    CBT_NESE_EMAIL_OK = 0x33,
    CBT_NESE_EMAIL_FAIL = 0x34,
    CBT_NESE_UPNP_SET = 0x41,
    CBT_NESE_UPNP_SET2 = 0x42,
    CBT_NESE_UPNP_OK = 0x43,
    CBT_NESE_UPNP_FAIL = 0x44
} CbtNese;

typedef enum CbtNet {
    CBT_NET_SET = 0x10,
    CBT_NET_FU_START = 0x20,
    CBT_NET_FU_END = 0x21,
    CBT_NET_FU_STOP = 0x22,
    CBT_NET_PACKET = 0x30,
    CBT_NET_LINK = 0x41,
    CBT_NET_LOGIN = 0x50,
    CBT_NET_LOGOUT = 0x51
} CbtNet;

typedef enum CbtBackup {
    CBT_BACKUP_OPEN_DB = 0x21,
    CBT_BACKUP_SCAN_BD = 0x22,
    CBT_BACKUP_SET_BD = 0x23,
    CBT_BACKUP_INFO_BD = 0x24,
    CBT_BACKUP_MOUNT = 0x26,
    CBT_BACKUP_NO_SPACE = 0x27,
    CBT_BACKUP_UMOUNT = 0x28,
    CBT_BACKUP_ESTI_START = 0x30,
    CBT_BACKUP_ESTI_PROG = 0x31,
    CBT_BACKUP_ESTI_STOPPED = 0x32,
    CBT_BACKUP_ESTI_END = 0x33,
    CBT_BACKUP_COPY_START = 0x40,
    CBT_BACKUP_COPY_SIZE = 0x41,
    CBT_BACKUP_COPY_PROG = 0x42,
    CBT_BACKUP_COPY_SUCCESS = 0x43,
    CBT_BACKUP_COPY_FAILED = 0x44,
    CBT_BACKUP_COPY_FAILED_NODATA = 0x45,
    CBT_BACKUP_COPY_STOPPED = 0x46,
    CBT_BACKUP_COPY_CHANGED = 0x47,
    CBT_BACKUP_COPY_END = 0x48,
    CBT_BACKUP_MKISO_START = 0x50,
    CBT_BACKUP_MKISO_PROG = 0x51,
    CBT_BACKUP_MKISO_FAILED = 0x53,
    CBT_BACKUP_BURNING_START = 0x60,
    CBT_BACKUP_BURNING_PROG = 0x61,
    CBT_BACKUP_BURNING_SUCCESS = 0x62,
    CBT_BACKUP_BURNING_FAILED = 0x63,
    CBT_BACKUP_BURNING_FIXATE = 0x64,
    CBT_BACKUP_SNAPSHOT = 0x70
} CbtBackup;

/* Result of the serial-port integration test; its record carries the two
 * port results as 32-bit values at offsets 4 and 12. */
#define CBT_VELOR_TEST 0x15445

/* ---- Callback functions ------------------------------------------------- */
/* Each is called on a thread of the layer with the registered context
 * first, only between its registration and DalStop; each returns 0 unless
 * said otherwise. */

struct tm;

typedef int (*DalIoCb)(void* ctx, int type, int from, int data);
typedef int (*DalEncCfgCb)(void* ctx, const struct tm* now, EncCfg* out /* [32] */);
typedef int (*DalEncNotifyCb)(void* ctx, int type, int ch, int data, const char* msg);
typedef int (*DalDecCb)(void* ctx, int type, const DecInfo* rec);
/* The network callback: data is the packet (NetPacketHead then payload) or
 * a text; size is the number of bytes actually received at data; reply is
 * given with packets. Its result goes back to the layer. */
typedef int (*DalNetCb)(void* ctx, int type, const void* data, int size,
                        NetpackReply* reply, int value);
/* info carries a number or the address of a record, by type. */
typedef int (*DalBackupCb)(void* ctx, int type, intptr_t info, const char* msg);
typedef int (*DalNeseCb)(void* ctx, int type, const uint32_t* info, const char* state);
typedef int (*DalVinCb)(void* ctx, int type, const VinEvent* ev);
typedef int (*DalPosCb)(void* ctx, int type, int ch, int value, const char* text);
/* Serial-port test: type CBT_VELOR_TEST, rec of four 32-bit words. */
typedef int (*DalSerialTestCb)(void* ctx, int type, const int32_t* rec);
/* Progress of Db6fCalcFilter: three values. */
typedef void (*Db6ProgressCb)(void* ctx, const int32_t* values /* [3] */);

/* ---- Calls -------------------------------------------------------------- */
/* Results are integers; negative means failure unless said otherwise. */

/* Life cycle. */
int DalInit(void);
int DalStart(void);
int DalStop(void);   /* no callback runs after it returns */
int DalExit(void);

/* Callback registration; a null function unregisters. */
int DalIoSetCb(DalIoCb cb, void* ctx);
int DalEncrSetCb(DalEncCfgCb cfg, DalEncNotifyCb notify, void* ctx);
int DalDecSetCb(DalDecCb cb, void* ctx);
int DalNetSetCb(DalNetCb cb, void* ctx);
int DalBackupSetCb(DalBackupCb cb, void* ctx);
int DalNeseSetCb(DalNeseCb cb, void* ctx);
int DalVinSetCb(DalVinCb cb, void* ctx);
int DalPosSetCb(DalPosCb cb, void* ctx);
int DalSerialTestSetCb(DalSerialTestCb cb, void* ctx);

/* Capabilities; every record pointer may be null (that record is not wanted). */
int DalGetCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
int DalVoutGetCaps(VoutCaps* vout);
int DalSysGetCaps(SysCaps* sys);
int DalPtzGetCaps(PtzCaps* ptz);

/* Single calls. */
int DalCmd(const char* name, char* value, int size); /* value: in/out text of up to size (128) bytes */
int DalSetOem(const char* oem);
int DalSetAppInfo(const char* name, uint32_t version);
int DalSetUserInfo(int idx, const char* id, const char* pw, uint32_t rights,
                   uint32_t camLocal, uint32_t camNet);
int DalSetCamName(int ch, const char* name);
int DalSetAvcCaps(int fieldRate); /* 50 PAL, 60 NTSC */
int DalLogin(const char* user);
int DalGetMasterPwd(char* buf, int size);
int DalCheckValidFwr(const char* path, int* result);
int DalCheckDead(void);
int DoemTavoInit(int on);
void db6_printf(int level, const char* source, int line, const char* format, ...);

/* Video input. */
int DalVinGetInfo(int ch, VinInfo* info);
int DalVinSetCaps(int ch, int resIdx, int progressive, double fps);
int DalVinSetCSC(int ch, int component, int value); /* 0 bri, 1 sat, 2 hue, 3 con */
int DalVinSetCamOff(int ch, int off);
int DalVinSetMd(int ch, int sens, const uint32_t* mask /* [32], may be null */);
int DalVinSetMdTrace(int ch, int on);
int DalVinSetPrivacy(int ch, int zone, double x, double y, double w, double h);
int DalAinLink(const int32_t* table /* [32] */);
int DalAoutSet(int ch);

/* Video output. */
int DalVoutSetCaps(int output, int res);
int DalVoutSetLayout(int output, int layout, const int32_t* chain /* [32] */);
int DalVoutGetLayoutInfo(int output, int sub, int32_t* num, VidWnd* wnd /* [32] */);
int DalVoutNumCell(int layout);
int DalVoutNumBigCell(int layout);
int DalVoutSetViw(int output, int x, int y, int w, int h);
int DalVoutSetAlpha(int x, int y, int w, int h, int level);
int DalVoutSetCSC(int output, int component, int value);
int DalVoutSetCovert(int ch, int on);
int DalVoutSetLive(int on);
int DalVoutZoom(double ratio, double cx, double cy);

/* Recording encoder and disks. */
int DalEncrStart(void);
int DalEncrStop(void);
int DalEncrRefresh(void);
int DalEncrSetSwap(int on);
int DalEncrMountSd(void);
int DalEncrFsckSd(void);
int DalEncrFormatSd(int disk, int option);
int DalEncrGetSdInfo(SdInfo* table /* [16] */, double* usage);
int DalEncrGetRecInfo(RecInfo* rec);
int DalEncrGetSmart(SmartRec* table /* [16] */, int flags);
int DalEncrSetSmart(int on, int day, int period);
int DalEncrSetAd(int age); /* seconds a recording is kept; -1 keeps all */
int DalEncrBitrate(int ch, int ridx, int fidx, int quality);

/* Network-stream encoder. */
int DalEncnSetCfg(const EncnCfg* cfg /* [32] */);
int DalEncnBitrate(int ch, int res, int fidx, int quality);

/* Decoder and playback. */
int DalDecStart(const char* dbPath, int dateId, uint32_t camOffMask, int allDay,
                double startSec, double rate);
int DalDecStop(void);
int DalDecRate(double rate);
int DalDecStep(int forward);
int DalDecPos(int dateId, double secOfDay);
int DalDecCurDateId(void);
int DalDecSetMode(int mode);
int DalDecSetOverlap(int on);
int DalDecSetDeint(int on);
int DalDecSetTimeRei(int filter);
int DalDecSetEventList(const uint8_t* table /* [9][32] */, int flags);
int DalDecSetActiveCam(int visible);
int DalDecSetThumbnail(int cells, int ch, int seconds);
int DalDecSetPanorama(int ch);

/* Alarm and key I/O, watchdog, remote control, LEDs. */
int DalIoSetSensor(int sensor, int on, int type);
int DalIoRunAlarm(uint32_t mask, uint32_t value);
int DalIoRunBuzzer(int on);
int DalIoSetBuzzer(int on);
uint32_t DalIoAlarm(void);
int DalIoBuzzer(void);
int DalIoSetWdt(int on, int seconds);
int DalIoClearWdt(int arg);
int DalIoSetRmc(int id, int arg);
int DalIoTestLed(int on);

/* PTZ. */
int DalPtzFindDriver(const DalPtzBind* bind);
int DalPtzSetAddr(int addr, int driver, int baud, int speedPan, int speedTilt);
int DalPtzLinkCamAddr(int ch, int addr);
int DalPtzCmd(int addr, int cmd);
int DalPtzStop(int addr, int cmd);
int DalPtzPreset(int addr, int op, int index); /* op 23 set, 24 clear, 25 go */

/* POS. */
int DalPosSet(const PosDev* ports /* [8] */);
int DalPosScan(int32_t* present /* [8] */);

/* Network settings and clients. */
int DalNetGetEth0(Eth0Info* info);
int DalNetSetEth0(const Eth0Info* info);
int DalNetSetPort(int watch, int search, int setup, int web);
int DalNetGetClientInfo(NetClientRec* rec);
int DalNetDisconnectClient(int kind);

/* Network services. */
int DalNeseSetDdns(const DdnsSet* set);
int DalNeseTestDdns(const DdnsSet* set);
int DalNeseGetDdnsResult(DdnsResult* result);
int DalNeseSetUpnp(const UpnpSet* set);
int DalNeseTestUpnp(const UpnpSet* set);
int DalNeseGetUpnpResult(UpnpResult* result);
int DalNeseSetEmail(const EmailSet* set);
int DalNeseTestEmail(const EmailSet* set);
int DalNeseAddEmailText(const char* text);
int DalNeseAddEmailImage(int ch);
int DalNeseSetNtp(const char* server, int period);
int DalNeseTestNtp(const char* server);

/* Backup and external media. */
int DalBackupScanBd(void);
int DalBackupGetBd(BdList* list);
int DalBackupSetBd(int bd);
int DalBackupMount(void);
int DalBackupUmount(void);
int DalBackupOpenDb(uint32_t camoff, uint32_t audoff);
int DalBackupCloseDb(void);
int DalBackupNumDate(void);
int DalBackupGetDateInfo(int idx, BackupDate* date);
int DalBackupSetFilter(uint32_t camoff, int audoff);
int DalBackupSetType(int type);
int DalBackupEstiRange(const BackupRange* range);
int DalBackupSetDvrInfo(const char* name);
int DalBackupSetCamName(int ch, const char* name);
int DalBackupStart(int type);
int DalBackupStop(void);
int DalBackupSnapshot(void);

/* Clock and time zone. */
int DalSysSetTime(int64_t t);
int DalSysSetTz(const TzEntry* zone, int dst);

/* Recording database. A handle is positive; 0 means failure. */
int Db6CheckSd(Db6Check* check);
int Db6fOpen(const char* path, const char* root, int a, int b, int flags, uint32_t chMask);
int Db6fClose(int h);
int Db6fNumMonth(int h, int year, int month);
int Db6fMonthIdx(int h, int year, int month);
int Db6fReadMonth(int h, int monthIdx, int count, MonthInfo* out);
int Db6fDateIdxInSameDate(int h, const Db6Date* date, int k);
int Db6fReadDate(int h, int dateIdx, int count, Db6Date* out);
int Db6fGetAvc(int h, int dateIdx, Db6Avc* avc);
int Db6fReadItem(int h, int dateIdx, int first, int count, Db6ItemHead* head, Db6Item* items);
int Db6fReadReiDay(int h, int dateIdx, uint64_t* hourMask1 /* [32] */, uint64_t* hourMask2 /* [32] */);
int Db6fReadReiHour(int h, int dateIdx, int hour, uint64_t* minMask1 /* [32] */, uint64_t* minMask2 /* [32] */);
int Db6fFilterType(int h, const uint8_t* table /* [9][32] */);
int Db6fFilterRei(int h, int rei);
int Db6fFilterTextin(int h, const char* text, int arg);
int Db6fFilterDate(int h, const Db6Date* from, const Db6Date* to);
int Db6fCalcFilter(int h, void* ctx, Db6ProgressCb progress);

/* Big-endian fields of remote-setup packets. */
static inline uint16_t dalBe16(const uint8_t* p) { return (uint16_t)((p[0] << 8) | p[1]); }
static inline uint32_t dalBe32(const uint8_t* p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | (uint32_t)p[3];
}

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(AvcCaps) == 2368, "AvcCaps layout");
static_assert(offsetof(AvcCaps, num_vridx) == 36, "AvcCaps.num_vridx");
static_assert(offsetof(AvcCaps, num_rridx) == 104, "AvcCaps.num_rridx");
static_assert(offsetof(AvcCaps, rridx) == 112, "AvcCaps.rridx");
static_assert(offsetof(AvcCaps, num_nridx) == 304, "AvcCaps.num_nridx");
static_assert(offsetof(AvcCaps, nridx) == 312, "AvcCaps.nridx");
static_assert(offsetof(AvcCaps, num_fidx) == 1848, "AvcCaps.num_fidx");
static_assert(offsetof(AvcCaps, fidx2fps) == 1856, "AvcCaps.fidx2fps");
static_assert(offsetof(AvcCaps, ref_fps) == 2336, "AvcCaps.ref_fps");
static_assert(offsetof(AvcCaps, privacy_cx) == 2352, "AvcCaps.privacy_cx");
static_assert(sizeof(DalCaps) == 844, "DalCaps layout");
static_assert(offsetof(DalCaps, board) == 264, "DalCaps.board");
static_assert(offsetof(DalCaps, num_vin) == 776, "DalCaps.num_vin");
static_assert(offsetof(DalCaps, num_sensor) == 792, "DalCaps.num_sensor");
static_assert(offsetof(DalCaps, num_alarmout) == 800, "DalCaps.num_alarmout");
static_assert(offsetof(DalCaps, rs232) == 812, "DalCaps.rs232");
static_assert(sizeof(VoutCaps) == 2464, "VoutCaps layout");
static_assert(offsetof(VoutCaps, resH) == 88, "VoutCaps.resH");
static_assert(offsetof(VoutCaps, resHz) == 168, "VoutCaps.resHz");
static_assert(offsetof(VoutCaps, outW) == 332, "VoutCaps.outW");
static_assert(offsetof(VoutCaps, outH) == 412, "VoutCaps.outH");
static_assert(offsetof(VoutCaps, maxZoom) == 592, "VoutCaps.maxZoom");
static_assert(offsetof(VoutCaps, alphaLevels) == 608, "VoutCaps.alphaLevels");
static_assert(offsetof(VoutCaps, numResHd) == 1852, "VoutCaps.numResHd");
static_assert(offsetof(VinInfo, ridx) == 4, "VinInfo.ridx");
static_assert(offsetof(VinInfo, fps) == 24, "VinInfo.fps");
static_assert(sizeof(VinInfo) == 64, "VinInfo layout");
static_assert(offsetof(VoutCaps, numLayout) == 612, "VoutCaps.numLayout");
static_assert(offsetof(VoutCaps, reserved3) == 744, "VoutCaps.reserved3");
static_assert(sizeof(VidWnd) == 24, "VidWnd layout");
static_assert(offsetof(VinEvent, value) == 8, "VinEvent.value");
static_assert(offsetof(VinEvent, map) == 16, "VinEvent.map is pointer-sized");
static_assert(sizeof(EncCfg) == 56, "EncCfg layout");
static_assert(sizeof(EncnCfg) == 20, "EncnCfg layout");
static_assert(sizeof(DecChannel) == 2048, "DecChannel layout");
static_assert(offsetof(DecChannel, fps) == 16, "DecChannel.fps");
static_assert(offsetof(DecChannel, year) == 24, "DecChannel.year");
static_assert(offsetof(DecChannel, time) == 40, "DecChannel.time");
static_assert(offsetof(DecChannel, text) == 48, "DecChannel.text");
static_assert(sizeof(DecInfo) == 65576, "DecInfo layout");
static_assert(offsetof(DecInfo, time) == 16, "DecInfo.time");
static_assert(offsetof(DecInfo, rate) == 24, "DecInfo.rate");
static_assert(offsetof(DecInfo, entry) == 32, "DecInfo.entry");
static_assert(offsetof(DecInfo, chinfo) == 65568, "DecInfo.chinfo");
static_assert(sizeof(MonthInfo) == 136, "MonthInfo layout");
static_assert(sizeof(Db6Date) == 20, "Db6Date layout");
static_assert(sizeof(Db6ItemHead) == 164, "Db6ItemHead layout");
static_assert(offsetof(Db6Item, duration) == 4, "Db6Item.duration");
static_assert(offsetof(Db6Item, word8) == 8, "Db6Item.word8");
static_assert(offsetof(Db6Item, text) == 16, "Db6Item.text is pointer-sized");
static_assert(sizeof(SdInfo) == 1096, "SdInfo layout");
static_assert(offsetof(SdInfo, model) == 256, "SdInfo.model");
static_assert(offsetof(SdInfo, type) == 768, "SdInfo.type");
static_assert(offsetof(SdInfo, raw) == 776, "SdInfo.raw");
static_assert(offsetof(SdInfo, used) == 784, "SdInfo.used");
static_assert(offsetof(SdInfo, formatted) == 800, "SdInfo.formatted");
static_assert(sizeof(RecInfo) == 32, "RecInfo layout");
static_assert(sizeof(SmartRec) == 28, "SmartRec layout");
static_assert(offsetof(SmartRec, temp) == 12, "SmartRec.temp");
static_assert(sizeof(BdEntry) == 808, "BdEntry layout");
static_assert(offsetof(BdEntry, state) == 768, "BdEntry.state");
static_assert(offsetof(BdEntry, size) == 784, "BdEntry.size");
static_assert(offsetof(BdEntry, mounted) == 772, "BdEntry.mounted");
static_assert(offsetof(BdEntry, capacity) == 792, "BdEntry.capacity");
static_assert(offsetof(BdList, selected) == 1616, "BdList.selected");
static_assert(sizeof(BackupDate) == 20, "BackupDate layout");
static_assert(sizeof(BackupRange) == 40, "BackupRange layout");
static_assert(offsetof(BackupRange, endIdx) == 16, "BackupRange.endIdx");
static_assert(offsetof(BackupRange, size) == 32, "BackupRange.size");
static_assert(sizeof(PosDev) == 208, "PosDev layout");
static_assert(offsetof(PosDev, morelines) == 200, "PosDev.morelines");
static_assert(sizeof(Eth0Info) == 32, "Eth0Info layout");
static_assert(offsetof(Eth0Info, mac) == 24, "Eth0Info.mac");
static_assert(sizeof(NetClientEntry) == 12, "NetClientEntry layout");
static_assert(offsetof(NetClientRec, client) == 24, "NetClientRec.client");
static_assert(sizeof(NetPacketHead) == 8, "NetPacketHead layout");
static_assert(offsetof(NetpackReply, buf) == 4, "NetpackReply.buf");
static_assert(sizeof(DdnsSet) == 1036, "DdnsSet layout");
static_assert(offsetof(DdnsSet, text1) == 268, "DdnsSet.text1");
static_assert(offsetof(DdnsSet, text3) == 780, "DdnsSet.text3");
static_assert(sizeof(DdnsResult) == 548, "DdnsResult layout");
static_assert(sizeof(UpnpSet) == 16, "UpnpSet layout");
static_assert(sizeof(UpnpResult) == 316, "UpnpResult layout");
static_assert(offsetof(UpnpResult, ip) == 60, "UpnpResult.ip");
static_assert(sizeof(EmailSet) == 1552, "EmailSet layout");
static_assert(offsetof(EmailSet, auth) == 776, "EmailSet.auth");
static_assert(offsetof(EmailSet, to) == 1296, "EmailSet.to");
static_assert(sizeof(PtzDrvEntry) == 272, "PtzDrvEntry layout");
#endif
