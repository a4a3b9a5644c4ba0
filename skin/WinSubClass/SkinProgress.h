// TSkinProgress: a progress bar painted from the skin's progress strip: the
// empty bar, then the filled part over it, in one piece or (the control's
// Style pbstChunks, or the skin's progress Style 1 for a control left at its
// default) as copies of the skin's chunk image. Vertical bars fill from the
// bottom.
//
// Error policy: the base's; without the skin's progress image the control
// paints itself.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinProgress : public TSkinControl {
    TK_CLASS(TSkinProgress)

public:
    explicit TSkinProgress(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    bool SkinPaints() const;
    bool OnPaint(tk::Message& message);
    bool Vertical() const;
    bool Chunked() const;
    // How many of `length` pixels show the position.
    int FilledLength(int length) const;
    void DrawWhole(HDC dc, const RECT& rect);
    void DrawChunks(HDC dc, const RECT& rect);
};

} // namespace skin
