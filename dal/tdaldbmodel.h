#pragma once
#include "dal.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One recording database of the stand-in, built from its description: date
// entries (several entries may share a date, as after a clock change), each
// with per-channel minute maps of normal and event recording and its event
// items. Built once, then only read (handles and the decoder share it).
//
// The description is text, one statement a line; '#' starts a comment:
//   date YYYY-MM-DD [ID]          a new entry; ID is its date id (default
//                                 1000 + its line's entry number)
//   rec CHANNELS HH:MM-HH:MM      normal recording of the entry, both ends
//   event CHANNELS HH:MM-HH:MM    event recording             included
//   item HH:MM:SS KIND SOURCE SECONDS [TEXT]
//                                 one event item: KIND is record, sensor,
//                                 motion, vloss or text; SOURCE the channel
//                                 (the sensor for sensor items); SECONDS its
//                                 duration; TEXT (text items) may hold "\n"
//   items N                       N items made up in a fixed pattern: one a
//                                 minute, cycling record, sensor, motion and
//                                 text over the channels
// CHANNELS is "all" or a list of N and N-M parts separated by commas.
class TDalDbModel
{
public:
    // An entry's items, a text item's bytes, and the most one description
    // may build: its entries (as many dates as a backup's head may list)
    // and its items in all; the lines not understood told one by one.
    enum { MAX_ITEMS = 100000, MAX_TEXT = 1999, MAX_ENTRIES = 10000, MAX_ALL_ITEMS = 1000000, MAX_TOLD = 20 };

    struct Item {
        uint8_t type;   // source kind and source, as the item record's byte 0
        int second;     // of the day
        int duration;   // seconds
        std::string text;
    };

    struct Entry {
        int year, month, day, dateId;
        // Plane 0 normal, 1 event recording; bit m of [hour][ch] is minute m.
        uint64_t minutes[2][24][DAL_MAX_CH];
        std::vector<Item> items; // in time order
    };

    // Builds the model of a description for a recorder of the given
    // channels and sensors: generated items use them, and channels beyond
    // them hold no recording. Entries are put in date order (entries of one
    // date keep their order). Lines not understood are skipped, and told in
    // *skipped when it is given: the first MAX_TOLD each as "line N: " and
    // its bytes as standard error shows them, then how many more there are
    // ("N more lines"). A description that asks for more than MAX_ENTRIES
    // entries, MAX_ALL_ITEMS items in all or MAX_ITEMS on one "items" line
    // builds nothing: null, the reason in *error.
    static std::shared_ptr<const TDalDbModel> build(const std::string& text, int channels, int sensors,
                                                    std::string* error = nullptr,
                                                    std::vector<std::string>* skipped = nullptr);

    // "YYYY-MM-DD" (a real date from 1970 to 2999) into year, month and
    // day; "HH:MM:SS" into the second of the day. False when not one.
    static bool parseDate(std::string_view s, int* ymd);
    static bool parseSecond(std::string_view s, int* second);

    const std::vector<Entry>& entries() const { return m_entries; }
    // True when channel ch has recording of the plane at minute (0..1439)
    // of entry e.
    bool recorded(int e, int plane, int ch, int minute) const;

    // The filter table's row (0 record, 1 sensor, 2 motion, 3 video loss,
    // 4 text-in) and column of an item type; row -1 for other types.
    static int rowOf(uint8_t type) { return type < 160 ? type / 32 : -1; }
    static int columnOf(uint8_t type) { return type % 32; }

private:
    // One statement of the description into the model: its first word,
    // and the rest of its line; false when it is not understood.
    bool parseStatement(std::string_view word, std::string_view rest, int channels, int sensors);

    std::vector<Entry> m_entries;
};
