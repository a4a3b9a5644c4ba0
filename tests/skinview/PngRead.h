// Reads back the PNG files our writer makes (8-bit RGB, unfiltered rows, no
// interlace), for tests that check pictures a program saved.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pngread {

struct TImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top-down rows
    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Throws std::runtime_error naming what it cannot read.
TImage Read(const std::string& path);

} // namespace pngread
