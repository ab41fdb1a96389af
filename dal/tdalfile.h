#pragma once
#include <cstddef>
#include <string>

// One of the stand-in's own files in the runtime root (a disk's database, a
// snapshot, a backup copy, a firmware image), written whole or not at all.
// Its folder is opened once and checked to lie inside the root; everything
// after goes through that open folder, so a folder swapped for a link on
// the way never takes the write out of the root. The bytes go to a
// temporary file of the folder, under a name that holds nothing of the
// file's own (Import never offers it), held locked while it is written,
// and synced; only then does it take the file's name, and the folder is
// synced. A symbolic link at the name is neither followed nor replaced, and
// a folder there is not written into: either refuses the write before
// anything is written. What was written aside and not put in place is
// removed when the object goes; what a killed process left is removed by
// sweep().
class TDalFile
{
public:
    explicit TDalFile(const std::string& hostFile);
    ~TDalFile();
    TDalFile(const TDalFile&) = delete;
    TDalFile& operator=(const TDalFile&) = delete;

    // Opens the folder and makes the temporary file. Empty when done, else
    // why not, as a line of the stand-in says it ("a symbolic link is
    // there, not written").
    std::string begin();
    // The temporary file, to write to after begin.
    int fd() const { return m_fd; }
    // Syncs the temporary file: whole on the medium, not named yet.
    std::string finish();
    // begin, the bytes written, finish.
    std::string stage(const std::string& bytes);
    // Gives the finished file its name, over a file there (replace) or only
    // where none is (else "a file is there, kept"), then syncs the folder.
    // Empty when named and synced, else why not; placed() tells whether the
    // name was taken (it stays taken when only the folder's sync failed).
    std::string place(bool replace = true);
    bool placed() const { return m_placed; }
    // Removes the file placed when only the folder's sync failed (its name
    // may not be on the medium), from the folder it was written in.
    void remove();

    // The whole write of a file at a host path: stage, then place.
    static std::string writeNew(const std::string& hostFile, const std::string& bytes, bool replace = true);
    // The same at a unit path, which the runtime root may refuse ("leaves
    // the runtime root, not written").
    static std::string writeAt(const std::string& unitPath, const std::string& bytes);
    // Writes n bytes to fd whole (a write cut by a signal goes on); false
    // on an error, errno telling it.
    static bool writeAll(int fd, const char* p, size_t n);
    // Why a write failed with errno error: "cannot be written (...)".
    static std::string failed(int error);
    // Removes from a folder of the runtime root (a unit path) the temporary
    // files that no write holds (their writer was killed, or had not yet
    // locked a file it made: it then takes another name), the first 20
    // said in a line each, then how many more; a write under way keeps its
    // own, a name of another form (a person's ".dalpart-notes") is not
    // touched, and what is not a plain file (a FIFO, a device, a folder,
    // a link) is neither opened nor removed. Nothing without a root. The
    // number removed.
    static int sweep(const std::string& unitFolder);

    // For tests, the stand-in's own faults: the step named fails once,
    // after `after` more of its kind have succeeded (-1: none fails).
    // Place: a file cannot take its name (EIO). NoReplace: the rename that
    // never replaces is missing (EINVAL), as on a file system without it.
    enum Step { Place, NoReplace };
    static void failStep(Step step, int after);
    // What place says when a file took the name first and replace is off.
    static const char* const kKept;

private:
    // Closes what is open; the temporary file is removed unless placed.
    void close();

    std::string m_host;
    std::string m_name; // in its folder
    std::string m_temp; // the temporary file's name in the folder, empty when none
    int m_dir = -1;
    int m_fd = -1;
    bool m_finished = false; // synced, not yet named
    bool m_placed = false;
};
