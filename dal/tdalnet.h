#pragma once
#include "dal.h"
#include "dal_test.h"

#include <mutex>
#include <string>
#include <vector>

// The network family of the stand-in: the address, ports and clients the
// program set or the test gave, the network services' records, the texts
// and pictures collected for the next event e-mail, and the service tests.
// A service test answers at once and later reports exactly one OK or FAIL
// through the network-service callback; the test driver scripts which
// (failure with a reason text by default: no real DDNS, mail or time server
// is reached from here), or that the result is lost on the way.
class TDalNet
{
public:
    static TDalNet& instance();
    void reset();

    // The calls of dal-net.cpp.
    int getEth0(Eth0Info* info);
    int setEth0(const Eth0Info* info);
    int setPort(int watch, int search, int setup, int web);
    int getClients(NetClientRec* rec);
    int disconnect(int kind);
    int setDdns(const DdnsSet* set, bool test);
    int getDdnsResult(DdnsResult* result);
    int setUpnp(const UpnpSet* set, bool test);
    int getUpnpResult(UpnpResult* result);
    int setEmail(const EmailSet* set, bool test);
    int addEmailText(const char* text);
    int addEmailImage(int ch);
    int setNtp(const char* server, int period);
    int testNtp(const char* server);
    bool gigabit();

    // The test driver's side (dal_test.h).
    void snapshot(DalTestNet* out);
    void setOutcome(int service, bool ok, const char* text);
    void setLost(int service, bool lost);
    void setEth0Test(const Eth0Info* info);
    void setClients(const NetClientRec* rec);
    void setDdnsResult(const DdnsResult* result);
    void setUpnpResult(const UpnpResult* result);
    void setGigabit(bool on);
    int emailText(int i, char* buf, int size);
    int emailImage(int i);

private:
    TDalNet();
    struct Outcome {
        bool ok = false;
        bool lost = false; // the test starts but its result never comes
        std::string text = "no server reachable";
    };
    // Delivers the scripted result of a test of service; false when the
    // callback thread is not running (the test cannot start).
    bool deliverResult(int service, const Outcome& outcome);

    std::mutex m_mutex;
    DalTestNet m_state;
    Outcome m_outcome[DAL_TEST_SERVICES];
    NetClientRec m_clients;
    DdnsResult m_ddnsResult;
    UpnpResult m_upnpResult;
    std::vector<std::string> m_emailTexts;
    std::vector<int> m_emailImages;
    bool m_gigabit = false;
};
