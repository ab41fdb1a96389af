// libFuzzer target: the head of a backup file on a stick, any bytes, read
// as the search's Import reads it (TDalBackupHead::describe), once with the
// data's own size and once with another. Nothing may throw; a refusal says
// why; a head read under both sizes gives one description, and what it
// gives opens as a database without a line skipped.
#include "tdalbackuphead.h"
#include "tdaldbmodel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "tdalheadfuzz: %s\n", what);
        std::abort();
    }
}

// The description of head for a file of size bytes; empty when refused.
std::string describe(const std::string& head, unsigned long long size)
{
    std::string description, error;
    const bool read = TDalBackupHead::describe(head, size, &description, &error);
    check(read == error.empty(), "a refusal without its reason, or a reason with a reading");
    check(read == !description.empty(), "a reading without a description");
    return description;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // As the reader hands it over: at most the head's bound of the file.
    const std::string head(reinterpret_cast<const char*>(data), std::min(size, TDalBackupHead::kMaxHead));
    const std::string own = describe(head, size);
    const std::string other = describe(head, size + 1);
    check(own.empty() || other.empty() || own == other, "the size changed what was read");
    const std::string& description = own.empty() ? other : own;
    if (description.empty())
        return 0;
    std::string error;
    std::vector<std::string> skipped;
    const auto model = TDalDbModel::build(description, DAL_MAX_CH, DAL_MAX_CH, &error, &skipped);
    check(model && error.empty() && skipped.empty(), "a head's description not understood");
    check(!model->entries().empty() && model->entries().size() <= size_t(TDalBackupHead::kMaxDays),
          "a head's days not within its bound");
    return 0;
}
