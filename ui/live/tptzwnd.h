#pragma once
#include "focuslink.h"
#include "tdefwnd.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRegion>

class QAction;
class QIcon;
class QPainter;
class QMenu;
class TButton;
class TPtzpreset;
class TPtzsetup;

// The operator's live control of one PTZ camera, over that camera's full
// screen picture: a drag pad that pans and tilts faster the further the
// pointer goes from where it was pressed, minus/plus pairs for zoom, focus
// and iris, a camera menu that switches the camera, and the preset and setup
// popups. Every action becomes a request (PtzReq) the main window executes.
class TPtzWnd : public TDefWnd
{
    Q_OBJECT
public:
    // Buttons: 0..3 the arrows (up, down, left, right), 4..9 zoom out and
    // in, focus near and far, iris close and open, then preset, camera,
    // setup and exit.
    enum {
        BTN_UP = 0, BTN_DOWN = 1, BTN_LEFT = 2, BTN_RIGHT = 3, BTN_ZOOM_WIDE = 4, BTN_IRIS_OPEN = 9,
        BTN_PRESET = 10, BTN_CAMERA = 11, BTN_SETUP = 12, BTN_EXIT = 13, BTN_COUNT = 14
    };
    enum { DEAD_ZONE = 5, MAX_SPEED = 7, FOCUS_COUNT = 10 };
    // Child ids of the camera menu and the popups in requests 39 and 40.
    enum { CHILD_MENU = 0, CHILD_SETUP = 1, CHILD_PRESET = 2 };

    TPtzWnd(QWidget* parent, int id, QSize size);
    ~TPtzWnd() override;

    void setChannel(int ch);
    int channel() const { return m_ch; }
    // The camera menu (0), the setup popup (1) or the preset popup (2) in
    // this window's coordinates; (0,0)-(-1,-1) for another value.
    QRect getChildRect(int which) const;

    // The direction of a pointer at pos from a drag centre: -1 within the
    // dead zone, else 0 up, 1 down, 2 left, 3 right; a diagonal is vertical.
    static int dirOf(const QPoint& centre, const QPoint& pos);
    // The speed of a move in direction dir for a pointer at pos, 1 near the
    // centre growing to 7 at the window's edge of size; never outside 1..7,
    // also for a centre on the window's first row or column.
    static int speedOf(int dir, const QPoint& centre, const QPoint& pos, const QSize& size);
    // The press and release requests of buttons 0..9; -1 for another id.
    static int pressCode(int id);
    static int releaseCode(int id);

    TButton* button(int id) const;
    QMenu* cameraMenu() const { return m_camMenu; }
    TPtzpreset* presetPopup() const { return m_preset; }
    TPtzsetup* setupPopup() const { return m_setup; }
    int dir() const { return m_dir; }
    int speed() const { return m_speed; }
    QPoint dragCentre() const { return m_center; }
    QRegion padRegion() const { return m_padRegion; }

    void init(int param) override;
    void connectTo() override;
    void disconnectFrom() override;
    void evtShow() override;
    void evtHide() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;
    void evtKeyup(int key) override;
    void evtLanguage() override;

signals:
    void sg_request(int code, int channel, int arg);

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_mCamshowtm();
    void sl_mCamshow();
    void sl_mCamhide();
    void sl_timeout();
    void sl_showed(int id, int shown, QRegion region);
    void sl_btnpressed(int id);
    void sl_btnreleased(int id);
    void sl_fromPreset(int kind, int n);
    void sl_fromSet(int code);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    // The popup or menu that takes a key now, null when the key is ours.
    QWidget* keyTarget(int key) const;
    void placeArrows(const QPoint& p, bool show);
    int pickDirection(const QPoint& pos);
    int calcSpeed(const QPoint& pos) const;
    int restSpeed(int live) const;
    void fillCameraMenu();
    void runCameraMenu();
    void openPreset();
    void openSetup();
    void showControls(bool show);
    // Sends the release of a move still held (button, key or drag).
    void stopHeld();
    void sl_camChosen(QAction* a);
    void drawOutlined(QPainter& p, const QRect& r, int flags, const QString& text);

    int m_ch = 0;
    int m_dir = -1;
    int m_speed = 1;
    int m_held = -1;     // button id of the move running, -1 none
    int m_exiting = 0;   // the exit button closes: it sends the close itself
    int m_closeSent = 0; // the close went out for this showing
    QPoint m_center;
    int m_dragging = 0;  // a press set the drag centre
    QRegion m_padRegion;
    int m_ctrlShown = 0;
    TButton* m_btn[BTN_COUNT] = {};
    QIcon* m_icons[5] = {};
    QMenu* m_camMenu = nullptr;
    TPtzsetup* m_setup = nullptr;
    TPtzpreset* m_preset = nullptr;
    QRect m_titleRect;
    QRect m_labelRect[3];
    QFont m_font;
    FocusLink m_focusTable[FOCUS_COUNT] = {};
};
