// The firmware upgrade hand-over: the screen the upgrade tool shows while
// it writes the firmware, drawn here and stored as a raw picture.
#include "tmain.h"
#include "appglobals.h"
#include "tconfig.h"
#include "tpath.h"
#include "tres.h"
#include "tstring.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum {
    ScreenKey = 128,
    TitleColor = 30,
    LabelColor = 31,
    FrameColor = 35,
    T_UPDATING = 252,
    T_CURRENT = 263,
    T_NEW = 264,
    T_DOWNLOAD = 251,
    T_STATUS = 83
};

QString text(int id)
{
    return g_str ? g_str->text(id) : QString();
}

} // namespace

QString TMain::versionText(int v)
{
    // Thousands, hundreds, tens and units.
    return QString::asprintf("%d.%d.%d.%d", v / 1000, v / 100 % 10, v / 10 % 10, v % 10);
}

void TMain::readyUpgradeImage(const char* szpath, const char* fwr_ver)
{
    qCDebug(lcApp, "TMain::readyUpgradeImage.. szpath:%s fwr_ver:%s", szpath ? szpath : "", fwr_ver ? fwr_ver : "");
    if (!szpath || !g_res)
        return;
    const QSize size = g_res->getSize(ScreenKey);
    QImage img(size, QImage::Format_ARGB8565_Premultiplied);
    img.fill(Qt::black);
    {
        QPainter p(&img);
        p.drawPixmap(0, 0, *g_res->getImage(ScreenKey));
        QFont f = QApplication::font();
        f.setPixelSize(12);
        p.setFont(f);
        const QColor title = g_res->getColor(TitleColor);
        const QColor label = g_res->getColor(LabelColor);
        const QColor frame = g_res->getColor(FrameColor);
        const QColor bar(0, 0, 255);

        p.setPen(title);
        p.drawText(QRect(0, 0, size.width(), 32), Qt::AlignCenter, text(T_UPDATING));

        const int rows[4] = {50, 84, 118, 152};
        const int labels[4] = {T_CURRENT, T_NEW, T_DOWNLOAD, T_STATUS};
        const auto* dev = g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1)) : nullptr;
        const QString values[2] = {versionText(dev ? dev->version : 0), QString::fromUtf8(fwr_ver ? fwr_ver : "")};
        for (int i = 0; i < 4; ++i) {
            const int y = rows[i];
            p.setPen(label);
            p.drawText(QRect(20, y, 120, 24), Qt::AlignRight | Qt::AlignVCenter, text(labels[i]));
            const QRect box(170, y, 220, 24);
            if (i == 2)
                p.fillRect(box, bar);
            if (i < 2)
                p.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, values[i]);
            p.setPen(QPen(frame, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
        }
    }

    QFile out(TPath::map(QString::fromUtf8(szpath)));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return; // the tool then runs without the prepared screen
    // Each pixel: its RGB565 value in two bytes, high byte first as the
    // recorder's processor (big-endian) holds it; rows top to bottom, no
    // header.
    const QImage rgb = img.convertToFormat(QImage::Format_RGB16);
    QByteArray row(size.width() * 2, '\0');
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const quint16*>(rgb.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            row[2 * x] = char(line[x] >> 8);
            row[2 * x + 1] = char(line[x] & 0xff);
        }
        if (out.write(row) != row.size())
            return;
    }
    out.close();
}
