#include "tdefbase.h"

#include <QDialog>
#include <QKeyEvent>

template <class Base>
TDefBase<Base>::TDefBase(QWidget* parent, Qt::WindowFlags flags, int id, QSize size)
    : Base(parent, flags),
      m_id(id),
      m_parent(parent),
      m_rect(0, 0, size.width(), size.height()),
      m_region(m_rect),
      m_bgImage(nullptr),
      m_curCtrl(nullptr)
{
    this->resize(size);
}

template <class Base> void TDefBase<Base>::init(int) {}
template <class Base> void TDefBase<Base>::connectTo() {}
template <class Base> void TDefBase<Base>::disconnectFrom() {}
template <class Base> void TDefBase<Base>::evtReserved() {}
template <class Base> void TDefBase<Base>::evtShow() {}
template <class Base> void TDefBase<Base>::evtHide() {}
template <class Base> void TDefBase<Base>::evtResize() {}
template <class Base> void TDefBase<Base>::evtPaint(QPaintEvent*) {}
template <class Base> void TDefBase<Base>::evtKeydown(int) {}
template <class Base> void TDefBase<Base>::evtKeyup(int) {}
template <class Base> void TDefBase<Base>::evtLanguage() {}
template <class Base> bool TDefBase<Base>::evtEvent(QEvent*) { return true; }

template <class Base>
void TDefBase<Base>::keyPressEvent(QKeyEvent* e)
{
    evtKeydown(e->key());
}

template <class Base>
void TDefBase<Base>::keyReleaseEvent(QKeyEvent* e)
{
    evtKeyup(e->key());
}

template <class Base>
void TDefBase<Base>::paintEvent(QPaintEvent* e)
{
    evtPaint(e);
}

template <class Base>
void TDefBase<Base>::resizeEvent(QResizeEvent* e)
{
    m_rect = QRect(m_rect.topLeft(), e->size());
    m_region = QRegion(m_rect);
    evtResize();
}

template <class Base>
bool TDefBase<Base>::event(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange) {
        evtLanguage();
        return false;
    }
    return Base::event(e);
}

template class TDefBase<QWidget>;
template class TDefBase<QDialog>;
