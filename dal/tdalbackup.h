#pragma once
#include "dal.h"
#include "dal_test.h"
#include "tdalbackuphead.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The stand-in's backup devices and backup jobs. A USB stick and an optical
// drive, whose presence and room the tests set, are mounted one at a time at
// "/backup" (a present medium as soon as it is selected, or by
// DalBackupMount, and again when put back into the chosen drive); a medium
// put in or taken out while the program's last device call was a scan
// answers that scan again. The backup source is every
// date of the simulated recording database. One job at a time (an estimate
// or a copy) runs on a thread of its own and reports every step through the
// backup callback; a copy writes a real file under "/backup", a disc's copy
// passing through an image in "/tmp" first. Each file is written under a
// name of its own beside it (TDalFile) and takes its name once whole, its
// medium still there; the room it takes goes from the medium only then. A
// copy whose medium goes away under it fails, and a stopped or failed copy
// leaves no file of its own behind: a file of the same name that was there
// stays as it was. What a copy cut off by a kill left goes when the medium
// is mounted again. A snapshot needs its room on the stick and takes it.
class TDalBackup
{
public:
    static TDalBackup& instance();
    ~TDalBackup();

    // The test driver's full reset: the job ends, media and database go.
    void reset();

    // The Dal calls (see dal.h); results as the device layer gives them.
    int scan();
    int getBd(BdList* list);
    int setBd(int bd);
    int mount();
    int umount();
    int openDb(uint32_t camoff, uint32_t audoff);
    int closeDb();
    int numDate();
    int dateInfo(int idx, BackupDate* date);
    int setFilter(uint32_t camoff, int audoff);
    int setType(int type);
    int estimate(const BackupRange* range);
    int setDvrInfo(const char* name);
    int setCamName(int ch, const char* name);
    int start(int type);
    int stop();
    int snapshot();

    // The test driver.
    void setMedia(int bd, bool present, uint64_t size, bool mounted);
    void setHold(int on);
    void getState(DalTestBackupState* st);

    // Recording bytes per camera and second of a backup.
    static const int kRate = 100;
    // Bytes between two progress reports of a job.
    static const int kBlock = 1000000;

private:
    enum Job { NONE, ESTIMATE, COPY };
    struct Medium {
        bool present = false;
        uint64_t size = 0;     // room left for backups, bytes
        uint64_t capacity = 0; // the room it came with
    };

    TDalBackup();
    // Hands one event to the program on the stand-in's delivery thread;
    // a range goes as the address of the stand-in's own copy.
    static void event(int type, intptr_t value, const std::string& msg = std::string(),
                      const BackupRange* range = nullptr);
    // A job's last event: the job is over before the program hears of it,
    // so a job it starts at once is taken.
    void finish(int type, intptr_t value, const std::string& msg = std::string(),
                const BackupRange* range = nullptr);
    bool usable() const; // the selected medium is present and mounted
    bool kept() const;   // ... and has not gone since the job started
    bool rangeValid(const BackupRange& r) const;
    uint64_t bytesOf(const BackupRange& r) const; // the recording a range holds
    std::string fileName() const;
    TDalBackupHead::Span span() const; // what the copy of the range holds
    // The selected medium goes (pulled, unmounted or another chosen): a
    // job under way has lost it, even if it comes back.
    void dropMedium();
    // Removes what writes cut off by a kill left on the backup medium.
    static void sweepMedium();
    // Starts a job on its thread; false when one runs. The body ends every
    // way out with finish().
    bool launch(Job job, std::function<void()> body);
    // After a progress report of the given kind: waits while the test holds
    // the job there (and, for a copy, its medium is still there). False
    // when the job is to end.
    bool gate(int kind, bool medium);
    void joinJob();
    void runEstimate(BackupRange r);
    void runCopy();
    // Writes total bytes to a file, from a source file or (empty source)
    // from the backup's own header and recording; each block is reported
    // with its number from 1 (a progress report of the given kind), the
    // last once the file is synced, before it takes the target's name.
    // False when the job ends or a write fails; what it wrote is then
    // removed and *stopped tells which. A target that was there stays as it
    // was, unless only the folder's sync failed, after the name was taken.
    bool pump(const std::string& source, const std::string& target, uint64_t total, int kind,
              const std::function<void(int)>& block, bool* stopped);

    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    Medium m_media[2];
    int m_selected = 0;
    bool m_mounted = false;
    bool m_scanWaits = false; // the last device call was a scan: media news answers it
    bool m_chosen = false;    // the program chose the selected drive and has not let go of it
    bool m_lost = false;      // the selected medium went since the job started
    bool m_dbOpen = false;
    std::vector<BackupDate> m_dates;
    uint32_t m_camoff = 0;
    uint32_t m_audoff = 0;
    int m_type = 0;
    bool m_haveRange = false;
    BackupRange m_range = {};
    std::string m_dvrName;
    std::string m_camName[DAL_MAX_CH];
    std::string m_lastFile;
    std::string m_header; // what the copy writes before the recording (job thread)

    std::mutex m_jobMutex; // one caller at a time starts or ends the job thread
    Job m_job = NONE;
    bool m_stop = false;
    int m_hold = 0; // the test holds jobs: 1 at every step, else after reports of that kind
    std::thread m_thread;
};
