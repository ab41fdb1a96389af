// Network events of the device layer: network-service results, network
// settings, firmware over the network and remote-setup packets.
#include "tdvrapi.h"

int TDVRAPI::runNet(int type, const void* data, int size, NetpackReply* reply, int value)
{
    Q_UNUSED(type)
    Q_UNUSED(data)
    Q_UNUSED(size)
    Q_UNUSED(reply)
    Q_UNUSED(value)
    // The network area adds the network events and the remote-setup packets
    // (reading no more than size bytes of data) here.
    return 0;
}

int TDVRAPI::runNese(int type, const uint32_t* info, const char* state)
{
    Q_UNUSED(type)
    Q_UNUSED(info)
    Q_UNUSED(state)
    // The network area adds the NTP, DDNS, e-mail and UPnP results here.
    return 0;
}
