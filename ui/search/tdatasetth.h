#pragma once
#include "searchrecords.h"

#include <QMutex>
#include <QThread>

#include <cstdint>

// The search window's worker: opens the database and loads a day for the
// POS search, and turns a day's minute map into the timeline's cells, away
// from the GUI thread. One job runs at a time; a job given while one runs
// waits (a later one replaces it) and starts when the running one has
// ended. The thread touches no widget: the window reads the job's outcome
// (result(), data(), cells()) when finished() reaches it.
class TDatasetTh : public QThread
{
    Q_OBJECT
public:
    // Commands: 1 fill the timeline, 2 open the database, 3 load a day.
    enum { CMD_FILL = 1, CMD_OPENDB = 2, CMD_LOADDAY = 3 };
    enum { ROWS = 20, MINUTES = 1440 };

    explicit TDatasetTh(QObject* parent);
    ~TDatasetTh() override;

    // The next job: its command and a copy of the record (zeroed for null).
    void set(int cmd, const SearchQuery* req);
    // For a fill: copies of the mode, the channel, the unit's channel count
    // and the day map (null: nothing to fill).
    void setDay(int mode, int ch, int channels, const ReiDay* day);
    // Starts the job given, or keeps it waiting while another runs.
    void go();

    // Outcome of the last job that ended (read in the GUI thread once its
    // finished() arrived): its command, the reply code (80 none), the
    // record and, for a fill, whether cells were written and the cells.
    int cmd() const { return m_done.cmd; }
    int result() const { return m_done.result; }
    void* data() const { return m_done.data; }
    int filled() const { return m_done.filled; }
    // The mode and channel a fill was made for.
    int fillMode() const { return m_done.mode; }
    int fillCh() const { return m_done.ch; }
    // The record the last ended job was given.
    const SearchQuery& query() const { return m_done.req; }
    const uint8_t* cells() const { return m_doneCells; }
    // A job is running (or ended and not yet taken over).
    int busy() const { return m_busy; }
    int pending() const { return m_pending; }

    // The timeline cells of a day: rows x 1440 bytes, 0 none, 1 normal and
    // 2 event recording. Time mode writes every channel to its row, the
    // Thumbnail and Panorama modes channel ch to row 0; other modes write
    // nothing. The cells are cleared first; false when nothing applies.
    static bool fillCells(int mode, int ch, int channels, const ReiDay& day, uint8_t* cells);

protected:
    void run() override;

private slots:
    // finished() in the GUI thread: the outcome kept, the waiting job
    // started.
    void sl_ended();

private:
    struct Job {
        int cmd;
        int searchCh; // the facade's thumbnail channel when the job was given
        int mode;
        int ch;
        int channels;
        int hasDay;
        SearchQuery req;
        ReiDay day;
    };
    struct Outcome {
        int cmd;
        int result;
        void* data;
        int filled;
        int mode;
        int ch;
        SearchQuery req;
    };

    // Orders the job's outcome written by run before the GUI thread reads
    // it (the queued finished() orders it too, through Qt's own lock).
    QMutex m_mutex;
    Job m_next = {};    // composed by set/setDay
    Job m_job = {};     // what run reads
    Outcome m_out = {}; // written by run
    Outcome m_done = {};
    uint8_t m_cells[ROWS * MINUTES] = {};
    uint8_t m_doneCells[ROWS * MINUTES] = {};
    int m_busy = 0;
    int m_pending = 0;
};
