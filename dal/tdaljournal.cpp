#include "tdaljournal.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>

namespace {
const size_t kMaxLines = 4096;
std::mutex g_journalMutex;
std::deque<std::string>& lines()
{
    static std::deque<std::string> l;
    return l;
}
}

void TDalJournal::add(const char* format, ...)
{
    char buf[512];
    va_list ap;
    va_start(ap, format);
    std::vsnprintf(buf, sizeof buf, format, ap);
    va_end(ap);
    std::lock_guard<std::mutex> lock(g_journalMutex);
    lines().emplace_back(buf);
    if (lines().size() > kMaxLines)
        lines().pop_front();
}

int TDalJournal::count()
{
    std::lock_guard<std::mutex> lock(g_journalMutex);
    return int(lines().size());
}

std::string TDalJournal::line(int i)
{
    std::lock_guard<std::mutex> lock(g_journalMutex);
    if (i < 0 || size_t(i) >= lines().size())
        return std::string();
    return lines()[size_t(i)];
}

int TDalJournal::find(const char* text)
{
    if (!text)
        return -1;
    std::lock_guard<std::mutex> lock(g_journalMutex);
    for (size_t i = 0; i < lines().size(); ++i)
        if (lines()[i].find(text) != std::string::npos)
            return int(i);
    return -1;
}

void TDalJournal::clear()
{
    std::lock_guard<std::mutex> lock(g_journalMutex);
    lines().clear();
}

std::string TDalJournal::text(const char* s)
{
    if (!s)
        return "null";
    // Bounded: a text from the program is never read past 64 bytes here.
    const size_t n = strnlen(s, 64);
    return "\"" + std::string(s, n) + "\"";
}

void TDalJournal::say(const std::string& line)
{
    std::string out = "dal: ";
    out.reserve(out.size() + line.size() + 1);
    for (const char ch : line) {
        const unsigned char c = (unsigned char)ch;
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += ch;
        } else {
            char esc[5];
            std::snprintf(esc, sizeof esc, "\\x%02x", c);
            out += esc;
        }
    }
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stderr);
    std::fflush(stderr);
}

std::string TDalJournal::cut(const std::string& bytes, size_t max)
{
    return bytes.size() > max ? bytes.substr(0, max) + "..." : bytes;
}

std::string TDalJournal::cut(const char* s, size_t max)
{
    return s ? cut(std::string(s, strnlen(s, max + 1)), max) : std::string("(null)");
}
