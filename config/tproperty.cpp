#include "tproperty.h"
#include "appglobals.h"
#include "tdefault.h"
#include "tpath.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QVariant>

#include <cstdio>
#include <cstring>
#include <limits>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// One row per section index: its INI group and its operations. A null entry
// means the section has no such operation here (yet): load leaves the record
// as it is, save does not touch the group, setDefault does not reset it.
struct SectionOps {
    const char* group;
    void (TProperty::*load)();
    void (TProperty::*save)();
    void (TProperty::*def)();
};

const SectionOps kSections[IDX_PROP_COUNT] = {
    /* 0 */ {"DEVICES", &TProperty::loadDevices, &TProperty::saveDevices, nullptr},
    /* 1 */ {"OSD", &TProperty::loadOsd, &TProperty::saveOsd, &TProperty::defOsd},
    /* 2 */ {"DISPLAY", &TProperty::loadDisplay, &TProperty::saveDisplay, &TProperty::defDisplay},
    /* 3 */ {"DTFORM", &TProperty::loadDtform, &TProperty::saveDtform, &TProperty::defDtform},
    /* 4 */ {"INFOBAR", &TProperty::loadInfobar, &TProperty::saveInfobar, &TProperty::defInfobar},
    /* 5 */ {"SPOTHD", &TProperty::loadSpothd, &TProperty::saveSpothd, &TProperty::defSpothd},
    /* 6 */ {"SPOT", &TProperty::loadSpot, &TProperty::saveSpot, &TProperty::defSpot},
    /* 7 */ {"COLOR", &TProperty::loadColor, &TProperty::saveColor, &TProperty::defColor},
    /* 8 */ {"RECORD", &TProperty::loadRecord, &TProperty::saveRecord, &TProperty::defRecord},
    /* 9 */ {"GROUP", &TProperty::loadGroup, &TProperty::saveGroup, &TProperty::defGroup},
    /* 10 */ {"SCHEDULE", &TProperty::loadSchedule, &TProperty::saveSchedule, &TProperty::defSchedule},
    /* 11 */ {"HOLIDAY", &TProperty::loadHoliday, &TProperty::saveHoliday, &TProperty::defHoliday},
    /* 12 */ {"EVENT", &TProperty::loadEvent, &TProperty::saveEvent, &TProperty::defEvent},
    /* 13 */ {"CAMERA", &TProperty::loadCamera, &TProperty::saveCamera, &TProperty::defCamera},
    /* 14 */ {"PRIVATE", &TProperty::loadPrivate, &TProperty::savePrivate, &TProperty::defPrivate},
    /* 15 */ {"AUDIO", &TProperty::loadAudio, &TProperty::saveAudio, &TProperty::defAudio},
    /* 16 */ {"MOTION", &TProperty::loadMotion, &TProperty::saveMotion, &TProperty::defMotion},
    /* 17 */ {"ALARM", &TProperty::loadAlarm, &TProperty::saveAlarm, &TProperty::defAlarm},
    /* 18 */ {"PRESET", &TProperty::loadPreset, &TProperty::savePreset, &TProperty::defPreset},
    /* 19 */ {"PTZ", &TProperty::loadPtz, &TProperty::savePtz, &TProperty::defPtz},
    /* 20 */ {"POS", &TProperty::loadPos, &TProperty::savePos, &TProperty::defPos},
    /* 21 */ {"CONTROL", &TProperty::loadControl, &TProperty::saveControl, &TProperty::defControl},
    /* 22 */ {"NETADDR", &TProperty::loadNetaddr, &TProperty::saveNetaddr, &TProperty::defNetaddr},
    /* 23 */ {"NETPORT", &TProperty::loadNetport, &TProperty::saveNetport, &TProperty::defNetport},
    /* 24 */ {"NETEMAIL", &TProperty::loadNetemail, &TProperty::saveNetemail, &TProperty::defNetemail},
    /* 25 */ {"NETCONTROL", &TProperty::loadNetcontrol, &TProperty::saveNetcontrol, &TProperty::defNetcontrol},
    /* 26 */ {"NETDDNS", &TProperty::loadNetddns, &TProperty::saveNetddns, &TProperty::defNetddns},
    /* 27 */ {"DATETIME", &TProperty::loadDatetime, &TProperty::saveDatetime, &TProperty::defDatetime},
    /* 28 */ {"USER", &TProperty::loadUser, &TProperty::saveUser, &TProperty::defUser},
    /* 29 */ {"STORAGE", &TProperty::loadStorage, &TProperty::saveStorage, &TProperty::defStorage},
    /* 30 */ {"SMART", &TProperty::loadSmart, &TProperty::saveSmart, &TProperty::defSmart},
    /* 31 */ {"DEFAULT", &TProperty::loadDefault, &TProperty::saveDefault, &TProperty::defDefault},
    /* 32 */ {"SEARCHOPT", &TProperty::loadSearchopt, &TProperty::saveSearchopt, &TProperty::defSearchopt},
    /* 33 */ {"PTZDRV", &TProperty::loadPtzdrv, &TProperty::savePtzdrv, nullptr},
    /* 34 */ {"TIMEZONE", &TProperty::loadTimezone, &TProperty::saveTimezone, nullptr},
    /* 35 */ {"AvcCaps", &TProperty::loadAvcCaps, &TProperty::saveAvcCaps, nullptr},
    /* 36 */ {"DalCaps", &TProperty::loadDalCaps, &TProperty::saveDalCaps, nullptr},
};

// DEVICES before every section whose defaults or checks use the counts;
// DEFAULT after the sections whose defaults copy fields of it.
const int kLoadOrder[] = {33, 34, 35, 36, 0, 3, 4, 1, 2, 5, 6, 7, 13, 8, 9, 10, 11, 12, 14,
                          15, 16, 17, 18, 19, 21, 22, 23, 26, 24, 25, 27, 28, 29, 30, 31, 32, 20};
// A full save: every section in 1..17 and 19..31. DEVICES, PRESET, SEARCHOPT
// and the device caches are written only by their own index.
const int kSaveOrder[] = {3, 1, 4, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                          16, 17, 19, 21, 22, 20, 23, 26, 24, 25, 27, 28, 29, 30, 31};
// A full reset: DEVICES, DEFAULT and the device caches are never reset.
const int kDefaultOrder[] = {3, 4, 1, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                             17, 18, 19, 21, 20, 22, 23, 26, 24, 25, 27, 28, 29, 30, 32};

static_assert(sizeof kLoadOrder / sizeof kLoadOrder[0] == IDX_PROP_COUNT, "load order");

QAtomicInt g_privateCounter;

int clampCount(int count, int size)
{
    return count < 0 ? 0 : (count > size ? size : count);
}

} // namespace

TProperty::TProperty(const QString& fileName, const PropDevices* devices,
                     const PropDefault* defaults)
    : QSettings(backingFile(fileName), QSettings::IniFormat)
{
    if (fileName.isEmpty())
        m_privateFile = QSettings::fileName();
    setIniCodec("UTF-8");
    if (devices && defaults) {
        std::memcpy(&m_devices, devices, sizeof m_devices);
        std::memcpy(&m_default, defaults, sizeof m_default);
        saveDevices();
        saveDefault();
        sync();
    }
    load(-1);
}

TProperty::~TProperty()
{
    if (!m_privateFile.isEmpty()) {
        // Flush first so the base destructor has nothing left to write.
        sync();
        QFile::remove(m_privateFile);
    }
}

QString TProperty::backingFile(const QString& fileName)
{
    if (!fileName.isEmpty())
        return TPath::map(fileName);
    const QString path = TPath::map(QStringLiteral("/tmp/.tproperty-%1-%2.conf")
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(g_privateCounter.fetchAndAddRelaxed(1)));
    // A file left by an earlier process of the same id must not leak in.
    QFile::remove(path);
    return path;
}

void TProperty::load(int idx)
{
    qCDebug(lcConfig, "TProperty::load idx:%d\n", idx);
    for (int s : kLoadOrder) {
        if (idx >= 0 && idx != s)
            continue;
        // Through a local: g++ 12's bounds sanitizer misreads a member
        // pointer called straight out of the table.
        const auto fn = kSections[s].load;
        if (fn)
            (this->*fn)();
    }
}

void TProperty::save(int idx)
{
    if (idx < 0) {
        for (int s : kSaveOrder) {
            const auto fn = kSections[s].save;
            if (fn)
                (this->*fn)();
        }
    } else if (idx < IDX_PROP_COUNT) {
        const auto fn = kSections[idx].save;
        if (fn)
            (this->*fn)();
    }
    sync();
}

void TProperty::setDefault(int idx)
{
    if (idx >= IDX_PROP_COUNT)
        return;
    // The DDNS MAC text is the unit's own and survives every reset.
    char mac[sizeof m_netddns.mac];
    std::memcpy(mac, m_netddns.mac, sizeof mac);
    for (int s : kDefaultOrder) {
        if (idx >= 0 && idx != s)
            continue;
        const auto fn = kSections[s].def;
        if (fn)
            (this->*fn)();
    }
    if (idx < 0 || idx == IDX_PROP_NETDDNS)
        std::memcpy(m_netddns.mac, mac, sizeof mac);
}

void* TProperty::section(int idx)
{
    return const_cast<void*>(static_cast<const TProperty*>(this)->section(idx));
}

const void* TProperty::section(int idx) const
{
    switch (idx) {
    case IDX_PROP_DEVICES: return &m_devices;
    case IDX_PROP_OSD: return &m_osd;
    case IDX_PROP_DISPLAY: return &m_display;
    case IDX_PROP_DTFORM: return &m_dtform;
    case IDX_PROP_INFOBAR: return &m_infobar;
    case IDX_PROP_SPOTHD: return &m_spothd;
    case IDX_PROP_SPOT: return &m_spot;
    case IDX_PROP_COLOR: return &m_color;
    case IDX_PROP_RECORD: return &m_record;
    case IDX_PROP_GROUP: return &m_group;
    case IDX_PROP_SCHEDULE: return &m_schedule;
    case IDX_PROP_HOLIDAY: return &m_holiday;
    case IDX_PROP_EVENT: return &m_event;
    case IDX_PROP_CAMERA: return &m_camera;
    case IDX_PROP_PRIVATE: return &m_private;
    case IDX_PROP_AUDIO: return &m_audio;
    case IDX_PROP_MOTION: return &m_motion;
    case IDX_PROP_ALARM: return &m_alarm;
    case IDX_PROP_PRESET: return &m_preset;
    case IDX_PROP_PTZ: return &m_ptz;
    case IDX_PROP_POS: return &m_pos;
    case IDX_PROP_CONTROL: return &m_control;
    case IDX_PROP_NETADDR: return &m_netaddr;
    case IDX_PROP_NETPORT: return &m_netport;
    case IDX_PROP_NETEMAIL: return &m_netemail;
    case IDX_PROP_NETCONTROL: return &m_netcontrol;
    case IDX_PROP_NETDDNS: return &m_netddns;
    case IDX_PROP_DATETIME: return &m_datetime;
    case IDX_PROP_USER: return &m_user;
    case IDX_PROP_STORAGE: return &m_storage;
    case IDX_PROP_SMART: return &m_smart;
    case IDX_PROP_DEFAULT: return &m_default;
    case IDX_PROP_SEARCHOPT: return &m_searchopt;
    case IDX_PROP_PTZDRV: return &m_ptzdrv;
    case IDX_PROP_TIMEZONE: return &m_timezone;
    case IDX_PROP_AVCCAPS: return &m_avcCaps;
    case IDX_PROP_DALCAPS: return &m_dalCaps;
    default: return nullptr;
    }
}

int TProperty::sectionSize(int idx)
{
    static const int kSizes[IDX_PROP_COUNT] = {
        sizeof(PropDevices), sizeof(PropOsd), sizeof(PropDisplay), sizeof(PropDtform),
        sizeof(PropInfobar), sizeof(PropSpothd), sizeof(PropSpot), sizeof(PropColor),
        sizeof(PropRecord), sizeof(PropGroup), sizeof(PropSchedule), sizeof(PropHoliday),
        sizeof(PropEvent), sizeof(PropCamera), sizeof(PropPrivate), sizeof(PropAudio),
        sizeof(PropMotion), sizeof(PropAlarm), sizeof(PropPreset), sizeof(PropPtz),
        sizeof(PropPos), sizeof(PropControl), sizeof(PropNetaddr), sizeof(PropNetport),
        sizeof(PropNetemail), sizeof(PropNetcontrol), sizeof(PropNetddns), sizeof(PropDatetime),
        sizeof(PropUser), sizeof(PropStorage), sizeof(PropSmart), sizeof(PropDefault),
        sizeof(PropSearchopt), sizeof(PropPtzdrv), sizeof(PropTimezone), sizeof(AvcCaps),
        sizeof(DalCaps),
    };
    return idx >= 0 && idx < IDX_PROP_COUNT ? kSizes[idx] : 0;
}

const char* TProperty::groupName(int idx)
{
    return idx >= 0 && idx < IDX_PROP_COUNT ? kSections[idx].group : nullptr;
}

// ---- Counts -------------------------------------------------------------------

int TProperty::channels() const { return clampCount(m_devices.videos, PROP_MAX_CH); }
int TProperty::audioInputs() const { return clampCount(m_devices.audios, PROP_MAX_CH); }
int TProperty::sensorInputs() const { return clampCount(m_devices.sensors, PROP_MAX_CH); }
int TProperty::textInputs() const { return clampCount(m_devices.txtin, PROP_MAX_CH); }
int TProperty::alarmOutputs() const { return clampCount(m_devices.alarmouts, PROP_MAX_ALARMOUT); }
int TProperty::disks() const { return clampCount(m_devices.storage, PROP_MAX_DISKS); }
int TProperty::userCount() const { return clampCount(m_devices.users, PROP_MAX_USERS); }

int TProperty::splitModeMax(int videos)
{
    switch (videos) {
    case 8: return 2;
    case 16: return 3;
    case 20: return 4;
    case 32: return 5;
    default: return 1;
    }
}

int TProperty::oem()
{
    return g_default ? g_default->getOem() : -1;
}

// ---- List encodings -------------------------------------------------------------

QString TProperty::fieldList(const int* values, int count)
{
    QString out;
    for (int i = 0; i < count; ++i) {
        if (i)
            out += QLatin1Char(' ');
        out += QString::asprintf("%02d", values[i]);
    }
    return out;
}

int TProperty::scanFieldList(const QByteArray& text, int* values, int count)
{
    // constData() is NUL-terminated; each step consumes what "%2d" took.
    const char* p = text.constData();
    int read = 0;
    for (; read < count; ++read) {
        int v = 0;
        int used = 0;
        if (std::sscanf(p, " %2d%n", &v, &used) != 1)
            break;
        values[read] = v;
        p += used;
    }
    return read;
}

QString TProperty::digitString(const uint8_t* values, int count)
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out += QChar(ushort('0' + values[i]));
    return out;
}

int TProperty::digitAt(const QByteArray& text, int i)
{
    if (i < 0 || i >= text.size())
        return 0;
    const char c = text.at(i);
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

QString TProperty::indexedKey(const char* format, int i)
{
    return QString::asprintf(format, i);
}

QString TProperty::indexedKey(const char* format, int i, int j)
{
    return QString::asprintf(format, i, j);
}

// ---- Key access ---------------------------------------------------------------------

void TProperty::beginSave(const char* group)
{
    beginGroup(QLatin1String(group));
    remove(QString());
}

int TProperty::readInt(const QString& key, int fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok)
        return 0;
    if (n > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (n < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(n);
}

uint32_t TProperty::readUInt(const QString& key, uint32_t fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok)
        return 0;
    if (n < 0)
        return 0;
    if (n > qlonglong(std::numeric_limits<uint32_t>::max()))
        return std::numeric_limits<uint32_t>::max();
    return uint32_t(n);
}

int TProperty::readBool(const QString& key, int fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback ? 1 : 0;
    // QVariant's own rule for texts: empty, "0" and "false" in any case are false.
    return v.toBool() ? 1 : 0;
}

double TProperty::readDouble(const QString& key, double fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    return v.toDouble();
}

QByteArray TProperty::readBytes(const QString& key, const QByteArray& fallback)
{
    const QVariant v = value(key);
    if (!v.isValid())
        return fallback;
    return v.toByteArray();
}

void TProperty::copyText(char* field, int width, const QByteArray& text)
{
    // text is a copy of its own, even when the fallback was the field itself.
    std::memset(field, 0, size_t(width));
    qstrncpy(field, text.constData(), uint(width));
}

void TProperty::writeText(const QString& key, const char* field, int width)
{
    setValue(key, QString::fromUtf8(field, int(qstrnlen(field, uint(width)))));
}

// ---- DEFAULT: the factory defaults record, read and written like the
// defaults file ---------------------------------------------------------------------

void TProperty::defDefault()
{
    TDefault::setDefaults(&m_default);
}

void TProperty::loadDefault()
{
    TDefault::read(this, &m_default);
}

void TProperty::saveDefault()
{
    TDefault::write(this, &m_default);
}
