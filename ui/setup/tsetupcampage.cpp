#include "tsetupcampage.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tkeys.h"

using namespace SetupAct;

TSetupCamPage::TSetupCamPage(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
}

TButton* TSetupCamPage::lastCamera() const
{
    return cameraButton(qMax(1, videos()) - 1);
}

void TSetupCamPage::init(int background)
{
    TSetupPage::init(background);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].kind == RowMenu && control(i))
            control(i)->hide();
    }
}

void TSetupCamPage::evtKeydown(int key)
{
    const bool jog = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT;
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    // A control that holds the keys (an open list, a grid in edit mode)
    // has the focus, so the table finds a neighbour and the base decides.
    if ((jog || arrow) && !m_focus.isEmpty()) {
        FocusLink* table = m_focus.data();
        const int count = m_focus.size();
        QWidget* next = jog ? focusNextPrev(key, table, count) : focusMove(key, table, count);
        TButton* first = cameraButton(0);
        if (!next && first) {
            if (keyTaken(key))
                return;
            first->setFocus(Qt::OtherFocusReason);
            m_curCtrl = first;
            return;
        }
    }
    TSetupPage::evtKeydown(key);
}

FocusLink* TSetupCamPage::entry(QWidget* w)
{
    for (FocusLink& l : m_focus) {
        if (l.widget == w)
            return &l;
    }
    return nullptr;
}

void TSetupCamPage::keyMatch()
{
    TSetupPage::keyMatch();
    const int col = tabColumnOf(id());
    QWidget* ownItem = m_menu && col >= 0 ? m_menu[1 + id() - kSetupTabs[col].first][0] : nullptr;
    TButton* last = lastCamera();
    // The row's two ends lead into the menu, not round the row.
    if (FocusLink* e = entry(cameraButton(0)))
        e->left = ownItem;
    if (FocusLink* e = entry(last))
        e->right = ownItem;
    // The menu items: right to camera 1, left to the last camera shown.
    for (FocusLink& l : m_focus) {
        if (l.tag != 14 || !m_menu)
            continue;
        for (int i = 1; i < 9; ++i) {
            if (m_menu[i][0] && l.widget == m_menu[i][0])
                l.left = last;
        }
    }
}
