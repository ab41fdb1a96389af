// The selection grids of the motion and privacy pages on their own: cells
// under the mouse, a drag's new value, presses on the frame lines, the
// keyboard's edit mode with its wrapping, live motion drawn only on the
// area and never during a selection, and the privacy grid's hold on a drag.
#include "../base/vkeytestenv.h"
#include "gridtestenv.h"
#include "tkeys.h"
#include "tmotiongrid.h"
#include "tprivategrid.h"

#include <QSignalSpy>
#include <QtTest>

using namespace gridtest;

namespace {

enum { Cell = 10 };

// A point inside cell (x, y) of a grid of 10-pixel cells; frame lines and
// outside points as given.
QPoint at(int x, int y)
{
    return QPoint(1 + x * Cell + Cell / 2, 1 + y * Cell + Cell / 2);
}

struct Grid
{
    Grid(int x, int y) : g(nullptr, x, y)
    {
        g.resize(x * Cell + 2, y * Cell + 2);
        g.setPreviewOn(true);
        g.show();
    }
    QString cells() const
    {
        QString s;
        for (int y = 0; y < g.rows(); ++y) {
            for (int x = 0; x < g.cols(); ++x)
                s += g.cell(x, y) ? '#' : '.';
            s += '/';
        }
        return s;
    }
    void key(int k) { g.isLock(k); }
    void enterEdit()
    {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier);
        QApplication::sendEvent(&g, &e);
    }
    TMotionGrid g;
};

QString requests(const QSignalSpy& spy)
{
    QStringList out;
    for (const QList<QVariant>& r : spy)
        out << QString("%1:%2,%3").arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt());
    return out.join(' ');
}

} // namespace

class TSelGridTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // Mouse on a 6 x 5 grid whose cell (5, 4) is set: the new value is the
    // opposite of the cell at (max x, max y); the frame lines and a drag
    // ending left of the grid change nothing.
    void mouseDrags_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("sent");
        QTest::newRow("a click toggles its cell") << at(2, 1) << at(2, 1)
                                                  << "....../..#.../....../....../.....#/" << "0:2,1 1:2,1";
        QTest::newRow("(5,2) to (1,4) takes the opposite of (5,4)")
            << at(5, 2) << at(1, 4) << "....../....../....../....../....../" << "0:5,2 1:1,4";
        QTest::newRow("(1,4) to (5,2): the same opposite")
            << at(1, 4) << at(5, 2) << "....../....../....../....../....../" << "0:1,4 1:5,2";
        QTest::newRow("(0,4) to (4,4): (4,4) clear, all set")
            << at(0, 4) << at(4, 4) << "....../....../....../....../######/" << "0:0,4 1:4,4";
        QTest::newRow("(0,0) to (4,3): (4,3) is clear, all set")
            << at(0, 0) << at(4, 3) << "#####./#####./#####./#####./.....#/" << "0:0,0 1:4,3";
        QTest::newRow("press on the right frame line") << QPoint(61, 15) << at(0, 0)
                                                       << "....../....../....../....../.....#/" << "";
        QTest::newRow("press on the bottom frame line") << QPoint(15, 51) << at(0, 0)
                                                        << "....../....../....../....../.....#/" << "";
        QTest::newRow("drag ending left of the grid") << at(3, 3) << QPoint(-30, 35)
                                                      << "....../....../....../....../.....#/" << "0:3,3 3:-3,3";
        QTest::newRow("drag leaving right ends at the last cell inside")
            << at(3, 0) << QPoint(200, 5) << "...#../....../....../....../.....#/" << "0:3,0 1:3,0";
    }
    void mouseDrags()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        Grid g(6, 5);
        uint32_t rows[32] = {};
        rows[4] = 1u << 5;
        g.g.setData(rows);
        QSignalSpy spy(&g.g, &TSelGrid::sg_request);
        drag(&g.g, from, to);
        QTEST(g.cells(), "cells");
        QTEST(requests(spy), "sent");
        QVERIFY(!g.g.selecting());
    }

    // Keys in edit mode: the arrows wrap in their row or column, the jog
    // runs through the cells row by row; Enter twice applies A..E.
    void keyboard_data()
    {
        QTest::addColumn<QVector<int>>("keys");
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QString>("sent");
        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down, E = Qt::Key_Enter;
        QTest::newRow("Left at column 0 wraps in the row") << QVector<int>{L} << QPoint(5, 0) << "";
        QTest::newRow("Up at row 0 wraps in the column") << QVector<int>{U} << QPoint(0, 3) << "";
        QTest::newRow("jog 14 at (0,0) goes to (X-1,Y-1)") << QVector<int>{int(KEY_JOG_LEFT)} << QPoint(5, 3) << "";
        QTest::newRow("jog 15 at the row's end goes down")
            << QVector<int>{L, int(KEY_JOG_RIGHT)} << QPoint(0, 1) << "";
        QTest::newRow("Enter, move, Enter applies") << QVector<int>{R, E, R, R, D, E} << QPoint(3, 1)
                                                    << "0:1,0 1:3,1";
        QTest::newRow("Escape drops the selection") << QVector<int>{E, R, int(Qt::Key_Escape)} << QPoint(1, 0)
                                                    << "0:0,0 3:1,0";
    }
    void keyboard()
    {
        QFETCH(QVector<int>, keys);
        Grid g(6, 4);
        QSignalSpy spy(&g.g, &TSelGrid::sg_request);
        QCOMPARE(g.g.isLock(Qt::Key_Left), 0); // outside edit mode the page has the keys
        g.enterEdit();
        QVERIFY(g.g.editMode());
        for (int k : keys)
            QCOMPARE(g.g.isLock(k), 1);
        QTEST(g.g.anchor(), "anchor");
        QTEST(requests(spy), "sent");
        if (QTest::currentDataTag() == QByteArray("Enter, move, Enter applies"))
            QCOMPARE(g.cells(), QString(".###../.###../....../....../"));
    }

    // Escape in edit mode with no selection leaves edit mode and is taken;
    // the second Escape is the page's.
    void escapeKept()
    {
        Grid g(4, 4);
        g.enterEdit();
        QCOMPARE(g.g.isLock(Qt::Key_Escape), 1);
        QVERIFY(!g.g.editMode());
        QCOMPARE(g.g.isLock(Qt::Key_Escape), 0);
    }

    // Live motion: red only on cells of the area, green again when it ends;
    // a block that comes during a selection is dropped.
    void liveMotion()
    {
        Grid g(4, 3);
        uint32_t area[32] = {};
        area[1] = 0x3; // cells (0,1) and (1,1)
        g.g.setData(area);
        const auto colour = [&](int x, int y) { return g.g.image().pixelColor(at(x, y) - QPoint(1, 1)); };
        QCOMPARE(colour(0, 1), QColor(0, 255, 0));
        uint32_t live[32] = {};
        live[1] = 0x1 | 0x4; // (0,1) in the area, (2,1) outside it
        live[2] = 0xffffffffu;
        g.g.setLiveMd(live);
        QTRY_COMPARE(colour(0, 1), QColor(255, 0, 0));
        QCOMPARE(colour(1, 1), QColor(0, 255, 0));
        QCOMPARE(colour(2, 1), QColor(0, 0, 0));
        QCOMPARE(colour(3, 2), QColor(0, 0, 0));
        g.g.grab().save(vkeytest::grabPath("motion-grid-live.png"));
        // A selection starts: the next block waits.
        mouse(&g.g, QEvent::MouseButtonPress, at(3, 0), Qt::LeftButton);
        live[1] = 0;
        g.g.setLiveMd(live);
        QTest::qWait(20);
        QCOMPARE(g.g.liveDrawn(1), 0x5u);
        mouse(&g.g, QEvent::MouseButtonRelease, at(3, 0), Qt::NoButton);
        g.g.setLiveMd(live);
        QTRY_COMPARE(colour(0, 1), QColor(0, 255, 0));
    }

    // The privacy grid holds a mouse drag to the largest zone from its
    // start, ignores points outside, and ends with code 2.
    void privacyHold_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("sent");
        QTest::newRow("held to 3 x 2 cells") << at(1, 1) << at(9, 7) << "0:1,1 2:3,2";
        QTest::newRow("held leftwards too") << at(8, 5) << at(0, 0) << "0:8,5 2:6,4";
        QTest::newRow("outside points ignored") << at(2, 2) << QPoint(-40, -40) << "0:2,2 2:2,2";
        QTest::newRow("right frame line starts nothing") << QPoint(101, 5) << at(0, 0) << "";
    }
    void privacyHold()
    {
        TPrivateGrid g(nullptr, 10, 8, 3, 2);
        g.resize(10 * Cell + 2, 8 * Cell + 2);
        g.setPreviewOn(true);
        g.show();
        QSignalSpy spy(&g, &TSelGrid::sg_request);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        drag(&g, from, to);
        QTEST(requests(spy), "sent");
    }
};

QTEST_MAIN(TSelGridTest)
#include "tselgridtest.moc"
