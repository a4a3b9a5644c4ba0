// The MDI paths of the frame: the MDI client's procedure on an MDI frame,
// the commands of the MDI child buttons, and whether a child is maximised.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinForm/AnimationOff.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"

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
    TAnimationOff animationOff;
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
    const auto callClient = [&] { return clientSubclass_.CallNext(msg, wParam, lParam); };
    switch (msg) {
    case WM_NCCALCSIZE:
        if (FSkinFrame) {
            const LONG_PTR style = GetWindowLongPtrW(FMdiClient, GWL_STYLE);
            if (style & ClientScrollBars) {
                SetWindowLongPtrW(FMdiClient, GWL_STYLE, style & ~LONG_PTR(ClientScrollBars));
            }
        }
        return callClient();
    case WM_MDICREATE: {
        FSkinData->SetMenuUpdate(false);
        const LRESULT child = callClient();
        FNewMdiChild = reinterpret_cast<HWND>(child);
        // The child is skinned on the next menu refresh, once its program
        // has set it up; one is asked for in case the program sends none.
        if (FNewMdiChild) {
            PostMessageW(FMdiClient, WM_MDIREFRESHMENU, 0, 0);
        }
        return child;
    }
    case WM_MDIDESTROY: {
        const LRESULT result = callClient();
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
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (FSkinFrame && SkinManager && SkinManager->MdiMaximized()) {
            SkinManager->SetMdiMax(false);
        }
        return callClient();
    case WM_MDISETMENU: {
        const LRESULT result = callClient();
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
    case WM_MDIREFRESHMENU: {
        const LRESULT result = callClient();
        if (FNewMdiChild) {
            if (SkinManager) {
                SkinManager->SkinWindow(FNewMdiChild);
            }
            PostMessageW(FWindow, WM_SKINPAINTFRAME, 0, 0);
            FNewMdiChild = nullptr;
        }
        return result;
    }
    default:
        return callClient();
    }
}

} // namespace skin
