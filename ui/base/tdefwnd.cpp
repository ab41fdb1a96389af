#include "tdefwnd.h"
#include "uibaselog.h"

#include <QKeyEvent>
#include <QTimer>

TDefWnd::TDefWnd(QWidget* parent, int id, QSize size)
    : QWidget(parent, Qt::FramelessWindowHint),
      m_id(id),
      m_shown(0),
      m_parent(parent),
      m_rect(0, 0, size.width(), size.height()),
      m_region(m_rect),
      m_bgImage(nullptr),
      m_curCtrl(nullptr)
{
    resize(size);
}

void TDefWnd::init(int) {}
void TDefWnd::connectTo() {}
void TDefWnd::disconnectFrom() {}
void TDefWnd::evtReserved() {}
void TDefWnd::evtShow() {}
void TDefWnd::evtHide() {}
void TDefWnd::evtResize() {}
void TDefWnd::evtPaint(QPaintEvent*) {}
void TDefWnd::evtKeydown(int) {}
void TDefWnd::evtKeyup(int) {}
void TDefWnd::evtLanguage() {}
bool TDefWnd::evtEvent(QEvent*) { return true; }

QRect TDefWnd::wndRect() const
{
    return m_rect;
}

QRegion TDefWnd::region() const
{
    return m_region;
}

void TDefWnd::hideWnd()
{
    setVisible(false);
    emit sg_showed(m_id, 0, m_region);
}

void TDefWnd::moveCenter(QWidget* over)
{
    if (!over)
        return;
    // Integer halves truncate toward zero; the horizontal offset stays even.
    const int x = 2 * ((over->width() - width()) / 4);
    const int y = (over->height() - height()) / 2;
    move(over->mapToGlobal(QPoint(x, y)));
}

void TDefWnd::sl_shown()
{
    qCDebug(lcUiBase, "TDefWnd::sl_shown.. m_id:%d", m_id);
    emit sg_showed(m_id, 1, m_region);
}

void TDefWnd::keyPressEvent(QKeyEvent* e)
{
    evtKeydown(e->key());
}

void TDefWnd::keyReleaseEvent(QKeyEvent* e)
{
    evtKeyup(e->key());
}

void TDefWnd::paintEvent(QPaintEvent* e)
{
    evtPaint(e);
}

void TDefWnd::resizeEvent(QResizeEvent* e)
{
    m_rect = QRect(m_rect.topLeft(), e->size());
    m_region = QRegion(m_rect);
    evtResize();
}

void TDefWnd::showEvent(QShowEvent*)
{
    setVisible(true);
    // The owner hears of the window from the event loop, after it painted.
    QTimer::singleShot(1, this, &TDefWnd::sl_shown);
    evtShow();
    connectTo();
    m_shown = 1;
}

void TDefWnd::hideEvent(QHideEvent*)
{
    // A window hidden with its parent is hidden explicitly here, so it stays
    // hidden when the parent comes back. Qt sends that hide a second event;
    // the shown flag keeps the hooks from running twice.
    if (!m_shown)
        return;
    evtHide();
    m_shown = 0;
    disconnectFrom();
    setVisible(false);
}

bool TDefWnd::event(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) {
        evtLanguage();
        return false;
    }
    return QWidget::event(e);
}
