#include "tmotiongrid.h"
#include "appglobals.h"
#include "ctlres.h"
#include "propsections.h"
#include "tconfig.h"
#include "uisetuplog.h"

#include <QPainter>
#include <QTimer>

#include <cmath>
#include <cstring>

namespace {

enum { SelColor = 37, Marker = 4 };

const QColor kArea(0, 255, 0);
const QColor kEmpty(0, 0, 0);
const QColor kLive(255, 0, 0);

QPoint motionSize()
{
    const auto* md = g_cfg ? static_cast<const PropMotion*>(g_cfg->getsection(IDX_PROP_MOTION, 0)) : nullptr;
    const QPoint n = md ? QPoint(md->rows, md->cols) : QPoint(1, 1);
    qCDebug(lcUiSetup, "TMotionGrid::resizeEvent.. md_row:%d md_col:%d", n.x(), n.y());
    return n;
}

} // namespace

TMotionGrid::TMotionGrid(QWidget* parent) : TMotionGrid(parent, motionSize()) {}

TMotionGrid::TMotionGrid(QWidget* parent, const QPoint& size) : TMotionGrid(parent, size.x(), size.y()) {}

TMotionGrid::TMotionGrid(QWidget* parent, int cols, int rows) : TSelGrid(parent, cols, rows)
{
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    setWindowOpacity(0.7);
}

bool TMotionGrid::cell(int x, int y) const
{
    return inside(QPoint(x, y)) && m_cell[y][x];
}

void TMotionGrid::setData(const uint32_t* rows)
{
    if (!rows)
        return;
    for (int y = 0; y < m_y; ++y)
        for (int x = 0; x < m_x; ++x)
            m_cell[y][x] = (rows[y] >> x) & 1u;
    drawImage();
    update();
}

void TMotionGrid::clear()
{
    m_sel = false;
    m_edit = false;
    std::memset(m_cell, 0, sizeof m_cell);
    std::memset(m_live, 0, sizeof m_live);
    std::memset(m_drawn, 0, sizeof m_drawn);
    drawImage();
    update();
}

void TMotionGrid::setLiveMd(const uint32_t* rows)
{
    if (!rows || m_sel)
        return;
    std::memcpy(m_live, rows, sizeof m_live);
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(1, this, &TMotionGrid::sl_timeout);
}

QRect TMotionGrid::marker(int x, int y) const
{
    return QRect(int(std::trunc(x * m_cw + (m_cw - Marker) / 2)), int(std::trunc(y * m_chh + (m_chh - Marker) / 2)),
                 Marker, Marker);
}

void TMotionGrid::sl_timeout()
{
    m_pending = false;
    // A selection began since the block came: the block waits for the next.
    if (m_sel || m_img.isNull())
        return;
    QPainter p(&m_img);
    for (int y = 0; y < m_y; ++y) {
        if (m_live[y] == m_drawn[y])
            continue;
        const uint32_t changed = m_live[y] ^ m_drawn[y];
        m_drawn[y] = m_live[y];
        for (int x = 0; x < m_x; ++x) {
            // Cells outside the area never show live motion.
            if (!m_cell[y][x] || !((changed >> x) & 1u))
                continue;
            const QRect r = marker(x, y);
            p.fillRect(r, (m_live[y] >> x) & 1u ? kLive : kArea);
            update(r.adjusted(0, 0, 2, 2)); // one pixel larger, at (1, 1) in the widget
        }
    }
}

void TMotionGrid::applySel(const QPoint& a, const QPoint& b)
{
    const int x0 = qMax(0, qMin(a.x(), b.x())), x1 = qMin(m_x - 1, qMax(a.x(), b.x()));
    const int y0 = qMax(0, qMin(a.y(), b.y())), y1 = qMin(m_y - 1, qMax(a.y(), b.y()));
    const unsigned char v = m_cell[y1][x1] ? 0 : 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            m_cell[y][x] = v;
    drawImage();
    update();
    emit sg_request(ReqEnd, b.x(), b.y());
}

void TMotionGrid::drawImage()
{
    if (m_img.isNull())
        return;
    m_img.fill(Qt::black);
    QPainter p(&m_img);
    const bool sel = m_sel || m_edit;
    const QColor selColor = ctlColor(SelColor);
    for (int y = 0; y < m_y; ++y) {
        for (int x = 0; x < m_x; ++x) {
            const QRect r = marker(x, y);
            const bool live = m_cell[y][x] && ((m_drawn[y] >> x) & 1u);
            p.fillRect(r, m_cell[y][x] ? (live ? kLive : kArea) : kEmpty);
            if (sel && m_selRect.contains(r.topLeft())) {
                p.setPen(selColor);
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(-1, -1, 0, 0));
            }
        }
    }
}
