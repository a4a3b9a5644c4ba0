#include "toolkit/ButtonFace.h"

#include "base/Colour.h"
#include "base/Scale.h"
#include "base/ScalePixels.h"
#include "toolkit/ImageList.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tk {

const EnumInfo ButtonLayoutEnum{"TButtonLayout",
                                {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};

namespace {

void DrawGlyph(HDC dc, int x, int y, const Bitmap& glyph, int numGlyphs, GlyphState state) {
    int cells = std::clamp(numGlyphs, 1, MaxGlyphCells);
    int cellWidth = glyph.Width() / cells;
    // A state's cell is at its place in the strip; a glyph without it shows the up cell.
    int cell = static_cast<int>(state) < cells ? static_cast<int>(state) : 0;
    uint32_t key = glyph.Pixels()[size_t(glyph.Height() - 1) * size_t(glyph.Width())];
    BitmapDC memory(glyph.Handle(), dc);
    TransparentBlt(dc, x, y, cellWidth, glyph.Height(), memory, cell * cellWidth, 0, cellWidth,
                   glyph.Height(), base::PixelColour(key));
}

} // namespace

void DrawButtonFace(Canvas& canvas, const RECT& rect, const ButtonFace& face, GlyphState state,
                    int offset) {
    HDC dc = canvas.Handle();
    bool hasGlyph = face.glyph && !face.glyph->Empty();
    SIZE glyph{0, 0};
    if (hasGlyph) {
        glyph = {face.glyph->Width() / std::clamp(face.numGlyphs, 1, MaxGlyphCells),
                 face.glyph->Height()};
    }
    RECT measure{0, 0, rect.right - rect.left, 0};
    SIZE text{0, 0};
    if (!face.caption.empty()) {
        canvas.DrawText(face.caption, measure, DT_CALCRECT | DT_SINGLELINE);
        text = {measure.right - measure.left, measure.bottom - measure.top};
    }
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int spacing = (hasGlyph && text.cx > 0) ? face.spacing : 0;
    bool horizontal =
        face.layout == ButtonLayout::GlyphLeft || face.layout == ButtonLayout::GlyphRight;
    int total = horizontal ? glyph.cx + spacing + text.cx : glyph.cy + spacing + text.cy;
    int room = horizontal ? width : height;
    int margin = face.margin >= 0 ? face.margin : (room - total) / 2;
    POINT glyphAt{}, textAt{};
    switch (face.layout) {
    case ButtonLayout::GlyphLeft:
        glyphAt = {margin, (height - glyph.cy) / 2};
        textAt = {margin + glyph.cx + spacing, (height - text.cy) / 2};
        break;
    case ButtonLayout::GlyphRight:
        glyphAt = {width - margin - glyph.cx, (height - glyph.cy) / 2};
        textAt = {glyphAt.x - spacing - text.cx, (height - text.cy) / 2};
        break;
    case ButtonLayout::GlyphTop:
        glyphAt = {(width - glyph.cx) / 2, margin};
        textAt = {(width - text.cx) / 2, margin + glyph.cy + spacing};
        break;
    case ButtonLayout::GlyphBottom:
        glyphAt = {(width - glyph.cx) / 2, height - margin - glyph.cy};
        textAt = {(width - text.cx) / 2, glyphAt.y - spacing - text.cy};
        break;
    }
    int x0 = rect.left + offset;
    int y0 = rect.top + offset;
    if (hasGlyph) {
        DrawGlyph(dc, x0 + glyphAt.x, y0 + glyphAt.y, *face.glyph, face.numGlyphs, state);
    }
    if (text.cx > 0) {
        SetBkMode(dc, TRANSPARENT);
        RECT textRect{x0 + textAt.x, y0 + textAt.y, x0 + textAt.x + text.cx,
                      y0 + textAt.y + text.cy};
        if (state == GlyphState::Disabled) {
            canvas.Font().SetColor(clGrayText);
        }
        canvas.DrawText(face.caption, textRect, DT_SINGLELINE | DT_NOCLIP);
    }
}

GlyphProperties::GlyphProperties(std::function<void()> changed) : changed_(std::move(changed)) {
    glyph_.OnChange = changed_;
}

void GlyphProperties::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, MaxGlyphCells);
    changed_();
}

void GlyphProperties::SetLayout(ButtonLayout layout) {
    layout_ = layout;
    changed_();
}

void GlyphProperties::SetMargin(int margin) {
    margin_ = margin;
    changed_();
}

void GlyphProperties::SetSpacing(int spacing) {
    spacing_ = spacing;
    changed_();
}

void GlyphProperties::ScaleGlyph(int to, int from) {
    const auto scale = [to, from](int measure) { return base::ScaleMeasure(measure, to, from); };
    if (margin_ != CentredMargin) {
        margin_ = scale(margin_);
    }
    spacing_ = scale(spacing_);
    const int cells = std::clamp(numGlyphs_, 1, MaxGlyphCells);
    const int cellWidth = glyph_.Width() / cells;
    const int height = glyph_.Height();
    if (glyph_.Empty() || cellWidth == 0 || to == from) {
        changed_();
        return;
    }
    const std::span<const uint32_t> pixels = glyph_.Pixels();
    // The lower-left pixel's colour is the glyph's transparent colour.
    const uint32_t key = pixels[size_t(height - 1) * size_t(glyph_.Width())];
    const int scaledCell = scale(cellWidth);
    const int scaledHeight = scale(height);
    std::vector<uint32_t> strip(size_t(cells) * size_t(scaledCell) * size_t(scaledHeight));
    for (int cell = 0; cell < cells; ++cell) {
        std::vector<uint32_t> source;
        source.reserve(size_t(cellWidth) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const auto row = pixels.subspan(size_t(y) * size_t(glyph_.Width()) +
                                                size_t(cell) * size_t(cellWidth),
                                            size_t(cellWidth));
            source.insert(source.end(), row.begin(), row.end());
        }
        const std::vector<uint32_t> scaled =
            base::ScalePixels(source, cellWidth, height, scaledCell, scaledHeight, key);
        for (int y = 0; y < scaledHeight; ++y) {
            std::copy_n(scaled.begin() + ptrdiff_t(y) * scaledCell, scaledCell,
                        strip.begin() + ptrdiff_t(y) * cells * scaledCell +
                            ptrdiff_t(cell) * scaledCell);
        }
    }
    glyph_.SetSize(cells * scaledCell, scaledHeight);
    std::copy(strip.begin(), strip.end(), glyph_.Pixels().begin());
    changed_();
}

ButtonFace GlyphProperties::Face(const std::string& caption) const {
    return ButtonFace{&glyph_, numGlyphs_, layout_, margin_, spacing_, caption};
}

void GlyphProperties::TakeGlyphFrom(ImageList& images, int index) {
    if (images.GetBitmap(index, glyph_)) {
        numGlyphs_ = 1;
    }
}

} // namespace tk
