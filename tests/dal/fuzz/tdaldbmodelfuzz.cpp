// libFuzzer target: a recording database's description, any bytes, built
// into its model (TDalDbModel::build) as a file on a stick is. Nothing may
// throw; a refusal says why and builds nothing; what is built keeps the
// model's bounds, and the skipped lines are told within theirs.
#include "tdaldbmodel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {
void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "tdaldbmodelfuzz: %s\n", what);
        std::abort();
    }
}

void buildFor(const std::string& text, int channels, int sensors)
{
    std::string error;
    std::vector<std::string> skipped;
    const auto model = TDalDbModel::build(text, channels, sensors, &error, &skipped);
    check(!model == !error.empty(), "a refusal without its reason, or a reason with a model");
    // The told lines, and the count of the others, each shown cut.
    check(skipped.size() <= size_t(TDalDbModel::MAX_TOLD) + 1, "more lines told than the bound");
    for (const std::string& s : skipped)
        check(s.size() < 400, "a told line not cut");
    if (!model)
        return;
    const auto& entries = model->entries();
    check(entries.size() <= size_t(TDalDbModel::MAX_ENTRIES), "more entries than the bound");
    size_t items = 0;
    for (size_t e = 0; e < entries.size(); ++e) {
        const TDalDbModel::Entry& en = entries[e];
        check(e == 0 || std::make_tuple(entries[e - 1].year, entries[e - 1].month, entries[e - 1].day)
                            <= std::make_tuple(en.year, en.month, en.day),
              "entries out of date order");
        check(en.items.size() <= size_t(TDalDbModel::MAX_ITEMS), "more items on an entry than the bound");
        items += en.items.size();
        for (size_t i = 0; i < en.items.size(); ++i) {
            const TDalDbModel::Item& it = en.items[i];
            const int row = TDalDbModel::rowOf(it.type), col = TDalDbModel::columnOf(it.type);
            check(row >= 0 && col < (row == 1 ? sensors : channels), "an item of a source the unit lacks");
            check(it.second >= 0 && it.second < 86400 && (i == 0 || en.items[i - 1].second <= it.second),
                  "an item out of its day or out of order");
            check(it.text.size() <= size_t(TDalDbModel::MAX_TEXT), "an item's text past its bound");
        }
        for (int ch = channels; e < 8 && ch < DAL_MAX_CH; ++ch)
            for (int m = 0; m < 1440; m += 37)
                check(!model->recorded(int(e), 0, ch, m) && !model->recorded(int(e), 1, ch, m),
                      "recording on a channel the unit lacks");
    }
    check(items <= size_t(TDalDbModel::MAX_ALL_ITEMS), "more items than the bound");
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    buildFor(text, 16, 16);
    buildFor(text, 4, 2); // a small unit: channels and sensors beyond it hold nothing
    return 0;
}
