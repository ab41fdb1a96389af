/* Test driver of the device-layer stand-in: tests choose a capability
 * profile, inject hardware events, step the one-second tick, make a call
 * fail and read the call journal and the stand-in's state. The recorder
 * program never includes this header. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The master password the stand-in keeps (DalGetMasterPwd). */
#define DAL_TEST_MASTER_PWD "0000"

typedef struct DalTestState {
    char profile[16];      /* "16", "16pal", ... */
    int32_t channels;
    int32_t pal;           /* video standard now in force */
    int32_t initialised;   /* DalInit done, DalExit not yet */
    int32_t running;       /* between DalStart and DalStop */
    int32_t manualTicks;
    int32_t tickCount;     /* ticks delivered since DalStart */
    int32_t ioRegistered;
    int32_t vinRegistered;
    int32_t encRegistered;
    uint32_t videoLoss;    /* bit ch: no video */
    uint32_t sensors;      /* bit ch: sensor active */
    uint32_t sensorConfigured; /* bit s: DalIoSetSensor switched it on */
    uint32_t alarm;        /* relay outputs on */
    int32_t buzzer;
    int32_t wdtOn;
    int32_t wdtSeconds;
    int32_t wdtClears;
    char oem[32];
    char user[32];
} DalTestState;

/* Stops the stand-in's threads, forgets every registration, state, failure
 * and journal line, and takes the profile from DAL_PROFILE again. */
void dalTestReset(void);
/* Chooses a profile by name ("4", "8", "16", "20", "32", each optionally
 * followed by "pal"); -1 for an unknown name (the profile stays). */
int dalTestSetProfile(const char* name);
void dalTestGetState(DalTestState* st);

/* Manual ticks: the real-time tick stops; dalTestStepTick delivers one tick
 * on the IO thread and returns when the callback has returned: the tick
 * count delivered, or -1 when no tick could be delivered (not started, no
 * IO callback, or stopped). */
void dalTestSetManualTicks(int on);
int dalTestStepTick(void);

/* Hardware events, delivered asynchronously on the stand-in's threads. */
void dalTestKey(int code, int state, int remote); /* state 1 press, 2 release, 4 held */
void dalTestJog(int step);
void dalTestShuttle(int pos);
void dalTestSensor(int ch, int on);
void dalTestVideoLoss(int ch, int on);
void dalTestDisk(int type, int ch, int data, const char* msg); /* CbtEnc type */
/* Applies one control-channel line as the FIFO would: 0, or -1 when the
 * line is not understood. */
int dalTestControlLine(const char* line);
/* Waits until every event injected so far has been delivered. */
void dalTestFlush(void);

/* Makes every later call of the named function return result (the records
 * it would fill are left untouched) until the failures are cleared. */
void dalTestFail(const char* call, int result);
void dalTestClearFails(void);
/* Overrides a count the capability calls report ("num_vin", "num_sensor",
 * "num_alarmout", "num_disk", "num_vridx", "num_rridx", "num_nridx",
 * "num_fidx", "numRes", "numLayout", "numResHd"), so tests can see how
 * the program copes with counts beyond the tables; -1 for another name. */
int dalTestSetCount(const char* field, int value);

/* The call journal: one "Name(args)" line per call, oldest first. */
int dalTestJournalCount(void);
int dalTestJournalLine(int i, char* buf, int size);
/* Index of the first line that contains text, -1 when none. */
int dalTestJournalFind(const char* text);
void dalTestJournalClear(void);

/* The control FIFO's path ("$DVR_ROOT/tmp/dal.ctl"). */
int dalTestControlPath(char* buf, int size);

#ifdef __cplusplus
} /* extern "C" */
#endif
