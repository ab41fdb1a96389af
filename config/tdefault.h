#pragma once
#include "propdefault.h"

#include <QSettings>

class QString;

// The unit's factory defaults file and the OEM variant it names. Read once at
// start; the variant stays fixed for the whole run.
class TDefault : public QSettings
{
public:
    enum { OEM_COUNT = 13 };

    explicit TDefault(const QString& path);

    // Reads the file into the object's record and the caller's, then matches
    // the OEM id. Always 0: a missing file gives the factory values.
    int load(PropDefault* out);
    int getOem() const { return m_oemId; }
    // 0 and the variant set when the record's oem names a row of the table,
    // -1 (variant unchanged) otherwise.
    int checkOem();
    void setRecord(const PropDefault* rec);
    const PropDefault& record() const { return m_record; }

    static void setDefaults(PropDefault* rec);
    // Reads group "DEFAULT" of any settings object into rec, the factory
    // values as fallbacks; the same procedure serves the configuration file.
    static void read(QSettings* s, PropDefault* rec);
    static void write(QSettings* s, const PropDefault* rec);
    // The OEM id of a table row, or null outside 0..12.
    static const char* oemName(int row);

private:
    PropDefault m_record;
    int m_oemId;
};
