// Where a button's glyph and caption go (bitmap and speed buttons): the four
// layouts with every combination of Margin and Spacing, SharedRoom (-1)
// meaning "share the free room". Portable: built and tested natively too.
#pragma once

namespace skin {

// The layouts in the order of their identifiers (blGlyphLeft ... blGlyphBottom).
enum class TGlyphLayout { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// A Margin or Spacing of this value shares the free room.
constexpr int SharedRoom = -1;

// How the caption is aligned in its rectangle.
enum class TCaptionAlign { Left, Right, Centre };

struct TLayoutSize {
    int width = 0;
    int height = 0;
};

struct TLayoutPoint {
    int x = 0;
    int y = 0;
};

struct TButtonPlacement {
    TLayoutPoint glyph;
    TLayoutPoint text;
    TCaptionAlign align = TCaptionAlign::Left;
};

// The button is `button` wide and high; `glyph` and `text` are their sizes
// (0 x 0 for none). A SharedRoom margin with a given spacing centres glyph and
// caption together; a speed button puts them one pixel further on
// (`speedButton`). Divisions truncate toward zero.
TButtonPlacement CalcButtonLayout(TLayoutSize button, TLayoutSize glyph, TLayoutSize text,
                                  TGlyphLayout layout, int margin, int spacing,
                                  bool speedButton = false);

// "blglyphleft" ... "blglyphbottom" (letter case ignored) to a layout;
// anything else is Left.
TGlyphLayout GlyphLayoutFromName(const char* name);

} // namespace skin
