// The bitmaps of a generated skin, one function per kind of image. Cells of
// multi-state images are laid out as the skin engine reads them.
#pragma once

#include "tools/skingen/Canvas.h"
#include "tools/skingen/Theme.h"

namespace skingen {

// Window frame: the four borders (active and inactive frame each), the
// caption buttons with their four state cells, the menu bar, the MDI child
// buttons, the caption decoration and the hover animation strips.
struct TFrameGeometry {
    static constexpr int TopWidth = 240;  // top border cell width
    static constexpr int TopEnd = 44;     // unstretched ends of the top border
    static constexpr int SideMiddle = 40; // stretched rows of the side borders
    static constexpr int BottomWidth = 120;
    static constexpr int BottomEnd = 12;
    static constexpr int MenuBarWidth = 60;
    static constexpr int MenuBarEnd = 4;
};

enum class TGlyph { Close, Maximise, Restore, Minimise, RollUp, RollDown };

TDib TopBorder(const TTheme& t);
TDib BottomBorder(const TTheme& t);
TDib LeftBorder(const TTheme& t);
TDib RightBorder(const TTheme& t);
// At `scale` 2 the double-size art of the same button: its shapes drawn at
// twice the resolution, not its pixels repeated.
TDib CaptionButton(const TTheme& t, TGlyph glyph, int scale = 1);
TDib CaptionAnimation(const TTheme& t, TGlyph glyph);
TDib CaptionDecoration(const TTheme& t);
TDib MenuBar(const TTheme& t);
TDib MdiButtons(const TTheme& t);
// The test skin's caption art: the text background (active and inactive
// cells stacked, keyed ends), a pin button of three cells (normal, pressed,
// hot) and a dash of six cells.
TDib CaptionBack(const TTheme& t);
TDib PinButton(const TTheme& t);
TDib CaptionDash(const TTheme& t);
// Draws a caption glyph centred at (cx, cy), `size` pixels across, its
// strokes `weight` times as thick as at 1x; `back` fills the part of the
// restore glyph's rear window hidden by the front one.
void DrawGlyph(TCanvas& c, TGlyph glyph, int cx, int cy, int size, Colour colour, Colour back,
               int weight = 1);

// Controls. Those with a `scale` draw their double-size art at 2 (see
// TCanvas): the glyphs and rounded faces, whose slopes and curves show the
// finer drawing.
TDib PushButtons(const TTheme& t, int scale = 1);
TDib CheckBoxes(const TTheme& t, int scale = 1);
TDib RadioButtons(const TTheme& t, int scale = 1);
TDib ProgressBar(const TTheme& t);
TDib GroupBoxEdge(const TTheme& t);
TDib GroupBoxLabel(const TTheme& t);
TDib Tabs(const TTheme& t);
TDib PageBorder(const TTheme& t);
TDib StatusEdges(const TTheme& t);
TDib ComboButton(const TTheme& t);
TDib ComboArrows(const TTheme& t, int scale = 1);
TDib SunkenEdge(const TTheme& t);
TDib HeaderBar(const TTheme& t);
TDib MenuItems(const TTheme& t);
TDib MenuTool(const TTheme& t);
TDib MenuBackground(const TTheme& t);
TDib ScrollArrows(const TTheme& t, int scale = 1);
TDib ScrollTrack(const TTheme& t, bool vertical);
TDib ScrollThumb(const TTheme& t, bool vertical, int scale = 1);
// Track bar thumbs: direction 0 up, 1 down, 2 left, 3 right pointing; -1 and
// -2 the plain horizontal and vertical thumbs.
TDib TrackThumb(const TTheme& t, int direction);
TDib TrackChannel(const TTheme& t, bool vertical);
TDib Spinner(const TTheme& t, bool vertical);
TDib SpinnerGlyphs(const TTheme& t, bool vertical, int scale = 1);
TDib Rebar(const TTheme& t);
TDib ToolButtons(const TTheme& t);
TDib DialogBackground(const TTheme& t);

} // namespace skingen
