#pragma once
#include "propsections.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <stdint.h>

class TProperty;

// Ids of the option lists (getdata / getvaluefromindex / getindexfromvalue).
// Id 37 names no list.
enum DataIndex {
    IDX_DATA_DATE_FORMAT = 0,
    IDX_DATA_TIME_FORMAT = 1,
    IDX_DATA_OUTPUT_TYPE = 2,
    IDX_DATA_OSD_ALPHA = 3,
    IDX_DATA_DISPLAY_DEVICE = 4,
    IDX_DATA_SUB_OUTPUT = 5,
    IDX_DATA_DISPLAY_RES = 6,
    IDX_DATA_DWELL = 7,
    IDX_DATA_SPOT_SCREEN = 8,
    IDX_DATA_SEQ_CHANNEL = 9,
    IDX_DATA_REC_MODE = 10,
    IDX_DATA_REC_RES = 11,
    IDX_DATA_NET_RES = 12,
    IDX_DATA_NET_SUBRES = 13,
    IDX_DATA_FPS = 14,
    IDX_DATA_QUALITY = 15,
    IDX_DATA_REC_POST = 16,
    IDX_DATA_REC_PRE = 17,
    IDX_DATA_REC_GROUP = 18,
    IDX_DATA_CAM_SIGNAL = 19,
    IDX_DATA_CHANNEL = 20,
    IDX_DATA_SPOT_SIGNAL = 21,
    IDX_DATA_AUDIO_CHANNEL = 22,
    IDX_DATA_NTP_PERIOD = 23,
    IDX_DATA_AUTOLOCK = 24,
    IDX_DATA_ALARM_DWELL = 25,
    IDX_DATA_ALARM_PRESET = 26,
    IDX_DATA_PTZ_ADDR = 27,
    IDX_DATA_SENSOR_TYPE = 28,
    IDX_DATA_BAUDRATE = 29,
    IDX_DATA_MOTION_SENS = 30,
    IDX_DATA_CONTROL_ID = 31,
    IDX_DATA_CONTROLLER = 32,
    IDX_DATA_DVR_ID = 33,
    IDX_DATA_NET_TYPE = 34,
    IDX_DATA_DDNS_SERVICE = 35,
    IDX_DATA_DDNS_PERIOD = 36,
    IDX_DATA_EMAIL_PERIOD = 38,
    IDX_DATA_AUTODELETE = 39,
    IDX_DATA_WEEKDAY = 40,
    IDX_DATA_SMART_ERRORS = 41,
    IDX_DATA_SMART_PERIOD = 42,
    IDX_DATA_TEMPERATURE = 43,
    IDX_DATA_ALARM_OUT = 44,
    IDX_DATA_SEARCH_MODE = 45,
    IDX_DATA_SEARCH_EVENT = 46,
    IDX_DATA_SEARCHOPT_DUR = 47,
    IDX_DATA_SEARCH_VISIBLE = 48,
    IDX_DATA_SEARCH_RANGE = 49,
    IDX_DATA_YES_NO = 50,
    IDX_DATA_PTZ_DRIVER = 51,
    IDX_DATA_PTZ_DWELL = 52,
    IDX_DATA_TIMEZONE = 53,
    IDX_DATA_BACKUP_MEDIA = 54,
    IDX_DATA_INFOBAR_MODE = 55,
    IDX_DATA_BACKUP_FORMAT = 56,
    IDX_DATA_HDD_DISPLAY = 57,
    IDX_DATA_POS_CHANNEL = 58,
    IDX_DATA_POS_LINES = 59,
    IDX_DATA_OVERLAY_POS = 60,
    IDX_DATA_OVERLAY_TIME = 61,
    IDX_DATA_NUMBER = 62
};

// The program's one configuration object (g_cfg): a live copy of the
// configuration on the RAM file (what the device runs with) and an edit copy
// without a file of its own (what the setup pages change). Sections move
// between the two as whole records; the RAM file reaches flash only through
// commitfile(). The same object maps every choice field between list
// position, stored value and display text (the option lists).
//
// Display texts of the option lists are UI texts by id. The configuration
// store sits below the text catalogue, so main installs the catalogue's text
// function with setTextHook(); without one, catalogue items are empty texts.
class TConfig : public QObject
{
    Q_OBJECT
public:
    // The function that turns a UI text id into its translated text.
    using TextFunc = QString (*)(int id);
    static void setTextHook(TextFunc text);
    // The UI text of an id through the installed function (empty without
    // one); the device facade, which sits below the catalogue too, uses it.
    static QString text(int id);

    // ---- Copies and files (tconfig.cpp) ----------------------------------------
    // confPath: the model file in flash ("/dvr/<model>.conf", a unit path).
    TConfig(QString confPath, const PropDevices* devices, const PropDefault* defaults);
    ~TConfig() override;

    // Section idx (0..36) of the live copy (live non-zero) or of the edit
    // copy; null for any other index.
    void* getsection(int idx, int live);
    // 1 when any section 1..32 differs between the copies.
    int ismodified();
    // Edit copy -> live copy for a section 1..32 (0 and nothing copied
    // otherwise). newOut/oldOut receive the edit and the former live record.
    // Result 1 when they differed; a changed section is saved when save is set.
    int apply(int idx, void* newOut, void* oldOut, int save);
    // Live copy -> edit copy for a section 1..32; no file is touched.
    int revert(int idx, void* newOut, void* oldOut);
    // Defaults into the edit copy (-1: every resettable section).
    void setdefault(int idx);
    // Writes the live copy's section (negative: the full-save set) into the
    // RAM file and syncs it. 0, or -1 when the file could not be written,
    // was cut short or did not sync; commitfile() then refuses to copy the
    // RAM file until it has been written whole again.
    int save(int idx);
    // Sets the device record (idx 0 only) in both copies, then reloads both.
    void setdevices(int idx, const PropDevices* rec);
    // Sections 0..34 of src into dst; dst's version then the live copy's.
    void copyProperty(TProperty* dst, const TProperty* src);
    // Copies the RAM file to flash through "/dvr/config.tmp". Each copy is
    // written to a temporary file, synced and renamed over its target, and
    // the folder synced, with every result checked, so neither file is ever
    // left torn. After a failed save it first writes the RAM file again.
    // 0 on success; the first failing step ends the commit with a non-zero
    // result (the model file is then the one of the last successful commit).
    // A RAM file that lacks the device record or a section the flash file
    // holds is refused (4).
    int commitfile();
    // Empty file: edit copy = live copy, 0. Otherwise imports the file into
    // the edit copy when it is whole (clean text holding every section the
    // unit's own file holds) and its model and channel count are the unit's
    // (0), or refuses it (-1) and leaves both copies unchanged. The unit's device
    // record stays in the edit copy either way.
    int reload(QString file);

    // Display texts by the live copy's date/time format section.
    QString timetext(int hour, int minute, int second);
    QString datetext(int year, int month, int day);
    // Longest camera name the text keyboard accepts (kind 0), else 0.
    int sectionhint(int kind);

    // The model file and the live copy's RAM file (unit paths; the device
    // layer deletes the one and exports the other).
    QString confPath() const { return m_confPath; }
    QString tmpPath() const { return m_tmpPath; }

    // ---- Option lists (tconfig-data.cpp) ---------------------------------------
    // Display texts of list idx in position order. Reads g_cfg for the lists
    // that depend on the configuration. An id that names no list is fatal.
    static QStringList getdata(int idx, int param);
    // The value that position pos of list idx stands for. Lists 14 and 51
    // give an address (of a double frame rate, of a NUL-terminated driver
    // name), so the result is pointer-sized. Unsupported ids are fatal.
    intptr_t getvaluefromindex(int idx, int pos);
    // The position of a value (an integer, or for lists 35, 51 and 53 the
    // address of a NUL-terminated text); 0 when not in the list.
    int getindexfromvalue(int idx, intptr_t value);

    // ---- Recording load (tconfig-budget.cpp; computed by the load budget) ------
    double getrecordload(const RecordEntry* table, int channel);
    bool isoverload(const RecordEntry* table, int limit);
    QString getrecordloadtext(const RecordEntry* table, int channel);

private:
    // The entry points above, run in the store's own thread.
    int ismodifiedHere();
    int applyHere(int idx, void* newOut, void* oldOut, int save);
    int revertHere(int idx, void* newOut, void* oldOut);
    void setdefaultHere(int idx);
    int saveHere(int idx);
    void setdevicesHere(int idx, const PropDevices* rec);
    int commitfileHere();
    int reloadHere(QString file);

    // An import's private copy is clean text (a UTF-8 byte order mark
    // ahead of it allowed) whose last line ends with a line end, and holds
    // every key the unit's own file holds in the sections a full save
    // writes.
    bool wholeImport(const QString& copy) const;
    // The RAM file holds the device record and every section group the
    // flash file (or, without one, the commit file) holds.
    bool ramHoldsSections() const;

    PropDevices m_devices;
    TProperty* m_live = nullptr;
    TProperty* m_edit = nullptr;
    QString m_confPath;
    QString m_tmpPath;
    AvcCaps m_encoderCapability;
    bool m_ramSaved = true; // the RAM file holds every save of the live copy

    static TextFunc s_text;
};
