// Decoder of the compressed skin package stream: a 32-bit little-endian
// expanded size followed by LZSS codes over a 4096-byte ring, with literals and
// match lengths in an adaptive Huffman tree and positions in a fixed prefix code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

class ElzhException : public std::runtime_error {
public:
    explicit ElzhException(const std::string& message) : std::runtime_error(message) {}
};

class TLZH {
public:
    // No skin package comes near this; a bigger stated size is refused before
    // anything is allocated for it.
    static constexpr std::uint32_t DefaultSizeLimit = 64u * 1024u * 1024u;

    // The expanded size a stream states in its first four bytes (missing bytes
    // read as 0), compared as signed.
    static std::int32_t StatedSize(std::span<const std::uint8_t> input);

    // Replaces `output` by the expansion of `input`. A truncated stream decodes
    // as if followed by zero bytes; the last match is copied whole, so the
    // output may run up to 59 bytes past the stated size. Raises ElzhException
    // when the stated size exceeds `sizeLimit` or the tables cannot be had.
    void Decompress(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
                    std::uint32_t sizeLimit = DefaultSizeLimit);

    // Bytes of the input the last decompression actually read (reads past the
    // end are not counted).
    std::size_t BytesRead() const { return bytesRead_; }

    // Whether the last decompression needed bits past the end of its input,
    // i.e. the stream was cut short and its end was decoded from zeros.
    bool RanOut() const { return ranOut_; }
    // Output bytes of the last decompression that came wholly from the
    // input's own bits: all of them unless it ran out.
    std::size_t WholeBytes() const { return wholeBytes_; }

private:
    std::size_t bytesRead_ = 0;
    bool ranOut_ = false;
    std::size_t wholeBytes_ = 0;
};
