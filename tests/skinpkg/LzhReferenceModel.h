// A second, deliberately separate model of the LZH stream, written for the
// tests from the format's description alone: its own node records for the
// adaptive Huffman tree (start, update, rebuild), its own bit order and
// position code, its own ring. The decoder and the package compressor share
// one tree implementation, so a round trip between them cannot see a wrong
// update or rebuild; streams made and read by this model can.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lzhmodel {

// One code of the stream: a literal byte (symbol 0-255), or a match
// (symbol 256-313 for lengths 3-60) with the distance code `position`: the
// copy starts position + 1 bytes back.
struct TToken {
    int symbol = 0;
    int position = 0;
};

struct TStream {
    std::vector<std::uint8_t> bytes; // the 4-byte size, then the coded bits
    std::vector<std::uint8_t> text;  // what the stream expands to
};

// Codes `tokens` with the adaptive tree; the stated size is the text's length.
TStream Encode(const std::vector<TToken>& tokens);

struct TDecoded {
    std::vector<std::uint8_t> text;
    int rebuilds = 0; // times the tree was rebuilt on the way
};

// Expands a whole stream (bits past its end read as 0).
TDecoded Decode(std::span<const std::uint8_t> stream);

} // namespace lzhmodel
