#pragma once
#include "quickoption.h"

#include <QSettings>

class QString;

// The quick-options file ("/dvr/quickOpt.conf", group "QUICKOPTION"): the
// device facade's small run-time state. save() syncs and flushes the file to
// the disk, so a clean shutdown (timeAlive 0) is never lost to a power cut
// and later taken for an abnormal reset.
class TQuickOpt : public QSettings
{
public:
    explicit TQuickOpt(const QString& path);

    void load();
    // False when the file could not be written or synced.
    bool save();
    // Stores t (does not save) and returns the previous value.
    int setTimeAlive(int t);
    int timeAlive() const { return m_option.timeAlive; }
    void setPal();
    void clearVideoType();
    // Zeroes the record, then order = 0..19 (does not save).
    void setDefaultOrder();

    QuickOption& record() { return m_option; }
    const QuickOption& record() const { return m_option; }

private:
    QuickOption m_option;
};
