// Time sync and web accounts: the user's NTP request, carried out by the
// device layer's time service, and the account file of the recorder's web
// server.
#include "tdvrapi.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tpath.h"

#include <QLoggingCategory>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
const char kWebAccountFile[] = "/var/volatile/web_account.txt";

// A field of the account file: a text without control characters, which
// could start a line of its own; false for any other.
bool plainField(const char* field, int width, QByteArray* out)
{
    const QByteArray text(field, int(qstrnlen(field, uint(width))));
    for (char c : text)
        if (uchar(c) < 0x20 || uchar(c) == 0x7f)
            return false;
    *out = text;
    return true;
}

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}
}

void TDVRAPI::syncNtp()
{
    qCDebug(lcApi, "======== TDVRAPI::syncNtp m_nTest:%d ============", netTestKind());
    const QString title = dvrText(348);
    if (!g_cfg || !beginNetTest(NET_TEST_NTP, title))
        return;
    const auto* dt = static_cast<const PropDatetime*>(g_cfg->getsection(IDX_PROP_DATETIME, 0));
    char server[sizeof dt->server + 1];
    qstrncpy(server, dt->server, sizeof server);
    // A request the time service refuses sends no result: end it here, or
    // the test would hold every later one off.
    if (DalNeseTestNtp(server) < 0)
        failNetTest(title, dvrText(212));
}

int TDVRAPI::writeWebAccount()
{
    if (!g_cfg)
        return 0;
    const auto* users = static_cast<const PropUser*>(g_cfg->getsection(IDX_PROP_USER, 1));
    const auto* cams = static_cast<const PropCamera*>(g_cfg->getsection(IDX_PROP_CAMERA, 1));
    const int videos = channelCount();

    QByteArray text = "usrss = " + QByteArray::number(PROP_MAX_USERS) + '\n';
    for (int i = 0; i < PROP_MAX_USERS; ++i) {
        const UserAccount& u = users->user[i];
        QByteArray id;
        QByteArray pw;
        int32_t mask = 0;
        if (plainField(u.id, sizeof u.id, &id) && plainField(u.pw, sizeof u.pw, &pw)) {
            if (u.network) {
                for (int ch = 0; ch < videos; ++ch)
                    if (u.camnet[ch] && !cams->data[ch].disableOn && !cams->data[ch].covertOn)
                        mask |= int32_t(1u << ch);
            }
        } else {
            // Such an account could forge lines: the slot stays empty.
            qCDebug(lcApi, "writeWebAccount.. user %d refused: control character", i);
            id.clear();
            pw.clear();
        }
        const QByteArray n = QByteArray::number(i);
        text += "id" + n + " = " + id + '\n';
        text += "pwd" + n + " = " + pw + '\n';
        text += "camera" + n + " = " + QByteArray::number(mask) + '\n';
    }

    // A new file beside the old one, complete on disk before it takes the
    // old one's place: the web server never reads half a file, and only the
    // owner may read the passwords. The new file is made under a fresh name
    // exclusively, so nothing planted beside the file (a link above all)
    // receives the accounts.
    const QByteArray path = TPath::mapLocal(kWebAccountFile);
    bool ok = !path.isEmpty();
    QByteArray tmp = path + ".XXXXXX";
    const int fd = ok ? ::mkostemp(tmp.data(), O_CLOEXEC) : -1;
    if (fd < 0) {
        qCWarning(lcApi, "writeWebAccount.. cannot create a file beside %s", path.constData());
        ok = false;
    } else {
        ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        ok = ok && ::rename(tmp.constData(), path.constData()) == 0;
        if (!ok) {
            qCWarning(lcApi, "writeWebAccount.. write failed:%s", path.constData());
            ::unlink(tmp.constData());
        }
    }
    if (!ok) {
        // The web server goes on with the old accounts: the operator hears of it.
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(158), dvrText(212));
        emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
        return -1;
    }
    return 0;
}
