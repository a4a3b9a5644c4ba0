#include "PlainMenuBar.h"

#include "SkinManager.h"
#include "WinSkinData.h"

namespace skin {

// The bar in the skin's menu bar colour; on an MDI frame showing a maximised
// child, the child's buttons on it, and the maximised mode switched on.
void TPlainMenuBar::PaintBar(HDC dc, const RECT& rect) {
    tk::OwnedBrush brush(CreateSolidBrush(ResolveColour(frame_.FSkinData->MenubarColour)));
    FillRect(dc, &rect, brush.get());
    if (!frame_.HasMaximizedMdiChild()) {
        return;
    }
    for (const auto& button : frame_.FSysButtons) {
        const TDataSkinSysButton& e = button->FElement;
        if (e.Visibility == Visibility::MdiChild && button->FVisible && !e.Bitmap.Empty()) {
            DrawFrameCell(dc, button->FRect, e.Bitmap, true, e.Frame, ButtonCell::Normal);
        }
    }
    if (SkinManager && !SkinManager->MdiMaximized()) {
        SkinManager->SetMdiMax(true);
    }
}

} // namespace skin
