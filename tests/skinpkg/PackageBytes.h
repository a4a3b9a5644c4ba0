// Helpers that build raw stream and container bytes for the skin package tests.
#pragma once

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

inline void AppendUint32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// An expanded container with the given raw names block, size table and data
// area, so tests can state damaged or unusual layouts directly.
inline std::vector<std::uint8_t> Container(std::uint32_t version, std::string_view names,
                                           std::initializer_list<std::uint32_t> sizes,
                                           std::string_view data) {
    std::vector<std::uint8_t> out;
    AppendUint32(out, version);
    AppendUint32(out, static_cast<std::uint32_t>(names.size()));
    AppendUint32(out, 0xDEADBEEF); // reserved words are ignored
    AppendUint32(out, 0x12345678);
    out.insert(out.end(), names.begin(), names.end());
    for (std::uint32_t size : sizes)
        AppendUint32(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

} // namespace testbytes
