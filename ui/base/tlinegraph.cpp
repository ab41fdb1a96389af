#include "tlinegraph.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QImage>
#include <QPainter>

#include <cstring>

namespace {

const QColor kKind1(100, 255, 200);
const QColor kKind2(0, 0, 255);
const QColor kCursorActive(246, 142, 85);
const QColor kCursor(255, 0, 0);

} // namespace

TLineGraph::TLineGraph(QWidget* parent, int rows)
    : QWidget(parent, Qt::SubWindow),
      m_rows(qBound(0, rows, int(MaxRows))),
      m_rowH(0),
      m_top(20),
      m_bottom(20),
      m_posCur(0),
      m_posMouse(0),
      m_active(0),
      m_pressed(false),
      m_btn{},
      m_keyMode(0),
      m_firstCh(0)
{
    setMouseTracking(true);
    std::memset(m_data, 0, sizeof m_data);
}

void TLineGraph::init()
{
    createBtn();
    reset();
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TLineGraph::sl_btnclicked);
    }
}

void TLineGraph::createBtn()
{
    const char* texts[] = {"<", "+", ">", "-"};
    const int ids[] = {0, 1, 5, 4};
    for (int i = 0; i < 4; ++i) {
        auto* b = new TButton(this, nullptr, QString::fromLatin1(texts[i]), ids[i], QColor(255, 255, 255), -1);
        b->resize(40, m_bottom - 2);
        b->show();
        m_btn[ids[i]] = b;
    }
}

void TLineGraph::layoutBtn()
{
    if (!m_btn[0])
        return;
    const int y = height() - m_bottom;
    const int w = m_btn[0]->width();
    m_btn[0]->move(2, y);
    m_btn[1]->move(w + 2, y);
    m_btn[5]->move(width() - 2 - w, y);
    m_btn[4]->move(width() - 2 - 2 * w, y);
    m_btnRect = QRect(QPoint(0, y), QPoint(width() - 1, y + m_bottom - 1));
}

TButton* TLineGraph::button(int id) const
{
    return id >= 0 && id < 6 ? m_btn[id] : nullptr;
}

void TLineGraph::setChannel(int rows, int firstCh)
{
    // At most the 20 rows the cells hold; the owner's camera count may be
    // larger on a 32-channel board.
    m_rows = qBound(0, rows, int(MaxRows));
    m_firstCh = firstCh;
    setGeometry(size());
}

void TLineGraph::resizeTo(QSize size)
{
    resize(size);
    setGeometry(size);
}

void TLineGraph::setGeometry(QSize size)
{
    m_active = 0;
    m_keyMode = 0;
    m_size = size;
    m_scale.setWidth(size.width());
    m_posCur = m_posMouse = m_scale.x0();
    // No rows, or a widget lower than its header and buttons, has no row height.
    const int free = size.height() - m_top - m_bottom;
    m_rowH = m_rows > 0 && free > 0 ? free / m_rows : 0;
    clearData();
}

void TLineGraph::reset()
{
    m_scale.reset();
    m_posCur = m_scale.x0();
    clearData();
}

void TLineGraph::clearData()
{
    std::memset(m_data, 0, sizeof m_data);
}

void TLineGraph::setData(int row, int minute, int value)
{
    if (row < 0 || row >= MaxRows || minute < 0 || minute >= Minutes)
        return;
    m_data[row * Minutes + minute] = static_cast<unsigned char>(value);
}

int TLineGraph::data(int row, int minute) const
{
    if (row < 0 || row >= MaxRows || minute < 0 || minute >= Minutes)
        return 0;
    return m_data[row * Minutes + minute];
}

void TLineGraph::refresh()
{
    if (!isVisible())
        return;
    repaint();
    QCoreApplication::processEvents();
}

void TLineGraph::repaintCursor(int oldX, int newX)
{
    update(QRect(oldX - 2, 0, 4, height()));
    update(QRect(newX - 2, 0, 4, height()));
}

void TLineGraph::updatePos(int sec)
{
    if (m_pressed)
        return;
    int offset;
    if (sec >= m_scale.ts() && sec < m_scale.te())
        offset = sec - m_scale.ts();
    else if (sec < m_scale.ts())
        offset = 0;
    else
        offset = m_scale.te() - 1 - m_scale.ts();
    const int x = m_scale.time2pos(offset);
    qCDebug(lcUiBase, "updatePos.. play_sec:%d play_pos:%d m_posCur:%d m_ts:%d m_te:%d", sec, x, m_posCur,
            m_scale.ts(), m_scale.te());
    if (m_scale.inColumns(x) && x != m_posCur) {
        const int old = m_posCur;
        m_posCur = x;
        repaintCursor(old, x);
    }
}

void TLineGraph::sl_btnclicked(int id, int)
{
    m_posCur = m_scale.button(id, m_posCur);
    refresh();
}

bool TLineGraph::inGraph(const QPoint& p) const
{
    return m_scale.inColumns(p.x()) && p.y() >= m_top && p.y() < m_top + m_rows * m_rowH;
}

int TLineGraph::focusedButton() const
{
    for (int i = 0; i < 6; ++i) {
        if (m_btn[i] && m_btn[i]->hasFocus())
            return i;
    }
    return -1;
}

void TLineGraph::focusButton(int id)
{
    if (m_btn[id])
        m_btn[id]->setFocus(Qt::OtherFocusReason);
}

int TLineGraph::keyEvent(int key)
{
    if (!m_keyMode && !m_active)
        return 0;
    if (key < Qt::Key_Escape || key > Qt::Key_Down)
        return 1; // the jog dial and every other key are consumed
    const int b = focusedButton();
    switch (key) {
    case Qt::Key_Escape:
        m_keyMode = m_active = 0;
        update();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (b >= 0) {
            QCoreApplication::postEvent(m_btn[b], new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
            QCoreApplication::postEvent(m_btn[b], new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
        } else {
            const int t = m_scale.pos2time(m_posCur);
            qCDebug(lcUiBase, "========== time graph h:%d m:%d s:%d ==============", t / 3600, t / 60 % 60, t % 60);
            emit sg_request(1, t);
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (b >= 0) {
            m_active = 1;
            setFocus(Qt::OtherFocusReason);
            update();
        } else {
            focusButton(1);
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (b >= 0) {
            // Nearest existing button with a lower or higher id.
            const int dir = key == Qt::Key_Left ? -1 : 1;
            for (int i = b + dir; i >= 0 && i < 6; i += dir) {
                if (m_btn[i]) {
                    focusButton(i);
                    break;
                }
            }
        } else {
            bool scrolled = false;
            const int ct = key == Qt::Key_Left ? m_scale.stepLeft(m_posCur, &scrolled)
                                               : m_scale.stepRight(m_posCur, &scrolled);
            if (scrolled)
                refresh();
            const int x = m_scale.time2pos(ct);
            if (x != m_posCur) {
                emit sg_request(2, m_scale.ts() + ct);
                const int old = m_posCur;
                m_posCur = x;
                repaintCursor(old, x);
                update(m_btnRect);
                QCoreApplication::processEvents();
            }
        }
        break;
    default:
        break;
    }
    return 1;
}

void TLineGraph::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        m_active = 1;
        m_keyMode = 1;
        update();
        return;
    }
    e->ignore();
}

void TLineGraph::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    m_pressed = true;
    m_active = 0;
    if (inGraph(e->pos())) {
        m_active = 1;
        const int x = e->pos().x();
        if (x != m_posCur) {
            const int old = m_posCur;
            m_posCur = m_posMouse = x;
            repaintCursor(old, x);
            update(m_btnRect);
        }
    }
    update();
}

void TLineGraph::mouseMoveEvent(QMouseEvent* e)
{
    if (inGraph(e->pos())) {
        m_posMouse = e->pos().x();
        update(m_btnRect);
    }
}

void TLineGraph::mouseReleaseEvent(QMouseEvent*)
{
    m_active = 0;
    m_pressed = false;
    if (m_scale.inColumns(m_posCur))
        emit sg_request(0, m_scale.pos2time(m_posCur));
    update();
}

void TLineGraph::mouseDoubleClickEvent(QMouseEvent*)
{
    m_active = 0;
    if (m_scale.inColumns(m_posCur))
        emit sg_request(1, m_scale.pos2time(m_posCur));
}

void TLineGraph::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int x0 = m_scale.x0();
    const int hw = m_scale.hourW();
    const int gw = TTimeScale::Steps * hw;
    const int span = m_scale.span();
    const int ts = m_scale.ts();
    const int gridBottom = m_top + m_rows * m_rowH;
    const QColor c33 = ctlColor(33), c35 = ctlColor(35), c36 = ctlColor(36);

    // 1. Label column.
    if (x0 > 0 && m_rows > 0 && m_rowH > 0)
        p.fillRect(QRect(QPoint(0, m_top), QPoint(x0 - 1, gridBottom - 1)), c36);

    // 2. Minute cells. Each row is set pixel by pixel in a one-line image
    // and stretched to the row height: a day of minutes changing kind every
    // minute would otherwise be tens of thousands of small fills. A cell
    // narrower than a pixel (x1 > x2) sets no pixel, as the rule asks.
    if (m_rowH > 0 && hw > 0 && m_rows > 0) {
        const int mFirst = ts / 60, mEnd = qMin(m_scale.te() / 60, int(Minutes));
        const QRgb kinds[3] = {0, kKind1.rgba(), kKind2.rgba()};
        QImage line(gw, 1, QImage::Format_ARGB32_Premultiplied);
        for (int r = 0; r < m_rows; ++r) {
            const unsigned char* row = m_data + r * Minutes;
            line.fill(Qt::transparent);
            QRgb* px = reinterpret_cast<QRgb*>(line.scanLine(0));
            bool any = false;
            for (int m = mFirst; m < mEnd; ++m) {
                const int v = row[m];
                if (!v)
                    continue;
                const int x1 = int(qint64(60 * m - ts) * gw / span);
                const int x2 = qMin(gw - 1, int(qint64(60 * m - ts + 60) * gw / span) - 1);
                for (int x = qMax(0, x1); x <= x2; ++x)
                    px[x] = kinds[v >= 2 ? 2 : 1];
                any = any || x1 <= x2;
            }
            if (any)
                p.drawImage(QRect(x0, m_top + r * m_rowH, gw, m_rowH), line);
        }
    }

    // 3. Header strip.
    p.fillRect(QRect(0, 0, width(), m_top), c35);

    // 4. Row lines and labels.
    ctlHLine(p, 0, x0 + gw, m_top, c35);
    for (int r = 0; r < m_rows; ++r)
        ctlHLine(p, 0, x0 + gw, m_top + (r + 1) * m_rowH, c35);
    if (m_rows <= 8 && m_rowH > 0) {
        p.setPen(c33);
        for (int r = 0; r < m_rows; ++r) {
            const int yt = m_top + r * m_rowH;
            p.drawText(QRect(QPoint(0, yt), QPoint(x0 - 5, yt + m_rowH)), Qt::AlignRight | Qt::AlignVCenter,
                       QString::asprintf("%dCH", m_firstCh + 1 + r));
        }
    }

    // 5. Column lines and header labels.
    for (int k = 0; k <= TTimeScale::Steps; ++k) {
        const int x = x0 + k * hw;
        ctlVLine(p, x, m_top, gridBottom, c35);
        if (k == TTimeScale::Steps)
            break;
        p.setPen(c33);
        const int zoom = m_scale.zoom();
        if (zoom == 0) {
            p.drawText(QRect(x - hw / 2, 0, hw, m_top), Qt::AlignCenter, QString::number(k));
        } else if ((zoom == 1 && k % 3 == 0) || (zoom == 2 && k % 4 == 0)) {
            const int t = ts + k * span / TTimeScale::Steps;
            p.drawText(QRect(x - hw, 0, 2 * hw, m_top), Qt::AlignCenter,
                       QString::asprintf("%02d:%02d", t / 3600, t / 60 % 60));
        }
    }

    // 6. Button row with the time under the mouse.
    p.fillRect(m_btnRect, c35);
    const int tm = m_scale.pos2time(m_posMouse);
    p.setPen(c33);
    p.drawText(m_btnRect, Qt::AlignCenter, QString::asprintf("%02d:%02d:%02d", tm / 3600, tm / 60 % 60, tm % 60));

    // 7. Cursor.
    if (m_rows > 0 && m_rowH > 0) {
        // Two pixels wide, centred on the cursor's x as a 2-pixel pen draws it.
        p.fillRect(m_posCur - 1, m_top + 1, 2, gridBottom - 1 - m_top, hasFocus() && m_active ? kCursorActive : kCursor);
    }

    // 8. Frame.
    ctlFrame2(p, QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)), hasFocus() && !m_active ? ctlColor(37) : c35);
}
