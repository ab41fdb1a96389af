// Network events of the device layer: network-service results, network
// settings, firmware over the network and remote-setup packets; and the
// state of the network-service tests they end.
#include "tdvrapi.h"
#include "tclock.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tdvrth.h"
#include "tlog.h"
#include "tmessages.h"
#include "tpath.h"
#include "trunner.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// The network firmware text "fname:%s size:%d ver:%s", each field bounded.
struct FuText {
    char fname[256] = {};
    int size = 0;
    char ver[64] = {};
};

FuText fuTextOf(const char* text)
{
    FuText t;
    if (!text || std::strncmp(text, "fname:", 6) != 0)
        return t;
    // The name runs to the first blank: an empty name stays empty.
    const char* p = text + 6;
    size_t n = 0;
    while (p[n] && p[n] != ' ' && p[n] != '\t' && p[n] != '\n')
        ++n;
    if (n >= sizeof t.fname)
        return t;
    std::memcpy(t.fname, p, n);
    char rest[512];
    qstrncpy(rest, p + n, sizeof rest);
    std::sscanf(rest, " size:%d ver:%63s", &t.size, t.ver);
    // Names that go to the windows and the log carry no control characters:
    // such a name or version is not taken.
    const auto printable = [](const char* s) {
        for (; *s; ++s)
            if (uchar(*s) < 0x20 || uchar(*s) == 0x7f)
                return false;
        return true;
    };
    if (!printable(t.fname))
        std::memset(t.fname, 0, sizeof t.fname);
    if (!printable(t.ver))
        std::memset(t.ver, 0, sizeof t.ver);
    return t;
}

// The service whose result a network-service code reports.
int serviceOf(int type)
{
    switch (type >> 4) {
    case 1: return TDVRAPI::NET_TEST_NTP;
    case 2: return TDVRAPI::NET_TEST_DDNS;
    case 3: return TDVRAPI::NET_TEST_EMAIL;
    case 4: return TDVRAPI::NET_TEST_UPNP;
    default: return TDVRAPI::NET_TEST_NONE;
    }
}
}

// ---- The state of the network-service tests ----------------------------------------

bool TDVRAPI::beginNetTest(int kind, const QString& title)
{
    bool busy;
    int serial = 0;
    {
        QMutexLocker lock(&m_netTestMutex);
        busy = m_nTest != 0;
        if (!busy) {
            m_nTest = 1;
            m_testKind = kind;
            serial = ++m_netTestSerial;
        }
    }
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, title, dvrText(busy ? 288 : 198));
    if (!busy)
        armNetTestTimeout(serial, title);
    return !busy;
}

void TDVRAPI::armNetTestTimeout(int serial, const QString& title)
{
    const int ms = m_netTestTimeout.load();
    auto arm = [this, serial, title, ms] {
        QTimer::singleShot(ms, this, [this, serial, title] { netTestTimedOut(serial, title); });
    };
    // The timer runs in the facade's own thread, whoever began the test.
    if (QThread::currentThread() == thread())
        arm();
    else
        QMetaObject::invokeMethod(this, arm, Qt::QueuedConnection);
}

void TDVRAPI::netTestTimedOut(int serial, const QString& title)
{
    const QString failed = dvrText(212);
    {
        QMutexLocker lock(&m_netTestMutex);
        // Ended already, or a later test runs: nothing to do.
        if (serial != m_netTestSerial || !m_nTest)
            return;
        qCDebug(lcApi, "======== TDVRAPI::netTestTimedOut kind:%d ============", m_testKind);
        if (m_nTestNet)
            m_testResults.append(failed);
        m_nTest = 0;
        m_nTestNet = 0;
        m_testKind = NET_TEST_NONE;
    }
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title, failed);
    emit sg_dvrNotify(SIG_STATE_END, 2000, 0, 0, QString(), QString());
}

void TDVRAPI::failNetTest(const QString& title, const QString& message)
{
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title, message);
    {
        // A remote client polls for the outcome even of a test that never
        // started.
        QMutexLocker lock(&m_netTestMutex);
        if (m_nTestNet)
            m_testResults.append(message);
        m_nTest = 0;
        m_nTestNet = 0;
        m_testKind = NET_TEST_NONE;
    }
    emit sg_dvrNotify(SIG_STATE_END, 2000, 0, 0, QString(), QString());
}

bool TDVRAPI::finishNetTest(int kind, const QString& message)
{
    QMutexLocker lock(&m_netTestMutex);
    const bool running = m_nTest || m_nTestNet;
    // A result of another service leaves the running test alone.
    if (running && m_testKind != kind && m_testKind != NET_TEST_ANY)
        return false;
    if (m_nTestNet)
        m_testResults.append(message);
    m_nTest = 0;
    m_nTestNet = 0;
    m_testKind = NET_TEST_NONE;
    return true;
}

int TDVRAPI::netTestKind() const
{
    QMutexLocker lock(&m_netTestMutex);
    return m_nTest || m_nTestNet ? m_testKind : NET_TEST_NONE;
}

void TDVRAPI::keepTestResult(const QString& text)
{
    QMutexLocker lock(&m_netTestMutex);
    if (m_nTestNet)
        m_testResults.append(text);
}

bool TDVRAPI::takeTestResult(QString* message)
{
    QMutexLocker lock(&m_netTestMutex);
    if (m_testResults.isEmpty())
        return false;
    *message = m_testResults.takeFirst();
    return true;
}

// ---- Network-service results ---------------------------------------------------

int TDVRAPI::runNese(int type, const uint32_t* info, const char* state)
{
    qCDebug(lcApi, "TDVRAPI::runNese.. type:%d info:%08x state:%ls", type, info ? unsigned(info[0]) : 0u,
            qUtf16Printable(TMessages::fromBytes(state)));
    const int service = serviceOf(type);
    QString title;
    QString message = state ? QString::fromUtf8(state) : QString();
    // More than 3 s between the service's clock and ours is a change.
    const bool changed = info && qAbs(qint64(info[0]) - TClock::secs()) > 3;
    switch (type) {
    case CBT_NESE_NTP_TIMECHANGE:
        if (changed)
            notify(SIG_NTP_TIMECHANGE, int(info[0]), 4);
        return 0;
    case CBT_NESE_NTP_OK:
    case CBT_NESE_NTP_FAIL:
        if (type == CBT_NESE_NTP_OK && changed)
            notify(SIG_NTP_SYNCTIME, int(info[0]), 4);
        title = dvrText(348);
        message = dvrText(type == CBT_NESE_NTP_OK ? 116 : 212);
        break;
    case CBT_NESE_DDNS_UPDATE:
    case CBT_NESE_DDNS_UPDATE2:
    case CBT_NESE_UPNP_SET:
    case CBT_NESE_UPNP_SET2:
        title = dvrText(2);
        if (service == NET_TEST_DDNS) {
            qCDebug(lcApi, "CBT_NESE_DDNS_UPDATEXxx");
            checkDdns(message);
            emit sg_dvrNotify(SIG_NET_DDNS, 0, 0, 0, title, message);
        } else {
            checkUpnp(message);
            emit sg_dvrNotify(SIG_NET_UPNP, 1, 0, 0, title, message);
        }
        finishNetTest(service, message);
        return 0;
    case CBT_NESE_DDNS_OK:
    case CBT_NESE_DDNS_FAIL:
        title = dvrText(323);
        checkDdns(message);
        emit sg_dvrNotify(SIG_NET_DDNS, 0, 0, 0, title, message);
        break;
    case CBT_NESE_UPNP_OK:
    case CBT_NESE_UPNP_FAIL:
        title = dvrText(324);
        checkUpnp(message);
        emit sg_dvrNotify(SIG_NET_UPNP, 1, 0, 0, title, message);
        break;
    case CBT_NESE_EMAIL_MSG:
        emit sg_dvrNotify(SIG_NESE_EMAIL, 0, 0, 0, QString(), message);
        return 0;
    case CBT_NESE_EMAIL_SENT: {
        const QByteArray contents = "(" + QByteArray(state ? state : "Failed") + ")";
        writeLog(LOG_EMAIL_SEND, "", contents.constData());
        return 0;
    }
    case CBT_NESE_EMAIL_OK:
    case CBT_NESE_EMAIL_FAIL:
        title = dvrText(330);
        message = dvrText(type == CBT_NESE_EMAIL_OK ? 116 : 212);
        break;
    default:
        return 0;
    }

    // A test result: shown and ended when it is the running test's (or no
    // test runs); a result of another service leaves that test alone.
    const int running = netTestKind();
    if (running != NET_TEST_NONE && running != NET_TEST_ANY && running != service)
        return 0;
    emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, title, message);
    finishNetTest(service, message);
    emit sg_dvrNotify(SIG_STATE_END, 2000, 0, 0, QString(), QString());
    return 0;
}

// ---- Network events ---------------------------------------------------------------

bool TDVRAPI::ramFile(const QByteArray& path)
{
    if (!path.startsWith("/tmp/") || path.size() <= 5 || path.size() > 255)
        return false;
    for (const QByteArray& part : path.split('/'))
        if (part == "..")
            return false;
    for (char c : path)
        if (uchar(c) < 0x20)
            return false;
    return true;
}

bool TDVRAPI::remoteFile(const QByteArray& path, qint64 since) const
{
    // A plain file of its own: not a link (which could lead to any file),
    // not hidden (the configuration's private copies), and never one of the
    // files the program itself keeps in the RAM directory.
    const QByteArray host = TPath::mapLocal(path.constData());
    struct stat st;
    if (host.isEmpty() || ::lstat(host.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    if (path.mid(path.lastIndexOf('/') + 1).startsWith('.'))
        return false;
    QList<QByteArray> own;
    if (g_cfg)
        own << TPath::mapLocal(g_cfg->tmpPath().toLocal8Bit().constData());
    {
        QMutexLocker lock(&m_logMutex);
        if (m_log && m_log->path())
            own << TPath::mapLocal(m_log->path());
    }
    for (const QByteArray& o : own) {
        struct stat ost;
        if (!o.isEmpty() && ::stat(o.constData(), &ost) == 0 && ost.st_dev == st.st_dev && ost.st_ino == st.st_ino)
            return false;
    }
    // A file left from before the transfer began is not the transfer's.
    return since < 0 || qint64(st.st_mtime) >= since;
}

int TDVRAPI::runNet(int type, const void* data, int size, NetpackReply* reply, int value)
{
    qCDebug(lcApi, "runNet.. type:%04x ", unsigned(type));
    if (type < CBT_NET_SET || type > CBT_NET_LOGOUT)
        return 0;
    // Texts of the layer end at their terminator or at the bytes received.
    const QByteArray text = data && size > 0
                                ? QByteArray(static_cast<const char*>(data),
                                             int(qstrnlen(static_cast<const char*>(data), uint(size))))
                                : QByteArray();
    switch (type) {
    case CBT_NET_SET:
        // The address texts and the live copy the windows read are written
        // on their thread; the services follow the new address from there.
        QMetaObject::invokeMethod(this, [this] { netSettingsChanged(); }, Qt::QueuedConnection);
        return 0;
    case CBT_NET_FU_START: {
        qCDebug(lcApi, "CBT_NET_FU_START.. data:%d", value);
        if (value != 0) {
            char answer[128] = {};
            DalCmd("gigabit-enabled", answer, sizeof answer);
            answer[sizeof answer - 1] = '\0';
            if (std::strstr(answer, "yes") && value <= 1019) {
                qCDebug(lcApi, "not supported version!!");
                emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(177),
                                  QStringLiteral("Under version 1.0.2.0 not permitted!!"));
                emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
                return -1;
            }
        }
        qCDebug(lcApi, "CBT_NET_FU_START.. --1--");
        return netFustart();
    }
    case CBT_NET_FU_END:
        netFuend(text.constData(), value);
        return 0;
    case CBT_NET_FU_STOP:
        m_uploadSince.store(-1);
        emit sg_dvrNotify(SIG_STATE_UPDATE, 0, 0, 0, dvrText(177), dvrText(250));
        emit sg_dvrNotify(SIG_FU_FAIL, 0, 0, 0, QString(), QString());
        return 0;
    case CBT_NET_PACKET: {
        // The head (8 bytes, big-endian) must have arrived, and the payload
        // it announces with it.
        if (reply)
            reply->len = 0;
        if (!data || size < int(sizeof(NetPacketHead))) {
            qCDebug(lcApi, "runNet.. short packet size:%d", size);
            return 0;
        }
        const auto* head = static_cast<const NetPacketHead*>(data);
        const uint32_t len = dalBe32(head->len);
        if (len > uint32_t(size) - sizeof(NetPacketHead)) {
            qCDebug(lcApi, "runNet.. packet len:%u beyond the %d bytes received", len, size);
            return 0;
        }
        runNetpack(dalBe16(head->cmd), int(len), static_cast<const unsigned char*>(data) + sizeof(NetPacketHead),
                   reply);
        return 0;
    }
    case CBT_NET_LINK:
        emit sg_dvrNotify(SIG_NET_CLIENT, value ? 1 : 0, 0, 0, QString(), QString());
        writeLog(value ? LOG_NET_CABLE_CONNECTED : LOG_NET_CABLE_DISCONNECTED, nullptr, nullptr);
        return 0;
    case CBT_NET_LOGIN:
        writeLog(LOG_SETUP_START, nullptr, "(Remote)");
        return 0;
    case CBT_NET_LOGOUT:
        writeLog(LOG_SETUP_STOP, nullptr, "(Remote)");
        return 0;
    default:
        return 0;
    }
}

void TDVRAPI::netSettingsChanged()
{
    checkIp();
    if (g_cfg)
        upnpSet(static_cast<const PropNetport*>(g_cfg->getsection(IDX_PROP_NETPORT, 1))->upnp, 1);
    ddnsSetdevice();
    dtSetdevice(1);
    emit sg_dvrNotify(SIG_NET_DHCP, 0, 0, 0, QString(), QString());
}

int TDVRAPI::netFustart()
{
    // From here until the transfer ends, the file it names at the end is
    // the upload's own (one written since now).
    m_uploadSince.store(QDateTime::currentSecsSinceEpoch() - 1);
    emit sg_dvrNotify(SIG_FU_START, 0, 0, 0, QString(), QString());
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(177), dvrText(258));
    return 0;
}

int TDVRAPI::netFuend(const char* text, int valid)
{
    qCDebug(lcApi, "netFuend!! szfustart:%ls valid:%d", qUtf16Printable(TMessages::fromBytes(text)), valid);
    if (m_dvrTh)
        m_dvrTh->m_result = valid;
    const FuText fu = fuTextOf(text);
    const QString fname = QString::fromUtf8(fu.fname);
    const QString ver = QString::fromUtf8(fu.ver);
    if (fu.fname[0] && valid) {
        m_uploadSince.store(-1);
        emit sg_dvrNotify(SIG_FU_END, 1, 0, 0, fname, ver);
        m_fUpgrade = 1;
        return 0;
    }
    emit sg_dvrNotify(SIG_STATE_END, 0, 0, 0, QString(), QString());
    emit sg_dvrNotify(SIG_FU_END, 0, 0, 0, fname, ver);
    // The name comes from the network: only the file of the upload in
    // progress is removed (a plain file of the RAM directory written since
    // the transfer began), and without a shell.
    const qint64 since = m_uploadSince.exchange(-1);
    if (since >= 0 && ramFile(QByteArray(fu.fname)) && remoteFile(QByteArray(fu.fname), since))
        TRunner::removeFile(fname);
    else if (fu.fname[0])
        qCDebug(lcApi, "netFuend.. not removed:%ls", qUtf16Printable(TMessages::fromBytes(fu.fname)));
    return 0;
}
