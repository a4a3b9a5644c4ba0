// Helpers that build raw stream and container bytes for the skin package tests.
#pragma once

#include "base/Bytes.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testbytes {

inline std::vector<std::uint8_t> Bytes(std::string_view text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

inline std::string Text(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// An expanded container with the given raw names block, size table and data
// area, so tests can state damaged or unusual layouts directly.
inline std::vector<std::uint8_t> Container(std::uint32_t version, std::string_view names,
                                           std::initializer_list<std::uint32_t> sizes,
                                           std::string_view data) {
    std::vector<std::uint8_t> out;
    base::AppendU32(out, version);
    base::AppendU32(out, static_cast<std::uint32_t>(names.size()));
    base::AppendU32(out, 0xDEADBEEF); // reserved words are ignored
    base::AppendU32(out, 0x12345678);
    out.insert(out.end(), names.begin(), names.end());
    for (std::uint32_t size : sizes) {
        base::AppendU32(out, size);
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

} // namespace testbytes
