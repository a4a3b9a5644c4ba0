// Painting the non-client area: the side and bottom borders, the title bar
// composed off screen (top border, caption text, caption buttons), then the
// menu bar. Each piece reaches the screen in one blit.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinData/WinSkinData.h"

#include <optional>

namespace skin {
namespace {

// Pixels the caption text's measure adds for the pad and a space.
constexpr const wchar_t* MeasureSpace = L" ";
constexpr UINT CaptionFormat = DT_SINGLELINE | DT_END_ELLIPSIS;
// A border of a single cell shows it whether active or not.
constexpr int SingleCell = 1;
// The caption's background strip: an active and an inactive cell.
constexpr int CaptionBackCells = 2;
// A popup's caption reaches this close to the leftmost caption button.
constexpr int PopupCaptionGap = 5;

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

void BlitPiece(HDC dc, int x, int y, const TDib& piece) {
    if (!piece.Empty()) {
        tk::BitmapDC source(NativeBitmap(piece));
        BitBlt(dc, x, y, piece.Width(), piece.Height(), source, 0, 0, SRCCOPY);
    }
}

} // namespace

TDib& FrameScratch() {
    thread_local TDib scratch;
    return scratch;
}

void TWinSkinForm::PaintFrame(HDC dc) {
    if (FState != TFrameState::Running && FState != TFrameState::Refreshing) {
        return;
    }
    if (FBorderKind == TBorderKind::NoFrame || MdiChildNotNormal() || !FSkinData->SkinLoaded) {
        return;
    }
    try {
        std::optional<tk::WindowDC> own;
        if (!dc) {
            own.emplace(tk::WindowDC::Whole(FWindow));
            dc = *own;
        }
        GetWindowRect(FWindow, &FWindowRect);
        const int w = WidthOf(FWindowRect);
        const int h = HeightOf(FWindowRect);
        FWidth = w;
        FHeight = h;
        const TDib& left = BorderPiece(TBorderIndex::Left, FBorderLeft, h);
        const TDib& right = BorderPiece(TBorderIndex::Right, FBorderRight, h);
        BlitPiece(dc, 0, 0, left);
        BlitPiece(dc, w - FBorderRight, 0, right);
        PaintBorder(TBorderIndex::Bottom, {FBorderLeft, h - FBorderBottom, w - FBorderRight, h},
                    dc);
        PaintTitleBar(dc, left, right);
        if (FMenuBar && FMenuHeight > 0) {
            FMenuBar->PaintBar(
                dc, {FBorderLeft, FBorderTop, w - FBorderRight, FBorderTop + FMenuHeight});
        }
    } catch (...) {
        // A failed paint leaves the frame attached; the next paint tries again.
    }
    FHotObject = nullptr;
}

// Cell 1 while the window is active (or the bitmap has a single cell), else
// cell 2. The centre is tiled unless the border's Stretch key says 1.
const TDib& TWinSkinForm::BorderPiece(TBorderIndex index, int width, int height) {
    TBorderPiece& piece = borderPieces_[FActive ? 1 : 0][int(index) - 1];
    if (piece.width == width && piece.height == height) {
        return piece.dib;
    }
    const TDataSkinBorder& border = index == TBorderIndex::Left    ? FSkinData->BorderLeft
                                    : index == TBorderIndex::Right ? FSkinData->BorderRight
                                    : index == TBorderIndex::Top   ? FSkinData->BorderTop
                                                                   : FSkinData->BorderBottom;
    piece.width = width;
    piece.height = height;
    piece.dib.Clear();
    if (!border.Bitmap.Empty() && width > 0 && height > 0) {
        const int cell = FActive || border.Frame == SingleCell ? ActiveCell : InactiveCell;
        const bool stacked = index == TBorderIndex::Top || index == TBorderIndex::Bottom;
        piece.dib = RenderElement({0, 0, width, height}, border.Bitmap, MarginRect(border), stacked,
                                  border.Tile != 1, border.Frame, cell);
    }
    return piece.dib;
}

void TWinSkinForm::ClearBorderPieces() {
    for (auto& state : borderPieces_) {
        for (TBorderPiece& piece : state) {
            piece = {};
        }
    }
}

void TWinSkinForm::PaintBorder(TBorderIndex index, const RECT& rect, HDC dc) {
    if (WidthOf(rect) < 0 || HeightOf(rect) < 0) {
        return;
    }
    BlitPiece(dc, rect.left, rect.top, BorderPiece(index, WidthOf(rect), HeightOf(rect)));
}

// The title strip takes the tops of the side borders just rendered, so the
// screen is never read back.
void TWinSkinForm::PaintTitleBar(HDC dc, const TDib& left, const TDib& right) {
    const int w = FWidth;
    if (w <= 0 || FBorderTop <= 0) {
        return;
    }
    if (FTitleBitmap.Width() != w || FTitleBitmap.Height() != FBorderTop) {
        FTitleBitmap.SetSize(w, FBorderTop, TrueColourBits);
    }
    tk::BitmapDC title(NativeBitmap(FTitleBitmap));
    BlitPiece(title, 0, 0, left);
    BlitPiece(title, w - FBorderRight, 0, right);
    const RECT titleRect{FBorderLeft, 0, w - FBorderRight, FBorderTop};
    PaintBorder(TBorderIndex::Top, titleRect, title);
    PaintCaptionText(title, titleRect);
    LayoutSysButtons();
    PaintSysButtons(title);
    BitBlt(dc, 0, 0, w, FBorderTop, title, 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
}

RECT TWinSkinForm::MeasureCaption(HDC dc, const RECT& r) const {
    const TDataSkinTitle& title = FSkinData->Title;
    RECT t = r;
    const std::wstring measured = FCaption + MeasureSpace + captionPad_;
    DrawTextW(dc, measured.c_str(), int(measured.size()), &t, DT_CALCRECT | DT_NOCLIP);
    t.right += title.TXTBackleft + title.TXTBackRight;
    return t;
}

void TWinSkinForm::PaintCaptionText(HDC dc, const RECT& r) {
    const TDataSkinTitle& title = FSkinData->Title;
    tk::SavedDC saved(dc);
    SelectObject(dc, captionFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(FActive ? FSkinData->TitleTextActiveColour
                                           : FSkinData->TitleTextNoActiveColour));
    RECT t = MeasureCaption(dc, r);
    int dx = 0;
    switch (CaptionAlignment()) {
    case text_align::Left:
        dx = title.LeftWidth;
        break;
    case text_align::Centre:
        dx = (r.right + t.left - r.left - t.right) / 2;
        break;
    case text_align::Right:
        dx = r.right + t.left - r.left - title.RightWidth - t.right;
        break;
    default:
        break;
    }
    const int dy = (r.bottom + t.top - r.top - t.bottom) / 2 + title.TopHeight / 2;
    OffsetRect(&t, dx, dy);
    if (!(FStyle & WS_POPUP)) {
        t.right = std::min(t.right, LONG(r.right - title.RightWidth));
    }
    // Buttons placed after the caption follow its text; a popup's text may
    // run on up to the caption buttons (they are painted over it).
    FCaptionRect = t;
    if (FStyle & WS_POPUP) {
        t.right =
            std::max(t.right, LONG(FRightmostButtonLeft - FSkinData->Measure(PopupCaptionGap)));
    }
    if (!title.Bitmap.Empty()) {
        DrawStrip(dc, {t.left, r.top, t.right, r.bottom}, title.Bitmap, true, true,
                  CaptionBackCells, FActive ? ActiveCell : InactiveCell,
                  {title.TXTBackleft, 0, title.TXTBackRight, 0});
    }
    t.left += title.TXTBackleft;
    t.right -= title.TXTBackRight;
    DrawSkinText(dc, captionPad_ + FCaption, t, CaptionFormat | (FRightToLeft ? DT_RIGHT : 0));
}

int32_t TWinSkinForm::CaptionAlignment() const {
    return FRightToLeft ? text_align::Right : FSkinData->Title.TextAlignment;
}

// The caption is placed as PaintCaptionText places it; the buttons as
// LayoutSysButtons lays them out.
int TWinSkinForm::CaptionFitWidth() {
    const TDataSkinTitle& title = FSkinData->Title;
    int textWidth = 0;
    {
        tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
        tk::SelectedObject font(dc, captionFont_.get());
        const RECT t = MeasureCaption(dc, {});
        textWidth = t.right - t.left;
    }
    // How far the visible caption buttons reach in from the window's edges,
    // and past the caption's end.
    int fromLeft = 0;
    int fromRight = 0;
    int afterCaption = 0;
    for (size_t i = 0; i < FSysButtons.size(); ++i) {
        const TDataSkinSysButton& e = FSysButtons[i]->FElement;
        if (!IsSysButtonVisible(i) || e.Bitmap.Empty()) {
            continue;
        }
        const int w = e.Bitmap.Width() / std::max(e.Frame, 1);
        switch (e.Align) {
        case button_align::Left:
            fromLeft = std::max(fromLeft, e.Xcoord + w);
            break;
        case button_align::Right:
            fromRight = std::max(fromRight, e.Xcoord);
            break;
        case button_align::AfterCaption:
        case button_align::AfterCaptionAlt:
            afterCaption = std::max(afterCaption, e.Xcoord + w);
            break;
        default:
            break;
        }
    }
    // Room the caption needs from each edge: past the buttons there with a
    // gap, and on the right also the text's own clip (not a popup's).
    const int leftNeed =
        fromLeft > 0 ? fromLeft + FSkinData->Measure(PopupCaptionGap) : FBorderLeft;
    const int clipNeed = FBorderRight + ((FStyle & WS_POPUP) ? 0 : title.RightWidth);
    const int rightNeed = std::max(
        clipNeed, afterCaption + (fromRight > 0 ? fromRight + FSkinData->Measure(PopupCaptionGap)
                                                : FBorderRight));
    switch (CaptionAlignment()) {
    case text_align::Left:
        return FBorderLeft + title.LeftWidth + textWidth + rightNeed;
    case text_align::Centre:
        return FBorderLeft + FBorderRight + textWidth +
               2 * std::max(leftNeed - FBorderLeft, rightNeed - FBorderRight);
    case text_align::Right:
        return leftNeed + textWidth + FBorderRight + title.RightWidth;
    default:
        return FBorderLeft + textWidth + rightNeed;
    }
}

} // namespace skin
