// The login gate of the main window: the commands that need a logged-in
// user, the password prompt on the text keyboard, the command kept across
// the login, lock and the auto-logout period.
#include "tmain.h"
#include "appglobals.h"
#include "logrecord.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tdvrapi.h"
#include "tinfo.h"
#include "tlogin.h"
#include "tmsgwnd.h"
#include "tstring.h"
#include "tvkeyboard.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

enum { OemShortPassword = 5, MasterPwdChars = 19 };

// The pending command of a playback key that waits for the login.
const char KeyPlay[] = "STR_KEY_PLAY";

QString tx(int id)
{
    return g_str ? g_str->text(id) : QString();
}

const PropUser* users()
{
    return static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
}

template <size_t N> QByteArray fieldOf(const char (&field)[N])
{
    return QByteArray(field, int(strnlen(field, N)));
}

// The id of an account, empty for an empty slot or an index outside 0..7.
QByteArray accountId(int idx)
{
    if (!g_cfg || unsigned(idx) >= unsigned(PROP_MAX_USERS))
        return QByteArray();
    return fieldOf(users()->user[idx].id);
}

// The typed text opens the chosen account with its own password or with the
// device's master password. An empty slot opens with neither, and every
// failure looks the same to the operator.
bool passwordAccepted(int idx, const QString& text)
{
    if (accountId(idx).isEmpty())
        return false;
    const QByteArray typed = text.toUtf8();
    if (typed == fieldOf(users()->user[idx].pw))
        return true;
    char master[MasterPwdChars + 1] = {};
    qstrncpy(master, typed.constData(), sizeof master);
    return g_api.checkMasterPwd(master) == 1;
}

// The auto-logout period of the user section in seconds; 0 or less: none.
int autoLogoutPeriod()
{
    return g_cfg ? int(g_cfg->getvaluefromindex(IDX_DATA_AUTOLOCK, users()->autolock)) : 0;
}

} // namespace

int TMain::needLogin(const QString& label) const
{
    if (m_loggedIn)
        return 0;
    // Setup, Search, Backup, Instant Replay, PTZ, Log In, Shutdown, Panic
    // Record, Schedule Record, Alarm Control.
    static const int gated[] = {2, 10, 12, 13, 14, 20, 1, 515, 516, 457};
    for (int id : gated) {
        if (label == tx(id))
            return 1;
    }
    return 0;
}

void TMain::askLogin(const QString& cmd, int arg)
{
    m_pendingCmd = cmd;
    m_pendingArg = arg;
    auto* chooser = static_cast<TLogin*>(wnd(ID_WND_LOGIN));
    if (!chooser)
        return;
    chooser->setUser(m_curUserIdx);
    placeWnd(chooser, 1);
    chooser->show();
}

void TMain::logOut(int code)
{
    m_loggedIn = 0;
    m_logoutSec = -1;
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setLock(1);
    // The id goes into the record's contents ("Log-Out admin"); only a
    // log-in names its user in the user field.
    g_api.writeLog(code, nullptr, accountId(m_curUserIdx).constData());
    // The device layer logs out; the facade keeps the name (and so the
    // rights) of the last user.
    g_api.login("");
}

void TMain::sl_fromLogin(int code, int user)
{
    qCDebug(lcApp, "======== TMain::sl_fromLogin (%d, %d) ========", code, user);
    m_loginUserIdx = user;
    if (!g_vkeyboard)
        return;
    g_vkeyboard->setTitle(tx(271));
    g_vkeyboard->setMaxLength(g_default && g_default->getOem() == OemShortPassword ? 8 : 15);
    g_vkeyboard->setText(QString());
    g_vkeyboard->setPassword(1);
    // One answer only: sl_fromPwdVK disconnects again.
    connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TMain::sl_fromPwdVK, Qt::UniqueConnection);
    placeWnd(g_vkeyboard, 1);
    g_vkeyboard->show();
}

void TMain::sl_fromPwdVK(int code, QString text)
{
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TMain::sl_fromPwdVK);
    // Cancel: the pending command stays until the next command replaces it.
    if (code != VK_OK)
        return;
    if (!passwordAccepted(m_loginUserIdx, text)) {
        refuse(tx(301));
        return;
    }

    m_loggedIn = 1;
    m_curUserIdx = m_loginUserIdx;
    const QByteArray id = accountId(m_curUserIdx);
    g_api.login(id.constData());
    g_api.setUserName(id.constData());
    // The user's camera rights take effect.
    g_api.camSetdevice(0);
    g_api.writeLog(LOG_LOGIN, id.constData(), nullptr);
    m_logoutSec = autoLogoutPeriod();
    if (auto* bar = static_cast<TInfo*>(wnd(ID_WND_INFO)))
        bar->setLock(0);

    // What waited for the login: a playback key, else an information-bar
    // button, else a menu command (runMenu clears the pending command: it
    // gets a copy).
    const QString cmd = m_pendingCmd;
    if (cmd == QLatin1String(KeyPlay))
        runDecKey(m_pendingArg, -1);
    else if (cmd.isEmpty())
        sl_fromInfobar(m_pendingInfoBtn);
    else
        runMenu(cmd, m_pendingArg);
}
