#include "tstatuswnd.h"
#include "appglobals.h"
#include "textutil.h"
#include "tres.h"
#include "tsheetlayout.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

namespace {

enum { BackImage = 91, TitleColor = 15, TextColor = 16 };

int sc(int n)
{
    return g_res ? g_res->scale(n) : n;
}

QColor color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(TSheetLayout::themeColor(id));
}

} // namespace

TStatusWnd::TStatusWnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
    if (g_res)
        m_bgImage = g_res->getImage(BackImage);
    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, &TStatusWnd::sg_hideDue);
}

void TStatusWnd::hideLater(int ms)
{
    m_hideTimer->start(qMax(0, ms));
}

bool TStatusWnd::hidePending() const
{
    return m_hideTimer->isActive();
}

void TStatusWnd::cancelHide()
{
    m_hideTimer->stop();
}

void TStatusWnd::setTitle(const QString& title)
{
    m_title = title;
}

void TStatusWnd::setText(const QString& text)
{
    cancelHide();
    m_text = text;
    if (isVisible())
        update();
}

void TStatusWnd::setLines(const QStringList& lines)
{
    cancelHide();
    m_lines = lines;
    if (isVisible()) {
        update();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void TStatusWnd::evtShow() {}

void TStatusWnd::evtResize() {}

void TStatusWnd::evtHide()
{
    cancelHide();
    if (!m_title.isEmpty())
        m_title.clear();
    if (!m_text.isEmpty())
        m_text.clear();
    m_lines.clear();
}

void TStatusWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    const int W = width();
    const int H = height();
    if (g_res) {
        m_bgImage = g_res->getImage(BackImage);
        const QSize want = g_res->getSize(BackImage);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const int t = sc(32);
    p.setPen(color(TitleColor));
    p.drawText(QRect(QPoint(0, 0), QPoint(W - 1, t - 1)), Qt::AlignCenter, m_title);

    p.setPen(color(TextColor));
    if (!m_text.isEmpty()) {
        drawFitText(&p, QRect(QPoint(0, t), QPoint(W - 1, H - 1)), Qt::AlignCenter, m_text);
    } else if (!m_lines.isEmpty()) {
        // Made for two lines; more fall below the box.
        const int s = (H - t - sc(12)) / 2;
        for (int k = 0; k < m_lines.size(); ++k)
            drawFitText(&p, QRect(0, t + k * s, W, s), Qt::AlignCenter, m_lines.at(k));
    }
}
