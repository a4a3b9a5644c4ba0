#include "skin/WinSubClass/SkinButton.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <cstring>

namespace skin {

const tk::ClassInfo& TSkinButton::StaticClass() {
    static const tk::ClassInfo info("TSkinButton", &TSkinControl::StaticClass());
    return info;
}

TSkinButton::TSkinButton(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinButton::BeforeMessage(tk::Message& message) {
    if (!TakeOverPainting(message)) {
        return false;
    }
    switch (message.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return OnLButtonDown();
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinButton::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_KEYDOWN:
        return OnSpaceKey(message.wParam, true);
    case WM_KEYUP:
        return OnSpaceKey(message.wParam, false);
    case WM_MOUSEMOVE:
        return OnMouseMove();
    case WM_LBUTTONUP:
        return OnLButtonUp();
    case tk::NotifyMouseEnter:
        return OnMouseEnter();
    case tk::NotifyMouseLeave:
        return OnMouseLeave();
    default:
        return TSkinControl::AfterMessage(message);
    }
}

// The press is the skinner's: the button takes the focus and shows pressed;
// the control never sees it.
bool TSkinButton::OnLButtonDown() {
    // The control losing the focus may run handlers that free the form.
    if (FHandle && GetFocus() != FHandle && !Survives([this] { SetFocus(FHandle); })) {
        return false;
    }
    SetMouseBits(mouse_bit::Pressed, true);
    Paint(nullptr);
    return false;
}

// Space presses the button and releases it.
void TSkinButton::OnSpaceKey(WPARAM key, bool down) {
    if (key == VK_SPACE) {
        SetMouseBits(mouse_bit::Pressed, down);
        Repaint();
    }
}

void TSkinButton::OnLButtonUp() {
    if (Pressed()) {
        SetMouseBits(mouse_bit::Pressed, false);
        Repaint();
        SkinTrace("**Skin button click " + tk::Narrow(FCaption));
        FireClick();
    }
}

void TSkinButton::OnMouseMove() {
    if (MouseOver()) {
        return;
    }
    SetMouseBits(mouse_bit::Over, true);
    TSkinControl* hot = FForm ? FForm->FHotControl : nullptr;
    if (hot && hot != this) {
        hot->SendMouseLeave();
    }
    if (!FForm || FForm->FHotControl != this) {
        Repaint();
        BecomeHot();
    }
}

void TSkinButton::OnMouseEnter() {
    if (FHandle && !IsWindowEnabled(FHandle)) {
        return;
    }
    SetMouseBits(mouse_bit::Over, true);
    Repaint();
    BecomeHot();
}

void TSkinButton::OnMouseLeave() {
    if (FHandle && !IsWindowEnabled(FHandle)) {
        return;
    }
    SetMouseBits(mouse_bit::Over | mouse_bit::Pressed, false);
    Repaint();
    ForgetHot();
}

void TSkinButton::FireClick() {
    if (FControl) {
        FControl->Click();
    } else if (FHandle) {
        PostMessageW(GetParent(FHandle), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(FHandle), BN_CLICKED),
                     reinterpret_cast<LPARAM>(FHandle));
    }
}

int TSkinButton::StateFrame(DWORD style) const {
    int frame = button_frame::Normal;
    if (Pressed()) {
        frame = button_frame::Pressed;
    } else if (MouseOver()) {
        frame = button_frame::Hot;
    } else if (style & BS_DEFPUSHBUTTON) {
        frame = button_frame::Default;
    } else if (FIsFocused) {
        frame = button_frame::Hot;
    }
    return FIsEnabled ? frame : button_frame::Disabled;
}

bool TSkinButton::ComposeFace(const RECT& rect, int frameCount, int frame) {
    const TDataSkinButton& element = FSkinData->Buttons;
    if (element.Bitmap.Empty() || IsRectEmpty(&rect) || frame < button_frame::Normal ||
        frame > button_frame::Count) {
        return false;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width != cellWidth_ || height != cellHeight_) {
        ForgetCells();
        cellWidth_ = width;
        cellHeight_ = height;
    }
    TComposedCell& cell = cells_[frame - 1];
    if (cell.pixels.Empty() || cell.frameCount != frameCount) {
        cell.frameCount = frameCount;
        cell.pixels.SetSize(width, height, TrueColourBits);
        cell.pixels.Fill(ResolveColour(FSkinData->ButtonFaceColour));
        const tk::BitmapDC dc(NativeBitmap(cell.pixels));
        PaintElement(dc, {0, 0, width, height}, frameCount, frame, element);
    }
    if (FBuffer.Width() != width || FBuffer.Height() != height) {
        FBuffer.SetSize(width, height, TrueColourBits);
    }
    // Both are DIB sections of one format: the cell is copied row block by
    // row block once GDI has finished drawing on either.
    NativeBitmap(FBuffer);
    GdiFlush();
    std::memcpy(FBuffer.Row(0), cell.pixels.Row(0), size_t(FBuffer.Stride()) * size_t(height));
    return true;
}

void TSkinButton::ForgetCells() {
    for (TComposedCell& cell : cells_) {
        cell.pixels.Clear();
    }
}

void TSkinButton::Refresh() {
    ForgetCells();
    TSkinControl::Refresh();
}

COLORREF TSkinButton::CaptionColour(int frame, COLORREF fallback, bool onlyDefined) const {
    const TDataSkinButton& element = FSkinData->Buttons;
    switch (frame) {
    case button_frame::Normal:
        return !onlyDefined || element.HasNormalColour2 ? ResolveColour(element.NormalColour2)
                                                        : fallback;
    case button_frame::Hot:
        return !onlyDefined || element.HasMouseOverColour2 ? ResolveColour(element.MouseOverColour2)
                                                           : fallback;
    case button_frame::Pressed:
        return !onlyDefined || element.HasPressedColour2 ? ResolveColour(element.PressedColour2)
                                                         : fallback;
    default:
        return fallback;
    }
}

void TSkinButton::Draw(HDC dc, const RECT& rect) {
    const DWORD style = ReadWindowState();
    const std::wstring caption = ShownCaption();
    const int frame = StateFrame(style);
    if (!ComposeFace(rect, button_frame::Count, frame)) {
        return;
    }
    const HDC buffer = BufferDC();
    const tk::SelectedObject bitmap(buffer, NativeBitmap(FBuffer));
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    const tk::SelectedObject selected(buffer, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const COLORREF text =
        frame == button_frame::Disabled
            ? DisabledButtonText
            : CaptionColour(frame, ResolveColour(FSkinData->ButtonTextColour), false);
    SetTextColor(buffer, text);
    SetBkMode(buffer, TRANSPARENT);
    const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    const RECT place = CaptionRect(buffer, caption, local, DT_CENTER);
    DrawSkinText(buffer, caption, place, DT_CENTER | DT_EXPANDTABS);
    DrawFocusCue(buffer, local, text);
    BitBlt(dc, rect.left, rect.top, local.right, local.bottom, buffer, 0, 0, SRCCOPY);
}

} // namespace skin
