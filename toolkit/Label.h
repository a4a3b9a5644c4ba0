// A window-less control showing its caption; it can size itself to the text.
#pragma once

#include "toolkit/Control.h"

namespace tk {

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

} // namespace tk
