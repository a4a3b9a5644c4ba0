// Painting one skinned scroll bar: the two arrows from the skin's arrow
// strip, the track between them and the thumb on it, composed in the engine's
// scratch bitmap at the skin's own thickness and stretched onto the bar in one
// copy. Shared by the window scroll bars of scrollable controls and by scroll
// bar controls.
//
// Error policy: nothing throws; a skin without an arrow strip, an empty bar
// or one larger than any screen draws nothing (the control's own look stays).
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSubClass/KeptPiece.h"
#include "skin/WinSubClass/ScrollGeometry.h"

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

// The parts of one bar as last rendered from the skin at its sizes and cells
// (track, first and second arrow, thumb) and the bar as last shown: a bar
// painted again, or with its thumb moved, copies them instead of scaling the
// skin's cells anew. Each skinner keeps one per bar and forgets it when the
// skin changes.
struct TBarPieces {
    TKeptPiece track;
    TKeptPiece first;
    TKeptPiece second;
    TKeptPiece thumb;
    // The composed bar at its size on screen.
    TDib shown;
    void Clear() { *this = {}; }
};

// Whether the skin can paint scroll bars: it has a non-empty arrow strip.
bool SkinPaintsScrollBars(const TSkinModel& skin);

// Paints the bar into `bar` (device coordinates of the context), with the
// parts kept in `pieces` when given.
void PaintSkinBar(HDC dc, const RECT& bar, const TBarLook& look, const TSkinModel& skin,
                  TBarPieces* pieces = nullptr);

} // namespace skin
