#pragma once
#include <QtGlobal>
#include <cstddef>

// The system log file is a 76-byte header followed by a ring of 76-byte
// records. Every integer is stored big-endian; TLog converts between the file
// order and these host-order records.

// The events the recorder writes into its system log, grouped by high byte.
enum LogCode {
    // system
    LOG_SYSTEM_START = 0x1000,
    LOG_SYSTEM_SHUTDOWN = 0x1001,
    LOG_SYSTEM_UPGRADE = 0x1002,
    LOG_ABNORMAL_RESET = 0x1010,
    LOG_FORMAT = 0x1011,
    LOG_HDD_CHECK = 0x1012,
    LOG_PANIC_START = 0x1020,
    LOG_PANIC_STOP = 0x1021,
    // recording and disk faults
    LOG_REC_THREAD_ERROR = 0x1100,
    LOG_HDD_ERROR = 0x1101,
    LOG_HDD_WRITE_ERROR = 0x1102,
    LOG_HDD_WRITE_OK = 0x1103,
    LOG_REC_DATA_ERROR = 0x1104,
    LOG_REC_DATA_OK = 0x1105,
    LOG_REC_BUF_ERROR = 0x1106,
    LOG_REC_BUF_OK = 0x1107,
    LOG_XFS_ERROR = 0x1108,
    LOG_DB_HDD_GOOD = 0x1109,
    LOG_DB_HDD_BAD = 0x110a,
    LOG_NET_DATA_ERROR = 0x1120,
    LOG_NET_DATA_OK = 0x1121,
    LOG_CHIP_TIMEOUT = 0x1140,
    // video input
    LOG_VIDEO_LOSS = 0x1150,
    LOG_VIDEO_IN = 0x1151,
    // login: the user's id travels in the record's user field
    LOG_LOGIN = 0x2000,
    LOG_LOGOUT = 0x2001,
    LOG_AUTO_LOGOUT = 0x2002,
    // setup: "Setup Changed" names the changed section in contents
    LOG_SETUP_START = 0x3000,
    LOG_SETUP_STOP = 0x3001,
    LOG_SETUP_CHANGED = 0x3002,
    // search
    LOG_SEARCH_START = 0x4000,
    LOG_SEARCH_STOP = 0x4001,
    // backup
    LOG_BACKUP_START = 0x5000,
    LOG_BACKUP_STOP = 0x5001,
    // PTZ
    LOG_PTZ_START = 0x6000,
    LOG_PTZ_STOP = 0x6001,
    // network (there is no 0x7001)
    LOG_NET_CONNECT = 0x7000,
    LOG_NET_UPGRADE = 0x7002,
    LOG_EMAIL_SEND = 0x7003,
    LOG_NET_CABLE_CONNECTED = 0x7004,
    LOG_NET_CABLE_DISCONNECTED = 0x7005,
    LOG_NTP_TIME_CHANGE = 0x7010,
    // disk health
    LOG_SMART_ERROR = 0x8000,
    LOG_HDD_OVERHEAT = 0x8001
};

// The file header at offset 0.
struct LogHeader {
    quint32 mag;   // LOG_MAGIC
    quint32 ow;    // 1 once every ring slot has been written at least once
    quint32 w_idx; // ring slot of the next record to write
    char reserved[64];
};

// One ring slot; slot i lies at offset (i + 1) * 76.
struct LogRecord {
    quint16 year;
    quint16 month;
    quint16 day;
    quint16 hour;
    quint16 minute;
    quint16 second;
    quint16 code; // LogCode
    quint16 reserved;
    char user[20];     // NUL-terminated, at most 19 bytes
    char contents[40]; // NUL-terminated, at most 39 bytes
};

static_assert(sizeof(LogHeader) == 76, "log header is a 76-byte block");
static_assert(offsetof(LogHeader, w_idx) == 8, "log header layout");
static_assert(offsetof(LogHeader, reserved) == 12, "log header layout");
static_assert(sizeof(LogRecord) == 76, "log record is a 76-byte block");
static_assert(offsetof(LogRecord, code) == 12, "log record layout");
static_assert(offsetof(LogRecord, user) == 16, "log record layout");
static_assert(offsetof(LogRecord, contents) == 36, "log record layout");
