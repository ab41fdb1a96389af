#include "tconfig.h"
#include "tflashfile.h"
#include "townerthread.h"
#include "tpath.h"
#include "tproperty.h"
#include "trunner.h"

#include <QDate>
#include <QFile>
#include <QSet>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QTextCodec>
#include <QTime>

#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcConfig)

namespace {

// The intermediate commit file in flash. A model file shorter than
// kMinModelFile bytes is taken as torn, and the start-up copy falls back to it.
const char kCommitFile[] = "/dvr/config.tmp";
const qint64 kMinModelFile = 11;

// An imported file is read twice and parsed whole by the settings reader; a
// full 20-channel configuration is well below 1 MiB, so anything beyond
// kMaxImportFile is not a configuration file of this unit.
const qint64 kMaxImportFile = 4 * 1024 * 1024;

// The UTF-8 byte order mark.
const char kUtf8Bom[] = "\xef\xbb\xbf";

// Sections compared and moved between the copies, and the range copied by
// copyProperty (all but the two capability caches).
const int kFirstEdit = 1;
const int kLastEdit = 32;
const int kLastCopied = 34;

bool inEditRange(int idx)
{
    return unsigned(idx) >= unsigned(kFirstEdit) && unsigned(idx) <= unsigned(kLastEdit);
}

bool sameSection(const TProperty* a, const TProperty* b, int idx)
{
    return std::memcmp(a->section(idx), b->section(idx), size_t(TProperty::sectionSize(idx))) == 0;
}

void copySection(TProperty* dst, const TProperty* src, int idx)
{
    std::memcpy(dst->section(idx), src->section(idx), size_t(TProperty::sectionSize(idx)));
}

// Hands out both copies of a section before apply or revert joins them: the
// edit copy into newOut, the live copy into oldOut, each when given. 1 when
// the two differ.
int handOut(const TProperty* edit, const TProperty* live, int idx, void* newOut, void* oldOut)
{
    const size_t size = size_t(TProperty::sectionSize(idx));
    if (newOut)
        std::memcpy(newOut, edit->section(idx), size);
    if (oldOut)
        std::memcpy(oldOut, live->section(idx), size);
    return sameSection(edit, live, idx) ? 0 : 1;
}

// The INI groups ("[NAME]" lines) of a configuration file, read at most
// kMaxImportFile bytes; ok false when the file cannot be read.
QSet<QByteArray> groupsOf(const QString& unitPath, bool* ok)
{
    QSet<QByteArray> groups;
    QFile f(TPath::map(unitPath));
    *ok = f.open(QIODevice::ReadOnly);
    qint64 left = kMaxImportFile;
    while (*ok && left > 0 && !f.atEnd()) {
        const QByteArray line = f.readLine(4096).trimmed();
        left -= line.size() + 1;
        if (line.size() > 2 && line.startsWith('[') && line.endsWith(']'))
            groups.insert(line.mid(1, line.size() - 2));
    }
    return groups;
}

// Text a settings file may hold: UTF-8 without NUL bytes or other control
// characters than tab and line ends. A file that holds others was damaged
// or made by something else, and the settings reader would take what it
// finds around them as keys.
bool cleanText(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const uchar u = uchar(c);
        if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7f)
            return false;
    }
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

QByteArray fieldText(const char* field, int width)
{
    return QByteArray(field, int(qstrnlen(field, uint(width))));
}

} // namespace

TConfig::TextFunc TConfig::s_text = nullptr;

void TConfig::setTextHook(TextFunc text)
{
    s_text = text;
}

QString TConfig::text(int id)
{
    return s_text ? s_text(id) : QString();
}

TConfig::TConfig(QString confPath, const PropDevices* devices, const PropDefault* defaults)
    : QObject(nullptr)
{
    // Other threads hand their work on the store over to this one.
    TOwnerThread::prepare();
    // The RAM file keeps the model file's base name.
    const QStringList parts = confPath.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    m_tmpPath = QStringLiteral("/tmp/%1").arg(parts.isEmpty() ? QString() : parts.last());
    m_confPath = confPath;

    // A model file cut short by an interrupted commit is useless; the commit
    // file then holds the last complete configuration.
    const QFileInfo model(TPath::map(m_confPath));
    const QString source = (!model.exists() || model.size() < kMinModelFile)
                               ? QString::fromLatin1(kCommitFile)
                               : m_confPath;
    if (TFlashFile::copy(source, m_tmpPath) != 0)
        qCDebug(lcConfig, "TConfig::TConfig copy failed src:%s", qPrintable(source));
    // Edit copies of a run that crashed are still in the RAM folder.
    TProperty::removeStaleFiles();

    std::memset(&m_devices, 0, sizeof m_devices);
    if (devices)
        std::memcpy(&m_devices, devices, sizeof m_devices);
    std::memset(&m_encoderCapability, 0, sizeof m_encoderCapability);

    m_live = new TProperty(m_tmpPath, devices, defaults);
    m_edit = new TProperty(QString(), devices, defaults);
}

TConfig::~TConfig()
{
    delete m_edit;
    delete m_live;
}

void* TConfig::getsection(int idx, int live)
{
    if (unsigned(idx) >= unsigned(IDX_PROP_COUNT))
        return nullptr;
    return (live ? m_live : m_edit)->section(idx);
}

// Every entry point that reads or changes the copies or their files runs in
// the thread that owns the store (the GUI thread, where the pages edit the
// copies): a call from another thread is handed over and waited for. The
// settings object is not thread-safe, and a sync by one thread in the middle
// of another's save used to corrupt it and lose the save. Work the owner
// could not take in time is not done and answers failed.
template <class R, class F>
static R onOwner(TConfig* store, const char* what, R failed, F f)
{
    R r = failed;
    if (!TOwnerThread::call(store, [&] { r = f(); }))
        qCWarning(lcConfig, "TConfig::%s not taken by the store's thread", what);
    return r;
}

int TConfig::ismodified()
{
    return onOwner(this, "ismodified", 0, [&] { return ismodifiedHere(); });
}

int TConfig::apply(int idx, void* newOut, void* oldOut, int save)
{
    return onOwner(this, "apply", 0, [&] { return applyHere(idx, newOut, oldOut, save); });
}

int TConfig::revert(int idx, void* newOut, void* oldOut)
{
    return onOwner(this, "revert", 0, [&] { return revertHere(idx, newOut, oldOut); });
}

void TConfig::setdefault(int idx)
{
    onOwner(this, "setdefault", 0, [&] { setdefaultHere(idx); return 0; });
}

int TConfig::save(int idx)
{
    return onOwner(this, "save", -1, [&] { return saveHere(idx); });
}

void TConfig::setdevices(int idx, const PropDevices* rec)
{
    onOwner(this, "setdevices", 0, [&] { setdevicesHere(idx, rec); return 0; });
}

int TConfig::commitfile()
{
    return onOwner(this, "commitfile", 1, [&] { return commitfileHere(); });
}

int TConfig::reload(QString file)
{
    return onOwner(this, "reload", -1, [&] { return reloadHere(file); });
}

int TConfig::ismodifiedHere()
{
    for (int idx = kFirstEdit; idx <= kLastEdit; ++idx) {
        if (!sameSection(m_live, m_edit, idx))
            return 1;
    }
    return 0;
}

int TConfig::applyHere(int idx, void* newOut, void* oldOut, int save)
{
    if (!inEditRange(idx))
        return 0;
    const int changed = handOut(m_edit, m_live, idx, newOut, oldOut);
    copySection(m_live, m_edit, idx);
    if (changed && save)
        saveHere(idx);
    return changed;
}

int TConfig::revertHere(int idx, void* newOut, void* oldOut)
{
    if (!inEditRange(idx))
        return 0;
    const int changed = handOut(m_edit, m_live, idx, newOut, oldOut);
    copySection(m_edit, m_live, idx);
    return changed;
}

void TConfig::setdefaultHere(int idx)
{
    m_edit->setDefault(idx);
}

int TConfig::saveHere(int idx)
{
    // QSettings syncs through QSaveFile, which does not report its fsync.
    int failed = m_live->save(idx < 0 ? -1 : idx);
    if (!failed)
        failed = TFlashFile::sync(m_tmpPath);
    m_ramSaved = !failed;
    return failed ? -1 : 0;
}

void TConfig::setdevicesHere(int idx, const PropDevices* rec)
{
    if (idx != IDX_PROP_DEVICES || !rec)
        return;
    // rec may point into one of the copies; keep it before anything changes.
    PropDevices given;
    std::memcpy(&given, rec, sizeof given);

    // Both copies reload every section from their files, DEVICES included:
    // write the new record into each file first, or the reload would bring
    // back the old one.
    std::memcpy(&m_edit->m_devices, &given, sizeof given);
    m_edit->save(IDX_PROP_DEVICES);
    std::memcpy(&m_live->m_devices, &given, sizeof given);
    saveHere(IDX_PROP_DEVICES);
    m_live->load(-1);
    m_edit->load(-1);
    // Fields the file does not hold (device words, relay count) come from
    // the record as given.
    std::memcpy(&m_live->m_devices, &given, sizeof given);
    std::memcpy(&m_edit->m_devices, &given, sizeof given);
}

void TConfig::copyProperty(TProperty* dst, const TProperty* src)
{
    if (!dst || !src || dst == src)
        return;
    for (int idx = 0; idx <= kLastCopied; ++idx)
        copySection(dst, src, idx);
    if (m_live)
        dst->m_devices.version = m_live->m_devices.version;
}

int TConfig::commitfileHere()
{
    // After a failed save the RAM file may be old or cut short; it reaches
    // flash only once it holds every save again.
    if (!m_ramSaved) {
        m_ramSaved = m_live->resync() == 0 && TFlashFile::sync(m_tmpPath) == 0;
        if (!m_ramSaved) {
            qCDebug(lcConfig, "TConfig::commitfile RAM file not saved:%s", qPrintable(m_tmpPath));
            return 1;
        }
    }
    // A RAM file too short to be a configuration would make the model file
    // look torn at the next start; keep the last good one instead.
    const QFileInfo ram(TPath::map(m_tmpPath));
    if (!ram.exists() || ram.size() < kMinModelFile) {
        qCDebug(lcConfig, "TConfig::commitfile no RAM file:%s", qPrintable(m_tmpPath));
        return 1;
    }
    // A RAM file that lost sections (removed and written again by a single
    // section's save) would replace every other setting with its default at
    // the next start: it must hold the device record and every section the
    // flash file holds.
    if (!ramHoldsSections()) {
        qCDebug(lcConfig, "TConfig::commitfile RAM file lacks sections:%s", qPrintable(m_tmpPath));
        return 4;
    }
    // Each copy lands in a temporary file that is synced and then renamed
    // over its target: the commit file and the model file are each either
    // the old or the new configuration, never a mix, and a failed step
    // leaves the model file as the last commit made it.
    if (TFlashFile::copy(m_tmpPath, QString::fromLatin1(kCommitFile)) != 0) {
        qCDebug(lcConfig, "TConfig::commitfile step:1 failed");
        return 2;
    }
    if (TFlashFile::copy(QString::fromLatin1(kCommitFile), m_confPath) != 0) {
        qCDebug(lcConfig, "TConfig::commitfile step:3 failed");
        return 3;
    }
    return 0;
}

bool TConfig::ramHoldsSections() const
{
    bool ok = false;
    const QSet<QByteArray> ram = groupsOf(m_tmpPath, &ok);
    if (!ok || !ram.contains(TProperty::groupName(IDX_PROP_DEVICES)))
        return false;
    bool flashOk = false;
    QSet<QByteArray> flash = groupsOf(m_confPath, &flashOk);
    if (!flashOk)
        flash = groupsOf(QString::fromLatin1(kCommitFile), &flashOk);
    return !flashOk || ram.contains(flash);
}

bool TConfig::wholeImport(const QString& copy) const
{
    QFile f(TPath::map(copy));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = f.read(kMaxImportFile + 1);
    f.close();
    // Editors may put a byte order mark ahead of the text; the settings
    // reader skips it.
    if (bytes.startsWith(kUtf8Bom))
        bytes.remove(0, int(sizeof kUtf8Bom) - 1);
    // A file cut inside its last line ends without a line end, and that
    // line may still read as a key ("pw00=s3c").
    if (!bytes.endsWith('\n') || !cleanText(bytes))
        return false;
    const QSettings theirs(TPath::map(copy), QSettings::IniFormat);
    if (theirs.status() != QSettings::NoError)
        return false;
    const QStringList keys = theirs.allKeys();
    const QSet<QString> held(keys.cbegin(), keys.cend());
    // The keys of the sections a full save writes depend on the model's
    // counts alone, so every file of this model holds them, another unit's
    // export too. The other groups are left out: the device record, the
    // caches of the device's own tables and capabilities, and the presets
    // and search options, which are in a file only once they were saved
    // there.
    QSet<QString> fullSave;
    for (int idx = 0; idx < IDX_PROP_COUNT; ++idx) {
        if (TProperty::inFullSave(idx))
            fullSave.insert(QString::fromLatin1(TProperty::groupName(idx)));
    }
    // The live copy's store is the unit's own file (the RAM copy, every
    // section of it saved at start).
    for (const QString& key : m_live->allKeys()) {
        if (fullSave.contains(key.section(QLatin1Char('/'), 0, 0)) && !held.contains(key))
            return false;
    }
    return true;
}

int TConfig::reloadHere(QString file)
{
    if (file.isEmpty()) {
        copyProperty(m_edit, m_live);
        return 0;
    }

    // The file comes from a stick or the network: only a plain file of a
    // plausible size is read, and only through a private copy, because the
    // import writes the unit's device record into the file it loads.
    const QFileInfo info(TPath::map(file));
    if (!info.isFile() || info.size() > kMaxImportFile) {
        qCDebug(lcConfig, "TConfig::reload WARNING!! not a configuration file:%s",
                qPrintable(file));
        return -1;
    }
    const QString copy = TProperty::privateFileName();
    if (TFlashFile::copy(file, copy) != 0) {
        qCDebug(lcConfig, "TConfig::reload WARNING!! unreadable:%s", qPrintable(file));
        TRunner::removeFile(copy);
        return -1;
    }

    // A file cut short (a stick pulled during its export) or damaged would
    // load every key it lacks from the factory defaults: the
    // administrator's password empty, the address 0.0.0.0. It must be clean
    // text, end with a whole line and hold every key of the unit's own file.
    if (!wholeImport(copy)) {
        qCDebug(lcConfig, "TConfig::reload WARNING!! damaged or incomplete:%s", qPrintable(file));
        TRunner::removeFile(copy);
        return -1;
    }

    int result = -1;
    {
        TProperty imported(copy);
        const PropDevices& theirs = imported.m_devices;
        const PropDevices& ours = m_live->m_devices;
        if (qstrncmp(theirs.model, ours.model, sizeof ours.model) != 0
            || theirs.videos != ours.videos) {
            qCDebug(lcConfig, "TConfig::reload WARNING!! szmodel:%s videos:%d",
                    fieldText(theirs.model, sizeof theirs.model).constData(), theirs.videos);
        } else {
            // Read the file again with the unit's own device record, so every
            // per-channel table is read for the unit's counts, not for the
            // counts the file claims.
            PropDevices unit;
            std::memcpy(&unit, &m_edit->m_devices, sizeof unit);
            std::memcpy(&imported.m_devices, &unit, sizeof unit);
            imported.save(IDX_PROP_DEVICES);
            imported.load(-1);
            // What the unit itself reports stays this unit's: its MAC
            // address and the PTZ driver and time-zone tables of its device.
            char mac[sizeof m_live->m_netddns.mac];
            std::memcpy(mac, m_live->m_netddns.mac, sizeof mac);
            copyProperty(m_edit, &imported);
            const int32_t version = m_edit->m_devices.version;
            std::memcpy(&m_edit->m_devices, &unit, sizeof unit);
            m_edit->m_devices.version = version;
            std::memcpy(m_edit->m_netddns.mac, mac, sizeof mac);
            std::memcpy(&m_edit->m_ptzdrv, &m_live->m_ptzdrv, sizeof m_edit->m_ptzdrv);
            std::memcpy(&m_edit->m_timezone, &m_live->m_timezone, sizeof m_edit->m_timezone);
            result = 0;
        }
    }
    TRunner::removeFile(copy);
    return result;
}

QString TConfig::timetext(int hour, int minute, int second)
{
    const QTime t(hour, minute, second, 0);
    const bool ampm = m_live->m_dtform.time == 1;
    return QLocale::c().toString(t, ampm ? QStringLiteral("A hh:mm:ss")
                                         : QStringLiteral("HH:mm:ss"));
}

QString TConfig::datetext(int year, int month, int day)
{
    const QDate d(year, month, day);
    switch (m_live->m_dtform.date) {
    case 1: return QLocale::c().toString(d, QStringLiteral("MM/dd/yyyy"));
    case 2: return QLocale::c().toString(d, QStringLiteral("dd/MM/yyyy"));
    default: return QLocale::c().toString(d, QStringLiteral("yyyy/MM/dd"));
    }
}

int TConfig::sectionhint(int kind)
{
    return kind == 0 ? 14 : 0;
}
