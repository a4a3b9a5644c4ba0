#include "skin/WinSubClass/ButtonLayout.h"

#include "skin/SkinRead/AsciiText.h"

namespace skin {

TButtonPlacement CalcButtonLayout(TLayoutSize button, TLayoutSize glyph, TLayoutSize text,
                                  TGlyphLayout layout, int margin, int spacing, bool speedButton) {
    TButtonPlacement place;
    const bool across = layout == TGlyphLayout::Left || layout == TGlyphLayout::Right;
    if (across) {
        place.glyph.y = (button.height - glyph.height + 1) / 2;
        place.text.y = (button.height - text.height + 1) / 2;
    } else {
        place.glyph.x = (button.width - glyph.width + 1) / 2;
        place.text.x = (button.width - text.width + 1) / 2;
    }
    if (text.width == 0 || glyph.width == 0) {
        spacing = 0;
    }
    // The room along the layout's direction, and the glyph's and caption's
    // extent in it.
    const int room = across ? button.width : button.height;
    const int glyphExtent = across ? glyph.width : glyph.height;
    const int textExtent = across ? text.width : text.height;
    if (margin == SharedRoom && spacing == SharedRoom) {
        margin = (room - (glyphExtent + textExtent)) / 3;
        spacing = margin;
    } else if (margin == SharedRoom) {
        margin = (room - (glyphExtent + spacing + textExtent)) / 2 + (speedButton ? 1 : 0);
    } else if (spacing == SharedRoom) {
        spacing = ((room - margin - glyphExtent) - textExtent) / 2;
    }
    switch (layout) {
    case TGlyphLayout::Left:
        place.glyph.x = margin;
        place.text.x = margin + glyph.width + spacing;
        place.align = TCaptionAlign::Left;
        break;
    case TGlyphLayout::Right:
        place.glyph.x = button.width - margin - glyph.width;
        place.text.x = place.glyph.x - spacing - text.width;
        place.align = TCaptionAlign::Right;
        break;
    case TGlyphLayout::Top:
        place.glyph.y = margin;
        place.text.y = margin + glyph.height + spacing;
        place.align = TCaptionAlign::Centre;
        break;
    case TGlyphLayout::Bottom:
        place.glyph.y = button.height - margin - glyph.height;
        place.text.y = place.glyph.y - spacing - text.height;
        place.align = TCaptionAlign::Centre;
        break;
    }
    return place;
}

TGlyphLayout GlyphLayoutFromName(const char* name) {
    const std::string lower = skintext::LowerAscii(name ? name : "");
    if (lower == "blglyphright") {
        return TGlyphLayout::Right;
    }
    if (lower == "blglyphtop") {
        return TGlyphLayout::Top;
    }
    if (lower == "blglyphbottom") {
        return TGlyphLayout::Bottom;
    }
    return TGlyphLayout::Left;
}

} // namespace skin
