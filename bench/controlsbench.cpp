// Paints the timeline graph and the schedule grid offscreen a few hundred
// times each and prints the time per paint beside a plain widget fill of the
// same size. Run: build/bench/controlsbench [paints]
#include "appglobals.h"
#include "tlinegraph.h"
#include "tres.h"
#include "tscheduler.h"
#include "tstring.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// The floor every paint pays: one solid fill of the widget.
class TPlainFill : public QWidget
{
public:
    explicit TPlainFill(QSize size) { resize(size); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(40, 44, 52));
    }
};

double usPerPaint(QWidget* w, int paints)
{
    QImage target(w->size(), QImage::Format_ARGB32_Premultiplied);
    w->render(&target); // warm-up: fonts, caches
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < paints; ++i)
        w->render(&target);
    return t.nsecsElapsed() / 1000.0 / paints;
}

void report(const char* what, QWidget* w, int paints)
{
    TPlainFill plain(w->size());
    const double us = usPerPaint(w, paints);
    const double base = usPerPaint(&plain, paints);
    std::printf("%-44s %4dx%-4d %9.1f us/paint   plain fill %7.1f us   ratio %5.1f\n", what, w->width(),
                w->height(), us, base, base > 0 ? us / base : 0.0);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    const int paints = argc > 1 ? qMax(1, std::atoi(argv[1])) : 300;

    g_str = new TString;
    g_res = new TRes;
    g_res->makeStyle(QStringLiteral(DVR_SHEET_FILE));

    // The search window's timeline at full size: 20 cameras, every minute
    // recorded, in alternating runs of the two kinds (the worst case for
    // merging cells into runs is a change every minute, measured too).
    TLineGraph graph(nullptr, 20);
    graph.init();
    graph.resizeTo(QSize(1080, 460));
    graph.layoutBtn();
    graph.setChannel(20, 0);
    for (int r = 0; r < 20; ++r) {
        for (int m = 0; m < 1440; ++m)
            graph.setData(r, m, (m / (7 + r)) % 3);
    }
    report("timeline 20 x 1440, runs, 24 h", &graph, paints);
    for (int r = 0; r < 20; ++r) {
        for (int m = 0; m < 1440; ++m)
            graph.setData(r, m, 1 + (m + r) % 2);
    }
    report("timeline 20 x 1440, kind changes each minute", &graph, paints);
    graph.sl_btnclicked(1, 0);
    graph.sl_btnclicked(1, 0);
    report("timeline 20 x 1440, 1 h zoom", &graph, paints);

    TScheduler sched(nullptr, 0, QSize(840, 300));
    sched.createCtrl();
    sched.resize(840, 300);
    char cells[TScheduleGrid::Size];
    for (int i = 0; i < TScheduleGrid::Size; ++i)
        cells[i] = static_cast<char>((i / 5 + i / 144) % 5);
    sched.setData(cells);
    report("schedule grid 8 x 144, mixed values", &sched, paints);
    for (int i = 0; i < TScheduleGrid::Size; ++i)
        cells[i] = static_cast<char>(i % 4);
    sched.setData(cells);
    report("schedule grid 8 x 144, value changes each cell", &sched, paints);

    delete g_str;
    g_str = nullptr;
    return 0;
}
