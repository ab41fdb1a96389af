#include "tdefdlg.h"

#include <QEvent>
#include <QTimer>

TDefDlg::TDefDlg(QWidget* parent, int id, QSize size)
    : TDefBase(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::CustomizeWindowHint, id, size)
{
}

void TDefDlg::sl_shown()
{
    emit sg_showed(m_id, 1, m_region);
}

void TDefDlg::showEvent(QShowEvent*)
{
    connectTo();
    evtShow();
    QTimer::singleShot(1, this, &TDefDlg::sl_shown);
}

void TDefDlg::hideEvent(QHideEvent*)
{
    emit sg_showed(m_id, 0, m_region);
    evtHide();
    disconnectFrom();
}

bool TDefDlg::event(QEvent* e)
{
    // Every event but a language change passes evtEvent first.
    if (e->type() != QEvent::LanguageChange && !evtEvent(e))
        return false;
    return TDefBase::event(e);
}
