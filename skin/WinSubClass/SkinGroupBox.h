// TSkinGroupBox: after the group box painted itself, the skinner covers the
// system's frame with the face colour and draws a rounded frame in the
// skin's shadow colour, with the caption on the face colour over its top
// line.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinGroupBox : public TSkinControl {
    TK_CLASS(TSkinGroupBox)

public:
    explicit TSkinGroupBox(tk::Component* owner);
    void Draw(HDC dc, const RECT& rect) override;
};

} // namespace skin
