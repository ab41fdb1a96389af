#include "tvkeynumboard.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tedit.h"
#include "tmsgiface.h"
#include "tres.h"
#include "tstring.h"
#include "tvkeytext.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

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

// Enter on the line hands it Space; a vertical move onto the buttons keeps
// its column where the button row has it (Down from "0" reaches Cancel).
TVKeyNumboard::TVKeyNumboard(QWidget* parent, int id, QSize size)
    : TVKeyPad(parent, id, size, {1, Cols, Cols, Cols, Cols, 2}, Qt::Key_Space, false),
      m_keys(),
      m_pressed(nullptr),
      m_mode(ModeNumber)
{
}

void TVKeyNumboard::initCtrl()
{
    createCtrls();

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

QRect TVKeyNumboard::keyRect(int row, int col) const
{
    if (row < 1 || row > Rows || col < 0 || col >= Cols)
        return QRect();
    return m_keys[row - 1][col].rect();
}

void TVKeyNumboard::evtShow()
{
    m_pressed = nullptr;
    TVKeyPad::evtShow();
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

bool TVKeyNumboard::acceptText()
{
    if (checkText())
        return true;
    warnInvalid();
    return false;
}

void TVKeyNumboard::strikeDigit(int digit)
{
    if (digit == 0)
        strike(4, 1);
    else
        strike((digit - 1) / 3 + 1, (digit - 1) % 3);
}

void TVKeyNumboard::pressKey(int row, int col)
{
    m_pressed = &m_keys[row - 1][col];
    emit sg_keynotify(1, m_pressed->code);
}

void TVKeyNumboard::releaseKey()
{
    const int code = m_pressed ? m_pressed->code : 0;
    emit sg_keynotify(0, code);
    m_pressed = nullptr;
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
                pressByMouse(r + 1, c);
                // Draw the pressed key at once.
                QCoreApplication::processEvents();
                startClickGuard();
                break;
            }
        }
    }
    const QRect next = hit ? hit->rect() : QRect();
    if (next != m_focusRect)
        moveHighlight(next);
}

void TVKeyNumboard::mouseReleaseEvent(QMouseEvent*)
{
    if (m_pressed) {
        const QRect r = m_pressed->rect();
        releaseKey();
        repaintRect(r, 3);
    }
}

void TVKeyNumboard::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    paintBackground(p, 100);
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
    paintHighlight(p);
}
