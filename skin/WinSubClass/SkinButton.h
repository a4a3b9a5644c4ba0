// TSkinButton: push buttons, painted whole from the skin's button strip with
// their caption centred. The skinner takes the mouse over: the button's own
// handling never sees the left button go down, so it neither captures the
// mouse nor clicks by itself; the skinner keeps the pressed state and fires
// the click when the button is released over it.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinButton : public TSkinControl {
    TK_CLASS(TSkinButton)

public:
    explicit TSkinButton(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // The cell of the button strip for the current state.
    virtual int StateFrame(DWORD style) const;

    // Every paint composes the whole button here, then copies it in one blit.
    TDib FBuffer;

    // Forgets the composed cells (the skin's colours or bitmaps changed).
    void Refresh() override;

protected:
    // The click: the control's own, or BN_CLICKED to the parent of a raw
    // button. Call it last: a click handler may free the skinner.
    void FireClick();
    // FBuffer at the rectangle's size, filled with the face colour and the
    // strip's cell drawn; false when the skin has no button strip.
    bool ComposeFace(const RECT& rect, int frameCount, int frame);
    // A memory context for drawing on FBuffer, kept from paint to paint.
    HDC BufferDC() const { return bufferDc_; }
    // The skin's caption colour for a cell: NormalColour2, MouseOverColour2 or
    // PressedColour2; `fallback` for other cells and colours the skin omits
    // (when `onlyDefined`).
    COLORREF CaptionColour(int frame, COLORREF fallback, bool onlyDefined) const;
    bool OnLButtonDown();
    void OnSpaceKey(WPARAM key, bool down);
    void OnLButtonUp();
    void OnMouseMove();
    void OnMouseEnter();
    void OnMouseLeave();

private:
    void ForgetCells();
    // The strip's cells composed over the face colour at the button's size,
    // made when first shown and kept until the size changes: a paint then
    // only copies one and draws the caption.
    struct TComposedCell {
        int frameCount = 0;
        TDib pixels;
    };
    TComposedCell cells_[button_frame::Count];
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    tk::CompatibleDC bufferDc_;
};

} // namespace skin
