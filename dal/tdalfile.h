#pragma once
#include <cstddef>
#include <string>

// Writes of the stand-in's own files in the runtime root: whole or not at
// all, and never through a symbolic link put in the place of one.
class TDalFile
{
public:
    // Writes n bytes to fd whole (a write cut by a signal goes on); false
    // on an error, errno telling it.
    static bool writeAll(int fd, const char* p, size_t n);
    // Writes bytes as the file at a host path: beside it under a name of
    // its own, synced, then renamed over the name, so that a file there
    // stays as it was until the new one is whole and nothing cut is left.
    // A symbolic link at the name is neither followed nor replaced: the
    // write is refused. Empty when written, else why not, as a line of the
    // stand-in says it ("a symbolic link is there, not written").
    static std::string writeNew(const std::string& hostFile, const std::string& bytes);
    // The same at a unit path, which the runtime root may refuse ("leaves
    // the runtime root, not written").
    static std::string writeAt(const std::string& unitPath, const std::string& bytes);
    // Why a write failed with errno error: "cannot be written (...)".
    static std::string failed(int error);
};
