#pragma once
// What the screen holds of a window, as a backing store keeps it: the window
// starts drawn whole, and each later paint it gets is copied in from a full
// drawing, inside the region it repainted only. A drawing the window left
// behind (a region it should have repainted and did not) then differs from
// a plain drawing of the whole window.
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QWidget>

// Pixels of the light OSD colour inside area.
inline int lightPixels(const QImage& img, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.valid(x, y) && (img.pixel(x, y) & 0xffffff) == 0xf0f0f0;
    return n;
}

class TScreenCopy : public QObject
{
public:
    explicit TScreenCopy(QWidget* w) : m_w(w)
    {
        QCoreApplication::processEvents();
        m_screen = drawn();
        w->installEventFilter(this);
    }
    // The screen after the paints that are due.
    QImage screen()
    {
        QCoreApplication::processEvents();
        if (!m_dirty.isEmpty()) {
            const QImage full = drawn();
            QPainter p(&m_screen);
            p.setClipRegion(m_dirty);
            p.drawImage(0, 0, full);
            m_dirty = QRegion();
        }
        return m_screen;
    }
    // The window drawn whole now, without its child windows.
    QImage drawn()
    {
        m_drawing = true;
        QImage img(m_w->size(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
        m_w->render(&img, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        m_drawing = false;
        return img;
    }
    // The bounding rectangle of the screen's pixels that differ from a
    // plain drawing, outside the rectangles given (child windows over it);
    // empty when there are none.
    QRect stale(const QVector<QRect>& covered = {})
    {
        const QImage now = screen();
        const QImage plain = drawn();
        QRect out;
        for (int y = 0; y < now.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(now.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(plain.constScanLine(y));
            for (int x = 0; x < now.width(); ++x) {
                if (a[x] == b[x])
                    continue;
                bool hidden = false;
                for (const QRect& r : covered)
                    hidden = hidden || r.contains(x, y);
                if (!hidden)
                    out |= QRect(x, y, 1, 1);
            }
        }
        return out;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == m_w && e->type() == QEvent::Paint && !m_drawing)
            m_dirty += static_cast<QPaintEvent*>(e)->region();
        return false;
    }

private:
    QWidget* m_w;
    QImage m_screen;
    QRegion m_dirty;
    bool m_drawing = false;
};
