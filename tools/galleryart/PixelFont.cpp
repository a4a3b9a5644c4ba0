#include "tools/galleryart/PixelFont.h"

#include <array>
#include <cstdint>

namespace galleryart {
namespace {

struct Glyph {
    char letter;
    std::array<uint8_t, GlyphHeight> rows; // bit 4 is the leftmost column
};

constexpr Glyph Glyphs[] = {
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
};

const Glyph* Find(char letter) {
    for (const Glyph& g : Glyphs) {
        if (g.letter == letter) {
            return &g;
        }
    }
    return nullptr;
}

} // namespace

int TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : int(text.size()) * (GlyphWidth + 1) * scale - scale;
}

void DrawText(skin::TDib& canvas, int x, int y, std::string_view text, int scale,
              skin::Colour colour) {
    for (char letter : text) {
        if (const Glyph* glyph = Find(letter)) {
            for (int row = 0; row < GlyphHeight; ++row) {
                for (int column = 0; column < GlyphWidth; ++column) {
                    if (glyph->rows[size_t(row)] & (0x10 >> column)) {
                        for (int dy = 0; dy < scale; ++dy) {
                            for (int dx = 0; dx < scale; ++dx) {
                                const int px = x + column * scale + dx;
                                const int py = y + row * scale + dy;
                                if (px >= 0 && py >= 0 && px < canvas.Width() &&
                                    py < canvas.Height()) {
                                    canvas.SetPixel(px, py, colour);
                                }
                            }
                        }
                    }
                }
            }
        }
        x += (GlyphWidth + 1) * scale;
    }
}

} // namespace galleryart
