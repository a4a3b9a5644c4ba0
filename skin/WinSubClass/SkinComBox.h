// TSkinComBox: combo boxes (and date pickers) keep painting their edit area;
// after each of their paints the skinner draws over the rest of the window:
// the frame from the skin's sunken edge, the drop-down button from the
// skin's combo button strip (mirrored when the button sits on the left) and
// the arrow from the skin's extra images, each in the cell of the state
// (pressed, hot or focused, normal, disabled). A combo button of Style 1
// draws the simple way: a plain outline and the button cell at the right.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinComBox : public TSkinControl {
    TK_CLASS(TSkinComBox)

public:
    explicit TSkinComBox(tk::Component* owner);
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

    // The cell for the control's state.
    int StateFrame() const;

    // The window's style and extended style, read at each paint.
    DWORD FStyle = 0;
    DWORD FExStyle = 0;

private:
    void DrawSimple(HDC dc, const RECT& rect, int state) const;
    // Sets or clears mouse state bits and paints.
    void ChangeMouseState(uint8_t bits, bool set);
    void OnHover(bool over);
};

} // namespace skin
