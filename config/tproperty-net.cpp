// Network sections: NETADDR, NETPORT, NETEMAIL, NETCONTROL and NETDDNS.
#include "tddnsservice.h"
#include "tdvrhooks.h"
#include "tproperty.h"

#include <cstring>

namespace {

// The DDNS host of the variant that runs its own service (OEM 3): the one
// service its list offers.
void setOwnDdnsHost(PropNetddns& d)
{
    const QByteArray host = TDdnsService::offered(3).value(0);
    std::memset(d.type, 0, sizeof d.type);
    std::memset(d.server, 0, sizeof d.server);
    std::memcpy(d.type, host.constData(), size_t(qMin(host.size(), int(sizeof d.type) - 1)));
    std::memcpy(d.server, host.constData(), size_t(qMin(host.size(), int(sizeof d.server) - 1)));
}

template <int N, int M>
void setField(char (&field)[N], const char (&text)[M])
{
    std::memset(field, 0, N);
    qstrncpy(field, text, uint(N < M ? N : M));
}

QString flagString(const uint8_t* flags, int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QLatin1Char(flags[i] ? '1' : '0');
    return out;
}

void readFlags(const QByteArray& text, uint8_t* flags, int count)
{
    const QByteArray t = text.left(PROP_MAX_CH);
    for (int i = 0; i < count; ++i)
        flags[i] = (i < t.size() && t.at(i) == '1') ? 1 : 0;
}

int clampCount(int count, int size)
{
    return count < 0 ? 0 : (count > size ? size : count);
}

bool isServicePort(int v)
{
    return v >= 8000 && v <= 9999;
}

} // namespace

// ---- NETADDR ---------------------------------------------------------------------------

void TProperty::defNetaddr()
{
    std::memset(&m_netaddr, 0, sizeof m_netaddr);
    m_netaddr.type = 0;
    m_netaddr.dhcp = int16_t(m_default.dhcpon);
    setField(m_netaddr.name, m_default.name);
    setField(m_netaddr.ip, m_default.ip);
    setField(m_netaddr.mask, m_default.mask);
    setField(m_netaddr.gate, m_default.gateway);
    setField(m_netaddr.dns, m_default.dns);
    m_netaddr.dnsauto = m_default.dnsauto;
}

void TProperty::loadNetaddr()
{
    defNetaddr();
    PropNetaddr& a = m_netaddr;
    beginGroup(QStringLiteral("NETADDR"));
    a.type = int16_t(readInt(QStringLiteral("type"), a.type));
    a.dhcp = int16_t(readBool(QStringLiteral("dhcp"), a.dhcp));
    a.dnsauto = readBool(QStringLiteral("dnsauto"), a.dnsauto);
    readText(QStringLiteral("name"), a.name, a.name);
    readText(QStringLiteral("ip"), a.ip, a.ip);
    readText(QStringLiteral("mask"), a.mask, a.mask);
    readText(QStringLiteral("gate"), a.gate, a.gate);
    readText(QStringLiteral("dns"), a.dns, a.dns);
    readText(QStringLiteral("pppid"), a.pppid, a.pppid);
    readText(QStringLiteral("ppppw"), a.ppppw, a.ppppw);
    endGroup();
}

void TProperty::saveNetaddr()
{
    const PropNetaddr& a = m_netaddr;
    beginSave("NETADDR");
    setValue(QStringLiteral("type"), int(a.type));
    setValue(QStringLiteral("dhcp"), int(a.dhcp));
    setValue(QStringLiteral("dnsauto"), a.dnsauto);
    writeText(QStringLiteral("name"), a.name);
    writeText(QStringLiteral("ip"), a.ip);
    writeText(QStringLiteral("mask"), a.mask);
    writeText(QStringLiteral("gate"), a.gate);
    writeText(QStringLiteral("dns"), a.dns);
    writeText(QStringLiteral("pppid"), a.pppid);
    writeText(QStringLiteral("ppppw"), a.ppppw);
    endGroup();
}

// ---- NETPORT ---------------------------------------------------------------------------

void TProperty::defNetport()
{
    std::memset(&m_netport, 0, sizeof m_netport);
    m_netport.watch = 8000;
    m_netport.search = 8000;
    m_netport.setup = 8000;
    m_netport.web = 80;
    m_netport.upnp = 0;
}

// Each port is narrowed to its 16 bits first, then checked: the services take
// 8000..9999, the web server also 80.
void TProperty::loadNetport()
{
    defNetport();
    PropNetport& p = m_netport;
    beginGroup(QStringLiteral("NETPORT"));
    p.watch = int16_t(readInt(QStringLiteral("watch"), p.watch));
    if (!isServicePort(p.watch))
        p.watch = 8000;
    p.search = int16_t(readInt(QStringLiteral("search"), p.search));
    if (!isServicePort(p.search))
        p.search = 8000;
    p.setup = int16_t(readInt(QStringLiteral("setup"), p.setup));
    if (!isServicePort(p.setup))
        p.setup = 8000;
    p.web = int16_t(readInt(QStringLiteral("web"), p.web));
    if (p.web != 80 && !isServicePort(p.web))
        p.web = 80;
    p.upnp = readInt(QStringLiteral("upnp"), p.upnp);
    endGroup();
}

void TProperty::saveNetport()
{
    beginSave("NETPORT");
    setValue(QStringLiteral("watch"), int(m_netport.watch));
    setValue(QStringLiteral("search"), int(m_netport.search));
    setValue(QStringLiteral("setup"), int(m_netport.setup));
    setValue(QStringLiteral("web"), int(m_netport.web));
    setValue(QStringLiteral("upnp"), m_netport.upnp);
    endGroup();
}

// ---- NETEMAIL -------------------------------------------------------------------------

namespace {
// The event rows stored as input flags: key and the device count of inputs.
enum { MAIL_SENSOR, MAIL_MOTION, MAIL_VLOSS, MAIL_TXTIN, MAIL_ROWS };
const char* const kMailRowKeys[MAIL_ROWS] = {"sensor", "motion", "vloss", "txtin"};
const char* const kMailSwitchKeys[3] = {"smartOn", "syslogOn", "imageOn"};
} // namespace

void TProperty::defNetemail()
{
    std::memset(&m_netemail, 0, sizeof m_netemail);
    m_netemail.port = 25;
}

void TProperty::loadNetemail()
{
    defNetemail();
    PropNetemail& m = m_netemail;
    const int counts[MAIL_ROWS] = {sensorInputs(), channels(), channels(), textInputs()};
    beginGroup(QStringLiteral("NETEMAIL"));
    m.on = uint8_t(readBool(QStringLiteral("on"), m.on));
    m.authOn = uint8_t(readBool(QStringLiteral("authOn"), m.authOn));
    m.sslOn = uint8_t(readBool(QStringLiteral("sslOn"), m.sslOn));
    m.dur = readInt(QStringLiteral("dur"), m.dur);
    if (m.dur < 0 || m.dur > 3)
        m.dur = 0;
    m.port = readInt(QStringLiteral("port"), m.port);
    readText(QStringLiteral("server"), m.server, m.server);
    readText(QStringLiteral("from"), m.from, m.from);
    readText(QStringLiteral("to"), m.to, m.to);
    readText(QStringLiteral("id"), m.id, m.id);
    readText(QStringLiteral("pw"), m.pw, m.pw);
    for (int r = 0; r < MAIL_ROWS; ++r)
        readFlags(readBytes(QLatin1String(kMailRowKeys[r]), QByteArray()), m.evt[r], counts[r]);
    for (int s = 0; s < 3; ++s)
        m.evt[MAIL_ROWS + s][0] =
            uint8_t(readBool(QLatin1String(kMailSwitchKeys[s]), m.evt[MAIL_ROWS + s][0]));
    endGroup();
}

void TProperty::saveNetemail()
{
    const PropNetemail& m = m_netemail;
    const int counts[MAIL_ROWS] = {sensorInputs(), channels(), channels(), textInputs()};
    beginSave("NETEMAIL");
    setValue(QStringLiteral("on"), int(m.on));
    setValue(QStringLiteral("authOn"), int(m.authOn));
    setValue(QStringLiteral("sslOn"), int(m.sslOn));
    setValue(QStringLiteral("dur"), m.dur);
    setValue(QStringLiteral("port"), m.port);
    writeText(QStringLiteral("server"), m.server);
    writeText(QStringLiteral("from"), m.from);
    writeText(QStringLiteral("to"), m.to);
    writeText(QStringLiteral("id"), m.id);
    writeText(QStringLiteral("pw"), m.pw);
    for (int r = 0; r < MAIL_ROWS; ++r)
        setValue(QLatin1String(kMailRowKeys[r]), flagString(m.evt[r], counts[r]));
    for (int s = 0; s < 3; ++s)
        setValue(QLatin1String(kMailSwitchKeys[s]), int(m.evt[MAIL_ROWS + s][0]));
    endGroup();
}

// ---- NETCONTROL ------------------------------------------------------------------------

RecordEntry TProperty::makeDefNetcontrol(int channel) const
{
    Q_UNUSED(channel); // every channel streams alike by default
    RecordEntry e;
    std::memset(&e, 0, sizeof e);
    e.mode = 1;
    e.audio = 0;
    e.cridx = 0;
    e.cfidx = 3;
    e.cqual = 0;
    e.eridx = 0;
    e.efidx = uint8_t(m_default.efidx);
    e.equal = uint8_t(m_default.equal);
    e.postdur = 0;
    e.predur = 0;
    return e;
}

void TProperty::defNetcontrol()
{
    std::memset(&m_netcontrol, 0, sizeof m_netcontrol);
    for (int c = 0; c < PROP_MAX_CH; ++c) {
        m_netcontrol.mainOn[c] = 1;
        m_netcontrol.entry[c] = makeDefNetcontrol(c);
        m_netcontrol.subOn[c] = 0;
    }
}

// Only the channels in use are read; audio and the event times are not in
// the file and keep what the record held. Indexes are checked against the
// network resolutions and frame-rate steps the encoder offers now.
void TProperty::loadNetcontrol()
{
    AvcCaps caps;
    dvrGetCaps(nullptr, &caps, nullptr);
    const int nridx = clampCount(caps.num_nridx, AVC_MAX_NRIDX);
    const int fidx = clampCount(caps.num_fidx, AVC_MAX_FIDX);
    const bool oem5 = oem() == 5;
    const int n = channels();
    beginGroup(QStringLiteral("NETCONTROL"));
    for (int c = 0; c < n; ++c) {
        const RecordEntry d = makeDefNetcontrol(c);
        // mainOn, cridx, cqual, cfidx, subOn, eridx, equal, efidx
        int v[8] = {1, d.eridx, d.equal, d.efidx, 0, d.eridx, d.equal, d.efidx};
        const QByteArray text = readBytes(indexedKey("data%02d", c), QByteArray());
        if (!text.isEmpty())
            scanFieldList(text, v, 8);
        RecordEntry& e = m_netcontrol.entry[c];
        m_netcontrol.mainOn[c] = v[0];
        e.mode = d.mode;
        e.cridx = uint8_t(v[1]);
        if (e.cridx >= nridx || oem5)
            e.cridx = 0;
        e.cqual = uint8_t(v[2]);
        if (e.cqual > 3)
            e.cqual = 0;
        e.cfidx = uint8_t(v[3]);
        if (e.cfidx >= fidx)
            e.cfidx = d.cfidx;
        m_netcontrol.subOn[c] = v[4];
        e.eridx = 0;
        e.equal = uint8_t(v[6]);
        if (e.equal > 3)
            e.equal = 0;
        e.efidx = uint8_t(v[7]);
        if (e.efidx >= fidx)
            e.efidx = d.efidx;
    }
    endGroup();
}

void TProperty::saveNetcontrol()
{
    const int n = channels();
    beginSave("NETCONTROL");
    for (int c = 0; c < n; ++c) {
        const RecordEntry& e = m_netcontrol.entry[c];
        const int v[8] = {m_netcontrol.mainOn[c], e.cridx, e.cqual, e.cfidx,
                          m_netcontrol.subOn[c], e.eridx, e.equal, e.efidx};
        setValue(indexedKey("data%02d", c), fieldList(v, 8));
    }
    endGroup();
}

// ---- NETDDNS ----------------------------------------------------------------------------

void TProperty::defNetddns()
{
    std::memset(&m_netddns, 0, sizeof m_netddns);
    PropNetddns& d = m_netddns;
    setField(d.type, "None");
    d.dur = m_default.dur;
    setField(d.serverip, m_default.szserverip);
    d.serverport = m_default.serverport;
    switch (oem()) {
    case 2:
        setField(d.type, "TAVO");
        break;
    case 3:
        setOwnDdnsHost(d);
        break;
    case 5:
        setField(d.type, "DDNS");
        break;
    default:
        break;
    }
}

void TProperty::loadNetddns()
{
    defNetddns();
    PropNetddns& d = m_netddns;
    beginGroup(QStringLiteral("NETDDNS"));
    readText(QStringLiteral("type"), d.type, d.type);
    readText(QStringLiteral("serverip"), d.serverip, d.serverip);
    d.serverport = readInt(QStringLiteral("serverport"), d.serverport);
    readText(QStringLiteral("domain"), d.domain, d.domain);
    readText(QStringLiteral("server"), d.server, d.server);
    readText(QStringLiteral("id"), d.id, d.id);
    readText(QStringLiteral("pw"), d.pw, d.pw);
    d.dur = readInt(QStringLiteral("dur"), d.dur);
    readText(QStringLiteral("mac"), d.mac, d.mac);
    endGroup();
    // Variant 5 offers only its own service; variant 3 always uses its host.
    if (oem() == 5 && qstrcmp(d.type, "DDNS") != 0)
        defNetddns();
    if (oem() == 3)
        setOwnDdnsHost(d);
}

void TProperty::saveNetddns()
{
    const PropNetddns& d = m_netddns;
    beginSave("NETDDNS");
    writeText(QStringLiteral("type"), d.type);
    writeText(QStringLiteral("serverip"), d.serverip);
    setValue(QStringLiteral("serverport"), d.serverport);
    writeText(QStringLiteral("domain"), d.domain);
    writeText(QStringLiteral("server"), d.server);
    writeText(QStringLiteral("id"), d.id);
    writeText(QStringLiteral("pw"), d.pw);
    setValue(QStringLiteral("dur"), d.dur);
    writeText(QStringLiteral("mac"), d.mac);
    endGroup();
}
