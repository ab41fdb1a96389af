#include "tedit.h"
#include "tdefwnd.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "tstyle.h"

TEdit::TEdit(QWidget* parent, int id, int kbd)
    : QLineEdit(parent),
      m_parent(qobject_cast<TDefWnd*>(parent)),
      m_id(id),
      m_echo(0),
      m_kbd(kbd),
      m_editing(0),
      m_cursor(0)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    if (kbd > 0)
        setReadOnly(true);
    connect(this, &QLineEdit::textEdited, this, &TEdit::sl_textChanged);
}

void TEdit::setPassword(int mode)
{
    switch (mode) {
    case 1:
        setEchoMode(QLineEdit::Password);
        break;
    case 2:
        break;
    case 0:
        setReadOnly(false);
        setEchoMode(QLineEdit::Normal);
        setCursor(Qt::ArrowCursor);
        m_kbd = 0;
        break;
    default:
        setEchoMode(QLineEdit::Normal);
        break;
    }
    m_echo = mode;
}

void TEdit::cursorToEnd()
{
    m_cursor = text().length();
}

int TEdit::editKey(int key)
{
    if (!m_editing)
        return 0;
    switch (key) {
    case Qt::Key_Left:
        cursorBackward(false);
        break;
    case Qt::Key_Right:
        cursorForward(false);
        break;
    case Qt::Key_Escape:
        m_editing = 0;
        break;
    default:
        break;
    }
    return 1;
}

void TEdit::sl_textChanged(QString text)
{
    const int max = maxLength();
    if (text.length() > max) {
        setText(text.left(max));
        setCursorPosition(max);
    } else if (text.length() == max) {
        setCursorPosition(max);
    }
}

void TEdit::keyPressEvent(QKeyEvent* e)
{
    const int key = e->key();
    if (m_kbd && key == Qt::Key_Return) {
        emit sg_clicked(m_id);
        return;
    }
    if (key == Qt::Key_Escape) {
        m_editing = 0;
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_editing = 1;
    } else if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
        if (m_parent)
            m_parent->evtKeydown(key);
        QLineEdit::keyPressEvent(e);
        // The window has had this arrow already: the line edit ignores Up and
        // Down, and letting them travel on to the window would walk the focus
        // a second step.
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TEdit::mousePressEvent(QMouseEvent* e)
{
    // The style draws a focused field's frame again once the mouse is used.
    TStyle::setNoFocusFrame(0);
    setFocus(Qt::OtherFocusReason);
    update();
    if (m_kbd && e->button() == Qt::LeftButton) {
        emit sg_clicked(m_id);
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TEdit::focusInEvent(QFocusEvent* e)
{
    if (!m_kbd && m_cursor >= 0)
        setCursorPosition(m_cursor);
    QLineEdit::focusInEvent(e);
}

void TEdit::focusOutEvent(QFocusEvent* e)
{
    m_cursor = cursorPosition();
    QLineEdit::focusOutEvent(e);
}

void TEdit::enterEvent(QEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    QLineEdit::enterEvent(e);
}
