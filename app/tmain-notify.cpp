// The main window's receiver of the device notifications: the status box,
// OSD repaints, keys, the one-second tick, event pop-ups, disk error boxes,
// the shuttle ring, the playback clock, time changes and the network
// firmware upgrade.
#include "tmain.h"
#include "tclock.h"
#include "smartwarn.h"
#include "appglobals.h"
#include "logrecord.h"
#include "talarmctrlwnd.h"
#include "tapplication.h"
#include "tbackupwnd.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tmsgwnd.h"
#include "tsearchwnd.h"
#include "tres.h"
#include "setupaction.h"
#include "tsetupwnd.h"
#include "tstring.h"
#include "utf8cut.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QLoggingCategory>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    OemHddLed = 5,
    HideLater = 3000,     // ms the status box stays after a result
    IdleTicks = 60,       // ticks without a move before the cursor is parked
    StorageEvery = 60,    // ticks between two storage refreshes
    BackupHold = 31,      // auto-logout seconds kept while a backup runs
    IdHoldTicks = 5,
    DiskSlots = 16,
    MaxLines = 4,
    T_HDD_SMART_ERROR = 239,
    T_OVERHEATING = 261,
    T_WARNING = 213
};

template <class T> const T* live(int idx)
{
    return static_cast<const T*>(g_cfg->getsection(idx, 1));
}

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

// The device layer's notices of what the operator does: the front panel's
// and the remote controller's keys, the jog and shuttle, the layout keys and
// the remote controller's id (which shows the information bar).
bool isOperatorInput(int code)
{
    switch (code) {
    case SIG_IO_KEY:
    case SIG_IO_RMCKEY:
    case SIG_IO_RMCID:
    case SIG_IO_SHUTTLE:
    case SIG_LAYOUT_CHANGE:
        return true;
    default:
        return false;
    }
}

} // namespace

bool TMain::shown(int id) const
{
    return id >= 0 && id < WND_SLOTS && m_wnd[id] && m_wnd[id]->isVisible();
}

int TMain::logoutPeriod() const
{
    return int(g_cfg->getvaluefromindex(IDX_DATA_AUTOLOCK, live<PropUser>(IDX_PROP_USER)->autolock));
}

void TMain::upgradeVersion(const QString& text, char (&out)[256])
{
    std::memset(out, 0, sizeof out);
    qstrncpy(out, "0.0.0.0", sizeof out);
    if (text.isEmpty())
        return;
    // Never more than the buffer holds, and never half a character.
    q2Utf8Whole(out, text, int(sizeof out));
}

void TMain::repaintRect(const QRect& r)
{
    if (r.isEmpty())
        return;
    if (shown(ID_WND_SEARCH))
        m_wnd[ID_WND_SEARCH]->update(r);
    else
        update(r);
}

void TMain::repaintItem(int item, int ch)
{
    const int n = qMin(g_api.viewCount(), int(DAL_MAX_CH));
    for (int c = 0; c < n; ++c) {
        const CellOsd& cell = g_api.m_cell[c];
        if (cell.ch < 0 || (ch >= 0 && cell.ch != ch))
            continue;
        const OsdItem* it = cell.item[item];
        if (!it)
            continue;
        // The title's area takes in the icon line below it.
        const int h = item == CellOsd::TITLE ? it->height * 2 : it->height;
        repaintRect(QRect(it->x, it->y, it->width, h));
    }
}

void TMain::updateBarDate()
{
    auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]);
    if (!bar)
        return;
    const StorageInfo& s = g_api.m_storage;
    const QDateTime oldest(QDate(s.oldest[0], s.oldest[1], s.oldest[2]), QTime(s.oldest[3], s.oldest[4], s.oldest[5]));
    const double usage = s.usage;
    bar->updateDate(s.summary, s.recA, s.recB, &oldest, &usage, usage);
}

// The played date, time and rate, from the decoder's record.
void TMain::decInfo(int code, const DecInfo& d)
{
    auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]);
    switch (code) {
    case SIG_DEC_INFO_DATE:
        if (bar)
            bar->setPbDate(d.year, d.month, d.day);
        break;
    case SIG_DEC_INFO_TIME: {
        const int t = qBound(0, int(d.time), 86399);
        const int h = t / 3600, m = (t % 3600) / 60, s = t % 60;
        if (shown(ID_WND_SEARCH))
            searchWnd()->updateTimeText(d.year, d.month, d.day, h, m, s);
        else if (bar)
            bar->setPbDateTime(d.year, d.month, d.day, h, m, s);
        g_api.drawEventLine(d.year, d.month, d.day, h, m, s);
        break;
    }
    case SIG_DEC_INFO_RATE:
        if (bar)
            bar->updateRate(d.rate);
        if (TSearchWnd* search = searchWnd())
            search->setRate(d.rate);
        break;
    default:
        break;
    }
}

void TMain::sl_fromDvrRecord(int code, int, int, QByteArray record)
{
    if (code == SIG_DEC_INFO_DATE || code == SIG_DEC_INFO_TIME || code == SIG_DEC_INFO_RATE) {
        // The copy the decoder's thread made when it sent the notice.
        DecInfo d;
        if (record.size() != int(sizeof d))
            return;
        std::memcpy(&d, record.constData(), sizeof d);
        decInfo(code, d);
        return;
    }
    if (code != SIG_VIN_MDINFO)
        return;
    // The block of the traced camera, as the layer gave it; a short copy
    // is no block.
    unsigned char map[TDVRAPI::MOTION_MAP_SIZE];
    if (record.size() < int(sizeof map))
        return;
    std::memcpy(map, record.constData(), sizeof map);
    setupReply(SetupAct::Act_InfoMotion, map);
}

void TMain::sl_fromDvr(int code, int val1, int val2, int rs_type, QString str, QString strm)
{
    if (code == SIG_OSD_UPDATE && !m_initDone)
        return; // the tiles are not built before the device is up
    if (isOperatorInput(code) && !TApplication::inputOpen())
        return; // a stop was taken: the keys serve nobody any more
    auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]);

    switch (code) {
    case SIG_STATE_START:
    case SIG_STATE_UPDATE:
        emit sg_ctrlStatus(code, str, strm);
        break;
    case SIG_STATE_END:
    case SIG_STATE_HIDE:
        hideStatusLater(HideLater);
        break;
    case SIG_MSG_HDDCHECK:
        if (m_logoutSec > 0)
            m_logoutSec = logoutPeriod();
        break;
    case SIG_OSD_UPDATE:
        repaintItem(CellOsd::TITLE, val1);
        QCoreApplication::processEvents();
        break;
    case SIG_OSD_POS_UPDATE:
        repaintRect(QRect(val1 >> 16, val1 & 0xFFFF, val2 >> 16, val2 & 0xFFFF));
        break;
    case SIG_IO_PANIC:
        g_api.m_panic = val1;
        g_api.runPanic(val1);
        if (bar)
            bar->updatePanic(val1);
        break;
    case SIG_IO_KEY:
    case SIG_IO_RMCKEY:
        keyEvent(code, val1, val2);
        break;
    case SIG_IO_RMCID:
        if (g_api.isPlay())
            break;
        m_idHold = IdHoldTicks;
        if (bar) {
            bar->updateId(1, val1, val2);
            if (live<PropInfobar>(IDX_PROP_INFOBAR)->auto_ && !bar->isVisible())
                showInfo(1, 1);
        }
        break;
    case SIG_IO_TIME:
        tickDvr();
        break;
    case SIG_IO_SENSOR:
        runPopup(code, val1, val2);
        repaintItem(CellOsd::SENSOR, val1);
        break;
    case SIG_VIN_MOTION:
        runPopup(code, val1, val2);
        repaintItem(CellOsd::MOTION, val1);
        break;
    case SIG_POS_TEXTIN:
        runPopup(code, val1, val2);
        repaintItem(CellOsd::TEXTIN, val1);
        break;
    case SIG_VIN_VL:
        runPopup(code, val1, val2);
        g_api.checkCamera();
        g_api.changeAvcCaps(0);
        setupReply(SetupAct::Act_InfoCamera, &g_api.m_vinState);
        break;
    case SIG_VIN_CAMERA:
        g_api.checkCamera();
        g_api.changeAvcCaps(0);
        setupReply(SetupAct::Act_InfoCamera, &g_api.m_vinState);
        break;
    case SIG_VIN_MDINFO: {
        unsigned char map[TDVRAPI::MOTION_MAP_SIZE];
        g_api.motionMap(map);
        setupReply(SetupAct::Act_InfoMotion, map);
        break;
    }
    case SIG_ENC_SMART:
    case SIG_ENC_SMART_TEMP:
        diskErrors(code, val1);
        break;
    case SIG_IO_SHUTTLE:
        runShuttle(val1, val2);
        break;
    case SIG_IO_STATE:
        if (auto* alarm = static_cast<TAlarmCtrlWnd*>(m_wnd[ID_WND_ALARMCTRL]))
            alarm->setState(&g_api.m_ioState);
        break;
    case SIG_LAYOUT_CHANGE:
        // The layout keys name fixed layouts; one the unit does not list
        // would show cameras twice and tiles without titles.
        if (g_api.listsLayout(val1))
            changeLayoutSw(val1, val2);
        else
            qCDebug(lcApp, "TMain::sl_fromDvr layout key refused lay:%d", val1);
        break;
    case SIG_DEC_CHALL:
        repaintItem(CellOsd::PLAY_TEXT, val1);
        QCoreApplication::processEvents();
        break;
    case SIG_DEC_INFO_DATE:
    case SIG_DEC_INFO_TIME:
    case SIG_DEC_INFO_RATE:
        decInfo(code, g_api.m_dec);
        break;
    case SIG_ENC_CH_STATE: {
        // Drawn at once: the recording mark must not wait for the queue.
        const int n = qMin(g_api.channelCount(), int(TDVRAPI::CHANNELS));
        for (int c = 0; c < n; ++c) {
            const CellOsd& cell = g_api.m_cell[c];
            const OsdItem* it = cell.item[CellOsd::CONT_REC];
            if (cell.ch >= 0 && cell.ch == val1 && it && it->width > 0 && it->height > 0)
                repaint(QRect(it->x, it->y, it->width, it->height));
        }
        break;
    }
    case SIG_ENC_SD_STATE:
        if (bar) {
            g_api.checkStorage();
            updateBarDate();
        }
        break;
    case SIG_NTP_TIMECHANGE:
    case SIG_NTP_SYNCTIME: {
        const int diff = int(qint64(val1) - TClock::secs());
        g_api.encStop();
        g_api.setTime(diff);
        g_api.encStart();
        setupClock(val1);
        g_api.writeLog(LOG_NTP_TIME_CHANGE, nullptr, nullptr);
        break;
    }
    case SIG_NET_CLIENT:
        if (bar)
            bar->setNetClient(val1);
        break;
    case SIG_SD_INFO:
        diskErrors(code, 0);
        break;
    case SIG_BD_UMOUNT:
        if (!shown(ID_WND_BACKUP) && !shown(ID_WND_SEARCH) && val1 == ID_WND_BACKUP && g_api.m_space > 0) {
            emit sg_ctrlStatus(SIG_STATE_START, QStringLiteral("Backup"), QStringLiteral("Safe to remove backup device"));
            hideStatusLater(HideLater);
        }
        break;
    case SIG_FU_START:
        if (g_api.isPlay())
            stopPlay();
        m_netUpgrade = 1;
        closeForUpgrade();
        g_api.encStop();
        break;
    case SIG_FU_END:
        if (val1 == 0) {
            g_api.encStart();
        } else {
            upgradeVersion(strm, m_upgradeVer);
            qCDebug(lcApp, "TMain::sl_fromDvr.. upgrade ready ver:%s", m_upgradeVer);
            readyUpgradeImage("/dvr/upgradeImage.raw", m_upgradeVer);
            g_api.writeLog(LOG_NET_UPGRADE, nullptr, nullptr);
            m_upgrade = 1;
            shutdownLater();
        }
        m_netUpgrade = 0;
        break;
    case SIG_FU_FAIL:
        m_netUpgrade = 0;
        g_api.encStart();
        hideStatusLater(HideLater);
        break;
    case SIG_UPGRADE_READY:
        m_upgrade = 1;
        shutdownLater();
        break;
    case SIG_NET_RS_TEST:
        if (g_api.isPlay())
            stopPlay();
        closeForRemoteTest();
        setupNotify(code, val1, val2, rs_type, str, strm);
        break;
    case SIG_NET_SETUP:
        if (g_api.isPlay()) {
            closeSearch();
            stopPlay();
        }
        setupNotify(code, val1, val2, rs_type, str, strm);
        break;
    case SIG_NET_RS_SET:
    case SIG_NET_RS_APPLY:
    case SIG_POS_USB:
    case SIG_NET_DHCP:
    case SIG_NET_UPNP:
    case SIG_NET_DDNS:
        setupNotify(code, val1, val2, rs_type, str, strm);
        break;
    case SIG_BD_DETECT:
    case SIG_BD_MOUNT:
        if (val1 == ID_WND_SEARCH)
            searchNotify(code, val2, rs_type);
        else if (!backupNotify(code, val1, val2, rs_type, strm))
            setupNotify(code, val1, val2, rs_type, str, strm);
        break;
    case SIG_BACKUP_CLEAR:
    case SIG_BACKUP_END:
    case SIG_BACKUP_PROGRESS:
    case SIG_BD_DATE:
    case SIG_BD_INFO:
        backupNotify(code, val1, val2, rs_type, strm);
        break;
    default:
        break;
    }
}

void TMain::closeForRemoteTest()
{
    // The setup window is left through its cancel (by setupNotify); the
    // search and backup windows through their own exits, and not while a
    // copy runs.
    for (int id = ID_WND_MSG; id <= ID_WND_ZOOM; ++id) {
        if (id == ID_WND_SETUP || !shown(id))
            continue;
        if (id == ID_WND_SEARCH || id == ID_WND_BACKUP) {
            if (!g_api.isBackup(0)) {
                if (id == ID_WND_SEARCH)
                    closeSearch();
                else
                    backupWnd()->sl_btnclicked(TBackupWnd::BTN_EXIT);
            }
            continue;
        }
        m_wnd[id]->hideWnd();
    }
}

TSearchWnd* TMain::searchWnd() const
{
    return static_cast<TSearchWnd*>(m_wnd[ID_WND_SEARCH]);
}

void TMain::closeSearch()
{
    if (shown(ID_WND_SEARCH))
        searchWnd()->sl_btnclicked(TSearchWnd::BTN_EXIT);
}

void TMain::closeForUpgrade()
{
    // The status box carries the upgrade's progress and stays; the setup
    // window is left through its cancel, which restores every section.
    for (int id = ID_WND_MSG; id <= ID_WND_ZOOM; ++id) {
        if (id == ID_WND_STATUS || !shown(id))
            continue;
        if (id == ID_WND_SETUP) {
            setupWnd()->sl_btnclicked(SetupAct::Btn_Cancel);
            continue;
        }
        if (id == ID_WND_BACKUP)
            g_api.umountExtSd();
        m_wnd[id]->hideWnd();
    }
}

void TMain::diskErrors(int code, int mask)
{
    QStringList lines;
    if (code == SIG_SD_INFO) {
        if (m_diskCheckOnce) {
            m_diskCheckOnce = 0;
            const auto* storage = live<PropStorage>(IDX_PROP_STORAGE);
            for (int slot = 1; slot <= DiskSlots && slot <= PROP_MAX_DISKS; ++slot)
                if (storage->alarm[slot - 1] && !g_api.m_sdCheck.formatted[slot - 1])
                    addWarningLine(&lines, QStringLiteral("HDD%1 Error").arg(slot));
        }
    } else {
        const auto* smart = live<PropSmart>(IDX_PROP_SMART);
        if (!smart->on)
            return;
        const SmartInfo& info = g_api.m_smart;
        const int limit = int(g_cfg->getvaluefromindex(IDX_DATA_TEMPERATURE, smart->heat));
        const QChar degree(0xB0);
        char text[256];
        for (int slot = 1; slot <= DiskSlots; ++slot) {
            const int i = slot - 1;
            if (code == SIG_ENC_SMART) {
                if (!(unsigned(mask) & (1u << i)))
                    continue;
                addWarningLine(&lines, tx(T_HDD_SMART_ERROR) + QStringLiteral("! ")
                                    + QStringLiteral("(HDD%1  %2 Errors / %3 Test)")
                                          .arg(slot)
                                          .arg(info.error[i])
                                          .arg(info.totalTest[i]));
                std::snprintf(text, sizeof text, "HDD %d (%d/%d)", slot, int(info.error[i]), int(info.totalTest[i]));
                g_api.writeLog(LOG_SMART_ERROR, nullptr, text);
            } else {
                if (!info.valid[i] || info.temp[i] <= limit)
                    continue;
                addWarningLine(&lines, tx(T_OVERHEATING) + QStringLiteral("! ")
                                    + QStringLiteral("(HDD%1 %2%3C/%4%5C)")
                                          .arg(slot)
                                          .arg(info.temp[i])
                                          .arg(degree)
                                          .arg(limit)
                                          .arg(degree));
                std::snprintf(text, sizeof text, "(HDD%d %d'C/%d'C)", slot, int(info.temp[i]), limit);
                g_api.writeLog(LOG_HDD_OVERHEAT, nullptr, text);
            }
        }
    }

    auto* box = static_cast<TMsgWnd*>(m_wnd[ID_WND_MSG]);
    if (!lines.isEmpty() && box) {
        if (box->isVisible()) {
            box->setMessage(lines);
        } else if (!shown(ID_WND_SETUP)) {
            box->setType(MSG_OK);
            box->setTitle(tx(T_WARNING));
            box->setMessage(lines);
            placeWnd(box, 1);
            box->show();
        }
        if (code == SIG_SD_INFO)
            m_diskErrShown = 1;
    }

    if (code != SIG_SD_INFO)
        return;
    g_api.checkStorage();
    setupReply(SetupAct::Act_InfoStrg, &g_api.m_storage);
    updateBarDate();
    if (oemId() == OemHddLed) {
        m_hddCfgErr = g_api.checkCfg();
        if (m_hddCfgErr == 0)
            g_api.fireHddAlarmout(0);
        g_api.runPanic(g_api.m_panic);
    }
}

void TMain::runShuttle(int src, int pos)
{
    // While the menu or a window it opened is up, the ring drives them.
    const bool playing = g_api.isPlay() && !(src == 1 && g_api.m_wndOpen);
    const bool ptz = shown(ID_WND_PTZ);
    if (ptz || !playing) {
        // Turned past 2 the ring holds the select key down, turned back to
        // the centre it lets it go; turned the other way it is Escape.
        int& state = ptz ? m_shuttlePtz : m_shuttleLive;
        const int select = ptz ? Qt::Key_Return : Qt::Key_Enter;
        if (pos > 2 && state == 0) {
            state = 3;
            keyEvent(SIG_IO_KEY, KEY_PRESS, select);
        } else if (pos == 0 && state == 3) {
            state = 0;
            keyEvent(SIG_IO_KEY, KEY_RELEASE, select);
        } else if (pos == 0 && state == -3) {
            state = 0;
        } else if (pos <= -3 && state == 0) {
            state = -3;
            keyEvent(SIG_IO_KEY, KEY_PRESS, Qt::Key_Escape);
        }
        return;
    }
    // Playback: the ring is the speed; back at the centre it steps a frame.
    // A key that steered playback meanwhile holds the ring off until it is
    // back at the centre.
    if (g_api.m_keyHit) {
        if (pos == 0)
            g_api.m_keyHit = 0;
        return;
    }
    if (pos == 0) {
        g_api.decStep(g_api.m_rate > 0 ? 1 : 0);
        return;
    }
    if (pos < -7 || pos > 7)
        return;
    const double rate = double(1 << (qAbs(pos) - 1));
    g_api.decRate(pos > 0 ? rate : -rate);
}

void TMain::tickDvr()
{
    auto* bar = static_cast<TInfo*>(m_wnd[ID_WND_INFO]);
    if (oemId() == OemHddLed && m_hddCfgErr)
        g_api.setHddErrorLed();
    g_api.clearWdt();
    const QTime now = QTime::currentTime();
    if ((now.hour() * 3600 + now.minute() * 60 + now.second()) % 30 == 5)
        g_api.checkDead();

    // Cursor: parked in the corner after a minute without a move; a move
    // keeps a user logged in.
    QPoint cur = QCursor::pos();
    if (cur == m_lastCursor) {
        if (m_idleTicks++ > IdleTicks)
            QCursor::setPos(mapToGlobal(QPoint(width() - 1, height() - 1)));
    } else {
        if (m_logoutSec < 1) {
            const QSize a = g_api.voutInfo(0);
            const QSize b = g_api.voutInfo(1);
            const int w = qMax(a.width(), b.width());
            const int h = qMax(a.height(), b.height());
            const QPoint local = mapFromGlobal(cur);
            QPoint clamped = local;
            if (w > 0 && clamped.x() >= w)
                clamped.setX(w);
            if (h > 0 && clamped.y() >= h)
                clamped.setY(h);
            if (clamped != local)
                QCursor::setPos(mapToGlobal(clamped));
        } else {
            m_logoutSec = logoutPeriod();
        }
        m_idleTicks = 0;
    }
    // The position after parking or clamping: a cursor moved here is not an
    // operator's move.
    m_lastCursor = QCursor::pos();

    if (live<PropInfobar>(IDX_PROP_INFOBAR)->auto_) {
        const QPoint at = mapFromGlobal(m_lastCursor);
        if (m_infoRect.contains(at) || at.y() >= g_res->getSize(16).height()) {
            if (!isInfoVisible())
                QTimer::singleShot(1, this, &TMain::sl_showInfo);
        } else if (m_idHold <= 0 && isInfoVisible()) {
            showInfo(0, 0);
        }
    }

    tickPopup();
    tickSequence();

    if (m_loggedIn && m_logoutSec > 0) {
        --m_logoutSec;
        const bool backup = (shown(ID_WND_BACKUP) && g_api.isBackup(0)) || g_api.isBackup(1)
                            || (shown(ID_WND_SETUP) && shown(ID_WND_STATUS));
        if (m_logoutSec < BackupHold && backup)
            m_logoutSec = logoutPeriod();
        if (m_logoutSec < 1) {
            logOut(LOG_AUTO_LOGOUT);
            if (shown(ID_WND_MSG))
                m_wnd[ID_WND_MSG]->hideWnd();
            // The shared keyboards, the file chooser and the status box
            // belong to whoever opened them; the setup window leaves through
            // its cancel, the backup and search windows through their own
            // exits.
            for (int id = ID_WND_VKEYBOARD; id <= ID_WND_AUDIO; ++id) {
                if (id == ID_WND_VKEYBOARD || id == ID_WND_VKEYNUM || id == ID_WND_FILE || id == ID_WND_STATUS
                    || !shown(id))
                    continue;
                if (id == ID_WND_SETUP)
                    setupWnd()->sl_btnclicked(SetupAct::Btn_Cancel);
                else if (id == ID_WND_SEARCH)
                    closeSearch();
                else if (id == ID_WND_BACKUP)
                    backupWnd()->sl_btnclicked(TBackupWnd::BTN_EXIT);
                else
                    m_wnd[id]->hideWnd();
            }
        }
    }

    const bool barShown = isInfoVisible();
    if (bar && barShown)
        bar->updateTime();
    if (bar && !(barShown && !m_infoDirty)) {
        if (numVisibleWnd() > 0)
            m_infoDirty = 0;
        // The clock stands lower than the bar: both areas are drawn again.
        update(bar->geometry().united(clockRect(g_res->getSize(16))));
    }
    m_infoShown = barShown ? 1 : 0;

    if (m_idHold > 0 && --m_idHold == 0 && bar)
        bar->updateId(0, -1, -1);

    setupTick();

    if (m_storageTick++ % StorageEvery == 0) {
        g_api.checkStorage();
        updateBarDate();
        setupReply(SetupAct::Act_InfoStrg, &g_api.m_storage);
        m_storageTick = 1;
    }
}
