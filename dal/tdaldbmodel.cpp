#include "tdaldbmodel.h"
#include "tdaljournal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <tuple>

namespace {
bool number(const std::string& s, long lo, long hi, int* out)
{
    if (s.empty() || s.size() > 9)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    const long v = std::strtol(s.c_str(), nullptr, 10);
    if (v < lo || v > hi)
        return false;
    *out = int(v);
    return true;
}

// "a<sep>b<sep>c..." into up to three numbers, each checked.
bool fields(const std::string& s, char sep, int n, const long (*range)[2], int* out)
{
    size_t from = 0;
    for (int i = 0; i < n; ++i) {
        const size_t end = i + 1 < n ? s.find(sep, from) : s.size();
        if (end == std::string::npos || !number(s.substr(from, end - from), range[i][0], range[i][1], &out[i]))
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
bool parseMinute(const std::string& s, int* minute)
{
    static const long range[2][2] = {{0, 23}, {0, 59}};
    int hm[2];
    if (!fields(s, ':', 2, range, hm))
        return false;
    *minute = hm[0] * 60 + hm[1];
    return true;
}

// "all" or "N,N-M,..." into a mask of channels 0..31.
bool parseChannels(const std::string& s, uint32_t* mask)
{
    if (s == "all") {
        *mask = 0xffffffffu;
        return true;
    }
    *mask = 0;
    std::stringstream parts(s);
    std::string part;
    while (std::getline(parts, part, ',')) {
        const size_t dash = part.find('-');
        int a, b;
        if (dash == std::string::npos) {
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
std::string itemText(const std::string& s)
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

// What a description asks for at most, counted before anything is built:
// its date lines, and its items (an "items N" line at N). False as soon as
// either, or the N of one "items" line, is past the model's bound, the
// reason in *why; *entries is then a bound of the entries it builds.
bool withinBounds(const std::string& text, size_t* entries, std::string* why)
{
    std::istringstream lines(text);
    std::string line, word, count;
    long dates = 0, items = 0;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        if (!(in >> word))
            continue;
        int n = 0;
        if (word == "date")
            ++dates;
        else if (word == "item")
            ++items;
        else if (word == "items" && in >> count && !count.empty()
                 && count.find_first_not_of("0123456789") == std::string::npos) {
            if (!number(count, 0, TDalDbModel::MAX_ITEMS, &n)) {
                *why = "more than " + std::to_string(int(TDalDbModel::MAX_ITEMS)) + " items on one line";
                return false;
            }
            items += n;
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

int kindBase(const std::string& kind)
{
    static const char* const kKinds[] = {"record", "sensor", "motion", "vloss", "text"};
    for (int i = 0; i < 5; ++i)
        if (kind == kKinds[i])
            return i * 32;
    return -1;
}
}

bool TDalDbModel::parseDate(const std::string& s, int* ymd)
{
    static const long range[3][2] = {{1970, 2999}, {1, 12}, {1, 31}};
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (!fields(s, '-', 3, range, ymd))
        return false;
    return ymd[2] <= days[ymd[1] - 1] + (ymd[1] == 2 && leap(ymd[0]) ? 1 : 0);
}

bool TDalDbModel::parseSecond(const std::string& s, int* second)
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
    std::stringstream lines(text);
    std::string line;
    int lineNo = 0;
    int more = 0; // lines not understood beyond those told
    while (std::getline(lines, line)) {
        ++lineNo;
        if (model->parseLine(line, channels, sensors) || !skipped)
            continue;
        if (skipped->size() < size_t(MAX_TOLD))
            skipped->push_back("line " + std::to_string(lineNo) + ": " + TDalJournal::shown(line));
        else
            ++more;
    }
    if (more)
        skipped->push_back(std::to_string(more) + (more == 1 ? " more line" : " more lines"));
    std::stable_sort(model->m_entries.begin(), model->m_entries.end(), [](const Entry& a, const Entry& b) {
        return std::make_tuple(a.year, a.month, a.day) < std::make_tuple(b.year, b.month, b.day);
    });
    for (Entry& e : model->m_entries)
        std::stable_sort(e.items.begin(), e.items.end(),
                         [](const Item& a, const Item& b) { return a.second < b.second; });
    return model;
}

bool TDalDbModel::parseLine(const std::string& line, int channels, int sensors)
{
    std::istringstream in(line);
    std::string word;
    if (!(in >> word) || word[0] == '#')
        return true;
    if (word == "date") {
        std::string date, id;
        int ymd[3];
        int dateId = 1000 + int(m_entries.size()) + 1;
        if (!(in >> date) || !parseDate(date, ymd) || ((in >> id) && !number(id, 0, 999999999, &dateId)))
            return false;
        m_entries.emplace_back();
        Entry& e = m_entries.back();
        std::memset(e.minutes, 0, sizeof e.minutes);
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
        std::string chans, span;
        uint32_t mask;
        int from, to;
        const size_t dash = (in >> chans >> span) ? span.find('-') : std::string::npos;
        if (dash == std::string::npos || !parseChannels(chans, &mask) || !parseMinute(span.substr(0, dash), &from)
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
        std::string when, kind, source, dur;
        Item it;
        int src;
        const int base = (in >> when >> kind >> source >> dur) ? kindBase(kind) : -1;
        if (base < 0 || !parseSecond(when, &it.second) || !number(source, 0, DAL_MAX_CH - 1, &src)
            || !number(dur, 0, 86400, &it.duration))
            return false;
        if (src >= (base == 32 ? sensors : channels) || e.items.size() >= size_t(MAX_ITEMS))
            return true; // a source this recorder does not have
        it.type = uint8_t(base + src);
        if (base == 128) {
            std::string rest;
            std::getline(in, rest);
            const size_t start = rest.find_first_not_of(" \t");
            it.text = itemText(start == std::string::npos ? std::string() : rest.substr(start));
        }
        e.items.push_back(std::move(it));
        return true;
    }
    if (word == "items") {
        std::string count;
        int n;
        if (!(in >> count) || !number(count, 0, MAX_ITEMS, &n))
            return false;
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
