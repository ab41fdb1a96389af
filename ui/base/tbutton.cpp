#include "tbutton.h"

#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

TButton::TButton(QWidget* parent, QIcon* icon, const QString& text, int id, const QColor& color, int type)
    : QPushButton(text, parent),
      m_color(color),
      m_icon(icon),
      m_text(text),
      m_id(id),
      m_type(type < 0 ? 0 : type),
      m_state(2),
      m_look(0),
      m_align(Qt::AlignHCenter | Qt::AlignVCenter),
      m_indent(0)
{
    if (m_type == 5)
        setCheckable(true);
    connect(this, &QPushButton::clicked, this, &TButton::sl_clicked);
    connect(this, &QPushButton::pressed, this, &TButton::sl_pressed);
    connect(this, &QPushButton::released, this, &TButton::sl_released);
}

void TButton::setText(const QString& text)
{
    // Condense a text that does not fit horizontally instead of cutting it:
    // translated labels vary a lot in length on the same fixed buttons.
    QFont f = font();
    f.setStretch(100);
    const int tw = QFontMetrics(f).horizontalAdvance(text);
    const double w = width();
    const int avail = int(w - 0.1 * w - 4);
    if (!text.isEmpty() && tw >= avail) {
        // QFont takes stretch factors from 1 up; a button narrower than its
        // margins gets the narrowest face instead of an invalid factor.
        f.setStretch(qMax(1, avail * 100 / tw));
    }
    setFont(f);
    m_text = text;
    QPushButton::setText(text);
}

void TButton::setState(int state, QIcon* icon)
{
    m_state = state;
    if (icon)
        m_icon = icon;
    update();
}

int TButton::state() const
{
    return m_state;
}

void TButton::setAlign(int align, int indent)
{
    m_align = align;
    m_indent = indent;
}

void TButton::sl_clicked()
{
    m_look = 1;
    repaint();
    emit sg_clicked(m_id, m_state);
}

void TButton::sl_pressed()
{
    if (m_type == 4 || m_type == 6)
        emit sg_pressed(m_id);
}

void TButton::sl_released()
{
    if (m_type == 4 || m_type == 6)
        emit sg_released(m_id);
}

bool TButton::isIconType() const
{
    return m_icon && (m_type == 1 || m_type == 4 || m_type == 5 || m_type == 6);
}

void TButton::paintEvent(QPaintEvent* e)
{
    if (!isIconType()) {
        QPushButton::paintEvent(e);
        return;
    }
    if (isDown())
        m_look = 2;

    QIcon::Mode mode = m_look == 2 ? QIcon::Selected : m_look == 1 ? QIcon::Active : QIcon::Normal;
    if (!isEnabled())
        mode = QIcon::Disabled;
    QIcon::State state = m_state == 1 ? QIcon::On : QIcon::Off;
    if (m_type == 5)
        state = isChecked() ? QIcon::On : QIcon::Off;
    if (m_type == 6) {
        mode = QIcon::Normal;
        state = QIcon::Off;
    }

    QPainter p(this);
    // The icon is the button's face: it fills the whole button.
    const QSize sz = m_icon->actualSize(QSize(500, 500), QIcon::Normal, QIcon::Off);
    QPixmap pm = m_icon->pixmap(sz, mode, state);
    if (pm.size() != size())
        pm = pm.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawPixmap(0, 0, pm);

    if (!m_text.isEmpty()) {
        p.setPen(m_color);
        p.setFont(font());
        // A pressed button's text moves one pixel right and down.
        const QRect r = m_look == 2 ? QRect(QPoint(m_indent + 5, 1), QPoint(width() - 4, height()))
                                    : QRect(QPoint(m_indent + 4, 0), QPoint(width() - 5, height() - 1));
        p.drawText(r, m_align, m_text);
    }
}

void TButton::resizeEvent(QResizeEvent* e)
{
    QPushButton::resizeEvent(e);
    if (!m_text.isEmpty())
        setText(m_text);
}

void TButton::enterEvent(QEvent* e)
{
    setFocus(Qt::OtherFocusReason);
    QPushButton::enterEvent(e);
}

void TButton::leaveEvent(QEvent* e)
{
    clearFocus();
    QPushButton::leaveEvent(e);
}

void TButton::focusInEvent(QFocusEvent* e)
{
    m_look = 1;
    update();
    QPushButton::focusInEvent(e);
}

void TButton::focusOutEvent(QFocusEvent* e)
{
    m_look = 0;
    // Un-pressing a held button is its release: the camera it drives stops.
    if (isDown())
        sl_released();
    setDown(false);
    update();
    QPushButton::focusOutEvent(e);
}

void TButton::mouseMoveEvent(QMouseEvent* e)
{
    emit sg_moved(e);
}

void TButton::mouseReleaseEvent(QMouseEvent* e)
{
    // Mouse moves are not passed to the base button, so it never lets go of a
    // press dragged off the button; its release off the button emits nothing.
    // Report that release here too, so a held button always ends.
    const bool heldOff = e->button() == Qt::LeftButton && isDown() && !hitButton(e->pos());
    QPushButton::mouseReleaseEvent(e);
    if (heldOff)
        sl_released();
}
