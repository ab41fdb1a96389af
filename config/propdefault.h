#pragma once
#include <stdint.h>

// The unit's factory defaults: the record of "/dvr/default.conf" and at the
// same time configuration section 31 ("DEFAULT").
struct PropDefault {
    char oem[32];
    char tzone[64];
    char lang[32];
    int32_t dhcpon;
    int32_t dnsauto;
    char name[8];
    char ip[32];
    char mask[32];
    char gateway[32];
    char dns[32];
    int32_t alarm_type;
    int32_t dur;
    int32_t serverport;
    char szserverip[32];
    char server[32];
    int32_t resolution;
    int32_t cvbs;
    int32_t audioout;
    int32_t dvr_id;
    int32_t autolock;
    int32_t type;
    int32_t cridx;
    int32_t cfidx;
    int32_t efidx;
    int32_t cqual;
    int32_t equal;
};
