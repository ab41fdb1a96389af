#include "talarmctrlwnd.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "textutil.h"
#include "tkeys.h"
#include "uilivelog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

static_assert(TAlarmCtrlWnd::MAX_RELAYS == TDVRAPI::ALARM_OUTS - 3, "a row for every relay the facade switches");

namespace {

enum { FocusTag = 0, BackImage = 125, WndSize = 13, CheckSize = 71, TitleColor = 28, CaptionColor = 29 };

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

QString textOr(int id, const char* fallback)
{
    const QString t = ctlText(id);
    return t.isEmpty() ? QString::fromLatin1(fallback) : t;
}

} // namespace

TAlarmCtrlWnd::TAlarmCtrlWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_btn(),
      m_checkIcon(nullptr),
      m_closeIcon(nullptr),
      m_focusTable(),
      m_count(0)
{
    setWindowModality(Qt::ApplicationModal);
    // The unit's output count holds the relays, then the buzzer and the two
    // pop-up outputs; a row only for a relay the facade can switch.
    m_count = qBound(0, g_api.relayCount(), int(MAX_RELAYS));
    m_checkIcon = TRes::makeIcon(ctlImage(71), 4, false);
    TRes::addIconStates(m_checkIcon, ctlImage(70), 4, true);
    m_closeIcon = TRes::makeIcon(ctlImage(21), 4, false);
    for (int i = 0; i < BTN_CLOSE; ++i) {
        m_btn[i] = new TButton(this, m_checkIcon, QString(), i, QColor(0, 0, 0), 5);
        m_btn[i]->setVisible(i / 2 <= m_count);
    }
    m_btn[BTN_CLOSE] = new TButton(this, m_closeIcon, QString(), BTN_CLOSE, ctlColor(0), 4);
    evtResize();
    evtLanguage();
}

TAlarmCtrlWnd::~TAlarmCtrlWnd()
{
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    delete m_checkIcon;
    delete m_closeIcon;
}

TButton* TAlarmCtrlWnd::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

void TAlarmCtrlWnd::evtResize()
{
    if (!m_btn[BTN_CLOSE])
        return;
    const int W = width();
    const int H = height();
    const QSize bs = ctlSize(21, QSize(85, 25));
    const int s12 = ctlScale(12);
    const int closeY = H - bs.height() - s12;
    m_btn[BTN_CLOSE]->setGeometry(W - 2 * bs.width() - 2 * s12, closeY, bs.width(), bs.height());

    // Rows of 20 pixels, 2 apart, under the title; the rows of a unit with
    // many relays are drawn closer together so that all of them stay above
    // the close button.
    const int top = ctlScale(40) + ctlScale(2);
    const int rows = m_count + 1;
    const int room = closeY - ctlScale(4) - top;
    const int pitch = qMax(2, qMin(ctlScale(20) + ctlScale(2), room / rows));
    const int rowH = qMin(ctlScale(20), pitch - 1);
    const QSize cs = ctlSize(CheckSize, QSize(16, 16));
    const int side = qMin(cs.height(), rowH);
    const int left = ctlScale(24);
    const int captionW = ctlScale(160) + ctlScale(15);
    for (int p = 0; p < PAIRS; ++p) {
        const int y = top + qMin(p, rows) * pitch;
        m_rowRect[p] = QRect(left, y, captionW, rowH);
        const int onX = m_rowRect[p].right() + ctlScale(2) + ctlScale(10);
        const int by = y + (rowH - side) / 2;
        m_btn[2 * p]->setGeometry(onX, by, qMin(cs.width(), side), side);
        m_btn[2 * p + 1]->setGeometry(onX + bs.width() + ctlScale(2), by, qMin(cs.width(), side), side);
    }
}

void TAlarmCtrlWnd::linkFocus()
{
    TButton* const close = m_btn[BTN_CLOSE];
    for (int r = 0; r < PAIRS; ++r) {
        for (int c = 0; c < 2; ++c) {
            TButton* const self = m_btn[2 * r + c];
            TButton* const other = m_btn[2 * r + 1 - c];
            QWidget* const down = r + 1 < PAIRS ? m_btn[2 * (r + 1) + c] : close;
            QWidget* const up = r > 0 ? m_btn[2 * (r - 1) + c] : close;
            m_focusTable[2 * r + c] = {FocusTag, self, other, other, down, up};
        }
    }
    m_focusTable[BTN_CLOSE] = {FocusTag, close, close, close, m_btn[0], m_btn[2 * (PAIRS - 1)]};
}

void TAlarmCtrlWnd::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TAlarmCtrlWnd::sl_btnclicked);
}

void TAlarmCtrlWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TAlarmCtrlWnd::sl_btnclicked);
}

void TAlarmCtrlWnd::evtShow()
{
    evtLanguage();
    linkFocus();
    emit sg_request(0);
    if (!m_curCtrl) {
        m_curCtrl = m_btn[BTN_CLOSE];
        m_curCtrl->setFocus(Qt::OtherFocusReason);
    }
}

void TAlarmCtrlWnd::evtHide() {}

void TAlarmCtrlWnd::evtLanguage()
{
    if (m_btn[BTN_CLOSE])
        m_btn[BTN_CLOSE]->setText(textOr(24, "OK"));
}

void TAlarmCtrlWnd::check(int pair, bool on)
{
    m_btn[2 * pair]->setChecked(on);
    m_btn[2 * pair + 1]->setChecked(!on);
}

void TAlarmCtrlWnd::setState(const IoState* state)
{
    if (!state)
        return;
    for (int p = 0; p < m_count; ++p)
        check(p, (state->alarm >> p & 1u) != 0);
    check(m_count, state->buzzer > 0);
}

void TAlarmCtrlWnd::sl_btnclicked(int id, int)
{
    if (id == BTN_CLOSE) {
        hideWnd();
        return;
    }
    if (id < 0 || id > 2 * m_count + 1)
        return;
    const int p = id / 2;
    const bool on = id % 2 == 0;
    check(p, on);
    if (p < m_count)
        g_api.runAlarm(p, on ? 1 : 0);
    else
        g_api.runBuzzeron(on ? 1 : 0);
}

void TAlarmCtrlWnd::evtKeydown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        sl_btnclicked(BTN_CLOSE);
        break;
    case Qt::Key_Enter:
        m_curCtrl = focusFind(key, m_focusTable, BTN_COUNT);
        postKey(m_curCtrl, QEvent::KeyPress);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        QWidget* w = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT ? focusNextPrev(key, m_focusTable, BTN_COUNT)
                                                                : focusMove(key, m_focusTable, BTN_COUNT);
        m_curCtrl = w ? w : m_btn[BTN_CLOSE];
        m_curCtrl->setFocus(Qt::OtherFocusReason);
        break;
    }
    default:
        break;
    }
}

void TAlarmCtrlWnd::evtKeyup(int key)
{
    if (key == Qt::Key_Enter)
        postKey(m_curCtrl, QEvent::KeyRelease);
}

void TAlarmCtrlWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        // The panel is as high as the window needs: its top and bottom edges
        // frame the window, the middle is stretched by drawing it twice.
        m_bgImage = g_res->getImage(BackImage);
        const QSize want = g_res->getSize(WndSize);
        const int h = want.height();
        p.drawPixmap(0, 0, *m_bgImage);
        if (m_bgImage->height() != h) {
            const int lower = h - h / 2;
            p.drawPixmap(0, h / 2, *m_bgImage, 0, qMax(0, m_bgImage->height() - lower), want.width(), lower);
        }
    }
    p.setPen(ctlColor(TitleColor));
    p.drawText(QRect(0, 0, width(), ctlScale(32)), Qt::AlignCenter, textOr(457, "Alarm Control"));

    p.setPen(ctlColor(CaptionColor));
    const PropAlarm* alarm = g_cfg ? static_cast<const PropAlarm*>(g_cfg->getsection(IDX_PROP_ALARM, 0)) : nullptr;
    const QString onText = textOr(54, "On");
    const QString offText = textOr(53, "Off");
    const int slot = ctlSize(21, QSize(85, 25)).width();
    const int gap = ctlScale(4);
    for (int r = 0; r <= m_count; ++r) {
        QString caption;
        if (r == m_count) {
            caption = textOr(66, "Buzzer");
        } else if (alarm) {
            const char* name = alarm->out[r].name;
            caption = QString::fromUtf8(name, int(qstrnlen(name, sizeof alarm->out[r].name)));
        }
        drawFitText(&p, m_rowRect[r], Qt::AlignRight | Qt::AlignVCenter, caption);
        for (int c = 0; c < 2; ++c) {
            const QRect b = m_btn[2 * r + c]->geometry();
            const QRect text(b.right() + 1 + gap, m_rowRect[r].top(), slot - b.width() - gap, m_rowRect[r].height());
            p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, c == 0 ? onText : offText);
        }
    }
}
