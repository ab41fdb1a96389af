// The stand-in's network-setting and network-service calls.
#include "dalcall.h"
#include "tdalnet.h"

using namespace dalcall;

namespace {
TDalNet& net()
{
    return TDalNet::instance();
}

std::string ports(const UpnpSet* s)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d,%d,%d,%d", s->watch, s->search, s->setup, s->web);
    return buf;
}
}

extern "C" {

/* ---- Network ---- */

int DalNetGetEth0(Eth0Info* info)
{
    TDalJournal::add("DalNetGetEth0(%s)", P(info));
    DAL_FAILED("DalNetGetEth0");
    return net().getEth0(info);
}

int DalNetSetEth0(const Eth0Info* info)
{
    if (info)
        TDalJournal::add("DalNetSetEth0(dhcp:%d dns:%d %d.%d.%d.%d/%d.%d.%d.%d gw %d.%d.%d.%d dns %d.%d.%d.%d)",
                         info->dhcp, info->dnsAuto, info->ip[0], info->ip[1], info->ip[2], info->ip[3],
                         info->mask[0], info->mask[1], info->mask[2], info->mask[3], info->gw[0], info->gw[1],
                         info->gw[2], info->gw[3], info->dns[0], info->dns[1], info->dns[2], info->dns[3]);
    else
        TDalJournal::add("DalNetSetEth0(null)");
    DAL_FAILED("DalNetSetEth0");
    return net().setEth0(info);
}

int DalNetSetPort(int watch, int search, int setup, int web)
{
    TDalJournal::add("DalNetSetPort(%d,%d,%d,%d)", watch, search, setup, web);
    DAL_FAILED("DalNetSetPort");
    return net().setPort(watch, search, setup, web);
}

int DalNetGetClientInfo(NetClientRec* rec)
{
    TDalJournal::add("DalNetGetClientInfo(%s)", P(rec));
    DAL_FAILED("DalNetGetClientInfo");
    return net().getClients(rec);
}

int DalNetDisconnectClient(int kind)
{
    TDalJournal::add("DalNetDisconnectClient(%d)", kind);
    DAL_FAILED("DalNetDisconnectClient");
    return net().disconnect(kind);
}

/* ---- Network services ---- */

int DalNeseSetDdns(const DdnsSet* set)
{
    TDalJournal::add("DalNeseSetDdns(%d,%s,%d,%d)", set ? set->kind : -1, set ? T(set->server).c_str() : "null",
                     set ? set->port : 0, set ? set->interval : 0);
    DAL_FAILED("DalNeseSetDdns");
    return net().setDdns(set, false);
}

int DalNeseTestDdns(const DdnsSet* set)
{
    TDalJournal::add("DalNeseTestDdns(%d,%s,%d,%d)", set ? set->kind : -1, set ? T(set->server).c_str() : "null",
                     set ? set->port : 0, set ? set->interval : 0);
    DAL_FAILED("DalNeseTestDdns");
    return net().setDdns(set, true);
}

int DalNeseGetDdnsResult(DdnsResult* result)
{
    TDalJournal::add("DalNeseGetDdnsResult(%s)", P(result));
    DAL_FAILED("DalNeseGetDdnsResult");
    return net().getDdnsResult(result);
}

int DalNeseSetUpnp(const UpnpSet* set)
{
    TDalJournal::add("DalNeseSetUpnp(%s)", set ? ports(set).c_str() : "null");
    DAL_FAILED("DalNeseSetUpnp");
    return net().setUpnp(set, false);
}

int DalNeseTestUpnp(const UpnpSet* set)
{
    TDalJournal::add("DalNeseTestUpnp(%s)", set ? ports(set).c_str() : "null");
    DAL_FAILED("DalNeseTestUpnp");
    return net().setUpnp(set, true);
}

int DalNeseGetUpnpResult(UpnpResult* result)
{
    TDalJournal::add("DalNeseGetUpnpResult(%s)", P(result));
    DAL_FAILED("DalNeseGetUpnpResult");
    return net().getUpnpResult(result);
}

int DalNeseSetEmail(const EmailSet* set)
{
    // The account's password is not journaled.
    TDalJournal::add("DalNeseSetEmail(%s,%d)", set ? T(set->server).c_str() : "null", set ? set->port : 0);
    DAL_FAILED("DalNeseSetEmail");
    return net().setEmail(set, false);
}

int DalNeseTestEmail(const EmailSet* set)
{
    TDalJournal::add("DalNeseTestEmail(%s,%d)", set ? T(set->server).c_str() : "null", set ? set->port : 0);
    DAL_FAILED("DalNeseTestEmail");
    return net().setEmail(set, true);
}

int DalNeseAddEmailText(const char* text)
{
    TDalJournal::add("DalNeseAddEmailText(%s)", T(text).c_str());
    DAL_FAILED("DalNeseAddEmailText");
    return net().addEmailText(text);
}

int DalNeseAddEmailImage(int ch)
{
    TDalJournal::add("DalNeseAddEmailImage(%d)", ch);
    DAL_FAILED("DalNeseAddEmailImage");
    return net().addEmailImage(ch);
}

int DalNeseSetNtp(const char* server, int period)
{
    TDalJournal::add("DalNeseSetNtp(%s,%d)", T(server).c_str(), period);
    DAL_FAILED("DalNeseSetNtp");
    return net().setNtp(server, period);
}

int DalNeseTestNtp(const char* server)
{
    TDalJournal::add("DalNeseTestNtp(%s)", T(server).c_str());
    DAL_FAILED("DalNeseTestNtp");
    return net().testNtp(server);
}

} // extern "C"
