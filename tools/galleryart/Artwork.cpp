#include "tools/galleryart/Artwork.h"

#include "tools/galleryart/PixelFont.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace galleryart {
namespace {

using skin::Colour;
using skin::MakeColour;
using skin::TDib;

void FillRect(TDib& image, int left, int top, int right, int bottom, Colour colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, image.Height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, image.Width()); ++x) {
            image.SetPixel(x, y, colour);
        }
    }
}

void FrameRect(TDib& image, int left, int top, int right, int bottom, Colour colour) {
    FillRect(image, left, top, right, top + 1, colour);
    FillRect(image, left, bottom - 1, right, bottom, colour);
    FillRect(image, left, top, left + 1, bottom, colour);
    FillRect(image, right - 1, top, right, bottom, colour);
}

void Disc(TDib& image, double cx, double cy, double radius, Colour colour) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) {
                image.SetPixel(x, y, colour);
            }
        }
    }
}

// A filled triangle pointing left or right, its tip at (tipX, cy).
void Wedge(TDib& image, int tipX, int baseX, int cy, int halfHeight, Colour colour) {
    const int step = tipX < baseX ? 1 : -1;
    const int length = std::abs(baseX - tipX);
    for (int i = 0; i <= length; ++i) {
        const int half = halfHeight * i / length;
        FillRect(image, tipX + step * i, cy - half, tipX + step * i + 1, cy + half + 1, colour);
    }
}

Colour Mix(Colour a, Colour b, int percentOfB) {
    auto channel = [&](uint8_t x, uint8_t y) {
        return uint8_t((x * (100 - percentOfB) + y * percentOfB) / 100);
    };
    return MakeColour(channel(skin::RedOf(a), skin::RedOf(b)),
                      channel(skin::GreenOf(a), skin::GreenOf(b)),
                      channel(skin::BlueOf(a), skin::BlueOf(b)));
}

// A saturated colour around the colour wheel, from any text.
Colour HueOf(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (char c : text) {
        hash = (hash ^ uint8_t(c)) * 16777619u;
    }
    const double hue = (hash % 360) / 60.0;
    const double x = 1 - std::fabs(std::fmod(hue, 2) - 1);
    double r = 0, g = 0, b = 0;
    switch (int(hue)) {
    case 0:
        r = 1, g = x;
        break;
    case 1:
        r = x, g = 1;
        break;
    case 2:
        g = 1, b = x;
        break;
    case 3:
        g = x, b = 1;
        break;
    case 4:
        r = x, b = 1;
        break;
    default:
        r = 1, b = x;
        break;
    }
    auto level = [](double v) { return uint8_t(40 + v * 180); };
    return MakeColour(level(r), level(g), level(b));
}

constexpr Colour White = MakeColour(255, 255, 255);
constexpr Colour Ink = MakeColour(24, 24, 32);
constexpr Colour Neon = MakeColour(0, 200, 255);
constexpr Colour MagentaNeon = MakeColour(255, 40, 160);

} // namespace

TDib Thumbnail(const std::string& number) {
    TDib image(100, 100);
    const Colour accent = HueOf(number);
    image.Fill(Mix(accent, White, 85));
    FillRect(image, 0, 0, 100, 18, accent); // header band
    FillRect(image, 6, 6, 30, 12, White);   // logo
    for (int i = 0; i < 4; ++i) {           // menu items
        FillRect(image, 40 + i * 14, 8, 50 + i * 14, 10, Mix(accent, White, 60));
    }
    FillRect(image, 0, 18, 100, 44, Mix(accent, Ink, 30)); // banner
    for (int i = 0; i < 3; ++i) {                          // content blocks
        FillRect(image, 6 + i * 31, 74, 32 + i * 31, 94, Mix(accent, White, 55));
        FrameRect(image, 6 + i * 31, 74, 32 + i * 31, 94, accent);
    }
    const int scale = number.size() > 4 ? 2 : 3;
    const int width = TextWidth(number, scale);
    DrawText(image, (100 - width) / 2 + 1, 47 + 1, number, scale, White);
    DrawText(image, (100 - width) / 2, 47, number, scale, Ink);
    FrameRect(image, 0, 0, 100, 100, Mix(accent, Ink, 50));
    return image;
}

TDib ButtonPicture(const std::string& label, bool highlighted) {
    TDib image(50, 25);
    const Colour face = highlighted ? MakeColour(20, 110, 255) : MakeColour(26, 26, 30);
    const Colour edge = highlighted ? Neon : MakeColour(90, 90, 100);
    image.Fill(face);
    FrameRect(image, 0, 0, 50, 25, edge);
    FillRect(image, 1, 1, 49, 2, Mix(face, White, 25));
    const int width = TextWidth(label, 1);
    DrawText(image, (50 - width) / 2, 9, label, 1, highlighted ? White : MakeColour(200, 200, 210));
    return image;
}

TDib Arrow(bool pointsRight) {
    TDib image(32, 32);
    image.Fill(skin::KeyColour);
    Disc(image, 16, 16, 15, Ink);
    Disc(image, 16, 16, 13, Neon);
    if (pointsRight) {
        Wedge(image, 24, 11, 16, 8, White);
    } else {
        Wedge(image, 8, 21, 16, 8, White);
    }
    return image;
}

TDib ExitGlyph() {
    TDib image(32, 32);
    image.Fill(skin::KeyColour);
    FillRect(image, 4, 3, 18, 29, Ink);         // door frame
    FillRect(image, 6, 5, 16, 27, MagentaNeon); // door
    FillRect(image, 13, 15, 15, 17, White);     // handle
    FillRect(image, 17, 14, 25, 18, Ink);       // arrow shaft
    Wedge(image, 30, 23, 16, 6, Ink);
    return image;
}

TDib ProgramIcon(int size) {
    // Drawn on a 32-unit grid and scaled, so both sizes show the same mark.
    const double unit = size / 32.0;
    auto px = [unit](double units) { return int(std::lround(units * unit)); };
    TDib image(size, size);
    image.Fill(skin::KeyColour);
    const double corner = 6 * unit;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = std::max({corner - (x + 0.5), (x + 0.5) - (size - corner), 0.0});
            const double dy = std::max({corner - (y + 0.5), (y + 0.5) - (size - corner), 0.0});
            const double outside = std::hypot(dx, dy) - corner;
            if (outside <= 0) {
                image.SetPixel(x, y, outside > -std::max(unit, 1.0) ? Neon : Ink);
            }
        }
    }
    FillRect(image, px(8), px(7), px(13), px(25), White); // the K's stem
    const int arm = std::max(px(5), 2);
    for (int y = px(7); y < px(25); ++y) { // its two arms meet at the middle
        const double fromMiddle = std::fabs(y + 0.5 - 16 * unit);
        const int left = px(13) + int(fromMiddle * 0.95);
        FillRect(image, left, y, left + arm, y + 1, y < px(16) ? Neon : MagentaNeon);
    }
    return image;
}

TDib TabImages() {
    TDib strip(32 * 5, 32);
    strip.Fill(skin::KeyColour);
    const Colour colours[] = {Neon, MakeColour(255, 170, 0), MagentaNeon, MakeColour(80, 220, 120),
                              MakeColour(230, 60, 60)};
    for (int i = 0; i < 5; ++i) {
        const int left = i * 32;
        FillRect(strip, left + 4, 4, left + 28, 28, Ink);
        FillRect(strip, left + 6, 6, left + 26, 26, colours[i]);
        DrawText(strip, left + 11, 10, std::string(1, char('1' + i)), 2, White);
    }
    return strip;
}

TDib TreeImages() {
    TDib strip(24 * 4, 24);
    strip.Fill(skin::KeyColour);
    const Colour industry = MakeColour(255, 170, 0);
    const Colour colour = MagentaNeon;
    for (int i = 0; i < 4; ++i) {
        const int left = i * 24;
        const Colour accent = i < 2 ? industry : colour;
        if (i % 2 == 0) { // header: a folder
            FillRect(strip, left + 2, 5, left + 10, 8, accent);
            FillRect(strip, left + 2, 7, left + 22, 20, Ink);
            FillRect(strip, left + 3, 8, left + 21, 19, accent);
        } else { // leaf: a page
            FillRect(strip, left + 5, 2, left + 19, 22, Ink);
            FillRect(strip, left + 6, 3, left + 18, 21, White);
            for (int line = 0; line < 4; ++line) {
                FillRect(strip, left + 8, 6 + line * 4, left + 16, 7 + line * 4, accent);
            }
        }
    }
    return strip;
}

} // namespace galleryart
