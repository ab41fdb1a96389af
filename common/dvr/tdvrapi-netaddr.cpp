// Network address and ports: the Ethernet address, DHCP and DNS choice, the
// four service ports, the application identity, the MAC address, the list of
// connected clients and the board test's fixed address.
#include "tdvrapi.h"
#include "appglobals.h"
#include "tconfig.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QThread>
#include <cstdio>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// The four bytes of a dotted-quad text field: exactly four decimal numbers
// 0..255 joined by dots, nothing else. False (and 0.0.0.0) for any other
// text, which an imported configuration file may hold.
bool quadOf(const char* field, int width, uint8_t out[4])
{
    std::memset(out, 0, 4);
    const int n = int(qstrnlen(field, uint(width)));
    uint8_t b[4];
    int p = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && (p >= n || field[p++] != '.'))
            return false;
        int v = 0;
        int digits = 0;
        for (; p < n && field[p] >= '0' && field[p] <= '9'; ++p) {
            v = v * 10 + (field[p] - '0');
            if (++digits > 3 || v > 255)
                return false;
        }
        if (!digits)
            return false;
        b[i] = uint8_t(v);
    }
    if (p != n)
        return false;
    std::memcpy(out, b, 4);
    return true;
}

void quadText(const uint8_t b[4], char* out, int size)
{
    std::snprintf(out, size_t(size), "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
}

const PropNetaddr* liveAddr()
{
    return static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 1));
}

const PropNetport* livePorts()
{
    return static_cast<const PropNetport*>(g_cfg->getsection(IDX_PROP_NETPORT, 1));
}

const char* clientKind(int kind)
{
    switch (kind) {
    case 1: return "(Watch)";
    case 2: return "(Search)";
    case 3: return "(Setup)";
    default: return "(Else)";
    }
}
}

int TDVRAPI::addrSetdevice()
{
    if (!g_cfg)
        return -1;
    const PropNetaddr* a = liveAddr();
    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    eth.dhcp = a->dhcp;
    eth.dnsAuto = a->dnsauto && a->dhcp ? 1 : 0;
    const bool ip = quadOf(a->ip, sizeof a->ip, eth.ip);
    const bool mask = quadOf(a->mask, sizeof a->mask, eth.mask);
    const bool gate = quadOf(a->gate, sizeof a->gate, eth.gw);
    const bool dns = quadOf(a->dns, sizeof a->dns, eth.dns);
    // A fixed address that is not four numbers 0..255 would put the unit on
    // a wrong address: the interface keeps the one it has.
    const bool refused = !a->dhcp && !(ip && mask && gate && dns);
    if (refused)
        qCDebug(lcApi, "addrSetdevice.. refused: not an address ip:%d mask:%d gate:%d dns:%d", ip, mask, gate, dns);

    if (QCoreApplication::instance()) {
        for (const QString& arg : QCoreApplication::arguments()) {
            if (arg.startsWith(QLatin1String("-skipnetwork"))) {
                m_skipNetwork = 1;
                qCDebug(lcApi, "skip network!!");
            }
        }
    }
    qCDebug(lcApi, "addrSetdevice.. skipnetwork:%d", m_skipNetwork);
    if (!m_skipNetwork && !refused)
        DalNetSetEth0(&eth);

    char name[sizeof a->name + 1];
    qstrncpy(name, a->name, sizeof name);
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    return DalSetAppInfo(name, versionWord(dev->version));
}

uint32_t TDVRAPI::versionWord(int version)
{
    const uint32_t v = uint32_t(version < 0 ? 0 : version);
    return ((v / 1000) % 10) << 24 | ((v / 100) % 10) << 16 | ((v / 10) % 10) << 8 | (v % 10);
}

int TDVRAPI::readEth0Text(char (*texts)[64])
{
    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    const int r = DalNetGetEth0(&eth);
    if (r >= 0) {
        quadText(eth.ip, texts[0], 64);
        quadText(eth.mask, texts[1], 64);
        quadText(eth.gw, texts[2], 64);
        quadText(eth.dns, texts[3], 64);
    }
    return r;
}

void TDVRAPI::checkIp()
{
    // A failed read leaves the texts as they are: zeros are not the address
    // in force. The address read is the interface's, not a setting: the
    // configuration keeps the address the operator stored.
    const int r = readEth0Text(m_eth0Text);
    qCDebug(lcApi, "========== checkIp ret:%d addr:%s =============", r, m_eth0Text[0]);
}

void TDVRAPI::netSetPort(int flagA, int flagB)
{
    if ((!flagA && !flagB) || !g_cfg)
        return;
    const PropNetport* p = livePorts();
    const int r = DalNetSetPort(p->watch, p->search, p->setup, p->web);
    qCDebug(lcApi, "DalNetSetPort => %d", r);
}

int TDVRAPI::getNetInfo()
{
    return readNetInfo(&m_netInfo);
}

int TDVRAPI::readNetInfo(NetClientInfo* out)
{
    std::memset(&(*out), 0, sizeof (*out));
    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    DalNetGetEth0(&eth);
    std::snprintf((*out).mac, sizeof (*out).mac, "%02x:%02x:%02x:%02x:%02x:%02x", eth.mac[0], eth.mac[1],
                  eth.mac[2], eth.mac[3], eth.mac[4], eth.mac[5]);

    NetClientRec rec;
    std::memset(&rec, 0, sizeof rec);
    const int r = DalNetGetClientInfo(&rec);
    if (r != 0)
        return r;
    (*out).watch = rec.watch;
    (*out).search = rec.search;
    (*out).setup = rec.setup;
    const int n = qBound(0, int(rec.count), int(NetClientInfo::MAX_CLIENTS));
    (*out).count = n;
    for (int i = 0; i < n; ++i) {
        const NetClientEntry& c = rec.client[i];
        std::snprintf((*out).client[i], sizeof (*out).client[i], "%d.%d.%d.%d%s", c.ip[0], c.ip[1], c.ip[2],
                      c.ip[3], clientKind(c.kind));
    }
    return 0;
}

void TDVRAPI::webSetdevice()
{
    // The web service takes its ports from the network service and its
    // accounts from the web account file (writeWebAccount).
    qCDebug(lcApi, "webSetdevice.. nothing to hand over");
}

int TDVRAPI::setEthAddr(const QString& mac)
{
    char buf[128];
    qstrncpy(buf, mac.toUtf8().constData(), sizeof buf);
    DalCmd("set-ethaddr", buf, sizeof buf);
    return 0;
}

int TDVRAPI::getEthAddr(QString& mac)
{
    char buf[128] = {};
    DalCmd("get-ethaddr", buf, sizeof buf);
    buf[sizeof buf - 1] = '\0';
    mac = QString::fromUtf8(buf);
    return 1;
}

void TDVRAPI::testNetStart(int mode)
{
    Eth0Info eth;
    std::memset(&eth, 0, sizeof eth);
    DalNetGetEth0(&eth);
    eth.dhcp = 0;
    const uint8_t ip[4] = {192, 168, 251, 100};
    const uint8_t mask[4] = {255, 255, 0, 0};
    const uint8_t gw[4] = {192, 168, 0, 1};
    const uint8_t dns[4] = {8, 8, 8, 8};
    std::memcpy(eth.ip, ip, 4);
    std::memcpy(eth.mask, mask, 4);
    std::memcpy(eth.gw, gw, 4);
    std::memcpy(eth.dns, dns, 4);
    if (g_cfg) {
        const PropNetport* p = livePorts();
        DalNetSetPort(p->watch, p->search, p->setup, p->web);
    }
    if (mode) {
        DalNetSetEth0(&eth);
        return;
    }
    runSystem("/etc/init.d/networking start");
    QThread::msleep(2);
    DalNetGetEth0(&eth);
}
