// Glyph and caption placement shared by the bitmap and speed buttons, and the
// glyph properties both publish.
#pragma once

#include "toolkit/Graphics.h"
#include "toolkit/Persistent.h"
#include "toolkit/Picture.h"

#include <functional>
#include <string>

namespace tk {

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };
extern const EnumInfo ButtonLayoutEnum;

// Which cell of a multi-cell glyph is shown; the values are the cells' places
// in the strip.
enum class GlyphState { Up, Disabled, Down };
// A glyph holds one to four cells side by side: up, disabled, down and
// (unused here) exclusive.
constexpr int MaxGlyphCells = 4;
// A margin of kCentredMargin centres glyph and caption together.
constexpr int CentredMargin = -1;
constexpr int DefaultGlyphSpacing = 4;

struct ButtonFace {
    const Bitmap* glyph = nullptr;
    int numGlyphs = 1;
    ButtonLayout layout = ButtonLayout::GlyphLeft;
    int margin = CentredMargin;
    int spacing = DefaultGlyphSpacing;
    std::string caption;
};

class ImageList;

// The glyph properties of a button that draws a glyph (Glyph, NumGlyphs,
// Layout, Margin, Spacing): the button derives from this, publishes them with
// PublishGlyphProperties and draws Face(). Every change calls `changed`, which
// repaints the button.
class GlyphProperties {
public:
    tk::Bitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

protected:
    explicit GlyphProperties(std::function<void()> changed);
    ~GlyphProperties() = default;
    GlyphProperties(const GlyphProperties&) = delete;
    GlyphProperties& operator=(const GlyphProperties&) = delete;
    // The glyph and its placement, with this caption.
    ButtonFace Face(const std::string& caption) const;
    // Takes image `index` of `images` as a one-cell glyph, if there is one.
    void TakeGlyphFrom(ImageList& images, int index);
    // The glyph, margin and spacing from `from` to `to` dots per inch: each
    // cell of the glyph resampled on its own, its transparent colour kept
    // exact (the button's ChangeScale calls this).
    void ScaleGlyph(int to, int from);

private:
    std::function<void()> changed_;
    tk::Bitmap glyph_;
    int numGlyphs_ = 1;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    int margin_ = CentredMargin;
    int spacing_ = DefaultGlyphSpacing;
};

// Publishes the glyph properties of button class C under their stored names.
template <class C> void PublishGlyphProperties(PropertyBuilder<C>& p) {
    p.Object("Glyph", [](C& button) -> tk::Bitmap& { return button.Glyph(); });
    p.Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs);
    p.template Enumeration<ButtonLayout>("Layout", ButtonLayoutEnum, &C::Layout, &C::SetLayout);
    p.Integer("Margin", &C::Margin, &C::SetMargin);
    p.Integer("Spacing", &C::Spacing, &C::SetSpacing);
}

// Draws glyph and caption inside `rect`, the glyph transparent on its
// lower-left pixel's colour; `offset` moves both (pressed look).
void DrawButtonFace(Canvas& canvas, const RECT& rect, const ButtonFace& face, GlyphState state,
                    int offset);

} // namespace tk
