#include "dal_test.h"

#include <QtTest>

// The stand-in's video outputs: layouts as a real output has them, chains
// checked against the unit, spot overlays copied from the caller.
class DalVoutTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        qunsetenv("DAL_PROFILE");
        dalTestReset();
    }

    void layoutsTileTheScreen_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("big");
        const int rows[][3] = {{1, 1, 0},  {2, 4, 0},  {3, 6, 1},   {4, 9, 0},   {5, 8, 1},   {6, 12, 0},
                               {7, 13, 1}, {8, 10, 2}, {9, 16, 0}, {12, 20, 0}, {16, 25, 0}, {17, 32, 0}};
        for (const auto& r : rows)
            QTest::addRow("layout %d", r[0]) << r[0] << r[1] << r[2];
    }
    void layoutsTileTheScreen()
    {
        QFETCH(int, layout);
        QFETCH(int, cells);
        QFETCH(int, big);
        QCOMPARE(dalTestSetProfile("32"), 0);
        QCOMPARE(DalVoutNumCell(layout), cells);
        QCOMPARE(DalVoutNumBigCell(layout), big);
        // A small cell at least, and fewer big cells than the smallest unit's channels.
        QVERIFY(big < cells && big < 4);
        int32_t chain[32];
        for (int k = 0; k < 32; ++k)
            chain[k] = k % 3 == 2 ? -1 : k;
        chain[0] = 32; // no channel of the unit
        QCOMPARE(DalVoutSetLayout(0, layout, chain), -1);
        chain[0] = 0;
        QCOMPARE(DalVoutSetLayout(0, layout, chain), 0);
        // On the output the unit starts at (the first it lists) the cells
        // cover the screen once, or the video window while one is set
        // (picture in picture); big cells come first.
        VoutCaps caps;
        QCOMPARE(DalVoutGetCaps(&caps), 0);
        const QRect whole(0, 0, caps.outW[0], caps.outH[0]);
        for (const QRect& screen : {whole, QRect(210, 10, 580, 450), whole}) {
            const bool pip = screen != whole;
            QCOMPARE(DalVoutSetViw(0, pip ? screen.x() : 0, pip ? screen.y() : 0, pip ? screen.width() : 0,
                                   pip ? screen.height() : 0),
                     0);
            int32_t num = -1;
            VidWnd wnd[32];
            QCOMPARE(DalVoutGetLayoutInfo(0, 0, &num, wnd), 0);
            QCOMPARE(num, cells);
            QList<QRect> covered;
            int area = 0;
            for (int k = 0; k < num; ++k) {
                const QRect r(wnd[k].x, wnd[k].y, wnd[k].w, wnd[k].h);
                QVERIFY(screen.contains(r));
                for (const QRect& other : covered)
                    QVERIFY(!other.intersects(r));
                covered << r;
                area += r.width() * r.height();
                QCOMPARE(wnd[k].ch, chain[k]);
                QCOMPARE(wnd[k].show, chain[k] >= 0 ? 1 : 0);
                if (k < big)
                    QVERIFY(r.width() > wnd[num - 1].w);
            }
            QCOMPARE(area, screen.width() * screen.height());
        }
    }

    void overlayText_data()
    {
        QTest::addColumn<QString>("format"); // %1: the buffer's address
        QTest::addColumn<int>("result");
        QTest::newRow("title") << "ch:3 src_buf:%1 src_w:4 src_h:2 src_pitch:8" << 0;
        QTest::newRow("null buffer") << "ch:3 src_buf:0 src_w:4 src_h:2 src_pitch:8" << -1;
    }
    void overlayText()
    {
        QFETCH(QString, format);
        QFETCH(int, result);
        uint16_t buf[8] = {1, 2, 3, 4, 5, 6, 7, 0xffff};
        QByteArray text = format.arg(reinterpret_cast<uintptr_t>(buf), 0, 16).toLatin1();
        QCOMPARE(DalCmd("spot_osd", text.data(), text.size()), result);
        buf[7] = 0; // the layer holds its own copy
        uint16_t copy[8] = {};
        QCOMPARE(dalTestVoutOverlay(0, nullptr, copy, sizeof copy), result == 0 ? int(sizeof copy) : -1);
        QCOMPARE(copy[7], uint16_t(result == 0 ? 0xffff : 0));
    }
};

QTEST_GUILESS_MAIN(DalVoutTest)
#include "dalvouttest.moc"
