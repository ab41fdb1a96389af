#include "controlenv.h"
#include "tposview.h"

#include <QtTest>

#include <memory>

// The POS text view: rows from the widget height, striping, lines.
class TPosViewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_env.reset(new ControlEnv);
    }

    void cleanup()
    {
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void rowsFromTheHeight()
    {
        const int f = QFontMetrics(QApplication::font()).height();
        const int h = 8 * (f + 2) + 3;
        TPosView v(nullptr, 0, QSize(300, h));
        QCOMPARE(v.lineCount(), 7);
        QCOMPARE(v.lineH(), h / 8);
    }

    void threeLinesInEightRows()
    {
        const int f = QFontMetrics(QApplication::font()).height();
        TPosView v(nullptr, 0, QSize(300, 8 * (f + 2)));
        v.setLines(7);
        QCOMPARE(v.lineCount(), 8);
        v.m_lines = QString("ITEM 1  3.50\nITEM 2  1.25\nTOTAL   4.75").split('\n');
        v.setLines(v.m_lines.size() - 1);
        QCOMPARE(v.lineCount(), 3);
        v.show();
        const QImage img = v.grab().toImage();
        ControlEnv::shot(&v, "pos-3-lines");
        const QColor c33 = g_res->getColor(33), c34 = g_res->getColor(34);
        const int lh = v.lineH();
        // The first row is darker, the second plain, the third darker again;
        // below the separator the background is plain.
        const int x = 298 - 5;
        QCOMPARE(img.pixel(x, lh / 2), c33.darker(120).rgb());
        QCOMPARE(img.pixel(x, lh + lh / 2), c33.rgb());
        QCOMPARE(img.pixel(x, 2 * lh + lh / 2), c33.darker(120).rgb());
        QCOMPARE(img.pixel(x, 3 * lh), c34.rgb());
        QCOMPARE(img.pixel(x, 4 * lh + lh / 2), c33.rgb());
    }

    void linesAreKeptOnceAndRemovedAll()
    {
        TPosView v(nullptr, 0, QSize(200, 100));
        v.addLine("A");
        v.addLine("B");
        v.addLine("A");
        QCOMPARE(v.m_lines, QStringList({"A", "B"}));
        v.m_lines << "A";
        v.removeLine("A");
        QCOMPARE(v.m_lines, QStringList({"B"}));
        v.clear();
        QVERIFY(v.m_lines.isEmpty());
    }

    void shortAndOddSizesPaintSafely_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("lines");
        QTest::newRow("lower than a row") << QSize(200, 5) << 7;
        QTest::newRow("zero") << QSize(0, 0) << 7;
        QTest::newRow("more rows than fit") << QSize(200, 40) << 100000;
        QTest::newRow("negative rows") << QSize(200, 40) << -20;
        QTest::newRow("int max rows") << QSize(200, 40) << 0x7fffffff;
    }

    void shortAndOddSizesPaintSafely()
    {
        QFETCH(QSize, size);
        QFETCH(int, lines);
        TPosView v(nullptr, 0, size);
        QVERIFY(v.lineH() >= 1);
        QVERIFY(v.lineCount() >= 0);
        v.m_lines = QStringList({"one", "two"});
        v.setLines(lines);
        QVERIFY(v.lineCount() >= 0);
        v.show();
        v.refresh();
        v.grab();
    }


private:
    std::unique_ptr<ControlEnv> m_env;
};

QTEST_MAIN(TPosViewTest)
#include "tposviewtest.moc"
