#pragma once
#include <string>
#include <vector>

// The head of a backup file the stand-in writes, before the recording: text
// lines that say what was copied, so that the recorder can read the file
// back as a recording database (the search's Import):
//   DVR backup
//   bytes N                       the whole file's size, head included
//   from YYYY-MM-DD HH:MM:SS      the first second copied
//   to YYYY-MM-DD HH:MM:SS        the last second copied
//   cameras N,N,...               the cameras copied, from 1
//   days YYYY-MM-DD ...           the recorded dates of the span
//   recorder NAME
//   camera N NAME                 the title of a copied camera
// The lines a reading needs come first: a copy of one camera and one
// second (100 bytes) still holds them whole. The recording follows as zero
// bytes. A file shorter or longer than its head's size was cut off while
// it was written (or changed since) and is not read as a backup; a head
// without the size (an older copy) is read as before. The lines read are
// taken only as written here (one blank between words, none before or
// after, the dates and times with their zeros, the cameras in order and
// each once); any other form refuses the head.
class TDalBackupHead
{
public:
    struct Day {
        int year, month, day;
    };
    struct Span {
        Day from, to;                  // the first and the last day copied
        int fromSecond, toSecond;      // of their day, both copied
        std::vector<int> cameras;      // from 0
        std::vector<Day> days;         // recorded dates, in order, from..to
        std::string recorder;          // the recorder's name
        std::vector<std::string> names; // a title per camera of the list
        unsigned long long bytes = 0;   // the file's size; 0: not said
    };

    // The head's text.
    static std::string write(const Span& span);
    // True when data (the file's first bytes) starts as a backup's head.
    static bool isHead(const std::string& data);
    // The recording database of a head (TDalDbModel's description): each
    // day of the list recorded on the head's cameras over the copied span.
    // False, with the reason in *error, when the head is not understood or
    // fileSize is not the size it gives.
    static bool describe(const std::string& head, unsigned long long fileSize, std::string* description,
                         std::string* error);

    // The most of a file read for its head; the recording after it is not.
    static constexpr size_t kMaxHead = 256 * 1024;
    // The most dates a head lists, as many as the backup window offers.
    static constexpr int kMaxDays = 10000;
};
