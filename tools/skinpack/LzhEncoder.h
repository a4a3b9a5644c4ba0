// Compressor for the LZH skin package stream: writes exactly the stream the
// skin reader's decoder reads (same tree start, update and rebuild, same
// position code), choosing the longest match at every step.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The compressed stream of `input`: its size as 32-bit little-endian, then
// the coded bits. Raises std::length_error for an input of 2 GiB or more,
// whose size the stream cannot state.
std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> input);
