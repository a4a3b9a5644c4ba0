// TSkinTrackBar: a track bar whose thumb is drawn from the skin through the
// control's custom-draw notifications; the channel and the tick marks stay
// the control's. The thumb always shows the same cell of its strip, in both
// orientations; without a thumb image it is a plain outlined rectangle.
//
// Error policy: the base's.
#pragma once

#include "SkinControl.h"

namespace skin {

class TSkinTrackBar : public TSkinControl {
    TK_CLASS(TSkinTrackBar)

public:
    explicit TSkinTrackBar(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;

private:
    // The answer to one custom-draw stage.
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    void DrawThumb(HDC dc);
};

} // namespace skin
