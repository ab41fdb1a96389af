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

bool parseDay(const std::string& s, TDalBackupHead::Day* d)
{
    int ymd[3];
    if (!TDalDbModel::parseDate(s, ymd))
        return false;
    *d = {ymd[0], ymd[1], ymd[2]};
    return true;
}

bool parseCameras(const std::string& s, std::vector<int>* cams)
{
    std::stringstream parts(s);
    std::string part;
    while (std::getline(parts, part, ',')) {
        int n = 0, used = 0;
        if (part.empty() || part.size() > 2 || part.find_first_not_of("0123456789") != std::string::npos
            || std::sscanf(part.c_str(), "%d%n", &n, &used) != 1
            || used != int(part.size()) || n < 1 || n > DAL_MAX_CH)
            return false;
        cams->push_back(n - 1);
    }
    return !cams->empty();
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
        std::string word, a, b;
        in >> word;
        if (word == "bytes") {
            // Its count as the writer writes it: digits only, no sign, no
            // blank, nothing after them, within 64 bits.
            unsigned long long n = 0;
            const char* const end = line.data() + line.size();
            const bool plain = line.compare(0, 6, "bytes ") == 0;
            const auto count = std::from_chars(plain ? line.data() + 6 : end, end, n);
            if (!plain || count.ec != std::errc() || count.ptr != end)
                return fail("bad line: " + line.substr(0, 60));
            if (n != fileSize)
                return fail("cut off: " + std::to_string(fileSize) + " of " + std::to_string(n) + " bytes");
        } else if (word == "from" || word == "to") {
            Day& d = word == "from" ? span.from : span.to;
            int& second = word == "from" ? span.fromSecond : span.toSecond;
            if (!(in >> a >> b) || !parseDay(a, &d) || !TDalDbModel::parseSecond(b, &second))
                return fail("bad line: " + line.substr(0, 60));
            (word == "from" ? from : to) = true;
        } else if (word == "cameras") {
            span.cameras.clear();
            if (!(in >> a) || !parseCameras(a, &span.cameras))
                return fail("bad camera list");
        } else if (word == "days") {
            span.days.clear();
            Day d;
            while (in >> a) {
                if (!parseDay(a, &d) || int(span.days.size()) >= kMaxDays
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
