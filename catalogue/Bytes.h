// Little-endian reads from a byte span. Every read is bounds-checked and a
// read past the end raises ECatalogueError with the caller's corruption text,
// so a damaged file can never make the reader look outside its buffer.
#pragma once

#include "catalogue/CatalogueError.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace catalogue {

using Bytes = std::span<const uint8_t>;

[[noreturn]] void ThrowCorrupt();

inline Bytes SubBytes(Bytes bytes, size_t offset, size_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset)
        ThrowCorrupt();
    return bytes.subspan(offset, length);
}

inline uint8_t ReadU8(Bytes bytes, size_t offset) {
    return SubBytes(bytes, offset, 1)[0];
}

inline uint16_t ReadU16(Bytes bytes, size_t offset) {
    Bytes b = SubBytes(bytes, offset, 2);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

inline uint32_t ReadU32(Bytes bytes, size_t offset) {
    Bytes b = SubBytes(bytes, offset, 4);
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
           static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
}

inline uint64_t ReadU64(Bytes bytes, size_t offset) {
    return ReadU32(bytes, offset) | static_cast<uint64_t>(ReadU32(bytes, offset + 4)) << 32;
}

} // namespace catalogue
