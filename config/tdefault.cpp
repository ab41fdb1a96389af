#include "tdefault.h"
#include "tpath.h"
#include "utf8cut.h"

#include <QLoggingCategory>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

const char* const kOemTable[TDefault::OEM_COUNT] = {
    "qz", "9vexo", "tavonr", "zeb", "wendrix", "lumo", "pexa",
    "orva", "sibo", "ulm", "feto", "m7fari", "govel",
};

template <int N>
void setText(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    qstrncpy(field, text, N);
}

template <int N>
void readText(QSettings* s, const char* key, char (&field)[N])
{
    const QByteArray v = s->value(QLatin1String(key), QByteArray(field)).toByteArray();
    std::memset(field, 0, N);
    // Cut before the character the field has no room for, not through it.
    const int n = utf8WholeLen(v.constData(), int(qstrnlen(v.constData(), uint(v.size()))), N - 1);
    std::memcpy(field, v.constData(), size_t(n));
}

void readInt(QSettings* s, const char* key, int32_t& field)
{
    field = s->value(QLatin1String(key), field).toInt();
}

} // namespace

TDefault::TDefault(const QString& path)
    : QSettings(TPath::map(path), QSettings::IniFormat)
    , m_oemId(0)
{
    // Texts of the records are UTF-8; without a codec QSettings would take
    // each byte of the file as one Latin-1 character and hand back every
    // non-ASCII text encoded twice.
    setIniCodec("UTF-8");
    std::memset(&m_record, 0, sizeof m_record);
}

void TDefault::setDefaults(PropDefault* rec)
{
    std::memset(rec, 0, sizeof *rec);
    setText(rec->oem, kOemTable[0]);
    setText(rec->tzone, "GMT+09:00 Seoul");
    setText(rec->lang, "English");
    rec->dhcpon = 1;
    rec->dnsauto = 0;
    setText(rec->name, "DVR 1");
    setText(rec->ip, "0.0.0.0");
    setText(rec->mask, "255.255.255.0");
    setText(rec->gateway, "0.0.0.0");
    setText(rec->dns, "9.9.9.9");
    rec->alarm_type = 0;
    rec->dur = 3;
    rec->serverport = 0;
    setText(rec->szserverip, "");
    setText(rec->server, "pool.ntp.org");
    rec->resolution = 0;
    rec->cvbs = 0;
    rec->audioout = 1;
    rec->dvr_id = 0;
    rec->autolock = 10;
    rec->type = 1;
    rec->cridx = 1;
    rec->cfidx = 3;
    rec->efidx = 5;
    rec->cqual = 0;
    rec->equal = 0;
}

void TDefault::read(QSettings* s, PropDefault* rec)
{
    setDefaults(rec);
    s->beginGroup(QStringLiteral("DEFAULT"));
    readText(s, "oem", rec->oem);
    readText(s, "tzone", rec->tzone);
    readText(s, "lang", rec->lang);
    readInt(s, "dhcpon", rec->dhcpon);
    readText(s, "name", rec->name);
    readText(s, "ip", rec->ip);
    readInt(s, "dnsauto", rec->dnsauto);
    readText(s, "mask", rec->mask);
    readText(s, "gateway", rec->gateway);
    readText(s, "dns", rec->dns);
    readInt(s, "alarm_type", rec->alarm_type);
    readInt(s, "dur", rec->dur);
    readInt(s, "serverport", rec->serverport);
    readText(s, "szserverip", rec->szserverip);
    readText(s, "server", rec->server);
    readInt(s, "resolution", rec->resolution);
    readInt(s, "cvbs", rec->cvbs);
    readInt(s, "audioout", rec->audioout);
    readInt(s, "dvr_id", rec->dvr_id);
    readInt(s, "autolock", rec->autolock);
    readInt(s, "type", rec->type);
    readInt(s, "cridx", rec->cridx);
    readInt(s, "cfidx", rec->cfidx);
    readInt(s, "efidx", rec->efidx);
    readInt(s, "cqual", rec->cqual);
    readInt(s, "equal", rec->equal);
    s->endGroup();
}

void TDefault::write(QSettings* s, const PropDefault* rec)
{
    auto text = [](const char* field, int width) {
        return QString::fromUtf8(field, int(qstrnlen(field, uint(width))));
    };
    s->beginGroup(QStringLiteral("DEFAULT"));
    s->remove(QString());
    s->setValue("oem", text(rec->oem, sizeof rec->oem));
    s->setValue("tzone", text(rec->tzone, sizeof rec->tzone));
    s->setValue("lang", text(rec->lang, sizeof rec->lang));
    s->setValue("dhcpon", rec->dhcpon);
    s->setValue("name", text(rec->name, sizeof rec->name));
    s->setValue("ip", text(rec->ip, sizeof rec->ip));
    s->setValue("dnsauto", rec->dnsauto);
    s->setValue("mask", text(rec->mask, sizeof rec->mask));
    s->setValue("gateway", text(rec->gateway, sizeof rec->gateway));
    s->setValue("dns", text(rec->dns, sizeof rec->dns));
    s->setValue("alarm_type", rec->alarm_type);
    s->setValue("dur", rec->dur);
    s->setValue("serverport", rec->serverport);
    s->setValue("szserverip", text(rec->szserverip, sizeof rec->szserverip));
    s->setValue("server", text(rec->server, sizeof rec->server));
    s->setValue("resolution", rec->resolution);
    s->setValue("cvbs", rec->cvbs);
    s->setValue("audioout", rec->audioout);
    s->setValue("dvr_id", rec->dvr_id);
    s->setValue("autolock", rec->autolock);
    s->setValue("type", rec->type);
    s->setValue("cridx", rec->cridx);
    s->setValue("cfidx", rec->cfidx);
    s->setValue("efidx", rec->efidx);
    s->setValue("cqual", rec->cqual);
    s->setValue("equal", rec->equal);
    s->endGroup();
}

int TDefault::load(PropDefault* out)
{
    read(this, &m_record);
    if (out)
        std::memcpy(out, &m_record, sizeof m_record);
    checkOem();
    return 0;
}

int TDefault::checkOem()
{
    for (int row = 0; row < OEM_COUNT; ++row) {
        if (qstrcmp(m_record.oem, kOemTable[row]) == 0) {
            m_oemId = row;
            return 0;
        }
    }
    qCDebug(lcConfig, "### err: there is not matched oem");
    return -1;
}

void TDefault::setRecord(const PropDefault* rec)
{
    if (!rec)
        return;
    std::memcpy(&m_record, rec, sizeof m_record);
    checkOem();
}

const char* TDefault::oemName(int row)
{
    return row >= 0 && row < OEM_COUNT ? kOemTable[row] : nullptr;
}
