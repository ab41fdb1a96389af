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
    // Writes one line of the stand-in's on standard error, "dal: " before
    // it. Every line it says passes here: printable ASCII stays as it is,
    // every other byte (and the backslash) is shown as \xNN, so that nothing
    // from a file, a FIFO, the environment or a path drives the terminal or
    // splits the line. Written in one call: lines of several threads never
    // mix.
    static void say(const std::string& line);
    // The first max bytes, "..." after them when there were more: how a
    // said line shows input that may be long (a control line, a line of a
    // database file).
    static std::string cut(const std::string& bytes, size_t max = 80);
    // The same for a C string from outside (a path, a name), read no
    // further than that; null is "(null)".
    static std::string cut(const char* s, size_t max = 80);
};
