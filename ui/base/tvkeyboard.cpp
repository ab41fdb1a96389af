#include "tvkeyboard.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tedit.h"
#include "thangulcomposer.h"
#include "tkeys.h"
#include "tres.h"
#include "tsheetlayout.h"
#include "tstring.h"
#include "tstyle.h"
#include "tvkeytext.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextCodec>
#include <QTimer>

namespace {

TVKeyboard::LangHook s_langHook = nullptr;

enum { KoreanLangIndex = 11, EnglishLangIndex = 3, ButtonRow = 5 };

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

} // namespace

TVKeyboard::TVKeyboard(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_edit(nullptr),
      m_btnOk(nullptr),
      m_btnCancel(nullptr),
      m_focusRect(),
      m_mode(TVKeyLayout::Lower),
      m_keys(),
      m_pressed(nullptr),
      m_col(0),
      m_row(0),
      m_rowLen{1, 14, 13, 12, 11, 2},
      m_hangul(new THangulComposer),
      m_codecKor(QTextCodec::codecForName("eucKR")),
      m_macMode(0),
      m_password(0),
      m_maxLength(256),
      m_clickTimer(new QTimer(this)),
      m_skipClick(0),
      m_icon(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
    m_clickTimer->setSingleShot(true);
}

TVKeyboard::~TVKeyboard()
{
    delete m_hangul;
    delete m_icon;
}

void TVKeyboard::setLangHook(LangHook hook)
{
    s_langHook = hook;
}

void TVKeyboard::initCtrl()
{
    if (g_res)
        m_icon = TRes::makeIcon(*g_res->getImage(21), 4, false);
    m_edit = new TEdit(this, -1, 1);
    m_edit->setPassword(0);
    m_edit->setMaxLength(m_maxLength);
    m_btnOk = new TButton(this, m_icon, QString(), 0, color(0), 4);
    m_btnCancel = new TButton(this, m_icon, QString(), 1, color(0), 4);

    m_edit->setGeometry(sc(13), sc(43), sc(360), sc(24));
    m_edit->show();
    const QSize bs = g_res ? g_res->getSize(21) : QSize(85, 25);
    const int s = sc(12);
    m_btnOk->setGeometry(width() / 2 - bs.width() - s, height() - bs.height() - s, bs.width(), bs.height());
    m_btnCancel->setGeometry(width() / 2 + s, height() - bs.height() - s, bs.width(), bs.height());
    m_btnOk->show();
    m_btnCancel->show();

    layoutKeys();
    m_mode = TVKeyLayout::Lower;
    copyLabels();
    evtLanguage();
}

void TVKeyboard::layoutKeys()
{
    // Keys on odd screen columns line up with the image sheet's key faces
    // only when shifted by the window's own odd offset.
    const int odd = ((mapToGlobal(QPoint(0, 0)).x() % 2) + 2) % 2;
    for (auto& row : m_keys) {
        for (Key& k : row)
            k = Key();
    }
    for (int i = 0; i < 14; ++i)
        m_keys[0][i] = {sc(13 + 26 * i + odd), sc(76), sc(22), sc(26), 0, {}};
    for (int i = 0; i < 13; ++i)
        m_keys[1][i] = {sc(25 + 26 * i + odd), sc(104), sc(24), sc(26), 0, {}};
    m_keys[2][0] = {sc(25), sc(132), sc(37), sc(26), 0, {}};
    for (int i = 1; i < 12; ++i)
        m_keys[2][i] = {sc(65 + 26 * (i - 1) + odd), sc(132), sc(22), sc(26), 0, {}};
    m_keys[3][0] = {sc(25), sc(160), sc(50), sc(26), 0, {}};
    for (int i = 1; i < 11; ++i)
        m_keys[3][i] = {sc(77 + 26 * (i - 1) + odd), sc(160), sc(24), sc(26), 0, {}};
}

void TVKeyboard::copyLabels()
{
    for (int r = 0; r < TVKeyLayout::Rows; ++r) {
        for (int c = 0; c < TVKeyLayout::Cols; ++c) {
            Key& k = m_keys[r][c];
            qstrncpy(k.label, TVKeyLayout::label(m_mode, r, c), sizeof k.label);
        }
    }
}

void TVKeyboard::setTitle(const QString& title)
{
    m_title = title;
}

void TVKeyboard::setText(const QString& text)
{
    if (m_edit)
        m_edit->setText(text);
}

void TVKeyboard::setMaxLength(int n)
{
    m_maxLength = n;
    if (m_edit)
        m_edit->setMaxLength(n);
}

void TVKeyboard::setPassword(int on)
{
    m_password = on;
    if (m_edit)
        m_edit->setPassword(on ? 1 : 0);
}

void TVKeyboard::setMacMode(int on)
{
    m_macMode = on;
}

QString TVKeyboard::text() const
{
    return m_edit ? m_edit->text() : QString();
}

QRect TVKeyboard::keyRect(int row, int col) const
{
    if (row < 1 || row > TVKeyLayout::Rows || col < 0 || col >= TVKeyLayout::rowKeys(row - 1))
        return QRect();
    return m_keys[row - 1][col].rect();
}

bool TVKeyboard::isKorean() const
{
    const QString name = s_langHook ? s_langHook() : QString();
    int idx = g_str ? g_str->indexOfLanguage(name) : (name == QLatin1String("Korean") ? KoreanLangIndex : -1);
    if (idx < 0)
        idx = EnglishLangIndex;
    return idx == KoreanLangIndex;
}

void TVKeyboard::connectTo()
{
    connect(m_btnOk, &TButton::sg_clicked, this, &TVKeyboard::sl_btnclicked);
    connect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyboard::sl_btnclicked);
    connect(this, &TVKeyboard::sg_keynotify, this, &TVKeyboard::sl_keynotify);
    connect(m_clickTimer, &QTimer::timeout, this, &TVKeyboard::sl_timeoutClick);
}

void TVKeyboard::disconnectFrom()
{
    disconnect(m_btnOk, &TButton::sg_clicked, this, &TVKeyboard::sl_btnclicked);
    disconnect(m_btnCancel, &TButton::sg_clicked, this, &TVKeyboard::sl_btnclicked);
    disconnect(this, &TVKeyboard::sg_keynotify, this, &TVKeyboard::sl_keynotify);
    disconnect(m_clickTimer, &QTimer::timeout, this, &TVKeyboard::sl_timeoutClick);
}

void TVKeyboard::evtShow()
{
    qCDebug(lcUiBase, "TVKeyboard::evtShow!!");
    m_col = 0;
    m_row = ButtonRow;
    m_mode = TVKeyLayout::Lower;
    copyLabels();
    m_focusRect = QRect();
    m_pressed = nullptr;
    m_btnOk->setFocus(Qt::OtherFocusReason);
    m_edit->cursorToEnd();
    m_hangul->reset(m_edit->text());
}

void TVKeyboard::evtHide()
{
    m_macMode = 0;
    TStyle::setNoFocusFrame(0);
}

void TVKeyboard::evtLanguage()
{
    if (!m_btnOk)
        return;
    m_btnOk->setText(g_str ? g_str->text(24) : QStringLiteral("OK"));
    m_btnCancel->setText(g_str ? g_str->text(25) : QStringLiteral("CANCEL"));
}

void TVKeyboard::sl_btnclicked(int id, int)
{
    if (id == 0) {
        hideWnd();
        emit sg_reply(VK_OK, text());
    } else if (id == 1) {
        hideWnd();
        emit sg_reply(VK_CANCEL, text());
    }
}

void TVKeyboard::sl_timeoutClick()
{
    m_skipClick = 0;
}

void TVKeyboard::focusEdit(int frame)
{
    TStyle::setNoFocusFrame(frame ? 0 : 1);
    m_edit->setFocus(Qt::OtherFocusReason);
    m_edit->update();
}

QWidget* TVKeyboard::focusedCtrl() const
{
    if (m_edit->hasFocus())
        return m_edit;
    if (m_btnOk->hasFocus())
        return m_btnOk;
    if (m_btnCancel->hasFocus())
        return m_btnCancel;
    return nullptr;
}

void TVKeyboard::repaintRect(const QRect& r, int grow)
{
    if (r.isValid())
        update(r.adjusted(-grow, -grow, grow, grow));
}

void TVKeyboard::evtKeydown(int key)
{
    if (m_edit->editKey(key))
        return;
    if (m_col < 0 || m_row < 0) {
        m_row = ButtonRow;
        m_col = 0;
        m_focusRect = QRect();
        m_btnOk->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        strikeDigit(key - Qt::Key_0);
        return;
    }
    switch (key) {
    case Qt::Key_0:
    case Qt::Key_F30:
        strikeDigit(10);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_row == 0) {
            m_curCtrl = m_edit;
            postKey(m_edit, QEvent::KeyPress, Qt::Key_Enter);
        } else if (m_row == ButtonRow) {
            QWidget* btn = focusedCtrl();
            if (btn != m_btnOk && btn != m_btnCancel)
                btn = m_col == 0 ? static_cast<QWidget*>(m_btnOk) : m_btnCancel;
            m_curCtrl = btn;
            postKey(btn, QEvent::KeyPress, Qt::Key_Space);
        } else {
            m_curCtrl = nullptr;
            m_pressed = &m_keys[m_row - 1][m_col];
            emit sg_keynotify(1, 0);
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

void TVKeyboard::evtKeyup(int key)
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

void TVKeyboard::strikeDigit(int col)
{
    // The digit strikes key col of the top row, whatever key has the focus;
    // the key focus itself stays where it is.
    QWidget* back = focusedCtrl();
    setFocus(Qt::OtherFocusReason);
    focusEdit(0);
    m_pressed = &m_keys[0][col];
    emit sg_keynotify(1, 0);
    emit sg_keynotify(0, 0);
    m_pressed = nullptr;
    m_edit->end(false);
    m_edit->cursorToEnd();
    if (back)
        back->setFocus(Qt::OtherFocusReason);
}

void TVKeyboard::moveFocus(int dx, int dy, bool wrap)
{
    if (m_col < 0 || m_row < 0)
        return;
    const int oldRow = m_row;
    const int oldCol = m_col;
    m_col += dx;
    m_row += dy;
    if (dy != 0 && m_row == ButtonRow)
        m_col = 0;
    qCDebug(lcUiBase, "TVKeyboard::moveFocus.. old(%d,%d) new(%d,%d)", oldCol, oldRow, m_col, m_row);
    // The row comes into 0..5 before any row length is looked up.
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

void TVKeyboard::sl_keynotify(int pressed, int)
{
    if (!pressed) {
        m_pressed = nullptr;
        return;
    }
    if (!m_pressed)
        return;
    // The struck key's own place in the table: the key focus may be on the
    // line or the buttons when a remote digit strikes a key.
    const int idx = int(m_pressed - &m_keys[0][0]);
    if (idx < 0 || idx >= TVKeyLayout::Rows * TVKeyLayout::Cols)
        return;
    const int row = idx / TVKeyLayout::Cols;
    const int col = idx % TVKeyLayout::Cols;
    const QByteArray label(m_pressed->label);
    if (label.isEmpty())
        return;
    const bool korean = isKorean();

    if (label == "<-") {
        if (m_mode == TVKeyLayout::Korean) {
            if (m_hangul->text() != m_edit->text())
                m_hangul->reset(m_edit->text());
            if (m_hangul->backspace()) {
                m_edit->setText(m_hangul->text());
            } else {
                m_edit->backspace();
                m_hangul->reset(m_edit->text());
            }
        } else {
            m_edit->backspace();
        }
        return;
    }
    if (label == "Shift") {
        qCDebug(lcUiBase, "SHIFT  m_mode:%d codec_kor:%08llx lnag:%d", m_mode,
                static_cast<unsigned long long>(reinterpret_cast<quintptr>(m_codecKor)), korean ? 1 : 0);
        if (m_mode == TVKeyLayout::Lower)
            m_mode = TVKeyLayout::Shifted;
        else if (m_mode == TVKeyLayout::Shifted)
            m_mode = (korean && m_codecKor) ? TVKeyLayout::Korean : TVKeyLayout::Lower;
        else
            m_mode = TVKeyLayout::Lower;
        if (korean && m_codecKor)
            m_hangul->reset(m_edit->text());
        copyLabels();
        update();
        return;
    }
    enterText(m_pressed, row, col);
}

void TVKeyboard::enterText(const Key* key, int row, int col)
{
    if (m_mode == TVKeyLayout::Korean) {
        const char c = TVKeyLayout::koreanKey(row, col);
        if (!c)
            return;
        // The line may have been edited on its own (its editing mode): the
        // composition then starts again on what the line holds.
        if (m_hangul->text() != m_edit->text())
            m_hangul->reset(m_edit->text());
        m_hangul->key(c, m_edit->maxLength());
        m_edit->setText(m_hangul->text());
    } else {
        const QByteArray label(key->label);
        m_edit->insert(label == "Space" ? QStringLiteral(" ") : QString::fromUtf8(label));
    }
    if (m_macMode && TVKeyText::needsColon(m_edit->text()))
        m_edit->insert(QStringLiteral(":"));
}

void TVKeyboard::mousePressEvent(QMouseEvent* e)
{
    if (e->buttons() != Qt::LeftButton)
        return;
    qCDebug(lcUiBase, "TVKeyboard::mousePressEvent");
    Key* hit = nullptr;
    for (int r = 0; r < TVKeyLayout::Rows && !hit; ++r) {
        for (int c = 0; c < TVKeyLayout::rowKeys(r); ++c) {
            Key& k = m_keys[r][c];
            if (k.rect().contains(e->pos()) && !m_skipClick) {
                hit = &k;
                const QPoint g = mapToGlobal(QPoint(k.x, k.y));
                qCDebug(lcUiBase, "============= virtual key pos x:%d y:%d =====================", g.x(), g.y());
                m_col = c;
                m_row = r + 1;
                m_pressed = hit;
                repaintRect(k.rect(), 1);
                focusEdit(0);
                emit sg_keynotify(1, 0);
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

void TVKeyboard::mouseReleaseEvent(QMouseEvent*)
{
    qCDebug(lcUiBase, "TVKeyboard::mouseReleaseEvent");
    if (m_pressed) {
        const QRect r = m_pressed->rect();
        emit sg_keynotify(0, 0);
        m_pressed = nullptr;
        repaintRect(r, 3);
    }
}

void TVKeyboard::mouseMoveEvent(QMouseEvent*)
{
}

void TVKeyboard::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(97);
        const QSize want = g_res->getSize(97);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.setPen(color(19));
    p.drawText(QRect(QPoint(8, 0), QPoint(width() - 1, 31)), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    p.setPen(color(20));
    for (const auto& row : m_keys) {
        for (const Key& k : row) {
            if (k.label[0])
                p.drawText(k.rect(), Qt::AlignCenter, QString::fromUtf8(k.label));
        }
    }
    if (m_focusRect.isValid()) {
        p.setPen(QPen(color(37), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_focusRect.adjusted(2, 2, -1, -1));
    }
}
