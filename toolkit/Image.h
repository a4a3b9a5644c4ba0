// A window-less control showing a picture unscaled from its top-left corner,
// clipped to the control.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Picture.h"

namespace tk {

// A picture drawn unscaled from the top-left corner, clipped to the control.
class Image : public GraphicControl {
    TK_CLASS(Image)

public:
    explicit Image(Component* owner);
    tk::Picture& Picture() { return picture_; }

protected:
    void Paint() override;

private:
    tk::Picture picture_;
};

} // namespace tk
