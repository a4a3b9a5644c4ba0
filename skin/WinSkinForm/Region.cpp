// The window region: the client rectangle plus every border pixel that is not
// the colour key, so keyed corners and edges show what lies behind the window.
// Rebuilt only when the size changed, for MDI children, or for a new skin.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinData/WinSkinData.h"

namespace skin {
namespace {

// Each channel of a key pixel may lie this far above the key's value.
constexpr int KeyTolerance = 1;

tk::OwnedRegion KeyedRegion(const TDib& bitmap, int x, int y) {
    GdiFlush();
    return RegionFromBitmap(bitmap, x, y, KeyTolerance, KeyTolerance, KeyTolerance, KeyColour);
}

void AddRegion(HRGN into, HRGN piece) {
    if (piece) {
        CombineRgn(into, into, piece, RGN_OR);
    }
}

void AddRect(HRGN into, int left, int top, int right, int bottom) {
    tk::OwnedRegion rect(CreateRectRgn(left, top, right, bottom));
    AddRegion(into, rect.get());
}

} // namespace

void TWinSkinForm::UpdateRegion() {
    if (FState == TFrameState::Destroyed || MdiChildNotNormal() || !FSkinData->SkinLoaded) {
        return;
    }
    RECT window{};
    GetWindowRect(FWindow, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    if (w <= 0 || h <= 0) {
        return;
    }
    if (FHasRegion && w == FRegionWidth && h == FRegionHeight && !IsMdiChild() &&
        FState != TFrameState::Refreshing) {
        return;
    }
    FRegionWidth = w;
    FRegionHeight = h;
    tk::OwnedRegion region = BuildRegion(w, h);
    // The system owns the region once it took it, and frees it with the next.
    // Only the frame needs painting for it: the client area is as it was.
    if (SetWindowRgn(FWindow, region.get(), FALSE)) {
        region.release();
        FHasRegion = true;
        PaintFrame(nullptr);
    }
}

// The client rectangle plus every border pixel the colour key leaves, for a
// W x H window.
tk::OwnedRegion TWinSkinForm::BuildRegion(int w, int h) {
    const TSkinData& skin = *FSkinData;
    tk::OwnedRegion region;
    if (!skin.BorderLeft.Trans && !skin.BorderRight.Trans && !skin.BorderTop.Trans &&
        !skin.BorderBottom.Trans) {
        region.reset(CreateRectRgn(0, 0, w, h));
    } else {
        region.reset(CreateRectRgn(FBorderLeft, FBorderTop, w - FBorderRight, h - FBorderBottom));
        if (FBorderKind != TBorderKind::NoFrame) {
            if (skin.BorderLeft.Trans == 1 && h > 1) {
                AddRegion(region.get(),
                          KeyedRegion(BorderPiece(TBorderIndex::Left, FBorderLeft, h), 0, 0).get());
            } else {
                AddRect(region.get(), 0, 0, FBorderLeft, h);
            }
            if (skin.BorderRight.Trans == 1 && h > 1) {
                AddRegion(region.get(),
                          KeyedRegion(BorderPiece(TBorderIndex::Right, FBorderRight, h),
                                      w - FBorderRight, 0)
                              .get());
            } else {
                AddRect(region.get(), w - FBorderRight, 0, w, h);
            }
            const int span = w - FBorderLeft - FBorderRight;
            if (skin.BorderBottom.Trans == 1 && FBorderBottom >= 2) {
                AddRegion(region.get(),
                          KeyedRegion(BorderPiece(TBorderIndex::Bottom, span, FBorderBottom),
                                      FBorderLeft, h - FBorderBottom)
                              .get());
            } else {
                AddRect(region.get(), FBorderLeft, h - FBorderBottom, w - FBorderRight, h);
            }
            if (skin.BorderTop.Trans == 1 && FBorderTop > 1 && span > 0) {
                // The title bar as last painted: its caption text background and
                // caption buttons shape the top edge too.
                if (!FTitleBitmap.Empty() && FTitleBitmap.Width() == w) {
                    tk::OwnedRegion title(KeyedRegion(FTitleBitmap, 0, 0).release());
                    tk::OwnedRegion spanRect(
                        CreateRectRgn(FBorderLeft, 0, w - FBorderRight, FBorderTop));
                    CombineRgn(title.get(), title.get(), spanRect.get(), RGN_AND);
                    AddRegion(region.get(), title.get());
                } else {
                    AddRegion(region.get(),
                              KeyedRegion(BorderPiece(TBorderIndex::Top, span, FBorderTop),
                                          FBorderLeft, 0)
                                  .get());
                }
            } else {
                AddRect(region.get(), FBorderLeft, 0, w - FBorderRight, FBorderTop);
            }
        }
    }
    return region;
}

void TWinSkinForm::RemoveRegion() {
    if (!FHasRegion) {
        return;
    }
    FTitleBitmap.Clear();
    SetWindowRgn(FWindow, nullptr, FALSE);
    FHasRegion = false;
}

} // namespace skin
