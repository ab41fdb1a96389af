#pragma once
#include <QRect>
#include <QRegion>
#include <QWidget>

class QPixmap;

// Base of every window of the recorder: a frameless widget of fixed size with
// an id, twelve hooks through which subclasses do their work, and the show and
// hide protocol that reports the window's region to its owner so the owner can
// cut it out of the video overlay.
class TDefWnd : public QWidget
{
    Q_OBJECT
public:
    TDefWnd(QWidget* parent, int id, QSize size);

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
    int isShown() const { return m_shown; }
    QRect wndRect() const;
    QRegion region() const;
    // Hides the window and reports it; a plain hide() reports nothing.
    void hideWnd();
    // Places the window centred over another one (even x offset only).
    void moveCenter(QWidget* over);

signals:
    void sg_showed(int id, int shown, QRegion region);

public slots:
    void sl_shown();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool event(QEvent* e) override;

    int m_id;
    int m_shown;
    QWidget* m_parent;
    QRect m_rect;
    QRegion m_region;
    QPixmap* m_bgImage;
    QWidget* m_curCtrl;
};
