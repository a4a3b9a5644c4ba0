// Writes 24-bit PNG files (zlib-compressed) from 0x00RRGGBB pixels. Used by
// the GUI tests for captures and by the tools that render preview sheets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace png {

// Encodes a top-down image; pixels holds width * height values 0x00RRGGBB.
std::vector<uint8_t> Encode(int width, int height, const std::vector<uint32_t>& pixels);

// Encodes and writes the file; false when it cannot be written.
bool Save(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);

} // namespace png
