#include "tdefdlg.h"

#include <QKeyEvent>
#include <QTimer>

TDefDlg::TDefDlg(QWidget* parent, int id, QSize size)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::CustomizeWindowHint),
      m_id(id),
      m_parent(parent),
      m_rect(0, 0, size.width(), size.height()),
      m_region(m_rect),
      m_bgImage(nullptr),
      m_curCtrl(nullptr)
{
    resize(size);
}

void TDefDlg::init(int) {}
void TDefDlg::connectTo() {}
void TDefDlg::disconnectFrom() {}
void TDefDlg::evtReserved() {}
void TDefDlg::evtShow() {}
void TDefDlg::evtHide() {}
void TDefDlg::evtResize() {}
void TDefDlg::evtPaint(QPaintEvent*) {}
void TDefDlg::evtKeydown(int) {}
void TDefDlg::evtKeyup(int) {}
void TDefDlg::evtLanguage() {}
bool TDefDlg::evtEvent(QEvent*) { return true; }

QRect TDefDlg::wndRect() const
{
    return m_rect;
}

QRegion TDefDlg::region() const
{
    return m_region;
}

void TDefDlg::sl_shown()
{
    emit sg_showed(m_id, 1, m_region);
}

// The dialog's own keys (Escape rejects, Enter presses the default button)
// are replaced: the hooks decide everything.
void TDefDlg::keyPressEvent(QKeyEvent* e)
{
    evtKeydown(e->key());
}

void TDefDlg::keyReleaseEvent(QKeyEvent* e)
{
    evtKeyup(e->key());
}

void TDefDlg::paintEvent(QPaintEvent* e)
{
    evtPaint(e);
}

void TDefDlg::resizeEvent(QResizeEvent* e)
{
    m_rect = QRect(m_rect.topLeft(), e->size());
    m_region = QRegion(m_rect);
    evtResize();
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
    if (e->type() == QEvent::LanguageChange) {
        evtLanguage();
        return false;
    }
    if (!evtEvent(e))
        return false;
    return QDialog::event(e);
}
