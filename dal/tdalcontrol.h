#pragma once
#include <atomic>
#include <string>
#include <sys/types.h>
#include <thread>

// The control channel of the running stand-in: a FIFO in the runtime root
// ("$DVR_ROOT/tmp/dal.ctl") that takes one text line per simulated hardware
// event (keys, jog, shuttle, sensors, video loss, motion, camera formats,
// POS text lines, disk events) or a question for the call journal. The line
// format is documented in the README ("Driving the stand-in").
class TDalControl
{
public:
    ~TDalControl();
    // Locks the FIFO's folder, creates the FIFO (when missing, or in place
    // of a plain file left by a write while no program read it), or takes
    // one that no process reads, and starts reading it. False, with the
    // reason in *why, when something else is in the way (a link is never
    // followed), another program holds the lock, or another process has
    // the FIFO there open for reading.
    bool start(const std::string& path, std::string* why);
    // Stops reading; the FIFO goes unless the path holds another file by
    // now; the lock goes last.
    void stop();
    // Applies one line: 0; -1 when it is not understood; -2 when it names a
    // sensor or channel the profile does not have (said on standard error).
    static int apply(const std::string& line);
    // A key code from its text: the four characters of a key the recorder
    // has ("KRME"), a digit for the digit keys ("5") or any number
    // ("0x4B524D45"); -1 when not a code.
    static long keyCode(const std::string& word);
    // The i-th four-character key word known; null past the last.
    static const char* keyWord(int i);

private:
    // The FIFO at path opened for reading, as start says; -1 with *why.
    int take(const std::string& path, std::string* why);
    void run(int fd);

    std::thread m_thread;
    std::atomic<bool> m_quit{false};
    std::string m_path;
    bool m_ours = false; // the path holds the FIFO this channel reads: removed at stop
    dev_t m_dev = 0;     // that FIFO, told from whatever replaces it
    ino_t m_ino = 0;
    // The FIFO's folder, locked while this channel has the FIFO, from
    // before it is made until it is gone: one program per root, and the
    // run command does not empty a root a program runs on.
    int m_lock = -1;
};
