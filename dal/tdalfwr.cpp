#include "tdalfwr.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sys/stat.h>

namespace {
const unsigned char kFlagText = 0x01;
const unsigned char kFlagExtra = 0x04;
const unsigned char kFlagName = 0x08;
const unsigned char kFlagComment = 0x10;
const size_t kMaxComment = 255;
const size_t kTarBlock = 512;
const size_t kTarRecord = 20 * kTarBlock; // the record size tar itself writes

void putLe32(std::string& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += char((v >> (8 * i)) & 0xff);
}

// An octal tar header field of width bytes: digits, then a NUL.
void putOctal(char* field, size_t width, unsigned long value)
{
    std::snprintf(field, width, "%0*lo", int(width - 1), value);
}
}

uint32_t TDalFwr::crc32(const unsigned char* p, size_t n, uint32_t crc)
{
    static uint32_t table[256];
    static const bool filled = [] {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        return true;
    }();
    (void)filled;
    crc = ~crc;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ p[i]) & 0xff] ^ (crc >> 8);
    return ~crc;
}

std::string TDalFwr::tarOf(const std::string& name, const std::string& data)
{
    char h[kTarBlock];
    std::memset(h, 0, sizeof h);
    std::snprintf(h, 100, "%s", name.c_str());
    putOctal(h + 100, 8, 0755);                          // mode
    putOctal(h + 108, 8, 0);                             // uid
    putOctal(h + 116, 8, 0);                             // gid
    putOctal(h + 124, 12, data.size());                  // size
    putOctal(h + 136, 12, (unsigned long)time(nullptr)); // mtime
    h[156] = '0';                                        // a regular file
    std::memcpy(h + 257, "ustar", 6);
    std::memcpy(h + 263, "00", 2);
    std::memset(h + 148, ' ', 8); // the checksum counts its own field as blanks
    unsigned long sum = 0;
    for (unsigned char c : h)
        sum += c;
    std::snprintf(h + 148, 8, "%06lo", sum);
    h[155] = ' ';
    std::string tar(h, sizeof h);
    tar += data;
    tar.append((kTarBlock - data.size() % kTarBlock) % kTarBlock, '\0');
    tar.append(2 * kTarBlock, '\0'); // end of archive
    tar.append((kTarRecord - tar.size() % kTarRecord) % kTarRecord, '\0');
    return tar;
}

std::string TDalFwr::storedDeflate(const std::string& data)
{
    // Stored blocks of at most 65535 bytes: each a header byte (the last
    // block flag, type 0), its length and the length's complement.
    std::string out;
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, data.size() - pos);
        const bool last = pos + n == data.size();
        out += char(last ? 1 : 0);
        out += char(n & 0xff);
        out += char(n >> 8);
        out += char(~n & 0xff);
        out += char((~n >> 8) & 0xff);
        out.append(data, pos, n);
        pos += n;
    } while (pos < data.size());
    return out;
}

std::string TDalFwr::image(const std::string& model, const std::string& tool)
{
    const std::string tar = tarOf("./upgrade", tool);
    std::string body = storedDeflate(tar);
    putLe32(body, crc32(reinterpret_cast<const unsigned char*>(tar.data()), tar.size()));
    putLe32(body, uint32_t(tar.size()));

    char comment[kMaxComment + 1];
    std::snprintf(comment, sizeof comment, "dvrfw model=%.31s crc32=%08x", model.c_str(),
                  crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
    std::string out;
    out += char(0x1f);
    out += char(0x8b);
    out += char(8); // deflate
    out += char(kFlagComment);
    putLe32(out, 0); // no time stamp
    out += char(0);  // no extra flags
    out += char(3);  // Unix
    out += comment;
    out += '\0';
    return out + body;
}

int TDalFwr::checkBytes(const std::string& img, const std::string& model)
{
    const auto* p = reinterpret_cast<const unsigned char*>(img.data());
    const size_t size = img.size();
    if (size < 10 || p[0] != 0x1f || p[1] != 0x8b || p[2] != 8)
        return MISMATCH;
    // Reserved bits or a header CRC make no image of ours, nor does a
    // header without the image comment.
    const unsigned char flags = p[3];
    if ((flags & ~(kFlagText | kFlagExtra | kFlagName | kFlagComment)) || !(flags & kFlagComment))
        return MISMATCH;
    // The terminator of a text of at most max bytes starting at from.
    auto textEnd = [&](size_t from, size_t max) {
        for (size_t i = from; i < size && i - from <= max; ++i)
            if (!p[i])
                return i;
        return std::string::npos;
    };
    size_t pos = 10;
    if (flags & kFlagExtra) {
        if (pos + 2 > size)
            return MISMATCH;
        pos += 2 + (p[pos] | (size_t(p[pos + 1]) << 8));
    }
    if (flags & kFlagName) {
        const size_t end = textEnd(pos, 4096);
        if (end == std::string::npos)
            return MISMATCH;
        pos = end + 1;
    }
    const size_t end = textEnd(pos, kMaxComment);
    if (end == std::string::npos)
        return MISMATCH;
    const std::string comment(img, pos, end - pos);
    pos = end + 1;

    // Exactly as written: "dvrfw model=", the model (1 to 31 bytes, no
    // blank), " crc32=" and 8 hex digits that end the comment.
    static const char kHead[] = "dvrfw model=";
    static const char kCrc[] = " crc32=";
    const size_t head = sizeof kHead - 1;
    const size_t at = comment.find(kCrc, head);
    const size_t hex = at + sizeof kCrc - 1;
    if (comment.compare(0, head, kHead) != 0 || at == std::string::npos || at == head || at - head > 31
        || comment.find_first_of(" \t\n\v\f\r", head) != at || comment.size() != hex + 8
        || comment.find_first_not_of("0123456789abcdefABCDEF", hex) != std::string::npos)
        return MISMATCH;
    const std::string imageModel = comment.substr(head, at - head);
    const uint32_t crc = uint32_t(std::strtoul(comment.c_str() + hex, nullptr, 16));
    if (crc32(p + pos, size - pos) != crc)
        return MISMATCH;
    return model == imageModel ? VALID : OTHER_MODEL;
}

int TDalFwr::check(const std::string& hostPath, const std::string& model)
{
    struct stat st;
    if (::stat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    std::ifstream f(hostPath, std::ios::binary);
    if (!f)
        return -1;
    f.seekg(0, std::ios::end);
    const std::streamoff size = f.tellg();
    if (size < 0)
        return -1;
    if (size_t(size) > MAX_IMAGE)
        return MISMATCH;
    f.seekg(0);
    std::string bytes(size_t(size), '\0');
    if (!f.read(&bytes[0], size))
        return -1;
    return checkBytes(bytes, model);
}
