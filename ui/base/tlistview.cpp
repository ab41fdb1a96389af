#include "tlistview.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tlistpager.h"
#include "uibaselog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

void postClick(QWidget* w)
{
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), false, 1));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), false, 1));
}

} // namespace

TListView::TListView(QWidget* parent, int, const QSize& size, int localPaging, int selectable)
    : QWidget(parent, Qt::FramelessWindowHint),
      m_btnFirst(nullptr),
      m_btnPrev(nullptr),
      m_btnNext(nullptr),
      m_btnLast(nullptr),
      m_puck(nullptr),
      m_sel(QPoint(0, 0), QPoint(-1, -1)),
      m_maxLine(1),
      m_textRight(0),
      m_lineH(1),
      m_curIdx(0),
      m_active(0),
      m_pages(0),
      m_pageCur(0),
      m_puckW(0),
      m_puckH(0),
      m_travel(0),
      m_colX(0),
      m_trackTop(0),
      m_AllPages(0),
      m_sliderPos(0),
      m_puckDown(0),
      m_focusBtn(0),
      m_keyMode(selectable ? 1 : 2),
      m_localPaging(localPaging),
      m_selectable(selectable),
      m_width(size.width()),
      m_listH(0),
      m_step(0.0),
      m_icons{}
{
    resize(size);
    makeGeometry();
}

TListView::~TListView()
{
    for (QIcon* i : m_icons)
        delete i;
}

void TListView::makeGeometry()
{
    const int h = height();
    const int f = QFontMetrics(QApplication::font()).height();
    // At least one line, and a line at least one pixel high, however low
    // the view: line arithmetic divides by both.
    const int lines = qMax(1, h / (f + 2));
    m_lineH = qMax(1, h / lines);
    m_listH = lines * m_lineH;
    if (m_maxLine != lines || m_lineData.size() != lines) {
        m_maxLine = lines;
        m_lineData = QVector<int>(lines, 0);
    }
    m_width = width();
    m_textRight = m_width - ctlScale(23) - 1;
}

void TListView::init()
{
    m_curIdx = -1;
    createCtrl();
    for (TButton* b : {m_btnFirst, m_btnPrev, m_btnNext, m_btnLast})
        connect(b, &TButton::sg_clicked, this, &TListView::sl_btnclicked);
    connect(m_puck, &QPushButton::pressed, this, &TListView::sl_sliderPressed);
    connect(m_puck, &QPushButton::released, this, &TListView::sl_sliderReleased);
    connect(m_puck, &TButton::sg_moved, this, &TListView::sl_slidermoved);
}

void TListView::createCtrl()
{
    const int images[4] = {183, 185, 186, 184}; // first, previous, next, last
    TButton** holders[4] = {&m_btnFirst, &m_btnPrev, &m_btnNext, &m_btnLast};
    for (int i = 0; i < 4; ++i) {
        m_icons[i] = TRes::makeIcon(ctlImage(images[i]), 4, false);
        *holders[i] = new TButton(this, m_icons[i], QString(), i, QColor(0, 0, 0), 4);
    }
    m_puck = new TButton(this, nullptr, QString(), 4, QColor(255, 255, 255), -1);
    placeCtrl();
}

void TListView::placeCtrl()
{
    if (!m_btnFirst)
        return;
    const int x = m_width - ctlScale(23) - 2;
    const int b = ctlScale(12);
    m_colX = x;
    m_travel = m_listH - 4 * b;
    m_puckW = ctlScale(23);
    m_puckH = b;
    // The page buttons are one puck step high each, stacked two at the top
    // and two at the bottom of the column (their picture strips are 23 x 12).
    const QSize bs(ctlScale(23), b);
    m_btnFirst->setGeometry(QRect(QPoint(x, 2), bs));
    m_btnPrev->setGeometry(QRect(QPoint(x, b + 2), bs));
    m_btnLast->setGeometry(QRect(QPoint(x, m_listH - 1 - b), bs));
    m_btnNext->setGeometry(QRect(QPoint(x, m_listH - 1 - 2 * b), bs));
    m_puck->setGeometry(x, 2 * b + 2, m_puckW, m_puckH);
    m_puck->hide();
    m_trackTop = 2 * b + 2;
    m_track = QRect(QPoint(x, m_trackTop), QPoint(x + m_puckW - 1, 2 * b + 2 + m_travel - 3));
}

TButton* TListView::button(int id) const
{
    switch (id) {
    case 0: return m_btnFirst;
    case 1: return m_btnPrev;
    case 2: return m_btnNext;
    case 3: return m_btnLast;
    case 4: return m_puck;
    default: return nullptr;
    }
}

int TListView::focusedButton() const
{
    for (int i = 0; i < 4; ++i) {
        TButton* b = button(i);
        if (b && b->hasFocus())
            return i;
    }
    return -1;
}

void TListView::focusBtn(int i)
{
    TButton* b = button(qBound(0, i, 3));
    m_focusBtn = qBound(0, i, 3);
    if (b)
        b->setFocus(Qt::OtherFocusReason);
}

// ---- content

void TListView::afterPageChange()
{
    m_pages = TListPager::pagesFor(m_list.size(), m_maxLine);
    m_pageCur = qMax(0, m_pages - 1);
}

void TListView::findItem(const QString& text)
{
    if (m_list.contains(text))
        return;
    m_list.append(text);
    afterPageChange();
    if (m_pages > 0)
        setPage(m_pageCur);
}

int TListView::addItem(const QString& text)
{
    if (m_list.contains(text)) {
        removeItem(text);
        return 1;
    }
    m_list.append(text);
    afterPageChange();
    setPage(m_pageCur);
    if (m_list.size() % m_maxLine) {
        m_AllPages = m_pages;
        setAllPages(m_pages);
        renewalSliderPuck(m_pages);
        if (m_localPaging)
            movePuck(m_pageCur);
    }
    return 0;
}

void TListView::removeItem(const QString& text)
{
    m_list.removeAll(text);
    afterPageChange();
    setAllPages(m_pages);
    renewalSliderPuck(m_pages);
    if (m_localPaging)
        movePuck(m_pageCur);
    puckPos();
    // A selection past the new end of the list points at nothing.
    if (m_curIdx >= 0 && m_maxLine * m_pageCur + m_curIdx >= m_list.size())
        updateLine(-1);
}

void TListView::clear()
{
    m_list.clear();
    m_lineData.fill(0);
    m_sel = QRect(QPoint(0, 0), QPoint(-1, -1));
    m_pages = 0;
    m_pageCur = 0;
    m_curIdx = 0;
}

void TListView::reset()
{
    clear();
}

void TListView::setLineData(int line, int value)
{
    if (line >= 0 && line < m_maxLine && line < m_lineData.size())
        m_lineData[line] = value;
}

QString TListView::lineText(int line) const
{
    if (line < 0 || line >= m_maxLine)
        return QString();
    const int item = m_maxLine * m_pageCur + line;
    return item >= 0 && item < m_list.size() ? m_list.at(item) : QString();
}

QString TListView::currentText() const
{
    return m_curIdx >= 0 ? lineText(m_curIdx) : QString();
}

void TListView::setMaxLine(int n)
{
    qCDebug(lcUiBase, "TListView::setMaxLine:%d", n);
    // At least one line; at most what any screen can show, so that n + 1
    // cannot overflow nor the line data grow without bound.
    m_maxLine = n < 0 ? 1 : qMin(n, 4095) + 1;
    m_lineData = QVector<int>(m_maxLine, 0);
}

void TListView::refresh()
{
    if (isVisible())
        repaint();
}

int TListView::lineValue() const
{
    if (m_curIdx < 0 || m_curIdx >= m_lineData.size())
        return -1;
    return m_lineData.at(m_curIdx);
}

int TListView::linesHere() const
{
    return TListPager::linesOnPage(m_list.size(), m_maxLine, m_pageCur);
}

// ---- slider

void TListView::layoutSlider()
{
    if (!m_puck)
        return;
    const TListPager::Slider s = TListPager::layout(m_track.height(), m_AllPages, ctlScale(12));
    m_step = s.step;
    if (m_AllPages < 2) {
        m_puck->hide();
        return;
    }
    m_puckH = s.puckH;
    m_travel = s.travel;
    m_puck->resize(m_puckW, m_puckH);
    m_puck->show();
}

void TListView::setAllPages(int n)
{
    m_AllPages = n;
    if (n >= 0)
        layoutSlider();
    setPage(n - 1);
}

void TListView::renewalSliderPuck(int n)
{
    if (n == m_AllPages)
        return;
    qCDebug(lcUiBase, "renewalSliderPuck.. allpages:%d m_AllPages:%d", n, m_AllPages);
    m_AllPages = n;
    layoutSlider();
}

void TListView::setPage(int p)
{
    m_sliderPos = p;
    if (!m_puck)
        return;
    m_puck->move(m_colX, m_trackTop + int(p * m_step + 0.5));
}

void TListView::movePuck(int p)
{
    m_sliderPos = p;
    // With one page or none the puck is hidden and has nowhere to go.
    if (!m_puck || m_pages < 2)
        return;
    m_puck->move(m_colX, m_trackTop + int(double(m_travel) / (m_pages - 1) * p));
}

void TListView::syncPuck()
{
    setPage(m_pageCur);
    setAllPages(m_AllPages);
}

void TListView::relayout()
{
    makeGeometry();
    placeCtrl();
    setAllPages(m_pages);
    renewalSliderPuck(m_pages);
    if (m_localPaging)
        movePuck(m_pageCur);
}

void TListView::puckPos()
{
    if (m_step == 0.0 || !m_puck)
        return;
    const int page = TListPager::puckPage(m_puck->y() - m_trackTop, m_travel, m_step, m_AllPages);
    if (m_localPaging) {
        m_pageCur = qBound(0, page, qMax(0, m_pages - 1));
        repaint();
    }
    emit sg_notify(4, page);
}

void TListView::sl_sliderPressed()
{
    m_puckDown = 1;
}

void TListView::sl_slidermoved(QMouseEvent* e)
{
    if (!m_puckDown || !m_puck)
        return;
    int y = m_puck->y() + e->pos().y();
    const int bottom = m_btnNext->y() - m_puck->height();
    y = qMax(m_trackTop, qMin(y, bottom));
    m_puck->move(m_colX, y);
    puckPos();
    update();
}

void TListView::sl_sliderReleased()
{
    m_puckDown = 0;
    if (m_localPaging)
        movePuck(m_pageCur);
    puckPos();
    update();
}

void TListView::sl_btnclicked(int id, int)
{
    m_pageCur = TListPager::pageForButton(id, m_pageCur, m_pages, m_list.size(), m_maxLine);
    if (m_localPaging)
        movePuck(m_pageCur);
    refresh();
    emit sg_notify(id, 0);
}

// ---- mouse

void TListView::updateLine(int i)
{
    if (m_curIdx >= 0 || m_sel.isValid()) {
        const QRect old = m_sel.adjusted(-1, -1, 1, 1);
        m_curIdx = -1;
        m_sel = QRect(QPoint(0, 0), QPoint(-1, -1));
        repaint(old);
    }
    // A line without a text cannot be selected, nor any line of a list
    // that is only read.
    if (!m_selectable || i < 0 || lineText(i).isNull())
        return;
    m_curIdx = i;
    m_sel = QRect(QPoint(1, i * m_lineH + 1), QPoint(m_textRight - 2, i * m_lineH + m_lineH - 2));
    update();
}

void TListView::mousePressEvent(QMouseEvent* e)
{
    m_active = 1;
    const int line = e->pos().y() / m_lineH;
    if (line > m_maxLine - 1 || e->pos().x() > m_textRight)
        return;
    setFocus(Qt::OtherFocusReason);
    if (m_selectable) {
        updateLine(line);
        if (m_curIdx >= 0) {
            emit sg_notify(5, line);
            refresh();
        }
    }
}

void TListView::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->pos();
    if (p.x() > m_track.left() && p.x() < m_track.right() + 1 && p.y() > m_track.top() &&
        p.y() < m_track.bottom() + 1) {
        // Beside the puck on its track: a tenth of the pages up or down.
        // Without a puck (one page or none) there is nothing to move.
        if (m_AllPages < 2)
            return;
        const int step = TListPager::trackStep(m_AllPages);
        if (p.y() < m_puck->y())
            m_sliderPos = qMax(0, m_sliderPos - step);
        else if (p.y() > m_puck->geometry().bottom())
            m_sliderPos = qMin(m_AllPages - 1, m_sliderPos + step);
        if (m_localPaging) {
            m_pageCur = qBound(0, m_sliderPos, qMax(0, m_pages - 1));
            movePuck(m_pageCur);
            puckPos();
        }
        emit sg_notify(4, m_sliderPos);
        return;
    }
    if (m_puckDown) {
        m_puckDown = 0;
        puckPos();
    } else if (m_curIdx >= 0 && p.x() <= m_textRight) {
        emit sg_oneclicked(lineValue());
    }
}

void TListView::mouseDoubleClickEvent(QMouseEvent* e)
{
    const int line = e->pos().y() / m_lineH;
    if (line <= m_maxLine - 1 && e->pos().x() <= m_textRight && m_curIdx >= 0)
        emit sg_clicked(lineValue());
}

void TListView::enterEvent(QEvent* e)
{
    QTimer::singleShot(200, this, &TListView::sl_timeoutEnter);
    QWidget::enterEvent(e);
}

void TListView::leaveEvent(QEvent* e)
{
    QTimer::singleShot(200, this, &TListView::sl_timeoutLeave);
    QWidget::leaveEvent(e);
}

void TListView::hideEvent(QHideEvent* e)
{
    QTimer::singleShot(200, this, &TListView::sl_timeoutLeave);
    QWidget::hideEvent(e);
}

void TListView::sl_timeoutEnter()
{
    m_active = 1;
    setFocus(Qt::OtherFocusReason);
}

void TListView::sl_timeoutLeave()
{
    m_active = 0;
    clearFocus();
    repaint();
}

void TListView::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
}

// ---- keys

int TListView::keyEvent(int key)
{
    if (!m_active)
        return 0;
    const int n = linesHere();
    qCDebug(lcUiBase, "sidx:%d lastidx:%d maxline:%d m_pageCur:%d m_AllPages:%d", m_maxLine * m_pageCur, n,
            m_maxLine, m_pageCur, m_AllPages);
    const int fb = focusedButton();
    auto buttonUp = [&] { focusBtn(fb < 0 ? 0 : qMax(0, fb - 1)); };
    auto buttonDown = [&] { focusBtn(fb < 0 ? 0 : qMin(3, fb + 1)); };
    switch (key) {
    case Qt::Key_Up:
        if (m_keyMode == 1)
            updateLine(m_curIdx <= 0 ? n - 1 : m_curIdx - 1);
        else
            buttonUp();
        break;
    case Qt::Key_Down:
        if (m_keyMode == 1)
            updateLine(m_curIdx >= n - 1 ? 0 : m_curIdx + 1);
        else
            buttonDown();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (m_keyMode == 1) {
            m_keyMode = 2;
            focusBtn(m_focusBtn < 0 ? 0 : m_focusBtn);
        } else {
            m_keyMode = 1;
            for (int i = 0; i < 5; ++i) {
                if (button(i))
                    button(i)->clearFocus();
            }
            if (m_selectable) {
                m_focusBtn = -1;
                updateLine(m_curIdx);
            }
        }
        repaint();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_keyMode == 1) {
            m_active = 1;
            if (m_list.isEmpty()) {
                setFocus(Qt::OtherFocusReason);
                focusBtn(0);
            } else if (m_curIdx >= 0) {
                emit sg_clicked(lineValue());
            }
        } else if (fb >= 0) {
            postClick(button(fb));
        }
        break;
    case KEY_JOG_RIGHT:
        if (fb >= 0) {
            buttonDown();
        } else if (m_curIdx + 1 < n) {
            updateLine(m_curIdx + 1);
        } else {
            updateLine(-1);
            focusBtn(0);
        }
        break;
    case KEY_JOG_LEFT:
        if (fb >= 0) {
            buttonUp();
        } else if (m_curIdx > 0) {
            updateLine(m_curIdx - 1);
        } else {
            updateLine(-1);
            focusBtn(3);
        }
        break;
    case Qt::Key_Escape:
    case Qt::Key_Backspace: {
        const QRect old = m_sel.adjusted(-1, -1, 1, 1);
        m_sel = QRect(QPoint(0, 0), QPoint(-1, -1));
        m_active = 0;
        setFocus(Qt::OtherFocusReason);
        repaint(old);
        repaint();
        break;
    }
    default:
        break;
    }
    return 1;
}

void TListView::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        keyEvent(e->key());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_active) {
            keyEvent(e->key());
        } else {
            m_active = 1;
            if (m_selectable) {
                m_keyMode = 1;
                m_focusBtn = -1;
                for (int i = 0; i < 4; ++i) {
                    if (button(i))
                        button(i)->clearFocus();
                }
                setFocus(Qt::OtherFocusReason);
                updateLine(qMax(m_curIdx, 0));
            } else {
                m_keyMode = 2;
                focusBtn(0);
            }
            repaint();
        }
        break;
    default:
        e->ignore();
        break;
    }
}

void TListView::keyReleaseEvent(QKeyEvent*)
{
    // Releases that reach the list end here: its keys act on the press.
}

// ---- painting

void TListView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QColor c33 = ctlColor(33), c34 = ctlColor(34);
    const int w = width();
    p.fillRect(QRect(QPoint(0, 0), QPoint(w - 1, m_listH - 1)), c33);
    for (int i = 0; i < m_maxLine; ++i) {
        const QRect band(QPoint(0, i * m_lineH), QPoint(m_textRight - 1, i * m_lineH + m_lineH - 1));
        p.fillRect(band, i % 2 ? c33 : c33.darker(120));
        const QString t = lineText(i);
        if (!t.isNull()) {
            p.setPen(c34);
            p.drawText(band.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t);
        }
    }
    ctlHLine(p, 0, m_textRight, m_maxLine * m_lineH, c34);
    p.setBrush(Qt::NoBrush);
    const bool on = hasFocus() || m_active;
    p.setPen(QPen(on ? ctlColor(37) : ctlColor(35), 2));
    p.drawRect(QRect(QPoint(1, 1), QPoint(w - 2, m_listH - 1)));
    if (m_sel.isValid() && m_active && m_keyMode == 1) {
        p.setPen(QPen(ctlColor(37), 2));
        p.drawRect(m_sel);
    }
    if (on) {
        p.setPen(QPen(ctlColor(37), 2));
        p.drawRect(QRect(QPoint(0, 0), QPoint(w - 1, m_listH - 1)));
    }
}
