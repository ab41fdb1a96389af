#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// The recorder's firmware image as the stand-in knows it: a gzip-compressed
// tar archive holding the upgrade tool "./upgrade", so the program can
// unpack the tool with the system's tar. Its gzip header carries the small
// image header as the gzip comment:
//     "dvrfw model=<model> crc32=<8 hex digits>"
// the model the image is made for and the CRC-32 of every byte that follows
// the header (the compressed archive and the gzip trailer).
class TDalFwr
{
public:
    // What DalCheckValidFwr answers for an image.
    enum Result { MISMATCH = 0, VALID = 1, OTHER_MODEL = 2 };
    // Images are read whole; a larger file is no image of ours.
    static const size_t MAX_IMAGE = 64u << 20;

    // Checks the image file at a host path for the recorder of the given
    // model: MISMATCH when it is no image, its header is damaged or its
    // checksum does not match; OTHER_MODEL when it is sound but made for
    // another model; VALID otherwise. -1 when the file cannot be read.
    static int check(const std::string& hostPath, const std::string& model);
    // The same for an image already in memory.
    static int checkBytes(const std::string& image, const std::string& model);
    // The bytes of an image of the given model carrying tool as "./upgrade".
    static std::string image(const std::string& model, const std::string& tool);

    // CRC-32 (IEEE 802.3, as gzip uses it) of n bytes, continuing crc.
    static uint32_t crc32(const unsigned char* p, size_t n, uint32_t crc = 0);

private:
    static std::string tarOf(const std::string& name, const std::string& data);
    static std::string storedDeflate(const std::string& data);
};
