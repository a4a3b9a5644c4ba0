// TSkinSpeedButton: window-less speed buttons. They have no window: the
// skinner takes over the control's message handler, paints when the parent
// hands the control its WM_PAINT, and invalidates the control's rectangle
// to repaint. The control keeps its own mouse handling (and clicks itself);
// the skinner follows its pressed, hot and Down state.
#pragma once

#include "skin/WinSubClass/SkinBitButton.h"

namespace skin {

class TSkinSpeedButton : public TSkinBitButton {
    TK_CLASS(TSkinSpeedButton)

public:
    explicit TSkinSpeedButton(tk::Component* owner);
    // Attaches to the owner, a window-less control.
    void AttachGraphic(TWinSkinForm& frame, TSkinData& skin, tk::Canvas& canvas);
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    // Draws on the control's own canvas while it has a device context (the
    // control is painting); otherwise invalidates the control.
    void Paint(HDC dc) override;
    void PaintSpeedButton(tk::Canvas& canvas, const RECT& rect);
    int StateFrame(DWORD style) const override;

private:
    bool OnPaintMessage(tk::Message& message);
    bool OnPress(tk::Message& message);
    void OnRelease();
    void OnPointerOver(bool over);
};

} // namespace skin
