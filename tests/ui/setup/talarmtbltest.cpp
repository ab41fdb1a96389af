// The alarm event table on its own, offscreen: clicks on cells, labels and
// headers, the key edit mode with its wrapping cursor, leaving it by Escape
// or by losing the focus, the header of a one-column table, and counts and
// cell sizes kept within the table.
#include "../base/vkeytestenv.h"
#include "ctlres.h"
#include "talarmtbl.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace {

// A table of 3 outputs by 4 inputs, cells 20 x 10, with the focus.
struct Table
{
    Table(int rows = 3, int cols = 4)
    {
        vkeytest::setUpGlobals();
        host.resize(400, 300);
        t = new TAlarmtbl(&host);
        other = new QLineEdit(&host);
        other->move(0, 270);
        t->setCellSize(20, 10);
        t->setSize(rows, cols);
        t->setLabels({"A", "B", "C"});
        host.show();
        QApplication::setActiveWindow(&host);
        if (!QTest::qWaitForWindowActive(&host))
            qWarning("table host not active");
        spy.reset(new QSignalSpy(t, &TAlarmtbl::sg_request));
    }
    // The key as the page hands it on: a key press for Enter, the edit
    // mode's own handler for the rest.
    void press(int k)
    {
        if (!t->isEditing()) {
            QTest::keyClick(t, Qt::Key(k));
            return;
        }
        t->isLock(k);
    }
    QStringList sent()
    {
        QStringList out;
        for (const QList<QVariant>& r : *spy)
            out << QString("%1,%2,%3").arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt());
        spy->clear();
        return out;
    }

    QWidget host;
    TAlarmtbl* t = nullptr;
    QLineEdit* other = nullptr;
    std::unique_ptr<QSignalSpy> spy;
};

// Keys spelled: E Enter, X Escape, U D L R arrows, < > jog.
int keyOf(QChar c)
{
    switch (c.toLatin1()) {
    case 'E': return Qt::Key_Return;
    case 'X': return Qt::Key_Escape;
    case 'U': return Qt::Key_Up;
    case 'D': return Qt::Key_Down;
    case 'L': return Qt::Key_Left;
    case 'R': return Qt::Key_Right;
    case '<': return KEY_JOG_LEFT;
    default: return KEY_JOG_RIGHT;
    }
}

} // namespace

class TAlarmtblTest : public QObject
{
    Q_OBJECT
private slots:
    // A click toggles a data cell and reports it; labels, headers and the
    // space beyond the grid do nothing.
    void clicks_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("set");
        QTest::newRow("row label") << QPoint(50, 15) << QStringList() << 0;
        QTest::newRow("column header") << QPoint(110, 5) << QStringList() << 0;
        QTest::newRow("corner") << QPoint(5, 5) << QStringList() << 0;
        QTest::newRow("below the grid") << QPoint(110, 45) << QStringList() << 0;
        QTest::newRow("cell row 0 col 0") << QPoint(101, 11) << QStringList{"0,0,1"} << 1;
        QTest::newRow("cell row 2 col 3") << QPoint(179, 39) << QStringList{"2,3,1"} << 1;
    }
    void clicks()
    {
        QFETCH(QPoint, at);
        Table tb;
        QTest::mouseClick(tb.t, Qt::LeftButton, Qt::NoModifier, at);
        QTEST(tb.sent(), "sent");
        int set = 0;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c)
                set += tb.t->cell(r, c);
        QTEST(set, "set");
        // A click never starts the edit mode; a second click turns it off.
        QVERIFY(!tb.t->isEditing());
        QTest::mouseClick(tb.t, Qt::LeftButton, Qt::NoModifier, at);
        for (const QString& s : tb.sent())
            QVERIFY(s.endsWith(",0"));
        QCOMPARE(tb.t->cell(2, 3), 0);
    }

    // The edit mode: Enter starts at row 0, column 0; the cursor wraps as
    // the table's rules say; Enter toggles the cell under it.
    void keys_data()
    {
        QTest::addColumn<QString>("spelled");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("enter starts at 0,0") << "E" << 0 << 0 << QStringList();
        QTest::newRow("jog right on the last cell wraps to 0,0") << "EUL>" << 0 << 0 << QStringList();
        QTest::newRow("jog right at the row's end goes to the next row") << "EL>" << 1 << 0 << QStringList();
        QTest::newRow("jog left on the first cell goes to the last") << "E<" << 2 << 3 << QStringList();
        QTest::newRow("right at the last column stays in the row") << "EDLR" << 1 << 0 << QStringList();
        QTest::newRow("left at the first column stays in the row") << "EDL" << 1 << 3 << QStringList();
        QTest::newRow("up from row 0 wraps in the column") << "ERU" << 2 << 1 << QStringList();
        QTest::newRow("down from the last row wraps") << "EUD" << 0 << 0 << QStringList();
        QTest::newRow("enter toggles, twice back") << "ERDEE" << 1 << 1 << QStringList{"1,1,1", "1,1,0"};
    }
    void keys()
    {
        QFETCH(QString, spelled);
        Table tb;
        tb.t->setFocus();
        for (QChar c : spelled)
            tb.press(keyOf(c));
        QVERIFY(tb.t->isEditing());
        QTEST(tb.t->curRow(), "row");
        QTEST(tb.t->curCol(), "col");
        QCOMPARE(tb.t->focusCell(), QPoint(TAlarmtbl::LABEL_COLS + tb.t->curCol(), tb.t->curRow() + 1));
        QTEST(tb.sent(), "sent");
    }

    // Escape, or the focus going elsewhere, leaves the edit mode without
    // toggling; after that the table takes no key.
    void leaveEdit_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("focus lost") << false;
    }
    void leaveEdit()
    {
        QFETCH(bool, byEscape);
        Table tb;
        tb.t->setFocus();
        tb.press(Qt::Key_Return);
        tb.press(Qt::Key_Right);
        QVERIFY(tb.t->isEditing());
        if (byEscape) {
            QCOMPARE(tb.t->isLock(Qt::Key_Escape), 1);
        } else {
            QTest::mouseClick(tb.other, Qt::LeftButton);
            QTRY_VERIFY(tb.other->hasFocus());
        }
        QVERIFY(!tb.t->isEditing());
        QCOMPARE(tb.t->focusCell(), QPoint(0, 0));
        QCOMPARE(tb.sent(), QStringList());
        // A second Escape is the page's.
        QCOMPARE(tb.t->isLock(Qt::Key_Escape), 0);
        QCOMPARE(tb.t->isLock(Qt::Key_Return), 0);
    }

    // The header shows the input numbers; a one-column table a blank.
    void header_data()
    {
        QTest::addColumn<int>("cols");
        QTest::addColumn<bool>("text");
        QTest::newRow("one column: blank") << 1 << false;
        QTest::newRow("two columns: numbers") << 2 << true;
    }
    void header()
    {
        QFETCH(int, cols);
        QFETCH(bool, text);
        Table tb(3, cols);
        tb.t->setCellSize(30, 30);
        tb.t->setSize(3, cols);
        const QImage img = tb.t->grab().toImage();
        // Text is drawn in the cell colour on the header's frame colour.
        const QRgb ink = ctlColor(33).rgb();
        int inked = 0;
        for (int y = 3; y < 27; ++y)
            for (int x = 5 * 30 + 3; x < 6 * 30 - 3; ++x)
                inked += img.pixel(x, y) == ink ? 1 : 0;
        QCOMPARE(inked > 0, text);
    }

    // Counts beyond the cell store are kept to it, cells are at least one
    // pixel, and loads outside the store are ignored.
    void bounds_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QSize>("size");
        QTest::newRow("within") << 7 << 16 << 10 << QSize(210, 80);
        QTest::newRow("too many") << 40 << 33 << 10 << QSize(250, 250);
        QTest::newRow("none, zero cells") << 0 << -2 << 0 << QSize(6, 2);
    }
    void bounds()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, cell);
        QFETCH(QSize, size);
        Table tb;
        tb.t->setCellSize(cell, cell);
        tb.t->setSize(rows, cols);
        QCOMPARE(tb.t->size(), size);
        QCOMPARE(tb.t->rows(), qBound(1, rows, 24));
        QCOMPARE(tb.t->cols(), qBound(1, cols, 20));
        tb.t->setCell(24, 0, 1);
        tb.t->setCell(0, 20, 1);
        tb.t->setCell(-1, -1, 1);
        QCOMPARE(tb.t->cell(24, 0), 0);
        // A click anywhere on a tiny table stays inside it.
        QTest::mouseClick(tb.t, Qt::LeftButton, Qt::NoModifier, QPoint(size.width() - 1, size.height() - 1));
        QCOMPARE(tb.t->cell(tb.t->rows() - 1, tb.t->cols() - 1), 1);
    }
};

QTEST_MAIN(TAlarmtblTest)
#include "talarmtbltest.moc"
