// libFuzzer target: the control channel's lines, any bytes, applied as the
// FIFO's reader applies them (TDalControl::apply): cut at line ends, a line
// longer than the reader's bound dropped. Nothing may throw, the answer is
// one of the three a line has. The stand-in is not started, so a key or a
// sensor reaches no one; media lines and journal questions act in a
// temporary runtime root.
#include "dal.h"
#include "dal_test.h"
#include "tdalcontrol.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
const size_t kMaxLine = 256; // as the FIFO's reader takes them

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "tdalcontrolfuzz: %s\n", what);
        std::abort();
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Made before the stand-in's own objects, so removed after them at exit.
    static QTemporaryDir root;
    check(root.isValid() && QDir(root.path()).mkpath(QStringLiteral("tmp")), "no temporary root");
    qputenv("DVR_ROOT", QFile::encodeName(root.path()));
    dalTestReset();
    // A few calls in the journal for its questions to find.
    DalVoutSetCaps(0, 3);
    DalVoutSetLive(1);
    DalBackupSetDvrInfo("UNIT \x1b[2J journal al");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* p = reinterpret_cast<const char*>(data);
    const char* const end = p + size;
    while (p < end) {
        const char* nl = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const size_t n = size_t((nl ? nl : end) - p);
        if (n <= kMaxLine) {
            const int r = TDalControl::apply(std::string(p, n));
            check(r == 0 || r == -1 || r == -2, "an answer a line does not have");
        }
        p = nl ? nl + 1 : end;
    }
    return 0;
}
