// TSkinSizer: the size box of a window without a form object (a scroll bar
// window of the size-box kind) is only outlined in the skin's shadow colour;
// the skinner takes its painting over so the system's grip never shows.
#pragma once

#include "SkinControl.h"

namespace skin {

class TSkinSizer : public TSkinControl {
    TK_CLASS(TSkinSizer)

public:
    explicit TSkinSizer(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
};

} // namespace skin
