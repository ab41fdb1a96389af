/* Test driver of the device-layer stand-in: tests choose a capability
 * profile, inject hardware events, step the one-second tick, make a call
 * fail and read the call journal and the stand-in's state. The recorder
 * program never includes this header. */
#pragma once

#include "dal.h"

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The master password the stand-in keeps (DalGetMasterPwd). */
#define DAL_TEST_MASTER_PWD "0000"

typedef struct DalTestState {
    char profile[16];      /* "16", "16pal", ... */
    int32_t channels;
    int32_t pal;           /* video standard now in force */
    int32_t initialised;   /* DalInit done, DalExit not yet */
    int32_t running;       /* between DalStart and DalStop */
    int32_t manualTicks;
    int32_t tickCount;     /* ticks delivered since DalStart */
    int32_t ioRegistered;
    int32_t vinRegistered;
    int32_t encRegistered;
    uint32_t videoLoss;    /* bit ch: no video */
    uint32_t sensors;      /* bit ch: sensor active */
    uint32_t sensorConfigured; /* bit s: DalIoSetSensor switched it on */
    uint32_t alarm;        /* relay outputs on */
    int32_t buzzer;
    int32_t wdtOn;
    int32_t wdtSeconds;
    int32_t wdtClears;
    char oem[32];
    char user[32];
} DalTestState;

/* Stops the stand-in's threads, forgets every registration, state, failure
 * and journal line, and takes the profile from DAL_PROFILE again. */
void dalTestReset(void);
/* Chooses a profile by name ("4", "8", "16", "20", "32", each optionally
 * followed by "pal"); -1 for an unknown name (the profile stays). */
int dalTestSetProfile(const char* name);
void dalTestGetState(DalTestState* st);

/* Manual ticks: the real-time tick stops; dalTestStepTick delivers one tick
 * on the IO thread and returns when the callback has returned: the tick
 * count delivered, or -1 when no tick could be delivered (not started, no
 * IO callback, or stopped). */
void dalTestSetManualTicks(int on);
int dalTestStepTick(void);

/* Hardware events, delivered asynchronously on the stand-in's threads. */
void dalTestKey(int code, int state, int remote); /* state 1 press, 2 release, 4 held */
void dalTestJog(int step);
void dalTestShuttle(int pos);
void dalTestSensor(int ch, int on);
void dalTestVideoLoss(int ch, int on);
void dalTestDisk(int type, int ch, int data, const char* msg); /* CbtEnc type */

/* One event of each callback family, with any type code (also codes the
 * family does not know). The IO family is delivered on its own thread, the
 * network family on a second (a remote-setup packet may wait there for the
 * recorder), the others on a third, each in order, only while the family is
 * registered and the layer not stopped; the calls return at once (the two
 * marked "waits" return the program's answer). Texts and records are copied
 * first: the callback gets the stand-in's own buffer, valid during the call
 * only, as the device layer does. A null text is passed as null. At most 256
 * events wait per thread; more are dropped with one line on standard error. */
void dalTestIo(int type, int from, int data);
void dalTestEnc(int type, int ch, int data, const char* msg);
/* Waits: asks the program for the record configuration of 32 channels at
 * the local time now (null: the current time) and copies it to out (may be
 * null); the callback's result, -1 when not delivered. The recorder keeps
 * the answer as its last one (dalTestGetEnc). */
int dalTestEncCfg(const struct tm* now, EncCfg* out /* [32] */);
void dalTestDec(int type, const DecInfo* rec); /* rec null: a zeroed record */
/* Waits: the network callback with size bytes of data (null data: a null
 * pointer and size 0); the program's reply is copied to reply (may be
 * null). The callback's result, -1 when not delivered. */
int dalTestNet(int type, const void* data, int size, int value, NetpackReply* reply);
/* rec non-null: a copy of its size bytes goes as the info address instead
 * of value (records such as BackupRange or BdList). */
void dalTestBackup(int type, intptr_t value, const void* rec, int size, const char* msg);
void dalTestNese(int type, const uint32_t* info, int count, const char* state); /* info null: null */
void dalTestVin(int type, int ch, int value, const unsigned char* map /* 128 bytes or null */);
void dalTestPos(int type, int ch, int value, const char* text);
void dalTestSerial(int type, const int32_t* rec /* [4], null: zeros */);

/* The serial integration test: each command sent on the RS-485 line
 * (DalPtzCmd) also goes round the two UART loops of the test jig; while the
 * serial test callback is registered the layer reports CBT_VELOR_TEST with
 * words 1 and 3 of its record 1 when the frame came back on UART 1 or 2,
 * else 0. Loops are closed after the reset; dalTestSerialLoop opens (closed
 * 0) or closes one: 0, or -1 for a uart other than 1 and 2. */
typedef struct DalTestSerialState {
    int32_t sent;          /* frames sent since the reset */
    int32_t echoed[2];     /* frames that came back on UART 1 and 2 */
} DalTestSerialState;
int dalTestSerialLoop(int uart, int closed);
void dalTestSerialGet(DalTestSerialState* out);

/* Applies one control-channel line as the FIFO would: 0, or -1 when the
 * line is not understood or names a sensor or channel beyond the profile. */
int dalTestControlLine(const char* line);
/* Waits until every event injected so far has been delivered. */
void dalTestFlush(void);

/* Makes every later call of the named function return result (the records
 * it would fill are left untouched) until the failures are cleared. */
void dalTestFail(const char* call, int result);
void dalTestClearFails(void);
/* Makes one step of the stand-in's own file writes fail, after `after` more
 * of its kind have succeeded: "place" (a file written aside cannot take its
 * name) or "noreplace" (the rename that never replaces is missing, as on a
 * file system without it: the writer's fallback is taken). 0, or -1 for
 * another step. dalTestReset and dalTestClearFails forget it. */
int dalTestFailStep(const char* step, int after);
/* Overrides a count the capability calls report ("num_vin", "num_sensor",
 * "num_alarmout", "num_disk", "num_vridx", "num_rridx", "num_nridx",
 * "num_fidx", "numRes", "numLayout", "numResHd", "ptz_cnt", and "num_relay", how
 * many of the alarm outputs are relays), so tests can see how
 * the program copes with counts beyond the tables, or the network frame limit
 * of an encoder chip ("max_fps_per_chip", every network resolution entry),
 * or whether the unit has a serial POS port ("rs232", 0 none); -1 for
 * another name. */
int dalTestSetCount(const char* field, int value);

/* The call journal: one "Name(args)" line per call, oldest first. */
int dalTestJournalCount(void);
int dalTestJournalLine(int i, char* buf, int size);
/* Index of the first line that contains text, -1 when none. */
int dalTestJournalFind(const char* text);
void dalTestJournalClear(void);

/* ---- Network and network services ---- */

/* The services whose tests the stand-in answers. */
enum { DAL_TEST_NTP, DAL_TEST_DDNS, DAL_TEST_EMAIL, DAL_TEST_UPNP, DAL_TEST_SERVICES };

/* What the program handed to the network family. Records are copies of the
 * last call that took one; counters count the calls that were taken. */
typedef struct DalTestNet {
    Eth0Info eth0;         /* the address in force (the MAC is the DalCmd one) */
    int32_t eth0Sets;
    int32_t ports[4];      /* watch, search, setup, web */
    int32_t portSets;
    DdnsSet ddns;          /* DalNeseSetDdns */
    DdnsSet ddnsTest;      /* DalNeseTestDdns */
    int32_t ddnsSets;
    UpnpSet upnp;
    UpnpSet upnpTest;
    int32_t upnpSets;
    EmailSet email;
    EmailSet emailTest;
    int32_t emailSets;
    char ntpServer[256];
    char ntpTestServer[256];
    int32_t ntpPeriod;
    int32_t tests[DAL_TEST_SERVICES]; /* tests started, by service */
    int32_t emailTexts;    /* texts collected for the next e-mail */
    int32_t emailImages;   /* pictures asked for */
} DalTestNet;

void dalTestGetNet(DalTestNet* out);
/* The outcome of the later tests of one service: ok non-zero reports OK,
 * else FAIL; text is the state text of the result (null: none). */
void dalTestNetOutcome(int service, int ok, const char* text);
/* lost non-zero: the later tests of one service are taken (the call
 * answers 0 and counts in tests[]) but their result never comes, and the
 * result records stay as they were; 0 reports them again. */
void dalTestNetLose(int service, int lost);
/* The address DHCP gave (DalNetGetEth0); the MAC stays the stand-in's. */
void dalTestSetEth0(const Eth0Info* info);
/* The connected clients DalNetGetClientInfo reports (null: none). */
void dalTestSetClients(const NetClientRec* rec);
/* The result records DalNeseGetDdnsResult and DalNeseGetUpnpResult give
 * until the next test writes them. */
void dalTestSetDdnsResult(const DdnsResult* result);
void dalTestSetUpnpResult(const UpnpResult* result);
/* The "gigabit-enabled" answer of DalCmd: "yes" or "no" (the default). */
void dalTestSetGigabit(int on);
/* Collected e-mail text i (oldest first) into buf: 0, or -1 when none. */
int dalTestEmailText(int i, char* buf, int size);
/* The channel of collected picture i, -1 when none. */
int dalTestEmailImage(int i);
/* Waits: one remote-setup packet: the head with cmd and the announced
 * length len (big-endian), then size bytes of payload; the reply copied to
 * reply (may be null). The callback's result, -1 when not delivered. */
int dalTestNetPacket(int cmd, uint32_t len, const void* payload, int size, NetpackReply* reply);

/* ---- Recording database and decoder ---- */
/* Writes a database description (see dal/tdaldbmodel.h) as the database at
 * a unit path ("/data0/data.db6" the internal one, any other file an
 * external one), making its folder; null text writes the default database.
 * 0, or -1 when it cannot be written (said on standard error, with the path
 * and why). Handles opened before keep what they
 * read; the next open and decoder start read the new one. Only below a
 * runtime root (DVR_ROOT). */
int dalTestDbDescribe(const char* path, const char* text);
/* How often a database file has been read (its database built, or the
 * file refused or not read) since the reset: an open or a decoder start on
 * an unchanged file reads nothing. */
int dalTestDbReads(void);

/* ---- Video outputs ---- */

/* One output: 0 the main monitor, 2 the spot monitor. */
typedef struct DalTestVout {
    int32_t res;           /* DalVoutSetCaps; -1 never set */
    int32_t layout;        /* layout id shown; 0 none yet */
    int32_t chain[32];     /* the chain of the last accepted DalVoutSetLayout */
    int32_t viw[4];        /* picture-in-picture window x, y, w, h; w 0: off */
    int32_t csc[4];        /* 0 brightness, 1 saturation, 2 hue, 3 contrast; -1 never set */
} DalTestVout;

/* The screen: digital zoom, covert cameras, live flag, alpha rectangles. */
typedef struct DalTestDisplay {
    double zoom, zoomX, zoomY; /* the last accepted DalVoutZoom */
    uint32_t covert;           /* bit ch: covert */
    int32_t live;              /* DalVoutSetLive; -1 never set */
    int32_t numAlpha;          /* rectangles below, oldest first (the last 64) */
    int32_t alpha[64][5];      /* x, y, w, h and the device's level */
} DalTestDisplay;

/* The last title overlay of a spot output, as the layer copied it: 16-bit
 * words of packed 4:2:2 (luma in the high byte, Cb for even x and Cr for
 * odd x in the low byte), pitch bytes a row. */
typedef struct DalTestOverlay {
    int32_t ch;            /* the channel count: the clock line */
    int32_t w, h, pitch;
} DalTestOverlay;

/* 0, or -1 for an output outside 0..2 or a null record. */
int dalTestVoutGet(int output, DalTestVout* out);
void dalTestDisplayGet(DalTestDisplay* out);
/* hd 0 the spot output, 1 the HD spot: its overlay's record and up to size
 * bytes of its buffer; the bytes copied, -1 when none was sent. */
int dalTestVoutOverlay(int hd, DalTestOverlay* info, void* buf, int size);

/* The control FIFO's path ("$DVR_ROOT/tmp/dal.ctl"). */
int dalTestControlPath(char* buf, int size);
/* The i-th four-character key word the control lines take ("KRME"), null
 * past the last. */
const char* dalTestControlKeyWord(int i);

/* ---- Alarm outputs, buzzer, LEDs, watchdog, controller, PTZ and POS ---- */

/* The IO family's outputs. The stand-in's time is its seconds: one per tick
 * delivered, from the reset on. The watchdog never resets anything: it notes
 * that the hardware would have (wdtWouldReset stays 1 until the reset). */
typedef struct DalTestIoOut {
    uint32_t relays;       /* bit k: relay k on */
    int32_t buzzer;
    int32_t keyBuzzer;     /* DalIoSetBuzzer: keys beep */
    int32_t rmcId;         /* DalIoSetRmc: remote-controller id, -1 all */
    int32_t hddErrorLed;   /* DalCmd "HDD_ERROR_LED" */
    int32_t panicLed;      /* DalCmd "PANIC_RECORD_LED" */
    int32_t testLed;       /* DalIoTestLed */
    char keyboard[128];    /* DalCmd "ORVA_KBD": the system keyboard's text */
    int32_t wdtArmed;
    int32_t wdtSeconds;    /* time-out; 0 none set yet */
    int32_t wdtLastKick;   /* second of the last kick (or of arming) */
    int32_t wdtKicks;
    int32_t wdtWouldReset; /* armed, and not kicked within the time-out */
    int32_t now;           /* the stand-in's seconds */
} DalTestIoOut;
void dalTestGetIoOut(DalTestIoOut* out);

/* PTZ: what went out on the serial line, oldest first (the last 4096),
 * stamped with the stand-in's seconds. op is a move (arg the PTZ command
 * 0..9), a stop, or the preset operation (arg the preset index 0..31). */
enum { DAL_PTZ_MOVE = 1, DAL_PTZ_STOP = 2, DAL_PTZ_PRESET_SET = 23, DAL_PTZ_PRESET_CLEAR = 24, DAL_PTZ_PRESET_GO = 25 };
typedef struct DalTestPtzCmd {
    int32_t time;
    int32_t addr;
    int32_t op;
    int32_t arg;
} DalTestPtzCmd;
int dalTestPtzLogCount(void);
int dalTestPtzLog(int i, DalTestPtzCmd* out); /* -1 outside the log */
void dalTestPtzLogClear(void);
/* The camera at an address (0..255): what DalPtzSetAddr bound to it, the
 * channel linked to it (-1 none), its presets (bit i: index i stored), the
 * move running (-1 none) and the preset it went to last (-1 none). */
typedef struct DalTestPtzCam {
    int32_t bound;
    int32_t driver;
    int32_t baud;
    int32_t speedPan;
    int32_t speedTilt;
    int32_t channel;
    int32_t moving;
    int32_t at;
    uint32_t presets;
} DalTestPtzCam;
int dalTestPtzCamera(int addr, DalTestPtzCam* out); /* -1 for another address */
/* The count DalPtzGetCaps reports is overridden with dalTestSetCount("ptz_cnt", n). */

/* POS: the eight port records last given to DalPosSet, and a device that
 * answers DalPosScan plugged into (present 1) or pulled from a port 0..7.
 * A device that comes to or leaves a USB port (1..4) is reported with
 * CBT_POS_USB (ch the port, value present) from the POS delivery thread. */
void dalTestPosPorts(PosDev* out /* [8] */);
int dalTestPosPresent(int port, int present); /* -1 for another port */

/* ---- Video inputs and audio ---- */

/* What one video input holds. */
typedef struct DalTestVinState {
    int32_t formatSet;     /* dalTestVinFormat chose the format below; else the
                              profile's standard definition (960 wide, interlaced) */
    int32_t width, height, progressive;
    double fps;
    int32_t capsSet;       /* DalVinSetCaps set the input to this format */
    int32_t capsRes, capsProgressive;
    double capsFps;
    int32_t csc[4];        /* DalVinSetCSC by component (0 bri, 1 sat, 2 hue, 3 con); -1 never set */
    int32_t camOff;        /* DalVinSetCamOff */
    int32_t mdSet;         /* DalVinSetMd was called */
    int32_t mdSens;
    int32_t mdOn;          /* with a mask; 0: detection off (null mask) */
    uint32_t mdMask[32];
    int32_t mdTrace;       /* DalVinSetMdTrace */
    int32_t motion;        /* the input sees motion (dalTestMotion, "motion CH on") */
    int32_t privacySet;    /* DalVinSetPrivacy set zone 0 */
    double privacy[4];     /* x, y, w, h as fractions of the picture */
    char camName[64];      /* DalSetCamName */
} DalTestVinState;

/* The audio routing. */
typedef struct DalTestAudioState {
    int32_t aoutSet;       /* DalAoutSet was called */
    int32_t aout;          /* the channel heard; -1 off */
    int32_t linked;        /* DalAinLink was called */
    int32_t link[32];      /* camera of each audio input; -1 none */
} DalTestAudioState;

/* 0, or -1 for a channel beyond the profile (out untouched). */
int dalTestVinGetState(int ch, DalTestVinState* out);
void dalTestAudioGetState(DalTestAudioState* out);
/* The input of ch delivers a new format from now on (DalVinGetInfo), and
 * the layer reports the change (CBT_VIN_CAMERA); -1 for a channel beyond
 * the profile or a size or rate no camera sends (nothing changes). */
int dalTestVinFormat(int ch, int width, int height, int progressive, double fps);
/* Motion starts (on) or ends on ch (CBT_VIN_MOTION). While it lasts and the
 * input's trace is on (DalVinSetMdTrace), the video thread reports the
 * input's live motion block (CBT_VIN_MDINFO) with every tick. */
void dalTestMotion(int ch, int on);
/* The cells of ch's live motion block: 32 words, bit x of word y = cell
 * (x, y); null for every cell (the default). -1 for a channel beyond the
 * table. */
int dalTestMdCells(int ch, const uint32_t* words);
/* The largest privacy zone the encoder capabilities report, as fractions
 * of the picture's width and height (0 < v <= 1; 0.5 each by default, and
 * again after dalTestReset or dalTestSetProfile); -1 for other values. */
int dalTestPrivacyLimit(double cx, double cy);

/* ---- Backup media ---- */

/* The backup devices and the job of the backup family. */
typedef struct DalTestBackupState {
    uint64_t size[2];      /* room on the medium, bytes (0 USB, 1 optical) */
    int32_t present[2];
    int32_t selected;      /* 0 USB, 1 optical */
    int32_t mounted;       /* the selected medium is mounted at "/backup" */
    int32_t dbOpen;
    int32_t job;           /* 0 none, 1 estimate, 2 copy */
    uint32_t camoff;       /* cameras the filter leaves out */
    int32_t type;          /* backup format: 0 exe, 1 avi */
    char lastFile[256];    /* unit path of the last file written */
} DalTestBackupState;

/* Puts a medium (0 USB stick, 1 optical disc) in or out of its drive with
 * size bytes of room; mounted non-zero also selects it and mounts it at
 * "/backup". A medium that leaves while a copy is written to it fails the
 * copy. The program hears CBT_BACKUP_INFO_BD with the device and, while
 * its last backup-device call was DalBackupScanBd (no DalBackupSetBd,
 * DalBackupMount or DalBackupUmount since), CBT_BACKUP_SCAN_BD again. */
void dalTestBackupMedia(int bd, int present, uint64_t size, int mounted);
/* While on, a backup job waits before each next step (after each progress
 * report) until released, stopped, or its medium leaves. on 1 holds it at
 * every step; a progress event's type (CBT_BACKUP_COPY_PROG,
 * CBT_BACKUP_MKISO_PROG, ...) only after the reports of that kind. The last
 * report of a file comes once it is written and synced, before it takes its
 * name: a medium that leaves while the job is held there fails the copy. */
void dalTestBackupHold(int on);
void dalTestBackupGetState(DalTestBackupState* st);

/* ---- Clock and firmware (the system family) ---- */

/* The recorder's clock as DalSysSetTime and DalSysSetTz left it. */
typedef struct DalTestClock {
    int64_t now;           /* seconds since 1970 the clock reads now */
    int32_t set;           /* DalSysSetTime was called since the reset */
    int32_t dst;           /* daylight-saving value of the last DalSysSetTz */
    char zone[48];         /* zone name of the last DalSysSetTz, empty before */
} DalTestClock;
void dalTestGetClock(DalTestClock* clock);

/* Writes a firmware image that DalCheckValidFwr knows to a unit path: a
 * gzip tar holding tool (size bytes, may be 0) as "./upgrade", made for
 * model (null: the model of the profile in force). 0, or -1 when the path
 * leaves the root or the file could not be written. */
int dalTestMakeFirmware(const char* path, const char* model, const void* tool, int size);

/* ---- Recorder and disks ----
 * The stand-in's disk table has 16 slots; a profile starts with its disks
 * (1 to 8) as formatted, healthy hard disks and the other slots empty. The
 * recorder asks the program's CbEncCfg when recording starts, on
 * DalEncrRefresh and when the ten-minute cell of the recorder's clock
 * changes while it records, and keeps the last answer. Disk jobs (DalEncrMountSd,
 * DalEncrFsckSd, DalEncrFormatSd) run on the encoder's delivery thread:
 * progress events, then their end event; each disk formatted gets an empty
 * recording database ("/data<disk>/data.db6"); a format of disk -2 formats
 * every disk and mirrors them in pairs when its option is non-zero, or
 * ends the mirroring when it is 0. The layer refuses a check or
 * format while it records, without a disk to work on, or when a test made
 * the call fail (dalTestFail("DalEncrFsckSd", -1)). */

typedef struct DalTestDisk {
    int32_t type;          /* 1 hard disk, 2 optical drive, 0 none */
    int32_t health;        /* non-zero: good */
    int32_t formatted;     /* carries the recording file system */
    int32_t pad;
    uint64_t raw;          /* bytes */
    uint64_t used;         /* bytes, of a formatted disk */
    char model[64];
    SmartRec smart;        /* the values DalEncrGetSmart reports */
} DalTestDisk;

/* Disk slot i (0..15): 0, or -1 for another slot or a null record. */
int dalTestSetDisk(int i, const DalTestDisk* disk);
int dalTestGetDisk(int i, DalTestDisk* disk);
/* Disks mirrored in pairs (0 and 1, 2 and 3, ...). */
void dalTestSetMirror(int on);

typedef struct DalTestEnc {
    int32_t recording;     /* between DalEncrStart and DalEncrStop, while the layer runs */
    int32_t asks;          /* answers of CbEncCfg received */
    int32_t swap;          /* DalEncrSetSwap */
    int32_t smartOn, smartDay, smartPeriod; /* DalEncrSetSmart */
    int32_t autoDelete;    /* DalEncrSetAd: seconds, -1 off */
    int32_t netCfgSet;     /* DalEncnSetCfg calls */
    int32_t jobs;          /* disk jobs accepted */
    int32_t pad;
    EncCfg last[DAL_MAX_CH];   /* the last answer of CbEncCfg */
    EncnCfg net[DAL_MAX_CH];   /* the last network-stream settings */
} DalTestEnc;

void dalTestGetEnc(DalTestEnc* st);

#ifdef __cplusplus
} /* extern "C" */
#endif
