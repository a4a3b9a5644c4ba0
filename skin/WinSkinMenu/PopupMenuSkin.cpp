#include "skin/WinSkinMenu/PopupMenuSkin.h"

#include "skin/WinSkinMenu/DropDownPlace.h"
#include "skin/WinSkinMenu/MenuLooks.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSubClass/EngineTrace.h"
#include "toolkit/win32/Compositor.h"

#include <cwchar>

namespace skin {
namespace {

// The class of the system's popup-menu windows, and its message asking one
// for its menu.
constexpr const wchar_t* PopupMenuClass = L"#32768";
constexpr int MaxClassName = 16;
constexpr UINT MenuGetHandle = 0x01E1; // MN_GETHMENU

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

std::vector<HWND> OpenPopupMenuWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            wchar_t name[MaxClassName] = {};
            GetClassNameW(window, name, MaxClassName);
            if (IsWindowVisible(window) && wcscmp(name, PopupMenuClass) == 0) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HMENU MenuOfPopupWindow(HWND popup) {
    return reinterpret_cast<HMENU>(SendMessageW(popup, MenuGetHandle, 0, 0));
}

void TWinSkinPopMenu::Attach(HWND window, const TSkinData& skin, HMENU menu) {
    FWindow = window;
    FSkinData = &skin;
    FMenu = menu;
    procedure_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return PopupWndProc(msg, wParam, lParam);
    });
    // The compositor of Windows 11 rounds a popup menu's corners and draws
    // its own outline, which would cut the skin's square menu border.
    tk::compositor::SetSquareCorners(window);
}

void TWinSkinPopMenu::Detach() {
    lent_.GiveBack();
    if (procedure_.Installed()) {
        procedure_.Remove();
    }
}

HMENU TWinSkinPopMenu::Menu() {
    if (!FMenu && FWindow) {
        FMenu = MenuOfPopupWindow(FWindow);
    }
    return FMenu;
}

bool TWinSkinPopMenu::HasBackground() const {
    return FSkinData && FSkinData->SkinLoaded && FSkinData->MenuBackground &&
           !FSkinData->MenuBackground->Bitmap.Empty();
}

TRenderedCell* TWinSkinPopMenu::Background() {
    RECT window{};
    if (!HasBackground() || !SkinManager || !GetWindowRect(FWindow, &window)) {
        return nullptr;
    }
    return SkinManager->MenuLooks().Background(*FSkinData->MenuBackground, WidthOf(window),
                                               HeightOf(window));
}

HDC TWinSkinPopMenu::ItemSurface(HDC reference, const RECT& rect) {
    TRenderedCell* background = Background();
    if (!background) {
        return nullptr;
    }
    // Where the client origin lies on the window.
    RECT window{};
    GetWindowRect(FWindow, &window);
    POINT origin{0, 0};
    ClientToScreen(FWindow, &origin);
    const int w = WidthOf(rect), h = HeightOf(rect);
    const HDC surface = SkinManager->MenuLooks().ItemSurface(reference, w, h);
    if (!surface) {
        return nullptr;
    }
    BitBlt(surface, 0, 0, w, h, background->Dc(), rect.left + origin.x - window.left,
           rect.top + origin.y - window.top, SRCCOPY);
    return surface;
}

bool TWinSkinPopMenu::PutItemFace(HDC target, const TDataSkinObject& element, int width, int height,
                                  int cell) {
    TRenderedCell* face =
        SkinManager ? SkinManager->MenuLooks().ItemFace(element, width, height, cell) : nullptr;
    if (!face) {
        return false;
    }
    if (element.Trans != 0) {
        TransparentBlit(target, {0, 0, width, height}, face->Pixels(), KeyColour);
        return true;
    }
    BitBlt(target, 0, 0, width, height, face->Dc(), 0, 0, SRCCOPY);
    return true;
}

LRESULT TWinSkinPopMenu::PopupWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    SKIN_TRACE_MESSAGE("TWinSkinPopMenu", FWindow, msg);
    switch (msg) {
    case WM_SKINQUERY:
        return SkinQueryAnswer;
    case WM_CREATE:
        return OnCreate(wParam, lParam);
    case WM_DESTROY:
        return OnDestroy(wParam, lParam);
    case WM_NCPAINT:
        return SkinPainted(&TWinSkinPopMenu::OnNcPaint, msg, wParam, lParam);
    case WM_PAINT:
        return SkinPainted(&TWinSkinPopMenu::OnPaint, msg, wParam, lParam);
    case WM_PRINT:
        return SkinPainted(&TWinSkinPopMenu::PrintPopup, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        KeepDropDownOffButton(FWindow, *reinterpret_cast<WINDOWPOS*>(lParam));
        return procedure_.CallNext(msg, wParam, lParam);
    default:
        return procedure_.CallNext(msg, wParam, lParam);
    }
}

// A painting message is the skin's while skinning is on and the menu has its
// background; the system's own look shows where the skin's could not be drawn.
LRESULT TWinSkinPopMenu::SkinPainted(TPaintHandler handler, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    if (!SkinManager || !SkinManager->Enabled() || !HasBackground()) {
        return procedure_.CallNext(msg, wParam, lParam);
    }
    try {
        return (this->*handler)(wParam, lParam);
    } catch (...) {
        return procedure_.Pending(msg, wParam, lParam) ? procedure_.CallNext(msg, wParam, lParam)
                                                       : 0;
    }
}

LRESULT TWinSkinPopMenu::OnCreate(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = procedure_.CallNext(WM_CREATE, wParam, lParam);
    if (result == 0) {
        Created(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    }
    return result;
}

LRESULT TWinSkinPopMenu::OnDestroy(WPARAM wParam, LPARAM lParam) {
    lent_.GiveBack();
    return procedure_.CallNext(WM_DESTROY, wParam, lParam);
}

// The frame where it is the non-client area; the system's own frame is not
// drawn.
LRESULT TWinSkinPopMenu::OnNcPaint(WPARAM, LPARAM) {
    tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
    PaintPopupFrame(dc);
    return 0;
}

// Where the system draws the frame inside the client area, the ring goes over
// it once the items are drawn.
LRESULT TWinSkinPopMenu::OnPaint(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = procedure_.CallNext(WM_PAINT, wParam, lParam);
    tk::WindowDC dc = tk::WindowDC::Whole(FWindow);
    PaintPopupFrame(dc);
    return result;
}

// The system sends an owner-drawn item's messages to the window it was
// given as the menu's owner (the creation's parent), which for a child
// window differs from the popup's owner.
void TWinSkinPopMenu::Created(const CREATESTRUCTW& create) {
    if (!SkinManager || !SkinManager->Enabled() || !FSkinData->Skins(xcPopupMenu)) {
        return;
    }
    try {
        lent_.Lend(Menu(), create.hwndParent, *FSkinData);
    } catch (...) {
        lent_.GiveBack();
    }
}

// The outer ring of the background, 1:1; the items copy the inside under
// themselves.
void TWinSkinPopMenu::PaintPopupFrame(HDC windowDC) {
    TRenderedCell* background = Background();
    if (!background) {
        return;
    }
    const int w = background->Pixels().Width(), h = background->Pixels().Height();
    const int f = FrameWidth;
    const HDC source = background->Dc();
    BitBlt(windowDC, 0, 0, w, f, source, 0, 0, SRCCOPY);
    BitBlt(windowDC, 0, h - f, w, f, source, 0, h - f, SRCCOPY);
    BitBlt(windowDC, 0, f, f, h - 2 * f, source, 0, f, SRCCOPY);
    BitBlt(windowDC, w - f, f, f, h - 2 * f, source, w - f, f, SRCCOPY);
}

// The system's menu animation prints the window before showing it: the
// whole background, then the items over it inside the ring.
LRESULT TWinSkinPopMenu::PrintPopup(WPARAM wParam, LPARAM lParam) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    TRenderedCell* background = Background();
    if (!background) {
        return procedure_.CallNext(WM_PRINT, wParam, lParam);
    }
    const int w = background->Pixels().Width(), h = background->Pixels().Height();
    BitBlt(dc, 0, 0, w, h, background->Dc(), 0, 0, SRCCOPY);
    tk::SavedDC saved(dc);
    const int f = FrameWidth;
    IntersectClipRect(dc, f, f, w - f, h - f);
    SetBkMode(dc, TRANSPARENT);
    return procedure_.CallNext(WM_PRINT, wParam, lParam);
}

} // namespace skin
