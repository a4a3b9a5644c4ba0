// Little-endian reads from a byte span. Every read is bounds-checked and a
// read past the end raises ECatalogueError with the caller's corruption text,
// so a damaged file can never make the reader look outside its buffer.
#pragma once

#include "catalogue/CatalogueError.h"

#include "base/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace catalogue {

using Bytes = base::ByteSpan;

[[noreturn]] void ThrowCorrupt();

inline Bytes SubBytes(Bytes bytes, size_t offset, size_t length) {
    if (!base::RangeFits(bytes.size(), offset, length)) {
        ThrowCorrupt();
    }
    return bytes.subspan(offset, length);
}

inline uint8_t ReadU8(Bytes bytes, size_t offset) {
    return SubBytes(bytes, offset, 1)[0];
}

inline uint16_t ReadU16(Bytes bytes, size_t offset) {
    return base::LoadU16(SubBytes(bytes, offset, 2).data());
}

inline uint32_t ReadU32(Bytes bytes, size_t offset) {
    return base::LoadU32(SubBytes(bytes, offset, 4).data());
}

inline uint64_t ReadU64(Bytes bytes, size_t offset) {
    return base::LoadU64(SubBytes(bytes, offset, 8).data());
}

} // namespace catalogue
