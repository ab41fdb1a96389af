// Date-time, user, storage, S.M.A.R.T., search-option and time-zone sections:
// DATETIME, USER, STORAGE, SMART, SEARCHOPT and TIMEZONE.
#include "tdefault.h"
#include "tproperty.h"

#include <QLoggingCategory>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// Variant 5 replaces the factory time server by a regional pool.
const char kRegionalNtpHost[] = "asia.pool.ntp.org";

void setField(char* field, int width, const char* text, int textWidth)
{
    std::memset(field, 0, size_t(width));
    qstrncpy(field, text, uint(width < textWidth ? width : textWidth));
}

template <int N, int M>
void setField(char (&field)[N], const char (&text)[M])
{
    setField(field, N, text, M);
}

QString flagString(const uint8_t* flags, int count)
{
    QString out;
    for (int i = 0; i < count; ++i)
        out += QLatin1Char(flags[i] ? '1' : '0');
    return out;
}

void readFlags(const QByteArray& text, uint8_t* flags, int count)
{
    const QByteArray t = text.left(PROP_MAX_CH);
    for (int i = 0; i < count; ++i)
        flags[i] = (i < t.size() && t.at(i) == '1') ? 1 : 0;
}

} // namespace

// ---- DATETIME -------------------------------------------------------------------------

void TProperty::defDatetime()
{
    std::memset(&m_datetime, 0, sizeof m_datetime);
    setField(m_datetime.tz, m_default.tzone);
    setField(m_datetime.server, m_default.server);
    m_datetime.dst = 0;
    m_datetime.check = 2;
    m_datetime.diff = 0;
}

void TProperty::loadDatetime()
{
    defDatetime();
    PropDatetime& t = m_datetime;
    beginGroup(QStringLiteral("DATETIME"));
    t.dst = readBool(QStringLiteral("dst"), t.dst);
    t.check = readInt(QStringLiteral("check"), t.check);
    if (t.check < 0 || t.check > 5)
        t.check = 0;
    t.diff = readInt(QStringLiteral("diff"), t.diff);
    readText(QStringLiteral("server"), t.server, t.server);
    if (oem() == 5) {
        PropDefault factory;
        TDefault::setDefaults(&factory);
        if (qstrcmp(t.server, factory.server) == 0)
            setField(t.server, kRegionalNtpHost);
    }
    readText(QStringLiteral("tz"), t.tz, t.tz);
    // A zone name is longer than five characters; anything shorter is damage.
    if (qstrlen(t.tz) <= 5 || oem() == 5)
        setField(t.tz, m_default.tzone);
    endGroup();
}

void TProperty::saveDatetime()
{
    const PropDatetime& t = m_datetime;
    beginSave("DATETIME");
    setValue(QStringLiteral("dst"), t.dst);
    setValue(QStringLiteral("check"), t.check);
    setValue(QStringLiteral("diff"), t.diff);
    writeText(QStringLiteral("server"), t.server);
    writeText(QStringLiteral("tz"), t.tz);
    endGroup();
}

// ---- USER ---------------------------------------------------------------------------------
// Passwords are kept in plain text: the device layer writes them into the web
// account file as they are.

void TProperty::defUser()
{
    std::memset(&m_user, 0, sizeof m_user);
    m_user.autolock = m_default.autolock;
    UserAccount& admin = m_user.user[0];
    setField(admin.id, "admin");
    admin.setup = admin.search = admin.backup = admin.ptz = admin.network = 1;
    const int variant = oem();
    for (int u = 0; u < PROP_MAX_USERS; ++u) {
        UserAccount& a = m_user.user[u];
        if (variant == 3 || variant == 5) {
            setField(a.pw, "50738216");
            if (u > 0)
                qsnprintf(a.id, sizeof a.id, "user%d", u);
        } else if (variant == 10) {
            setField(a.pw, "604182");
        }
        std::memset(a.camlocal, 1, sizeof a.camlocal);
        std::memset(a.camnet, 1, sizeof a.camnet);
    }
    qCDebug(lcConfig, "defUser.. autolock:%d", m_user.autolock);
}

// User 0 is always "admin" with every right and every camera; its stored
// password stays.
void TProperty::loadUser()
{
    defUser();
    const int users = userCount();
    const int cameras = channels();
    beginGroup(QStringLiteral("USER"));
    m_user.autolock = readInt(QStringLiteral("autolock"), m_user.autolock);
    for (int u = 0; u < users; ++u) {
        UserAccount& a = m_user.user[u];
        readText(indexedKey("id%02d", u), a.id, a.id);
        if (oem() == 5 && a.id[0] == '\0')
            qsnprintf(a.id, sizeof a.id, "user%d", u);
        readText(indexedKey("pw%02d", u), a.pw, a.pw);
        a.setup = uint8_t(readBool(indexedKey("setup%02d", u), a.setup));
        a.search = uint8_t(readBool(indexedKey("search%02d", u), a.search));
        a.backup = uint8_t(readBool(indexedKey("backup%02d", u), a.backup));
        a.ptz = uint8_t(readBool(indexedKey("ptz%02d", u), a.ptz));
        a.network = uint8_t(readBool(indexedKey("network%02d", u), a.network));
        readFlags(readBytes(indexedKey("camlocal%02d", u), QByteArray()), a.camlocal, cameras);
        readFlags(readBytes(indexedKey("camnet%02d", u), QByteArray()), a.camnet, cameras);
        if (u == 0) {
            std::memset(a.camlocal, 1, size_t(cameras));
            std::memset(a.camnet, 1, size_t(cameras));
            setField(a.id, "admin");
            a.setup = a.search = a.backup = a.ptz = a.network = 1;
        }
    }
    endGroup();
}

void TProperty::saveUser()
{
    const int users = userCount();
    const int cameras = channels();
    beginSave("USER");
    setValue(QStringLiteral("autolock"), m_user.autolock);
    for (int u = 0; u < users; ++u) {
        const UserAccount& a = m_user.user[u];
        writeText(indexedKey("id%02d", u), a.id);
        writeText(indexedKey("pw%02d", u), a.pw);
        setValue(indexedKey("setup%02d", u), int(a.setup));
        setValue(indexedKey("search%02d", u), int(a.search));
        setValue(indexedKey("backup%02d", u), int(a.backup));
        setValue(indexedKey("ptz%02d", u), int(a.ptz));
        setValue(indexedKey("network%02d", u), int(a.network));
        setValue(indexedKey("camlocal%02d", u), flagString(a.camlocal, cameras));
        setValue(indexedKey("camnet%02d", u), flagString(a.camnet, cameras));
    }
    endGroup();
}

// ---- STORAGE -----------------------------------------------------------------------------

void TProperty::defStorage()
{
    std::memset(&m_storage, 0, sizeof m_storage);
    m_storage.overwrite = 1;
    m_storage.alarm_type = m_default.alarm_type;
    if (oem() == 5)
        m_storage.alarm[0] = 1;
}

void TProperty::loadStorage()
{
    defStorage();
    PropStorage& s = m_storage;
    const int n = disks();
    beginGroup(QStringLiteral("STORAGE"));
    s.overwrite = readBool(QStringLiteral("overwrite"), s.overwrite);
    s.mirror = readBool(QStringLiteral("mirror"), s.mirror);
    s.autodelete = readInt(QStringLiteral("autodelete"), s.autodelete);
    for (int d = 0; d < n; ++d)
        s.alarm[d] = readInt(indexedKey("alarm[%02d]", d), s.alarm[d]);
    s.alarm_type = readInt(QStringLiteral("alarm_type"), s.alarm_type);
    endGroup();
}

void TProperty::saveStorage()
{
    const PropStorage& s = m_storage;
    const int n = disks();
    beginSave("STORAGE");
    setValue(QStringLiteral("overwrite"), s.overwrite);
    setValue(QStringLiteral("mirror"), s.mirror);
    setValue(QStringLiteral("autodelete"), s.autodelete);
    for (int d = 0; d < n; ++d)
        setValue(indexedKey("alarm[%02d]", d), s.alarm[d]);
    setValue(QStringLiteral("alarm_type"), s.alarm_type);
    endGroup();
}

// ---- SMART -------------------------------------------------------------------------------
// The alarm output is a relay: 0..relays, the relay count as the fallback.

void TProperty::defSmart()
{
    std::memset(&m_smart, 0, sizeof m_smart);
    m_smart.heat = 9; // 55 degrees
    m_smart.alarm = alarmOutputs() - 3;
}

void TProperty::loadSmart()
{
    defSmart();
    PropSmart& s = m_smart;
    const int relays = alarmOutputs() - 3;
    beginGroup(QStringLiteral("SMART"));
    s.on = readBool(QStringLiteral("on"), s.on);
    s.alarm = readInt(QStringLiteral("alarm"), s.alarm);
    if (s.alarm < 0 || s.alarm > relays)
        s.alarm = relays;
    s.day = readInt(QStringLiteral("day"), s.day);
    if (uint32_t(s.day) > 6)
        s.day = 0;
    s.time = readInt(QStringLiteral("time"), s.time);
    if (uint32_t(s.time) > 5)
        s.time = 0;
    s.errorcnt = readInt(QStringLiteral("errorcnt"), s.errorcnt);
    if (uint32_t(s.errorcnt) > 6)
        s.errorcnt = 0;
    s.heat = readInt(QStringLiteral("heat"), s.heat);
    if (uint32_t(s.heat) > 12)
        s.heat = 0;
    endGroup();
}

void TProperty::saveSmart()
{
    const PropSmart& s = m_smart;
    beginSave("SMART");
    setValue(QStringLiteral("on"), s.on);
    setValue(QStringLiteral("alarm"), s.alarm);
    setValue(QStringLiteral("day"), s.day);
    setValue(QStringLiteral("time"), s.time);
    setValue(QStringLiteral("errorcnt"), s.errorcnt);
    setValue(QStringLiteral("heat"), s.heat);
    endGroup();
}

// ---- SEARCHOPT --------------------------------------------------------------------------

void TProperty::defSearchopt()
{
    std::memset(&m_searchopt, 0, sizeof m_searchopt);
    m_searchopt.Interval = 4; // 2 hours
    m_searchopt.pos = 1;
    m_searchopt.Visible = 1;
}

void TProperty::loadSearchopt()
{
    defSearchopt();
    PropSearchopt& o = m_searchopt;
    beginGroup(QStringLiteral("SEARCHOPT"));
    o.deinterlace = readBool(QStringLiteral("deinterlace"), o.deinterlace);
    o.pos = readBool(QStringLiteral("pos"), o.pos);
    o.Mode = readInt(QStringLiteral("Mode"), o.Mode);
    o.Type = readInt(QStringLiteral("Type"), o.Type);
    o.Channel = readInt(QStringLiteral("Channel"), o.Channel);
    o.Interval = readInt(QStringLiteral("Interval"), o.Interval);
    o.Visible = readInt(QStringLiteral("Visible"), o.Visible);
    o.Range = readInt(QStringLiteral("Range"), o.Range);
    o.DateOverlap = readInt(QStringLiteral("DateOverlap"), o.DateOverlap);
    endGroup();
}

void TProperty::saveSearchopt()
{
    const PropSearchopt& o = m_searchopt;
    beginSave("SEARCHOPT");
    setValue(QStringLiteral("deinterlace"), o.deinterlace);
    setValue(QStringLiteral("pos"), o.pos);
    setValue(QStringLiteral("Mode"), o.Mode);
    setValue(QStringLiteral("Type"), o.Type);
    setValue(QStringLiteral("Channel"), o.Channel);
    setValue(QStringLiteral("Interval"), o.Interval);
    setValue(QStringLiteral("Visible"), o.Visible);
    setValue(QStringLiteral("Range"), o.Range);
    setValue(QStringLiteral("DateOverlap"), o.DateOverlap);
    endGroup();
}

// ---- TIMEZONE ----------------------------------------------------------------------------
// The device's own list of zones. A stored count is kept inside the table
// (0..80): the count bounds every reader's loop over the zones.

void TProperty::loadTimezone()
{
    PropTimezone& z = m_timezone;
    beginGroup(QStringLiteral("TIMEZONE"));
    int cnt = readInt(QStringLiteral("cnt"), 0);
    cnt = cnt < 0 ? 0 : (cnt > PROP_MAX_TIMEZONES ? int(PROP_MAX_TIMEZONES) : cnt);
    z.cnt = cnt;
    for (int i = 0; i < cnt; ++i) {
        readText(indexedKey("local%d", i), z.zone[i].local, "");
        z.zone[i].dst = readBool(indexedKey("dst%d", i), 0);
    }
    endGroup();
}

void TProperty::saveTimezone()
{
    const PropTimezone& z = m_timezone;
    const int cnt = z.cnt < 0 ? 0 : (z.cnt > PROP_MAX_TIMEZONES ? int(PROP_MAX_TIMEZONES) : z.cnt);
    beginSave("TIMEZONE");
    setValue(QStringLiteral("cnt"), cnt);
    for (int i = 0; i < cnt; ++i) {
        writeText(indexedKey("local%d", i), z.zone[i].local);
        setValue(indexedKey("dst%d", i), z.zone[i].dst);
    }
    endGroup();
}
