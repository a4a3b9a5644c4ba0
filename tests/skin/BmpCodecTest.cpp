#include "skin/ImgUtil/BmpCodec.h"

#include "base/Bytes.h"

#include <gtest/gtest.h>

using namespace skin;

namespace {

using base::AppendU16;
using base::AppendU32;

// A BMP file with a 40-byte info header, the given palette or masks (raw
// bytes placed after the header) and raw pixel rows.
std::vector<uint8_t> Bmp(int32_t w, int32_t h, int bits, uint32_t compression,
                         const std::vector<uint8_t>& extra, const std::vector<uint8_t>& rows,
                         uint32_t colours = 0) {
    std::vector<uint8_t> b = {'B', 'M'};
    const uint32_t offset = 54 + uint32_t(extra.size());
    AppendU32(b, offset + uint32_t(rows.size()));
    AppendU32(b, 0);
    AppendU32(b, offset);
    AppendU32(b, 40);
    AppendU32(b, uint32_t(w));
    AppendU32(b, uint32_t(h));
    AppendU16(b, 1);
    AppendU16(b, uint16_t(bits));
    AppendU32(b, compression);
    AppendU32(b, uint32_t(rows.size()));
    AppendU32(b, 0);
    AppendU32(b, 0);
    AppendU32(b, colours);
    AppendU32(b, 0);
    b.insert(b.end(), extra.begin(), extra.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

TDib Decoded(const std::vector<uint8_t>& file) {
    TDib dib;
    std::string error;
    EXPECT_TRUE(DecodeBmp(file, dib, error)) << error;
    return dib;
}

std::string Refusal(const std::vector<uint8_t>& file) {
    TDib dib(3, 3);
    std::string error;
    EXPECT_FALSE(DecodeBmp(file, dib, error));
    EXPECT_TRUE(dib.Empty()) << "a refused file leaves no stale pixels";
    return error;
}

TEST(BmpCodec, EncodedFilesReadBackPixelForPixel) {
    TDib dib(5, 3); // odd width: rows carry padding
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            dib.SetPixel(x, y, MakeColour(uint8_t(40 * x), uint8_t(90 * y), uint8_t(x ^ y)));
        }
    }
    const std::vector<uint8_t> file = EncodeBmp(dib);
    EXPECT_EQ(file.size(), 54u + 16u * 3u);
    EXPECT_TRUE(Decoded(file) == dib);
}

TEST(BmpCodec, PalettesAndPackedDepths) {
    // Bottom-up: the first stored row is the bottom one.
    const std::vector<uint8_t> palette = {255, 0, 0, 0, 0, 0, 255, 0}; // blue, red
    const TDib mono = Decoded(Bmp(3, 2, 1, 0, palette, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}));
    EXPECT_EQ(mono.Pixel(0, 1), MakeColour(255, 0, 0));
    EXPECT_EQ(mono.Pixel(1, 1), MakeColour(0, 0, 255));
    EXPECT_EQ(mono.Pixel(1, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(mono.Pixel(0, 0), MakeColour(0, 0, 255));

    const TDib nibble = Decoded(Bmp(3, 1, 4, 0, palette, {0x10, 0x10, 0, 0}, 2));
    EXPECT_EQ(nibble.Pixel(0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(nibble.Pixel(1, 0), MakeColour(0, 0, 255));
    EXPECT_EQ(nibble.Pixel(2, 0), MakeColour(255, 0, 0));

    // Index past a short palette reads black instead of running off it.
    const TDib bytes = Decoded(Bmp(2, 1, 8, 0, palette, {1, 200, 0, 0}, 2));
    EXPECT_EQ(bytes.Pixel(0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(bytes.Pixel(1, 0), 0u);

    // 16 bits, 5-5-5 by default: 0x7C00 is full red.
    const TDib high = Decoded(Bmp(1, 1, 16, 0, {}, {0x00, 0x7C, 0, 0}));
    EXPECT_EQ(high.Pixel(0, 0), MakeColour(255, 0, 0));
}

TEST(BmpCodec, ThirtyTwoBitsWithMasksAndTopDownRows) {
    std::vector<uint8_t> masks;
    AppendU32(masks, 0x000000FF); // red in the low byte
    AppendU32(masks, 0x0000FF00);
    AppendU32(masks, 0x00FF0000);
    const TDib dib = Decoded(Bmp(1, -2, 32, 3, masks, {10, 20, 30, 0, 1, 2, 3, 0}));
    EXPECT_EQ(dib.BitsPerPixel(), 32);
    EXPECT_EQ(dib.Pixel(0, 0), MakeColour(10, 20, 30)) << "top-down: first row is the top";
    EXPECT_EQ(dib.Pixel(0, 1), MakeColour(1, 2, 3));
}

TEST(BmpCodec, DamagedFilesAreRefusedWithAReason) {
    const std::vector<uint8_t> good = Bmp(2, 2, 24, 0, {}, std::vector<uint8_t>(16, 9));
    EXPECT_EQ(Refusal({'M', 'B', 0}), "not a BMP picture");
    std::vector<uint8_t> truncated = good;
    truncated.pop_back();
    EXPECT_NE(Refusal(truncated).find("cut short"), std::string::npos);
    EXPECT_NE(Refusal(Bmp(2, 2, 24, 1, {}, std::vector<uint8_t>(16))).find("encoding"),
              std::string::npos);
    EXPECT_NE(Refusal(Bmp(-2, 2, 24, 0, {}, std::vector<uint8_t>(16))).find("size"),
              std::string::npos);
    EXPECT_NE(Refusal(Bmp(2, 2, 7, 0, {}, std::vector<uint8_t>(16))).find("encoding"),
              std::string::npos);
    EXPECT_NE(Refusal(Bmp(30000, 30000, 24, 0, {}, {})).find("size"), std::string::npos);
    EXPECT_NE(Refusal(Bmp(2, 2, 8, 0, {1, 2}, {}, 2)).find("palette"), std::string::npos);
    std::vector<uint8_t> pastEnd = good;
    pastEnd[10] = 0xFF; // pixel offset beyond the file
    EXPECT_NE(Refusal(pastEnd).find("cut short"), std::string::npos);
}

} // namespace
