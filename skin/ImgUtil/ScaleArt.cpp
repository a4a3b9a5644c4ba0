#include "skin/ImgUtil/ScaleArt.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skin {
namespace {

// One source pixel's share in a target pixel, along one axis.
struct TTap {
    int source;
    double weight;
};

// The source pixels (of a piece `sourceLength` long) that make up target
// pixel `target` of a piece `targetLength` long, with their weights.
std::vector<TTap> Taps(int sourceLength, int targetLength, int target) {
    const double ratio = double(sourceLength) / targetLength;
    if (targetLength % sourceLength == 0) {
        return {{target * sourceLength / targetLength, 1.0}};
    }
    if (targetLength > sourceLength) {
        const double centre = (target + 0.5) * ratio - 0.5;
        const double first = std::floor(centre);
        const double fraction = centre - first;
        const int a = std::clamp(int(first), 0, sourceLength - 1);
        const int b = std::clamp(int(first) + 1, 0, sourceLength - 1);
        return {{a, 1.0 - fraction}, {b, fraction}};
    }
    const double begin = target * ratio;
    const double end = (target + 1) * ratio;
    std::vector<TTap> taps;
    for (int s = int(std::floor(begin)); s < int(std::ceil(end)) && s < sourceLength; ++s) {
        const double cover = std::min(end, double(s + 1)) - std::max(begin, double(s));
        if (cover > 0) {
            taps.push_back({s, cover});
        }
    }
    return taps;
}

int Nearest(int sourceLength, int targetLength, int target) {
    return std::min(int((target + 0.5) * sourceLength / targetLength), sourceLength - 1);
}

struct TPiece {
    int x, y, width, height;
};

// Scales one piece of `source` into one piece of `target`.
void ScalePiece(const TDib& source, const TPiece& from, TDib& target, const TPiece& to) {
    std::vector<std::vector<TTap>> columns(to.width);
    for (int x = 0; x < to.width; ++x) {
        columns[x] = Taps(from.width, to.width, x);
    }
    for (int y = 0; y < to.height; ++y) {
        const std::vector<TTap> rows = Taps(from.height, to.height, y);
        const int nearestY = from.y + Nearest(from.height, to.height, y);
        for (int x = 0; x < to.width; ++x) {
            const int nearestX = from.x + Nearest(from.width, to.width, x);
            if (source.Pixel(nearestX, nearestY) == KeyColour) {
                target.SetPixel(to.x + x, to.y + y, KeyColour);
                continue;
            }
            double red = 0, green = 0, blue = 0, total = 0;
            for (const TTap& row : rows) {
                for (const TTap& column : columns[x]) {
                    const Colour c = source.Pixel(from.x + column.source, from.y + row.source);
                    if (c == KeyColour) {
                        continue;
                    }
                    const double w = row.weight * column.weight;
                    red += RedOf(c) * w;
                    green += GreenOf(c) * w;
                    blue += BlueOf(c) * w;
                    total += w;
                }
            }
            const auto channel = [total](double sum) {
                return uint8_t(std::clamp(std::lround(sum / total), 0L, 255L));
            };
            target.SetPixel(to.x + x, to.y + y,
                            total > 0 ? MakeColour(channel(red), channel(green), channel(blue))
                                      : source.Pixel(nearestX, nearestY));
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
