#include "tests/skinview/PngRead.h"

#include "base/Bytes.h"

#include <zlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pngread {
namespace {} // namespace

TImage Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    const auto fail = [&](const std::string& why) { throw std::runtime_error(path + ": " + why); };
    static const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) {
        fail("not a PNG file");
    }
    TImage image;
    std::vector<uint8_t> packed;
    for (size_t at = 8; at + 12 <= file.size();) {
        const size_t length = base::ReadBigEndianU32(file, at);
        const std::string type(file.begin() + long(at) + 4, file.begin() + long(at) + 8);
        if (at + 12 + length > file.size()) {
            fail("chunk " + type + " runs past the end");
        }
        const size_t data = at + 8;
        if (type == "IHDR") {
            image.width = int(base::ReadBigEndianU32(file, data));
            image.height = int(base::ReadBigEndianU32(file, data + 4));
            if (file[data + 8] != 8 || file[data + 9] != 2 || file[data + 12] != 0) {
                fail("not 8-bit RGB without interlace");
            }
        } else if (type == "IDAT") {
            packed.insert(packed.end(), file.begin() + long(data),
                          file.begin() + long(data + length));
        }
        at += 12 + length;
    }
    if (image.width <= 0 || image.height <= 0) {
        fail("no image header");
    }
    const size_t stride = size_t(image.width) * 3;
    std::vector<uint8_t> raw(size_t(image.height) * (stride + 1));
    uLongf rawSize = uLongf(raw.size());
    if (uncompress(raw.data(), &rawSize, packed.data(), uLong(packed.size())) != Z_OK ||
        rawSize != raw.size()) {
        fail("damaged image data");
    }
    image.pixels.reserve(size_t(image.width) * size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* line = raw.data() + size_t(y) * (stride + 1);
        if (line[0] != 0) {
            fail("a row filter our writer does not use");
        }
        for (size_t x = 0; x < size_t(image.width); ++x) {
            image.pixels.push_back(uint32_t(line[1 + 3 * x]) << 16 |
                                   uint32_t(line[2 + 3 * x]) << 8 | line[3 + 3 * x]);
        }
    }
    return image;
}

} // namespace pngread
