#include "tdefwnd.h"
#include "uibaselog.h"

#include <QTimer>

TDefWnd::TDefWnd(QWidget* parent, int id, QSize size)
    : TDefBase(parent, Qt::FramelessWindowHint, id, size), m_shown(0)
{
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
