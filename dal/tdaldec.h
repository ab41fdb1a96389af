#pragma once
#include "dal.h"
#include "tdaldbmodel.h"

#include <memory>
#include <mutex>

// The stand-in's decoder. A start plays a recording database from a date
// entry and second at a rate; each simulated second (the stand-in's tick)
// moves the played time by the rate. It reports to the decoder callback:
// the time of the shown frame (a new date travels in the same report), the
// rate after a rate or step call and when the recordings end, each played
// cell's decode state when it changes (width 0 for a cell without data), the
// mask of cells with data when it changes, and the text-in lines recorded at
// the seconds played forward.
//
// Cells are the channels (normal decoding), the thumbnails of one channel
// spaced by the thumbnail interval, or one channel in every cell
// (panorama).
class TDalDec
{
public:
    static TDalDec& instance();

    // 0 playing; -1 when the database, the date (-1: today's last entry) or
    // any recorded second from startSec on (with allDay also on the later
    // dates) is missing. A start between recordings begins at the next one.
    int start(const char* dbPath, int dateId, uint32_t camOffMask, int allDay, double startSec, double rate);
    int stop();
    // The calls below answer -1 while nothing plays.
    int setRate(double rate);
    // One frame forward (1) or backward (0); playback pauses (rate 0).
    int step(int forward);
    // Moves to a second of the date (-1: the date playing).
    int pos(int dateId, double secOfDay);
    int curDateId();

    void setMode(int mode); // 0 normal, 1 thumbnail, 2 panorama
    void setTimeRei(int rei); // 1: event recording only
    void setThumbnail(int cells, int ch, int seconds);
    void setPanorama(int ch);

    // One simulated second; called on every tick of the stand-in.
    void second();
    void reset();

private:
    TDalDec() = default;
    int cellCount() const;
    // The channel and second a cell shows; false for a cell showing nothing.
    bool cellAt(int k, int* ch, double* sec) const;
    bool hasData(int entry, int ch, double sec) const;
    bool anyData(int entry, int minute) const;
    // The first recorded second from (entry, sec) on; false when none.
    bool seek(int* entry, double* sec) const;
    // A report of the given callback type with the state now.
    std::shared_ptr<DecInfo> record() const;
    void deliver(int type, std::shared_ptr<DecInfo> rec) const;
    // The time report, then each cell whose decode state changed (all with
    // full), then the data mask when it changed.
    void report(bool full);
    void textins(double from, double to);

    mutable std::mutex m_mutex;
    std::shared_ptr<const TDalDbModel> m_model;
    bool m_playing = false;
    int m_entry = 0;
    double m_time = 0.0;
    double m_rate = 0.0;
    int m_allDay = 0;
    uint32_t m_camOff = 0;
    int m_lastWidth[DAL_MAX_CH] = {};
    uint32_t m_lastMask = 0;
    // Of the profile at the start.
    int m_channels = 0;
    int m_fps = 30;
    int m_audios = 0;
    int m_width = 0;
    int m_height = 0;

    int m_mode = 0;
    int m_rei = 0;
    int m_thumbCells = 0;
    int m_thumbCh = 0;
    int m_thumbSec = 0;
    int m_panoCh = 0;
};
