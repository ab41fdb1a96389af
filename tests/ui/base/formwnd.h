#pragma once
// A window the way the recorder's windows handle keys: each key is offered to
// the controls that take keys first (open combo lists, key locks), then the
// arrows walk the focus table, the jog dial walks it in table order, Enter
// presses the focused control through a posted Space and Escape closes.
// Tests send their keys to this window, as the main window posts the keys of
// the front panel and the remote to the window that has them.
#include "focuslink.h"
#include "tcombo.h"
#include "tdate.h"
#include "tdefwnd.h"
#include "tedit.h"
#include "tkeys.h"
#include "tslider.h"
#include "ttime.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QVector>

// Sends a key press and release the way the main window posts the keys of
// the front panel: the key code only, no text (the jog codes are no Qt keys).
inline void sendKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

class FormWnd : public TDefWnd
{
public:
    explicit FormWnd(QSize size, int id = 6) : TDefWnd(nullptr, id, size) {}

    QVector<FocusLink> table;
    QWidget* defCtrl = nullptr;
    QList<TCombo*> combos;
    QList<TSlider*> sliders;
    QList<TDate*> dates;
    QList<TTime*> times;
    int escapes = 0;
    QWidget* curCtrl() const { return m_curCtrl; }

    // Links the controls as a grid with wrapping rows and columns; a null
    // cell repeats its left neighbour so every entry has four links.
    void linkGrid(const QVector<QVector<QWidget*>>& rows)
    {
        table.clear();
        const int nr = rows.size();
        for (int r = 0; r < nr; ++r) {
            const int nc = rows[r].size();
            for (int c = 0; c < nc; ++c) {
                QWidget* w = rows[r][c];
                if (!w)
                    continue;
                auto at = [&](int rr, int cc) {
                    const QVector<QWidget*>& row = rows[(rr + nr) % nr];
                    cc = qMin(cc, row.size() - 1);
                    while (cc > 0 && !row[cc]) --cc;
                    return row[cc];
                };
                FocusLink e{int(table.size()), w, at(r, (c + 1) % nc), at(r, (c - 1 + nc) % nc),
                            at(r + 1, c), at(r - 1, c)};
                table.append(e);
            }
        }
        if (!defCtrl && !table.isEmpty())
            defCtrl = table[0].widget;
    }

    void evtKeydown(int key) override
    {
        for (TCombo* c : combos)
            if (c->keyEvent(key)) return;
        for (TSlider* s : sliders)
            if (s->isLock(key)) return;
        for (TDate* d : dates)
            if (d->isLock(key)) return;
        for (TTime* t : times)
            if (t->isLock(key)) return;
        switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            m_curCtrl = focusMove(key, table.data(), table.size());
            if (!m_curCtrl)
                m_curCtrl = defCtrl;
            if (m_curCtrl)
                m_curCtrl->setFocus(Qt::OtherFocusReason);
            break;
        case KEY_JOG_LEFT:
        case KEY_JOG_RIGHT:
            m_curCtrl = focusNextPrev(key, table.data(), table.size());
            if (!m_curCtrl)
                m_curCtrl = defCtrl;
            if (m_curCtrl)
                m_curCtrl->setFocus(Qt::OtherFocusReason);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            m_curCtrl = focusFind(key, table.data(), table.size());
            if (m_curCtrl)
                QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyPress, pressKey(), Qt::NoModifier));
            break;
        case Qt::Key_Escape:
            ++escapes;
            hideWnd();
            break;
        default:
            break;
        }
    }

    void evtKeyup(int key) override
    {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_curCtrl)
            QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyRelease, pressKey(), Qt::NoModifier));
    }

private:
    // A keyboard field asks for the on-screen keyboard on Return; every other
    // control is pressed with Space.
    int pressKey() const
    {
        auto* e = qobject_cast<TEdit*>(m_curCtrl);
        return e && e->kbd() ? Qt::Key_Return : Qt::Key_Space;
    }
};
