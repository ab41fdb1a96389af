#pragma once
#include "dal.h"
#include "dal_test.h"

#include <mutex>

// The video inputs and the audio routing of the stand-in: per input the
// format it delivers and the format it was set to, colour, camera off,
// motion detection and trace, privacy zone; the audio output and the
// audio-input links. Calls are checked against the profile's channels;
// video loss and camera names stay with the core, which delivers them.
class TDalVin
{
public:
    static TDalVin& instance();

    void reset();

    // The format an input delivers from now on (the test driver's camera
    // change); false for a channel outside the table or a senseless format.
    bool setFormat(int ch, int width, int height, int progressive, double fps);
    // The resolution index the stand-in reports for a size: 1 standard
    // definition (at most 960 x 576), 2 1280 x 720, 3 1920 x 1080, 4 any
    // other size.
    static int resIndex(int width, int height);
    // Fills info for a channel of channels; false outside them. noVideo
    // comes from the caller (the core keeps the signal state).
    bool info(int ch, int channels, bool pal, bool noVideo, VinInfo* out);

    // The device calls; each returns 0, or -1 for an argument the input
    // does not take (nothing changes then).
    int setCaps(int ch, int channels, int resIdx, int progressive, double fps);
    int setCsc(int ch, int channels, int component, int value);
    int setCamOff(int ch, int channels, int off);
    int setMd(int ch, int channels, int sens, const uint32_t* mask);
    int setMdTrace(int ch, int channels, int on);
    // Motion seen on an input starts or ends (the layer's motion event).
    void setMotion(int ch, int on);
    // The cells that see motion while the input's trace is on (32 words,
    // bit x of word y = cell (x, y)); null: every cell.
    bool setLiveCells(int ch, const uint32_t* words);
    // The live motion block of an input whose trace is on while it sees
    // motion; false otherwise (out untouched).
    bool liveBlock(int ch, int channels, uint32_t* out);
    int setPrivacy(int ch, int channels, int zone, int zones, double x, double y, double w, double h);
    int ainLink(const int32_t* table, int channels);
    int aoutSet(int ch, int channels);

    // The state the test driver reads; false for a channel outside the table.
    bool state(int ch, DalTestVinState* out);
    void audio(DalTestAudioState* out);

private:
    TDalVin();
    static bool valid(int ch, int channels) { return ch >= 0 && ch < channels && ch < DAL_MAX_CH; }

    std::mutex m_mutex;
    DalTestVinState m_in[DAL_MAX_CH];
    DalTestAudioState m_audio;
    uint32_t m_live[DAL_MAX_CH][32];
};
