#include "tvkeypad.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tedit.h"
#include "tkeys.h"
#include "tres.h"
#include "tsheetlayout.h"
#include "tstring.h"
#include "tstyle.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

void postKey(QWidget* w, QEvent::Type type, int key)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, key, Qt::NoModifier));
}

} // namespace

TVKeyPad::TVKeyPad(QWidget* parent, int id, QSize size, const int (&rowLen)[FocusRows], int lineEnterKey,
                   bool downToOk)
    : TDefWnd(parent, id, size),
      m_edit(nullptr),
      m_btnOk(nullptr),
      m_btnCancel(nullptr),
      m_focusRect(),
      m_col(0),
      m_row(0),
      m_rowLen(),
      m_clickTimer(new QTimer(this)),
      m_skipClick(0),
      m_icon(nullptr),
      m_lineEnterKey(lineEnterKey),
      m_downToOk(downToOk)
{
    std::copy(std::begin(rowLen), std::end(rowLen), m_rowLen);
    setWindowModality(Qt::ApplicationModal);
    m_clickTimer->setSingleShot(true);
}

TVKeyPad::~TVKeyPad()
{
    delete m_icon;
}

void TVKeyPad::mouseMoveEvent(QMouseEvent*)
{
}

int TVKeyPad::sc(int n)
{
    return g_res ? g_res->scale(n) : n;
}

QColor TVKeyPad::color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(TSheetLayout::themeColor(id));
}

void TVKeyPad::createCtrls()
{
    if (g_res)
        m_icon = TRes::makeIcon(*g_res->getImage(21), 4, false);
    m_edit = new TEdit(this, -1, 1);
    m_edit->setPassword(0);
    m_btnOk = new TButton(this, m_icon, QString(), 0, color(0), 4);
    m_btnCancel = new TButton(this, m_icon, QString(), 1, color(0), 4);
}

void TVKeyPad::setTitle(const QString& title)
{
    m_title = title;
}

void TVKeyPad::setText(const QString& text)
{
    if (m_edit)
        m_edit->setText(text);
}

QString TVKeyPad::text() const
{
    return m_edit ? m_edit->text() : QString();
}

void TVKeyPad::connectTo()
{
    connect(m_btnOk, &TButton::sg_clicked, this, &TVKeyPad::sl_btnclicked);
    connect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyPad::sl_btnclicked);
    connect(this, &TVKeyPad::sg_keynotify, this, &TVKeyPad::sl_keynotify);
    connect(m_clickTimer, &QTimer::timeout, this, &TVKeyPad::sl_timeoutClick);
}

void TVKeyPad::disconnectFrom()
{
    disconnect(m_btnOk, &TButton::sg_clicked, this, &TVKeyPad::sl_btnclicked);
    disconnect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyPad::sl_btnclicked);
    disconnect(this, &TVKeyPad::sg_keynotify, this, &TVKeyPad::sl_keynotify);
    disconnect(m_clickTimer, &QTimer::timeout, this, &TVKeyPad::sl_timeoutClick);
}

void TVKeyPad::evtShow()
{
    m_col = 0;
    m_row = ButtonRow;
    m_focusRect = QRect();
    m_btnOk->setFocus(Qt::OtherFocusReason);
    m_edit->cursorToEnd();
}

void TVKeyPad::evtHide()
{
    TStyle::setNoFocusFrame(0);
}

void TVKeyPad::evtLanguage()
{
    if (!m_btnOk)
        return;
    m_btnOk->setText(g_str ? g_str->text(24) : QStringLiteral("OK"));
    m_btnCancel->setText(g_str ? g_str->text(25) : QStringLiteral("CANCEL"));
}

bool TVKeyPad::acceptText()
{
    return true;
}

void TVKeyPad::sl_btnclicked(int id, int)
{
    if (id == 0) {
        if (!acceptText())
            return;
        hideWnd();
        emit sg_reply(VK_OK, text());
    } else if (id == 1) {
        hideWnd();
        emit sg_reply(VK_CANCEL, text());
    }
}

void TVKeyPad::sl_timeoutClick()
{
    m_skipClick = 0;
}

void TVKeyPad::focusEdit(int frame)
{
    TStyle::setNoFocusFrame(frame ? 0 : 1);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->update();
}

QWidget* TVKeyPad::focusedCtrl() const
{
    if (m_edit->hasFocus())
        return m_edit;
    if (m_btnOk->hasFocus())
        return m_btnOk;
    if (m_btnCancel->hasFocus())
        return m_btnCancel;
    return nullptr;
}

QWidget* TVKeyPad::focusedButton() const
{
    // The key focus may sit on the button row while Qt's focus is elsewhere:
    // the column then names the button.
    QWidget* btn = focusedCtrl();
    if (btn != m_btnOk && btn != m_btnCancel)
        btn = m_col == 0 ? static_cast<QWidget*>(m_btnOk) : m_btnCancel;
    return btn;
}

void TVKeyPad::repaintRect(const QRect& r, int grow)
{
    if (r.isValid())
        update(r.adjusted(-grow, -grow, grow, grow));
}

void TVKeyPad::moveHighlight(const QRect& next)
{
    const QRect old = m_focusRect;
    m_focusRect = next;
    repaintRect(old, 3);
    repaintRect(next, 3);
}

void TVKeyPad::evtKeydown(int key)
{
    if (m_col < 0 || m_row < 0) {
        m_row = ButtonRow;
        m_col = 0;
        m_focusRect = QRect();
        m_btnOk->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        strikeDigit(key - Qt::Key_0);
        return;
    }
    switch (key) {
    case Qt::Key_F30:
        strikeDigit(0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_row == LineRow) {
            m_curCtrl = m_edit;
            postKey(m_edit, QEvent::KeyPress, m_lineEnterKey);
        } else if (m_row == ButtonRow) {
            m_curCtrl = focusedButton();
            postKey(m_curCtrl, QEvent::KeyPress, Qt::Key_Space);
        } else {
            // A key row: the key is pressed; no release follows from Enter.
            m_curCtrl = nullptr;
            pressKey(m_row, m_col);
        }
        break;
    case Qt::Key_Escape:
        sl_btnclicked(1, 0);
        break;
    case Qt::Key_Left:
        moveFocus(-1, 0);
        break;
    case Qt::Key_Right:
        moveFocus(1, 0);
        break;
    case Qt::Key_Up:
        moveFocus(0, -1);
        break;
    case Qt::Key_Down:
        moveFocus(0, 1);
        break;
    case KEY_JOG_LEFT:
        moveFocus(-1, 0, true);
        break;
    case KEY_JOG_RIGHT:
        moveFocus(1, 0, true);
        break;
    default:
        break;
    }
}

void TVKeyPad::evtKeyup(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    if (m_row == LineRow)
        m_curCtrl = m_edit;
    else if (m_row == ButtonRow)
        m_curCtrl = focusedButton();
    else
        m_curCtrl = nullptr;
    postKey(m_curCtrl, QEvent::KeyRelease, Qt::Key_Space);
}

void TVKeyPad::strike(int row, int col)
{
    QWidget* back = focusedCtrl();
    setFocus(Qt::OtherFocusReason);
    focusEdit(0);
    pressKey(row, col);
    releaseKey();
    m_edit->end(false);
    m_edit->cursorToEnd();
    if (back)
        back->setFocus(Qt::OtherFocusReason);
}

void TVKeyPad::pressByMouse(int row, int col)
{
    m_col = col;
    m_row = row;
    repaintRect(keyRect(row, col), 1);
    focusEdit(0);
    pressKey(row, col);
}

void TVKeyPad::startClickGuard()
{
    m_skipClick = 1;
    m_clickTimer->start(100);
}

void TVKeyPad::moveFocus(int dx, int dy, bool wrap)
{
    if (m_col < 0 || m_row < 0)
        return;
    const int oldRow = m_row;
    const int oldCol = m_col;
    m_col += dx;
    m_row += dy;
    if (m_downToOk && dy != 0 && m_row == ButtonRow)
        m_col = 0;
    qCDebug(lcUiBase, "%s::moveFocus.. old(%d,%d) new(%d,%d)", metaObject()->className(), oldCol, oldRow, m_col,
            m_row);
    // The row comes into 0..5 before any row length is looked up.
    if (m_row < 0) {
        m_row = ButtonRow;
        m_col = 0;
    } else if (m_row > ButtonRow) {
        m_row = LineRow;
        m_col = 0;
    }
    if (m_col < 0) {
        if (wrap)
            m_row = m_row == LineRow ? ButtonRow : m_row - 1;
        m_col = m_rowLen[m_row] - 1;
    } else if (m_col >= m_rowLen[m_row]) {
        if (wrap) {
            m_row = m_row == ButtonRow ? LineRow : m_row + 1;
            m_col = 0;
        } else if (m_row < ButtonRow && m_row != oldRow) {
            m_col = m_rowLen[m_row] - 1;
        } else {
            m_col = 0;
        }
    }

    setFocus(Qt::OtherFocusReason);
    QRect next;
    if (m_row > LineRow && m_row < ButtonRow) {
        focusEdit(0);
        next = keyRect(m_row, m_col);
    } else if (m_row == LineRow) {
        focusEdit(1);
    } else {
        (m_col == 0 ? m_btnOk : m_btnCancel)->setFocus(Qt::OtherFocusReason);
    }
    moveHighlight(next);
}

void TVKeyPad::paintBackground(QPainter& p, int image)
{
    if (!g_res)
        return;
    m_bgImage = g_res->getImage(image);
    const QSize want = g_res->getSize(image);
    if (m_bgImage->size() == want)
        p.drawPixmap(0, 0, *m_bgImage);
    else
        p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TVKeyPad::paintHighlight(QPainter& p) const
{
    if (!m_focusRect.isValid())
        return;
    p.setPen(QPen(color(37), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_focusRect.adjusted(2, 2, -1, -1));
}
