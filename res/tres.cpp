#include "tres.h"

#include "appglobals.h"
#include "reslog.h"
#include "tdefault.h"
#include "trunner.h"
#include "tstyle.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

// The one pixmap handed out for ids without an image. Made on first use and
// kept until exit, so pointers to it stay valid.
QPixmap* sharedEmpty()
{
    static QPixmap* empty = [] {
        auto* p = new QPixmap(1, 1);
        p->fill(Qt::transparent);
        return p;
    }();
    return empty;
}

} // namespace

TRes::TRes()
    : QObject(nullptr), m_style(nullptr), m_sheet(nullptr), m_scale(1.0)
{
    for (QPixmap*& p : m_images)
        p = nullptr;
    for (int id = 0; id < TSheetLayout::ImageSlots; ++id)
        m_geometry[id] = TSheetLayout::rect(id);
    // One OEM variant shows its start picture at full output size.
    if (g_default && g_default->getOem() == 12)
        m_geometry[182] = TSheetLayout::oem12Rect182();
}

TRes::~TRes()
{
    // The one object lives until exit, so its images do too; releasing them
    // here only keeps leak checkers quiet about short-lived objects.
    delete m_sheet;
    for (QPixmap* p : m_images)
        delete p;
    // An installed application style belongs to the application object
    // (QApplication::setStyle re-parents it); only a free one is ours.
    if (m_style && !m_style->parent())
        delete m_style;
}

TSheetRect TRes::imageRect(int id) const
{
    if (id < TSheetLayout::FirstImage || id > TSheetLayout::LastImage)
        return {0, 0, 0, 0};
    return m_geometry[id];
}

bool TRes::loadSheet(const QString& path)
{
    delete m_sheet;
    m_sheet = new QPixmap(path);
    qCDebug(lcRes, "makeStyle.. width:%d height:%d img:%s", m_sheet->width(), m_sheet->height(),
            qPrintable(path));
    if (m_sheet->width() >= 1 && m_sheet->height() >= 1)
        return true;

    // The sheet is missing or damaged: restore it once from its ".bak" copy.
    const QString bak = path + QLatin1String(".bak");
    const bool copied = TRunner::copyFile(bak, path);
    qCDebug(lcRes, "szcmd:cp -f %s %s", qPrintable(bak), qPrintable(path));
    *m_sheet = QPixmap(path);
    qCDebug(lcRes, "makeStyle..2  width:%d height:%d", m_sheet->width(), m_sheet->height());
    if (m_sheet->width() >= 1 && m_sheet->height() >= 1)
        return true;
    qCWarning(lcRes, "TRes::makeStyle no image sheet: neither %s nor its .bak could be read%s;"
                     " using fallback colours and no images",
              qPrintable(path), copied ? "" : " (copy failed)");
    return false;
}

bool TRes::makeStyle(const QString& path)
{
    const QString p = path.isEmpty() ? m_sheetPath : path;
    if (p.isEmpty())
        return false;

    const bool loaded = loadSheet(p);
    if (loaded)
        loadImages();
    initColors(loaded);
    // The style exists even without a sheet so that main can always install it.
    if (!m_style)
        m_style = new TStyle;

    delete m_sheet;
    m_sheet = nullptr;
    m_sheetPath = p;
    return loaded;
}

void TRes::loadImages()
{
    for (int id = TSheetLayout::FirstImage; id <= TSheetLayout::LastImage; ++id) {
        const TSheetRect& g = m_geometry[id];
        QPixmap*& slot = m_images[id];
        if (TSheetLayout::isResized(id)) {
            const QPixmap cut = m_sheet->copy(g.x, g.y, g.w, g.h)
                                    .scaled(getSize(id), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            if (slot)
                *slot = cut; // pointers handed out earlier see the new size
            else
                slot = new QPixmap(cut);
        } else if (!slot) {
            slot = new QPixmap(m_sheet->copy(g.x, g.y, g.w, g.h));
        }
    }
}

void TRes::initColors(bool sampled)
{
    for (int c = 0; c < TSheetLayout::ColorCount; ++c) {
        const int src = TSheetLayout::colorSource(c);
        if (src < 0)
            continue;
        const QImage img = m_images[src] ? m_images[src]->toImage() : QImage();
        const int pt = TSheetLayout::SamplePoint;
        if (sampled && pt < img.width() && pt < img.height())
            m_colors[c] = img.pixelColor(pt, pt); // unpremultiplied, alpha kept
        else if (!m_colors[c].isValid())
            m_colors[c] = QColor::fromRgba(TSheetLayout::themeColor(c));
    }
    m_colors[38] = QColor(250, 250, 250);
}

QPixmap* TRes::getImage(int id)
{
    if (id < TSheetLayout::FirstImage || id > TSheetLayout::LastImage || !m_images[id])
        return sharedEmpty();
    return m_images[id];
}

QColor TRes::getColor(int id) const
{
    if (id < 0 || id >= TSheetLayout::ColorCount)
        return QColor(0, 0, 0);
    return m_colors[id];
}

void TRes::addIconStates(QIcon* icon, const QPixmap& strip, int states, bool on)
{
    if (!icon)
        return;
    const QIcon::State st = on ? QIcon::On : QIcon::Off;
    if (states < 2) {
        icon->addPixmap(strip, QIcon::Normal, st);
        return;
    }
    // Four equal parts side by side; columns beyond them belong to none.
    const int w = strip.width() / 4;
    const QIcon::Mode modes[4] = {QIcon::Normal, QIcon::Active, QIcon::Selected, QIcon::Disabled};
    for (int k = 0; k < 4; ++k)
        icon->addPixmap(strip.copy(k * w, 0, w, strip.height()), modes[k], st);
}

QIcon* TRes::makeIcon(const QPixmap& strip, int states, bool on)
{
    auto* icon = new QIcon;
    addIconStates(icon, strip, states, on);
    return icon;
}

void TRes::freeImage(int id)
{
    if (id < TSheetLayout::FirstImage || id > TSheetLayout::LastImage)
        return;
    delete m_images[id];
    m_images[id] = nullptr;
}

void TRes::freeImages()
{
    auto range = [this](int a, int b) {
        for (int id = a; id <= b; ++id)
            freeImage(id);
    };
    range(27, 34);
    range(37, 57);
    range(59, 60);
    range(155, 180);
    range(187, 192);
}

QImage* TRes::makeMask(const QImage& src)
{
    auto* out = new QImage(src.size(), QImage::Format_RGB32);
    const QImage s = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < s.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(s.constScanLine(y));
        QRgb* o = reinterpret_cast<QRgb*>(out->scanLine(y));
        for (int x = 0; x < s.width(); ++x)
            o[x] = in[x] == 0xff000000u ? 0xff000000u : 0xff000007u;
    }
    return out;
}

void TRes::drawFrame(QPainter* p, const QRect& r, bool divider, bool titleBand)
{
    if (!p)
        return;
    const int w = r.width();
    const int h = r.height();
    p->fillRect(r, getColor(33));
    QPen pen(getColor(35), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p->setPen(pen);
    p->drawLine(0, 0, w, 0);
    p->drawLine(0, h, w, h);
    // Corner rounding as a share of the frame size (8 percent of half the
    // width and height), so tall and wide frames keep their proportions.
    p->drawRoundedRect(r, 8, 8, Qt::RelativeSize);
    if (divider) {
        pen.setWidth(4);
        p->setPen(pen);
        const int y = h - 16 - getSize(21).height();
        p->drawLine(0, y, w, y);
    }
    if (titleBand)
        p->fillRect(QRect(QPoint(0, 0), QPoint(w - 1, 31)), getColor(35));
}
