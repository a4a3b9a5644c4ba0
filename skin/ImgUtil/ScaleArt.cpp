#include "skin/ImgUtil/ScaleArt.h"

#include "base/ScalePixels.h"

#include <vector>

namespace skin {
namespace {

struct TPiece {
    int x, y, width, height;
};

// Scales one piece of `source` into one piece of `target`, keeping the key
// colour exact.
void ScalePiece(const TDib& source, const TPiece& from, TDib& target, const TPiece& to) {
    std::vector<uint32_t> piece;
    piece.reserve(size_t(from.width) * size_t(from.height));
    for (int y = 0; y < from.height; ++y) {
        for (int x = 0; x < from.width; ++x) {
            piece.push_back(source.Pixel(from.x + x, from.y + y));
        }
    }
    const std::vector<uint32_t> scaled =
        base::ScalePixels(piece, from.width, from.height, to.width, to.height, KeyColour);
    for (int y = 0; y < to.height; ++y) {
        for (int x = 0; x < to.width; ++x) {
            target.SetPixel(to.x + x, to.y + y, scaled[size_t(y) * size_t(to.width) + size_t(x)]);
        }
    }
}

// 0, the cuts strictly inside (0, length) in ascending order, and length.
std::vector<int> Bounds(std::span<const int> cuts, int length) {
    std::vector<int> bounds{0};
    for (int cut : cuts) {
        if (cut > bounds.back() && cut < length) {
            bounds.push_back(cut);
        }
    }
    bounds.push_back(length);
    return bounds;
}

} // namespace

TDib ScaleArt(const TDib& bitmap, std::span<const int> xCuts, std::span<const int> yCuts, int dpi,
              int artDpi) {
    if (dpi == artDpi || bitmap.Empty()) {
        return bitmap;
    }
    const auto scale = [dpi, artDpi](int measure) { return ScaleMeasure(measure, dpi, artDpi); };
    const std::vector<int> xs = Bounds(xCuts, bitmap.Width());
    const std::vector<int> ys = Bounds(yCuts, bitmap.Height());
    TDib scaled(scale(bitmap.Width()), scale(bitmap.Height()));
    for (size_t j = 0; j + 1 < ys.size(); ++j) {
        const int top = scale(ys[j]);
        const int bottom = scale(ys[j + 1]);
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            const int left = scale(xs[i]);
            const int right = scale(xs[i + 1]);
            if (right > left && bottom > top) {
                ScalePiece(bitmap, {xs[i], ys[j], xs[i + 1] - xs[i], ys[j + 1] - ys[j]}, scaled,
                           {left, top, right - left, bottom - top});
            }
        }
    }
    return scaled;
}

} // namespace skin
