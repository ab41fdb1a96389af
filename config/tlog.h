#pragma once
#include "logrecord.h"

#include <QObject>
#include <QString>

class QDateTime;
class QRecursiveMutex;

// The recorder's user-visible event history: a file with one header block and
// a ring of 5000 record blocks, written by the device control layer (the only
// writer) and read back by ring index for the system-log page and its export.
// The working file lives in RAM; the device layer copies it to flash.
class TLog : public QObject
{
    Q_OBJECT
public:
    enum {
        LOG_MAGIC = 0x20100419,
        BLOCK_SIZE = 76,  // header and records alike
        RING_SIZE = 5000, // record slots
        SHOWN_MAX = 4750, // records shown at most; the rest are overwritten next
        PATH_SIZE = 256
    };

    // Opens (creating or repairing) the file at a unit path ("/tmp/SYSTEM.log").
    explicit TLog(const char* path);
    ~TLog() override;

    // Opens the file, creating it when missing and starting an empty ring when
    // its header is unreadable or inconsistent. A path that does not fit the
    // 255 characters of m_path leaves the log closed.
    void open(const char* path);
    // Appends one record dated now (when null) or at *when; user and contents
    // may be null. Reopens a closed log first; failures stay in the debug output.
    void log_write(int code, const char* user, const char* contents, const QDateTime* when);
    // Reads ring slot i (0..4999) in host order, its texts terminated. 1 on
    // success; 0 with out untouched when closed; 0 with out zeroed for a short
    // read or a slot outside the ring.
    int log_read(int i, LogRecord* out);
    // Records shown: 0 closed, 4750 once wrapped, else the write index capped at 4750.
    int count() const;
    // Ring position of the oldest shown record, up to 5249 (readers take it modulo 5000).
    int startIndex() const;
    // The last record written successfully (zeroed before the first).
    void lastRecord(LogRecord* out) const;
    // One display line: event name, " " and contents when any, "[user]" when any.
    QString toText(const LogRecord* rec) const;
    void close();
    // fsync of the open file; -1 when closed.
    int sync();
    // The unit path the log was opened on.
    const char* path() const { return m_path; }

    // Byte-order hooks between file (big-endian) and host; toHost 1 reads from
    // the file, 0 writes to it. src and dst may be the same record.
    static void convHeader(int toHost, const LogHeader* src, LogHeader* dst);
    static void convRecord(int toHost, const LogRecord* src, LogRecord* dst);

private:
    bool writeHeader();

    LogHeader m_hdr;
    int m_fd;
    char m_path[PATH_SIZE];
    LogRecord m_last;
    QRecursiveMutex* m_mutex;
};
