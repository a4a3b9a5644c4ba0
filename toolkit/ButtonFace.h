// Glyph and caption placement shared by the bitmap and speed buttons.
#pragma once

#include "toolkit/Graphics.h"
#include "toolkit/Picture.h"

#include <string>

namespace tk {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };
extern const EnumInfo kButtonLayoutEnum;

// Which cell of a multi-cell glyph (up, disabled, down) is shown.
enum class GlyphState { Up, Disabled, Down };

struct ButtonFace {
    const Bitmap* glyph = nullptr;
    int numGlyphs = 1;
    ButtonLayout layout = ButtonLayout::GlyphLeft;
    int margin = -1; // -1: glyph and caption centred together
    int spacing = 4;
    std::string caption;
};

// Draws glyph and caption inside `rect`, the glyph transparent on its
// lower-left pixel's colour; `offset` moves both (pressed look).
void DrawButtonFace(Canvas& canvas, const RECT& rect, const ButtonFace& face, GlyphState state,
                    int offset);

} // namespace tk
