#pragma once
// Driving the selection grids of the motion and privacy pages as an
// operator does: mouse presses, moves and releases at points or cells, and
// the random selections of the seeded runs.
#include "tkeys.h"
#include "tselgrid.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <functional>

namespace gridtest {

inline void mouse(QWidget* w, QEvent::Type type, const QPoint& p, Qt::MouseButtons held)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void drag(QWidget* w, const QPoint& from, const QPoint& to)
{
    mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(w, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

// A point in the middle of cell (x, y).
inline QPoint centre(const TSelGrid* g, int x, int y)
{
    return QPoint(1 + int((x + 0.5) * g->cellWidth()), 1 + int((y + 0.5) * g->cellHeight()));
}

// The seed of a run: DVR_SEED when set, else a fresh one (printed with
// every failure).
inline quint32 seed()
{
    return qEnvironmentVariableIsSet("DVR_SEED") ? quint32(qEnvironmentVariableIntValue("DVR_SEED"))
                                                 : QRandomGenerator::global()->generate();
}

// One random selection on the grid: a drag between two points (frame lines
// and points outside among them), or a keyboard selection through the
// page's keys (key) that stays in the grid's edit mode and leaves it at the
// end. Returns what was done.
inline QString randomSelection(QRandomGenerator& rnd, TSelGrid* g, const std::function<void(int)>& key)
{
    auto coord = [&rnd](int n) {
        switch (rnd.bounded(6)) {
        case 0: return n - 1;               // the right or bottom frame line
        case 1: return 0;                   // the left or top one
        case 2: return -rnd.bounded(1, 40); // outside before
        case 3: return n + rnd.bounded(40); // outside after
        default: return rnd.bounded(n);
        }
    };
    if (rnd.bounded(3) != 0) {
        const QPoint a(coord(g->width()), coord(g->height())), b(coord(g->width()), coord(g->height()));
        drag(g, a, b);
        return QString("drag %1,%2 to %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y());
    }
    QString what = "keys";
    g->setFocus();
    key(Qt::Key_Enter);
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, KEY_JOG_LEFT, KEY_JOG_RIGHT,
                        Qt::Key_Enter, Qt::Key_Escape};
    // An Escape that would leave edit mode waits for the end.
    for (int k = rnd.bounded(2, 14); k > 0 && g->editMode(); --k) {
        const int next = keys[rnd.bounded(g->selecting() ? 8 : 7)];
        what += QString(" %1").arg(next);
        key(next);
    }
    if (g->selecting())
        key(rnd.bounded(2) ? Qt::Key_Enter : Qt::Key_Escape);
    if (g->editMode())
        key(Qt::Key_Escape);
    return what;
}

} // namespace gridtest
