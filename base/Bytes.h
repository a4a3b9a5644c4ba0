// Little- and big-endian integers in byte buffers. The checked reads and
// writes throw base::Error rather than touch a byte outside the buffer; the
// Load functions are for loops over a range their caller has checked.
#pragma once

#include "base/Base.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace base {

using ByteSpan = std::span<const uint8_t>;

// True when [offset, offset + length) lies inside a buffer of `size` bytes
// (without overflowing).
constexpr bool RangeFits(size_t size, size_t offset, size_t length) {
    return offset <= size && length <= size - offset;
}

[[noreturn]] void ThrowPastEnd();

constexpr uint16_t LoadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
constexpr uint32_t LoadU32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
constexpr uint64_t LoadU64(const uint8_t* p) {
    return LoadU32(p) | uint64_t{LoadU32(p + 4)} << 32;
}

// The first of `length` bytes at `offset`, or base::Error when they do not
// all lie inside the buffer.
template <class Byte> Byte* CheckedAt(std::span<Byte> bytes, size_t offset, size_t length) {
    if (!RangeFits(bytes.size(), offset, length)) {
        ThrowPastEnd();
    }
    return bytes.data() + offset;
}

inline uint8_t ReadU8(ByteSpan bytes, size_t offset) {
    return *CheckedAt(bytes, offset, 1);
}
inline uint16_t ReadU16(ByteSpan bytes, size_t offset) {
    return LoadU16(CheckedAt(bytes, offset, 2));
}
inline uint32_t ReadU32(ByteSpan bytes, size_t offset) {
    return LoadU32(CheckedAt(bytes, offset, 4));
}
inline uint64_t ReadU64(ByteSpan bytes, size_t offset) {
    return LoadU64(CheckedAt(bytes, offset, 8));
}
// Most significant byte first, as PNG stores its integers.
inline uint32_t ReadBigEndianU32(ByteSpan bytes, size_t offset) {
    const uint8_t* p = CheckedAt(bytes, offset, 4);
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// Overwrite bytes already in the buffer.
inline void WriteU16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    uint8_t* p = CheckedAt(bytes, offset, 2);
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}
inline void WriteU32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    uint8_t* p = CheckedAt(bytes, offset, 4);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline void AppendU16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}
inline void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}
inline void AppendBigEndianU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 3; i >= 0; --i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

} // namespace base
