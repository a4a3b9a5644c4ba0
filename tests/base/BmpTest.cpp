// BMP decoding: row order, padding, every depth and encoding, and the reason
// given for each kind of damaged file.
#include "base/Bmp.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t Rgb = 0, Rle8 = 1, Rle4 = 2, Bitfields = 3;

// A BMP file with a 40-byte info header, `extra` (palette or masks) after it
// and the pixel data.
Bytes Bmp(int32_t w, int32_t h, int bits, uint32_t compression, const Bytes& extra,
          const Bytes& pixels, uint32_t colours = 0) {
    Bytes b = {'B', 'M'};
    const uint32_t offset = 54 + uint32_t(extra.size());
    base::AppendU32(b, offset + uint32_t(pixels.size()));
    base::AppendU32(b, 0);
    base::AppendU32(b, offset);
    base::AppendU32(b, 40);
    base::AppendU32(b, uint32_t(w));
    base::AppendU32(b, uint32_t(h));
    base::AppendU16(b, 1);
    base::AppendU16(b, uint16_t(bits));
    base::AppendU32(b, compression);
    base::AppendU32(b, uint32_t(pixels.size()));
    base::AppendU32(b, 0);
    base::AppendU32(b, 0);
    base::AppendU32(b, colours);
    base::AppendU32(b, 0);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// Blue, red, green, white (palette entries are blue, green, red, unused).
const Bytes Palette = {255, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 255, 255, 0};
constexpr uint32_t Blue = 0x0000FF, Red = 0xFF0000, Green = 0x00FF00, White = 0xFFFFFF;

uint32_t At(const base::BmpImage& image, int x, int y) {
    return image.pixels[size_t(y) * size_t(image.width) + size_t(x)];
}

std::string Refusal(const Bytes& file) {
    try {
        base::DecodeBmp(file);
    } catch (const base::Error& e) {
        return e.what();
    }
    return "decoded";
}

TEST(Bmp, RowsBottomUpOrTopDownAndPaddedToFourBytes) {
    // 24 bits, 3 pixels: 9 bytes of pixels and 3 of padding a row.
    const Bytes rows = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                        10, 11, 12, 13, 14, 15, 16, 17, 18, 0xEE, 0xEE, 0xEE};
    const base::BmpImage up = base::DecodeBmp(Bmp(3, 2, 24, Rgb, {}, rows));
    EXPECT_EQ(up.width, 3);
    EXPECT_EQ(up.height, 2);
    EXPECT_EQ(up.bitsPerPixel, 24);
    EXPECT_EQ(At(up, 0, 1), 0x030201u) << "bottom-up: the first stored row is the bottom one";
    EXPECT_EQ(At(up, 2, 1), 0x090807u);
    EXPECT_EQ(At(up, 0, 0), 0x0C0B0Au) << "the padding is skipped, not read as a pixel";
    const base::BmpImage down = base::DecodeBmp(Bmp(3, -2, 24, Rgb, {}, rows));
    EXPECT_EQ(down.height, 2);
    EXPECT_EQ(At(down, 0, 0), 0x030201u);
    EXPECT_EQ(At(down, 2, 1), 0x121110u);
}

TEST(Bmp, PalettedAndPackedDepths) {
    const base::BmpImage mono =
        base::DecodeBmp(Bmp(3, 1, 1, Rgb, Palette, {0b10100000, 0, 0, 0}, 2));
    EXPECT_EQ(At(mono, 0, 0), Red);
    EXPECT_EQ(At(mono, 1, 0), Blue);
    EXPECT_EQ(At(mono, 2, 0), Red);
    const base::BmpImage nibble =
        base::DecodeBmp(Bmp(3, 1, 4, Rgb, Palette, {0x12, 0x30, 0, 0}, 4));
    EXPECT_EQ(At(nibble, 0, 0), Red);
    EXPECT_EQ(At(nibble, 1, 0), Green);
    EXPECT_EQ(At(nibble, 2, 0), White);
    const base::BmpImage bytes = base::DecodeBmp(Bmp(2, 1, 8, Rgb, Palette, {3, 200, 0, 0}, 4));
    EXPECT_EQ(At(bytes, 0, 0), White);
    EXPECT_EQ(At(bytes, 1, 0), 0u) << "an index past the palette reads black";
    const base::BmpImage high = base::DecodeBmp(Bmp(2, 1, 16, Rgb, {}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(At(high, 0, 0), Red) << "5-5-5 by default";
    EXPECT_EQ(At(high, 1, 0), Blue);
}

TEST(Bmp, ThirtyTwoBitsKeepAlphaUnlessMasked) {
    const base::BmpImage plain = base::DecodeBmp(Bmp(1, 1, 32, Rgb, {}, {1, 2, 3, 0x80}));
    EXPECT_EQ(At(plain, 0, 0), 0x80030201u);
    Bytes masks;
    base::AppendU32(masks, 0x000000FF); // red in the low byte
    base::AppendU32(masks, 0x0000FF00);
    base::AppendU32(masks, 0x00FF0000);
    const base::BmpImage masked = base::DecodeBmp(Bmp(1, 1, 32, Bitfields, masks, {1, 2, 3, 0x80}));
    EXPECT_EQ(At(masked, 0, 0), 0x010203u);
    Bytes sixMasks; // 5-6-5
    base::AppendU32(sixMasks, 0xF800);
    base::AppendU32(sixMasks, 0x07E0);
    base::AppendU32(sixMasks, 0x001F);
    const base::BmpImage green =
        base::DecodeBmp(Bmp(1, 1, 16, Bitfields, sixMasks, {0xE0, 0x07, 0, 0}));
    EXPECT_EQ(At(green, 0, 0), Green);
}

TEST(Bmp, CoreHeadersWithThreeBytePaletteEntries) {
    Bytes b = {'B', 'M'};
    base::AppendU32(b, 0);
    base::AppendU32(b, 0);
    base::AppendU32(b, 14 + 12 + 6);
    base::AppendU32(b, 12);
    base::AppendU16(b, 2);
    base::AppendU16(b, 1);
    base::AppendU16(b, 1);
    base::AppendU16(b, 8);
    b.insert(b.end(), {0, 0, 255, 0, 255, 0}); // red, green; the palette is cut at two
    b.insert(b.end(), {1, 0, 0, 0});
    Bytes full = b;
    full.resize(14 + 12 + 3 * 256 + 4);
    base::WriteU32(full, 10, 14 + 12 + 3 * 256);
    std::copy(b.end() - 4, b.end(), full.end() - 4);
    const base::BmpImage image = base::DecodeBmp(full);
    EXPECT_EQ(At(image, 0, 0), Green);
    EXPECT_EQ(At(image, 1, 0), Red);
    EXPECT_EQ(Refusal(b), "damaged BMP palette") << "a core palette always has every entry";
}

TEST(Bmp, RunLengthEncodedRowsWithEscapes) {
    // 4 x 3, RLE8: bottom row two reds then two greens; then a delta over the
    // middle row; top row an absolute run (padded to a word) cut at the edge.
    const Bytes rle8 = {2, 1, 2, 2, 0, 0, 0, 2, 1, 1, 0, 5, 3, 0, 3, 3, 3, 0, 0, 1};
    const base::BmpImage image = base::DecodeBmp(Bmp(4, 3, 8, Rle8, Palette, rle8, 4));
    EXPECT_EQ(At(image, 0, 2), Red);
    EXPECT_EQ(At(image, 3, 2), Green);
    EXPECT_EQ(At(image, 0, 1), 0u) << "pixels a delta skips stay black";
    EXPECT_EQ(At(image, 0, 0), 0u);
    EXPECT_EQ(At(image, 1, 0), White) << "the absolute run starts where the delta moved";
    EXPECT_EQ(At(image, 3, 0), White);
    // RLE4: runs alternate the two nibbles.
    const base::BmpImage four = base::DecodeBmp(Bmp(3, 1, 4, Rle4, Palette, {3, 0x12, 0, 1}, 4));
    EXPECT_EQ(At(four, 0, 0), Red);
    EXPECT_EQ(At(four, 1, 0), Green);
    EXPECT_EQ(At(four, 2, 0), Red);
    EXPECT_EQ(Refusal(Bmp(4, 1, 8, Rle8, Palette, {0, 4, 1, 1}, 4)), "damaged BMP data")
        << "an absolute run longer than the data";
    EXPECT_EQ(Refusal(Bmp(4, -1, 8, Rle8, Palette, {0, 1}, 4)), "unsupported BMP encoding")
        << "encoded rows are always bottom-up";
}

TEST(Bmp, DamagedFilesAreRefusedWithAReason) {
    const Bytes good = Bmp(2, 2, 24, Rgb, {}, Bytes(16, 9));
    EXPECT_EQ(Refusal(good), "decoded");
    EXPECT_EQ(Refusal({'M', 'B', 0}), "not a BMP picture");
    EXPECT_EQ(Refusal(Bytes(good.begin(), good.begin() + 20)), "not a BMP picture");
    Bytes header = good;
    base::WriteU32(header, 14, 1025); // a header size past the limit
    EXPECT_EQ(Refusal(header), "unsupported BMP header");
    base::WriteU32(header, 14, 124); // a V5 header, longer than this file
    EXPECT_EQ(Refusal(header), "damaged BMP header");
    EXPECT_EQ(Refusal(Bmp(-2, 2, 24, Rgb, {}, Bytes(16))), "unsupported picture size");
    EXPECT_EQ(Refusal(Bmp(2, 0, 24, Rgb, {}, {})), "unsupported picture size");
    EXPECT_EQ(Refusal(Bmp(30000, 30000, 24, Rgb, {}, {})), "unsupported picture size");
    EXPECT_EQ(Refusal(Bmp(2, 2, 7, Rgb, {}, Bytes(16))), "unsupported BMP encoding");
    EXPECT_EQ(Refusal(Bmp(2, 2, 24, Rle8, {}, Bytes(16))), "unsupported BMP encoding");
    EXPECT_EQ(Refusal(Bmp(2, 2, 8, Rgb, {1, 2}, {}, 2)), "damaged BMP palette");
    EXPECT_EQ(Refusal(Bmp(1, 1, 16, Bitfields, {}, {})), "damaged BMP header") << "no masks";
    Bytes cut = good;
    cut.pop_back();
    EXPECT_EQ(Refusal(cut), "the BMP file is cut short") << "one byte of padding missing";
    Bytes pastEnd = good;
    pastEnd[10] = 0xFF; // pixel offset beyond the file
    EXPECT_EQ(Refusal(pastEnd), "the BMP file is cut short");
    EXPECT_EQ(Refusal(Bmp(4, 1, 8, Rle8, Palette, {}, 4)), "the BMP file is cut short")
        << "encoded data of no length";
}

} // namespace
