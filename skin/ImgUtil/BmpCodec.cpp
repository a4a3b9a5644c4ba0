#include "skin/ImgUtil/BmpCodec.h"

#include <array>
#include <bit>

namespace skin {
namespace {

constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiBitfields = 3;

uint32_t U16(std::span<const uint8_t> b, size_t at) {
    return b[at] | uint32_t(b[at + 1]) << 8;
}
uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            max = m >> shift;
        }
    }
    uint8_t Of(uint32_t pixel) const {
        if (!max)
            return 0;
        return uint8_t(uint64_t((pixel & mask) >> shift) * 255 / max);
    }
};

struct Header {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = BiRgb;
    uint32_t paletteSize = 0; // entries
    int paletteEntryBytes = 4;
    size_t paletteAt = 0;
    size_t pixelsAt = 0;
    std::array<uint32_t, 3> masks{};
};

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

bool ReadHeader(std::span<const uint8_t> file, Header& h, std::string& error) {
    if (file.size() < 14 + 12 || file[0] != 'B' || file[1] != 'M')
        return Fail(error, "not a BMP file (no BM signature)");
    h.pixelsAt = U32(file, 10);
    const uint32_t infoSize = U32(file, 14);
    if (infoSize == 12) {
        h.width = int(U16(file, 18));
        h.height = int(U16(file, 20));
        h.bitCount = int(U16(file, 24));
        h.paletteEntryBytes = 3;
    } else if (infoSize >= 40 && infoSize <= 1024 && file.size() >= 14 + size_t(infoSize)) {
        const int32_t width = int32_t(U32(file, 18));
        const int32_t height = int32_t(U32(file, 22));
        if (width <= 0 || height == 0 || height == INT32_MIN)
            return Fail(error, "BMP size out of range");
        h.width = width;
        h.topDown = height < 0;
        h.height = h.topDown ? -height : height;
        h.bitCount = int(U16(file, 28));
        h.compression = U32(file, 30);
        h.paletteSize = U32(file, 46);
        if (h.compression == BiBitfields) {
            // The masks follow a 40-byte header, and are part of the larger ones.
            if (file.size() < 14 + 40 + 12)
                return Fail(error, "BMP bit-field masks missing");
            for (size_t i = 0; i < 3; ++i)
                h.masks[i] = U32(file, 54 + 4 * i);
        }
    } else {
        return Fail(error, "unknown BMP header");
    }
    h.paletteAt = 14 + infoSize;
    if (h.compression == BiBitfields && infoSize == 40)
        h.paletteAt += 12;
    if (h.width <= 0 || h.height <= 0 || int64_t(h.width) * h.height > TDib::MaxPixels)
        return Fail(error, "BMP size out of range");
    if (h.compression != BiRgb &&
        !(h.compression == BiBitfields && (h.bitCount == 16 || h.bitCount == 32)))
        return Fail(error, "compressed BMP files are not supported");
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
        if (h.paletteSize == 0 || h.paletteSize > (1u << h.bitCount))
            h.paletteSize = 1u << h.bitCount;
        if (h.paletteAt + size_t(h.paletteSize) * h.paletteEntryBytes > file.size())
            return Fail(error, "BMP palette runs past the end of the file");
        break;
    case 16:
        if (h.compression == BiRgb)
            h.masks = {0x7C00, 0x03E0, 0x001F};
        break;
    case 24:
        break;
    case 32:
        if (h.compression == BiRgb)
            h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
        break;
    default:
        return Fail(error, "unsupported BMP bit depth");
    }
    const size_t rowBytes = ((size_t(h.width) * size_t(h.bitCount) + 31) / 32) * 4;
    if (h.pixelsAt > file.size() || rowBytes * size_t(h.height) > file.size() - h.pixelsAt)
        return Fail(error, "BMP pixel data runs past the end of the file");
    return true;
}

void DecodeRows(std::span<const uint8_t> file, const Header& h, TDib& bitmap) {
    const size_t rowBytes = ((size_t(h.width) * size_t(h.bitCount) + 31) / 32) * 4;
    std::array<Colour, 256> palette{};
    for (uint32_t i = 0; i < h.paletteSize && h.bitCount <= 8; ++i) {
        const size_t at = h.paletteAt + size_t(i) * h.paletteEntryBytes;
        palette[i] = MakeColour(file[at + 2], file[at + 1], file[at]);
    }
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (int row = 0; row < h.height; ++row) {
        const uint8_t* src = file.data() + h.pixelsAt + size_t(row) * rowBytes;
        const int y = h.topDown ? row : h.height - 1 - row;
        for (int x = 0; x < h.width; ++x) {
            Colour c = 0;
            switch (h.bitCount) {
            case 1:
                c = palette[(src[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                c = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 15];
                break;
            case 8:
                c = palette[src[x]];
                break;
            case 16: {
                const uint32_t v = src[2 * x] | uint32_t(src[2 * x + 1]) << 8;
                c = MakeColour(red.Of(v), green.Of(v), blue.Of(v));
                break;
            }
            case 24:
                c = MakeColour(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default: {
                const uint8_t* p = src + 4 * x;
                const uint32_t v =
                    p[0] | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
                c = MakeColour(red.Of(v), green.Of(v), blue.Of(v));
                break;
            }
            }
            bitmap.SetPixel(x, y, c);
        }
    }
}

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace

bool DecodeBmp(std::span<const uint8_t> file, TDib& bitmap, std::string& error) {
    bitmap.Clear();
    Header h;
    if (!ReadHeader(file, h, error))
        return false;
    bitmap.SetSize(h.width, h.height, h.bitCount == 32 ? 32 : 24);
    DecodeRows(file, h, bitmap);
    return true;
}

std::vector<uint8_t> EncodeBmp(const TDib& bitmap) {
    const uint32_t rowBytes = (uint32_t(bitmap.Width()) * 3 + 3) & ~3u;
    const uint32_t dataSize = rowBytes * uint32_t(bitmap.Height());
    std::vector<uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, 54 + dataSize);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, uint32_t(bitmap.Width()));
    PutU32(out, uint32_t(bitmap.Height()));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, BiRgb);
    PutU32(out, dataSize);
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = bitmap.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Colour c = bitmap.Pixel(x, y);
            out.push_back(BlueOf(c));
            out.push_back(GreenOf(c));
            out.push_back(RedOf(c));
        }
        out.resize(out.size() + (rowBytes - uint32_t(bitmap.Width()) * 3));
    }
    return out;
}

} // namespace skin
