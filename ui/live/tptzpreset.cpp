#include "tptzpreset.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdefault.h"
#include "textutil.h"
#include "tkeys.h"
#include "tmsgwnd.h"
#include "tstatuswnd.h"
#include "tvkeyboard.h"
#include "uilivelog.h"
#include "wndcodes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

enum { BackImage = 103, ButtonSize = 106, ButtonColor = 27, OemOkKey = 10, OemBigFont = 5 };
enum { T_SET = 169, T_CLEAR = 205, T_PRESET = 209, T_WARNING = 213, T_RUN = 249, T_OUT_OF_RANGE = 260,
       T_TYPE_NAME = 272, T_EXIT = 35 };
enum { RingCells = 10, RingSize = 14 };

int oemId()
{
    return g_default ? g_default->getOem() : 0;
}

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

PresetItem* presetItem(int ch, int n)
{
    if (!g_cfg || unsigned(ch) >= unsigned(PROP_MAX_CH) || n < 1 || n > TPtzpreset::NAMED)
        return nullptr;
    return &static_cast<PropPreset*>(g_cfg->getsection(IDX_PROP_PRESET, 0))->ch[ch].preset[n - 1];
}

// Ring position of a cell index: the digits 1..9, then 0.
int ringOfCell(int idx)
{
    return idx == 9 ? 9 : idx;
}

} // namespace

TPtzpreset::TPtzpreset(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
    setMouseTracking(true);
    if (oemId() == OemBigFont) {
        QFont f = font();
        f.setPointSize(ctlScale(17));
        setFont(f);
    }
}

TPtzpreset::~TPtzpreset()
{
    delete m_icon;
}

void TPtzpreset::init(int)
{
    m_display = new QLabel(this);
    m_display->setEnabled(false);
    m_display->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    m_display->setAutoFillBackground(true);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_icon = TRes::makeIcon(ctlImage(ButtonSize), 4, false);
    for (int i = 0; i < BTN_COUNT; ++i) {
        m_btn[i] = new TButton(this, m_icon, QString(), i, ctlColor(ButtonColor), 4);
        // Focus only by the jog ring or a click, never on activation.
        m_btn[i]->setFocusPolicy(Qt::ClickFocus);
    }
    for (int i = 0; i < ROWS * COLS; ++i) {
        Cell& c = m_cells[i];
        c.code = i < 9 ? i + 1 : i == 9 ? 0 : -1;
        if (c.code >= 0)
            qsnprintf(c.label, sizeof c.label, "%d", c.code);
    }
    layoutCtrls();
    evtLanguage();
}

TButton* TPtzpreset::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

QString TPtzpreset::display() const
{
    return m_display ? m_display->text() : QString();
}

const TPtzpreset::Cell* TPtzpreset::cellOf(int code) const
{
    for (const Cell& c : m_cells)
        if (c.code >= 0 && c.code == code)
            return &c;
    return nullptr;
}

bool TPtzpreset::isPresetKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return true;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
    case Qt::Key_F20:
    case Qt::Key_F21:
    case Qt::Key_F30:
    case Qt::Key_F33:
    case Qt::Key_Stop:
    case Qt::Key_Search:
    case Qt::Key_Play:
        return true;
    default:
        return false;
    }
}

void TPtzpreset::evtResize()
{
    layoutCtrls();
}

void TPtzpreset::layoutCtrls()
{
    if (!m_display)
        return;
    const int W = width();
    const int H = height();
    const int m = ctlScale(8);
    m_titleRect = QRect(m, 0, W - 2 * m, ctlScale(28));
    m_display->setGeometry(m, ctlScale(30), W - 2 * m, ctlScale(26));
    const int cw = (W - 2 * m) / COLS;
    const int ch = ctlScale(28);
    const int top = ctlScale(62);
    for (int i = 0; i < ROWS * COLS; ++i)
        m_cells[i].rect = QRect(m + (i % COLS) * cw, top + (i / COLS) * (ch + ctlScale(2)), cw - ctlScale(2), ch);
    const QSize bs = ctlSize(ButtonSize, QSize(130, 24));
    const int gap = ctlScale(4);
    int y = H - m - BTN_COUNT * bs.height() - (BTN_COUNT - 1) * gap;
    for (TButton* b : m_btn) {
        b->setGeometry((W - bs.width()) / 2, y, bs.width(), bs.height());
        y += bs.height() + gap;
    }
}

void TPtzpreset::evtLanguage()
{
    if (!m_btn[BTN_EXIT])
        return;
    m_btn[BTN_RUN]->setText(ctlText(T_RUN) + (oemId() == OemOkKey ? "[OK]" : "[Enter]"));
    m_btn[BTN_SET]->setText(ctlText(T_SET) + "[PTZ/SEARCH]");
    m_btn[BTN_CLEAR]->setText(ctlText(T_CLEAR) + "[Stop/BACKUP]");
    m_btn[BTN_EXIT]->setText(ctlText(T_EXIT));
}

void TPtzpreset::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TPtzpreset::sl_btnclicked);
    connect(this, &TPtzpreset::sg_keynotify, this, &TPtzpreset::sl_keynotify);
    if (g_vkeyboard) {
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TPtzpreset::sl_reply);
        connect(g_vkeyboard, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
    }
    if (g_msgWnd)
        connect(g_msgWnd, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
    if (g_statusWnd)
        connect(g_statusWnd, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
}

void TPtzpreset::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TPtzpreset::sl_btnclicked);
    disconnect(this, &TPtzpreset::sg_keynotify, this, &TPtzpreset::sl_keynotify);
    if (g_vkeyboard) {
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TPtzpreset::sl_reply);
        disconnect(g_vkeyboard, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
    }
    if (g_msgWnd)
        disconnect(g_msgWnd, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
    if (g_statusWnd)
        disconnect(g_statusWnd, &TDefWnd::sg_showed, this, &TPtzpreset::sl_showed);
}

void TPtzpreset::clearButtonFocus()
{
    for (TButton* b : m_btn)
        b->clearFocus();
}

void TPtzpreset::evtShow()
{
    evtLanguage();
    clearButtonFocus();
}

void TPtzpreset::evtHide()
{
    m_display->clear();
    m_restart = 0;
    m_hl = -1;
    m_pressed = -1;
}

void TPtzpreset::sl_showed(int, int, QRegion)
{
    clearButtonFocus();
}

// ---- Number entry ---------------------------------------------------------

void TPtzpreset::sl_keynotify(int press, int code)
{
    if (!press) {
        m_pressed = -1;
        return;
    }
    if (code < 0 || code > 9)
        return;
    if (m_restart) {
        m_display->clear();
        m_restart = 0;
    }
    const QString shown = m_display->text();
    if (shown.size() > 3)
        return;
    const QString candidate = shown + QString::number(code);
    if (candidate.toInt() <= MAX_NUMBER)
        m_display->setText(candidate);
}

void TPtzpreset::pressCell(int code)
{
    m_hl = -1;
    for (int i = 0; i < ROWS * COLS; ++i)
        if (code >= 0 && m_cells[i].code == code)
            m_hl = i;
    update();
    if (m_hl >= 0)
        emit sg_keynotify(1, code);
}

void TPtzpreset::outOfRange()
{
    m_display->clear();
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MSG_OK);
    g_msgWnd->setTitle(ctlText(T_WARNING));
    g_msgWnd->setText(ctlText(T_OUT_OF_RANGE));
    g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
    g_msgWnd->show();
}

void TPtzpreset::sl_btnclicked(int id, int)
{
    // Exit needs no number: the pad can always be left.
    if (id == BTN_EXIT) {
        hideWnd();
        emit sg_request(PRESET_EXIT, 0);
        return;
    }
    if (id < 0 || id >= BTN_COUNT || m_display->text().isEmpty())
        return;
    const int n = m_display->text().toInt();
    m_restart = 1;
    if (n < 1) {
        outOfRange();
        return;
    }
    switch (id) {
    case BTN_RUN:
        emit sg_request(PRESET_RUN, n - 1);
        break;
    case BTN_SET: {
        // Only the stored presets have a name; others cannot be set here.
        const PresetItem* item = presetItem(m_ch, n);
        if (!item || !g_vkeyboard)
            break;
        g_vkeyboard->setTitle(ctlText(T_TYPE_NAME));
        g_vkeyboard->setMaxLength(NAMED - 1);
        g_vkeyboard->setText(QString::fromUtf8(item->name, int(qstrnlen(item->name, sizeof item->name))));
        g_vkeyboard->setPassword(0);
        g_vkeyboard->show();
        break;
    }
    case BTN_CLEAR:
        if (PresetItem* item = presetItem(m_ch, n)) {
            item->on = 0;
            std::fill(item->name, item->name + sizeof item->name, '\0');
        }
        emit sg_request(PRESET_CLEAR, n - 1);
        break;
    default:
        break;
    }
}

void TPtzpreset::sl_reply(int code, QString text)
{
    if (code != VK_OK || m_display->text().isEmpty())
        return;
    const int n = m_display->text().toInt();
    if (PresetItem* item = presetItem(m_ch, n)) {
        item->on = 1;
        q2Utf8Whole(item->name, text, int(sizeof item->name));
    }
    if (n >= 1)
        emit sg_request(PRESET_SET, n - 1);
}

// ---- Keys and mouse -------------------------------------------------------

void TPtzpreset::stepRing(int step)
{
    int pos = -1;
    if (m_hl >= 0) {
        pos = ringOfCell(m_hl);
    } else {
        for (int i = 0; i < BTN_COUNT; ++i)
            if (m_btn[i]->hasFocus())
                pos = RingCells + i;
    }
    pos = pos < 0 ? (step > 0 ? 0 : RingSize - 1) : (pos + step + RingSize) % RingSize;
    if (pos < RingCells) {
        clearButtonFocus();
        m_hl = pos; // cells 0..8 are the digits 1..9, cell 9 the 0
    } else {
        m_hl = -1;
        m_btn[pos - RingCells]->setFocus(Qt::OtherFocusReason);
    }
    update();
}

void TPtzpreset::evtKeydown(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        pressCell(key - Qt::Key_0);
        return;
    }
    int action = -1;
    switch (key) {
    case Qt::Key_F30: pressCell(0); return;
    case Qt::Key_Enter: action = BTN_RUN; break;
    case Qt::Key_F21:
    case Qt::Key_Search:
    case Qt::Key_Play: action = BTN_SET; break;
    case Qt::Key_Stop:
    case Qt::Key_F20: action = BTN_CLEAR; break;
    case Qt::Key_Escape:
    case Qt::Key_F33: action = BTN_EXIT; break;
    case Qt::Key_Return:
        if (m_hl >= 0) {
            emit sg_keynotify(1, m_cells[m_hl].code);
        } else {
            for (TButton* b : m_btn)
                if (b->hasFocus())
                    postKey(b, QEvent::KeyPress);
        }
        return;
    case KEY_JOG_RIGHT: stepRing(1); return;
    case KEY_JOG_LEFT: stepRing(-1); return;
    default: return;
    }
    m_hl = -1;
    update();
    sl_btnclicked(action);
}

void TPtzpreset::evtKeyup(int key)
{
    if (key != Qt::Key_Return)
        return;
    for (TButton* b : m_btn)
        if (b->hasFocus())
            postKey(b, QEvent::KeyRelease);
}

int TPtzpreset::cellAt(const QPoint& p) const
{
    for (int i = 0; i < ROWS * COLS; ++i)
        if (m_cells[i].code >= 0 && m_cells[i].rect.contains(p))
            return i;
    return -1;
}

void TPtzpreset::mousePressEvent(QMouseEvent* e)
{
    const int i = e->button() == Qt::LeftButton ? cellAt(e->pos()) : -1;
    if (i < 0)
        return;
    m_hl = i;
    m_pressed = m_cells[i].code;
    update();
    emit sg_keynotify(1, m_cells[i].code);
}

void TPtzpreset::mouseReleaseEvent(QMouseEvent*)
{
    if (m_hl < 0)
        return;
    emit sg_keynotify(0, m_cells[m_hl].code);
    m_hl = -1;
    update();
}

void TPtzpreset::mouseMoveEvent(QMouseEvent* e)
{
    const int i = cellAt(e->pos());
    const QRect next = i >= 0 ? m_cells[i].rect : QRect();
    if (next == m_hover)
        return;
    update(m_hover.adjusted(-1, -1, 1, 1));
    m_hover = next;
    update(m_hover.adjusted(-1, -1, 1, 1));
}

// ---- Painting -------------------------------------------------------------

void TPtzpreset::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        const QPixmap bg = *g_res->getImage(BackImage);
        const QSize want = g_res->getSize(BackImage);
        if (bg.size() == want)
            p.drawPixmap(0, 0, bg);
        else
            p.drawPixmap(QRect(QPoint(0, 0), want), bg);
    } else {
        p.fillRect(rect(), Qt::darkGray);
    }
    p.setPen(ctlColor(25));
    p.drawText(m_titleRect, Qt::AlignLeft | Qt::AlignVCenter, ctlText(T_PRESET));
    p.setPen(ctlColor(26));
    for (const Cell& c : m_cells)
        if (c.code >= 0)
            p.drawText(c.rect, Qt::AlignCenter, QString::fromLatin1(c.label));
    if (!m_hover.isNull()) {
        p.setPen(ctlColor(26));
        p.drawRect(m_hover.adjusted(0, 0, -1, -1));
    }
    if (m_hl >= 0)
        ctlFrame2(p, m_cells[m_hl].rect, ctlColor(37));
}
