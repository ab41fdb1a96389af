#include "tposview.h"
#include "ctlres.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

TPosView::TPosView(QWidget* parent, int, QSize size) : QWidget(parent, Qt::FramelessWindowHint)
{
    resize(size);
    const int f = QFontMetrics(QApplication::font()).height();
    // A view lower than one text row still has one row, so the row height
    // never divides by zero.
    const int r = qMax(1, size.height() / (f + 2));
    m_lineCount = r - 1;
    m_lineH = qMax(1, size.height() / r);
}

void TPosView::setLines(int n)
{
    // Rows beyond any screen are of no use; the bound keeps n + 1 and the
    // row arithmetic from overflowing.
    m_lineCount = n < 0 ? 0 : qMin(n, 4095) + 1;
}

void TPosView::addLine(const QString& line)
{
    if (!m_lines.contains(line))
        m_lines.append(line);
}

void TPosView::removeLine(const QString& line)
{
    m_lines.removeAll(line);
}

void TPosView::clear()
{
    m_lines.clear();
}

void TPosView::refresh()
{
    if (!isVisible())
        return;
    repaint();
    QCoreApplication::processEvents();
}

void TPosView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor c33 = ctlColor(33), c34 = ctlColor(34);
    p.fillRect(rect(), c33);
    // Rows beyond the widget are not drawn: the owner may ask for more rows
    // than fit.
    const int rows = qMin(m_lineCount, height() / m_lineH + 1);
    for (int i = 0; i < rows; ++i) {
        const QRect band(0, i * m_lineH, width(), m_lineH);
        p.fillRect(band, i % 2 ? c33 : c33.darker(120));
        if (i < m_lines.size()) {
            p.setPen(c34);
            p.drawText(band.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, m_lines.at(i));
        }
    }
    ctlHLine(p, 0, width(), m_lineCount * m_lineH, c34);
    p.setPen(QPen(ctlColor(35), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)));
}
