#include "tdaldbmodel.h"
#include "tdaljournal.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {
using Text = std::string_view;

// The white space that separates words, as operator>> skips it.
bool blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The end of the line at from: its '\n', or stop. Apart from nextLine, so
// that nextLine, run on every line of both passes, stays small.
const char* lineEnd(const char* from, const char* stop)
{
    const void* nl = std::memchr(from, '\n', size_t(stop - from));
    return nl ? static_cast<const char*>(nl) : stop;
}

// The line of text that starts at *at, as std::getline cuts it: up to a
// '\n', which it drops (the last line may have none); *at moves to the
// next line. False at the text's end. An empty or one-character line (as
// quiet lines often are) is seen at once, the end of a longer one found
// with memchr.
bool nextLine(Text text, size_t* at, Text* line)
{
    if (*at >= text.size())
        return false;
    const char* const from = text.data() + *at;
    const char* const stop = text.data() + text.size();
    const char* const near = from + std::min(stop - from, std::ptrdiff_t(2));
    const char* end = from;
    while (end < near && *end != '\n')
        ++end;
    if (end == near)
        end = lineEnd(end, stop);
    *line = Text(from, size_t(end - from));
    *at = size_t(end - text.data()) + 1;
    return true;
}

// The next word of a line from *at on, *at moved past it; empty when the
// line holds no more. Of a word longer than max only its first max bytes
// are looked at (and *at moved past them).
Text nextWord(Text line, size_t* at, size_t max = Text::npos)
{
    size_t i = *at;
    while (i < line.size() && blank(line[i]))
        ++i;
    const size_t from = i;
    while (i < line.size() && i - from < max && !blank(line[i]))
        ++i;
    *at = i;
    return line.substr(from, i - from);
}

// The first word of a line, as far as it can name a statement: one longer
// than the longest ("event", "items") is none, and the line is then a
// comment or not understood however long the word is.
Text firstWord(Text line, size_t* at)
{
    return nextWord(line, at, 6);
}

bool number(Text s, long lo, long hi, int* out)
{
    if (s.empty() || s.size() > 9)
        return false;
    long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    if (v < lo || v > hi)
        return false;
    *out = int(v);
    return true;
}

// "a<sep>b<sep>c..." into up to three numbers, each checked.
bool fields(Text s, char sep, int n, const long (*range)[2], int* out)
{
    size_t from = 0;
    for (int i = 0; i < n; ++i) {
        const size_t end = i + 1 < n ? s.find(sep, from) : s.size();
        if (end == Text::npos || !number(s.substr(from, end - from), range[i][0], range[i][1], &out[i]))
            return false;
        from = end + 1;
    }
    return true;
}

bool leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// "HH:MM" to the minute of the day.
bool parseMinute(Text s, int* minute)
{
    static const long range[2][2] = {{0, 23}, {0, 59}};
    int hm[2];
    if (!fields(s, ':', 2, range, hm))
        return false;
    *minute = hm[0] * 60 + hm[1];
    return true;
}

// "all" or "N,N-M,..." into a mask of channels 0..31. The parts are cut
// at the commas; a comma at the end opens no part.
bool parseChannels(Text s, uint32_t* mask)
{
    if (s == "all") {
        *mask = 0xffffffffu;
        return true;
    }
    *mask = 0;
    for (size_t from = 0; from < s.size();) {
        const size_t comma = std::min(s.find(',', from), s.size());
        const Text part = s.substr(from, comma - from);
        from = comma + 1;
        const size_t dash = part.find('-');
        int a, b;
        if (dash == Text::npos) {
            if (!number(part, 0, DAL_MAX_CH - 1, &a))
                return false;
            b = a;
        } else if (!number(part.substr(0, dash), 0, DAL_MAX_CH - 1, &a)
                   || !number(part.substr(dash + 1), 0, DAL_MAX_CH - 1, &b) || b < a) {
            return false;
        }
        for (int c = a; c <= b; ++c)
            *mask |= 1u << c;
    }
    return *mask != 0;
}

// A text item's text: "\n" is a line break; at most MAX_TEXT bytes.
std::string itemText(Text s)
{
    std::string out;
    for (size_t i = 0; i < s.size() && out.size() < size_t(TDalDbModel::MAX_TEXT); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

// Reads a description's lines once, before anything is built: what it
// asks for at most (its date lines, and its items, an "items N" line at
// N). False as soon as the dates or the items, or the N of one "items"
// line, are past the model's bound, the reason in *why; *entries is then a
// bound of the entries it builds.
bool withinBounds(Text text, size_t* entries, std::string* why)
{
    long dates = 0, items = 0;
    Text line;
    for (size_t at = 0; nextLine(text, &at, &line);) {
        size_t pos = 0;
        const Text word = firstWord(line, &pos);
        int n = 0;
        if (word == "date") {
            ++dates;
        } else if (word == "item") {
            ++items;
        } else if (word == "items") {
            const Text count = nextWord(line, &pos);
            if (!count.empty() && count.find_first_not_of("0123456789") == Text::npos) {
                if (!number(count, 0, TDalDbModel::MAX_ITEMS, &n)) {
                    *why = "more than " + std::to_string(int(TDalDbModel::MAX_ITEMS)) + " items on one line";
                    return false;
                }
                items += n;
            }
        }
        if (dates > TDalDbModel::MAX_ENTRIES) {
            *why = "more than " + std::to_string(int(TDalDbModel::MAX_ENTRIES)) + " dates";
            return false;
        }
        if (items > TDalDbModel::MAX_ALL_ITEMS) {
            *why = "more than " + std::to_string(int(TDalDbModel::MAX_ALL_ITEMS)) + " items";
            return false;
        }
    }
    *entries = size_t(dates);
    return true;
}

int kindBase(Text kind)
{
    static const char* const kKinds[] = {"record", "sensor", "motion", "vloss", "text"};
    for (int i = 0; i < 5; ++i)
        if (kind == kKinds[i])
            return i * 32;
    return -1;
}

bool earlier(const TDalDbModel::Entry& a, const TDalDbModel::Entry& b)
{
    return std::make_tuple(a.year, a.month, a.day) < std::make_tuple(b.year, b.month, b.day);
}
}

bool TDalDbModel::parseDate(std::string_view s, int* ymd)
{
    static const long range[3][2] = {{1970, 2999}, {1, 12}, {1, 31}};
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!fields(s, '-', 3, range, ymd))
        return false;
    return ymd[2] <= days[ymd[1] - 1] + (ymd[1] == 2 && leap(ymd[0]) ? 1 : 0);
}

bool TDalDbModel::parseSecond(std::string_view s, int* second)
{
    static const long range[3][2] = {{0, 23}, {0, 59}, {0, 59}};
    int hms[3];
    if (!fields(s, ':', 3, range, hms))
        return false;
    *second = hms[0] * 3600 + hms[1] * 60 + hms[2];
    return true;
}

std::shared_ptr<const TDalDbModel> TDalDbModel::build(const std::string& text, int channels, int sensors,
                                                      std::string* error, std::vector<std::string>* skipped)
{
    // Bounded before anything is made: a small file may ask for a huge
    // model ("items 100000" on every line, or a date on every line).
    size_t entries = 0;
    std::string why;
    if (!withinBounds(text, &entries, &why)) {
        if (error)
            *error = why;
        return nullptr;
    }
    auto model = std::make_shared<TDalDbModel>();
    model->m_entries.reserve(entries);
    channels = std::max(0, std::min(channels, int(DAL_MAX_CH)));
    sensors = std::max(1, std::min(sensors, int(DAL_MAX_CH)));
    int lineNo = 0;
    int more = 0; // lines not understood beyond those told
    Text line;
    for (size_t next = 0; nextLine(text, &next, &line);) {
        ++lineNo;
        size_t at = 0;
        const Text word = firstWord(line, &at);
        if (word.empty() || word[0] == '#')
            continue; // an empty line or a comment
        if (model->parseStatement(word, line.substr(at), channels, sensors) || !skipped)
            continue;
        // Told as standard error shows it: its first 80 bytes, so no more
        // than those (and one to mark the cut) is copied.
        if (skipped->size() < size_t(MAX_TOLD))
            skipped->push_back("line " + std::to_string(lineNo) + ": "
                               + TDalJournal::cut(std::string(line.substr(0, 81))));
        else
            ++more;
    }
    if (more && skipped)
        skipped->push_back(std::to_string(more) + (more == 1 ? " more line" : " more lines"));
    // Sorted only when out of order: an entry is 12 KB of minute maps, and
    // a description written in order (the usual case) then moves none.
    std::vector<Entry>& all = model->m_entries;
    if (!std::is_sorted(all.begin(), all.end(), earlier))
        std::stable_sort(all.begin(), all.end(), earlier);
    const auto sooner = [](const Item& a, const Item& b) { return a.second < b.second; };
    for (Entry& e : all)
        if (!std::is_sorted(e.items.begin(), e.items.end(), sooner))
            std::stable_sort(e.items.begin(), e.items.end(), sooner);
    return model;
}

bool TDalDbModel::parseStatement(std::string_view word, std::string_view rest, int channels, int sensors)
{
    size_t at = 0;
    if (word == "date") {
        const Text date = nextWord(rest, &at);
        const Text id = nextWord(rest, &at);
        int ymd[3];
        int dateId = 1000 + int(m_entries.size()) + 1;
        if (date.empty() || !parseDate(date, ymd) || (!id.empty() && !number(id, 0, 999999999, &dateId)))
            return false;
        m_entries.emplace_back(); // value-initialised: no minute recorded
        Entry& e = m_entries.back();
        e.year = ymd[0];
        e.month = ymd[1];
        e.day = ymd[2];
        e.dateId = dateId;
        return true;
    }
    if (m_entries.empty())
        return false; // recordings before any date belong nowhere
    Entry& e = m_entries.back();
    const uint32_t present = channels >= 32 ? 0xffffffffu : (1u << channels) - 1;

    if (word == "rec" || word == "event") {
        const Text chans = nextWord(rest, &at);
        const Text span = nextWord(rest, &at);
        uint32_t mask;
        int from, to;
        const size_t dash = span.find('-');
        if (dash == Text::npos || !parseChannels(chans, &mask) || !parseMinute(span.substr(0, dash), &from)
            || !parseMinute(span.substr(dash + 1), &to) || to < from)
            return false;
        const int plane = word == "rec" ? 0 : 1;
        mask &= present;
        for (int hour = from / 60; hour <= to / 60; ++hour) {
            // The minutes of the span within this hour, as one mask.
            const int lo = hour == from / 60 ? from % 60 : 0;
            const int hi = hour == to / 60 ? to % 60 : 59;
            const uint64_t minutes = ((uint64_t(1) << (hi + 1)) - 1) & ~((uint64_t(1) << lo) - 1);
            for (int ch = 0; ch < DAL_MAX_CH; ++ch)
                if (mask & (1u << ch))
                    e.minutes[plane][hour][ch] |= minutes;
        }
        return true;
    }
    if (word == "item") {
        const Text when = nextWord(rest, &at);
        const Text kind = nextWord(rest, &at);
        const Text source = nextWord(rest, &at);
        const Text dur = nextWord(rest, &at);
        Item it;
        int src;
        const int base = dur.empty() ? -1 : kindBase(kind);
        if (base < 0 || !parseSecond(when, &it.second) || !number(source, 0, DAL_MAX_CH - 1, &src)
            || !number(dur, 0, 86400, &it.duration))
            return false;
        if (src >= (base == 32 ? sensors : channels) || e.items.size() >= size_t(MAX_ITEMS))
            return true; // a source this recorder does not have
        it.type = uint8_t(base + src);
        if (base == 128) {
            // The rest of the line after the duration, from its first
            // character that is not a space or a tab.
            const size_t start = rest.find_first_not_of(" \t", at);
            it.text = itemText(start == Text::npos ? Text() : rest.substr(start));
        }
        e.items.push_back(std::move(it));
        return true;
    }
    if (word == "items") {
        int n;
        if (!number(nextWord(rest, &at), 0, MAX_ITEMS, &n))
            return false;
        // Room for them at once, so that a date's items made up in one
        // line (the usual case) are never moved; grown at least twofold,
        // so that many short lines do not move them each time either.
        const size_t room = std::min(e.items.size() + size_t(n), size_t(MAX_ITEMS));
        if (channels > 0 && room > e.items.capacity())
            e.items.reserve(std::max(room, std::min(2 * e.items.capacity(), size_t(MAX_ITEMS))));
        for (int k = 0; k < n && e.items.size() < size_t(MAX_ITEMS) && channels > 0; ++k) {
            Item it;
            const int ch = k % channels;
            it.second = (k * 60) % 86400;
            it.duration = 30;
            switch (k % 4) {
            case 0: it.type = uint8_t(ch); break;
            case 1: it.type = uint8_t(32 + k % sensors); break;
            case 2: it.type = uint8_t(64 + ch); break;
            default:
                it.type = uint8_t(128 + ch);
                it.text = "POS " + std::to_string(ch + 1) + " ITEM " + std::to_string(k);
            }
            e.items.push_back(std::move(it));
        }
        return true;
    }
    return false;
}

bool TDalDbModel::recorded(int e, int plane, int ch, int minute) const
{
    if (e < 0 || e >= int(m_entries.size()) || plane < 0 || plane > 1 || ch < 0 || ch >= DAL_MAX_CH || minute < 0
        || minute >= 1440)
        return false;
    return (m_entries[size_t(e)].minutes[plane][minute / 60][ch] >> (minute % 60)) & 1;
}
