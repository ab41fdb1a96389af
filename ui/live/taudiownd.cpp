#include "taudiownd.h"
#include "ctlres.h"
#include "tconfig.h"
#include "textutil.h"
#include "tkeys.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {

enum { CellImage = 36, OffImage = 35, BackImage = 149, ScreenSize = 16, CellGap = 149, TextColor = 32, FrameColor = 37 };


} // namespace

TAudioWnd::TAudioWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_cellImage(g_res ? g_res->getImage(CellImage) : nullptr),
      m_offImage(g_res ? g_res->getImage(OffImage) : nullptr),
      m_cells(1),
      m_sel(0)
{
    setFocusPolicy(Qt::StrongFocus);
    evtResize();
}

void TAudioWnd::setCurrent(int cell)
{
    // The frame is drawn around this cell: one the bar does not have would
    // be read past the cells.
    m_sel = cell >= 0 && cell < m_cells ? cell : 0;
}

QRect TAudioWnd::cellRect(int c) const
{
    return c >= 0 && c < m_cells ? m_cellRect[c] : QRect();
}

void TAudioWnd::evtResize()
{
    int videos = 0;
    if (g_cfg)
        videos = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->videos;
    m_cells = qBound(1, videos + 1, int(MAX_CELLS));
    if (m_sel >= m_cells)
        m_sel = 0;
    const QSize cs = m_cellImage ? ctlSize(CellImage, m_cellImage->size()) : QSize(0, 0);
    const int gap = g_res ? g_res->getValue(CellGap) : 4;
    for (int i = 0; i < MAX_CELLS; ++i)
        m_cellRect[i] = QRect(ctlScale(20) + i * (gap + cs.width()), (height() - cs.height()) / 2, cs.width(),
                              cs.height());
}

void TAudioWnd::evtShow()
{
    setFocus();
    const int sw = ctlSize(ScreenSize, QSize(1280, 720)).width();
    const QPoint cur = QCursor::pos();
    if (cur.x() < sw - 1 && cur.y() < sw - 1)
        QCursor::setPos(mapToGlobal(rect().center()));
}

void TAudioWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    const QSize bg = ctlSize(BackImage, size());
    const QPixmap back = ctlImage(BackImage);
    p.drawPixmap(QRect(QPoint(0, 0), bg),
                 back.size() == bg ? back : back.scaled(bg, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (m_offImage)
        p.drawPixmap(m_cellRect[0], m_offImage->scaled(ctlSize(OffImage, m_offImage->size())));
    p.setPen(QPen(ctlColor(TextColor), 2));
    for (int c = 1; c < m_cells; ++c)
        drawFitText(&p, m_cellRect[c], Qt::AlignCenter, QString::number(c));
    p.setPen(QPen(ctlColor(FrameColor), 2));
    p.drawRect(m_cellRect[m_sel]);
}

void TAudioWnd::mousePressEvent(QMouseEvent* e)
{
    for (int c = 0; c < MAX_CELLS; ++c) {
        if (!m_cellRect[c].contains(e->pos()))
            continue;
        if (c < m_cells) {
            m_sel = c;
            update();
            QCoreApplication::processEvents();
            emit sg_request(c - 1);
        }
        return;
    }
}

void TAudioWnd::evtKeydown(int key)
{
    bool choose = false;
    switch (key) {
    case Qt::Key_Escape:
        hideWnd();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        return;
    case Qt::Key_Left:
    case KEY_JOG_LEFT:
        m_sel = m_sel > 0 ? m_sel - 1 : m_cells - 1;
        break;
    case Qt::Key_Right:
    case KEY_JOG_RIGHT:
        m_sel = m_sel + 1 < m_cells ? m_sel + 1 : 0;
        break;
    case Qt::Key_Enter:
        choose = true;
        break;
    default:
        if (isPlaybackKey(key))
            emit sg_request(key);
        break;
    }
    update();
    QCoreApplication::processEvents();
    if (choose)
        emit sg_request(m_sel - 1);
}
