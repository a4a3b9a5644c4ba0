#include "base/Bmp.h"

#include <algorithm>
#include <array>
#include <bit>

namespace base {
namespace {

constexpr size_t FileHeaderBytes = 14;
constexpr uint32_t CoreHeaderBytes = 12;
constexpr uint32_t InfoHeaderBytes = 40;
// The largest header a writer may have added fields to.
constexpr uint32_t MaxHeaderBytes = 1024;
constexpr size_t MaskBytes = 12;

constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiRle8 = 1;
constexpr uint32_t BiRle4 = 2;
constexpr uint32_t BiBitfields = 3;

// Escape codes that follow a zero count in run-length encoded data.
constexpr uint8_t RleEndOfLine = 0;
constexpr uint8_t RleEndOfBitmap = 1;
constexpr uint8_t RleDelta = 2;

using Palette = std::array<uint32_t, 256>;

[[noreturn]] void Fail(const char* reason) {
    throw Error(reason);
}

// One colour channel described by a bit mask, scaled to 0..255.
class Channel {
public:
    explicit Channel(uint32_t mask) : mask_(mask) {
        if (mask != 0) {
            shift_ = std::countr_zero(mask);
            max_ = mask >> shift_;
        }
    }
    uint32_t Of(uint32_t pixel) const {
        if (max_ == 0) {
            return 0;
        }
        return uint32_t(uint64_t((pixel & mask_) >> shift_) * 255 / max_);
    }

private:
    uint32_t mask_ = 0;
    int shift_ = 0;
    uint32_t max_ = 0;
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = BiRgb;
    uint32_t imageBytes = 0;
    uint32_t paletteSize = 0; // entries
    size_t paletteEntryBytes = 4;
    size_t paletteAt = 0;
    size_t pixelsAt = 0;
    std::array<uint32_t, 3> masks{};

    bool RunLength() const { return compression == BiRle8 || compression == BiRle4; }
    size_t RowBytes() const { return (size_t(width) * size_t(bitCount) + 31) / 32 * 4; }
};

void ReadSize(Header& h, int64_t width, int64_t height) {
    if (width <= 0 || height == 0) {
        Fail("unsupported picture size");
    }
    h.topDown = height < 0;
    const int64_t rows = h.topDown ? -height : height;
    if (width * rows > MaxBmpPixels) {
        Fail("unsupported picture size");
    }
    h.width = int(width);
    h.height = int(rows);
}

bool KnownEncoding(uint32_t compression, int bitCount) {
    switch (compression) {
    case BiRgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case BiRle8:
        return bitCount == 8;
    case BiRle4:
        return bitCount == 4;
    case BiBitfields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

Header ReadHeader(ByteSpan file) {
    if (file.size() < FileHeaderBytes + CoreHeaderBytes || file[0] != 'B' || file[1] != 'M') {
        Fail("not a BMP picture");
    }
    Header h;
    h.pixelsAt = LoadU32(&file[10]);
    const uint32_t infoSize = LoadU32(&file[14]);
    if (infoSize != CoreHeaderBytes && (infoSize < InfoHeaderBytes || infoSize > MaxHeaderBytes)) {
        Fail("unsupported BMP header");
    }
    if (FileHeaderBytes + infoSize > file.size()) {
        Fail("damaged BMP header");
    }
    h.paletteAt = FileHeaderBytes + infoSize;
    if (infoSize == CoreHeaderBytes) {
        ReadSize(h, LoadU16(&file[18]), LoadU16(&file[20]));
        h.bitCount = LoadU16(&file[24]);
        h.paletteEntryBytes = 3;
    } else {
        ReadSize(h, int32_t(LoadU32(&file[18])), int32_t(LoadU32(&file[22])));
        h.bitCount = LoadU16(&file[28]);
        h.compression = LoadU32(&file[30]);
        h.imageBytes = LoadU32(&file[34]);
        h.paletteSize = LoadU32(&file[46]);
    }
    if (!KnownEncoding(h.compression, h.bitCount) || (h.RunLength() && h.topDown)) {
        Fail("unsupported BMP encoding");
    }
    if (h.compression == BiBitfields) {
        // The masks follow a 40-byte header and are part of the larger ones.
        const size_t masksAt = FileHeaderBytes + InfoHeaderBytes;
        if (!RangeFits(file.size(), masksAt, MaskBytes)) {
            Fail("damaged BMP header");
        }
        for (size_t i = 0; i < h.masks.size(); ++i) {
            h.masks[i] = LoadU32(&file[masksAt + 4 * i]);
        }
        if (infoSize == InfoHeaderBytes) {
            h.paletteAt += MaskBytes;
        }
    } else if (h.bitCount == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (h.bitCount == 32) {
        h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    if (h.bitCount <= 8) {
        const uint32_t most = 1u << h.bitCount;
        if (h.paletteSize == 0 || h.paletteSize > most) {
            h.paletteSize = most;
        }
        if (!RangeFits(file.size(), h.paletteAt, h.paletteSize * h.paletteEntryBytes)) {
            Fail("damaged BMP palette");
        }
    }
    const uint64_t pixelBytes = h.RunLength() ? h.imageBytes : uint64_t(h.RowBytes()) * h.height;
    if ((h.RunLength() && h.imageBytes == 0) || h.pixelsAt > file.size() ||
        pixelBytes > file.size() - h.pixelsAt) {
        Fail("the BMP file is cut short");
    }
    return h;
}

Palette ReadPalette(ByteSpan file, const Header& h) {
    Palette palette{};
    for (uint32_t i = 0; i < h.paletteSize && h.bitCount <= 8; ++i) {
        const uint8_t* entry = &file[h.paletteAt + i * h.paletteEntryBytes];
        palette[i] = uint32_t{entry[2]} << 16 | uint32_t{entry[1]} << 8 | entry[0];
    }
    return palette;
}

void DecodeRows(ByteSpan file, const Header& h, const Palette& palette, BmpImage& image) {
    const size_t rowBytes = h.RowBytes();
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const bool keepsAlpha = h.bitCount == 32 && h.compression == BiRgb;
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* src = file.data() + h.pixelsAt + size_t(row) * rowBytes;
        const int y = h.topDown ? row : h.height - 1 - row;
        uint32_t* out = image.pixels.data() + size_t(y) * size_t(h.width);
        for (int x = 0; x < h.width; ++x) {
            switch (h.bitCount) {
            case 1:
                out[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 15];
                break;
            case 8:
                out[x] = palette[src[x]];
                break;
            case 24:
                out[x] =
                    uint32_t{src[3 * x + 2]} << 16 | uint32_t{src[3 * x + 1]} << 8 | src[3 * x];
                break;
            default: {
                const uint32_t v = h.bitCount == 16 ? LoadU16(src + 2 * x) : LoadU32(src + 4 * x);
                out[x] = (keepsAlpha ? v & 0xFF000000u : 0) | red.Of(v) << 16 | green.Of(v) << 8 |
                         blue.Of(v);
                break;
            }
            }
        }
    }
}

// Run-length encoded rows, bottom-up. Runs that reach past the right edge
// are cut there, rows past the top end the picture.
void DecodeRunLength(ByteSpan data, const Header& h, const Palette& palette, BmpImage& image) {
    const bool nibbles = h.compression == BiRle4;
    int x = 0;
    int y = 0; // from the bottom
    const auto put = [&](int count, auto indexOf) {
        const int shown = std::min(count, h.width - x);
        uint32_t* out = image.pixels.data() + size_t(h.height - 1 - y) * size_t(h.width) + x;
        for (int k = 0; k < shown; ++k) {
            out[k] = palette[indexOf(k)];
        }
        x += shown;
    };
    size_t at = 0;
    while (at + 1 < data.size() && y < h.height) {
        const uint8_t count = data[at];
        const uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            put(count, [&](int k) { return nibbles ? (k % 2 ? value & 15 : value >> 4) : value; });
            continue;
        }
        if (value == RleEndOfLine) {
            x = 0;
            ++y;
        } else if (value == RleEndOfBitmap) {
            return;
        } else if (value == RleDelta) {
            if (at + 1 >= data.size()) {
                return;
            }
            x = std::min(x + data[at], h.width);
            y += data[at + 1];
            at += 2;
        } else {
            const size_t bytes = nibbles ? (size_t(value) + 1) / 2 : value;
            if (!RangeFits(data.size(), at, bytes)) {
                Fail("damaged BMP data");
            }
            const uint8_t* run = data.data() + at;
            put(value,
                [&](int k) { return nibbles ? (run[k / 2] >> (k % 2 ? 0 : 4)) & 15 : run[k]; });
            at += bytes + bytes % 2; // runs are padded to whole 16-bit words
        }
    }
}

} // namespace

BmpImage DecodeBmp(ByteSpan file) {
    const Header h = ReadHeader(file);
    const Palette palette = ReadPalette(file, h);
    BmpImage image;
    image.width = h.width;
    image.height = h.height;
    image.bitsPerPixel = h.bitCount;
    image.pixels.assign(size_t(h.width) * size_t(h.height), 0);
    if (h.RunLength()) {
        DecodeRunLength(file.subspan(h.pixelsAt, h.imageBytes), h, palette, image);
    } else {
        DecodeRows(file, h, palette, image);
    }
    return image;
}

} // namespace base
