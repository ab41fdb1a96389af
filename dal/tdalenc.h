#pragma once
#include "dal.h"
#include "dal_test.h"

#include <ctime>
#include <mutex>

// The stand-in's recording encoder: whether it records, the record
// configuration it last got from the program (CbEncCfg), and the settings
// the program hands it (network streams, swap, S.M.A.R.T. checks,
// auto-deletion). The recorder asks for its configuration when recording
// starts, on a refresh, and when the ten-minute cell of its clock (the grain
// of the recording schedule) changes while it records.
class TDalEnc
{
public:
    static TDalEnc& instance();
    // Back to a stopped encoder that was never asked.
    void reset();

    // -1 when the layer does not run, or (start) when no disk can take the
    // recording; start and refresh ask the program.
    int start();
    int stop();
    int refresh();
    bool recording();
    // The one-second tick: a new schedule cell while recording asks again.
    void tick();
    // Asks the program on the encoder's thread and keeps the answer.
    void ask(const struct tm& when);
    // The same, waiting: the callback's result, -1 when not delivered; the
    // answer is copied to out (may be null).
    int askWait(const struct tm& when, EncCfg* out);

    void setSwap(int on);
    int setNetCfg(const EncnCfg* cfg);
    void setSmart(int on, int day, int period);
    void setAutoDelete(int age);
    void countJob();
    void get(DalTestEnc* st);

    // Whether the layer runs (DalStart, not yet DalStop).
    static bool layerRunning();
    // The recorder's clock (DalSysSetTime moves it) as local time.
    static struct tm localNow();

private:
    TDalEnc();
    void keep(const EncCfg* table);
    static int cellOf(const struct tm& t);

    std::mutex m_mutex;
    DalTestEnc m_state;
    bool m_on = false;
    int m_cell = -1; // the schedule cell of the last ask
};
