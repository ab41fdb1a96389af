#pragma once
// The 37 fixed-layout section records of the recorder's configuration. Each
// record is a plain structure of integers, bytes and fixed character arrays:
// the configuration object copies and compares them as raw memory, and the
// device facade reads and writes their fields in place. Every record is
// zero-initialised by `= {}` / memset; the sizes are pinned below because
// records are copied between copies of the configuration byte for byte.
//
// Texts in character fields are UTF-8, NUL-terminated within the field.

#include "dal.h"
#include "propdefault.h"

#include <stddef.h>
#include <stdint.h>

// Section indexes (one per INI group of the configuration file).
enum PropIndex {
    IDX_PROP_DEVICES = 0,
    IDX_PROP_OSD = 1,
    IDX_PROP_DISPLAY = 2,
    IDX_PROP_DTFORM = 3,
    IDX_PROP_INFOBAR = 4,
    IDX_PROP_SPOTHD = 5,
    IDX_PROP_SPOT = 6,
    IDX_PROP_COLOR = 7,
    IDX_PROP_RECORD = 8,
    IDX_PROP_GROUP = 9,
    IDX_PROP_SCHEDULE = 10,
    IDX_PROP_HOLIDAY = 11,
    IDX_PROP_EVENT = 12,
    IDX_PROP_CAMERA = 13,
    IDX_PROP_PRIVATE = 14,
    IDX_PROP_AUDIO = 15,
    IDX_PROP_MOTION = 16,
    IDX_PROP_ALARM = 17,
    IDX_PROP_PRESET = 18,
    IDX_PROP_PTZ = 19,
    IDX_PROP_POS = 20,
    IDX_PROP_CONTROL = 21,
    IDX_PROP_NETADDR = 22,
    IDX_PROP_NETPORT = 23,
    IDX_PROP_NETEMAIL = 24,
    IDX_PROP_NETCONTROL = 25,
    IDX_PROP_NETDDNS = 26,
    IDX_PROP_DATETIME = 27,
    IDX_PROP_USER = 28,
    IDX_PROP_STORAGE = 29,
    IDX_PROP_SMART = 30,
    IDX_PROP_DEFAULT = 31,
    IDX_PROP_SEARCHOPT = 32,
    IDX_PROP_PTZDRV = 33,
    IDX_PROP_TIMEZONE = 34,
    IDX_PROP_AVCCAPS = 35,
    IDX_PROP_DALCAPS = 36,
    IDX_PROP_COUNT = 37
};

// Fixed table sizes of the records. A count read from a file or reported by
// the device is clamped to these before it bounds a loop or an index.
enum PropLimits {
    PROP_MAX_CH = 20,        // per-channel tables (cameras, audio, sensors, text-ins)
    PROP_MAX_GROUPS = 4,     // record groups A..D
    PROP_MAX_ALARMOUT = 23,  // relays + buzzer + pop-up + spot pop-up
    PROP_MAX_USERS = 8,
    PROP_MAX_DISKS = 16,
    PROP_MAX_PRESETS = 32,
    PROP_MAX_PTZDRV = 20,
    PROP_MAX_TIMEZONES = 80,
    PROP_MAX_POSPORTS = 5,
    PROP_SCHED_ROWS = 8,
    PROP_SCHED_CELLS = 144,
    PROP_PRIVACY_ROWS = 18,
    PROP_MOTION_ROWS = 32,
    // Capability tables of AvcCaps.
    AVC_MAX_VRIDX = 8,
    AVC_MAX_RRIDX = 8,
    AVC_MAX_NRIDX = 8,
    AVC_MAX_FIDX = 60,
    // Resolution tables of VoutCaps.
    VOUT_MAX_RES = 20
};

// ---- Section 0 "DEVICES": the device identity and counts ------------------
// Built by the start-up code from the device's capability records; the counts
// may hold anything a file or device gave, so every loop over them uses the
// clamped counts (TProperty::channels() and friends).
struct PropDevices {
    char model[32];
    char board[32];
    unsigned char reserved[64]; // always zero (kept so the record is 188 bytes)
    int32_t ntsc;               // 1 NTSC, 0 PAL
    int32_t version;
    int32_t dalWord0;           // from the device record, not stored in the file
    int32_t dalWord1;           // from the device record, not stored in the file
    int32_t videos;
    int32_t audios;
    int32_t sensors;
    int32_t alarmouts;          // relays + 3
    int32_t relaycnt;           // not stored in the file
    int32_t txtin;
    int32_t uarts;
    int32_t storage;
    int32_t users;
    int32_t frames;             // recording frame budget
    int32_t netframes;          // network streaming frame budget
};

// ---- Section 1 "OSD" --------------------------------------------------------
struct PropOsd {
    char lang[32];
    int32_t alpha;   // 1..7
    int32_t osdOn;
    int32_t deintOn;
    int32_t hdddisp; // 0..1
};

// ---- Section 2 "DISPLAY": the main monitor -------------------------------
struct PropDisplay {
    int32_t device2;   // 0..2
    int32_t res;       // index into the main output's resolution list
    int32_t seqdur;    // dwell list position 0..59
    int32_t ratio;
    int32_t skip_vloss;
    int32_t orders[PROP_MAX_CH];
    int32_t bri;
    int32_t con;
    int32_t sat;
    int32_t hue;
};

// ---- Section 3 "DTFORM" -----------------------------------------------------
struct PropDtform {
    int32_t date; // 0 yyyy/MM/dd, 1 MM/dd/yyyy, 2 dd/MM/yyyy
    int32_t time; // 1 12-hour, else 24-hour
};

// ---- Section 4 "INFOBAR" ----------------------------------------------------
// The file key of auto_ is "auto" (a C++ keyword cannot name the field).
struct PropInfobar {
    int32_t on;
    int32_t auto_;
};

// ---- Section 5 "SPOTHD" -----------------------------------------------------
struct PropSpothd {
    int32_t res;  // index into the HD spot output's resolution list
    int32_t mode; // split mode 0..m
    int32_t dwell;
    int32_t skip_vloss;
    int32_t orders[PROP_MAX_CH];
};

// ---- Section 6 "SPOT" -------------------------------------------------------
struct PropSpot {
    int32_t cvbs; // 0 NTSC, 1 PAL
    int32_t mode;
    int32_t dwell;
    int32_t skip_vloss;
    int32_t orders[PROP_MAX_CH];
};

// ---- Section 7 "COLOR" ------------------------------------------------------
struct ColorEntry {
    uint8_t bri; // 1..100
    uint8_t con;
    uint8_t sat;
    uint8_t hue;
};

struct PropColor {
    ColorEntry data[PROP_MAX_CH];
};

// ---- Recording ---------------------------------------------------------
// One channel's recording (or, in NETCONTROL, network stream) parameters.
struct RecordEntry {
    uint8_t mode;   // 0 none, 1 continuous, 2 event, 3 both
    uint8_t audio;
    uint8_t cridx;
    uint8_t cfidx;
    uint8_t cqual;
    uint8_t eridx;
    uint8_t efidx;
    uint8_t equal;
    int16_t postdur; // seconds - 5
    int16_t predur;  // seconds 0..4
};

// Section 8 "RECORD"
struct PropRecord {
    RecordEntry data[PROP_MAX_CH];
};

// Section 9 "GROUP": record groups A..D, group-major.
struct PropGroup {
    RecordEntry data[PROP_MAX_GROUPS][PROP_MAX_CH];
};

// Section 10 "SCHEDULE"
struct PropSchedule {
    int32_t on;
    int32_t holiydayOn;
    uint8_t data[PROP_SCHED_ROWS][PROP_SCHED_CELLS]; // 0..3 group A..D, 4 none
};

// Section 11 "HOLIDAY": month 0..11 by day 1..31 (column 0 unused).
struct PropHoliday {
    uint8_t data[12][32];
};

// Section 12 "EVENT": row = recording channel, column = triggering input.
struct PropEvent {
    uint8_t evts[PROP_MAX_CH][PROP_MAX_CH];
};

// ---- Cameras ----------------------------------------------------------------
struct CameraEntry {
    char name[64];
    int32_t disableOn;
    int32_t covertOn;
    int32_t signal;
    int32_t show43;
};

// Section 13 "CAMERA"
struct PropCamera {
    CameraEntry data[PROP_MAX_CH];
};

// Section 14 "PRIVATE": per camera one word per privacy grid row.
struct PropPrivate {
    uint32_t mask[PROP_MAX_CH][PROP_PRIVACY_ROWS];
};

// Section 15 "AUDIO"
struct PropAudio {
    int32_t in[PROP_MAX_CH]; // camera of each audio input; -1 none
    int32_t out;
};

struct MotionChannel {
    int32_t sens;
    uint32_t mask[PROP_MOTION_ROWS];
};

// Section 16 "MOTION"
struct PropMotion {
    int32_t rows;
    int32_t cols;
    MotionChannel ch[PROP_MAX_CH];
};

// ---- Alarm, PTZ, POS, controller ----------------------------------------
struct AlarmOutEntry {
    char name[32];
    uint8_t sensorOn[PROP_MAX_CH];
    uint8_t motionOn[PROP_MAX_CH];
    uint8_t vlossOn[PROP_MAX_CH];
    uint8_t txtinOn[PROP_MAX_CH];
    int32_t dur;
};

// Section 17 "ALARM"
struct PropAlarm {
    uint8_t sensortype[PROP_MAX_CH];
    AlarmOutEntry out[PROP_MAX_ALARMOUT];
    int32_t dur_preset;
    int32_t preset_motion[PROP_MAX_CH][PROP_MAX_CH];
};

struct PresetItem {
    int16_t on;
    char name[32];
};

struct PresetChannel {
    uint8_t speedpan;
    uint8_t speedtilt;
    uint8_t tourOn;
    uint8_t dur;
    int16_t seq[PROP_MAX_PRESETS];
    PresetItem preset[PROP_MAX_PRESETS];
};

// Section 18 "PRESET"
struct PropPreset {
    PresetChannel ch[PROP_MAX_CH];
};

struct PtzEntry {
    char driver[32];
    int32_t addr;
    int32_t baud;
};

// Section 19 "PTZ"
struct PropPtz {
    PtzEntry ch[PROP_MAX_CH];
};

struct PosPort {
    int32_t channel;
    int32_t baudrate;
    int32_t morelines;
    char ta_start[32];
    char ta_end[32];
    char ignore[32];
    char ignore2[32];
    char ignore3[32];
    char ignore4[32];
};

// Section 20 "POS"
struct PropPos {
    PosPort port[PROP_MAX_POSPORTS];
    int32_t overlaypos;
    int32_t overlaytime;
};

// Section 21 "CONTROL"
struct PropControl {
    int32_t control;
    int32_t controlid;
    int32_t reserved[2]; // always 0, never stored
    int32_t dvrid;
    int32_t keybuzzer;
};

// ---- Network ------------------------------------------------------------
// Section 22 "NETADDR"
struct PropNetaddr {
    int16_t type;
    int16_t dhcp;
    char name[32];
    char pppid[64];
    char ppppw[64];
    char ip[32];
    char mask[32];
    char gate[32];
    char dns[32];
    int32_t dnsauto;
};

// Section 23 "NETPORT"
struct PropNetport {
    int16_t watch;
    int16_t search;
    int16_t setup;
    int16_t web;
    int32_t upnp;
};

// Section 24 "NETEMAIL"
struct PropNetemail {
    uint8_t on;
    uint8_t authOn;
    uint8_t sslOn;
    char server[64];
    char id[64];
    char pw[64];
    char from[64];
    char to[64];
    int32_t port;
    int32_t dur;
    uint8_t evt[7][PROP_MAX_CH];
};

// Section 25 "NETCONTROL"
struct PropNetcontrol {
    int32_t mainOn[PROP_MAX_CH];
    RecordEntry entry[PROP_MAX_CH];
    int32_t subOn[PROP_MAX_CH];
};

// Section 26 "NETDDNS"
struct PropNetddns {
    char type[16];
    int32_t dur;
    char serverip[100];
    int32_t serverport;
    char domain[100];
    char server[100];
    char id[32];
    char pw[32];
    char mac[32];
};

// ---- Date-time, users, storage, search ------------------------------------
// Section 27 "DATETIME"
struct PropDatetime {
    char tz[64];
    char server[64];
    int32_t dst;
    int32_t check;
    int32_t diff;
};

struct UserAccount {
    char id[16];
    char pw[16];
    uint8_t setup;
    uint8_t search;
    uint8_t backup;
    uint8_t ptz;
    uint8_t network;
    uint8_t spare[3]; // unused, zero (the account record is 80 bytes)
    uint8_t camlocal[PROP_MAX_CH];
    uint8_t camnet[PROP_MAX_CH];
};

// Section 28 "USER"
struct PropUser {
    int32_t autolock;
    UserAccount user[PROP_MAX_USERS];
};

// Section 29 "STORAGE"
struct PropStorage {
    int32_t mirror;
    int32_t overwrite;
    int32_t autodelete;
    int32_t alarm[PROP_MAX_DISKS];
    int32_t alarm_type;
};

// Section 30 "SMART"
struct PropSmart {
    int32_t on;
    int32_t day;
    int32_t errorcnt;
    int32_t time;
    int32_t heat;
    int32_t alarm;
};

// Section 31 "DEFAULT" is PropDefault (propdefault.h).

// Section 32 "SEARCHOPT"
struct PropSearchopt {
    int32_t Mode;
    int32_t Type;
    int32_t Channel;
    int32_t Interval;
    int32_t deinterlace;
    int32_t pos;
    int32_t Visible;
    int32_t Range;
    int32_t DateOverlap;
};

// Section 33 "PTZDRV": the PTZ protocols the device offers. cnt may be
// negative after a load; readers treat that as an empty list.
struct PropPtzdrv {
    int32_t cnt;
    char driver[PROP_MAX_PTZDRV][32];
};

struct TimezoneEntry {
    int32_t dst;
    char local[44];
};

// Section 34 "TIMEZONE"
struct PropTimezone {
    int32_t cnt;
    TimezoneEntry zone[PROP_MAX_TIMEZONES];
};

// Sections 35 "AvcCaps" and 36 "DalCaps" are the device's AvcCaps and DalCaps
// records (dal.h).

// Layouts: the sizes the records have everywhere they are passed around.
static_assert(sizeof(PropDevices) == 188, "PropDevices layout");
static_assert(offsetof(PropDevices, ntsc) == 128, "PropDevices.ntsc");
static_assert(offsetof(PropDevices, videos) == 144, "PropDevices.videos");
static_assert(sizeof(PropOsd) == 48, "PropOsd layout");
static_assert(sizeof(PropDisplay) == 116, "PropDisplay layout");
static_assert(sizeof(PropDtform) == 8, "PropDtform layout");
static_assert(sizeof(PropInfobar) == 8, "PropInfobar layout");
static_assert(sizeof(PropSpothd) == 96, "PropSpothd layout");
static_assert(sizeof(PropSpot) == 96, "PropSpot layout");
static_assert(sizeof(ColorEntry) == 4, "ColorEntry layout");
static_assert(sizeof(PropColor) == 80, "PropColor layout");
static_assert(sizeof(RecordEntry) == 12, "RecordEntry layout");
static_assert(sizeof(PropRecord) == 240, "PropRecord layout");
static_assert(sizeof(PropGroup) == 960, "PropGroup layout");
static_assert(sizeof(PropSchedule) == 1160, "PropSchedule layout");
static_assert(sizeof(PropHoliday) == 384, "PropHoliday layout");
static_assert(sizeof(PropEvent) == 400, "PropEvent layout");
static_assert(sizeof(CameraEntry) == 80, "CameraEntry layout");
static_assert(sizeof(PropCamera) == 1600, "PropCamera layout");
static_assert(sizeof(PropPrivate) == 1440, "PropPrivate layout");
static_assert(sizeof(PropAudio) == 84, "PropAudio layout");
static_assert(sizeof(MotionChannel) == 132, "MotionChannel layout");
static_assert(sizeof(PropMotion) == 2648, "PropMotion layout");
static_assert(sizeof(AlarmOutEntry) == 116, "AlarmOutEntry layout");
static_assert(sizeof(PropAlarm) == 4292, "PropAlarm layout");
static_assert(sizeof(PresetItem) == 34, "PresetItem layout");
static_assert(sizeof(PresetChannel) == 1156, "PresetChannel layout");
static_assert(sizeof(PropPreset) == 23120, "PropPreset layout");
static_assert(sizeof(PtzEntry) == 40, "PtzEntry layout");
static_assert(sizeof(PropPtz) == 800, "PropPtz layout");
static_assert(sizeof(PosPort) == 204, "PosPort layout");
static_assert(sizeof(PropPos) == 1028, "PropPos layout");
static_assert(sizeof(PropControl) == 24, "PropControl layout");
static_assert(sizeof(PropNetaddr) == 296, "PropNetaddr layout");
static_assert(sizeof(PropNetport) == 12, "PropNetport layout");
static_assert(sizeof(PropNetemail) == 472, "PropNetemail layout");
static_assert(sizeof(PropNetcontrol) == 400, "PropNetcontrol layout");
static_assert(sizeof(PropNetddns) == 420, "PropNetddns layout");
static_assert(sizeof(PropDatetime) == 140, "PropDatetime layout");
static_assert(sizeof(UserAccount) == 80, "UserAccount layout");
static_assert(sizeof(PropUser) == 644, "PropUser layout");
static_assert(sizeof(PropStorage) == 80, "PropStorage layout");
static_assert(sizeof(PropSmart) == 24, "PropSmart layout");
static_assert(sizeof(PropDefault) == 392, "PropDefault layout");
static_assert(sizeof(PropSearchopt) == 36, "PropSearchopt layout");
static_assert(sizeof(PropPtzdrv) == 644, "PropPtzdrv layout");
static_assert(sizeof(TimezoneEntry) == 48, "TimezoneEntry layout");
static_assert(sizeof(PropTimezone) == 3844, "PropTimezone layout");
