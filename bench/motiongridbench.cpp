// A live motion block as the motion page hands it to its grid: a 22 x 18
// grid whose every cell belongs to the area, each block turning every cell
// the other way (all moving, then none), from the block's arrival to the
// grid painted again; beside it a plain fill of the grid's area, the floor
// every repaint pays. Run: build/bench/motiongridbench [blocks]
#include "appglobals.h"
#include "tmotiongrid.h"
#include "tres.h"
#include "tstring.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class TPlainFill : public QWidget
{
public:
    explicit TPlainFill(QSize size) { resize(size); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int blocks = argc > 1 ? qMax(2, std::atoi(argv[1])) : 2000;
    g_str = new TString;
    g_res = new TRes;
    g_res->makeStyle(QStringLiteral(DVR_SHEET_FILE));

    // The grid over the preview window: its cell area is the window.
    const QSize area(g_res->getValue(13), g_res->getValue(14));
    TMotionGrid grid(nullptr, 22, 18);
    grid.resize(area + QSize(2, 2));
    grid.setPreviewOn(true);
    uint32_t rows[32];
    std::memset(rows, 0xff, sizeof rows);
    grid.setData(rows);
    QImage target(grid.size(), QImage::Format_ARGB32_Premultiplied);

    uint32_t on[32], off[32];
    std::memset(on, 0xff, sizeof on);
    std::memset(off, 0, sizeof off);
    grid.render(&target); // warm-up
    QElapsedTimer t;
    qint64 drawNs = 0;
    t.start();
    for (int i = 0; i < blocks; ++i) {
        QElapsedTimer d;
        d.start();
        grid.setLiveMd(i % 2 ? off : on);
        grid.sl_timeout(); // what the 1 ms timer runs
        drawNs += d.nsecsElapsed();
        grid.render(&target);
    }
    const double us = t.nsecsElapsed() / 1000.0 / blocks;
    const double drawUs = drawNs / 1000.0 / blocks;

    TPlainFill plain(grid.size());
    plain.render(&target);
    t.restart();
    for (int i = 0; i < blocks; ++i)
        plain.render(&target);
    const double base = t.nsecsElapsed() / 1000.0 / blocks;

    std::printf("live motion block, 22x18 grid %dx%d, every cell changing: %8.1f us/block "
                "(cells redrawn %6.1f us, repaint %6.1f us)\n",
                grid.width(), grid.height(), us, drawUs, us - drawUs);
    std::printf("plain fill of the same area:                                  %8.1f us/paint   ratio %5.1f\n",
                base, base > 0 ? us / base : 0.0);
    return grid.liveDrawn(0) == ((blocks - 1) % 2 ? 0u : 0xffffffffu) ? 0 : 1;
}
