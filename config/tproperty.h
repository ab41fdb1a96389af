#pragma once
#include "propsections.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

// The recorder's configuration record and its INI file in one object: the 37
// section records plus the settings file they are loaded from and saved to.
//
// Sections are loaded, saved and reset through one dispatch table in
// tproperty.cpp (group name, loader, saver, default setter per index). A
// section whose loader is not yet in the table is not read by load(): its
// record keeps what it held (zero after construction). A section without a
// saver is not written, one without a default setter is not reset. The
// section code lives in tproperty-<area>.cpp, one file per group of sections.
//
// Backing store: a named instance works on that file (mapped under the runtime
// root). An instance made with an empty name (the configuration object's edit
// copy) must not share Qt's single process-wide in-memory store with other
// such instances, so it gets a private file of its own in the RAM folder
// ("/tmp/.tproperty-<pid>-<n>.conf"), which its destructor removes. Its
// savers and loaders then behave exactly as on a real file, and no two edit
// copies ever see each other's keys. A process that crashed leaves its
// private files behind; removeStaleFiles() clears them at the next start.
class TProperty : public QSettings
{
    Q_OBJECT
public:
    // Opens the settings on fileName. With both records: writes DEVICES and
    // DEFAULT from them, syncs, then load(-1). Without: only load(-1).
    TProperty(const QString& fileName, const PropDevices* devices = nullptr,
              const PropDefault* defaults = nullptr);
    ~TProperty() override;

    // One section, or all in the load order when idx is negative.
    void load(int idx);
    // One section, or the full-save set when idx is negative; always syncs.
    // 0 when the file then holds the whole store, -1 when the write failed
    // or was cut short (the store keeps the values; the next save that
    // succeeds writes them all).
    int save(int idx);
    // Writes the whole store to the file again after a failed save; 0 or -1
    // as save.
    int resync();
    // One section's defaults, or every resettable one when idx is negative.
    // Writes nothing to the file.
    void setDefault(int idx);

    // The record of section idx (0..36), null outside; and its size in bytes
    // (0 outside). The configuration object copies and compares through these.
    void* section(int idx);
    const void* section(int idx) const;
    static int sectionSize(int idx);
    // The INI group of section idx as written in the file; null outside 0..36.
    static const char* groupName(int idx);
    // True when a full save (a negative index) writes section idx: 1..17
    // and 19..31, whose keys are fixed by the device's counts alone.
    static bool inFullSave(int idx);

    // A fresh unit path for a private file in the RAM folder (the edit
    // copy's, an import's working copy).
    static QString privateFileName();
    // Removes the private files of processes that no longer run (left by a
    // crash); the number removed.
    static int removeStaleFiles();

    // ---- Counts of the device record, clamped to the record tables ----------
    // (a file or device may give anything; loops and indexes use these)
    int channels() const;     // videos, 0..20
    int audioInputs() const;  // audios, 0..20
    int sensorInputs() const; // sensors, 0..20
    int textInputs() const;   // txtin, 0..20
    int alarmOutputs() const; // alarmouts, 0..23
    int disks() const;        // storage, 0..16
    int userCount() const;    // users, 0..8
    // Bound m of the split-mode fields for a channel count.
    static int splitModeMax(int videos);
    // The OEM variant, or -1 (the generic branch) when no defaults object exists.
    static int oem();

    // ---- Shared list encodings of INI values ----------------------------------
    // Two-digit field list: each number "%02d", separated by one blank.
    static QString fieldList(const int* values, int count);
    // Reads a two-digit field list the way it was printed: up to count numbers,
    // each taking at most two characters after optional blanks; stops at the
    // first that does not convert. Returns how many were read; values of the
    // others are left as they were.
    static int scanFieldList(const QByteArray& text, int* values, int count);
    // Digit string: one character '0' + value per element, no separator.
    static QString digitString(const uint8_t* values, int count);
    // Decimal value of character i of a digit string; 0 when the text is
    // shorter or the character is not a digit.
    static int digitAt(const QByteArray& text, int i);
    // Indexed keys: the element number(s) printed into the key by a format.
    static QString indexedKey(const char* format, int i);
    static QString indexedKey(const char* format, int i, int j);

    // ---- Section records (declared order) ------------------------------------
    PropDefault m_default{};
    PropDevices m_devices{};
    PropDtform m_dtform{};
    PropInfobar m_infobar{};
    PropOsd m_osd{};
    PropDisplay m_display{};
    PropSpothd m_spothd{};
    PropSpot m_spot{};
    PropColor m_color{};
    PropRecord m_record{};
    PropGroup m_group{};
    PropSchedule m_schedule{};
    PropHoliday m_holiday{};
    PropEvent m_event{};
    PropCamera m_camera{};
    PropPrivate m_private{};
    PropAudio m_audio{};
    PropMotion m_motion{};
    PropAlarm m_alarm{};
    PropPreset m_preset{};
    PropPtz m_ptz{};
    PropControl m_control{};
    PropNetaddr m_netaddr{};
    PropNetport m_netport{};
    PropNetddns m_netddns{};
    PropNetemail m_netemail{};
    PropNetcontrol m_netcontrol{};
    PropDatetime m_datetime{};
    PropUser m_user{};
    PropStorage m_storage{};
    PropSmart m_smart{};
    PropSearchopt m_searchopt{};
    PropPtzdrv m_ptzdrv{};
    PropTimezone m_timezone{};
    AvcCaps m_avcCaps{};
    DalCaps m_dalCaps{};
    PropPos m_pos{};

    // ---- Per-section operations -----------------------------------------------
    // Device and display sections (tproperty-device.cpp)
    void loadDevices();
    void saveDevices();
    void defOsd();
    void loadOsd();
    void saveOsd();
    void defDisplay();
    void loadDisplay();
    void saveDisplay();
    void defDtform();
    void loadDtform();
    void saveDtform();
    void defInfobar();
    void loadInfobar();
    void saveInfobar();
    void defSpothd();
    void loadSpothd();
    void saveSpothd();
    void defSpot();
    void loadSpot();
    void saveSpot();
    void defColor();
    void loadColor();
    void saveColor();

    // Recording sections (tproperty-record.cpp)
    void makeDefRecordEntry(RecordEntry* out, int channel) const;
    void makeDefEvent(uint8_t out[PROP_MAX_CH][PROP_MAX_CH]) const;
    int calcRecordLoad(const RecordEntry table[PROP_MAX_CH]) const;
    void defRecord();
    void loadRecord();
    void saveRecord();
    void defGroup();
    void loadGroup();
    void saveGroup();
    void defSchedule();
    void loadSchedule();
    void saveSchedule();
    void defHoliday();
    void loadHoliday();
    void saveHoliday();
    void defEvent();
    void loadEvent();
    void saveEvent();

    // Camera, privacy, audio and motion sections (tproperty-camera.cpp)
    void makeDefCamera(PropCamera& rec) const;
    void defCamera();
    void loadCamera();
    void saveCamera();
    void makeDefPrivate(PropPrivate& rec) const;
    void defPrivate();
    void loadPrivate();
    void savePrivate();
    void defAudio();
    void loadAudio();
    void saveAudio();
    void makeDefMotion(PropMotion& rec) const;
    void defMotion();
    void loadMotion();
    void saveMotion();

    // Alarm, preset, PTZ, POS, controller and PTZ driver sections
    // (tproperty-alarm.cpp)
    void makeDefAlarm(PropAlarm& rec) const;
    void defAlarm();
    void loadAlarm();
    void saveAlarm();
    void makeDefPreset(PropPreset& rec) const;
    void defPreset();
    void loadPreset();
    void savePreset();
    void makeDefPtz(PropPtz& rec) const;
    void defPtz();
    void loadPtz();
    void savePtz();
    void defPos();
    void loadPos();
    void savePos();
    void defControl();
    void loadControl();
    void saveControl();
    void loadPtzdrv();
    void savePtzdrv();

    // Network sections (tproperty-net.cpp)
    void defNetaddr();
    void loadNetaddr();
    void saveNetaddr();
    void defNetport();
    void loadNetport();
    void saveNetport();
    void defNetemail();
    void loadNetemail();
    void saveNetemail();
    RecordEntry makeDefNetcontrol(int channel) const;
    void defNetcontrol();
    void loadNetcontrol();
    void saveNetcontrol();
    void defNetddns();
    void loadNetddns();
    void saveNetddns();

    // Date-time, user, storage, S.M.A.R.T., search and time-zone sections
    // (tproperty-user.cpp)
    void defDatetime();
    void loadDatetime();
    void saveDatetime();
    void defUser();
    void loadUser();
    void saveUser();
    void defStorage();
    void loadStorage();
    void saveStorage();
    void defSmart();
    void loadSmart();
    void saveSmart();
    void defSearchopt();
    void loadSearchopt();
    void saveSearchopt();
    void loadTimezone();
    void saveTimezone();

    // Factory defaults section (tproperty.cpp, through TDefault)
    void defDefault();
    void loadDefault();
    void saveDefault();

    // Capability caches (tproperty-caps.cpp)
    void loadAvcCaps();
    void saveAvcCaps();
    void loadDalCaps();
    void saveDalCaps();

protected:
    // ---- Key access inside an open group (every section uses these) ----------
    // A saver's start: enter the group and remove every key of it.
    void beginSave(const char* group);
    // Integer: a missing key gives fallback, a text that is no number 0, a
    // number beyond 32 bits saturates (so range checks still catch it).
    int readInt(const QString& key, int fallback);
    // Unsigned 32-bit word (masks): the same rules, saturating at 0 and 2^32-1.
    uint32_t readUInt(const QString& key, uint32_t fallback);
    // Flag: "0", "false" (any case) or an empty value give 0, anything else 1.
    int readBool(const QString& key, int fallback);
    double readDouble(const QString& key, double fallback);
    // The UTF-8 bytes of a text value.
    QByteArray readBytes(const QString& key, const QByteArray& fallback);
    // A text into a fixed field: at most N-1 bytes, NUL-terminated, the rest
    // of the field zeroed. The fallback may be the field itself.
    template <int N>
    void readText(const QString& key, char (&field)[N], const char* fallback)
    {
        copyText(field, N, readBytes(key, QByteArray(fallback, int(qstrnlen(fallback, N)))));
    }
    // A text field up to its terminator (or its full width when unterminated).
    template <int N>
    void writeText(const QString& key, const char (&field)[N])
    {
        writeText(key, field, N);
    }
    void writeText(const QString& key, const char* field, int width);
    static void copyText(char* field, int width, const QByteArray& text);

private:
    static QString backingFile(const QString& fileName);
    void orderRepair(int32_t* orders, int n);
    void loadOrders(int32_t* orders);
    void saveOrders(const int32_t* orders);

    QString m_privateFile; // the edit copy's own file, removed at destruction
};
