#include "skin/ImgUtil/PixelTransforms.h"

#include <algorithm>
#include <utility>

namespace skin {

void GrayBitmap(TDib& bitmap) {
    bitmap.ConvertTo(24);
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            const uint8_t grey = uint8_t((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = grey;
        }
    }
}

void MirrorBitmap(TDib& bitmap) {
    const int bpp = bitmap.BytesPerPixel();
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint8_t* row = bitmap.Row(y);
        for (int left = 0, right = bitmap.Width() - 1; left < right; ++left, --right) {
            std::swap_ranges(row + left * bpp, row + (left + 1) * bpp, row + right * bpp);
        }
    }
}

void FlipBitmap(TDib& bitmap) {
    const size_t rowBytes = size_t(bitmap.Width()) * size_t(bitmap.BytesPerPixel());
    for (int top = 0, bottom = bitmap.Height() - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(bitmap.Row(top), bitmap.Row(top) + rowBytes, bitmap.Row(bottom));
    }
}

namespace {

// Builds the turned bitmap pixel by pixel; `source` maps a new (x, y) to the
// old pixel it shows.
template <class SourceOf> void Turn(TDib& bitmap, SourceOf source) {
    TDib turned(bitmap.Height(), bitmap.Width(), bitmap.BitsPerPixel());
    for (int y = 0; y < turned.Height(); ++y) {
        for (int x = 0; x < turned.Width(); ++x) {
            const auto [ox, oy] = source(x, y);
            turned.SetPixel(x, y, bitmap.Pixel(ox, oy));
        }
    }
    bitmap = std::move(turned);
}

} // namespace

void RotateBitmapLeft(TDib& bitmap) {
    // New (x, y) = (oy, W - 1 - ox)  =>  ox = W - 1 - y, oy = x.
    const int w = bitmap.Width();
    Turn(bitmap, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}

void RotateBitmapRight(TDib& bitmap) {
    // New (x, y) = (H - 1 - oy, ox)  =>  ox = y, oy = H - 1 - x.
    const int h = bitmap.Height();
    Turn(bitmap, [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

} // namespace skin
