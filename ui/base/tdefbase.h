#pragma once
#include <QRect>
#include <QRegion>
#include <QWidget>

class QPixmap;

// What the base window (on QWidget) and the base dialog (on QDialog) share:
// the window id, the cached rectangle and region reported to the owner, the
// twelve hooks through which subclasses do their work, and the routing of
// key, paint, resize and language-change events to those hooks. The show
// and hide protocols, and the sg_showed signal they report with, differ
// between the two and stay with each of them.
template <class Base>
class TDefBase : public Base
{
public:
    // The hooks, in this order. Built once by init, connected while shown.
    virtual void init(int param);
    virtual void connectTo();
    virtual void disconnectFrom();
    virtual void evtReserved();
    virtual void evtShow();
    virtual void evtHide();
    virtual void evtResize();
    virtual void evtPaint(QPaintEvent* e);
    virtual void evtKeydown(int key);
    virtual void evtKeyup(int key);
    virtual void evtLanguage();
    virtual bool evtEvent(QEvent* e);

    int id() const { return m_id; }
    QRect wndRect() const { return m_rect; }
    QRegion region() const { return m_region; }

protected:
    TDefBase(QWidget* parent, Qt::WindowFlags flags, int id, QSize size);

    // The Qt handlers hand their events to the hooks; a resize first
    // recomputes the rectangle and the region.
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // A language change runs evtLanguage and goes no further.
    bool event(QEvent* e) override;

    int m_id;
    QWidget* m_parent;
    QRect m_rect;
    QRegion m_region;
    QPixmap* m_bgImage;
    QWidget* m_curCtrl;
};
