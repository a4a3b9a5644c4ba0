// The window-less controls: image, shape, label and speed button. Their parent
// paints them and hands them the mouse; a hidden or disabled one gets nothing.
#pragma once

#include "toolkit/ButtonFace.h"
#include "toolkit/Control.h"
#include "toolkit/Picture.h"

namespace tk {

// A picture drawn unscaled from the top-left corner, clipped to the control.
class Image : public GraphicControl {
    TK_CLASS(Image)

public:
    explicit Image(Component* owner);
    tk::Picture& Picture() { return picture_; }

protected:
    void Paint() override;

private:
    tk::Picture picture_;
};

enum class ShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

class Shape : public GraphicControl {
    TK_CLASS(Shape)

public:
    explicit Shape(Component* owner);
    ShapeType GetShape() const { return shape_; }
    void SetShape(ShapeType shape);
    tk::Brush& Brush() { return brush_; }
    tk::Pen& Pen() { return pen_; }

protected:
    void Paint() override;

private:
    ShapeType shape_ = ShapeType::Rectangle;
    tk::Brush brush_;
    tk::Pen pen_;
};

enum class TextLayout { Top, Center, Bottom };

class Label : public GraphicControl {
    TK_CLASS(Label)

public:
    explicit Label(Component* owner);
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    void Loaded() override;

protected:
    void Paint() override;
    void CaptionChanged() override;
    void FontChanged() override;

private:
    UINT TextFormat() const;
    void AdjustSize();
    tk::Alignment alignment_ = tk::Alignment::Left;
    TextLayout layout_ = TextLayout::Top;
    bool transparent_ = false;
    bool autoSize_ = true;
    bool wordWrap_ = false;
};

class SpeedButton : public GraphicControl {
    TK_CLASS(SpeedButton)

public:
    explicit SpeedButton(Component* owner);
    tk::Bitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // The pointer is over it / the left button is held on it.
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }

    void Click() override;
    void ActionChanged() override;

protected:
    void Paint() override;
    void WndProc(Message& message) override;

private:
    tk::Bitmap glyph_;
    int numGlyphs_ = 1;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool hot_ = false;
    bool pressed_ = false;
};

} // namespace tk
