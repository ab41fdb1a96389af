#pragma once
#include "alarmrecords.h"
#include "cbt.h"
#include "dal.h"
#include "dvrbackup.h"
#include "keyvalues.h"
#include "dvrnotify.h"
#include "dvrrecords.h"
#include "logrecord.h"
#include "netrecords.h"
#include "propsections.h"
#include "searchrecords.h"
#include "storagerecords.h"
#include "vinrecords.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWaitCondition>

#include <atomic>
#include <cstdint>
#include <functional>

class QPainter;
class TDvrApiTest;
class TNetPayload;
class TNetReply;
struct ColorEntry;
struct PropNetaddr;
struct PropNetddns;
struct PropNetemail;
class TDvrTh;
class TLog;
class TLogThread;
class TMain;
class TPtztourth;
class TQuickOpt;
struct RecordEntry;
struct tm;

// The device facade: the one object between the windows and the device
// layer, g_api. Windows call its operations and read its public state
// directly; the device layer's callbacks reach it on the layer's threads and
// report to the windows only through its signals, queued to the GUI thread.
//
// The class is declared here once, grouped by area in the order below; each
// heading names the file that defines the area. Members of an area stay
// under its heading (one public and one private block per area).
class TDVRAPI : public QObject
{
    Q_OBJECT

    // ======== Core state and small operations (tdvrapi.cpp) ========
public:
    enum { CHANNELS = 20, LAST_LOGS = 100 };

    TDVRAPI();
    ~TDVRAPI() override;

    // Resets the facade's state for a start (main window, before the device
    // layer comes up): flags and screen state, the log in RAM taken from the
    // copy in flash, the log copy thread, the quick options, and the
    // connection of sg_fromDvr to sl_fromDvr. May run again (tests).
    // The job thread (TDvrTh) and the PTZ tour thread (TPtztourth) are
    // created here by the maintenance and PTZ areas.
    void init();

    void setSendTo(TMain* main) { m_sendTo = main; }
    // which 0: a backup runs; 1: alarm output 0 is held; else 0.
    int isBackup(int which) const;
    void setOsdHold(int hold) { m_osdLock = hold; }
    int isLiveMode() const { return m_mode == 0 ? 1 : 0; }
    double getRatio(int resolution) const;
    int useRatio() const { return 0; }
    int scaled(int v) const { return int(v * m_ratioHd); }
    void setRatioHd(double ratio) { m_ratioHd = ratio; }
    // The apply flag: up from the moment an apply run is asked for (a
    // setup page, OK, a remote apply) until the last queued run has ended.
    // Lowering it wakes the remote commands waiting for the runs to end.
    void setApplying(int on);
    int applying() const { return __atomic_load_n(&m_applying, __ATOMIC_ACQUIRE); }
    // Waits until no apply run is queued or under way: true then; false
    // when boundMs (-1 for none) ran out or the program is stopping.
    bool waitApplyIdle(int boundMs);
    // The program stops (Power Off confirmed, a stop request taken, the
    // firmware upgrade's end): from now on remote commands that would change
    // the configuration are refused as failed commands are, and those that
    // wait for the apply runs give up. Changes taken before are applied and
    // stored by the runs the shutdown waits for.
    void beginStop();
    bool stopping() const;
    // Copies at most 15 characters of the name (null: empty).
    void setUserName(const char* name);
    // The display section's order into the quick options, saved; false when
    // the file could not be written.
    bool saveQuickOpt();
    // Guards the quick-option record and its saves: the one-second tick
    // (device layer thread) and the windows (GUI thread) both save it.
    QMutex m_quickOptMutex;
    // The first cell of the current layout (0..m_numvid-1) that shows ch,
    // copied into cell when not null; -1 when none.
    int cellOfChannel(int ch, VidWnd* cell = nullptr) const;
    // A copy of the current layout's cells; their count (0..DAL_MAX_CH).
    int layoutCells(VidWnd (&out)[DAL_MAX_CH]) const;
    // The number of channels the facade's per-channel tables may be indexed
    // with: the video count of the live device section, at most 20.
    int channelCount() const;
    // The channels of the live view: the video count of the live device
    // section, at most the device layer's 32. The display order and the
    // configuration hold 20; the tiles (m_cell and their images) hold them
    // all, so a 32-channel unit shows every camera with its title.
    int viewCount() const;
    // The channel shown at a display position: the stored order for the
    // first 20 positions, the position itself beyond them.
    int orderAt(int pos) const;
    // A tile's title: the camera name of the configuration, "CH n" for a
    // camera beyond the 20 the configuration holds; empty for no camera.
    QString titleOf(int ch) const;

    // Gives the configuration store (which sits below the facade) the
    // device operations it needs: getCaps, scaleRate, vinGetInfo.
    static void installConfigHooks();
    // Runs one command line through the command runner; its status, -1 for
    // a null command or a refused or missing program.
    int runSystem(const char* command);

    TMain* m_sendTo = nullptr;
    char m_dsp[32] = {};
    char m_fpga[32] = {};
    int m_wdtOn = 0;
    TQuickOpt* m_quickOpt = nullptr;
    TLog* m_log = nullptr;
    TLogThread* m_logTh = nullptr;

    // Screen state.
    int m_mode = 0; // 0 live, 1 search/playback
    int m_layout = 0;
    int m_sw = 0;
    int m_popLayout = -1;
    int m_popSw = -1;
    // The cells of the main output as the device placed them. The layout and
    // setup threads replace them (layoutInfo) while the GUI thread paints
    // and the device threads look a channel's cell up: both sides go
    // through m_cellsMutex (layoutCells, cellOfChannel). It is taken alone.
    int m_numvid = 0;
    VidWnd m_vidwnd[DAL_MAX_CH] = {};
    mutable QMutex m_cellsMutex;
    int m_sowOsdOn = 1;
    int m_osdLock = 0;
    std::atomic<int> m_layoutReady{1}; // cleared during a switch on the layout thread, read by the paint
    int m_modeReady = 1;
    int m_chOrder[CHANNELS] = {};
    char m_curUser[16] = {};
    int m_play = 0;
    double m_rate = 0.0;
    int m_searchMode = 0;
    int m_dbf = 0;
    int m_extDbOpen = 0;
    std::atomic<int> m_panic{0}; // the panic key on the IO callback's thread, the menu on the GUI thread
    int m_frozen = 0;
    int m_deint = 0;
    // The command menu or a window it opened is over the live view; the
    // main window clears it when the last window closes.
    int m_wndOpen = 0;

    // POS text overlays and the tiles' OSD.
    int m_nPosDur[CHANNELS] = {};
    QString m_posText[CHANNELS];
    TxtinArea m_txtin[CHANNELS] = {};
    CellOsd m_cell[DAL_MAX_CH] = {};
    // The tiles' OSD items (their visibility and place) and the title
    // images they draw: the apply and layout threads change them while the
    // GUI thread paints them, each under this lock.
    mutable QMutex m_osdMutex;

    // Job and test flags.
    int m_nTest = 0;
    int m_nTestNet = 0;
    QStringList m_testResults;
    std::atomic<int> m_fUpgrade{0}; // set on the network or the job thread, read at shutdown
    // Set on the GUI thread when an estimate or a copy starts, cleared on the
    // backup callback's thread when it ends.
    std::atomic<int> m_backupBusy{0};
    int m_applying = 0;
    std::atomic<int> m_stopping{0}; // set on the GUI thread, read on the network thread
    QMutex m_applyMutex;
    QWaitCondition m_applyIdle;

    double m_ratioHd = 1.0;

    // ======== Capabilities and device bring-up (tdvrapi-dal.cpp, tdvrapi-init.cpp) ========
public:
    // Fresh capability records: each given record is zeroed, then filled by
    // the device layer (DalGetCaps, then DalVoutGetCaps), and its counts are
    // cut to the sizes of its tables. A null record is not wanted. Always 0.
    int getCaps(DalCaps* dal, AvcCaps* avc, VoutCaps* vout);
    // fps scaled by the ratio of record resolution ridx; fps unchanged for
    // an index outside the record's count or its table.
    double scaleRate(int inputResIdx, int ridx, const AvcCaps* caps, double fps) const;
    // The input state of a channel (record zeroed first); the device
    // layer's result.
    int vinGetInfo(int channel, VinInfo* info);
    // The size of the video output: the resolution the DISPLAY section of
    // the live (1) or edit (0) configuration copy chooses, from fresh output
    // capabilities; an empty size for an index the output does not offer.
    // Without a configuration object the first resolution is taken.
    QSize voutInfo(int live);

    DalCaps m_dalCaps = {};
    AvcCaps m_avcCaps = {};
    VoutCaps m_voutCapsRec = {};
    VoutCaps* m_voutCaps = nullptr;
    int m_numLayout = 0;

    // Process services of the start (tdvrapi-init.cpp).
    // Detaches the process when an argument (not the program name) contains
    // "-daemon": -1 in the parent after the fork (it then ends), 0 otherwise.
    static int daemonize(int argc, char** argv);
    // The start's environment and the variant set-up of the device layer; 0.
    int oemInit();
    // The video standard of the device against the stored one; 0.
    int initVideoType();
    static void msleep(int ms);
    // Kept for the start-up and the tick that call them: nothing to do.
    static int stub0() { return 0; }
    static void stubTick() {}
    int checkDead();
    // The seconds of the hardware clock; 0 when it gives none.
    int hwclockSeconds();
    // Moves the device clock by diff seconds; less than 2 s either way is ignored.
    void setTime(int diff);
    // Applies the date/time section: the time zone (unless skip) and NTP.
    void dtSetdevice(int skip);

    // The core start of the device layer (main window, before dvrinit): the
    // options "--dsp", "--fpga" and "-disablewdt", DalInit, the capability
    // records, the FPGA image of 20-input "Kea" boards, the stored display
    // order, the output colours, resolution and spot sequences, the layout
    // count, the time zone and NTP. The result of DalInit; nothing stops on
    // a failure.
    int coreInit();
    // The options of the start among args: "--dsp" and "--fpga" take the
    // next argument (at most 31 characters; none at the end), "-disablewdt"
    // keeps the watchdog from ever being armed. Each matches an argument
    // that begins with it.
    void takeOptions(const QStringList& args);
    // The device start in its fixed order: watchdog armed (30 s), the "HDD
    // Check" box, the callbacks registered, the remote-setup client
    // unpacked, the abnormal-reset and start log records, every section
    // applied around DalStart with the watchdog kicked between steps, and
    // the PTZ-driver, time-zone and capability sections taken from the
    // device. Always 0; no device result stops it.
    int dvrinit();
    // The clean stop: watchdog off (kept armed with an upgrade due), tours,
    // backup database and buzzer off, decoders, encoders and the device
    // layer stopped and closed, the alive time cleared.
    void dvrfinish();
    // The factory board test's device set-up: every input on the last
    // layout, the test LED off, audio and network streams applied. 0.
    int testInitIo();

private:
    // The PTZ-driver and time-zone sections follow the device's lists; each
    // is saved only when something changed.
    void syncPtzDrivers(int oem);
    void syncTimezones();
    // The size of output resolution res; the index is checked against
    // numRes and the 20 entries of the table (an empty size outside them).
    static QSize voutSize(const VoutCaps& caps, int res);

    // ======== Notifications (tdvrapi-notify.cpp) ========
public:
    // Routes a notification by its code, from any thread: straight out
    // through sg_dvrNotify, through the facade's own sl_fromDvr first, or
    // dropped. text is the event's text (null: none): it is copied before
    // the call returns, so the caller's buffer may change at once.
    void notify(int type, int val1 = 0, int val2 = 0, int val3 = 0, const char* text = nullptr);
    // Sends a record (motion map, decoder record, backup range ...) to the
    // GUI thread as a copy of its size bytes (sg_dvrRecord); the caller's
    // buffer may change at once.
    void notifyRecord(int type, int val1, int val2, const void* record, int size);
    // 1 when a disk marked for the disk alarm in the live storage section
    // is not formatted (m_sdCheck), else 0.
    int checkCfg() const;

    Db6Check m_sdCheck = {};
    // Rebuilt on the GUI thread only (checkStorage, the disk events in
    // sl_fromDvr), under m_storageMutex; a remote client's storage request
    // copies it on the network thread under the same lock (storageCopy).
    StorageInfo m_storage = {};
    mutable QMutex m_storageMutex;
    StorageInfo storageCopy() const;
    int m_hddAlarmCheck = 1; // the first disk mount runs the disk-alarm check
    int m_presetHold[CHANNELS] = {}; // alarm-preset hold per camera, counted down each second

signals:
    void sg_dvrNotify(int type, int val1, int val2, int rs_type = 0, QString str = QString(),
                      QString strm = QString());
    // Events the facade handles itself in the GUI thread before the windows
    // see them; text is the event's text (the POS line), copied.
    void sg_fromDvr(int type, int val1, int val2, int val3, QString text = QString());
    void sg_decInfo(int type, QString text);
    // A record of the device layer copied for the GUI thread.
    void sg_dvrRecord(int type, int val1, int val2, QByteArray record);

public slots:
    void sl_fromDvr(int type, int val1, int val2, int val3, QString text = QString());

private:
    // The one-second work of the tick (POS overlay countdown, preset holds).
    void tickWork();
    // Sets a tile flag and, when the tile is shown, its item's visibility.
    void setTileFlag(int ch, int CellOsd::*flag, int item, int on, bool show, bool enabled);

    // ======== Maintenance and jobs (tdvrapi-jobs.cpp) ========
public:
    // The long jobs, run one at a time on m_dvrTh. name is a file name on
    // the external medium ("/backup"), as UTF-8; a name holding '/' or ".."
    // is refused with "Failed". While a job runs another one is refused with
    // "DVR Busy!!". 0 when the job started, -1 when it was refused.
    // Export the system log as text (status box "SystemLog export").
    int saveLogFile(const char* name);
    // Export the configuration file (status box "Configuration export").
    int exportConf(const char* name);
    // Check and stage the firmware image name; opens no status box itself.
    int upgradeExtSd(const char* name);
    // The firmware version a file name carries after its last '#' ("CAM#1.2.3.4.fwr"
    // gives "1.2.3.4"), at most n-1 characters and the terminator into out;
    // out unchanged for a name without '#'.
    static void findFwr(const char* path, char* out, int n);
    // A progress or result text of the running job for the status box,
    // titled by the job; also kept for a remote test that asked for it.
    void statusMsg(int, const QString* text);
    // Copies the system log in RAM to a unit path, between two writes.
    bool snapshotLog(const QString& to);

    // Service actions: 0 board test at the next start, 1 delete the
    // configuration file, 2 delete the flash copy of the system log,
    // 3 format every disk, 4 output type 6; others do nothing. The callers'
    // second value has no effect.
    void hotKeyAction(int action, int = 0);
    // Board test: on writes the factory-test marker and arms a 3 s watchdog
    // that is never kicked; 0 removes the marker.
    void testWdt(int on);

    TDvrTh* m_dvrTh = nullptr;

public slots:
    // The end of a job (queued from m_dvrTh's finished()).
    void sl_thFinished();

private:
    // Starts a job on a name of the external medium, or refuses it; 0 when it started.
    int startJob(int mode, const char* name, const QString& title);
    void hotKeyMessage(const QString& text);

    bool m_jobBusy = false; // a job was started and its end not yet handled

    // ======== System log (tdvrapi-log.cpp) ========
public:
    // Writes one system-log entry (user and contents may be null) from any
    // thread, keeps it among the last records, adds it to the next event
    // e-mail when the e-mail section asks for system-log lines, and has the
    // log copied to flash about 2 s later.
    void writeLog(int code, const char* user, const char* contents);
    // Fills m_listInfo for pages of perPage (1..99) lines; zeroed otherwise.
    void logPages(int perPage);
    // Fills m_pageLines with page page (0-based) of the last logPages.
    void logLines(int page);
    // The account (0..7) whose id logged in last; 0 when none is found.
    int lastLoginOf();
    // Copies the log to flash now if a write has not been copied yet.
    // False when the last copy failed.
    bool flushLog();
    // The records written since init (all of them) and the last ones, up to
    // 100, oldest first, copied under the log's lock.
    int lastLogs(LogRecord* out, int max) const;

    ListInfo m_listInfo = {};
    PageLines m_pageLines = {};
    int m_logStart = 0;

private:
    mutable QMutex m_logMutex; // a write and its place among the last records
    LogRecord m_lastLogs[LAST_LOGS] = {};
    int m_lastLogCount = 0;

    // ======== Users (tdvrapi-user.cpp) ========
public:
    // Masks hold bit c for channel c, over the channels below the video
    // count. The cameras set covert; with forUser, none while "admin" is
    // logged in.
    uint32_t covertMask(int forUser) const;
    // The cameras the logged-in user may not watch here: the account's
    // channels without the local right, and with withDisabled every
    // disabled camera. A user without an account is refused no camera.
    uint32_t userCamMask(int withDisabled) const;
    // 1 when the tile of ch is shown blank: video loss, a camera the user
    // may not watch, a disabled or a covert camera; 0 for a channel beyond
    // the video count.
    int isHiddenCh(int ch) const;
    // Right n (0 setup, 1 search, 2 backup, 3 PTZ, 4 network) of the
    // logged-in account; 0 without an account or for another n.
    int userRight(int n) const;
    // Tells the device layer and makes user the current user; a new user
    // has the layout drawn again for its camera rights. The device layer's
    // result.
    int login(const char* user);
    // Every account to the device layer; an account without an id goes as
    // an empty account without rights.
    void userSetdevice();
    // 1 when text is exactly the device's master password; 0 otherwise, and
    // when the device layer gives no password.
    int checkMasterPwd(const char* text);

private:
    // The index of the account whose id is the logged-in user's, among the
    // device's users; -1 when none.
    int currentAccount() const;

    // ======== Device-layer callbacks (tdvrapi-cb.cpp) ========
public:
    // Registers the callbacks of normal operation with the device layer, in
    // the order Io, Encr, Dec, Net, Backup, Nese, Vin, Pos, and removes them.
    void registerCallbacks();
    void unregisterCallbacks();

    // The handler of each family, on the device layer's thread. Each
    // ignores the codes its family does not know and returns 0 (runNet: its
    // result goes back to the layer). Their bodies are in the areas' files:
    int runIo(int type, int from, int data);                           // tdvrapi-io.cpp
    int runVin(int type, const VinEvent* ev);                          // tdvrapi-vin.cpp
    int runPos(int type, int ch, int value, const char* text);         // tdvrapi-vin.cpp
    int runEncCfg(const struct tm* now, EncCfg* out);                  // tdvrapi-enc.cpp
    int runEncNotify(int type, int ch, int data, const char* msg);     // tdvrapi-enc.cpp
    int runDecInfo(int type, const DecInfo* rec);                      // tdvrapi-play.cpp
    int runNet(int type, const void* data, int size, NetpackReply* reply, int value); // tdvrapi-net.cpp
    int runNese(int type, const uint32_t* info, const char* state);    // tdvrapi-net.cpp
    int runBackup(int type, intptr_t info, const char* msg);           // tdvrapi-backup.cpp

    std::atomic<int> m_shuttlePos{0}; // written on the IO callback's thread
    std::atomic<int> m_mountCount{0}; // disk mounts, counted on the recorder callback's thread

    // ======== IO keys (tdvrapi-io.cpp) ========
public:
    // The Qt key of a device key code (DvrKey, dvrkeys.h); Qt key plus KEYMOD_ALT
    // for the second function of a combined key; 0 for an unknown code.
    static int toQtKey(int code);
    // Catches the layout keys before translation: emits SIG_LAYOUT_CHANGE
    // (layout id, -1) for a press or a held key and returns 0; -1 for a
    // release and every other key (to be passed on).
    int keyStatus(int code, int state);
    // The label of a Qt key for display ("0".."9", "MENU", "STILL", ...);
    // empty for a key without one.
    static QString keyName(int qtKey);
    // The device key code of a key name ("MENU", "CH10", ...; "SLOW" follows
    // the direction of play); -1 for an unknown name.
    int keyCodeOf(const char* name) const;

    // Written on the IO callback's thread:
    std::atomic<int> m_keySource{0}; // the last key came from: 0 front panel, 1 remote controller
    int m_jogAsKey = 0;  // set by the main window: front-panel jog steps are keys also in playback
    std::atomic<int> m_keyHit{0};    // 10P or RIGHT arrived during playback (cleared by the decoder start)

private:
    enum { ALIVE_PERIOD = 5 }; // ticks between two saves of the alive time
    // The panic key and the panic-stop key, pressed on either key source.
    void panicKey(int from, int qtKey);
    // The alive time on the tick of the given count.
    void aliveTick(int count);

    // ======== Live layouts and OSD (tdvrapi-live.cpp, tdvrapi-osd.cpp) ========
public:
    // --- Layouts, cells and channel chains (tdvrapi-live.cpp)
    // A chain is DAL_MAX_CH entries: entry k the channel of cell k, -1 empty.
    // Display positions map to channels through m_chOrder.

    // The layout id at index i of the output's list (menu order); 1 outside.
    int layoutAt(int i) const;
    // The index of the first entry equal to id; 0 when absent.
    int layoutIndex(int id) const;
    // The output lists layout id: in the held capabilities, or before the
    // start holds them in the output's own.
    bool listsLayout(int id) const;
    // The main window's layout thread for remote layout requests: the hook
    // takes (layout, page) from the network thread and hands them to the
    // thread that makes every switch. Without one (no window yet) the
    // facade switches itself. An empty hook removes it.
    using LayoutHook = std::function<void(int layout, int page)>;
    void setLayoutHook(LayoutHook hook);
    // Cells of a layout as the device reports them, at least 1.
    int numLayoutCam(int lay);
    // Big cells of a layout as the device reports them.
    int numLayoutBigCam(int lay);
    // Pages of a layout: the positions after the big cells over the small
    // cells, rounded up; 1 for a layout without small cells.
    int numLayoutSwitch(int lay);
    // The page of layout lay that shows display position pos.
    int findSplitSw(int lay, int pos);
    // The layout needs more than one page for the channels.
    bool hasSplitCells(int lay);
    // The chain of page page of layout lay; positions wrap, so the last page
    // is filled up from the first positions.
    void makeChain(int lay, int page, int32_t* chain);
    // The channel at position pos (0 for a position or stored value out of
    // range); the position of channel ch (the channel count when absent).
    int orderOf(int pos) const;
    int posInOrder(int ch) const;
    // Swapping the positions of two channels would leave a repeated channel
    // or a channel out of range at chA's position.
    bool orderConflict(int chA, int chB) const;
    // Swaps two channels' positions, or makes the order the identity on a
    // conflict; -1 (nothing changed) for a channel out of range, else 0.
    int swapOrder(int chA, int chB);
    // The channel of the first cell that contains the screen point; -1.
    int chAtPoint(int x, int y) const;
    // Reads the cells of the main output and places each channel's OSD
    // items and POS text area in its cell.
    void layoutInfo();
    // Reads the cells of the main output into cells and stores a copy as
    // the current ones; their count. r: the device's answer when not null.
    int readCells(VidWnd (&cells)[DAL_MAX_CH], int* r = nullptr);
    // The first layout on page 0 with every channel's titles (OSD set-up).
    void setLayout();
    // Shows page sw of layout lay (-1: the current one); a page beyond the
    // layout's pages shows page 0. Runs on the layout thread too. The
    // current layout and page change only when the device took the switch.
    void dispLayout(int lay, int sw);
    // Single-camera views of the live tools and their picture in picture.
    void showLayout(int pos);
    void showLayoutNoViw(int pos);
    void showLayout2(int ch);
    void startPip(int x, int y, int ch, int fmot);
    void startPbPip(int x, int y, int xres, int yres);
    void closePopup();
    void closePopup2();
    void restoreViews();
    void liveFreeze();
    void liveResume();
    // The search window's thumbnail channel (ch >= 0; a change in a
    // single-channel playback mode starts its cells over) and interval
    // (dur >= 1 seconds).
    void setThumbnail(int ch, int dur);
    // Bit ch for every channel whose playback picture has no size.
    uint32_t noVideoMask() const;

    int m_toolCh = -1; // the channel a live tool shows alone, -1 none

    // --- OSD drawing (tdvrapi-osd.cpp)
    // Builds the icons, the per-channel images and items, the clock and
    // text-in images and fonts, then shows the last layout of the list.
    void initOsd();
    // The visibility rule of the tile items for display mode f (0 off);
    // update: the main window repaints the whole screen, else the tiles.
    void showOsd(int f, int update);
    // mode < 0: the live OSD section's osdOn.
    void setOsd(int mode);
    // Light text with a dark one-pixel outline on black into img (null:
    // nothing). kind 0 the scaled title font, 1 the unscaled one, 2 the one
    // of the HD spot ratio; centre non-zero centres the text.
    void drawOsdText(int ch, const QString& text, QImage* img, int kind, int centre);
    // The same into the channel's playback text image (UTF-8 text).
    void drawOsdText2(int ch, const char* text);
    // The POS text area of the channel inside its cell. This and the two
    // below run with the POS overlay lock (m_posMutex) held by the caller.
    void placeTxtin(int ch);
    // Lays a POS text out in the channel's area of image (the last lines
    // that fit, by the POS section's overlay position) and records the part
    // drawn. image null or empty: nothing.
    void drawTxtin(int ch, const char* utf8Text, QImage* image);
    // Blanks the channel's area of image.
    void clearTxtin(int ch, QImage* image);
    // Paints, moved by off, the part of the overlay image that each text
    // area of the first channels drew (the windows' POS overlays).
    void paintTxtin(QPainter& p, int channels, const QPoint& off = QPoint()) const;
    // Transparency of a screen rectangle: level 0..7 of the program is
    // 7..0 of the device. alphaFill: a negative alpha sets level 0 only when
    // the output blends with a chosen level.
    static int AlphaFill(int x, int y, int w, int h, int level);
    static int alphaFill(int x, int y, int w, int h, int alpha);
    // level >= 0 when the output can blend, else the OSD section's alpha of
    // the edit copy (the value being previewed).
    int alphaFillCfg(int x, int y, int w, int h, int level);
    // Not available on this output: -1.
    int alphaCopy(int x, int y, int sx, int sy, int w, int h);
    // Frees the shared OSD images, the channels' images and the tiles' item
    // pointers (before the OSD is built again for a new output resolution).
    void freeObjects();
    // The current date and time into the spot clock images, sent to the
    // spot outputs as the line after the channels.
    void eventLine();
    // In playback, the given date and time into the playback clock image.
    void drawEventLine(int y, int mo, int d, int h, int mi, int s);
    // The text of an event of the search list by its source (byte 0): a
    // camera's recording with the resolution (byte 8) and rate (byte 11)
    // from the date's encoder tables avc (null: none), a sensor, motion,
    // video loss or return, or POS event; empty for another source.
    static QString eventText(const Db6Item* e, const Db6Avc* avc);

    enum { ICONS = 6 };
    // Images of each channel: title, spot title, HD spot title, playback
    // text (RGB32), and the items of its tile that point at them.
    QImage m_titleImg[DAL_MAX_CH];
    QImage m_spotTitleImg[DAL_MAX_CH];
    QImage m_hdTitleImg[DAL_MAX_CH];
    QImage m_playImg[DAL_MAX_CH];
    OsdItem m_osdItem[DAL_MAX_CH][CellOsd::ITEM_COUNT] = {};
    // Shared: the state icons (continuous, event recording, sensor, motion,
    // text-in, sixth), the logo, the playback and HD spot clock images.
    QImage m_icon[ICONS];
    QImage m_logo;
    QImage m_clockImg;
    QImage m_hdClockImg;
    // Made once: the spot clock image and the POS text-in image.
    QImage m_spotClockImg;
    QImage m_txtinImg;
    QSize m_txtinSize;
    QFont m_titleFont;
    QFont m_posFont;

private:
    // Screen state of the live view for a start (init).
    void resetLive();
    // A remote layout request: a listed layout to the layout thread (or
    // shown here without one); any other id is refused.
    void remoteLayout(int lay, int sw);
    mutable QMutex m_layoutHookMutex;
    LayoutHook m_layoutHook;
    // Places channel ch's items in cell c.
    void placeItems(int ch, const VidWnd& c);
    // The output blends the OSD with a chosen level.
    bool canBlend() const;

    // ======== Spot outputs and display (tdvrapi-spot.cpp) ========
public:
    // The spot and HD spot sequences start over from the sections' orders.
    // The spot sequence and its pop-up belong to the GUI thread: called on
    // another thread, spotSetdevice and fireSpotPopup queue themselves there.
    void spotSetdevice();
    void spothdSetdevice();
    // One tick of the spot sequence (while no spot pop-up is shown).
    void runSpotSeq();
    // A sensor, motion, video-loss or POS event of ch shows ch on the spot
    // monitor when the spot pop-up output asks for it; tickPopup counts the
    // pop-up down each second.
    void fireSpotPopup(int code, int ch, int on);
    void tickPopup();
    void popupSpot(int ch);
    // Board test: every channel on the spot monitor.
    void runTestSpot();
    // Title overlays: 20 rows of 120 pixels for a channel, the image's
    // width for the clock line (ch = the channel count); spothdOsd: the
    // whole image.
    void spotOsd(int ch, const QImage* img);
    void spothdOsd(int ch, const QImage* img);
    void spotOsdAll(int ch);
    // The main monitor's output type, resolution (res < 0: the display
    // section's), aspect and colours, all from one copy of the display
    // section: the live copy, or the edit copy (live 0) for a previewed
    // output.
    void changeDisplay(int res, int live = 1);
    // csc 0..3: one colour component; csc > 3: the four of the display
    // section (live copy when val > 0, else the edit copy).
    void dispcolorcontrol(int csc, int val);
    // The display section's colours, and its order as the display order.
    void dispColorSetdevice(int value = -1);
    // Digital zoom: zoom100x the ratio x 100 (< 0 the current one; 100 or
    // less: no zoom), xp and yp the centre in percent (< 0: the middle).
    void zoomcontrol(int zoom100x, int xp, int yp);
    double maxZoom() const;
    // The image as packed 4:2:2 words into out (width x rows words): luma
    // in the high byte, Cb for even x and Cr for odd x in the low byte. The
    // part of the image beyond width x rows is cut, the part of out beyond
    // the image and black pixels stay 0 (transparent).
    static void toYuv422(const QImage& img, int width, int rows, uint16_t* out);

    int m_spotNum = 0;
    int m_spotIdx = 0;
    int m_spothdNum = 0;
    int m_spothdIdx = 0;
    int m_spotTick = 0;     // seconds since the last step
    int m_spotPopCh = -1;   // channel of the spot pop-up, -1 none
    int m_spotPopTime = 0;  // seconds left of it
    double m_zoom = 0.0;
    int m_dispDevice = 0;   // the display section's device2 last applied

private:
    // Converts and announces one overlay through DalCmd(cmd).
    void sendOverlay(const char* cmd, int ch, const QImage* img, int width, int rows);

    // ======== Video and audio input (tdvrapi-vin.cpp) ========
public:
    enum { MOTION_MAP_SIZE = 128, POS_TEXT_MAX = 2000 };

    // The camera section to the device layer: names, disabled and covert
    // cameras (drawText: the titles are drawn again first).
    void camSetdevice(int drawText);
    void camSetCapsAll();
    // Sets the input of ch to the format it delivers; -1 without a signal,
    // else the device layer's result.
    int vinSetCaps(int ch);
    // Rebuilds m_vinState from every input (GUI thread: the windows read it).
    void checkCamera();
    // The same into a record of the caller's (a remote client's request on
    // the network thread answers from its own reading).
    void readCameras(VinState* out);
    // The privacy zone of one channel, or of all (ch < 0), from the live
    // (non-zero) or edit copy: the bounding box of the set grid cells.
    void setPrivacy(int ch, int live);
    // Colour of one channel or all (ch < 0) from the live (non-zero) or
    // edit copy.
    void colorSetdevice(int ch, int live);
    // The colour page's live preview: codes 40 brightness, 41 contrast,
    // 42 saturation, 43 hue; one channel or all (ch < 0).
    void colorcontrol(int ch, int code, int value);
    // Motion detection of every channel from the live or edit copy.
    void motionSetdevice(int live);
    // Motion detection of one channel or all (ch < 0) from the edit copy
    // (the motion page's preview), or switched off.
    void motionSet(int ch);
    void motionOff(int ch);
    // Only ch shows its motion trace; ch < 0 none. Forgets the motion map.
    void motionTrace(int ch);
    // The audio output and the links of the audio inputs.
    void audioSetdevice();
    // The audio channel heard (-1 off); the device layer's result.
    int setAout(int ch);
    int testAout(int ch);
    // The last POS text of ch (empty beyond the table), and the last motion
    // map (MOTION_MAP_SIZE bytes), copied under their locks.
    QString posText(int ch) const;
    void motionMap(unsigned char* out) const;

    VinState m_vinState = {}; // written on the GUI thread only (checkCamera)

private:
    // The motion settings of one channel (or all) from a copy, or off.
    void applyMotion(int ch, int live, bool off);
    // "(" camera name ")" cut so that it fits the log's contents field.
    QByteArray camLogText(int ch) const;

    mutable QMutex m_vinMutex; // the motion map
    unsigned char m_motionMap[MOTION_MAP_SIZE] = {};
    // The POS overlay state (texts, areas, countdowns, the overlay image)
    // written by the POS callback, the tick and the layout thread, which
    // run on different threads, and painted on the GUI thread (paintTxtin).
    mutable QMutex m_posMutex;

    // ======== Alarms, PTZ and POS (tdvrapi-alarm.cpp, tdvrapi-ptz.cpp, tdvrapi-pos.cpp) ========

    // -- Alarm outputs, buzzer, LEDs, watchdog and controller (tdvrapi-alarm.cpp)
    // Output k of the alarm table: relays 0..R-1, the buzzer R, the event
    // pop-up R+1 and the spot pop-up R+2, R = relayCount(). Relays and the
    // buzzer run on countdowns that freeAlarmout counts down each second.
public:
    enum {
        ALARM_HELD = 31536000, // held while the event lasts
        ALARM_OUTS = 23        // outputs of the alarm table
    };

    // An event of notification code type (sensor, motion, video loss, text-in:
    // channel ch; disk S.M.A.R.T. result or temperature) started (on) or
    // ended. The outputs the alarm table links to it are switched on (held
    // while it lasts, then for their configured time); a motion event also
    // sends cameras to their alarm presets unless PTZ is being driven.
    void fireAlarmout(int type, int ch, int on);
    // A disk alarm starts (held) or ends (released 2 s later), on the output
    // the storage section chooses: 1 the buzzer, 2 relay 0, else none.
    void fireHddAlarmout(int on);
    // The one-second release step of the tick.
    void freeAlarmout();
    // Every relay off, its countdown cleared ("Alarm Off").
    void alarmOff();
    // The buzzer off, its countdown cleared ("Buzzer Off").
    void buzzerOff();
    // Switches relay out (0..R-1) at once, outside the countdowns; -1 for
    // another output.
    int runAlarm(int out, int on);
    int runBuzzeron(int on);
    // m_ioState from the device layer (GUI thread); the same into the
    // caller's record (any thread).
    void readIoState();
    static void readIoState(IoState* out);
    // Applies the alarm section: sensor types, every output off, the events
    // still active fired again, the alarm-preset holds cleared.
    void alarmSetdevice();
    // Flips the disk error LED.
    void setHddErrorLed();
    void testLed(int on);
    // Board test: switches the relays on (state 0) or off; the value sent,
    // as text.
    QString testBoardRelay(int state);
    // Watchdog; nothing reaches the device while m_wdtOn is 0.
    void enableWdt(int f);
    void setWdttime(int seconds);
    void clearWdt();
    // Applies the controller section: remote-controller id, key buzzer and
    // (one OEM variant) the system keyboard.
    void ctrlSetdevice();
    // The relays of the live device section (alarmouts - 3), within 0..20.
    int relayCount() const;

    // Written on the GUI thread: by readIoState, and when the IO callback's
    // tick saw the outputs change, just before SIG_IO_STATE.
    IoState m_ioState = {};
    int m_ptzBusy = 0; // set while the operator drives PTZ: no alarm presets

private:
    // The alarm state of a fresh start (init).
    void initAlarmPtz();
    // Switches relays k < relays and the buzzer (index relays) whose act is
    // set on when off, and gives them the countdown dur.
    void driveOutputs(const int* act, const int* dur, int relays);

    QMutex m_alarmMutex; // the countdowns, from the callback threads and the tick
    int m_alarmCount[ALARM_OUTS] = {}; // seconds left per output 0..R
    int m_alarmHold[ALARM_OUTS] = {};  // output held while its event lasts
    int m_hddErrorLed = 0;
    IoState m_ioSeen = {}; // the IO callback thread's last reading, compared each tick

    // -- PTZ control, presets and tours (tdvrapi-ptz.cpp)
public:
    // Binds the PTZ lines of channel ch (all: ch < 0) from the live (1) or
    // edit (0) copy, then clears the alarm-preset holds and restarts the
    // tours.
    void ptzSetdevice(int ch, int live);
    // One PTZ command (0..9 moves, 10 go to, 11 set, 12 clear preset arg)
    // of the PTZ window or the setup page: arg != 0 a press (moves at speed
    // when above 0), arg 0 a release (back to the configured speeds). The
    // device layer's result; -1 for a channel or command out of range.
    int ptzControl(int ch, int cmd, int arg, int speed);
    // Clears in the camera every preset on in the live copy and off in the
    // edit copy.
    void ptzClearPresets(int ch);
    // Board test: a tilt-up on camera 0; negative on failure.
    int testPtz();
    // The driver list of the device layer into the live PTZ-driver section
    // (at most 20 names); saved when it changed (1), else 0. A failed read
    // keeps the stored list.
    int ptzLoadDrivers();
    // Tours of channel ch (all: ch < 0).
    void startPtzTour(int ch);
    void restartPtzTour(int ch);
    void stopPtzTour(int ch);

    TPtztourth* m_ptzTourTh = nullptr;

    // -- POS devices (tdvrapi-pos.cpp)
public:
    // The five ports of the live POS section to the device layer; its result.
    int posSetdevice();
    // Which ports have a device into m_posScan (none when the scan fails);
    // readPosScan: into the caller's eight words.
    int posScan();
    int readPosScan(int32_t* out);

    int32_t m_posScan[8] = {}; // 0 the serial port, 1..4 the USB ports; GUI thread only

    // What the recorder's thread reads for its configuration (takeRecordConfig).
    struct RecordSource
    {
        bool taken = false;
        PropRecord record = {};
        PropGroup group = {};
        PropSchedule schedule = {};
        PropHoliday holiday = {};
        PropEvent event = {};
    };
    QMutex m_encMutex;
    RecordSource m_encSource;

    // ======== Record configuration, encoder and storage (tdvrapi-enc.cpp, tdvrapi-storage.cpp) ========
public:
    // -- Recording and encoder control (tdvrapi-enc.cpp). The recorder reads
    // its schedule and per-channel settings itself (runEncCfg); here only
    // start, stop and refresh are given. --

    // Starts recording (the result is only logged) and refreshes m_sdCheck.
    void encStart();
    void encStop();
    // Starts recording only (board test): the layer's result, negative on
    // failure.
    int testEncStart();
    // The recorder asks for its record configuration again: the apply of
    // the record, group, schedule, holiday and event sections.
    void encRefresh();
    // Panic recording follows m_panic, which the caller has set. 0.
    int runPanic(int panic);
    // The record, group, schedule, holiday and event sections of the live
    // copy as the recorder's thread reads them (runEncCfg): a copy taken
    // under m_encMutex each time recording is started or refreshed, after
    // the sections were applied, so that the recorder never reads a section
    // the GUI thread is rewriting.
    void takeRecordConfig();
    // 1 before the main output changes its resolution or ratio, 0 after.
    void encSwap(int on);
    // Whether the panic-record marker "/dvr/panic-record" exists.
    bool isBootPanic();
    // The apply of the network-stream section: the stream record from the
    // live stream section and the edit copy's cameras, with m_avcCaps.
    void encSetdevice();
    // The encoder's video standard follows the cameras (the first channel
    // with a signal; without one, the standard kept in the quick options).
    // force rewrites it even when unchanged. 0.
    int changeAvcCaps(int force);
    // Recording load of a record page's 20 entries: the sum of the bytes per
    // second each enabled camera's mode records (edit copies of the device
    // and camera sections).
    double recBitrate(const RecordEntry* entries);
    // Bandwidth in kbit/s of the first (high non-zero) or second network
    // stream of every channel (edit copies).
    double netBwKbps(int high);
    // Network-stream load of one encoder chip (chip < 0: every channel):
    // frames per second times the resolution's cost, from the live (1) or
    // edit (0) copies of the stream and camera sections.
    double netBwKbps2(int chip, int live);

    // -- Storage, disk jobs and S.M.A.R.T. (tdvrapi-storage.cpp) --

    // Rebuilds m_storage from the disk table (m_sdInfo, kept when the layer
    // does not answer), m_sdCheck and the recording span.
    void checkStorage();
    // Disk check and format: recording stops, network clients are dropped,
    // the status box opens; the layer's progress texts and end event follow.
    // A job the layer refuses restarts recording and closes the status box
    // with "Failed" at once.
    void fsckStorage();
    // disk -1: all disks, -2: all disks, mirrored when option is 1; option
    // goes to the layer. *refused, when given, says whether the layer refused
    // it: then no end event follows and the disks are as they were.
    void formatStorage(int disk, int option, bool* refused = nullptr);
    // The disk row of the board test ("OK! (1:Good 2:Bad )", "1:Not Format "
    // ...), also into out when given.
    QString storageStatusText(QString* out);
    // Rebuilds m_smart for the healthy hard disks of m_sdInfo.
    void checkSmart();
    // Apply of the S.M.A.R.T. and storage sections.
    void smartSetdevice();
    void strgSetdevice();
    // A running disk job's progress text into the status box, under the
    // title of its kind (SIG_MSG_HDDCHECK, _DBREBUILD, _DBCHECK, _FORMAT). 0.
    int storageMsg(int kind, const char* text);

    SdInfo m_sdInfo[DAL_MAX_DISK] = {};
    SmartInfo m_smart = {};

private:
    // The disk count of the live device section, cut to the 16 disk slots.
    int diskCount() const;
    // A disk job the layer refused: recording runs again, the failure is
    // shown and the status box closes; the log entry says "Failed".
    void storageJobRefused(int title, int code, const QString& contents);

    // ======== Playback, search, backup and media (tdvrapi-play.cpp, tdvrapi-search.cpp, tdvrapi-backup.cpp) ========

    // -- Playback and decoder control (tdvrapi-play.cpp)
public:
    int isPlay() const { return m_play; }
    // Starts playback of the loaded day at the time (hour < 0: instant
    // replay of the last seconds, tried at now - 5, - 6 and - 7 s) at the
    // rate; the device layer's result: negative failed, 0 playing, positive
    // not playing.
    int decStart(int hour, int min, int sec, double rate);
    void decStop();
    // Changes the speed; nothing unless playing.
    void decRate(double rate);
    // One frame (1 forward, 0 backward, -1 the direction of play); playback
    // pauses. Nothing unless playing.
    void decStep(int dir);
    // Seeks within the day; -1 unless playing.
    int decPos(int secOfDay);
    int decCurDateId();
    // De-interlace and date overlap from the live search options.
    void decSetdevice();
    void decSetDeint(int on);
    // 0 live view, 1 search/playback screen.
    void setMode(int f);
    // Clears the playback cells after a database, day or channel change.
    // searchCh as for openDb (-1: m_searchCh).
    void resetPlayMode(int searchCh = -1);
    // Board test: plays the last 10 s (the layer's result, negative on
    // failure); back to live output.
    int testDecStart();
    void testDecStop();
    // The second text of a playback cell (decode summary, "No Data", the
    // cell's date and time), as last drawn.
    QString playText(int ch) const;

    double m_pauseRate = 0.0;
    int m_searchCh = 0;   // the channel of the Thumbnail and Panorama modes
    int m_thumbNum = 0;   // thumbnail cells
    int m_thumbDur = 3600; // seconds between thumbnails
    // The decoder's report, written on the decoder's thread; notifications
    // of the date, time and rate carry a copy of it (sg_dvrRecord).
    DecInfo m_dec = {};
    int m_posTime[CHANNELS] = {}; // playback second a text-in line was drawn

public slots:
    void sl_decInfo(int ch, QString text);

private:
    // The playback and search state of a fresh start (init).
    void initPlayback();
    void setPlayText(int ch, const QString& text);
    // The text-in overlays of every channel switched off and cleared.
    void clearPlayOverlays();
    // The cell titles of the search screen by search mode.
    void drawPlayTitles();
    // Repaint of the whole OSD area.
    void repaintOsd();
    void decText(int type, const DecInfo* rec);
    // The cell date and time texts of the thumbnail and panorama modes.
    bool cellTimes(const DecInfo* rec, int cells, bool perCell);

    mutable QMutex m_playTextMutex;
    QString m_playText[DAL_MAX_CH];

    // -- Recording-database search (tdvrapi-search.cpp)
public:
    enum { MAX_PER_PAGE = DayEvents::MAX_ITEMS };
    // Opens the database the query names with its filters on the month it
    // asks for (the last recorded one when that has none); 1 when open with
    // a recorded month. ch is the channel of the Thumbnail and Panorama
    // modes as the caller copied it from m_searchCh (a worker thread gets
    // its copy before it starts); -1 reads m_searchCh (GUI thread only).
    int readyFordb(const SearchQuery* q, int ch = -1);
    // Opens the disks' database (path null or empty) or the one at path for
    // a search mode; 1 when opened. ch as for readyFordb.
    int openDb(int mode, const char* path, int ch = -1);
    void closeDb();
    // The index of a recorded month; -1 when none or no database.
    int monthIndex(int year, int month);
    int setMonth(int year, int month);
    // m_monthInfo of the shown month; 1 when read.
    int loadMonth();
    // The next (dir >= 0) or previous month; 0 at either end.
    int stepMonth(int dir);
    // A day (chkday non-zero: entry idx of the day) and page: m_dayEvents
    // in the Event and POS modes, m_reiDay otherwise; 0 on failure.
    int loadDay(int day, int idx, int page, int chkday);

    char m_dbPath[100] = {};
    int m_perPage = 1;
    // The position in the database.
    int m_year = 0;
    int m_month = 0;
    int m_monthIdx = -1;
    int m_day = 0;
    int m_curDayId = -1;
    int m_dateIdx = -1;
    int m_numMonth = 0;
    int m_numItem = 0;
    int m_numPage = 0;
    int m_page = 0;
    int m_evtType = 0;
    int m_reiFilter = 0;
    uint8_t m_typeFilter[9][32] = {};
    uint8_t m_eventList[9][32] = {};
    Db6Avc m_avc = {};
    MonthInfo m_monthInfo = {};
    ReiDay m_reiDay = {};
    DayEvents m_dayEvents = {};

private:
    int loadday();
    int loadDayevent();
    int loadDayRei();
    // Stops a running playback before another day or database is read.
    void stopForLoad();
    static void searchProgress(void* ctx, const int32_t* values);

    // -- Backup and external media (tdvrapi-backup.cpp, tdvrapi-media.cpp)
public:
    // Opens the backup source with the cameras and audio left out (the
    // cameras the logged-in user may not watch always are); 1 when the
    // device layer took it, else 0. The dates follow with SIG_BD_DATE.
    int openBackupDb(uint32_t camoff, uint32_t audoff);
    // Forgets the dates of the backup source.
    void closeBackupDb();
    // Hands the device layer a changed camera and audio choice only.
    void setBackupFilter(uint32_t camoff, int audoff);
    void setBackupType(int type);
    // Starts estimating the size of a range: 1 started, 0 refused.
    int backupEstimate(const BackupRange* range);
    // Starts the copy of the range estimated last: 1 started, 0 when the
    // device layer refused it (nothing runs then).
    int backupStart(int type);
    void backupStop();
    // Copies of what the backup events keep, taken under their lock.
    BackupDb backupDb() const;
    QVector<BackupDate> backupDates() const;
    BdList bdList() const;

    // Backup devices: each request keeps the asking window and request
    // (m_bdWin, m_bdAct) for the answer the device layer sends later.
    int detectExtSd(int win, int act);
    void selectExtSd(int win, int act, int bd);
    // Unmounts the medium, closes the backup source, selects bd and mounts
    // it when mount is set; -1 (nothing done) while a copy runs.
    int mountExtSd(int win, int act, int mount, int bd);
    // Releases the medium; a copy or an estimate under way is stopped first.
    void umountExtSd();
    // The files of a folder whose names contain the filter without its first
    // character ("*.fwr": ".fwr"), sorted by extension, into m_fileList and
    // m_listInfo with perPage (1..100) names a page.
    void fill_file(const QString& path, const QString& filter, int perPage);
    // Page page of the last listing into m_pageLines.
    void readDirFile(int page);
    // A picture of the live video onto the USB stick; the answer comes with
    // the device layer's snapshot event.
    void snapshot();
    // The board test's device scan; the result arrives through its own
    // backup callback.
    QString* testScanBd(QString* out);

    std::atomic<int> m_space{0};  // MB copied (device layer's thread)
    std::atomic<int> m_tSpace{0}; // MB to copy (device layer's thread)
    std::atomic<int> m_bdWin{0};  // window of the last backup-device request
    std::atomic<int> m_bdAct{0};  // its request code
    QStringList m_fileList;

private:
    // Zeroes the backup source, the device list and the counters (init).
    void resetBackup();

    mutable QMutex m_backupMutex; // the source's dates and range, the device list
    BackupDb m_backupDb = {};
    QVector<BackupDate> m_backupDates;
    BdList m_bdList = {};

    // ======== Network and remote setup (tdvrapi-net.cpp) ========
    // Callbacks and firmware over the network (tdvrapi-net.cpp), remote
    // setup (tdvrapi-netpack.cpp), address and ports (tdvrapi-netaddr.cpp),
    // DDNS and UPnP (tdvrapi-ddns.cpp), e-mail (tdvrapi-email.cpp), time
    // sync and web accounts (tdvrapi-ntp.cpp).
public:
    // The network service a test belongs to (m_testKind); NET_TEST_ANY: a
    // remote request that no one service answers.
    enum NetTest { NET_TEST_NONE, NET_TEST_NTP, NET_TEST_DDNS, NET_TEST_EMAIL, NET_TEST_UPNP, NET_TEST_ANY };

    // A network firmware upgrade starts: stops playback and recording and
    // opens the status box. 0.
    int netFustart();
    // The transfer ended: "fname:%s size:%d ver:%s" of the received file
    // and its validity. Accepted: SIG_FU_END 1 and m_fUpgrade; otherwise the
    // failure is reported and the file, when it lies in the RAM directory,
    // removed. 0.
    int netFuend(const char* text, int valid);
    // One remote-setup packet of len payload bytes (len checked against
    // what arrived): reads only what the command needs and the payload
    // holds, answers into reply (may be null). Always 0. The commands that
    // read or change the configuration run in the GUI thread, which owns it:
    // from the device layer's thread the packet is copied and handed over,
    // and the answer waited for with a bound. A packet the GUI thread could
    // not take in time is not handled and gets an empty answer.
    int runNetpack(int cmd, int len, const void* payload, NetpackReply* reply);

    // Applies the live NETADDR section (a fixed address that is not four
    // numbers 0..255 leaves the interface as it is); DalSetAppInfo's result.
    int addrSetdevice();
    // The address in force into m_eth0Text (the configuration keeps its own).
    void checkIp();
    // The live NETPORT ports to the device when either flag is set.
    void netSetPort(int flagA, int flagB);
    // Rebuilds m_netInfo; 0, or DalNetGetClientInfo's non-zero result.
    // readNetInfo: the same into the caller's record.
    int getNetInfo();
    int readNetInfo(NetClientInfo* out);
    // The address in force as the four texts of m_eth0Text into the
    // caller's texts; DalNetGetEth0's result (texts untouched on failure).
    static int readEth0Text(char (*texts)[64]);
    // Apply hook of the web service: it reads its accounts from the web
    // account file and its ports from the network service, so nothing is
    // handed over here.
    void webSetdevice();
    // The firmware version as the device layer takes it: one decimal digit
    // a byte, thousands first (1020 gives 0x01000200).
    static uint32_t versionWord(int version);
    int setEthAddr(const QString& mac);
    int getEthAddr(QString& mac);
    // The factory board test's fixed address (mode non-zero) or the start
    // script's (mode 0).
    void testNetStart(int mode);

    // DDNS of the live NETDDNS section to the device; the call's result,
    // -1 for an unknown service (nothing sent).
    int ddnsSetdevice();
    void testDdns();
    // The status text of the last DDNS update ("Success [date time]"),
    // the result kept in m_ddnsResult; readDdns: the result into the
    // caller's record, and its text when asked (null: none).
    void checkDdns(QString& text);
    void readDdns(DdnsResult* out, QString* text);
    // The UPnP ports of the live (1) or edit (0) NETPORT section; 0 with
    // on 0 (nothing sent), else 1 when the device took them.
    int upnpSet(int on, int live);
    void testUpnp();
    void checkUpnp(QString& text);
    void readUpnp(UpnpResult* out, QString* text);

    // The e-mail account of the live (> 0) or edit (0) copy to the device;
    // 0 when e-mail is off or refused, 1 when taken.
    int emailSetdevice(int live);
    void testEmail();
    // Adds the lines (and pictures) of one event to the next event e-mail;
    // called in the GUI thread for sensor, motion, video-loss, POS and disk
    // events.
    void writeEmailLog(int code, int val1, int val2, const char* text);

    // The user's NTP synchronisation with the edit DATETIME server.
    void syncNtp();
    // Rewrites "/var/volatile/web_account.txt" (users, passwords and network
    // camera masks) atomically with mode 0600, through a new file made
    // exclusively beside it. 0; -1 when it could not be written (the old
    // file stays, the operator is told).
    int writeWebAccount();

    // The remote test state, read under its lock: the running test's
    // service and the oldest result message for the client (false: none).
    int netTestKind() const;
    bool takeTestResult(QString* message);
    // How long a network-service test waits for its result before it ends
    // as failed (ms; 120 s unless a test shortens it). Taken by the tests
    // that begin afterwards.
    void setNetTestTimeout(int ms) { m_netTestTimeout = ms > 0 ? ms : 120000; }

    // Status records the windows read, written on the GUI thread only
    // (the network thread answers remote clients from its own reading).
    char m_eth0Text[4][64] = {};
    NetClientInfo m_netInfo = {};
    int m_skipNetwork = 0;
    DdnsResult m_ddnsResult = {};
    UpnpResult m_upnpResult = {};

private:
    // The frame of the network-service tests: false (and "DVR Busy!!")
    // when a test runs; otherwise the test is marked as kind's and the wait
    // box opens.
    bool beginNetTest(int kind, const QString& title);
    // A test that could not start: the message in the status box and for
    // a remote client, the test state cleared, the box closed.
    void failNetTest(const QString& title, const QString& message);
    // The network service set a new address: the address texts and the live
    // copy read again, UPnP, DDNS and the clock follow, SIG_NET_DHCP; run
    // on the GUI thread.
    void netSettingsChanged();
    // A service result: true when it ends the running test (or none runs);
    // the message then goes to a remote client and the test state clears.
    bool finishNetTest(int kind, const QString& message);
    // Keeps a status text for the remote client when its test runs
    // (m_nTestNet), under the test lock: jobs, the recorder and the network
    // service add texts on their threads while the client takes them.
    void keepTestResult(const QString& text);
    // DDNS record of a NETDDNS section; false for an unknown service.
    bool ddnsRecord(const PropNetddns& ddns, DdnsSet* out);
    void emailRecord(const PropNetemail& mail, const PropNetaddr& addr, EmailSet* out);
    // Remote-setup commands of runNetpack, in the thread that may run them.
    int handleNetpack(int cmd, int len, const void* payload, NetpackReply* reply);
    // Where a remote-setup command runs: on the network thread, or handed
    // over to the GUI thread (the configuration's owner), waited for within
    // the hand-over's bound or, for a change the client sends without
    // waiting for an answer, as long as the GUI thread takes until the stop.
    enum NetpackHandover { NetThread, GuiBounded, GuiUntilStop };
    static NetpackHandover netpackHandover(int cmd);
    // A command that changes the edit copy or asks for an apply run: it is
    // taken only while no run is queued or under way, so that the copy a
    // queued run will apply is never replaced or changed under it.
    static bool waitsForApply(int cmd);
    // A command that changes the configuration (the edit or the live copy):
    // refused once the program stops.
    static bool changesConfig(int cmd);
    void rsApply(const TNetPayload& p, int pathOffset, int page);
    void rsRun(const TNetPayload& p);
    void rsInfo(const TNetPayload& p, TNetReply& out);
    void rsTest(const TNetPayload& p, TNetReply& out);
    void rsResult(TNetReply& out);
    void rsColorSet(int ch, const ColorEntry& c, TNetReply* out);
    void rsNetwork(const TNetPayload& p);
    // A file name a remote client or the network service gives: a
    // terminated name under "/tmp" without "..".
    static bool ramFile(const QByteArray& path);
    // A file a remote client left for the program (a unit path that passed
    // ramFile): a plain file, not a link, not hidden, not the live
    // configuration's or the log's RAM file; with since >= 0 also written
    // at or after that time (seconds since the epoch).
    bool remoteFile(const QByteArray& path, qint64 since = -1) const;
    // The start (seconds since the epoch) of the network firmware transfer
    // in progress; -1 when none runs.
    std::atomic<qint64> m_uploadSince{-1};

    // Guards the remote test messages and the test flags, shared by the
    // network-service, network and GUI threads.
    mutable QMutex m_netTestMutex;
    int m_testKind = NET_TEST_NONE;
    // The time-out of the running test: a result the device layer never
    // reports would otherwise hold every later test off ("DVR Busy!!").
    // Each test begun has its own serial; a time-out ends only its own.
    void armNetTestTimeout(int serial, const QString& title);
    void netTestTimedOut(int serial, const QString& title);
    int m_netTestSerial = 0;
    std::atomic<int> m_netTestTimeout{120000};

    // ======== Board test (tdvrapi-test.cpp) ========
    // The factory board test brings the device layer up with its own short
    // sequence and reduced callbacks; these raise no alarms, write no
    // system log and keep no panic state: they only turn keys, sensors, the
    // tick, disk messages, address changes, the backup-device scan and the
    // serial-port test into notifications for the board-test dialog.
public:
    // The board test's bring-up, on the GUI thread, once: capabilities,
    // FPGA image (20-channel "Kea" boards), outputs, OSD and cameras, the
    // test callbacks, sensors, start, the network in its test form (the
    // fixed test address when an argument after the program name contains
    // "-daemon", else the start script), disks, the MAC text, the
    // application info and the spot cycle. The device layer's results are
    // not checked.
    void dvrTestInit(int argc, char** argv);

    // The test handlers, on the device layer's threads. Each takes only its
    // own codes and returns 0 (dvrTestrunNet: the layer's answer, -1).
    int dvrTestrunIo(int type, int from, int data);
    // Every channel below the video count records continuously at the first
    // resolution, quality 3 and rate index 2; no audio, no event recording.
    int dvrTestrunEncCfg(const struct tm* now, EncCfg* out);
    int dvrTestrunEncNotify(int type, int ch, int data, const char* msg);
    int dvrTestrunNet(int type, const void* data, int size, NetpackReply* reply, int value);
    // The backup-device scan: the list read again, and whether a medium is
    // usable (a disc in the optical drive, or a USB stick with room).
    int cbBackupBd(int type, intptr_t info, const char* msg);
    // The serial-port test: the results of the two ports (record words 1 and 3).
    int cbVelorTest(int type, const int32_t* rec);
    // Callbacks of the two above: a null context does nothing; 0.
    static int cbBackupBdThunk(void* ctx, int type, intptr_t info, const char* msg);
    static int cbVelorTestThunk(void* ctx, int type, const int32_t* rec);
    // 1 when the backup-device list holds a usable medium, else 0.
    static int bdUsable(const BdList& list);

private:
    // The address in force read again and announced, on the GUI thread
    // (the board-test dialog reads m_eth0Text when it hears of it).
    void testAddressChanged();

private:
    friend class TDvrApiTest;
};

// The one device facade of the process.
extern TDVRAPI g_api;

// The device layer's callbacks of normal operation (tdvrapi-cb.cpp): plain
// functions with the facade as context. A null context does nothing and
// returns 0; otherwise each hands the event to its run handler and returns
// 0 (CbNet: the handler's result).
int CbIo(void* ctx, int type, int from, int data);
int CbEncCfg(void* ctx, const struct tm* now, EncCfg* out);
int CbEncNotify(void* ctx, int type, int ch, int data, const char* msg);
int CbDecInfo(void* ctx, int type, const DecInfo* rec);
int CbNet(void* ctx, int type, const void* data, int size, NetpackReply* reply, int value);
int CbBackup(void* ctx, int type, intptr_t info, const char* msg);
int CbNese(void* ctx, int type, const uint32_t* info, const char* state);
int CbVin(void* ctx, int type, const VinEvent* ev);
int CbPos(void* ctx, int type, int ch, int value, const char* text);

// The board test's callbacks (tdvrapi-test.cpp), of the same form: each
// hands its event to the facade's dvrTestrun handler of its family.
int CbTestIo(void* ctx, int type, int from, int data);
int CbTestEncCfg(void* ctx, const struct tm* now, EncCfg* out);
int CbTestEncNotify(void* ctx, int type, int ch, int data, const char* msg);
int CbTestNet(void* ctx, int type, const void* data, int size, NetpackReply* reply, int value);
