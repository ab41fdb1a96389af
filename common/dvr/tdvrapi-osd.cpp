// The on-screen display of the live tiles: the images and items the main
// window paints (titles, state icons, playback texts, clocks), the rule of
// which items show, the outlined text renderer, the POS text-in overlay and
// the transparency of the OSD plane over the video.
#include "tdvrapi.h"
#include "tclock.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tosdhooks.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QPainter>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
const QRgb kBlack = 0xff000000;
const QRgb kOutline = 0xff101010;
const QRgb kLight = 0xfff0f0f0;

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

QImage blankImage(int w, int h, QImage::Format format = QImage::Format_RGB32)
{
    if (w < 1 || h < 1)
        return QImage();
    QImage img(w, h, format);
    img.fill(kBlack);
    return img;
}

// Opaque black over the part of r inside the image.
void fillBlack(QImage* img, const QRect& r)
{
    const QRect part = r & img->rect();
    if (part.isEmpty())
        return;
    QPainter p(img);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(part, QColor::fromRgba(kBlack));
}

// The text in the light colour with a dark outline: eight dark copies
// around the light one at (+1, +1).
template <class Draw> void outlined(QPainter& p, Draw draw)
{
    p.setPen(QColor::fromRgba(kOutline));
    for (int dy = 0; dy <= 2; ++dy)
        for (int dx = 0; dx <= 2; ++dx)
            if (dx != 1 || dy != 1)
                draw(dx, dy);
    p.setPen(QColor::fromRgba(kLight));
    draw(1, 1);
}

void setVisible(OsdItem* item, int on)
{
    if (item)
        item->visible = on ? 1 : 0;
}
}

void TDVRAPI::initOsd()
{
    // Sizes, icons and the logo.
    const int oem = oemId();
    const int titleW = osdScale(220);
    const int titleH = osdScale(oem == 5 ? 18 : 20);
    const QSize iconSize = osdSize(131);
    static const int kIconIds[ICONS] = {131, 133, 135, 137, 139, 141};
    for (int i = 0; i < ICONS; ++i) {
        const QImage src = osdImage(kIconIds[i]);
        m_icon[i] = src.isNull() || iconSize.isEmpty()
                        ? QImage()
                        : src.scaled(iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const bool logo = oem == 1 || oem == 2 || oem == 3 || oem == 11 || oem == 12;
    m_logo = logo ? osdImage(182) : QImage();

    // Each channel's images and items: every camera of the live view has
    // a tile, also beyond the 20 the configuration holds.
    const int count = viewCount();
    static const int kIconItems[ICONS] = {CellOsd::CONT_REC, CellOsd::EVENT_REC, CellOsd::SENSOR,
                                          CellOsd::MOTION,   CellOsd::TEXTIN,    CellOsd::ICON6};
    for (int ch = 0; ch < count; ++ch) {
        m_titleImg[ch] = blankImage(titleW, titleH);
        m_spotTitleImg[ch] = blankImage(titleW, titleH);
        m_hdTitleImg[ch] = blankImage(scaled(220), scaled(20));
        m_playImg[ch] = blankImage(titleW, titleH);
        auto item = [&](int i, QImage* img) {
            OsdItem& it = m_osdItem[ch][i];
            it = OsdItem();
            it.image = img;
            it.width = img ? img->width() : 0;
            it.height = img ? img->height() : 0;
            it.channel = ch;
            m_cell[ch].item[i] = &it;
        };
        item(CellOsd::TITLE, &m_titleImg[ch]);
        for (int i = 0; i < ICONS; ++i)
            item(kIconItems[i], &m_icon[i]);
        item(CellOsd::PLAY_TEXT, &m_playImg[ch]);
        item(CellOsd::VIDEO_LOSS, nullptr);
        item(CellOsd::SPARE, nullptr);
        m_cell[ch].ch = -1;
        m_cell[ch].titleW = titleW;
    }

    // The clock images, the screen state, the fonts and the text-in image.
    m_clockImg = blankImage(osdScale(240), osdScale(20));
    m_hdClockImg = blankImage(scaled(240), scaled(20));
    if (m_spotClockImg.isNull())
        m_spotClockImg = blankImage(240, 20);
    m_mode = 0;
    m_layout = layoutAt(m_numLayout - 1);
    m_sw = 0;
    QFont font = QGuiApplication::font();
    font.setPixelSize(qMax(1, osdScale(14)));
    font.setWeight(50);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    font.setWordSpacing(3.0);
    m_titleFont = font;
    m_posFont = font;
    {
        QMutexLocker lock(&m_posMutex);
        if (m_txtinImg.isNull()) {
            m_txtinImg = QImage(1920, 1080, QImage::Format_RGB555);
            m_txtinSize = m_txtinImg.size();
        }
        m_txtinImg.fill(kBlack);
        std::memset(m_nPosDur, 0, sizeof m_nPosDur);
    }

    qCDebug(lcApi, "=================== initOsd: videos:%d layout:%d sw:%d ==========", count, m_layout, m_sw);
    setLayout();
    showOsd(g_cfg ? static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1))->osdOn : 1, 1);
}

void TDVRAPI::placeItems(int ch, const VidWnd& c)
{
    CellOsd& cell = m_cell[ch];
    cell.ch = ch;
    OsdItem* title = cell.item[CellOsd::TITLE];
    if (!title)
        return;
    title->x = c.x + 8;
    title->y = c.y + 4;
    title->width = qMax(0, qMin(c.w - 16, cell.titleW));
    // The icons and the playback text share the line under the title; the
    // two recording icons never show together.
    const int y2 = c.y + 4 + title->height;
    const OsdItem* first = cell.item[CellOsd::CONT_REC];
    const int s = first ? first->width : 0;
    const struct {
        int item, offset;
    } line[] = {{CellOsd::PLAY_TEXT, 0}, {CellOsd::CONT_REC, 0}, {CellOsd::EVENT_REC, 0},
                {CellOsd::MOTION, s},    {CellOsd::SENSOR, 2 * s}, {CellOsd::ICON6, 3 * s},
                {CellOsd::TEXTIN, 4 * s}};
    for (const auto& l : line) {
        if (OsdItem* it = cell.item[l.item]) {
            it->x = c.x + 8 + l.offset;
            it->y = y2;
        }
    }
}

void TDVRAPI::showOsd(int f, int update)
{
    VidWnd wnd[DAL_MAX_CH];
    const int cells = layoutCells(wnd);
    qCDebug(lcApi, "TDVRAPI::showOsd f:%d m_numvid:%d", f, cells);
    const int count = channelCount();
    const int tiles = viewCount();
    const auto* cam = g_cfg ? static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1)) : nullptr;
    QMutexLocker osdLock(&m_osdMutex);
    for (int k = 0; k < cells && cam; ++k) {
        const int ch = wnd[k].ch;
        if (ch < 0 || ch >= tiles)
            continue;
        CellOsd& cell = m_cell[ch];
        // A camera beyond the configuration's 20 has no settings: never off.
        const bool off = ch < count && cam->data[ch].disableOn;
        int v = f == 0 ? 0 : (off ? 0 : 1);
        if (m_mode != 0)
            v = f != 0;
        setVisible(cell.item[CellOsd::TITLE], v);
        if (m_mode != 0) {
            for (int i : {CellOsd::CONT_REC, CellOsd::EVENT_REC, CellOsd::SENSOR, CellOsd::MOTION})
                setVisible(cell.item[i], 0);
            setVisible(cell.item[CellOsd::PLAY_TEXT], v);
        } else if (!v) {
            for (int i = CellOsd::CONT_REC; i <= CellOsd::TEXTIN; ++i)
                setVisible(cell.item[i], 0);
            setVisible(cell.item[CellOsd::PLAY_TEXT], 0);
        } else {
            setVisible(cell.item[CellOsd::CONT_REC], cell.contRec);
            setVisible(cell.item[CellOsd::EVENT_REC], cell.eventRec);
            setVisible(cell.item[CellOsd::SENSOR], cell.sensor);
            setVisible(cell.item[CellOsd::MOTION], cell.motion);
            setVisible(cell.item[CellOsd::TEXTIN], cell.textin);
            setVisible(cell.item[CellOsd::PLAY_TEXT], 0);
        }
    }
    osdLock.unlock();

    const QSize screen = osdSize(16);
    if (f == 0 && !m_txtinImg.isNull()) {
        // With the OSD off the POS overlays go from the screen too.
        QMutexLocker lock(&m_posMutex);
        for (int ch = 0; ch < count; ++ch) {
            if (m_txtin[ch].on) {
                fillBlack(&m_txtinImg, QRect(QPoint(0, 0), screen));
                break;
            }
        }
    }
    if (m_osdLock)
        return;
    if (update)
        notify(SIG_OSD_POS_UPDATE, 0, (screen.width() << 16) + screen.height());
    else
        notify(SIG_OSD_UPDATE, -1, f);
}

void TDVRAPI::setOsd(int mode)
{
    if (mode < 0)
        mode = g_cfg ? static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 1))->osdOn : 1;
    m_sowOsdOn = mode;
    showOsd(mode, 1);
}

void TDVRAPI::drawOsdText(int ch, const QString& text, QImage* img, int kind, int centre)
{
    Q_UNUSED(ch)
    if (!img || img->isNull())
        return;
    img->fill(kBlack);
    // A copy: the layout thread and the GUI thread may draw at once.
    QFont font = m_titleFont;
    font.setPixelSize(qMax(1, osdScale(14)));
    if (kind == 1)
        font.setPixelSize(14);
    else if (kind == 2 && m_ratioHd > 0.0)
        font.setPointSizeF(14 * m_ratioHd);
    const int flags = centre ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignTop);
    const QRect r = img->rect();
    QPainter p(img);
    p.setFont(font);
    outlined(p, [&](int dx, int dy) { p.drawText(r.translated(dx, dy), flags, text); });
}

void TDVRAPI::drawOsdText2(int ch, const char* text)
{
    if (ch < 0 || ch >= channelCount())
        return;
    drawOsdText(ch, text ? QString::fromUtf8(text) : QString(), &m_playImg[ch], 0, 0);
}

void TDVRAPI::placeTxtin(int ch)
{
    if (ch < 0 || ch >= channelCount())
        return;
    TxtinArea& a = m_txtin[ch];
    a.placed = 0;
    VidWnd wnd[DAL_MAX_CH];
    const int cells = layoutCells(wnd);
    for (int k = 0; k < cells; ++k) {
        const VidWnd& c = wnd[k];
        if (!c.show || c.ch != ch)
            continue;
        a.x = c.x + osdScale(8);
        a.y = c.y + osdScale(40);
        a.w = c.w - osdScale(14);
        a.h = c.h - osdScale(50);
        // A cell too small for one character gets no character cells.
        a.cols = qMax(0, (a.w - 2) / qMax(1, osdScaleCeil(12)));
        a.lines = qMax(0, (a.h - 4) / qMax(1, osdScaleCeil(16)));
        a.placed = 1;
        return;
    }
}

void TDVRAPI::drawTxtin(int ch, const char* utf8Text, QImage* image)
{
    if (ch < 0 || ch >= channelCount() || !image || image->isNull())
        return;
    TxtinArea& a = m_txtin[ch];
    const QRect area(a.x, a.y, a.w, a.h);
    fillBlack(image, area);

    QStringList parts = QString::fromUtf8(utf8Text ? utf8Text : "").split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    const int lines = qMax(0, a.lines);
    if (parts.size() > lines)
        parts = parts.mid(parts.size() - lines);

    const int cw = osdScaleCeil(12);
    const int rh = osdScaleCeil(16);
    const int cols = qMax(0, a.cols);
    const int pos = g_cfg ? static_cast<const PropPos*>(g_cfg->getsection(IDX_PROP_POS, 1))->overlaypos : 0;
    a.drawX = a.x;
    a.drawY = a.y;
    a.drawnW = 0;
    a.drawnH = 0;
    if (pos < 0 || pos > 3)
        return;
    const bool right = pos >= 2;
    const bool bottom = pos == 1 || pos == 3;
    const int n = parts.size();
    const int firstRow = bottom ? lines - n : 0;

    QPainter p(image);
    p.setClipRect(area & image->rect());
    p.setFont(m_posFont);
    int widest = 0;
    for (int k = 0; k < n; ++k) {
        const QVector<uint> chars = parts[k].toUcs4();
        const int shown = qMin(chars.size(), cols);
        // Right-aligned lines keep their last characters.
        const int from = right ? chars.size() - shown : 0;
        const int col0 = right ? cols - shown : 0;
        const int baseline = a.y + (firstRow + k + 1) * rh;
        for (int i = 0; i < shown; ++i) {
            const uint c = chars[from + i];
            const QString glyph = QString::fromUcs4(&c, 1);
            const int x = a.x + (col0 + i) * cw;
            outlined(p, [&](int dx, int dy) { p.drawText(QPoint(x + dx, baseline + dy), glyph); });
        }
        widest = qMax(widest, shown * cw);
    }
    a.drawnW = widest;
    a.drawnH = (n + 1) * rh;
    a.drawX = right ? a.x + cols * cw - widest : a.x;
    a.drawY = a.y + firstRow * rh;
}

void TDVRAPI::clearTxtin(int ch, QImage* image)
{
    if (ch < 0 || ch >= channelCount() || !image || image->isNull())
        return;
    const TxtinArea& a = m_txtin[ch];
    fillBlack(image, QRect(a.x, a.y, a.w, a.h));
}

void TDVRAPI::paintTxtin(QPainter& p, int channels, const QPoint& off) const
{
    QMutexLocker lock(&m_posMutex);
    for (int ch = 0; ch < qMin(channels, int(CHANNELS)); ++ch) {
        const TxtinArea& t = m_txtin[ch];
        if (t.on && t.placed && t.drawnW > 0 && t.drawnH > 0 && !m_txtinImg.isNull()) {
            const QRect r(t.drawX, t.drawY, t.drawnW, t.drawnH);
            p.drawImage(r.translated(off), m_txtinImg, r);
        }
    }
}

int TDVRAPI::AlphaFill(int x, int y, int w, int h, int level)
{
    level = qBound(0, level, 7); // the device has eight levels; 7 - level must not overflow
    qCDebug(lcApi, "AlphaFill!! dx:%d dy:%d w:%d h:%d level:%d, %d", x, y, w, h, level, 7 - level);
    DalVoutSetAlpha(x, y, w, h, 7 - level);
    return 0;
}

int TDVRAPI::alphaFill(int x, int y, int w, int h, int alpha)
{
    qCDebug(lcApi, "alphaFill x:%d y:%d wid:%d hi:%d alpha:%d", x, y, w, h, alpha);
    if (alpha >= 0)
        return AlphaFill(x, y, w, h, alpha);
    VoutCaps caps;
    std::memset(&caps, 0, sizeof caps);
    DalVoutGetCaps(&caps);
    return caps.alphaLevels ? AlphaFill(x, y, w, h, 0) : 0;
}

bool TDVRAPI::canBlend() const
{
    if (m_voutCaps)
        return m_voutCaps->alphaLevels != 0;
    VoutCaps caps;
    std::memset(&caps, 0, sizeof caps);
    DalVoutGetCaps(&caps);
    return caps.alphaLevels != 0;
}

int TDVRAPI::alphaFillCfg(int x, int y, int w, int h, int level)
{
    if (level < 0 || !canBlend())
        level = g_cfg ? static_cast<const PropOsd*>(g_cfg->getsection(IDX_PROP_OSD, 0))->alpha : 0;
    return AlphaFill(x, y, w, h, level);
}

int TDVRAPI::alphaCopy(int x, int y, int sx, int sy, int w, int h)
{
    qCDebug(lcApi, "alphaCopy x:%d y:%d sx:%d sy:%d w:%d h:%d", x, y, sx, sy, w, h);
    qCDebug(lcApi, "AlphaCopy.. NOT IMPLEMENTED!!");
    return -1;
}

void TDVRAPI::freeObjects()
{
    for (QImage& icon : m_icon)
        icon = QImage();
    m_logo = QImage();
    m_clockImg = QImage();
    m_hdClockImg = QImage();
    for (int ch = 0; ch < DAL_MAX_CH; ++ch) {
        m_titleImg[ch] = QImage();
        m_spotTitleImg[ch] = QImage();
        m_hdTitleImg[ch] = QImage();
        m_playImg[ch] = QImage();
    }
    for (CellOsd& cell : m_cell)
        for (OsdItem*& item : cell.item)
            item = nullptr;
}

void TDVRAPI::eventLine()
{
    if (m_spotClockImg.isNull() || m_clockImg.isNull() || !g_cfg)
        return;
    const QDateTime now = TClock::now();
    const QDate d = now.date();
    const QTime t = now.time();
    const QString text = g_cfg->datetext(d.year(), d.month(), d.day()) + QLatin1Char(' ') +
                         g_cfg->timetext(t.hour(), t.minute(), t.second());
    // The clock is the line after the channels.
    const int line = channelCount();
    drawOsdText(line, text, &m_spotClockImg, 1, 0);
    spotOsd(line, &m_spotClockImg);
    if (!m_hdClockImg.isNull()) {
        drawOsdText(line, text, &m_hdClockImg, 2, 0);
        spothdOsd(line, &m_hdClockImg);
    }
}

void TDVRAPI::drawEventLine(int y, int mo, int d, int h, int mi, int s)
{
    if (m_mode == 0 || m_clockImg.isNull() || m_spotClockImg.isNull() || !g_cfg)
        return;
    const QString text = g_cfg->datetext(y, mo, d) + QLatin1Char(' ') + g_cfg->timetext(h, mi, s);
    drawOsdText(-1, text, &m_clockImg, 0, 0);
}

QString TDVRAPI::eventText(const Db6Item* e, const Db6Avc* avc)
{
    if (!e)
        return QString();
    const auto* bytes = reinterpret_cast<const uint8_t*>(e);
    const int s = bytes[0];
    if (s < 32) {
        // Indexes outside the date's tables give no resolution or rate.
        const int ridx = bytes[8];
        const int fidx = bytes[11];
        qCDebug(lcApi, "m_avc.. ch:%d ridx:%d", s, ridx);
        const bool res = avc && ridx < qBound(0, int(avc->numRes), 16);
        const bool rate = avc && fidx < qBound(0, int(avc->numRate), 64);
        return QString::asprintf("Recording Cam%d %dx%d %.1f fps", s + 1, res ? avc->resW[ridx] : 0,
                                 res ? avc->resH[ridx] : 0, rate ? avc->fps1000[fidx] / 1000.0 : 0.0);
    }
    if (s < 64)
        return QStringLiteral("Sensor%1").arg(s - 31);
    if (s < 96)
        return QStringLiteral("Motion%1").arg(s - 63);
    if (s < 128)
        return (e->word8 != 0 && e->word12 == 0 ? QStringLiteral("VideoIn%1") : QStringLiteral("VideoLoss%1")).arg(s - 95);
    if (s < 160)
        return QStringLiteral("POS%1").arg(s - 127);
    return QString();
}
