#pragma once
#include "propsections.h"

#include <QString>

// The form rules of the DDNS page, without widgets: for the service in the
// DDNS section and its list position, which of the page's controls are
// enabled, what its fields show, and what the page writes into the section
// (the fixed server, the host name made from the unit's MAC address). The
// page shows what it is given; tests drive the rules directly.
class TDdnsForm
{
public:
    enum Ctrl { Server, Port, Domain, Id, Pw, Period, Test, CTRLS };
    // What the page shows: the enabled state of each control, the text of
    // each field (Server .. Pw), and whether the state label is emptied.
    struct View
    {
        bool enabled[CTRLS] = {};
        QString text[Pw + 1];
        bool clearStatus = false;
    };

    // The rules for the section d at service list position pos; the record
    // changes the rules make are written into d.
    static View apply(PropNetddns& d, int pos);
    // A service chosen from the list: type takes its text (at most 15
    // bytes, whole characters); the account services empty the domain, the
    // ID and the password.
    static void choose(PropNetddns& d, const QString& type);
    // A server typed: taken, and the host name made again, only for the
    // services that register under a server; false when dropped.
    static bool typeServer(PropNetddns& d, const QString& text);
    // The host name a server gets from the MAC text (six hexadecimal
    // octets joined by ":"): empty for an empty server or a MAC text of
    // another form.
    static QString composedName(const char* mac, const QString& server);
    // Whether the state label shows the device's state at list position pos.
    static bool showsStatus(const PropNetddns& d, int pos);
};
