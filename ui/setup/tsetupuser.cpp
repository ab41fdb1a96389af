#include "tsetupuser.h"
#include "tsetupusercam.h"
#include "appglobals.h"
#include "ctlres.h"
#include "setupaction.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "tedit.h"
#include "textutil.h"
#include "tmsgwnd.h"
#include "tproperty.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QIcon>
#include <QPainter>
#include <QSignalBlocker>

#include <cstddef>
#include <cstring>

using namespace SetupAct;

namespace {

enum {
    TxtSetup = 2, TxtNetwork = 8, TxtSearch = 10, TxtBackup = 12, TxtPtz = 14, TxtLock = 18, TxtCamera = 75,
    TxtPassword = 160, TxtId = 181, TxtWarning = 213, TxtNotConfirmed = 214, TxtSameId = 242, TxtOldPw = 267,
    TxtNewPw = 268, TxtConfirm = 269, TxtTypeId = 278, TxtUser = 162, TxtCamSetup = 347, MsgOk = 1, CamStrip = 59, CamStrip2 = 60
};

QVector<TSetupPage::Row> rows()
{
    using P = TSetupPage;
    using U = TSetupUser;
    QVector<P::Row> r(U::RowDefaultBtn + 1);
    for (int i = 0; i < U::USERS; ++i) {
        r[i].right = i + 1 < U::USERS ? i + 1 : P::L_ITEM;
        r[i].left = i > 0 ? i - 1 : P::L_ITEM;
        r[i].up = P::L_TAB;
        r[i].down = U::RowIdField;
    }
    for (int i = U::RowIdField; i <= U::RowLock; ++i) {
        r[i].right = P::L_ITEM;
        r[i].left = P::L_ITEM;
        r[i].up = i == U::RowIdField ? U::RowUser0 : i - 1;
        r[i].down = i == U::RowLock ? int(U::RowApplyBtn) : i + 1;
    }
    r[U::RowIdField].kind = P::RowEdit;
    r[U::RowIdField].text = TxtId;
    r[U::RowPassword].text = TxtPassword;
    const int rights[5] = {TxtSetup, TxtSearch, TxtBackup, TxtPtz, TxtNetwork};
    for (int k = 0; k < 5; ++k) {
        r[U::RowSetup + k].kind = P::RowCheck;
        r[U::RowSetup + k].text = rights[k];
    }
    r[U::RowCamera].text = TxtCamera;
    P::Row& lock = r[U::RowLock];
    lock.kind = P::RowCombo;
    lock.text = TxtLock;
    lock.section = IDX_PROP_USER;
    lock.offset = offsetof(PropUser, autolock);
    lock.size = 4;
    lock.list = IDX_DATA_AUTOLOCK;
    P::Row& apply = r[U::RowApplyBtn];
    apply.kind = P::RowApply;
    apply.left = P::L_OK;
    apply.right = U::RowDefaultBtn;
    apply.up = U::RowLock;
    apply.down = P::L_TAB;
    P::Row& def = r[U::RowDefaultBtn];
    def.kind = P::RowDefault;
    def.left = U::RowApplyBtn;
    def.right = P::L_OK;
    def.up = U::RowLock;
    def.down = P::L_TAB;
    return r;
}

bool isFree(const UserAccount* u)
{
    return !u || u->id[0] == '\0';
}

} // namespace

TSetupUser::TSetupUser(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Params p;
    p.sections = {IDX_PROP_USER};
    p.firstRow = RowUser0;
    p.itemRight = RowUser0;
    p.itemLeft = RowUser0 + USERS - 1;
    p.okRight = RowApplyBtn;
    p.okLeft = RowDefaultBtn;
    p.cancelRight = RowApplyBtn;
    p.cancelLeft = RowDefaultBtn;
    setRows(rows(), p);
}

TSetupUser::~TSetupUser()
{
    delete m_camWnd;
    delete m_userIcon;
}

void TSetupUser::evtHide()
{
    closeSubWindows();
    TSetupPage::evtHide();
}

void TSetupUser::closeSubWindows()
{
    if (m_camWnd && m_camWnd->isVisible())
        m_camWnd->cancel();
}

void TSetupUser::evtKeyup(int key)
{
    if (m_camWnd && m_camWnd->isVisible()) {
        QCoreApplication::postEvent(m_camWnd, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
        return;
    }
    TSetupPage::evtKeyup(key);
}

int TSetupUser::users()
{
    if (!g_cfg)
        return 1;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0));
    return qBound(1, int(dev->users), int(USERS));
}

UserAccount* TSetupUser::account(int slot) const
{
    if (!g_cfg || slot < 0 || slot >= USERS)
        return nullptr;
    return &static_cast<PropUser*>(g_cfg->getsection(IDX_PROP_USER, 0))->user[slot];
}

void TSetupUser::init(int background)
{
    TSetupPage::init(background);
    m_selch = 0;
    m_editTarget = TargetNone;
    // The user buttons look like the camera buttons: the chosen one lit.
    if (!m_userIcon) {
        m_userIcon = TRes::makeIcon(ctlImage(CamStrip), 4, false);
        TRes::addIconStates(m_userIcon, ctlImage(CamStrip2), 4, true);
    }
    for (int i = 0; i < USERS; ++i)
        static_cast<TButton*>(m_ctrl[RowUser0 + i])->setState(i == 0 ? 1 : 2, m_userIcon);
    if (!m_camWnd) {
        m_camWnd = new TSetupUserCam(nullptr, -1, QSize(ctlScale(640), ctlScale(220)));
        m_camWnd->init(0);
        m_camWnd->hide();
    }
    evtResize();
}

void TSetupUser::evtResize()
{
    TSetupPage::evtResize();
    if (m_ctrl.size() != m_rows.size())
        return;
    // The user buttons in one row at the top, the rest in a column below.
    const int margin = ctlScale(16);
    const int n = users();
    const int bw = qMin(ctlScale(70), (width() - 2 * margin) / USERS);
    for (int i = 0; i < USERS; ++i) {
        m_ctrl[RowUser0 + i]->setGeometry(margin + i * bw, margin, bw - ctlScale(4), ctlScale(24));
        m_ctrl[RowUser0 + i]->setVisible(i < n);
    }
    const int pitch = ctlScale(30);
    int y = margin + ctlScale(40);
    for (int row = RowIdField; row <= RowLock; ++row) {
        const QRect g = m_ctrl[row]->geometry();
        m_ctrl[row]->move(g.left(), y + (m_rows[row].kind == RowCheck ? (ctlScale(24) - g.height()) / 2 : 0));
        y += pitch;
    }
    const QRect d = m_ctrl[RowDefaultBtn]->geometry();
    m_ctrl[RowApplyBtn]->setGeometry(d.translated(-(d.width() + ctlScale(6)), 0));
}

void TSetupUser::evtLanguage()
{
    TSetupPage::evtLanguage();
    if (m_ctrl.size() != m_rows.size())
        return;
    for (int i = 0; i < USERS; ++i)
        static_cast<TButton*>(m_ctrl[RowUser0 + i])->setText(i == 0 ? QStringLiteral("admin") : QString::number(i));
    static_cast<TButton*>(m_ctrl[RowPassword])->setText(ctlText(TxtSetup));
    static_cast<TButton*>(m_ctrl[RowCamera])->setText(ctlText(TxtSetup));
}

void TSetupUser::evtPaint(QPaintEvent* e)
{
    TSetupPage::evtPaint(e);
    QPainter p(this);
    p.setPen(ctlColor(3));
    for (int row : {int(RowPassword), int(RowCamera)}) {
        QWidget* w = m_ctrl.value(row);
        if (!w || !w->isVisible())
            continue;
        const QRect g = w->geometry();
        p.drawText(QRect(ctlScale(16), g.top(), g.left() - ctlScale(24), g.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   ctlText(m_rows[row].text));
    }
}

void TSetupUser::connectTo()
{
    TSetupPage::connectTo();
    // The ID field and the rights are the page's own: the slot they edit
    // follows the chosen user.
    auto* idField = static_cast<TEdit*>(m_ctrl[RowIdField]);
    disconnect(idField, &TEdit::sg_clicked, this, &TSetupPage::sl_edclicked);
    connect(idField, &TEdit::sg_clicked, this, [this] { ask(TxtTypeId, false, static_cast<TEdit*>(m_ctrl[RowIdField])->text()); m_editTarget = TargetId; });
    for (int row = RowSetup; row <= RowNetwork; ++row)
        connect(static_cast<TButton*>(m_ctrl[row]), &TButton::sg_clicked, this, [this, row] { toggleRight(row); });
    if (g_vkeyboard)
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupUser::sl_typed, Qt::UniqueConnection);
}

void TSetupUser::disconnectFrom()
{
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupUser::sl_typed);
    m_editTarget = TargetNone;
    TSetupPage::disconnectFrom();
}

void TSetupUser::setCtrl()
{
    TSetupPage::setCtrl();
    if (m_selch >= users())
        m_selch = 0;
    UserAccount* u = account(m_selch);
    if (!u)
        return;
    static_cast<TEdit*>(m_ctrl[RowIdField])->setText(QString::fromUtf8(u->id, int(qstrnlen(u->id, sizeof u->id))));
    if (m_selch > 0 && isFree(u)) {
        // A free slot keeps nothing of its last user: no rights, no
        // password, every camera.
        u->setup = u->search = u->backup = u->ptz = u->network = 0;
        std::memset(u->pw, 0, sizeof u->pw);
        std::memset(u->camlocal, 1, sizeof u->camlocal);
        std::memset(u->camnet, 1, sizeof u->camnet);
    }
    const uint8_t* rights[5] = {&u->setup, &u->search, &u->backup, &u->ptz, &u->network};
    for (int k = 0; k < 5; ++k) {
        auto* b = static_cast<TButton*>(m_ctrl[RowSetup + k]);
        const QSignalBlocker block(b);
        b->setChecked(*rights[k] != 0);
    }
    const bool admin = m_selch == 0;
    const bool taken = !isFree(u);
    m_ctrl[RowIdField]->setEnabled(!admin);
    m_ctrl[RowPassword]->setEnabled(admin || taken);
    for (int row = RowSetup; row <= RowNetwork; ++row)
        m_ctrl[row]->setEnabled(!admin && taken);
    m_ctrl[RowCamera]->setEnabled(!admin && taken);
    m_ctrl[RowCamera]->setVisible(!admin);
    for (int i = 0; i < USERS; ++i)
        static_cast<TButton*>(m_ctrl[RowUser0 + i])->setState(i == m_selch ? 1 : 2, nullptr);
    update();
}

void TSetupUser::keyMatch()
{
    TSetupPage::keyMatch();
    // The user row holds the shown slots only.
    const int n = users();
    for (FocusLink& l : m_focus) {
        for (int i = 0; i < USERS; ++i) {
            if (l.widget == m_ctrl[RowUser0 + i] && i == n - 1)
                l.right = m_ctrl[RowUser0];
        }
        if (l.widget == m_ctrl[RowUser0])
            l.left = m_ctrl[RowUser0 + n - 1];
    }
}

void TSetupUser::selectUser(int slot)
{
    if (slot < 0 || slot >= users())
        return;
    m_selch = slot;
    setCtrl();
    keyMatch();
}

void TSetupUser::toggleRight(int row)
{
    UserAccount* u = account(m_selch);
    if (!u || m_selch == 0 || isFree(u))
        return;
    uint8_t* rights[5] = {&u->setup, &u->search, &u->backup, &u->ptz, &u->network};
    uint8_t& r = *rights[row - RowSetup];
    r = r ? 0 : 1;
    static_cast<TButton*>(m_ctrl[row])->setChecked(r != 0);
}

void TSetupUser::buttonClicked(int row)
{
    if (row >= RowUser0 && row < RowUser0 + USERS) {
        selectUser(row - RowUser0);
    } else if (row == RowPassword) {
        m_pwStep = m_selch == 0 ? 0 : 1;
        ask(m_pwStep == 0 ? TxtOldPw : TxtNewPw, true, QString());
        m_editTarget = TargetPassword;
    } else if (row == RowCamera && m_camWnd && m_selch > 0) {
        m_camWnd->setUser(m_selch);
        m_camWnd->setTitle(ctlText(TxtUser) + QString(" %1 ").arg(m_selch) + ctlText(TxtCamSetup));
        m_camWnd->moveCenter(parentWidget() ? parentWidget() : this);
        m_camWnd->show();
    }
}

void TSetupUser::ask(int title, bool password, const QString& text)
{
    if (!g_vkeyboard)
        return;
    g_vkeyboard->setTitle(ctlText(title));
    g_vkeyboard->setMaxLength(PW_SIZE - 1);
    g_vkeyboard->setText(text);
    g_vkeyboard->setPassword(password ? 1 : 0);
    g_vkeyboard->moveCenter(parentWidget() ? parentWidget() : this);
    g_vkeyboard->show();
}

void TSetupUser::warn(int text)
{
    if (!g_msgWnd)
        return;
    g_msgWnd->setType(MsgOk);
    g_msgWnd->setTitle(ctlText(TxtWarning));
    g_msgWnd->setText(ctlText(text));
    g_msgWnd->moveCenter(parentWidget() ? parentWidget() : this);
    g_msgWnd->show();
}

void TSetupUser::sl_typed(int code, QString text)
{
    const int target = m_editTarget;
    m_editTarget = TargetNone;
    if (code != VK_OK)
        return;
    if (target == TargetId)
        typedId(text);
    else if (target == TargetPassword)
        typedPassword(text);
}

void TSetupUser::typedId(const QString& text)
{
    UserAccount* u = account(m_selch);
    if (!u || m_selch == 0)
        return;
    char id[sizeof u->id];
    q2Utf8Whole(id, text, int(sizeof id));
    if (id[0]) {
        for (int k = 1; k < USERS; ++k) {
            const UserAccount* other = account((m_selch + k) % USERS);
            if (other && std::strncmp(other->id, id, sizeof id) == 0) {
                // The field goes back to the stored ID: nothing was stored.
                setCtrl();
                warn(TxtSameId);
                return;
            }
        }
    }
    std::memcpy(u->id, id, sizeof u->id);
    setCtrl();
}

void TSetupUser::typedPassword(const QString& text)
{
    UserAccount* u = account(m_selch);
    if (!u)
        return;
    char pw[PW_SIZE];
    q2Utf8Whole(pw, text, int(sizeof pw));
    switch (m_pwStep) {
    case 0:
        if (std::strncmp(pw, u->pw, sizeof pw) != 0 && !g_api.checkMasterPwd(pw)) {
            warn(TxtNotConfirmed);
            return;
        }
        m_pwStep = 1;
        m_editTarget = TargetPassword;
        ask(TxtNewPw, true, QString());
        break;
    case 1:
        std::memcpy(m_newPwd, pw, sizeof m_newPwd);
        m_pwStep = 2;
        m_editTarget = TargetPassword;
        ask(TxtConfirm, true, QString());
        break;
    case 2:
        if (std::strncmp(pw, m_newPwd, sizeof pw) != 0) {
            warn(TxtNotConfirmed);
            return;
        }
        std::memcpy(u->pw, m_newPwd, sizeof u->pw);
        break;
    default: break;
    }
}

int TSetupUser::keyTaken(int key)
{
    // The camera window has the keys while it is up.
    if (m_camWnd && m_camWnd->isVisible()) {
        QCoreApplication::postEvent(m_camWnd, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
        return 1;
    }
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_ctrl[RowIdField]->hasFocus()) {
        ask(TxtTypeId, false, static_cast<TEdit*>(m_ctrl[RowIdField])->text());
        m_editTarget = TargetId;
        return 1;
    }
    // Up or Down into the user row lands on the chosen user.
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && !m_focus.isEmpty()) {
        QWidget* next = focusMove(key, m_focus.data(), m_focus.size());
        if (next == m_ctrl[RowUser0]) {
            m_ctrl[RowUser0 + m_selch]->setFocus(Qt::OtherFocusReason);
            m_curCtrl = m_ctrl[RowUser0 + m_selch];
            return 1;
        }
        if (next) {
            next->setFocus(Qt::OtherFocusReason);
            m_curCtrl = next;
            return 1;
        }
    }
    return 0;
}
