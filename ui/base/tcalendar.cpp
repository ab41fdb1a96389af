#include "tcalendar.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcalendarpop.h"
#include "tkeys.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

const QColor kSunday(0, 0, 255);
const QColor kEntries(255, 0, 0);

} // namespace

TCalendar::TCalendar(QWidget* parent, int, QSize size)
    : QWidget(parent, Qt::SubWindow),
      m_selectOn(0),
      m_cellW(size.width() / 7),
      m_cellH(size.height() / 8),
      m_selMonth(-1),
      m_btnPrev(nullptr),
      m_btnNext(nullptr),
      m_pop(nullptr),
      m_curBtn(nullptr),
      m_on(0),
      m_row(1),
      m_iconPrev(nullptr),
      m_iconNext(nullptr)
{
    resize(size);
    const QDate today = QDate::currentDate();
    m_date = today;
    setMonth(today.year(), today.month());
}

TCalendar::~TCalendar()
{
    // The entry list is a window of its own, not a child: delete it here.
    delete m_pop;
    delete m_iconPrev;
    delete m_iconNext;
}

void TCalendar::init()
{
    createCtrl();
    reset();
}

void TCalendar::createCtrl()
{
    m_iconPrev = TRes::makeIcon(ctlImage(23), 4, false);
    m_iconNext = TRes::makeIcon(ctlImage(24), 4, false);
    m_btnPrev = new TButton(this, m_iconPrev, QString(), 0, QColor(0, 0, 0), 4);
    m_btnNext = new TButton(this, m_iconNext, QString(), 1, QColor(0, 0, 0), 4);
    m_pop = new TCalendarPop(nullptr, QSize(100, 100));
    connect(m_btnPrev, &TButton::sg_clicked, this, &TCalendar::sl_btnclicked);
    connect(m_btnNext, &TButton::sg_clicked, this, &TCalendar::sl_btnclicked);
    connect(m_pop, &TCalendarPop::sg_clicked, this, &TCalendar::sl_clicked);
    layoutCtrl();
}

void TCalendar::reset()
{
    m_grid.clearMarks();
    m_date = QDate::currentDate();
}

void TCalendar::setMonth(int year, int month)
{
    const int day = m_grid.setMonth(year, month, m_date.day());
    const QDate d(year, month, day);
    if (d.isValid())
        m_date = d;
}

void TCalendar::setDay(int day)
{
    const QDate d(m_date.year(), m_date.month(), day);
    if (d.isValid())
        m_date = d;
}

void TCalendar::setMark(int day, int value)
{
    m_grid.setMark(day, value);
}

void TCalendar::clearMark(int day)
{
    m_grid.clearMark(day);
}

void TCalendar::clearMarks()
{
    m_grid.clearMarks();
}

QRect TCalendar::cellRect(int cell) const
{
    return QRect(cell % 7 * m_cellW, (cell / 7 + 2) * m_cellH, m_cellW, m_cellH);
}

int TCalendar::focusCell() const
{
    if (!m_focusRect.isValid() || m_cellW <= 0 || m_cellH <= 0)
        return -1;
    const int c = (m_focusRect.left() - 2) / m_cellW;
    const int w = (m_focusRect.top() - 2) / m_cellH - 2;
    if (c < 0 || c > 6 || w < 0 || w > 5)
        return -1;
    return w * 7 + c;
}

int TCalendar::cellAt(const QPoint& p) const
{
    if (m_cellW <= 0 || m_cellH <= 0 || p.x() < 0 || p.y() < 2 * m_cellH)
        return -1;
    const int c = p.x() / m_cellW;
    const int w = (p.y() - 2 * m_cellH) / m_cellH;
    if (c > 6 || w > 5)
        return -1;
    return w * 7 + c;
}

void TCalendar::setFocusDay(int cell)
{
    if (cell < 0 || cell >= TMonthGrid::Cells)
        return;
    setFocus(Qt::OtherFocusReason);
    const QRect old = m_focusRect;
    const QRect r = cellRect(cell);
    m_focusRect = QRect(QPoint(r.left() + 2, r.top() + 2), QPoint(r.left() + m_cellW - 3, r.top() + m_cellH - 3));
    if (m_grid.dayAt(cell))
        setDay(m_grid.dayAt(cell));
    update(old.adjusted(-4, -4, 4, 4));
    update(r);
}

void TCalendar::clearFocusDay()
{
    const QRect old = m_focusRect;
    m_focusRect = QRect();
    update(old.adjusted(-4, -4, 4, 4));
}

void TCalendar::selectDay(int day)
{
    if (day >= 0)
        setFocusDay(m_grid.cellOfDay(day));
    if (m_focusRect.isValid()) {
        m_selMonth = m_date.month();
        m_selRect = m_focusRect;
    }
}

void TCalendar::refresh()
{
    if (!isVisible())
        return;
    repaint();
    QCoreApplication::processEvents();
}

void TCalendar::layoutCtrl()
{
    m_cellH = height() / 8;
    m_cellW = width() / 7;
    if (!m_btnPrev)
        return;
    const QSize bs = ctlSize(23, QSize(12, 20));
    const int y = qMax(0, (m_cellH - bs.height()) / 2);
    m_btnPrev->resize(bs);
    m_btnNext->resize(bs);
    m_btnPrev->move(1, y);
    m_btnNext->move(width() - bs.width() - 1, y);
    m_btnPrev->show();
    m_btnNext->show();
    m_pop->resize(width(), m_cellH);
    m_pop->hide();
}

void TCalendar::resizeEvent(QResizeEvent*)
{
    layoutCtrl();
}

void TCalendar::popup(int row, int count)
{
    if (!m_pop)
        return;
    m_pop->move(mapToGlobal(QPoint(0, row * m_cellH)));
    m_pop->setCount(count);
    m_pop->setFocusItem(m_pop->count() - m_pop->first());
    m_pop->show();
    m_pop->activateWindow();
    m_pop->setFocus(Qt::OtherFocusReason);
}

void TCalendar::setCurBtn(TButton* b)
{
    m_curBtn = b;
    if (b)
        b->setFocus(Qt::OtherFocusReason);
}

void TCalendar::toGrid(int cell)
{
    setFocusDay(cell);
    m_curBtn = nullptr;
    m_btnPrev->clearFocus();
    m_btnNext->clearFocus();
    m_row = 1;
}

void TCalendar::downFromButton()
{
    const int n = m_grid.moveFocus(0, Qt::Key_Down, m_selectOn);
    if (n >= 0) {
        toGrid(n);
        return;
    }
    if (m_selectOn)
        return;
    const QDate now = QDate::currentDate();
    const bool thisMonth = now.year() == m_date.year() && now.month() == m_date.month();
    const int cell = m_grid.cellOfDay(thisMonth ? m_date.day() : 1);
    if (cell >= 0)
        toGrid(cell);
}

int TCalendar::keyEvent(int key)
{
    if (m_pop && m_pop->isVisible() && m_pop->keyEvent(key))
        return 1;
    if (!m_on || !m_btnPrev)
        return 0;
    const int b = m_curBtn == m_btnPrev ? 0 : m_curBtn == m_btnNext ? 1 : -1;
    const int cur = focusCell();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (b >= 0) {
            QCoreApplication::postEvent(m_curBtn, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
            QCoreApplication::postEvent(m_curBtn, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
        } else {
            const int cell = m_grid.cellOfDay(m_date.day());
            const int mark = m_grid.markAt(cell);
            if (mark >= 2)
                popup(cell / 7 + 2, mark);
            else
                emit sg_dblclicked(m_date);
        }
        break;
    case Qt::Key_Escape:
        clearFocusDay();
        m_on = 0;
        m_curBtn = nullptr;
        m_btnPrev->clearFocus();
        m_btnNext->clearFocus();
        update();
        setFocus(Qt::OtherFocusReason);
        break;
    case KEY_JOG_RIGHT:
        if (b == 0) {
            setCurBtn(m_btnNext);
        } else if (b == 1) {
            toGrid(m_grid.moveFocus(-1, KEY_JOG_RIGHT, m_selectOn));
        } else if (cur >= 0) {
            const int n = m_grid.moveFocus(cur, KEY_JOG_RIGHT, m_selectOn);
            qCDebug(lcUiBase, "JOG_RIGHT_KEY.. ridx:%d ridx2:%d", cur, n);
            if (n < cur)
                setCurBtn(m_btnPrev); // past the last day: round to the month buttons
            else
                toGrid(n);
        } else {
            setCurBtn(m_btnPrev);
        }
        break;
    case KEY_JOG_LEFT:
        if (b == 0) {
            toGrid(m_grid.moveFocus(-1, KEY_JOG_LEFT, m_selectOn));
        } else if (b == 1) {
            setCurBtn(m_btnPrev);
        } else if (cur >= 0) {
            const int n = m_grid.moveFocus(cur, KEY_JOG_LEFT, m_selectOn);
            qCDebug(lcUiBase, "JOG_LEFT_KEY.. ridx:%d ridx2:%d", cur, n);
            if (n > cur || n < 0)
                setCurBtn(m_btnNext);
            else
                toGrid(n);
        } else {
            setCurBtn(m_btnPrev);
        }
        break;
    case Qt::Key_Up:
        if (b < 0) {
            const int n = cur >= 0 ? m_grid.moveFocus(cur, Qt::Key_Up, m_selectOn) : -1;
            if (n >= 0) {
                toGrid(n);
            } else {
                setCurBtn(m_btnPrev);
                m_row = 2;
            }
        } else if (m_row == 2) {
            downFromButton();
            m_row = 1;
        } else {
            setFocus(Qt::OtherFocusReason);
            const int n = m_grid.moveFocus(41, Qt::Key_Up, m_selectOn);
            if (n >= 0)
                toGrid(n);
        }
        break;
    case Qt::Key_Down:
        if (b < 0) {
            const int n = cur >= 0 ? m_grid.moveFocus(cur, Qt::Key_Down, m_selectOn) : -1;
            if (n >= 0) {
                toGrid(n);
            } else {
                setCurBtn(m_btnPrev);
                m_row = 2;
            }
        } else {
            downFromButton();
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (b < 0) {
            if (cur >= 0) {
                const int n = m_grid.moveFocus(cur, key, m_selectOn);
                if (n >= 0)
                    toGrid(n);
            }
            m_row = 1;
        } else {
            setCurBtn(b == 0 ? m_btnNext : m_btnPrev);
            m_row = 2;
        }
        break;
    default:
        break;
    }
    update();
    return 1;
}

void TCalendar::sl_btnclicked(int id, int)
{
    if (m_selectOn) {
        // The owner changes the month itself so that it can load the marks.
        emit sg_state(id == 0 ? -1 : 1);
        return;
    }
    int month = m_date.month() + (id == 0 ? -1 : 1);
    if (month < 1)
        month = 12;
    else if (month > 12)
        month = 1;
    setMonth(m_date.year(), month);
    repaint();
    emit sg_changeMonth(m_date);
}

void TCalendar::sl_clicked(int n)
{
    qCDebug(lcUiBase, "TCalendar::sl_clicked.. idx:%d", n);
    emit sg_dayindex(n);
}

void TCalendar::sl_timeoutEnter()
{
    m_on = 1;
    setFocus(Qt::OtherFocusReason);
}

void TCalendar::sl_timeoutLeave()
{
    m_on = 0;
    clearFocus();
    update();
}

void TCalendar::enterEvent(QEvent* e)
{
    QTimer::singleShot(200, this, &TCalendar::sl_timeoutEnter);
    QWidget::enterEvent(e);
}

void TCalendar::leaveEvent(QEvent* e)
{
    QTimer::singleShot(200, this, &TCalendar::sl_timeoutLeave);
    QWidget::leaveEvent(e);
}

void TCalendar::hideEvent(QHideEvent* e)
{
    QTimer::singleShot(200, this, &TCalendar::sl_timeoutLeave);
    QWidget::hideEvent(e);
}

void TCalendar::mousePressEvent(QMouseEvent*)
{
    m_on = 1;
}

void TCalendar::mouseReleaseEvent(QMouseEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    const int cell = cellAt(e->pos());
    if (cell < 0)
        return;
    if (!m_grid.dayAt(cell)) {
        clearFocusDay();
        return;
    }
    if (m_selectOn && !m_grid.markAt(cell))
        return; // only marked days can be chosen
    setFocusDay(cell);
}

void TCalendar::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int cell = cellAt(e->pos());
    if (cell < 0 || !m_grid.dayAt(cell))
        return;
    const int mark = m_grid.markAt(cell);
    if (m_selectOn) {
        if (mark >= 2) {
            popup(cell / 7 + 2, mark);
            return;
        }
        if (!mark)
            return; // an unmarked day cannot be chosen in select mode
        setDay(m_grid.dayAt(cell));
    }
    emit sg_dblclicked(m_date);
}

void TCalendar::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !m_on) {
        m_on = 1;
        setFocusDay(m_grid.cellOfDay(m_date.day()));
        if (m_curBtn)
            m_curBtn->setFocus(Qt::OtherFocusReason);
        update();
        return;
    }
    if (!keyEvent(key))
        e->ignore();
}

void TCalendar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width();
    p.fillRect(rect(), ctlColor(33));

    p.fillRect(QRect(QPoint(0, 0), QPoint(w - 1, m_cellH - 1)), ctlColor(35));
    p.setPen(ctlColor(33));
    p.drawText(QRect(0, 0, w, m_cellH), Qt::AlignCenter,
               QString::asprintf("%04d / %02d", m_date.year(), m_date.month()));

    p.fillRect(QRect(QPoint(0, m_cellH + 2), QPoint(w - 1, 2 * m_cellH - 1)), ctlColor(36));
    for (int c = 0; c < 7; ++c) {
        p.setPen(c == 0 ? kSunday : ctlColor(33));
        p.drawText(QRect(c * m_cellW, m_cellH, m_cellW, m_cellH), Qt::AlignCenter, ctlText(188 + c));
    }

    p.setBrush(Qt::NoBrush);
    if (m_selectOn && m_selMonth == m_date.month() && m_selRect.isValid()) {
        p.setPen(QPen(ctlColor(35), 2));
        p.drawRect(m_selRect);
    }

    const int chosen = m_grid.cellOfDay(m_date.day());
    for (int cell = 0; cell < TMonthGrid::Cells; ++cell) {
        const int day = m_grid.dayAt(cell);
        if (!day)
            continue;
        const int mark = m_grid.markAt(cell);
        QColor col = ctlColor(34);
        if (mark >= 2)
            col = kEntries;
        else if (mark == 1)
            col = ctlColor(37);
        else if (cell % 7 == 0)
            col = kSunday;
        const QRect r = cellRect(cell);
        p.setPen(col);
        p.drawText(r, Qt::AlignCenter, QString::number(day));
        if (cell == chosen && m_on && m_row == 1) {
            p.setPen(QPen(ctlColor(37), 2));
            p.drawRect(r.adjusted(4, 4, -4, -4));
        }
    }

    p.setPen(QPen(hasFocus() || m_on ? ctlColor(37) : ctlColor(35), 2));
    p.drawRect(QRect(QPoint(1, 1), QPoint(w - 2, height() - 2)));
}
