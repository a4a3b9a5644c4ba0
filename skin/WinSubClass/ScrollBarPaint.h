// Painting one skinned scroll bar: the two arrows from the skin's arrow
// strip, the track between them and the thumb on it, composed in the engine's
// scratch bitmap at the skin's own thickness and stretched onto the bar in one
// copy. Shared by the window scroll bars of scrollable controls and by scroll
// bar controls.
//
// Error policy: nothing throws; a skin without an arrow strip, an empty bar
// or one larger than any screen draws nothing (the control's own look stays).
#pragma once

#include "ScrollGeometry.h"

#include <windows.h>

namespace skin {

class TSkinModel;

// What a bar shows.
struct TBarLook {
    bool vertical = false;
    // Arrows, track and thumb along the bar, at the bar's length.
    TBarGeometry geometry;
    // The part shown pressed (ScrollPart).
    int pressedPart = 0;
    bool disabled = false;
};

// Whether the skin can paint scroll bars: it has a non-empty arrow strip.
bool SkinPaintsScrollBars(const TSkinModel& skin);

// Paints the bar into `bar` (device coordinates of the context).
void PaintSkinBar(HDC dc, const RECT& bar, const TBarLook& look, const TSkinModel& skin);

} // namespace skin
