// The drawing helpers every skinner shares: captions, skin elements and
// strip cells, and the shared paint buffer.
#include "skin/WinSubClass/SkinControl.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "toolkit/Assert.h"
#include "toolkit/FocusCue.h"
#include "toolkit/WinControl.h"

#include <algorithm>

namespace skin {
namespace {

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

// Transparent background, clear brush, plain style; grey text when disabled.
void PrepareCaption(tk::Canvas& canvas, bool enabled) {
    SetBkMode(canvas.Handle(), TRANSPARENT);
    canvas.Brush().SetStyle(tk::BrushStyle::Clear);
    canvas.Font().SetStyle(0);
    if (!enabled) {
        canvas.Font().SetColor(tk::clGrayText);
    }
}

// A measured caption placed in `rect`: one pixel above the vertical centre,
// and with DT_CENTER centred across, otherwise as wide as the rectangle.
RECT PlaceCaption(RECT measured, const RECT& rect, UINT format) {
    const int dy = (HeightOf(rect) - HeightOf(measured)) / 2 - 1;
    if (format & DT_CENTER) {
        OffsetRect(&measured, (WidthOf(rect) - WidthOf(measured)) / 2, dy);
    } else {
        OffsetRect(&measured, 0, dy);
        measured.right = rect.right;
    }
    return measured;
}

} // namespace

// FIsFocused follows the focus messages, which a window-less control hears
// from its parent; the cues are its parent window's.
bool TSkinControl::ShowsFocusCue() const {
    if (!FIsFocused) {
        return false;
    }
    if (FHandle) {
        return tk::FocusCuesShown(FHandle);
    }
    const tk::Control* graphic = FGraphicControl;
    return graphic && graphic->Parent() && tk::FocusCuesShown(graphic->Parent()->Handle());
}

void TSkinControl::DrawFocusCue(HDC dc, const RECT& rect, COLORREF colour) const {
    if (!ShowsFocusCue()) {
        return;
    }
    RECT cue = rect;
    InflateRect(&cue, -FocusCueInset, -FocusCueInset);
    tk::DrawFocusCue(dc, cue, colour);
}

UINT AlignmentFormat(tk::Alignment alignment) {
    switch (alignment) {
    case tk::Alignment::Right:
        return DT_RIGHT;
    case tk::Alignment::Center:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

RECT CaptionRect(HDC dc, std::wstring_view text, const RECT& rect, UINT format) {
    RECT measured = rect;
    DrawTextW(dc, text.data(), int(text.size()), &measured, format | MeasureExtra);
    return PlaceCaption(measured, rect, format);
}

void TSkinControl::DrawCaption(tk::Canvas& canvas, const RECT& rect, UINT format, bool enabled,
                               const std::string& text) const {
    if (!canvas.HasHandle()) {
        return;
    }
    PrepareCaption(canvas, enabled);
    // Measured and drawn through the canvas so its font is selected.
    RECT measured = rect;
    canvas.DrawText(text, measured, format | MeasureExtra);
    measured = PlaceCaption(measured, rect, format);
    canvas.DrawText(text, measured, format | DT_EXPANDTABS);
}

void TSkinControl::DrawAlignedCaption(tk::Canvas& canvas, const RECT& rect, const std::string& text,
                                      tk::Alignment alignment, bool enabled) const {
    if (!canvas.HasHandle()) {
        return;
    }
    PrepareCaption(canvas, enabled);
    const UINT format = AlignmentFormat(alignment) | AlignedCaptionFormat;
    RECT measured = rect;
    canvas.DrawText(text, measured, format | DT_CALCRECT | DT_NOCLIP);
    OffsetRect(&measured, (WidthOf(rect) - WidthOf(measured)) / 2,
               (HeightOf(rect) - HeightOf(measured)) / 2);
    canvas.DrawText(text, measured, format);
}

void TSkinControl::DrawImageCaption(tk::Canvas& canvas, const RECT& rect, int alignment,
                                    const std::string& text, int imageIndex,
                                    HIMAGELIST images) const {
    if (!canvas.HasHandle()) {
        return;
    }
    const int width = WidthOf(rect);
    const int height = HeightOf(rect);
    int iconWidth = 0;
    int iconHeight = 0;
    if (imageIndex == NoImage || !images ||
        !ImageList_GetIconSize(images, &iconWidth, &iconHeight) || iconWidth >= width) {
        iconWidth = 0;
    }
    SIZE textSize{};
    if (!text.empty()) {
        RECT measured{0, 0, width, height};
        canvas.DrawText(text, measured, ImageCaptionFormat | DT_CALCRECT | DT_NOCLIP);
        textSize = {WidthOf(measured), HeightOf(measured)};
    }
    int dx = ImageCaptionIndent;
    if (alignment == ImageCaptionCentre) {
        dx = (width - textSize.cx - iconWidth) / 2;
    } else if (alignment == ImageCaptionRight) {
        dx = width - textSize.cx - iconWidth - ImageCaptionIndent;
    }
    dx = std::max(dx, ImageCaptionIndent);
    if (iconWidth > 0) {
        // The icon is taken as square: its width places it vertically too.
        ImageList_Draw(images, imageIndex, canvas.Handle(), rect.left + dx,
                       rect.top + (height - iconWidth) / 2, ILD_TRANSPARENT);
    }
    RECT textRect{rect.left + dx + iconWidth + ImageCaptionGap,
                  rect.top + (height - textSize.cy) / 2, rect.right, rect.bottom};
    textRect.left = std::clamp(textRect.left, rect.left, rect.right);
    PrepareCaption(canvas, FIsEnabled);
    canvas.DrawText(text, textRect, ImageCaptionFormat);
}

void TSkinControl::PaintElement(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                const TDataSkinObject& element) {
    if (IsRectEmpty(&rect)) {
        return;
    }
    DrawElement(dc, rect, element.Bitmap, false, element.Tile == 1, element.Trans == 1, frameCount,
                frameIndex, MarginRect(element));
}

TDib& TSkinControl::SizedBuffer(int width, int height) {
    TDib& buffer = FrameScratch();
    if (buffer.Width() != width || buffer.Height() != height) {
        buffer.SetSize(width, height, TrueColourBits);
    }
    TK_ASSERT(buffer.Width() == width && buffer.Height() == height);
    return buffer;
}

void TSkinControl::PaintElementToBuffer(const RECT& rect, const TDataSkinObject& element,
                                        bool trans, int frameCount, int frameIndex) const {
    if (IsRectEmpty(&rect)) {
        return;
    }
    TDib& buffer = SizedBuffer(WidthOf(rect), HeightOf(rect));
    buffer.Fill(ResolveColour(FSkinData->ButtonFaceColour));
    const tk::BitmapDC dc(NativeBitmap(buffer));
    const RECT local{0, 0, WidthOf(rect), HeightOf(rect)};
    DrawElement(dc, local, element.Bitmap, false, element.Tile == 1, trans, frameCount, frameIndex,
                MarginRect(element));
}

void TSkinControl::DrawStripFrame(HDC dc, const RECT& rect, const TDib& bitmap, int count,
                                  int index) {
    DrawFrameCell(dc, rect, bitmap, true, count, index);
}

void TSkinControl::DrawStripFrame(tk::Canvas& canvas, const RECT& rect, const TDib& bitmap,
                                  int count, int index) {
    if (canvas.HasHandle()) {
        DrawFrameCell(canvas.Handle(), rect, bitmap, true, count, index);
    }
}

void TSkinControl::BlitBuffer(HDC dc, const RECT& rect) {
    const TDib& buffer = FrameScratch();
    if (buffer.Empty()) {
        return;
    }
    const tk::BitmapDC source(NativeBitmap(buffer));
    BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), source, 0, 0, SRCCOPY);
}

} // namespace skin
