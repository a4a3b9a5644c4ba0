#include "PopupMenuSkin.h"

#include "SkinManager.h"
#include "WinSkinData.h"

namespace skin {
namespace {

// The system's message asking a popup-menu window for its menu.
constexpr UINT MenuGetHandle = 0x01E1; // MN_GETHMENU

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

void TWinSkinPopMenu::Attach(HWND window, const TSkinData& skin, HMENU menu) {
    FWindow = window;
    FSkinData = &skin;
    FMenu = menu;
    subclass_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return PopupWndProc(msg, wParam, lParam);
    });
}

void TWinSkinPopMenu::Detach() {
    if (subclass_.Installed()) {
        subclass_.Remove();
        FBackground.Clear();
    }
}

HMENU TWinSkinPopMenu::Menu() {
    if (!FMenu && FWindow) {
        FMenu = reinterpret_cast<HMENU>(SendMessageW(FWindow, MenuGetHandle, 0, 0));
    }
    return FMenu;
}

bool TWinSkinPopMenu::HasBackground() const {
    return FSkinData && FSkinData->SkinLoaded && FSkinData->MenuBackground &&
           !FSkinData->MenuBackground->Bitmap.Empty();
}

// Rendered again only when the window's size changed.
const TDib& TWinSkinPopMenu::Background() {
    RECT window{};
    if (!HasBackground() || !GetWindowRect(FWindow, &window)) {
        FBackground.Clear();
        return FBackground;
    }
    const int w = WidthOf(window), h = HeightOf(window);
    if (FBackground.Width() != w || FBackground.Height() != h) {
        const TDataSkinObject& element = *FSkinData->MenuBackground;
        FBackground = RenderElement({0, 0, w, h}, element.Bitmap, MarginRect(element), false,
                                    element.Tile == 1, std::max(element.Frame, 1), 1);
    }
    return FBackground;
}

POINT TWinSkinPopMenu::ClientOrigin() const {
    RECT window{};
    GetWindowRect(FWindow, &window);
    POINT origin{0, 0};
    ClientToScreen(FWindow, &origin);
    return {origin.x - window.left, origin.y - window.top};
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SKINQUERY) {
        return SkinQueryAnswer;
    }
    if (!SkinManager || !SkinManager->Enabled() || !HasBackground()) {
        return subclass_.CallNext(msg, wParam, lParam);
    }
    try {
        switch (msg) {
        case WM_NCPAINT: {
            // The frame where it is the non-client area; the system's own
            // frame is not drawn.
            tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
            PaintPopupFrame(dc);
            return 0;
        }
        case WM_PAINT: {
            // Where the system draws the frame inside the client area, the
            // ring goes over it once the items are drawn.
            const LRESULT result = subclass_.CallNext(msg, wParam, lParam);
            tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
            PaintPopupFrame(dc);
            return result;
        }
        case WM_PRINT:
            return PrintPopup(wParam, lParam);
        default:
            break;
        }
    } catch (...) {
        // The system's own look shows where the skin's could not be drawn.
    }
    return subclass_.Pending(msg, wParam, lParam) ? subclass_.CallNext(msg, wParam, lParam) : 0;
}

// The outer ring of the background, 1:1; the items copy the inside under
// themselves.
void TWinSkinPopMenu::PaintPopupFrame(HDC windowDC) {
    const TDib& background = Background();
    if (background.Empty()) {
        return;
    }
    const int w = background.Width(), h = background.Height(), f = FrameWidth;
    tk::BitmapDC source(NativeBitmap(background));
    BitBlt(windowDC, 0, 0, w, f, source, 0, 0, SRCCOPY);
    BitBlt(windowDC, 0, h - f, w, f, source, 0, h - f, SRCCOPY);
    BitBlt(windowDC, 0, f, f, h - 2 * f, source, 0, f, SRCCOPY);
    BitBlt(windowDC, w - f, f, f, h - 2 * f, source, w - f, f, SRCCOPY);
}

// The system's menu animation prints the window before showing it: the
// whole background, then the items over it inside the ring.
LRESULT TWinSkinPopMenu::PrintPopup(WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    const TDib& background = Background();
    if (background.Empty()) {
        return subclass_.CallNext(WM_PRINT, wParam, lParam);
    }
    {
        tk::BitmapDC source(NativeBitmap(background));
        BitBlt(dc, 0, 0, background.Width(), background.Height(), source, 0, 0, SRCCOPY);
    }
    tk::SavedDC saved(dc);
    const int f = FrameWidth;
    IntersectClipRect(dc, f, f, background.Width() - f, background.Height() - f);
    SetBkMode(dc, TRANSPARENT);
    return subclass_.CallNext(WM_PRINT, wParam, lParam);
}

} // namespace skin
