#pragma once
#include "tdefwnd.h"
#include "wndid.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>

class QTimer;
class TSplitTh;

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
    // Logs the shutdown, stops the device layer and quits the event loop.
    void sl_shutdown();
    void sl_timeoutPopup();

protected:
    void moveEvent(QMoveEvent* e) override;

private:
    TDefWnd* m_wnd[WND_SLOTS] = {};
    QRegion m_regions[WND_SLOTS];
    QTimer* m_popupTimer = nullptr;
    int m_bringUpStarted = 0; // the bring-up timer was started
    int m_shuttingDown = 0;   // no bring-up after a shutdown began

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
    void selAudioByLayout(int live, int fromConfig);
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

    // ======== OSD painting and output resolution (tmain-osd.cpp) ========
protected:
    // The live view's background: dark grey until the device is up, then
    // opaque black, which the video output shows through.
    void paintEvent(QPaintEvent* e) override;

    // ======== Event pop-ups (tmain-popup.cpp) ========

    // ======== Device notifications (tmain-notify.cpp) ========

    // ======== Keys (tmain-keys.cpp) ========

    // ======== Menu and commands (tmain-menu.cpp) ========

    // ======== Login and lock (tmain-login.cpp) ========

    // ======== Pop-up tool requests (tmain-tools.cpp) ========

    // ======== Search bridge (tmain-search.cpp) ========

    // ======== Playback bridge (tmain-play.cpp) ========

    // ======== Backup bridge (tmain-backup.cpp) ========

    // ======== PTZ and zoom bridge (tmain-ptz.cpp) ========

    // ======== Setup bridge and apply thread (tmain-setup.cpp) ========
};
