// A window-less control showing a picture from its top-left corner, clipped
// to the control, at the scale of its form.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/Dpi.h"
#include "toolkit/Picture.h"

namespace tk {

// A picture drawn from the top-left corner, clipped to the control; drawn
// for the design's scale and grown with the form's.
class Image : public GraphicControl {
    TK_CLASS(Image)

public:
    explicit Image(Component* owner);
    tk::Picture& Picture() { return picture_; }
    // Also the scale the picture is drawn at.
    void ChangeScale(int to, int from) override;

protected:
    void Paint() override;

private:
    tk::Picture picture_;
    int dpi_ = DesignDpi;
};

} // namespace tk
