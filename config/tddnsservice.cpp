#include "tddnsservice.h"

#include <cstring>

namespace {

using S = TDdnsService;

// The maker's DDNS host: the maker-branded service registers there.
const char kMakerHost[] = "ddns.dvrhub.net";

// Texts of the services the lists offer. The three host services whose
// type is their host and whose names use the last three octets carry the
// flag word; the two fixed-host services are plain server records; the one
// whose names are in capitals has the port-7100 record, the branded URL
// service the port-4000 one.
const S::Service kServices[] = {
    {"DynDNS", S::FormDynDns, nullptr, 2, 0, 0},
    {"NO-IP", S::FormNoIp, nullptr, 7, 0, 0},
    {"DDNS", S::FormMaker, nullptr, 8, 3000, 0},
    {"TAVO", S::FormTavo, kMakerHost, 10, 8245, 0},
    {"VELOR", S::FormVelor, "velor.dvrhub.net", 9, 0, 0},
    {"Dynamic DNS", S::FormOperator, nullptr, 6, 0, 0},
    {"DVRDNS", S::FormBrandedUrl, "dvrdns.dvrhub.net", 1, 4000, 0},
    {"DVRDNS Plus", S::FormFixedHost, "plus.dvrhub.net", 6, 0, 0},
    {"ddns.nvcam.com", S::FormFixedHost, "ddns.nvcam.com", 6, 0, 0},
    {"ddns.dvrhub.net", S::FormShortName, "ddns.dvrhub.net", 6, 0, 1},
    {"ddns.zebnet.com", S::FormShortName, "ddns.zebnet.com", 6, 0, 1},
    {"ddns.ocam.net", S::FormShortName, "ddns.ocam.net", 6, 0, 1},
    {"ddns.hcview.com", S::FormUpperCase, "ddns.hcview.com", 11, 7100, 0},
};

} // namespace

const TDdnsService::Service* TDdnsService::find(const char* type, int size)
{
    if (!type || size <= 0)
        return nullptr;
    return find(QByteArray(type, int(qstrnlen(type, uint(size)))));
}

const TDdnsService::Service* TDdnsService::find(const QByteArray& type)
{
    for (const Service& s : kServices) {
        if (type == s.type)
            return &s;
    }
    return nullptr;
}

const TDdnsService::Service* TDdnsService::all(int* count)
{
    if (count)
        *count = int(sizeof kServices / sizeof kServices[0]);
    return kServices;
}

QVector<QByteArray> TDdnsService::offered(int oem)
{
    const QByteArray none;
    const QVector<QByteArray> dyn{"DynDNS", "NO-IP", "Dynamic DNS"};
    switch (oem) {
    case 1:
    case 5: return {none, "DDNS"};
    case 2: return {none, "TAVO"};
    case 3: return {"ddns.zebnet.com"};
    case 7: return QVector<QByteArray>{none} + dyn;
    case 8: return QVector<QByteArray>{none, "ddns.ocam.net"} + dyn;
    case 9: return QVector<QByteArray>{none, "ddns.nvcam.com"} + dyn;
    case 10: return {none, "ddns.hcview.com"};
    default: return QVector<QByteArray>{none, "DVRDNS"} + dyn + QVector<QByteArray>{"DVRDNS Plus", "ddns.dvrhub.net"};
    }
}

QByteArray TDdnsService::brandedUrlHost()
{
    for (const Service& s : kServices) {
        if (s.form == FormBrandedUrl)
            return QByteArray(s.host);
    }
    return QByteArray();
}

QByteArray TDdnsService::makerHost()
{
    return QByteArray(kMakerHost);
}
