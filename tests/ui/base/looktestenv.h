#pragma once
// What a window draws, compared between its buttons: the face of a button
// (its icon left of the text) and the rows of selector buttons whose looks
// do not follow their states.
#include "tbutton.h"

#include <QImage>
#include <QMap>
#include <QStringList>
#include <QVector>

namespace looktest {

// The face of a button left of its text: the icon's first columns.
inline QVector<QRgb> face(QWidget* b)
{
    const QImage img = b->grab().toImage();
    QVector<QRgb> out;
    for (int x = 0; x < 3 && x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            out << img.pixel(x, y);
    return out;
}

// The shown selector buttons under top (chosen 1 or not chosen 2) in rows
// (same parent and top edge) and columns (same parent, left edge and size).
inline QMap<QString, QList<TButton*>> selectorGroups(QWidget* top)
{
    QMap<QString, QList<TButton*>> groups;
    for (TButton* b : top->findChildren<TButton*>()) {
        if (!b->isVisible() || !b->isEnabled() || (b->state() != 1 && b->state() != 2) || b->isCheckable())
            continue;
        void* parent = b->parentWidget();
        groups[QString::asprintf("row %p:%d", parent, b->y())] << b;
        groups[QString::asprintf("column %p:%d:%dx%d", parent, b->x(), b->width(), b->height())] << b;
    }
    // A button alone in its column or row is no group.
    for (auto it = groups.begin(); it != groups.end();)
        it = it->size() < 2 ? groups.erase(it) : it + 1;
    return groups;
}

// Each group of selectorGroups whose chosen buttons do not all wear one lit
// face and the others one plain face, as "n buttons at x, y of class".
inline QStringList wrongLooks(QWidget* top)
{
    const QMap<QString, QList<TButton*>> rows = selectorGroups(top);
    QStringList wrong;
    for (const QList<TButton*>& row : rows) {
        QList<QVector<QRgb>> lit, plain;
        for (TButton* b : row)
            (b->state() == 1 ? lit : plain) << face(b);
        if (lit.isEmpty() || plain.isEmpty())
            continue;
        bool ok = !lit.contains(plain.first());
        for (const QVector<QRgb>& p : plain)
            ok = ok && p == plain.first();
        for (const QVector<QRgb>& l : lit)
            ok = ok && l == lit.first();
        if (!ok)
            wrong << QString("%1 buttons at %2, %3 of %4")
                         .arg(row.size())
                         .arg(row.first()->x())
                         .arg(row.first()->y())
                         .arg(row.first()->parentWidget()->metaObject()->className());
    }
    return wrong;
}

// The number of selector groups under top that have a chosen and an
// unchosen button (the groups wrongLooks judges).
inline int selectorRows(QWidget* top)
{
    int n = 0;
    for (const QList<TButton*>& row : selectorGroups(top)) {
        int states = 0;
        for (TButton* b : row)
            states |= b->state();
        n += states == 3;
    }
    return n;
}

} // namespace looktest
