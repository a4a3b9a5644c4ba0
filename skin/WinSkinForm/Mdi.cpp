// The MDI paths of the frame: the MDI client's procedure on an MDI frame,
// the commands of the MDI child buttons, and whether a child is maximised.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "toolkit/win32/Compositor.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSubClass/EngineTrace.h"

#include <cstdio>

namespace skin {
namespace {

constexpr DWORD ClientScrollBars = WS_HSCROLL | WS_VSCROLL;

} // namespace

bool TWinSkinForm::HasMaximizedMdiChild() const {
    if (FWindowKind != TWindowKind::MdiFrame || !FMdiClient) {
        return false;
    }
    BOOL maximized = FALSE;
    const HWND child = reinterpret_cast<HWND>(
        SendMessageW(FMdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return child && maximized;
}

void TWinSkinForm::MdiChildCommand(UINT command) {
    const tk::compositor::TransitionsOff transitionsOff(FWindow);
    if (FWindowKind != TWindowKind::MdiFrame || !FMdiClient) {
        return;
    }
    if (HWND child = reinterpret_cast<HWND>(SendMessageW(FMdiClient, WM_MDIGETACTIVE, 0, 0))) {
        SendMessageW(child, WM_SYSCOMMAND, command, 0);
    }
    if (SkinManager && SkinManager->MdiMaximized() && !HasMaximizedMdiChild()) {
        SkinManager->SetMdiMax(false);
    }
}

LRESULT TWinSkinForm::ClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    SKIN_TRACE_MESSAGE("TWinSkinForm MDI client", FMdiClient, msg);
    switch (msg) {
    case WM_NCCALCSIZE:
        return OnClientNcCalcSize(wParam, lParam);
    case WM_MDICREATE:
        return OnMdiCreate(wParam, lParam);
    case WM_MDIDESTROY:
        return OnMdiDestroy(wParam, lParam);
    case WM_MDITILE:
    case WM_MDICASCADE:
        return OnMdiArrange(msg, wParam, lParam);
    case WM_MDISETMENU:
        return OnMdiSetMenu(wParam, lParam);
    case WM_MDIREFRESHMENU:
        return OnMdiRefreshMenu(wParam, lParam);
    default:
        return CallClient(msg, wParam, lParam);
    }
}

LRESULT TWinSkinForm::CallClient(UINT msg, WPARAM wParam, LPARAM lParam) {
    return clientSubclass_.CallNext(msg, wParam, lParam);
}

// The skinned frame draws no scroll bars of the client's own.
LRESULT TWinSkinForm::OnClientNcCalcSize(WPARAM wParam, LPARAM lParam) {
    if (FSkinFrame) {
        const LONG_PTR style = GetWindowLongPtrW(FMdiClient, GWL_STYLE);
        if (style & ClientScrollBars) {
            SetWindowLongPtrW(FMdiClient, GWL_STYLE, style & ~LONG_PTR(ClientScrollBars));
        }
    }
    return CallClient(WM_NCCALCSIZE, wParam, lParam);
}

LRESULT TWinSkinForm::OnMdiCreate(WPARAM wParam, LPARAM lParam) {
    FSkinData->SetMenuUpdate(false);
    const LRESULT child = CallClient(WM_MDICREATE, wParam, lParam);
    FNewMdiChild = reinterpret_cast<HWND>(child);
    // The child is skinned on the next menu refresh, once its program has set
    // it up; one is asked for in case the program sends none.
    if (FNewMdiChild) {
        PostMessageW(FMdiClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return child;
}

LRESULT TWinSkinForm::OnMdiDestroy(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallClient(WM_MDIDESTROY, wParam, lParam);
    if (FSkinFrame && SkinManager) {
        SkinManager->SetMdiMax(HasMaximizedMdiChild());
        if (FMenuBar && SkinManager->CountMdiChildFrames() == 0) {
            FSkinData->SetMenuUpdate(menuUpdateSaved_);
            FMenuBar->RebuildFromForm();
        }
    }
    char trace[32];
    std::snprintf(trace, sizeof trace, "%4llx", static_cast<unsigned long long>(wParam));
    SkinTrace(std::string("**MDI: WM_MDIDESTROY ") + trace);
    return result;
}

// Tiling or cascading leaves no child maximised.
LRESULT TWinSkinForm::OnMdiArrange(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (FSkinFrame && SkinManager && SkinManager->MdiMaximized()) {
        SkinManager->SetMdiMax(false);
    }
    return CallClient(msg, wParam, lParam);
}

// The bar follows the frame's new menu, which comes off the window again.
LRESULT TWinSkinForm::OnMdiSetMenu(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallClient(WM_MDISETMENU, wParam, lParam);
    if (FSkinFrame) {
        const HMENU frameMenu = reinterpret_cast<HMENU>(wParam);
        if (frameMenu && FMenuBar &&
            (LONG_PTR(wParam) < 0 || frameMenu != FMenuBar->NativeMenu() || FNewMdiChild)) {
            FMenuBar->BuildFromNative(GetMenu(FWindow));
        }
        SetMenu(FWindow, nullptr);
    }
    return result;
}

LRESULT TWinSkinForm::OnMdiRefreshMenu(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallClient(WM_MDIREFRESHMENU, wParam, lParam);
    if (FNewMdiChild) {
        if (SkinManager) {
            SkinManager->SkinWindow(FNewMdiChild);
        }
        PostMessageW(FWindow, WM_SKINPAINTFRAME, 0, 0);
        FNewMdiChild = nullptr;
    }
    return result;
}

} // namespace skin
