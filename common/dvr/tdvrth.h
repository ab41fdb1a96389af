#pragma once
#include <QString>
#include <QThread>

class QFile;
class TDVRAPI;

// The facade's job thread: one long job at a time, chosen by a mode: the
// system log exported as text, the configuration exported, or a firmware
// image from the external medium checked and staged for the upgrade. The
// facade starts it (readyForrun, then start) and learns its end through
// finished(). Every job reports through the facade's status messages and
// says "Failed" for work it could not do.
class TDvrTh : public QThread
{
    Q_OBJECT
public:
    enum Mode { MODE_LOG_EXPORT = 2, MODE_EVENT_LOG_EXPORT = 3, MODE_CONF_EXPORT = 4, MODE_UPGRADE = 5, MODE_NONE = 6 };

    explicit TDvrTh(TDVRAPI* api);

    // Stores the job and its file argument for the next start.
    void readyForrun(int mode, const QString& arg);
    // The pause that keeps a job's result on screen before it ends
    // (3000 ms; tests shorten it).
    void setEndDelay(int ms) { m_endDelay = ms; }

    int m_mode = MODE_NONE;
    QString m_arg;
    // The firmware check's result: 0 checksum mismatch, 1 valid, 2 another
    // model (a network upgrade stores its own check here too).
    int m_result = 0;

protected:
    void run() override;

private:
    void saveLog();
    void exportConf();
    void upgradeExtSd();

    // False, after reporting "Same File Exist", when the target holds data.
    bool targetFree(const QString& target);
    void status(const QString& text);
    // The result stays on screen a while before the job ends.
    void endDelay();
    // Copies a file and compares the copy with its source; a failed copy
    // is removed.
    static bool copyChecked(const QString& from, const QString& to);
    // Moves the checked image into place and unpacks the upgrade tool.
    bool stageImage(const QString& version);

    TDVRAPI* m_api;
    int m_endDelay = 3000;
};
