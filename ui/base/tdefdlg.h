#pragma once
#include <QDialog>
#include <QRect>
#include <QRegion>

class QPixmap;

// The base window's twin on QDialog, for the factory board-test dialog: the
// same id, region and twelve hooks; every hide reports itself, and evtEvent
// may swallow any event before the dialog sees it.
class TDefDlg : public QDialog
{
    Q_OBJECT
public:
    TDefDlg(QWidget* parent, int id, QSize size);

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
    QRect wndRect() const;
    QRegion region() const;

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
    QWidget* m_parent;
    QRect m_rect;
    QRegion m_region;
    QPixmap* m_bgImage;
    QWidget* m_curCtrl;
};
