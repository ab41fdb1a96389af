#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

// A file the recorder writes onto the external medium (an exported log or
// configuration). It is written under a temporary name beside its target,
// made exclusively so a link planted there cannot redirect it, synced, and
// only then renamed to the chosen name: a stick pulled or a power cut in the
// middle of the write never leaves a cut file under that name. A file not
// committed is removed.
class TMediaFile
{
public:
    // target: a unit path ("/backup/x.conf").
    explicit TMediaFile(const QString& target);
    ~TMediaFile();
    TMediaFile(const TMediaFile&) = delete;
    TMediaFile& operator=(const TMediaFile&) = delete;

    // Makes the temporary file. False when it cannot be made.
    bool open();
    // Appends data; false when not all of it was written.
    bool write(const char* data, qint64 size);
    bool write(const QByteArray& data) { return write(data.constData(), data.size()); }
    // Flushes and syncs what was written and gives it its name; with ok
    // false, or when any step fails, removes it instead. The outcome.
    bool commit(bool ok = true);

private:
    void discard();

    QString m_target;
    QByteArray m_temp; // the host path of the temporary file
    QFile m_file;
};
