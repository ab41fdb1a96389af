#include "tdalnet.h"
#include "tdalclock.h"
#include "dalcall.h"
#include "tdalcore.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {
const size_t kMaxEmailItems = 1000;

void copyText(char* dst, size_t size, const char* src)
{
    dalcall::copyText(dst, size, src);
}

// The time of day now, into the result records' six fields.
void stamp(int32_t* year, int32_t* month, int32_t* day, int32_t* hour, int32_t* min, int32_t* sec)
{
    const time_t t = time_t(TDalClock::instance().now());
    struct tm now;
    localtime_r(&t, &now);
    *year = now.tm_year + 1900;
    *month = now.tm_mon + 1;
    *day = now.tm_mday;
    *hour = now.tm_hour;
    *min = now.tm_min;
    *sec = now.tm_sec;
}

bool knownDdnsKind(int kind)
{
    switch (kind) {
    case 1: case 2: case 6: case 7: case 8: case 9: case 10: case 11: return true;
    default: return false;
    }
}

// An account the layer could send with: a server and a recipient.
bool usableEmail(const EmailSet* set)
{
    return set->server[0] && set->to[0];
}
}

TDalNet& TDalNet::instance()
{
    static TDalNet net;
    return net;
}

TDalNet::TDalNet()
{
    reset();
}

void TDalNet::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memset(&m_state, 0, sizeof m_state);
    // No lease yet: DHCP on, no address.
    m_state.eth0.dhcp = 1;
    for (Outcome& o : m_outcome)
        o = Outcome();
    std::memset(&m_clients, 0, sizeof m_clients);
    std::memset(&m_ddnsResult, 0, sizeof m_ddnsResult);
    m_ddnsResult.result = -1; // never registered
    std::memset(&m_upnpResult, 0, sizeof m_upnpResult);
    m_upnpResult.result = -1;
    m_emailTexts.clear();
    m_emailImages.clear();
    m_gigabit = false;
}

int TDalNet::getEth0(Eth0Info* info)
{
    if (!info)
        return -1;
    uint8_t mac[6];
    {
        std::lock_guard<std::mutex> lock(TDalCore::instance().stateMutex());
        std::memcpy(mac, dalcall::g_misc.mac, sizeof mac);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    *info = m_state.eth0;
    std::memcpy(info->mac, mac, sizeof mac);
    return 0;
}

int TDalNet::setEth0(const Eth0Info* info)
{
    if (!info || (info->dhcp != 0 && info->dhcp != 1))
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    // The MAC is not the address record's to change.
    const Eth0Info old = m_state.eth0;
    m_state.eth0 = *info;
    std::memcpy(m_state.eth0.mac, old.mac, sizeof old.mac);
    ++m_state.eth0Sets;
    return 0;
}

int TDalNet::setPort(int watch, int search, int setup, int web)
{
    const int ports[4] = {watch, search, setup, web};
    for (int p : ports)
        if (p < 1 || p > 65535)
            return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    std::memcpy(m_state.ports, ports, sizeof ports);
    ++m_state.portSets;
    return 0;
}

int TDalNet::getClients(NetClientRec* rec)
{
    if (!rec)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    *rec = m_clients;
    return 0;
}

int TDalNet::disconnect(int kind)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int kept = 0;
    for (int i = 0; i < m_clients.count && i < DAL_MAX_CLIENT; ++i)
        if (kind >= 0 && m_clients.client[i].kind != kind)
            m_clients.client[kept++] = m_clients.client[i];
    m_clients.count = kept;
    int32_t* counts[] = {&m_clients.watch, &m_clients.search, &m_clients.setup};
    for (int k = 1; k <= 3; ++k) {
        *counts[k - 1] = 0;
        for (int i = 0; i < kept; ++i)
            *counts[k - 1] += m_clients.client[i].kind == k;
    }
    return 0;
}

int TDalNet::setDdns(const DdnsSet* set, bool test)
{
    if (!set || !knownDdnsKind(set->kind))
        return -1;
    Outcome outcome;
    DdnsResult before;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        (test ? m_state.ddnsTest : m_state.ddns) = *set;
        if (!test) {
            ++m_state.ddnsSets;
            return 0;
        }
        outcome = m_outcome[DAL_TEST_DDNS];
        before = m_ddnsResult;
        if (outcome.lost) {
            ++m_state.tests[DAL_TEST_DDNS];
            return 0;
        }
        m_ddnsResult.result = outcome.ok ? 0 : 1;
        stamp(&m_ddnsResult.year, &m_ddnsResult.month, &m_ddnsResult.day, &m_ddnsResult.hour, &m_ddnsResult.min,
              &m_ddnsResult.sec);
    }
    if (deliverResult(DAL_TEST_DDNS, outcome))
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ddnsResult = before;
    return -1;
}

int TDalNet::getDdnsResult(DdnsResult* result)
{
    if (!result)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    *result = m_ddnsResult;
    return 0;
}

int TDalNet::setUpnp(const UpnpSet* set, bool test)
{
    if (!set)
        return -1;
    Outcome outcome;
    UpnpResult before;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        (test ? m_state.upnpTest : m_state.upnp) = *set;
        if (!test) {
            ++m_state.upnpSets;
            return 0;
        }
        outcome = m_outcome[DAL_TEST_UPNP];
        before = m_upnpResult;
        if (outcome.lost) {
            ++m_state.tests[DAL_TEST_UPNP];
            return 0;
        }
        UpnpResult& r = m_upnpResult;
        r.result = outcome.ok ? 0 : 1;
        const int32_t ports[4] = {set->watch, set->search, set->setup, set->web};
        for (int i = 0; i < 4; ++i) {
            r.port[i] = ports[i];
            r.success[i] = outcome.ok && ports[i] != 0;
        }
        stamp(&r.year, &r.month, &r.day, &r.hour, &r.min, &r.sec);
        // The mapping is made for the address in force.
        const uint8_t* ip = m_state.eth0.ip;
        std::snprintf(r.ip, sizeof r.ip, "%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
    }
    if (deliverResult(DAL_TEST_UPNP, outcome))
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_upnpResult = before;
    return -1;
}

int TDalNet::getUpnpResult(UpnpResult* result)
{
    if (!result)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    *result = m_upnpResult;
    return 0;
}

int TDalNet::setEmail(const EmailSet* set, bool test)
{
    if (!set || !usableEmail(set))
        return -1;
    Outcome outcome;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        (test ? m_state.emailTest : m_state.email) = *set;
        if (!test) {
            ++m_state.emailSets;
            return 0;
        }
        outcome = m_outcome[DAL_TEST_EMAIL];
    }
    return deliverResult(DAL_TEST_EMAIL, outcome) ? 0 : -1;
}

int TDalNet::addEmailText(const char* text)
{
    if (!text)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_emailTexts.size() >= kMaxEmailItems)
        return -1;
    m_emailTexts.emplace_back(text, strnlen(text, 4096));
    m_state.emailTexts = int32_t(m_emailTexts.size());
    return 0;
}

int TDalNet::addEmailImage(int ch)
{
    if (ch < 0 || ch >= TDalCore::instance().profile().channels())
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_emailImages.size() >= kMaxEmailItems)
        return -1;
    m_emailImages.push_back(ch);
    m_state.emailImages = int32_t(m_emailImages.size());
    return 0;
}

int TDalNet::setNtp(const char* server, int period)
{
    if (!server || period < 0)
        return -1;
    std::lock_guard<std::mutex> lock(m_mutex);
    copyText(m_state.ntpServer, sizeof m_state.ntpServer, server);
    m_state.ntpPeriod = period;
    return 0;
}

int TDalNet::testNtp(const char* server)
{
    if (!server || !server[0])
        return -1;
    Outcome outcome;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        copyText(m_state.ntpTestServer, sizeof m_state.ntpTestServer, server);
        outcome = m_outcome[DAL_TEST_NTP];
    }
    return deliverResult(DAL_TEST_NTP, outcome) ? 0 : -1;
}

bool TDalNet::gigabit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_gigabit;
}

bool TDalNet::deliverResult(int service, const Outcome& outcome)
{
    if (outcome.lost) {
        // The test was taken; no result will ever be reported.
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_state.tests[service];
        return true;
    }
    static const int kOk[] = {CBT_NESE_NTP_OK, CBT_NESE_DDNS_OK, CBT_NESE_EMAIL_OK, CBT_NESE_UPNP_OK};
    static const int kFail[] = {CBT_NESE_NTP_FAIL, CBT_NESE_DDNS_FAIL, CBT_NESE_EMAIL_FAIL, CBT_NESE_UPNP_FAIL};
    const int type = outcome.ok ? kOk[service] : kFail[service];
    const std::string text = outcome.text;
    // The time service reports the time it found: the true time, which the
    // host's clock stands for, not the recorder's own.
    const uint32_t info[1] = {uint32_t(time(nullptr))};
    const bool posted = TDalCore::instance().deliver(TDalCore::NESE, [type, text, info](const TDalCore::Callbacks& cb) {
        if (cb.nese)
            cb.nese(cb.ctx[TDalCore::NESE], type, info, text.c_str());
    });
    if (posted) {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_state.tests[service];
    }
    return posted;
}

void TDalNet::snapshot(DalTestNet* out)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *out = m_state;
}

void TDalNet::setOutcome(int service, bool ok, const char* text)
{
    if (service < 0 || service >= DAL_TEST_SERVICES)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outcome[service].ok = ok;
    m_outcome[service].text = text ? std::string(text, strnlen(text, 1024)) : std::string();
}

void TDalNet::setLost(int service, bool lost)
{
    if (service < 0 || service >= DAL_TEST_SERVICES)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outcome[service].lost = lost;
}

void TDalNet::setEth0Test(const Eth0Info* info)
{
    if (!info)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    const Eth0Info old = m_state.eth0;
    m_state.eth0 = *info;
    std::memcpy(m_state.eth0.mac, old.mac, sizeof old.mac);
}

void TDalNet::setClients(const NetClientRec* rec)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (rec)
        m_clients = *rec;
    else
        std::memset(&m_clients, 0, sizeof m_clients);
}

void TDalNet::setDdnsResult(const DdnsResult* result)
{
    if (!result)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_ddnsResult = *result;
}

void TDalNet::setUpnpResult(const UpnpResult* result)
{
    if (!result)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_upnpResult = *result;
}

void TDalNet::setGigabit(bool on)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_gigabit = on;
}

int TDalNet::emailText(int i, char* buf, int size)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!buf || size < 1 || i < 0 || size_t(i) >= m_emailTexts.size())
        return -1;
    std::snprintf(buf, size_t(size), "%s", m_emailTexts[size_t(i)].c_str());
    return 0;
}

int TDalNet::emailImage(int i)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return i >= 0 && size_t(i) < m_emailImages.size() ? m_emailImages[size_t(i)] : -1;
}
