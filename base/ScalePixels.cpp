#include "base/ScalePixels.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace base {
namespace {

// One source pixel's share in a target pixel, along one axis.
struct Tap {
    int source;
    double weight;
};

// The source pixels (of a line `sourceLength` long) that make up target
// pixel `target` of a line `targetLength` long, with their weights.
std::vector<Tap> Taps(int sourceLength, int targetLength, int target) {
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
    std::vector<Tap> taps;
    for (int s = int(std::floor(begin)); s < int(std::ceil(end)) && s < sourceLength; ++s) {
        const double cover = std::min(end, double(s + 1)) - std::max(begin, double(s));
        if (cover > 0) {
            taps.push_back({s, cover});
        }
    }
    return taps;
}

// The taps of every target pixel of a line, and its nearest source pixel.
struct Line {
    std::vector<std::vector<Tap>> taps;
    std::vector<int> nearest;

    Line(int sourceLength, int targetLength) : taps(targetLength), nearest(targetLength) {
        for (int t = 0; t < targetLength; ++t) {
            taps[t] = Taps(sourceLength, targetLength, t);
            nearest[t] = std::min(int((t + 0.5) * sourceLength / targetLength), sourceLength - 1);
        }
    }
};

} // namespace

std::vector<uint32_t> ScalePixels(std::span<const uint32_t> source, int width, int height,
                                  int targetWidth, int targetHeight, std::optional<uint32_t> key) {
    if (width < 0 || height < 0 || targetWidth < 0 || targetHeight < 0) {
        throw std::invalid_argument("a picture cannot have a negative side");
    }
    if (source.size() < size_t(width) * size_t(height)) {
        throw std::invalid_argument("a picture has fewer pixels than its sides say");
    }
    if (width == 0 || height == 0 || targetWidth == 0 || targetHeight == 0) {
        return {};
    }
    std::vector<uint32_t> target(size_t(targetWidth) * size_t(targetHeight));
    uint32_t* out = target.data();
    // Whole factors each way: every target pixel is its source pixel, so the
    // rows are copied out without blending (the common 200 % case).
    if (targetWidth % width == 0 && targetHeight % height == 0) {
        const int across = targetWidth / width;
        const int down = targetHeight / height;
        for (int y = 0; y < targetHeight; ++y) {
            const uint32_t* row = source.data() + size_t(y / down) * size_t(width);
            for (int x = 0; x < width; ++x) {
                out = std::fill_n(out, across, row[x]);
            }
        }
        return target;
    }
    const Line columns(width, targetWidth);
    const Line rows(height, targetHeight);
    const auto at = [&](int x, int y) { return source[size_t(y) * size_t(width) + size_t(x)]; };
    for (int y = 0; y < targetHeight; ++y) {
        for (int x = 0; x < targetWidth; ++x, ++out) {
            const uint32_t nearest = at(columns.nearest[x], rows.nearest[y]);
            if (nearest == key) {
                *out = nearest;
                continue;
            }
            double sums[4] = {};
            double total = 0;
            for (const Tap& row : rows.taps[y]) {
                for (const Tap& column : columns.taps[x]) {
                    const uint32_t pixel = at(column.source, row.source);
                    if (pixel == key) {
                        continue;
                    }
                    const double w = row.weight * column.weight;
                    for (int b = 0; b < 4; ++b) {
                        sums[b] += double((pixel >> (8 * b)) & 0xFF) * w;
                    }
                    total += w;
                }
            }
            if (total <= 0) {
                *out = nearest;
                continue;
            }
            uint32_t blended = 0;
            for (int b = 0; b < 4; ++b) {
                blended |= uint32_t(std::clamp(std::lround(sums[b] / total), 0L, 255L)) << (8 * b);
            }
            *out = blended;
        }
    }
    return target;
}

} // namespace base
