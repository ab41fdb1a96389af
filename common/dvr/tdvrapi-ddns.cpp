// DDNS and UPnP: the records the device layer's DDNS registration and UPnP
// port mapping take, the user's tests and the status texts of their results.
#include "tdvrapi.h"
#include "appglobals.h"
#include "dvrtext.h"
#include "tconfig.h"
#include "tddnsservice.h"
#include "tdefault.h"

#include <QLoggingCategory>
#include <cstdio>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// A fixed text field into a record field of 256 bytes: at most 255
// characters, never past the field's own width.
template <int N>
void put(char (&dst)[256], const char (&src)[N])
{
    std::memset(dst, 0, sizeof dst);
    std::memcpy(dst, src, qstrnlen(src, uint(qMin(N, 255))));
}

void putText(char (&dst)[256], const char* src)
{
    std::memset(dst, 0, sizeof dst);
    qstrncpy(dst, src, sizeof dst);
}

void putWord(DdnsSet* set, int offset, int32_t value)
{
    std::memcpy(reinterpret_cast<unsigned char*>(set) + offset, &value, sizeof value);
}

QString stampText(int year, int month, int day, int hour, int min, int sec)
{
    return g_cfg->datetext(year, month, day) + QLatin1Char(' ') + g_cfg->timetext(hour, min, sec);
}

const PropNetport* ports(int live)
{
    return static_cast<const PropNetport*>(g_cfg->getsection(IDX_PROP_NETPORT, live));
}
}

bool TDVRAPI::ddnsRecord(const PropNetddns& d, DdnsSet* set)
{
    std::memset(set, 0, sizeof *set);
    const QByteArray type(d.type, int(qstrnlen(d.type, sizeof d.type)));
    set->interval = int32_t(g_cfg->getvaluefromindex(IDX_DATA_DDNS_PERIOD, d.dur));
    qCDebug(lcApi, "[ddnsSetdevice] sztype:%s", type.constData());

    const TDdnsService::Service* svc = TDdnsService::find(type);
    if (!svc)
        return false;
    set->kind = svc->kind;
    set->port = svc->port;
    switch (svc->form) {
    case TDdnsService::FormOperator:
    case TDdnsService::FormFixedHost:
    case TDdnsService::FormShortName:
        // The server the DDNS page put into the section.
        put(set->server, d.server);
        qCDebug(lcApi, "szserver:%s", set->server);
        if (svc->flag)
            putWord(set, 268, svc->flag);
        break;
    case TDdnsService::FormUpperCase:
    case TDdnsService::FormBrandedUrl:
    case TDdnsService::FormTavo:
        putText(set->server, svc->host);
        break;
    case TDdnsService::FormDynDns:
        put(set->text1, d.domain);
        put(set->text2, d.id);
        put(set->text3, d.pw);
        break;
    case TDdnsService::FormNoIp:
        put(set->server, d.domain);
        put(set->text1, d.id);
        put(set->text2, d.pw);
        break;
    case TDdnsService::FormMaker: {
        put(set->server, d.serverip);
        set->interval = 240;
        putWord(set, 268, m_panic ? 8 : 4);
        char id[256] = {};
        if (g_default && g_default->getOem() == 5) {
            getNetInfo();
            qstrncpy(id, m_netInfo.webcode, sizeof m_netInfo.webcode);
            qCDebug(lcApi, "szwebcode:%s", id);
        } else {
            Eth0Info eth;
            std::memset(&eth, 0, sizeof eth);
            DalNetGetEth0(&eth);
            std::snprintf(id, sizeof id, "%02x%02x%02x%02x%02x%02x", eth.mac[0], eth.mac[1], eth.mac[2], eth.mac[3],
                          eth.mac[4], eth.mac[5]);
        }
        std::memcpy(reinterpret_cast<unsigned char*>(set) + 272, id, sizeof id);
        putWord(set, 528, ports(1)->watch);
        break;
    }
    case TDdnsService::FormVelor: {
        const int v = qMax(0, static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1))->version);
        std::snprintf(set->text1, sizeof set->text1, "%d.%d.%d.%d", (v / 1000) % 10, (v / 100) % 10, (v / 10) % 10,
                      v % 10);
        break;
    }
    default: return false;
    }
    return true;
}

int TDVRAPI::ddnsSetdevice()
{
    if (!g_cfg)
        return -1;
    DdnsSet set;
    if (!ddnsRecord(*static_cast<const PropNetddns*>(g_cfg->getsection(IDX_PROP_NETDDNS, 1)), &set))
        return -1;
    const int r = DalNeseSetDdns(&set);
    qCDebug(lcApi, "DalNeseSetDdns => %d", r);
    return r;
}

void TDVRAPI::testDdns()
{
    qCDebug(lcApi, "======== TDVRAPI::testDdns  m_nTest:%d ============", netTestKind());
    const QString title = dvrText(323);
    if (!g_cfg || !beginNetTest(NET_TEST_DDNS, title))
        return;
    qCDebug(lcApi, "======== TDVRAPI::testDdns emit sg_dvrNotify ============");
    DdnsSet set;
    if (!ddnsRecord(*static_cast<const PropNetddns*>(g_cfg->getsection(IDX_PROP_NETDDNS, 0)), &set)
        || DalNeseTestDdns(&set) < 0)
        failNetTest(title, dvrText(212));
}

void TDVRAPI::checkDdns(QString& text)
{
    readDdns(&m_ddnsResult, &text);
}

void TDVRAPI::readDdns(DdnsResult* out, QString* textOut)
{
    qCDebug(lcApi, "=========== TDVRAPI : checkDdns ==============");
    DdnsResult r;
    std::memset(&r, 0, sizeof r);
    DalNeseGetDdnsResult(&r);
    *out = r;
    if (!textOut)
        return;
    QString& text = *textOut;
    text = dvrText(r.result == 0 ? 116 : 212);
    if (g_cfg)
        text += QStringLiteral(" [") + stampText(r.year, r.month, r.day, r.hour, r.min, r.sec) + QLatin1Char(']');
}

int TDVRAPI::upnpSet(int on, int live)
{
    if (!g_cfg)
        return 0;
    const PropNetport* p = ports(live ? 1 : 0);
    UpnpSet set = {p->watch, p->search, p->setup, p->web};
    qCDebug(lcApi, "upnpSet.. f:%d watch:%d search:%d setup:%d web:%d", on, set.watch, set.search, set.setup,
            set.web);
    if (!on)
        return 0;
    return DalNeseSetUpnp(&set) >= 0 ? 1 : 0;
}

void TDVRAPI::testUpnp()
{
    qCDebug(lcApi, "======== TDVRAPI::testUpnp  m_nTest:%d ============", netTestKind());
    const QString title = dvrText(324);
    if (!g_cfg || !beginNetTest(NET_TEST_UPNP, title))
        return;
    qCDebug(lcApi, "======== TDVRAPI::testUpnp emit sg_dvrNotify ============");
    const PropNetport* p = ports(0);
    UpnpSet set = {p->watch, p->search, p->setup, p->web};
    if (DalNeseTestUpnp(&set) < 0)
        failNetTest(title, dvrText(212));
}

void TDVRAPI::checkUpnp(QString& text)
{
    readUpnp(&m_upnpResult, &text);
}

void TDVRAPI::readUpnp(UpnpResult* out, QString* textOut)
{
    qCDebug(lcApi, "=========== TDVRAPI : checkUpnp ==============");
    UpnpResult r;
    std::memset(&r, 0, sizeof r);
    DalNeseGetUpnpResult(&r);
    r.ip[sizeof r.ip - 1] = '\0';
    *out = r;
    if (!textOut)
        return;
    QString& text = *textOut;
    const QString ip = QString::fromUtf8(r.ip);
    if (r.result == 0) {
        text = dvrText(116) + QStringLiteral(" [") + ip + QLatin1Char(']');
    } else {
        text = dvrText(212) + QLatin1Char(' ');
        int failed = -1;
        for (int i = 0; i < 4; ++i) {
            qCDebug(lcApi, "NESE_TYPE_UPNP_SET pi:%d port:%d success:%d", i, r.port[i], r.success[i]);
            if (failed < 0 && r.port[i] != 0 && r.success[i] == 0)
                failed = i;
        }
        if (failed >= 0)
            text += QStringLiteral(" [") + dvrText(81) + QLatin1Char(' ') + QString::number(r.port[failed])
                    + QLatin1Char(']');
        else
            text += QStringLiteral(" [") + dvrText(153) + QLatin1Char(' ') + ip + QLatin1Char(']');
    }
    if (g_cfg)
        text += QStringLiteral(" [") + stampText(r.year, r.month, r.day, r.hour, r.min, r.sec) + QLatin1Char(']');
}
