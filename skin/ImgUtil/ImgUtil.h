// The skin engine's drawing library: cuts a cell out of a skin bitmap, scales
// it to a target with nine-slice or three-slice rules, copies it to a device
// context opaquely or with the colour key, builds window regions from the
// non-key pixels and draws wide text. Every scaling drops or repeats whole
// pixels (COLORONCOLOR); every routine does nothing for an inverted target.
// The routines select the skin bitmaps they are given into their own memory
// DCs, so a bitmap must not be selected into another DC during the call.
//
// Error policy: the drawing routines never throw out of a paint. An empty
// bitmap, or an empty cell of one, draws nothing (sparse skins leave the
// background as it is); a work bitmap that cannot be allocated (too large, no
// memory) draws nothing either.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/ImgUtil/FrameCell.h"
#include "toolkit/win32/GdiOwners.h"
#include "skin/ImgUtil/PixelTransforms.h"

#include <windows.h>

#include <string_view>

namespace skin {

// The bitmap's GDI handle (its DIB section, made on first use), to select it
// into a device context.
inline HBITMAP NativeBitmap(const TDib& bitmap) {
    return static_cast<HBITMAP>(bitmap.NativeHandle());
}

// A new W x H bitmap (the target's size) holding cell `index` of `count`
// scaled with the margins kept: corners 1:1, edges stretched along their
// length, the centre stretched or, with `tile`, repeated unscaled. Margins
// wider (or taller) than the target are dropped pairwise; negative margins
// count as 0. An inverted or zero-sized target, an empty bitmap or cell, or a
// size that cannot be allocated gives an empty bitmap.
TDib RenderElement(const RECT& target, const TDib& bitmap, const RECT& margins, bool vertical,
                   bool tile, int count, int index);

// RenderElement at the target's size, copied to the target's top-left with
// the colour key when `transparent`, else opaquely.
void DrawElement(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, bool tile,
                 bool transparent, int count, int index, const RECT& margins);

// The eight outer slices of the nine-slice (no centre) stretched straight
// onto the device context; what lies inside the margins is left as it was.
void DrawElementRing(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, int count,
                     int index, const RECT& margins);

// Three-slice: left cap, the middle repeated at its own width (stretched
// only vertically), right cap over any overrun. Only the left and right
// margins are used, and they are not reduced to fit.
void DrawStrip(HDC dc, const RECT& target, const TDib& bitmap, bool vertical, bool transparent,
               int count, int index, const RECT& margins);

// Cell `index` of `count` side-by-side cells, scaled to the whole target.
void DrawFrameCell(HDC dc, const RECT& target, const TDib& bitmap, bool transparent, int count,
                   int index);

// Copies the bitmap 1:1 from its origin to the target's top-left, leaving the
// destination unchanged where the bitmap has the key colour. The copy is cut
// to the part of the target the bitmap covers.
void TransparentBlit(HDC dc, const RECT& target, const TDib& bitmap, Colour key);
// The same with three plain blits (invert, mask, invert), for devices that
// cannot do MaskBlt. TransparentBlit falls back to it.
void TransparentBlitXor(HDC dc, const RECT& target, const TDib& bitmap, Colour key);

// Repeats the source rectangle of the bitmap unscaled from the target's
// top-left, in whole pieces: the last column and row may run past the target.
void TileBitmap(HDC dc, const RECT& target, const TDib& bitmap, const RECT& source);

// The region of the pixels that are not the key colour, offset by (x, y). A
// pixel is a key pixel when each channel lies between the key's value and
// that value plus the channel's tolerance (at most 255).
tk::OwnedRegion RegionFromBitmap(const TDib& bitmap, int xOffset, int yOffset, int blueTolerance,
                                 int greenTolerance, int redTolerance, Colour key);

// DrawTextW of the text in a copy of the rectangle; returns DrawText's result.
int DrawSkinText(HDC dc, std::wstring_view text, RECT rect, UINT format);

} // namespace skin
