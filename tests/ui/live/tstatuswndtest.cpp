// The status box and the board test's background window, as the operator
// sees them.
#include "../base/vkeytestenv.h"
#include "tbackgrnd.h"
#include "tstatuswnd.h"

#include <QtTest>

class TStatusWndTest : public QObject
{
    Q_OBJECT

    // Pixels of the band (y0..y1) that differ from the plain box.
    static int inked(const QImage& img, const QImage& plain, int y0, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < img.width(); ++x)
                n += img.pixel(x, y) != plain.pixel(x, y);
        return n;
    }

private slots:
    void initTestCase() { vkeytest::setUpGlobals(); }

    // The title sits in its band; a text is centred low in the body; lines
    // fill the body's two halves in turn; nothing set draws nothing.
    void drawing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QVector<bool>>("ink"); // title band, upper half, lower half
        QTest::newRow("title and text") << "Backup" << "Please wait" << QStringList() << QVector<bool>{1, 0, 1};
        QTest::newRow("one line") << "" << "" << QStringList{"Please wait"} << QVector<bool>{0, 1, 0};
        QTest::newRow("two lines") << "Power Off" << "" << QStringList{"Now you may unplug the power safely", "to turn the unit off"} << QVector<bool>{1, 1, 1};
        QTest::newRow("nothing") << "" << "" << QStringList() << QVector<bool>{0, 0, 0};
    }
    void drawing()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        TStatusWnd box(nullptr, 9, g_res->getSize(9));
        const QImage plain = box.grab().toImage();
        box.setTitle(title);
        box.setLines(lines);
        box.setText(text);
        const QImage img = box.grab().toImage();
        img.save(vkeytest::grabPath(QStringLiteral("status-%1.png").arg(QTest::currentDataTag()).replace(' ', '-')));
        const int t = g_res->scale(32);
        const int s = (box.height() - t - g_res->scale(12)) / 2;
        const QVector<bool> ink{inked(img, plain, 0, t) > 0, inked(img, plain, t, t + s) > 0,
                                inked(img, plain, t + s, t + 2 * s) > 0};
        QTEST(ink, "ink");
    }

    // The background is opaque black from corner to corner.
    void background()
    {
        TBackgrnd back(nullptr, 0, QSize(1280, 720));
        const QImage img = back.grab().toImage();
        img.save(vkeytest::grabPath(QStringLiteral("backgrnd.png")));
        QCOMPARE(img.size(), QSize(1280, 720));
        for (const QPoint& p : {QPoint(0, 0), QPoint(1279, 719), QPoint(640, 360), QPoint(1279, 0)})
            QCOMPARE(img.pixel(p), qRgba(0, 0, 0, 255));
    }
};

QTEST_MAIN(TStatusWndTest)
#include "tstatuswndtest.moc"
