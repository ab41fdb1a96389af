#include "tsetupsubwnd.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tkeys.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <cstring>

TSetupSubWnd::TSetupSubWnd(QWidget* parent, int id, QSize size, int section, int bytes)
    : TDefWnd(parent, id, size), m_section(section), m_bytes(bytes)
{
    setWindowModality(Qt::ApplicationModal);
}

void* TSetupSubWnd::section() const
{
    return g_cfg ? g_cfg->getsection(m_section, 0) : nullptr;
}

void TSetupSubWnd::keepSnapshot()
{
    if (const void* s = section()) {
        m_backup = QByteArray(static_cast<const char*>(s), m_bytes);
        m_mine = m_backup;
    }
}

void TSetupSubWnd::noteEdit()
{
    if (const void* s = section())
        m_mine = QByteArray(static_cast<const char*>(s), m_bytes);
}

void TSetupSubWnd::cancel()
{
    // The setup menu closes for a remote setup after the remote settings
    // replaced the edit copy: the snapshot must not undo them.
    void* s = section();
    if (s && m_backup.size() == m_bytes && std::memcmp(s, m_mine.constData(), size_t(m_bytes)) == 0)
        std::memcpy(s, m_backup.constData(), size_t(m_bytes));
    hideWnd();
}

bool TSetupSubWnd::keyTaken(int)
{
    return false;
}

QWidget* TSetupSubWnd::arrowMove(int key)
{
    return focusMove(key, m_focus.data(), m_focus.size());
}

void TSetupSubWnd::evtKeydown(int key)
{
    qCDebug(lcUiSetup, "============ %s::evtKeydown(%d) ===========", metaObject()->className(), key);
    if (keyTaken(key))
        return;
    QWidget* next = nullptr;
    switch (key) {
    case Qt::Key_Escape: cancel(); return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        m_curCtrl = focusFind(key, m_focus.data(), m_focus.size());
        if (m_curCtrl)
            QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        return;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: next = focusNextPrev(key, m_focus.data(), m_focus.size()); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: next = arrowMove(key); break;
    default: return;
    }
    if (!next)
        next = firstCtrl();
    next->setFocus(Qt::OtherFocusReason);
    m_curCtrl = next;
}

void TSetupSubWnd::evtKeyup(int key)
{
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_curCtrl)
        QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
}
