#include "tdalbackuphead.h"
#include "dal.h"
#include "tdaldbmodel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <tuple>

static_assert(TDalBackupHead::kMaxDays <= TDalDbModel::MAX_ENTRIES, "every backup's days open as a database");

namespace {
const char kMagic[] = "DVR backup\n";

std::string dayText(const TDalBackupHead::Day& d)
{
    char s[16];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", d.year, d.month, d.day);
    return s;
}

std::string clockText(int second)
{
    char s[16];
    std::snprintf(s, sizeof s, "%02d:%02d:%02d", second / 3600, second / 60 % 60, second % 60);
    return s;
}

// "HH:MM" of a minute of the day, as the database's spans are written.
std::string minuteText(int minute)
{
    char s[16];
    std::snprintf(s, sizeof s, "%02d:%02d", minute / 60, minute % 60);
    return s;
}

// "N,N,..." of the cameras, counted from base.
std::string cameraList(const std::vector<int>& cameras, int base)
{
    std::string out;
    for (int ch : cameras)
        out += (out.empty() ? "" : ",") + std::to_string(ch + base);
    return out;
}

// A name kept on its one line: control bytes become blanks.
std::string oneLine(const std::string& s)
{
    std::string out = s;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    return out;
}

// A date as the writer writes it: "YYYY-MM-DD", zeros and all.
bool parseDay(const std::string& s, TDalBackupHead::Day* d)
{
    int ymd[3];
    if (s.size() != 10 || s[4] != '-' || s[7] != '-' || !TDalDbModel::parseDate(s, ymd))
        return false;
    *d = {ymd[0], ymd[1], ymd[2]};
    return true;
}

// A second of the day as the writer writes it: "HH:MM:SS".
bool parseClock(const std::string& s, int* second)
{
    return s.size() == 8 && s[2] == ':' && s[5] == ':' && TDalDbModel::parseSecond(s, second);
}

// "N,N,..." as the writer writes it: each camera from 1, without a sign
// or a leading zero, each once and in order.
bool parseCameras(const std::string& s, std::vector<int>* cams)
{
    for (size_t from = 0; from <= s.size();) {
        const size_t comma = std::min(s.find(',', from), s.size());
        int n = 0;
        const char* const end = s.data() + comma;
        const auto read = std::from_chars(s.data() + from, end, n);
        if (s[from] == '0' || read.ec != std::errc() || read.ptr != end || n < 1
            || n > DAL_MAX_CH || (!cams->empty() && n - 1 <= cams->back()))
            return false;
        cams->push_back(n - 1);
        from = comma + 1;
    }
    return !cams->empty();
}

// A line cut at each blank: "a  b" gives an empty word between, as the
// writer never writes one.
std::vector<std::string> words(const std::string& line)
{
    std::vector<std::string> out;
    for (size_t from = 0;;) {
        const size_t blank = line.find(' ', from);
        out.push_back(line.substr(from, blank - from));
        if (blank == std::string::npos)
            return out;
        from = blank + 1;
    }
}

auto key(const TDalBackupHead::Day& d)
{
    return std::make_tuple(d.year, d.month, d.day);
}
} // namespace

std::string TDalBackupHead::write(const Span& span)
{
    std::string out = kMagic;
    if (span.bytes)
        out += "bytes " + std::to_string(span.bytes) + "\n";
    out += "from " + dayText(span.from) + " " + clockText(span.fromSecond) + "\n";
    out += "to " + dayText(span.to) + " " + clockText(span.toSecond) + "\n";
    std::string days;
    for (const Day& d : span.days)
        days += " " + dayText(d);
    out += "cameras " + cameraList(span.cameras, 1) + "\n";
    out += "days" + days + "\n";
    out += "recorder " + oneLine(span.recorder) + "\n";
    for (size_t i = 0; i < span.cameras.size() && i < span.names.size(); ++i)
        if (!span.names[i].empty())
            out += "camera " + std::to_string(span.cameras[i] + 1) + " " + oneLine(span.names[i]) + "\n";
    return out;
}

bool TDalBackupHead::isHead(const std::string& data)
{
    return data.compare(0, sizeof kMagic - 1, kMagic) == 0;
}

bool TDalBackupHead::describe(const std::string& head, unsigned long long fileSize, std::string* description,
                              std::string* error)
{
    const auto fail = [error](const std::string& why) {
        *error = why;
        return false;
    };
    if (!isHead(head))
        return fail("not a backup's head");
    // The head ends at the recording's first zero byte; a line cut short
    // there (or at the end of a cut file) does not count.
    std::string text = head.substr(0, std::min(head.find('\0'), kMaxHead));
    text.erase(text.rfind('\n') + 1);
    Span span = {};
    bool from = false, to = false;
    std::istringstream lines(text.substr(sizeof kMagic - 1));
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string word;
        in >> word;
        // The lines read are as the writer writes them: one blank between
        // words and none before or after, numbers without a sign.
        const std::vector<std::string> w = words(line);
        const bool plain = w[0] == word;
        if (word == "bytes") {
            unsigned long long n = 0;
            const std::string& digits = w.back();
            const char* const end = digits.data() + digits.size();
            const auto count = std::from_chars(digits.data(), end, n);
            if (!plain || w.size() != 2 || count.ec != std::errc() || count.ptr != end)
                return fail("bad line: " + line.substr(0, 60));
            if (n > fileSize)
                return fail("cut off: " + std::to_string(fileSize) + " of " + std::to_string(n) + " bytes");
            if (n < fileSize)
                return fail("longer than its head says: " + std::to_string(fileSize) + " bytes, not "
                            + std::to_string(n));
        } else if (word == "from" || word == "to") {
            Day& d = word == "from" ? span.from : span.to;
            int& second = word == "from" ? span.fromSecond : span.toSecond;
            if (!plain || w.size() != 3 || !parseDay(w[1], &d) || !parseClock(w[2], &second))
                return fail("bad line: " + line.substr(0, 60));
            (word == "from" ? from : to) = true;
        } else if (word == "cameras") {
            span.cameras.clear();
            if (!plain || w.size() != 2 || !parseCameras(w[1], &span.cameras))
                return fail("bad camera list");
        } else if (word == "days") {
            span.days.clear();
            if (!plain)
                return fail("bad day list");
            Day d;
            for (size_t i = 1; i < w.size(); ++i) {
                if (!parseDay(w[i], &d) || int(span.days.size()) >= kMaxDays
                    || (!span.days.empty() && key(d) <= key(span.days.back())))
                    return fail("bad day list");
                span.days.push_back(d);
            }
        }
        // The recorder's and the cameras' names are not needed to read it.
    }
    if (!from || !to || span.cameras.empty() || span.days.empty())
        return fail("the span, its cameras or its days are missing");
    if (key(span.days.front()) != key(span.from) || key(span.days.back()) != key(span.to)
        || (key(span.from) == key(span.to) && span.fromSecond > span.toSecond))
        return fail("the days do not match the span");
    const std::string cams = cameraList(span.cameras, 0);
    std::string out = "# read from a backup's head\n";
    for (const Day& d : span.days) {
        const int first = key(d) == key(span.from) ? span.fromSecond / 60 : 0;
        const int last = key(d) == key(span.to) ? span.toSecond / 60 : 24 * 60 - 1;
        out += "date " + dayText(d) + "\n";
        out += "rec " + cams + " " + minuteText(first) + "-" + minuteText(last) + "\n";
    }
    *description = out;
    return true;
}
