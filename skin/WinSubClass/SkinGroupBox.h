// TSkinGroupBox: after the group box painted itself, the skinner covers the
// system's frame with the face colour and draws a rounded frame in the
// skin's shadow colour, with the caption on the face colour over its top
// line. The system's group box is a button: pressed (a click on the group)
// it draws its frame at once, outside any paint, and the skinner draws over
// it again.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinGroupBox : public TSkinControl {
    TK_CLASS(TSkinGroupBox)

public:
    explicit TSkinGroupBox(tk::Component* owner);
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;
};

} // namespace skin
