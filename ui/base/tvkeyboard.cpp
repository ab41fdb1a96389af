#include "tvkeyboard.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tedit.h"
#include "thangulcomposer.h"
#include "tres.h"
#include "tstring.h"
#include "tvkeytext.h"
#include "uibaselog.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextCodec>

namespace {

TVKeyboard::LangHook s_langHook = nullptr;

enum { KoreanLangIndex = 11, EnglishLangIndex = 3 };

} // namespace

// Enter on the line hands it Enter (the line's own editing mode); a vertical
// move onto the buttons lands on OK.
TVKeyboard::TVKeyboard(QWidget* parent, int id, QSize size)
    : TVKeyPad(parent, id, size, {1, 14, 13, 12, 11, 2}, Qt::Key_Enter, true),
      m_mode(TVKeyLayout::Lower),
      m_keys(),
      m_pressed(nullptr),
      m_hangul(new THangulComposer),
      m_codecKor(QTextCodec::codecForName("eucKR")),
      m_macMode(0),
      m_password(0),
      m_maxLength(256)
{
}

TVKeyboard::~TVKeyboard()
{
    delete m_hangul;
}

void TVKeyboard::setLangHook(LangHook hook)
{
    s_langHook = hook;
}

void TVKeyboard::initCtrl()
{
    createCtrls();
    m_edit->setMaxLength(m_maxLength);

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

void TVKeyboard::evtShow()
{
    qCDebug(lcUiBase, "TVKeyboard::evtShow!!");
    m_mode = TVKeyLayout::Lower;
    copyLabels();
    m_pressed = nullptr;
    TVKeyPad::evtShow();
    m_hangul->reset(m_edit->text());
}

void TVKeyboard::evtHide()
{
    m_macMode = 0;
    TVKeyPad::evtHide();
}

void TVKeyboard::evtKeydown(int key)
{
    // While the line is in its editing mode it takes every key.
    if (m_edit->editKey(key))
        return;
    TVKeyPad::evtKeydown(key);
}

void TVKeyboard::strikeDigit(int digit)
{
    // The digit strikes its key of the top row (0 is key 10), whatever key
    // has the focus; the key focus itself stays where it is.
    strike(1, digit == 0 ? 10 : digit);
}

void TVKeyboard::pressKey(int row, int col)
{
    m_pressed = &m_keys[row - 1][col];
    emit sg_keynotify(1, 0);
}

void TVKeyboard::releaseKey()
{
    emit sg_keynotify(0, 0);
    m_pressed = nullptr;
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
                pressByMouse(r + 1, c);
                startClickGuard();
                break;
            }
        }
    }
    const QRect next = hit ? hit->rect() : QRect();
    if (next != m_focusRect)
        moveHighlight(next);
}

void TVKeyboard::mouseReleaseEvent(QMouseEvent*)
{
    qCDebug(lcUiBase, "TVKeyboard::mouseReleaseEvent");
    if (m_pressed) {
        const QRect r = m_pressed->rect();
        releaseKey();
        repaintRect(r, 3);
    }
}

void TVKeyboard::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    paintBackground(p, 97);
    p.setPen(color(19));
    p.drawText(QRect(QPoint(8, 0), QPoint(width() - 1, 31)), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    p.setPen(color(20));
    for (const auto& row : m_keys) {
        for (const Key& k : row) {
            if (k.label[0])
                p.drawText(k.rect(), Qt::AlignCenter, QString::fromUtf8(k.label));
        }
    }
    paintHighlight(p);
}
