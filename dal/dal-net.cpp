// The stand-in's network-setting and network-service calls.
#include "dalcall.h"

using namespace dalcall;

extern "C" {

/* ---- Network ---- */

int DalNetGetEth0(Eth0Info* info) { DAL_LATER("DalNetGetEth0(%s)", P(info)); }
int DalNetSetEth0(const Eth0Info* info) { DAL_LATER("DalNetSetEth0(%s)", P(info)); }
int DalNetSetPort(int watch, int search, int setup, int web)
{
    DAL_LATER("DalNetSetPort(%d,%d,%d,%d)", watch, search, setup, web);
}
int DalNetGetClientInfo(NetClientRec* rec) { DAL_LATER("DalNetGetClientInfo(%s)", P(rec)); }
int DalNetDisconnectClient(int kind) { DAL_LATER("DalNetDisconnectClient(%d)", kind); }

/* ---- Network services ---- */

int DalNeseSetDdns(const DdnsSet* set) { DAL_LATER("DalNeseSetDdns(%s)", P(set)); }
int DalNeseTestDdns(const DdnsSet* set) { DAL_LATER("DalNeseTestDdns(%s)", P(set)); }
int DalNeseGetDdnsResult(DdnsResult* result) { DAL_LATER("DalNeseGetDdnsResult(%s)", P(result)); }
int DalNeseSetUpnp(const UpnpSet* set) { DAL_LATER("DalNeseSetUpnp(%s)", P(set)); }
int DalNeseTestUpnp(const UpnpSet* set) { DAL_LATER("DalNeseTestUpnp(%s)", P(set)); }
int DalNeseGetUpnpResult(UpnpResult* result) { DAL_LATER("DalNeseGetUpnpResult(%s)", P(result)); }
int DalNeseSetEmail(const EmailSet* set) { DAL_LATER("DalNeseSetEmail(%s)", P(set)); }
int DalNeseTestEmail(const EmailSet* set) { DAL_LATER("DalNeseTestEmail(%s)", P(set)); }
int DalNeseAddEmailText(const char* text) { DAL_LATER("DalNeseAddEmailText(%s)", T(text).c_str()); }
int DalNeseAddEmailImage(int ch) { DAL_LATER("DalNeseAddEmailImage(%d)", ch); }
int DalNeseSetNtp(const char* server, int period) { DAL_LATER("DalNeseSetNtp(%s,%d)", T(server).c_str(), period); }
int DalNeseTestNtp(const char* server) { DAL_LATER("DalNeseTestNtp(%s)", T(server).c_str()); }

} // extern "C"
