// Windows BMP files. Reads core (12-byte) and info headers (40 bytes and the
// larger versions), 1, 4, 8, 16, 24 and 32 bits per pixel, bit-field masks
// and run-length encoded 4- and 8-bit files, rows bottom-up or top-down.
// What it cannot read is refused with base::Error, never read past the end
// of the data.
#pragma once

#include "base/Bytes.h"

#include <cstdint>
#include <vector>

namespace base {

// Larger pictures are refused rather than allocated.
constexpr int64_t MaxBmpPixels = int64_t(1) << 26;

struct BmpImage {
    int width = 0;
    int height = 0;
    // As stored in the file.
    int bitsPerPixel = 0;
    // 0xAARRGGBB, rows top-down. Alpha is the fourth byte of an uncompressed
    // 32-bit file and 0 for every other kind. Pixels a run-length encoded
    // file skips, and palette indices past its palette, are black.
    std::vector<uint32_t> pixels;
};

// Throws base::Error saying why a file cannot be read: "not a BMP picture",
// "unsupported BMP header", "unsupported picture size", "unsupported BMP
// encoding", "damaged BMP header", "damaged BMP palette", "the BMP file is
// cut short" or "damaged BMP data".
BmpImage DecodeBmp(ByteSpan file);

} // namespace base
