#include "tscheduler.h"
#include "ctlres.h"
#include "tbutton.h"
#include "textutil.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

const QRect kEmpty(QPoint(0, 0), QPoint(-1, -1));

QColor valueColor(int v)
{
    switch (v) {
    case 0: return QColor(0, 255, 255);
    case 1: return QColor(0, 255, 0);
    case 2: return QColor(0, 0, 255);
    case 3: return QColor(100, 100, 100);
    default: return QColor(); // 4 and anything else: not painted
    }
}

bool isJogOrArrow(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT;
}

} // namespace

TScheduler::TScheduler(QWidget* parent, int id, const QSize& size)
    : QWidget(parent, Qt::FramelessWindowHint),
      m_id(id),
      m_curValue(0),
      m_lock(0),
      m_active(0),
      m_keyCur{0, 0, 0, 0},
      m_focusBtn(nullptr),
      m_parent(parent),
      m_mode(TScheduleGrid::Corner),
      m_prevMode(TScheduleGrid::Corner),
      m_pressed(0),
      m_preset(0),
      m_btnLeft(nullptr),
      m_btnIn(nullptr),
      m_btnOut(nullptr),
      m_btnRight(nullptr),
      m_hilite(kEmpty),
      m_lastApplied(kEmpty),
      m_drag{0, 0, 0, 0},
      m_timer(nullptr)
{
    resize(size);
    m_grid.layout(size.width(), size.height());
}

void TScheduler::createCtrl()
{
    const char* texts[] = {"<", "+", "-", ">"};
    TButton** holders[] = {&m_btnLeft, &m_btnIn, &m_btnOut, &m_btnRight};
    for (int i = 0; i < 4; ++i) {
        *holders[i] = new TButton(this, nullptr, QString::fromLatin1(texts[i]), i, QColor(255, 255, 255), -1);
        connect(*holders[i], &TButton::sg_clicked, this, &TScheduler::sl_btnclicked);
    }
    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &TScheduler::sl_timeout);
    placeButtons();
}

TButton* TScheduler::button(int id) const
{
    switch (id) {
    case 0: return m_btnLeft;
    case 1: return m_btnIn;
    case 2: return m_btnOut;
    case 3: return m_btnRight;
    default: return nullptr;
    }
}

int TScheduler::buttonIndex(QWidget* w) const
{
    for (int i = 0; i < 4; ++i) {
        if (w && button(i) == w)
            return i;
    }
    return -1;
}

void TScheduler::placeButtons()
{
    if (!m_btnLeft)
        return;
    const int c = m_grid.colW(), r = m_grid.rowH();
    const int xs[4] = {1, 2 * c + 1, 24 * c - 1, 26 * c - 1};
    for (int i = 0; i < 4; ++i) {
        button(i)->setGeometry(xs[i], 9 * r, 2 * c, r);
        button(i)->show();
    }
}

void TScheduler::resizeEvent(QResizeEvent*)
{
    m_grid.layout(width(), height());
    placeButtons();
    m_lock = 0;
    m_hilite = kEmpty;
    m_lastApplied = kEmpty;
    for (int& d : m_drag)
        d = 0;
}

void TScheduler::setData(const char* cells)
{
    m_grid.setData(cells);
    repaint();
}

void TScheduler::sl_btnclicked(int id, int)
{
    m_grid.button(id);
    repaint();
}

void TScheduler::emitChanged()
{
    char* cells = m_grid.data();
    emit sg_changeValue(1, m_curValue, &cells);
}

void TScheduler::setdata(int kind, int k0, int r0, int k1, int r1)
{
    // The same outline written twice steps its cells on; a new outline
    // writes the preset.
    const bool cycle = m_hilite.isValid() && m_hilite == m_lastApplied;
    const QRect org = m_lastApplied;
    if (!cycle)
        m_lastApplied = m_hilite;
    m_grid.write(kind, k0, r0, k1, r1, cycle, m_preset);
    qCDebug(lcUiBase, "========== setdata org(%d,%d,%d,%d) new(%d,%d,%d,%d) ===========", org.left(), org.top(),
            org.right(), org.bottom(), m_hilite.left(), m_hilite.top(), m_hilite.right(), m_hilite.bottom());
}

void TScheduler::setHilite(const QRect& r, int grow)
{
    if (r == m_hilite)
        return;
    const QRect old = m_hilite;
    m_hilite = r;
    if (old.isValid())
        update(old.adjusted(-grow, -grow, grow, grow));
    if (r.isValid())
        update(r.adjusted(-grow, -grow, grow, grow));
}

// ---- hover

void TScheduler::sl_timeout()
{
    const QPoint p = mapFromGlobal(QCursor::pos());
    const QRect g = m_grid.gridRect();
    if (g.contains(p) && m_grid.rowH() > 0) {
        const int row = qMin(TScheduleGrid::Rows - 1, (p.y() - g.top()) / m_grid.rowH());
        const int v = m_grid.value(row, m_grid.cellAtX(p.x()));
        if (v != m_curValue) {
            m_curValue = v;
            emit sg_changeValue(0, v, nullptr);
        }
    } else if (m_curValue != -1) {
        m_curValue = -1;
        emit sg_changeValue(0, -1, nullptr);
    }
}

void TScheduler::enterEvent(QEvent* e)
{
    m_active = 1;
    setFocus(Qt::OtherFocusReason);
    if (m_timer)
        m_timer->start();
    QWidget::enterEvent(e);
}

void TScheduler::leaveEvent(QEvent* e)
{
    m_active = 0;
    clearFocus();
    if (m_timer)
        m_timer->stop();
    update();
    QWidget::leaveEvent(e);
}

void TScheduler::focusOutEvent(QFocusEvent* e)
{
    update(m_hilite.adjusted(-2, -2, 2, 2));
    QWidget::focusOutEvent(e);
}

// ---- mouse

void TScheduler::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = 1;
    setFocus(Qt::OtherFocusReason);
    int col, row;
    const int region = m_grid.regionAt(e->pos(), &col, &row);
    if (region == TScheduleGrid::None) {
        m_mode = TScheduleGrid::None;
        setHilite(kEmpty, 2);
        for (int& d : m_drag)
            d = 0;
        return;
    }
    m_mode = region;
    m_drag[0] = m_drag[2] = col;
    m_drag[1] = m_drag[3] = row;
    setHilite(m_grid.cellRect(region, col, row), 2);
}

void TScheduler::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_pressed || !(e->buttons() & Qt::LeftButton))
        return;
    int col, row;
    const int region = m_grid.regionAt(e->pos(), &col, &row);
    if (region != m_mode || region == TScheduleGrid::None)
        return;
    if (col == m_drag[2] && row == m_drag[3])
        return;
    m_drag[2] = col;
    m_drag[3] = row;
    if (region == TScheduleGrid::Grid)
        setHilite(m_grid.spanRect(m_drag[0], m_drag[1], m_drag[2], m_drag[3]), 2);
}

void TScheduler::mouseReleaseEvent(QMouseEvent* e)
{
    if (!m_pressed || e->button() != Qt::LeftButton)
        return;
    m_pressed = 0;
    int col, row;
    const int region = m_grid.regionAt(e->pos(), &col, &row);
    if (region == TScheduleGrid::None) {
        setHilite(kEmpty, 2);
        m_mode = TScheduleGrid::None;
        return;
    }
    bool write = false;
    switch (m_mode) {
    case TScheduleGrid::Corner:
        write = region == TScheduleGrid::Corner;
        break;
    case TScheduleGrid::Grid:
        write = region == TScheduleGrid::Grid;
        break;
    case TScheduleGrid::Header:
        write = region == TScheduleGrid::Header && col == m_drag[0];
        break;
    case TScheduleGrid::Label:
        write = region == TScheduleGrid::Label && row == m_drag[1];
        break;
    default:
        break;
    }
    if (write) {
        setdata(m_mode, m_drag[0], m_drag[1], m_drag[2], m_drag[3]);
        repaint();
        emitChanged();
    }
    setHilite(m_grid.cellRect(region, col, row), 2);
    for (int& d : m_drag)
        d = 0;
}

// ---- keys

void TScheduler::moveFocus(int kind, int col, int row, int btn)
{
    if (m_focusBtn) {
        m_focusBtn->clearFocus();
        m_focusBtn = nullptr;
    }
    if (kind != m_mode)
        m_prevMode = m_mode;
    m_mode = kind;
    if (kind == TScheduleGrid::Buttons) {
        setHilite(kEmpty, 1);
        TButton* b = button(qBound(0, btn, 3));
        if (b) {
            b->setFocus(Qt::OtherFocusReason);
            m_focusBtn = b;
        }
    } else {
        setFocus(Qt::OtherFocusReason);
        m_keyCur[0] = qBound(0, col, TScheduleGrid::Cols - 1);
        m_keyCur[1] = qBound(0, row, TScheduleGrid::Rows - 1);
        setHilite(m_grid.cellRect(kind, m_keyCur[0], m_keyCur[1]), 1);
    }
    qCDebug(lcUiBase, "========= move focus org(%d,%d,%d,%d) ============", m_hilite.left(), m_hilite.top(),
            m_hilite.right(), m_hilite.bottom());
}

void TScheduler::reportKeyValue(int key)
{
    const int tx = m_keyCur[0], ty = m_keyCur[1];
    const int v = m_grid.value(ty, m_grid.cellOfColumn(tx));
    if (key == Qt::Key_Up)
        qCDebug(lcUiBase, "KeyUp.. tx:%d ty:%d m_curValue:%d m_data:%d", tx, ty, m_curValue, v);
    else
        qCDebug(lcUiBase, "KeyDown.. tx:%d ty:%d m_curValue:%d m_data:%d", tx, ty, m_curValue, v);
    if (v != m_curValue) {
        m_curValue = v;
        emit sg_changeValue(0, v, nullptr);
    }
}

void TScheduler::walk(int key)
{
    using G = TScheduleGrid;
    const int k = m_keyCur[0], r = m_keyCur[1];
    const bool up = key == Qt::Key_Up, down = key == Qt::Key_Down;
    const bool right = key == Qt::Key_Right || key == KEY_JOG_RIGHT;
    const bool left = key == Qt::Key_Left || key == KEY_JOG_LEFT;
    switch (m_mode) {
    case G::None:
        moveFocus(G::Corner, k, r);
        break;
    case G::Header:
        if (up)
            moveFocus(G::Buttons, k, r, 0);
        else if (down)
            moveFocus(G::Grid, k, 0);
        else if (right)
            k < 23 ? moveFocus(G::Header, k + 1, r) : moveFocus(G::Label, k, 0);
        else if (left)
            k > 0 ? moveFocus(G::Header, k - 1, r) : moveFocus(G::Corner, k, r);
        break;
    case G::Label:
        if (up)
            r > 0 ? moveFocus(G::Label, k, r - 1) : moveFocus(G::Corner, k, r);
        else if (down)
            r < 7 ? moveFocus(G::Label, k, r + 1) : moveFocus(G::Buttons, k, r, 0);
        else if (right)
            moveFocus(G::Grid, k, r);
        else if (left)
            r > 0 ? moveFocus(G::Grid, 23, r - 1) : moveFocus(G::Header, 23, r);
        break;
    case G::Grid:
        if (up)
            r > 0 ? moveFocus(G::Grid, k, r - 1) : moveFocus(G::Header, k, r);
        else if (down)
            r < 7 ? moveFocus(G::Grid, k, r + 1) : moveFocus(G::Buttons, k, r, 0);
        else if (right)
            k < 23 ? moveFocus(G::Grid, k + 1, r) : r < 7 ? moveFocus(G::Label, k, r + 1) : moveFocus(G::Corner, k, r);
        else if (left)
            k > 0 ? moveFocus(G::Grid, k - 1, r) : moveFocus(G::Label, k, r);
        break;
    case G::Corner:
        if (up || left)
            moveFocus(G::Buttons, k, r, 0);
        else if (down)
            moveFocus(G::Label, k, 0);
        else if (right)
            moveFocus(G::Header, 0, r);
        break;
    case G::Buttons: {
        const int b = qMax(0, buttonIndex(m_focusBtn));
        if (up || down) {
            const int back = m_prevMode == G::Buttons || m_prevMode == G::None ? G::Corner : m_prevMode;
            moveFocus(back, k, r);
        } else if (key == Qt::Key_Right) {
            moveFocus(G::Buttons, k, r, b < 3 ? b + 1 : 0);
        } else if (key == KEY_JOG_RIGHT) {
            b < 3 ? moveFocus(G::Buttons, k, r, b + 1) : moveFocus(G::Corner, k, r);
        } else if (key == Qt::Key_Left) {
            moveFocus(G::Buttons, k, r, b > 0 ? b - 1 : 3);
        } else if (key == KEY_JOG_LEFT) {
            b > 0 ? moveFocus(G::Buttons, k, r, b - 1) : moveFocus(G::Grid, 23, 7);
        }
        break;
    }
    default:
        break;
    }
    reportKeyValue(key);
}

void TScheduler::stretch(int key)
{
    int& fk = m_keyCur[2];
    int& fr = m_keyCur[3];
    switch (key) {
    case Qt::Key_Up:
        fr = qMax(0, fr - 1);
        break;
    case Qt::Key_Down:
        fr = qMin(7, fr + 1);
        break;
    case Qt::Key_Left:
        fk = qMax(0, fk - 1);
        break;
    case Qt::Key_Right:
        fk = qMin(23, fk + 1);
        break;
    case KEY_JOG_RIGHT:
        if (++fk > 23) {
            fk = 0;
            fr = fr >= 7 ? 0 : fr + 1;
        }
        break;
    case KEY_JOG_LEFT:
        if (--fk < 0) {
            fk = 23;
            fr = fr <= 0 ? 7 : fr - 1;
        }
        break;
    default:
        return;
    }
    fk = qBound(0, fk, 23);
    fr = qBound(0, fr, 7);
    setHilite(m_grid.spanRect(m_keyCur[0], m_keyCur[1], fk, fr), 1);
}

void TScheduler::escape()
{
    if (m_lock) {
        m_lock = 0;
        moveFocus(m_mode, qMax(0, m_keyCur[2]), qMax(0, m_keyCur[3]));
        return;
    }
    m_active = 0;
    if (m_focusBtn) {
        m_focusBtn->clearFocus();
        m_focusBtn = nullptr;
    }
    setFocus(Qt::OtherFocusReason);
    update();
}

void TScheduler::enter()
{
    using G = TScheduleGrid;
    switch (m_mode) {
    case G::Buttons:
        if (m_focusBtn) {
            QCoreApplication::postEvent(m_focusBtn,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), false, 1));
            QCoreApplication::postEvent(m_focusBtn, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier,
                                                                  QString(), false, 1));
        }
        return;
    case G::Corner:
    case G::Header:
    case G::Label:
        setdata(m_mode, m_keyCur[0], m_keyCur[1], m_keyCur[0], m_keyCur[1]);
        emitChanged();
        repaint();
        break;
    case G::Grid:
        if (!m_lock) {
            m_lock = 1;
            m_keyCur[2] = m_keyCur[0];
            m_keyCur[3] = m_keyCur[1];
            setHilite(m_grid.spanRect(m_keyCur[0], m_keyCur[1], m_keyCur[2], m_keyCur[3]), 1);
        } else {
            setHilite(m_grid.spanRect(m_keyCur[0], m_keyCur[1], m_keyCur[2], m_keyCur[3]), 1);
            setdata(G::Grid, m_keyCur[0], m_keyCur[1], m_keyCur[2], m_keyCur[3]);
            emitChanged();
            repaint();
        }
        break;
    default:
        break;
    }
    reportKeyValue(Qt::Key_Return);
}

int TScheduler::isLock(int key)
{
    if (!m_active)
        return 0;
    if (key == Qt::Key_Escape || key == Qt::Key_Backspace) {
        escape();
        return 1;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        enter();
        return 1;
    }
    if (m_lock) {
        stretch(key);
        return 1;
    }
    if (isJogOrArrow(key))
        walk(key);
    return 1;
}

void TScheduler::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Backspace) {
        escape();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_active) {
            isLock(key);
            return;
        }
        m_active = 1;
        if (m_focusBtn) {
            m_focusBtn->setFocus(Qt::OtherFocusReason);
        } else {
            const int kind = m_mode == TScheduleGrid::None || m_mode == TScheduleGrid::Buttons ? TScheduleGrid::Corner
                                                                                                  : m_mode;
            moveFocus(kind, qMax(0, m_keyCur[0]), qMax(0, m_keyCur[1]));
        }
        update();
        return;
    }
    e->ignore();
}

void TScheduler::keyReleaseEvent(QKeyEvent*)
{
    // Releases that reach the grid end here: its keys act on the press.
}

// ---- painting

void TScheduler::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor c33 = ctlColor(33), c35 = ctlColor(35);
    const int c = m_grid.colW(), rh = m_grid.rowH();
    p.fillRect(rect(), c33);
    p.fillRect(m_grid.headRect(), c35);
    p.fillRect(m_grid.cornerRect(), c35);
    p.fillRect(m_grid.labelRect(), c35);

    if (c > 0 && rh > 0) {
        // Runs of equal values are filled as one rectangle.
        const QRect g = m_grid.gridRect();
        const int first = m_grid.zoom() ? 6 * m_grid.firstHour() : 0;
        const int shown = m_grid.zoom() ? TScheduleGrid::Cols : TScheduleGrid::CellsPerRow;
        const int cw = m_grid.zoom() ? c : c / 6;
        for (int r = 0; r < TScheduleGrid::Rows; ++r) {
            int i = 0;
            while (i < shown) {
                const int v = m_grid.value(r, first + i);
                int j = i + 1;
                while (j < shown && m_grid.value(r, first + j) == v)
                    ++j;
                const QColor col = valueColor(v);
                if (col.isValid())
                    p.fillRect(g.left() + i * cw, g.top() + r * rh, (j - i) * cw, rh, col);
                i = j;
            }
        }
    }

    p.setPen(c33);
    p.drawText(m_grid.cornerRect(), Qt::AlignCenter, ctlText(56));
    for (int r = 0; r < TScheduleGrid::Rows; ++r) {
        const QRect lr = m_grid.cellRect(TScheduleGrid::Label, 0, r);
        p.setPen(c33);
        drawFitText(&p, lr, Qt::AlignCenter, ctlText(188 + r));
        ctlHLine(p, 0, 28 * c - 1, lr.bottom() + 1, c35);
    }

    const QRect h = m_grid.headRect();
    for (int k = 0; k < TScheduleGrid::Cols; ++k) {
        const int x = h.left() + k * c;
        ctlVLine(p, x, rh, 9 * rh - 1, c35);
        p.setPen(c33);
        if (!m_grid.zoom()) {
            p.drawText(QRect(x, 0, c, rh), Qt::AlignCenter, QString::number(k));
        } else if (k % 6 == 0) {
            ctlVLine(p, x, rh - rh / 4, rh - 1, c33);
            p.drawText(QRect(x, 0, 2 * c, rh), Qt::AlignCenter, QString::asprintf("%d:00", m_grid.firstHour() + k / 6));
        }
    }

    ctlFrame2(p, QRect(QPoint(1, 1), QPoint(width() - 2, height() - 2)), hasFocus() || m_active ? ctlColor(37) : c35);
    if (m_active && m_mode != TScheduleGrid::Buttons && m_hilite.isValid())
        ctlFrame2(p, m_hilite, ctlColor(37));
}
