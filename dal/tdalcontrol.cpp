#include "tdalcontrol.h"
#include "dal.h"
#include "dal_test.h"
#include "tdalcore.h"
#include "tdaljournal.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
const size_t kMaxLine = 256;
// The lock on the FIFO's folder is held: by the program that has the
// control channel, as only such a program takes it.
const char kLocked[] = "another program holds the control channel (the root's tmp folder is locked)";
// The lock was free, yet the FIFO there is open for reading: held by a
// process that is no such program (a shell that opened it, any other
// reader), which the stand-in cannot name.
const char kHeld[] = "the FIFO there is already held open for reading";

// The four-character codes of the recorder's front-panel and remote keys
// (the digit keys, K R 0x00 digit, are typed as the digit), and its four
// layout keys.
const char* const kKeyWords[] = {
    "4NDS", "4NEP", "4NLB", "4NRF", "4NSR", "ENFR", "ENPP", "FOFA", "FONE", "IRCL", "IROP", "KKLT", "KKMX",
    "KR10", "KRAU", "KRBA", "KRC0", "KRC1", "KRC2", "KRC3", "KRC4", "KRC5", "KRC6", "KRC7", "KRC8", "KRC9",
    "KRCA", "KRDI", "KRDO", "KREJ", "KREN", "KRES", "KRFB", "KRFF", "KRIN", "KRLE", "KRLO", "KRME", "KRPA",
    "KRPB", "KRPF", "KRPN", "KRPT", "KRRI", "KRSB", "KRSE", "KRSF", "KRSL", "KRSS", "KRST", "KRSW", "KRUP",
    "KRZO", "MUTE", "UNHD", "UNIN", "UNLO", "UNNE", "ZOTE", "ZOWI", "KR22", "KR33", "KR44", "KR41",
};

bool onOff(const std::string& w, int* on)
{
    if (w == "on" || w == "1") {
        *on = 1;
        return true;
    }
    if (w == "off" || w == "0") {
        *on = 0;
        return true;
    }
    return false;
}

bool number(const std::string& w, long lo, long hi, long* out)
{
    if (w.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    // Decimal only: "010" is ten, never an octal eight.
    const long v = std::strtol(w.c_str(), &end, 10);
    if (errno || *end || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

// Whether the input named by a line (sensor or channel) is one the
// recorder of the profile has; the refusal is said on standard error.
bool inProfile(const std::string& cmd, long v)
{
    const TDalProfile p = TDalCore::instance().profile();
    const int count = cmd == "sensor" ? p.sensors() : p.channels();
    if (v < count)
        return true;
    TDalJournal::say(cmd + " " + std::to_string(v) + " refused: the " + p.name() + " profile has "
                     + std::to_string(count));
    return false;
}

// What stands at the control path instead of a FIFO, for the refusal.
const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISLNK(mode))
        return "a symbolic link";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    return "something else";
}

// The rest of a line after its first words and their blanks (the text of
// "pos CH TEXT" after two, of "journal TEXT" after one), its inner blanks
// kept.
std::string restAfter(const std::string& line, int words)
{
    size_t i = 0;
    for (int word = 0; word < words; ++word) {
        while (i < line.size() && std::isspace((unsigned char)line[i]))
            ++i;
        while (i < line.size() && !std::isspace((unsigned char)line[i]))
            ++i;
    }
    while (i < line.size() && std::isspace((unsigned char)line[i]))
        ++i;
    return line.substr(i);
}
}

TDalControl::~TDalControl()
{
    stop();
}

bool TDalControl::start(const std::string& path, std::string* why)
{
    stop();
    m_path = path;
    // Taken before the FIFO is looked at, so that two programs starting
    // at once cannot both make or open it; the kernel drops it with a
    // killed program's descriptors.
    const std::string folder = path.substr(0, path.rfind('/'));
    m_lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        *why = errno == EWOULDBLOCK ? kLocked : std::string("its folder cannot be locked: ") + std::strerror(errno);
        stop();
        return false;
    }
    const int fd = take(path, why);
    if (fd < 0) {
        stop();
        return false;
    }
    m_ours = true;
    m_quit = false;
    m_thread = std::thread(&TDalControl::run, this, fd);
    return true;
}

int TDalControl::take(const std::string& path, std::string* why)
{
    struct stat st;
    bool there = ::lstat(path.c_str(), &st) == 0;
    if (there && S_ISREG(st.st_mode)) {
        // A plain file here is what an "echo ... >" made while no program
        // read the FIFO: its lines were never heard. The FIFO takes its place.
        if (::unlink(path.c_str()) != 0) {
            *why = std::string("a plain file is there and cannot be removed: ") + std::strerror(errno);
            return -1;
        }
        TDalJournal::say(path + " was a plain file (a write while no program read it), replaced by the FIFO");
        there = false;
    }
    if (there && !S_ISFIFO(st.st_mode)) {
        *why = std::string(kindOf(st.st_mode)) + " is there, not a FIFO";
        return -1;
    }
    if (there) {
        // A FIFO that another process reads stays theirs. Opening it for
        // writing without waiting succeeds only while a process has it
        // open for reading, and writes nothing. Without a reader it was
        // left by a run that did not end: ours now, and gone at stop.
        const int probe = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
        if (probe >= 0) {
            ::close(probe);
            *why = kHeld;
            return -1;
        }
    }
    if (!there && ::mkfifo(path.c_str(), 0600) != 0) {
        *why = std::string("the FIFO cannot be made: ") + std::strerror(errno);
        return -1;
    }
    // Opened for reading and writing, so the FIFO never reports an end when
    // a writer closes it; every writer's lines arrive in turn.
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    struct stat own;
    if (fd < 0 || ::fstat(fd, &own) != 0 || !S_ISFIFO(own.st_mode)) {
        *why = std::string("the FIFO cannot be opened: ") + std::strerror(fd < 0 ? errno : EINVAL);
        if (fd >= 0)
            ::close(fd);
        if (!there)
            ::unlink(path.c_str());
        return -1;
    }
    m_dev = own.st_dev;
    m_ino = own.st_ino;
    return fd;
}

void TDalControl::stop()
{
    if (m_thread.joinable()) {
        m_quit = true;
        m_thread.join();
    }
    // Removed only while the path still holds the FIFO this channel read:
    // what another program put there since is not ours.
    struct stat st;
    if (m_ours && ::lstat(m_path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode) && st.st_dev == m_dev
        && st.st_ino == m_ino)
        ::unlink(m_path.c_str());
    m_ours = false;
    if (m_lock >= 0)
        ::close(m_lock);
    m_lock = -1;
}

void TDalControl::run(int fd)
{
    std::string pending;
    bool overlong = false;
    while (!m_quit) {
        pollfd p = {fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char buf[512];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            if (buf[i] == '\n') {
                // -2: refused, and the reason is already on standard error.
                if (!overlong && apply(pending) == -1)
                    TDalJournal::say("control line not understood: " + TDalJournal::cut(pending));
                pending.clear();
                overlong = false;
            } else if (pending.size() < kMaxLine) {
                pending += buf[i];
            } else if (!overlong) {
                // Such a line is dropped whole, and said so at once: its end
                // may never come.
                overlong = true;
                TDalJournal::say("control line dropped, longer than " + std::to_string(kMaxLine)
                                 + " bytes: " + TDalJournal::cut(pending));
            }
        }
    }
    ::close(fd);
}

long TDalControl::keyCode(const std::string& word)
{
    if (word.size() == 1 && word[0] >= '0' && word[0] <= '9')
        return 0x4B520030 + (word[0] - '0');
    // A number first: "0x4B" is four characters but a code given in hex
    // ("0x" as written, not "0X").
    if (word.size() > 2 && word[0] == '0' && word[1] == 'x') {
        char* end = nullptr;
        errno = 0;
        const unsigned long v = std::strtoul(word.c_str() + 2, &end, 16);
        // Hex digits only: strtoul would also take a sign, a blank or a
        // second "0x".
        if (errno || *end || word.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos
            || v > 0xFFFFFFFFUL)
            return -1;
        return long(v);
    }
    // A word only when the recorder has such a key: a mistyped one ("KRDN"
    // for KRDO) would reach the program as a key it does not know.
    for (const char* known : kKeyWords) {
        if (word == known) {
            long code = 0;
            for (char c : word)
                code = (code << 8) | (unsigned char)c;
            return code;
        }
    }
    return -1;
}

const char* TDalControl::keyWord(int i)
{
    return i >= 0 && i < int(sizeof kKeyWords / sizeof kKeyWords[0]) ? kKeyWords[i] : nullptr;
}

int TDalControl::apply(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> w;
    std::string s;
    while (in >> s)
        w.push_back(s);
    if (w.empty() || w[0][0] == '#')
        return 0; // empty lines and comments
    TDalCore& core = TDalCore::instance();
    const std::string& cmd = w[0];
    long v = 0;
    int on = 0;
    if (cmd == "key" || cmd == "rmc") {
        if (w.size() < 2 || w.size() > 3)
            return -1;
        const long code = keyCode(w[1]);
        if (code < 0)
            return -1;
        const std::string action = w.size() == 3 ? w[2] : "click";
        const int type = cmd == "key" ? CBT_IO_KEY : CBT_IO_RMCKEY;
        if (action == "press" || action == "click")
            core.injectIo(type, 1, int(code));
        else if (action == "held")
            core.injectIo(type, 4, int(code));
        else if (action != "release")
            return -1;
        if (action == "release" || action == "click")
            core.injectIo(type, 2, int(code));
        return 0;
    }
    if (cmd == "jog" && w.size() == 2 && number(w[1], -1000, 1000, &v) && v != 0) {
        core.injectIo(CBT_IO_JOG, 1, int(v));
        return 0;
    }
    if (cmd == "shuttle" && w.size() == 2 && number(w[1], -1000, 1000, &v)) {
        core.injectIo(CBT_IO_SHUTTLE, 1, int(v));
        return 0;
    }
    if (cmd == "rmcid" && w.size() == 2 && number(w[1], 0, 255, &v)) {
        core.injectIo(CBT_IO_RMCID, 1, int(v));
        return 0;
    }
    if ((cmd == "sensor" || cmd == "vloss" || cmd == "motion") && w.size() == 3 && number(w[1], 0, 1000000, &v)
        && onOff(w[2], &on)) {
        // Only the inputs the recorder of the profile has.
        if (!inProfile(cmd, v))
            return -2;
        if (cmd == "sensor")
            core.injectIo(CBT_IO_SENSOR, int(v), on);
        else
            core.injectVin(cmd == "vloss" ? CBT_VIN_VL : CBT_VIN_MOTION, int(v), on, nullptr);
        return 0;
    }
    if (cmd == "format" && w.size() == 5 && number(w[1], 0, 1000000, &v)) {
        long width = 0, height = 0, fps = 0;
        const size_t x = w[2].find('x');
        if (x == std::string::npos || !number(w[2].substr(0, x), 16, 4096, &width)
            || !number(w[2].substr(x + 1), 16, 2160, &height) || (w[3] != "p" && w[3] != "i")
            || !number(w[4], 1, 120, &fps))
            return -1;
        if (!inProfile(cmd, v))
            return -2;
        return dalTestVinFormat(int(v), int(width), int(height), w[3] == "p", double(fps)) == 0 ? 0 : -1;
    }
    if (cmd == "pos" && w.size() >= 3 && number(w[1], 0, 1000000, &v)) {
        if (!inProfile(cmd, v))
            return -2;
        dalTestPos(CBT_POS_TEXTIN, int(v), 1, restAfter(line, 2).c_str());
        return 0;
    }
    if (cmd == "posusb" && w.size() == 3 && number(w[1], 1, 4, &v) && onOff(w[2], &on))
        return dalTestPosPresent(int(v), on) == 0 ? 0 : -1;
    if (cmd == "journal") {
        // The calls the program made so far, for whoever drives the FIFO:
        // every journal line that holds the text (all without one).
        const std::string text = restAfter(line, 1);
        // Each shown whole, its bytes escaped as every line here: a call's
        // text arguments (names, paths) come from outside. The closing count
        // tells the reader the answer is whole.
        const int n = TDalJournal::count();
        int found = 0;
        for (int i = 0; i < n; ++i) {
            const std::string l = TDalJournal::line(i);
            if (text.empty() || l.find(text) != std::string::npos) {
                TDalJournal::say("journal: " + l);
                ++found;
            }
        }
        TDalJournal::say("journal: " + std::to_string(found) + (found == 1 ? " line" : " lines"));
        return 0;
    }
    if ((cmd == "usb" || cmd == "disc") && w.size() >= 2) {
        // A medium in (a stick with its room in MB, a disc with 4700 MB
        // unless given) or out; the program hears of it (its scan answered
        // again while it looks for a medium) and mounts it itself.
        const int bd = cmd == "usb" ? 0 : 1;
        if (w[1] == "out" && w.size() == 2) {
            dalTestBackupMedia(bd, 0, 0, 0);
            return 0;
        }
        long mb = 4700;
        if (w[1] != "in" || w.size() > 3 || (bd == 0 && w.size() != 3)
            || (w.size() == 3 && !number(w[2], 0, 10000000, &mb)))
            return -1;
        dalTestBackupMedia(bd, 1, uint64_t(mb) * 1000000u, 0);
        return 0;
    }
    if (cmd == "disk" && w.size() == 2) {
        if (w[1] == "mount")
            core.injectEnc(CBT_ENC_SD_MOUNT, 0, 1, "");
        else if (w[1] == "mount-bad")
            core.injectEnc(CBT_ENC_SD_MOUNT, 0, 0, "disk error");
        else if (w[1] == "fsck-end")
            core.injectEnc(CBT_ENC_SD_FSCK_END, 0, 0, "");
        else if (w[1] == "format-end")
            core.injectEnc(CBT_ENC_SD_FORMAT_END, 0, 0, "");
        else if (w[1] == "smart")
            core.injectEnc(CBT_ENC_SMART, 0, 0, "");
        else if (w[1] == "temp")
            core.injectEnc(CBT_ENC_SMART_TEMP, 0, 0, "");
        else
            return -1;
        return 0;
    }
    return -1;
}
