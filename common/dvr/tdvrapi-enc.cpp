// The recorder's questions and notifications: record configuration, disks,
// S.M.A.R.T. and recording faults.
#include "tdvrapi.h"

#include <QLoggingCategory>
#include <cstdio>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

int TDVRAPI::runEncCfg(const struct tm* now, EncCfg* out)
{
    Q_UNUSED(now)
    Q_UNUSED(out)
    // The record-configuration area fills the 32 records here.
    return 0;
}

int TDVRAPI::runEncNotify(int type, int ch, int data, const char* msg)
{
    qCDebug(lcApi, "runEncNotify.. type:%d ch:%d data:%d msg:%s", type, ch, data, msg ? msg : "");
    char contents[80]; // the log keeps 39 bytes of it
    switch (type) {
    case CBT_ENC_CH_STATE:
        notify(SIG_ENC_CH_STATE, ch, data);
        break;
    case CBT_ENC_SD_STATE:
        notify(SIG_ENC_SD_STATE, ch, data);
        break;
    case CBT_ENC_SD_MOUNT: // ch carries the mirror flag
        qCDebug(lcApi, "======== CBT_ENC_SD_MOUNT mirror:%d data:%d ===============", ch, data);
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        emit sg_fromDvr(CBT_ENC_SD_MOUNT, ch, 0, 0);
        emit sg_dvrNotify(SIG_SD_INFO, 0, 0, 0, QString(), QString());
        if (++m_mountCount == 1) {
            if (data) {
                writeLog(LOG_DB_HDD_GOOD, nullptr, nullptr);
            } else {
                // The storage area refreshes m_storage (checkStorage) first.
                std::snprintf(contents, sizeof contents, "(%.*s)", int(sizeof m_storage.summary), m_storage.summary);
                writeLog(LOG_DB_HDD_BAD, msg, contents);
            }
        }
        break;
    case CBT_ENC_SD_FSCK_END:
    case CBT_ENC_SD_FORMAT_END:
        emit sg_fromDvr(type, 0, 0, 0);
        emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
        break;
    case CBT_ENC_SD_FORMAT:
    case CBT_ENC_SD_CHECK:
    case CBT_ENC_DB_CHECK:
    case CBT_ENC_DB_REBUILD:
        // The storage area adds the disk-job status texts and the watchdog kick here.
        break;
    case CBT_ENC_SMART:
    case CBT_ENC_SMART_TEMP:
        // The storage and alarm areas add the S.M.A.R.T. checks and alarms here.
        break;
    case CBT_ENC_BUF_ERR:
        writeLog(LOG_REC_BUF_ERROR, "", msg);
        break;
    case CBT_ENC_BUF_OK:
        writeLog(LOG_REC_BUF_OK, "", msg);
        break;
    case CBT_ENC_CHIP_TIMEOUT:
        writeLog(LOG_CHIP_TIMEOUT, "", msg);
        break;
    case CBT_ENC_WRITE_ERR:
        writeLog(LOG_HDD_WRITE_ERROR, "", nullptr);
        break;
    case CBT_ENC_WRITE_OK:
        writeLog(LOG_HDD_WRITE_OK, "", nullptr);
        break;
    case CBT_ENC_THREAD_ERR:
        writeLog(LOG_REC_THREAD_ERROR, "", nullptr);
        break;
    case CBT_ENC_HDD_ERR:
        writeLog(LOG_HDD_ERROR, "", nullptr);
        break;
    case CBT_ENC_XFS_ERR:
        writeLog(LOG_XFS_ERROR, "", nullptr);
        break;
    case CBT_ENC_DATA_ERR:
    case CBT_ENC_DATA_OK:
    case CBT_ENC_NETDATA_ERR:
    case CBT_ENC_NETDATA_OK: {
        static const int codes[] = {LOG_REC_DATA_ERROR, LOG_REC_DATA_OK, LOG_NET_DATA_ERROR, LOG_NET_DATA_OK};
        std::snprintf(contents, sizeof contents, "(Channel%d)", ch + 1);
        writeLog(codes[type - CBT_ENC_DATA_ERR], "", contents);
        break;
    }
    default:
        break;
    }
    return 0;
}
