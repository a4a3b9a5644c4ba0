#include "skin/ImgUtil/BmpCodec.h"

#include "base/Bmp.h"

namespace skin {
namespace {

constexpr uint32_t FileAndInfoHeaderBytes = 14 + 40;
constexpr uint32_t InfoHeaderBytes = 40;
constexpr uint32_t BiRgb = 0;
constexpr int32_t PixelsPerMetre = 2835; // 72 dpi

} // namespace

bool DecodeBmp(std::span<const uint8_t> file, TDib& bitmap, std::string& error) {
    bitmap.Clear();
    base::BmpImage image;
    try {
        image = base::DecodeBmp(file);
    } catch (const base::Error& e) {
        error = e.what();
        return false;
    }
    bitmap.SetSize(image.width, image.height, image.bitsPerPixel == 32 ? 32 : 24);
    const uint32_t* pixel = image.pixels.data();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            bitmap.SetPixel(x, y, base::PixelColour(*pixel++));
        }
    }
    return true;
}

std::vector<uint8_t> EncodeBmp(const TDib& bitmap) {
    const uint32_t rowBytes = (uint32_t(bitmap.Width()) * 3 + 3) & ~3u;
    const uint32_t dataSize = rowBytes * uint32_t(bitmap.Height());
    std::vector<uint8_t> out;
    out.reserve(FileAndInfoHeaderBytes + dataSize);
    out.push_back('B');
    out.push_back('M');
    base::AppendU32(out, FileAndInfoHeaderBytes + dataSize);
    base::AppendU32(out, 0);
    base::AppendU32(out, FileAndInfoHeaderBytes);
    base::AppendU32(out, InfoHeaderBytes);
    base::AppendU32(out, uint32_t(bitmap.Width()));
    base::AppendU32(out, uint32_t(bitmap.Height()));
    base::AppendU16(out, 1);  // planes
    base::AppendU16(out, 24); // bits per pixel
    base::AppendU32(out, BiRgb);
    base::AppendU32(out, dataSize);
    base::AppendU32(out, PixelsPerMetre);
    base::AppendU32(out, PixelsPerMetre);
    base::AppendU32(out, 0);
    base::AppendU32(out, 0);
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
