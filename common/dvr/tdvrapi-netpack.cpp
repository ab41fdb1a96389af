// Remote setup: the packets of the remote-setup client. Each command reads
// only the fields it needs and only when the payload holds them; answers go
// into the reply record, never beyond its buffer, with their true length.
#include "tdvrapi.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tmessages.h"
#include "tnetpayload.h"
#include "tnetreply.h"
#include "tnettext.h"
#include "townerthread.h"
#include "trunner.h"
#include "utf8cut.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>
#include <cstring>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// How often a wait for the apply runs looks whether the program stops.
enum { StopPollMs = 100 };

template <class T> T* section(int idx, int live)
{
    return static_cast<T*>(g_cfg->getsection(idx, live));
}

// The cameras of the edit (0) or live (1) device section, within the
// configuration's tables.
int cameras(int live)
{
    return qBound(0, section<PropDevices>(IDX_PROP_DEVICES, live)->videos, int(PROP_MAX_CH));
}

// The section record a preview or a test writes into the edit copy.
struct SectionOf {
    int action;
    int idx;
    TNetWire::Record rec;
};
const SectionOf kPreviews[] = {
    {Act_PrvColor, IDX_PROP_COLOR, TNetWire::COLOR},       {Act_PrvPrivate, IDX_PROP_PRIVATE, TNetWire::PRIVATE},
    {Act_PrvAudio, IDX_PROP_AUDIO, TNetWire::AUDIO},       {Act_PrvMotion, IDX_PROP_MOTION, TNetWire::MOTION},
    {Act_PrvMotionOff, IDX_PROP_MOTION, TNetWire::MOTION}, {Act_PrvPtz, IDX_PROP_PTZ, TNetWire::PTZ},
};
const SectionOf kTests[] = {
    {Act_TestUpnp, IDX_PROP_NETPORT, TNetWire::NETPORT},
    {Act_TestDdns, IDX_PROP_NETDDNS, TNetWire::NETDDNS},
    {Act_TestEmail, IDX_PROP_NETEMAIL, TNetWire::NETEMAIL},
    {Act_TestNtp, IDX_PROP_DATETIME, TNetWire::DATETIME},
};

template <int N> const SectionOf* find(const SectionOf (&table)[N], int action)
{
    for (const SectionOf& s : table)
        if (s.action == action)
            return &s;
    return nullptr;
}

int testKindOf(int type)
{
    switch (type) {
    case Act_TestUpnp: return TDVRAPI::NET_TEST_UPNP;
    case Act_TestDdns: return TDVRAPI::NET_TEST_DDNS;
    case Act_TestEmail: return TDVRAPI::NET_TEST_EMAIL;
    case Act_TestNtp: return TDVRAPI::NET_TEST_NTP;
    default: return TDVRAPI::NET_TEST_ANY;
    }
}

// The four colour components to the device, in the order brightness,
// contrast, saturation, hue.
void sendColor(int ch, const ColorEntry& c)
{
    DalVinSetCSC(ch, 0, c.bri);
    DalVinSetCSC(ch, 3, c.con);
    DalVinSetCSC(ch, 1, c.sat);
    DalVinSetCSC(ch, 2, c.hue);
}
}

TDVRAPI::NetpackHandover TDVRAPI::netpackHandover(int cmd)
{
    switch (cmd) {
    // The client waits for the answer: it gets none (length 0), never the
    // success answer, when the GUI thread did not take the command in time.
    case DNPC_RS_CAPS:
    case DNPC_RS_APP_TEST:
    case DNPC_UC_COLOR_GET:
    case DNPC_UC_COLOR_SET:
    case DNPC_UC_ALARM_GETNAME:
        return GuiBounded;
    // Changes without an answer: the client cannot be told of a drop, so
    // they wait for a busy GUI thread and are dropped only at the stop.
    case DNPC_RS_APP_OK:
    case DNPC_RS_APP_APPLY:
    case DNPC_RS_APP_RUN:
    case DNPC_UC_COLOR_APPLY:
    case DNPC_CAPS_NETWORK:
        return GuiUntilStop;
    default:
        return NetThread;
    }
}

bool TDVRAPI::waitsForApply(int cmd)
{
    switch (cmd) {
    case DNPC_RS_APP_OK:
    case DNPC_RS_APP_APPLY:
    case DNPC_RS_APP_CANCEL:
    case DNPC_RS_APP_RUN:
    case DNPC_RS_APP_TEST:
    case DNPC_UC_COLOR_SET:
    case DNPC_UC_COLOR_APPLY:
        return true;
    default:
        return false;
    }
}

bool TDVRAPI::changesConfig(int cmd)
{
    return waitsForApply(cmd) || cmd == DNPC_CAPS_NETWORK;
}

void TDVRAPI::beginStop()
{
    QMutexLocker lock(&m_applyMutex);
    m_stopping = 1;
    m_applyIdle.wakeAll();
}

bool TDVRAPI::stopping() const
{
    return m_stopping.load() != 0 || TOwnerThread::closing();
}

void TDVRAPI::setApplying(int on)
{
    QMutexLocker lock(&m_applyMutex);
    __atomic_store_n(&m_applying, on, __ATOMIC_RELEASE);
    if (!on)
        m_applyIdle.wakeAll();
}

bool TDVRAPI::waitApplyIdle(int boundMs)
{
    QElapsedTimer clock;
    clock.start();
    QMutexLocker lock(&m_applyMutex);
    while (applying()) {
        const qint64 left = boundMs < 0 ? qint64(StopPollMs) : boundMs - clock.elapsed();
        if (left <= 0 || stopping())
            return false;
        // Woken when the flag drops or the program stops; the slices let the
        // stop watcher's closing end the wait too.
        m_applyIdle.wait(&m_applyMutex, ulong(qMin<qint64>(left, StopPollMs)));
    }
    return !stopping();
}

int TDVRAPI::runNetpack(int cmd, int len, const void* payload, NetpackReply* reply)
{
    qCDebug(lcApi, "runNetpack.. cmd:%04x len:%d", unsigned(cmd), len);
    const NetpackHandover handover = netpackHandover(cmd);
    const bool onGui = QThread::currentThread() == thread();
    // The GUI thread cannot wait for a run that needs it: a command it is
    // given itself is taken at once.
    const bool waits = !onGui && waitsForApply(cmd);
    const int bound = handover == GuiBounded ? int(TOwnerThread::DefaultBoundMs) : int(TOwnerThread::NoBound);
    QElapsedTimer clock;
    clock.start();
    // Once the program stops, a change is refused as a failed command is:
    // no answer, and the client's file stays where it is.
    const bool change = changesConfig(cmd);
    const auto refused = [&] { return change && stopping(); };
    const auto notTaken = [&](const char* why) {
        qCWarning(lcApi, "runNetpack.. cmd:%04x not handled: %s", unsigned(cmd),
                  stopping() ? "the program stops" : why);
        if (reply)
            reply->len = 0;
        return 0;
    };
    const auto left = [&] { return bound < 0 ? bound : int(qMax<qint64>(0, bound - clock.elapsed())); };
    if (handover == NetThread || onGui) {
        if ((waits && !waitApplyIdle(left())) || refused())
            return notTaken("the apply under way did not end");
        return handleNetpack(cmd, len, payload, reply);
    }
    // The payload and the answer live in the device layer's buffers: the
    // GUI thread works on copies of its own.
    const QByteArray bytes = payload && len > 0 ? QByteArray(static_cast<const char*>(payload), len) : QByteArray();
    std::unique_ptr<NetpackReply> answer;
    if (reply) {
        answer.reset(new NetpackReply);
        answer->len = 0;
    }
    for (;;) {
        // Whether a run is queued is decided in the GUI thread, where runs
        // are asked for, in the same step that takes the command.
        bool deferred = false;
        bool stopped = false;
        if (!TOwnerThread::call(
                this,
                [&] {
                    stopped = refused();
                    deferred = !stopped && waits && applying();
                    if (!stopped && !deferred)
                        handleNetpack(cmd, bytes.size(), bytes.isEmpty() ? nullptr : bytes.constData(), answer.get());
                },
                left()))
            return notTaken("the GUI thread did not take it");
        if (stopped)
            return notTaken("the program stops");
        if (!deferred)
            break;
        // This network thread, and the client with it, waits for the runs
        // to end: a client that sends faster than they are applied is
        // served later instead of piling runs up.
        qCDebug(lcApi, "runNetpack.. cmd:%04x waits for the apply under way", unsigned(cmd));
        if (!waitApplyIdle(left()))
            return notTaken("the apply under way did not end");
    }
    if (reply) {
        const uint32_t n = qMin<uint32_t>(answer->len, DAL_NETREPLY_SIZE);
        reply->len = n;
        std::memcpy(reply->buf, answer->buf, n);
    }
    return 0;
}

int TDVRAPI::handleNetpack(int cmd, int len, const void* payload, NetpackReply* reply)
{
    TNetReply out(reply);
    const TNetPayload p(payload, len);
    if (!g_cfg)
        return 0;

    switch (cmd) {
    case DNPC_RS_CAPS: {
        if (!out.valid())
            break;
        const auto* dev = section<PropDevices>(IDX_PROP_DEVICES, 1);
        const QByteArray model(dev->model, int(qstrnlen(dev->model, sizeof dev->model)));
        // The client reads and returns the configuration under a name of its
        // own: the live RAM file must never be the one a remote apply loads
        // and removes. It gets a fresh copy of the live file to start from.
        const QByteArray conf = "/tmp/rs_" + model + ".conf";
        if (model.contains('/') || !ramFile(conf)) {
            qCDebug(lcApi, "DNPC_RS_CAPS.. no name for the configuration copy:%ls",
                    qUtf16Printable(TMessages::fromBytes(conf)));
            break;
        }
        // A failed copy (a full RAM folder) leaves the earlier copy in
        // place: it goes, so that no client can take it for this one, and
        // the client gets no answer, as for any command that failed.
        if (!TRunner::copyFile(g_cfg->tmpPath(), QString::fromUtf8(conf))) {
            qCDebug(lcApi, "DNPC_RS_CAPS.. configuration copy failed:%ls",
                    qUtf16Printable(TMessages::fromBytes(conf)));
            TRunner::removeFile(QString::fromUtf8(conf));
            break;
        }
        out.text("dll:/tmp/rs.dll conf:" + conf + " img:/dvr/img_res.png log:/dvr/SYSTEM.log");
        break;
    }
    case DNPC_RS_START:
        qCDebug(lcApi, "DNPC_RS_START");
        break;
    case DNPC_RS_APP_OK:
        rsApply(p, 0, -1);
        break;
    case DNPC_RS_APP_CANCEL:
        notify(SIG_NET_SETUP, 0, 0, 2);
        break;
    case DNPC_RS_APP_APPLY:
        if (p.has(4))
            rsApply(p, 4, int(p.u32(0)));
        break;
    case DNPC_RS_APP_RUN:
        rsRun(p);
        break;
    case DNPC_RS_APP_INFO:
        if (out.valid() && p.has(4))
            rsInfo(p, out);
        break;
    case DNPC_RS_APP_TEST:
        if (out.valid() && p.has(12))
            rsTest(p, out);
        break;
    case DNPC_RS_APP_RESULT:
        if (out.valid())
            rsResult(out);
        break;
    case DNPC_RS_USER_MIN:
        if (out.valid()) {
            out.u32(uint32_t(m_layout));
            out.u32(uint32_t(m_sw));
        }
        break;
    case DNPC_RS_USER_LAYOUT:
        if (p.has(8))
            remoteLayout(p.i32(0), p.i32(4));
        break;
    case DNPC_UC_COLOR_GET:
        if (out.valid()) {
            const auto* color = section<PropColor>(IDX_PROP_COLOR, 0);
            for (int ch = 0; ch < cameras(0); ++ch) {
                const ColorEntry& c = color->data[ch];
                const unsigned char rec[5] = {1, c.bri, c.sat, c.hue, c.con};
                out.bytes(rec, sizeof rec);
            }
        }
        break;
    case DNPC_UC_COLOR_SET:
        if (out.valid() && p.has(20)) {
            const ColorEntry c = {uint8_t(p.i32(4)), uint8_t(p.i32(16)), uint8_t(p.i32(8)), uint8_t(p.i32(12))};
            rsColorSet(p.i32(0), c, &out);
        }
        break;
    case DNPC_UC_COLOR_APPLY:
        if (!p.has(4))
            break;
        if (p.u32(0)) {
            emit sg_dvrNotify(SIG_NET_RS_APPLY, 0, 0, NET_PAGE_COLOR, QString(), QString());
        } else {
            // The preview is undone: every camera back to its live colour.
            const auto* live = section<PropColor>(IDX_PROP_COLOR, 1);
            for (int ch = 0; ch < cameras(0); ++ch)
                rsColorSet(ch, live->data[ch], nullptr);
        }
        break;
    case DNPC_UC_PANIC_RECORD:
        if (p.has(4))
            emit sg_dvrNotify(SIG_IO_PANIC, int(p.u32(0)), 0, 0, QString(), QString());
        break;
    case DNPC_UC_ALARM_GETNAME: {
        if (!out.valid())
            break;
        const int relays = qBound(0, section<PropDevices>(IDX_PROP_DEVICES, 1)->alarmouts - 3, int(PROP_MAX_CH));
        const auto* alarm = section<PropAlarm>(IDX_PROP_ALARM, 1);
        out.u32(uint32_t(relays));
        for (int i = 0; i < relays; ++i)
            out.byte(unsigned(qstrnlen(alarm->out[i].name, sizeof alarm->out[i].name)));
        for (int i = 0; i < relays; ++i)
            out.bytes(alarm->out[i].name, int(qstrnlen(alarm->out[i].name, sizeof alarm->out[i].name)));
        break;
    }
    case DNPC_CAPS_WEBCODE:
        if (out.valid()) {
            getNetInfo();
            out.text(QByteArray(m_netInfo.webcode, int(qstrnlen(m_netInfo.webcode, sizeof m_netInfo.webcode))));
        }
        break;
    case DNPC_CAPS_NETWORK:
        rsNetwork(p);
        break;
    default:
        break;
    }
    return 0;
}

void TDVRAPI::rsApply(const TNetPayload& p, int pathOffset, int page)
{
    // The configuration file the client left in the RAM directory.
    QByteArray path;
    if (!p.terminatedText(pathOffset, &path) || !ramFile(path) || !remoteFile(path)) {
        qCDebug(lcApi, "DNPC_RS_APP.. refused path:%ls", qUtf16Printable(TMessages::fromBytes(path)));
        return;
    }
    const QString file = QString::fromUtf8(path);
    const bool apply = page >= 0;
    if (apply)
        setApplying(1);
    if (g_cfg->reload(file) != 0) {
        // Nothing was taken: no apply starts and the file stays.
        if (apply)
            setApplying(0);
        return;
    }
    notify(SIG_NET_SETUP, 0, 0, apply ? page : 1);
    TRunner::removeFile(file);
    if (!apply)
        return;
    // The page is applied from the edit copy by the GUI thread's apply
    // thread, which clears the flag when it ends. The network thread is not
    // held for it; only the client's next change waits (runNetpack).
    qCDebug(lcApi, "DNPC_RS_APP_APPLY.. rs_type:%d szpath:%ls", page, qUtf16Printable(TMessages::fromBytes(path)));
}

void TDVRAPI::rsRun(const TNetPayload& p)
{
    if (!p.has(12))
        return;
    const int act = int(p.u32(0));
    // The file keeps the OSD transparency as 1..7 and reads any other level
    // as 7: a level outside is refused here, where it enters, as the other
    // previews refuse values outside their range; the section keeps its
    // level and the notification previews that one.
    const bool alphaRefused = act == Act_PrvOsdAlpha && (p.i32(4) < 1 || p.i32(4) > 7);
    const int arg1 = alphaRefused ? section<PropOsd>(IDX_PROP_OSD, 0)->alpha : p.i32(4);
    const int arg2 = p.i32(8);
    const SectionOf* rec = find(kPreviews, act);
    if (rec) {
        // The whole record or nothing.
        if (!p.record(12, rec->rec, g_cfg->getsection(rec->idx, 0)))
            return;
    } else if (act == Act_PrvOsdAlpha) {
        section<PropOsd>(IDX_PROP_OSD, 0)->alpha = arg1;
    } else if (act >= Act_PrvColorBri && act <= Act_PrvColorHue) {
        if (arg1 >= 0 && arg1 < cameras(0))
            reinterpret_cast<uint8_t*>(&section<PropColor>(IDX_PROP_COLOR, 0)->data[arg1])[act - Act_PrvColorBri] =
                uint8_t(arg2);
    } else if (act == Act_PrvDispCsc) {
        auto* d = section<PropDisplay>(IDX_PROP_DISPLAY, 0);
        int32_t* fields[] = {&d->bri, &d->sat, &d->hue, &d->con};
        if (arg1 >= 0 && arg1 < 4)
            *fields[arg1] = arg2;
    }
    if (act == Act_PrvPrivate)
        setPrivacy(arg1, 0);
    else if (act == Act_PrvMotion || act == Act_PrvMotionOff)
        motionSet(arg1);
    else if (act == Act_PrvMotionTrace)
        motionTrace(arg1);
    notify(SIG_NET_RS_SET, arg1, arg2, act);
}

void TDVRAPI::rsInfo(const TNetPayload& p, TNetReply& out)
{
    const uint32_t type = p.u32(0);
    out.u32(type);
    switch (type) {
    case Act_InfoCamera: {
        VinState st;
        readCameras(&st);
        out.record(TNetWire::VIN_STATE, &st);
        break;
    }
    case Act_InfoMotion: {
        unsigned char map[MOTION_MAP_SIZE];
        motionMap(map);
        out.bytes(map, sizeof map);
        break;
    }
    case Act_InfoDhcp: {
        char texts[4][64] = {};
        readEth0Text(texts);
        out.record(TNetWire::ETH0_TEXT, texts);
        // The windows' texts and the live copy follow on the GUI thread.
        QMetaObject::invokeMethod(this, [this] { checkIp(); }, Qt::QueuedConnection);
        break;
    }
    case Act_InfoUpnp: {
        UpnpResult r;
        readUpnp(&r, nullptr);
        out.record(TNetWire::UPNP_RESULT, &r);
        break;
    }
    case Act_InfoDdns: {
        DdnsResult r;
        readDdns(&r, nullptr);
        out.record(TNetWire::DDNS_RESULT, &r);
        break;
    }
    case Act_InfoNetClient: {
        NetClientInfo info;
        readNetInfo(&info);
        out.record(TNetWire::NET_INFO, &info);
        break;
    }
    case Act_InfoPos: {
        int32_t present[8];
        readPosScan(present);
        for (int32_t p : present)
            out.u32(uint32_t(p));
        break;
    }
    case Act_InfoStrg: {
        const StorageInfo storage = storageCopy();
        out.record(TNetWire::STORAGE, &storage);
        break;
    }
    case Act_InfoSmart:
        checkSmart();
        out.record(TNetWire::SMART, &m_smart);
        break;
    default:
        break;
    }
}

void TDVRAPI::rsTest(const TNetPayload& p, TNetReply& out)
{
    const int type = int(p.u32(0));
    const SectionOf* rec = find(kTests, type);
    if (rec && !p.has(12 + TNetWire::size(rec->rec)))
        return;
    {
        QMutexLocker lock(&m_netTestMutex);
        if (m_nTest) {
            out.u32(0);
            return;
        }
        m_nTestNet = 1;
        m_testKind = testKindOf(type);
        m_testResults.clear();
    }
    if (rec)
        p.record(12, rec->rec, g_cfg->getsection(rec->idx, 0));
    out.u32(1);
    notify(SIG_NET_RS_TEST, p.i32(4), p.i32(8), type);
}

void TDVRAPI::rsResult(TNetReply& out)
{
    QString message;
    int running;
    bool taken;
    {
        QMutexLocker lock(&m_netTestMutex);
        running = m_nTestNet;
        taken = !m_testResults.isEmpty();
        if (taken)
            message = m_testResults.takeFirst();
        else if (running)
            out.text(QByteArray());
    }
    if (taken)
        out.text(q2Utf8Whole(message, DAL_NETREPLY_SIZE - 1));
    qCDebug(lcApi, "DNPC_RS_APP_RESULT.. m_nTestNet:%d len:%d buf:%s", running, out.length(), qPrintable(message));
}

void TDVRAPI::rsColorSet(int ch, const ColorEntry& c, TNetReply* out)
{
    if (ch < 0 || ch >= cameras(0))
        return;
    section<PropColor>(IDX_PROP_COLOR, 0)->data[ch] = c;
    sendColor(ch, c);
    if (out) {
        const unsigned char rec[6] = {uint8_t(ch), 1, c.bri, c.sat, c.hue, c.con};
        out->bytes(rec, sizeof rec);
    }
}

void TDVRAPI::rsNetwork(const TNetPayload& p)
{
    // The settings in force: what the text does not name stays as it is.
    auto* liveAddr = section<PropNetaddr>(IDX_PROP_NETADDR, 1);
    auto* livePort = section<PropNetport>(IDX_PROP_NETPORT, 1);
    const auto text = [](const char* field, int size) { return QByteArray(field, int(qstrnlen(field, uint(size)))); };
    TNetText::Settings cur;
    cur.dhcp = liveAddr->dhcp;
    cur.ip = text(liveAddr->ip, sizeof liveAddr->ip);
    cur.mask = text(liveAddr->mask, sizeof liveAddr->mask);
    cur.gate = text(liveAddr->gate, sizeof liveAddr->gate);
    cur.dns = text(liveAddr->dns, sizeof liveAddr->dns);
    cur.port = livePort->watch;
    cur.webport = livePort->web;
    TNetText::Settings s;
    if (!TNetText::parseOver(p.text(0), cur, &s)) {
        qCDebug(lcApi, "DNPC_CAPS_NETWORK.. refused:%ls",
                qUtf16Printable(TMessages::fromBytes(p.text(0).left(200))));
        return;
    }
    const bool changed = liveAddr->dnsauto != 0 || s.dhcp != cur.dhcp || s.ip != cur.ip || s.mask != cur.mask
                         || s.gate != cur.gate || s.dns != cur.dns || s.port != livePort->watch
                         || s.port != livePort->search || s.port != livePort->setup || s.webport != livePort->web;
    for (int live = 0; live < 2; ++live) {
        auto* a = section<PropNetaddr>(IDX_PROP_NETADDR, live);
        a->dnsauto = 0;
        a->dhcp = int16_t(s.dhcp);
        qstrncpy(a->ip, s.ip.constData(), sizeof a->ip);
        qstrncpy(a->mask, s.mask.constData(), sizeof a->mask);
        qstrncpy(a->gate, s.gate.constData(), sizeof a->gate);
        qstrncpy(a->dns, s.dns.constData(), sizeof a->dns);
        auto* port = section<PropNetport>(IDX_PROP_NETPORT, live);
        port->watch = port->search = port->setup = int16_t(s.port);
        port->web = int16_t(s.webport);
    }
    addrSetdevice();
    netSetPort(1, 1);
    // The flash file is written only for a change, and a change that does
    // not reach it (a full or read-only flash) is told: it is in force now
    // but would be gone at the next start.
    if (!changed)
        return;
    const bool savedAddr = g_cfg->save(IDX_PROP_NETADDR) == 0;
    const bool savedPort = g_cfg->save(IDX_PROP_NETPORT) == 0;
    if (!savedAddr || !savedPort || g_cfg->commitfile() != 0) {
        qCWarning(lcApi, "DNPC_CAPS_NETWORK.. the settings were not stored");
        emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, dvrText(8), dvrText(212));
        emit sg_dvrNotify(SIG_STATE_END, 3000, 0, 0, QString(), QString());
    }
}
