// What a screenshot holds and the questions a journey asks of it: the colour
// at a point, how much of a rectangle is not its background, whether two
// shots differ inside a rectangle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// 0x00RRGGBB.
using Rgb = uint32_t;

constexpr Rgb MakeRgb(int r, int g, int b) {
    return (Rgb(r) << 16) | (Rgb(g) << 8) | Rgb(b);
}

struct Point {
    int x = 0;
    int y = 0;
    Point operator+(Point other) const { return {x + other.x, y + other.y}; }
};

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    Point Centre() const { return {left + width / 2, top + height / 2}; }
    Box Moved(Point by) const { return {left + by.x, top + by.y, width, height}; }
    bool Contains(Point p) const {
        return p.x >= left && p.x < Right() && p.y >= top && p.y < Bottom();
    }
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top-down rows

    Rgb At(Point p) const { return pixels[size_t(p.y) * size_t(width) + size_t(p.x)]; }
    // The part inside `box`, clipped to the picture.
    Picture Cut(Box box) const;
    void Save(const std::string& path) const;
};

// Largest difference of one channel.
int ColourDistance(Rgb a, Rgb b);
bool Near(Rgb a, Rgb b, int tolerance = 24);

// Pixels of `box` farther than `tolerance` from `background`.
int CountUnlike(const Picture& picture, Box box, Rgb background, int tolerance = 24);
// Pixels of `box` within `tolerance` of `colour`.
int CountLike(const Picture& picture, Box box, Rgb colour, int tolerance = 24);
// The colour most pixels of `box` have.
Rgb MostCommon(const Picture& picture, Box box);
// Pixels of `box` that differ between two pictures of the same size.
int CountChanged(const Picture& a, const Picture& b, Box box);

std::string Hex(Rgb colour);

} // namespace e2e
