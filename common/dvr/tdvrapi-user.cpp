// Users, login and rights: what the logged-in user may do and see, and the
// accounts the device layer serves to network clients.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <cstring>

namespace {
const PropCamera* liveCameras()
{
    return static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
}

// A text field of a record as a terminated copy: the field may be full.
template <size_t N> QByteArray fieldOf(const char (&field)[N])
{
    return QByteArray(field, int(strnlen(field, N)));
}

// The name as the facade keeps it: at most 15 characters.
QByteArray userName(const char* user)
{
    return QByteArray(user, int(strnlen(user, 15)));
}
}

int TDVRAPI::currentAccount() const
{
    if (!g_cfg)
        return -1;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    const auto* users = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
    const int count = qBound(0, int(dev->users), int(PROP_MAX_USERS));
    const QByteArray current = fieldOf(m_curUser);
    for (int k = 0; k < count; ++k)
        if (fieldOf(users->user[k].id) == current)
            return k;
    return -1;
}

uint32_t TDVRAPI::covertMask(int forUser) const
{
    if (!g_cfg || (forUser && fieldOf(m_curUser) == "admin"))
        return 0;
    const PropCamera* cam = liveCameras();
    uint32_t mask = 0;
    for (int c = 0; c < channelCount(); ++c)
        if (cam->data[c].covertOn)
            mask |= 1u << c;
    return mask;
}

uint32_t TDVRAPI::userCamMask(int withDisabled) const
{
    if (!g_cfg)
        return 0;
    uint32_t mask = 0;
    const int n = channelCount();
    if (withDisabled) {
        const PropCamera* cam = liveCameras();
        for (int c = 0; c < n; ++c)
            if (cam->data[c].disableOn)
                mask |= 1u << c;
    }
    const int k = currentAccount();
    if (k < 0)
        return mask;
    const UserAccount& account = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1))->user[k];
    for (int c = 0; c < n; ++c)
        if (!account.camlocal[c])
            mask |= 1u << c;
    return mask;
}

int TDVRAPI::isHiddenCh(int ch) const
{
    if (ch < 0 || ch >= channelCount())
        return 0;
    if (m_cell[ch].videoLoss)
        return 1;
    return ((userCamMask(1) | covertMask(0)) >> ch) & 1u;
}

int TDVRAPI::userRight(int n) const
{
    const int k = currentAccount();
    if (k < 0 || n < 0 || n > 4)
        return 0;
    const UserAccount& a = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1))->user[k];
    const uint8_t rights[5] = {a.setup, a.search, a.backup, a.ptz, a.network};
    return rights[n];
}

int TDVRAPI::login(const char* user)
{
    const int r = DalLogin(user);
    if (!user || !*user)
        return r;
    if (userName(user) == fieldOf(m_curUser))
        return r;
    setUserName(user);
    // The layout is drawn again, so that the tiles follow the new user's
    // camera rights.
    dispLayout(-1, -1);
    return r;
}

void TDVRAPI::userSetdevice()
{
    if (!g_cfg)
        return;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    const auto* users = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
    const int count = qBound(0, int(dev->users), int(PROP_MAX_USERS));
    const int n = channelCount();
    for (int k = 0; k < count; ++k) {
        const UserAccount& a = users->user[k];
        const QByteArray id = fieldOf(a.id);
        if (id.isEmpty()) {
            DalSetUserInfo(k, "", "", 0, 0, 0);
            continue;
        }
        const uint8_t rights[5] = {a.setup, a.search, a.backup, a.ptz, a.network};
        uint32_t mask = 0;
        for (int r = 0; r < 5; ++r)
            if (rights[r])
                mask |= 1u << r;
        uint32_t local = 0;
        uint32_t net = 0;
        for (int c = 0; c < n; ++c) {
            if (a.camlocal[c])
                local |= 1u << c;
            if (a.camnet[c])
                net |= 1u << c;
        }
        DalSetUserInfo(k, id.constData(), fieldOf(a.pw).constData(), mask, local, net);
    }
}

int TDVRAPI::checkMasterPwd(const char* text)
{
    char master[128] = {};
    // A failed read leaves no password: an empty text must not pass then.
    if (!text || DalGetMasterPwd(master, int(sizeof master)) < 0)
        return 0;
    master[sizeof master - 1] = '\0';
    return master[0] && std::strcmp(master, text) == 0 ? 1 : 0;
}
