#pragma once
#include <string>

// The call journal of the device-layer stand-in: one "Name(args)" line per
// call, kept for the tests (the oldest lines go beyond a few thousand).
class TDalJournal
{
public:
    static void add(const char* format, ...) __attribute__((format(printf, 1, 2)));
    static int count();
    static std::string line(int i);
    static int find(const char* text);
    static void clear();
    // A text argument as the journal shows it: quoted and cut, or null.
    static std::string text(const char* s);
    // Bytes as they may be shown on standard error (a control line, a line
    // or a name from a database file): printable characters as they are,
    // every other byte (and the backslash) escaped as \xNN, so that nothing
    // from a file or a FIFO reaches the terminal as a control sequence; at
    // most max of them, "..." when cut.
    static std::string shown(const std::string& bytes, size_t max = 80);
};
