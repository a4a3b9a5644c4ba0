// TSkinBitButton: bitmap buttons (a glyph beside the caption), painted from
// the skin's button strip with the glyph and caption placed by the control's
// Layout, Margin and Spacing. Everything about the control is read through
// its published properties, so any control offering them can use it.
#pragma once

#include "skin/WinSubClass/ButtonLayout.h"
#include "skin/WinSubClass/SkinButton.h"

namespace tk {
class Bitmap;
}

namespace skin {

class TSkinBitButton : public TSkinButton {
    TK_CLASS(TSkinBitButton)

public:
    explicit TSkinBitButton(tk::Component* owner);
    void Draw(HDC dc, const RECT& rect) override;
    int StateFrame(DWORD style) const override;

protected:
    // What the glyph and caption are drawn from.
    struct TFace {
        const tk::Bitmap* glyph = nullptr;
        int numGlyphs = 1;
        int margin = -1;
        int spacing = -1;
        TGlyphLayout layout = TGlyphLayout::Left;
    };
    // Glyph and caption laid out in `size` and drawn on the context in the
    // font selected into it; `frame` is the strip cell shown.
    void DrawGlyphAndCaption(HDC dc, TLayoutSize size, const TFace& face,
                             const std::wstring& caption, int frame, COLORREF fontColour,
                             bool speedButton);
};

// Cell `image` (GlyphImage) of a glyph of `numGlyphs` cells at (x, y),
// keyed on its lower-left pixel; only a four-cell glyph shows its state cells,
// and the disabled look is turned grey.
void DrawGlyph(HDC dc, int x, int y, const tk::Bitmap& glyph, int numGlyphs, int image);

// The glyph cell for a strip cell: pressed shows the down cell, disabled the
// disabled cell, any other the up cell.
int GlyphImageFor(int frame);

} // namespace skin
