#pragma once
#include <QByteArray>
#include <QVector>

// The DDNS services the recorder knows, in one table: the text the DDNS
// section stores in `type`, how the DDNS page's form treats the service, the
// record the device layer takes for it, and which services each OEM
// variant offers. The option list of services, the page's form rules and
// the facade's DDNS record all read this table, so they cannot disagree.
class TDdnsService
{
public:
    // How the page's form treats a service.
    enum Form {
        FormDynDns,    // account service: domain, ID and password (no period)
        FormNoIp,      // account service: domain, ID and password
        FormMaker,     // the maker's own service: a port only
        FormTavo,      // the maker-branded service: MAC name at the maker's host
        FormVelor,     // the integration service: its fixed host is shown
        FormBrandedUrl,// "http://" + the MAC's last three octets + its host
        FormOperator,  // a server of the operator's choice
        FormFixedHost, // a fixed host; the registered name from the full MAC
        FormShortName, // the type is the host; the name from the last three octets
        FormUpperCase  // the type is the host; the name from the full MAC in capitals
    };
    struct Service
    {
        const char* type; // at most 15 bytes (the section's type field)
        int form;
        const char* host; // the service's fixed host; null: none
        int kind;         // the device layer's service number
        int port;         // the record's port; 0 none
        int flag;         // the 32-bit word at byte 268 of a server record; 0 none
    };
    enum { TYPE_MAX = 15, HOST_MAX = 99 };

    // The service of a type text (exact, case-sensitive, read to at most
    // size bytes); null for "None" and every text not in the table.
    static const Service* find(const char* type, int size);
    static const Service* find(const QByteArray& type);
    // Every service, for checks over the whole table.
    static const Service* all(int* count);
    // The types the OEM variant offers in list order; an empty entry stands
    // for "None" (the translated UI text). oem -1: no defaults object.
    static QVector<QByteArray> offered(int oem);
    // The host of the branded URL service (a domain holding it is cleared
    // under the account services) and the maker's host the maker-branded
    // service registers at.
    static QByteArray brandedUrlHost();
    static QByteArray makerHost();
};
