#include "ScrollBarPaint.h"

#include "ImgUtil.h"
#include "RangeCodes.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

#include <algorithm>

namespace skin {
namespace {

// The skin's keyed elements take the colour key when their Trans is 1.
bool Keyed(const TDataSkinObject& element) {
    return element.Trans == 1;
}

// A span along the bar image, as a rectangle of the image.
RECT Along(bool vertical, int start, int end) {
    return vertical ? RECT{0, start, BarImageThickness, end}
                    : RECT{start, 0, end, BarImageThickness};
}

// The two arrow cells of a bar in its state.
struct TArrowCells {
    int first;
    int second;
};

TArrowCells ArrowCellsOf(const TBarLook& look) {
    TArrowCells cells = look.vertical ? TArrowCells{ArrowCell::Up, ArrowCell::Down}
                                      : TArrowCells{ArrowCell::Left, ArrowCell::Right};
    if (look.disabled) {
        return {cells.first + ArrowCell::DisabledStep, cells.second + ArrowCell::DisabledStep};
    }
    const int firstPart = look.vertical ? ScrollPart::UpArrow : ScrollPart::LeftArrow;
    const int secondPart = look.vertical ? ScrollPart::DownArrow : ScrollPart::RightArrow;
    if (look.pressedPart == firstPart) {
        cells.first += ArrowCell::PressedStep;
    }
    if (look.pressedPart == secondPart) {
        cells.second += ArrowCell::PressedStep;
    }
    return cells;
}

// The scratch bitmap, grown when it is smaller than w x h: the bar is
// composed in its top-left corner.
TDib& ScratchOfAtLeast(int w, int h) {
    TDib& scratch = FrameScratch();
    if (scratch.Width() < w || scratch.Height() < h) {
        scratch.SetSize(std::max(w, scratch.Width()), std::max(h, scratch.Height()), 24);
    }
    return scratch;
}

void FillSolid(HDC dc, const RECT& rect, Colour colour) {
    SetDCBrushColor(dc, ResolveColour(colour));
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace

bool SkinPaintsScrollBars(const TSkinModel& skin) {
    return skin.Scrollbar && !skin.Scrollbar->Bitmap.Empty();
}

void PaintSkinBar(HDC dc, const RECT& bar, const TBarLook& look, const TSkinModel& skin) {
    if (!SkinPaintsScrollBars(skin)) {
        return;
    }
    const int length = look.vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int thickness = look.vertical ? bar.right - bar.left : bar.bottom - bar.top;
    if (length <= 0 || thickness <= 0 || length > MaxBarImage || thickness > MaxBarImage) {
        return;
    }
    const int imageWidth = look.vertical ? BarImageThickness : length;
    const int imageHeight = look.vertical ? length : BarImageThickness;
    const TBarGeometry& g = look.geometry;
    try {
        TDib& image = ScratchOfAtLeast(imageWidth, imageHeight);
        tk::BitmapDC canvas(NativeBitmap(image));
        SetStretchBltMode(canvas, COLORONCOLOR);
        FillSolid(canvas, {0, 0, imageWidth, imageHeight}, skin.ScrollbarColour);
        const TDataSkinObject* track =
            look.vertical ? skin.VertScroll.get() : skin.HorzScroll.get();
        if (track && g.track > 0) {
            DrawElement(canvas, Along(look.vertical, g.arrow, g.arrow + g.track), track->Bitmap,
                        false, track->Tile == 1, Keyed(*track), track->Frame,
                        look.disabled ? TrackCell::Disabled : TrackCell::Normal,
                        MarginRect(*track));
        }
        const TArrowCells cells = ArrowCellsOf(look);
        const TDataSkinObject& arrows = *skin.Scrollbar;
        DrawFrameCell(canvas, Along(look.vertical, 0, g.arrow), arrows.Bitmap, true, arrows.Frame,
                      cells.first);
        DrawFrameCell(canvas, Along(look.vertical, length - g.arrow, length), arrows.Bitmap, true,
                      arrows.Frame, cells.second);
        const TDataSkinObject* thumb =
            look.vertical ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
        if (thumb && ThumbShown(g)) {
            const int start = g.arrow + g.thumbPos;
            const int pressed = look.vertical ? ScrollPart::VertThumb : ScrollPart::HorzThumb;
            DrawElement(canvas, Along(look.vertical, start, start + g.thumbSize), thumb->Bitmap,
                        false, false, Keyed(*thumb), thumb->Frame,
                        look.pressedPart == pressed ? ThumbCell::Pressed : ThumbCell::Normal,
                        MarginRect(*thumb));
        }
        tk::SavedDC saved(dc);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, canvas, 0, 0,
                   imageWidth, imageHeight, SRCCOPY);
    } catch (const std::exception&) {
        // a bar that cannot be composed keeps what the control drew
    }
}

} // namespace skin
