// TSkinCheckBox and TSkinRadioButton: only the box is skinned. The control
// paints itself (caption, focus); after each of its paints, and after each
// change of its check state, the skinner draws the box from the skin's check
// or radio strip over the system's.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinCheckBox : public TSkinControl {
    TK_CLASS(TSkinCheckBox)

public:
    explicit TSkinCheckBox(tk::Component* owner);
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
    // The strip cell for the control's state (with the strip's cell count).
    int BoxCell(int cells) const;
};

class TSkinRadioButton : public TSkinControl {
    TK_CLASS(TSkinRadioButton)

public:
    explicit TSkinRadioButton(tk::Component* owner);
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
    int BoxCell(int cells) const;
};

} // namespace skin
