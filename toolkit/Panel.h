// A container window of the toolkit's own class with bevels and a caption.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class Bevel { None, Lowered, Raised, Space };

// A container window of the toolkit's own with bevels and a caption.
class Panel : public WinControl {
    TK_CLASS(Panel)

public:
    explicit Panel(Component* owner);
    tk::Bevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(tk::Bevel bevel);
    tk::Bevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(tk::Bevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);

protected:
    void FillCreateParams(CreateParams& params) override;
    void PaintWindow(HDC dc) override;
    RECT AlignRect() override;

private:
    tk::Bevel bevelOuter_ = tk::Bevel::Raised;
    tk::Bevel bevelInner_ = tk::Bevel::None;
    int bevelWidth_ = 1;
    tk::Alignment alignment_ = tk::Alignment::Center;
};

} // namespace tk
