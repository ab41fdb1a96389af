#pragma once
#include "tdefwnd.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class QAction;
class QIcon;
class QMenu;
class QTimer;
class TButton;

// The digital zoom window: one camera full screen, enlarged x2 up to the
// output's largest zoom, with a small overview on which the enlarged part
// is framed and dragged, arrow keys that move it, ratio keys and a ratio
// menu, and a camera menu. It never touches the device: the zoom goes to
// the main window as request 8 (ratio x 100 and the part's position on
// each axis x 100).
class TZoomWnd : public TDefWnd
{
    Q_OBJECT
public:
    enum { BTN_CAMERA = 0, BTN_RATIO = 1, BTN_EXIT = 2, BTN_COUNT = 3 };
    enum { Act_ZoomLayout = 0, Act_ZoomClose = 2, Act_ZoomStart = 3, Act_ZoomMenuShow = 6, Act_ZoomMenuHide = 7,
           Act_ZoomArea = 8 };

    TZoomWnd(QWidget* parent, int id, QSize size);
    ~TZoomWnd() override;

    void setChannel(int ch);
    int channel() const { return m_ch; }
    int ratio() const { return m_ratio; }
    // Where the open menu stands (the camera menu when none is open), in
    // this window's coordinates.
    QRect getMenuRect(int which) const;
    QRect frameRect() const { return m_frameRect; }
    QRect innerRect() const { return m_innerRect; }
    TButton* button(int id) const;
    QMenu* cameraMenu() const { return m_camMenu; }
    QMenu* ratioMenu() const { return m_zoomMenu; }
    QString title() const;

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
    void sg_request(int code, int a, int b, int c);

public slots:
    void sl_btnclicked(int id, int state = 0);
    void sl_mCamshowtm();
    void sl_mCamshow();
    void sl_mCamhide();
    void sl_mZoomshowtm();
    void sl_mZoomshow();
    void sl_mZoomhide();
    void sl_showed(int id, int shown, QRegion region);
    void sl_timeout();
    // The 100 ms pace of the drag steps.
    void sl_checkZoom();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private slots:
    void sl_camChosen(QAction* a);
    void sl_ratioChosen(QAction* a);

private:
    // The largest ratio the output takes, at least 2.
    double maxRatio() const;
    void fillMenus();
    // One overview step: the part centred on p (the middle for (0,0)),
    // kept in the frame; sent while the window is shown.
    void drawZoomArea(const QPoint& p);
    void drawOverview(int x, int y, int innerW, int innerH);
    void setCurFromOffsets(int b, int c);
    void changeRatio(int px, int py, int delta);
    void calcZoomPt(double dx, double dy, double oldRatio, double newRatio);
    void placeMenu(QMenu* menu, TButton* under, int entries, int current);
    void exitZoom();

    int m_ch;
    int m_ratio;
    QPoint m_zoomPtCur;
    QPoint m_zoomPtStart;
    QPoint m_zoomPtEnd;
    QImage m_overview;
    QRect m_frameRect;
    QRect m_innerRect;
    QPoint m_dragStart;
    int m_cnt;
    int m_dragCnt;
    int m_ctrlShown;
    QRect m_titleRect;
    TButton* m_btn[BTN_COUNT];
    QIcon* m_icon;
    QMenu* m_camMenu;
    QMenu* m_zoomMenu;
    QTimer* m_timer;
};
