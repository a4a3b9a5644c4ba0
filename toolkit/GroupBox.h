// A group box over the system's BUTTON class: a captioned frame that holds
// controls.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

class GroupBox : public WinControl {
    TK_CLASS(GroupBox)

public:
    explicit GroupBox(Component* owner);

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;
    RECT AlignRect() override;

private:
    static LRESULT HitTest();
    LRESULT EraseInside(HDC dc);
};

} // namespace tk
