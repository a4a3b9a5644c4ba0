// TSkinUpDown: the two arrow buttons of an up-down control, side by side or
// one above the other, painted from the skin's up-down strip with its glyphs;
// the half under the pointer shows pressed or hot. Without the skin's strip
// each half is a plain button with a small arrow of lines.
//
// Error policy: the base's.
#pragma once

#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
    TK_CLASS(TSkinUpDown)

public:
    explicit TSkinUpDown(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // Drawn one pixel inside the window (the spin button of an edit box).
    bool FInset = false;
    // 1: the halves lie side by side whatever the window's style says.
    int FHorizontal = 0;

private:
    bool Horizontal() const;
    bool OnPress(tk::Message& message);
    bool OnRelease(tk::Message& message);
    void OnMouseMove(POINT client);
    void OnMouseLeave();
    // The two halves of the area: up and down, or left and right.
    void SplitHalves(const RECT& area, RECT& first, RECT& second) const;
    // The UpDownHalf under a client point.
    int HalfAt(POINT client) const;
    void DrawHalf(HDC dc, const RECT& half, int kind, int state) const;
    void DrawPlainHalf(HDC dc, const RECT& half, int kind, int state) const;

    // The half shown hot at the last paint, or -1.
    int hotHalf_ = up_down_half::None;
    bool trackingLeave_ = false;
};

} // namespace skin
