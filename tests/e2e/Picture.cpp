#include "tests/e2e/Picture.h"

#include "tools/png/PngWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>

namespace e2e {
namespace {

int Channel(Rgb colour, int shift) {
    return int((colour >> shift) & 0xFF);
}

// The part of `box` inside a picture of the given size.
Box Clip(Box box, int width, int height) {
    const int left = std::clamp(box.left, 0, width), top = std::clamp(box.top, 0, height);
    const int right = std::clamp(box.Right(), left, width);
    const int bottom = std::clamp(box.Bottom(), top, height);
    return {left, top, right - left, bottom - top};
}

template <class Visit> void ForEach(const Picture& picture, Box box, Visit visit) {
    const Box inside = Clip(box, picture.width, picture.height);
    for (int y = inside.top; y < inside.Bottom(); ++y) {
        for (int x = inside.left; x < inside.Right(); ++x) {
            visit(picture.At({x, y}));
        }
    }
}

} // namespace

Picture Picture::Cut(Box box) const {
    const Box inside = Clip(box, width, height);
    Picture part{inside.width, inside.height, {}};
    part.pixels.reserve(size_t(inside.width) * size_t(inside.height));
    ForEach(*this, inside, [&](Rgb colour) { part.pixels.push_back(colour); });
    return part;
}

void Picture::Save(const std::string& path) const {
    if (!png::Save(path, width, height, pixels)) {
        throw std::runtime_error("cannot write " + path);
    }
}

int ColourDistance(Rgb a, Rgb b) {
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        largest = std::max(largest, std::abs(Channel(a, shift) - Channel(b, shift)));
    }
    return largest;
}

bool Near(Rgb a, Rgb b, int tolerance) {
    return ColourDistance(a, b) <= tolerance;
}

int CountUnlike(const Picture& picture, Box box, Rgb background, int tolerance) {
    int count = 0;
    ForEach(picture, box,
            [&](Rgb colour) { count += Near(colour, background, tolerance) ? 0 : 1; });
    return count;
}

int CountLike(const Picture& picture, Box box, Rgb colour, int tolerance) {
    int count = 0;
    ForEach(picture, box, [&](Rgb pixel) { count += Near(pixel, colour, tolerance) ? 1 : 0; });
    return count;
}

Rgb MostCommon(const Picture& picture, Box box) {
    std::unordered_map<Rgb, int> counts;
    ForEach(picture, box, [&](Rgb colour) { ++counts[colour]; });
    Rgb best = 0;
    int bestCount = -1;
    for (const auto& [colour, count] : counts) {
        if (count > bestCount || (count == bestCount && colour < best)) {
            best = colour;
            bestCount = count;
        }
    }
    return best;
}

int CountChanged(const Picture& a, const Picture& b, Box box) {
    if (a.width != b.width || a.height != b.height) {
        throw std::invalid_argument("pictures of different sizes");
    }
    const Box inside = Clip(box, a.width, a.height);
    int count = 0;
    for (int y = inside.top; y < inside.Bottom(); ++y) {
        for (int x = inside.left; x < inside.Right(); ++x) {
            count += a.At({x, y}) != b.At({x, y}) ? 1 : 0;
        }
    }
    return count;
}

std::string Hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", unsigned(colour & 0xFFFFFF));
    return text;
}

} // namespace e2e
