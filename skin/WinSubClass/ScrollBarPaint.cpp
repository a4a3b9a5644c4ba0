#include "skin/WinSubClass/ScrollBarPaint.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>

namespace skin {
namespace {

// The skin's keyed elements take the colour key when their Trans is 1.
bool Keyed(const TDataSkinObject& element) {
    return element.Trans == 1;
}

// The two arrow cells of a bar in its state.
struct TArrowCells {
    int first;
    int second;
};

TArrowCells ArrowCellsOf(const TBarLook& look) {
    TArrowCells cells = look.vertical ? TArrowCells{arrow_cell::Up, arrow_cell::Down}
                                      : TArrowCells{arrow_cell::Left, arrow_cell::Right};
    if (look.disabled) {
        return {cells.first + arrow_cell::DisabledStep, cells.second + arrow_cell::DisabledStep};
    }
    const int firstPart = look.vertical ? scroll_part::UpArrow : scroll_part::LeftArrow;
    const int secondPart = look.vertical ? scroll_part::DownArrow : scroll_part::RightArrow;
    if (look.pressedPart == firstPart) {
        cells.first += arrow_cell::PressedStep;
    }
    if (look.pressedPart == secondPart) {
        cells.second += arrow_cell::PressedStep;
    }
    return cells;
}

// The scratch bitmap, grown when it is smaller than w x h: the bar is
// composed in its top-left corner.
TDib& ScratchOfAtLeast(int w, int h) {
    TDib& scratch = FrameScratch();
    if (scratch.Width() < w || scratch.Height() < h) {
        scratch.SetSize(std::max(w, scratch.Width()), std::max(h, scratch.Height()),
                        TrueColourBits);
    }
    return scratch;
}

// A part of the bar at w x h from cell `cell` of a strip of `count`, rendered
// once for its size and cell and copied onto the bar image at (x, y).
void PutPiece(TDib& image, TKeptPiece& piece, int x, int y, int w, int h,
              const TDataSkinObject& element, int count, int cell, const RECT& margins, bool tile,
              bool keyed) {
    if (w <= 0 || h <= 0) {
        return;
    }
    CopyKeyed(image, x, y, piece.Render(element, w, h, count, cell, margins, tile), keyed);
}

// The bar image's rectangle of a span along the bar, `across` thick, as
// origin and size.
struct TSpan {
    int x, y, w, h;
};
TSpan SpanOf(bool vertical, int start, int end, int across) {
    return vertical ? TSpan{0, start, across, end - start} : TSpan{start, 0, end - start, across};
}

void FillSolid(HDC dc, const RECT& rect, Colour colour) {
    SetDCBrushColor(dc, ResolveColour(colour));
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace

bool SkinPaintsScrollBars(const TSkinModel& skin) {
    return skin.Scrollbar && !skin.Scrollbar->Bitmap.Empty();
}

void PaintSkinBar(HDC dc, const RECT& bar, const TBarLook& look, const TSkinModel& skin,
                  TBarPieces* pieces) {
    if (!SkinPaintsScrollBars(skin)) {
        return;
    }
    const int length = look.vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int thickness = look.vertical ? bar.right - bar.left : bar.bottom - bar.top;
    if (length <= 0 || thickness <= 0 || length > MaxBarImage || thickness > MaxBarImage) {
        return;
    }
    // The image is as thick as the skin's art at its scale, so scaled art
    // is composed as it is and only stretched to the bar's thickness.
    const int across = skin.Measure(BarImageThickness);
    const int imageWidth = look.vertical ? across : length;
    const int imageHeight = look.vertical ? length : across;
    const TBarGeometry& g = look.geometry;
    try {
        TDib& image = ScratchOfAtLeast(imageWidth, imageHeight);
        tk::BitmapDC canvas(NativeBitmap(image));
        SetStretchBltMode(canvas, COLORONCOLOR);
        FillSolid(canvas, {0, 0, imageWidth, imageHeight}, skin.ScrollbarColour);
        TBarPieces scratchPieces;
        TBarPieces& kept = pieces ? *pieces : scratchPieces;
        const TDataSkinObject* track =
            look.vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
        if (track && g.track > 0) {
            const TSpan span = SpanOf(look.vertical, g.arrow, g.arrow + g.track, across);
            PutPiece(image, kept.track, span.x, span.y, span.w, span.h, *track, track->Frame,
                     look.disabled ? track_cell::Disabled : track_cell::Normal, MarginRect(*track),
                     track->Tile == 1, Keyed(*track));
        }
        const TArrowCells cells = ArrowCellsOf(look);
        const TDataSkinObject& arrows = *skin.Scrollbar;
        const TSpan first = SpanOf(look.vertical, 0, g.arrow, across);
        PutPiece(image, kept.first, first.x, first.y, first.w, first.h, arrows, arrows.Frame,
                 cells.first, {}, false, true);
        const TSpan second = SpanOf(look.vertical, length - g.arrow, length, across);
        PutPiece(image, kept.second, second.x, second.y, second.w, second.h, arrows, arrows.Frame,
                 cells.second, {}, false, true);
        const TDataSkinObject* thumb =
            look.vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
        if (thumb && ThumbShown(g)) {
            const int start = g.arrow + g.thumbPos;
            const int pressed = look.vertical ? scroll_part::VertThumb : scroll_part::HorzThumb;
            const TSpan span = SpanOf(look.vertical, start, start + g.thumbSize, across);
            PutPiece(image, kept.thumb, span.x, span.y, span.w, span.h, *thumb, thumb->Frame,
                     look.pressedPart == pressed ? thumb_cell::Pressed : thumb_cell::Normal,
                     MarginRect(*thumb), false, Keyed(*thumb));
        }
        // Stretched to the bar's thickness in memory and copied one to one:
        // a stretch onto a window would read the screen back first.
        const int barWidth = bar.right - bar.left;
        const int barHeight = bar.bottom - bar.top;
        TDib& shown = kept.shown;
        if (shown.Width() != barWidth || shown.Height() != barHeight) {
            shown.SetSize(barWidth, barHeight, TrueColourBits);
        }
        tk::BitmapDC shownDc(NativeBitmap(shown));
        SetStretchBltMode(shownDc, COLORONCOLOR);
        StretchBlt(shownDc, 0, 0, barWidth, barHeight, canvas, 0, 0, imageWidth, imageHeight,
                   SRCCOPY);
        BitBlt(dc, bar.left, bar.top, barWidth, barHeight, shownDc, 0, 0, SRCCOPY);
    } catch (const std::exception&) {
        // a bar that cannot be composed keeps what the control drew
    }
}

} // namespace skin
