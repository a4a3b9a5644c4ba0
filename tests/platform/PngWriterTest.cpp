#include "tools/png/PngWriter.h"

#include "base/Bytes.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>

namespace {

using base::ReadBigEndianU32;

struct Chunk {
    std::string type;
    std::vector<uint8_t> data;
};

// Splits a PNG file into chunks, checking every CRC on the way.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& file) {
    std::vector<Chunk> chunks;
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = ReadBigEndianU32(file, at);
        Chunk c;
        c.type.assign(reinterpret_cast<const char*>(file.data() + at + 4), 4);
        c.data.assign(file.data() + at + 8, file.data() + at + 8 + length);
        const uLong crc = crc32(0L, file.data() + at + 4, uInt(length + 4));
        EXPECT_EQ(ReadBigEndianU32(file, at + 8 + length), uint32_t(crc)) << c.type;
        chunks.push_back(std::move(c));
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size());
    return chunks;
}

TEST(PngWriter, RowsRoundTripThroughInflate) {
    const int w = 3, h = 2;
    const std::vector<uint32_t> pixels = {0xFF0000, 0x00FF00, 0x0000FF,
                                          0x123456, 0xFFFFFF, 0x000000};
    const std::vector<uint8_t> file = png::Encode(w, h, pixels);
    ASSERT_EQ(0, std::memcmp(file.data(), "\x89PNG\r\n\x1a\n", 8));

    const std::vector<Chunk> chunks = Chunks(file);
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    EXPECT_EQ(uint32_t(w), ReadBigEndianU32(chunks[0].data, 0));
    EXPECT_EQ(uint32_t(h), ReadBigEndianU32(chunks[0].data, 4));
    EXPECT_EQ(8, chunks[0].data[8]); // bit depth
    EXPECT_EQ(2, chunks[0].data[9]); // truecolour
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);

    std::vector<uint8_t> raw(size_t(h) * (1 + w * 3));
    uLongf rawSize = uLongf(raw.size());
    ASSERT_EQ(Z_OK, uncompress(raw.data(), &rawSize, chunks[1].data.data(),
                               uLong(chunks[1].data.size())));
    ASSERT_EQ(raw.size(), rawSize);
    const std::vector<uint8_t> expected = {0, 0xFF, 0,    0,    0,    0xFF, 0,    0, 0, 0xFF,
                                           0, 0x12, 0x34, 0x56, 0xFF, 0xFF, 0xFF, 0, 0, 0};
    EXPECT_EQ(expected, raw);
}

TEST(PngWriter, RefusesMismatchedPixelCount) {
    EXPECT_THROW(png::Encode(2, 2, {1, 2, 3}), std::invalid_argument);
    EXPECT_THROW(png::Encode(0, 1, {}), std::invalid_argument);
}

} // namespace
