// The stand-in's test driver for the network family (dal_test.h).
#include "dal_test.h"
#include "tdalnet.h"

#include <cstring>
#include <vector>

extern "C" {

void dalTestGetNet(DalTestNet* out)
{
    if (out)
        TDalNet::instance().snapshot(out);
}

void dalTestNetOutcome(int service, int ok, const char* text)
{
    TDalNet::instance().setOutcome(service, ok != 0, text);
}

void dalTestNetLose(int service, int lost)
{
    TDalNet::instance().setLost(service, lost != 0);
}

void dalTestSetEth0(const Eth0Info* info)
{
    TDalNet::instance().setEth0Test(info);
}

void dalTestSetClients(const NetClientRec* rec)
{
    TDalNet::instance().setClients(rec);
}

void dalTestSetDdnsResult(const DdnsResult* result)
{
    TDalNet::instance().setDdnsResult(result);
}

void dalTestSetUpnpResult(const UpnpResult* result)
{
    TDalNet::instance().setUpnpResult(result);
}

void dalTestSetGigabit(int on)
{
    TDalNet::instance().setGigabit(on != 0);
}

int dalTestEmailText(int i, char* buf, int size)
{
    return TDalNet::instance().emailText(i, buf, size);
}

int dalTestEmailImage(int i)
{
    return TDalNet::instance().emailImage(i);
}

int dalTestNetPacket(int cmd, uint32_t len, const void* payload, int size, NetpackReply* reply)
{
    const int n = payload && size > 0 ? size : 0;
    std::vector<unsigned char> packet(sizeof(NetPacketHead) + size_t(n), 0);
    packet[2] = uint8_t(cmd >> 8);
    packet[3] = uint8_t(cmd);
    packet[4] = uint8_t(len >> 24);
    packet[5] = uint8_t(len >> 16);
    packet[6] = uint8_t(len >> 8);
    packet[7] = uint8_t(len);
    if (n)
        std::memcpy(packet.data() + sizeof(NetPacketHead), payload, size_t(n));
    return dalTestNet(CBT_NET_PACKET, packet.data(), int(packet.size()), 0, reply);
}

} // extern "C"
