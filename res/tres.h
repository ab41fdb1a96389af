#pragma once
#include "tsheetlayout.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QSize>
#include <QString>

class QImage;
class QPainter;
class QPixmap;
class QRect;
class TStyle;

// The program's images, theme colours, sizes and scale factor. One object
// (g_res) for the whole run: it cuts the image sheet "img_res.png" into
// images by a fixed table, samples the theme colours from it, owns the flat
// widget style, and scales every length of the on-screen display.
class TRes : public QObject
{
public:
    TRes();
    ~TRes() override;

    // --- Images, icons and colours (tres.cpp)
    // Loads the sheet (an empty path reloads the last one), cuts the images,
    // samples the colours and makes the style on first use. False when there
    // is no path, or when neither the sheet nor its ".bak" copy can be read;
    // the program then goes on with the fallback colours.
    bool makeStyle(const QString& path);
    TStyle* getStyle() const { return m_style; }
    // Never null: an id outside 21..218, or a slot not loaded or freed,
    // gives one shared 1 x 1 transparent pixmap.
    QPixmap* getImage(int id);
    // Opaque black for ids outside 0..38.
    QColor getColor(int id) const;
    static QIcon* makeIcon(const QPixmap& strip, int states, bool on);
    static void addIconStates(QIcon* icon, const QPixmap& strip, int states, bool on);
    void freeImage(int id);
    void freeImages();
    static QImage* makeMask(const QImage& src);
    void drawFrame(QPainter* p, const QRect& r, bool divider, bool titleBand);
    // The sheet rectangle an image id is cut from (the OEM-12 variant moves
    // image 182); {0,0,0,0} outside 21..218.
    TSheetRect imageRect(int id) const;

    // --- Sizes, metrics and scale factor (tres-size.cpp)
    void setScale(double f) { m_scale = f; }
    double getScale() const { return m_scale; }
    int scale(int n) const;
    int scaleCeil(int n) const;
    // Fatal for ids without a size ("TRes::getSize id:%d").
    QSize getSize(int id) const;
    // 0 for ids without a metric.
    int getValue(int id) const;

private:
    bool loadSheet(const QString& path);
    void loadImages();
    void initColors(bool sampled);

    TStyle* m_style;
    QPixmap* m_images[TSheetLayout::ImageSlots];
    QPixmap* m_sheet;
    QColor m_colors[TSheetLayout::ColorCount];
    double m_scale;
    QString m_sheetPath;
    TSheetRect m_geometry[TSheetLayout::ImageSlots];
};
