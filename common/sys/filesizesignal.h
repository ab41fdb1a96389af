#pragma once
// The process start-up's signal set-up, shared by the program's main and by
// the tests that put a size limit on the files it writes.

// Ignores SIGXFSZ for the rest of the process: a write past the file-size
// limit (RLIMIT_FSIZE) then fails with EFBIG, and the writer reports it as
// it does a full flash, instead of the signal ending the program.
void ignoreFileSizeSignal();
