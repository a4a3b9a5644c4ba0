#include "skin/WinSubClass/SkinComBox.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/InputCodes.h"
#include "toolkit/Notifications.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {

const tk::ClassInfo& TSkinComBox::StaticClass() {
    static const tk::ClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
    return info;
}

TSkinComBox::TSkinComBox(tk::Component* owner) : TSkinControl(owner) {}

void TSkinComBox::ChangeMouseState(uint8_t bits, bool set) {
    SetMouseBits(bits, set);
    Paint(nullptr);
}

void TSkinComBox::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCPAINT:
        return Paint(nullptr);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return ChangeMouseState(mouse_bit::Pressed, true);
    case WM_LBUTTONUP:
        return ChangeMouseState(mouse_bit::Pressed, false);
    case tk::ReflectedCommand:
        // A press dragged into the dropped list is released there: the box
        // never hears of it, only that its list closed.
        if (HIWORD(message.wParam) == CBN_CLOSEUP && Pressed()) {
            ChangeMouseState(mouse_bit::Pressed, false);
        }
        return TSkinControl::AfterMessage(message);
    case tk::NotifyMouseEnter:
        return OnHover(true);
    case tk::NotifyMouseLeave:
        return OnHover(false);
    default:
        return TSkinControl::AfterMessage(message);
    }
}

// Only an enabled box shows the pointer over it.
void TSkinComBox::OnHover(bool over) {
    if (FHandle && IsWindowEnabled(FHandle)) {
        ChangeMouseState(mouse_bit::Over, over);
    }
}

int TSkinComBox::StateFrame() const {
    if (Pressed()) {
        return combo_frame::Pressed;
    }
    if (GetFocus() == FHandle || MouseOver()) {
        return combo_frame::Hot;
    }
    return (FStyle & WS_DISABLED) ? combo_frame::Disabled : combo_frame::Normal;
}

void TSkinComBox::Draw(HDC dc, const RECT& rect) {
    const TDataSkinBorder* button = FSkinData->ComboButton.get();
    if (!button || button->Bitmap.Empty()) {
        return;
    }
    FStyle = DWORD(GetWindowLongPtrW(FHandle, GWL_STYLE));
    FExStyle = DWORD(GetWindowLongPtrW(FHandle, GWL_EXSTYLE));
    const int state = StateFrame();
    if (button->Style == ComboSimpleStyle) {
        DrawSimple(dc, rect, state);
        return;
    }
    const TDataSkinObject* edge = FSkinData->SunkEdge.get();
    if (!edge || edge->Bitmap.Empty()) {
        return;
    }
    const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
    const bool onLeft = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    RECT edit{};
    RECT buttonRect{};
    if (onLeft) {
        buttonRect = {rect.left, rect.top,
                      rect.left + arrowWidth + FSkinData->Measure(ComboButtonExtra), rect.bottom};
        edit = {buttonRect.right + ComboFrameWidth, rect.top + ComboFrameWidth,
                rect.right - ComboFrameWidth, rect.bottom - ComboFrameWidth};
    } else {
        buttonRect = {rect.right - arrowWidth - FSkinData->Measure(ComboButtonExtra), rect.top,
                      rect.right, rect.bottom};
        edit = {rect.left + ComboFrameWidth, rect.top + ComboFrameWidth,
                buttonRect.left - ComboFrameWidth, rect.bottom - ComboFrameWidth};
    }
    // The arrow is centred in the button less the frame at the window's edge.
    RECT arrowArea = buttonRect;
    if (onLeft) {
        arrowArea.left += ComboFrameWidth;
    } else {
        arrowArea.right -= ComboFrameWidth;
    }
    const tk::SavedDC saved(dc);
    ExcludeClipRect(dc, edit.left, edit.top, edit.right, edit.bottom);
    PaintElement(dc, rect, std::max(edge->Frame, 1), state, *edge);
    // The mirrored strip holds the cells in reverse order too: the state's
    // own cell is counted from its end.
    const int cells = std::max(button->Frame, 1);
    if (onLeft) {
        DrawStripFrame(dc, buttonRect, button->Bitmap2, cells, cells + 1 - state);
    } else {
        DrawStripFrame(dc, buttonRect, button->Bitmap, cells, state);
    }
    const TDataSkinObject* arrows = FSkinData->ExtraImages.get();
    if (arrows && !arrows->Bitmap.Empty()) {
        const int cells = std::max(arrows->Frame, 1);
        const int width = arrows->Bitmap.Width() / cells;
        const int height = arrows->Bitmap.Height();
        const int left = arrowArea.left + (arrowArea.right - arrowArea.left - width) / 2;
        const int top = arrowArea.top + (arrowArea.bottom - arrowArea.top - height) / 2;
        DrawStripFrame(dc, {left, top, left + width, top + height}, arrows->Bitmap, cells, state);
    }
}

void TSkinComBox::DrawSimple(HDC dc, const RECT& rect, int state) const {
    const TDataSkinBorder& button = *FSkinData->ComboButton;
    // The context's own brush: the control's background.
    const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, brush);
    InflateRect(&inner, -1, -1);
    const RECT area{std::max(inner.left, inner.right - GetSystemMetrics(SM_CYVTHUMB)), inner.top,
                    inner.right, inner.bottom};
    FillRect(dc, &area, brush);
    DrawFrameCell(dc, area, button.Bitmap, false, std::max(button.Frame, 1), state);
    const tk::OwnedBrush shadow(CreateSolidBrush(ResolveColour(FSkinData->ButtonShadowColour)));
    FrameRect(dc, &rect, shadow.get());
}

} // namespace skin
