#include "tvkeynumboard.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tedit.h"
#include "tkeys.h"
#include "tmsgiface.h"
#include "tres.h"
#include "tsheetlayout.h"
#include "tstring.h"
#include "tstyle.h"
#include "tvkeyboard.h"
#include "tvkeytext.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

enum { ButtonRow = 5 };

int sc(int n)
{
    return g_res ? g_res->scale(n) : n;
}

QColor color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(TSheetLayout::themeColor(id));
}

void postKey(QWidget* w, QEvent::Type type, int key)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, key, Qt::NoModifier));
}

const struct {
    const char* label;
    int code;
} kPadKeys[TVKeyNumboard::Rows][TVKeyNumboard::Cols] = {
    {{"1", '1'}, {"2", '2'}, {"3", '3'}},
    {{"4", '4'}, {"5", '5'}, {"6", '6'}},
    {{"7", '7'}, {"8", '8'}, {"9", '9'}},
    {{".", '.'}, {"0", '0'}, {"<-", Qt::Key_Backspace}},
};

} // namespace

TVKeyNumboard::TVKeyNumboard(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_edit(nullptr),
      m_btnOk(nullptr),
      m_btnCancel(nullptr),
      m_focusRect(),
      m_keys(),
      m_pressed(nullptr),
      m_mode(ModeNumber),
      m_col(0),
      m_row(0),
      m_rowLen{1, 3, 3, 3, 3, 2},
      m_clickTimer(new QTimer(this)),
      m_skipClick(0),
      m_icon(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
    m_clickTimer->setSingleShot(true);
}

TVKeyNumboard::~TVKeyNumboard()
{
    delete m_icon;
}

void TVKeyNumboard::initCtrl()
{
    if (g_res)
        m_icon = TRes::makeIcon(*g_res->getImage(21), 4, false);
    m_edit = new TEdit(this, -1, 1);
    m_edit->setPassword(0);
    m_btnOk = new TButton(this, m_icon, QString(), 0, color(0), 4);
    m_btnCancel = new TButton(this, m_icon, QString(), 1, color(0), 4);

    m_edit->setGeometry(sc(13), sc(43), sc(192), sc(24));
    m_edit->show();
    // Each button centred in its half of the pad.
    const QSize bs = g_res ? g_res->getSize(21) : QSize(85, 25);
    const int x = (width() / 2 - bs.width()) / 2;
    const int y = height() - bs.height() - sc(12);
    m_btnOk->setGeometry(x, y, bs.width(), bs.height());
    m_btnCancel->setGeometry(x + width() / 2, y, bs.width(), bs.height());
    m_btnOk->show();
    m_btnCancel->show();

    const int odd = ((mapToGlobal(QPoint(0, 0)).x() % 2) + 2) % 2;
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Cols; ++c) {
            Key& k = m_keys[r][c];
            k.x = sc(13 + 67 * c + (c % 2) + odd);
            k.y = sc(78 + 31 * r);
            k.w = sc(58 - 2 * (c % 2));
            k.h = sc(25);
            k.code = kPadKeys[r][c].code;
            qstrncpy(k.label, kPadKeys[r][c].label, sizeof k.label);
        }
    }
    evtLanguage();
}

void TVKeyNumboard::setMode(int mode)
{
    m_mode = mode;
}

void TVKeyNumboard::setTitle(const QString& title)
{
    m_title = title;
}

void TVKeyNumboard::setText(const QString& text)
{
    if (m_edit)
        m_edit->setText(text);
}

QString TVKeyNumboard::text() const
{
    return m_edit ? m_edit->text() : QString();
}

QRect TVKeyNumboard::keyRect(int row, int col) const
{
    if (row < 1 || row > Rows || col < 0 || col >= Cols)
        return QRect();
    return m_keys[row - 1][col].rect();
}

void TVKeyNumboard::connectTo()
{
    connect(m_btnOk, &TButton::sg_clicked, this, &TVKeyNumboard::sl_btnclicked);
    connect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyNumboard::sl_btnclicked);
    connect(this, &TVKeyNumboard::sg_keynotify, this, &TVKeyNumboard::sl_keynotify);
    connect(m_clickTimer, &QTimer::timeout, this, &TVKeyNumboard::sl_timeoutClick);
}

void TVKeyNumboard::disconnectFrom()
{
    disconnect(m_btnOk, &TButton::sg_clicked, this, &TVKeyNumboard::sl_btnclicked);
    disconnect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyNumboard::sl_btnclicked);
    disconnect(this, &TVKeyNumboard::sg_keynotify, this, &TVKeyNumboard::sl_keynotify);
    disconnect(m_clickTimer, &QTimer::timeout, this, &TVKeyNumboard::sl_timeoutClick);
}

void TVKeyNumboard::evtShow()
{
    m_row = ButtonRow;
    m_col = 0;
    m_focusRect = QRect();
    m_pressed = nullptr;
    m_btnOk->setFocus(Qt::OtherFocusReason);
    m_edit->cursorToEnd();
}

void TVKeyNumboard::evtHide()
{
    TStyle::setNoFocusFrame(0);
}

void TVKeyNumboard::evtLanguage()
{
    if (!m_btnOk)
        return;
    m_btnOk->setText(g_str ? g_str->text(24) : QStringLiteral("OK"));
    m_btnCancel->setText(g_str ? g_str->text(25) : QStringLiteral("CANCEL"));
}

bool TVKeyNumboard::checkText() const
{
    return m_mode == ModeNumber ? TVKeyText::isNumber(text()) : TVKeyText::isIPv4(text());
}

void TVKeyNumboard::warnInvalid()
{
    TMsgIface* box = TMsgIface::installed();
    if (!box) {
        qCWarning(lcUiBase, "TVKeyNumboard::sl_btnclicked invalid text and no message box installed");
        return;
    }
    box->setType(1);
    box->setTitle(g_str ? g_str->text(213) : QStringLiteral("Warning"));
    box->setText((g_str ? g_str->text(262) : QStringLiteral("Invalid Data")) + QStringLiteral("!!"));
    box->popupOver(this);
}

void TVKeyNumboard::sl_btnclicked(int id, int)
{
    if (id == 1) {
        hideWnd();
        emit sg_reply(VK_CANCEL, text());
    } else if (id == 0) {
        if (!checkText()) {
            warnInvalid();
            return;
        }
        hideWnd();
        emit sg_reply(VK_OK, text());
    }
}

void TVKeyNumboard::sl_timeoutClick()
{
    m_skipClick = 0;
}

void TVKeyNumboard::focusEdit(int frame)
{
    TStyle::setNoFocusFrame(frame ? 0 : 1);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->update();
}

QWidget* TVKeyNumboard::focusedCtrl() const
{
    if (m_edit->hasFocus())
        return m_edit;
    if (m_btnOk->hasFocus())
        return m_btnOk;
    if (m_btnCancel->hasFocus())
        return m_btnCancel;
    return nullptr;
}

void TVKeyNumboard::repaintRect(const QRect& r, int grow)
{
    if (r.isValid())
        update(r.adjusted(-grow, -grow, grow, grow));
}

void TVKeyNumboard::evtKeydown(int key)
{
    if (m_col < 0 || m_row < 0) {
        m_row = ButtonRow;
        m_col = 0;
        m_focusRect = QRect();
        m_btnOk->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        const int d = key - Qt::Key_0;
        strike((d - 1) / 3 + 1, (d - 1) % 3);
        return;
    }
    switch (key) {
    case Qt::Key_0:
    case Qt::Key_F30:
        strike(4, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_row == 0) {
            m_curCtrl = m_edit;
            postKey(m_edit, QEvent::KeyPress, Qt::Key_Space);
        } else if (m_row == ButtonRow) {
            QWidget* btn = focusedCtrl();
            if (btn != m_btnOk && btn != m_btnCancel)
                btn = m_col == 0 ? static_cast<QWidget*>(m_btnOk) : m_btnCancel;
            m_curCtrl = btn;
            postKey(btn, QEvent::KeyPress, Qt::Key_Space);
        } else {
            m_curCtrl = nullptr;
            m_pressed = &m_keys[m_row - 1][m_col];
            emit sg_keynotify(1, m_pressed->code);
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

void TVKeyNumboard::evtKeyup(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    if (m_row == 0) {
        m_curCtrl = m_edit;
    } else if (m_row == ButtonRow) {
        QWidget* btn = focusedCtrl();
        if (btn != m_btnOk && btn != m_btnCancel)
            btn = m_col == 0 ? static_cast<QWidget*>(m_btnOk) : m_btnCancel;
        m_curCtrl = btn;
    } else {
        m_curCtrl = nullptr;
    }
    postKey(m_curCtrl, QEvent::KeyRelease, Qt::Key_Space);
}

void TVKeyNumboard::strike(int row, int col)
{
    QWidget* back = focusedCtrl();
    setFocus(Qt::OtherFocusReason);
    focusEdit(0);
    m_pressed = &m_keys[row - 1][col];
    const int code = m_pressed->code;
    emit sg_keynotify(1, code);
    emit sg_keynotify(0, code);
    m_pressed = nullptr;
    m_edit->end(false);
    m_edit->cursorToEnd();
    if (back)
        back->setFocus(Qt::OtherFocusReason);
}

void TVKeyNumboard::moveFocus(int dx, int dy, bool wrap)
{
    if (m_col < 0 || m_row < 0)
        return;
    const int oldRow = m_row;
    const int oldCol = m_col;
    m_col += dx;
    m_row += dy;
    qCDebug(lcUiBase, "TVKeyNumboard::moveFocus.. old(%d,%d) new(%d,%d)", oldCol, oldRow, m_col, m_row);
    if (m_row < 0) {
        m_row = ButtonRow;
        m_col = 0;
    } else if (m_row > ButtonRow) {
        m_row = 0;
        m_col = 0;
    }
    if (m_col < 0) {
        if (wrap)
            m_row = m_row == 0 ? ButtonRow : m_row - 1;
        m_col = m_rowLen[m_row] - 1;
    } else if (m_col >= m_rowLen[m_row]) {
        if (wrap) {
            m_row = m_row == ButtonRow ? 0 : m_row + 1;
            m_col = 0;
        } else if (m_row <= 4 && m_row != oldRow) {
            m_col = m_rowLen[m_row] - 1;
        } else {
            m_col = 0;
        }
    }

    const QRect old = m_focusRect;
    setFocus(Qt::OtherFocusReason);
    if (m_row >= 1 && m_row <= 4) {
        focusEdit(0);
        m_focusRect = m_keys[m_row - 1][m_col].rect();
    } else if (m_row == 0) {
        focusEdit(1);
        m_focusRect = QRect();
    } else {
        (m_col == 0 ? m_btnOk : m_btnCancel)->setFocus(Qt::OtherFocusReason);
        m_focusRect = QRect();
    }
    repaintRect(old, 3);
    repaintRect(m_focusRect, 3);
}

void TVKeyNumboard::sl_keynotify(int pressed, int code)
{
    if (!pressed) {
        m_pressed = nullptr;
        return;
    }
    if (m_skipClick) {
        qCDebug(lcUiBase, "TVKeyNumboard::sl_keynotify m_skipClick is 1");
        return;
    }
    const Key* key = m_pressed;
    if (!key) {
        for (const auto& row : m_keys) {
            for (const Key& k : row) {
                if (k.code == code)
                    key = &k;
            }
        }
    }
    if (!key)
        return;
    const QByteArray label(key->label);
    if (label == "<-") {
        m_edit->backspace();
        return;
    }
    if (m_mode == ModeNumber) {
        if (label != ".")
            m_edit->insert(QString::fromLatin1(label));
        return;
    }
    m_edit->insert(QString::fromLatin1(label));
    if (TVKeyText::needsDot(m_edit->text()))
        m_edit->insert(QStringLiteral("."));
}

void TVKeyNumboard::mousePressEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton)
        return;
    Key* hit = nullptr;
    for (int r = 0; r < Rows && !hit; ++r) {
        for (int c = 0; c < Cols; ++c) {
            Key& k = m_keys[r][c];
            if (k.rect().contains(e->pos())) {
                hit = &k;
                m_col = c;
                m_row = r + 1;
                m_pressed = hit;
                repaintRect(k.rect(), 1);
                focusEdit(0);
                emit sg_keynotify(1, k.code);
                // Draw the pressed key at once.
                QCoreApplication::processEvents();
                m_skipClick = 1;
                m_clickTimer->start(100);
                break;
            }
        }
    }
    const QRect next = hit ? hit->rect() : QRect();
    if (next != m_focusRect) {
        const QRect old = m_focusRect;
        m_focusRect = next;
        repaintRect(old, 3);
        repaintRect(next, 3);
    }
}

void TVKeyNumboard::mouseReleaseEvent(QMouseEvent*)
{
    if (m_pressed) {
        const QRect r = m_pressed->rect();
        emit sg_keynotify(0, m_pressed->code);
        m_pressed = nullptr;
        repaintRect(r, 3);
    }
}

void TVKeyNumboard::mouseMoveEvent(QMouseEvent*)
{
}

void TVKeyNumboard::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(100);
        const QSize want = g_res->getSize(100);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.setPen(color(21));
    p.drawText(QRect(QPoint(sc(8), 0), QPoint(width() - 1, sc(32) - 1)), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    p.setPen(color(22));
    for (const auto& row : m_keys) {
        for (const Key& k : row) {
            QRect r = k.rect();
            // The pressed key's label sinks one pixel right and down.
            if (m_pressed && qstrcmp(m_pressed->label, k.label) == 0)
                r.translate(1, 1);
            p.drawText(r, Qt::AlignCenter, QString::fromLatin1(k.label));
        }
    }
    if (m_focusRect.isValid()) {
        p.setPen(QPen(color(37), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_focusRect.adjusted(2, 2, -1, -1));
    }
}
