#include "tmsgwnd.h"
#include "appglobals.h"
#include "tbutton.h"
#include "tkeys.h"
#include "tres.h"
#include "tsheetlayout.h"
#include "tstring.h"
#include "uilivelog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

enum { FocusTag = 14, TitleMetric = 151 };

int sc(int n)
{
    return g_res ? g_res->scale(n) : n;
}

QColor color(int id)
{
    return g_res ? g_res->getColor(id) : QColor(TSheetLayout::themeColor(id));
}

QSize buttonSize()
{
    return g_res ? g_res->getSize(21) : QSize(85, 25);
}

const char* const kLabels[4] = {"YES", "NO", "OK", "CANCEL"};
const int kLabelIds[4] = {26, 27, 24, 25};

} // namespace

TMsgWnd::TMsgWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_btn{nullptr, nullptr, nullptr, nullptr},
      m_focusTable(),
      m_type(0),
      m_icon(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
}

TMsgWnd::~TMsgWnd()
{
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    delete m_icon;
}

TButton* TMsgWnd::button(int id) const
{
    return unsigned(id) < 4u ? m_btn[id] : nullptr;
}

void TMsgWnd::init(int)
{
    if (g_res)
        m_icon = TRes::makeIcon(*g_res->getImage(21), 4, false);
    for (int i = 0; i < 4; ++i)
        m_btn[i] = new TButton(this, m_icon, QString(), i, color(0), 4);
    layoutCtrls();
    // Right, left, down, up of YES, NO, OK, CANCEL.
    TButton* const yes = m_btn[MSGBTN_YES];
    TButton* const no = m_btn[MSGBTN_NO];
    TButton* const ok = m_btn[MSGBTN_OK];
    TButton* const cancel = m_btn[MSGBTN_CANCEL];
    m_focusTable[0] = {FocusTag, yes, no, cancel, yes, yes};
    m_focusTable[1] = {FocusTag, no, ok, yes, no, no};
    m_focusTable[2] = {FocusTag, ok, cancel, no, ok, ok};
    m_focusTable[3] = {FocusTag, cancel, ok, ok, cancel, cancel};
    setType(m_type);
    evtLanguage();
}

void TMsgWnd::layoutCtrls()
{
    if (!m_btn[0])
        return;
    const QSize bs = buttonSize();
    const int s12 = sc(12);
    const int y = height() - bs.height() - s12;
    for (int i = 0; i < 4; ++i) {
        const int x = i == MSGBTN_CANCEL ? width() / 2 + s12 : width() / 2 - bs.width() - s12;
        m_btn[i]->setGeometry(x, y, bs.width(), bs.height());
        m_btn[i]->show();
    }
}

void TMsgWnd::setType(int kind)
{
    if (!m_btn[0]) {
        m_type = kind;
        return;
    }
    for (TButton* b : m_btn)
        b->hide();
    m_type = kind;
    const int W = width();
    const int H = height();
    const int s12 = sc(12);
    const int y = H - buttonSize().height() - sc(8);
    auto place = [this, y](int id, int x, const QSize& size) {
        m_btn[id]->setGeometry(x, y, size.width(), size.height());
        m_btn[id]->show();
    };
    switch (kind) {
    case MSG_OK:
        place(MSGBTN_OK, (W - m_btn[MSGBTN_OK]->width()) / 2, m_btn[MSGBTN_OK]->size());
        break;
    case MSG_CANCEL:
        place(MSGBTN_CANCEL, (W - m_btn[MSGBTN_CANCEL]->width()) / 2, m_btn[MSGBTN_CANCEL]->size());
        break;
    case MSG_OKCANCEL: {
        const QSize bs = buttonSize();
        place(MSGBTN_OK, W / 2 - bs.width() - s12, bs);
        place(MSGBTN_CANCEL, W / 2 + s12, bs);
        break;
    }
    case MSG_YESNOCANCEL: {
        const QSize bs = buttonSize();
        const int g = (W - 3 * bs.width()) / 4;
        place(MSGBTN_YES, g, bs);
        place(MSGBTN_NO, 2 * g + bs.width(), bs);
        place(MSGBTN_CANCEL, 3 * g + 2 * bs.width(), bs);
        m_curCtrl = m_btn[MSGBTN_NO];
        m_btn[MSGBTN_NO]->setFocus(Qt::OtherFocusReason);
        break;
    }
    default:
        break;
    }
}

void TMsgWnd::setTitle(const QString& title)
{
    m_title = title;
}

void TMsgWnd::setText(const QString& text)
{
    m_lines.clear();
    m_text = text;
    if (isVisible())
        repaint();
}

void TMsgWnd::setMessage(const QStringList& lines)
{
    m_text = QString();
    m_lines = lines;
    if (isVisible())
        repaint();
}

void TMsgWnd::popupOver(QWidget* over)
{
    moveCenter(over);
    raise();
    setVisible(true);
}

void TMsgWnd::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TMsgWnd::sl_btnclicked);
    }
}

void TMsgWnd::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, &TButton::sg_clicked, this, &TMsgWnd::sl_btnclicked);
    }
}

void TMsgWnd::evtShow()
{
    if (!m_btn[0])
        return;
    // OK takes the focus; the sets without OK keep the button that setType
    // chose (NO of YES/NO/CANCEL), or their first button.
    TButton* focus = m_btn[MSGBTN_OK];
    if (!focus->isVisibleTo(this)) {
        focus = nullptr;
        TButton* const chosen = qobject_cast<TButton*>(m_curCtrl);
        if (chosen && chosen->isVisibleTo(this))
            focus = chosen;
        for (int i = 0; i < 4 && !focus; ++i) {
            if (m_btn[i]->isVisibleTo(this))
                focus = m_btn[i];
        }
    }
    m_curCtrl = focus;
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    evtLanguage();
}

void TMsgWnd::evtHide()
{
    if (!m_title.isEmpty())
        m_title.clear();
    if (!m_text.isEmpty())
        m_text.clear();
}

void TMsgWnd::evtResize()
{
    layoutCtrls();
    setType(m_type);
}

void TMsgWnd::evtLanguage()
{
    for (int i = 0; i < 4; ++i) {
        if (m_btn[i])
            m_btn[i]->setText(g_str ? g_str->text(kLabelIds[i]) : QString::fromLatin1(kLabels[i]));
    }
}

void TMsgWnd::sl_btnclicked(int id, int)
{
    if (unsigned(id) > 3u)
        return;
    hideWnd();
    emit sg_request(id);
}

void TMsgWnd::evtKeydown(int key)
{
    qCDebug(lcUiLive, "============ TMsgWnd::evtKeydown(%d) ===========", key);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_curCtrl = focusFind(key, m_focusTable, 4);
        if (m_curCtrl)
            QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        QWidget* w = focusMove(key, m_focusTable, 4);
        m_curCtrl = w ? w : m_btn[MSGBTN_OK];
        if (m_curCtrl)
            m_curCtrl->setFocus(Qt::OtherFocusReason);
        break;
    }
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        QWidget* w = focusNextPrev(key, m_focusTable, 4);
        m_curCtrl = w ? w : m_btn[MSGBTN_YES];
        if (m_curCtrl)
            m_curCtrl->setFocus(Qt::OtherFocusReason);
        break;
    }
    case Qt::Key_Escape:
        sl_btnclicked(MSGBTN_CANCEL);
        break;
    default:
        break;
    }
}

void TMsgWnd::evtKeyup(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_curCtrl)
        QCoreApplication::postEvent(m_curCtrl, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier));
}

void TMsgWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(88);
        const QSize want = g_res->getSize(88);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    const int T = g_res ? g_res->getValue(TitleMetric) : sc(32);
    p.setPen(color(13));
    p.drawText(QRect(QPoint(0, 0), QPoint(width() - 1, T - 1)), Qt::AlignCenter, m_title);

    p.setPen(color(14));
    const int B = sc(64);
    const int n = m_lines.size();
    if (n >= 1) {
        const int h = B / n;
        for (int k = 0; k < n; ++k)
            p.drawText(QRect(0, T + k * h, width(), h), Qt::AlignCenter, m_lines.at(k));
    } else {
        p.drawText(QRect(0, T, width(), B), Qt::AlignCenter, m_text);
    }
}
