// TSkinScControl: a scroll bar control (window class "SCROLLBAR"), which is
// one bar as a whole window and tracks the mouse itself. The skinner paints
// the bar from the skin over the control's own painting, after every change
// of its scroll information and every scroll notification; a notification's
// arrow or thumb shows pressed, and the whole bar is painted again once a
// press on it is over and whenever the pointer moves over it or leaves it
// (the system draws its own bar then).
//
// TSkinSizer: a size box ("SCROLLBAR" with SBS_SIZEBOX) in a dialog, shown as
// a plain outline.
//
// Error policy: the base's.
#pragma once

#include "skin/WinSubClass/ScrollBarPaint.h"
#include "skin/WinSubClass/ScrollGeometry.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinScControl : public TSkinControl {
    TK_CLASS(TSkinScControl)

public:
    explicit TSkinScControl(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
    // The skin may have changed: the bar's parts are rendered anew.
    void Refresh() override;

    int FPressedPart = 0;
    // The bar's arrows, track and thumb.
    TBarGeometry FGeometry;

private:
    bool Vertical() const;
    bool OnScroll(tk::Message& message, bool vertical);
    bool OnPress(tk::Message& message);
    TBarPieces pieces_;
};

class TSkinSizer : public TSkinControl {
    TK_CLASS(TSkinSizer)

public:
    explicit TSkinSizer(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
};

} // namespace skin
