// TSkinTrackBar: a track bar whose thumb is drawn from the skin through the
// control's custom-draw notifications; the channel and the tick marks stay
// the control's. The thumb always shows the same cell of its strip, in both
// orientations; without a thumb image it is a plain outlined rectangle.
//
// Error policy: the base's; a thumb that cannot be composed keeps what the
// control drew.
#pragma once

#include "skin/WinSubClass/KeptPiece.h"
#include "skin/WinSubClass/SkinControl.h"

namespace skin {

// The thumb as last scaled from the skin, and the memory image it is
// composed in: a thumb painted again, moved or pressed copies the kept
// piece instead of scaling the skin's cell anew. The skinner keeps one and
// forgets it when the skin changes.
struct TThumbPieces {
    TKeptPiece thumb;
    TDib shown;
    void Clear() { *this = {}; }
};

// Paints the thumb cell of the element's strip stretched to `thumb` (device
// coordinates of the context), its key-coloured pixels leaving what the
// control drew there: composed in memory over what lies under the thumb and
// copied one to one. With `pieces`, the kept ones are used.
void PaintTrackThumb(HDC dc, const RECT& thumb, const TDataSkinObject& element,
                     TThumbPieces* pieces = nullptr);

class TSkinTrackBar : public TSkinControl {
    TK_CLASS(TSkinTrackBar)

public:
    explicit TSkinTrackBar(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    // A track bar without a toolkit control (in a dialog of a plain
    // program): its parent keeps the custom-draw notifications, so the
    // thumb the control drew is painted over after each paint.
    void Draw(HDC dc, const RECT& rect) override;
    // The skin may have changed: the thumb is scaled anew.
    void Refresh() override;

private:
    // The answer to one custom-draw stage.
    bool OnNotify(tk::Message& message);
    LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
    void DrawThumb(HDC dc);
    TThumbPieces pieces_;
};

} // namespace skin
