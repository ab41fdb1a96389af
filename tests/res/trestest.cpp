#include "restest.h"
#include "tres.h"
#include "tstyle.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPointer>
#include <QtTest>

class TResTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_sheet = argb(QImage(generatedSheet()));
        QVERIFY2(!m_sheet.isNull(), qPrintable("no generated sheet at " + generatedSheet()));
        QVERIFY(m_loaded.makeStyle(installSheet(m_root)));
    }

    void cleanup()
    {
        g_default = nullptr;
        g_res = nullptr;
        TStyle::setNoFocusFrame(0);
    }

    void emptySlotsGiveSharedPixmap()
    {
        TRes res;
        QVERIFY(!res.getStyle());
        QVERIFY(!res.makeStyle(QString())); // no path given and none stored
        QPixmap* shared = res.getImage(-1);
        QVERIFY(shared);
        QCOMPARE(shared->size(), QSize(1, 1));
        for (int id : {20, 219, 21, 100, 218})
            QCOMPARE(res.getImage(id), shared);
        // Colour ids out of range give black.
        QCOMPARE(m_loaded.getColor(39), QColor(0, 0, 0));
        QCOMPARE(m_loaded.getColor(-1), QColor(0, 0, 0));
        QCOMPARE(m_loaded.getColor(38), QColor(250, 250, 250));
    }

    void everyImageHoldsAPicture()
    {
        // Four-state strips whose states must look different.
        const QList<int> strips = {21, 23, 24, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
                                   57, 59, 60, 67, 68, 70, 71, 72, 73, 86, 87, 106, 157, 175, 180, 181,
                                   183, 186, 187, 192, 215, 218};
        // Bare glyphs (indicators, popup menu pictures) need some ink; the rest
        // must be mostly painted, not a hole in the sheet.
        auto glyphOnly = [](int id) {
            return (id >= 27 && id <= 34) || id == 155 || id == 156 || (id >= 193 && id <= 214);
        };
        const QSet<int> unusedMenu = {197, 198, 212};
        for (int id = 21; id <= 218; ++id) {
            const QImage img = argb(m_loaded.getImage(id)->toImage());
            QVERIFY2(img.width() > 0, qPrintable(QString::number(id)));
            int painted = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    painted += qAlpha(img.pixel(x, y)) > 128;
            if (glyphOnly(id)) {
                if (!unusedMenu.contains(id))
                    QVERIFY2(painted * 20 >= img.width() * img.height(), qPrintable(QString::number(id)));
                continue;
            }
            QVERIFY2(painted * 4 >= img.width() * img.height() * 3, qPrintable(QString::number(id)));
            if (strips.contains(id)) {
                const int w = img.width() / 4;
                const QImage normal = img.copy(0, 0, w, img.height());
                for (int k = 1; k < 4; ++k)
                    QVERIFY2(img.copy(k * w, 0, w, img.height()) != normal,
                             qPrintable(QString("%1 state %2").arg(id).arg(k)));
            }
        }
        // Off and on pictures of indicators and two-image buttons differ.
        for (const auto& pr : {QPair<int, int>(29, 30), {31, 32}, {33, 34}, {155, 156}, {35, 36}, {38, 39},
                               {48, 49}, {56, 57}, {59, 60}, {67, 68}, {87, 86}})
            QVERIFY2(argb(m_loaded.getImage(pr.first)->toImage()) != argb(m_loaded.getImage(pr.second)->toImage()),
                     qPrintable(QString("%1/%2").arg(pr.first).arg(pr.second)));
    }

    void ptzPadLightsItsHitTriangle()
    {
        // A point well inside each hit triangle of the pad: up, down, left, right.
        const QPoint probe[4] = {{20, 12}, {20, 59}, {12, 20}, {59, 20}};
        const QImage idle = argb(m_loaded.getImage(74)->toImage());
        for (int d = 0; d < 4; ++d) {
            for (int pressed = 0; pressed < 2; ++pressed) {
                const int id = 75 + 2 * d + pressed;
                const QImage img = argb(m_loaded.getImage(id)->toImage());
                for (int e = 0; e < 4; ++e) {
                    const bool same = img.pixel(probe[e]) == idle.pixel(probe[e]);
                    QVERIFY2(same == (e != d), qPrintable(QString("image %1 triangle %2").arg(id).arg(e)));
                }
            }
        }
        // Highlighted and pressed pictures of one direction differ.
        for (int d = 0; d < 4; ++d)
            QVERIFY(argb(m_loaded.getImage(75 + 2 * d)->toImage()) != argb(m_loaded.getImage(76 + 2 * d)->toImage()));
    }

    void imagesAreCutFromSheet()
    {
        const int rows[][5] = {{21, 0, 0, 340, 25},       {25, 0, 45, 640, 32},     {63, 0, 4822, 1, 1},
                               {64, 118, 4295, 680, 525}, {146, 0, 4891, 1920, 1080}, {149, 0, 4856, 398, 32},
                               {182, 653, 997, 600, 446}, {218, 1188, 570, 132, 21}};
        for (const auto& r : rows) {
            const QImage got = argb(m_loaded.getImage(r[0])->toImage());
            QVERIFY2(got == m_sheet.copy(r[1], r[2], r[3], r[4]), qPrintable(QString::number(r[0])));
        }
    }

    void coloursEqualSheetPixels()
    {
        // Colour id and its sample point on the sheet.
        const int rows[][3] = {{0, 375, 10},    {1, 650, 55},     {4, 810, 4232},  {5, 810, 4252},
                               {8, 370, 1449},  {17, 330, 2285},  {18, 330, 2285}, {27, 530, 3260},
                               {32, 810, 4833}, {33, 510, 10},    {36, 570, 10},   {37, 590, 10}};
        for (const auto& r : rows)
            QVERIFY2(m_loaded.getColor(r[0]).rgba() == m_sheet.pixel(r[1], r[2]), qPrintable(QString::number(r[0])));
    }

    void coloursFollowTheSheet()
    {
        // Colours come from the file, alpha included, not from built-in values.
        TTestRoot root;
        QImage sheet = m_sheet;
        {
            QPainter p(&sheet);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(580, 0, 20, 20, QColor(200, 0, 200));
            p.fillRect(560, 0, 20, 20, QColor(10, 120, 30, 128));
        }
        const QString path = root.file("/app/img_res.png");
        QVERIFY(sheet.save(path, "PNG"));
        TRes res;
        QVERIFY(res.makeStyle(path));
        QCOMPARE(res.getColor(37), QColor(200, 0, 200));
        // Premultiplied pixels: the colour parts may be off by a rounding step.
        const QColor half = res.getColor(36);
        QCOMPARE(half.alpha(), 128);
        QVERIFY(qAbs(half.red() - 10) <= 2 && qAbs(half.green() - 120) <= 2 && qAbs(half.blue() - 30) <= 2);
    }

    void rescaleChangesResizedImagesInPlace()
    {
        TTestRoot root;
        TRes res;
        QVERIFY(res.makeStyle(installSheet(root)));
        TStyle* style = res.getStyle();
        QPixmap* title = res.getImage(25);
        QPixmap* button = res.getImage(21);
        const QImage buttonBefore = button->toImage();
        res.setScale(0.75);
        QVERIFY(res.makeStyle(QString())); // reload from the stored path
        QCOMPARE(res.getStyle(), style);
        QCOMPARE(res.getImage(25), title);
        QCOMPARE(title->size(), QSize(480, 24));
        for (int id : {25, 62, 64, 83, 88, 94, 97, 100, 103, 122, 125, 143})
            QCOMPARE(res.getImage(id)->size(), res.getSize(id));
        QCOMPARE(res.getImage(21), button);
        QVERIFY(button->toImage() == buttonBefore);
        QCOMPARE(res.getImage(146)->size(), QSize(1920, 1080)); // not a resized image
    }

    void oemVariantMovesImage182()
    {
        const QPair<QByteArray, QRect> rows[] = {{"qz", QRect(653, 997, 600, 446)},
                                                 {"govel", QRect(901, 1453, 960, 540)}}; // variant 12
        for (const auto& r : rows) {
            OemScope scope(r.first);
            TRes res;
            const TSheetRect g = res.imageRect(182);
            QCOMPARE(QRect(g.x, g.y, g.w, g.h), r.second);
            QCOMPARE(res.imageRect(181).w, short(64)); // the neighbours stay
            QVERIFY(res.makeStyle(installSheet(scope.root())));
            QVERIFY(argb(res.getImage(182)->toImage()) == m_sheet.copy(r.second));
        }
    }

    void damagedSheetIsRestoredFromBak()
    {
        // Missing, garbage, truncated.
        for (const QByteArray& damage : {QByteArray(), QByteArray("this is not a picture"),
                                         QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}) {
            TTestRoot root;
            const QString path = installSheet(root, false, true);
            if (!damage.isEmpty())
                QVERIFY(root.write("/app/img_res.png", damage));
            TRes res;
            QVERIFY2(res.makeStyle(path), damage.constData());
            QCOMPARE(res.getImage(146)->size(), QSize(1920, 1080));
            QCOMPARE(res.getColor(37).rgba(), m_sheet.pixel(590, 10));
            // The sheet itself is repaired for the next start.
            QCOMPARE(root.read("/app/img_res.png"), root.read("/app/img_res.png.bak"));
        }
    }

    void noSheetAtAllFallsBack()
    {
        TTestRoot root;
        QVERIFY(root.write("/app/img_res.png", "broken"));
        const QString path = root.file("/app/img_res.png");
        TRes res;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no image sheet"));
        QVERIFY(!res.makeStyle(path));
        // The program goes on: a style to install, usable colours, empty images.
        QVERIFY(res.getStyle());
        for (int c = 0; c < 39; ++c) {
            QVERIFY2(res.getColor(c).isValid(), qPrintable(QString::number(c)));
            QCOMPARE(res.getColor(c).alpha(), 255);
        }
        QVERIFY(res.getColor(34) != res.getColor(33)); // text stays readable
        QVERIFY(res.getColor(37) != res.getColor(35)); // focus stays visible
        QCOMPARE(res.getImage(21), res.getImage(-1));

        // Once a sheet appears, a reload picks it up.
        QFile::remove(path);
        QVERIFY(QFile::copy(generatedSheet(), path));
        QVERIFY(res.makeStyle(QString()));
        QCOMPARE(res.getImage(21)->size(), QSize(340, 25));
        QCOMPARE(res.getColor(37).rgba(), m_sheet.pixel(590, 10));
    }

    void freeImageEmptiesSlots()
    {
        TTestRoot root;
        TRes res;
        QVERIFY(res.makeStyle(installSheet(root)));
        QPixmap* shared = res.getImage(0);
        res.freeImage(21);
        QCOMPARE(res.getImage(21), shared);
        res.freeImage(5);   // outside the images: ignored
        res.freeImage(300); // ditto
        QCOMPARE(res.getImage(22)->size(), QSize(20, 20));
        res.freeImages();
        // Both ends of each freed range, and the neighbours that stay.
        for (int id : {27, 34, 37, 57, 59, 60, 155, 180, 187, 192})
            QCOMPARE(res.getImage(id), shared);
        for (int id : {35, 36, 58, 61, 181, 193, 215})
            QVERIFY(res.getImage(id) != shared);
        // A freed slot is cut again by the next load.
        QVERIFY(res.makeStyle(QString()));
        QCOMPARE(res.getImage(21)->size(), QSize(340, 25));
    }

    void iconStrips()
    {
        // 83 pixels: four parts of 20, columns 80..82 belong to none.
        QImage strip(83, 10, QImage::Format_ARGB32);
        const QColor parts[5] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
        for (int x = 0; x < 83; ++x)
            for (int y = 0; y < 10; ++y)
                strip.setPixelColor(x, y, parts[qMin(x / 20, 4)]);
        const QIcon::Mode modes[4] = {QIcon::Normal, QIcon::Active, QIcon::Selected, QIcon::Disabled};
        for (bool on : {false, true}) {
            QScopedPointer<QIcon> icon(TRes::makeIcon(QPixmap::fromImage(strip), 4, on));
            const QIcon::State state = on ? QIcon::On : QIcon::Off;
            for (int k = 0; k < 4; ++k) {
                const QImage part = icon->pixmap(QSize(20, 10), modes[k], state).toImage();
                QCOMPARE(part.size(), QSize(20, 10));
                QCOMPARE(part.pixelColor(0, 0), parts[k]);
                QCOMPARE(part.pixelColor(19, 9), parts[k]);
            }
            // Any count of 2 or more means four parts.
            QScopedPointer<QIcon> two(TRes::makeIcon(QPixmap::fromImage(strip), 2, on));
            QCOMPARE(two->pixmap(QSize(20, 10), QIcon::Selected, state).toImage().pixelColor(5, 5), parts[2]);
        }
    }

    void singleStateIconAndNullIcon()
    {
        QImage img(30, 12, QImage::Format_ARGB32);
        img.fill(Qt::cyan);
        QScopedPointer<QIcon> icon(TRes::makeIcon(QPixmap::fromImage(img), 1, false));
        QCOMPARE(icon->availableSizes(QIcon::Normal, QIcon::Off), QList<QSize>{QSize(30, 12)});
        QVERIFY(icon->availableSizes(QIcon::Active, QIcon::Off).isEmpty());
        TRes::addIconStates(icon.data(), QPixmap::fromImage(img), 1, true);
        QCOMPARE(icon->availableSizes(QIcon::Normal, QIcon::On).size(), 1);
        TRes::addIconStates(nullptr, QPixmap::fromImage(img), 4, false); // nothing to extend
    }

    void maskMarksOpaqueBlack()
    {
        QImage src(3, 1, QImage::Format_ARGB32);
        src.setPixel(0, 0, 0xff000000);
        src.setPixel(1, 0, 0x00000000); // transparent black is not opaque black
        src.setPixel(2, 0, 0xffffffff);
        QScopedPointer<QImage> mask(TRes::makeMask(src));
        QCOMPARE(mask->format(), QImage::Format_RGB32);
        QCOMPARE(mask->pixel(0, 0), 0xff000000u);
        QCOMPARE(mask->pixel(1, 0), 0xff000007u);
        QCOMPARE(mask->pixel(2, 0), 0xff000007u);
    }

    void frames()
    {
        // Frame size, divider and title band, a probe point and its colour id.
        const struct { int w, h; bool band; int x, y, colour; } rows[] = {
            {300, 200, true, 150, 20, 35},  {300, 200, true, 150, 100, 33},
            {300, 200, true, 150, 159, 35}, {300, 200, true, 150, 165, 33}, // divider at 200 - 16 - 25
            {300, 200, false, 150, 20, 33},
            {200, 2000, false, 8, 10, 35},  {200, 2000, false, 8, 100, 33}, // corners: 8% of half the height
        };
        for (const auto& r : rows) {
            QImage img(r.w, r.h, QImage::Format_ARGB32);
            img.fill(Qt::black);
            QPainter p(&img);
            m_loaded.drawFrame(&p, img.rect(), r.band, r.band);
            p.end();
            QVERIFY2(img.pixelColor(r.x, r.y) == m_loaded.getColor(r.colour),
                     qPrintable(QString("%1,%2").arg(r.x).arg(r.y)));
        }
    }

    void styleOwnership()
    {
        TTestRoot root;
        const QString path = installSheet(root);
        // A style never installed goes with the resource object.
        auto* res = new TRes;
        QVERIFY(res->makeStyle(path));
        QPointer<QStyle> free(res->getStyle());
        delete res;
        QVERIFY(free.isNull());
        // An installed one belongs to the application from then on.
        res = new TRes;
        QVERIFY(res->makeStyle(path));
        QPointer<QStyle> installed(res->getStyle());
        g_res = res;
        QApplication::setStyle(res->getStyle()); // also polishes the application palette
        QCOMPARE(QApplication::palette().color(QPalette::Window), res->getColor(33));
        QCOMPARE(QApplication::palette().color(QPalette::Disabled, QPalette::Base), res->getColor(36));
        g_res = nullptr;
        delete res;
        QVERIFY(!installed.isNull());
        QCOMPARE(QApplication::style(), installed.data());
    }

private:
    QImage m_sheet;
    // One object loaded from the generated sheet for the read-only checks.
    TTestRoot m_root;
    TRes m_loaded;
};

QTEST_MAIN(TResTest)
#include "trestest.moc"
