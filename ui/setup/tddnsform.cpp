#include "tddnsform.h"
#include "tddnsservice.h"
#include "textutil.h"
#include "uisetuplog.h"

#include <QStringList>

#include <cstring>

namespace {

using S = TDdnsService;

template <int N> QString textOf(const char (&field)[N])
{
    return QString::fromUtf8(field, int(qstrnlen(field, N)));
}

// The six octets of a MAC text ("00:1a:2b:3c:4d:5e") as stored; empty for a
// text of another form.
QStringList octets(const char* mac)
{
    const QString text = QString::fromLatin1(mac, int(qstrnlen(mac, sizeof PropNetddns::mac)));
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 6)
        return {};
    for (const QString& o : parts) {
        bool hex = false;
        o.toInt(&hex, 16);
        if (o.size() != 2 || !hex || o.startsWith(QLatin1Char('+')) || o.startsWith(QLatin1Char('-')))
            return {};
    }
    return parts;
}

bool isHostService(const S::Service* s)
{
    return s && (s->form == S::FormOperator || s->form == S::FormFixedHost || s->form == S::FormShortName ||
                 s->form == S::FormUpperCase);
}

// A server whose names use the last three octets: the branded URL host or
// one of the short-name hosts.
bool shortNamed(const QByteArray& server)
{
    if (server == S::brandedUrlHost())
        return true;
    const S::Service* s = S::find(server);
    return s && s->form == S::FormShortName && server == s->host;
}

bool upperNamed(const QByteArray& server)
{
    const S::Service* s = S::find(server);
    return s && s->form == S::FormUpperCase && server == s->host;
}

template <int N> void setText(char (&field)[N], const QString& text)
{
    q2Utf8Whole(field, text, N);
}

} // namespace

QString TDdnsForm::composedName(const char* mac, const QString& server)
{
    const QStringList o = mac ? octets(mac) : QStringList();
    if (server.isEmpty() || o.isEmpty())
        return QString();
    const QByteArray host = server.toUtf8();
    if (shortNamed(host))
        return o[3] + o[4] + o[5] + QLatin1Char('.') + server;
    if (upperNamed(host))
        return o.join(QString()).toUpper() + QLatin1Char('.') + server;
    return o.join(QString()) + QLatin1Char('.') + server;
}

TDdnsForm::View TDdnsForm::apply(PropNetddns& d, int pos)
{
    qCDebug(lcUiSetup, "TSetupDdns::setCtrl.. sztype:%s", QByteArray(d.type, int(qstrnlen(d.type, sizeof d.type))).constData());
    View v;
    for (bool& e : v.enabled)
        e = pos != 0;
    v.text[Server] = textOf(d.server);
    v.text[Port] = QString::number(d.serverport);
    v.text[Domain] = textOf(d.domain);
    v.text[Id] = textOf(d.id);
    v.text[Pw] = textOf(d.pw);
    auto off = [&v](int c, bool empty) {
        v.enabled[c] = false;
        if (empty && c <= Pw)
            v.text[c].clear();
    };
    auto domain = [&](const QString& name) {
        setText(d.domain, name);
        v.text[Domain] = textOf(d.domain);
        off(Domain, false);
    };
    const S::Service* s = S::find(d.type, int(sizeof d.type));
    const QStringList o = octets(d.mac);
    switch (s ? s->form : -1) {
    case S::FormBrandedUrl:
        domain(o.isEmpty() ? QString() : QStringLiteral("http://") + o[3] + o[4] + o[5] + QLatin1Char('.') + s->host);
        off(Port, true);
        off(Id, false);
        off(Pw, false);
        v.enabled[Period] = true;
        off(Server, true);
        break;
    case S::FormDynDns:
    case S::FormNoIp:
        if (QByteArray(d.domain, int(qstrnlen(d.domain, sizeof d.domain))).contains(S::brandedUrlHost())) {
            std::memset(d.domain, 0, sizeof d.domain);
            v.text[Domain].clear();
        }
        off(Port, true);
        v.enabled[Period] = s->form == S::FormNoIp;
        v.enabled[Domain] = v.enabled[Id] = v.enabled[Pw] = true;
        off(Server, true);
        break;
    case S::FormMaker:
        v.enabled[Port] = true;
        off(Domain, true);
        off(Id, false);
        off(Pw, true);
        off(Period, false);
        off(Test, false);
        off(Server, true);
        break;
    case S::FormVelor:
        v.text[Domain] = QString::fromLatin1(s->host);
        off(Domain, false);
        off(Id, true);
        off(Pw, true);
        v.enabled[Period] = v.enabled[Test] = true;
        off(Server, true);
        break;
    case S::FormOperator:
    case S::FormFixedHost:
    case S::FormShortName:
    case S::FormUpperCase:
        off(Port, false);
        if (s->form != S::FormOperator) {
            // The service's own server: its fixed host, or the type itself.
            setText(d.server, QString::fromLatin1(s->form == S::FormFixedHost ? s->host : s->type));
            v.text[Server] = textOf(d.server);
            off(Server, false);
        } else {
            v.enabled[Server] = true;
        }
        if (s->form == S::FormShortName || s->form == S::FormUpperCase)
            v.enabled[Test] = true;
        if (s->form == S::FormUpperCase)
            v.text[Port] = QString::number(s->port);
        domain(composedName(d.mac, textOf(d.server)));
        off(Id, true);
        off(Pw, true);
        v.enabled[Period] = true;
        break;
    case S::FormTavo:
        domain(o.isEmpty() ? QString() : o.join(QString()) + QLatin1Char('.') + QString::fromLatin1(s->host));
        v.enabled[Period] = true;
        break;
    default: break;
    }
    if (!showsStatus(d, pos)) {
        for (int c : {Server, Domain, Id, Pw})
            v.text[c].clear();
        v.clearStatus = true;
    }
    return v;
}

void TDdnsForm::choose(PropNetddns& d, const QString& type)
{
    setText(d.type, type);
    const S::Service* s = S::find(d.type, int(sizeof d.type));
    if (s && (s->form == S::FormDynDns || s->form == S::FormNoIp)) {
        std::memset(d.domain, 0, sizeof d.domain);
        std::memset(d.id, 0, sizeof d.id);
        std::memset(d.pw, 0, sizeof d.pw);
    }
}

bool TDdnsForm::typeServer(PropNetddns& d, const QString& text)
{
    if (!isHostService(S::find(d.type, int(sizeof d.type))))
        return false;
    setText(d.server, text);
    setText(d.domain, composedName(d.mac, textOf(d.server)));
    return true;
}

bool TDdnsForm::showsStatus(const PropNetddns& d, int pos)
{
    if (pos != 0)
        return true;
    const S::Service* s = S::find(d.type, int(sizeof d.type));
    return s && (s->form == S::FormShortName || s->form == S::FormUpperCase);
}
