#pragma once
#include "dal.h"
#include "tdefwnd.h"
#include "wndid.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>

class QMenu;
class QMouseEvent;
class QPainter;
class QTimer;
class TBackupWnd;
class TSearchWnd;
class TSetupWnd;
class TSetupth;
class TSplitTh;
struct PropUser;
struct SearchQuery;

// The main window (window id 16): a full-screen frameless window over the
// video output. It owns every other window of the normal user interface in
// its window table, routes their requests, receives the device
// notifications and keys, draws the live view, and brings the device up
// once it is first shown.
//
// The class is declared here once, grouped by area; each heading names the
// file that defines the area. Members of an area stay under its heading, so
// the areas grow apart without touching each other's lines.
class TMain : public TDefWnd
{
    Q_OBJECT

    // ======== Assembly, device bring-up and shutdown (tmain.cpp) ========
public:
    enum { WND_SLOTS = 21 };

    TMain(QWidget* parent, int id, const QSize& size);
    ~TMain() override;

    // Builds the window: its child windows, threads and timers, and the
    // connections that stay for the window's life.
    void init(int param) override;
    // Creates the child windows of the window table, placed and hidden.
    void createWnd();
    // Centres a window over the video output of the live (1) or edit (0)
    // display settings, in global coordinates.
    void placeWnd(TDefWnd* wnd, int output);
    // Visible windows among slots 1..20 (the information bar is not counted).
    int numVisibleWnd() const;
    // Deletes every child window and clears its slot (and the process-wide
    // pointer to it).
    void deleteWnds();
    // Ends a mouse drag and gives the arrow cursor back.
    void resetCursor();
    // The status text from another thread (queued to the GUI thread).
    void ctrlStatus(const QString& title, const QString& text);
    // The window of a slot; null for an empty slot or an id outside 0..20.
    TDefWnd* wnd(int id) const;

    void evtShow() override;
    void decInfo(int code, const DecInfo& d);
    void evtResize() override;
    void evtKeyup(int key) override;
    bool evtEvent(QEvent* e) override;

    int m_curUserIdx = 0;  // user shown as current in the user section
    int m_loggedIn = 0;    // a user is logged in
    int m_logoutSec = 0;   // auto-logout countdown, seconds
    int m_initDone = 0;    // the device bring-up has finished
    int m_upgrade = 0;     // run the firmware upgrade after the event loop
    int m_powerOff = 0;    // wait for power-off after the event loop
    int m_osdOn = 0;       // the OSD section's osdOn, taken at bring-up
    int m_skipPopup = 0;   // the right button does not open the menu
    int m_prevDevice = 0;  // display device, resolution and HD spot output
    int m_prevRes = 0;     //   last applied (taken at construction)
    int m_prevSpotHd = 0;

signals:
    void sg_init();
    void sg_shutdown();
    void sg_afterShow(int id, int shown);
    void sg_ctrlStatus(int code, QString title, QString text);

public slots:
    // The device bring-up, once, 500 ms after the first show.
    void sl_initDvr();
    // A stop (a stop request, Power Off's step, the upgrade's end): remote
    // changes are refused from now on, a pop-up menu open closes, and the
    // shutdown (shutdownNow) runs between handlers once the apply runs
    // taken have ended.
    void sl_shutdown();
    void sl_timeoutPopup();

protected:
    // The S.M.A.R.T. warnings of the start: overheated disks logged, and the
    // warning box with the error lines, else with the temperature lines.
    void showSmartWarnings();
    void moveEvent(QMoveEvent* e) override;

private:
    TDefWnd* m_wnd[WND_SLOTS] = {};
    QRegion m_regions[WND_SLOTS];
    QTimer* m_popupTimer = nullptr;
    int m_bringUpStarted = 0; // the bring-up timer was started
    int m_shuttingDown = 0;   // the device layer is being stopped
    int m_stopDue = 0;        // a stop was asked for and waits for its moment

    // A stop begins (a stop request, Power Off, the upgrade's end): the
    // facade refuses remote changes from now on (and no bring-up comes), and
    // the stop watcher bounds the time to the end of the event loop. Again
    // changes nothing.
    void beginStop();
    // The shutdown proper, run only between handlers (TApplication): logs
    // it, stops the device layer and quits the event loop. Nothing while an
    // apply run is under way (the last run's end asks again), nor twice.
    void shutdownNow();

    // Mouse drag state; resetCursor clears it, the view area drives it.
    int m_pressed = 0;
    int m_bDrag = 0;
    int m_pressIdx = -1;
    int m_releaseIdx = -1;

    // ======== Live layouts, sequence and audio (tmain-layout.cpp) ========
public:
    // Switch by layout and channel (layout > 0), by cells x channel in the
    // current layout (layout < 0), or to page x.
    void changeLayout(int layout, int x);
    // Switch by layout and channel, or to the next page of the current one.
    void changeLayoutSw(int layout, int x);
    // Toggles the camera sequence.
    void seqLayout(int unused);
    void stopSequence();
    // One tick of the camera sequence: after the dwell, the next page with
    // a camera to show.
    void tickSequence();
    void selAudio(int ch);
    void audioOff();
    // The audio of the view (layout, page): the one just set in the layout
    // thread, which the facade shows only once that thread has run; -1 is
    // the view shown.
    void selAudioByLayout(int live, int fromConfig, int layout = -1, int page = -1);
    // Shutdown 500 ms later.
    void shutdownLater();
    // The switch protocol: waits up to waitMs for the switch that runs, sets
    // the next target and starts it; resetZoom drops the digital zoom.
    // Layout changes wait 500 ms and drop the zoom; the event pop-up and its
    // restore wait 250 ms and keep it.
    void switchLayout(int layout, int page, int waitMs, bool resetZoom);
    // The layout thread, for the areas that redisplay the current page
    // (set(-1, -1) and kick, without waiting).
    TSplitTh* splitTh() const { return m_splitTh; }

    void connectTo() override;

    int m_seqOn = 0;       // camera sequence running
    int m_seqCnt = 0;      // ticks since the last step
    int m_nMainSeqDur = 0; // dwell, ticks
    int m_audioCh = -1;    // live audio channel, -1 off

    // Digital zoom of the live view; every layout change drops it.
    double m_zoomRatio = 1.0;
    QRect m_zoomRect{0, 0, -1, -1};
    QPoint m_ptStart;
    QPoint m_ptEnd;

public slots:
    void sl_fromSplit(int layout, int num);
    void sl_umountUsb();

private:
    TSplitTh* m_splitTh = nullptr;

    // ======== Status box (tmain-status.cpp) ========
public slots:
    // Drives the status box: 2224 shows it with a title and a text, 2226
    // replaces them, 2225 hides it.
    void sl_ctrlStatus(int code, QString title, QString text);
    // Hides the status box (callers delay it with a single-shot timer).
    void sl_hideStatus();

    // ======== View, mouse and window regions (tmain-view.cpp) ========
public:
    // Shows (show non-zero) or hides the information bar by the bar's
    // settings; in automatic mode the bar stays away unless the cursor is on
    // its place or at the bottom edge, or force is set.
    void showInfo(int show, int force);
    int isInfoVisible() const;
    // The language changed: the windows that hold translated texts follow.
    void evtLanguage() override;
    // Fits a dragged box to the screen's aspect and to the output's largest
    // zoom: the zoom ratio (kept when keepRatio is set), the smallest,
    // largest and current zoom centre, and the zoom rectangle on screen. An
    // output that cannot enlarge (largest zoom 1.0 or less) gives ratio 1.0
    // and a centre that cannot move.
    void calcZoomRatio(const QPoint& start, const QPoint& end, int keepRatio);
    // Repaints the frame of the zoom rectangle shown and of rect, which then
    // becomes the one shown.
    void updateZoomFrame(const QRect& rect);

    int m_rightPress = 0;  // the last press was the right button alone
    QPoint m_pressPos;     // where the left button went down on a tile
    QPoint m_zoomPtStart;  // the zoom centre's smallest, largest and
    QPoint m_zoomPtEnd;    //   current position on screen
    QPoint m_zoomPtCur;
    QPoint m_menuPos;      // where the command menu was last opened
    int m_infoDirty = 0;   // the bar is wanted but held back, or needs a repaint
    QRect m_infoRect;      // the bar's place; a cursor in it keeps the bar up

public slots:
    // A window was shown or hidden: its region (window coordinates) joins
    // or leaves the covered area, and the change of that area is blended.
    void sl_showed(int id, int shown, QRegion region);
    // The tick's delayed show of the information bar.
    void sl_showInfo();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // Connects the main window's and every child window's region reports.
    void connectRegions();
    // The union of the regions of every window.
    QRegion coveredRegion() const;
    // The dragged tile swapped with the one it was dropped on: the display
    // order, the stored order (committed to flash) and the page redrawn.
    void swapTiles(int chA, int chB);
    // The zoom box dragged in the single view, released: false for a box
    // too small to zoom (its frame goes, nothing else happens).
    bool releaseZoomBox();

    QElapsedTimer m_dblClickTime; // since the last double click
    int m_boxing = 0;             // a zoom box is being dragged

    // ======== OSD painting and output resolution (tmain-osd.cpp) ========
public:
    // Applies the output resolution of the display section (the live copy
    // when live is 1, else the edit copy) and places the bars and boxes of
    // the main window for the new screen.
    void changeDisplay(int live);

    QRect m_freezeRect; // where the freeze mark "F" goes

protected:
    // The OSD plane of the live view: dark grey until the device is up;
    // then opaque black (see-through) with the tiles' OSD items, the
    // no-video pictures, the text-in overlays, the zoom frame, the clock
    // while the information bar is away and the freeze mark.
    void paintEvent(QPaintEvent* e) override;

private:
    // cells of the layout's copy wnd are drawn.
    void paintCells(QPainter& p, int oem, const QSize& screen, const VidWnd* wnd, int cells);
    void paintTileOsd(QPainter& p, int oem);
    void paintClock(QPainter& p, const QSize& screen);

public:
    // Where the clock is drawn while the information bar is away (empty
    // without a clock image).
    QRect clockRect(const QSize& screen) const;

private:
    void paintFreeze(QPainter& p);

    // ======== Event pop-ups (tmain-popup.cpp) ========
public:
    // A sensor (3338), motion (3339), video-loss (3340) or text-in (3350)
    // event of camera ch turned on or off: the camera linked to the event
    // pop-up is shown full screen while the event lasts and for the
    // configured dwell after it.
    void runPopup(int code, int ch, int on);
    // One tick of the pop-up: counts down and brings the view back.
    void tickPopup();
    // 1 when a pop-up may show: no playback, no zoom, PTZ or setup window.
    int canPopup() const;

    int m_popCh = -1; // camera of the running pop-up, -1 none
    int m_popCnt = 0; // ticks left

    // ======== Device notifications (tmain-notify.cpp) ========
public:
    // The one-second device tick: watchdog, cursor parking, the information
    // bar's automatic show and hide, the event pop-up, the camera sequence,
    // the auto-logout and the periodic storage refresh, in that order.
    void tickDvr();
    // The firmware version text of a network upgrade as the upgrade screen
    // takes it: UTF-8 in a 256-byte buffer that starts as "0.0.0.0", at
    // most 255 bytes and the terminator.
    static void upgradeVersion(const QString& text, char (&out)[256]);

    int m_idleTicks = 0;    // ticks the mouse cursor did not move
    QPoint m_lastCursor;    // cursor position at the previous tick (global)
    int m_idHold = 0;       // ticks the bar stays up after a remote id change
    int m_storageTick = 0;  // ticks counted for the storage refresh
    int m_infoShown = 0;    // the bar was visible at the last tick
    int m_hddCfgErr = 0;    // a disk marked for the disk alarm is not formatted
    int m_diskErrShown = 0; // the start-up disk error box was shown
    int m_netUpgrade = 0;   // a firmware upgrade from the network runs
    int m_diskCheckOnce = 1; // the start-up disk check is still due
    int m_shuttlePtz = 0;   // shuttle ring as keys: 0, 3 (Return held) or -3
    int m_shuttleLive = 0;  //   with the PTZ window shown, and without it
    char m_upgradeVer[256] = {}; // version text of the last network upgrade

public slots:
    // Receiver of every device notification (queued into the GUI thread).
    void sl_fromDvr(int code, int val1, int val2, int rs_type = 0, QString str = QString(),
                    QString strm = QString());
    // Device notifications that carry a copy of a record: the live motion
    // block goes to the setup menu while it is shown.
    void sl_fromDvrRecord(int code, int val1, int val2, QByteArray record);

private:
    // The shuttle ring at position pos; src 1 the front panel.
    void runShuttle(int src, int pos);
    // Disk error lines of a storage check (9100), S.M.A.R.T. errors (3343)
    // and temperatures (3344) into the message box.
    void diskErrors(int code, int mask);
    // The information bar's disk text from the storage state.
    void updateBarDate();
    // Repaints item item of every placed tile (ch < 0) or of the tile of
    // channel ch, on the search window when it is shown, else here.
    void repaintItem(int item, int ch);
    void repaintRect(const QRect& r);
    // Closes the windows a network upgrade replaces (status box stays).
    void closeForUpgrade();
    // Closes the windows a remote test may not run under (9002).
    void closeForRemoteTest();
    // The search window, closed through its "Exit" when shown.
    TSearchWnd* searchWnd() const;
    void closeSearch();
    // The auto-logout period in seconds (user section).
    int logoutPeriod() const;
    // The window of a slot is shown.
    bool shown(int id) const;

    // ======== Keys (tmain-keys.cpp) ========
public:
    // A device key (notification code, state 1 press, 2 release, 4 held;
    // Qt key): combined keys resolved, the hidden sequence fed, and the key
    // posted to the open menu, to the first window shown, or handled here.
    void keyEvent(int code, int state, int key);
    // The hidden digit sequence of the service output.
    void keySequence(int key);
    // 1 when Escape has a use now (a window is shown, or playback runs and
    // the key is not the front panel's menu/exit key).
    int checkKeyUsage(int key, int devKey);
    // The live key map.
    void evtKeydown(int key) override;

    QString m_keySeq;      // digits typed for the hidden sequence (at most 7)
    QTime m_chKeyTime;     // when 10+ was last pressed; invalid: window closed
    int m_nChKey = 0;      // the camera number being typed

private:
    // A playback key: logged out, the user chooser asks first.
    void playKey(int key);
    // Channel entry with the digit keys and 10+.
    void digitKey(int key, int d);
    // Single view of camera ch.
    void selectCamera(int ch);

    // ======== Menu and commands (tmain-menu.cpp) ========
public:
    // Clears the menu and builds the form of the display mode: the live form
    // with its "Setup" submenu, or the playback form.
    void createMenu();
    // The Menu key: the menu rebuilt and run at (32, 32) of the screen; the
    // entry chosen is run.
    void openMenu();
    // The right button at cursor: the menu rebuilt and run there, kept on
    // the screen with room for the submenu; the entry chosen is run with
    // m_menuPos set to where the menu stood.
    void popupMenu(const QPoint& cursor);
    // The command executor, keyed by the translated label: the login gate,
    // the user's right, then the command. arg is the entry's data (the setup
    // tab, the zoom camera).
    void runMenu(const QString& label, int arg = 0);
    // The right a command needs (0 setup, 1 search, 2 backup, 3 PTZ); -1 for
    // a command that needs none.
    static int rightOf(const QString& label);

    QMenu* m_menu = nullptr;      // the pop-up menu
    QMenu* m_setupMenu = nullptr; // its "Setup" submenu (live form only)

public slots:
    // aboutToShow of the menu and the submenu: their region is reported 1 ms
    // later, once they have their size.
    void sl_mMainshowtm();
    void sl_mSetupshowtm();
    // The region of the menu (id 17) and of the submenu (id 18) to the live
    // view, shown or hidden.
    void sl_mMainshow();
    void sl_mMainhide();
    void sl_mSetupshow();
    void sl_mSetuphide();

private:
    // The "Warning" box with text, over the picture of the video output
    // (the main window may be larger than the picture).
    void refuse(const QString& text);
    // Stops the sequence and shows the window of a slot (placed over the
    // output when placed is set); nothing for an empty slot.
    void openWnd(int id, bool placed);
    void cmdSnapshot(int arg);
    // The search window over the paused playback or the live view.
    void cmdSearch(int arg);
    // The PTZ window over the camera under the menu's point.
    void cmdPtz(int arg);
    void cmdFreeze(int arg);
    void cmdInstantReplay(int arg);
    void cmdSequence(int arg);
    void cmdOsd(int arg);
    void cmdLock(int arg);
    void cmdLogin(int arg);
    void cmdSysInfo(int arg);
    void cmdAlarmCtrl(int arg);
    void cmdShutdown(int arg);
    void cmdDeint(int arg);
    void cmdPanic(int arg);
    void cmdSchedule(int arg);
    void cmdBuzzerOff(int arg);
    void cmdAlarmOff(int arg);

    // ======== Login and lock (tmain-login.cpp) ========
public:
    // 1 when nobody is logged in and the command needs a login; 0 otherwise.
    int needLogin(const QString& label) const;
    // Keeps the command (a menu label, or "STR_KEY_PLAY" with a playback
    // key in arg) for after the login and shows the user chooser.
    void askLogin(const QString& cmd, int arg);
    // Logs the current user out with log event code (Log-Out, Auto-Out).
    void logOut(int code);

    QString m_pendingCmd;    // the command to run after the login
    int m_pendingArg = 0;
    int m_pendingInfoBtn = 0; // information-bar playback button waiting for the login
    int m_loginUserIdx = 0;   // the account chosen, waiting for its password

public slots:
    // The user chooser answered with an account: the password prompt.
    void sl_fromLogin(int code, int user);
    // The text keyboard answered the password prompt.
    void sl_fromPwdVK(int code, QString text);

    // ======== Pop-up tool requests (tmain-tools.cpp) ========
public slots:
    // The system information window's requests on each show: 0 network and
    // users, 1 disks, 2 disk temperatures (the status box closes after it).
    void sl_fromSysInfo(int code);
    // The file chooser's listing (Act_FileInit) and pages (Act_FilePage).
    void sl_fromFile(int cmd, int val, QString path, QString filter);
    // The alarm control window asks for the outputs' state (code 0).
    void sl_fromAlarmCtrl(int code);

    // ======== Search bridge (tmain-search.cpp) ========
public:
    // Answers to the search window (null data: nothing found).
    void searchReply(int code, void* data);
    // The media scan (9101) and mount (9102) the search window asked for:
    // its answer, or the failure in the status box.
    void searchNotify(int code, int val2, int rsType);

public slots:
    // A request of the search window: a code with a value or a query.
    void sl_fromSearch(int code, void* request);

private:
    void searchLoadDay(const SearchQuery* q);
    void searchLoadDb(const SearchQuery* q);
    // One month on (dir 1) or back (-1); at either end the month again.
    void searchStepMonth(int dir);
    void searchBackup();
    // The playback buttons: the speed steps from the rate r on entry.
    void searchPlay(int code, int v, double r);
    // Mounts the medium of an imported backup file.
    void searchMount();

    // ======== Playback bridge (tmain-play.cpp) ========
public:
    // One playback command, by its key (the fast/slow reverse and forward,
    // pause, play and stop keys) or, for any other key, by its command
    // index idx 9..16 (the bar's playback buttons): the rate steps, a
    // frame step for pause, stop back to live. Out of live view the
    // command first starts today's recording five seconds back at its rate.
    void runDecKey(int key, int idx);
    // Back to live view: views restored, live mode, the bar's live
    // buttons, the database closed, the decoder stopped, and the external
    // medium released three seconds later.
    void stopPlay();
    // Playback from the search window at second secs of the loaded day:
    // started when nothing plays, else a seek for mode 0; a rate within
    // -64..64 is applied and shown on the window.
    void runSearchPb(int secs, int mode, double rate);

    QTimer* m_umountTimer = nullptr; // the delayed release after a stop

public slots:
    // A button of the information bar.
    void sl_fromInfobar(int idx);
    // After a window was shown or hidden (its region already taken): the
    // disk-error box's buzzer, the bar's disk text, and the bar's own show
    // or hide 100 ms later.
    void sl_afterShow(int id, int shown);
    // The audio chooser: a playback key, else an audio channel (-1 off).
    void sl_fromAuido(int value);
    // The split chooser's playback keys.
    void sl_from_Remocon(int key);

private slots:
    // The delayed release of the medium after a stop; a copy or estimate
    // under way, or the backup window open, keeps it.
    void sl_umountAfterPlay();

private:
    // The search window shown (playback picture in its area) or hidden
    // (back to live, or playback full screen).
    void searchShown(int shown);
    void cmdExit(int arg);
    void cmdSplit(int arg);
    void cmdAudioOut(int arg);
    // The split chooser over the current layout, the bar hidden.
    void openSplit();
    // The audio chooser on the current audio, the bar hidden.
    void openAudio();

    // ======== Backup bridge (tmain-backup.cpp) ========
public:
    // Pauses playback and shows the backup window, placed over the output:
    // what the Backup command does after its checks, and what the search
    // window's Backup asks for.
    void openBackup();
    // The backup rows of the notification dispatcher: 3337, 8888, 8889,
    // 9101 and 9102 for the backup window, 9103 and 9104. True when the
    // code was taken.
    bool backupNotify(int code, int val1, int val2, int rsType, const QString& strm);
    TBackupWnd* backupWnd() const;

public slots:
    // The backup window's requests (26..36), carried out with the facade.
    void sl_fromBackup(int code, void* a, void* b);

private:
    void cmdBackup(int arg);
    // Starts the copy of the range last estimated; a refusal ends the
    // window's run at once.
    void startCopy();
    // The window's run ended because the device refused: status box and
    // window say so.
    void backupRefused(int text);

    int m_backupType = 0;      // file type chosen last
    int m_backupEstimated = 0; // the facade's range is that of a finished estimate
    int m_backupStartDue = 0;  // the copy starts when the running estimate ends
    BackupRange m_backupRange = {}; // the range the window asked to copy

    // ======== PTZ and zoom bridge (tmain-ptz.cpp) ========
public:
    // The picture that covers the live view (the whole screen while the
    // zoom window shows its camera).
    QRect m_popupRect;

public slots:
    // The zoom window's requests: its camera full screen (0, 3), the zoom
    // (8), its menus' areas (6, 7), and the close back to the layout (2).
    void sl_fromZoom(int code, int a, int b, int c);

private:
    // The zoom window on camera arg (arg < 0: the camera under the menu's
    // point).
    void cmdZoom(int arg);

    // PTZ
public slots:
    // The PTZ window's requests (PtzReq): the camera full screen, moves,
    // presets, the stores of the preset and setup popups, and the end of
    // the control.
    void sl_fromPtz(int code, int channel, int arg);

private:
    // Stores the preset section (the status box up for 2 s), then sets or
    // clears the preset, or re-applies the camera's line and tour.
    void storePresets(int code, int channel, int arg);

    // ======== Setup bridge and apply thread (tmain-setup.cpp) ========
public:
    // Live previews 38-45, 47, 48, 54-58 from the edit copy (values out of
    // range are ignored); 1 when the code is one of them.
    int runPreSetup(int code, int a, int b);
    // Device tests 62, 64, 66, 68 and the disk check 71; 1 for those codes.
    int runApiCmd(int code, int a, int b);
    // The previews sent again from the edit copy (import, factory default).
    void resetPreview();
    // The setup rows of the notification dispatcher: remote setup (9000,
    // 9001, 9002, 9020), the setup window's answers (3352, 9010, 9011,
    // 9013, 9101 and 9102 for window 7) and a network firmware image
    // (9991). True when the code was handled; the dispatcher's own parts of
    // these rows run before the call.
    bool setupNotify(int code, int val1, int val2, int rsType, const QString& str, const QString& strm);
    // The tick's step for the setup window: its date/time page's clock.
    void setupTick();
    // A new clock time t from NTP (6666, 6667), for the date/time page.
    void setupClock(int t);
    // An answer for the setup window while it is visible (3340, 3342, 3341,
    // 9100 and the storage refresh of the tick).
    void setupReply(int code, void* data);
    // Draws the upgrade tool's screen and writes it as a raw RGB565 picture.
    void readyUpgradeImage(const char* szpath, const char* fwr_ver);
    // A firmware version number as the screen shows it (1042: "1.0.4.2").
    static QString versionText(int version);
    TSetupWnd* setupWnd() const;
    TSetupth* setupTh() const { return m_setupTh; }

    int m_localSetup = 0;   // the running apply came from the local menu
    int m_inSetup = 0;      // the setup window is open
    int m_savedAudioCh = -1; // live audio channel when setup opened
    QRect m_pipRect{QPoint(0, 0), QPoint(-1, -1)}; // preview window on screen

public slots:
    // Every setup action the setup window forwards (text: a file name).
    void sl_fromSetup(int code, int a, int b, QString text = QString());
    // The apply thread finished (queued into the GUI thread).
    void sl_setupThEnd();

private:
    void cmdSetup(int arg);
    // Shows the status box now (2224) or updates it (2226).
    void setupStatus(int code, int title, int text);
    // Hides the status box ms from now through the box's one hide timer.
    void hideStatusLater(int ms);
    // The language of the OSD section applied before the apply thread runs.
    void languageCheck();
    // Leaving setup with OK or CANCEL (or for a remote setup).
    void leaveSetup();
    // The power-off screen after the device stopped.
    void powerOffDone();
    // The user section applied: a logged-in user whose id went (or changed,
    // with OK) is logged out.
    void setupUserApplied(const PropUser& before, const PropUser& after, int ok);
    void setLogoutPeriod();
    void previewWindow(int code, int a, int b);

    TSetupth* m_setupTh = nullptr;
};
