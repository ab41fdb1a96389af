#pragma once
#include <cstddef>
#include <string>

// Writes of the stand-in's own files: whole or failed, and never through a
// symbolic link put in the place of a file it makes in the runtime root.
class TDalFile
{
public:
    // Writes n bytes to fd whole (a write cut by a signal goes on); false
    // on an error.
    static bool writeAll(int fd, const char* p, size_t n);
    // Makes or empties the file at a host path and writes bytes into it
    // whole; a link there is not followed (the write fails). False when it
    // cannot be made, written or closed.
    static bool writeNew(const std::string& hostFile, const std::string& bytes);
};
