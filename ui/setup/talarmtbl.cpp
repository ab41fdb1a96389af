#include "talarmtbl.h"
#include "ctlres.h"
#include "tkeys.h"
#include "textutil.h"
#include "uisetuplog.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <cstring>

namespace {
enum { ColBack = 33, ColFrame = 35, ColFocus = 37 };
}

TAlarmtbl::TAlarmtbl(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
}

TAlarmtbl::~TAlarmtbl()
{
    delete m_image;
}

void TAlarmtbl::setSize(int rows, int cols)
{
    m_rows = qBound(1, rows, int(MAX_ROWS));
    m_cols = qBound(1, cols, int(MAX_COLS));
    std::memset(m_cells, 0, sizeof m_cells);
    // The cursor stays inside the new grid.
    m_curRow = qMin(m_curRow, m_rows - 1);
    m_curCol = qMin(m_curCol, m_cols - 1);
    if (m_focusCol > 0)
        setFocusCell(m_labelCols + m_curCol, m_curRow + 1);
    resize((m_labelCols + m_cols) * m_cellW, (m_rows + 1) * m_cellH);
    update();
}

void TAlarmtbl::setCellSize(int w, int h)
{
    // A zero cell would divide every click by zero and draw nothing.
    m_cellW = qMax(1, w);
    m_cellH = qMax(1, h);
}

void TAlarmtbl::setLabels(const QStringList& labels)
{
    m_labels = labels;
    update();
}

void TAlarmtbl::setCell(int row, int col, int value)
{
    if (row >= 0 && row < MAX_ROWS && col >= 0 && col < MAX_COLS)
        m_cells[row][col] = value ? 1 : 0;
}

int TAlarmtbl::cell(int row, int col) const
{
    return row >= 0 && row < MAX_ROWS && col >= 0 && col < MAX_COLS ? m_cells[row][col] : 0;
}

QRect TAlarmtbl::cellRect(int gridCol, int gridRow) const
{
    return QRect(gridCol * m_cellW, gridRow * m_cellH, m_cellW, m_cellH);
}

void TAlarmtbl::setFocusCell(int gridCol, int gridRow)
{
    const QRect old = m_focusRect;
    m_focusCol = gridCol;
    m_focusRow = gridRow;
    m_focusRect = gridCol > 0 && gridRow > 0 ? cellRect(gridCol, gridRow) : QRect();
    if (old.isValid())
        update(old.adjusted(-1, -1, 1, 1));
    if (m_focusRect.isValid())
        update(m_focusRect.adjusted(-1, -1, 1, 1));
}

void TAlarmtbl::toggle(int row, int col)
{
    const int v = m_cells[row][col] == 0 ? 1 : 0;
    m_cells[row][col] = static_cast<unsigned char>(v);
    update(cellRect(m_labelCols + col, row + 1).adjusted(-1, -1, 1, 1));
    emit sg_request(row, col, v);
}

void TAlarmtbl::moveCursor(int row, int col)
{
    m_curRow = row;
    m_curCol = col;
    setFocusCell(m_labelCols + m_curCol, m_curRow + 1);
}

void TAlarmtbl::leaveEdit()
{
    m_lock = 0;
    setFocusCell(0, 0);
    update();
}

void TAlarmtbl::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    if (!m_focusRect.isValid())
        update();
    const int gc = e->pos().x() / m_cellW;
    const int gr = e->pos().y() / m_cellH;
    if (e->pos().x() < 0 || e->pos().y() < 0 || gc < m_labelCols || gc >= m_labelCols + m_cols || gr < 1 ||
        gr >= m_rows + 1)
        return;
    setFocusCell(gc, gr);
    toggle(gr - 1, gc - m_labelCols);
}

void TAlarmtbl::mouseReleaseEvent(QMouseEvent*) {}

void TAlarmtbl::keyPressEvent(QKeyEvent* e)
{
    qCDebug(lcUiSetup, "============ TAlarmtbl::keyPressEvent(%d) ===========", e->key());
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        setFocus(Qt::OtherFocusReason);
        m_lock = 1;
        moveCursor(0, 0);
        update();
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace: isLock(e->key()); break;
    default: break;
    }
}

void TAlarmtbl::keyReleaseEvent(QKeyEvent*) {}

int TAlarmtbl::isLock(int key)
{
    qCDebug(lcUiSetup, "============ TAlarmtbl::isLock(%d) ===========", key);
    if (!m_lock)
        return 0;
    if (m_focusCol <= 0 || m_focusRow <= 0)
        return 1;
    const int lastRow = m_rows - 1;
    const int lastCol = m_cols - 1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: toggle(m_curRow, m_curCol); break;
    case KEY_JOG_RIGHT:
        if (m_curCol < lastCol)
            moveCursor(m_curRow, m_curCol + 1);
        else
            moveCursor(m_curRow < lastRow ? m_curRow + 1 : 0, 0);
        break;
    case KEY_JOG_LEFT:
        if (m_curCol > 0)
            moveCursor(m_curRow, m_curCol - 1);
        else
            moveCursor(m_curRow > 0 ? m_curRow - 1 : lastRow, lastCol);
        break;
    case Qt::Key_Left: moveCursor(m_curRow, m_curCol > 0 ? m_curCol - 1 : lastCol); break;
    case Qt::Key_Right: moveCursor(m_curRow, m_curCol < lastCol ? m_curCol + 1 : 0); break;
    case Qt::Key_Up: moveCursor(m_curRow > 0 ? m_curRow - 1 : lastRow, m_curCol); break;
    case Qt::Key_Down: moveCursor(m_curRow < lastRow ? m_curRow + 1 : 0, m_curCol); break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace: leaveEdit(); break;
    default: break;
    }
    return 1;
}

void TAlarmtbl::focusInEvent(QFocusEvent*)
{
    update();
}

void TAlarmtbl::focusOutEvent(QFocusEvent*)
{
    // Leaving the table ends the edit mode; nothing is toggled.
    leaveEdit();
}

void TAlarmtbl::resizeEvent(QResizeEvent*)
{
    delete m_image;
    m_image = new QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    update();
}

void TAlarmtbl::paintEvent(QPaintEvent* e)
{
    if (!m_image)
        return;
    drawTable(e->rect());
    QPainter p(this);
    p.drawImage(e->rect(), *m_image, e->rect());
    if (m_lock) {
        const QColor c = ctlColor(ColFocus);
        const int w = qMin(width(), (m_labelCols + m_cols) * m_cellW);
        const int h = qMin(height(), (m_rows + 1) * m_cellH);
        p.fillRect(0, 0, w, 3, c);
        p.fillRect(0, h - 3, w, 3, c);
        p.fillRect(0, 0, 3, h, c);
        p.fillRect(w - 3, 0, 3, h, c);
    }
}

void TAlarmtbl::drawTable(const QRect& rect)
{
    QPainter p(m_image);
    p.setClipRect(rect);
    const QColor back = ctlColor(ColBack);
    const QColor frame = ctlColor(ColFrame);
    const int gridW = (m_labelCols + m_cols) * m_cellW;
    const int gridH = (m_rows + 1) * m_cellH;
    p.fillRect(m_image->rect(), back);
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_cols; ++c) {
            if (m_cells[r][c])
                p.fillRect(cellRect(m_labelCols + c, r + 1), QColor(255, 0, 0));
        }
    }
    p.fillRect(0, 0, m_labelCols * m_cellW, gridH, frame);
    p.fillRect(0, 0, gridW, m_cellH, frame);
    p.setPen(back);
    const int pad = ctlScale(4);
    for (int gr = 0; gr <= m_rows; ++gr) {
        const int y = gr * m_cellH;
        if (gr < m_rows && gr < m_labels.size())
            drawFitText(&p, QRect(0, y + m_cellH, m_labelCols * m_cellW - pad, m_cellH),
                        Qt::AlignRight | Qt::AlignVCenter, m_labels[gr]);
        p.fillRect(0, y, gridW, 2, frame);
    }
    p.fillRect(0, gridH - 2, gridW, 2, frame);
    for (int c = 0; c < m_cols; ++c) {
        const int x = (m_labelCols + c) * m_cellW;
        p.drawText(QRect(x, 0, m_cellW, m_cellH), Qt::AlignCenter,
                   m_cols == 1 ? QStringLiteral(" ") : QString::number(c + 1));
        p.fillRect(x, 0, 2, gridH, frame);
    }
    p.fillRect(gridW - 2, 0, 2, gridH, frame);
    if (hasFocus())
        ctlFrame2(p, m_focusRect.isValid() ? m_focusRect : QRect(0, 0, gridW, gridH), ctlColor(ColFocus));
}
