// The status box and the board test's background window, as the operator
// sees them.
#include "../base/vkeytestenv.h"
#include "tbackgrnd.h"
#include "tstatuswnd.h"

#include <QtTest>

class TStatusWndTest : public QObject
{
    Q_OBJECT

    static QImage grabOf(QWidget* w, const QString& name)
    {
        const QImage img = w->grab().toImage();
        img.save(vkeytest::grabPath(name));
        return img;
    }
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

    // What a showing draws, by what was set: the title band, and below it
    // the text or else the lines.
    void drawing_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("titleInk");
        // The body's two halves: a text is centred low in the box, the first line
        // fills the upper one, the second the lower one.
        QTest::addColumn<bool>("upperInk");
        QTest::addColumn<bool>("lowerInk");
        QTest::newRow("title and text") << "Backup" << "Please wait" << QStringList() << true << false << true;
        QTest::newRow("one line") << "" << "" << QStringList{"Please wait"} << false << true << false;
        QTest::newRow("two lines") << "Power Off"
                                   << "" << QStringList{"Now you may unplug the power safely", "to turn the unit off"}
                                   << true << true << true;
        QTest::newRow("nothing") << "" << "" << QStringList() << false << false << false;
    }
    void drawing()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        TStatusWnd box(nullptr, 9, g_res->getSize(9));
        const QImage plain = grabOf(&box, QStringLiteral("status-plain.png"));
        box.setTitle(title);
        box.setLines(lines);
        box.setText(text);
        const QImage img = grabOf(&box, QStringLiteral("status-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
        const int t = g_res->scale(32);
        const int s = (box.height() - t - g_res->scale(12)) / 2;
        QTEST(inked(img, plain, 0, t) > 0, "titleInk");
        // A text is centred in the rest of the box, the first line in the
        // upper half of it; the second line sits in the lower half.
        QTEST(inked(img, plain, t, t + s) > 0, "upperInk");
        QTEST(inked(img, plain, t + s, t + 2 * s) > 0, "lowerInk");
    }

    // With a text set, the lines are not drawn at all.
    void textHidesLines()
    {
        TStatusWnd withLines(nullptr, 9, g_res->getSize(9));
        withLines.setLines({QStringLiteral("first line"), QStringLiteral("second line")});
        withLines.setText(QStringLiteral("Success"));
        TStatusWnd textOnly(nullptr, 9, g_res->getSize(9));
        textOnly.setText(QStringLiteral("Success"));
        QCOMPARE(withLines.grab().toImage(), textOnly.grab().toImage());
    }

    // Every showing starts blank; a text set while hidden shows next time.
    void blankAfterHide()
    {
        TStatusWnd box(nullptr, 9, g_res->getSize(9));
        box.setTitle(QStringLiteral("USB Mount"));
        box.setText(QStringLiteral("Please wait..."));
        box.setLines({QStringLiteral("a")});
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.hideWnd();
        QCOMPARE(box.title(), QString());
        QCOMPARE(box.text(), QString());
        QCOMPARE(box.lines(), QStringList());

        box.setText(QStringLiteral("Success"));
        QCOMPARE(box.text(), QStringLiteral("Success"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.text(), QStringLiteral("Success"));
        QVERIFY(box.windowModality() == Qt::ApplicationModal);
    }

    // The background is opaque black from corner to corner.
    void background()
    {
        TBackgrnd back(nullptr, 0, QSize(1280, 720));
        const QImage img = grabOf(&back, QStringLiteral("backgrnd.png"));
        QCOMPARE(img.size(), QSize(1280, 720));
        for (const QPoint& p : {QPoint(0, 0), QPoint(1279, 719), QPoint(640, 360), QPoint(1279, 0)})
            QCOMPARE(img.pixel(p), qRgba(0, 0, 0, 255));
    }
};

QTEST_MAIN(TStatusWndTest)
#include "tstatuswndtest.moc"
