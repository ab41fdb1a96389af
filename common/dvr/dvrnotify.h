#pragma once

// The codes of the device facade's notifications (sg_dvrNotify and
// sg_fromDvr): what the device layer and the facade's long operations tell
// the windows. Every code the program uses is here with its value; the
// recorder's disk events travel through sg_fromDvr under their callback
// codes CBT_ENC_SD_MOUNT, CBT_ENC_SD_FSCK_END and CBT_ENC_SD_FORMAT_END
// (17, 18, 19; cbt.h) and leave the facade as SIG_SD_INFO.
enum DvrNotifyCode {
    // Status box and messages.
    SIG_STATE_START = 2224,  // str title, strm text: show the status box
    SIG_STATE_END = 2225,    // val1 delay in ms: hide the status box
    SIG_STATE_UPDATE = 2226, // str title, strm text
    SIG_MSG_HDDCHECK = 2230,
    SIG_MSG_DBREBUILD = 2231,
    SIG_MSG_DBCHECK = 2232,
    SIG_MSG_FORMAT = 2233,

    // OSD repaints.
    SIG_OSD_UPDATE = 2240,     // val1 channel (< 0 all)
    SIG_OSD_POS_UPDATE = 2241, // val1 (x << 16) + y, val2 (w << 16) + h

    // Keys, sensors, the tick, video input, POS.
    SIG_IO_PANIC = 3332,
    SIG_IO_KEY = 3333,    // val1 1 press / 2 release, val2 Qt key
    SIG_IO_RMCKEY = 3334, // the same from the remote controller
    SIG_IO_RMCID = 3335,
    SIG_IO_TIME = 3336, // the one-second tick
    SIG_BACKUP_CLEAR = 3337,
    SIG_IO_SENSOR = 3338,  // val1 channel, val2 on
    SIG_VIN_MOTION = 3339, // val1 channel, val2 on
    SIG_VIN_VL = 3340,     // val1 channel, val2 on
    SIG_VIN_MDINFO = 3341, // val1 channel
    SIG_VIN_CAMERA = 3342, // val1 channel
    SIG_ENC_SMART = 3343,  // val1 disk mask, val2 value
    SIG_ENC_SMART_TEMP = 3344,
    SIG_IO_SHUTTLE = 3346, // val1 source, val2 shuttle position
    SIG_IO_STATE = 3347,
    SIG_LAYOUT_CHANGE = 3348, // val1 layout, val2 channel or page
    SIG_POS_TEXTIN = 3350,    // val1 channel, val2 on
    SIG_POS_TEXTIN2 = 3351,
    SIG_POS_USB = 3352,

    // Playback.
    SIG_DEC_CHALL = 4444,
    SIG_DEC_INFO_DATE = 4445,
    SIG_DEC_INFO_TIME = 4446,
    SIG_DEC_INFO_RATE = 4447,

    // Recorder.
    SIG_ENC_CH_STATE = 5555, // val1 channel, val2 0 none / 1 continuous / 2 event
    SIG_ENC_SD_STATE = 5556,

    // Time.
    SIG_NTP_TIMECHANGE = 6666,
    SIG_NTP_SYNCTIME = 6667,

    SIG_STATE_HIDE = 7777,
    SIG_NESE_EMAIL = 7778,

    // Backup.
    SIG_BACKUP_END = 8888,
    SIG_BACKUP_PROGRESS = 8889,

    // Network and remote setup.
    SIG_NET_SETUP = 9000,
    SIG_NET_RS_SET = 9001,
    SIG_NET_RS_TEST = 9002,
    SIG_NET_DHCP = 9010,
    SIG_NET_UPNP = 9011,
    SIG_NET_CLIENT = 9012,
    SIG_NET_DDNS = 9013,
    SIG_NET_RS_APPLY = 9020,

    // Disks and backup devices.
    SIG_SD_INFO = 9100,
    SIG_BD_DETECT = 9101,
    SIG_BD_MOUNT = 9102,
    SIG_BD_DATE = 9103,
    SIG_BD_INFO = 9104,
    SIG_BD_UMOUNT = 9105,

    SIG_VELOR_TEST = 9203, // str "UART1:%d UART2:%d"

    // Firmware upgrade.
    SIG_FU_START = 9990,
    SIG_FU_END = 9991,
    SIG_FU_FAIL = 9992,
    SIG_UPGRADE_READY = 9999
};
