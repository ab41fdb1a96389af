#pragma once
// A one-row form for the key-lock controls: a button, the control under test
// and a second button, linked left to right and shown active.
#include "formwnd.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

template <class C>
struct RowForm
{
    FormWnd w{QSize(400, 60)};
    QPushButton* left = new QPushButton("L", &w);
    C* ctrl;
    QPushButton* right = new QPushButton("R", &w);

    template <class Make>
    RowForm(Make make, int width) : ctrl(make(&w))
    {
        left->setGeometry(5, 5, 60, 30);
        ctrl->setGeometry(80, 5, width, 30);
        right->setGeometry(300, 5, 60, 30);
        w.linkGrid({{left, ctrl, right}});
        w.show();
        QApplication::setActiveWindow(&w);
    }
    bool ready() { return QTest::qWaitForWindowActive(&w); }
    void key(int k) { sendKey(&w, k); }
    QLineEdit* line() { return ctrl->template findChild<QLineEdit*>(); }
    // Reaches the control from its left neighbour and locks it the way the
    // operator does: arrow, then Enter (a posted Space).
    bool enterEdit()
    {
        left->setFocus();
        key(Qt::Key_Right);
        if (!ctrl->hasFocus())
            return false;
        key(Qt::Key_Return);
        return QTest::qWaitFor([this] { return ctrl->lock() == 1; });
    }
};
