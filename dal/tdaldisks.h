#pragma once
#include "dal.h"
#include "dal_test.h"

#include <mutex>
#include <vector>

// The stand-in's disks: a table of 16 slots with type, health, file system,
// capacity, use and S.M.A.R.T. values, mirrored in pairs or not, and the
// disk jobs (mount, check, format) that report their progress and end
// through the encoder's notifications. A slot a test or a job never touched
// follows the profile: its first disks are formatted, healthy hard disks.
class TDalDisks
{
public:
    static TDalDisks& instance();
    // Every slot back to the profile's disks, mirroring off.
    void reset();

    int set(int i, const DalTestDisk* disk);
    int get(int i, DalTestDisk* disk);
    void setMirror(bool on);

    // The records of the device layer.
    void check(Db6Check* out);
    void sdInfo(SdInfo* table, double* usage);
    void smart(SmartRec* table);
    // The disk holding the recording database: the first formatted, healthy
    // hard disk; -1 when none.
    int dataDisk();
    // Every disk that records is full (the recorder then overwrites its
    // oldest recordings); false without such a disk.
    bool full();

    // Disk jobs, run on the encoder's delivery thread; 0 when accepted, -1
    // when refused (the layer does not run, or no disk to work on).
    int mount();
    int fsck();
    // disk -1: every hard disk; -2: every hard disk, then mirrored in pairs
    // when option is non-zero, not mirrored otherwise (-1 and a single disk
    // keep the mirroring as it is). All or nothing: every target's empty
    // recording database ("/data<disk>/data.db6" in the runtime root) is
    // written aside first, and one that cannot be, a job that cannot be
    // queued or no root refuses the format with no disk changed. Then each
    // takes its name, and each disk whose database did is marked formatted
    // at once; the job reports those disks and the end. -1 only when no
    // disk changed.
    int format(int disk, int option);

    // The disk a profile slot starts with.
    static DalTestDisk profileDisk(int i, int profileDisks);

private:
    TDalDisks();
    DalTestDisk at(int i);        // under m_mutex
    DalTestDisk& edit(int i);     // under m_mutex: the slot, no longer following the profile
    int dataDiskLocked();
    std::vector<int> hardDisks(bool formattedOnly);

    std::mutex m_mutex;
    DalTestDisk m_disk[DAL_MAX_DISK];
    bool m_own[DAL_MAX_DISK];     // set by a test or a job
    bool m_mirror = false;
};
