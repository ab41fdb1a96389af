#include "tproperty.h"
#include "appglobals.h"
#include "tdefault.h"
#include "tpath.h"
#include "utf8cut.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sys/stat.h>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// One row per section index: its INI group and its operations, each given as
// &op<&TProperty::loadX>. A null entry means the section has no such
// operation here (yet): load leaves the record as it is (zero after
// construction), save does not touch the group, setDefault does not reset it.
struct SectionOps {
    const char* group;
    void (*load)(TProperty&);
    void (*save)(TProperty&);
    void (*def)(TProperty&);
};

// A section operation as a plain function: the member is fixed at compile
// time, so the table holds ordinary function pointers.
template <void (TProperty::*F)()>
void op(TProperty& p)
{
    (p.*F)();
}

const SectionOps kSections[IDX_PROP_COUNT] = {
    /* 0 */ {"DEVICES", &op<&TProperty::loadDevices>, &op<&TProperty::saveDevices>, nullptr},
    /* 1 */ {"OSD", &op<&TProperty::loadOsd>, &op<&TProperty::saveOsd>, &op<&TProperty::defOsd>},
    /* 2 */ {"DISPLAY", &op<&TProperty::loadDisplay>, &op<&TProperty::saveDisplay>, &op<&TProperty::defDisplay>},
    /* 3 */ {"DTFORM", &op<&TProperty::loadDtform>, &op<&TProperty::saveDtform>, &op<&TProperty::defDtform>},
    /* 4 */ {"INFOBAR", &op<&TProperty::loadInfobar>, &op<&TProperty::saveInfobar>, &op<&TProperty::defInfobar>},
    /* 5 */ {"SPOTHD", &op<&TProperty::loadSpothd>, &op<&TProperty::saveSpothd>, &op<&TProperty::defSpothd>},
    /* 6 */ {"SPOT", &op<&TProperty::loadSpot>, &op<&TProperty::saveSpot>, &op<&TProperty::defSpot>},
    /* 7 */ {"COLOR", &op<&TProperty::loadColor>, &op<&TProperty::saveColor>, &op<&TProperty::defColor>},
    /* 8 */ {"RECORD", &op<&TProperty::loadRecord>, &op<&TProperty::saveRecord>, &op<&TProperty::defRecord>},
    /* 9 */ {"GROUP", &op<&TProperty::loadGroup>, &op<&TProperty::saveGroup>, &op<&TProperty::defGroup>},
    /* 10 */ {"SCHEDULE", &op<&TProperty::loadSchedule>, &op<&TProperty::saveSchedule>, &op<&TProperty::defSchedule>},
    /* 11 */ {"HOLIDAY", &op<&TProperty::loadHoliday>, &op<&TProperty::saveHoliday>, &op<&TProperty::defHoliday>},
    /* 12 */ {"EVENT", &op<&TProperty::loadEvent>, &op<&TProperty::saveEvent>, &op<&TProperty::defEvent>},
    /* 13 */ {"CAMERA", &op<&TProperty::loadCamera>, &op<&TProperty::saveCamera>, &op<&TProperty::defCamera>},
    /* 14 */ {"PRIVATE", &op<&TProperty::loadPrivate>, &op<&TProperty::savePrivate>, &op<&TProperty::defPrivate>},
    /* 15 */ {"AUDIO", &op<&TProperty::loadAudio>, &op<&TProperty::saveAudio>, &op<&TProperty::defAudio>},
    /* 16 */ {"MOTION", &op<&TProperty::loadMotion>, &op<&TProperty::saveMotion>, &op<&TProperty::defMotion>},
    /* 17 */ {"ALARM", &op<&TProperty::loadAlarm>, &op<&TProperty::saveAlarm>, &op<&TProperty::defAlarm>},
    /* 18 */ {"PRESET", &op<&TProperty::loadPreset>, &op<&TProperty::savePreset>, &op<&TProperty::defPreset>},
    /* 19 */ {"PTZ", &op<&TProperty::loadPtz>, &op<&TProperty::savePtz>, &op<&TProperty::defPtz>},
    /* 20 */ {"POS", &op<&TProperty::loadPos>, &op<&TProperty::savePos>, &op<&TProperty::defPos>},
    /* 21 */ {"CONTROL", &op<&TProperty::loadControl>, &op<&TProperty::saveControl>, &op<&TProperty::defControl>},
    /* 22 */ {"NETADDR", &op<&TProperty::loadNetaddr>, &op<&TProperty::saveNetaddr>, &op<&TProperty::defNetaddr>},
    /* 23 */ {"NETPORT", &op<&TProperty::loadNetport>, &op<&TProperty::saveNetport>, &op<&TProperty::defNetport>},
    /* 24 */ {"NETEMAIL", &op<&TProperty::loadNetemail>, &op<&TProperty::saveNetemail>, &op<&TProperty::defNetemail>},
    /* 25 */ {"NETCONTROL", &op<&TProperty::loadNetcontrol>, &op<&TProperty::saveNetcontrol>, &op<&TProperty::defNetcontrol>},
    /* 26 */ {"NETDDNS", &op<&TProperty::loadNetddns>, &op<&TProperty::saveNetddns>, &op<&TProperty::defNetddns>},
    /* 27 */ {"DATETIME", &op<&TProperty::loadDatetime>, &op<&TProperty::saveDatetime>, &op<&TProperty::defDatetime>},
    /* 28 */ {"USER", &op<&TProperty::loadUser>, &op<&TProperty::saveUser>, &op<&TProperty::defUser>},
    /* 29 */ {"STORAGE", &op<&TProperty::loadStorage>, &op<&TProperty::saveStorage>, &op<&TProperty::defStorage>},
    /* 30 */ {"SMART", &op<&TProperty::loadSmart>, &op<&TProperty::saveSmart>, &op<&TProperty::defSmart>},
    /* 31 */ {"DEFAULT", &op<&TProperty::loadDefault>, &op<&TProperty::saveDefault>, &op<&TProperty::defDefault>},
    /* 32 */ {"SEARCHOPT", &op<&TProperty::loadSearchopt>, &op<&TProperty::saveSearchopt>, &op<&TProperty::defSearchopt>},
    /* 33 */ {"PTZDRV", &op<&TProperty::loadPtzdrv>, &op<&TProperty::savePtzdrv>, nullptr},
    /* 34 */ {"TIMEZONE", &op<&TProperty::loadTimezone>, &op<&TProperty::saveTimezone>, nullptr},
    /* 35 */ {"AvcCaps", &op<&TProperty::loadAvcCaps>, &op<&TProperty::saveAvcCaps>, nullptr},
    /* 36 */ {"DalCaps", &op<&TProperty::loadDalCaps>, &op<&TProperty::saveDalCaps>, nullptr},
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

// Private files of the edit copies and of imports, in the RAM folder:
// "/tmp/.tproperty-<pid>-<n>.conf".
const char kPrivateFolder[] = "/tmp";
const char kPrivatePattern[] = "^\\.tproperty-(\\d+)-\\d+\\.conf$";

// True while a process of that id runs (or may run: an id we may not signal).
bool processRuns(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

// A value as the file gives it back: the INI file keeps numbers and
// flags as text, byte arrays and lists as their own types.
bool sameStored(const QVariant& kept, const QVariant& read)
{
    if (kept.userType() == read.userType())
        return kept == read;
    return kept.toString() == read.toString();
}

// Whether the file of s holds exactly the keys and values of the store, read
// back from the file itself. QSaveFile drops the error of its last flush, a
// sync that failed leaves the former file in place, and the settings' status
// keeps only the first error it met: only the file tells about each save.
// The settings object shares its parsed file with every other object on the
// same path, so the file is read through a private copy of its bytes.
bool fileHoldsStore(const QSettings& s)
{
    const QStringList keys = s.allKeys();
    if (keys.isEmpty())
        return true; // nothing to lose
    const QString path = s.fileName();
    const QString copy = TPath::map(TProperty::privateFileName());
    QFile::remove(copy);
    if (!QFile::copy(path, copy)) {
        qCDebug(lcConfig, "TProperty::save not readable:%s", qPrintable(path));
        return false;
    }
    bool same = true;
    {
        QSettings read(copy, QSettings::IniFormat);
        read.setIniCodec("UTF-8");
        same = read.status() == QSettings::NoError && read.allKeys().size() == keys.size();
        for (int i = 0; same && i < keys.size(); ++i)
            same = sameStored(s.value(keys.at(i)), read.value(keys.at(i)));
    }
    QFile::remove(copy);
    if (!same)
        qCDebug(lcConfig, "TProperty::save file does not hold the store:%s", qPrintable(path));
    return same;
}

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
    } else {
        // Without the records (an imported file), the defaults that copy
        // DEFAULT fields take the factory values until the file's DEFAULT
        // group is loaded last.
        defDefault();
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
    const QString path = TPath::map(privateFileName());
    // A file left by an earlier process of the same id must not leak in.
    QFile::remove(path);
    return path;
}

QString TProperty::privateFileName()
{
    return QStringLiteral("%1/.tproperty-%2-%3.conf")
        .arg(QLatin1String(kPrivateFolder))
        .arg(QCoreApplication::applicationPid())
        .arg(g_privateCounter.fetchAndAddRelaxed(1));
}

int TProperty::removeStaleFiles()
{
    const QDir folder(TPath::map(QLatin1String(kPrivateFolder)));
    const QRegularExpression name{QLatin1String(kPrivatePattern)};
    const qint64 self = QCoreApplication::applicationPid();
    int removed = 0;
    for (const QString& file : folder.entryList({QStringLiteral(".tproperty-*.conf")},
                                                QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = name.match(file);
        if (!m.hasMatch())
            continue;
        bool ok = false;
        const qint64 pid = m.captured(1).toLongLong(&ok);
        if (ok && (pid == self || processRuns(pid)))
            continue;
        if (QFile::remove(folder.filePath(file)))
            ++removed;
    }
    if (removed)
        qCDebug(lcConfig, "TProperty::removeStaleFiles removed:%d", removed);
    return removed;
}

void TProperty::load(int idx)
{
    qCDebug(lcConfig, "TProperty::load idx:%d", idx);
    for (int s : kLoadOrder) {
        if (idx >= 0 && idx != s)
            continue;
        if (kSections[s].load)
            kSections[s].load(*this);
    }
}

int TProperty::save(int idx)
{
    const bool writes = idx < 0 || (idx < IDX_PROP_COUNT && kSections[idx].save);
    const bool wasOk = status() == QSettings::NoError;
    if (idx < 0) {
        for (int s : kSaveOrder) {
            if (kSections[s].save)
                kSections[s].save(*this);
        }
    } else if (writes) {
        kSections[idx].save(*this);
    }
    sync();
    if (!writes)
        return 0;
    // The status keeps the first error for good, so it tells only about
    // the first failure; the file itself tells about every sync.
    if (wasOk && status() != QSettings::NoError)
        return -1;
    return fileHoldsStore(*this) ? 0 : -1;
}

int TProperty::resync()
{
    // QSettings writes only what it takes as changed: set one key to its own
    // value, and the whole store is written again.
    const QStringList keys = allKeys();
    if (keys.isEmpty())
        return 0;
    setValue(keys.first(), value(keys.first()));
    sync();
    return fileHoldsStore(*this) ? 0 : -1;
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
        if (kSections[s].def)
            kSections[s].def(*this);
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

bool TProperty::inFullSave(int idx)
{
    return std::find(std::begin(kSaveOrder), std::end(kSaveOrder), idx) != std::end(kSaveOrder);
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

// Keys are built thousands of times per load, and printf's general machinery
// was a fifth of the load time: the conversions keys use ("%d", "%02d") are
// printed here, anything else goes to snprintf.
namespace {

QString printKey(const char* format, const int* args, int count)
{
    char key[64];
    int n = 0;
    int next = 0;
    for (const char* p = format; *p; ++p) {
        if (n > int(sizeof key) - 16)
            return QString();
        if (*p != '%') {
            key[n++] = *p;
            continue;
        }
        int width = 0;
        if (p[1] == '0' && p[2] >= '1' && p[2] <= '9') {
            width = p[2] - '0';
            p += 2;
        }
        if (p[1] != 'd' || next >= count || args[next] < 0)
            return QString();
        ++p;
        char digits[12];
        int d = 0;
        unsigned v = unsigned(args[next++]);
        do {
            digits[d++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        while (width-- > d)
            key[n++] = '0';
        while (d)
            key[n++] = digits[--d];
    }
    return QString::fromLatin1(key, n);
}

} // namespace

QString TProperty::indexedKey(const char* format, int i)
{
    const QString key = printKey(format, &i, 1);
    return key.isEmpty() ? QString::asprintf(format, i) : key;
}

QString TProperty::indexedKey(const char* format, int i, int j)
{
    const int args[] = {i, j};
    const QString key = printKey(format, args, 2);
    return key.isEmpty() ? QString::asprintf(format, i, j) : key;
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
    if (width <= 0)
        return;
    // Texts are UTF-8: a text that does not fit is cut before the character
    // the cut would split.
    const int n = utf8WholeLen(text.constData(), int(qstrnlen(text.constData(), uint(text.size()))), width - 1);
    std::memcpy(field, text.constData(), size_t(n));
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
