#include "tsetupsmartesata.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tsetupsmartinfo.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
enum { T_ESATA1 = 393, T_ESATA2 = 394 };
}

TSetupSmartEsata::TSetupSmartEsata(QWidget* parent, int id, QSize size)
    : TSetupSmart(parent, id, size, 4, 4, {T_ESATA1, T_ESATA2}, 100)
{
}

void TSetupSmartEsata::init(int background)
{
    TSetupSmart::init(background);
    m_info = new TSetupSmartInfo(this, id(), QSize(ctlScale(560), ctlScale(300)));
    m_info->init(0);
    m_info->hide();
}

TButton* TSetupSmartEsata::esataButton(int k) const
{
    return k == 0 || k == 1 ? static_cast<TButton*>(control(rowExtra(k))) : nullptr;
}

void TSetupSmartEsata::connectTo()
{
    TSetupSmart::connectTo();
    if (m_info)
        connect(m_info, &TDefWnd::sg_showed, this, &TSetupSmartEsata::sl_showed, Qt::UniqueConnection);
}

void TSetupSmartEsata::disconnectFrom()
{
    if (m_info)
        disconnect(m_info, &TDefWnd::sg_showed, this, &TSetupSmartEsata::sl_showed);
    TSetupSmart::disconnectFrom();
}

void TSetupSmartEsata::buttonClicked(int row)
{
    const int k = row - rowExtra(0);
    if (!m_info || k < 0 || k > 1)
        return;
    m_info->setTitle(ctlText(k == 0 ? T_ESATA1 : T_ESATA2));
    m_info->setFirst(k == 0 ? 0 : 6);
    m_info->moveCenter(parentWidget() ? parentWidget() : this);
    m_info->show();
}

void TSetupSmartEsata::initSet(const SmartInfo* s)
{
    if (!s)
        return;
    TSetupSmart::initSet(s);
    if (m_info)
        m_info->setInfo(*s);
}

void TSetupSmartEsata::sl_showed(int, int shown, QRegion)
{
    if (shown || !m_info)
        return;
    TButton* b = esataButton(m_info->title() == ctlText(T_ESATA1) ? 0 : 1);
    if (b && isVisible()) {
        // The menu has the keys again, on the button that opened the window.
        window()->activateWindow();
        b->setFocus(Qt::OtherFocusReason);
        m_curCtrl = b;
    }
}

void TSetupSmartEsata::closeSubWindows()
{
    if (m_info && m_info->isVisible())
        m_info->hideWnd();
}

void TSetupSmartEsata::evtHide()
{
    closeSubWindows();
    TSetupSmart::evtHide();
}

void TSetupSmartEsata::evtKeydown(int key)
{
    // The detail window has the keys while it shows; an Escape closes it,
    // not the setup menu.
    if (m_info && m_info->isVisible()) {
        QCoreApplication::postEvent(m_info, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return;
    }
    TSetupSmart::evtKeydown(key);
}

void TSetupSmartEsata::evtKeyup(int key)
{
    if (m_info && m_info->isVisible()) {
        QCoreApplication::postEvent(m_info, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        return;
    }
    TSetupSmart::evtKeyup(key);
}
