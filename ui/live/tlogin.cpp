#include "tlogin.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tkeys.h"
#include "uilivelog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

enum { FocusTag = 14, BackImage = 94, TitleMetric = 150, NameColor = 17, FieldColor = 33, FrameColor = 35 };

const UserAccount* account(int index)
{
    if (!g_cfg || unsigned(index) >= unsigned(TLogin::USERS))
        return nullptr;
    // The chooser follows the accounts as setup edits them.
    return &static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 0))->user[index];
}

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

TLogin::TLogin(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_btn{nullptr, nullptr, nullptr, nullptr},
      m_icon{nullptr, nullptr, nullptr},
      m_user(0),
      m_focusTable()
{
    setWindowModality(Qt::ApplicationModal);
}

TLogin::~TLogin()
{
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    for (QIcon*& i : m_icon) {
        delete i;
        i = nullptr;
    }
}

QString TLogin::userName(int index)
{
    const UserAccount* a = account(index);
    // A full 16-byte name has no terminator: it is read within its field.
    return a ? QString::fromUtf8(a->id, int(qstrnlen(a->id, sizeof a->id))) : QString();
}

int TLogin::defined(int from, int step)
{
    for (int n = 0; n < USERS; ++n) {
        const int i = ((from + n * step) % USERS + USERS) % USERS;
        if (!userName(i).isEmpty())
            return i;
    }
    return -1;
}

TButton* TLogin::button(int id) const
{
    return unsigned(id) < 4u ? m_btn[id] : nullptr;
}

void TLogin::setUser(int index)
{
    if (unsigned(index) < unsigned(USERS) && !userName(index).isEmpty()) {
        m_user = index;
        return;
    }
    const int first = defined(0, 1);
    m_user = first < 0 ? 0 : first;
}

void TLogin::init(int)
{
    m_icon[0] = TRes::makeIcon(ctlImage(21), 4, false);
    m_icon[1] = TRes::makeIcon(ctlImage(23), 4, false);
    m_icon[2] = TRes::makeIcon(ctlImage(24), 4, false);
    m_btn[BTN_PREV] = new TButton(this, m_icon[1], QString(), BTN_PREV, QColor(0, 0, 0), 4);
    m_btn[BTN_NEXT] = new TButton(this, m_icon[2], QString(), BTN_NEXT, QColor(0, 0, 0), 4);
    m_btn[BTN_OK] = new TButton(this, m_icon[0], QString(), BTN_OK, ctlColor(0), 4);
    m_btn[BTN_CANCEL] = new TButton(this, m_icon[0], QString(), BTN_CANCEL, ctlColor(0), 4);

    const int W = width();
    const int H = height();
    const QSize bs = ctlSize(21, QSize(85, 25));
    const int by = H - bs.height() - bs.height() / 2;
    m_btn[BTN_OK]->setGeometry((W - 3 * bs.width()) / 2, by, bs.width(), bs.height());
    m_btn[BTN_CANCEL]->setGeometry((W - 3 * bs.width()) / 2 + 2 * bs.width(), by, bs.width(), bs.height());
    const int title = g_res ? g_res->getValue(TitleMetric) : 38;
    m_titleRect = QRect(QPoint(0, 0), QPoint(W - 1, title - 1));
    const int nx = ctlScale(82);
    const int ny = ctlScale(54);
    m_nameRect = QRect(nx, ny, ctlScale(155), ctlScale(19));
    const QSize as = ctlSize(23, QSize(12, 20));
    m_btn[BTN_PREV]->setGeometry(nx - as.width() - 2, ny, as.width(), as.height());
    m_btn[BTN_NEXT]->setGeometry(nx + ctlScale(155) + 2, ny, as.width(), as.height());
    for (TButton* b : m_btn)
        b->show();
    evtLanguage();
}

void TLogin::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TLogin::sl_btnclicked);
    }
}

void TLogin::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, &TButton::sg_clicked, this, &TLogin::sl_btnclicked);
    }
}

void TLogin::evtShow()
{
    qCDebug(lcUiLive, "TLogin::evtShow");
    if (!m_btn[0])
        return;
    TButton* const prev = m_btn[BTN_PREV];
    TButton* const next = m_btn[BTN_NEXT];
    TButton* const ok = m_btn[BTN_OK];
    TButton* const cancel = m_btn[BTN_CANCEL];
    // Right, left, down, up.
    m_focusTable[0] = {FocusTag, prev, next, next, ok, ok};
    m_focusTable[1] = {FocusTag, next, prev, prev, cancel, cancel};
    m_focusTable[2] = {FocusTag, ok, cancel, cancel, prev, prev};
    m_focusTable[3] = {FocusTag, cancel, ok, ok, next, next};
    // An account emptied in setup since the last showing is not offered.
    if (userName(m_user).isEmpty()) {
        const int first = defined(m_user, 1);
        if (first >= 0)
            m_user = first;
    }
    evtLanguage();
    m_curCtrl = ok;
    setFocus(Qt::OtherFocusReason);
    ok->setFocus(Qt::OtherFocusReason);
}

void TLogin::evtLanguage()
{
    if (!m_btn[0])
        return;
    m_btn[BTN_OK]->setText(textOr(24, "OK"));
    m_btn[BTN_CANCEL]->setText(textOr(25, "CANCEL"));
}

void TLogin::sl_btnclicked(int id, int)
{
    switch (id) {
    case BTN_NEXT:
    case BTN_PREV: {
        const int found = id == BTN_NEXT ? defined(m_user + 1, 1) : defined(m_user + USERS - 1, USERS - 1);
        if (found >= 0)
            m_user = found;
        update(m_nameRect);
        break;
    }
    case BTN_OK:
        // Nobody logs in with an empty account: the window stays for a
        // choice or CANCEL.
        if (userName(m_user).isEmpty())
            break;
        hideWnd();
        emit sg_request(REQ_USER, m_user);
        break;
    case BTN_CANCEL:
        hideWnd();
        break;
    default:
        break;
    }
}

void TLogin::evtKeydown(int key)
{
    qCDebug(lcUiLive, "============ TLogin::evtKeydown(%d) ===========", key);
    switch (key) {
    case Qt::Key_Escape:
        hideWnd();
        break;
    case Qt::Key_Enter:
        m_curCtrl = focusFind(key, m_focusTable, 4);
        postKey(m_curCtrl, QEvent::KeyPress);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_curCtrl = focusMove(key, m_focusTable, 4);
        qCDebug(lcUiLive, "m_curFocus.. %08llx", static_cast<unsigned long long>(quintptr(m_curCtrl)));
        if (!m_curCtrl)
            m_curCtrl = m_btn[BTN_OK];
        if (m_curCtrl)
            m_curCtrl->setFocus(Qt::OtherFocusReason);
        break;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
        m_curCtrl = focusNextPrev(key, m_focusTable, 4);
        if (!m_curCtrl)
            m_curCtrl = m_btn[BTN_PREV];
        if (m_curCtrl)
            m_curCtrl->setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void TLogin::evtKeyup(int key)
{
    if (key == Qt::Key_Enter)
        postKey(m_curCtrl, QEvent::KeyRelease);
}

void TLogin::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(BackImage);
        const QSize want = g_res->getSize(BackImage);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.setPen(ctlColor(NameColor));
    p.drawText(m_titleRect, Qt::AlignCenter, textOr(20, "Log In"));
    // The name sits in a field like the other windows' value fields.
    p.fillRect(m_nameRect, ctlColor(FieldColor));
    p.save();
    p.setPen(ctlColor(FrameColor));
    p.drawRect(m_nameRect.adjusted(0, 0, -1, -1));
    p.restore();
    p.drawText(m_nameRect, Qt::AlignCenter, userName(m_user));
}
