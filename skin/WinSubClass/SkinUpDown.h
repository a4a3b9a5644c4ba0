// TSkinUpDown: the two arrow buttons of an up-down control (a stand-alone
// one, the scroll arrows of a tab control, the scroller of a tab set), drawn
// from the skin's UpDown.Horz or UpDown.Vert strips with their glyphs, or as
// plain boxes with small arrows when the skin has none. The control's own
// handling still runs every click; the skinner only keeps the pressed state
// and paints.
#pragma once

#include "SkinControl.h"

namespace skin {

class TSkinUpDown : public TSkinControl {
    TK_CLASS(TSkinUpDown)

public:
    explicit TSkinUpDown(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // Drawn inside a one-pixel border (the spin button of an edit).
    bool FInset = false;
    // 1: left and right arrows whatever the window style says.
    int32_t FHorizontal = 0;

private:
    void DrawHalf(HDC dc, const RECT& half, int kind, int state) const;
};

} // namespace skin
