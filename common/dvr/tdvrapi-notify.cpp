// Notification dispatch: how device events and the facade's own operations
// reach the windows, and the facade's own handling in the GUI thread.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
enum Route { DROP, TEXT, VALUES3, VALUES2, TICK, VIA_FACADE };

Route routeOf(int type)
{
    if ((type >= 2221 && type <= 2226) || (type >= 2230 && type <= 2233))
        return TEXT;
    switch (type) {
    case SIG_OSD_UPDATE:
    case SIG_OSD_POS_UPDATE:
    case SIG_NET_SETUP:
    case SIG_NET_RS_SET:
    case SIG_NET_RS_TEST:
        return VALUES3;
    case SIG_IO_PANIC:
    case SIG_IO_KEY:
    case SIG_IO_RMCKEY:
    case SIG_IO_RMCID:
    case SIG_VIN_MDINFO:
    case SIG_DEC_CHALL:
    case SIG_DEC_INFO_DATE:
    case SIG_DEC_INFO_TIME:
    case SIG_DEC_INFO_RATE:
    case SIG_ENC_SD_STATE:
    case SIG_NTP_TIMECHANGE:
    case SIG_NTP_SYNCTIME:
    case SIG_UPGRADE_READY:
        return VALUES2;
    case SIG_IO_TIME:
        return TICK;
    case SIG_IO_SENSOR:
    case SIG_VIN_MOTION:
    case SIG_VIN_VL:
    case SIG_VIN_CAMERA:
    case SIG_ENC_SMART:
    case SIG_ENC_SMART_TEMP:
    case SIG_POS_TEXTIN:
    case SIG_POS_TEXTIN2:
    case SIG_ENC_CH_STATE:
        return VIA_FACADE;
    default:
        return DROP;
    }
}

// A text of the device layer or of a caller, copied; null is empty.
QString textOf(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}
}

void TDVRAPI::notify(int type, int val1, int val2, int val3, const char* text)
{
    switch (routeOf(type)) {
    case TEXT:
        emit sg_dvrNotify(type, 0, 0, 0, textOf(text), QString());
        break;
    case VALUES3:
        emit sg_dvrNotify(type, val1, val2, val3, QString(), QString());
        break;
    case VALUES2:
        emit sg_dvrNotify(type, val1, val2, 0, QString(), QString());
        break;
    case TICK:
        tickWork();
        emit sg_dvrNotify(type, val1, val2, 0, QString(), QString());
        break;
    case VIA_FACADE:
        emit sg_fromDvr(type, val1, val2, val3, textOf(text));
        QCoreApplication::processEvents();
        break;
    case DROP:
        break;
    }
}

void TDVRAPI::notifyRecord(int type, int val1, int val2, const void* record, int size)
{
    const QByteArray copy = record && size > 0 ? QByteArray(static_cast<const char*>(record), size) : QByteArray();
    emit sg_dvrRecord(type, val1, val2, copy);
}

void TDVRAPI::tickWork()
{
    // The countdowns are tables of 20; the device section may say more.
    const int n = channelCount();
    for (int i = 0; i < n; ++i) {
        // The POS callback changes the same overlay on another device thread.
        QMutexLocker lock(&m_posMutex);
        if (m_nPosDur[i] > 0) {
            // A paused playback keeps its overlay.
            if (m_mode == 0 || m_rate != 0.0)
                --m_nPosDur[i];
            qCDebug(lcApi, "SIG_IO_TIME.. ch:%d m_nPosDur:%d", i, m_nPosDur[i]);
        }
        TxtinArea& area = m_txtin[i];
        if (m_nPosDur[i] <= 0 && area.on && m_sowOsdOn && !m_osdLock) {
            area.on = 0;
            m_posText[i].clear();
            const TxtinArea shown = area;
            lock.unlock();
            emit sg_dvrNotify(SIG_POS_TEXTIN, i, 0, 0, QString(), QString());
            if (shown.drawnW > 0)
                notify(SIG_OSD_POS_UPDATE, (shown.drawX << 16) + shown.drawY, (shown.drawnW << 16) + shown.drawnH, 0);
        }
    }
    for (int& hold : m_presetHold)
        if (hold > 0)
            --hold;
}

void TDVRAPI::setTileFlag(int ch, int CellOsd::*flag, int item, int on, bool show, bool enabled)
{
    CellOsd& cell = m_cell[ch];
    cell.*flag = on;
    if (show && cell.item[item])
        cell.item[item]->visible = on && enabled ? 1 : 0;
}

void TDVRAPI::sl_fromDvr(int type, int val1, int val2, int val3, QString text)
{
    // val1 is a channel for the tile events: the tables have 20 entries and
    // the device section may have fewer channels. The disk events carry a
    // mask of disks there, never a channel.
    const bool disk = type == SIG_ENC_SMART || type == SIG_ENC_SMART_TEMP;
    const bool tile = !disk && val1 >= 0 && val1 < channelCount();
    bool show = false;
    bool enabled = false;
    if (tile) {
        const int cell = cellOfChannel(val1);
        const auto* osd = static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1));
        const auto* cam = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
        show = m_mode == 0 && cell >= 0 && cell < channelCount() && osd->osdOn;
        enabled = !cam->data[val1].disableOn;
    }

    switch (type) {
    case SIG_IO_SENSOR:
        qCDebug(lcApi, "SIG_IO_SENSOR!! val1:%d val2:%d", val1, val2);
        if (tile)
            setTileFlag(val1, &CellOsd::sensor, CellOsd::SENSOR, val2 != 0, show, enabled);
        writeEmailLog(type, val1, val2, nullptr);
        break;
    case SIG_VIN_MOTION:
        if (tile)
            setTileFlag(val1, &CellOsd::motion, CellOsd::MOTION, val2 != 0, show, enabled);
        writeEmailLog(type, val1, val2, nullptr);
        break;
    case SIG_VIN_VL:
        if (tile)
            setTileFlag(val1, &CellOsd::videoLoss, CellOsd::VIDEO_LOSS, val2 != 0, show, enabled);
        writeEmailLog(type, val1, val2, nullptr);
        // The first cell in use that shows the channel is repainted.
        VidWnd cells[DAL_MAX_CH];
        layoutCells(cells);
        for (const VidWnd& w : cells) {
            if (w.show && w.ch == val1) {
                qCDebug(lcApi, "SIG_VIN_VL.. ch:%d", val1);
                notify(SIG_OSD_POS_UPDATE, (w.x << 16) + w.y, (w.w << 16) + w.h, 0);
                break;
            }
        }
        break;
    case SIG_ENC_SMART:
        // One line for each failing disk, named by its bit of the mask.
        for (int i = 0; i < DAL_MAX_DISK; ++i)
            if (uint32_t(val1) >> i & 1u)
                writeEmailLog(type, i, val2, nullptr);
        break;
    case SIG_ENC_SMART_TEMP:
        // One line for each disk read; the e-mail keeps those above the limit.
        for (int i = 0; i < DAL_MAX_DISK; ++i)
            if (m_smart.valid[i])
                writeEmailLog(type, i, val2, nullptr);
        break;
    case SIG_POS_TEXTIN:
        if (tile)
            setTileFlag(val1, &CellOsd::textin, CellOsd::TEXTIN, val2 != 0, show, enabled);
        qCDebug(lcApi, "SIG_POS_TEXTIN.. val1:%d f_txtin:%d val3:%08x", val1, val2 != 0, unsigned(val3));
        writeEmailLog(type, val1, val2, text.isNull() ? nullptr : text.toUtf8().constData());
        break;
    case SIG_ENC_CH_STATE:
        if (tile) {
            setTileFlag(val1, &CellOsd::contRec, CellOsd::CONT_REC, val2 == 1, show, enabled);
            setTileFlag(val1, &CellOsd::eventRec, CellOsd::EVENT_REC, val2 == 2, show, enabled);
        }
        break;
    case CBT_ENC_SD_MOUNT:
        qCDebug(lcApi, "CBT_ENC_SD_MOUNT.. ");
        Db6CheckSd(&m_sdCheck);
        {
            QMutexLocker lock(&m_storageMutex);
            m_storage.mirror = m_sdCheck.mirror;
        }
        if (m_hddAlarmCheck) {
            if (checkCfg() == 1)
                fireHddAlarmout(1);
            m_hddAlarmCheck = 0;
        }
        emit sg_dvrNotify(SIG_SD_INFO, val1, val2, 0, QString(), QString());
        return;
    case CBT_ENC_SD_FSCK_END:
    case CBT_ENC_SD_FORMAT_END:
        Db6CheckSd(&m_sdCheck);
        {
            QMutexLocker lock(&m_storageMutex);
            m_storage.mirror = m_sdCheck.mirror;
        }
        DalEncrStart();
        emit sg_dvrNotify(SIG_SD_INFO, val1, val2, 0, QString(), QString());
        return;
    default:
        break;
    }
    emit sg_dvrNotify(type, val1, val2, 0, QString(), QString());
}

int TDVRAPI::checkCfg() const
{
    if (!g_cfg)
        return 0;
    const auto* storage = static_cast<const PropStorage*>(g_cfg->getsection(IDX_PROP_STORAGE, 1));
    for (int i = 0; i < DAL_MAX_DISK; ++i)
        if (storage->alarm[i] && !m_sdCheck.formatted[i])
            return 1;
    return 0;
}
