// A 5 x 7 pixel font for the few words and the numbers drawn on the sample
// artwork, so the generator needs no font files and its output never changes.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <string_view>

namespace galleryart {

constexpr int GlyphWidth = 5;
constexpr int GlyphHeight = 7;

// Width in pixels of `text` at `scale`, one blank column between letters.
int TextWidth(std::string_view text, int scale);

// Draws upper-case letters, digits and spaces; other characters are skipped
// as spaces.
void DrawText(skin::TDib& canvas, int x, int y, std::string_view text, int scale,
              skin::Colour colour);

} // namespace galleryart
