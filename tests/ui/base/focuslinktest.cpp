#include "focuslink.h"
#include "tkeys.h"

#include <QtTest>
#include <QWidget>

// A shown, active window with rows x cols focusable cells; cell i is
// cells[i]. Focus only exists in an active window, so every case uses one.
class Board
{
public:
    Board(int rows, int cols) : m_rows(rows), m_cols(cols)
    {
        m_win.resize(40 * cols + 10, 30 * rows + 10);
        for (int i = 0; i < rows * cols; ++i) {
            auto* w = new QWidget(&m_win);
            w->setFocusPolicy(Qt::StrongFocus);
            w->setGeometry(5 + 40 * (i % cols), 5 + 30 * (i / cols), 36, 26);
            cells.append(w);
        }
        m_win.show();
        QApplication::setActiveWindow(&m_win);
    }
    bool ready() { return QTest::qWaitForWindowActive(&m_win); }
    void focus(int i) { cells[i]->setFocus(Qt::OtherFocusReason); }
    int indexOf(QWidget* w) const { return w ? cells.indexOf(w) : -1; }
    int focused() const { return cells.indexOf(QApplication::focusWidget()); }

    QVector<QWidget*> cells;

private:
    QWidget m_win;
    int m_rows;
    int m_cols;
};

// A 2 x 2 board linked with wrapping in both directions.
static void linkSquare(const Board& b, FocusLink* t)
{
    QWidget* const* c = b.cells.constData();
    t[0] = {0, c[0], c[1], c[1], c[2], c[2]};
    t[1] = {1, c[1], c[0], c[0], c[3], c[3]};
    t[2] = {2, c[2], c[3], c[3], c[0], c[0]};
    t[3] = {3, c[3], c[2], c[2], c[1], c[1]};
}

class FocusLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void findGivesFocusedEligibleEntry()
    {
        Board b(1, 3);
        QVERIFY(b.ready());
        FocusLink t[] = {{0, nullptr, nullptr, nullptr, nullptr, nullptr},
                         {1, b.cells[0], nullptr, nullptr, nullptr, nullptr},
                         {2, b.cells[1], nullptr, nullptr, nullptr, nullptr}};
        b.focus(1);
        QCOMPARE(focusFind(0, t, 3), b.cells[1]);
        QCOMPARE(focusFind(0, t, 2), nullptr);  // the focused control is past count
        QCOMPARE(focusFind(0, nullptr, 3), nullptr);
        QCOMPARE(focusFind(0, t, 0), nullptr);
    }

    void nothingFocusedGivesNull()
    {
        Board b(1, 3);
        QVERIFY(b.ready());
        b.focus(2);  // not in the table
        FocusLink t[] = {{0, b.cells[0], b.cells[1], b.cells[1], b.cells[1], b.cells[1]},
                         {1, b.cells[1], b.cells[0], b.cells[0], b.cells[0], b.cells[0]}};
        QCOMPARE(focusFind(0, t, 2), nullptr);
        QCOMPARE(focusNextPrev(KEY_JOG_RIGHT, t, 2), nullptr);
        QCOMPARE(focusMove(Qt::Key_Right, t, 2), nullptr);
    }

    void focusedControlHiddenGivesNull()
    {
        Board b(1, 3);
        QVERIFY(b.ready());
        FocusLink t[] = {{0, b.cells[0], b.cells[0], b.cells[0], b.cells[0], b.cells[0]}};
        b.focus(0);
        QCOMPARE(focusFind(0, t, 1), b.cells[0]);
        b.cells[0]->hide();
        QCOMPARE(focusFind(0, t, 1), nullptr);
        QCOMPARE(focusNextPrev(KEY_JOG_LEFT, t, 1), nullptr);
        QCOMPARE(focusMove(Qt::Key_Up, t, 1), nullptr);
    }

    void nextPrev_data()
    {
        // Table entries: cells 0..4 in order, with entry 1 null.
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<QList<int>>("disabled");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("next") << QList<int>{} << QList<int>{} << 0 << int(KEY_JOG_RIGHT) << 2;
        QTest::newRow("prev wraps to last") << QList<int>{} << QList<int>{} << 0 << int(KEY_JOG_LEFT) << 4;
        QTest::newRow("next wraps to first") << QList<int>{} << QList<int>{} << 4 << int(KEY_JOG_RIGHT) << 0;
        QTest::newRow("skips hidden and disabled") << QList<int>{2} << QList<int>{3} << 0 << int(KEY_JOG_RIGHT) << 4;
        QTest::newRow("prev skips back over them") << QList<int>{2} << QList<int>{3} << 4 << int(KEY_JOG_LEFT) << 0;
        QTest::newRow("only one eligible") << QList<int>{0, 2} << QList<int>{3} << 4 << int(KEY_JOG_RIGHT) << 4;
        QTest::newRow("arrow is no jog") << QList<int>{} << QList<int>{} << 0 << int(Qt::Key_Right) << -1;
    }

    void nextPrev()
    {
        QFETCH(QList<int>, hidden);
        QFETCH(QList<int>, disabled);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, expected);
        Board b(1, 5);
        QVERIFY(b.ready());
        FocusLink t[5] = {};
        for (int i = 0; i < 5; ++i) {
            t[i].tag = i;
            t[i].widget = i == 1 ? nullptr : b.cells[i];
        }
        b.focus(start);
        for (int i : hidden)
            b.cells[i]->hide();
        for (int i : disabled)
            b.cells[i]->setEnabled(false);
        QCOMPARE(b.focused(), start);
        QCOMPARE(b.indexOf(focusNextPrev(key, t, 5)), expected);
    }

    void moveOnLinkedGrid_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("disabled");
        QTest::addColumn<int>("expected");
        QTest::newRow("right") << 0 << int(Qt::Key_Right) << -1 << 1;
        QTest::newRow("left wraps") << 0 << int(Qt::Key_Left) << -1 << 1;
        QTest::newRow("up wraps") << 1 << int(Qt::Key_Up) << -1 << 3;
        QTest::newRow("enter is no arrow") << 0 << int(Qt::Key_Return) << -1 << -1;
        QTest::newRow("disabled neighbour, chain back to start") << 0 << int(Qt::Key_Right) << 1 << -1;
    }

    void moveOnLinkedGrid()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, disabled);
        QFETCH(int, expected);
        Board b(2, 2);
        QVERIFY(b.ready());
        FocusLink t[4];
        linkSquare(b, t);
        b.focus(start);
        if (disabled >= 0)
            b.cells[disabled]->setEnabled(false);
        QCOMPARE(b.indexOf(focusMove(key, t, 4)), expected);
        // The function only chooses; the focus stays where it was.
        QCOMPARE(b.focused(), start);
    }

    void moveSkipsHiddenAlongChain()
    {
        // A column of three linked upwards 2 -> 1 -> 0 -> 2 and downwards back.
        Board b(3, 1);
        QVERIFY(b.ready());
        QWidget* const* c = b.cells.constData();
        FocusLink t[] = {{0, c[0], c[0], c[0], c[1], c[2]},
                         {1, c[1], c[1], c[1], c[2], c[0]},
                         {2, c[2], c[2], c[2], c[0], c[1]}};
        b.focus(2);
        QCOMPARE(focusMove(Qt::Key_Up, t, 3), c[1]);
        b.cells[1]->hide();
        // Up from 2 reaches hidden 1 and continues with 1's own up link.
        QCOMPARE(focusMove(Qt::Key_Up, t, 3), c[0]);
        QCOMPARE(focusMove(Qt::Key_Down, t, 3), c[0]);
        // Right links to the control itself.
        QCOMPARE(focusMove(Qt::Key_Right, t, 3), nullptr);
    }

    void moveChainBackToStartGivesNull()
    {
        Board b(1, 3);
        QVERIFY(b.ready());
        QWidget* const* c = b.cells.constData();
        FocusLink t[] = {{0, c[0], c[1], c[2], c[0], c[0]},
                         {1, c[1], c[2], c[0], c[1], c[1]},
                         {2, c[2], c[0], c[1], c[2], c[2]}};
        b.focus(0);
        b.cells[1]->hide();
        QCOMPARE(focusMove(Qt::Key_Right, t, 3), c[2]);
        b.cells[2]->setEnabled(false);
        QCOMPARE(focusMove(Qt::Key_Right, t, 3), nullptr);
        QCOMPARE(focusMove(Qt::Key_Left, t, 3), nullptr);
    }

    void moveNeedsAllFourLinks()
    {
        Board b(1, 2);
        QVERIFY(b.ready());
        QWidget* const* c = b.cells.constData();
        FocusLink t[] = {{0, c[0], c[1], c[1], c[1], nullptr},
                         {1, c[1], c[0], c[0], c[0], c[0]}};
        b.focus(0);
        for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up})
            QCOMPARE(focusMove(key, t, 2), nullptr);
        b.focus(1);
        QCOMPARE(focusMove(Qt::Key_Left, t, 2), c[0]);
    }

    void moveGrid_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<QList<int>>("nulls");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("wrap");
        QTest::addColumn<int>("expected");
        const QList<int> none;
        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;

        // A row of ten.
        QTest::newRow("row: right from last wraps") << 1 << 10 << none << none << 9 << R << 1 << 0;
        QTest::newRow("row: right from last, first hidden") << 1 << 10 << QList<int>{0} << none << 9 << R << 1 << 1;
        QTest::newRow("row: left from first wraps") << 1 << 10 << none << none << 0 << L << 1 << 9;
        QTest::newRow("row: right skips hidden") << 1 << 10 << QList<int>{5, 6} << none << 4 << R << 1 << 7;
        QTest::newRow("row: up stays") << 1 << 10 << none << none << 4 << U << 1 << 4;
        QTest::newRow("row: right without wrap stays") << 1 << 10 << none << none << 9 << R << 0 << 9;

        // 19 rows of two (cell r * 2 + c).
        QList<int> bottom;
        for (int i = 20; i < 38; ++i)
            bottom << i;
        QTest::newRow("tall: up from row 0 wraps to row 18") << 19 << 2 << none << none << 0 << U << 1 << 36;
        QTest::newRow("tall: up keeps the column") << 19 << 2 << none << none << 1 << U << 1 << 37;
        QTest::newRow("tall: up prefers columns to the left") << 19 << 2 << QList<int>{37} << none << 1 << U << 1 << 36;
        QTest::newRow("tall: up skips a row") << 19 << 2 << QList<int>{8, 9} << none << 11 << U << 1 << 7;
        QTest::newRow("tall: down from row 18 wraps") << 19 << 2 << none << none << 37 << D << 1 << 1;
        QTest::newRow("tall: down past hidden bottom falls back to top") << 19 << 2 << bottom << none << 18 << D << 1 << 0;
        QTest::newRow("tall: fallback skips hidden top") << 19 << 2 << (bottom + QList<int>{0}) << none << 19 << D << 1 << 1;
        QTest::newRow("tall: left wraps to the other column") << 19 << 2 << none << none << 6 << L << 1 << 7;
        QTest::newRow("tall: left searches upward first") << 19 << 2 << QList<int>{7} << none << 6 << L << 1 << 5;
        QTest::newRow("tall: left then downward") << 19 << 2 << QList<int>{7, 5, 3, 1} << none << 6 << L << 1 << 9;

        // 3 x 3.
        QTest::newRow("3x3: up over hidden top falls back from the bottom") << 3 << 3 << QList<int>{0, 1, 2} << none << 4 << U << 1 << 6;
        QTest::newRow("3x3: down over hidden bottom falls back to top") << 3 << 3 << QList<int>{6, 7, 8} << none << 4 << D << 0 << 0;
        QTest::newRow("3x3: down at the edge without wrap stays") << 3 << 3 << none << none << 8 << D << 0 << 8;
        QTest::newRow("3x3: up at the edge without wrap stays") << 3 << 3 << none << none << 1 << U << 0 << 1;
        QTest::newRow("3x3: right over a null cell") << 3 << 3 << none << QList<int>{4} << 3 << R << 1 << 1;
        QTest::newRow("3x3: other key goes to the first cell") << 3 << 3 << none << none << 8 << int(Qt::Key_Space) << 1 << 0;
        QTest::newRow("3x3: other key skips hidden first") << 3 << 3 << QList<int>{0} << QList<int>{1} << 8 << int(KEY_JOG_RIGHT) << 1 << 2;
    }

    void moveGrid()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QList<int>, hidden);
        QFETCH(QList<int>, nulls);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, wrap);
        QFETCH(int, expected);
        Board b(rows, cols);
        QVERIFY(b.ready());
        QVector<QWidget*> grid = b.cells;
        for (int i : nulls)
            grid[i] = nullptr;
        b.focus(start);
        for (int i : hidden)
            b.cells[i]->hide();
        QCOMPARE(b.focused(), start);
        QWidget* got = focusMoveGrid(key, grid.data(), rows, cols, wrap);
        QCOMPARE(b.indexOf(got), expected);
        QCOMPARE(b.focused(), expected);
    }

    void moveGridWithoutFocusChangesNothing()
    {
        Board b(2, 2);
        QVERIFY(b.ready());
        b.focus(3);
        QVector<QWidget*> grid = {b.cells[0], b.cells[1], b.cells[2], nullptr};
        QCOMPARE(focusMoveGrid(Qt::Key_Right, grid.data(), 2, 2, 1), nullptr);
        QCOMPARE(b.focused(), 3);
        QCOMPARE(focusMoveGrid(Qt::Key_Right, nullptr, 2, 2, 1), nullptr);
    }

};

QTEST_MAIN(FocusLinkTest)
#include "focuslinktest.moc"
