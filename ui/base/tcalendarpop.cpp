#include "tcalendarpop.h"
#include "ctlres.h"
#include "tbutton.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

void postClick(QWidget* w)
{
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
}

} // namespace

TCalendarPop::TCalendarPop(QWidget* parent, QSize size)
    : QWidget(parent, Qt::FramelessWindowHint),
      m_count(0),
      m_itemW(size.width() / 6),
      m_visible(6),
      m_first(0),
      m_itemX(0),
      m_btnUp(nullptr),
      m_btnDown(nullptr),
      m_btnClose(nullptr),
      m_iconUp(nullptr),
      m_iconDown(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
    resize(size);
    createCtrl();
}

TCalendarPop::~TCalendarPop()
{
    delete m_iconUp;
    delete m_iconDown;
}

void TCalendarPop::createCtrl()
{
    m_iconUp = TRes::makeIcon(ctlImage(23), 4, false);
    m_iconDown = TRes::makeIcon(ctlImage(24), 4, false);
    m_btnUp = new TButton(this, m_iconUp, QString(), 0, QColor(0, 0, 0), 4);
    m_btnDown = new TButton(this, m_iconDown, QString(), 1, QColor(0, 0, 0), 4);
    m_btnClose = new TButton(this, nullptr, QStringLiteral("X"), 2, QColor(255, 255, 255), -1);
    for (TButton* b : {m_btnUp, m_btnDown, m_btnClose})
        connect(b, &TButton::sg_clicked, this, &TCalendarPop::sl_btnclicked);
    layoutCtrl();
}

TButton* TCalendarPop::button(int id) const
{
    return id == 0 ? m_btnUp : id == 1 ? m_btnDown : id == 2 ? m_btnClose : nullptr;
}

void TCalendarPop::layoutCtrl()
{
    if (!m_btnUp)
        return;
    const QSize bs = ctlSize(23, QSize(12, 20));
    const int y = qMax(0, (height() - bs.height()) / 2);
    for (TButton* b : {m_btnUp, m_btnDown, m_btnClose})
        b->resize(bs);
    m_btnUp->move(1, y);
    m_btnDown->move(width() - 2 * bs.width() - 1, y);
    m_btnClose->move(width() - bs.width() - 1, y);
    for (TButton* b : {m_btnUp, m_btnDown, m_btnClose})
        b->show();
    m_itemX = bs.width();
    m_itemW = qMax(0, (width() - 3 * bs.width()) / m_visible);
}

void TCalendarPop::resizeEvent(QResizeEvent*)
{
    layoutCtrl();
}

void TCalendarPop::setCount(int n)
{
    // A hidden list gets its resize event only when shown: lay it out for
    // its present size before items are placed.
    layoutCtrl();
    m_count = qMax(0, n);
    m_first = m_count > m_visible ? m_count - m_visible : 0;
    update();
}

int TCalendarPop::shown() const
{
    return qBound(0, m_count - m_first, m_visible);
}

QRect TCalendarPop::itemRect(int k) const
{
    return QRect(m_itemX + k * m_itemW, 0, m_itemW, height());
}

void TCalendarPop::setFocusItem(int k)
{
    const int x = m_itemX + 2 + k * m_itemW;
    const QRect r(QPoint(x, 2), QPoint(x + m_itemW - 5, height() - 3));
    if (r == m_focusRect)
        return;
    const QRect old = m_focusRect;
    m_focusRect = r;
    repaint(old.adjusted(-1, -1, 1, 1));
    repaint(r.adjusted(-1, -1, 1, 1));
}

void TCalendarPop::clearFocusItem()
{
    const QRect old = m_focusRect;
    m_focusRect = QRect();
    update(old.adjusted(-1, -1, 1, 1));
}

int TCalendarPop::focusItem() const
{
    if (!m_focusRect.isValid() || m_itemW <= 0)
        return -1;
    return (m_focusRect.left() - 2 - m_itemX) / m_itemW;
}

int TCalendarPop::itemAt(const QPoint& p) const
{
    if (m_itemW <= 0 || p.x() < m_itemX)
        return -1;
    const int k = (p.x() - m_itemX) / m_itemW;
    return k < shown() ? k : -1;
}

void TCalendarPop::sl_btnclicked(int id, int)
{
    switch (id) {
    case 0:
        if (m_first > 0)
            --m_first;
        break;
    case 1:
        if (m_first + 1 <= m_count - m_visible)
            ++m_first;
        break;
    case 2:
        hide();
        return;
    default:
        return;
    }
    update();
}

int TCalendarPop::keyEvent(int key)
{
    TButton* b = nullptr;
    for (TButton* x : {m_btnUp, m_btnDown, m_btnClose}) {
        if (x->hasFocus())
            b = x;
    }
    if (!b && !m_focusRect.isValid())
        return 0;
    if (key < Qt::Key_Escape || key > Qt::Key_Right)
        return 1;
    const int p = focusItem();
    const int n = shown();
    switch (key) {
    case Qt::Key_Escape:
        hide();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (b) {
            postClick(b);
        } else {
            emit sg_clicked(m_first + 1 + p);
            hide();
        }
        break;
    case Qt::Key_Left:
        if (!b) {
            if (p > 0) {
                setFocusItem(p - 1);
            } else {
                m_btnUp->setFocus(Qt::OtherFocusReason);
                clearFocusItem();
            }
        } else if (b == m_btnUp) {
            m_btnClose->setFocus(Qt::OtherFocusReason);
        } else if (b == m_btnClose) {
            m_btnDown->setFocus(Qt::OtherFocusReason);
        } else {
            setFocus(Qt::OtherFocusReason);
            setFocusItem(qMax(0, n - 1));
        }
        break;
    case Qt::Key_Right:
        if (!b) {
            if (p + 1 < n) {
                setFocusItem(p + 1);
            } else {
                m_btnDown->setFocus(Qt::OtherFocusReason);
                clearFocusItem();
            }
        } else if (b == m_btnDown) {
            m_btnClose->setFocus(Qt::OtherFocusReason);
        } else if (b == m_btnClose) {
            m_btnUp->setFocus(Qt::OtherFocusReason);
        } else {
            setFocus(Qt::OtherFocusReason);
            setFocusItem(0);
        }
        break;
    default:
        break;
    }
    return 1;
}

void TCalendarPop::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ctlColor(35));
    p.setPen(ctlColor(33));
    for (int k = 0; k < m_visible && m_first + k < m_count; ++k)
        p.drawText(itemRect(k), Qt::AlignCenter, QString::number(m_first + k + 1));
    if (hasFocus()) {
        p.setPen(QPen(ctlColor(37), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_focusRect.isValid() ? m_focusRect : QRect(QPoint(0, 0), QPoint(width() - 2, height() - 2)));
    }
}

void TCalendarPop::mousePressEvent(QMouseEvent*)
{
    setFocus(Qt::OtherFocusReason);
}

void TCalendarPop::mouseReleaseEvent(QMouseEvent* e)
{
    const int k = itemAt(e->pos());
    if (k >= 0)
        setFocusItem(k);
}

void TCalendarPop::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int k = itemAt(e->pos());
    if (k < 0)
        return;
    emit sg_clicked(m_first + 1 + k);
    hide();
}

void TCalendarPop::keyPressEvent(QKeyEvent*) {}

void TCalendarPop::keyReleaseEvent(QKeyEvent*) {}
